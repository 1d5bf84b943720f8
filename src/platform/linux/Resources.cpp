#include "platform/linux/Resources.h"

#include <gio/gio.h>

#include "core/util/GlibHandles.h"

extern "C" void ondi_register_resource(void);

namespace ondi::platform {

std::string resourceText(const char* path) {
  static const bool registered = (ondi_register_resource(), true);
  (void)registered;
  const glib::Owned<GBytes, g_bytes_unref> bytes(
      g_resources_lookup_data(path, G_RESOURCE_LOOKUP_FLAGS_NONE, nullptr));
  if (!bytes) return {};
  gsize size = 0;
  const auto* data = static_cast<const char*>(g_bytes_get_data(bytes.get(), &size));
  return std::string(data, size);
}

}  // namespace ondi::platform
