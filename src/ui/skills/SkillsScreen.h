#pragma once

#include <gtkmm/box.h>
#include <gtkmm/flowbox.h>
#include <gtkmm/scrolledwindow.h>
#include <gtkmm/searchentry.h>

#include <vector>

#include "core/packs/VelmoraSkill.h"

namespace ondi {
class AgentPromptPreparation;
}

namespace ondi::ui {

// The skills library: reusable playbooks filtered by a search, each of which can be handed to
// the agent page as a ready prompt.
class SkillsScreen : public Gtk::ScrolledWindow {
 public:
  SkillsScreen(AgentPromptPreparation& prompts, std::vector<VelmoraSkill> skills = builtInSkills());

 private:
  void showVisibleSkills();
  Gtk::Widget& emptyState();

  AgentPromptPreparation& prompts_;
  const std::vector<VelmoraSkill> skills_;
  Gtk::Box page_;
  Gtk::SearchEntry search_;
  Gtk::FlowBox grid_;
  std::vector<Gtk::FlowBoxChild*> cells_;  // one per skill, in the skills' order
  Gtk::Widget* empty_ = nullptr;
};

}  // namespace ondi::ui
