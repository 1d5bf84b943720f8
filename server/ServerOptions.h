#pragma once

#include <expected>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "ServiceLimits.h"
#include "auth/AuthSettings.h"
#include "connectors/BrokerMode.h"
#include "phone/AgentPhoneMode.h"

namespace ondi::server {

struct ServerOptions {
  std::string host = "127.0.0.1";
  // 0 asks for any free port.
  unsigned port = 8787;
  // The HTTPS port of the app broker's authorization pages; 0 asks for any free port.
  unsigned securePort = 0;
  // Empty means the default data folder.
  std::filesystem::path dataDirectory;
  bool testRoutes = false;
  bool showHelp = false;
  AuthSettings auth;
  // Agent turns a free account may take per day (UTC).
  unsigned freeTurnLimit = 50;
  // Serve the OpenAI-compatible "/v1/responses" for the client's tests, accepting only this key.
  bool openAiTestEndpoint = false;
  std::string openAiTestKey = "sk-test-ondi";
  ServiceLimits limits;
  BrokerMode connectorBroker = BrokerMode::ready;
  // Whether the stand-in card issuer serves agent payments.
  bool agentPaymentsAvailable = true;
  // How long a top-up stays pending before its funds are available.
  unsigned topupSettleSeconds = 20;
  // How the stand-in voice bridge behind the agent phone answers.
  AgentPhoneMode agentPhone = AgentPhoneMode::ready;
  // Outbound calls one account's agent may place per rolling hour.
  unsigned phoneCallsPerHour = 5;
  // The shared iMessage address of messaging routes; empty when the server has none.
  std::string messagingRelayAddress;
  // The iMessage relay's heartbeat file, which "POST /api/test/relay-heartbeat" writes.
  std::filesystem::path relayHeartbeatFile;
};

// Parses the command line after the program name. The error is one finished sentence.
std::expected<ServerOptions, std::string> parseServerOptions(
    std::span<const std::string_view> arguments);

std::string_view serverUsage();

}  // namespace ondi::server
