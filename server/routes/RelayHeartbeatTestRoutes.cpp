#include "routes/RelayHeartbeatTestRoutes.h"

#include <cstdint>
#include <optional>
#include <string>

#include <glib.h>

#include "http/JsonBody.h"
#include "http/Router.h"
#include "messaging/RelayHeartbeatFile.h"

namespace ondi::server {
namespace {

constexpr std::int64_t kMaxAgeSeconds = 10LL * 366 * 24 * 60 * 60;
constexpr std::size_t kMaxStatusLength = 64;

struct Heartbeat {
  std::string status;
  bool online = false;
  std::int64_t ageSeconds = 0;
};

std::optional<Heartbeat> readHeartbeat(const Request& request) {
  const auto body = jsonObjectBody(request);
  if (!body) return std::nullopt;
  const auto status = stringMember(*body, "status");
  const auto online = body->find("online");
  if (!status || status->size() > kMaxStatusLength || online == body->end() ||
      !online->is_boolean()) {
    return std::nullopt;
  }
  Heartbeat heartbeat{.status = *status, .online = online->get<bool>()};
  if (const auto age = body->find("ageSeconds"); age != body->end()) {
    if (!age->is_number_integer()) return std::nullopt;
    heartbeat.ageSeconds = age->get<std::int64_t>();
    if (heartbeat.ageSeconds < -kMaxAgeSeconds || heartbeat.ageSeconds > kMaxAgeSeconds) {
      return std::nullopt;
    }
  }
  return heartbeat;
}

Response writeHeartbeat(const std::filesystem::path& file, const Request& request) {
  if (file.empty()) {
    return Response::error(
        409, "Start ondi-server with --relay-heartbeat-file PATH to write relay heartbeats.");
  }
  const auto heartbeat = readHeartbeat(request);
  if (!heartbeat) {
    return Response::error(400,
                           "Send {\"status\": TEXT, \"online\": true or false, \"ageSeconds\": N} "
                           "with a status of at most 64 characters and N within ten years.");
  }
  const std::int64_t now = g_get_real_time() / G_USEC_PER_SEC;
  return Response::json(
      200, {{"ok", true},
            {"heartbeat", writeRelayHeartbeat(file, heartbeat->status, heartbeat->online,
                                              now - heartbeat->ageSeconds)}});
}

}  // namespace

void addRelayHeartbeatTestRoutes(Router& router, const std::filesystem::path& heartbeatFile) {
  router.add("POST", "/api/test/relay-heartbeat", [heartbeatFile](const Request& request) {
    return writeHeartbeat(heartbeatFile, request);
  });
}

}  // namespace ondi::server
