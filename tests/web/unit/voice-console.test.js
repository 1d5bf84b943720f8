"use strict";

// The voice console's huddle: how it reads a configuration it cannot trust, who answers a turn,
// and the timed turn-taking, under timers the test moves.

const test = require("node:test");
const assert = require("node:assert/strict");
const path = require("node:path");

const consoleDir = path.join(__dirname, "../../../server/resources/voice-console");
const plan = require(path.join(consoleDir, "huddle-plan.js"));
const { HuddleEngine, SCRIPTED_LINES, TIMINGS } = require(path.join(consoleDir, "huddle-engine.js"));

const agent = (id, role, voice, modelMode = "openai") => ({ id, name: id[0].toUpperCase() + id.slice(1) + " Agent", role, voice, modelMode });
const MAIN = agent("main", "Facilitates, resolves conflicts, and names the next step.", "Marin");
const ADS = agent("ads", "Paid acquisition, audiences, creative testing, and spend.", "Coral", "anthropic");
const TESTING = agent("testing", "Regressions, acceptance criteria, and verification.", "Sage");
const SEO = agent("seo", "Organic search, content intent, page language, and demand.", "Shimmer", "anthropic");

function manualTimers() {
  let now = Date.UTC(2025, 0, 1);
  let next = 1;
  const due = new Map();
  return {
    now: () => now,
    setTimeout(fn, ms) {
      due.set(next, { at: now + ms, fn });
      return next++;
    },
    clearTimeout: (handle) => due.delete(handle),
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

function liveHuddle(participants, mode = "relevant") {
  const timers = manualTimers();
  const huddle = new HuddleEngine(timers, () => {});
  huddle.configure({ mode, participants });
  huddle.begin();
  return { huddle, timers };
}

const agentTurns = (huddle) => huddle.snapshot().turns.filter((turn) => turn.kind !== "user");

test("a configuration from outside is read defensively", () => {
  for (const bad of [null, 7, "not json", "[1]", [MAIN]]) {
    assert.equal(plan.readConfiguration(bad).ok, false, JSON.stringify(bad));
  }
  const read = plan.readConfiguration(JSON.stringify({
    mode: "everyone",
    participants: [
      { id: " main ", name: 5, role: ["x"], voice: "", modelMode: "cursor" },
      { id: "main", name: "Second main" },
      { name: "No id" },
      "ads",
      ...Array.from({ length: 10 }, (_, index) => ({ id: "extra" + index, modelMode: "anthropic" })),
    ],
  }));
  assert.equal(read.mode, "relevant");
  assert.equal(read.participants.length, plan.MAX_PARTICIPANTS);
  assert.deepEqual(read.participants[0], { id: "main", name: "main", role: "", voice: null, modelMode: "openai" });
  assert.equal(read.participants[1].id, "extra0");
  assert.equal(read.participants[1].modelMode, "anthropic");
});

test("who answers a turn", () => {
  const roster = [MAIN, ADS, TESTING, SEO];
  const ids = (list) => list.map((participant) => participant.id);
  assert.deepEqual(ids(plan.chooseResponders(roster, "all", "hello")), ["main", "ads", "testing", "seo"]);
  assert.deepEqual(ids(plan.chooseResponders(roster, "relevant", "Hello there")), ["main"]);
  // Words match in any inflection; the best matches win, at most two.
  assert.deepEqual(ids(plan.chooseResponders(roster, "relevant", "Test the audiences for our search ads")), ["main", "ads", "testing"]);
  assert.deepEqual(ids(plan.chooseResponders(roster, "relevant", "Any regression in the SEO page language?")), ["main", "seo", "testing"]);
  assert.deepEqual(ids(plan.chooseResponders([ADS, TESTING], "relevant", "Nothing in common")), ["ads"]);
});

test("agents think, then speak in their own voices one after the other", () => {
  const { huddle, timers } = liveHuddle([MAIN, ADS, TESTING]);
  assert.equal(huddle.say("Plan the ads budget"), true);
  let snapshot = huddle.snapshot();
  assert.deepEqual([snapshot.status, snapshot.activeAgentId, snapshot.turns.length], ["thinking", "main", 1]);
  assert.deepEqual(snapshot.turns[0].kind, "user");

  timers.advance(TIMINGS.thinkingMs);
  snapshot = huddle.snapshot();
  assert.deepEqual([snapshot.status, snapshot.activeAgentId], ["speaking", "main"]);
  timers.advance(TIMINGS.speakingMs + TIMINGS.thinkingMs);
  assert.deepEqual([huddle.snapshot().status, huddle.snapshot().activeAgentId], ["speaking", "ads"]);
  timers.advance(TIMINGS.speakingMs);
  snapshot = huddle.snapshot();
  assert.deepEqual([snapshot.status, snapshot.activeAgentId], ["idle", ""]);
  assert.deepEqual(
    agentTurns(huddle).map((turn) => [turn.agentId, turn.speaker, turn.voice, turn.provider, turn.model, turn.available]),
    [
      ["main", "Main Agent", "Marin", "OpenAI", "gpt-5.6", true],
      ["ads", "Ads Agent", "Coral", "Anthropic", "fable-5", true],
    ]
  );
  assert.equal(new Set(snapshot.turns.map((turn) => turn.id)).size, 3, "turn ids are distinct");
});

test("interrupting or speaking over the agents cuts the answer short", () => {
  const { huddle, timers } = liveHuddle([MAIN, ADS], "all");
  huddle.say("First question");
  timers.advance(TIMINGS.thinkingMs + TIMINGS.speakingMs / 4);
  const full = plan.agentLine(MAIN, "First question");
  assert.equal(huddle.interrupt(), true);
  const [cut] = agentTurns(huddle);
  assert.ok(cut.text.endsWith("…") && full.startsWith(cut.text.slice(0, -1)) && cut.text.length < full.length, cut.text);
  assert.deepEqual([huddle.snapshot().status, huddle.snapshot().activeAgentId], ["idle", ""]);
  timers.advance(TIMINGS.thinkingMs + TIMINGS.speakingMs);
  assert.equal(agentTurns(huddle).length, 1, "the agents still waiting do not answer");
  assert.equal(huddle.interrupt(), false);

  huddle.say("Second question");
  timers.advance(TIMINGS.thinkingMs);
  huddle.say("Third question");
  timers.advance(2 * (TIMINGS.thinkingMs + TIMINGS.speakingMs));
  assert.deepEqual(
    huddle.snapshot().turns.map((turn) => turn.agentId + (turn.text.endsWith("…") ? " cut" : "")),
    ["user", "main cut", "user", "main cut", "user", "main", "ads"]
  );
});

test("a quiet, unmuted huddle hears each scripted line once; muting and leaving stop it", () => {
  const { huddle, timers } = liveHuddle([MAIN]);
  huddle.setMuted(true);
  timers.advance(TIMINGS.quietMs * 2);
  assert.equal(huddle.snapshot().turns.length, 0, "a muted microphone hears nothing");
  assert.equal(timers.pending, 0);

  huddle.setMuted(false);
  timers.advance(SCRIPTED_LINES.length * (TIMINGS.quietMs + TIMINGS.thinkingMs + TIMINGS.speakingMs) + TIMINGS.quietMs);
  assert.deepEqual(
    huddle.snapshot().turns.filter((turn) => turn.kind === "user").map((turn) => turn.text),
    SCRIPTED_LINES
  );
  assert.equal(timers.pending, 0, "no timer runs once the lines are used");

  huddle.setMuted(true);
  huddle.end();
  assert.deepEqual(huddle.snapshot().turns, []);
  assert.equal(huddle.snapshot().microphoneMuted, false);
  assert.equal(huddle.say("Anyone there?"), false, "no turns without a session");
});
