#pragma once

#include <string>
#include <vector>

#include "core/ports/SystemServices.h"

namespace ondi::fakes {

class RecordingSystemServices final : public SystemServices {
 public:
  void openWithDefaultHandler(const std::string& url) override { openedURLs.push_back(url); }

  std::vector<std::string> openedURLs;
};

}  // namespace ondi::fakes
