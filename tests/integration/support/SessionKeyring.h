#pragma once

#include <optional>
#include <string>

// The Secret Service of the test session: scripts/test starts a gnome-keyring whose default
// collection is unlocked with the password in ONDI_TEST_KEYRING_PASSWORD. Tests that need it
// skip without that variable, so they never touch a person's own keyring.
namespace SessionKeyring {

std::optional<std::string> password();
// Locks the default collection, as the desktop does when the screen locks.
bool lockDefaultCollection();
// Unlocks it with the password, without a prompt.
bool unlockDefaultCollection(const std::string& password);

}  // namespace SessionKeyring
