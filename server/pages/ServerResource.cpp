#include "pages/ServerResource.h"

#include <mutex>
#include <stdexcept>

#include <gio/gio.h>

extern "C" void ondi_server_register_resource(void);

namespace ondi::server {

std::string serverResourceText(std::string_view name) {
  static std::once_flag registered;
  std::call_once(registered, [] { ondi_server_register_resource(); });
  const std::string path = "/com/velmora/ondi-server/" + std::string(name);
  GBytes* bytes = g_resources_lookup_data(path.c_str(), G_RESOURCE_LOOKUP_FLAGS_NONE, nullptr);
  if (bytes == nullptr)
    throw std::runtime_error("The page " + std::string(name) + " is missing from the build.");
  gsize size = 0;
  const auto* data = static_cast<const char*>(g_bytes_get_data(bytes, &size));
  std::string text(data, size);
  g_bytes_unref(bytes);
  return text;
}

}  // namespace ondi::server
