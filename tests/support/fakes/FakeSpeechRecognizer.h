#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/ports/SpeechRecognizer.h"

namespace ondi::fakes {

// A recogniser whose sessions the test drives: it reports what the test says was heard, and
// keeps a log of what the controller asked of each session.
class FakeSpeechRecognizer final : public SpeechRecognizer {
 public:
  struct Session {
    SpeechRecognitionHandlers handlers;
    bool audioEnded = false;
    bool cancelled = false;
    bool dropped = false;
  };

  bool isInstalled() const override { return installed; }
  bool isAvailable() const override { return available; }
  bool hasCaptureSource() const override { return captureSource; }
  std::expected<std::unique_ptr<SpeechRecognitionTask>, std::string> start(
      SpeechRecognitionHandlers handlers) override {
    if (startFailure) return std::unexpected(*startFailure);
    sessions.push_back(std::make_shared<Session>(Session{std::move(handlers)}));
    return std::make_unique<Task>(sessions.back());
  }

  // The session started last.
  Session& current() { return *sessions.back(); }
  void hear(const std::string& transcript, bool isFinal) {
    current().handlers.result(transcript, isFinal);
  }
  void fail(const std::string& description) { current().handlers.failure(description); }

  bool installed = true;
  bool available = true;
  bool captureSource = true;
  std::optional<std::string> startFailure;
  std::vector<std::shared_ptr<Session>> sessions;

 private:
  class Task final : public SpeechRecognitionTask {
   public:
    explicit Task(std::shared_ptr<Session> session) : session_(std::move(session)) {}
    ~Task() override { session_->dropped = true; }
    void endAudio() override { session_->audioEnded = true; }
    void cancel() override { session_->cancelled = true; }

   private:
    std::shared_ptr<Session> session_;
  };
};

}  // namespace ondi::fakes
