#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/app/Published.h"
#include "core/browser/BrowserTabSession.h"

namespace ondi {

// The in-app browser's tab list. The list is never empty; the selected session is the one
// whose id is selected, or the first when none matches.
class BrowserTabs {
 public:
  Published<std::vector<BrowserTabSnapshot>> browserTabs;
  Published<std::optional<std::string>> selectedBrowserTabID;

  // Appends a session and selects it.
  BrowserTabSession& append(BrowserTabSession session);
  bool select(const std::string& id);

  BrowserTabSession& selectedSession();
  BrowserTabSession* sessionFor(const WebView& view);
  const std::vector<BrowserTabSession>& sessions() const { return sessions_; }

  void refreshSnapshots();
  void refreshSnapshot(const WebView& view);

 private:
  std::vector<BrowserTabSession> sessions_;
};

}  // namespace ondi
