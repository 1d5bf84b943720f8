#pragma once

namespace ondi::ui {

// Installs the connectors screen's styles (logos, rows, rail cards, scope tabs) on the default
// display, once.
void installConnectorsStyle();

}  // namespace ondi::ui
