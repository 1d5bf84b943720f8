#pragma once

#include <memory>
#include <optional>
#include <string>

#include "core/ports/WebView.h"

namespace ondi {

// What the tab strip shows of one tab.
struct BrowserTabSnapshot {
  std::string id;
  std::string title;
  std::string urlString;
  bool isLoading = false;

  bool operator==(const BrowserTabSnapshot&) const = default;
};

// One in-app browser tab and its own web view.
struct BrowserTabSession {
  std::string id;
  std::unique_ptr<WebView> webView;
  std::string requestedURL;
  std::string fallbackTitle;
  std::optional<std::string> managedWorkflowID;

  // The address the tab shows: the requested one for a managed workflow, else the web
  // view's, falling back to the requested one before the first load.
  std::string shownURL() const;
  BrowserTabSnapshot snapshot() const;
};

// The title of an address when nothing better is known.
std::string displayTitle(const std::string& url);

}  // namespace ondi
