#include "ui/shell/HeaderBadge.h"

#include <numbers>

#include "ui/app/AccessibleName.h"

namespace ondi::ui {
namespace {
constexpr int kDotSize = 5;
}  // namespace

HeaderBadge::HeaderBadge(VelmoraTheme theme)
    : Gtk::Box(Gtk::Orientation::HORIZONTAL, 6), theme_(theme) {
  set_name("shell.status-badge");
  add_css_class("ondi-badge");
  set_valign(Gtk::Align::CENTER);
  dot_.set_content_width(kDotSize);
  dot_.set_content_height(kDotSize);
  dot_.set_valign(Gtk::Align::CENTER);
  hideFromAssistiveTechnology(dot_);
  dot_.set_draw_func([this](const Cairo::RefPtr<Cairo::Context>& cairo, int width, int height) {
    cairo->set_source_rgba(dotColor_.red, dotColor_.green, dotColor_.blue, dotColor_.opacity);
    cairo->arc(width / 2.0, height / 2.0, kDotSize / 2.0, 0, 2 * std::numbers::pi);
    cairo->fill();
  });
  text_.set_name("shell.status-badge.text");
  append(dot_);
  append(text_);
}

void HeaderBadge::show(DesktopSurfaceSignal signal) {
  const std::string text = badgeText(signal);
  text_.set_text(text);
  setAccessibleName(*this, "Status: " + text);
  dotColor_ = badgeDotColor(signal, theme_);
  dot_.queue_draw();
}

}  // namespace ondi::ui
