#pragma once

#include <cstdint>
#include <string>

namespace ondi::server {

// A cloud-agent run of one account with the simulated browser it drives, as stored.
struct BrowserRun {
  // "wf_" and hex.
  std::string id;
  std::string objective;
  // kBrowserRunnerProvider or kDaytonaProvider.
  std::string provider;
  // The canonical UUID of its browser session.
  std::string sessionId;
  std::int64_t createdAt = 0;
  // When its browser session was last started.
  std::int64_t sessionStartedAt = 0;
};

}  // namespace ondi::server
