#include "platform/linux/ChildFrameRules.h"

#include <glib.h>

#include <nlohmann/json.hpp>

namespace ondi::platform {
namespace {

// Escapes every character a content-blocker pattern treats specially.
std::string escapedPattern(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    if (!g_ascii_isalnum(c) && c != '-') escaped += '\\';
    escaped += c;
  }
  return escaped;
}

// Rules apply to the documents of child frames only: images, scripts and fonts that an
// allowed frame loads from elsewhere are its own business.
nlohmann::json rule(const std::string& pattern, const char* action) {
  return {{"trigger",
           {{"url-filter", pattern},
            {"resource-type", {"document"}},
            {"load-context", {"child-frame"}}}},
          {"action", {{"type", action}}}};
}

}  // namespace

std::string childFrameRulesJSON(const std::string& registrableDomain) {
  // Patterns have no alternation, so each allowed origin is its own rule; the host must be
  // followed by "/" or by a port and "/", so that user-info tricks cannot pass.
  nlohmann::json rules = nlohmann::json::array();
  rules.push_back(rule("^https?://", "block"));
  for (const char* host : {"localhost", "127.0.0.1"}) {
    rules.push_back(rule("^https?://" + escapedPattern(host) + "/", "ignore-previous-rules"));
    rules.push_back(
        rule("^https?://" + escapedPattern(host) + ":[0-9]+/", "ignore-previous-rules"));
  }
  if (!registrableDomain.empty()) {
    const std::string domain = "^https://([^/@:]*\\.)?" + escapedPattern(registrableDomain);
    rules.push_back(rule(domain + "/", "ignore-previous-rules"));
    rules.push_back(rule(domain + ":[0-9]+/", "ignore-previous-rules"));
  }
  return rules.dump();
}

}  // namespace ondi::platform
