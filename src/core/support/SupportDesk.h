#pragma once

#include <optional>
#include <string>

namespace ondi {

class BrowserWorkspaceController;
class Logger;
class SystemServices;
class WorkspaceAPIClient;
struct NavigationState;
struct ServiceOrigin;

// The support screen's operations: the service's contact page in the in-app browser, a
// message to the support address through the system's mail handler, and the diagnostics
// summary.
class SupportDesk {
 public:
  struct Dependencies {
    const ServiceOrigin& origin;
    const WorkspaceAPIClient& api;
    BrowserWorkspaceController& browser;
    const NavigationState& navigation;
    SystemServices& system;
    Logger& logger;
    // The application's short version; none in a development build.
    std::optional<std::string> shortVersion;
  };

  explicit SupportDesk(Dependencies dependencies) : deps_(std::move(dependencies)) {}

  std::string supportEmailAddress() const;
  // "/page.html?view=contact" on the web origin API requests go to now; empty when the
  // service's address gives none.
  std::string contactPageURL() const;
  // A mailto: address to the support address with the subject "Ondi Desktop Support".
  std::string mailComposeURL() const;

  void openContactPage();
  void composeEmail();
  // The summary as it stands now; it holds no identity, token or cookie.
  std::string diagnostics() const;

 private:
  Dependencies deps_;
};

}  // namespace ondi
