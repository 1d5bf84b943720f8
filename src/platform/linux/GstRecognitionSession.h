#pragma once

#include <expected>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "core/ports/SpeechRecognizer.h"

namespace ondi::platform {

class SerialWorker;

// What one recognition pipeline captures from and recognises with.
struct RecognitionPipelineSettings {
  // A WAV file to take the audio from instead of the sound server's microphone.
  std::optional<std::filesystem::path> audioFile;
  std::filesystem::path acousticModel;
  std::filesystem::path languageModel;
  std::filesystem::path dictionary;
  // A finite-state grammar that replaces the language model.
  std::optional<std::filesystem::path> grammar;
};

// One GStreamer pipeline from the capture source through PocketSphinx. Capture starts at once
// and its audio waits in an unbounded queue while the decoder loads its model on the worker,
// so nothing said during the load is lost. Results come to the main loop through the
// pipeline's bus; state changes that block run on the worker.
class GstRecognitionSession final : public SpeechRecognitionTask {
 public:
  static std::expected<std::unique_ptr<SpeechRecognitionTask>, std::string> start(
      const RecognitionPipelineSettings& settings, SpeechRecognitionHandlers handlers,
      SerialWorker& worker);
  ~GstRecognitionSession() override;

  void endAudio() override;
  void cancel() override;

  struct Pipeline;

 private:
  explicit GstRecognitionSession(std::shared_ptr<Pipeline> pipeline);

  std::shared_ptr<Pipeline> pipeline_;
};

}  // namespace ondi::platform
