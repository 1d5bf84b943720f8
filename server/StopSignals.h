#pragma once

#include <glib.h>

namespace ondi::server {

// Turns SIGINT and SIGTERM into a clean stop of the main loop. Created before the server starts
// so that a signal arriving at any moment after that (even before the loop runs) stops it
// cleanly instead of killing the process.
class StopSignals {
 public:
  StopSignals();
  ~StopSignals();

  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

  // Runs the thread's default main context until one of the signals arrives.
  void serveUntilSignalled();

 private:
  static gboolean quit(gpointer loop);

  GMainLoop* loop_;
  guint interruptSource_;
  guint terminateSource_;
};

}  // namespace ondi::server
