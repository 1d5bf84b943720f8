#include "platform/linux/GdkPixbufImageDecoder.h"

#include <gdk-pixbuf/gdk-pixbuf.h>

#include "core/util/GlibHandles.h"

namespace ondi::platform {

std::optional<ImageSize> GdkPixbufImageDecoder::imageSize(std::string_view bytes) const {
  if (bytes.empty()) return std::nullopt;
  const glib::Owned<GdkPixbufLoader, g_object_unref> loader(gdk_pixbuf_loader_new());
  const auto* data = reinterpret_cast<const guchar*>(bytes.data());
  // A loader must be closed even after a failed write, or it warns when it goes.
  const bool written = gdk_pixbuf_loader_write(loader.get(), data, bytes.size(), nullptr);
  const bool closed = gdk_pixbuf_loader_close(loader.get(), nullptr);
  if (!written || !closed) return std::nullopt;
  GdkPixbuf* pixbuf = gdk_pixbuf_loader_get_pixbuf(loader.get());
  if (!pixbuf) return std::nullopt;
  return ImageSize{gdk_pixbuf_get_width(pixbuf), gdk_pixbuf_get_height(pixbuf)};
}

}  // namespace ondi::platform
