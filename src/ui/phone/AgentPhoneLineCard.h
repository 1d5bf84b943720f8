#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/label.h>

#include <functional>

#include "ui/account/MessageRow.h"
#include "ui/phone/AgentPhoneReadiness.h"

namespace ondi {
struct AgentPhoneState;
}

namespace ondi::ui {

// The connected number: its label, masked number and status, the agent that answers it, what
// each direction does, its actions, and the recent calls.
class AgentPhoneLineCard : public Gtk::Box {
 public:
  struct Actions {
    std::function<void()> placeCall;
    std::function<void()> editRouting;
    std::function<void()> disconnect;
    std::function<void()> refresh;
  };

  explicit AgentPhoneLineCard(Actions actions);

  // Shows the state's line, which must be present.
  void show(const AgentPhoneState& state);
  void setActionsEnabled(bool enabled);

 private:
  Gtk::Box& header();
  Gtk::Box& capability(const std::string& name, const std::string& title, Gtk::Label*& state,
                       Gtk::Label*& detail);
  Gtk::Box& actionRows(const Actions& actions);
  void showCalls(const AgentPhoneState& state);

  Gtk::Label label_;
  Gtk::Label number_;
  Gtk::Label status_;
  MessageRow syncError_;
  Gtk::Label agent_;
  Gtk::Label* inboundState_ = nullptr;
  Gtk::Label* inboundDetail_ = nullptr;
  Gtk::Label* outboundState_ = nullptr;
  Gtk::Label* outboundDetail_ = nullptr;
  AgentPhoneReadiness readiness_;
  Gtk::Button placeCall_;
  Gtk::Button edit_;
  Gtk::Button disconnect_;
  Gtk::Button refresh_;
  Gtk::Box calls_{Gtk::Orientation::VERTICAL, 6};
  Gtk::Label noCalls_;
  bool enabled_ = true;
  bool outboundEnabled_ = false;
};

}  // namespace ondi::ui
