#pragma once

#include <filesystem>

#include "core/app/DesktopBrowserModel.h"
#include "core/packs/AgentPackCatalog.h"
#include "platform/linux/AgentPackManifestFile.h"
#include "platform/linux/DesktopMicrophoneAccess.h"
#include "platform/linux/GdkPixbufImageDecoder.h"
#include "platform/linux/GioExternalApplications.h"
#include "platform/linux/GioSystemServices.h"
#include "platform/linux/GlibLogger.h"
#include "platform/linux/GlibScheduler.h"
#include "platform/linux/GstPocketSphinxRecognizer.h"
#include "platform/linux/JsonSettingsStore.h"
#include "platform/linux/LibsecretSecretStore.h"
#include "platform/linux/LinuxSecureRandom.h"
#include "platform/linux/ProcessEnvironment.h"
#include "platform/linux/SoupHttpTransport.h"
#include "platform/linux/SystemClock.h"
#include "platform/linux/WebKitCookieStore.h"
#include "platform/linux/WebKitNetwork.h"
#include "platform/linux/WebKitWebAuthenticator.h"
#include "platform/linux/WebKitWebViewFactory.h"

namespace ondi::platform {

// Where the program keeps its files: settings, web data and cookies, caches.
struct DesktopFolders {
  std::filesystem::path config;
  std::filesystem::path data;
  std::filesystem::path cache;

  // The "ondi" folders under the XDG base directories.
  static DesktopFolders forCurrentUser();
};

// Every Linux adapter and the model, built once GTK has started and kept for the process.
struct DesktopComposition {
  explicit DesktopComposition(const DesktopFolders& folders);

  GlibLogger logger;
  GlibScheduler scheduler;
  SystemClock clock;
  ProcessEnvironment environment;
  JsonSettingsStore settings;
  SoupHttpTransport transport;
  WebKitNetwork network;
  WebKitCookieStore cookies;
  WebKitWebViewFactory webViews;
  GioSystemServices system;
  DesktopMicrophoneAccess microphone;
  LinuxSecureRandom random;
  WebKitWebAuthenticator webAuthenticator;
  LibsecretSecretStore secrets;
  GioExternalApplications applications;
  GdkPixbufImageDecoder images;
  GstPocketSphinxRecognizer speechRecognizer{
      PocketSphinxConfiguration::fromEnvironment(environment)};
  AgentPackCatalog packs{readAgentPackManifest()};
  DesktopBrowserModel model;
};

}  // namespace ondi::platform
