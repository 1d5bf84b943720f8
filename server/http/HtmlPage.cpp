#include "http/HtmlPage.h"

namespace {

constexpr std::string_view kStyle =
    "body{font-family:system-ui,sans-serif;max-width:32rem;margin:4rem auto;padding:0 1rem;"
    "color:#1d1d1f}"
    "h1{font-size:1.4rem}"
    ".note{color:#6e6e73;font-size:.9rem}"
    "button{font-size:1rem;padding:.5rem 1.2rem;margin-right:.5rem}";

}  // namespace

std::string escapeHtml(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string htmlDocument(std::string_view title, std::string_view body) {
  std::string document = "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">";
  document += "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">";
  document += "<title>" + escapeHtml(title) + "</title><style>";
  document += kStyle;
  document += "</style></head><body>\n";
  document += body;
  document += "\n</body></html>\n";
  return document;
}
