#include "payments/OnboardingPages.h"

#include "http/HtmlPage.h"

namespace ondi::server {
namespace {

constexpr std::string_view kTitle = "Stripe Issuing onboarding";
constexpr std::string_view kStandInNote =
    "<p class=\"note\">This is a local stand-in of Stripe Issuing onboarding, served by "
    "ondi-server for development and tests. Identity and funding-bank verification are "
    "simulated; no Stripe account, bank or card network is contacted.</p>";

}  // namespace

std::string onboardingPage(std::string_view email, std::string_view link) {
  std::string body = "<h1>Stripe Issuing onboarding (local stand-in)</h1>\n";
  body += kStandInNote;
  body += "\n<p>Set up a controlled agent card for <strong>" + escapeHtml(email) +
          "</strong>. Completing this page verifies your identity and connects a funding bank, "
          "then issues a virtual card your agent can spend from within its policy.</p>\n";
  body += "<form method=\"post\" action=\"/api/agent-payments/onboarding\">";
  body += "<input type=\"hidden\" name=\"link\" value=\"" + escapeHtml(link) + "\">";
  body += "<button type=\"submit\" id=\"complete\">Verify and issue the card</button>";
  body += "</form>";
  return htmlDocument(kTitle, body);
}

std::string onboardingDonePage(std::string_view cardLast4) {
  std::string body = "<h1 id=\"result\">Stripe Issuing is ready</h1>\n";
  body += "<p>Your virtual card ending " + escapeHtml(cardLast4) +
          " is issued. Return to Ondi and refresh Agent Payment to add credit.</p>\n";
  body += kStandInNote;
  return htmlDocument("Stripe Issuing is ready", body);
}

std::string onboardingLinkProblemPage(std::string_view problem) {
  std::string body = "<h1>This onboarding link cannot be used</h1>\n";
  body += "<p>" + escapeHtml(problem) +
          " Start Stripe setup again from Agent Payment in Ondi for a new link.</p>\n";
  body += kStandInNote;
  return htmlDocument(kTitle, body);
}

}  // namespace ondi::server
