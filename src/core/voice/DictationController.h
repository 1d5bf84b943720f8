#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/util/Lifetime.h"

namespace ondi {

class MicrophoneAccess;
class SpeechRecognitionTask;
class SpeechRecognizer;
class SurfaceChannel;

// Dictation into the agent page's message box: answers the page's start, stop and toggle
// requests, asks for the microphone, runs the recogniser and sends the page the running
// transcript, merged with what the user had typed before dictating.
class DictationController {
 public:
  DictationController(SurfaceChannel& page, SpeechRecognizer& recognizer,
                      MicrophoneAccess& microphone);
  // Stops dictation without telling the page.
  ~DictationController();
  DictationController(const DictationController&) = delete;
  DictationController& operator=(const DictationController&) = delete;

  // A request of the page: "start", "stop", or anything else to toggle.
  void handleRequest(const std::string& action, const std::string& draft);
  // Asks for the microphone when needed, then starts capture and recognition.
  void startSpeechRecognition(const std::string& draft);
  // Tears the session down; "stopped" goes to the page when `notifyWeb` and dictation was on.
  void stopSpeechRecognition(bool notifyWeb, bool cancelTask);
  // The text typed before dictation, then the spoken words.
  std::string mergeSpeechTranscript(const std::string& transcript) const;
  bool isDictating() const { return dictating_; }

 private:
  void beginAudioRecognition(const std::string& draft);
  void handleResult(std::uint64_t session, const std::string& transcript, bool isFinal);
  void handleFailure(std::uint64_t session, const std::string& description);
  void publishSpeechUpdate(const std::string& status, const std::optional<std::string>& transcript,
                           const std::optional<std::string>& message);
  void publishError(const std::string& message);

  SurfaceChannel& page_;
  SpeechRecognizer& recognizer_;
  MicrophoneAccess& microphone_;
  std::unique_ptr<SpeechRecognitionTask> task_;
  std::string speechDraftPrefix_;
  bool dictating_ = false;
  // Counts sessions, so that a report of an earlier one is not taken for the current one.
  std::uint64_t session_ = 0;
  Lifetime lifetime_;
};

}  // namespace ondi
