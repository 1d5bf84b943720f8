#pragma once

#include <chrono>
#include <functional>

// Turns the default GLib main context until `done` holds or `timeout` passes; returns
// whether `done` held.
bool runMainLoopUntil(const std::function<bool()>& done,
                      std::chrono::milliseconds timeout = std::chrono::seconds(10));
