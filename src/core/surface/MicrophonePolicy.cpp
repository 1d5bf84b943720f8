#include "core/surface/MicrophonePolicy.h"

#include "core/ports/MicrophoneAccess.h"
#include "core/util/Url.h"

namespace ondi {

void MicrophonePolicy::decide(const std::string& origin, MediaCaptureKind kind,
                              std::function<void(bool)> decide) {
  const auto url = Url::parse(origin);
  if (!url || kind != MediaCaptureKind::microphone ||
      !hosts_.isTrustedMediaCaptureHost(url->host())) {
    decide(false);
    return;
  }
  switch (access_.authorization()) {
    case MicrophoneAuthorization::authorized:
      decide(true);
      return;
    case MicrophoneAuthorization::notDetermined:
      access_.requestAccess(std::move(decide));
      return;
    case MicrophoneAuthorization::denied:
    case MicrophoneAuthorization::restricted:
      decide(false);
      return;
  }
}

}  // namespace ondi
