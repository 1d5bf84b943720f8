#pragma once

#include "agent/AgentFailureSwitch.h"
#include "agent/EventStore.h"
#include "agent/MessageStore.h"
#include "agent/ThreadStore.h"

namespace ondi::server {

class Database;
class ServiceClock;

// What the agent routes share: the chat stores over the server's one database connection, the
// daily turn limit of free accounts and the failure switch tests use. Lives as long as the server
// serves.
struct AgentServices {
  AgentServices(Database& database, const ServiceClock& clock, unsigned freeTurnLimit,
                unsigned threadLimit)
      : database(database),
        clock(clock),
        freeTurnLimit(freeTurnLimit),
        threadLimit(threadLimit),
        threads(database, clock),
        messages(database, clock),
        events(database, clock) {}

  Database& database;
  const ServiceClock& clock;
  const unsigned freeTurnLimit;
  // Threads one account may keep.
  const unsigned threadLimit;
  ThreadStore threads;
  MessageStore messages;
  EventStore events;
  AgentFailureSwitch failures;
};

}  // namespace ondi::server
