#pragma once

#include <glib.h>

#include "core/ports/Environment.h"

namespace ondi::platform {

class ProcessEnvironment final : public Environment {
 public:
  std::optional<std::string> value(const std::string& name) const override {
    const char* value = g_getenv(name.c_str());
    return value ? std::optional<std::string>(value) : std::nullopt;
  }
};

}  // namespace ondi::platform
