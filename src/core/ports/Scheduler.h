#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

namespace ondi {

// The main queue: every completion and timer of the core runs through it.
class Scheduler {
 public:
  using TaskId = std::uint64_t;

  virtual ~Scheduler() = default;
  // Runs `task` on a later turn of the main loop.
  virtual TaskId post(std::function<void()> task) = 0;
  // Runs `task` once, `delay` from now.
  virtual TaskId postAfter(std::chrono::milliseconds delay, std::function<void()> task) = 0;
  // Forgets a task that has not run yet; unknown or finished ids are ignored.
  virtual void cancel(TaskId id) = 0;
};

}  // namespace ondi
