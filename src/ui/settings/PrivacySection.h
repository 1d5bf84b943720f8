#pragma once

#include <gtkmm/box.h>
#include <gtkmm/label.h>

#include "core/util/ScopedConnections.h"
#include "ui/settings/PreferenceSwitchRow.h"

namespace ondi {
class MicrophoneConsent;
}

namespace ondi::ui {

// The "Privacy" settings section: whether the voice console and dictation may use the
// microphone, the answer first given when a voice feature asked.
class PrivacySection : public Gtk::Box {
 public:
  explicit PrivacySection(MicrophoneConsent& microphone);

 private:
  void showCurrent();

  MicrophoneConsent& microphone_;
  PreferenceSwitchRow switch_;
  Gtk::Label* status_ = nullptr;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
