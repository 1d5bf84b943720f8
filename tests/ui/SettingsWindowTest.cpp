#include <gtest/gtest.h>

#include <gtkmm/button.h>
#include <gtkmm/checkbutton.h>
#include <gtkmm/label.h>
#include <gtkmm/switch.h>

#include <string>
#include <vector>

#include "ApplicationTest.h"
#include "core/shell/ShellController.h"
#include "core/voice/MicrophoneConsent.h"

using namespace ondi;

namespace {

using SettingsWindowTest = ApplicationTest;

std::vector<std::string> sectionNames(Gtk::Widget& form) {
  std::vector<std::string> names;
  for (Gtk::Widget* child = form.get_first_child(); child; child = child->get_next_sibling()) {
    const std::string name = child->get_name();
    if (name.ends_with("-section")) names.push_back(name);
  }
  return names;
}

bool shown(Gtk::Widget& root, const std::string& name) {
  Gtk::Widget* widget = findNamed(root, name);
  return widget && isShown(*widget);
}

std::string text(Gtk::Widget& root, const std::string& name) {
  auto* label = findNamed<Gtk::Label>(root, name);
  return label ? label->get_text().raw() : "<missing " + name + ">";
}

TEST_F(SettingsWindowTest, ShowsTheTenSectionsInOrder) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel&) {
    Gtk::Window& settings = application.settingsWindow();
    settings.present();
    Gtk::Widget* form = findNamed(settings, "settings.sections");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(sectionNames(*form),
              (std::vector<std::string>{"account-section", "conversation-history-section",
                                        "agent-instructions-section", "agent-phone-section",
                                        "model-routing-section", "openai-settings-section",
                                        "appearance-section", "workspace-settings-section",
                                        "approval-gates-section", "privacy-section"}));
  });
}

TEST_F(SettingsWindowTest, SignedOutOnlyAppearanceAndWorkspaceCanBeChanged) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    Gtk::Window& settings = application.settingsWindow();
    settings.present();
    ASSERT_TRUE(waitUntil([&] { return !model.account.isWorkspaceSessionRefreshInFlight; }));
    EXPECT_TRUE(shown(settings, "account-section.retry")) << "the service is out of reach";
    EXPECT_FALSE(shown(settings, "account-section.sign-in"));

    model.account.workspaceSessionState.set(WorkspaceSessionState::signedOut());
    EXPECT_TRUE(shown(settings, "account-section.sign-in"));
    EXPECT_TRUE(shown(settings, "account-section.create-account"));
    EXPECT_FALSE(shown(settings, "account-section.sign-out"));
    EXPECT_FALSE(shown(settings, "account-section.email"));
    for (const std::string bound :
         {"conversation-history", "phone", "model-routing", "approval-gates"}) {
      SCOPED_TRACE(bound);
      EXPECT_TRUE(shown(settings, bound + ".sign-in"));
      EXPECT_FALSE(shown(settings, bound + ".content"));
    }
    EXPECT_EQ(text(settings, "conversation-history.sign-in"),
              "Sign in to save and resume account-specific chat and huddle sessions.");
    EXPECT_TRUE(shown(settings, "agent-instructions.placeholder"));
    EXPECT_EQ(text(settings, "openai-settings.status"), "Sign in before saving a local API key.");
    EXPECT_FALSE(shown(settings, "openai-settings.api-key"));
    EXPECT_FALSE(shown(settings, "openai-settings.fallback"));
    screenshot("settings-signed-out");

    auto* inspector = findNamed<Gtk::Switch>(settings, "workspace-settings.show-inspector");
    auto* brief = findNamed<Gtk::Switch>(settings, "workspace-settings.daily-brief");
    ASSERT_TRUE(inspector && brief && isShown(*inspector) && isShown(*brief));
    inspector->set_active(false);
    brief->set_active(false);
    EXPECT_FALSE(model.shell().showInspector().get());
    EXPECT_FALSE(model.account.desktopPreferences.get().dailyBriefEnabled);
    model.shell().setShowInspector(true);
    EXPECT_TRUE(inspector->get_active()) << "the switch follows a change made in the shell";

    findNamed<Gtk::CheckButton>(settings, "theme-picker.cinematic")->set_active(true);
    EXPECT_EQ(model.account.desktopPreferences.get().interfaceStyle, "cinematic");
  });
}

TEST_F(SettingsWindowTest, SignedInShowsTheAccountAndItsSwitches) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    Gtk::Window& settings = application.settingsWindow();
    settings.present();
    model.account.workspaceSessionState.set(
        WorkspaceSessionState::authenticated({"u1", "Ada Lovelace", "ada@example.com", "google"}));
    model.account.conversationHistoryStatus.set({true, true, false, "firestore"});
    EXPECT_EQ(text(settings, "account-section.email"), "ada@example.com");
    EXPECT_EQ(text(settings, "account-section.method"), "Google");
    EXPECT_TRUE(shown(settings, "account-section.switch-account"));
    EXPECT_TRUE(shown(settings, "account-section.sign-out"));
    EXPECT_FALSE(shown(settings, "account-section.sign-in"));
    EXPECT_EQ(text(settings, "conversation-history.storage"), "Ondi Cloud");
    EXPECT_EQ(text(settings, "conversation-history.isolation"), "Enabled");
    EXPECT_EQ(text(settings, "conversation-history.resume"), "Unavailable");
    for (const std::string bound :
         {"conversation-history", "phone", "model-routing", "approval-gates"}) {
      EXPECT_FALSE(shown(settings, bound + ".sign-in")) << bound;
    }
    EXPECT_TRUE(shown(settings, "openai-settings.api-key"));

    auto* handoff = findNamed<Gtk::Switch>(settings, "model-routing.auto-handoff");
    auto* spend = findNamed<Gtk::Switch>(settings, "approval-gates.spend");
    auto* messages = findNamed<Gtk::Switch>(settings, "approval-gates.customer-messages");
    ASSERT_TRUE(handoff && spend && messages);
    handoff->set_active(false);
    spend->set_active(false);
    const auto& preferences = model.account.desktopPreferences.get();
    EXPECT_FALSE(preferences.autoModelHandoffEnabled);
    EXPECT_FALSE(preferences.requireApprovalForSpend);
    EXPECT_TRUE(preferences.requireApprovalForCustomerMessages);
    screenshot("settings-signed-in");
  });
}

}  // namespace

// The first voice feature asks; the answer is kept and Settings shows and changes it.
TEST_F(SettingsWindowTest, TheMicrophoneQuestionIsAskedOnceAndSettingsChangesTheAnswer) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    Gtk::Window& settings = application.settingsWindow();
    settings.present();
    auto* microphone = findNamed<Gtk::Switch>(settings, "privacy.microphone");
    ASSERT_TRUE(microphone);
    EXPECT_FALSE(microphone->get_active());
    EXPECT_EQ(text(settings, "privacy.microphone.status"),
              "Not decided yet: Ondi asks the first time a voice feature needs the microphone.");

    std::vector<bool> answers;
    model.microphoneConsent().requestAccess([&](bool granted) { answers.push_back(granted); });
    Gtk::Window* question = waitForMicrophoneQuestion();
    ASSERT_TRUE(question);
    screenshot("microphone-question");
    click(*findNamed(*question, "microphone-question.allow"));
    EXPECT_EQ(answers, std::vector<bool>{true});
    EXPECT_FALSE(question->get_visible());
    EXPECT_TRUE(microphone->get_active());

    microphone->set_active(false);
    EXPECT_EQ(model.microphoneConsent().authorization(), MicrophoneAuthorization::denied);
    EXPECT_EQ(text(settings, "privacy.microphone.status"),
              "Off. Huddles cannot hear you and dictation does not start.");
    model.microphoneConsent().requestAccess([&](bool granted) { answers.push_back(granted); });
    EXPECT_EQ(answers, (std::vector<bool>{true, false})) << "a kept answer is not asked again";
    EXPECT_FALSE(question->get_visible());
  });
}
