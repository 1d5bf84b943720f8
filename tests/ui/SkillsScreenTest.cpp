#include <gtest/gtest.h>

#include <gtkmm/searchentry.h>

#include "ApplicationTest.h"
#include "OndiServerProcess.h"
#include "core/navigation/NavigationState.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/packs/VelmoraSkill.h"
#include "core/ports/WebView.h"
#include "ui/app/MainWindow.h"

using namespace ondi;

namespace {

// The stand-in's agent page loads slowly on a busy machine.
constexpr int kPageWait = 30000;

// The application signed in to a real ondi-server, so that the agent page has a composer.
class SkillsScreenTest : public ApplicationTest {
 protected:
  SkillsScreenTest() { g_setenv("VELMORA_API_BASE_URL", server.baseURL().c_str(), TRUE); }

  OndiServerProcess server;
};

std::vector<std::string> shownCards(Gtk::Widget& screen) {
  std::vector<std::string> shown;
  for (const VelmoraSkill& skill : builtInSkills()) {
    Gtk::Widget* card = findNamed(screen, "skills.card." + skill.id);
    if (card && isShown(*card)) shown.push_back(skill.id);
  }
  return shown;
}

TEST_F(SkillsScreenTest, SearchFiltersTheCardsAndUseInAgentFillsTheComposer) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    ASSERT_TRUE(signUp(model));
    // The agent page stays loaded behind the skills screen, so a used skill fills its composer
    // at once.
    model.load(VelmoraRoute::agent());
    const auto pageReady = [&] {
      return !model.surfaceWebView().isLoading() &&
             runScript(model,
                       "String(!!document.getElementById('promptInput') && "
                       "!!OndiOperator.app.state.account)") == "\"true\"";
    };
    ASSERT_TRUE(waitUntil(pageReady, kPageWait))
        << runScript(model, "document.body.innerText.slice(0, 400)");
    model.load(VelmoraRoute::skills());
    Gtk::Widget& screen = *findNamed(*application.mainWindow(), "screen.skills");
    ASSERT_TRUE(waitUntil([&] { return screen.get_mapped(); }));
    EXPECT_EQ(shownCards(screen).size(), 6u);
    EXPECT_FALSE(isShown(*findNamed(screen, "skills.empty")));
    screenshot("skills");

    auto& search = *findNamed<Gtk::SearchEntry>(screen, "skills.search");
    search.set_text("seo");
    ASSERT_TRUE(waitUntil([&] { return shownCards(screen).size() == 2; }));
    EXPECT_EQ(shownCards(screen), (std::vector<std::string>{"content-audit", "catalog-seo"}));
    search.set_text("commerce");
    ASSERT_TRUE(waitUntil([&] { return isShown(*findNamed(screen, "skills.empty")); }));
    EXPECT_TRUE(findLabel(screen, "No matching skills"));
    EXPECT_TRUE(findLabel(screen, "Try a different workflow, tool, or team name."));
    EXPECT_FALSE(isShown(*findNamed(screen, "skills.grid")));
    screenshot("skills-empty");

    search.set_text("");
    ASSERT_TRUE(waitUntil([&] { return shownCards(screen).size() == 6; }));
    click(*findNamed(screen, "skills.use.support-triage"));
    EXPECT_EQ(model.navigation.activeRoute.get(), VelmoraRoute::agent());
    const std::string prompt = builtInSkills()[2].agentPrompt();
    EXPECT_TRUE(waitUntil([&] {
      return runScript(model, "document.getElementById('promptInput').value") ==
             "\"" + prompt + "\"";
    }));
  });
}

}  // namespace
