#include "ui/settings/PrivacySection.h"

#include "core/voice/MicrophoneConsent.h"
#include "ui/settings/SettingsText.h"

namespace ondi::ui {
namespace {

std::string statusText(MicrophoneAuthorization authorization) {
  switch (authorization) {
    case MicrophoneAuthorization::authorized:
      return "Allowed. Voice features listen only while a huddle or dictation is running.";
    case MicrophoneAuthorization::notDetermined:
      return "Not decided yet: Ondi asks the first time a voice feature needs the microphone.";
    case MicrophoneAuthorization::denied:
      return "Off. Huddles cannot hear you and dictation does not start.";
    case MicrophoneAuthorization::restricted:
      return "This computer does not let Ondi use the microphone.";
  }
  return {};
}

}  // namespace

PrivacySection::PrivacySection(MicrophoneConsent& microphone)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 12),
      microphone_(microphone),
      switch_("privacy.microphone", "Microphone",
              "Let the voice console and dictation listen through your microphone.",
              {[&microphone] {
                 return microphone.authorization() == MicrophoneAuthorization::authorized;
               },
               // Showing an undecided answer turns the switch off; only a real change of
               // what the switch shows is the user's choice.
               [&microphone](bool allowed) {
                 const bool current =
                     microphone.authorization() == MicrophoneAuthorization::authorized;
                 if (allowed != current) microphone.setAllowed(allowed);
               }}) {
  set_name("privacy-section");
  appendSectionHeading(*this, "Privacy");
  append(switch_);
  status_ = &appendExplanation(*this, "");
  status_->set_name("privacy.microphone.status");
  connections_.add(microphone_.state.changed().connect([this](const auto&) { showCurrent(); }));
  showCurrent();
}

void PrivacySection::showCurrent() {
  switch_.showCurrent();
  switch_.control().set_sensitive(microphone_.authorization() !=
                                  MicrophoneAuthorization::restricted);
  status_->set_text(statusText(microphone_.authorization()));
}

}  // namespace ondi::ui
