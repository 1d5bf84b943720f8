#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/label.h>
#include <gtkmm/scrolledwindow.h>

#include "core/util/ScopedConnections.h"
#include "ui/voice/HuddleWaveform.h"

namespace ondi {
class HuddleController;
}

namespace ondi::ui {

// The spoken turns with each speaker's avatar, the agent speaking highlighted, and what the
// agents are doing; before the first turn, an invitation to start.
class HuddleConversation : public Gtk::Box {
 public:
  explicit HuddleConversation(HuddleController& huddle);

 private:
  Gtk::Widget& buildEmptyState();
  void showTurns();
  void showActivity();
  void showEmptyState();

  HuddleController& huddle_;
  Gtk::Box activity_;
  Gtk::Label activityText_;
  HuddleWaveform waveform_;
  Gtk::ScrolledWindow scroller_;
  Gtk::Box turns_;
  Gtk::Box* empty_ = nullptr;
  Gtk::Label emptyTitle_;
  Gtk::Label emptyDetail_;
  Gtk::Button start_;
  Gtk::Button signIn_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
