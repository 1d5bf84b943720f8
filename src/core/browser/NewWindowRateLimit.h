#pragma once

#include <chrono>
#include <cstddef>
#include <deque>
#include <map>

namespace ondi {

class Clock;
class WebView;

// Keeps a page from flooding the in-app browser: each tab's pages may open at most
// `kMaximumWindows` new windows within `kInterval`. Pop-ups a page opens on its own (after
// an awaited sign-in or checkout step) stay allowed as long as they come at a human pace.
class NewWindowRateLimit {
 public:
  static constexpr std::size_t kMaximumWindows = 5;
  static constexpr std::chrono::seconds kInterval{10};

  explicit NewWindowRateLimit(const Clock& clock) : clock_(clock) {}

  // Counts a new window from `view` and tells whether it may open.
  bool admit(const WebView& view);
  // Drops what is kept about a view that is going away.
  void forget(const WebView& view) { recent_.erase(&view); }

 private:
  const Clock& clock_;
  std::map<const WebView*, std::deque<std::chrono::system_clock::time_point>> recent_;
};

}  // namespace ondi
