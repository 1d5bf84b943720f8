#include "core/util/GlibHandles.h"

#include <gtest/gtest.h>

#include <memory>

namespace ondi {
namespace {

// Each callable captures the token: its use count tells how many copies are still alive, so a
// callable that leaks or goes twice shows up here (and under the address sanitizer).
class GlibHandlesTest : public ::testing::Test {
 protected:
  void iterateUntilRun() {
    while (runs == 0) g_main_context_iteration(nullptr, TRUE);
  }
  long aliveCopies() const { return token.use_count() - 1; }

  std::shared_ptr<int> token = std::make_shared<int>(0);
  int runs = 0;
};

TEST_F(GlibHandlesTest, IdleCallableGoesOnceWhetherItRanOrItsSourceWasRemoved) {
  glib::idleOnce([token = token, this] { ++runs; });
  EXPECT_EQ(aliveCopies(), 1);
  iterateUntilRun();
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(aliveCopies(), 0);

  g_source_remove(glib::idleOnce([token = token, this] { ++runs; }));
  EXPECT_EQ(aliveCopies(), 0);
  EXPECT_EQ(runs, 1);
}

TEST_F(GlibHandlesTest, AsyncCallableGoesRightAfterItsOneCall) {
  const auto ready = glib::asyncReady([token = token, this](GObject*, GAsyncResult* result) {
    runs += g_task_propagate_boolean(G_TASK(result), nullptr);
  });
  {
    auto task =
        glib::ObjectRef<GTask>::adopt(g_task_new(nullptr, nullptr, ready.callback, ready.data));
    g_task_return_boolean(task.get(), TRUE);
  }
  iterateUntilRun();
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(aliveCopies(), 0);
}

TEST_F(GlibHandlesTest, SignalCallableLivesAsLongAsItsConnection) {
  auto cancellable = glib::ObjectRef<GCancellable>::adopt(g_cancellable_new());
  const auto count = [token = token, this](GCancellable*) { ++runs; };
  const gulong handler = glib::connectSignal<GCancellable*>(cancellable.get(), "cancelled", count);
  glib::connectSignal<GCancellable*>(cancellable.get(), "cancelled", count);
  EXPECT_EQ(aliveCopies(), 3);
  g_cancellable_cancel(cancellable.get());
  EXPECT_EQ(runs, 2);
  g_signal_handler_disconnect(cancellable.get(), handler);
  EXPECT_EQ(aliveCopies(), 2);
  cancellable = {};
  EXPECT_EQ(aliveCopies(), 1);
}

TEST_F(GlibHandlesTest, ObjectRefHoldsExactlyTheReferencesItTakes) {
  GObject* object = G_OBJECT(g_cancellable_new());
  g_object_add_weak_pointer(object, reinterpret_cast<gpointer*>(&object));
  {
    const auto adopted = glib::ObjectRef<GObject>::adopt(object);
    EXPECT_EQ(object->ref_count, 1u);
    auto retained = glib::ObjectRef<GObject>::retain(object);
    auto copy = retained;
    EXPECT_EQ(object->ref_count, 3u);
    auto moved = std::move(copy);
    copy = moved;
    moved = moved;
    retained = std::move(moved);
    EXPECT_EQ(object->ref_count, 3u);
  }
  EXPECT_EQ(object, nullptr);
}

}  // namespace
}  // namespace ondi
