// What the program and its tests may reach of the Qt backend beyond the platform
// calls.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QAction>
#include <QDialog>
#include <QImage>
#include <QMainWindow>
#include <QWidget>

#include "platform/platform.h"

// The window's picture as drawn so far, in device pixels (client pixels times the
// scale).
QImage qt_canvas_image(WindowHandle window);
QMainWindow* qt_main_window(WindowHandle window);
QWidget* qt_canvas(WindowHandle window);
// Draws the window from now on at scale device pixels per client pixel, as on a
// screen of that pixel ratio; the window becomes invalid.
void qt_set_canvas_scale(WindowHandle window, int32_t scale);

// Where open_help looks for the help document, in the program's Qt resources.
inline constexpr char HELP_DOCUMENT[] = ":/help/brackwell.html";

// The menu item with id, or null.
QAction* qt_menu_action(WindowHandle window, int32_t id);
// The help window once open_help has made it, else null.
QWidget* qt_help_window(WindowHandle window);

// Messages waiting in the queue, first first; and emptying it.
std::vector<Message> qt_queued_messages();
void qt_forget_messages();

// With an answer set, every message box is answered from inside its modal loop:
// the answer sees the text and caption, then the box's OK button is clicked.
// Null shows boxes to the user again.
using BoxAnswer = std::function<void(const std::string& text, const std::string& caption)>;
void qt_answer_message_boxes(BoxAnswer answer);
// Called with each dialog box once its modal loop runs; null for none.
using DialogShown = std::function<void(QDialog* box)>;
void qt_on_dialog_shown(DialogShown shown);
