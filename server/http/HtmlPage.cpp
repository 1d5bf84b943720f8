#include "http/HtmlPage.h"

namespace ondi::server {
namespace {

// The service's look: the warm paper, ink and clay of the operator page's default palette.
constexpr std::string_view kStyle =
    "*{box-sizing:border-box}"
    "body{margin:0;color:#1B1B19;background:#F6F3EA;"
    "font:15px/1.6 system-ui,\"Segoe UI\",Cantarell,\"Noto Sans\",Arial,sans-serif}"
    ".brand{display:flex;align-items:center;gap:.6rem;padding:1rem 1.5rem;"
    "border-bottom:1px solid #E4DECF;font-weight:600}"
    ".brand-mark{display:inline-grid;place-items:center;width:1.8rem;height:1.8rem;"
    "border-radius:.5rem;background:#BB2D1E;color:#FFF}"
    "main{max-width:34rem;margin:3rem auto;padding:0 1.25rem}"
    "h1{font-size:1.5rem;line-height:1.25;margin:0 0 1rem}"
    "a{color:#BB2D1E}"
    ".note{color:#6B665B;font-size:.9rem}"
    "label{display:block;margin:.8rem 0 .25rem;font-weight:500}"
    "input{width:100%;font:inherit;padding:.55rem .7rem;border:1px solid #D6CFBE;"
    "border-radius:.5rem;background:#FFFDF8}"
    "button{font:inherit;padding:.5rem 1.2rem;margin:1rem .5rem 0 0;border-radius:.5rem;"
    "border:1px solid #BB2D1E;background:#BB2D1E;color:#FFF;cursor:pointer}"
    "button.secondary{background:transparent;color:#1B1B19;border-color:#D6CFBE}"
    "dl{display:grid;grid-template-columns:max-content 1fr;gap:.3rem 1rem}"
    "dt{color:#6B665B}dd{margin:0}";

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
  document +=
      "<header class=\"brand\"><span class=\"brand-mark\" aria-hidden=\"true\">O</span>"
      "<span>Ondi</span></header>\n<main>\n";
  document += body;
  document += "\n</main></body></html>\n";
  return document;
}

std::vector<std::string_view> inlineScriptsOf(std::string_view trustedHtml) {
  constexpr std::string_view kScriptStart = "<script>";
  constexpr std::string_view kScriptEnd = "</script>";
  std::vector<std::string_view> scripts;
  for (std::size_t start = trustedHtml.find(kScriptStart); start != std::string_view::npos;
       start = trustedHtml.find(kScriptStart, start)) {
    start += kScriptStart.size();
    const std::size_t end = trustedHtml.find(kScriptEnd, start);
    if (end == std::string_view::npos) break;
    scripts.push_back(trustedHtml.substr(start, end - start));
    start = end;
  }
  return scripts;
}

}  // namespace ondi::server
