#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ondi::server {

// Text made safe to place in HTML content and in quoted attribute values.
std::string escapeHtml(std::string_view text);

// A small self-contained HTML document in the service's look, under its brand header. The title is
// escaped; the body is inserted as it is, so every value in it must already be escaped.
std::string htmlDocument(std::string_view title, std::string_view body);

// The texts of the inline scripts ("<script>" elements without attributes) of a document this
// server ships, in order: the scripts its pages may run. Never for a document with outside text.
std::vector<std::string_view> inlineScriptsOf(std::string_view trustedHtml);

}  // namespace ondi::server
