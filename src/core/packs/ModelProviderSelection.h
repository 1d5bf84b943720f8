#pragma once

#include "core/account/VelmoraModelProvider.h"
#include "core/util/ScopedConnections.h"

namespace ondi {

class AccountState;
class DesktopPreferencesController;
class Logger;
class SettingsStore;
class SurfaceChannel;

// The model that answers new agent messages: chosen here, kept in the user defaults and the
// signed-in account, and shown to the operator page, which sends it with every message.
class ModelProviderSelection {
 public:
  struct Dependencies {
    AccountState& account;
    SettingsStore& settings;
    DesktopPreferencesController& preferences;
    SurfaceChannel& page;
    Logger& logger;
  };

  explicit ModelProviderSelection(Dependencies dependencies);
  ModelProviderSelection(const ModelProviderSelection&) = delete;
  ModelProviderSelection& operator=(const ModelProviderSelection&) = delete;

  VelmoraModelProvider selected() const;
  void selectModelProvider(VelmoraModelProvider provider);
  // Tells the page shown now which provider is selected.
  void publishModelProviderSelection();

 private:
  Dependencies deps_;
  ScopedConnections connections_;
};

}  // namespace ondi
