#include "auth/ReturnPath.h"

#include <algorithm>
#include <cstddef>

namespace ondi::server {
namespace {

constexpr std::size_t kMaxReturnPathLength = 2048;

}  // namespace

bool isLocalPath(std::string_view path) {
  return path.size() <= kMaxReturnPathLength && path.starts_with('/') && !path.starts_with("//") &&
         !path.starts_with("/\\") &&
         std::ranges::none_of(path, [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

}  // namespace ondi::server
