#include "ui/account/AccountStyle.h"

#include <gdkmm/display.h>
#include <gtkmm/cssprovider.h>
#include <gtkmm/stylecontext.h>

namespace ondi::ui {
namespace {

constexpr const char* kAccountCss = R"css(
.ondi-brand {
  background-color: @theme_selected_bg_color;
  color: @theme_selected_fg_color;
  border-radius: 7px;
  padding: 2px 8px;
  font-weight: 800;
}
.ondi-gate {
  background-color: @theme_bg_color;
}
.ondi-card {
  background-color: @theme_base_color;
  border: 1px solid alpha(@borders, 0.7);
  border-radius: 14px;
  padding: 28px;
  box-shadow: 0 1px 4px alpha(black, 0.06);
}
.ondi-instruction-editor {
  background-color: @theme_base_color;
  border: 1px solid alpha(@borders, 0.7);
  border-radius: 12px;
  padding: 16px;
}
.ondi-message {
  border-radius: 8px;
  padding: 8px 12px;
}
.ondi-message.notice {
  background-color: alpha(@theme_selected_bg_color, 0.1);
}
.ondi-message.error {
  background-color: alpha(@error_color, 0.1);
  color: @error_color;
}
.ondi-message.success {
  background-color: alpha(@success_color, 0.12);
}
.ondi-inline-link {
  padding: 0 4px;
  min-height: 0;
}
.ondi-banner {
  border-radius: 0;
  border-bottom: 1px solid alpha(@error_color, 0.25);
}
)css";

}  // namespace

void installAccountStyle() {
  static bool installed = false;
  if (installed) return;
  auto display = Gdk::Display::get_default();
  if (!display) return;
  auto provider = Gtk::CssProvider::create();
  provider->load_from_data(kAccountCss);
  Gtk::StyleContext::add_provider_for_display(display, provider,
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  installed = true;
}

}  // namespace ondi::ui
