#pragma once

#include <string>

#include <gtkmm/picture.h>

namespace ondi::ui {

// A QR code of a text, drawn 12 pixels per module with hard edges and shown 240 pixels wide;
// empty when it cannot be made.
class QRCodeImage : public Gtk::Picture {
 public:
  QRCodeImage();
  void show(const std::string& payload);
};

}  // namespace ondi::ui
