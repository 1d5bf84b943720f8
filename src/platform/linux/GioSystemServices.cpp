#include "platform/linux/GioSystemServices.h"

#include <gio/gio.h>

#include "core/ports/Logger.h"

namespace ondi::platform {

void GioSystemServices::openWithDefaultHandler(const std::string& url) {
  const char* scheme = g_uri_peek_scheme(url.c_str());
  g_app_info_launch_default_for_uri_async(
      url.c_str(), nullptr, nullptr,
      [](GObject*, GAsyncResult* result, gpointer data) {
        auto* logger = static_cast<Logger*>(data);
        GError* error = nullptr;
        if (!g_app_info_launch_default_for_uri_finish(result, &error)) {
          logger->log(LogLevel::warning, "system",
                      std::string("No application opened the address: ") + error->message);
          g_error_free(error);
        }
      },
      &logger_);
  logger_.info("system", std::string("Handed an address to the system scheme=") +
                             (scheme ? scheme : "unknown"));
}

}  // namespace ondi::platform
