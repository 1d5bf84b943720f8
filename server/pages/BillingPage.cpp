#include "pages/BillingPage.h"

#include <array>
#include <string_view>

#include "http/HtmlPage.h"

namespace ondi::server {
namespace {

struct Plan {
  std::string_view id;
  std::string_view name;
  std::string_view price;
  std::string_view audience;
};

constexpr std::array kPlans{
    Plan{"free", "Free", "$0", "Try one personal or business task."},
    Plan{"plus", "Starter", "$20/mo",
         "One always-on AI agent for planning, writing, review, and follow-up."},
    Plan{"pro", "Operator", "$200/mo",
         "Team work across sales, support, finance, ads, orders, and marketing."},
    Plan{"business", "Managed", "$1,500/mo",
         "Agent setup, process mapping, approvals, and rollout support."},
};

}  // namespace

std::string billingPage(const std::optional<Account>& account) {
  std::string body = "<h1>Billing</h1>\n";
  if (account) {
    body += "<p>Plans for " + escapeHtml(account->email) + ".</p>\n";
  } else {
    body +=
        "<p><a href=\"/auth.html?mode=sign-in&amp;returnTo=%2Fagent.html%3Fsource%3Dmac_app%26"
        "surface%3Dbilling\">Log in</a> to see your plan.</p>\n";
  }
  body += "<dl>";
  for (const Plan& plan : kPlans) {
    const bool current = account && account->plan == plan.id;
    body += "<dt>" + escapeHtml(plan.name) + " · " + escapeHtml(plan.price) +
            "</dt><dd id=\"plan-" + escapeHtml(plan.id) + "\">" + escapeHtml(plan.audience) +
            (current ? " <strong>Your plan</strong>" : "") + "</dd>";
  }
  body += "</dl>\n";
  body +=
      "<p class=\"note\">Served by ondi-server, the local stand-in of the Ondi service. Payments "
      "are not taken here.</p>";
  return htmlDocument("Billing", body);
}

}  // namespace ondi::server
