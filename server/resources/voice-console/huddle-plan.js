// The choices of the simulated huddle that need no page: reading a huddle configuration from
// untrusted input, choosing who answers a user's turn, and what each agent says.
(function (root) {
  "use strict";

  const MAX_PARTICIPANTS = 7;
  const MAX_ID_LENGTH = 64;
  const MAX_NAME_LENGTH = 80;
  const MAX_ROLE_LENGTH = 240;
  const MAX_VOICE_LENGTH = 40;
  const MAX_TOPIC_LENGTH = 80;
  const MAX_SPECIALISTS = 2;

  // The agent that answers when no huddle is configured: the console then works as a plain
  // one-agent voice call.
  const DEFAULT_PARTICIPANT = Object.freeze({
    id: "main",
    name: "Main Agent",
    role: "Facilitates, resolves conflicts, and names the next step.",
    voice: "Marin",
    modelMode: "openai",
  });

  const MODELS = Object.freeze({
    openai: Object.freeze({ provider: "OpenAI", model: "gpt-5.6" }),
    anthropic: Object.freeze({ provider: "Anthropic", model: "fable-5" }),
  });
  // The realtime model that hears the user and transcribes the user's turns.
  const LISTENER = Object.freeze({ provider: "OpenAI", model: "gpt-realtime-2.1" });

  // Words too common to tell one agent's expertise from another's.
  const IGNORED_WORDS = new Set(["agent", "and", "the", "for", "with", "what", "how", "who", "you", "our"]);

  function text(value, limit) {
    if (typeof value !== "string") return "";
    return value.replace(/\s+/g, " ").trim().slice(0, limit);
  }

  function participantFrom(entry) {
    if (entry === null || typeof entry !== "object" || Array.isArray(entry)) return null;
    const id = text(entry.id, MAX_ID_LENGTH);
    if (!id) return null;
    const voice = text(entry.voice, MAX_VOICE_LENGTH);
    return {
      id,
      name: text(entry.name, MAX_NAME_LENGTH) || id,
      role: text(entry.role, MAX_ROLE_LENGTH),
      voice: voice || null,
      modelMode: entry.modelMode === "anthropic" ? "anthropic" : "openai",
    };
  }

  // The configuration as the console keeps it: "mode" "all" or "relevant" (anything else), and
  // up to seven participants with distinct ids, each with text fields of bounded length. A
  // configuration that is not an object (or JSON text of one) is refused.
  function readConfiguration(config) {
    let value = config;
    if (typeof value === "string") {
      try {
        value = JSON.parse(value);
      } catch (error) {
        return { ok: false, error: "The huddle configuration is not valid JSON." };
      }
    }
    if (value === null || typeof value !== "object" || Array.isArray(value)) {
      return { ok: false, error: "The huddle configuration must be an object." };
    }
    const participants = [];
    const ids = new Set();
    for (const entry of Array.isArray(value.participants) ? value.participants : []) {
      const participant = participantFrom(entry);
      if (!participant || ids.has(participant.id)) continue;
      ids.add(participant.id);
      participants.push(participant);
      if (participants.length === MAX_PARTICIPANTS) break;
    }
    return { ok: true, mode: value.mode === "all" ? "all" : "relevant", participants };
  }

  // Lower case, without the endings that make "tests", "testing" and "test" differ.
  function stem(word) {
    let result = word.toLowerCase();
    if (result.length > 5 && result.endsWith("ing")) result = result.slice(0, -3);
    if (result.length > 3 && result.endsWith("s")) result = result.slice(0, -1);
    return result;
  }

  function stems(value) {
    const words = value.toLowerCase().match(/[a-z0-9]+/g) || [];
    return new Set(words.filter((word) => word.length > 2 && !IGNORED_WORDS.has(word)).map(stem));
  }

  // Who answers a user's turn. "all": every participant in order. "relevant": the Main Agent, then
  // up to two other participants whose name or role shares the most words with what the user
  // said (ties in roster order); when that leaves nobody, the first participant answers.
  function chooseResponders(participants, mode, userText) {
    if (mode === "all") return participants.slice();
    const said = stems(userText);
    const main = participants.filter((participant) => participant.id === "main");
    const specialists = participants
      .filter((participant) => participant.id !== "main")
      .map((participant, index) => {
        const own = stems(participant.name + " " + participant.role);
        let score = 0;
        for (const word of said) if (own.has(word)) score += 1;
        return { participant, score, index };
      })
      .filter((candidate) => candidate.score > 0)
      .sort((a, b) => b.score - a.score || a.index - b.index)
      .slice(0, MAX_SPECIALISTS)
      .map((candidate) => candidate.participant);
    const responders = main.concat(specialists);
    return responders.length > 0 ? responders : participants.slice(0, 1);
  }

  // What the user said, short enough to quote.
  function topicOf(userText) {
    const topic = text(userText, 10000).replace(/[.!?]+$/, "");
    return topic.length > MAX_TOPIC_LENGTH ? topic.slice(0, MAX_TOPIC_LENGTH - 1).trimEnd() + "…" : topic;
  }

  const LINES = {
    main: (topic) => `On “${topic}”: I'll gather what the team says and name the next step.`,
    architect: (topic) => `For “${topic}”, I'd settle the structure first, then sequence the work in small steps.`,
    ads: (topic) => `On “${topic}”, I'd test two audiences with a small budget before raising spend.`,
    developer: (topic) => `I can implement “${topic}” in a short branch and report what changed.`,
    integration: (topic) => `For “${topic}”, I'll check which connectors and webhooks carry the data.`,
    seo: (topic) => `On “${topic}”, I'd match the page language to what people search for.`,
    testing: (topic) => `Before we ship “${topic}”, I'll write acceptance criteria and check for regressions.`,
  };

  function agentLine(participant, userText) {
    const topic = topicOf(userText);
    const line = Object.prototype.hasOwnProperty.call(LINES, participant.id) ? LINES[participant.id] : null;
    if (line) return line(topic);
    if (!participant.role) return `${participant.name} here. I'll look into “${topic}” and report back.`;
    return `${participant.name} here. On “${topic}”, my focus: ${participant.role}`;
  }

  function modelFor(participant) {
    return MODELS[participant.modelMode] || MODELS.openai;
  }

  // The words of an answer spoken in that fraction of its time, marked as cut off; at least the
  // first word.
  function spokenPart(answer, fraction) {
    const words = answer.split(" ");
    const count = Math.max(1, Math.min(words.length - 1, Math.floor(words.length * fraction)));
    return words.slice(0, count).join(" ") + "…";
  }

  const api = {
    DEFAULT_PARTICIPANT,
    LISTENER,
    MAX_PARTICIPANTS,
    agentLine,
    chooseResponders,
    modelFor,
    readConfiguration,
    spokenPart,
  };
  const namespace = (root.OndiVoice = root.OndiVoice || {});
  namespace.plan = api;
  if (typeof module !== "undefined") module.exports = api;
})(globalThis);
