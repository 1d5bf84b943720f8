// Dictation: the microphone button asks the desktop to listen, and the desktop's updates fill
// the prompt box and the status line.
(function (root) {
  "use strict";

  const namespace = root.OndiOperator;
  const app = namespace && namespace.app;
  if (!app) return;
  const { bridge: bridgeModule } = namespace;
  const { ui, speechState } = app;

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
      app.setStatus("Voice dictation is available in the Ondi desktop app.");
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
      app.sizePrompt();
      const end = ui.promptInput.value.length;
      ui.promptInput.setSelectionRange(end, end);
    }
    const message = typeof update.message === "string" && update.message ? update.message : null;
    switch (update.status) {
      case "recording":
      case "requesting":
        setMicActive(true);
        app.setStatus(message || "Listening...");
        break;
      case "final":
        app.setStatus(message || "Dictation added.", app.TRANSIENT_STATUS);
        break;
      case "stopped":
        setMicActive(false);
        app.setStatus(message || "Dictation stopped.", app.TRANSIENT_STATUS);
        break;
      case "error":
        setMicActive(false);
        app.setStatus(message || "Dictation could not start.");
        break;
      default:
        break;
    }
  }

  Object.assign(app, { setMicActive, toggleDictation, stopDictation, speechUpdate });
})(globalThis);
