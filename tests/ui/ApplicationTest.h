#pragma once

#include <gtest/gtest.h>

#include <gtkmm/label.h>
#include <gtkmm/widget.h>
#include <gtkmm/window.h>

#include <functional>
#include <string>

#include "TemporaryDirectory.h"
#include "core/app/DesktopBrowserModel.h"
#include "ui/app/OndiApplication.h"

// The widget named `name` under `root` (itself included), if it has the type asked for.
template <typename T = Gtk::Widget>
T* findNamed(Gtk::Widget& root, const std::string& name) {
  if (root.get_name().raw() == name) return dynamic_cast<T*>(&root);
  for (Gtk::Widget* child = root.get_first_child(); child; child = child->get_next_sibling()) {
    if (T* found = findNamed<T>(*child, name)) return found;
  }
  return nullptr;
}

// The first label under `root` whose text is `text`.
Gtk::Label* findLabel(Gtk::Widget& root, const std::string& text);
// The text of the first label under `root`, for buttons whose content is a box.
std::string firstLabelText(Gtk::Widget& root);
// Whether the widget and every ancestor are visible, whether or not the window is mapped.
bool isShown(const Gtk::Widget& widget);
// Whether the keyboard focus of `window` is `widget` or inside it.
bool hasFocusWithin(Gtk::Window& window, Gtk::Widget& widget);

// Clicks a button as a pointer would, at once.
void click(Gtk::Widget& button);
// Presses Enter in an entry.
void pressEnter(Gtk::Widget& entry);

// Saves a picture of the screen for review when ONDI_SCREENSHOT_DIR names a folder, once every
// shown window has painted its current state.
void screenshot(const std::string& name);

// Runs `script` in the agent surface's page and waits for its result, as JSON text; empty when
// the script failed.
std::string runScript(ondi::DesktopBrowserModel& model, const std::string& script);

// Signs Ada Lovelace up with the account service the test points at; true once the session is
// confirmed.
bool signUp(ondi::DesktopBrowserModel& model);

// Runs the main loop until `condition` holds or the time is up; returns the condition.
bool waitUntil(const std::function<bool()>& condition, int milliseconds = 5000);
// The question whether Ondi may use the microphone, once it is shown; none if it was not.
Gtk::Window* waitForMicrophoneQuestion(int milliseconds = 5000);
// Answers that question as the user would; false when it was never asked.
bool answerMicrophoneQuestion(bool allow, int milliseconds = 5000);
// Runs the main loop until every shown window has painted a fresh frame; returns whether all did.
bool waitForPaint();

// Runs the application on private folders, with the account service pointed at a closed
// loopback port so that every session check fails at once with "unavailable".
class ApplicationTest : public ::testing::Test {
 protected:
  using Check = std::function<void(ondi::ui::OndiApplication&, ondi::DesktopBrowserModel&)>;

  ApplicationTest();
  ~ApplicationTest() override;

  // `check` runs as soon as the main window is shown and the first session check has ended.
  void runApplication(Check check);

  TemporaryDirectory folder;
};
