#include "pages/AccountPage.h"

#include "http/HtmlPage.h"

namespace ondi::server {
namespace {

constexpr std::string_view kReturnHere = "%2Fpage.html%3Fview%3Daccount";

std::string row(std::string_view term, std::string_view value) {
  return "<dt>" + std::string(term) + "</dt><dd>" + escapeHtml(value) + "</dd>";
}

}  // namespace

std::string accountPage(const std::optional<Account>& account) {
  if (!account) {
    std::string body = "<h1>Your Ondi account</h1>\n<p>Log in to see and manage your account.</p>";
    body += "\n<p><a id=\"sign-in\" href=\"/auth.html?mode=sign-in&amp;returnTo=" +
            std::string(kReturnHere) + "\">Log in</a> · <a href=\"/auth.html?mode=sign-up&amp;" +
            "returnTo=" + std::string(kReturnHere) + "\">Create an account</a></p>";
    return htmlDocument("Your Ondi account", body);
  }
  std::string body = "<h1>Your Ondi account</h1>\n<dl id=\"account\">";
  body += row("Name", account->name);
  body += row("Email", account->email);
  body += row("Plan", account->plan == "free" ? "Free" : account->plan);
  body += row("Sign-in", account->authProvider == "google" ? "Google" : "Email and password");
  body +=
      "</dl>\n<p><a href=\"/agent.html?source=mac_app\">Open the agent workspace</a> · "
      "<a href=\"/page.html?view=pricing\">Plans</a> · "
      "<a id=\"sign-out\" href=\"/auth.html?mode=sign-out\">Sign out</a></p>";
  return htmlDocument("Your Ondi account", body);
}

}  // namespace ondi::server
