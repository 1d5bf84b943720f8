#include <gtest/gtest.h>

#include "core/surface/MicrophonePolicy.h"
#include "core/surface/NavigationDisposition.h"
#include "core/surface/WorkspaceHosts.h"
#include "fakes/FakeMicrophoneAccess.h"

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

TEST(MicrophonePolicy, GrantsOnlyMicrophoneToTrustedOriginsAndAsksOnlyWhenUndecided) {
  using A = MicrophoneAuthorization;
  const struct {
    const char* name;
    std::string origin;
    MediaCaptureKind kind;
    A authorization;
    bool asks;
    std::optional<bool> userAnswer;
    bool granted;
  } cases[] = {
      {"authorized", "https://ondi.example", MediaCaptureKind::microphone, A::authorized, false,
       std::nullopt, true},
      {"denied", "https://ondi.example", MediaCaptureKind::microphone, A::denied, false,
       std::nullopt, false},
      {"restricted", "http://localhost:3000", MediaCaptureKind::microphone, A::restricted, false,
       std::nullopt, false},
      {"user allows", "http://localhost:3000", MediaCaptureKind::microphone, A::notDetermined, true,
       true, true},
      {"user refuses", "https://ondi.example", MediaCaptureKind::microphone, A::notDetermined, true,
       false, false},
      {"camera", "https://ondi.example", MediaCaptureKind::camera, A::notDetermined, false,
       std::nullopt, false},
      {"camera and microphone", "https://ondi.example", MediaCaptureKind::cameraAndMicrophone,
       A::authorized, false, std::nullopt, false},
      {"subdomain", "https://app.ondi.example", MediaCaptureKind::microphone, A::notDetermined,
       false, std::nullopt, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fakes::FakeMicrophoneAccess access;
    access.status = c.authorization;
    MicrophonePolicy policy(kHosts, access);
    std::vector<bool> decisions;

    policy.decide(c.origin, c.kind, [&](bool granted) { decisions.push_back(granted); });
    EXPECT_EQ(access.waiting.size(), c.asks ? 1u : 0u);
    if (c.userAnswer) access.answer(*c.userAnswer);

    EXPECT_EQ(decisions, std::vector<bool>{c.granted});
  }
}

}  // namespace
}  // namespace ondi
