#include "core/account/VelmoraModelProvider.h"

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

namespace {

struct ProviderTexts {
  const char* menuTitle;
  const char* shortTitle;
  const char* symbol;
  const char* explanation;
};

ProviderTexts texts(VelmoraModelProvider provider) {
  switch (provider) {
    case VelmoraModelProvider::automatic:
      break;
    case VelmoraModelProvider::openAI:
      return {"5.6 SOL · OpenAI", "5.6 SOL", "sparkles",
              "New agent messages are sent explicitly to OpenAI 5.6 SOL."};
    case VelmoraModelProvider::anthropic:
      return {"Fable 5 · Anthropic", "Fable 5", "brain.head.profile",
              "New agent messages are sent explicitly to Anthropic Fable 5."};
    case VelmoraModelProvider::cursor:
      return {"Cursor Composer · isolated", "Cursor Composer", "terminal",
              "New agent messages use Cursor Composer through Ondi's isolated, read-only server "
              "route when configured."};
  }
  return {"Auto · choose for me", "Auto", "wand.and.stars",
          "Ondi chooses among 5.6 SOL, Fable 5, and Cursor Composer based on availability and "
          "task fit when Automatic model handoff is enabled."};
}

}  // namespace

std::string menuTitle(VelmoraModelProvider provider) {
  return texts(provider).menuTitle;
}

std::string shortTitle(VelmoraModelProvider provider) {
  return texts(provider).shortTitle;
}

std::string symbolName(VelmoraModelProvider provider) {
  return texts(provider).symbol;
}

std::string explanation(VelmoraModelProvider provider) {
  return texts(provider).explanation;
}

std::optional<VelmoraModelProvider> modelProviderFromRawValue(const std::string& raw) {
  for (VelmoraModelProvider provider : kModelProviders) {
    if (rawValue(provider) == raw) return provider;
  }
  return std::nullopt;
}

VelmoraModelProvider storedModelProvider(const SettingsStore& settings) {
  return modelProviderFromRawValue(settings.stringValue(kModelProviderKey, ""))
      .value_or(VelmoraModelProvider::automatic);
}

}  // namespace ondi
