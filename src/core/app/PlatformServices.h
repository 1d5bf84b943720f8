#pragma once

namespace ondi {

class AgentPackCatalog;
class Clock;
class CookieStore;
class Environment;
class ExternalApplications;
class HttpTransport;
class ImageDecoder;
class Logger;
class MicrophoneAccess;
class Scheduler;
class SecretStore;
class SecureRandom;
class SettingsStore;
class SpeechRecognizer;
class SystemServices;
class WebAuthenticator;
class WebViewFactory;

// The platform adapters the model is built from; the composition root owns them and keeps
// them alive longer than the model.
struct PlatformServices {
  Scheduler& scheduler;
  Clock& clock;
  const Environment& environment;
  SettingsStore& settings;
  Logger& logger;
  HttpTransport& transport;
  CookieStore& cookies;
  WebViewFactory& webViews;
  SystemServices& system;
  MicrophoneAccess& microphone;
  SecureRandom& random;
  WebAuthenticator& webAuthenticator;
  SecretStore& secrets;
  ExternalApplications& applications;
  const ImageDecoder& images;
  // The packs this installation offers.
  const AgentPackCatalog& packs;
  SpeechRecognizer& speechRecognizer;
};

}  // namespace ondi
