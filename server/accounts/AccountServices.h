#pragma once

#include <utility>

#include "accounts/AccountStore.h"
#include "accounts/AgentInstructionStore.h"
#include "accounts/EmailVerificationStore.h"
#include "accounts/GoogleCodeStore.h"
#include "accounts/GoogleRequestStore.h"
#include "accounts/MailOutbox.h"
#include "accounts/PreferencesStore.h"
#include "accounts/SessionStore.h"
#include "auth/AuthSettings.h"
#include "crypto/PasswordHasher.h"

class Database;
class ServiceClock;

// What the account routes share: the sign-in settings and the stores over the server's one
// database connection. Lives as long as the server serves.
struct AccountServices {
  AccountServices(Database& database, const ServiceClock& clock, AuthSettings authSettings)
      : settings(std::move(authSettings)),
        database(database),
        accounts(database, clock),
        sessions(database, clock),
        verifications(database, clock),
        googleRequests(database, clock),
        googleCodes(database, clock),
        preferences(database),
        instructions(database) {}

  const AuthSettings settings;
  Database& database;
  PasswordHasher passwords;
  MailOutbox outbox;
  AccountStore accounts;
  SessionStore sessions;
  EmailVerificationStore verifications;
  GoogleRequestStore googleRequests;
  GoogleCodeStore googleCodes;
  PreferencesStore preferences;
  AgentInstructionStore instructions;
};
