#pragma once

#include <map>

#include "core/ports/Environment.h"

namespace ondi::fakes {

class FakeEnvironment final : public Environment {
 public:
  std::optional<std::string> value(const std::string& name) const override {
    const auto found = values.find(name);
    return found != values.end() ? std::optional(found->second) : std::nullopt;
  }

  std::map<std::string, std::string> values;
};

}  // namespace ondi::fakes
