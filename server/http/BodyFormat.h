#pragma once

namespace ondi::server {

// What a route accepts as its request body. API routes take JSON; the pages a browser submits
// take an HTML form.
enum class BodyFormat { json, form };

}  // namespace ondi::server
