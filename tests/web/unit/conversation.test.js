"use strict";

const test = require("node:test");
const assert = require("node:assert/strict");
const path = require("node:path");

const operator = path.join(__dirname, "../../../src/resources/operator");
const history = require(path.join(operator, "history.js"));
const { createSnapshotPublisher } = require(path.join(operator, "snapshot.js"));

const context = { scopeInstruction: "Stay on commerce.", activeAgent: "Ads", approvalDetail: "Ask before spending." };
const message = (id, role, content, extra) => ({ id, role, content, createdAt: "2025-01-01T10:00:00.000Z", threadId: "t", ...extra });

class MemoryStorage {
  constructor() {
    this.items = new Map();
  }
  getItem(key) {
    return this.items.has(key) ? this.items.get(key) : null;
  }
  setItem(key, value) {
    this.items.set(key, String(value));
  }
}

test("workspace wrapper", async (t) => {
  await t.test("the hosted agent receives the pack rules before the request", () => {
    assert.equal(
      history.wrapWorkspaceMessage("Plan a sale", context),
      "[[VELMORA_WORKSPACE_CONTEXT]]\nStay on commerce.\nCurrently selected agent: Ads.\nApproval policy: Ask before spending.\n" +
        "[[END_VELMORA_WORKSPACE_CONTEXT]]\nUser request:\nPlan a sale"
    );
  });

  await t.test("the display shows only the request, and keeps ordinary text whole", () => {
    const wrapped = history.wrapWorkspaceMessage("Line one\nLine two", context);
    assert.equal(history.visibleContent({ content: wrapped }), "Line one\nLine two");
    assert.equal(history.visibleContent({ content: "[[VELMORA_WORKSPACE_CONTEXT]] but never closed" }), "[[VELMORA_WORKSPACE_CONTEXT]] but never closed");
    assert.equal(history.visibleContent({ content: 42 }), "");
  });
});

test("history for the local model", async (t) => {
  await t.test("the last ten settled, visible turns, unwrapped, with two roles", () => {
    const messages = [];
    for (let index = 0; index < 14; index += 1) messages.push(message("m" + index, index % 2 ? "assistant" : "user", "turn " + index));
    messages.push(message("blank", "assistant", "   "));
    messages.push(message("tool", "tool", "tool output"));
    messages.push(message("wrapped", "user", history.wrapWorkspaceMessage("scoped question", context)));
    messages.push(message("pending", "assistant", "Scheming…", { pending: true }));

    const built = history.buildHistory(messages);
    assert.equal(built.length, 10);
    assert.deepEqual(built[0], { role: "user", content: "turn 6" });
    assert.deepEqual(built.at(-2), { role: "assistant", content: "tool output" });
    assert.deepEqual(built.at(-1), { role: "user", content: "scoped question" });
  });

  await t.test("the turn being answered is left out", () => {
    const messages = [message("a", "user", "earlier"), message("b", "assistant", "reply"), message("c", "user", "now")];
    assert.deepEqual(history.buildHistory(messages, { excludeId: "c" }).map((entry) => entry.content), ["earlier", "reply"]);
    assert.deepEqual(history.buildHistory(undefined), []);
  });
});

test("pack conversation cache", async (t) => {
  await t.test("keeps the last 80 settled messages and the first 30 events", () => {
    const storage = new MemoryStorage();
    const messages = Array.from({ length: 90 }, (_, index) => message("m" + index, "user", "x" + index));
    messages.push(message("p", "assistant", "…", { pending: true }));
    const events = Array.from({ length: 40 }, (_, index) => ({ id: "e" + index }));
    history.writePackConversation(storage, "shop", "pack-shop", messages, events);

    assert.ok(storage.getItem("velmora.pack.conversation.shop.pack-shop"));
    const cached = history.readPackConversation(storage, "shop", "pack-shop");
    assert.equal(cached.messages.length, 80);
    assert.equal(cached.messages[0].id, "m10");
    assert.equal(cached.messages.at(-1).id, "m89");
    assert.deepEqual(cached.events.map((event) => event.id), events.slice(0, 30).map((event) => event.id));
  });

  await t.test("a damaged or missing record reads as none", () => {
    const storage = new MemoryStorage();
    storage.setItem("velmora.pack.conversation.shop.t", "{not json");
    assert.equal(history.readPackConversation(storage, "shop", "t"), null);
    assert.equal(history.readPackConversation(storage, "shop", "other"), null);
    assert.equal(history.packThreadKey("shop"), "velmora.pack.thread.shop");
  });

  await t.test("only the service welcome counts as an empty service thread", () => {
    assert.equal(history.hasOnlyServiceWelcome([]), true);
    assert.equal(history.hasOnlyServiceWelcome([{ id: "local-ai-welcome", role: "assistant" }]), true);
    assert.equal(history.hasOnlyServiceWelcome([{ id: "local-ai-welcome" }, { id: "m1" }]), false);
  });
});

test("turns made by the page survive a reload of the thread", async (t) => {
  const at = (minute) => "2025-01-01T10:" + String(minute).padStart(2, "0") + ":00.000Z";
  const service = [
    message("s1", "user", "hello", { createdAt: at(1) }),
    message("s2", "assistant", "hi", { createdAt: at(2) }),
    message("s3", "user", "later", { createdAt: at(9) }),
  ];

  await t.test("they go back in time order", () => {
    const local = [message("l1", "user", "open gmail", { createdAt: at(5) }), message("l2", "assistant", "Opened Gmail.", { createdAt: at(5) })];
    assert.deepEqual(history.mergeLocalTurns(service, local).map((entry) => entry.id), ["s1", "s2", "l1", "l2", "s3"]);
  });

  await t.test("a local user turn the service also stored is not repeated", () => {
    const local = [message("l1", "user", "later", { createdAt: at(8) }), message("l2", "assistant", "Auto could not answer: down", { createdAt: at(8) })];
    assert.deepEqual(history.mergeLocalTurns(service, local).map((entry) => entry.id), ["s1", "s2", "l2", "s3"]);
    assert.deepEqual(history.mergeLocalTurns(service, [service[0]]).map((entry) => entry.id), ["s1", "s2", "s3"]);
  });
});

test("thread snapshots", async (t) => {
  const threads = [
    { id: "t1", title: "Launch plan", preview: "Draft", updatedAt: "2025-01-01T10:00:00Z", messageCount: 4, extra: true },
    { id: "t2", title: "  " },
    { title: "no id" },
  ];

  await t.test("a snapshot is posted with the conversation-state shape", () => {
    const posted = [];
    const publisher = createSnapshotPublisher((body) => posted.push(body), () => 1700000000000);
    assert.equal(publisher.publish("t1", threads), true);
    assert.deepEqual(posted, [
      {
        id: "thread-sync-1700000000000",
        action: "syncConversationThreads",
        activeThreadId: "t1",
        threads: [
          { id: "t1", title: "Launch plan", preview: "Draft", updatedAt: "2025-01-01T10:00:00Z", messageCount: 4 },
          { id: "t2", title: "New chat", preview: "", updatedAt: "", messageCount: 0 },
        ],
      },
    ]);
  });

  await t.test("identical snapshots are posted once; any change is posted again", () => {
    const posted = [];
    const publisher = createSnapshotPublisher((body) => posted.push(body) > 0);
    publisher.publish("t1", threads);
    publisher.publish("t1", structuredClone(threads));
    assert.equal(posted.length, 1);
    publisher.publish("t2", threads);
    publisher.publish("t2", [...threads, { id: "t3" }]);
    assert.equal(posted.length, 3);
    publisher.forget();
    publisher.publish("t2", [...threads, { id: "t3" }]);
    assert.equal(posted.length, 4);
  });

  await t.test("a snapshot nobody received is offered again", () => {
    let deliver = false;
    const posted = [];
    const publisher = createSnapshotPublisher((body) => deliver && posted.push(body) > 0);
    assert.equal(publisher.publish("t1", threads), false);
    deliver = true;
    assert.equal(publisher.publish("t1", threads), true);
    assert.equal(posted.length, 1);
  });
});
