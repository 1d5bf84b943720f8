#include "core/voice/DictationController.h"

#include "core/ports/MicrophoneAccess.h"
#include "core/ports/SpeechRecognizer.h"
#include "core/script/SurfaceChannel.h"
#include "core/surface/PageScripts.h"
#include "core/util/Text.h"

namespace ondi {

namespace {

constexpr const char* kMicrophoneOff =
    "Microphone access is off for Ondi. Enable it in Settings → Privacy → Microphone.";

}  // namespace

DictationController::DictationController(SurfaceChannel& page, SpeechRecognizer& recognizer,
                                         MicrophoneAccess& microphone)
    : page_(page), recognizer_(recognizer), microphone_(microphone) {}

DictationController::~DictationController() {
  stopSpeechRecognition(false, true);
}

void DictationController::handleRequest(const std::string& action, const std::string& draft) {
  if (action == "start") {
    startSpeechRecognition(draft);
  } else if (action == "stop") {
    stopSpeechRecognition(true, true);
  } else if (dictating_) {
    stopSpeechRecognition(true, true);
  } else {
    startSpeechRecognition(draft);
  }
}

void DictationController::startSpeechRecognition(const std::string& draft) {
  if (!recognizer_.isInstalled()) {
    publishError("Speech recognition is unavailable on this computer.");
    return;
  }
  switch (microphone_.authorization()) {
    case MicrophoneAuthorization::notDetermined:
      publishSpeechUpdate("requesting", std::nullopt,
                          "Allow speech recognition to dictate into Ondi.");
      // The answer is the permission itself, so a grant goes straight to capture rather than
      // asking the port again.
      microphone_.requestAccess(whileAlive(lifetime_, [this, draft](bool granted) {
        if (granted) {
          beginAudioRecognition(draft);
        } else {
          publishError(kMicrophoneOff);
        }
      }));
      return;
    case MicrophoneAuthorization::denied:
    case MicrophoneAuthorization::restricted:
      publishError(kMicrophoneOff);
      return;
    case MicrophoneAuthorization::authorized:
      beginAudioRecognition(draft);
      return;
  }
}

void DictationController::beginAudioRecognition(const std::string& draft) {
  stopSpeechRecognition(false, true);
  if (!recognizer_.isAvailable()) {
    publishError("Speech recognition is not available right now.");
    return;
  }
  if (!recognizer_.hasCaptureSource()) {
    publishError("No microphone input was found.");
    return;
  }
  speechDraftPrefix_ = trimmedWhitespace(draft);
  const std::uint64_t session = ++session_;
  auto started =
      recognizer_.start({whileAlive(lifetime_,
                                    [this, session](const std::string& transcript, bool isFinal) {
                                      handleResult(session, transcript, isFinal);
                                    }),
                         whileAlive(lifetime_, [this, session](const std::string& description) {
                           handleFailure(session, description);
                         })});
  if (!started) {
    publishError("Could not start dictation: " + started.error());
    stopSpeechRecognition(false, true);
    return;
  }
  task_ = std::move(*started);
  dictating_ = true;
  publishSpeechUpdate("recording", std::nullopt, "Listening...");
}

void DictationController::handleResult(std::uint64_t session, const std::string& transcript,
                                       bool isFinal) {
  if (session != session_ || !dictating_) return;
  const std::string merged = mergeSpeechTranscript(transcript);
  if (isFinal) {
    publishSpeechUpdate("final", merged, "Dictation added.");
    stopSpeechRecognition(true, false);
  } else {
    publishSpeechUpdate("recording", merged, "Listening...");
  }
}

void DictationController::handleFailure(std::uint64_t session, const std::string& description) {
  if (session != session_ || !dictating_) return;
  publishError("Dictation stopped: " + description);
  stopSpeechRecognition(true, true);
}

void DictationController::stopSpeechRecognition(bool notifyWeb, bool cancelTask) {
  if (task_) {
    task_->endAudio();
    if (cancelTask) task_->cancel();
    task_.reset();
  }
  speechDraftPrefix_.clear();
  const bool wasDictating = dictating_;
  dictating_ = false;
  if (notifyWeb && wasDictating) publishSpeechUpdate("stopped", std::nullopt, "Dictation stopped.");
}

std::string DictationController::mergeSpeechTranscript(const std::string& transcript) const {
  const std::string spoken = trimmedWhitespace(transcript);
  if (speechDraftPrefix_.empty()) return spoken;
  if (spoken.empty()) return speechDraftPrefix_;
  return speechDraftPrefix_ + " " + spoken;
}

void DictationController::publishSpeechUpdate(const std::string& status,
                                              const std::optional<std::string>& transcript,
                                              const std::optional<std::string>& message) {
  if (auto script = PageScripts::speechUpdate(status, transcript, message)) {
    page_.runScript(*script);
  }
}

void DictationController::publishError(const std::string& message) {
  publishSpeechUpdate("error", std::nullopt, message);
}

}  // namespace ondi
