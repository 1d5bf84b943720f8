#pragma once

#include "core/app/PlatformServices.h"
#include "core/packs/AgentPackCatalog.h"
#include "fakes/FakeCookieStore.h"
#include "fakes/FakeEnvironment.h"
#include "fakes/FakeExternalApplications.h"
#include "fakes/FakeHttpTransport.h"
#include "fakes/FakeImageDecoder.h"
#include "fakes/FakeMicrophoneAccess.h"
#include "fakes/FakeSecretStore.h"
#include "fakes/FakeSecureRandom.h"
#include "fakes/FakeSpeechRecognizer.h"
#include "fakes/FakeWebAuthenticator.h"
#include "fakes/FakeWebView.h"
#include "fakes/InMemorySettingsStore.h"
#include "fakes/ManualScheduler.h"
#include "fakes/RecordingLogger.h"
#include "fakes/RecordingSystemServices.h"

namespace ondi::fakes {

// One fake of every port, wired the way the composition root wires the real adapters.
struct FakePlatform {
  ManualScheduler scheduler;
  FakeEnvironment environment;
  InMemorySettingsStore settings;
  RecordingLogger logger;
  FakeHttpTransport transport;
  FakeCookieStore cookies{scheduler};
  FakeWebViewFactory webViews;
  RecordingSystemServices system;
  FakeMicrophoneAccess microphone;
  FakeSecureRandom random;
  FakeWebAuthenticator webAuthenticator;
  FakeSecretStore secrets{scheduler};
  FakeExternalApplications applications;
  FakeImageDecoder images;
  AgentPackCatalog packs;
  FakeSpeechRecognizer speechRecognizer;

  PlatformServices services() {
    return {scheduler, scheduler,    environment, settings,   logger,          transport,
            cookies,   webViews,     system,      microphone, random,          webAuthenticator,
            secrets,   applications, images,      packs,      speechRecognizer};
  }
};

}  // namespace ondi::fakes
