#include "core/surface/MicrophonePolicy.h"

#include <algorithm>
#include <vector>

#include "core/ports/MicrophoneAccess.h"
#include "core/util/Url.h"

namespace ondi {
namespace {

std::vector<std::string> queryItems(const std::string& query) {
  std::vector<std::string> items;
  std::size_t start = 0;
  while (start <= query.size()) {
    const auto end = std::min(query.find('&', start), query.size());
    if (end > start) items.push_back(query.substr(start, end - start));
    start = end + 1;
  }
  return items;
}

}  // namespace

// The console is the page at the console's address whose query carries every item of the
// console's own query (the service serves other pages at the same path).
bool MicrophonePolicy::isVoiceConsole(const std::string& committedURL) const {
  const auto page = Url::parse(committedURL);
  const auto console = Url::parse(voiceConsole_());
  if (!page || !console || page->lowercasedScheme() != console->lowercasedScheme() ||
      page->lowercasedHost() != console->lowercasedHost() || page->port() != console->port() ||
      page->path() != console->path()) {
    return false;
  }
  const auto pageItems = queryItems(page->query());
  for (const auto& item : queryItems(console->query())) {
    if (std::find(pageItems.begin(), pageItems.end(), item) == pageItems.end()) return false;
  }
  return true;
}

void MicrophonePolicy::decide(const std::string& committedURL, MediaCaptureKind kind,
                              std::function<void(bool)> decide) {
  const auto url = Url::parse(committedURL);
  if (!url || kind != MediaCaptureKind::microphone ||
      !hosts_.isTrustedMediaCaptureHost(url->lowercasedHost()) || !isVoiceConsole(committedURL)) {
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
