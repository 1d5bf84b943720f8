#include "core/packs/VelmoraModelProvider.h"

#include <array>

#include "core/ports/SettingsStore.h"

namespace ondi {

std::string rawValue(VelmoraModelProvider provider) {
  switch (provider) {
    case VelmoraModelProvider::automatic:
      return "auto";
    case VelmoraModelProvider::openAI:
      return "openai";
    case VelmoraModelProvider::anthropic:
      return "anthropic";
    case VelmoraModelProvider::cursor:
      return "cursor";
  }
  return "auto";
}

std::optional<VelmoraModelProvider> modelProviderFromRawValue(const std::string& raw) {
  for (VelmoraModelProvider provider :
       std::array{VelmoraModelProvider::automatic, VelmoraModelProvider::openAI,
                  VelmoraModelProvider::anthropic, VelmoraModelProvider::cursor}) {
    if (rawValue(provider) == raw) return provider;
  }
  return std::nullopt;
}

VelmoraModelProvider storedModelProvider(const SettingsStore& settings) {
  return modelProviderFromRawValue(settings.stringValue(kModelProviderKey, ""))
      .value_or(VelmoraModelProvider::automatic);
}

}  // namespace ondi
