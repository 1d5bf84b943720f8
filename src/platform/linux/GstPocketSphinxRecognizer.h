#pragma once

#include <filesystem>
#include <optional>

#include "core/ports/SpeechRecognizer.h"
#include "platform/linux/SerialWorker.h"

namespace ondi {
class Environment;
}

namespace ondi::platform {

// Where the recogniser's model is and what it listens to.
struct PocketSphinxConfiguration {
  // The packaged US-English model: an acoustic model folder "en-us", the language model
  // "en-us.lm.bin" and the pronouncing dictionary "cmudict-en-us.dict".
  std::filesystem::path modelFolder = "/usr/share/pocketsphinx/model/en-us";
  // A finite-state grammar file that limits recognition to its phrases.
  std::optional<std::filesystem::path> grammar;
  // A WAV file that stands in for the microphone.
  std::optional<std::filesystem::path> audioFile;

  // The default model, with ONDI_DICTATION_AUDIO_FILE and ONDI_DICTATION_GRAMMAR applied.
  static PocketSphinxConfiguration fromEnvironment(const Environment& environment);
};

// Dictation on this computer: PocketSphinx in a GStreamer pipeline fed by the sound server's
// microphone. GStreamer starts and the model loads only when dictation first starts.
class GstPocketSphinxRecognizer final : public SpeechRecognizer {
 public:
  explicit GstPocketSphinxRecognizer(PocketSphinxConfiguration configuration);

  bool isInstalled() const override;
  bool isAvailable() const override;
  bool hasCaptureSource() const override;
  std::expected<std::unique_ptr<SpeechRecognitionTask>, std::string> start(
      SpeechRecognitionHandlers handlers) override;

 private:
  PocketSphinxConfiguration configuration_;
  // Loads and unloads decoders; declared last so that it finishes before the rest goes.
  SerialWorker worker_;
};

}  // namespace ondi::platform
