#include "platform/linux/Resources.h"

#include <gio/gio.h>

extern "C" void ondi_register_resource(void);

namespace ondi::platform {

std::string resourceText(const char* path) {
  static const bool registered = (ondi_register_resource(), true);
  (void)registered;
  GBytes* bytes = g_resources_lookup_data(path, G_RESOURCE_LOOKUP_FLAGS_NONE, nullptr);
  if (!bytes) return {};
  gsize size = 0;
  const auto* data = static_cast<const char*>(g_bytes_get_data(bytes, &size));
  std::string text(data, size);
  g_bytes_unref(bytes);
  return text;
}

}  // namespace ondi::platform
