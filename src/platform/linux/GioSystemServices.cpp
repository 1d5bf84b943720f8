#include "platform/linux/GioSystemServices.h"

#include <gdk/gdk.h>
#include <gio/gio.h>

#include "core/ports/Logger.h"
#include "core/util/GlibHandles.h"

namespace ondi::platform {

void GioSystemServices::openWithDefaultHandler(const std::string& url) {
  const char* scheme = g_uri_peek_scheme(url.c_str());
  const auto launched = glib::asyncReady([&logger = logger_](GObject*, GAsyncResult* result) {
    glib::Error error;
    if (!g_app_info_launch_default_for_uri_finish(result, error.out())) {
      logger.log(LogLevel::warning, "system",
                 std::string("No application opened the address: ") + error->message);
    }
  });
  g_app_info_launch_default_for_uri_async(url.c_str(), nullptr, nullptr, launched.callback,
                                          launched.data);
  logger_.info("system", std::string("Handed an address to the system scheme=") +
                             (scheme ? scheme : "unknown"));
}

bool GioSystemServices::hasDefaultHandler(const std::string& url) const {
  const glib::String scheme(g_uri_parse_scheme(url.c_str()));
  if (!scheme) return false;
  return static_cast<bool>(
      glib::ObjectRef<GAppInfo>::adopt(g_app_info_get_default_for_uri_scheme(scheme.get())));
}

void GioSystemServices::setClipboardText(const std::optional<std::string>& text) {
  GdkDisplay* display = gdk_display_get_default();
  if (!display) return;
  GdkClipboard* clipboard = gdk_display_get_clipboard(display);
  if (text) {
    gdk_clipboard_set_text(clipboard, text->c_str());
  } else {
    gdk_clipboard_set_content(clipboard, nullptr);
  }
}

}  // namespace ondi::platform
