#pragma once

#include <optional>
#include <string>

namespace ondi {

class SettingsStore;

// Which reasoning model answers new agent messages.
enum class VelmoraModelProvider { automatic, openAI, anthropic, cursor };

inline constexpr const char* kModelProviderKey = "Velmora.modelProvider";

std::string rawValue(VelmoraModelProvider provider);
// Exact, case-sensitive parsing; any other text is no provider.
std::optional<VelmoraModelProvider> modelProviderFromRawValue(const std::string& raw);
// The provider stored in the user defaults; absent or unknown gives automatic.
VelmoraModelProvider storedModelProvider(const SettingsStore& settings);

}  // namespace ondi
