// Sends a prompt from the composer: to the desktop when it asks for a desktop action, otherwise
// to the hosted agent, with the desktop's own OpenAI client as the fallback when the service
// cannot answer.
(function (root) {
  "use strict";

  const namespace = root.OndiOperator;
  const app = namespace && namespace.app;
  if (!app) return;
  const { classifier, history } = namespace;
  const { ui, bridge } = app;

  const PENDING_TEXT = "Scheming…";

  const localOpenAIStatus = { checked: false, enabled: true, hasAPIKey: false, model: "gpt-5.6-sol" };

  function setBusy(value) {
    app.busy = value;
    app.renderControls();
    if (!value) ui.promptInput.focus();
  }

  function findMessage(id) {
    return app.state.messages.find((message) => message && message.id === id) || null;
  }

  // Ends a turn with text this page produced; it is kept across loads of the thread.
  function finishTurn(turn, content) {
    const answer = { id: turn.pendingId, role: "assistant", content, createdAt: app.nowISO(), threadId: turn.threadId };
    if (findMessage(turn.pendingId)) {
      app.state.messages = app.state.messages.map((message) => (message.id === turn.pendingId ? answer : message));
    } else if (turn.threadId === app.state.activeThreadId) {
      app.state.messages = [...app.state.messages, answer];
    }
    app.rememberLocal(app.localTurns, turn.threadId, [turn.user, answer], app.LOCAL_TURNS_KEPT, false);
  }

  function dropPendingTurn(turn) {
    app.state.messages = app.state.messages.filter((message) => message.id !== turn.pendingId);
    app.rememberLocal(app.localTurns, turn.threadId, [turn.user], app.LOCAL_TURNS_KEPT, false);
  }

  function recordEvent(turn, title, detail, status) {
    const event = { id: app.localId("event"), type: "desktopAction", title, detail, status, createdAt: app.nowISO() };
    app.rememberLocal(app.localEvents, turn.threadId, [event], app.EVENTS_KEPT, true);
    if (turn.threadId === app.state.activeThreadId) {
      app.state.events = [event, ...(Array.isArray(app.state.events) ? app.state.events : [])].slice(0, app.EVENTS_KEPT);
    }
  }

  function workspaceContext() {
    if (!app.workspaceScope) return null;
    const scope = app.workspaceScope;
    return {
      packId: scope.id ?? "",
      packTitle: scope.title ?? "",
      workspaceName: scope.workspaceName ?? "",
      focus: scope.subtitle ?? "",
      overview: scope.overview ?? "",
      scopeInstruction: scope.scopeInstruction ?? "",
      activeAgent: app.operatorMode(),
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
    app.setStatus("Answering with local OpenAI...");
    const reply = await bridge.openAI({
      action: "message",
      message: turn.text,
      threadId: turn.threadId,
      agentMode: app.operatorMode(),
      workspaceContext: context,
      history: history.buildHistory(app.state.messages, { excludeId: turn.user.id }),
    });
    const text = reply && typeof reply.text === "string" ? reply.text.trim() : "";
    if (reply && reply.ok && text) {
      app.localAnswerModel = typeof reply.model === "string" ? reply.model : localOpenAIStatus.model || "";
      finishTurn(turn, text);
      app.setStatus("Answered with local OpenAI.", app.TRANSIENT_STATUS);
      return true;
    }
    const error = (reply && reply.error) || "OpenAI returned an empty response.";
    if (/api key|not connected/i.test(error)) {
      dropPendingTurn(turn);
      app.setStatus("");
    } else {
      finishTurn(turn, "Local OpenAI could not answer: " + error);
      app.setStatus("");
    }
    return true;
  }

  async function askHostedAgent(turn, options) {
    const context = workspaceContext();
    const message = context ? history.wrapWorkspaceMessage(turn.text, context) : turn.text;
    const answer = await app.requestJSON("POST", "/api/agent/message", {
      message,
      threadId: turn.threadId,
      surface: "mac_app",
      permissionMode: "approval-first",
      modelMode: app.selectedModel.mode,
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
      app.localAnswerModel = null;
      if (turn.threadId === app.state.activeThreadId) {
        if (answer.state && typeof answer.state === "object") {
          app.adoptState(answer.state, turn.threadId, null);
          app.savePackConversation();
        } else {
          // An answer without the thread's state: the thread is read again once the prompt is
          // finished; until then the question stays and the thinking indicator goes.
          app.state.messages = app.state.messages.filter((message) => message.id !== turn.pendingId);
          app.reloadAfterPrompt = true;
        }
      }
      app.setStatus("");
      return;
    }
    if (options.allowLocalFallback && (await answerLocally(turn, context))) return;
    if (options.managed) {
      finishTurn(turn, "Managed browser could not start: " + error);
      recordEvent(turn, "Managed browser blocked", error, "blocked");
      app.setStatus("Managed browser needs attention.");
    } else {
      finishTurn(turn, app.selectedModel.title + " could not answer: " + error);
      app.setStatus(app.selectedModel.title + " needs attention.");
    }
  }

  async function runDesktopRequest(turn, request) {
    const reply = await bridge.desktopAction(request, "desktopAction");
    if (reply.ok) {
      const text = typeof reply.text === "string" && reply.text.trim() ? reply.text : "Done: " + request.label + ".";
      finishTurn(turn, text);
      recordEvent(turn, "Desktop action completed", text, "completed");
      app.setStatus("Desktop action completed.");
    } else {
      const error = reply.error || "Unknown error.";
      finishTurn(turn, "I tried to run that desktop action, but this computer blocked it: " + error);
      recordEvent(turn, "Desktop action blocked", error, "blocked");
      app.setStatus("Desktop action needs attention.");
    }
  }

  async function sendPrompt(raw) {
    const text = String(raw ?? "").trim();
    if (!text || app.busy) return;
    if (app.speechState.active) app.stopDictation();

    const threadId = app.state.activeThreadId;
    const user = { id: app.localId("user"), role: "user", content: text, createdAt: app.nowISO(), threadId };
    const pending = { id: app.localId("reply"), role: "assistant", content: PENDING_TEXT, createdAt: app.nowISO(), threadId, pending: true };
    const turn = { text, threadId, user, pendingId: pending.id };
    app.state.messages = [...(Array.isArray(app.state.messages) ? app.state.messages : []), user, pending];
    app.savePackConversation();
    ui.promptInput.value = "";
    app.sizePrompt();
    app.loadGeneration += 1;
    app.busy = true;
    app.render(true);

    try {
      if (classifier.isManagedBrowserRequest(text)) {
        await askHostedAgent(turn, { managed: true, allowLocalFallback: false });
      } else {
        const request = classifier.classifyDesktopRequest(text, { baseURL: root.location.href });
        if (request) await runDesktopRequest(turn, request);
        else await askHostedAgent(turn, { managed: false, allowLocalFallback: app.selectedModel.mode !== "anthropic" });
      }
    } catch (error) {
      finishTurn(turn, app.selectedModel.title + " could not answer: " + ((error && error.message) || "Unknown error."));
    } finally {
      app.savePackConversation();
      setBusy(false);
      app.render(true);
      if (app.reloadAfterPrompt) {
        app.reloadAfterPrompt = false;
        app.loadState();
      }
    }
  }

  Object.assign(app, { refreshOpenAIStatus, sendPrompt });
})(globalThis);
