#include "http/Request.h"

namespace ondi::server {

std::optional<std::string> Request::queryItem(std::string_view name) const {
  const auto found = queryItems.find(name);
  if (found == queryItems.end()) return std::nullopt;
  return found->second;
}

}  // namespace ondi::server
