#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ondi::server {

inline constexpr std::string_view kBrowserRunnerProvider = "browser-runner";
inline constexpr std::string_view kDaytonaProvider = "daytona";

// How long the simulated browser stays on each page of its itinerary before the next.
inline constexpr std::int64_t kSecondsPerPage = 6;
// A session reports "opening" this long after it starts.
inline constexpr std::int64_t kOpeningSeconds = 2;
// A session closes this long after it was last started; starting it again reopens it.
inline constexpr std::int64_t kSessionLifetimeSeconds = 30 * 60;

// One page the simulated browser visits.
struct BrowserPage {
  std::string title;
  std::string url;
  // The page's tab is closed once the browser has moved past it.
  bool closesAfterVisit = false;
};

// A browser the stand-in runner simulates for a run or for the guest demo: it walks through its
// itinerary page by page, from the first again after the last, while the session is open.
struct RunnerSession {
  std::string sessionId;
  // kBrowserRunnerProvider (watched through the live control page) or kDaytonaProvider
  // (watched through screenshots).
  std::string provider;
  // What the run is about, shown above the browser.
  std::string title;
  std::vector<BrowserPage> itinerary;
  std::int64_t startedAt = 0;
};

// Where a session's browser is at one moment.
struct RunnerMoment {
  // "opening", "ready" or "closed".
  std::string status;
  std::int64_t elapsedSeconds;
  std::size_t pageIndex;
  const BrowserPage& page;
};

RunnerMoment momentAt(const RunnerSession& session, std::int64_t now);

// The pages the stand-in runner visits for an objective: a web search for it, an encyclopedia
// search, then the notes the run keeps.
std::vector<BrowserPage> objectiveItinerary(std::string_view objective);

// The guest demo's four stops: Gmail, LinkedIn, Apple's web site (its tab closed after the
// visit) and Linear.
std::vector<BrowserPage> demoItinerary();

// The guest demo's title, naming its stops.
std::string demoTitle();

}  // namespace ondi::server
