#pragma once

#include "core/ports/SecretStore.h"

namespace ondi::platform {

// Generic passwords in the Secret Service (gnome-keyring, KWallet) through libsecret: the
// service names the schema, whose one attribute is "account". New items go into the default
// collection. Reads without interaction never unlock, so they never prompt; everything else
// may ask the user to unlock the keyring. Calls block on D-Bus until the service answers.
class LibsecretSecretStore final : public SecretStore {
 public:
  std::expected<std::optional<std::string>, SecretStatus> read(const std::string& service,
                                                               const std::string& account,
                                                               bool allowInteraction) override;
  SecretStatus update(const std::string& service, const std::string& account,
                      const std::string& secret) override;
  SecretStatus add(const std::string& service, const std::string& account,
                   const std::string& secret) override;
  SecretStatus remove(const std::string& service, const std::string& account) override;
};

}  // namespace ondi::platform
