#include "StopSignals.h"

#include <csignal>
#include <cstdio>

#include <glib-unix.h>

namespace ondi::server {

StopSignals::StopSignals()
    : loop_(g_main_loop_new(nullptr, FALSE)),
      interruptSource_(g_unix_signal_add(SIGINT, &StopSignals::quit, loop_)),
      terminateSource_(g_unix_signal_add(SIGTERM, &StopSignals::quit, loop_)) {}

StopSignals::~StopSignals() {
  g_source_remove(interruptSource_);
  g_source_remove(terminateSource_);
  g_main_loop_unref(loop_);
}

void StopSignals::serveUntilSignalled() {
  g_main_loop_run(loop_);
}

gboolean StopSignals::quit(gpointer loop) {
  std::fputs("ondi-server stopping\n", stderr);
  g_main_loop_quit(static_cast<GMainLoop*>(loop));
  return G_SOURCE_CONTINUE;
}

}  // namespace ondi::server
