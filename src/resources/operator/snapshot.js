// The thread list the page publishes to the desktop application, sent only when it changed.
(function (root) {
  "use strict";

  function threadEntry(thread) {
    const title = typeof thread.title === "string" && thread.title.trim() ? thread.title : "New chat";
    return {
      id: String(thread.id),
      title,
      preview: typeof thread.preview === "string" ? thread.preview : "",
      updatedAt: typeof thread.updatedAt === "string" ? thread.updatedAt : "",
      messageCount: Number.isFinite(thread.messageCount) ? thread.messageCount : 0,
    };
  }

  function buildThreadSnapshot(activeThreadId, threads) {
    return {
      activeThreadId: String(activeThreadId || "default"),
      threads: (Array.isArray(threads) ? threads : [])
        .filter((thread) => thread && (typeof thread.id === "string" || typeof thread.id === "number"))
        .map(threadEntry),
    };
  }

  // `post(body)` delivers a snapshot message and answers whether it was delivered; `now()` gives
  // the time used in the message id.
  function createSnapshotPublisher(post, now) {
    let lastText = null;
    const clock = now || (() => Date.now());
    return {
      publish(activeThreadId, threads) {
        const snapshot = buildThreadSnapshot(activeThreadId, threads);
        const text = JSON.stringify(snapshot);
        if (text === lastText) return false;
        const body = { id: "thread-sync-" + clock(), action: "syncConversationThreads", ...snapshot };
        if (!post(body)) return false;
        lastText = text;
        return true;
      },
      // The next publication is sent even when nothing changed (the desktop asked again).
      forget() {
        lastText = null;
      },
    };
  }

  const api = { buildThreadSnapshot, createSnapshotPublisher };
  const namespace = (root.OndiOperator = root.OndiOperator || {});
  namespace.snapshot = api;
  if (typeof module !== "undefined") module.exports = api;
})(globalThis);
