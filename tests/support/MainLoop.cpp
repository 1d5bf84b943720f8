#include "MainLoop.h"

#include <glib.h>

bool runMainLoopUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
  // Sleeps in the main loop until the next event; a timer is the event that ends the wait.
  bool expired = false;
  const guint deadline = g_timeout_add(
      static_cast<guint>(timeout.count()),
      [](gpointer flag) -> gboolean {
        *static_cast<bool*>(flag) = true;
        return G_SOURCE_REMOVE;
      },
      &expired);
  // The condition is asked once per turn: conditions that ask a page run the loop themselves,
  // and a second question could see the page at another moment.
  bool met = false;
  while (!(met = done()) && !expired) g_main_context_iteration(nullptr, TRUE);
  if (!expired) g_source_remove(deadline);
  return met;
}
