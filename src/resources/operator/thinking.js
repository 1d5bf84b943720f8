// The indicator shown in place of an answer that is still being worked on: a turning glyph and a
// word that is swept in, letter by letter, every 1,650 ms.
(function (root) {
  "use strict";

  const LABEL = "Ondi is carrying out your mission.";
  const GLYPHS = ["✣", "✢", "✤", "✥", "✶", "·", "✶", "✥"];
  const WORDS = ["Locking on", "Plotting course", "Mobilizing", "Taking point", "Executing", "Closing in"];
  const WORD_INTERVAL = 1650;
  const SWEEP_STEP = 40;
  const GLYPH_INTERVAL = 200;

  // The texts shown while `to` replaces `from`, left to right, one character per step; as many
  // steps as the longer word has characters. The last frame is `to`.
  function sweepFrames(from, to) {
    const steps = Math.max(from.length, to.length);
    const incoming = to.padEnd(steps);
    const frames = [];
    for (let step = 1; step <= steps; step += 1) {
      frames.push((incoming.slice(0, step) + from.slice(step)).trimEnd());
    }
    return frames;
  }

  // Drives `render({glyph, word})` with the given timers; without motion it renders once.
  function createThinkingAnimation(render, options) {
    const timers = (options && options.timers) || root;
    const reducedMotion = Boolean(options && options.reducedMotion);
    let wordIndex = 0;
    let glyphIndex = 0;
    let word = WORDS[0];
    const handles = new Set();
    let stopped = false;

    const show = () => render({ glyph: GLYPHS[glyphIndex], word: word + "..." });
    const later = (fn, ms) => {
      const handle = timers.setTimeout(() => {
        handles.delete(handle);
        if (!stopped) fn();
      }, ms);
      handles.add(handle);
    };

    const nextWord = () => {
      const from = WORDS[wordIndex];
      wordIndex = (wordIndex + 1) % WORDS.length;
      const frames = sweepFrames(from, WORDS[wordIndex]);
      frames.forEach((frame, index) => {
        later(() => {
          word = frame;
          show();
        }, SWEEP_STEP * (index + 1));
      });
      later(nextWord, WORD_INTERVAL);
    };
    const nextGlyph = () => {
      glyphIndex = (glyphIndex + 1) % GLYPHS.length;
      show();
      later(nextGlyph, GLYPH_INTERVAL);
    };

    show();
    if (!reducedMotion) {
      later(nextWord, WORD_INTERVAL);
      later(nextGlyph, GLYPH_INTERVAL);
    }
    return {
      stop() {
        stopped = true;
        for (const handle of handles) timers.clearTimeout(handle);
        handles.clear();
      },
    };
  }

  function prefersReducedMotion() {
    return Boolean(root.matchMedia && root.matchMedia("(prefers-reduced-motion: reduce)").matches);
  }

  // A live indicator element; `stop()` ends its timers (call it when the element goes away).
  function createThinkingIndicator(documentRef) {
    const element = documentRef.createElement("div");
    element.className = "thinking";
    element.setAttribute("role", "status");
    element.setAttribute("aria-label", LABEL);
    const glyph = documentRef.createElement("span");
    glyph.className = "thinking-glyph";
    glyph.setAttribute("aria-hidden", "true");
    const word = documentRef.createElement("span");
    word.className = "thinking-word";
    word.setAttribute("aria-hidden", "true");
    element.append(glyph, word);
    const animation = createThinkingAnimation(
      (frame) => {
        glyph.textContent = frame.glyph;
        word.textContent = frame.word;
      },
      { reducedMotion: prefersReducedMotion() }
    );
    return { element, stop: () => animation.stop() };
  }

  const api = {
    GLYPHS,
    LABEL,
    SWEEP_STEP,
    WORDS,
    WORD_INTERVAL,
    createThinkingAnimation,
    createThinkingIndicator,
    sweepFrames,
  };
  const namespace = (root.OndiOperator = root.OndiOperator || {});
  namespace.thinking = api;
  if (typeof module !== "undefined") module.exports = api;
})(globalThis);
