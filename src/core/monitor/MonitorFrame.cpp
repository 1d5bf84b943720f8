#include "core/monitor/MonitorFrame.h"

#include <glib.h>

#include <algorithm>

#include "core/util/GlibHandles.h"

namespace ondi {
namespace {

bool isBase64Character(char c) {
  return g_ascii_isalnum(c) || c == '+' || c == '/' || c == '=' || g_ascii_isspace(c);
}

}  // namespace

std::optional<MonitorFrame> MonitorFrame::decode(std::string_view screenshot,
                                                 const ImageDecoder& images) {
  const auto comma = screenshot.rfind(',');
  const std::string base64(comma == std::string_view::npos ? screenshot
                                                           : screenshot.substr(comma + 1));
  // GLib decodes any text without complaint, skipping what is not Base64; refuse such text
  // first so that garbage is never taken for an image by chance.
  if (base64.empty() || !std::ranges::all_of(base64, isBase64Character)) return std::nullopt;
  gsize length = 0;
  const glib::Owned<guchar, g_free> decoded(g_base64_decode(base64.c_str(), &length));
  std::string bytes(reinterpret_cast<const char*>(decoded.get()), length);
  const auto size = images.imageSize(bytes);
  if (!size) return std::nullopt;
  return MonitorFrame{std::move(bytes), *size};
}

std::optional<std::chrono::system_clock::time_point> parseISO8601(const std::string& text) {
  const glib::Owned<GDateTime, g_date_time_unref> parsed(
      g_date_time_new_from_iso8601(text.c_str(), nullptr));
  if (!parsed) return std::nullopt;
  return std::chrono::system_clock::time_point(
      std::chrono::seconds(g_date_time_to_unix(parsed.get())) +
      std::chrono::microseconds(g_date_time_get_microsecond(parsed.get())));
}

}  // namespace ondi
