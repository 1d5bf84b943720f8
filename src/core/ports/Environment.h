#pragma once

#include <optional>
#include <string>

namespace ondi {

// The process environment, read through a port so tests can set it per case.
class Environment {
 public:
  virtual ~Environment() = default;
  virtual std::optional<std::string> value(const std::string& name) const = 0;
};

}  // namespace ondi
