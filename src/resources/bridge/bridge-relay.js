// Bridge-world half of the bridge: forwards each message the page half posts to the native
// handler it names, with what it can see of the sender — whether it came from this very window
// through a real postMessage (not a synthetic event, not a child frame), and the sender's origin.
(function () {
  window.addEventListener("message", function (event) {
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
})();
