#include "core/assist/OpenAIKeychain.h"

#include <gtest/gtest.h>

#include "core/account/AccountState.h"
#include "core/assist/OpenAIKeySettings.h"
#include "fakes/FakeSecretStore.h"
#include "fakes/InMemorySettingsStore.h"
#include "fakes/ManualScheduler.h"

namespace ondi {
namespace {

constexpr const char* kService = "com.velmora.desktop.openai";

class OpenAIKeychainTest : public ::testing::Test {
 protected:
  std::string accountOf(const std::string& userID) { return *OpenAIKeychain::account(userID); }
  std::optional<bool> hint(const std::string& userID) {
    return settings.boolValue("Velmora.openAIKeyAvailable." + accountOf(userID));
  }
  std::optional<std::string> stored(const std::string& userID) {
    const auto found = secrets.items.find({kService, accountOf(userID)});
    return found == secrets.items.end() ? std::nullopt : std::optional(found->second);
  }

  // Each call runs the main loop until it completes; none completes inside the call.
  template <typename Result, typename Call>
  Result completed(Call call) {
    std::optional<Result> result;
    call([&](Result r) { result = std::move(r); });
    EXPECT_FALSE(result.has_value()) << "completed inside the call";
    scheduler.runUntilIdle();
    EXPECT_TRUE(result.has_value()) << "never completed";
    return result.value_or(Result{});
  }
  std::expected<void, SecretStatus> save(const std::string& key, const std::string& userID) {
    return completed<std::expected<void, SecretStatus>>(
        [&](auto done) { keychain.saveAPIKey(key, userID, done); });
  }
  std::expected<void, SecretStatus> remove(const std::string& userID) {
    return completed<std::expected<void, SecretStatus>>(
        [&](auto done) { keychain.deleteAPIKey(userID, done); });
  }
  std::optional<std::string> read(const std::string& userID, bool allowUserInteraction) {
    return completed<std::optional<std::string>>(
        [&](auto done) { keychain.readAPIKey(userID, allowUserInteraction, done); });
  }

  fakes::ManualScheduler scheduler;
  fakes::FakeSecretStore secrets{scheduler};
  fakes::InMemorySettingsStore settings;
  OpenAIKeychain keychain{secrets, settings, scheduler};
};

TEST_F(OpenAIKeychainTest, AccountIsTheDigestOfTheTrimmedUserID) {
  EXPECT_EQ(OpenAIKeychain::account("abc"),
            "api-key-ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  EXPECT_EQ(OpenAIKeychain::account("  abc\n"), OpenAIKeychain::account("abc"));
  EXPECT_NE(OpenAIKeychain::account("abd"), OpenAIKeychain::account("abc"));
  EXPECT_EQ(OpenAIKeychain::account(" \t "), std::nullopt);
  EXPECT_EQ(OpenAIKeychain::account(""), std::nullopt);
}

TEST_F(OpenAIKeychainTest, TwoAccountsNeverSeeEachOthersKey) {
  ASSERT_TRUE(save("  sk-first \n", "user-1"));
  ASSERT_TRUE(save("sk-second", "user-2"));
  EXPECT_EQ(stored("user-1"), "sk-first");
  EXPECT_EQ(read(" user-1 ", false), "sk-first");
  EXPECT_EQ(read("user-2", false), "sk-second");

  ASSERT_TRUE(remove("user-1"));
  EXPECT_EQ(read("user-1", true), std::nullopt);
  EXPECT_FALSE(keychain.hasSavedAPIKeyHint("user-1"));
  EXPECT_TRUE(keychain.hasSavedAPIKeyHint("user-2"));
  EXPECT_EQ(read("user-2", true), "sk-second");
}

TEST_F(OpenAIKeychainTest, SavingAgainReplacesTheKey) {
  ASSERT_TRUE(save("sk-old", "user-1"));
  ASSERT_TRUE(save("sk-new", "user-1"));
  EXPECT_EQ(secrets.items.size(), 1u);
  EXPECT_EQ(read("user-1", true), "sk-new");
}

TEST_F(OpenAIKeychainTest, WithoutAUserNothingIsStoredOrRead) {
  const auto saved = save("sk-key", "  ");
  ASSERT_FALSE(saved);
  EXPECT_EQ(saved.error().code, -50);
  EXPECT_EQ(remove("").error().code, -50);
  EXPECT_EQ(read("", true), std::nullopt);
  EXPECT_FALSE(keychain.hasSavedAPIKeyHint(""));
  EXPECT_TRUE(secrets.items.empty());
  EXPECT_TRUE(secrets.reads.empty());
}

TEST_F(OpenAIKeychainTest, ABlankKeyRemovesTheSavedOne) {
  ASSERT_TRUE(save("sk-key", "user-1"));
  ASSERT_TRUE(save(" \n", "user-1"));
  EXPECT_EQ(stored("user-1"), std::nullopt);
  EXPECT_EQ(hint("user-1"), false);
}

TEST_F(OpenAIKeychainTest, RemovingNothingSucceedsAndClearsAStaleHint) {
  settings.setBool("Velmora.openAIKeyAvailable." + accountOf("user-1"), true);
  EXPECT_TRUE(remove("user-1"));
  EXPECT_EQ(hint("user-1"), false);
}

TEST_F(OpenAIKeychainTest, ALockedNonInteractiveReadLeavesTheHintAlone) {
  ASSERT_TRUE(save("sk-key", "user-1"));
  secrets.locked = true;
  EXPECT_EQ(read("user-1", false), std::nullopt);
  EXPECT_EQ(hint("user-1"), true);

  // Asking the user and still failing says the key cannot be had.
  secrets.failure = SecretStatus{SecretStatus::userCanceled, std::nullopt};
  EXPECT_EQ(read("user-1", true), std::nullopt);
  EXPECT_EQ(hint("user-1"), false);
}

TEST_F(OpenAIKeychainTest, ReadsCorrectAStaleHint) {
  secrets.items[{kService, accountOf("user-1")}] = "sk-elsewhere";
  EXPECT_EQ(read("user-1", false), "sk-elsewhere");
  EXPECT_EQ(hint("user-1"), true);

  secrets.items.clear();
  EXPECT_EQ(read("user-1", false), std::nullopt);
  EXPECT_EQ(hint("user-1"), false);

  secrets.items[{kService, accountOf("user-1")}] = "sk-\xff";
  EXPECT_EQ(read("user-1", false), std::nullopt);
  EXPECT_EQ(hint("user-1"), true);
}

TEST_F(OpenAIKeychainTest, StoreFailuresAreReportedAndKeepTheHint) {
  ASSERT_TRUE(save("sk-key", "user-1"));
  secrets.failure = SecretStatus{-25293, "The keyring refused."};
  EXPECT_EQ(save("sk-other", "user-1").error().description(), "The keyring refused.");
  EXPECT_EQ(remove("user-1").error().code, -25293);
  EXPECT_EQ(hint("user-1"), true);
  EXPECT_EQ((SecretStatus{-25293, ""}.description()), "System keyring error -25293");
}

class OpenAIKeySettingsTest : public OpenAIKeychainTest {
 protected:
  void signIn(const std::string& id) {
    account.workspaceSessionState.set(WorkspaceSessionState::authenticated(
        {.id = id, .name = "", .email = "", .authProvider = ""}));
  }

  OpenAIKeySettings::Outcome saveInSettings(const std::string& key) {
    return completed<OpenAIKeySettings::Outcome>([&](auto done) { keySettings.save(key, done); });
  }
  OpenAIKeySettings::Outcome removeInSettings() {
    return completed<OpenAIKeySettings::Outcome>([&](auto done) { keySettings.remove(done); });
  }

  AccountState account;
  OpenAIKeySettings keySettings{account, keychain};
};

TEST_F(OpenAIKeySettingsTest, StatusFollowsTheSignInAndTheHint) {
  EXPECT_EQ(keySettings.status(), "Sign in before saving a local API key.");
  const auto refused = saveInSettings("sk-key");
  EXPECT_FALSE(refused.succeeded);
  EXPECT_EQ(refused.status,
            "Could not save API key: One or more parameters passed to a function were not valid.");

  signIn("user-1");
  EXPECT_EQ(keySettings.status(), "No API key saved for this account.");
  const auto saved = saveInSettings("sk-key");
  EXPECT_TRUE(saved.succeeded);
  EXPECT_EQ(saved.status, "API key saved in the system keyring for this account.");
  EXPECT_EQ(keySettings.status(), "API key saved in the system keyring for this account.");

  signIn("user-2");
  EXPECT_EQ(keySettings.status(), "No API key saved for this account.");
}

TEST_F(OpenAIKeySettingsTest, RemovingSaysWhatHappened) {
  signIn("user-1");
  ASSERT_TRUE(saveInSettings("sk-key").succeeded);
  EXPECT_EQ(saveInSettings("   ").status, "API key removed.");
  EXPECT_EQ(removeInSettings().status, "API key removed.");

  secrets.failure = SecretStatus{SecretStatus::notAvailable, std::nullopt};
  const auto failed = removeInSettings();
  EXPECT_FALSE(failed.succeeded);
  EXPECT_EQ(failed.status, "Could not remove API key: No system keyring is available.");
}

TEST_F(OpenAIKeySettingsTest, AnOutcomeAfterTheSectionIsGoneIsDroppedButTheKeyIsSaved) {
  signIn("user-1");
  bool told = false;
  {
    OpenAIKeySettings closing{account, keychain};
    closing.save("sk-key", [&](auto) { told = true; });
  }
  scheduler.runUntilIdle();
  EXPECT_FALSE(told);
  EXPECT_EQ(stored("user-1"), "sk-key");
  EXPECT_EQ(hint("user-1"), true);
}

}  // namespace
}  // namespace ondi
