#pragma once

#include "core/ports/Clock.h"

namespace ondi::platform {

class SystemClock final : public Clock {
 public:
  std::chrono::system_clock::time_point now() const override {
    return std::chrono::system_clock::now();
  }
};

}  // namespace ondi::platform
