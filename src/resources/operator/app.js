// The operator page: its state, rendering, the service requests, the composer and the globals the
// desktop application calls.
(function (root) {
  "use strict";

  const namespace = root.OndiOperator;
  const doc = root.document;
  if (!namespace || !doc) return;
  const { classifier, markdown, history, snapshot, bridge: bridgeModule, thinking } = namespace;

  const POLL_INTERVAL = 10000;
  const STICKY_DISTANCE = 120;
  const PROMPT_MIN_HEIGHT = 38;
  const PROMPT_MAX_HEIGHT = 150;
  const EVENTS_KEPT = 16;
  const EVENTS_SHOWN = 6;
  const LOCAL_TURNS_KEPT = 40;
  const TRANSIENT_STATUS = 1500;
  const THREAD_ID = /^[A-Za-z0-9_-]{1,96}$/;
  const MAIN_OPERATOR = "Main operator";
  const DEFAULT_WELCOME = "Type a task or tap the mic to dictate a prompt.";
  const PENDING_TEXT = "Scheming…";

  const ui = {};
  for (const id of [
    "workspaceTitle", "runtimeMode", "modelSelect", "accountBadge", "refreshButton", "threadScroll",
    "welcomePanel", "threadTitle", "welcomeCopy", "starterCards", "messageList", "workspacePanel",
    "workspaceSectionTitle", "workspaceMeta", "usageMeta", "eventList", "composer", "newThreadButton",
    "promptInput", "micButton", "sendButton", "statusText",
  ]) {
    ui[id] = doc.getElementById(id);
  }

  let state = { activeThreadId: "default", messages: [], events: [], threads: [] };
  let workspaceScope = null;
  let busy = false;
  const speechState = { active: false };
  const localOpenAIStatus = { checked: false, enabled: true, hasAPIKey: false, model: "gpt-5.6-sol" };
  let selectedModel = { mode: "auto", title: "Auto" };
  // Turns and events this page made itself (desktop actions, local answers, errors), by thread:
  // the service does not hold them, so they are put back after every load.
  const localTurns = new Map();
  const localEvents = new Map();
  let localAnswerModel = null;
  let backendUnavailable = false;
  let loadGeneration = 0;
  let statusTimer = null;
  let renderedMessagesKey = null;
  let stateLoaded = false;
  let indicators = [];
  let reloadAfterPrompt = false;
  // The page's own starter cards, put back when a pack without workflows is opened.
  const defaultStarterCards = ui.starterCards ? [...ui.starterCards.children].map((card) => card.cloneNode(true)) : [];

  const bridge = bridgeModule.createBridge();
  const publisher = snapshot.createSnapshotPublisher(
    (body) => bridgeModule.postMessage("velmoraConversationState", body) || bridgeModule.postMessage("velmoraDesktopAction", body)
  );

  // ---- small helpers --------------------------------------------------------------------------

  function nowISO() {
    return new Date().toISOString();
  }

  function localId(kind) {
    return "local-" + kind + "-" + Date.now().toString(36) + "-" + Math.random().toString(36).slice(2, 8);
  }

  function storage() {
    try {
      return root.localStorage || null;
    } catch (error) {
      return null;
    }
  }

  function storageGet(key) {
    try {
      return storage()?.getItem(key) ?? null;
    } catch (error) {
      return null;
    }
  }

  function storageSet(key, value) {
    try {
      storage()?.setItem(key, value);
    } catch (error) {
      // Storage may be unavailable; the pack simply starts from the service's state.
    }
  }

  function errorText(data) {
    if (!data || typeof data !== "object") return "";
    if (typeof data.error === "string") return data.error;
    if (data.error && typeof data.error.message === "string") return data.error.message;
    if (typeof data.message === "string") return data.message;
    return "";
  }

  async function requestJSON(method, path, body) {
    let response;
    try {
      response = await root.fetch(path, {
        method,
        credentials: "include",
        cache: "no-store",
        headers: body === undefined ? { Accept: "application/json" } : { Accept: "application/json", "Content-Type": "application/json" },
        body: body === undefined ? undefined : JSON.stringify(body),
      });
    } catch (error) {
      return { ok: false, error: "The Ondi service could not be reached." };
    }
    let data = null;
    try {
      data = await response.json();
    } catch (error) {
      data = null;
    }
    if (!response.ok || !data || typeof data !== "object" || data.ok === false) {
      return { ok: false, status: response.status, error: errorText(data) || "The Ondi service answered " + response.status + "." };
    }
    return { ...data, ok: true };
  }

  function setStatus(text, duration) {
    if (statusTimer) root.clearTimeout(statusTimer);
    statusTimer = null;
    ui.statusText.textContent = text || "";
    if (text && duration) {
      statusTimer = root.setTimeout(() => {
        statusTimer = null;
        if (ui.statusText.textContent === text) ui.statusText.textContent = "";
      }, duration);
    }
  }

  function operatorMode() {
    const option = ui.modelSelect.selectedOptions[0];
    return option ? option.textContent.trim() : MAIN_OPERATOR;
  }

  function selectOperator(title, addWhenMissing) {
    const wanted = String(title ?? "").trim();
    if (!wanted) return false;
    let option = [...ui.modelSelect.options].find((candidate) => candidate.textContent.trim() === wanted);
    if (!option && addWhenMissing) {
      option = doc.createElement("option");
      option.textContent = wanted;
      ui.modelSelect.append(option);
    }
    if (!option) return false;
    ui.modelSelect.value = option.value;
    option.selected = true;
    return true;
  }

  // ---- prompt box -----------------------------------------------------------------------------

  function sizePrompt() {
    const input = ui.promptInput;
    input.style.height = "auto";
    const height = Math.min(PROMPT_MAX_HEIGHT, Math.max(PROMPT_MIN_HEIGHT, input.scrollHeight));
    input.style.height = height + "px";
    input.style.overflowY = input.scrollHeight > PROMPT_MAX_HEIGHT ? "auto" : "hidden";
    ui.composer.classList.toggle("has-text", input.value.trim() !== "");
  }

  function fillPrompt(text) {
    const input = ui.promptInput;
    input.value = text;
    input.dispatchEvent(new Event("input", { bubbles: true }));
    input.focus();
    input.setSelectionRange(input.value.length, input.value.length);
  }

  function preparePrompt(prompt, title) {
    if (title) selectOperator(title, true);
    fillPrompt(String(prompt ?? ""));
  }

  // ---- state ----------------------------------------------------------------------------------

  function packId() {
    return workspaceScope ? String(workspaceScope.id ?? "") : "";
  }

  function cachedPackConversation(threadId) {
    const store = storage();
    if (!workspaceScope || !store) return null;
    return history.readPackConversation(store, packId(), threadId);
  }

  function savePackConversation() {
    const store = storage();
    if (!workspaceScope || !store) return;
    history.writePackConversation(store, packId(), state.activeThreadId, state.messages, state.events);
  }

  function rememberLocal(map, threadId, items, limit, atHead) {
    const list = map.get(threadId) || [];
    const next = atHead ? [...items, ...list] : [...list, ...items];
    map.set(threadId, atHead ? next.slice(0, limit) : next.slice(-limit));
  }

  function mergeEvents(serviceEvents, threadId) {
    const own = localEvents.get(threadId) || [];
    const ids = new Set(own.map((event) => event.id));
    return [...own, ...(Array.isArray(serviceEvents) ? serviceEvents : []).filter((event) => !ids.has(event?.id))];
  }

  // Takes a service answer as the page's state for `threadId`.
  function adoptState(answer, threadId, cached) {
    const next = { ...(answer && typeof answer === "object" ? answer : {}) };
    delete next.ok;
    next.activeThreadId = threadId;
    next.threads = Array.isArray(next.threads) ? next.threads : state.threads;
    const serviceMessages = Array.isArray(next.messages) ? next.messages : [];
    if (cached && cached.messages.length && history.hasOnlyServiceWelcome(serviceMessages)) {
      next.messages = cached.messages;
      next.events = cached.events;
    } else {
      next.messages = history.mergeLocalTurns(serviceMessages, localTurns.get(threadId));
      next.events = mergeEvents(next.events, threadId);
    }
    state = next;
    stateLoaded = true;
  }

  async function loadState() {
    const threadId = state.activeThreadId;
    const generation = ++loadGeneration;
    const cached = cachedPackConversation(threadId);
    const answer = await requestJSON(
      "GET",
      "/api/agent/state?threadId=" + encodeURIComponent(threadId) + "&surface=mac_app"
    );
    // A newer load, a prompt or another thread made this answer stale.
    if (generation !== loadGeneration || threadId !== state.activeThreadId || busy) return;
    if (!answer.ok) {
      backendUnavailable = true;
      setStatus("Could not load live state: " + answer.error);
      render();
      return;
    }
    if (backendUnavailable && ui.statusText.textContent.startsWith("Could not load live state: ")) setStatus("");
    backendUnavailable = false;
    adoptState(answer, threadId, cached);
    render();
  }

  function refreshState() {
    if (!busy) loadState();
  }

  // ---- rendering ------------------------------------------------------------------------------

  function runtimeModeText() {
    const runtime = state.runtime;
    if (typeof runtime === "string" && runtime.trim()) return runtime.trim();
    if (runtime && typeof runtime === "object") {
      for (const key of ["mode", "label", "status"]) {
        if (typeof runtime[key] === "string" && runtime[key].trim()) return runtime[key].trim();
      }
    }
    return null;
  }

  function activeThreadTitle() {
    const thread = (Array.isArray(state.threads) ? state.threads : []).find((entry) => entry && entry.id === state.activeThreadId);
    const title = thread && typeof thread.title === "string" ? thread.title.trim() : "";
    return title && title !== "New chat" ? title : "Ondi operator";
  }

  function isGuest(account) {
    if (!account || typeof account !== "object") return true;
    return account.guest === true || account.isGuest === true || account.authenticated === false || account.signedIn === false;
  }

  function accountBadgeText() {
    if (localAnswerModel) return "Local";
    const account = state.account;
    if (isGuest(account)) return "Guest · Free";
    return account.email || account.name || "Signed in";
  }

  function countOf(value) {
    if (Array.isArray(value)) return value.length;
    if (Number.isFinite(value)) return value;
    return 0;
  }

  function renderHeader() {
    const modelTitle = selectedModel.title;
    const serviceMode = backendUnavailable ? "Backend unavailable" : runtimeModeText();
    let runtimeLine;
    if (workspaceScope) {
      const packTitle = String(workspaceScope.title || "Pack");
      ui.workspaceTitle.textContent = workspaceScope.workspaceName || packTitle + " Workspace";
      ui.threadTitle.textContent = "What should " + packTitle + " handle?";
      ui.welcomeCopy.textContent = "This chat and its active agents stay focused on " + String(workspaceScope.subtitle || packTitle).toLowerCase() + ".";
      ui.workspaceSectionTitle.textContent = packTitle + " activity";
      runtimeLine = packTitle + " scope · " + (serviceMode || "Live backend") + " · " + modelTitle;
    } else {
      ui.workspaceTitle.textContent = activeThreadTitle();
      ui.threadTitle.textContent = "What should Ondi handle?";
      ui.welcomeCopy.textContent = DEFAULT_WELCOME;
      ui.workspaceSectionTitle.textContent = "Operator workspace";
      runtimeLine = (serviceMode || "Live backend") + " · " + modelTitle;
    }
    if (localAnswerModel !== null) runtimeLine = "Local OpenAI" + (localAnswerModel ? " · " + localAnswerModel : "");
    else if (backendUnavailable) runtimeLine = "Backend unavailable";
    // Until the service has answered once, the page keeps its initial "Live backend ready".
    if (stateLoaded || backendUnavailable || workspaceScope || localAnswerModel !== null) ui.runtimeMode.textContent = runtimeLine;
    ui.runtimeMode.classList.toggle("offline", backendUnavailable);
    ui.accountBadge.textContent = accountBadgeText();
    ui.accountBadge.title = ui.accountBadge.textContent;

    const usage = state.usage;
    const limit = usage && Number(usage.turnLimit);
    ui.usageMeta.textContent = limit > 0 ? (Number(usage.turnsUsed) || 0) + "/" + limit + " turns" : "";
    ui.usageMeta.hidden = !(limit > 0);
  }

  function visibleMessages() {
    return (Array.isArray(state.messages) ? state.messages : []).filter(
      (message) => message && (message.role === "user" || message.role === "assistant")
    );
  }

  function isNearBottom() {
    const scroll = ui.threadScroll;
    return scroll.scrollHeight - scroll.scrollTop - scroll.clientHeight <= STICKY_DISTANCE;
  }

  function scrollToBottom() {
    ui.threadScroll.scrollTop = ui.threadScroll.scrollHeight;
  }

  function messageElement(message) {
    const item = doc.createElement("li");
    item.className = "message " + message.role + (message.pending ? " pending" : "");
    item.dataset.messageId = String(message.id ?? "");
    if (message.role === "assistant") {
      const avatar = doc.createElement("span");
      avatar.className = "avatar";
      avatar.setAttribute("aria-hidden", "true");
      avatar.textContent = "O";
      item.append(avatar);
    }
    const bubble = doc.createElement("div");
    bubble.className = "bubble";
    if (message.pending && message.role === "assistant") {
      const indicator = thinking.createThinkingIndicator(doc);
      indicators.push(indicator);
      bubble.append(indicator.element);
    } else {
      // The renderer escapes every character of the text before adding its own markup.
      bubble.innerHTML = markdown.renderMarkdown(history.visibleContent(message));
    }
    item.append(bubble);
    return item;
  }

  function renderMessages(forceScroll) {
    const messages = visibleMessages();
    // The service's own greeting of an empty thread does not replace the welcome panel.
    const conversing = messages.some((message) => message.id !== history.SERVICE_WELCOME_ID);
    ui.welcomePanel.hidden = conversing;
    doc.body.classList.toggle("has-messages", conversing);
    const key = JSON.stringify(messages.map((message) => [message.id, message.role, Boolean(message.pending), message.content]));
    if (key === renderedMessagesKey) {
      if (forceScroll) scrollToBottom();
      return;
    }
    const stick = forceScroll || isNearBottom();
    for (const indicator of indicators) indicator.stop();
    indicators = [];
    ui.messageList.replaceChildren(...messages.map(messageElement));
    renderedMessagesKey = key;
    if (stick) scrollToBottom();
  }

  function renderEvents() {
    const activity = Array.isArray(state.accountActivity) && state.accountActivity.length ? state.accountActivity : null;
    const events = activity || (Array.isArray(state.events) ? state.events : []);
    const items = events.slice(0, EVENTS_SHOWN).map((event) => {
      const item = doc.createElement("li");
      const title = doc.createElement("strong");
      title.textContent = (event && (event.title || event.type)) || "Activity";
      const detail = doc.createElement("span");
      detail.textContent = (event && (event.detail || event.status)) || "";
      item.append(title, detail);
      return item;
    });
    if (!items.length) {
      const item = doc.createElement("li");
      item.className = "empty";
      const title = doc.createElement("strong");
      title.textContent = "Live backend ready";
      const detail = doc.createElement("span");
      detail.textContent = "Events will appear here when Ondi uses tools.";
      item.append(title, detail);
      items.push(item);
    }
    ui.eventList.replaceChildren(...items);
    if (!stateLoaded) return; // "No live events yet" until the service has answered
    ui.workspaceMeta.textContent =
      visibleMessages().filter((message) => !message.pending).length + " messages · " +
      countOf(state.artifacts) + " artifacts · " + events.length + " account events";
  }

  function renderControls() {
    ui.sendButton.disabled = busy;
    ui.micButton.disabled = busy;
    ui.newThreadButton.disabled = busy;
    ui.promptInput.disabled = busy;
    doc.body.classList.toggle("busy", busy);
  }

  // Published once the service's list is known, so that the desktop never sees a blank list
  // in between.
  function publishThreads() {
    if (stateLoaded) publisher.publish(state.activeThreadId, state.threads);
  }

  function render(forceScroll) {
    renderHeader();
    renderMessages(forceScroll);
    renderEvents();
    renderControls();
    publishThreads();
  }

  // ---- sending --------------------------------------------------------------------------------

  function setBusy(value) {
    busy = value;
    renderControls();
    if (!value) ui.promptInput.focus();
  }

  function findMessage(id) {
    return state.messages.find((message) => message && message.id === id) || null;
  }

  // Ends a turn with text this page produced; it is kept across loads of the thread.
  function finishTurn(turn, content) {
    const answer = { id: turn.pendingId, role: "assistant", content, createdAt: nowISO(), threadId: turn.threadId };
    if (findMessage(turn.pendingId)) {
      state.messages = state.messages.map((message) => (message.id === turn.pendingId ? answer : message));
    } else if (turn.threadId === state.activeThreadId) {
      state.messages = [...state.messages, answer];
    }
    rememberLocal(localTurns, turn.threadId, [turn.user, answer], LOCAL_TURNS_KEPT, false);
  }

  function dropPendingTurn(turn) {
    state.messages = state.messages.filter((message) => message.id !== turn.pendingId);
    rememberLocal(localTurns, turn.threadId, [turn.user], LOCAL_TURNS_KEPT, false);
  }

  function recordEvent(turn, title, detail, status) {
    const event = { id: localId("event"), type: "desktopAction", title, detail, status, createdAt: nowISO() };
    rememberLocal(localEvents, turn.threadId, [event], EVENTS_KEPT, true);
    if (turn.threadId === state.activeThreadId) {
      state.events = [event, ...(Array.isArray(state.events) ? state.events : [])].slice(0, EVENTS_KEPT);
    }
  }

  function workspaceContext() {
    if (!workspaceScope) return null;
    const scope = workspaceScope;
    return {
      packId: scope.id ?? "",
      packTitle: scope.title ?? "",
      workspaceName: scope.workspaceName ?? "",
      focus: scope.subtitle ?? "",
      overview: scope.overview ?? "",
      scopeInstruction: scope.scopeInstruction ?? "",
      activeAgent: operatorMode(),
      approvalTitle: scope.approvalTitle ?? "",
      approvalDetail: scope.approvalDetail ?? "",
      helpers: (Array.isArray(scope.helpers) ? scope.helpers : []).map((helper) => ({
        id: helper?.id ?? "",
        name: helper?.name ?? "",
        role: helper?.role ?? "",
        steps: Array.isArray(helper?.steps) ? helper.steps : [],
      })),
    };
  }

  async function refreshOpenAIStatus() {
    const reply = await bridge.openAI({ action: "status" });
    localOpenAIStatus.checked = true;
    if (reply && reply.ok && reply.kind === "status") {
      localOpenAIStatus.enabled = reply.enabled !== false;
      localOpenAIStatus.hasAPIKey = reply.hasAPIKey === true;
      if (typeof reply.model === "string" && reply.model) localOpenAIStatus.model = reply.model;
    }
    return localOpenAIStatus;
  }

  // Answers with the desktop's own OpenAI client. False when it cannot (off, or no key).
  async function answerLocally(turn, context) {
    await refreshOpenAIStatus();
    if (!localOpenAIStatus.enabled || !localOpenAIStatus.hasAPIKey) return false;
    setStatus("Answering with local OpenAI...");
    const reply = await bridge.openAI({
      action: "message",
      message: turn.text,
      threadId: turn.threadId,
      agentMode: operatorMode(),
      workspaceContext: context,
      history: history.buildHistory(state.messages, { excludeId: turn.user.id }),
    });
    const text = reply && typeof reply.text === "string" ? reply.text.trim() : "";
    if (reply && reply.ok && text) {
      localAnswerModel = typeof reply.model === "string" ? reply.model : localOpenAIStatus.model || "";
      finishTurn(turn, text);
      setStatus("Answered with local OpenAI.", TRANSIENT_STATUS);
      return true;
    }
    const error = (reply && reply.error) || "OpenAI returned an empty response.";
    if (/api key|not connected/i.test(error)) {
      dropPendingTurn(turn);
      setStatus("");
    } else {
      finishTurn(turn, "Local OpenAI could not answer: " + error);
      setStatus("");
    }
    return true;
  }

  async function askHostedAgent(turn, options) {
    const context = workspaceContext();
    const message = context ? history.wrapWorkspaceMessage(turn.text, context) : turn.text;
    const answer = await requestJSON("POST", "/api/agent/message", {
      message,
      threadId: turn.threadId,
      surface: "mac_app",
      permissionMode: "approval-first",
      modelMode: selectedModel.mode,
      workspaceContext: context,
    });
    let error = answer.ok ? null : answer.error;
    if (!error) {
      const runId = answer.monitoredRun && answer.monitoredRun.id;
      if (runId !== undefined && runId !== null && runId !== "") {
        const reply = await bridge.desktopAction(
          {
            action: "openManagedBrowserWorkflow",
            workflowId: String(runId),
            label: /\bgmail\b/i.test(turn.text) ? "Managed Gmail" : "Managed browser",
          },
          "managedWorkflow"
        );
        if (!reply.ok) error = reply.error || "Ondi could not open the managed browser workflow.";
      } else if (options.managed) {
        error = "The hosted agent did not return a managed browser workflow.";
      }
    }
    if (!error) {
      localAnswerModel = null;
      if (turn.threadId === state.activeThreadId) {
        if (answer.state && typeof answer.state === "object") {
          adoptState(answer.state, turn.threadId, null);
          savePackConversation();
        } else {
          // An answer without the thread's state: the thread is read again once the prompt is
          // finished; until then the question stays and the thinking indicator goes.
          state.messages = state.messages.filter((message) => message.id !== turn.pendingId);
          reloadAfterPrompt = true;
        }
      }
      setStatus("");
      return;
    }
    if (options.allowLocalFallback && (await answerLocally(turn, context))) return;
    if (options.managed) {
      finishTurn(turn, "Managed browser could not start: " + error);
      recordEvent(turn, "Managed browser blocked", error, "blocked");
      setStatus("Managed browser needs attention.");
    } else {
      finishTurn(turn, selectedModel.title + " could not answer: " + error);
      setStatus(selectedModel.title + " needs attention.");
    }
  }

  async function runDesktopRequest(turn, request) {
    const reply = await bridge.desktopAction(request, "desktopAction");
    if (reply.ok) {
      const text = typeof reply.text === "string" && reply.text.trim() ? reply.text : "Done: " + request.label + ".";
      finishTurn(turn, text);
      recordEvent(turn, "Desktop action completed", text, "completed");
      setStatus("Desktop action completed.");
    } else {
      const error = reply.error || "Unknown error.";
      finishTurn(turn, "I tried to run that desktop action, but macOS blocked it: " + error);
      recordEvent(turn, "Desktop action blocked", error, "blocked");
      setStatus("Desktop action needs attention.");
    }
  }

  async function sendPrompt(raw) {
    const text = String(raw ?? "").trim();
    if (!text || busy) return;
    if (speechState.active) stopDictation();

    const threadId = state.activeThreadId;
    const user = { id: localId("user"), role: "user", content: text, createdAt: nowISO(), threadId };
    const pending = { id: localId("reply"), role: "assistant", content: PENDING_TEXT, createdAt: nowISO(), threadId, pending: true };
    const turn = { text, threadId, user, pendingId: pending.id };
    state.messages = [...(Array.isArray(state.messages) ? state.messages : []), user, pending];
    savePackConversation();
    ui.promptInput.value = "";
    sizePrompt();
    loadGeneration += 1;
    busy = true;
    render(true);

    try {
      if (classifier.isManagedBrowserRequest(text)) {
        await askHostedAgent(turn, { managed: true, allowLocalFallback: false });
      } else {
        const request = classifier.classifyDesktopRequest(text, { baseURL: root.location.href });
        if (request) await runDesktopRequest(turn, request);
        else await askHostedAgent(turn, { managed: false, allowLocalFallback: selectedModel.mode !== "anthropic" });
      }
    } catch (error) {
      finishTurn(turn, selectedModel.title + " could not answer: " + ((error && error.message) || "Unknown error."));
    } finally {
      savePackConversation();
      setBusy(false);
      render(true);
      if (reloadAfterPrompt) {
        reloadAfterPrompt = false;
        loadState();
      }
    }
  }

  // ---- threads --------------------------------------------------------------------------------

  function packThreadBase() {
    const payloadThread = workspaceScope && typeof workspaceScope.threadId === "string" ? workspaceScope.threadId : "";
    return THREAD_ID.test(payloadThread) ? payloadThread : "pack-" + packId();
  }

  function openThread(id) {
    if (typeof id !== "string" || !THREAD_ID.test(id)) return;
    if (workspaceScope) storageSet(history.packThreadKey(packId()), id);
    if (id !== state.activeThreadId) {
      state = { ...state, activeThreadId: id, messages: [], events: [] };
      localAnswerModel = null;
      render(true);
    }
    // While a prompt runs, a load would be discarded as stale; the thread is read when it ends.
    if (busy) reloadAfterPrompt = true;
    else loadState();
  }

  async function newThread() {
    if (busy) return;
    if (workspaceScope) {
      const id = (packThreadBase() + "-" + Date.now().toString(36)).slice(-96);
      storageSet(history.packThreadKey(packId()), id);
      state = { ...state, activeThreadId: id, messages: [], events: [] };
      localAnswerModel = null;
      render(true);
      await loadState();
      ui.promptInput.focus();
      return;
    }
    const generation = ++loadGeneration;
    const answer = await requestJSON("POST", "/api/agent/new?surface=mac_app");
    if (generation !== loadGeneration) return;
    if (!answer.ok) {
      setStatus("Could not start a new chat: " + answer.error);
      return;
    }
    const candidate = [answer.activeThreadId, answer.state && answer.state.activeThreadId].find(
      (id) => typeof id === "string" && THREAD_ID.test(id)
    );
    localAnswerModel = null;
    adoptState(answer.state, candidate || state.activeThreadId, null);
    setStatus("");
    render(true);
    ui.promptInput.focus();
  }

  // ---- pack workspaces ------------------------------------------------------------------------

  function workflowCard(workflow) {
    const card = doc.createElement("button");
    card.type = "button";
    card.className = "starter-card";
    card.dataset.prompt = typeof workflow?.prompt === "string" ? workflow.prompt : "";
    card.dataset.operator = MAIN_OPERATOR;
    const title = doc.createElement("strong");
    title.textContent = workflow?.title || "Starter workflow";
    const detail = doc.createElement("span");
    detail.textContent = workflow?.detail || "Start focused work";
    card.append(title, detail);
    return card;
  }

  function helperById(helperId) {
    if (!workspaceScope || helperId === null || helperId === undefined || helperId === "") return null;
    return (Array.isArray(workspaceScope.helpers) ? workspaceScope.helpers : []).find((helper) => helper && helper.id === helperId) || null;
  }

  function selectPackAgent(helperId) {
    const helper = helperById(helperId);
    const name = helper && typeof helper.name === "string" && helper.name.trim() ? helper.name.trim() : MAIN_OPERATOR;
    selectOperator(name, true);
    return name;
  }

  function openPackWorkspace(payload) {
    if (!payload || typeof payload !== "object") return;
    workspaceScope = payload;
    doc.body.classList.add("pack-workspace");

    const helpers = (Array.isArray(payload.helpers) ? payload.helpers : []).filter(
      (helper) => helper && typeof helper.name === "string" && helper.name.trim()
    );
    const options = [MAIN_OPERATOR, ...helpers.map((helper) => helper.name.trim())].map((name) => {
      const option = doc.createElement("option");
      option.textContent = name;
      return option;
    });
    ui.modelSelect.replaceChildren(...options);
    const agent = selectPackAgent(payload.selectedHelperId);

    const workflows = (Array.isArray(payload.workflows) ? payload.workflows : []).slice(0, 3);
    if (workflows.length) ui.starterCards.replaceChildren(...workflows.map(workflowCard));
    else ui.starterCards.replaceChildren(...defaultStarterCards.map((card) => card.cloneNode(true)));

    const storedThread = storageGet(history.packThreadKey(packId()));
    const threadId = [storedThread, payload.threadId, "pack-" + packId()].find((id) => typeof id === "string" && THREAD_ID.test(id));
    render();
    if (threadId) openThread(threadId);
    const starter = typeof payload.starterPrompt === "string" ? payload.starterPrompt.trim() : "";
    if (starter) preparePrompt(starter, agent);
  }

  // ---- dictation ------------------------------------------------------------------------------

  function setMicActive(active) {
    speechState.active = active;
    ui.micButton.classList.toggle("active", active);
    ui.micButton.setAttribute("aria-pressed", active ? "true" : "false");
    const label = active ? "Stop dictation" : "Dictate";
    ui.micButton.title = label;
    ui.micButton.setAttribute("aria-label", label);
  }

  function toggleDictation() {
    if (!bridgeModule.messageHandler("velmoraSpeech")) {
      setStatus("Voice dictation is available in the Ondi macOS app.");
      return;
    }
    bridgeModule.postMessage("velmoraSpeech", { action: speechState.active ? "stop" : "start", draft: ui.promptInput.value });
  }

  function stopDictation() {
    bridgeModule.postMessage("velmoraSpeech", { action: "stop", draft: ui.promptInput.value });
    setMicActive(false);
  }

  function speechUpdate(update) {
    if (!update || typeof update !== "object") return;
    if (typeof update.transcript === "string") {
      ui.promptInput.value = update.transcript;
      sizePrompt();
      const end = ui.promptInput.value.length;
      ui.promptInput.setSelectionRange(end, end);
    }
    const message = typeof update.message === "string" && update.message ? update.message : null;
    switch (update.status) {
      case "recording":
      case "requesting":
        setMicActive(true);
        setStatus(message || "Listening...");
        break;
      case "final":
        setStatus(message || "Dictation added.", TRANSIENT_STATUS);
        break;
      case "stopped":
        setMicActive(false);
        setStatus(message || "Dictation stopped.", TRANSIENT_STATUS);
        break;
      case "error":
        setMicActive(false);
        setStatus(message || "Dictation could not start.");
        break;
      default:
        break;
    }
  }

  // ---- globals the desktop application calls -------------------------------------------------

  root.velmoraDesktopSpeechUpdate = speechUpdate;
  root.velmoraDesktopOpenAIUpdate = (reply) => {
    bridge.receiveOpenAIUpdate(reply);
  };
  root.velmoraDesktopActionUpdate = (reply) => {
    bridge.receiveDesktopActionUpdate(reply);
  };
  root.velmoraDesktopUseSubagent = (title) => {
    const name = String(title ?? "").trim();
    if (!name) return;
    selectOperator(name, true);
    fillPrompt(
      "Act as the " + name + " subagent. Start by defining your role, the inputs you need, the decisions you can make, and what needs owner approval."
    );
  };
  root.velmoraDesktopPreparePrompt = (prompt, title) => {
    preparePrompt(prompt, typeof title === "string" && title.trim() ? title.trim() : null);
  };
  root.velmoraDesktopNewThread = () => {
    newThread();
  };
  root.velmoraDesktopOpenThread = (id) => {
    openThread(typeof id === "string" ? id.trim() : id);
  };
  root.velmoraDesktopRefreshConversationHistory = () => {
    publisher.forget();
    if (busy) publishThreads();
    else loadState();
  };
  root.velmoraDesktopSetModelProvider = (provider) => {
    const mode = String(provider?.mode ?? "").toLowerCase();
    const title = typeof provider?.title === "string" && provider.title.trim() ? provider.title.trim() : "Auto";
    selectedModel = { mode: mode === "openai" || mode === "anthropic" ? mode : "auto", title };
    renderHeader();
    return selectedModel.mode;
  };
  root.velmoraDesktopOpenPackWorkspace = (payload) => {
    openPackWorkspace(payload);
  };
  root.velmoraDesktopSelectPackAgent = (helperId) => {
    selectPackAgent(helperId);
  };

  // ---- start-up -------------------------------------------------------------------------------

  function isScrollControl(target) {
    return Boolean(target && target.closest && target.closest("textarea, select, button, .thread-scroll, .workspace-panel"));
  }

  function bindEvents() {
    ui.composer.addEventListener("submit", (event) => {
      event.preventDefault();
      sendPrompt(ui.promptInput.value);
    });
    ui.promptInput.addEventListener("input", sizePrompt);
    ui.promptInput.addEventListener("keydown", (event) => {
      if (event.key === "Enter" && !event.shiftKey && !event.isComposing && event.keyCode !== 229) {
        event.preventDefault();
        sendPrompt(ui.promptInput.value);
      }
    });
    ui.refreshButton.addEventListener("click", refreshState);
    ui.newThreadButton.addEventListener("click", () => newThread());
    ui.micButton.addEventListener("click", toggleDictation);
    ui.starterCards.addEventListener("click", (event) => {
      const card = event.target.closest(".starter-card");
      if (!card) return;
      preparePrompt(card.dataset.prompt || "", card.dataset.operator || null);
    });
    // The wheel scrolls the conversation from anywhere on the page (the header, the composer's
    // margins), except over controls that scroll themselves.
    doc.addEventListener(
      "wheel",
      (event) => {
        if (isScrollControl(event.target)) return;
        if (Math.abs(event.deltaY) <= Math.abs(event.deltaX)) return;
        const scale = event.deltaMode === 1 ? 16 : event.deltaMode === 2 ? ui.threadScroll.clientHeight : 1;
        ui.threadScroll.scrollTop += event.deltaY * scale;
        event.preventDefault();
      },
      { passive: false }
    );
    doc.addEventListener("visibilitychange", () => {
      if (doc.visibilityState === "visible") refreshState();
    });
    const wide = root.matchMedia ? root.matchMedia("(min-width: 1100px)") : null;
    if (wide && ui.workspacePanel) {
      const follow = () => {
        ui.workspacePanel.open = wide.matches;
      };
      follow();
      wide.addEventListener("change", follow);
    }
    root.setInterval(() => {
      if (!busy && doc.visibilityState !== "hidden") loadState();
    }, POLL_INTERVAL);
  }

  function start() {
    bindEvents();
    ui.promptInput.value = "";
    sizePrompt();
    setMicActive(false);
    render();
    refreshOpenAIStatus();
    loadState();
  }

  if (doc.readyState === "loading") doc.addEventListener("DOMContentLoaded", start, { once: true });
  else start();
})(globalThis);
