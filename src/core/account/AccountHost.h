#pragma once

#include <string>

namespace ondi {

class VelmoraRoute;

// What the account parts ask of the rest of the model.
class AccountHost {
 public:
  virtual ~AccountHost() = default;
  virtual void load(const VelmoraRoute& route) = 0;
  // Runs a script in the surface, ignoring its result.
  virtual void runSurfaceScript(const std::string& script) = 0;
};

}  // namespace ondi
