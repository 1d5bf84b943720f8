#include <gtest/gtest.h>

#include <glib.h>

#include <chrono>

#include "MainLoop.h"
#include "SessionKeyring.h"
#include "core/assist/OpenAIKeychain.h"
#include "core/util/GlibHandles.h"
#include "fakes/InMemorySettingsStore.h"
#include "platform/linux/GlibScheduler.h"
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
    for (const auto& account : {first, second}) remove(kService, account);
    for (const auto& user : {firstUser, secondUser}) {
      remove(kService, *OpenAIKeychain::account(user));
    }
  }

  // Each call turns the main loop until its completion has run there.
  template <typename Result, typename Call>
  static Result completed(Call call) {
    std::optional<Result> result;
    call([&](Result r) { result = std::move(r); });
    EXPECT_TRUE(runMainLoopUntil([&] { return result.has_value(); }));
    return result.value_or(Result{});
  }
  SecretStore::ReadResult read(const std::string& service, const std::string& account,
                               bool allowInteraction) {
    return completed<SecretStore::ReadResult>(
        [&](auto done) { store.read(service, account, allowInteraction, done); });
  }
  SecretStatus update(const std::string& service, const std::string& account,
                      const std::string& secret) {
    return completed<SecretStatus>(
        [&](auto done) { store.update(service, account, secret, done); });
  }
  SecretStatus add(const std::string& service, const std::string& account,
                   const std::string& secret) {
    return completed<SecretStatus>([&](auto done) { store.add(service, account, secret, done); });
  }
  SecretStatus remove(const std::string& service, const std::string& account) {
    return completed<SecretStatus>([&](auto done) { store.remove(service, account, done); });
  }
  std::expected<void, SecretStatus> save(const std::string& key, const std::string& userID) {
    return completed<std::expected<void, SecretStatus>>(
        [&](auto done) { keychain.saveAPIKey(key, userID, done); });
  }
  std::expected<void, SecretStatus> forget(const std::string& userID) {
    return completed<std::expected<void, SecretStatus>>(
        [&](auto done) { keychain.deleteAPIKey(userID, done); });
  }
  std::optional<std::string> readKey(const std::string& userID, bool allowUserInteraction) {
    return completed<std::optional<std::string>>(
        [&](auto done) { keychain.readAPIKey(userID, allowUserInteraction, done); });
  }

  static std::string unique(const std::string& prefix) {
    return prefix + glib::takeString(g_uuid_string_random());
  }

  platform::GlibScheduler scheduler;
  platform::LibsecretSecretStore store;
  fakes::InMemorySettingsStore settings;
  OpenAIKeychain keychain{store, settings, scheduler};
  const std::string first = unique("api-key-test-");
  const std::string second = unique("api-key-test-");
  const std::string firstUser = unique("user-");
  const std::string secondUser = unique("user-");
};

TEST_F(Keyring, ItemsRoundTrip) {
  EXPECT_EQ(read(kService, first, false), std::nullopt);
  EXPECT_EQ(update(kService, first, "sk-one").code, SecretStatus::itemNotFound);
  EXPECT_EQ(remove(kService, first).code, SecretStatus::itemNotFound);

  ASSERT_TRUE(add(kService, first, "sk-one").ok());
  EXPECT_EQ(read(kService, first, false), "sk-one");
  ASSERT_TRUE(update(kService, first, "sk-two").ok());
  EXPECT_EQ(read(kService, first, true), "sk-two");
  EXPECT_EQ(read("com.velmora.desktop.other", first, true), std::nullopt);

  ASSERT_TRUE(remove(kService, first).ok());
  EXPECT_EQ(read(kService, first, true), std::nullopt);
}

TEST_F(Keyring, AccountsAreIsolated) {
  ASSERT_TRUE(save("sk-first", firstUser));
  ASSERT_TRUE(save("sk-second", secondUser));
  ASSERT_TRUE(save("sk-first-again", firstUser));
  EXPECT_EQ(readKey(firstUser, false), "sk-first-again");
  EXPECT_EQ(readKey(secondUser, false), "sk-second");

  ASSERT_TRUE(forget(firstUser));
  EXPECT_EQ(readKey(firstUser, true), std::nullopt);
  EXPECT_EQ(readKey(secondUser, true), "sk-second");
}

TEST_F(Keyring, ALockedCollectionIsNotReadWithoutInteraction) {
  ASSERT_TRUE(save("sk-first", firstUser));
  ASSERT_TRUE(SessionKeyring::lockDefaultCollection());

  const auto started = std::chrono::steady_clock::now();
  const auto locked = read(kService, *OpenAIKeychain::account(firstUser), false);
  ASSERT_FALSE(locked);
  EXPECT_EQ(locked.error().code, SecretStatus::interactionNotAllowed);
  EXPECT_EQ(readKey(firstUser, false), std::nullopt);
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
  EXPECT_TRUE(keychain.hasSavedAPIKeyHint(firstUser));

  ASSERT_TRUE(SessionKeyring::unlockDefaultCollection(*SessionKeyring::password()));
  EXPECT_EQ(readKey(firstUser, false), "sk-first");
}

}  // namespace
