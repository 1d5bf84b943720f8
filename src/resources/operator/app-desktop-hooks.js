// The globals the desktop application calls into the page (through WebKit's script evaluation):
// dictation and bridge replies, subagent and prompt preparation, threads, the model provider and
// pack workspaces.
(function (root) {
  "use strict";

  const namespace = root.OndiOperator;
  const app = namespace && namespace.app;
  if (!app) return;
  const { bridge } = app;

  root.velmoraDesktopSpeechUpdate = app.speechUpdate;
  root.velmoraDesktopOpenAIUpdate = (reply) => {
    bridge.receiveOpenAIUpdate(reply);
  };
  root.velmoraDesktopActionUpdate = (reply) => {
    bridge.receiveDesktopActionUpdate(reply);
  };
  root.velmoraDesktopUseSubagent = (title) => {
    const name = String(title ?? "").trim();
    if (!name) return;
    app.selectOperator(name, true);
    app.fillPrompt(
      "Act as the " + name + " subagent. Start by defining your role, the inputs you need, the decisions you can make, and what needs owner approval."
    );
  };
  root.velmoraDesktopPreparePrompt = (prompt, title) => {
    app.preparePrompt(prompt, typeof title === "string" && title.trim() ? title.trim() : null);
  };
  root.velmoraDesktopNewThread = () => {
    app.newThread();
  };
  root.velmoraDesktopOpenThread = (id) => {
    app.openThread(typeof id === "string" ? id.trim() : id);
  };
  root.velmoraDesktopRefreshConversationHistory = () => {
    app.publisher.forget();
    if (app.busy) app.publishThreads();
    else app.loadState();
  };
  root.velmoraDesktopSetModelProvider = (provider) => {
    const mode = String(provider?.mode ?? "").toLowerCase();
    const title = typeof provider?.title === "string" && provider.title.trim() ? provider.title.trim() : "Auto";
    app.selectedModel = { mode: mode === "openai" || mode === "anthropic" ? mode : "auto", title };
    app.renderHeader();
    return app.selectedModel.mode;
  };
  root.velmoraDesktopOpenPackWorkspace = (payload) => {
    app.openPackWorkspace(payload);
  };
  root.velmoraDesktopSelectPackAgent = (helperId) => {
    app.selectPackAgent(helperId);
  };
})(globalThis);
