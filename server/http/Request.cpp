#include "http/Request.h"

std::optional<std::string> Request::queryItem(std::string_view name) const {
  const auto found = queryItems.find(name);
  if (found == queryItems.end()) return std::nullopt;
  return found->second;
}
