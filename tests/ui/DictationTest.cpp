#include <gtest/gtest.h>

#include "ApplicationTest.h"
#include "OndiServerProcess.h"
#include "SpokenAudio.h"
#include "core/navigation/VelmoraRoute.h"
#include "core/ports/WebView.h"

using namespace ondi;

namespace {

// The stand-in's agent page loads slowly on a busy machine.
constexpr int kPageWait = 30000;

// The application signed in to a real ondi-server, dictating from a spoken file through a
// grammar of a few phrases.
class DictationTest : public ApplicationTest {
 protected:
  DictationTest() {
    g_setenv("VELMORA_API_BASE_URL", server.baseURL().c_str(), TRUE);
    const auto audio = folder.path() / "phrase.wav";
    const auto grammar = folder.path() / "phrases.fsg";
    EXPECT_TRUE(speakPhrase("draft a reply to the client", audio));
    writeGrammar({"open the billing page", "draft a reply to the client"}, grammar);
    g_setenv("ONDI_DICTATION_AUDIO_FILE", audio.c_str(), TRUE);
    g_setenv("ONDI_DICTATION_GRAMMAR", grammar.c_str(), TRUE);
  }
  ~DictationTest() override {
    g_unsetenv("ONDI_DICTATION_AUDIO_FILE");
    g_unsetenv("ONDI_DICTATION_GRAMMAR");
  }

  OndiServerProcess server;
};

TEST_F(DictationTest, TheMicrophoneButtonDictatesIntoTheComposer) {
  runApplication([&](ui::OndiApplication&, DesktopBrowserModel& model) {
    ASSERT_TRUE(signUp(model));
    model.load(VelmoraRoute::agent());
    const auto pageReady = [&] {
      return !model.surfaceWebView().isLoading() &&
             runScript(model,
                       "String(!!document.getElementById('micButton') && "
                       "!!OndiOperator.app.state.account)") == "\"true\"";
    };
    ASSERT_TRUE(waitUntil(pageReady, kPageWait))
        << runScript(model, "document.body.innerText.slice(0, 400)");

    runScript(model,
              "document.getElementById('promptInput').value = 'Hi,';"
              "document.getElementById('micButton').click(); 'clicked'");
    ASSERT_TRUE(answerMicrophoneQuestion(true)) << "the first dictation asks for the microphone";
    const auto composer = [&] {
      return runScript(model, "document.getElementById('promptInput').value");
    };
    EXPECT_TRUE(
        waitUntil([&] { return composer() == "\"Hi, draft a reply to the client\""; }, kPageWait))
        << composer();
    // The button lets go once the dictation has ended.
    EXPECT_TRUE(waitUntil([&] {
      return runScript(model,
                       "document.getElementById('micButton').getAttribute('aria-pressed')") ==
             "\"false\"";
    }));
  });
}

}  // namespace
