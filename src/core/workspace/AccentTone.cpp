#include "core/workspace/AccentTone.h"

#include <array>

namespace ondi {
namespace {

// In the order of the enumeration's cases.
constexpr std::array<const char*, 7> kNames{"ink",  "green", "blue", "clay",
                                            "gold", "mint",  "slate"};

}  // namespace

std::string rawValue(AccentTone tone) {
  return kNames.at(static_cast<std::size_t>(tone));
}

std::optional<AccentTone> accentTone(const std::string& rawValue) {
  for (std::size_t index = 0; index < kNames.size(); ++index) {
    if (rawValue == kNames[index]) return static_cast<AccentTone>(index);
  }
  return std::nullopt;
}

}  // namespace ondi
