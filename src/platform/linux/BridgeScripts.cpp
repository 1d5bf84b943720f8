#include "platform/linux/BridgeScripts.h"

#include <nlohmann/json.hpp>

namespace ondi::platform {

std::string bridgePageScript(const std::vector<std::string>& handlerNames) {
  const std::string names = nlohmann::json(handlerNames).dump();
  return R"((function() {
  const handlers = {};
  for (const name of )" +
         names + R"() {
    handlers[name] = Object.freeze({
      postMessage(body) { window.postMessage({ velmoraBridge: name, body: body }, "*"); }
    });
  }
  Object.defineProperty(window, "webkit", {
    value: Object.freeze({ messageHandlers: Object.freeze(handlers) }),
    configurable: false, enumerable: false, writable: false
  });
})();)";
}

std::string bridgeRelayScript() {
  return R"((function() {
  window.addEventListener("message", function(event) {
    const data = event.data;
    if (!data || typeof data !== "object" || typeof data.velmoraBridge !== "string") return;
    const handler = window.webkit && window.webkit.messageHandlers[data.velmoraBridge];
    if (!handler) return;
    const fromThisWindow = event.isTrusted === true && event.source === window;
    handler.postMessage({
      body: data.body === undefined ? null : data.body,
      isMainFrame: fromThisWindow && window === window.top,
      origin: fromThisWindow ? window.location.origin : String(event.origin)
    });
  }, true);
})();)";
}

}  // namespace ondi::platform
