#pragma once

#include <string>

#include <gtkmm/box.h>
#include <gtkmm/label.h>

namespace ondi::ui {

// The payment screen's style sheet, installed once per display.
void installPaymentStyle();

struct PaymentCard {
  Gtk::Box& body;
  // The row of the symbol and the title, for a pill at its end.
  Gtk::Box& header;
};

// A themed card with a symbol and a title on top; the caller appends the rest to its body.
PaymentCard paymentCard(const std::string& name, const std::string& symbol,
                        const std::string& title);

// A left-aligned label that wraps to its container's width.
Gtk::Label& paymentParagraph(const std::string& text);

}  // namespace ondi::ui
