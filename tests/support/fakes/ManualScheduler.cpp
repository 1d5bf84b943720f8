#include "fakes/ManualScheduler.h"

#include <algorithm>
#include <utility>

namespace ondi::fakes {

Scheduler::TaskId ManualScheduler::post(std::function<void()> task) {
  return postAfter(std::chrono::milliseconds{0}, std::move(task));
}

Scheduler::TaskId ManualScheduler::postAfter(std::chrono::milliseconds delay,
                                             std::function<void()> task) {
  const TaskId id = nextId_++;
  tasks_.push_back({id, elapsed_ + std::max(delay, std::chrono::milliseconds{0}), std::move(task)});
  return id;
}

void ManualScheduler::cancel(TaskId id) {
  std::erase_if(tasks_, [id](const Task& task) { return task.id == id; });
}

std::chrono::system_clock::time_point ManualScheduler::now() const {
  using namespace std::chrono;
  return sys_days{year{2025} / January / 1} + elapsed_;
}

void ManualScheduler::advance(std::chrono::milliseconds duration) {
  const auto target = elapsed_ + duration;
  for (;;) {
    const auto next = std::ranges::min_element(
        tasks_, {}, [](const Task& task) { return std::pair(task.due, task.id); });
    if (next == tasks_.end() || next->due > target) break;
    elapsed_ = next->due;
    auto run = std::move(next->run);
    tasks_.erase(next);
    run();
  }
  elapsed_ = target;
}

}  // namespace ondi::fakes
