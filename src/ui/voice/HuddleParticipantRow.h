#pragma once

#include <gtkmm/box.h>
#include <gtkmm/checkbutton.h>
#include <gtkmm/dropdown.h>
#include <gtkmm/image.h>

#include <string>

namespace ondi {
class HuddleController;
struct HuddleParticipant;
}  // namespace ondi

namespace ondi::ui {

// One agent of the roster: avatar, name, role and voice, its reasoning model, and whether it
// joins the next huddle.
class HuddleParticipantRow : public Gtk::Box {
 public:
  HuddleParticipantRow(HuddleController& huddle, const HuddleParticipant& participant);

  // Shows the participant's current choices; `locked` while a call is under way.
  void show(const HuddleParticipant& participant, bool locked, bool active);

 private:
  HuddleController& huddle_;
  std::string id_;
  Gtk::Image* avatar_ = nullptr;
  Gtk::DropDown model_;
  Gtk::CheckButton include_;
};

}  // namespace ondi::ui
