#include <gtest/gtest.h>

#include "core/surface/MicrophonePolicy.h"
#include "core/surface/NavigationDisposition.h"
#include "core/surface/WorkspaceHosts.h"
#include "core/voice/MicrophoneConsent.h"
#include "fakes/FakeMicrophoneAccess.h"
#include "fakes/InMemorySettingsStore.h"

namespace ondi {
namespace {

using D = PrivilegedWorkspaceNavigationDisposition;

const WorkspaceHosts kHosts("ondi.example");

TEST(NavigationDisposition, KeepsWorkspacePagesAndHandsTheRestOnFromTheMainFrameOnly) {
  const struct {
    std::string url;
    std::optional<bool> mainFrame;
    bool gesture;
    D expected;
  } cases[] = {
      {"mailto:help@ondi.example", true, true, D::openWithSystem},
      {"MAILTO:help@ondi.example", std::nullopt, true, D::openWithSystem},
      {"mailto:help@ondi.example", false, true, D::block},
      {"mailto:help@ondi.example", std::nullopt, false, D::block},
      {"tel:+15550100", true, true, D::openWithSystem},
      {"tel:+15550100", false, true, D::block},
      {"tel:+15550100", true, false, D::block},
      {"sms:+15550100", true, true, D::block},
      {"http://localhost:3000/agent.html", true, false, D::allowInSurface},
      {"http://127.0.0.1:8787/frame", false, false, D::allowInSurface},
      {"http://ondi.example/agent.html", true, false, D::openInAppBrowser},
      {"http://app.ondi.example/frame", false, true, D::block},
      {"https://app.ondi.example/agent.html", true, false, D::allowInSurface},
      {"https://ondi.example/frame", false, false, D::allowInSurface},
      {"https://notondi.example/", true, true, D::openInAppBrowser},
      {"https://example.org/", std::nullopt, false, D::openInAppBrowser},
      {"https://example.org/ad", false, true, D::block},
      {"file:///etc/passwd", true, true, D::block},
      {"javascript:alert(1)", true, true, D::block},
      {"not an address", true, true, D::block},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.url + " main=" + (c.mainFrame ? std::to_string(*c.mainFrame) : "unknown") +
                 " gesture=" + std::to_string(c.gesture));
    EXPECT_EQ(privilegedNavigationDisposition(c.url, c.mainFrame, c.gesture, kHosts), c.expected);
  }
}

TEST(WorkspaceHosts, SubdomainsBelongToTheWorkspaceButAreNotTrustedWithTheMicrophone) {
  const struct {
    std::string host;
    bool workspace;
    bool mediaCapture;
  } cases[] = {
      {"ondi.example", true, true},      {"APP.Ondi.Example", true, false},
      {"localhost", true, true},         {"127.0.0.1", true, true},
      {"notondi.example", false, false}, {"ondi.example.evil.test", false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.host);
    EXPECT_EQ(kHosts.isWorkspaceHost(c.host), c.workspace);
    EXPECT_EQ(kHosts.isTrustedMediaCaptureHost(c.host), c.mediaCapture);
  }
}

TEST(MicrophonePolicy, GrantsOnlyTheMicrophoneToTheCommittedVoiceConsoleAndAsksWhenUndecided) {
  using A = MicrophoneAuthorization;
  const std::string console = "https://ondi.example/agent.html?source=mac_app&surface=voice";
  const struct {
    const char* name;
    std::string page;
    MediaCaptureKind kind;
    A authorization;
    bool asks;
    std::optional<bool> userAnswer;
    bool granted;
  } cases[] = {
      {"authorized", console + "&desktop=1", MediaCaptureKind::microphone, A::authorized, false,
       std::nullopt, true},
      {"items in another order", "https://ONDI.example/agent.html?surface=voice&source=mac_app",
       MediaCaptureKind::microphone, A::authorized, false, std::nullopt, true},
      {"denied", console, MediaCaptureKind::microphone, A::denied, false, std::nullopt, false},
      {"restricted", console, MediaCaptureKind::microphone, A::restricted, false, std::nullopt,
       false},
      {"user allows", console, MediaCaptureKind::microphone, A::notDetermined, true, true, true},
      {"user refuses", console, MediaCaptureKind::microphone, A::notDetermined, true, false, false},
      {"camera", console, MediaCaptureKind::camera, A::authorized, false, std::nullopt, false},
      {"camera and microphone", console, MediaCaptureKind::cameraAndMicrophone, A::authorized,
       false, std::nullopt, false},
      {"navigation not committed", "", MediaCaptureKind::microphone, A::authorized, false,
       std::nullopt, false},
      {"operator page at the same path", "https://ondi.example/agent.html?source=mac_app",
       MediaCaptureKind::microphone, A::authorized, false, std::nullopt, false},
      {"another surface", "https://ondi.example/agent.html?source=mac_app&surface=voicex",
       MediaCaptureKind::microphone, A::authorized, false, std::nullopt, false},
      {"another page", "https://ondi.example/page.html?source=mac_app&surface=voice",
       MediaCaptureKind::microphone, A::authorized, false, std::nullopt, false},
      {"another port", "https://ondi.example:8443/agent.html?source=mac_app&surface=voice",
       MediaCaptureKind::microphone, A::authorized, false, std::nullopt, false},
      {"plain http", "http://ondi.example/agent.html?source=mac_app&surface=voice",
       MediaCaptureKind::microphone, A::authorized, false, std::nullopt, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fakes::FakeMicrophoneAccess access;
    access.status = c.authorization;
    MicrophonePolicy policy(kHosts, access, [&] { return console; });
    std::vector<bool> decisions;

    policy.decide(c.page, c.kind, [&](bool granted) { decisions.push_back(granted); });
    EXPECT_EQ(access.waiting.size(), c.asks ? 1u : 0u);
    if (c.userAnswer) access.answer(*c.userAnswer);

    EXPECT_EQ(decisions, std::vector<bool>{c.granted});
  }

  fakes::FakeMicrophoneAccess access;
  access.status = A::authorized;
  MicrophonePolicy untrusted(kHosts, access,
                             [] { return "https://app.ondi.example/agent.html?surface=voice"; });
  bool granted = true;
  untrusted.decide("https://app.ondi.example/agent.html?surface=voice",
                   MediaCaptureKind::microphone, [&](bool answer) { granted = answer; });
  EXPECT_FALSE(granted);
}

TEST(MicrophoneConsent, AsksOnceKeepsTheAnswerAndDefersToTheSystem) {
  using A = MicrophoneAuthorization;
  fakes::FakeMicrophoneAccess system;
  system.status = A::authorized;
  fakes::InMemorySettingsStore settings;
  MicrophoneConsent consent(system, settings);
  std::vector<bool> answers;
  auto record = [&](bool granted) { answers.push_back(granted); };

  consent.requestAccess(record);
  EXPECT_EQ(answers, std::vector<bool>{false}) << "nobody to ask: no, and still undecided";
  EXPECT_EQ(consent.authorization(), A::notDetermined);

  std::vector<std::function<void(std::optional<bool>)>> questions;
  consent.setQuestion([&](auto answer) { questions.push_back(std::move(answer)); });
  answers.clear();
  consent.requestAccess(record);
  consent.requestAccess(record);
  ASSERT_EQ(questions.size(), 1u) << "one question for every caller waiting";
  questions.front()(std::nullopt);
  EXPECT_EQ(answers, (std::vector<bool>{false, false})) << "dismissed: no, ask again";
  EXPECT_EQ(consent.authorization(), A::notDetermined);
  answers.clear();
  consent.requestAccess(record);
  consent.requestAccess(record);
  ASSERT_EQ(questions.size(), 2u);
  questions.back()(true);
  EXPECT_EQ(answers, (std::vector<bool>{true, true}));
  EXPECT_EQ(settings.boolValue(MicrophoneConsent::kSettingsKey), true);

  MicrophoneConsent restarted(system, settings);
  EXPECT_EQ(restarted.authorization(), A::authorized);
  restarted.setAllowed(false);
  EXPECT_EQ(restarted.state.get(), A::denied);

  system.status = A::denied;
  restarted.setAllowed(true);
  EXPECT_EQ(restarted.authorization(), A::denied) << "the system's refusal wins";
}

}  // namespace
}  // namespace ondi
