"use strict";

const test = require("node:test");
const assert = require("node:assert/strict");
const path = require("node:path");

const { classifyDesktopRequest, isManagedBrowserRequest } = require(
  path.join(__dirname, "../../../src/resources/operator/classifier.js")
);

const BASE = "http://127.0.0.1:8787/operator";
const classify = (text) => classifyDesktopRequest(text, { baseURL: BASE });
const GMAIL = "https://mail.google.com/mail/u/0/#inbox";
const LINKEDIN_JOBS = "https://www.linkedin.com/jobs/";
const search = (query) => "https://www.google.com/search?q=" + encodeURIComponent(query);

test("target browser", async (t) => {
  await t.test("the in-app browser unless Safari or Chrome is named", () => {
    assert.deepEqual(classify("open youtube"), {
      action: "openInAppBrowser", url: "https://www.youtube.com/", label: "YouTube", target: "inApp", explicitExternal: false,
    });
  });

  await t.test("Safari and Chrome are explicit external targets", () => {
    assert.deepEqual(classify("Open YouTube in Safari"), {
      action: "openSafariURL", url: "https://www.youtube.com/", label: "YouTube", target: "safari", explicitExternal: true,
    });
    for (const text of ["open gmail using google chrome", "open gmail in the chrome browser", "launch chrome and open gmail"]) {
      const request = classify(text);
      assert.equal(request.action, "openChromeURL", text);
      assert.equal(request.explicitExternal, true, text);
      assert.equal(request.url, GMAIL, text);
    }
  });

  await t.test("a browser merely mentioned is no target", () => {
    assert.equal(classify("open the safari history page example.org").action, "openInAppBrowser");
  });
});

test("web search", async (t) => {
  await t.test("the rest of the text is the query, cut at an open/show/find word", () => {
    assert.deepEqual(classify("search the web for rust borrow checker"), {
      action: "openInAppBrowser", url: search("rust borrow checker"), label: "Search the web for rust borrow checker",
      target: "inApp", explicitExternal: false,
    });
    assert.equal(classify("Please look up   weather\tin Oslo and open the first result").label, "Search the web for weather in Oslo");
    assert.equal(classify("google best espresso grinders!!").label, "Search the web for best espresso grinders");
  });

  await t.test("a leading quoted phrase is the whole query", () => {
    assert.equal(classify('search for "velvet underground" albums ranked by critics').url, search("velvet underground"));
    assert.equal(classify("search for “tea ceremony” history please").label, "Search the web for tea ceremony");
  });

  await t.test("a search in a named browser opens there, without the browser in the query", () => {
    const request = classify("search for hiking boots in safari");
    assert.equal(request.action, "openSafariURL");
    assert.equal(request.url, search("hiking boots"));
  });

  await t.test("queries of one letter, or longer than 180 characters, are no search", () => {
    assert.equal(classify("search for x"), null);
    assert.equal(classify('search "a" now'), null);
    assert.equal(classify("search for " + "word ".repeat(40)), null);
    assert.equal(classify("search for ab").label, "Search the web for ab");
  });

  await t.test("only a leading search verb starts a search", () => {
    assert.equal(classify("can you search for flights"), null);
  });
});

test("tabs", async (t) => {
  await t.test("close tab chooses the named browser, else the in-app workspace", () => {
    assert.deepEqual(classify("close the current tab"), { action: "closeInAppBrowser", label: "Ondi browser workspace" });
    assert.deepEqual(classify("close the chrome tab"), { action: "closeChromeTab", label: "active Chrome tab" });
    assert.deepEqual(classify("Shut the active safari tab"), { action: "closeSafariTab", label: "active Safari tab" });
    assert.deepEqual(classify("close tab in safari"), { action: "closeSafariTab", label: "active Safari tab" });
  });

  await t.test("switching goes to the previous or next tab of the named browser", () => {
    assert.deepEqual(classify("go to the previous tab"), {
      action: "switchInAppBrowserTab", direction: "previous", label: "previous Ondi browser tab",
    });
    assert.deepEqual(classify("switch back to the other tab"), {
      action: "switchInAppBrowserTab", direction: "previous", label: "previous Ondi browser tab",
    });
    assert.deepEqual(classify("last safari tab"), { action: "switchSafariTab", direction: "previous", label: "previous Safari tab" });
    assert.deepEqual(classify("next chrome tab"), { action: "switchChromeTab", direction: "next", label: "next Chrome tab" });
    assert.deepEqual(classify("switch tabs in chrome"), { action: "switchChromeTab", direction: "next", label: "next Chrome tab" });
    assert.deepEqual(classify("switch right"), { action: "switchInAppBrowserTab", direction: "next", label: "next Ondi browser tab" });
  });
});

test("explicit addresses", async (t) => {
  await t.test("need an open verb", () => {
    assert.equal(classify("what is on https://example.org/page?"), null);
    assert.equal(classify("take me to https://example.org/page?").url, "https://example.org/page?");
  });

  await t.test("bare domains get https and their label is the host without www", () => {
    assert.deepEqual(classify("open www.example.com/docs."), {
      action: "openInAppBrowser", url: "https://www.example.com/docs", label: "example.com", target: "inApp", explicitExternal: false,
    });
    assert.equal(classify("navigate to github.com in chrome").url, "https://github.com");
  });

  await t.test("addresses with a scheme win over bare domains; trailing punctuation goes", () => {
    assert.equal(classify("open (https://a.example/x), and b.example").url, "https://a.example/x");
  });

  await t.test("several in-app addresses open as tabs, once each, in text order", () => {
    assert.deepEqual(classify("open https://b.example/one, https://a.example/two; and https://b.example/one"), {
      action: "openInAppBrowserTabs",
      tabs: [
        { label: "b.example", url: "https://b.example/one" },
        { label: "a.example", url: "https://a.example/two" },
      ],
      label: "b.example, a.example",
      target: "inApp",
      explicitExternal: false,
    });
  });

  await t.test("several addresses for an external browser open the first", () => {
    const request = classify("open https://one.example and https://two.example in safari");
    assert.equal(request.action, "openSafariURL");
    assert.equal(request.url, "https://one.example");
  });

  await t.test("file names and e-mail addresses are no domains", () => {
    assert.equal(classify("open report.pdf"), null);
    assert.equal(classify("open a mail to ann@mail.example"), null);
  });
});

test("known destinations", async (t) => {
  await t.test("LinkedIn Jobs and Gmail in the in-app browser open as tabs in text order", () => {
    assert.deepEqual(classify("open linkedin jobs and gmail in the in-app browser"), {
      action: "openInAppBrowserTabs",
      tabs: [
        { label: "LinkedIn Jobs", url: LINKEDIN_JOBS },
        { label: "Gmail", url: GMAIL },
      ],
      label: "LinkedIn Jobs, Gmail",
      target: "inApp",
      explicitExternal: false,
    });
    const reversed = classify("pull up gmail and jobs on linkedin");
    assert.deepEqual(reversed.tabs.map((tab) => tab.label), ["Gmail", "LinkedIn Jobs"]);
  });

  await t.test("a more specific destination hides the general one", () => {
    assert.equal(classify("open google drive").label, "Google Drive");
    assert.equal(classify("open google drive").url, "https://drive.google.com/drive/my-drive");
    assert.equal(classify("open linked in job listings").label, "LinkedIn Jobs");
    assert.equal(classify("open google mail").label, "Gmail");
    assert.equal(classify("open google chrome").action, "openChromeApp");
  });

  await t.test("need an open verb, or a mention of Gmail, LinkedIn or Drive", () => {
    assert.equal(classify("what does apple sell"), null);
    assert.equal(classify("I love youtube"), null);
    assert.equal(classify("check my gmail").label, "Gmail");
    assert.equal(classify("what's in my drive").label, "Google Drive");
  });

  await t.test("Apple by name or by its web address", () => {
    assert.equal(classify("show me the apple website").url, "https://www.apple.com/");
    assert.equal(classify("bring up you tube").label, "YouTube");
  });

  await t.test("Ondi is the service's agent page, unless the Velmora browser is meant", () => {
    assert.deepEqual(classify("open velmora"), {
      action: "openInAppBrowser", url: "http://127.0.0.1:8787/agent.html?source=mac_app", label: "Ondi",
      target: "inApp", explicitExternal: false,
    });
    assert.equal(classify("open gmail in velmora's in-app browser").label, "Gmail");
    assert.equal(classify("open the velmora browser"), null);
  });

  await t.test("several destinations for an external browser open the first", () => {
    const request = classify("open youtube and gmail in chrome");
    assert.equal(request.action, "openChromeURL");
    assert.equal(request.label, "YouTube");
  });
});

test("browser applications and ordinary prompts", () => {
  assert.deepEqual(classify("open safari"), { action: "openSafariApp", label: "Safari" });
  assert.deepEqual(classify("please launch chrome"), { action: "openChromeApp", label: "Google Chrome" });
  assert.equal(classify("Which is faster, Safari or Chrome?"), null);
  assert.equal(classify("Give me a concise status report on what Ondi can do right now."), null);
  assert.equal(classify("   "), null);
});

test("managed browser requests", () => {
  assert.equal(isManagedBrowserRequest("Use the in-app browser and show the live monitor"), true);
  assert.equal(isManagedBrowserRequest("open my inbox in the browser,\n  watch it in the   monitor"), true);
  assert.equal(isManagedBrowserRequest("open the browser"), false);
  assert.equal(isManagedBrowserRequest("show the live monitor"), false);
});
