// What the Qt backend keeps per window. The client area is a Canvas widget that
// shows an image of the window's own; every device context draws into that image,
// so what is drawn stays until drawn over, as the game expects.
#pragma once

#include <map>
#include <vector>

#include <QAction>
#include <QFont>
#include <QImage>
#include <QMainWindow>
#include <QPainter>
#include <QPointer>
#include <QRegion>
#include <QWidget>

#include "platform/platform.h"

class Canvas;
class Frame;

struct PlatformDc {
    PlatformWindow* window;
    QPainter painter; // active while the context is in use
    int32_t users;    // get_window_dc and begin_paint may nest
    int32_t brush;    // stays selected between uses
    int32_t x, y;     // current position
};

struct PlatformWindow {
    WindowProcedure procedure;
    int32_t client_width, client_height;
    Frame* frame; // null once destroyed
    Canvas* canvas;
    QImage image;   // client size times scale, in device pixels
    int32_t scale;  // device pixels per client pixel
    QFont font;     // the text font at that scale
    QRegion invalid; // client pixels waiting for MESSAGE_PAINT
    PlatformDc dc;  // private to the window, like the game expects
    std::map<int32_t, QAction*> menu_items; // by id
    QPointer<QWidget> help;
    bool destroyed;
};

class Canvas : public QWidget {
public:
    explicit Canvas(PlatformWindow* window);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    PlatformWindow* window_;
};

// The window around the canvas. Closing it only asks: the game decides.
class Frame : public QMainWindow {
public:
    explicit Frame(PlatformWindow* window);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    PlatformWindow* window_;
};

// Every window created, destroyed ones too: handles stay valid for the run.
extern std::vector<PlatformWindow*> all_windows;

// Device pixels per client pixel for a screen's ratio: whole, never less, so
// lines stay sharp; the canvas scales down on fractional ratios.
int32_t scale_for_ratio(qreal ratio);
// Re-creates the image at scale, keeping a rough copy of the picture, and marks
// the whole client area invalid so the window gets painted afresh.
void set_canvas_scale(PlatformWindow* window, int32_t scale);

// The menu bar from the game's table; every item sends MESSAGE_COMMAND.
void build_menu(PlatformWindow* window, const MenuEntry* menu, int32_t count);

// Posts MESSAGE_MOUSE_MOVE, or moves the one waiting at the end of the queue:
// only the latest position of a movement matters.
void post_mouse_move(PlatformWindow* window, uint32_t position);

// From now on SIGTERM, SIGINT and SIGHUP post MESSAGE_CLOSE to every open window.
void watch_termination_signals();

// The program's icon, in its Qt resources; windows go without one when it is absent.
inline constexpr char APP_ICON[] = ":/icons/brackwell.svg";
