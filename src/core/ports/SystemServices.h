#pragma once

#include <string>

namespace ondi {

// Services of the desktop around the program.
class SystemServices {
 public:
  virtual ~SystemServices() = default;
  // Hands an address (mailto:, tel:, https:) to the system's default handler.
  virtual void openWithDefaultHandler(const std::string& url) = 0;
};

}  // namespace ondi
