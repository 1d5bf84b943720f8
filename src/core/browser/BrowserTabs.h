#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/browser/BrowserTabSession.h"
#include "core/published/Published.h"

namespace ondi {

inline constexpr std::string_view kBrowserTabLimitNotice =
    "Ondi keeps at most 50 browser tabs open. Close a tab, then try again.";

// The in-app browser's tab list. The list is never empty; the selected session is the one
// whose id is selected, or the first when none matches.
class BrowserTabs {
 public:
  Published<std::vector<BrowserTabSnapshot>> browserTabs;
  Published<std::optional<std::string>> selectedBrowserTabID;
  // Why the browser last refused what a page asked of it; cleared when a tab closes.
  Published<std::optional<std::string>> notice;

  // No more tabs open beyond this many, so a page cannot exhaust the desktop's memory.
  static constexpr std::size_t kMaximumTabs = 50;
  bool isFull() const { return sessions_.size() >= kMaximumTabs; }

  // Appends a session and selects it.
  BrowserTabSession& append(BrowserTabSession session);
  bool select(const std::string& id);
  // Removes the session with `id` unless it is the only one. When the removed session was
  // the selected one, the session that takes its place (or the new last one) is selected.
  // Returns whether the selection moved.
  bool remove(const std::string& id);

  BrowserTabSession& selectedSession();
  const BrowserTabSession& selectedSession() const;
  // The selected session's place in the list.
  std::size_t selectedIndex() const;
  BrowserTabSession* session(const std::string& id);
  BrowserTabSession* sessionFor(const WebView& view);
  const std::vector<BrowserTabSession>& sessions() const { return sessions_; }

  void refreshSnapshots();
  void refreshSnapshot(const WebView& view);

 private:
  std::vector<BrowserTabSession> sessions_;
};

}  // namespace ondi
