#pragma once

#include <string>

namespace ondi {

class Logger;
class SystemServices;
class WorkspaceAPIClient;

// The account page of the service's web site, on the origin that API requests go to now.
class AccountWebsite {
 public:
  AccountWebsite(const WorkspaceAPIClient& api, SystemServices& system, Logger& logger)
      : api_(api), system_(system), logger_(logger) {}

  // Empty when the service's address gives none.
  std::string url() const;
  // Opens the page in the system's browser.
  void open();

 private:
  const WorkspaceAPIClient& api_;
  SystemServices& system_;
  Logger& logger_;
};

}  // namespace ondi
