#include "platform/linux/GlibLogger.h"

#include <glib.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace ondi::platform {
namespace {

GLogLevelFlags glibLevel(LogLevel level) {
  switch (level) {
    case LogLevel::debug:
      return G_LOG_LEVEL_DEBUG;
    case LogLevel::info:
      return G_LOG_LEVEL_INFO;
    case LogLevel::notice:
      return G_LOG_LEVEL_MESSAGE;
    case LogLevel::warning:
      return G_LOG_LEVEL_WARNING;
    case LogLevel::error:
      return G_LOG_LEVEL_CRITICAL;
  }
  return G_LOG_LEVEL_INFO;
}

constexpr const char* kDomain = "com.velmora.desktop";

GLogWriterOutput writeLog(GLogLevelFlags level, const GLogField* fields, gsize count,
                          gpointer data) {
  const bool ours = std::ranges::any_of(fields, fields + count, [](const GLogField& field) {
    return g_strcmp0(field.key, "GLIB_DOMAIN") == 0 && field.length < 0 &&
           g_strcmp0(static_cast<const char*>(field.value), kDomain) == 0;
  });
  if (!ours) return g_log_writer_default(level, fields, count, data);
  if ((level & G_LOG_LEVEL_DEBUG) && g_log_writer_default_would_drop(level, kDomain)) {
    return G_LOG_WRITER_HANDLED;
  }
  if (g_log_writer_is_journald(fileno(stderr))) {
    return g_log_writer_journald(level, fields, count, data);
  }
  return g_log_writer_standard_streams(level, fields, count, data);
}

}  // namespace

void GlibLogger::installWriter() {
  g_log_set_writer_func(writeLog, nullptr, nullptr);
}

void GlibLogger::log(LogLevel level, std::string_view category, std::string_view message) {
  const std::string categoryText(category);
  const std::string messageText(message);
  const GLogField fields[] = {
      {"GLIB_DOMAIN", kDomain, -1},
      {"CATEGORY", categoryText.c_str(), -1},
      {"MESSAGE", messageText.c_str(), -1},
  };
  g_log_structured_array(glibLevel(level), fields, G_N_ELEMENTS(fields));
}

}  // namespace ondi::platform
