#include "core/util/StrictIsoTime.h"

#include <glib.h>

#include <regex>

#include "core/util/GlibHandles.h"

namespace ondi {

std::optional<std::chrono::system_clock::time_point> parseStrictISO8601(const std::string& text) {
  static const std::regex form(R"(\d{4}-\d{2}-\d{2}T\d{2}:\d{2}:\d{2}(Z|[+-]\d{2}:\d{2}))");
  if (!std::regex_match(text, form)) return std::nullopt;
  const glib::Owned<GDateTime, g_date_time_unref> parsed(
      g_date_time_new_from_iso8601(text.c_str(), nullptr));
  if (!parsed) return std::nullopt;
  return std::chrono::system_clock::time_point(
      std::chrono::seconds(g_date_time_to_unix(parsed.get())));
}

}  // namespace ondi
