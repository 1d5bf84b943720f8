#pragma once

#include <functional>
#include <unordered_map>

#include "core/ports/Scheduler.h"

namespace ondi::platform {

// The main queue on the GLib main loop of the default context.
class GlibScheduler final : public Scheduler {
 public:
  GlibScheduler() = default;
  ~GlibScheduler() override;
  GlibScheduler(const GlibScheduler&) = delete;
  GlibScheduler& operator=(const GlibScheduler&) = delete;

  TaskId post(std::function<void()> task) override;
  TaskId postAfter(std::chrono::milliseconds delay, std::function<void()> task) override;
  void cancel(TaskId id) override;

 private:
  TaskId schedule(unsigned delayMs, std::function<void()> task);

  TaskId nextId_ = 1;
  std::unordered_map<TaskId, unsigned> sources_;
};

}  // namespace ondi::platform
