#pragma once

namespace ondi::platform {

// Whether the sound server offers a real capture device: a microphone or a line input, not
// the monitor of an output. Needs GStreamer initialised.
bool hasMicrophoneSource();

}  // namespace ondi::platform
