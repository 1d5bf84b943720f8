#include "platform/linux/GstPocketSphinxRecognizer.h"

#include <gst/gst.h>

#include <initializer_list>

#include "core/ports/Environment.h"
#include "platform/linux/GstAudioSources.h"
#include "platform/linux/GstRecognitionSession.h"

namespace ondi::platform {

namespace {

bool gstreamerStarted() {
  static const bool started = gst_init_check(nullptr, nullptr, nullptr);
  return started;
}

bool hasElements(std::initializer_list<const char*> names) {
  for (const char* name : names) {
    GstElementFactory* factory = gst_element_factory_find(name);
    if (!factory) return false;
    gst_object_unref(factory);
  }
  return true;
}

}  // namespace

PocketSphinxConfiguration PocketSphinxConfiguration::fromEnvironment(
    const Environment& environment) {
  PocketSphinxConfiguration configuration;
  if (auto file = environment.value("ONDI_DICTATION_AUDIO_FILE"); file && !file->empty()) {
    configuration.audioFile = *file;
  }
  if (auto grammar = environment.value("ONDI_DICTATION_GRAMMAR"); grammar && !grammar->empty()) {
    configuration.grammar = *grammar;
  }
  return configuration;
}

GstPocketSphinxRecognizer::GstPocketSphinxRecognizer(PocketSphinxConfiguration configuration)
    : configuration_(std::move(configuration)) {}

bool GstPocketSphinxRecognizer::isInstalled() const {
  const auto& folder = configuration_.modelFolder;
  std::error_code error;
  return std::filesystem::is_regular_file(folder / "en-us" / "mdef", error) &&
         std::filesystem::is_regular_file(folder / "en-us.lm.bin", error) &&
         std::filesystem::is_regular_file(folder / "cmudict-en-us.dict", error);
}

bool GstPocketSphinxRecognizer::isAvailable() const {
  if (!gstreamerStarted()) return false;
  if (!hasElements({"audioconvert", "audioresample", "queue", "pocketsphinx", "fakesink"})) {
    return false;
  }
  return configuration_.audioFile ? hasElements({"filesrc", "wavparse"})
                                  : hasElements({"pulsesrc"});
}

bool GstPocketSphinxRecognizer::hasCaptureSource() const {
  if (configuration_.audioFile) {
    std::error_code error;
    return std::filesystem::is_regular_file(*configuration_.audioFile, error);
  }
  return gstreamerStarted() && hasMicrophoneSource();
}

std::expected<std::unique_ptr<SpeechRecognitionTask>, std::string> GstPocketSphinxRecognizer::start(
    SpeechRecognitionHandlers handlers) {
  if (!gstreamerStarted()) return std::unexpected("GStreamer could not start.");
  const auto& folder = configuration_.modelFolder;
  return GstRecognitionSession::start(
      {configuration_.audioFile, folder / "en-us", folder / "en-us.lm.bin",
       folder / "cmudict-en-us.dict", configuration_.grammar},
      std::move(handlers), worker_);
}

}  // namespace ondi::platform
