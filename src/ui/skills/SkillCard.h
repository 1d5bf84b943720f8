#pragma once

#include <gtkmm/box.h>

#include <functional>

#include "core/packs/VelmoraSkill.h"

namespace ondi::ui {

// One skill of the library: its symbol, title and team, its objective and preferred tools, and
// the button that hands it to the agent.
class SkillCard : public Gtk::Box {
 public:
  SkillCard(const VelmoraSkill& skill, std::function<void()> use);
};

}  // namespace ondi::ui
