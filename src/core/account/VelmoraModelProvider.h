#pragma once

#include <array>
#include <optional>
#include <string>

namespace ondi {

class SettingsStore;

// Which reasoning model answers new agent messages.
enum class VelmoraModelProvider { automatic, openAI, anthropic, cursor };

// The providers in the order menus list them.
inline constexpr std::array kModelProviders{
    VelmoraModelProvider::automatic, VelmoraModelProvider::openAI, VelmoraModelProvider::anthropic,
    VelmoraModelProvider::cursor};

inline constexpr const char* kModelProviderKey = "Velmora.modelProvider";

std::string rawValue(VelmoraModelProvider provider);
// "Auto · choose for me", "5.6 SOL · OpenAI", …: how a menu lists the provider.
std::string menuTitle(VelmoraModelProvider provider);
// "Auto", "5.6 SOL", …: how the picker and the page's header show the provider.
std::string shortTitle(VelmoraModelProvider provider);
std::string symbolName(VelmoraModelProvider provider);
// What choosing the provider means, for the settings screen.
std::string explanation(VelmoraModelProvider provider);
// Exact, case-sensitive parsing; any other text is no provider.
std::optional<VelmoraModelProvider> modelProviderFromRawValue(const std::string& raw);
// The provider stored in the user defaults; absent or unknown gives automatic.
VelmoraModelProvider storedModelProvider(const SettingsStore& settings);

}  // namespace ondi
