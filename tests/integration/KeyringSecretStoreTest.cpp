#include <gtest/gtest.h>

#include <glib.h>

#include <chrono>

#include "SessionKeyring.h"
#include "core/assist/OpenAIKeychain.h"
#include "fakes/InMemorySettingsStore.h"
#include "platform/linux/LibsecretSecretStore.h"

using namespace ondi;

namespace {

constexpr const char* kService = "com.velmora.desktop.openai";

// The libsecret store against the session's gnome-keyring. Every test uses fresh accounts and
// leaves the keyring as it found it: unlocked, without its items.
class Keyring : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!SessionKeyring::password()) {
      GTEST_SKIP() << "ONDI_TEST_KEYRING_PASSWORD is not set: run under scripts/test";
    }
  }
  void TearDown() override {
    if (!SessionKeyring::password()) return;
    EXPECT_TRUE(SessionKeyring::unlockDefaultCollection(*SessionKeyring::password()));
    for (const auto& account : {first, second}) store.remove(kService, account);
    for (const auto& user : {firstUser, secondUser}) {
      store.remove(kService, *OpenAIKeychain::account(user));
    }
  }

  static std::string unique(const std::string& prefix) {
    char* uuid = g_uuid_string_random();
    std::string name = prefix + uuid;
    g_free(uuid);
    return name;
  }

  platform::LibsecretSecretStore store;
  const std::string first = unique("api-key-test-");
  const std::string second = unique("api-key-test-");
  const std::string firstUser = unique("user-");
  const std::string secondUser = unique("user-");
};

TEST_F(Keyring, ItemsRoundTrip) {
  EXPECT_EQ(store.read(kService, first, false), std::nullopt);
  EXPECT_EQ(store.update(kService, first, "sk-one").code, SecretStatus::itemNotFound);
  EXPECT_EQ(store.remove(kService, first).code, SecretStatus::itemNotFound);

  ASSERT_TRUE(store.add(kService, first, "sk-one").ok());
  EXPECT_EQ(store.read(kService, first, false), "sk-one");
  ASSERT_TRUE(store.update(kService, first, "sk-two").ok());
  EXPECT_EQ(store.read(kService, first, true), "sk-two");
  EXPECT_EQ(store.read("com.velmora.desktop.other", first, true), std::nullopt);

  ASSERT_TRUE(store.remove(kService, first).ok());
  EXPECT_EQ(store.read(kService, first, true), std::nullopt);
}

TEST_F(Keyring, AccountsAreIsolated) {
  fakes::InMemorySettingsStore settings;
  OpenAIKeychain keychain{store, settings};
  ASSERT_TRUE(keychain.saveAPIKey("sk-first", firstUser));
  ASSERT_TRUE(keychain.saveAPIKey("sk-second", secondUser));
  ASSERT_TRUE(keychain.saveAPIKey("sk-first-again", firstUser));
  EXPECT_EQ(keychain.readAPIKey(firstUser, false), "sk-first-again");
  EXPECT_EQ(keychain.readAPIKey(secondUser, false), "sk-second");

  ASSERT_TRUE(keychain.deleteAPIKey(firstUser));
  EXPECT_EQ(keychain.readAPIKey(firstUser, true), std::nullopt);
  EXPECT_EQ(keychain.readAPIKey(secondUser, true), "sk-second");
}

TEST_F(Keyring, ALockedCollectionIsNotReadWithoutInteraction) {
  fakes::InMemorySettingsStore settings;
  OpenAIKeychain keychain{store, settings};
  ASSERT_TRUE(keychain.saveAPIKey("sk-first", firstUser));
  ASSERT_TRUE(SessionKeyring::lockDefaultCollection());

  const auto started = std::chrono::steady_clock::now();
  const auto locked = store.read(kService, *OpenAIKeychain::account(firstUser), false);
  ASSERT_FALSE(locked);
  EXPECT_EQ(locked.error().code, SecretStatus::interactionNotAllowed);
  EXPECT_EQ(keychain.readAPIKey(firstUser, false), std::nullopt);
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
  EXPECT_TRUE(keychain.hasSavedAPIKeyHint(firstUser));

  ASSERT_TRUE(SessionKeyring::unlockDefaultCollection(*SessionKeyring::password()));
  EXPECT_EQ(keychain.readAPIKey(firstUser, false), "sk-first");
}

}  // namespace
