#include "platform/linux/GlibScheduler.h"

#include <glib.h>

namespace ondi::platform {

struct GlibScheduler::Pending {
  GlibScheduler* owner;
  TaskId id;
  std::function<void()> task;
};

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
  auto* pending = new Pending{this, id, std::move(task)};
  auto destroy = [](void* data) { delete static_cast<Pending*>(data); };
  const unsigned source =
      delayMs == 0
          ? g_idle_add_full(G_PRIORITY_DEFAULT, &GlibScheduler::run, pending, destroy)
          : g_timeout_add_full(G_PRIORITY_DEFAULT, delayMs, &GlibScheduler::run, pending, destroy);
  sources_.emplace(id, source);
  return id;
}

int GlibScheduler::run(void* data) {
  auto* pending = static_cast<Pending*>(data);
  pending->owner->sources_.erase(pending->id);
  pending->task();
  return G_SOURCE_REMOVE;
}

}  // namespace ondi::platform
