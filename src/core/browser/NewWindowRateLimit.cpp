#include "core/browser/NewWindowRateLimit.h"

#include "core/ports/Clock.h"

namespace ondi {

bool NewWindowRateLimit::admit(const WebView& view) {
  const auto now = clock_.now();
  auto& opened = recent_[&view];
  // A clock set back makes earlier times lie in the future; they no longer count either.
  std::erase_if(opened, [&](const auto& time) { return time > now || now - time >= kInterval; });
  if (opened.size() >= kMaximumWindows) return false;
  opened.push_back(now);
  return true;
}

}  // namespace ondi
