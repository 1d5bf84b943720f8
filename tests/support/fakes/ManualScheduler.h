#pragma once

#include <chrono>
#include <functional>
#include <vector>

#include "core/ports/Clock.h"
#include "core/ports/Scheduler.h"

namespace ondi::fakes {

// The main queue on a virtual clock: nothing runs until the test says so. It is the clock
// as well, so timers and timestamps agree.
class ManualScheduler final : public Scheduler, public Clock {
 public:
  TaskId post(std::function<void()> task) override;
  TaskId postAfter(std::chrono::milliseconds delay, std::function<void()> task) override;
  void cancel(TaskId id) override;
  std::chrono::system_clock::time_point now() const override;

  // Runs every task that is due now, including those posted while it runs.
  void runUntilIdle() { advance(std::chrono::milliseconds{0}); }
  // Moves the clock forward by `duration`, running the tasks that fall due in time order
  // (equal times in posting order), including tasks they post.
  void advance(std::chrono::milliseconds duration);
  std::size_t pendingCount() const { return tasks_.size(); }

 private:
  struct Task {
    TaskId id;
    std::chrono::milliseconds due;
    std::function<void()> run;
  };
  std::vector<Task> tasks_;
  std::chrono::milliseconds elapsed_{0};
  TaskId nextId_ = 1;
};

}  // namespace ondi::fakes
