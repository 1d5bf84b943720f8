#pragma once

#include "core/ports/SystemServices.h"

namespace ondi {
class Logger;
}

namespace ondi::platform {

// The desktop's default handlers, through GIO.
class GioSystemServices final : public SystemServices {
 public:
  explicit GioSystemServices(Logger& logger) : logger_(logger) {}
  void openWithDefaultHandler(const std::string& url) override;
  bool hasDefaultHandler(const std::string& url) const override;
  void setClipboardText(const std::optional<std::string>& text) override;

 private:
  Logger& logger_;
};

}  // namespace ondi::platform
