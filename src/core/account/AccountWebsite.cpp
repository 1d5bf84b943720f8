#include "core/account/AccountWebsite.h"

#include "core/account/Pkce.h"
#include "core/account/WorkspaceAPIClient.h"
#include "core/ports/Logger.h"
#include "core/ports/SystemServices.h"
#include "core/surface/SurfaceHost.h"

namespace ondi {

std::string AccountWebsite::url() const {
  return workspaceAuthURL("sign-up", api_.managedBrowserBaseURL()).value_or("");
}

void AccountWebsite::open() {
  const std::string address = url();
  if (address.empty()) return;
  logger_.info("account", "Opening account website host=" + hostForLog(address));
  system_.openWithDefaultHandler(address);
}

}  // namespace ondi
