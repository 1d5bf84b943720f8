"use strict";

// The combined operator page in headless Chromium, served at a real ondi-server's origin, with a
// recording stand-in for the desktop application's script-message handlers.
//
//   node operator-page.e2e.js --server <ondi-server> --page <combined operator.html>
//
// Screenshots go to $ONDI_SCREENSHOT_DIR when it is set.

const test = require("node:test");
const assert = require("node:assert/strict");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const { startServer } = require("./server-process");
const { installFakeDesktop } = require("./fake-desktop");

const { chromium } = require("playwright-core");

function argument(name) {
  const index = process.argv.indexOf(name);
  if (index < 0 || !process.argv[index + 1]) throw new Error("missing argument " + name);
  return process.argv[index + 1];
}

const serverPath = argument("--server");
const pagePath = argument("--page");
const chromiumPath = process.env.ONDI_CHROMIUM || "/usr/bin/chromium";
const screenshotDir = process.env.ONDI_SCREENSHOT_DIR || "";
const PAGE_ROUTE = "/operator-under-test";
const BLANK_ROUTE = "/blank-under-test";

let server;
let browser;
let context;
let userDataDir;
const email = "operator-" + Date.now() + "@example.com";

async function screenshot(page, name) {
  if (!screenshotDir) return;
  fs.mkdirSync(screenshotDir, { recursive: true });
  await page.screenshot({ path: path.join(screenshotDir, name), animations: "disabled", caret: "hide" });
}

// A fresh tab showing the operator page, with the fake desktop installed before any script.
async function openOperatorPage() {
  const page = await context.newPage();
  const errors = [];
  page.on("pageerror", (error) => errors.push(error));
  await installFakeDesktop(page);
  const loaded = page.waitForResponse((response) => response.url().includes("/api/agent/state"));
  await page.goto(server.url + PAGE_ROUTE);
  await loaded;
  await assertText(page, "#accountBadge", email);
  page.errors = errors;
  return page;
}

async function assertText(page, selector, expected) {
  await page.waitForFunction(
    ([css, text]) => document.querySelector(css)?.textContent.trim() === text,
    [selector, expected],
    { timeout: 15000 }
  ).catch(async () => {
    const actual = await page.textContent(selector).catch(() => "(missing)");
    assert.fail(selector + " reads " + JSON.stringify(actual) + ", expected " + JSON.stringify(expected));
  });
}

async function send(page, text) {
  await page.waitForFunction(() => !document.getElementById("promptInput").disabled);
  await page.fill("#promptInput", text);
  await page.press("#promptInput", "Enter");
}

async function settledTurn(page) {
  await page.waitForFunction(() => !document.body.classList.contains("busy") && !document.querySelector(".message.pending"), null, {
    timeout: 20000,
  });
  return page.locator(".message.assistant .bubble").last().innerText();
}

const posts = (page, name) => page.evaluate((handler) => window.fakeDesktop.posts.filter((post) => post.name === handler), name);

// The first message of `action` posted to `handler`, once the page has posted it.
const posted = async (page, handler, action) =>
  (await page.waitForFunction(([name, kind]) => window.fakeDesktop.posts.find((post) => post.name === name && post.body.action === kind), [handler, action])).jsonValue();

// Reloads the thread as the refresh button does, and resolves once the page has rendered it.
const reloadThread = (page) => page.evaluate(() => window.OndiOperator.app.loadState());

// Hands the page a reply. What it sets off in promise callbacks has all run when the test's next
// call reaches the page, in a later task.
const deliver = (page, hook, reply) => page.evaluate(([name, body]) => window[name](body), [hook, reply]);

// Moves the page's clock through the bridge's time-out `key`, as the page ships it, from a request
// that has just gone out; a second before the end the turn is still waiting. The clock jumps, so
// the thinking indicator's timers fire once per jump rather than for every frame in between.
async function runThroughTimeout(page, key) {
  const limit = await page.evaluate((name) => window.OndiOperator.bridge.timeouts[name], key);
  await page.clock.fastForward(limit - 1000);
  assert.equal(await page.locator(".message.pending").count(), 1, "the turn waits for its time-out");
  await page.clock.fastForward(1000);
}

// Sent from the test itself, as the desktop app sends its requests: a page of another origin
// could not add X-Requested-With.
async function failNextAgentPrompt() {
  const response = await fetch(server.url + "/api/test/agent-failure", {
    method: "POST",
    headers: { "Content-Type": "application/json", "X-Requested-With": "VelmoraDesktop" },
    body: JSON.stringify({ status: 502, count: 1 }),
  });
  assert.equal(response.status, 200);
}

test.before(async () => {
  assert.ok(fs.existsSync(chromiumPath), "Chromium is missing at " + chromiumPath + " (scripts/bootstrap installs it)");
  const html = fs.readFileSync(pagePath, "utf8");
  server = await startServer(serverPath);
  userDataDir = fs.mkdtempSync(path.join(os.tmpdir(), "ondi-web-chromium-"));
  browser = await chromium.launchPersistentContext(userDataDir, {
    executablePath: chromiumPath,
    headless: true,
    viewport: { width: 1180, height: 780 },
    args: [
      "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
      "--disable-background-networking", "--disable-component-update", "--disable-sync",
    ],
  });
  context = browser;
  // The pages' timers run on Playwright's clock: in real time, until a test moves it on to a
  // time-out or an animation frame instead of waiting for it.
  await context.clock.install();
  await context.route("**" + PAGE_ROUTE, (route) => route.fulfill({ status: 200, contentType: "text/html; charset=utf-8", body: html }));
  await context.route("**" + BLANK_ROUTE, (route) => route.fulfill({ status: 200, contentType: "text/html", body: "<!doctype html><title>blank</title>" }));

  // Sign up through the page's origin, so that the session cookie is the browser's.
  const page = await context.newPage();
  await page.goto(server.url + BLANK_ROUTE);
  const answer = await page.evaluate(async (address) => {
    const response = await fetch("/api/auth/password/sign-up", {
      method: "POST",
      credentials: "include",
      headers: { "Content-Type": "application/json" },
      body: JSON.stringify({ name: "Page Tester", email: address, password: "a long enough passphrase" }),
    });
    return { status: response.status, body: await response.json() };
  }, email);
  assert.equal(answer.status, 200, JSON.stringify(answer.body));
  assert.equal(answer.body.authenticated, true);
  await page.close();
});

test.after(async () => {
  await browser?.close().catch(() => {});
  await server?.stop();
  if (userDataDir) fs.rmSync(userDataDir, { recursive: true, force: true });
});

test("an empty thread shows the welcome panel and the live header", async () => {
  const page = await openOperatorPage();
  await assertText(page, "#workspaceTitle", "Ondi operator");
  await assertText(page, "#runtimeMode", "Live backend · Auto");
  await assertText(page, "#usageMeta", "0/50 turns");
  assert.equal(await page.isVisible("#welcomePanel"), true);
  assert.equal(await page.locator(".starter-card").count(), 3);
  assert.equal(
    (await page.textContent("#velmora-ai-disclaimer")).trim(),
    "Ondi responses are AI-generated and can make mistakes. Please double-check important information."
  );

  const status = (await posts(page, "velmoraOpenAI")).map((post) => post.body.action);
  assert.deepEqual(status, ["status"], "start-up asks the desktop for the local OpenAI status once");

  await page.click(".starter-card >> nth=1");
  assert.equal(
    await page.inputValue("#promptInput"),
    "Act as the Ads subagent and draft a simple campaign plan with approval checkpoints."
  );
  await page.fill("#promptInput", "");
  await screenshot(page, "operator-empty.png");
  assert.deepEqual(page.errors, []);
  await page.close();
});

test("a prompt goes to the hosted agent and its Markdown answer is rendered", async () => {
  const page = await openOperatorPage();
  let releaseAnswer;
  const answerHeld = new Promise((resolve) => (releaseAnswer = resolve));
  const sentBodies = [];
  await page.route("**/api/agent/message", async (route) => {
    sentBodies.push(JSON.parse(route.request().postData()));
    await answerHeld;
    await route.continue();
  });

  await send(page, "Draft a **launch** checklist for <b>Friday</b>");
  await page.waitForSelector(".message.pending .thinking[role=status]");
  assert.equal(await page.getAttribute(".thinking", "aria-label"), "Ondi is carrying out your mission.");
  assert.match(await page.textContent(".thinking-word"), /\.\.\.$/);
  assert.equal(await page.isDisabled("#sendButton"), true, "busy disables sending");
  await screenshot(page, "operator-thinking.png");
  releaseAnswer();

  const answer = await settledTurn(page);
  assert.match(answer, /What I received/);
  assert.equal(await page.locator(".message.assistant strong", { hasText: "What I received" }).count(), 1);
  assert.equal(await page.locator(".message.user b").count(), 0, "user text is escaped");
  assert.match(await page.locator(".message.user .bubble").last().innerText(), /<b>Friday<\/b>/);
  assert.equal(await page.isVisible("#welcomePanel"), false);

  assert.deepEqual(sentBodies, [
    {
      message: "Draft a **launch** checklist for <b>Friday</b>",
      threadId: "default",
      surface: "mac_app",
      permissionMode: "approval-first",
      modelMode: "auto",
      workspaceContext: null,
    },
  ]);
  const snapshots = await posts(page, "velmoraConversationState");
  const last = snapshots.at(-1).body;
  assert.equal(last.action, "syncConversationThreads");
  assert.match(last.id, /^thread-sync-\d+$/);
  assert.equal(last.activeThreadId, "default");
  assert.equal(last.threads[0].id, "default");
  assert.equal(last.threads[0].messageCount, 2);

  await send(page, "Now list the risks as a numbered list");
  await settledTurn(page);
  await screenshot(page, "operator-conversation.png");
  await page.setViewportSize({ width: 860, height: 720 });
  await page.waitForFunction(() => window.innerWidth === 860);
  await screenshot(page, "operator-narrow.png");
  assert.deepEqual(page.errors, []);
  await page.close();
});

test("a desktop request is handed to the desktop and resolved by its id", async () => {
  const page = await openOperatorPage();
  await page.evaluate(() => (window.fakeDesktop.desktopReplies = "answer"));
  await send(page, "open linkedin jobs and gmail in the in-app browser");
  const turn = await settledTurn(page);

  const [request] = await posts(page, "velmoraDesktopAction");
  assert.equal(typeof request.body.id, "string");
  assert.deepEqual({ ...request.body, id: undefined }, {
    id: undefined,
    action: "openInAppBrowserTabs",
    tabs: [
      { label: "LinkedIn Jobs", url: "https://www.linkedin.com/jobs/" },
      { label: "Gmail", url: "https://mail.google.com/mail/u/0/#inbox" },
    ],
    label: "LinkedIn Jobs, Gmail",
    target: "inApp",
    explicitExternal: false,
  });
  assert.equal(turn, "Opened LinkedIn Jobs, Gmail in Ondi browser tabs.");
  await assertText(page, "#statusText", "Desktop action completed.");

  // A reply nobody waits for changes nothing, and the turn outlives a reload of the thread.
  await deliver(page, "velmoraDesktopActionUpdate", { id: request.body.id, ok: false, kind: "desktopAction", error: "late" });
  await reloadThread(page);
  assert.equal(await page.locator(".message.assistant .bubble").last().innerText(), "Opened LinkedIn Jobs, Gmail in Ondi browser tabs.");
  assert.equal(await page.locator(".message.user", { hasText: "open linkedin jobs and gmail" }).count(), 1);
  assert.deepEqual(page.errors, []);
  await page.close();
});

test("an unanswered desktop request ends with the failure turn after its time-out", async () => {
  const page = await openOperatorPage();
  await send(page, "open youtube in safari");
  const request = await posted(page, "velmoraDesktopAction", "openSafariURL");
  await runThroughTimeout(page, "desktopAction");
  const turn = await settledTurn(page);

  assert.equal(request.body.action, "openSafariURL");
  assert.equal(request.body.url, "https://www.youtube.com/");
  assert.equal(request.body.explicitExternal, true);
  assert.equal(turn, "I tried to run that desktop action, but this computer blocked it: The desktop app did not answer in time.");
  await assertText(page, "#statusText", "Desktop action needs attention.");

  await deliver(page, "velmoraDesktopActionUpdate", { id: request.body.id, ok: true, kind: "desktopAction", text: "Opened late." });
  assert.equal(await page.locator(".message", { hasText: "Opened late." }).count(), 0, "a late reply is ignored");
  await page.close();
});

test("in Anthropic mode a failing hosted agent gives the model error turn and no local call", async () => {
  const page = await openOperatorPage();
  await page.evaluate(() => window.velmoraDesktopSetModelProvider({ mode: "Anthropic", title: "Claude" }));
  await assertText(page, "#runtimeMode", "Live backend · Claude");
  const before = (await posts(page, "velmoraOpenAI")).length;
  await failNextAgentPrompt();

  await send(page, "Summarise my week");
  const turn = await settledTurn(page);
  assert.equal(turn, "Claude could not answer: The agent failed on purpose with status 502.");
  await assertText(page, "#statusText", "Claude needs attention.");
  assert.equal((await posts(page, "velmoraOpenAI")).length, before, "nothing was asked of the local model");
  await page.close();
});

test("in Auto mode a failing hosted agent falls back to the local model with the history", async () => {
  const page = await openOperatorPage();
  await page.evaluate(() => (window.fakeDesktop.openAIReplies = "answer"));
  await send(page, "The launch is on Friday");
  await settledTurn(page);
  const before = (await posts(page, "velmoraOpenAI")).length;
  await failNextAgentPrompt();

  await send(page, "What should I do first?");
  const turn = await settledTurn(page);

  const requests = (await posts(page, "velmoraOpenAI")).slice(before).map((post) => post.body);
  assert.deepEqual(requests.map((body) => body.action), ["status", "message"]);
  const message = requests[1];
  assert.equal(message.message, "What should I do first?");
  assert.equal(message.threadId, "default");
  assert.equal(message.agentMode, "Main operator");
  assert.equal(message.workspaceContext, null);
  assert.ok(message.history.length > 0 && message.history.length <= 10);
  assert.ok(message.history.every((entry) => ["user", "assistant"].includes(entry.role) && entry.content));
  assert.ok(!message.history.some((entry) => entry.content === "What should I do first?"), "the question itself is not history");
  assert.equal(message.history.at(-2).content, "The launch is on Friday");
  assert.match(message.history.at(-1).content, /What I received/);

  assert.equal(turn, "Local answer to: What should I do first? (" + message.history.length + " earlier turns)");
  await assertText(page, "#runtimeMode", "Local OpenAI · gpt-5.6-sol");
  await assertText(page, "#accountBadge", "Local");
  await page.close();
});

test("the local fallback: a time-out gives a failure turn, a missing key drops the turn silently", async () => {
  const page = await openOperatorPage();
  await page.evaluate(() => (window.fakeDesktop.openAIReplies = "status-only"));
  await failNextAgentPrompt();
  await send(page, "Where are the quarterly numbers?");
  const message = await posted(page, "velmoraOpenAI", "message");
  await runThroughTimeout(page, "openAI");
  assert.equal(await settledTurn(page), "Local OpenAI could not answer: Direct OpenAI fallback timed out.");
  await deliver(page, "velmoraDesktopOpenAIUpdate", { id: message.body.id, ok: true, kind: "message", text: "Too late." });
  assert.equal(await page.locator(".message", { hasText: "Too late." }).count(), 0, "a late answer is ignored");

  await page.evaluate(() => {
    window.fakeDesktop.openAIReplies = "answer";
    window.fakeDesktop.openAIError = "Add an OpenAI API key in Ondi Settings.";
  });
  const assistantTurns = await page.locator(".message.assistant").count();
  await failNextAgentPrompt();
  await send(page, "Try again please");
  await settledTurn(page);
  assert.equal(await page.locator(".message.assistant").count(), assistantTurns, "no turn is added for a missing key");
  assert.equal(await page.locator(".message.user .bubble").last().innerText(), "Try again please");
  assert.equal((await page.textContent("#statusText")).trim(), "");
  await page.close();
});

test("a managed browser request opens the returned workflow in the desktop's monitor", async () => {
  const page = await openOperatorPage();
  await page.evaluate(() => (window.fakeDesktop.desktopReplies = "answer"));
  await send(page, "Check my Gmail in the in-app browser and show it in the live monitor");
  const turn = await settledTurn(page);

  const requests = (await posts(page, "velmoraDesktopAction")).map((post) => post.body);
  assert.equal(requests.length, 1, "the request goes to the hosted agent, not the desktop classifier");
  const { id, ...request } = requests[0];
  assert.equal(typeof id, "string");
  assert.match(request.workflowId, /^wf_/);
  assert.deepEqual(request, { action: "openManagedBrowserWorkflow", workflowId: request.workflowId, label: "Managed Gmail" });
  assert.ok(turn.includes(request.workflowId), "the agent's answer names the run the desktop was asked to open");
  assert.deepEqual(await posts(page, "velmoraOpenAI").then((list) => list.map((post) => post.body.action)), ["status"]);
  await page.close();
});

test("a managed browser workflow the desktop never opens ends in the managed-browser failure, without local fallback", async () => {
  const page = await openOperatorPage();
  await page.evaluate(() => (window.fakeDesktop.openAIReplies = "answer"));
  await send(page, "Run it in the browser so I can watch the monitor");
  const request = await posted(page, "velmoraDesktopAction", "openManagedBrowserWorkflow");
  await runThroughTimeout(page, "managedWorkflow");
  const turn = await settledTurn(page);
  assert.equal(turn, "Managed browser could not start: Ondi could not open the managed browser workflow.");
  await assertText(page, "#statusText", "Managed browser needs attention.");
  assert.equal(request.body.label, "Managed browser");
  assert.deepEqual((await posts(page, "velmoraOpenAI")).map((post) => post.body.action), ["status"], "no local answer");
  await page.close();
});

test("markup in prompts, thread titles and answers is shown as text", async () => {
  const page = await openOperatorPage();
  await page.evaluate(() => window.velmoraDesktopOpenThread("hostile-text"));
  await page.waitForFunction(() => window.fakeDesktop.posts.some((post) => post.body.activeThreadId === "hostile-text"));
  const hostile = '<img src=x onerror="window.injected=1"><script>window.injected=2</script> `<b>` **<i>x</i>**';
  await send(page, hostile);
  const turn = await settledTurn(page);
  assert.ok(turn.includes('<img src=x onerror="window.injected=1">'), "the agent's quote of the prompt is shown literally");
  // The thread's title comes from its first prompt; the header and the published list carry it as text.
  await page.waitForFunction(() => document.getElementById("workspaceTitle").textContent.includes("<img"));
  assert.equal(await page.locator("#workspaceTitle *, .message img, .message script, .message b, .message i").count(), 0);
  assert.equal(await page.evaluate(() => window.injected), undefined);
  const snapshot = (await posts(page, "velmoraConversationState")).at(-1).body;
  assert.ok(snapshot.threads.find((thread) => thread.id === "hostile-text").title.includes("<img"));
  await page.close();
});

test("the thinking indicator sweeps its words in, and stands still under reduced motion", async () => {
  for (const reducedMotion of ["no-preference", "reduce"]) {
    const page = await openOperatorPage();
    await page.emulateMedia({ reducedMotion });
    let release;
    const held = new Promise((resolve) => (release = resolve));
    await page.route("**/api/agent/message", async (route) => {
      await held;
      await route.continue();
    });
    // The clock stands still from before the indicator exists, so its frames are exact.
    await page.clock.pauseAt((await page.evaluate(() => Date.now())) + 1000);
    await send(page, "Think about " + reducedMotion);
    await page.waitForSelector(".thinking");
    const frame = () => page.evaluate(() => document.querySelector(".thinking").textContent);
    const first = await frame();
    assert.equal(first, "✣Locking on...");
    // The first word is replaced after 1,650 ms, one letter every 40 ms.
    await page.clock.runFor(2400);
    const later = await frame();
    if (reducedMotion === "reduce") assert.equal(later, first, "nothing moves under reduced motion");
    else assert.match(later, /Plotting course\.\.\.$/, "the second word has been swept in");
    await page.clock.resume();
    release();
    await settledTurn(page);
    await page.close();
  }
});

test("the thread sticks to the bottom only when the reader was within reach of it", async () => {
  const page = await openOperatorPage();
  await page.setViewportSize({ width: 900, height: 420 });
  await page.evaluate(() => window.velmoraDesktopOpenThread("sticky-scroll"));
  await page.waitForFunction(() => window.fakeDesktop.posts.some((post) => post.body.activeThreadId === "sticky-scroll"));
  for (let index = 0; index < 3; index += 1) {
    await send(page, "Long answer number " + index);
    await settledTurn(page);
  }
  const scroll = () =>
    page.evaluate(() => {
      const element = document.getElementById("threadScroll");
      return { top: element.scrollTop, gap: element.scrollHeight - element.scrollTop - element.clientHeight };
    });
  // Another device adds a turn to the thread; a refresh brings it in.
  const addTurnElsewhere = (text) =>
    page.evaluate(async (message) => {
      const response = await fetch("/api/agent/message", {
        method: "POST",
        credentials: "include",
        headers: { "Content-Type": "application/json" },
        body: JSON.stringify({ message, threadId: "sticky-scroll", surface: "mac_app", permissionMode: "approval-first", modelMode: "auto", workspaceContext: null }),
      });
      return response.status;
    }, text);
  const refresh = async () => {
    const count = await page.locator(".message").count();
    await page.click("#refreshButton");
    await page.waitForFunction((before) => document.querySelectorAll(".message").length > before, count);
  };

  assert.ok((await scroll()).gap <= 1, "a sent prompt scrolls to the end");
  await page.evaluate(() => (document.getElementById("threadScroll").scrollTop = 0));
  assert.equal(await addTurnElsewhere("From elsewhere, while reading"), 200);
  await refresh();
  assert.equal((await scroll()).top, 0, "a reader further up stays where they are");

  await page.evaluate(() => {
    const element = document.getElementById("threadScroll");
    element.scrollTop = element.scrollHeight - element.clientHeight - 100;
  });
  assert.equal(await addTurnElsewhere("From elsewhere, near the end"), 200);
  await refresh();
  assert.ok((await scroll()).gap <= 1, "a reader within 120 px of the end follows it");
  await page.close();
});

test("identical thread snapshots are posted once; a new chat posts a new one", async () => {
  const page = await openOperatorPage();
  const count = async () => (await posts(page, "velmoraConversationState")).length;
  assert.equal(await count(), 1);
  await reloadThread(page);
  await reloadThread(page);
  assert.equal(await count(), 1);

  const created = page.waitForResponse((response) => response.url().includes("/api/agent/new"));
  await page.click("#newThreadButton");
  await created;
  await page.waitForFunction(() => window.fakeDesktop.posts.filter((post) => post.name === "velmoraConversationState").length === 2);
  const latest = (await posts(page, "velmoraConversationState")).at(-1).body;
  assert.notEqual(latest.activeThreadId, "default");
  assert.ok(latest.threads.some((thread) => thread.id === latest.activeThreadId && thread.title === "New chat"));
  assert.equal(await page.isVisible("#welcomePanel"), true);
  await page.close();
});

test("a pack workspace scopes the page and wraps what the hosted agent receives", async () => {
  const page = await openOperatorPage();
  const sentBodies = [];
  page.on("request", (request) => {
    if (request.url().includes("/api/agent/message")) sentBodies.push(JSON.parse(request.postData()));
  });
  await page.evaluate(() =>
    window.velmoraDesktopOpenPackWorkspace({
      id: "shop",
      title: "Shop Ops",
      workspaceName: "Shop Ops Workspace",
      subtitle: "Orders and Returns",
      overview: "Runs the store.",
      threadId: "pack-shop",
      scopeInstruction: "Only handle store operations.",
      approvalTitle: "Owner approval",
      approvalDetail: "Refunds need the owner.",
      selectedHelperId: "returns",
      starterPrompt: "Check today's returns.",
      helpers: [
        { id: "orders", name: "Order Desk", role: "Tracks orders", steps: ["Look up"] },
        { id: "returns", name: "Returns Clerk", role: "Handles returns", steps: ["Check"] },
      ],
      workflows: [
        { id: "w1", title: "Daily orders", detail: "Review new orders", prompt: "Review today's orders." },
        { id: "w2", title: "", detail: "", prompt: "Second." },
        { id: "w3", title: "Third", detail: "x", prompt: "Third." },
        { id: "w4", title: "Fourth", detail: "x", prompt: "Fourth." },
      ],
    })
  );
  await assertText(page, "#workspaceTitle", "Shop Ops Workspace");
  await assertText(page, "#threadTitle", "What should Shop Ops handle?");
  await assertText(page, "#welcomeCopy", "This chat and its active agents stay focused on orders and returns.");
  await assertText(page, "#workspaceSectionTitle", "Shop Ops activity");
  await assertText(page, "#runtimeMode", "Shop Ops scope · Live backend · Auto");
  assert.equal(await page.evaluate(() => document.body.classList.contains("pack-workspace")), true);
  assert.deepEqual(await page.$$eval("#modelSelect option", (options) => options.map((option) => option.textContent)), [
    "Main operator", "Order Desk", "Returns Clerk",
  ]);
  assert.equal(await page.$eval("#modelSelect", (select) => select.selectedOptions[0].textContent), "Returns Clerk");
  assert.deepEqual(await page.$$eval(".starter-card strong", (cards) => cards.map((card) => card.textContent)), [
    "Daily orders", "Starter workflow", "Third",
  ]);
  assert.equal(await page.inputValue("#promptInput"), "Check today's returns.");

  await page.press("#promptInput", "Enter");
  await settledTurn(page);
  assert.equal(sentBodies.length, 1);
  const body = sentBodies[0];
  assert.equal(body.threadId, "pack-shop");
  assert.equal(
    body.message,
    "[[VELMORA_WORKSPACE_CONTEXT]]\nOnly handle store operations.\nCurrently selected agent: Returns Clerk.\n" +
      "Approval policy: Refunds need the owner.\n[[END_VELMORA_WORKSPACE_CONTEXT]]\nUser request:\nCheck today's returns."
  );
  assert.equal(body.workspaceContext.packId, "shop");
  assert.equal(body.workspaceContext.activeAgent, "Returns Clerk");
  assert.equal(await page.locator(".message.user .bubble").last().innerText(), "Check today's returns.");
  assert.equal(await page.evaluate(() => localStorage.getItem("velmora.pack.thread.shop")), "pack-shop");
  const cached = await page.evaluate(() => JSON.parse(localStorage.getItem("velmora.pack.conversation.shop.pack-shop")));
  assert.ok(cached.messages.length >= 2 && cached.messages.every((message) => !message.pending));

  await page.evaluate(() => window.velmoraDesktopSelectPackAgent(null));
  assert.equal(await page.$eval("#modelSelect", (select) => select.selectedOptions[0].textContent), "Main operator");
  await page.close();
});

test("dictation follows the desktop's speech updates", async () => {
  const page = await openOperatorPage();
  await page.fill("#promptInput", "Draft");
  await page.click("#micButton");
  assert.deepEqual((await posts(page, "velmoraSpeech")).map((post) => post.body), [{ action: "start", draft: "Draft" }]);

  await page.evaluate(() => window.velmoraDesktopSpeechUpdate({ status: "recording", transcript: "Draft a reply to Anna" }));
  assert.equal(await page.inputValue("#promptInput"), "Draft a reply to Anna");
  await assertText(page, "#statusText", "Listening...");
  assert.equal(await page.getAttribute("#micButton", "title"), "Stop dictation");

  await page.click("#micButton");
  assert.deepEqual((await posts(page, "velmoraSpeech")).at(-1).body, { action: "stop", draft: "Draft a reply to Anna" });
  await page.evaluate(() => window.velmoraDesktopSpeechUpdate({ status: "stopped" }));
  await assertText(page, "#statusText", "Dictation stopped.");
  assert.equal(await page.getAttribute("#micButton", "aria-label"), "Dictate");
  await page.clock.fastForward(await page.evaluate(() => window.OndiOperator.app.TRANSIENT_STATUS));
  await assertText(page, "#statusText", "");

  await page.evaluate(() => window.velmoraDesktopSpeechUpdate({ status: "error" }));
  await assertText(page, "#statusText", "Dictation could not start.");

  // Without the desktop's handler the page says where dictation lives.
  await page.evaluate(() => delete window.webkit.messageHandlers.velmoraSpeech);
  await page.click("#micButton");
  await assertText(page, "#statusText", "Voice dictation is available in the Ondi desktop app.");
  await page.close();
});

test("the service's own agent page is the operator page, and its scripts run under its policy", async () => {
  const page = await context.newPage();
  const errors = [];
  const refused = [];
  page.on("pageerror", (error) => errors.push(error));
  page.on("console", (message) => {
    if (/Content Security Policy/i.test(message.text())) refused.push(message.text());
  });
  await installFakeDesktop(page);
  const loaded = page.waitForResponse((response) => response.url().includes("/api/agent/state"));
  await page.goto(server.url + "/agent.html?source=mac_app");
  await loaded;
  await assertText(page, "#accountBadge", email);
  await send(page, "Hello from the service's page");
  assert.match(await settledTurn(page), /\S/);
  assert.deepEqual(errors, []);
  assert.deepEqual(refused, []);
  await page.close();
});

// Last, because it signs the shared browser out and in again through the page.
test("the auth page signs out and in with the page's own requests", async () => {
  const page = await context.newPage();
  await page.goto(server.url + "/auth.html?mode=sign-out");
  await page.click("#sign-out");
  await page.waitForURL(/mode=sign-in/);
  const session = await page.evaluate(async () => (await fetch("/api/auth/session")).json());
  assert.equal(session.authenticated, false);

  await page.fill("#email", email);
  await page.fill("#password", "not the passphrase");
  await page.click("#submit");
  await assertText(page, "#status", "That email and password do not match an Ondi account.");
  await page.fill("#password", "a long enough passphrase");
  await page.click("#submit");
  await page.waitForURL(/\/page\.html\?view=account$/);
  await page.waitForSelector("#account");
  assert.match(await page.textContent("#account"), new RegExp(email.replace(/[.+]/g, "\\$&")));
  await page.close();
});
