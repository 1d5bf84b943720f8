#pragma once

namespace ondi::ui {

// The messaging screens' style sheet (message bubbles, the relay chip), installed once.
void installMessagingStyle();

}  // namespace ondi::ui
