#include "ui/messaging/QRCodeImage.h"

#include <gdkmm/memorytexture.h>
#include <glibmm/bytes.h>

#include "core/messaging/QRCodeMatrix.h"

namespace ondi::ui {
namespace {

constexpr int kScale = 12;
constexpr int kShownSize = 240;

}  // namespace

QRCodeImage::QRCodeImage() {
  // Shown smaller than drawn; each module stays several pixels wide, so edges stay sharp.
  set_size_request(kShownSize, kShownSize);
  set_can_shrink(true);
  set_content_fit(Gtk::ContentFit::CONTAIN);
}

void QRCodeImage::show(const std::string& payload) {
  const auto matrix = QRCodeMatrix::encode(payload);
  if (!matrix) {
    set_paintable({});
    return;
  }
  // Enlarged here, pixel by pixel, so that no scaling filter ever blurs a module's edge.
  const int side = matrix->size * kScale;
  const auto stride = static_cast<std::size_t>(side) * 3;
  std::string pixels(stride * static_cast<std::size_t>(side), '\xff');
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      if (!matrix->isDark(x / kScale, y / kScale)) continue;
      pixels.replace(static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x) * 3, 3, 3,
                     '\0');
    }
  }
  auto bytes = Glib::Bytes::create(pixels.data(), pixels.size());
  set_paintable(
      Gdk::MemoryTexture::create(side, side, Gdk::MemoryTexture::Format::R8G8B8, bytes, stride));
}

}  // namespace ondi::ui
