#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "core/ports/MicrophoneAccess.h"
#include "core/published/Published.h"
#include "core/util/Lifetime.h"

namespace ondi {

class SettingsStore;

// The user's own answer to "may Ondi use the microphone?", asked the first time a voice
// feature needs it and kept in the user defaults; Settings changes it later. The system's
// permission, where it has one, still comes first.
class MicrophoneConsent final : public MicrophoneAccess {
 public:
  static constexpr const char* kSettingsKey = "Ondi.microphoneAccess";
  // Shows the question; the answer is handed back once, none when the user dismissed it
  // without choosing (the question comes again next time).
  using Question = std::function<void(std::function<void(std::optional<bool> allowed)> answer)>;

  MicrophoneConsent(MicrophoneAccess& system, SettingsStore& settings);

  MicrophoneAuthorization authorization() const override { return state.get(); }
  // Answers at once when the user has decided; otherwise asks once, however many callers
  // wait. Without anyone to ask, the answer is no and stays undecided.
  void requestAccess(std::function<void(bool granted)> completion) override;

  void setQuestion(Question question) { question_ = std::move(question); }
  // The choice made in Settings.
  void setAllowed(bool allowed);

  Published<MicrophoneAuthorization> state;

 private:
  MicrophoneAuthorization currentAuthorization() const;
  void answer(std::optional<bool> allowed);

  MicrophoneAccess& system_;
  SettingsStore& settings_;
  Question question_;
  std::vector<std::function<void(bool)>> waiting_;
  Lifetime lifetime_;
};

}  // namespace ondi
