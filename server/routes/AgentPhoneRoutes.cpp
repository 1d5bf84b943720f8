#include "routes/AgentPhoneRoutes.h"

#include <string>

#include "ServiceClock.h"
#include "accounts/AccountServices.h"
#include "accounts/AgentRoster.h"
#include "auth/SignedInAccount.h"
#include "http/JsonBody.h"
#include "http/Router.h"
#include "phone/PhoneJson.h"
#include "phone/PhoneServices.h"

namespace ondi::server {
namespace {

constexpr std::string_view kSignIn = "Sign in to Ondi to manage an agent phone number.";
constexpr std::string_view kNotJson = "The request body must be a JSON object.";
constexpr std::string_view kProvider = "Twilio + OpenAI Realtime SIP";
constexpr std::string_view kModel = "gpt-realtime";
constexpr std::string_view kNumberOutsideAccountSuffix = "0000";
constexpr std::string_view kUnreadableCredentials =
    "The saved Twilio credentials can no longer be read; disconnect the number and connect it "
    "again.";
constexpr std::int64_t kCallWindowSeconds = 60 * 60;
constexpr int kRecentCalls = 20;

nlohmann::json configurationJson(AgentPhoneMode mode) {
  const bool ready = mode == AgentPhoneMode::ready;
  return {
      {"ready", ready},
      {"missing", ready ? nlohmann::json::array()
                        : nlohmann::json{"OPENAI_REALTIME_SIP_URI", "TWILIO_VOICE_WEBHOOK_SECRET"}},
      {"model", kModel},
      {"provider", kProvider}};
}

nlohmann::json agentsJson() {
  nlohmann::json agents = nlohmann::json::array();
  for (const AgentDefinition& agent : agentRoster()) {
    agents.push_back(
        {{"id", agent.id}, {"name", agent.name}, {"voice", agent.voice}, {"role", agent.role}});
  }
  return agents;
}

nlohmann::json callsJson(PhoneServices& phone, const std::string& accountId) {
  nlohmann::json calls = nlohmann::json::array();
  for (const auto& call : phone.calls.recent(accountId, kRecentCalls)) {
    calls.push_back(phoneCallJson(call));
  }
  return calls;
}

Response envelope(PhoneServices& phone, const std::string& accountId) {
  nlohmann::json body{{"ok", true}, {"configuration", configurationJson(phone.mode)}};
  if (const auto line = phone.lines.find(accountId)) {
    body["line"] = phoneLineJson(*line, phone.serviceOrigin);
  }
  body["calls"] = callsJson(phone, accountId);
  body["agents"] = agentsJson();
  return Response::json(200, std::move(body));
}

Response show(AccountServices& services, PhoneServices& phone, const Request& request) {
  const auto account = signedInAccount(services, request);
  if (!account) return Response::error(401, kSignIn);
  return envelope(phone, account->id);
}

Response connect(AccountServices& services, PhoneServices& phone, const Request& request) {
  const auto account = signedInAccount(services, request);
  if (!account) return Response::error(401, kSignIn);
  const auto body = jsonObjectBody(request);
  if (!body) return Response::error(400, kNotJson);
  const auto link = readPhoneLinkRequest(*body);
  if (!link) return Response::error(400, link.error());
  if (phone.lines.find(account->id)) {
    return Response::error(409, "Disconnect the connected number first.");
  }
  // The stand-in carrier's rule for numbers the Twilio account does not own.
  if (link->phoneNumber.ends_with(kNumberOutsideAccountSuffix)) {
    return Response::error(422, "This number is not in the Twilio account.");
  }
  phone.lines.connect(account->id, *link, phone.vault.seal(link->authToken));
  return envelope(phone, account->id);
}

Response updateRouting(AccountServices& services, PhoneServices& phone, const Request& request) {
  const auto account = signedInAccount(services, request);
  if (!account) return Response::error(401, kSignIn);
  const auto body = jsonObjectBody(request);
  if (!body) return Response::error(400, kNotJson);
  const auto sealed = phone.lines.sealedAuthToken(account->id);
  if (!sealed) return Response::error(404, "No phone number is connected.");
  const auto routing = readPhoneRouting(*body);
  if (!routing) return Response::error(400, routing.error());
  // Syncing the routing to the carrier needs the saved credentials.
  const bool credentialsReadable = phone.vault.open(*sealed).has_value();
  phone.lines.saveRouting(account->id, *routing,
                          credentialsReadable ? std::string_view() : kUnreadableCredentials);
  return envelope(phone, account->id);
}

Response disconnect(AccountServices& services, PhoneServices& phone, const Request& request) {
  const auto account = signedInAccount(services, request);
  if (!account) return Response::error(401, kSignIn);
  if (!jsonObjectBody(request)) return Response::error(400, kNotJson);
  phone.lines.disconnect(account->id);
  return envelope(phone, account->id);
}

Response listCalls(AccountServices& services, PhoneServices& phone, const Request& request) {
  const auto account = signedInAccount(services, request);
  if (!account) return Response::error(401, kSignIn);
  return Response::json(200, {{"ok", true}, {"calls", callsJson(phone, account->id)}});
}

Response placeCall(AccountServices& services, PhoneServices& phone, const Request& request) {
  const auto account = signedInAccount(services, request);
  if (!account) return Response::error(401, kSignIn);
  const auto body = jsonObjectBody(request);
  if (!body) return Response::error(400, kNotJson);
  const auto line = phone.lines.find(account->id);
  if (!line) return Response::error(409, "Connect a phone number before placing calls.");
  if (!line->routing.outboundEnabled) {
    return Response::error(409, "Turn on outbound calling for the connected number first.");
  }
  if (phone.mode != AgentPhoneMode::ready) {
    return Response::error(503,
                           "The voice bridge is not configured on this server, so the agent "
                           "cannot place calls yet.");
  }
  const auto call = readPhoneCallRequest(*body);
  if (!call) return Response::error(400, call.error());
  if (phone.calls.placedSince(account->id, phone.clock.now() - kCallWindowSeconds) >=
      phone.callsPerHour) {
    return Response::error(
        429, "Outbound calls are limited to " + std::to_string(phone.callsPerHour) + " per hour.");
  }
  const AgentDefinition* agent = findAgent(line->routing.agentId);
  if (agent == nullptr) {
    return Response::error(409,
                           "The agent that answers this number is no longer offered. Choose "
                           "another agent in the number's routing first.");
  }
  const auto placed = phone.calls.place(account->id, {.lineId = line->id,
                                                      .remoteNumber = call->to,
                                                      .agentId = line->routing.agentId,
                                                      .agentName = agent->name,
                                                      .purpose = call->purpose});
  return Response::json(
      200,
      {{"ok", true}, {"call", phoneCallJson(placed)}, {"calls", callsJson(phone, account->id)}});
}

}  // namespace

void addAgentPhoneRoutes(Router& router, AccountServices& services, PhoneServices& phone) {
  if (phone.mode == AgentPhoneMode::notFound) return;
  router.add("GET", "/api/account/phone", [&services, &phone](const Request& request) {
    return show(services, phone, request);
  });
  router.add("POST", "/api/account/phone", [&services, &phone](const Request& request) {
    return connect(services, phone, request);
  });
  router.add("PUT", "/api/account/phone", [&services, &phone](const Request& request) {
    return updateRouting(services, phone, request);
  });
  router.add("DELETE", "/api/account/phone", [&services, &phone](const Request& request) {
    return disconnect(services, phone, request);
  });
  router.add("GET", "/api/account/phone/calls", [&services, &phone](const Request& request) {
    return listCalls(services, phone, request);
  });
  router.add("POST", "/api/account/phone/calls", [&services, &phone](const Request& request) {
    return placeCall(services, phone, request);
  });
}

}  // namespace ondi::server
