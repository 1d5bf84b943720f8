#pragma once

#include <optional>
#include <string>

namespace ondi {

// The seven accent colours of badges and cards; each shows as its raw value.
enum class AccentTone { ink, green, blue, clay, gold, mint, slate };

std::string rawValue(AccentTone tone);
std::optional<AccentTone> accentTone(const std::string& rawValue);

}  // namespace ondi
