#pragma once

namespace ondi::ui {

// Installs the in-app browser's styles (toolbar, tab pills) on the default display, once.
void installBrowserStyle();

}  // namespace ondi::ui
