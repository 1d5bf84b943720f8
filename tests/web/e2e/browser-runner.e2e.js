"use strict";

// The browser-runner's control page in headless Chromium, served by a real ondi-server for a
// guest demo: its own script walks the simulated browser through the demo's stops on the page's
// clock, without asking the server again.
//
//   node browser-runner.e2e.js --server <ondi-server>
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
const SECONDS_PER_PAGE = 6;

let server;
let browser;

test.before(async () => {
  server = await startServer(serverPath);
  browser = await chromium.launch({
    executablePath: chromiumPath,
    headless: true,
    args: ["--headless", "--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-background-networking"],
  });
});

test.after(async () => {
  await browser?.close();
  await server?.stop();
});

async function startDemo() {
  const response = await fetch(server.url + "/api/browser/demo", {
    method: "POST",
    headers: { "X-Requested-With": "VelmoraDesktop", Accept: "application/json" },
  });
  assert.equal(response.status, 200);
  return response.json();
}

const shown = (page) =>
  page.evaluate(() => ({
    status: document.getElementById("runner-status").textContent,
    title: document.getElementById("page-title").textContent,
    url: document.getElementById("page-url").textContent,
    documentTitle: document.title,
    currentTab: document.querySelector("#tabs li.current").textContent,
    closedTabs: [...document.querySelectorAll("#tabs li.closed")].map((tab) => tab.textContent),
    pointer: document.getElementById("pointer").getAttribute("x"),
  }));

test("the demo's control page moves through its stops by its own script", async () => {
  const demo = await startDemo();
  const context = await browser.newContext({ viewport: { width: 900, height: 600 } });
  await context.clock.install();
  const page = await context.newPage();
  const errors = [];
  page.on("pageerror", (error) => errors.push(error));
  const requests = [];
  page.on("request", (request) => requests.push(request.url()));
  await page.goto(server.url + "/v1/sessions/" + demo.sessionId + "/control");

  // The server serves the session's age in real time, which a busy machine may already have
  // carried past the opening seconds; the page's own clock is the test's.
  const served = await page.evaluate(() => JSON.parse(document.getElementById("browser-data").textContent));
  const opening = await shown(page);
  assert.equal(opening.status, served.elapsed < served.openingSeconds ? "Opening" : "Live");
  assert.equal(opening.title, "Inbox - Gmail");
  assert.equal(opening.url, "https://mail.google.com/mail/u/0/#inbox");
  assert.equal(opening.documentTitle, "Inbox - Gmail");

  await page.clock.runFor(3000);
  const live = await shown(page);
  assert.equal(live.status, "Live");
  assert.equal(live.title, "Inbox - Gmail");
  assert.notEqual(live.pointer, opening.pointer, "the pointer moves");

  await page.clock.runFor(SECONDS_PER_PAGE * 1000);
  assert.equal((await shown(page)).currentTab, "Feed | LinkedIn");
  await page.clock.runFor(SECONDS_PER_PAGE * 1000);
  const apple = await shown(page);
  assert.equal(apple.url, "https://www.apple.com/");
  assert.deepEqual(apple.closedTabs, []);
  await page.clock.runFor(SECONDS_PER_PAGE * 1000);
  const linear = await shown(page);
  assert.equal(linear.title, "My issues - Linear");
  assert.deepEqual(linear.closedTabs, ["Apple"], "Apple's tab closes once the browser has moved on");

  if (screenshotDir) {
    fs.mkdirSync(screenshotDir, { recursive: true });
    await page.screenshot({ path: path.join(screenshotDir, "browser-runner-control.png") });
  }
  assert.deepEqual(errors, []);
  assert.deepEqual(requests, [server.url + "/v1/sessions/" + demo.sessionId + "/control"], "no polling");
  await context.close();
});
