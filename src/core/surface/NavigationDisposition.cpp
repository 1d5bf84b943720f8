#include "core/surface/NavigationDisposition.h"

#include "core/util/Url.h"

namespace ondi {

bool isSystemHandledScheme(const std::string& lowercasedScheme) {
  return lowercasedScheme == "mailto" || lowercasedScheme == "tel";
}

PrivilegedWorkspaceNavigationDisposition privilegedNavigationDisposition(
    const std::string& url, std::optional<bool> targetFrameIsMain, bool isUserGesture,
    const WorkspaceHosts& hosts) {
  using D = PrivilegedWorkspaceNavigationDisposition;
  const auto parsed = Url::parse(url);
  if (!parsed) return D::block;
  const bool mainOrUnknown = targetFrameIsMain.value_or(true);
  const std::string scheme = parsed->lowercasedScheme();
  if (isSystemHandledScheme(scheme)) {
    return mainOrUnknown && isUserGesture ? D::openWithSystem : D::block;
  }
  if (scheme == "http" || scheme == "https") {
    if (hosts.isSecureWorkspaceOrigin(scheme, parsed->host())) return D::allowInSurface;
    return mainOrUnknown ? D::openInAppBrowser : D::block;
  }
  return D::block;
}

}  // namespace ondi
