// Draws the operator page from its state: the header, the conversation, the activity list and
// the composer's controls, and tells the desktop which threads there are.
(function (root) {
  "use strict";

  const namespace = root.OndiOperator;
  const app = namespace && namespace.app;
  if (!app) return;
  const { markdown, history, thinking } = namespace;
  const { doc, ui } = app;

  const STICKY_DISTANCE = 120;
  const EVENTS_SHOWN = 6;
  const DEFAULT_WELCOME = "Type a task or tap the mic to dictate a prompt.";

  let renderedMessagesKey = null;
  let indicators = [];

  function runtimeModeText() {
    const runtime = app.state.runtime;
    if (typeof runtime === "string" && runtime.trim()) return runtime.trim();
    if (runtime && typeof runtime === "object") {
      for (const key of ["mode", "label", "status"]) {
        if (typeof runtime[key] === "string" && runtime[key].trim()) return runtime[key].trim();
      }
    }
    return null;
  }

  function activeThreadTitle() {
    const { state } = app;
    const thread = (Array.isArray(state.threads) ? state.threads : []).find((entry) => entry && entry.id === state.activeThreadId);
    const title = thread && typeof thread.title === "string" ? thread.title.trim() : "";
    return title && title !== "New chat" ? title : "Ondi operator";
  }

  function isGuest(account) {
    if (!account || typeof account !== "object") return true;
    return account.guest === true || account.isGuest === true || account.authenticated === false || account.signedIn === false;
  }

  function accountBadgeText() {
    if (app.localAnswerModel) return "Local";
    const account = app.state.account;
    if (isGuest(account)) return "Guest · Free";
    return account.email || account.name || "Signed in";
  }

  function countOf(value) {
    if (Array.isArray(value)) return value.length;
    if (Number.isFinite(value)) return value;
    return 0;
  }

  function renderHeader() {
    const { workspaceScope, backendUnavailable, localAnswerModel } = app;
    const modelTitle = app.selectedModel.title;
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
    if (app.stateLoaded || backendUnavailable || workspaceScope || localAnswerModel !== null) ui.runtimeMode.textContent = runtimeLine;
    ui.runtimeMode.classList.toggle("offline", backendUnavailable);
    ui.accountBadge.textContent = accountBadgeText();
    ui.accountBadge.title = ui.accountBadge.textContent;

    const usage = app.state.usage;
    const limit = usage && Number(usage.turnLimit);
    ui.usageMeta.textContent = limit > 0 ? (Number(usage.turnsUsed) || 0) + "/" + limit + " turns" : "";
    ui.usageMeta.hidden = !(limit > 0);
  }

  function visibleMessages() {
    return (Array.isArray(app.state.messages) ? app.state.messages : []).filter(
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
    const { state } = app;
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
    if (!app.stateLoaded) return; // "No live events yet" until the service has answered
    ui.workspaceMeta.textContent =
      visibleMessages().filter((message) => !message.pending).length + " messages · " +
      countOf(state.artifacts) + " artifacts · " + events.length + " account events";
  }

  function renderControls() {
    const { busy } = app;
    ui.sendButton.disabled = busy;
    ui.micButton.disabled = busy;
    ui.newThreadButton.disabled = busy;
    ui.promptInput.disabled = busy;
    doc.body.classList.toggle("busy", busy);
  }

  // Published once the service's list is known, so that the desktop never sees a blank list
  // in between.
  function publishThreads() {
    if (app.stateLoaded) app.publisher.publish(app.state.activeThreadId, app.state.threads);
  }

  function render(forceScroll) {
    renderHeader();
    renderMessages(forceScroll);
    renderEvents();
    renderControls();
    publishThreads();
  }

  Object.assign(app, { renderHeader, renderControls, publishThreads, render });
})(globalThis);
