#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "MainLoop.h"
#include "SpokenAudio.h"
#include "TemporaryDirectory.h"
#include "core/voice/DictationController.h"
#include "fakes/FakeMicrophoneAccess.h"
#include "fakes/RecordingSurfaceChannel.h"
#include "platform/linux/GstPocketSphinxRecognizer.h"

using namespace ondi;
using ::testing::ElementsAre;

namespace {

// The stand-in microphone is a file spoken by espeak-ng. A small grammar makes the recogniser's
// answer exact; it also offers the phrase without its first word, which is what would come out
// if the audio captured while the model loads were lost.
class DictationRecognitionTest : public ::testing::Test {
 protected:
  platform::PocketSphinxConfiguration configuration(const std::string& phrase,
                                                    bool fromFirstSample = false) {
    const auto audio = folder.path() / "phrase.wav";
    EXPECT_TRUE(speakPhrase(phrase, audio, fromFirstSample));
    const auto grammar = folder.path() / "phrases.fsg";
    writeGrammar({"open the billing page", "the billing page", "close the billing page",
                  "draft a reply to the client"},
                 grammar);
    platform::PocketSphinxConfiguration settings;
    settings.audioFile = audio;
    settings.grammar = grammar;
    return settings;
  }

  std::vector<std::string> updates() const { return page.speechUpdates(); }

  TemporaryDirectory folder;
  fakes::RecordingSurfaceChannel page;
  fakes::FakeMicrophoneAccess microphone;
};

TEST_F(DictationRecognitionTest, APhraseFromTheFirstSampleComesOutWhole) {
  platform::GstPocketSphinxRecognizer recognizer(configuration("open the billing page", true));
  ASSERT_TRUE(recognizer.isInstalled());
  ASSERT_TRUE(recognizer.isAvailable());
  ASSERT_TRUE(recognizer.hasCaptureSource());
  microphone.status = MicrophoneAuthorization::authorized;
  DictationController dictation(page, recognizer, microphone);

  dictation.handleRequest("start", " Please ");
  ASSERT_TRUE(runMainLoopUntil([&] { return !dictation.isDictating(); }));
  const std::vector<std::string> sent = updates();
  ASSERT_GE(sent.size(), 4u);
  EXPECT_EQ(sent.front(), "recording|-|Listening...");
  // Partial hypotheses grow towards the phrase, each after the typed draft.
  for (std::size_t i = 1; i + 2 < sent.size(); ++i) {
    EXPECT_THAT(sent[i], ::testing::StartsWith("recording|Please ")) << i;
  }
  EXPECT_EQ(sent[sent.size() - 2], "final|Please open the billing page|Dictation added.");
  EXPECT_EQ(sent.back(), "stopped|-|Dictation stopped.");
}

TEST_F(DictationRecognitionTest, StoppingWhileTheModelLoadsReportsNothingMore) {
  std::vector<std::string> reports;
  {
    platform::GstPocketSphinxRecognizer recognizer(configuration("draft a reply to the client"));
    auto task = recognizer.start({[&](const std::string& text, bool) { reports.push_back(text); },
                                  [&](const std::string& error) { reports.push_back(error); }});
    ASSERT_TRUE(task);
    (*task)->endAudio();
    (*task)->cancel();
    task->reset();
    // A second session right away is not disturbed by the first one's teardown.
    auto next = recognizer.start({[&](const std::string& text, bool isFinal) {
                                    if (isFinal) reports.push_back("final: " + text);
                                  },
                                  [&](const std::string& error) { reports.push_back(error); }});
    ASSERT_TRUE(next);
    ASSERT_TRUE(runMainLoopUntil([&] { return !reports.empty(); }));
  }
  EXPECT_THAT(reports, ElementsAre("final: draft a reply to the client"));
}

TEST_F(DictationRecognitionTest, AudioThatCannotBeReadStopsDictationWithTheReason) {
  const auto noise = folder.path() / "not-audio.wav";
  std::ofstream(noise) << "not a wave file";
  platform::PocketSphinxConfiguration settings;
  settings.audioFile = noise;
  platform::GstPocketSphinxRecognizer recognizer(settings);
  microphone.status = MicrophoneAuthorization::authorized;
  DictationController dictation(page, recognizer, microphone);

  dictation.handleRequest("start", "");
  ASSERT_TRUE(runMainLoopUntil([&] { return !dictation.isDictating(); }));
  const std::vector<std::string> sent = updates();
  ASSERT_EQ(sent.size(), 3u);
  EXPECT_THAT(sent[1], ::testing::StartsWith("error|-|Dictation stopped: "));
  EXPECT_EQ(sent[2], "stopped|-|Dictation stopped.");
}

TEST_F(DictationRecognitionTest, WithoutTheModelFilesTheRecognizerIsNotInstalled) {
  platform::PocketSphinxConfiguration settings;
  settings.modelFolder = folder.path();
  EXPECT_FALSE(platform::GstPocketSphinxRecognizer(settings).isInstalled());
  settings.audioFile = folder.path() / "missing.wav";
  EXPECT_FALSE(platform::GstPocketSphinxRecognizer(settings).hasCaptureSource());
}

}  // namespace
