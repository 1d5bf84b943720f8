// The voice console page: the functions the desktop app calls on `window`, the controls a
// person uses in a plain browser, and the view of the simulated huddle.
(function () {
  "use strict";

  const { plan, engine: engineModule, microphone: microphoneModule } = window.OndiVoice;
  const METER_MS = 125;
  const STATUS_ADDRESS = "/api/voice/status";

  const elements = {
    surfaceButton: document.querySelector('[data-workspace-surface="voice"]'),
    surface: document.getElementById("voiceSurface"),
    mode: document.getElementById("huddleMode"),
    status: document.getElementById("huddleStatus"),
    level: document.getElementById("microphoneLevel"),
    microphoneState: document.getElementById("microphoneState"),
    start: document.getElementById("startButton"),
    mute: document.getElementById("muteButton"),
    interrupt: document.getElementById("interruptButton"),
    stop: document.getElementById("stopButton"),
    sayForm: document.getElementById("sayForm"),
    sayInput: document.getElementById("sayInput"),
    sayButton: document.getElementById("sayButton"),
    transcript: document.getElementById("transcript"),
    participants: document.getElementById("participants"),
  };

  const huddle = new engineModule.HuddleEngine(
    { setTimeout: (fn, ms) => window.setTimeout(fn, ms), clearTimeout: (id) => window.clearTimeout(id), now: () => Date.now() },
    () => render()
  );
  let microphone = null;
  let starting = null;
  // Counts stops, so that a start that a stop overtook releases what it obtained.
  let generation = 0;
  let meterTimer = null;
  let notice = "";

  const failure = (code, error) => ({ ok: false, connected: false, code, error });

  // The service's answer on whether this account may start a realtime call; null when it may.
  async function accessRefusal() {
    let response;
    try {
      response = await fetch(STATUS_ADDRESS, { credentials: "same-origin", cache: "no-store", headers: { Accept: "application/json" } });
    } catch (error) {
      return failure("realtime_status_failed", "The realtime service could not be reached. Check the connection and try again.");
    }
    if (!response.ok) return failure("realtime_status_failed", "Realtime access status returned HTTP " + response.status + ".");
    const status = await response.json().catch(() => null);
    if (!status || typeof status !== "object") return failure("realtime_status_failed", "The realtime service answered in a form this console does not read.");
    const reason = typeof status.realtimeReason === "string" ? status.realtimeReason.trim() : "";
    if (status.realtimeAuthRequired === true) return failure("realtime_auth_required", reason || "Sign in to Ondi before starting a realtime call.");
    if (status.realtimeReady === true) return null;
    if (status.realtimeUpgradeRequired === true) return failure("realtime_upgrade_required", reason || "Review your plan before starting a realtime call.");
    return failure("realtime_unavailable", reason || "Realtime voice is unavailable. Please try again.");
  }

  async function connect(startedIn) {
    const refusal = await accessRefusal();
    const overtaken = failure("stopped", "The huddle was stopped before it connected.");
    if (startedIn !== generation) return overtaken;
    if (refusal) return refusal;
    const opened = await microphoneModule.openMicrophone(navigator.mediaDevices);
    if (!opened.ok) return failure(opened.code, opened.error);
    if (startedIn !== generation) {
      opened.microphone.release();
      return overtaken;
    }
    microphone = opened.microphone;
    microphone.setMuted(huddle.muted);
    huddle.begin();
    return { ok: true, connected: true };
  }

  // Resolves to {ok: true, connected: true} once the microphone is live, or to {ok: false,
  // connected: false, code, error}. A start while one is under way shares its result; a start in
  // a live session answers connected at once.
  function startRealtimeSession() {
    if (microphone) return Promise.resolve({ ok: true, connected: true });
    if (!starting) {
      notice = "";
      const attempt = connect(generation).then((result) => {
        if (starting === attempt) starting = null;
        if (!result.ok && result.code !== "stopped") notice = result.error;
        render();
        return result;
      });
      starting = attempt;
      render();
    }
    return starting;
  }

  function stopRealtimeSession(reason) {
    generation += 1;
    const wasLive = microphone !== null;
    if (wasLive || starting) notice = reason === "mac-app" ? "The Ondi app ended the huddle." : "Huddle ended.";
    starting = null;
    if (microphone) microphone.release();
    microphone = null;
    huddle.end();
    return { ok: true, stopped: wasLive };
  }

  function velmoraConfigureHuddle(config) {
    return huddle.configure(config);
  }

  function velmoraHuddleSnapshot() {
    return huddle.snapshot();
  }

  function velmoraSetHuddleMicrophoneMuted(muted) {
    if (typeof muted !== "boolean") return { ok: false, microphoneMuted: huddle.muted };
    if (microphone) microphone.setMuted(muted);
    huddle.setMuted(muted);
    return { ok: true, microphoneMuted: muted };
  }

  function velmoraInterruptHuddleResponse() {
    return { ok: true, interrupted: huddle.interrupt() };
  }

  // The console has one surface, the voice huddle.
  function setWorkspaceSurface(surface) {
    if (surface !== "voice") return false;
    elements.surfaceButton.setAttribute("aria-pressed", "true");
    elements.surface.hidden = false;
    return true;
  }

  function speakerName(agentId) {
    const participant = huddle.participants.find((candidate) => candidate.id === agentId);
    return participant ? participant.name : agentId;
  }

  function statusText() {
    if (starting) return "Connecting…";
    if (!microphone) return notice || "Not connected";
    if (huddle.status === "thinking") return speakerName(huddle.activeAgentId) + " is thinking";
    if (huddle.status === "speaking") return speakerName(huddle.activeAgentId) + " is speaking";
    return huddle.muted ? "Listening · microphone muted" : "Listening · speak or type";
  }

  function renderParticipants() {
    const items = huddle.participants.map((participant) => {
      const item = document.createElement("li");
      item.dataset.agentId = participant.id;
      if (participant.id === huddle.activeAgentId) item.classList.add("active");
      const name = document.createElement("strong");
      name.textContent = participant.name;
      const role = document.createElement("span");
      role.className = "role";
      role.textContent = participant.role;
      const voice = document.createElement("span");
      voice.className = "meta";
      voice.textContent = (participant.voice || "Default voice") + " · " + plan.modelFor(participant).model;
      item.append(name, role, voice);
      return item;
    });
    elements.participants.replaceChildren(...items);
  }

  function renderTranscript(turns) {
    const items = turns.map((turn) => {
      const item = document.createElement("li");
      item.className = turn.kind === "user" ? "turn user" : "turn agent";
      item.dataset.turnId = turn.id;
      const speaker = document.createElement("strong");
      speaker.textContent = turn.speaker;
      const meta = document.createElement("span");
      meta.className = "meta";
      meta.textContent = turn.kind === "user" ? "heard by " + turn.model : [turn.voice, turn.provider + " " + turn.model].filter(Boolean).join(" · ");
      const said = document.createElement("p");
      said.textContent = turn.text;
      item.append(speaker, meta, said);
      return item;
    });
    elements.transcript.replaceChildren(...items);
  }

  function updateMeter() {
    const level = microphone && !huddle.muted ? microphone.level() : 0;
    elements.level.value = level === null ? 0 : level;
  }

  // The meter is read a few times a second while the microphone is live, unmuted and shown.
  function scheduleMeter() {
    const wanted = microphone !== null && !huddle.muted && !document.hidden;
    if (wanted && meterTimer === null) meterTimer = window.setInterval(updateMeter, METER_MS);
    if (!wanted && meterTimer !== null) {
      window.clearInterval(meterTimer);
      meterTimer = null;
    }
    if (!wanted) elements.level.value = 0;
  }

  function render() {
    const live = microphone !== null;
    elements.mode.textContent = huddle.mode === "all"
      ? "Every enabled agent answers each spoken turn in order."
      : "Main Agent invites up to two specialists that match what you say.";
    elements.status.textContent = statusText();
    elements.microphoneState.textContent = !live ? "Microphone off" : huddle.muted ? "Microphone muted" : "Microphone on";
    elements.start.disabled = live || starting !== null;
    elements.stop.disabled = !live && starting === null;
    elements.mute.disabled = !live;
    elements.mute.textContent = huddle.muted ? "Unmute" : "Mute";
    elements.mute.setAttribute("aria-pressed", String(huddle.muted));
    elements.interrupt.disabled = huddle.status === "idle";
    elements.sayInput.disabled = !live;
    elements.sayButton.disabled = !live;
    document.body.dataset.huddleStatus = live ? huddle.status : "offline";
    renderParticipants();
    renderTranscript(huddle.turns);
    scheduleMeter();
  }

  elements.surfaceButton.addEventListener("click", () => setWorkspaceSurface("voice"));
  elements.start.addEventListener("click", () => startRealtimeSession());
  elements.stop.addEventListener("click", () => stopRealtimeSession("console"));
  elements.mute.addEventListener("click", () => velmoraSetHuddleMicrophoneMuted(!huddle.muted));
  elements.interrupt.addEventListener("click", () => velmoraInterruptHuddleResponse());
  elements.sayForm.addEventListener("submit", (event) => {
    event.preventDefault();
    if (huddle.say(elements.sayInput.value)) elements.sayInput.value = "";
  });
  document.addEventListener("visibilitychange", scheduleMeter);

  Object.assign(window, {
    setWorkspaceSurface,
    startRealtimeSession,
    stopRealtimeSession,
    velmoraConfigureHuddle,
    velmoraHuddleSnapshot,
    velmoraInterruptHuddleResponse,
    velmoraSetHuddleMicrophoneMuted,
  });
  render();
})();
