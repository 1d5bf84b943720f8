#include "auth/GoogleConsentPages.h"

#include "http/HtmlPage.h"

namespace ondi::server {
namespace {

constexpr std::string_view kStandInNote =
    "<p class=\"note\">This is a local stand-in of Google's consent page, served by ondi-server "
    "for development and tests. No Google account is contacted.</p>";

}  // namespace

std::string googleConsentPage(const GoogleIdentity& identity, std::string_view intent,
                              std::string_view requestId) {
  const std::string action = intent == "sign-up" ? "create an Ondi account" : "log in to Ondi";
  std::string body = "<h1>Sign in with Google</h1>\n";
  body += kStandInNote;
  body += "\n<p>Continue as <strong>" + escapeHtml(identity.name) + "</strong> (" +
          escapeHtml(identity.email) + ") to " + action + ".</p>\n";
  body += "<form method=\"post\" action=\"/api/auth/google/consent\">";
  body += "<input type=\"hidden\" name=\"request\" value=\"" + escapeHtml(requestId) + "\">";
  body +=
      "<button type=\"submit\" id=\"continue\" name=\"decision\" value=\"continue\">"
      "Continue</button>";
  body +=
      "<button type=\"submit\" id=\"cancel\" name=\"decision\" value=\"cancel\">"
      "Cancel</button>";
  body += "</form>";
  return htmlDocument("Sign in with Google", body);
}

std::string googleProblemPage(std::string_view message) {
  std::string body = "<h1>Google sign-in could not start</h1>\n";
  body += kStandInNote;
  body += "\n<p>" + escapeHtml(message) + "</p>";
  return htmlDocument("Google sign-in", body);
}

}  // namespace ondi::server
