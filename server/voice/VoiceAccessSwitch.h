#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace ondi::server {

// Realtime voice access that tests give an account on top of what its plan allows, so that the
// client's answers to a plan that lacks realtime, an outage and a failing status check can be
// tried. Kept in memory: a restarted server forgets it.
class VoiceAccessSwitch {
 public:
  enum class Access {
    // What the account's plan gives; setting it removes the account's entry.
    plan,
    upgrade,
    unavailable,
    // The status check itself answers with an HTTP error.
    failing,
  };

  struct Setting {
    Access access = Access::plan;
    // Empty for the default sentence of the access.
    std::string reason;
    // The status of a failing check, 400 to 599.
    unsigned failureStatus = 0;
  };

  void set(const std::string& accountId, Setting setting);
  std::optional<Setting> find(std::string_view accountId) const;

 private:
  std::map<std::string, Setting, std::less<>> settings_;
};

}  // namespace ondi::server
