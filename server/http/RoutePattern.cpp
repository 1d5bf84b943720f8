#include "http/RoutePattern.h"

#include <stdexcept>

namespace ondi::server {
namespace {

// The segments after the leading '/', so "/a//b" gives "a", "", "b". A path that does not begin
// with '/' gives nothing.
std::optional<std::vector<std::string_view>> splitPath(std::string_view path) {
  if (path.empty() || path.front() != '/') return std::nullopt;
  std::vector<std::string_view> segments;
  std::size_t start = 1;
  while (true) {
    const std::size_t slash = path.find('/', start);
    segments.push_back(path.substr(start, slash - start));
    if (slash == std::string_view::npos) return segments;
    start = slash + 1;
  }
}

}  // namespace

RoutePattern::RoutePattern(std::string_view pattern) : text_(pattern) {
  const auto parts = splitPath(pattern);
  if (!parts) throw std::invalid_argument("A route pattern must begin with '/'.");
  for (std::string_view part : *parts) {
    const bool captures = part.size() > 2 && part.front() == '{' && part.back() == '}';
    segments_.push_back(Segment{
        .text = std::string(captures ? part.substr(1, part.size() - 2) : part),
        .captures = captures,
    });
  }
}

std::optional<Request::Fields> RoutePattern::match(std::string_view path) const {
  const auto parts = splitPath(path);
  if (!parts || parts->size() != segments_.size()) return std::nullopt;
  Request::Fields captured;
  for (std::size_t i = 0; i < segments_.size(); ++i) {
    const Segment& segment = segments_[i];
    const std::string_view part = (*parts)[i];
    if (segment.captures) {
      if (part.empty()) return std::nullopt;
      captured.insert_or_assign(segment.text, std::string(part));
    } else if (part != segment.text) {
      return std::nullopt;
    }
  }
  return captured;
}

}  // namespace ondi::server
