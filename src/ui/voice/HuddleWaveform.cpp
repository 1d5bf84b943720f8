#include "ui/voice/HuddleWaveform.h"

#include <cmath>

#include <gdkmm/frameclock.h>
#include <gtkmm/stylecontext.h>

#include "ui/app/AccessibleName.h"

namespace ondi::ui {
namespace {
constexpr int kBars = 5;
constexpr double kBarWidth = 3;
constexpr double kGap = 2;
}  // namespace

HuddleWaveform::HuddleWaveform() {
  set_name("huddle.waveform");
  add_css_class("ondi-huddle-waveform");
  set_content_width(static_cast<int>(kBars * kBarWidth + (kBars - 1) * kGap));
  set_content_height(14);
  set_valign(Gtk::Align::CENTER);
  hideFromAssistiveTechnology(*this);
  set_draw_func(sigc::mem_fun(*this, &HuddleWaveform::draw));
  signal_map().connect([this] {
    tick_ = add_tick_callback([this](const Glib::RefPtr<Gdk::FrameClock>& clock) {
      seconds_ = static_cast<double>(clock->get_frame_time()) / 1e6;
      queue_draw();
      return true;
    });
  });
  signal_unmap().connect([this] {
    if (tick_) remove_tick_callback(tick_);
    tick_ = 0;
  });
}

void HuddleWaveform::draw(const Cairo::RefPtr<Cairo::Context>& cairo, int, int height) {
  const Gdk::RGBA color = get_style_context()->get_color();
  cairo->set_source_rgba(color.get_red(), color.get_green(), color.get_blue(), color.get_alpha());
  for (int bar = 0; bar < kBars; ++bar) {
    // Each bar swings on its own phase between a third and the full height.
    const double swing = 0.5 + 0.5 * std::sin(seconds_ * 7 + bar * 1.3);
    const double barHeight = height * (0.33 + 0.67 * swing);
    const double x = bar * (kBarWidth + kGap);
    cairo->rectangle(x, (height - barHeight) / 2, kBarWidth, barHeight);
  }
  cairo->fill();
}

}  // namespace ondi::ui
