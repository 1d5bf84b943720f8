#include "runs/RunnerSession.h"

#include <glib.h>

#include <algorithm>
#include <memory>

namespace ondi::server {
namespace {

std::string queryText(std::string_view text) {
  const std::string copy(text);
  const std::unique_ptr<char, decltype(&g_free)> escaped(
      g_uri_escape_string(copy.c_str(), nullptr, FALSE), g_free);
  return escaped.get();
}

}  // namespace

RunnerMoment momentAt(const RunnerSession& session, std::int64_t now) {
  const std::int64_t elapsed = std::max<std::int64_t>(now - session.startedAt, 0);
  const std::string status = elapsed >= kSessionLifetimeSeconds ? "closed"
                             : elapsed < kOpeningSeconds        ? "opening"
                                                                : "ready";
  // A closed session's browser stays on the page it was showing when it closed.
  const std::int64_t browsing = std::min(elapsed, kSessionLifetimeSeconds - 1);
  const auto pageIndex =
      static_cast<std::size_t>(browsing / kSecondsPerPage) % session.itinerary.size();
  return RunnerMoment{.status = status,
                      .elapsedSeconds = elapsed,
                      .pageIndex = pageIndex,
                      .page = session.itinerary[pageIndex]};
}

std::vector<BrowserPage> objectiveItinerary(std::string_view objective) {
  const std::string query = queryText(objective);
  return {
      BrowserPage{.title = std::string(objective) + " at DuckDuckGo",
                  .url = "https://duckduckgo.com/?q=" + query},
      BrowserPage{.title = "Search results - Wikipedia",
                  .url = "https://en.wikipedia.org/w/index.php?search=" + query},
      BrowserPage{.title = "Run notes - Ondi", .url = "https://ondi.example/notes"},
  };
}

std::vector<BrowserPage> demoItinerary() {
  return {
      BrowserPage{.title = "Inbox - Gmail", .url = "https://mail.google.com/mail/u/0/#inbox"},
      BrowserPage{.title = "Feed | LinkedIn", .url = "https://www.linkedin.com/feed/"},
      BrowserPage{.title = "Apple", .url = "https://www.apple.com/", .closesAfterVisit = true},
      BrowserPage{.title = "My issues - Linear", .url = "https://linear.app/"},
  };
}

std::string demoTitle() {
  return "Gmail → LinkedIn → Apple (closed) → Linear";
}

}  // namespace ondi::server
