// Light Markdown for chat turns. Every character of the text is escaped first; only the markup
// produced here is HTML, so the result may be assigned to innerHTML.
(function (root) {
  "use strict";

  const ENTITIES = { "&": "&amp;", "<": "&lt;", ">": "&gt;", '"': "&quot;", "'": "&#39;" };

  function escapeHTML(text) {
    return String(text ?? "").replace(/[&<>"']/g, (character) => ENTITIES[character]);
  }

  // Bold and code spans of one escaped line. Code spans are cut out first, so that asterisks
  // inside code stay literal.
  function renderInline(text) {
    const escaped = escapeHTML(text);
    return escaped
      .split(/(`[^`]+`)/)
      .map((part, index) => {
        if (index % 2 === 1) return "<code>" + part.slice(1, -1) + "</code>";
        return part.replace(/\*\*(?=\S)(.+?)(?<=\S)\*\*/g, "<strong>$1</strong>");
      })
      .join("");
  }

  const FENCE = /^\s{0,3}```\s*([^`\s]*)?.*$/;
  const HEADING = /^\s{0,3}(#{1,3})\s+(.*?)(?:\s+#+)?\s*$/;
  const BULLET = /^\s*[-*]\s+(.*)$/;
  const NUMBERED = /^\s*(\d{1,9})[.)]\s+(.*)$/;
  const QUOTE = /^\s*>\s?(.*)$/;

  function renderMarkdown(source) {
    const lines = String(source ?? "").replace(/\r\n?/g, "\n").split("\n");
    const html = [];
    let paragraph = [];
    let list = null; // { tag, start, items }
    let quote = null;

    const flushParagraph = () => {
      if (paragraph.length) html.push("<p>" + paragraph.map(renderInline).join("<br>") + "</p>");
      paragraph = [];
    };
    const flushList = () => {
      if (!list) return;
      const start = list.tag === "ol" && list.start !== 1 ? ' start="' + list.start + '"' : "";
      html.push("<" + list.tag + start + ">" + list.items.map((item) => "<li>" + renderInline(item) + "</li>").join("") + "</" + list.tag + ">");
      list = null;
    };
    const flushQuote = () => {
      if (quote) html.push("<blockquote><p>" + quote.map(renderInline).join("<br>") + "</p></blockquote>");
      quote = null;
    };
    const flushAll = () => {
      flushParagraph();
      flushList();
      flushQuote();
    };

    for (let index = 0; index < lines.length; index += 1) {
      const line = lines[index];

      const fence = line.match(FENCE);
      if (fence) {
        flushAll();
        const language = (fence[1] || "").replace(/[^A-Za-z0-9_+-]/g, "");
        const code = [];
        index += 1;
        while (index < lines.length && !/^\s{0,3}```\s*$/.test(lines[index])) {
          code.push(lines[index]);
          index += 1;
        }
        const label = language ? ' class="language-' + language + '" data-language="' + language + '"' : "";
        html.push("<pre><code" + label + ">" + escapeHTML(code.join("\n")) + "</code></pre>");
        continue;
      }

      if (!line.trim()) {
        flushAll();
        continue;
      }

      const heading = line.match(HEADING);
      if (heading) {
        flushAll();
        const level = heading[1].length + 2;
        html.push("<h" + level + ">" + renderInline(heading[2]) + "</h" + level + ">");
        continue;
      }

      const quoted = line.match(QUOTE);
      if (quoted) {
        flushParagraph();
        flushList();
        (quote = quote || []).push(quoted[1]);
        continue;
      }

      const bullet = line.match(BULLET);
      const numbered = bullet ? null : line.match(NUMBERED);
      if (bullet || numbered) {
        flushParagraph();
        flushQuote();
        const tag = bullet ? "ul" : "ol";
        if (!list || list.tag !== tag) {
          flushList();
          list = { tag, start: numbered ? Number(numbered[1]) : 1, items: [] };
        }
        list.items.push(bullet ? bullet[1] : numbered[2]);
        continue;
      }

      // An indented line right after a list item continues that item.
      if (list && /^\s+\S/.test(line)) {
        list.items[list.items.length - 1] += " " + line.trim();
        continue;
      }
      flushList();
      flushQuote();
      paragraph.push(line.trim());
    }
    flushAll();
    return html.join("");
  }

  const api = { escapeHTML, renderInline, renderMarkdown };
  const namespace = (root.OndiOperator = root.OndiOperator || {});
  namespace.markdown = api;
  if (typeof module !== "undefined") module.exports = api;
})(globalThis);
