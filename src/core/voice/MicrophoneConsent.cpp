#include "core/voice/MicrophoneConsent.h"

#include "core/ports/SettingsStore.h"

namespace ondi {

MicrophoneConsent::MicrophoneConsent(MicrophoneAccess& system, SettingsStore& settings)
    : system_(system), settings_(settings) {
  state.set(currentAuthorization());
}

MicrophoneAuthorization MicrophoneConsent::currentAuthorization() const {
  const auto system = system_.authorization();
  if (system != MicrophoneAuthorization::authorized) return system;
  const auto stored = settings_.boolValue(kSettingsKey);
  if (!stored) return MicrophoneAuthorization::notDetermined;
  return *stored ? MicrophoneAuthorization::authorized : MicrophoneAuthorization::denied;
}

void MicrophoneConsent::requestAccess(std::function<void(bool)> completion) {
  switch (state.get()) {
    case MicrophoneAuthorization::authorized:
      completion(true);
      return;
    case MicrophoneAuthorization::denied:
    case MicrophoneAuthorization::restricted:
      completion(false);
      return;
    case MicrophoneAuthorization::notDetermined:
      break;
  }
  if (system_.authorization() == MicrophoneAuthorization::notDetermined) {
    system_.requestAccess(
        whileAlive(lifetime_, [this, completion = std::move(completion)](bool granted) mutable {
          state.set(currentAuthorization());
          if (granted) {
            requestAccess(std::move(completion));
          } else {
            completion(false);
          }
        }));
    return;
  }
  if (!question_) {
    completion(false);
    return;
  }
  waiting_.push_back(std::move(completion));
  if (waiting_.size() == 1) {
    question_(whileAlive(lifetime_, [this](std::optional<bool> allowed) { answer(allowed); }));
  }
}

void MicrophoneConsent::setAllowed(bool allowed) {
  settings_.setBool(kSettingsKey, allowed);
  state.set(currentAuthorization());
}

void MicrophoneConsent::answer(std::optional<bool> allowed) {
  if (allowed) setAllowed(*allowed);
  auto waiting = std::move(waiting_);
  waiting_.clear();
  const bool granted = state.get() == MicrophoneAuthorization::authorized;
  for (auto& completion : waiting) completion(granted);
}

}  // namespace ondi
