#include <gtest/gtest.h>

#include <gtkmm/button.h>
#include <gtkmm/label.h>
#include <gtkmm/passwordentry.h>

#include "ApplicationTest.h"
#include "core/assist/OpenAIKeychain.h"
#include "core/util/Uuid.h"

using namespace ondi;

namespace {

using OpenAISettingsSectionTest = ApplicationTest;

TEST_F(OpenAISettingsSectionTest, SavesWithEnterKeepsTheKeyOnAStrayEnterAndRemovesOnRequest) {
  if (!std::getenv("ONDI_TEST_KEYRING_PASSWORD")) GTEST_SKIP() << "needs the test keyring";
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    Gtk::Window& settings = application.settingsWindow();
    settings.present();
    Gtk::Widget* section = findNamed(settings, "openai-settings-section");
    ASSERT_NE(section, nullptr);
    auto* status = findNamed<Gtk::Label>(*section, "openai-settings.status");
    auto* key = findNamed<Gtk::PasswordEntry>(*section, "openai-settings.api-key");
    auto* remove = findNamed<Gtk::Button>(*section, "openai-settings.remove");
    ASSERT_TRUE(status && key && remove);
    EXPECT_EQ(status->get_text(), "Sign in before saving a local API key.");
    EXPECT_TRUE(findLabel(*section,
                          "Saved keys remain in the system keyring, are isolated to the signed-in "
                          "Ondi account on this computer, and are never displayed again in "
                          "Settings."));

    // A fresh user id per run, so that runs never share a keyring item.
    const std::string user = newUUID();
    model.account.workspaceSessionState.set(WorkspaceSessionState::authenticated(
        {.id = user, .name = "Ada", .email = "ada@example.com", .authProvider = "email"}));
    EXPECT_EQ(status->get_text(), "No API key saved for this account.");

    const auto savedKey = [&] {
      std::optional<std::optional<std::string>> key;
      model.openAIKeychain().readAPIKey(user, false, [&](auto read) { key = read; });
      EXPECT_TRUE(waitUntil([&] { return key.has_value(); }));
      return key.value_or(std::nullopt);
    };

    // The keyring answers later: the buttons wait for it.
    key->set_text("  sk-ui-test  ");
    pressEnter(*key);
    EXPECT_FALSE(remove->get_sensitive());
    ASSERT_TRUE(waitUntil([&] { return remove->get_sensitive(); }));
    EXPECT_EQ(status->get_text(), "API key saved in the system keyring for this account.");
    EXPECT_EQ(key->get_text(), "");
    EXPECT_EQ(savedKey(), "sk-ui-test");

    pressEnter(*key);
    EXPECT_TRUE(remove->get_sensitive());
    EXPECT_EQ(savedKey(), "sk-ui-test");
    EXPECT_EQ(status->get_text(), "API key saved in the system keyring for this account.");

    click(*remove);
    ASSERT_TRUE(waitUntil([&] { return remove->get_sensitive(); }));
    EXPECT_EQ(status->get_text(), "API key removed.");
    EXPECT_EQ(savedKey(), std::nullopt);
    EXPECT_FALSE(model.openAIKeychain().hasSavedAPIKeyHint(user));
  });
}

}  // namespace
