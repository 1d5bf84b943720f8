#include "core/voice/DictationRequests.h"

#include "core/surface/PageScripts.h"
#include "core/surface/SurfaceChannel.h"

namespace ondi {

void DictationRequests::handle(const std::string&, const std::string&) {
  if (auto script = PageScripts::speechUpdate(
          "error", std::nullopt, "Speech recognition is unavailable on this computer.")) {
    page_.runScript(*script);
  }
}

}  // namespace ondi
