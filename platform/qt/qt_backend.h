// What tests may reach of the Qt backend beyond the platform calls.
#pragma once

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
