#pragma once

#include <string>

#include "core/workspace/AccentTone.h"

namespace ondi::ui {

// Installs, once per process, the billing screen's classes: the accent bar of plan cards and
// comparison tiles, one colour per accent tone; the plan price; the chosen segment of a
// segmented control.
void installBillingStyle();

// The class that colours an accent bar in `tone`.
std::string toneClass(AccentTone tone);

}  // namespace ondi::ui
