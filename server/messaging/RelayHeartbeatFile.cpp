#include "messaging/RelayHeartbeatFile.h"

#include <stdexcept>
#include <string>

#include <glib.h>

#include "agent/IsoTime.h"

namespace ondi::server {
namespace {

constexpr int kOwnerReadWrite = 0600;

}  // namespace

nlohmann::json writeRelayHeartbeat(const std::filesystem::path& file, std::string_view status,
                                   bool online, std::int64_t heartbeatAt) {
  nlohmann::json heartbeat{
      {"status", status}, {"online", online}, {"lastHeartbeatAt", isoTime(heartbeatAt)}};
  const std::string text = heartbeat.dump();
  GError* error = nullptr;
  if (!g_file_set_contents_full(file.c_str(), text.data(), static_cast<gssize>(text.size()),
                                G_FILE_SET_CONTENTS_CONSISTENT, kOwnerReadWrite, &error)) {
    std::string message =
        "Could not write the relay heartbeat file " + file.string() + ": " + error->message + ".";
    g_error_free(error);
    throw std::runtime_error(message);
  }
  return heartbeat;
}

}  // namespace ondi::server
