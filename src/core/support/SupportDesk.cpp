#include "core/support/SupportDesk.h"

#include <glib.h>

#include "core/account/WorkspaceAPIClient.h"
#include "core/browser/BrowserWorkspaceController.h"
#include "core/navigation/NavigationState.h"
#include "core/origin/ServiceOrigin.h"
#include "core/ports/Logger.h"
#include "core/ports/SystemServices.h"
#include "core/support/SupportDiagnostics.h"
#include "core/util/GlibHandles.h"
#include "core/util/Url.h"

namespace ondi {
namespace {
constexpr const char* kContactPage = "/page.html?view=contact";
constexpr const char* kMailSubject = "Ondi Desktop Support";
}  // namespace

std::string SupportDesk::supportEmailAddress() const {
  return deps_.origin.supportEmailAddress();
}

std::string SupportDesk::contactPageURL() const {
  const auto base = Url::parse(deps_.api.managedBrowserBaseURL());
  const auto page = base ? base->resolve(kContactPage) : std::nullopt;
  return page ? page->string() : std::string();
}

std::string SupportDesk::mailComposeURL() const {
  return "mailto:" + supportEmailAddress() +
         "?subject=" + glib::takeString(g_uri_escape_string(kMailSubject, nullptr, FALSE));
}

void SupportDesk::openContactPage() {
  const std::string url = contactPageURL();
  if (url.empty()) return;
  deps_.browser.openInAppBrowserTab(url, "Ondi support");
}

void SupportDesk::composeEmail() {
  deps_.logger.info("browser", "Opening support e-mail");
  deps_.system.openWithDefaultHandler(mailComposeURL());
}

std::string SupportDesk::diagnostics() const {
  return supportDiagnostics({deps_.shortVersion, deps_.navigation.title.get(),
                             deps_.navigation.currentURLString.get(),
                             deps_.browser.tabs.sessions().size()});
}

}  // namespace ondi
