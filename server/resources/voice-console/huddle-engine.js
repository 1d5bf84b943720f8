// The simulated huddle's turn-taking: the user's turns, the chosen agents thinking and then
// speaking one after the other, interruption, mute, and the snapshot the desktop app reads. It
// keeps at most two timers: the one of the agent in turn, and the one that says a scripted user
// line after a quiet spell.
(function (root) {
  "use strict";

  const plan = root.OndiVoice && root.OndiVoice.plan ? root.OndiVoice.plan : require("./huddle-plan.js");

  const TIMINGS = Object.freeze({
    // How long an agent thinks before it speaks, and how long it speaks.
    thinkingMs: 800,
    speakingMs: 2400,
    // How long a live huddle waits, idle and unmuted, before it hears the next scripted line.
    quietMs: 8000,
  });
  // What the user "says" when nothing is typed: each line once per session, in this order.
  const SCRIPTED_LINES = Object.freeze([
    "What should we test before the new checkout ships?",
    "Can the ads and SEO agents plan the launch page together?",
    "How do we connect the CRM webhook to the weekly report?",
  ]);
  const MAX_USER_TEXT = 500;

  class HuddleEngine {
    // timers: {setTimeout, clearTimeout, now}; onChange is called after every change of the
    // snapshot.
    constructor(timers, onChange) {
      this.timers = timers;
      this.onChange = onChange;
      this.enabled = false;
      this.mode = "relevant";
      this.participants = [plan.DEFAULT_PARTICIPANT];
      this.live = false;
      this.muted = false;
      this.status = "idle";
      this.activeAgentId = "";
      this.turns = [];
      this.queue = [];
      this.current = null;
      this.turnTimer = null;
      this.quietTimer = null;
      this.scriptedIndex = 0;
      this.turnCount = 0;
    }

    // Takes a configuration (see readConfiguration); one without participants leaves the default
    // agent answering and the huddle not enabled. The next user turn uses it.
    configure(config) {
      const read = plan.readConfiguration(config);
      if (!read.ok) return { ok: false, error: read.error };
      this.mode = read.mode;
      this.enabled = read.participants.length > 0;
      this.participants = this.enabled ? read.participants : [plan.DEFAULT_PARTICIPANT];
      this.changed();
      return { ok: true, enabled: this.enabled, mode: this.mode, participants: read.participants.length };
    }

    // The session is live: a fresh transcript, waiting for the user.
    begin() {
      this.stopTurns();
      this.live = true;
      this.turns = [];
      this.scriptedIndex = 0;
      this.waitForUser();
      this.changed();
    }

    // The session has ended: no transcript, nothing pending, the microphone no longer muted.
    end() {
      this.stopTurns();
      this.live = false;
      this.muted = false;
      this.turns = [];
      this.changed();
    }

    // A user's turn, which cuts short any answer in progress. False when no session is live or
    // the text is empty.
    say(userText) {
      const said = typeof userText === "string" ? userText.replace(/\s+/g, " ").trim().slice(0, MAX_USER_TEXT) : "";
      if (!this.live || !said) return false;
      this.cutAnswer();
      this.turns.push(this.turn("user", "user", "You", plan.LISTENER, null, said));
      this.queue = plan.chooseResponders(this.participants, this.mode, said).map((participant) => ({ participant, said }));
      this.nextAgent();
      return true;
    }

    // Cuts the answer in progress short; false when there is none.
    interrupt() {
      if (!this.current) return false;
      this.cutAnswer();
      this.waitForUser();
      this.changed();
      return true;
    }

    setMuted(muted) {
      this.muted = muted;
      if (muted) {
        this.clearQuietTimer();
      } else if (!this.current) {
        this.waitForUser();
      }
      this.changed();
    }

    // A copy in the shape the desktop app decodes.
    snapshot() {
      return {
        enabled: this.enabled,
        mode: this.mode,
        status: this.status,
        activeAgentId: this.activeAgentId,
        microphoneMuted: this.muted,
        turns: this.turns.map((turn) => Object.assign({}, turn)),
      };
    }

    turn(kind, agentId, speaker, model, voice, text) {
      this.turnCount += 1;
      return {
        id: "turn-" + this.turnCount,
        kind,
        agentId,
        speaker,
        provider: model.provider,
        model: model.model,
        voice,
        text,
        available: true,
        createdAt: new Date(this.timers.now()).toISOString(),
      };
    }

    nextAgent() {
      this.turnTimer = null;
      const next = this.queue.shift();
      if (!next) {
        this.current = null;
        this.status = "idle";
        this.activeAgentId = "";
        this.waitForUser();
        this.changed();
        return;
      }
      this.current = { participant: next.participant, said: next.said, turn: null, answer: "", startedAt: 0 };
      this.status = "thinking";
      this.activeAgentId = next.participant.id;
      this.turnTimer = this.timers.setTimeout(() => this.speak(), TIMINGS.thinkingMs);
      this.changed();
    }

    speak() {
      const current = this.current;
      const participant = current.participant;
      current.answer = plan.agentLine(participant, current.said);
      current.turn = this.turn("agent", participant.id, participant.name, plan.modelFor(participant), participant.voice, current.answer);
      current.startedAt = this.timers.now();
      this.turns.push(current.turn);
      this.status = "speaking";
      this.turnTimer = this.timers.setTimeout(() => this.nextAgent(), TIMINGS.speakingMs);
      this.changed();
    }

    // Ends the answer in progress: the speaking agent's turn keeps the words said so far, and the
    // agents still waiting do not answer.
    cutAnswer() {
      const current = this.current;
      this.stopTurns();
      if (current && current.turn) {
        const fraction = (this.timers.now() - current.startedAt) / TIMINGS.speakingMs;
        current.turn.text = plan.spokenPart(current.answer, fraction);
      }
    }

    stopTurns() {
      if (this.turnTimer !== null) this.timers.clearTimeout(this.turnTimer);
      this.turnTimer = null;
      this.clearQuietTimer();
      this.queue = [];
      this.current = null;
      this.status = "idle";
      this.activeAgentId = "";
    }

    waitForUser() {
      this.clearQuietTimer();
      if (!this.live || this.muted || this.scriptedIndex >= SCRIPTED_LINES.length) return;
      this.quietTimer = this.timers.setTimeout(() => {
        this.quietTimer = null;
        this.say(SCRIPTED_LINES[this.scriptedIndex++]);
      }, TIMINGS.quietMs);
    }

    clearQuietTimer() {
      if (this.quietTimer !== null) this.timers.clearTimeout(this.quietTimer);
      this.quietTimer = null;
    }

    changed() {
      this.onChange(this);
    }
  }

  const api = { HuddleEngine, SCRIPTED_LINES, TIMINGS };
  const namespace = (root.OndiVoice = root.OndiVoice || {});
  namespace.engine = api;
  if (typeof module !== "undefined") module.exports = api;
})(globalThis);
