"use strict";

// The scripts the desktop puts into its surface's pages (src/resources/surface/), in headless Chromium,
// called as the desktop calls them: the theme script at document start, the minimal one once parsed.

const test = require("node:test");
const assert = require("node:assert/strict");
const fs = require("node:fs");
const path = require("node:path");
const { chromium } = require("playwright-core");

const sources = path.join(__dirname, "../../../src/resources/surface");
const read = (name) => fs.readFileSync(path.join(sources, name), "utf8");
const chromiumPath = process.env.ONDI_CHROMIUM || "/usr/bin/chromium";
const ORIGIN = "https://service.example";

// Three themes: the fallback, the default, and one that only a page chooses. The desktop passes six.
const palettes = {
  studio: { "--bg": "#F6F3EA", "--text": "#1B1B19", "--line": "rgba(27,27,25,0.105)" },
  "quiet-aperture": { "--bg": "#FFFFFF", "--text": "#111111", "--line": "rgba(0,0,0,0.075)" },
  "tea-house-sand": { "--bg": "#EADDC7", "--text": "#23201B", "--line": "rgba(35,32,27,0.115)" },
};
const settings = (defaultTheme) => JSON.stringify({ palettes, fallbackTheme: "studio", defaultTheme });
const themeScript = read("desktop-theme.js");
const themeApplication = (defaultTheme) => `(${themeScript}\n)(${settings(defaultTheme)});`;
const minimalTheme = `(${read("minimal-theme.js")}\n)(${themeScript}\n, ${settings("studio")}, ${JSON.stringify(read("minimal-theme.css"))});`;

const SERVICE_PAGE =
  "<!doctype html><html><head></head><body><div class='app-shell'><aside class='sidebar'></aside>" +
  "<main class='chat-pane'><select id='modelSelect'><option>Main operator</option><option>Architect</option>" +
  "</select><form class='composer'><textarea id='promptInput'></textarea></form></main></div></body></html>";
const pages = {
  "/agent": SERVICE_PAGE,
  "/bare": "<p>No html, head or body tags</p>",
  "/late": "<!doctype html><body><main id='root'></main></body>",
  "/operator": "<!doctype html><body class='velmora-native-chat-shell'><form class='composer'></form></body>",
};

let browser;
let context;

test.before(async () => {
  const args = ["--headless", "--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-background-networking"];
  browser = await chromium.launch({ executablePath: chromiumPath, headless: true, args });
});

test.after(() => browser?.close());

test.beforeEach(async () => {
  context = await browser.newContext();
  await context.route(ORIGIN + "/**", (route) => route.fulfill({ contentType: "text/html", body: pages[new URL(route.request().url()).pathname] }));
  await context.addInitScript({ content: "window.rootAtStart = document.documentElement !== null;" + themeApplication("quiet-aperture") });
  await context.addInitScript({ content: `document.addEventListener("DOMContentLoaded", () => { ${minimalTheme} });` });
});

test.afterEach(() => context.close());

async function open(pathname) {
  const page = await context.newPage();
  page.errors = [];
  page.on("pageerror", (error) => page.errors.push(error));
  await page.goto(ORIGIN + pathname);
  return page;
}

const QUIET = { html: "quiet-aperture", body: "quiet-aperture", stored: "quiet-aperture", background: "rgb(255, 255, 255)" };
const themeState = (page) =>
  page.evaluate(() => ({
    html: document.documentElement.getAttribute("data-velmora-theme"),
    body: document.body.getAttribute("data-velmora-theme"),
    stored: localStorage.getItem("velmora-native-theme"),
    background: getComputedStyle(document.body).backgroundColor,
  }));

test("the theme applies on a page that has no root, head or body at document start", async () => {
  const page = await open("/bare");
  assert.equal(await page.evaluate(() => window.rootAtStart), false, "the script ran before the root existed");
  assert.deepEqual(page.errors, []);
  assert.deepEqual(await themeState(page), QUIET);
});

test("known themes apply, any other applies the fallback, again changes nothing, and the next page keeps it", async () => {
  const page = await open("/agent");
  assert.equal(await page.evaluate(() => window.velmoraApplyDesktopTheme("quiet-aperture")), "quiet-aperture");
  assert.deepEqual(await themeState(page), QUIET, "applying the default again");
  // The operator page runs the theme script once more at its end: the stored theme stays.
  await page.evaluate(themeApplication("studio"));
  assert.deepEqual(await themeState(page), QUIET);

  for (const name of ["Quiet-Aperture", "__proto__", "toString", undefined]) {
    assert.equal(await page.evaluate((theme) => window.velmoraApplyDesktopTheme(theme), name), "studio", String(name));
    assert.deepEqual(await themeState(page), { html: "studio", body: "studio", stored: "studio", background: "rgb(246, 243, 234)" });
  }

  // Chosen in one page, the theme is the next page's before the desktop applies it.
  await page.evaluate(() => window.velmoraApplyDesktopTheme("tea-house-sand"));
  const next = await open("/agent");
  const { html, background } = await themeState(next);
  assert.deepEqual([html, background], ["tea-house-sand", "rgb(234, 221, 199)"]);
  await next.evaluate(() => window.velmoraApplyDesktopTheme("quiet-aperture"));
  assert.equal(await next.evaluate(() => getComputedStyle(document.querySelector(".composer")).boxShadow), "none", "flat chrome");
});

test("the minimal theme styles a service page once, however often it runs, and drafts subagent prompts", async () => {
  const page = await open("/agent");
  await page.evaluate(minimalTheme);
  await page.evaluate(minimalTheme);
  const state = await page.evaluate(() => ({
    styles: document.querySelectorAll("style").length,
    disclaimers: document.querySelectorAll(".composer > #velmora-ai-disclaimer").length,
    clicks: getComputedStyle(document.getElementById("velmora-ai-disclaimer")).pointerEvents,
    classes: [document.documentElement.className, document.body.className],
    sidebar: getComputedStyle(document.querySelector(".sidebar")).display,
  }));
  assert.deepEqual(state, { styles: 1, disclaimers: 1, clicks: "none", classes: ["velmora-desktop-minimal", "velmora-desktop-shell"], sidebar: "none" });
  // Without the theme's own values, the style sheet's defaults are the fallback palette.
  await page.evaluate(() => document.documentElement.removeAttribute("style"));
  assert.equal((await themeState(page)).background, "rgb(246, 243, 234)");
  assert.deepEqual(page.errors, []);

  await page.evaluate(() => {
    window.inputEvents = 0;
    document.getElementById("promptInput").addEventListener("input", () => (window.inputEvents += 1));
    window.velmoraDesktopUseSubagent("Architect");
    window.velmoraDesktopUseSubagent("SEO");
  });
  const drafted = await page.evaluate(() => ({
    options: Array.from(document.getElementById("modelSelect").options, (option) => option.text),
    selected: document.getElementById("modelSelect").selectedOptions[0].text,
    prompt: document.getElementById("promptInput").value,
    events: window.inputEvents,
    focused: document.activeElement.id,
  }));
  const prompt = "Act as the SEO subagent. Start by defining your role, the inputs you need, the decisions you can make, and what needs owner approval.";
  assert.deepEqual(drafted, { options: ["Main operator", "Architect", "SEO"], selected: "SEO", prompt, events: 2, focused: "promptInput" });
});

test("the disclaimer waits for a late composer, and the operator page is left alone", async () => {
  const late = await open("/late");
  await late.evaluate(() => (document.getElementById("root").innerHTML = "<form class='composer'></form><p></p>"));
  await late.waitForSelector(".composer > .velmora-ai-disclaimer");

  const operator = await open("/operator");
  const state = await operator.evaluate(() => ({
    styles: document.querySelectorAll("style").length,
    disclaimers: document.querySelectorAll(".velmora-ai-disclaimer").length,
    html: document.documentElement.className,
    applies: typeof window.velmoraApplyDesktopTheme,
  }));
  assert.deepEqual(state, { styles: 0, disclaimers: 0, html: "", applies: "function" });
});
