// The operator page's conversation state: loading a thread from the service, merging in the turns
// and events the page made itself, keeping a pack's conversation in local storage, and opening
// or starting threads.
(function (root) {
  "use strict";

  const namespace = root.OndiOperator;
  const app = namespace && namespace.app;
  if (!app) return;
  const { history } = namespace;
  const { ui, THREAD_ID } = app;

  function packId() {
    return app.workspaceScope ? String(app.workspaceScope.id ?? "") : "";
  }

  function cachedPackConversation(threadId) {
    const store = app.storage();
    if (!app.workspaceScope || !store) return null;
    return history.readPackConversation(store, packId(), threadId);
  }

  function savePackConversation() {
    const store = app.storage();
    if (!app.workspaceScope || !store) return;
    history.writePackConversation(store, packId(), app.state.activeThreadId, app.state.messages, app.state.events);
  }

  function rememberLocal(map, threadId, items, limit, atHead) {
    const list = map.get(threadId) || [];
    const next = atHead ? [...items, ...list] : [...list, ...items];
    map.set(threadId, atHead ? next.slice(0, limit) : next.slice(-limit));
  }

  function mergeEvents(serviceEvents, threadId) {
    const own = app.localEvents.get(threadId) || [];
    const ids = new Set(own.map((event) => event.id));
    return [...own, ...(Array.isArray(serviceEvents) ? serviceEvents : []).filter((event) => !ids.has(event?.id))];
  }

  // Takes a service answer as the page's state for `threadId`.
  function adoptState(answer, threadId, cached) {
    const next = { ...(answer && typeof answer === "object" ? answer : {}) };
    delete next.ok;
    next.activeThreadId = threadId;
    next.threads = Array.isArray(next.threads) ? next.threads : app.state.threads;
    const serviceMessages = Array.isArray(next.messages) ? next.messages : [];
    if (cached && cached.messages.length && history.hasOnlyServiceWelcome(serviceMessages)) {
      next.messages = cached.messages;
      next.events = cached.events;
    } else {
      next.messages = history.mergeLocalTurns(serviceMessages, app.localTurns.get(threadId));
      next.events = mergeEvents(next.events, threadId);
    }
    app.state = next;
    app.stateLoaded = true;
  }

  async function loadState() {
    const threadId = app.state.activeThreadId;
    const generation = ++app.loadGeneration;
    const cached = cachedPackConversation(threadId);
    const answer = await app.requestJSON(
      "GET",
      "/api/agent/state?threadId=" + encodeURIComponent(threadId) + "&surface=mac_app"
    );
    // A newer load, a prompt or another thread made this answer stale.
    if (generation !== app.loadGeneration || threadId !== app.state.activeThreadId || app.busy) return;
    if (!answer.ok) {
      app.backendUnavailable = true;
      app.setStatus("Could not load live state: " + answer.error);
      app.render();
      return;
    }
    if (app.backendUnavailable && ui.statusText.textContent.startsWith("Could not load live state: ")) app.setStatus("");
    app.backendUnavailable = false;
    adoptState(answer, threadId, cached);
    app.render();
  }

  function refreshState() {
    if (!app.busy) loadState();
  }

  // ---- threads --------------------------------------------------------------------------------

  function packThreadBase() {
    const scope = app.workspaceScope;
    const payloadThread = scope && typeof scope.threadId === "string" ? scope.threadId : "";
    return THREAD_ID.test(payloadThread) ? payloadThread : "pack-" + packId();
  }

  function openThread(id) {
    if (typeof id !== "string" || !THREAD_ID.test(id)) return;
    if (app.workspaceScope) app.storageSet(history.packThreadKey(packId()), id);
    if (id !== app.state.activeThreadId) {
      app.state = { ...app.state, activeThreadId: id, messages: [], events: [] };
      app.localAnswerModel = null;
      app.render(true);
    }
    // While a prompt runs, a load would be discarded as stale; the thread is read when it ends.
    if (app.busy) app.reloadAfterPrompt = true;
    else loadState();
  }

  async function newThread() {
    if (app.busy) return;
    if (app.workspaceScope) {
      const id = (packThreadBase() + "-" + Date.now().toString(36)).slice(-96);
      app.storageSet(history.packThreadKey(packId()), id);
      app.state = { ...app.state, activeThreadId: id, messages: [], events: [] };
      app.localAnswerModel = null;
      app.render(true);
      await loadState();
      ui.promptInput.focus();
      return;
    }
    const generation = ++app.loadGeneration;
    const answer = await app.requestJSON("POST", "/api/agent/new?surface=mac_app");
    if (generation !== app.loadGeneration) return;
    if (!answer.ok) {
      app.setStatus("Could not start a new chat: " + answer.error);
      return;
    }
    const candidate = [answer.activeThreadId, answer.state && answer.state.activeThreadId].find(
      (id) => typeof id === "string" && THREAD_ID.test(id)
    );
    app.localAnswerModel = null;
    adoptState(answer.state, candidate || app.state.activeThreadId, null);
    app.setStatus("");
    app.render(true);
    ui.promptInput.focus();
  }

  Object.assign(app, {
    packId,
    savePackConversation,
    rememberLocal,
    adoptState,
    loadState,
    refreshState,
    openThread,
    newThread,
  });
})(globalThis);
