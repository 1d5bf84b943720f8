#include "core/desktop/DesktopActionDispatcher.h"

#include <vector>

#include "core/actions/DesktopActionHost.h"
#include "core/browser/BrowserTabSession.h"
#include "core/browser/BrowserTabs.h"
#include "core/desktop/BrowserAutomationScripts.h"
#include "core/desktop/DesktopActionRequest.h"
#include "core/desktop/ExternalBrowsers.h"
#include "core/script/SurfaceChannel.h"
#include "core/surface/PageScripts.h"
#include "core/util/Text.h"
#include "core/util/Url.h"

namespace ondi {

std::optional<std::string> webDestination(const std::string& text) {
  const auto url = Url::parse(text);
  if (!url) return std::nullopt;
  const std::string scheme = url->lowercasedScheme();
  if (scheme != "http" && scheme != "https") return std::nullopt;
  return url->string();
}

void DesktopActionDispatcher::handleDesktopActionRequest(const nlohmann::json& body) {
  const DesktopActionRequest request(body);
  const std::string id = request.id();
  const std::string action = request.text("action");
  if (action == "syncConversationThreads") {
    conversationState_(body);
  } else if (action == "openManagedBrowserWorkflow") {
    openManagedBrowserWorkflow(request, id);
  } else if (action == "openInAppBrowser") {
    openInAppBrowser(request, id);
  } else if (action == "openInAppBrowserTabs") {
    openInAppBrowserTabs(request, id);
  } else if (action == "openChromeURL") {
    openURLInBrowser(request, id, ExternalBrowser::chrome,
                     "That Chrome destination is not a valid web URL.");
  } else if (action == "openSafariURL") {
    openURLInBrowser(request, id, ExternalBrowser::safari,
                     "That Safari destination is not a valid web URL.");
  } else if (action == "openChromeApp") {
    openBrowserApplication(id, ExternalBrowser::chrome);
  } else if (action == "openSafariApp") {
    openBrowserApplication(id, ExternalBrowser::safari);
  } else if (action == "closeInAppBrowser") {
    reply(id, host_.closeSelectedInAppBrowserTab());
  } else if (action == "switchInAppBrowserTab") {
    reply(id, host_.switchInAppBrowserTab(request.direction()));
  } else if (action == "closeChromeTab") {
    reply(id, browsers_.runChromeAppleScript(BrowserAutomationScripts::closeChromeTab,
                                             "Closed the active Chrome tab."));
  } else if (action == "switchChromeTab") {
    reply(id, browsers_.switchChromeTab(request.direction()));
  } else if (action == "closeSafariTab") {
    reply(id, browsers_.runSafariAppleScript(BrowserAutomationScripts::closeSafariTab,
                                             "Closed the active Safari tab."));
  } else if (action == "switchSafariTab") {
    reply(id, browsers_.switchSafariTab(request.direction()));
  } else {
    reply(id, DesktopActionResult::failure("Ondi does not know that desktop action yet."));
  }
}

void DesktopActionDispatcher::openManagedBrowserWorkflow(const DesktopActionRequest& request,
                                                         const std::string& id) {
  const std::string label = request.label("Managed browser");
  if (host_.openManagedBrowserWorkflow(request.text("workflowId"), label)) {
    reply(id, DesktopActionResult::success("Opened " + label +
                                           " in Ondi and connected its Live Monitor."));
  } else {
    reply(id, DesktopActionResult::failure("The managed browser workflow was not valid."));
  }
}

void DesktopActionDispatcher::openInAppBrowser(const DesktopActionRequest& request,
                                               const std::string& id) {
  const auto url = webDestination(request.text("url"));
  if (!url) {
    reply(id, DesktopActionResult::failure("That browser destination is not a valid web URL."));
    return;
  }
  openInNewTab(id, *url, request.label("page"));
}

void DesktopActionDispatcher::openInNewTab(const std::string& id, const std::string& url,
                                           const std::string& label) {
  if (!host_.openInAppBrowserTab(url, label)) {
    reply(id, DesktopActionResult::failure(std::string(kBrowserTabLimitNotice)));
    return;
  }
  reply(id, DesktopActionResult::success("Opened " + label + " in a new Ondi browser tab."));
}

void DesktopActionDispatcher::openInAppBrowserTabs(const DesktopActionRequest& request,
                                                   const std::string& id) {
  const auto tabs = request.body().find("tabs");
  std::vector<DesktopActionTab> entries =
      tabs != request.body().end() ? desktopActionTabs(*tabs) : std::vector<DesktopActionTab>{};
  if (entries.size() > kMaximumTabs) entries.resize(kMaximumTabs);
  std::string titles;
  bool full = false;
  for (const DesktopActionTab& entry : entries) {
    const auto url = webDestination(trimmedWhitespace(entry.url));
    if (!url) continue;
    std::string title = trimmedWhitespace(entry.label);
    if (title.empty()) title = displayTitle(*url);
    if (!host_.openInAppBrowserTab(*url, title)) {
      full = true;
      break;
    }
    titles += (titles.empty() ? "" : ", ") + title;
  }
  const std::string limit(kBrowserTabLimitNotice);
  if (titles.empty()) {
    reply(id, DesktopActionResult::failure(
                  full ? limit : "Those browser destinations were not valid web URLs."));
  } else {
    reply(id, DesktopActionResult::success("Opened " + titles + " in Ondi browser tabs." +
                                           (full ? " " + limit : "")));
  }
}

void DesktopActionDispatcher::openURLInBrowser(const DesktopActionRequest& request,
                                               const std::string& id,
                                               const ExternalBrowser& browser,
                                               const std::string& invalidURLError) {
  const auto url = webDestination(request.text("url"));
  if (!url) {
    reply(id, DesktopActionResult::failure(invalidURLError));
    return;
  }
  const std::string label = request.label("page");
  if (!request.explicitExternal()) {
    openInNewTab(id, *url, label);
    return;
  }
  browsers_.openURL(*url, std::string(browser.bundleIdentifier),
                    std::string(browser.applicationName), label, replyLater(id));
}

void DesktopActionDispatcher::openBrowserApplication(const std::string& id,
                                                     const ExternalBrowser& browser) {
  browsers_.openApplication(std::string(browser.bundleIdentifier),
                            std::string(browser.applicationName), replyLater(id));
}

void DesktopActionDispatcher::reply(const std::string& id, const DesktopActionResult& result) {
  if (auto script = PageScripts::desktopActionUpdate(id, result.ok, result.text, result.error)) {
    page_.runScript(*script);
  }
}

std::function<void(DesktopActionResult)> DesktopActionDispatcher::replyLater(
    const std::string& id) {
  return whileAlive(lifetime_,
                    [this, id](const DesktopActionResult& result) { reply(id, result); });
}

}  // namespace ondi
