// Recognises prompts that ask the desktop application to act (open a site, search the web,
// close or switch a tab, launch a browser) and turns them into desktop action requests.
(function (root) {
  "use strict";

  // The web addresses behind named destinations and the web search page, in one place. The
  // service's own agent page ("Ondi") is not listed: it lives on the origin the page runs at.
  const ADDRESSES = Object.freeze({
    "Gmail": "https://mail.google.com/mail/u/0/#inbox",
    "LinkedIn Jobs": "https://www.linkedin.com/jobs/",
    "LinkedIn": "https://www.linkedin.com/",
    "Google Drive": "https://drive.google.com/drive/my-drive",
    "Google": "https://www.google.com/",
    "Apple": "https://www.apple.com/",
    "YouTube": "https://www.youtube.com/",
    webSearch: "https://www.google.com/search?q=",
  });
  const AGENT_PAGE = "/agent.html?source=mac_app";

  // Every destination the operator page can open by name, with the phrases that name it.
  const DESTINATIONS = [
    { name: "Gmail", phrases: ["gmail", "google mail"] },
    {
      name: "LinkedIn Jobs",
      phrases: ["linkedin jobs", "linkedin job", "linked in jobs", "linked in job", "jobs on linkedin", "jobs in linkedin"],
    },
    { name: "LinkedIn", phrases: ["linkedin", "linked in"] },
    { name: "Google Drive", phrases: ["google drive", "drive"] },
    { name: "Google", phrases: ["google"] },
    { name: "Apple", phrases: ["apple.com", "apple website", "apple"] },
    { name: "YouTube", phrases: ["youtube", "you tube"] },
    { name: "Ondi", phrases: ["velmora"] },
  ];

  // Phrases that name a browser rather than a destination: a destination phrase inside one of
  // them ("google" in "google chrome") does not count.
  const BROWSER_PHRASES = ["google chrome"];

  const SAFARI_TARGET = /\b(?:in|using|with|on|inside)\s+safari\b|\bsafari\s+(?:browser|app)\b|\b(?:open|launch)\s+safari\b/;
  const CHROME_TARGET =
    /\b(?:in|using|with|on|inside)\s+(?:google\s+)?chrome\b|\b(?:google\s+)?chrome\s+(?:browser|app)\b|\b(?:open|launch)\s+(?:google\s+)?chrome\b/;
  const OPEN_VERB = /\b(open|launch|pull up|bring up|go to|navigate to|show me|take me to)\b/;
  const SEARCH_PREFIX = /^(?:please\s+)?(?:search(?:\s+(?:the\s+)?web)?|google|look\s+up)\s+(?:for\s+)?/i;
  const QUOTED_PHRASE = /^(?:"([^"]*)"|“([^”"]*)[”"]|'([^']*)'|‘([^’']*)[’'])/;
  const QUERY_STOP_WORD = /\b(?:open|show|find)\b/i;
  const CLOSE_TAB = /(close|shut)\s+(the\s+)?(current\s+|active\s+)?(chrome|safari)?\s*tab\b/;
  const CLOSE_TAB_PLAIN = /\bclose tab\b/;
  const PREVIOUS_TAB = /\b(previous|prev|last)\s+(chrome|safari)?\s*tab\b/;
  const PREVIOUS_TAB_SWITCH = /\bswitch\s+(back|left)\b.*\btab\b/;
  const NEXT_TAB = /\b(next)\s+(chrome|safari)?\s*tab\b/;
  const NEXT_TAB_SWITCH = /\bswitch\s+(tabs|tab|right)\b/;
  const WEB_ADDRESS = /\bhttps?:\/\/[^\s<>"'`]+/gi;
  const BARE_DOMAIN = /(?<![\w@.\/-])((?:[a-z0-9](?:[a-z0-9-]*[a-z0-9])?\.)+[a-z]{2,24})(\/[^\s<>"'`]*)?(?![\w@-])/gi;
  const FILE_EXTENSIONS = new Set([
    "pdf", "txt", "doc", "docx", "xls", "xlsx", "ppt", "pptx", "png", "jpg", "jpeg", "gif", "svg",
    "zip", "md", "json", "csv", "js", "ts", "html", "htm", "css", "py", "cpp", "h", "mp3", "mp4",
    "mov", "wav", "key", "pages", "numbers", "dmg", "pkg", "exe", "log", "yaml", "yml", "xml",
  ]);
  const VELMORA_BROWSER = /\bvelmora(?:'s)?\s+(?:in[ -]?app\s+)?browser\b/;
  const DESTINATION_CONTEXT = /\b(?:gmail|linkedin|linked in|google drive|drive)\b/;
  const MANAGED_BROWSER = /\b(?:browser|in[ -]?app)\b/;
  const LIVE_MONITOR =
    /\blive[ -]?monitor\b|\bmonitor\b.*\b(?:running|show|shown|display|watch|view)\b|\b(?:show|shown|display|watch|view)\b.*\bmonitor\b/;

  const TARGETS = {
    safari: {
      open: "openSafariURL", closeTab: "closeSafariTab", switchTab: "switchSafariTab",
      closeLabel: "active Safari tab", tabName: "Safari tab",
    },
    chrome: {
      open: "openChromeURL", closeTab: "closeChromeTab", switchTab: "switchChromeTab",
      closeLabel: "active Chrome tab", tabName: "Chrome tab",
    },
    inApp: {
      open: "openInAppBrowser", closeTab: "closeInAppBrowser", switchTab: "switchInAppBrowserTab",
      closeLabel: "Ondi browser workspace", tabName: "Ondi browser tab",
    },
  };

  function escapeRegExp(text) {
    return text.replace(/[.*+?^${}()|[\]\\]/g, "\\$&");
  }

  function phrasePattern(phrase) {
    return new RegExp("\\b" + escapeRegExp(phrase).replace(/ /g, "\\s+") + "\\b", "g");
  }

  function targetBrowser(lower) {
    if (SAFARI_TARGET.test(lower)) return "safari";
    if (CHROME_TARGET.test(lower)) return "chrome";
    return "inApp";
  }

  function openRequest(target, url, label) {
    return { action: TARGETS[target].open, url, label, target, explicitExternal: target !== "inApp" };
  }

  function tabsRequest(tabs) {
    return {
      action: "openInAppBrowserTabs",
      tabs,
      label: tabs.map((tab) => tab.label).join(", "),
      target: "inApp",
      explicitExternal: false,
    };
  }

  function cleanQuery(text) {
    return text
      .replace(/[\u0000-\u001f\u007f-\u009f]/g, " ")
      .replace(/\s+/g, " ")
      .trim()
      .replace(/[\s.,;:!?…]+$/u, "");
  }

  // The query of a web search request, or null when the text is not one.
  function searchQuery(text) {
    const prefix = text.match(SEARCH_PREFIX);
    if (!prefix) return null;
    const rest = text.slice(prefix[0].length);
    const quoted = rest.match(QUOTED_PHRASE);
    let query;
    if (quoted) {
      query = quoted[1] ?? quoted[2] ?? quoted[3] ?? quoted[4];
    } else {
      const stop = rest.search(QUERY_STOP_WORD);
      query = stop >= 0 ? rest.slice(0, stop).replace(/\s+(?:and|then|and then)\s*$/i, "") : rest;
      // A browser named at the end chooses where the results open; it is not part of the query.
      query = query.replace(/\s+(?:in|using|with|on|inside)\s+(?:safari|(?:google\s+)?chrome)\s*[.!?]*\s*$/i, "");
    }
    query = cleanQuery(query);
    if (query.length < 2 || query.length > 180) return null;
    return query;
  }

  function webSearchURL(query) {
    return ADDRESSES.webSearch + encodeURIComponent(query);
  }

  function hostLabel(url) {
    try {
      const host = new URL(url).host.replace(/www\./g, "");
      return host || url;
    } catch (error) {
      return url;
    }
  }

  function distinct(values) {
    return values.filter((value, index) => values.indexOf(value) === index);
  }

  // Web addresses written in the text: those with a scheme, or when there are none, bare domain
  // names (which get "https://").
  function explicitAddresses(text) {
    const strip = (url) => url.replace(/[),.;]+$/, "");
    const withScheme = (text.match(WEB_ADDRESS) || []).map(strip).filter((url) => /^https?:\/\/[^/?#]/i.test(url));
    if (withScheme.length) return distinct(withScheme);
    const bare = [];
    for (const match of text.matchAll(BARE_DOMAIN)) {
      const host = match[1];
      const tld = host.slice(host.lastIndexOf(".") + 1).toLowerCase();
      if (FILE_EXTENSIONS.has(tld)) continue;
      bare.push(strip("https://" + host + (match[2] || "")));
    }
    return distinct(bare);
  }

  function coveredBy(spans, start, end) {
    return spans.some((span) => span.start <= start && end <= span.end && end - start < span.end - span.start);
  }

  // The named destinations the text asks for, in the order they first appear.
  function knownDestinations(lower, baseURL) {
    const hasOpenVerb = OPEN_VERB.test(lower);
    if (!hasOpenVerb && !DESTINATION_CONTEXT.test(lower)) return [];

    const occurrences = [];
    const spans = [];
    for (const destination of DESTINATIONS) {
      for (const phrase of destination.phrases) {
        for (const match of lower.matchAll(phrasePattern(phrase))) {
          const span = { destination, start: match.index, end: match.index + match[0].length };
          occurrences.push(span);
          spans.push(span);
        }
      }
    }
    for (const phrase of BROWSER_PHRASES) {
      for (const match of lower.matchAll(phrasePattern(phrase))) {
        spans.push({ destination: null, start: match.index, end: match.index + match[0].length });
      }
    }

    const firstSeen = new Map();
    for (const occurrence of occurrences) {
      // A shorter phrase inside a longer one ("google" in "google drive") is not its own mention.
      if (coveredBy(spans, occurrence.start, occurrence.end)) continue;
      const seen = firstSeen.get(occurrence.destination);
      if (seen === undefined || occurrence.start < seen) firstSeen.set(occurrence.destination, occurrence.start);
    }

    const named = (name) => [...firstSeen.keys()].some((destination) => destination.name === name);
    const dropped = new Set();
    if (VELMORA_BROWSER.test(lower)) dropped.add("Ondi");
    if (named("Google Drive")) dropped.add("Google");
    if (named("LinkedIn Jobs")) dropped.add("LinkedIn");

    return [...firstSeen.entries()]
      .filter(([destination]) => !dropped.has(destination.name))
      .sort((a, b) => a[1] - b[1])
      .map(([destination]) => ({ label: destination.name, url: destinationURL(destination, baseURL) }));
  }

  function destinationURL(destination, baseURL) {
    if (Object.hasOwn(ADDRESSES, destination.name)) return ADDRESSES[destination.name];
    const base = baseURL || (root.location && root.location.href) || "https://ondi.invalid/";
    return new URL(AGENT_PAGE, base).href;
  }

  // The desktop action request a prompt asks for, or null when it is not a desktop request.
  // `options.baseURL` is the address the page runs at (for the service's own agent page).
  function classifyDesktopRequest(input, options) {
    const text = String(input ?? "").trim();
    if (!text) return null;
    const lower = text.toLowerCase();
    const baseURL = options && options.baseURL;
    const target = targetBrowser(lower);

    const query = searchQuery(text);
    if (query) return openRequest(target, webSearchURL(query), "Search the web for " + query);

    const tabBrowser = (named) => (target !== "inApp" ? target : named || "inApp");

    const close = lower.match(CLOSE_TAB) || lower.match(CLOSE_TAB_PLAIN);
    if (close) {
      const browser = TARGETS[tabBrowser(close[4])];
      return { action: browser.closeTab, label: browser.closeLabel };
    }

    const previous = lower.match(PREVIOUS_TAB) || lower.match(PREVIOUS_TAB_SWITCH);
    const next = previous ? null : lower.match(NEXT_TAB) || lower.match(NEXT_TAB_SWITCH);
    if (previous || next) {
      const match = previous || next;
      const named = match[0].includes("chrome") ? "chrome" : match[0].includes("safari") ? "safari" : null;
      const browser = TARGETS[tabBrowser(named)];
      const direction = previous ? "previous" : "next";
      return { action: browser.switchTab, direction, label: direction + " " + browser.tabName };
    }

    const hasOpenVerb = OPEN_VERB.test(lower);
    if (hasOpenVerb) {
      const addresses = explicitAddresses(text);
      if (addresses.length > 1 && target === "inApp") {
        return tabsRequest(addresses.map((url) => ({ label: hostLabel(url), url })));
      }
      if (addresses.length) return openRequest(target, addresses[0], hostLabel(addresses[0]));
    }

    const destinations = knownDestinations(lower, baseURL);
    if (destinations.length > 1 && target === "inApp") return tabsRequest(destinations);
    if (destinations.length) return openRequest(target, destinations[0].url, destinations[0].label);

    if (hasOpenVerb && /\bsafari\b/.test(lower)) return { action: "openSafariApp", label: "Safari" };
    if (hasOpenVerb && /\bchrome\b/.test(lower)) return { action: "openChromeApp", label: "Google Chrome" };
    return null;
  }

  // Whether a prompt asks for the managed cloud browser with its live monitor.
  function isManagedBrowserRequest(input) {
    const lower = String(input ?? "").toLowerCase().replace(/\s+/g, " ").trim();
    return MANAGED_BROWSER.test(lower) && LIVE_MONITOR.test(lower);
  }

  const api = {
    ADDRESSES,
    classifyDesktopRequest,
    isManagedBrowserRequest,
    searchQuery,
    webSearchURL,
  };
  const namespace = (root.OndiOperator = root.OndiOperator || {});
  namespace.classifier = api;
  if (typeof module !== "undefined") module.exports = api;
})(globalThis);
