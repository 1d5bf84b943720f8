#include "pages/ServiceViews.h"

#include <array>

#include "http/HtmlPage.h"

namespace ondi::server {
namespace {

struct View {
  std::string_view name;
  std::string_view title;
  std::string_view body;
};

constexpr std::string_view kStandInNote =
    "<p class=\"note\">Served by ondi-server, the local stand-in of the Ondi service.</p>";

constexpr std::array kViews{
    View{"industries", "Agent packs",
         "<p>Agent packs bundle helpers, prompts and connected apps for one line of work. Open "
         "them from Agent Packs in the Ondi app, where each pack gets its own workspace.</p>"},
    View{"skills-library", "Skills library",
         "<p>Skills are the repeatable tasks Ondi's agents know how to run. Browse and start "
         "them from Skills in the Ondi app.</p>"},
    View{"contact", "Contact Ondi support",
         "<p>Tell us what happened and what you expected, and include the diagnostics the Ondi "
         "app copies from its Support screen.</p>"},
    View{"pricing", "Plans and pricing",
         "<p>Start free, add helpers, then add managed setup for teams. Choose a plan from "
         "Billing in the Ondi app.</p>"},
};

}  // namespace

std::optional<std::string> serviceViewPage(std::string_view view) {
  for (const View& entry : kViews) {
    if (entry.name != view) continue;
    std::string body = "<h1>" + escapeHtml(entry.title) + "</h1>\n";
    body += entry.body;
    body +=
        "\n<p><a href=\"/agent.html?source=mac_app\">Open the agent workspace</a> · "
        "<a href=\"/page.html?view=account\">Your account</a></p>\n";
    body += kStandInNote;
    return htmlDocument(entry.title, body);
  }
  return std::nullopt;
}

}  // namespace ondi::server
