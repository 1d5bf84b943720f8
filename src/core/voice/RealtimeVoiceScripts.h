#pragma once

#include <optional>
#include <string>

namespace ondi {

// The scripts that drive the voice console page. The start script is the body of an
// asynchronous function; the others are plain scripts whose value is their answer.

// Configures the huddle (`huddleJSON`, none: no huddle configuration), switches the console to
// its voice surface and starts the realtime session, answering the console's result object
// {"ok", "connected", "code", "error"}. Older consoles are followed through their voice widget.
std::string realtimeVoiceStartScript(const std::optional<std::string>& huddleJSON);
// Answers "stopped", "clicked" or "missing".
std::string realtimeVoiceStopScript();
// Answers "updated" or "missing".
std::string huddleMicrophoneMutedScript(bool muted);
// Answers "interrupted" or "missing".
std::string huddleInterruptScript();
// Answers the console's huddle snapshot as JSON text, or null when the page has no huddle.
std::string huddleSnapshotScript();

// JSON text made safe to place in a script anywhere: "</" and the two line separators are
// escaped, which keeps the same value.
std::string scriptSafeJSON(const std::string& json);

}  // namespace ondi
