#pragma once

#include <optional>
#include <string>

namespace ondi {

// One HTTP cookie as the cookie jar keeps it.
struct Cookie {
  std::string name;
  std::string value;
  std::string domain;  // as stored: a leading "." marks a domain cookie
  std::string path;
  bool secure = false;
  bool httpOnly = false;
  std::optional<long long> expires;  // seconds since the epoch; absent for a session cookie
  std::string sameSite;              // "", "Lax", "Strict" or "None"

  bool operator==(const Cookie&) const = default;
};

}  // namespace ondi
