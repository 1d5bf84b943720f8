#include "WorkerPool.h"

#include <stdexcept>

namespace ondi::server {

struct WorkerPool::Job {
  std::function<void()> work;
  std::function<void()> done;
  std::weak_ptr<bool> poolAlive;
};

WorkerPool::WorkerPool(unsigned threads)
    : context_(g_main_context_ref_thread_default()), alive_(std::make_shared<bool>(true)) {
  GError* error = nullptr;
  threads_ = g_thread_pool_new_full(&WorkerPool::runJob, this, &WorkerPool::dropJob,
                                    static_cast<gint>(threads), FALSE, &error);
  if (threads_ == nullptr) {
    const std::string message = error->message;
    g_error_free(error);
    g_main_context_unref(context_);
    throw std::runtime_error("Could not start the worker threads: " + message + ".");
  }
}

WorkerPool::~WorkerPool() {
  finish();
  g_main_context_unref(context_);
}

void WorkerPool::finish() {
  if (threads_ == nullptr) return;
  alive_.reset();
  g_thread_pool_free(threads_, TRUE, TRUE);
  threads_ = nullptr;
}

void WorkerPool::submit(std::function<void()> work, std::function<void()> done) {
  if (threads_ == nullptr) return;
  auto* job = new Job{.work = std::move(work), .done = std::move(done), .poolAlive = alive_};
  g_thread_pool_push(threads_, job, nullptr);
}

void WorkerPool::runJob(gpointer job, gpointer pool) {
  static_cast<Job*>(job)->work();
  GSource* completion = g_idle_source_new();
  g_source_set_priority(completion, G_PRIORITY_DEFAULT);
  g_source_set_callback(completion, &WorkerPool::completeJob, job, nullptr);
  g_source_attach(completion, static_cast<WorkerPool*>(pool)->context_);
  g_source_unref(completion);
}

void WorkerPool::dropJob(gpointer job) {
  delete static_cast<Job*>(job);
}

gboolean WorkerPool::completeJob(gpointer data) {
  std::unique_ptr<Job> job(static_cast<Job*>(data));
  if (!job->poolAlive.expired()) job->done();
  return G_SOURCE_REMOVE;
}

}  // namespace ondi::server
