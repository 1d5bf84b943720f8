#include <gtest/gtest.h>

#include <gtkmm/button.h>
#include <gtkmm/label.h>
#include <gtkmm/textview.h>

#include "ApplicationTest.h"

using namespace ondi;

namespace {

using AgentInstructionsSectionTest = ApplicationTest;

const WorkspaceIdentity kAda{"u1", "Ada Lovelace", "ada@example.com", "email"};

AgentInstructionProfile profile(std::string id, std::string name, std::string role,
                                std::vector<std::string> instructions,
                                std::vector<std::string> defaults) {
  return {std::move(id),           std::move(name),     "alloy", std::move(role),
          std::move(instructions), std::move(defaults), false};
}

std::vector<AgentInstructionProfile> team() {
  return {profile("main", "Ondi", "Leads the huddle and keeps the plan.",
                  {"Summarise decisions.", "Ask before spending."}, {"Keep answers short."}),
          profile("research", "Scout", "Finds sources and checks facts.", {"Cite every source."},
                  {"Prefer primary sources.", "Note the date of each source."})};
}

std::string draftOf(Gtk::Widget& editor) {
  return findNamed<Gtk::TextView>(editor, "agent-instructions.draft")->get_buffer()->get_text();
}

void setDraft(Gtk::Widget& editor, const std::string& text) {
  findNamed<Gtk::TextView>(editor, "agent-instructions.draft")->get_buffer()->set_text(text);
}

TEST_F(AgentInstructionsSectionTest, FollowsTheAccountAndKeepsEditedDraftsPerAgent) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    Gtk::Window& settings = application.settingsWindow();
    settings.present();
    Gtk::Widget* section = findNamed(settings, "agent-instructions-section");
    ASSERT_NE(section, nullptr);
    auto* placeholder = findNamed<Gtk::Label>(*section, "agent-instructions.placeholder");
    ASSERT_NE(placeholder, nullptr);
    EXPECT_TRUE(findLabel(*section, "Agent instructions"));
    EXPECT_TRUE(findLabel(*section,
                          "Edit the standing rules each specialist follows in real huddles. Every "
                          "agent starts with clear, role-specific guidance; enter one instruction "
                          "per line and save changes to this account."));
    EXPECT_EQ(placeholder->get_text(),
              "Sign in to view the standing instructions for your agent team.");

    model.account.workspaceSessionState.set(WorkspaceSessionState::authenticated(kAda));
    EXPECT_EQ(placeholder->get_text(), "Loading agent instructions…");
    EXPECT_TRUE(isShown(*placeholder));

    model.account.agentInstructionProfiles.set(team());
    EXPECT_FALSE(isShown(*placeholder));
    Gtk::Widget* main = findNamed(*section, "agent-instructions.main");
    Gtk::Widget* research = findNamed(*section, "agent-instructions.research");
    ASSERT_TRUE(main && research);
    EXPECT_EQ(main->get_next_sibling(), research) << "editors follow the model's order";
    EXPECT_TRUE(findLabel(*main, "Ondi"));
    EXPECT_TRUE(findLabel(*main, "Leads the huddle and keeps the plan."));
    EXPECT_TRUE(findLabel(*main, "One instruction per line · up to 8 instructions"));
    EXPECT_EQ(draftOf(*main), "Summarise decisions.\nAsk before spending.");
    EXPECT_EQ(draftOf(*research), "Cite every source.");
    screenshot("instructions");

    // A new answer from the service replaces untouched drafts and keeps edited ones.
    setDraft(*main, "- Summarise decisions.\n\n2) Ask first.");
    auto updated = team();
    updated[0].instructions = {"Changed on the web."};
    updated[1].instructions = {"Changed on the web too."};
    std::swap(updated[0], updated[1]);
    model.account.agentInstructionProfiles.set(updated);
    EXPECT_EQ(findNamed(*section, "agent-instructions.main"), main) << "the editor is kept";
    EXPECT_EQ(research->get_next_sibling(), main);
    EXPECT_EQ(draftOf(*main), "- Summarise decisions.\n\n2) Ask first.");
    EXPECT_EQ(draftOf(*research), "Changed on the web too.");

    // Signing out forgets drafts; the next account starts from its saved instructions.
    model.account.workspaceSessionState.set(WorkspaceSessionState::signedOut());
    model.account.agentInstructionProfiles.set({});
    EXPECT_EQ(placeholder->get_text(),
              "Sign in to view the standing instructions for your agent team.");
    EXPECT_EQ(findNamed(*section, "agent-instructions.main"), nullptr);
    model.account.workspaceSessionState.set(WorkspaceSessionState::authenticated(kAda));
    model.account.agentInstructionProfiles.set(team());
    EXPECT_EQ(draftOf(*findNamed(*section, "agent-instructions.main")),
              "Summarise decisions.\nAsk before spending.");
  });
}

TEST_F(AgentInstructionsSectionTest, SavingReportsTheOutcomeInTheEditor) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    Gtk::Window& settings = application.settingsWindow();
    settings.present();
    model.account.workspaceSessionState.set(WorkspaceSessionState::authenticated(kAda));
    model.account.agentInstructionProfiles.set(team());
    Gtk::Widget& editor = *findNamed(settings, "agent-instructions.research");
    auto* save = findNamed<Gtk::Button>(editor, "agent-instructions.save");
    auto* restore = findNamed<Gtk::Button>(editor, "agent-instructions.restore");
    Gtk::Widget* saved = findNamed(editor, "agent-instructions.saved");
    Gtk::Widget* failed = findNamed(editor, "agent-instructions.error");
    ASSERT_TRUE(save && restore && saved && failed);
    EXPECT_EQ(save->get_label(), "Save instructions");
    EXPECT_EQ(restore->get_label(), "Restore defaults");
    EXPECT_FALSE(isShown(*saved));
    EXPECT_FALSE(isShown(*failed));

    // Blank lines only: the model refuses before sending anything.
    setDraft(editor, "\n  \n");
    click(*save);
    EXPECT_TRUE(isShown(*failed));
    EXPECT_TRUE(findLabel(*failed, "Add at least one instruction before saving."));

    // The service is out of reach: the editor shows why, the draft and profiles stay.
    setDraft(editor, "• Cite every source.\n1. Check dates.");
    click(*save);
    EXPECT_FALSE(save->get_sensitive()) << "one save at a time";
    EXPECT_FALSE(isShown(*failed));
    ASSERT_TRUE(waitUntil([&] { return save->get_sensitive(); }));
    EXPECT_TRUE(isShown(*failed));
    EXPECT_FALSE(isShown(*saved));
    EXPECT_TRUE(model.account.accountActionError.get().starts_with(
        "Agent instructions could not be synced. "));
    EXPECT_EQ(draftOf(editor), "• Cite every source.\n1. Check dates.");
    EXPECT_EQ(model.account.agentInstructionProfiles.get(), team());

    // Restore defaults puts the service's defaults in the draft and saves them.
    click(*restore);
    EXPECT_EQ(draftOf(editor), "Prefer primary sources.\nNote the date of each source.");
    EXPECT_FALSE(restore->get_sensitive());
    ASSERT_TRUE(waitUntil([&] { return restore->get_sensitive(); }));
    EXPECT_TRUE(isShown(*failed));

    // A profile without defaults offers no restore.
    auto withoutDefaults = team();
    withoutDefaults[1].defaultInstructions.reset();
    model.account.agentInstructionProfiles.set(withoutDefaults);
    EXPECT_FALSE(restore->get_sensitive());
  });
}

}  // namespace
