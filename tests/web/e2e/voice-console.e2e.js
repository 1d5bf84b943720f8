"use strict";

// The voice console that ondi-server serves for the voice surface, in headless Chromium with a
// fake microphone: the page functions the desktop app calls, driven as the app drives them, and
// the page's own controls. The page's timers run on Playwright's clock, which the huddle test
// holds still and moves on.
//
//   node voice-console.e2e.js --server <ondi-server>
//
// A screenshot goes to $ONDI_SCREENSHOT_DIR when it is set.

const test = require("node:test");
const assert = require("node:assert/strict");
const fs = require("node:fs");
const path = require("node:path");
const { startServer } = require("./server-process");
const { chromium } = require("playwright-core");

const serverIndex = process.argv.indexOf("--server");
if (serverIndex < 0 || !process.argv[serverIndex + 1]) throw new Error("missing argument --server");
const serverPath = process.argv[serverIndex + 1];
const chromiumPath = process.env.ONDI_CHROMIUM || "/usr/bin/chromium";
const screenshotDir = process.env.ONDI_SCREENSHOT_DIR || "";
const CONSOLE = "/agent.html?source=mac_app&desktop=1&surface=voice";
// The console's own timings: an agent thinks, then speaks.
const THINKING_MS = 800;
const SPEAKING_MS = 2400;

const PARTICIPANTS = [
  { id: "main", name: "Main Agent", role: "Facilitates, resolves conflicts, and names the next step.", voice: "Marin", modelMode: "openai" },
  { id: "ads", name: "Ads Agent", role: "Paid acquisition, audiences, creative testing, and spend.", voice: "Coral", modelMode: "anthropic" },
  { id: "seo", name: "SEO Agent", role: "Organic search, content intent, page language, and demand.", voice: "Shimmer", modelMode: "anthropic" },
  { id: "testing", name: "Testing Agent", role: "Regressions, acceptance criteria, and verification.", voice: "Sage", modelMode: "openai" },
  { id: "<b>odd</b>", name: '<img src=x onerror="window.injected=true">', role: 42, voice: { name: "Echo" }, modelMode: "cursor" },
];

let server;
let browser;

test.before(async () => {
  server = await startServer(serverPath);
  browser = await chromium.launch({
    executablePath: chromiumPath,
    headless: true,
    args: [
      "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-background-networking",
      "--use-fake-device-for-media-stream", "--autoplay-policy=no-user-gesture-required",
    ],
  });
});

test.after(async () => {
  await browser?.close();
  await server?.stop();
});

// A console in a fresh browser profile that answers the microphone question with `permissions`,
// signed in to a new account when `email` is given. Every stream the page obtains is kept in
// `window.capturedStreams`, so that the test can see what the page does to the microphone.
async function openConsole({ permissions, email }) {
  const context = await browser.newContext({ permissions, viewport: { width: 1100, height: 760 } });
  await context.addInitScript(() => {
    window.capturedStreams = [];
    const devices = navigator.mediaDevices;
    const getUserMedia = devices.getUserMedia.bind(devices);
    devices.getUserMedia = async (constraints) => {
      const stream = await getUserMedia(constraints);
      window.capturedStreams.push(stream);
      return stream;
    };
  });
  await context.clock.install();
  const page = await context.newPage();
  page.errors = [];
  page.on("pageerror", (error) => page.errors.push(error));
  await page.goto(server.url + CONSOLE);
  if (email) await signUp(page, email);
  return page;
}

// Signs up from the page's origin, so that the session cookie is the browser's.
async function signUp(page, email) {
  const status = await page.evaluate(async (address) => {
    const response = await fetch("/api/auth/password/sign-up", {
      method: "POST",
      headers: { "Content-Type": "application/json" },
      body: JSON.stringify({ name: "Voice Tester", email: address, password: "a long enough passphrase" }),
    });
    return response.status;
  }, email);
  assert.equal(status, 200);
}

const snapshot = (page) => page.evaluate(() => JSON.parse(JSON.stringify(window.velmoraHuddleSnapshot())));
const start = (page) => page.evaluate(() => window.startRealtimeSession());
const tracks = (page) =>
  page.evaluate(() => window.capturedStreams.flatMap((stream) => stream.getAudioTracks()).map((track) => ({ enabled: track.enabled, state: track.readyState })));

async function say(page, text) {
  await page.getByLabel("Say to the huddle").fill(text);
  await page.getByRole("button", { name: "Send" }).click();
}

// Moves the held clock in small steps until the page shows a microphone level, for at most ten
// seconds of real time: the fake microphone beeps now and then in real time.
async function waitForMicrophoneLevel(page) {
  const deadline = Date.now() + 10000;
  while (Date.now() < deadline) {
    await page.clock.runFor(125);
    if (await page.evaluate(() => document.getElementById("microphoneLevel").value > 0)) return;
  }
  assert.fail("the microphone level stayed at zero");
}

test("a configured huddle answers in the participants' voices, mutes, is interrupted and stops", async () => {
  const page = await openConsole({ permissions: ["microphone"], email: "huddle-" + Date.now() + "@example.com" });
  await page.clock.pauseAt(Date.now() + 1000);

  const configured = await page.evaluate((participants) => window.velmoraConfigureHuddle({ mode: "relevant", participants }), PARTICIPANTS);
  assert.deepEqual(configured, { ok: true, enabled: true, mode: "relevant", participants: 5 });
  assert.equal(await page.evaluate(() => window.setWorkspaceSurface("voice")), true);
  assert.deepEqual(await start(page), { ok: true, connected: true });
  assert.deepEqual(await tracks(page), [{ enabled: true, state: "live" }]);
  assert.deepEqual(await snapshot(page), { enabled: true, mode: "relevant", status: "idle", activeAgentId: "", microphoneMuted: false, turns: [] });

  await say(page, "Which ads should we run on the search page?");
  assert.deepEqual((await snapshot(page)).status, "thinking");
  await page.clock.runFor(3 * (THINKING_MS + SPEAKING_MS));
  const answered = await snapshot(page);
  assert.equal(answered.status, "idle");
  assert.deepEqual(
    answered.turns.map((turn) => [turn.kind, turn.agentId, turn.speaker, turn.voice, turn.provider, turn.model]),
    [
      ["user", "user", "You", null, "OpenAI", "gpt-realtime-2.1"],
      ["agent", "main", "Main Agent", "Marin", "OpenAI", "gpt-5.6"],
      ["agent", "seo", "SEO Agent", "Shimmer", "Anthropic", "fable-5"],
      ["agent", "ads", "Ads Agent", "Coral", "Anthropic", "fable-5"],
    ]
  );
  assert.ok(answered.turns.every((turn) => turn.available && !Number.isNaN(Date.parse(turn.createdAt)) && turn.text));
  assert.equal(await page.locator("#transcript li").count(), 4);
  // Names and roles from the configuration are shown as text, never as markup.
  assert.equal(await page.locator("#participants li").nth(4).locator("strong").textContent(), PARTICIPANTS[4].name);
  assert.equal(await page.locator("#participants img, #transcript img, b").count(), 0);
  assert.equal(await page.evaluate(() => window.injected), undefined);

  await waitForMicrophoneLevel(page);
  if (screenshotDir) {
    fs.mkdirSync(screenshotDir, { recursive: true });
    await page.screenshot({ path: path.join(screenshotDir, "voice-console.png") });
  }

  await page.evaluate(() => window.velmoraSetHuddleMicrophoneMuted(true));
  assert.equal((await snapshot(page)).microphoneMuted, true);
  assert.deepEqual(await tracks(page), [{ enabled: false, state: "live" }]);
  assert.equal(await page.textContent("#microphoneState"), "Microphone muted");
  assert.equal(await page.evaluate(() => document.getElementById("microphoneLevel").value), 0);

  await say(page, "One more thing");
  await page.clock.runFor(THINKING_MS + SPEAKING_MS / 2);
  assert.deepEqual(await page.evaluate(() => window.velmoraInterruptHuddleResponse()), { ok: true, interrupted: true });
  const interrupted = await snapshot(page);
  assert.deepEqual([interrupted.status, interrupted.activeAgentId], ["idle", ""]);
  assert.match(interrupted.turns.at(-1).text, /…$/);

  assert.deepEqual(await page.evaluate(() => window.stopRealtimeSession("mac-app")), { ok: true, stopped: true });
  assert.deepEqual(await tracks(page), [{ enabled: false, state: "ended" }], "leaving releases the microphone");
  assert.deepEqual(await snapshot(page), { enabled: true, mode: "relevant", status: "idle", activeAgentId: "", microphoneMuted: false, turns: [] });
  assert.equal(await page.textContent("#huddleStatus"), "The Ondi app ended the huddle.");
  assert.equal(await page.isEnabled("#startButton"), true);
  assert.deepEqual(page.errors, []);
  await page.context().close();
});

test("a start without access or without the microphone never reports a connection", async () => {
  const page = await openConsole({ permissions: [] });
  const refused = { ok: false, connected: false };

  assert.deepEqual(await start(page), { ...refused, code: "realtime_auth_required", error: "Sign in to Ondi to start a realtime call." });
  assert.equal(await page.evaluate(() => window.capturedStreams.length), 0, "the microphone is not asked for");

  await signUp(page, "refused-" + Date.now() + "@example.com");
  assert.deepEqual(await start(page), {
    ...refused,
    code: "microphone_denied",
    error: "Microphone access was denied. Allow the microphone for this page and try again.",
  });
  assert.equal(await page.textContent("#huddleStatus"), "Microphone access was denied. Allow the microphone for this page and try again.");
  assert.equal((await snapshot(page)).status, "idle");
  assert.equal(await page.isDisabled("#sayInput"), true);
  assert.deepEqual(page.errors, []);
  await page.context().close();
});
