// The console's microphone: asks the browser for it, measures its level, mutes it and releases
// it. The sound is only measured, never recorded or sent.
(function (root) {
  "use strict";

  // Why a start can fail at the microphone, as the result codes and sentences the start answers.
  const FAILURES = Object.freeze({
    unsupported: {
      code: "microphone_unavailable",
      error: "This browser cannot capture audio, so the huddle cannot hear you.",
    },
    denied: {
      code: "microphone_denied",
      error: "Microphone access was denied. Allow the microphone for this page and try again.",
    },
    missing: {
      code: "microphone_missing",
      error: "No microphone was found. Connect one and try again.",
    },
    failed: {
      code: "microphone_failed",
      error: "The microphone could not be started. Close other apps that use it and try again.",
    },
  });

  function failureFor(error) {
    const name = error && typeof error.name === "string" ? error.name : "";
    if (name === "NotAllowedError" || name === "SecurityError") return FAILURES.denied;
    if (name === "NotFoundError" || name === "OverconstrainedError") return FAILURES.missing;
    return FAILURES.failed;
  }

  // Level meter over the stream, when the browser has Web Audio; nothing is played back.
  function analyserFor(stream) {
    const AudioContextType = root.AudioContext || root.webkitAudioContext;
    if (!AudioContextType) return null;
    try {
      const context = new AudioContextType();
      const analyser = context.createAnalyser();
      analyser.fftSize = 512;
      context.createMediaStreamSource(stream).connect(analyser);
      if (context.state === "suspended") context.resume().catch(() => {});
      return { context, analyser, samples: new Uint8Array(analyser.fftSize) };
    } catch (error) {
      return null;
    }
  }

  class Microphone {
    constructor(stream) {
      this.stream = stream;
      this.meter = analyserFor(stream);
    }

    // Muted tracks deliver silence, so nothing the user says is heard.
    setMuted(muted) {
      for (const track of this.stream.getAudioTracks()) track.enabled = !muted;
    }

    // The loudness now, from 0 to 1; null without a meter.
    level() {
      if (!this.meter) return null;
      const { analyser, samples } = this.meter;
      analyser.getByteTimeDomainData(samples);
      let sum = 0;
      for (const sample of samples) {
        const centred = (sample - 128) / 128;
        sum += centred * centred;
      }
      return Math.min(1, Math.sqrt(sum / samples.length) * 4);
    }

    // Stops the tracks, which turns the browser's microphone indicator off.
    release() {
      for (const track of this.stream.getTracks()) track.stop();
      if (this.meter) this.meter.context.close().catch(() => {});
      this.meter = null;
    }
  }

  // {ok: true, microphone} once the browser has handed over a live audio track; otherwise
  // {ok: false, code, error}.
  async function openMicrophone(mediaDevices) {
    if (!mediaDevices || typeof mediaDevices.getUserMedia !== "function") return Object.assign({ ok: false }, FAILURES.unsupported);
    let stream;
    try {
      stream = await mediaDevices.getUserMedia({ audio: true });
    } catch (error) {
      return Object.assign({ ok: false }, failureFor(error));
    }
    if (!stream || !stream.getAudioTracks().some((track) => track.readyState === "live")) {
      if (stream) for (const track of stream.getTracks()) track.stop();
      return Object.assign({ ok: false }, FAILURES.missing);
    }
    return { ok: true, microphone: new Microphone(stream) };
  }

  const api = { FAILURES, openMicrophone };
  const namespace = (root.OndiVoice = root.OndiVoice || {});
  namespace.microphone = api;
  if (typeof module !== "undefined") module.exports = api;
})(globalThis);
