#include "core/voice/RealtimeVoiceScripts.h"

namespace ondi {
namespace {

// What follows the configuration: everything the console needs to join the call, as one
// asynchronous function body.
constexpr const char* kStartBody = R"(;
  const failure = (code, error) => ({ ok: false, connected: false, code: code, error: error });
  if (huddleConfig) {
    if (typeof window.velmoraConfigureHuddle !== "function") {
      return failure("huddle_console_unavailable",
        "The multi-agent huddle console is not available on this Ondi server yet.");
    }
    window.velmoraConfigureHuddle(huddleConfig);
  }
  if (typeof window.setWorkspaceSurface === "function") {
    window.setWorkspaceSurface("voice");
  } else {
    const voiceSurface = document.querySelector('[data-workspace-surface="voice"]');
    if (voiceSurface) voiceSurface.click();
  }
  if (typeof window.startRealtimeSession !== "function") {
    return failure("console_unavailable", "The realtime console is not ready.");
  }
  let startupTimer = null;
  const startupTimeout = new Promise((resolve) => {
    startupTimer = setTimeout(() => resolve(failure("startup_timeout",
      "Realtime voice did not connect within 30 seconds. Check microphone access and try again.")),
      30000);
  });
  let started;
  try {
    started = await Promise.race([Promise.resolve(window.startRealtimeSession()), startupTimeout]);
  } finally {
    clearTimeout(startupTimer);
  }
  if (started !== null && typeof started === "object") return started;
  return await new Promise((resolve) => {
    const deadline = Date.now() + 30000;
    const text = (id) => {
      const element = document.getElementById(id);
      return element ? (element.textContent || "").trim() : "";
    };
    const poll = () => {
      const status = text("voiceStatus").toLowerCase();
      const transcript = text("voiceTranscript");
      const widget = document.getElementById("voiceWidget");
      const mode = widget ? widget.dataset.mode : "";
      const connected = status === "realtime" ? transcript.toLowerCase() === "listening"
                                              : status === "speaking" && transcript.length > 0;
      if (connected) {
        resolve({ ok: true, connected: true, compatibilityFallback: true });
      } else if (mode === "error") {
        resolve(failure("legacy_connection_failed", transcript || "Realtime voice could not connect."));
      } else if (Date.now() >= deadline) {
        resolve(failure("legacy_startup_timeout", "Realtime voice did not become ready within 30 seconds."));
      } else {
        setTimeout(poll, 150);
      }
    };
    poll();
  });
)";

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
    text.replace(at, from.size(), to);
    at += to.size();
  }
}

}  // namespace

std::string scriptSafeJSON(const std::string& json) {
  std::string safe = json;
  replaceAll(safe, "</", "<\\/");
  replaceAll(safe, "\xE2\x80\xA8", "\\u2028");
  replaceAll(safe, "\xE2\x80\xA9", "\\u2029");
  return safe;
}

std::string realtimeVoiceStartScript(const std::optional<std::string>& huddleJSON) {
  return "  var huddleConfig = " + (huddleJSON ? scriptSafeJSON(*huddleJSON) : "null") + kStartBody;
}

std::string realtimeVoiceStopScript() {
  return R"((function() {
  if (typeof window.stopRealtimeSession === "function") {
    window.stopRealtimeSession("mac-app");
    return "stopped";
  }
  const button = document.getElementById("voiceButton");
  if (button && document.body && document.body.classList.contains("voice-listening")) {
    button.click();
    return "clicked";
  }
  return "missing";
})();)";
}

std::string huddleMicrophoneMutedScript(bool muted) {
  return std::string(R"((function(muted) {
  if (typeof window.velmoraSetHuddleMicrophoneMuted !== "function") return "missing";
  window.velmoraSetHuddleMicrophoneMuted(muted);
  return "updated";
})()") + (muted ? "true" : "false") +
         ");";
}

std::string huddleInterruptScript() {
  return R"((function() {
  if (typeof window.velmoraInterruptHuddleResponse !== "function") return "missing";
  window.velmoraInterruptHuddleResponse();
  return "interrupted";
})();)";
}

std::string huddleSnapshotScript() {
  return R"((function() {
  if (typeof window.velmoraHuddleSnapshot !== "function") return null;
  return JSON.stringify(window.velmoraHuddleSnapshot());
})();)";
}

}  // namespace ondi
