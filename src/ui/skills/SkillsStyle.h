#pragma once

namespace ondi::ui {

// Installs the skills screen's layout rules once per display.
void installSkillsStyle();

}  // namespace ondi::ui
