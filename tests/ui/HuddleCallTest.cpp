#include <gtest/gtest.h>

#include <gtkmm/button.h>

#include "ApplicationTest.h"
#include "OndiServerProcess.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/voice/HuddleController.h"
#include "ui/app/MainWindow.h"

using namespace ondi;

namespace {

// The stand-in's console loads and answers slowly on a busy machine.
constexpr int kConsoleWait = 30000;

// A whole huddle against the stand-in's voice console, whose microphone is WebKit's
// simulated one.
class HuddleCallTest : public ApplicationTest {
 protected:
  HuddleCallTest() {
    g_setenv("VELMORA_API_BASE_URL", server.baseURL().c_str(), TRUE);
    g_setenv("ONDI_MOCK_CAPTURE_DEVICES", "1", TRUE);
  }
  ~HuddleCallTest() override { g_unsetenv("ONDI_MOCK_CAPTURE_DEVICES"); }

  OndiServerProcess server;
};

HuddleCallState::Kind callKind(DesktopBrowserModel& model) {
  return model.huddle().callState().get().kind();
}

bool hasAgentTurnInOwnVoice(const HuddleSnapshot& snapshot) {
  for (const HuddleTurn& turn : snapshot.turns) {
    for (const HuddleParticipant& participant : defaultHuddleRoster()) {
      if (turn.kind != "user" && turn.agentId == participant.id &&
          turn.voice == participant.voice) {
        return true;
      }
    }
  }
  return false;
}

TEST_F(HuddleCallTest, AHuddleStartsShowsTheConsolesTurnsMutesAndEnds) {
  runApplication([&](ui::OndiApplication& application, DesktopBrowserModel& model) {
    ui::MainWindow& window = *application.mainWindow();
    ASSERT_TRUE(signUp(model));
    model.load(VelmoraRoute::voice());
    Gtk::Widget& screen = *findNamed(window, "screen.voice");
    ASSERT_TRUE(
        waitUntil([&] { return callKind(model) == HuddleCallState::Kind::ready; }, kConsoleWait))
        << model.huddle().lastAction().get();

    click(*findNamed(screen, "huddle.call"));
    EXPECT_EQ(callKind(model), HuddleCallState::Kind::connecting);
    ASSERT_TRUE(answerMicrophoneQuestion(true, kConsoleWait))
        << "the console's first capture asks for the microphone";
    ASSERT_TRUE(
        waitUntil([&] { return callKind(model) == HuddleCallState::Kind::live; }, kConsoleWait))
        << model.huddle().lastAction().get();
    EXPECT_EQ(model.huddle().lastAction().get(),
              "Listening · speak naturally and interrupt at any time");

    // The user says something in the console; the agents answer in their own voices, and the
    // screen covering the console shows it.
    runScript(model,
              "document.getElementById('sayInput').value = 'Plan the ad spend for launch';"
              "document.getElementById('sayForm').requestSubmit(); 'said'");
    ASSERT_TRUE(waitUntil([&] { return hasAgentTurnInOwnVoice(model.huddle().snapshot().get()); },
                          kConsoleWait));
    const HuddleTurn first = model.huddle().snapshot().get().turns.front();
    EXPECT_EQ(first.kind, "user");
    ASSERT_TRUE(waitUntil([&] { return findNamed(screen, "huddle.turn." + first.id); }));
    EXPECT_TRUE(findLabel(screen, "Plan the ad spend for launch"));
    screenshot("huddle-live");

    click(*findNamed(screen, "huddle.mute"));
    ASSERT_TRUE(waitUntil([&] { return model.huddle().snapshot().get().microphoneMuted; }))
        << "the console's microphone is muted";
    EXPECT_EQ(firstLabelText(*findNamed(screen, "huddle.mute")), "Unmute");

    click(*findNamed(screen, "huddle.call"));
    EXPECT_EQ(callKind(model), HuddleCallState::Kind::ready);
    EXPECT_EQ(model.huddle().lastAction().get(), "Huddle ended");
    EXPECT_FALSE(model.huddle().isMicrophoneMuted().get());
    EXPECT_TRUE(model.huddle().snapshot().get().turns.empty());
    ASSERT_TRUE(waitUntil([&] {
      return runScript(model, "String(window.velmoraHuddleSnapshot().status)") == "\"idle\"";
    }));
    EXPECT_TRUE(findLabel(screen, "Talk with your agent team"));
  });
}

}  // namespace
