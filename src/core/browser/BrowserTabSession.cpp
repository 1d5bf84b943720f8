#include "core/browser/BrowserTabSession.h"

#include "core/navigation/WebDestinations.h"
#include "core/util/Text.h"
#include "core/util/Url.h"

namespace ondi {
namespace {

std::string withoutWWW(std::string host) {
  for (auto at = host.find("www."); at != std::string::npos; at = host.find("www.", at)) {
    host.erase(at, 4);
  }
  return host;
}

std::string hostOf(const std::string& url) {
  const auto parsed = Url::parse(url);
  return parsed ? parsed->host() : std::string();
}

}  // namespace

std::string displayTitle(const std::string& url) {
  const std::string host = hostOf(url);
  const std::string lowercasedHost = asciiLowercased(host);
  if (lowercasedHost == WebDestinations::gmailHost) return "Gmail";
  if (lowercasedHost == WebDestinations::googleDriveHost) return "Google Drive";
  const std::string title = withoutWWW(host);
  return title.empty() ? "New tab" : title;
}

std::string BrowserTabSession::shownURL() const {
  if (managedWorkflowID) return requestedURL;
  const std::string current = webView->url();
  return current.empty() ? requestedURL : current;
}

BrowserTabSnapshot BrowserTabSession::snapshot() const {
  const std::string shown = shownURL();
  std::string title = trimmedWhitespace(webView->title());
  if (title.empty()) title = trimmedWhitespace(fallbackTitle);
  if (title.empty()) title = withoutWWW(hostOf(shown));
  if (title.empty()) title = "New tab";
  return BrowserTabSnapshot{id, title, shown, webView->isLoading()};
}

}  // namespace ondi
