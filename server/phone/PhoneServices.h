#pragma once

#include <filesystem>
#include <string>

#include "phone/AgentPhoneMode.h"
#include "phone/PhoneCallLog.h"
#include "phone/PhoneLineStore.h"
#include "phone/TokenVault.h"

namespace ondi::server {

class Database;
class ServiceClock;

// The stand-in of the agent phone's carrier (Twilio) and voice bridge: its mode, the accounts'
// numbers and calls, the vault of their auth tokens, and the outbound call limit. Lives as long
// as the server serves.
struct PhoneServices {
  PhoneServices(AgentPhoneMode mode, unsigned callsPerHour, Database& database,
                const ServiceClock& clock, std::filesystem::path tokenKeyFile)
      : mode(mode),
        callsPerHour(callsPerHour),
        clock(clock),
        vault(std::move(tokenKeyFile)),
        lines(database, clock),
        calls(database, clock) {}

  const AgentPhoneMode mode;
  // Outbound calls one account may place per rolling hour.
  const unsigned callsPerHour;
  const ServiceClock& clock;
  TokenVault vault;
  PhoneLineStore lines;
  PhoneCallLog calls;
  // "http://HOST:PORT", where the carrier's webhooks would reach this server; set once it listens.
  std::string serviceOrigin;
};

}  // namespace ondi::server
