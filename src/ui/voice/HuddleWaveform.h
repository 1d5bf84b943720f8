#pragma once

#include <gtkmm/drawingarea.h>

namespace ondi::ui {

// Five small bars that rise and fall while the agents speak. They move only while drawn on
// screen, so a hidden waveform costs no frames.
class HuddleWaveform : public Gtk::DrawingArea {
 public:
  HuddleWaveform();

 private:
  void draw(const Cairo::RefPtr<Cairo::Context>& cairo, int width, int height);

  guint tick_ = 0;
  double seconds_ = 0;
};

}  // namespace ondi::ui
