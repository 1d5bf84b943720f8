#pragma once

#include "core/ports/Logger.h"

namespace ondi::platform {

// Structured GLib logging under the domain "com.velmora.desktop", with the category in a
// CATEGORY field: journald when present, standard error otherwise.
class GlibLogger final : public Logger {
 public:
  // Routes our domain's informational lines to journald or standard error even when
  // G_MESSAGES_DEBUG is unset; other domains keep GLib's default filtering.
  static void installWriter();

  void log(LogLevel level, std::string_view category, std::string_view message) override;
};

}  // namespace ondi::platform
