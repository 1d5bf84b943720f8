// Page-world half of the bridge: window.webkit.messageHandlers.<name>.postMessage(body) posts
// {velmoraBridge: name, body} to the page's own window, for the relay to pick up.
//
// One function expression, which the desktop calls with the handler names.
(function (handlerNames) {
  const handlers = {};
  for (const name of handlerNames) {
    handlers[name] = Object.freeze({
      postMessage(body) { window.postMessage({ velmoraBridge: name, body: body }, "*"); }
    });
  }
  Object.defineProperty(window, "webkit", {
    value: Object.freeze({ messageHandlers: Object.freeze(handlers) }),
    configurable: false, enumerable: false, writable: false
  });
})
