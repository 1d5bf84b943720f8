#pragma once

#include <gtkmm/box.h>

#include "core/workspace/OperationsRecords.h"

namespace ondi::ui {

// A connector's icon badge: the mark of a few well-known apps, drawn as their letter on the
// brand's colour, and for every other app its symbol on the soft colour of its accent tone.
class ConnectorLogo : public Gtk::Box {
 public:
  ConnectorLogo(const ConnectorItem& connector, int size);
};

}  // namespace ondi::ui
