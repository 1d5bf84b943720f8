#pragma once

#include <string>
#include <string_view>

namespace ondi::server {

// Text made safe to place in HTML content and in quoted attribute values.
std::string escapeHtml(std::string_view text);

// A small self-contained HTML document in the service's look, under its brand header. The title is
// escaped; the body is inserted as it is, so every value in it must already be escaped.
std::string htmlDocument(std::string_view title, std::string_view body);

}  // namespace ondi::server
