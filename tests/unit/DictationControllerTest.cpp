#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/voice/DictationController.h"
#include "fakes/FakeMicrophoneAccess.h"
#include "fakes/FakeSpeechRecognizer.h"
#include "fakes/RecordingSurfaceChannel.h"

using namespace ondi;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

constexpr const char* kMicrophoneOff =
    "Microphone access is off for Ondi. Enable it in Settings → Privacy → Microphone.";

class DictationControllerTest : public ::testing::Test {
 protected:
  DictationControllerTest() { microphone.status = MicrophoneAuthorization::authorized; }

  std::vector<std::string> updates() const { return page.speechUpdates(); }

  fakes::RecordingSurfaceChannel page;
  fakes::FakeSpeechRecognizer recognizer;
  fakes::FakeMicrophoneAccess microphone;
  DictationController dictation{page, recognizer, microphone};
};

TEST_F(DictationControllerTest, TogglesAndStopsOnThePagesRequests) {
  dictation.handleRequest("toggle", "");
  EXPECT_TRUE(dictation.isDictating());
  dictation.handleRequest("anything", "");
  EXPECT_FALSE(dictation.isDictating());
  EXPECT_TRUE(recognizer.sessions[0]->cancelled);
  EXPECT_TRUE(recognizer.sessions[0]->dropped);
  dictation.handleRequest("start", "");
  dictation.handleRequest("stop", "");
  dictation.handleRequest("stop", "");  // nothing was on: no second "stopped"
  EXPECT_THAT(updates(), ElementsAre("recording|-|Listening...", "stopped|-|Dictation stopped.",
                                     "recording|-|Listening...", "stopped|-|Dictation stopped."));
}

TEST_F(DictationControllerTest, StartingWhileDictatingRestartsSilentlyWithTheNewDraft) {
  dictation.handleRequest("start", "first");
  dictation.handleRequest("start", "second");
  ASSERT_EQ(recognizer.sessions.size(), 2u);
  EXPECT_TRUE(recognizer.sessions[0]->cancelled);
  // The first session's late words go nowhere; the second's carry the new draft.
  recognizer.sessions[0]->handlers.result("old words", false);
  recognizer.sessions[0]->handlers.failure("gone");
  recognizer.hear("new words", false);
  EXPECT_THAT(updates(), ElementsAre("recording|-|Listening...", "recording|-|Listening...",
                                     "recording|second new words|Listening..."));
}

TEST_F(DictationControllerTest, MergesTheSpokenWordsAfterTheTypedDraft) {
  dictation.handleRequest("start", "  \n ");
  recognizer.hear(" open the page ", false);
  dictation.handleRequest("start", "  Dear team,\n");
  recognizer.hear("hello", false);
  recognizer.hear("  ", true);
  EXPECT_THAT(updates(),
              ElementsAre("recording|-|Listening...", "recording|open the page|Listening...",
                          "recording|-|Listening...", "recording|Dear team, hello|Listening...",
                          "final|Dear team,|Dictation added.", "stopped|-|Dictation stopped."));
}

TEST_F(DictationControllerTest, AFinalResultEndsDictationAfterAddingTheText) {
  dictation.handleRequest("start", "");
  recognizer.hear("draft a reply", true);
  EXPECT_FALSE(dictation.isDictating());
  EXPECT_TRUE(recognizer.current().audioEnded);
  EXPECT_FALSE(recognizer.current().cancelled);
  EXPECT_TRUE(recognizer.current().dropped);
  recognizer.hear("more", true);
  EXPECT_THAT(updates(),
              ElementsAre("recording|-|Listening...", "final|draft a reply|Dictation added.",
                          "stopped|-|Dictation stopped."));
}

TEST_F(DictationControllerTest, AFailureWhileDictatingIsReportedOnceAndLaterOnesAreIgnored) {
  dictation.handleRequest("start", "");
  recognizer.fail("The audio device went away.");
  EXPECT_TRUE(recognizer.current().cancelled);
  recognizer.fail("Again.");
  EXPECT_THAT(updates(), ElementsAre("recording|-|Listening...",
                                     "error|-|Dictation stopped: The audio device went away.",
                                     "stopped|-|Dictation stopped."));
}

TEST_F(DictationControllerTest, EachMissingPieceHasItsOwnErrorAndLeavesDictationIdle) {
  recognizer.installed = false;
  dictation.handleRequest("start", "");
  recognizer.installed = true;
  recognizer.available = false;
  dictation.handleRequest("start", "");
  recognizer.available = true;
  recognizer.captureSource = false;
  dictation.handleRequest("start", "");
  recognizer.captureSource = true;
  recognizer.startFailure = "Could not connect to the sound server.";
  dictation.handleRequest("start", "");
  EXPECT_FALSE(dictation.isDictating());
  EXPECT_THAT(recognizer.sessions, IsEmpty());
  EXPECT_THAT(updates(),
              ElementsAre("error|-|Speech recognition is unavailable on this computer.",
                          "error|-|Speech recognition is not available right now.",
                          "error|-|No microphone input was found.",
                          "error|-|Could not start dictation: Could not connect to the sound "
                          "server."));
}

TEST_F(DictationControllerTest, AsksForTheMicrophoneOnceAndFollowsTheAnswer) {
  microphone.status = MicrophoneAuthorization::notDetermined;
  dictation.handleRequest("start", "note");
  EXPECT_THAT(recognizer.sessions, IsEmpty());
  microphone.answer(true);
  ASSERT_EQ(recognizer.sessions.size(), 1u);
  recognizer.hear("taken", false);
  dictation.handleRequest("stop", "");

  dictation.handleRequest("start", "");
  microphone.answer(false);
  microphone.status = MicrophoneAuthorization::denied;
  dictation.handleRequest("start", "");
  microphone.status = MicrophoneAuthorization::restricted;
  dictation.handleRequest("start", "");
  EXPECT_EQ(recognizer.sessions.size(), 1u);
  const std::string requesting = "requesting|-|Allow speech recognition to dictate into Ondi.";
  const std::string off = std::string("error|-|") + kMicrophoneOff;
  EXPECT_THAT(updates(), ElementsAre(requesting, "recording|-|Listening...",
                                     "recording|note taken|Listening...",
                                     "stopped|-|Dictation stopped.", requesting, off, off, off));
}

TEST(DictationControllerLifetime, TeardownStopsWithoutNoticeAndIgnoresLateAnswers) {
  fakes::RecordingSurfaceChannel page;
  fakes::FakeSpeechRecognizer recognizer;
  fakes::FakeMicrophoneAccess microphone;
  microphone.status = MicrophoneAuthorization::authorized;
  auto dictation = std::make_optional<DictationController>(page, recognizer, microphone);
  dictation->handleRequest("start", "");
  microphone.status = MicrophoneAuthorization::notDetermined;
  dictation->handleRequest("start", "");
  dictation.reset();
  EXPECT_TRUE(recognizer.current().cancelled);
  EXPECT_TRUE(recognizer.current().dropped);
  microphone.answer(true);
  EXPECT_EQ(page.scripts.size(), 2u);  // "recording", "requesting"; nothing after teardown
  EXPECT_EQ(recognizer.sessions.size(), 1u);
}

}  // namespace
