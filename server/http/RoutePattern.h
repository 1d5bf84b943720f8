#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "http/Request.h"

namespace ondi::server {

// A path pattern such as "/api/connectors/{id}": literal segments match exactly, and a "{name}"
// segment matches any one non-empty segment and captures it under that name.
class RoutePattern {
 public:
  explicit RoutePattern(std::string_view pattern);

  const std::string& text() const { return text_; }

  // The captured segments when the whole path matches.
  std::optional<Request::Fields> match(std::string_view path) const;

 private:
  struct Segment {
    std::string text;
    bool captures;
  };

  std::string text_;
  std::vector<Segment> segments_;
};

}  // namespace ondi::server
