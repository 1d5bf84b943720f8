#include "platform/linux/GdkPixbufImageDecoder.h"

#include <gdk-pixbuf/gdk-pixbuf.h>
#include <gtest/gtest.h>

#include <string>

#include "core/util/GlibHandles.h"

namespace ondi::platform {
namespace {

std::string encodedImage(const char* type, int width, int height) {
  const glib::Owned<GdkPixbuf, g_object_unref> pixbuf(
      gdk_pixbuf_new(GDK_COLORSPACE_RGB, false, 8, width, height));
  gdk_pixbuf_fill(pixbuf.get(), 0x336699ff);
  glib::String buffer;
  gsize size = 0;
  EXPECT_TRUE(gdk_pixbuf_save_to_buffer(pixbuf.get(), buffer.out(), &size, type, nullptr, nullptr));
  return std::string(buffer.get(), size);
}

TEST(GdkPixbufImageDecoderTest, ReadsScreenshotsAndRefusesOtherBytes) {
  const GdkPixbufImageDecoder decoder;
  EXPECT_EQ(decoder.imageSize(encodedImage("png", 64, 40)), (ImageSize{64, 40}));
  EXPECT_EQ(decoder.imageSize(encodedImage("jpeg", 3, 2)), (ImageSize{3, 2}));

  const std::string png = encodedImage("png", 8, 8);
  EXPECT_FALSE(decoder.imageSize(png.substr(0, png.size() / 2))) << "a cut-off frame";
  EXPECT_FALSE(decoder.imageSize("not an image"));
  EXPECT_FALSE(decoder.imageSize(""));
}

}  // namespace
}  // namespace ondi::platform
