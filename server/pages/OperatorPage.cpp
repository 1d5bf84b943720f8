#include "pages/OperatorPage.h"

#include <stdexcept>

#include <gio/gio.h>

extern "C" void ondi_server_register_resource(void);

namespace ondi::server {

const std::string& operatorPageHtml() {
  static const std::string html = [] {
    ondi_server_register_resource();
    GBytes* bytes = g_resources_lookup_data("/com/velmora/ondi-server/operator.html",
                                            G_RESOURCE_LOOKUP_FLAGS_NONE, nullptr);
    if (bytes == nullptr) throw std::runtime_error("The operator page is missing from the build.");
    gsize size = 0;
    const auto* data = static_cast<const char*>(g_bytes_get_data(bytes, &size));
    std::string text(data, size);
    g_bytes_unref(bytes);
    return text;
  }();
  return html;
}

}  // namespace ondi::server
