// The operator page's shared core: the page's elements, its state, the service requests and the
// small helpers the rest of the page uses. The page's scripts (app-*.js, app.js) share this one
// object, `OndiOperator.app`, and look each other's functions up on it.
(function (root) {
  "use strict";

  const namespace = root.OndiOperator;
  const doc = root.document;
  if (!namespace || !doc) return;
  const { snapshot, bridge: bridgeModule } = namespace;

  const MAIN_OPERATOR = "Main operator";
  const PROMPT_MIN_HEIGHT = 38;
  const PROMPT_MAX_HEIGHT = 150;

  const ui = {};
  for (const id of [
    "workspaceTitle", "runtimeMode", "modelSelect", "accountBadge", "refreshButton", "threadScroll",
    "welcomePanel", "threadTitle", "welcomeCopy", "starterCards", "messageList", "workspacePanel",
    "workspaceSectionTitle", "workspaceMeta", "usageMeta", "eventList", "composer", "newThreadButton",
    "promptInput", "micButton", "sendButton", "statusText",
  ]) {
    ui[id] = doc.getElementById(id);
  }

  const app = {
    doc,
    ui,
    POLL_INTERVAL: 10000,
    EVENTS_KEPT: 16,
    LOCAL_TURNS_KEPT: 40,
    TRANSIENT_STATUS: 1500,
    THREAD_ID: /^[A-Za-z0-9_-]{1,96}$/,
    MAIN_OPERATOR,
    // What the page shows and holds for the open thread.
    state: { activeThreadId: "default", messages: [], events: [], threads: [] },
    // The pack whose workspace is open, or null for the plain operator.
    workspaceScope: null,
    busy: false,
    speechState: { active: false },
    selectedModel: { mode: "auto", title: "Auto" },
    // Turns and events this page made itself (desktop actions, local answers, errors), by thread:
    // the service does not hold them, so they are put back after every load.
    localTurns: new Map(),
    localEvents: new Map(),
    localAnswerModel: null,
    backendUnavailable: false,
    loadGeneration: 0,
    stateLoaded: false,
    reloadAfterPrompt: false,
    bridge: bridgeModule.createBridge(),
    publisher: snapshot.createSnapshotPublisher(
      (body) => bridgeModule.postMessage("velmoraConversationState", body) || bridgeModule.postMessage("velmoraDesktopAction", body)
    ),
  };

  let statusTimer = null;

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

  Object.assign(app, {
    nowISO,
    localId,
    storage,
    storageGet,
    storageSet,
    requestJSON,
    setStatus,
    operatorMode,
    selectOperator,
    sizePrompt,
    fillPrompt,
    preparePrompt,
  });
  namespace.app = app;
})(globalThis);
