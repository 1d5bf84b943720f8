"use strict";

const test = require("node:test");
const assert = require("node:assert/strict");
const path = require("node:path");

const { renderMarkdown } = require(path.join(__dirname, "../../../src/resources/operator/markdown.js"));

test("escaping", async (t) => {
  await t.test("markup in the text never becomes markup", () => {
    assert.equal(
      renderMarkdown('<script>alert("x")</script> & <img src=x onerror=alert(1)>'),
      "<p>&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt; &amp; &lt;img src=x onerror=alert(1)&gt;</p>"
    );
  });

  await t.test("escaping holds inside every construct", () => {
    const html = renderMarkdown(
      ["# <b>", "- <i>", "1. <u>", "> <s>", "**<em>**", "`<hr>`", "```", "</pre><script>", "```"].join("\n")
    );
    assert.doesNotMatch(html, /<(b|i|u|s|em|hr|x|script)>/);
    assert.match(html, /<pre><code>&lt;\/pre&gt;&lt;script&gt;<\/code><\/pre>/);
  });

  await t.test("a code fence language cannot break out of its attribute", () => {
    assert.equal(renderMarkdown('```js"onclick=x\ncode\n```'), '<pre><code class="language-jsonclickx" data-language="jsonclickx">code</code></pre>');
  });
});

test("blocks", async (t) => {
  await t.test("code fences keep their lines verbatim and run to the end when unclosed", () => {
    assert.equal(
      renderMarkdown("Before\n```python\ndef f():\n    return **1**\n```\nAfter"),
      '<p>Before</p><pre><code class="language-python" data-language="python">def f():\n    return **1**</code></pre><p>After</p>'
    );
    assert.equal(renderMarkdown("```\n# not a heading"), "<pre><code># not a heading</code></pre>");
  });

  await t.test("headings of one to three hash signs", () => {
    assert.equal(renderMarkdown("# One\n## Two ##\n### Three\n#### Four"), "<h3>One</h3><h4>Two</h4><h5>Three</h5><p>#### Four</p>");
    assert.equal(renderMarkdown("#hashtag"), "<p>#hashtag</p>");
    assert.equal(renderMarkdown("## C#"), "<h4>C#</h4>");
  });

  await t.test("bullets, numbered items and their boundaries", () => {
    assert.equal(renderMarkdown("- one\n* two\n  continued\n\n3. three\n4) four"),
      '<ul><li>one</li><li>two continued</li></ul><ol start="3"><li>three</li><li>four</li></ol>');
    assert.equal(renderMarkdown("Steps:\n1. a\n- b"), "<p>Steps:</p><ol><li>a</li></ol><ul><li>b</li></ul>");
    assert.equal(renderMarkdown("**bold** start"), "<p><strong>bold</strong> start</p>");
  });

  await t.test("quote lines group into one quote", () => {
    assert.equal(renderMarkdown("> first\n>second\n\nafter"), "<blockquote><p>first<br>second</p></blockquote><p>after</p>");
  });

  await t.test("paragraphs are separated by blank lines and keep line breaks", () => {
    assert.equal(renderMarkdown("a\r\nb\n\n\nc"), "<p>a<br>b</p><p>c</p>");
    assert.equal(renderMarkdown(""), "");
  });
});

test("inline bold and code", () => {
  assert.equal(renderMarkdown("Use **npm ci** then `make **all**` and ** loose **"),
    "<p>Use <strong>npm ci</strong> then <code>make **all**</code> and ** loose **</p>");
  assert.equal(renderMarkdown("- `a` and **b**"), "<ul><li><code>a</code> and <strong>b</strong></li></ul>");
  assert.equal(renderMarkdown("unclosed `tick and **star"), "<p>unclosed `tick and **star</p>");
});
