#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <glib.h>

namespace ondi::server {

// Runs slow work (password hashing) on a few worker threads, so that the server's main loop keeps
// answering meanwhile, and hands each result back to the main loop that created the pool. The work
// must not throw and must touch nothing the main loop uses; its completion runs on the main loop.
class WorkerPool {
 public:
  explicit WorkerPool(unsigned threads);
  // Finishes as finish() does.
  ~WorkerPool();

  // Waits for the work that has started and drops the work not yet started and every completion
  // still to come; later work is refused. Whatever the work reads must outlive this call.
  void finish();

  WorkerPool(const WorkerPool&) = delete;
  WorkerPool& operator=(const WorkerPool&) = delete;

  template <typename Result>
  void run(std::function<Result()> work, std::function<void(Result)> done) {
    auto result = std::make_shared<std::optional<Result>>();
    submit([work = std::move(work), result] { result->emplace(work()); },
           [done = std::move(done), result] { done(std::move(**result)); });
  }

 private:
  struct Job;

  void submit(std::function<void()> work, std::function<void()> done);
  static void runJob(gpointer job, gpointer pool);
  static gboolean completeJob(gpointer job);
  static void dropJob(gpointer job);

  GMainContext* context_;
  // Completions check it, so that none runs after the pool is gone.
  std::shared_ptr<bool> alive_;
  GThreadPool* threads_;
};

}  // namespace ondi::server
