// Conversation bookkeeping: what a message shows, the history sent to the local model, the
// workspace wrapper around pack prompts, the cached pack conversations and the turns that exist
// only in this page.
(function (root) {
  "use strict";

  const CONTEXT_START = "[[VELMORA_WORKSPACE_CONTEXT]]";
  const CONTEXT_END = "[[END_VELMORA_WORKSPACE_CONTEXT]]";
  const REQUEST_HEADER = "User request:";
  const HISTORY_LIMIT = 10;
  const CACHED_MESSAGES = 80;
  const CACHED_EVENTS = 30;
  const SERVICE_WELCOME_ID = "local-ai-welcome";

  // A pack prompt as the hosted agent receives it: the workspace rules, then the user's text.
  function wrapWorkspaceMessage(text, context) {
    return [
      CONTEXT_START,
      context.scopeInstruction || "",
      "Currently selected agent: " + (context.activeAgent || "Main operator") + ".",
      "Approval policy: " + (context.approvalDetail || ""),
      CONTEXT_END,
      REQUEST_HEADER,
      text,
    ].join("\n");
  }

  // The text a message shows: a workspace wrapper is hidden, only the user's request remains.
  function visibleContent(message) {
    const content = typeof message?.content === "string" ? message.content : "";
    if (!content.startsWith(CONTEXT_START)) return content;
    const end = content.indexOf(CONTEXT_END);
    if (end < 0) return content;
    let rest = content.slice(end + CONTEXT_END.length).replace(/^\r?\n/, "");
    if (rest.startsWith(REQUEST_HEADER)) rest = rest.slice(REQUEST_HEADER.length).replace(/^\r?\n/, "");
    return rest;
  }

  function isVisible(message) {
    return Boolean(message) && !message.pending && visibleContent(message).trim() !== "";
  }

  // The last ten settled, visible turns as {role, content}. `excludeId` leaves out the turn
  // being answered, which the request carries on its own.
  function buildHistory(messages, options) {
    const excludeId = options && options.excludeId;
    return (Array.isArray(messages) ? messages : [])
      .filter((message) => isVisible(message) && message.id !== excludeId)
      .slice(-HISTORY_LIMIT)
      .map((message) => ({
        role: message.role === "user" ? "user" : "assistant",
        content: visibleContent(message),
      }));
  }

  function packThreadKey(packId) {
    return "velmora.pack.thread." + packId;
  }

  function packConversationKey(packId, threadId) {
    return "velmora.pack.conversation." + packId + "." + threadId;
  }

  function packConversationRecord(messages, events) {
    return {
      messages: (Array.isArray(messages) ? messages : []).filter((message) => message && !message.pending).slice(-CACHED_MESSAGES),
      events: (Array.isArray(events) ? events : []).slice(0, CACHED_EVENTS),
    };
  }

  function readPackConversation(storage, packId, threadId) {
    try {
      const record = JSON.parse(storage.getItem(packConversationKey(packId, threadId)) || "null");
      if (!record || !Array.isArray(record.messages)) return null;
      return { messages: record.messages, events: Array.isArray(record.events) ? record.events : [] };
    } catch (error) {
      return null;
    }
  }

  function writePackConversation(storage, packId, threadId, messages, events) {
    try {
      storage.setItem(packConversationKey(packId, threadId), JSON.stringify(packConversationRecord(messages, events)));
      return true;
    } catch (error) {
      return false;
    }
  }

  // True when the service holds nothing but its own welcome turn.
  function hasOnlyServiceWelcome(messages) {
    return !(Array.isArray(messages) ? messages : []).some((message) => message && message.id !== SERVICE_WELCOME_ID);
  }

  function timeOf(message) {
    const time = Date.parse(message?.createdAt);
    return Number.isNaN(time) ? null : time;
  }

  // The service's messages with the turns this page produced itself (desktop actions, local
  // answers, errors) put back in time order. A local user turn that the service also stored is
  // not repeated.
  function mergeLocalTurns(serviceMessages, localTurns) {
    const merged = (Array.isArray(serviceMessages) ? serviceMessages : []).slice();
    const ids = new Set(merged.map((message) => message && message.id));
    const serviceUserTexts = new Set(
      merged.filter((message) => message && message.role === "user").map((message) => visibleContent(message).trim())
    );
    for (const turn of Array.isArray(localTurns) ? localTurns : []) {
      if (!turn || ids.has(turn.id)) continue;
      if (turn.role === "user" && serviceUserTexts.has(visibleContent(turn).trim())) continue;
      const time = timeOf(turn);
      let at = merged.length;
      if (time !== null) {
        while (at > 0) {
          const before = timeOf(merged[at - 1]);
          if (before === null || before <= time) break;
          at -= 1;
        }
      }
      merged.splice(at, 0, turn);
      ids.add(turn.id);
    }
    return merged;
  }

  const api = {
    SERVICE_WELCOME_ID,
    buildHistory,
    hasOnlyServiceWelcome,
    mergeLocalTurns,
    packConversationKey,
    packConversationRecord,
    packThreadKey,
    readPackConversation,
    visibleContent,
    wrapWorkspaceMessage,
    writePackConversation,
  };
  const namespace = (root.OndiOperator = root.OndiOperator || {});
  namespace.history = api;
  if (typeof module !== "undefined") module.exports = api;
})(globalThis);
