// Pack workspaces: the desktop opens a pack, and the page narrows itself to it — its agents in
// the operator picker, its starter workflows as the starter cards and its own threads.
(function (root) {
  "use strict";

  const namespace = root.OndiOperator;
  const app = namespace && namespace.app;
  if (!app) return;
  const { history } = namespace;
  const { doc, ui, THREAD_ID, MAIN_OPERATOR } = app;

  // The page's own starter cards, put back when a pack without workflows is opened.
  const defaultStarterCards = ui.starterCards ? [...ui.starterCards.children].map((card) => card.cloneNode(true)) : [];

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
    const scope = app.workspaceScope;
    if (!scope || helperId === null || helperId === undefined || helperId === "") return null;
    return (Array.isArray(scope.helpers) ? scope.helpers : []).find((helper) => helper && helper.id === helperId) || null;
  }

  function selectPackAgent(helperId) {
    const helper = helperById(helperId);
    const name = helper && typeof helper.name === "string" && helper.name.trim() ? helper.name.trim() : MAIN_OPERATOR;
    app.selectOperator(name, true);
    return name;
  }

  function openPackWorkspace(payload) {
    if (!payload || typeof payload !== "object") return;
    app.workspaceScope = payload;
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

    const storedThread = app.storageGet(history.packThreadKey(app.packId()));
    const threadId = [storedThread, payload.threadId, "pack-" + app.packId()].find((id) => typeof id === "string" && THREAD_ID.test(id));
    app.render();
    if (threadId) app.openThread(threadId);
    const starter = typeof payload.starterPrompt === "string" ? payload.starterPrompt.trim() : "";
    if (starter) app.preparePrompt(starter, agent);
  }

  Object.assign(app, { selectPackAgent, openPackWorkspace });
})(globalThis);
