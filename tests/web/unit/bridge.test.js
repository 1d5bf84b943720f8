"use strict";

const test = require("node:test");
const assert = require("node:assert/strict");
const path = require("node:path");

const operator = path.join(__dirname, "../../../src/resources/operator");
const bridgeModule = require(path.join(operator, "bridge.js"));
const thinking = require(path.join(operator, "thinking.js"));

// Timers under the test's control: `advance(ms)` runs what falls due, in time order.
function manualTimers() {
  let now = 0;
  let next = 1;
  const due = new Map();
  return {
    setTimeout(fn, ms) {
      const handle = next++;
      due.set(handle, { at: now + ms, fn });
      return handle;
    },
    clearTimeout(handle) {
      due.delete(handle);
    },
    advance(ms) {
      const end = now + ms;
      for (;;) {
        const [handle, timer] = [...due.entries()].sort((a, b) => a[1].at - b[1].at)[0] || [];
        if (!timer || timer.at > end) break;
        due.delete(handle);
        now = timer.at;
        timer.fn();
      }
      now = end;
    },
    get pending() {
      return due.size;
    },
  };
}

function harness(handlers = ["velmoraDesktopAction", "velmoraOpenAI"]) {
  const timers = manualTimers();
  const posted = [];
  const timeouts = { ...bridgeModule.timeouts };
  const bridge = bridgeModule.createBridge({
    timers,
    timeouts,
    hasHandler: (name) => handlers.includes(name),
    post: (name, body) => posted.push({ name, body }) > 0,
  });
  return { bridge, timers, posted, timeouts };
}

const settled = (promise) => {
  let value;
  promise.then((result) => (value = result));
  return () => value;
};

test("desktop action requests", async (t) => {
  await t.test("the payload is posted with a fresh id and resolves with the reply that names it", async () => {
    const { bridge, posted } = harness();
    const reply = bridge.desktopAction({ action: "openInAppBrowser", url: "https://www.youtube.com/", label: "YouTube" });
    assert.equal(posted.length, 1);
    const { name, body } = posted[0];
    assert.equal(name, "velmoraDesktopAction");
    assert.equal(body.action, "openInAppBrowser");
    assert.equal(typeof body.id, "string");

    assert.equal(bridge.receiveDesktopActionUpdate({ id: "someone-else", ok: true }), false);
    assert.equal(bridge.receiveDesktopActionUpdate({ id: body.id, ok: true, kind: "desktopAction", text: "Opened." }), true);
    assert.deepEqual(await reply, { id: body.id, ok: true, kind: "desktopAction", text: "Opened." });
    assert.equal(bridge.receiveDesktopActionUpdate({ id: body.id, ok: false }), false, "a second reply is ignored");
  });

  await t.test("an unanswered request fails after 12 s and a late reply is ignored", async () => {
    const { bridge, timers, posted } = harness();
    const result = settled(bridge.desktopAction({ action: "closeInAppBrowser" }));
    timers.advance(11999);
    await Promise.resolve();
    assert.equal(result(), undefined);
    timers.advance(1);
    await Promise.resolve();
    assert.equal(result().ok, false);
    assert.equal(result().error, bridgeModule.DESKTOP_TIMED_OUT);
    assert.equal(bridge.receiveDesktopActionUpdate({ id: posted[0].body.id, ok: true }), false);
    assert.equal(bridge.pendingCount(), 0);
  });

  await t.test("a managed workflow waits 20 s and times out without a message of its own", async () => {
    const { bridge, timers } = harness();
    const result = settled(bridge.desktopAction({ action: "openManagedBrowserWorkflow", workflowId: "w1" }, "managedWorkflow"));
    timers.advance(19999);
    await Promise.resolve();
    assert.equal(result(), undefined);
    timers.advance(1);
    await Promise.resolve();
    assert.equal(result().ok, false);
    assert.equal(result().error, undefined);
  });

  await t.test("a reply clears its time-out, and shortened time-outs apply to new requests", async () => {
    const { bridge, timers, posted, timeouts } = harness();
    const first = bridge.desktopAction({ action: "a" });
    bridge.receiveDesktopActionUpdate({ id: posted[0].body.id, ok: true });
    await first;
    assert.equal(timers.pending, 0);
    timeouts.desktopAction = 50;
    const result = settled(bridge.desktopAction({ action: "b" }));
    timers.advance(50);
    await Promise.resolve();
    assert.equal(result().ok, false);
  });

  await t.test("without the handler the request fails at once and nothing is posted", async () => {
    const { bridge, posted } = harness([]);
    const reply = await bridge.desktopAction({ action: "openSafariApp" });
    assert.equal(reply.ok, false);
    assert.equal(reply.error, bridgeModule.DESKTOP_UNAVAILABLE);
    assert.equal(posted.length, 0);
  });
});

test("direct OpenAI requests", async (t) => {
  await t.test("status requests time out after 2.5 s, messages after 95 s", async () => {
    const { bridge, timers } = harness();
    const status = settled(bridge.openAI({ action: "status" }));
    const message = settled(bridge.openAI({ action: "message", message: "hi" }));
    timers.advance(2500);
    await Promise.resolve();
    assert.equal(status().kind, "status");
    assert.equal(status().error, "Direct OpenAI fallback timed out.");
    assert.equal(message(), undefined);
    timers.advance(92500);
    await Promise.resolve();
    assert.equal(message().error, "Direct OpenAI fallback timed out.");
  });

  await t.test("replies resolve their own request only", async () => {
    const { bridge, posted } = harness();
    const first = bridge.openAI({ action: "status" });
    const second = bridge.openAI({ action: "message", message: "hi" });
    const [a, b] = posted.map((entry) => entry.body.id);
    assert.notEqual(a, b);
    bridge.receiveOpenAIUpdate({ id: b, ok: true, kind: "message", text: "hello" });
    bridge.receiveOpenAIUpdate({ id: a, ok: true, kind: "status", enabled: true, hasAPIKey: false });
    assert.equal((await first).kind, "status");
    assert.equal((await second).text, "hello");
    assert.equal(bridge.receiveDesktopActionUpdate({ id: a, ok: true }), false, "the maps are separate");
  });

  await t.test("without the handler every request resolves at once as unavailable", async () => {
    const { bridge } = harness(["velmoraDesktopAction"]);
    assert.equal((await bridge.openAI({ action: "message" })).error, "Direct OpenAI is unavailable in this build.");
  });
});

test("thinking indicator", async (t) => {
  await t.test("each word is swept in left to right, one step per character of the longer word", () => {
    const frames = thinking.sweepFrames("Locking on", "Plotting course");
    assert.equal(frames.length, "Plotting course".length);
    assert.equal(frames[0], "Pocking on");
    assert.equal(frames.at(-1), "Plotting course");
    assert.equal(thinking.sweepFrames("Plotting course", "Mobilizing").at(-1), "Mobilizing");
  });

  await t.test("the word changes every 1,650 ms in 40 ms steps and stops cleanly", () => {
    const timers = manualTimers();
    const shown = [];
    const animation = thinking.createThinkingAnimation((frame) => shown.push(frame.word), { timers });
    assert.deepEqual(shown, ["Locking on..."]);
    timers.advance(1650 + 40 * "Plotting course".length);
    assert.equal(shown.at(-1), "Plotting course...");
    animation.stop();
    assert.equal(timers.pending, 0);
  });

  await t.test("no animation under reduced motion", () => {
    const timers = manualTimers();
    const shown = [];
    thinking.createThinkingAnimation((frame) => shown.push(frame), { timers, reducedMotion: true });
    assert.equal(timers.pending, 0);
    assert.deepEqual(shown, [{ glyph: "✣", word: "Locking on..." }]);
  });
});
