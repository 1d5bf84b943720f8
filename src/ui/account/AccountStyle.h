#pragma once

namespace ondi::ui {

// Installs, once per process, the style classes of the account screens: the brand mark, the
// gate's card, the message rows and the action-error banner.
void installAccountStyle();

}  // namespace ondi::ui
