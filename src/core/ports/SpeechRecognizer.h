#pragma once

#include <expected>
#include <functional>
#include <memory>
#include <string>

namespace ondi {

// What a running recognition reports. Every call arrives on the main loop.
struct SpeechRecognitionHandlers {
  // The best transcription of what was heard so far; `isFinal` once the recogniser has settled
  // on it, which ends the recognition.
  std::function<void(const std::string& transcript, bool isFinal)> result;
  // The capture or the recognition broke down; nothing more is reported.
  std::function<void(const std::string& description)> failure;
};

// One capture and recognition under way. Dropping it cancels it.
class SpeechRecognitionTask {
 public:
  virtual ~SpeechRecognitionTask() = default;
  // Ends the audio: what was already heard is still recognised and reported.
  virtual void endAudio() = 0;
  // Stops capture and recognition at once; nothing more is reported.
  virtual void cancel() = 0;
};

// Turns what the microphone hears into text, on this computer.
class SpeechRecognizer {
 public:
  virtual ~SpeechRecognizer() = default;
  // Whether a recognition model is installed at all.
  virtual bool isInstalled() const = 0;
  // Whether the recogniser can run right now.
  virtual bool isAvailable() const = 0;
  // Whether there is an audio source to capture from.
  virtual bool hasCaptureSource() const = 0;
  // Starts capture and recognition; the error is the finished sentence of why it could not.
  virtual std::expected<std::unique_ptr<SpeechRecognitionTask>, std::string> start(
      SpeechRecognitionHandlers handlers) = 0;
};

}  // namespace ondi
