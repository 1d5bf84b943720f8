#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>

#include "core/account/DesktopAPI.h"
#include "core/origin/ServiceOrigin.h"
#include "core/ports/Cookie.h"
#include "core/surface/WorkspaceHosts.h"
#include "core/util/Lifetime.h"
#include "core/util/Url.h"

namespace ondi {

class CookieStore;
class Environment;
class HttpTransport;
class Scheduler;

// Every native call to the service's API: one base-URL rule, the cookies the hosted page's
// jar holds for the request's address, and one completion on the main loop.
class WorkspaceAPIClient {
 public:
  using Completion = std::function<void(DesktopAPIResult)>;
  // The surface's current address (empty when none).
  using CurrentAddress = std::function<std::string()>;

  WorkspaceAPIClient(ServiceOrigin origin, const Environment& environment, HttpTransport& transport,
                     CookieStore& cookies, Scheduler& scheduler, CurrentAddress currentAddress);

  // The environment override when usable, else the surface's address when it is on a
  // workspace host, else the agent page on the service's origin.
  static std::string workspaceAPIBaseURL(const std::optional<std::string>& environmentValue,
                                         const std::optional<std::string>& currentWebURL,
                                         const ServiceOrigin& origin);
  // "name=value; name2=value2", as a Cookie request header carries them.
  static std::string cookieHeader(const std::vector<Cookie>& cookies);

  std::string managedBrowserBaseURL() const;

  void performAuthenticatedAPIRequest(const std::string& path, const std::string& method,
                                      const std::optional<std::string>& body,
                                      const std::map<std::string, std::string>& headers,
                                      Completion completion);

  // Deletes every "velmora_session" cookie of a workspace host; completes on the main loop.
  void clearWorkspaceSessionCookies(std::function<void()> completion);

 private:
  void send(const Url& url, const std::string& method, const std::optional<std::string>& body,
            const std::map<std::string, std::string>& headers, std::vector<Cookie> cookies,
            Completion completion);
  void storeResponseCookies(const std::vector<Cookie>& cookies, std::function<void()> done);

  ServiceOrigin origin_;
  WorkspaceHosts hosts_;
  const Environment& environment_;
  HttpTransport& transport_;
  CookieStore& cookies_;
  Scheduler& scheduler_;
  CurrentAddress currentAddress_;
  Lifetime lifetime_;
};

}  // namespace ondi
