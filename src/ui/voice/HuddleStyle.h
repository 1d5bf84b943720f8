#pragma once

#include <gtkmm/image.h>
#include <gtkmm/label.h>

#include <string>

namespace ondi::ui {

// Installs, once per process, the huddle screen's classes: round avatars and the highlight of
// the agent speaking, the answering-mode segments, the call badge and the call bar.
void installHuddleStyle();

// A round avatar showing `symbol`; `active` marks the agent speaking or thinking.
Gtk::Image& huddleAvatar(const std::string& symbol, int size);
void markActive(Gtk::Widget& widget, bool active);

// A label in one of the screen's text roles ("heading", "dim-label", …), left-aligned.
Gtk::Label& huddleLabel(const std::string& text, const char* cssClass, bool wrap = true);

}  // namespace ondi::ui
