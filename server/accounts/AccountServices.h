#pragma once

#include <utility>

#include "ServiceLimits.h"

#include "accounts/AccountStore.h"
#include "accounts/AgentInstructionStore.h"
#include "accounts/EmailVerificationStore.h"
#include "accounts/GoogleCodeStore.h"
#include "accounts/GoogleRequestStore.h"
#include "accounts/MailOutbox.h"
#include "accounts/PreferencesStore.h"
#include "accounts/SessionStore.h"
#include "auth/AttemptLimit.h"
#include "auth/AuthSettings.h"
#include "crypto/PasswordHasher.h"

namespace ondi::server {

class Database;
class ServiceClock;
class WorkerPool;

inline constexpr std::int64_t kClientSignInWindowSeconds = 60;
inline constexpr std::int64_t kAddressSignInWindowSeconds = 15 * 60;

// What the account routes share: the sign-in settings and limits, the stores over the server's one
// database connection, and the worker threads that hash passwords. Lives as long as the server
// serves.
struct AccountServices {
  AccountServices(Database& database, const ServiceClock& clock, AuthSettings authSettings,
                  const ServiceLimits& limits, WorkerPool& workers)
      : settings(std::move(authSettings)),
        limits(limits),
        database(database),
        workers(workers),
        clientSignIns(clock, limits.clientSignInsPerMinute, kClientSignInWindowSeconds),
        addressSignInFailures(clock, limits.addressSignInFailures, kAddressSignInWindowSeconds),
        accounts(database, clock),
        sessions(database, clock),
        verifications(database, clock),
        googleRequests(database, clock),
        googleCodes(database, clock),
        preferences(database),
        instructions(database) {}

  const AuthSettings settings;
  const ServiceLimits limits;
  Database& database;
  WorkerPool& workers;
  // Shared by the worker threads: it keeps no state they could race on.
  const PasswordHasher passwords;
  AttemptLimit clientSignIns;
  AttemptLimit addressSignInFailures;
  MailOutbox outbox;
  AccountStore accounts;
  SessionStore sessions;
  EmailVerificationStore verifications;
  GoogleRequestStore googleRequests;
  GoogleCodeStore googleCodes;
  PreferencesStore preferences;
  AgentInstructionStore instructions;
};

}  // namespace ondi::server
