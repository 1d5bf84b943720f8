// The operator page's start-up: binds the page's controls to the functions of the page's other
// scripts (app-*.js, which share `OndiOperator.app`) and loads the first state.
(function (root) {
  "use strict";

  const namespace = root.OndiOperator;
  const app = namespace && namespace.app;
  if (!app) return;
  const { doc, ui } = app;

  function isScrollControl(target) {
    return Boolean(target && target.closest && target.closest("textarea, select, button, .thread-scroll, .workspace-panel"));
  }

  function bindEvents() {
    ui.composer.addEventListener("submit", (event) => {
      event.preventDefault();
      app.sendPrompt(ui.promptInput.value);
    });
    ui.promptInput.addEventListener("input", app.sizePrompt);
    ui.promptInput.addEventListener("keydown", (event) => {
      if (event.key === "Enter" && !event.shiftKey && !event.isComposing && event.keyCode !== 229) {
        event.preventDefault();
        app.sendPrompt(ui.promptInput.value);
      }
    });
    ui.refreshButton.addEventListener("click", app.refreshState);
    ui.newThreadButton.addEventListener("click", () => app.newThread());
    ui.micButton.addEventListener("click", app.toggleDictation);
    ui.starterCards.addEventListener("click", (event) => {
      const card = event.target.closest(".starter-card");
      if (!card) return;
      app.preparePrompt(card.dataset.prompt || "", card.dataset.operator || null);
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
      if (doc.visibilityState === "visible") app.refreshState();
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
      if (!app.busy && doc.visibilityState !== "hidden") app.loadState();
    }, app.POLL_INTERVAL);
  }

  function start() {
    bindEvents();
    ui.promptInput.value = "";
    app.sizePrompt();
    app.setMicActive(false);
    app.render();
    app.refreshOpenAIStatus();
    app.loadState();
  }

  if (doc.readyState === "loading") doc.addEventListener("DOMContentLoaded", start, { once: true });
  else start();
})(globalThis);
