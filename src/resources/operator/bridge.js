// Requests to the desktop application over its script-message handlers. Each request waits for
// the reply that carries its id, or for its time-out; a reply that comes later is ignored.
(function (root) {
  "use strict";

  // Milliseconds. A property of the bridge, so that a host can shorten them (tests do).
  const timeouts = {
    openAI: 95000,
    openAIStatus: 2500,
    desktopAction: 12000,
    managedWorkflow: 20000,
  };

  const OPENAI_UNAVAILABLE = "Direct OpenAI is unavailable in this build.";
  const OPENAI_TIMED_OUT = "Direct OpenAI fallback timed out.";
  const DESKTOP_UNAVAILABLE = "Desktop actions are unavailable in this build.";
  const DESKTOP_TIMED_OUT = "The desktop app did not answer in time.";

  function messageHandler(name, scope) {
    const handlers = (scope || root).webkit?.messageHandlers;
    const handler = handlers ? handlers[name] : null;
    return handler && typeof handler.postMessage === "function" ? handler : null;
  }

  function postMessage(name, body, scope) {
    const handler = messageHandler(name, scope);
    if (!handler) return false;
    try {
      handler.postMessage(body);
      return true;
    } catch (error) {
      return false;
    }
  }

  let sequence = 0;
  function newRequestId(prefix) {
    sequence += 1;
    const random = root.crypto && typeof root.crypto.randomUUID === "function" ? root.crypto.randomUUID() : Math.random().toString(36).slice(2);
    return prefix + "-" + Date.now().toString(36) + "-" + sequence + "-" + random;
  }

  // One map of requests waiting for replies, keyed by id.
  function createPendingRequests(timers) {
    const setTimer = (timers && timers.setTimeout) || ((fn, ms) => root.setTimeout(fn, ms));
    const clearTimer = (timers && timers.clearTimeout) || ((handle) => root.clearTimeout(handle));
    const pending = new Map();

    return {
      // Registers `id`, then runs `send()`; resolves with the reply, or with `timeoutReply` after
      // `timeoutMs`.
      wait(id, timeoutMs, timeoutReply, send) {
        return new Promise((resolve) => {
          const timer = setTimer(() => {
            if (!pending.has(id)) return;
            pending.delete(id);
            resolve(timeoutReply);
          }, timeoutMs);
          pending.set(id, { resolve, timer });
          send();
        });
      },
      // Resolves the request the reply names; false when none waits (unknown or late).
      settle(reply) {
        const id = reply && typeof reply.id === "string" ? reply.id : null;
        const entry = id === null ? null : pending.get(id);
        if (!entry) return false;
        pending.delete(id);
        clearTimer(entry.timer);
        entry.resolve(reply);
        return true;
      },
      has(id) {
        return pending.has(id);
      },
      get size() {
        return pending.size;
      },
    };
  }

  // Desktop actions and the direct OpenAI fallback. `options.post(name, body)` delivers a message
  // and answers whether a handler took it; `options.hasHandler(name)` says whether one exists.
  function createBridge(options) {
    const post = (options && options.post) || ((name, body) => postMessage(name, body));
    const hasHandler = (options && options.hasHandler) || ((name) => messageHandler(name) !== null);
    const limits = (options && options.timeouts) || timeouts;
    const desktopRequests = createPendingRequests(options && options.timers);
    const openAIRequests = createPendingRequests(options && options.timers);

    function desktopAction(fields, timeoutKey) {
      const id = newRequestId("desktop");
      const body = { id, ...fields };
      if (!hasHandler("velmoraDesktopAction")) {
        return Promise.resolve({ id, ok: false, kind: "desktopAction", error: DESKTOP_UNAVAILABLE, unavailable: true });
      }
      const isWorkflow = timeoutKey === "managedWorkflow";
      const timeoutReply = isWorkflow
        ? { id, ok: false, kind: "desktopAction", timedOut: true }
        : { id, ok: false, kind: "desktopAction", error: DESKTOP_TIMED_OUT, timedOut: true };
      return desktopRequests.wait(id, limits[isWorkflow ? "managedWorkflow" : "desktopAction"], timeoutReply, () => {
        if (!post("velmoraDesktopAction", body)) desktopRequests.settle({ id, ok: false, kind: "desktopAction", error: DESKTOP_UNAVAILABLE });
      });
    }

    function openAI(fields) {
      const id = newRequestId("openai");
      const body = { id, ...fields };
      const kind = fields.action === "status" ? "status" : "message";
      if (!hasHandler("velmoraOpenAI")) {
        return Promise.resolve({ id, ok: false, kind, error: OPENAI_UNAVAILABLE, unavailable: true });
      }
      const limit = kind === "status" ? limits.openAIStatus : limits.openAI;
      return openAIRequests.wait(id, limit, { id, ok: false, kind, error: OPENAI_TIMED_OUT, timedOut: true }, () => {
        if (!post("velmoraOpenAI", body)) openAIRequests.settle({ id, ok: false, kind, error: OPENAI_UNAVAILABLE });
      });
    }

    return {
      desktopAction,
      openAI,
      receiveDesktopActionUpdate: (reply) => desktopRequests.settle(reply),
      receiveOpenAIUpdate: (reply) => openAIRequests.settle(reply),
      pendingCount: () => desktopRequests.size + openAIRequests.size,
    };
  }

  const api = {
    OPENAI_TIMED_OUT,
    OPENAI_UNAVAILABLE,
    DESKTOP_TIMED_OUT,
    DESKTOP_UNAVAILABLE,
    createBridge,
    createPendingRequests,
    messageHandler,
    newRequestId,
    postMessage,
    timeouts,
  };
  const namespace = (root.OndiOperator = root.OndiOperator || {});
  namespace.bridge = api;
  if (typeof module !== "undefined") module.exports = api;
})(globalThis);
