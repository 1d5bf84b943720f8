#pragma once

#include "WebKitFixture.h"
#include "core/app/PlatformServices.h"
#include "core/packs/AgentPackCatalog.h"
#include "fakes/FakeEnvironment.h"
#include "fakes/FakeExternalApplications.h"
#include "fakes/FakeMicrophoneAccess.h"
#include "fakes/FakeSecretStore.h"
#include "fakes/FakeSpeechRecognizer.h"
#include "fakes/FakeWebAuthenticator.h"
#include "fakes/InMemorySettingsStore.h"
#include "fakes/RecordingLogger.h"
#include "fakes/RecordingSystemServices.h"
#include "platform/linux/GdkPixbufImageDecoder.h"
#include "platform/linux/GlibScheduler.h"
#include "platform/linux/LinuxSecureRandom.h"
#include "platform/linux/SystemClock.h"

// The services a model needs for tests on a real WebKit: the engine, the main loop and the
// system clock, with recording fakes for what would leave the machine or touch the desktop.
struct WebKitPlatform {
  ondi::PlatformServices services(ondi::HttpTransport& transport) {
    return {scheduler,       clock,        environment,      settings,
            logger,          transport,    webkit.cookies(), webkit.webViews(),
            system,          microphone,   random,           webAuthenticator,
            secrets,         applications, images,           packs,
            speechRecognizer};
  }

  WebKitFixture webkit;
  ondi::AgentPackCatalog packs;
  ondi::fakes::FakeSpeechRecognizer speechRecognizer;
  ondi::platform::GlibScheduler scheduler;
  ondi::platform::SystemClock clock;
  ondi::fakes::FakeEnvironment environment;
  ondi::fakes::InMemorySettingsStore settings;
  ondi::fakes::RecordingLogger logger;
  ondi::fakes::RecordingSystemServices system;
  ondi::fakes::FakeMicrophoneAccess microphone;
  ondi::platform::LinuxSecureRandom random;
  ondi::fakes::FakeWebAuthenticator webAuthenticator;
  ondi::fakes::FakeSecretStore secrets{scheduler};
  ondi::fakes::FakeExternalApplications applications;
  ondi::platform::GdkPixbufImageDecoder images;
};
