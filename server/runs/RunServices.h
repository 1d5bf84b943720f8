#pragma once

#include "runs/BrowserRunStore.h"
#include "runs/GuestDemos.h"

namespace ondi::server {

class Database;
class ServiceClock;

// What the cloud-run routes share: the accounts' runs over the server's one database connection,
// the guest demos in memory, and the clock every session's browser moves by. Lives as long as the
// server serves.
struct RunServices {
  RunServices(Database& database, const ServiceClock& clock)
      : clock(clock), runs(database, clock), demos(clock) {}

  const ServiceClock& clock;
  BrowserRunStore runs;
  GuestDemos demos;
};

}  // namespace ondi::server
