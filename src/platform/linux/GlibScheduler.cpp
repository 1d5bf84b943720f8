#include "platform/linux/GlibScheduler.h"

#include <glib.h>

#include "core/util/GlibHandles.h"

namespace ondi::platform {

GlibScheduler::~GlibScheduler() {
  for (const auto& [id, source] : sources_) g_source_remove(source);
}

Scheduler::TaskId GlibScheduler::post(std::function<void()> task) {
  return schedule(0, std::move(task));
}

Scheduler::TaskId GlibScheduler::postAfter(std::chrono::milliseconds delay,
                                           std::function<void()> task) {
  return schedule(static_cast<unsigned>(std::max<long long>(0, delay.count())), std::move(task));
}

void GlibScheduler::cancel(TaskId id) {
  const auto found = sources_.find(id);
  if (found == sources_.end()) return;
  g_source_remove(found->second);
  sources_.erase(found);
}

Scheduler::TaskId GlibScheduler::schedule(unsigned delayMs, std::function<void()> task) {
  const TaskId id = nextId_++;
  const auto run = glib::sourceCallback([this, id, task = std::move(task)]() -> gboolean {
    sources_.erase(id);
    task();
    return G_SOURCE_REMOVE;
  });
  const unsigned source =
      delayMs == 0
          ? g_idle_add_full(G_PRIORITY_DEFAULT, run.callback, run.data, run.destroy)
          : g_timeout_add_full(G_PRIORITY_DEFAULT, delayMs, run.callback, run.data, run.destroy);
  sources_.emplace(id, source);
  return id;
}

}  // namespace ondi::platform
