"use strict";

// A recording stand-in for the desktop application's side of the bridge: every message the page
// posts is kept in `window.fakeDesktop.posts`. Desktop actions and local OpenAI requests are
// answered through the page's globals, as the desktop does, when the test asks for it
// (`desktopReplies` / `openAIReplies` = "answer"); otherwise they stay unanswered.
// `openAIReplies` = "status-only" answers the status probe (enabled, with a key) and leaves
// messages unanswered; a set `openAIError` makes message requests fail with that text.
function fakeDesktop() {
  const fake = { posts: [], desktopReplies: "none", openAIReplies: "none" };
  window.fakeDesktop = fake;

  const later = (fn) => setTimeout(fn, 20);
  const desktopText = (body) => {
    if (body.action === "openInAppBrowserTabs") {
      return "Opened " + body.tabs.map((tab) => tab.label).join(", ") + " in Ondi browser tabs.";
    }
    return "Opened " + (body.label || "page") + " in a new Ondi browser tab.";
  };

  const handlers = {
    velmoraSpeech() {},
    velmoraConversationState() {},
    velmoraDesktopAction(body) {
      if (fake.desktopReplies !== "answer" || body.action === "syncConversationThreads") return;
      later(() => window.velmoraDesktopActionUpdate({ id: body.id, ok: true, kind: "desktopAction", text: desktopText(body) }));
    },
    velmoraOpenAI(body) {
      if (fake.openAIReplies === "none") return;
      if (body.action === "status") {
        later(() => window.velmoraDesktopOpenAIUpdate({ id: body.id, ok: true, kind: "status", enabled: true, hasAPIKey: true, model: "gpt-5.6-sol" }));
        return;
      }
      if (fake.openAIReplies !== "answer") return;
      if (fake.openAIError) {
        later(() => window.velmoraDesktopOpenAIUpdate({ id: body.id, ok: false, kind: "message", error: fake.openAIError }));
        return;
      }
      const text = "Local answer to: " + body.message + " (" + (body.history || []).length + " earlier turns)";
      later(() => window.velmoraDesktopOpenAIUpdate({ id: body.id, ok: true, kind: "message", text, model: "gpt-5.6-sol" }));
    },
  };

  const messageHandlers = {};
  for (const [name, respond] of Object.entries(handlers)) {
    messageHandlers[name] = {
      postMessage(body) {
        const copy = JSON.parse(JSON.stringify(body));
        fake.posts.push({ name, body: copy });
        respond(copy);
      },
    };
  }
  window.webkit = { messageHandlers };
}

async function installFakeDesktop(page) {
  await page.addInitScript(fakeDesktop);
}

module.exports = { installFakeDesktop };
