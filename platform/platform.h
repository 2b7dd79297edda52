// The window-system calls the game makes. Exactly one backend is linked into each
// program: platform/qt for the desktop, platform/script for tests that run
// without a display. Nothing here names a toolkit type.
#pragma once

#include <cstdint>

#include "platform/handles.h"
#include "platform/rect.h"

// ---- Start-up --------------------------------------------------------------

// Prepares the backend; the Qt backend creates the application object. Call once,
// first thing in main.
void platform_start(int* argc, char** argv);

// ---- Drawing ---------------------------------------------------------------
// Device contexts keep their selected brush between uses. Pen: solid black, one
// pixel. Text: black on an opaque white cell, in the backend's default font.

enum StockBrush : int32_t {
    BRUSH_WHITE = 0, // 255, 255, 255
    BRUSH_GRAY = 2,  // 128, 128, 128
    BRUSH_BLACK = 4, // 0, 0, 0
};

void select_brush(DeviceContext dc, StockBrush brush);
// The ellipse inscribed in the rectangle (right and bottom exclusive), outlined with
// the pen and filled with the selected brush.
void draw_ellipse(DeviceContext dc, int32_t left, int32_t top, int32_t right, int32_t bottom);
void move_to(DeviceContext dc, int32_t x, int32_t y);
// A line from the current position to (x, y), the end pixel not drawn; (x, y)
// becomes the current position.
void line_to(DeviceContext dc, int32_t x, int32_t y);
// The first count characters of text, top-left corner of the first at (x, y).
void text_out(DeviceContext dc, int32_t x, int32_t y, const char* text, int32_t count);

// The window's own device context: draws over what is there, erases nothing.
DeviceContext get_window_dc(WindowHandle window);
void release_window_dc(WindowHandle window, DeviceContext dc);

// For MESSAGE_PAINT: the invalid area is erased to the window colour and is the
// only area the returned context draws into; end_paint validates it.
DeviceContext begin_paint(WindowHandle window);
void end_paint(WindowHandle window, DeviceContext dc);

// Carries out at once any repaint of the window that is pending (sending
// MESSAGE_PAINT to its procedure) and brings area, or the whole window when area
// is null, onto the screen.
void update_window_now(WindowHandle window, const Rect* area);

// ---- Messages --------------------------------------------------------------

enum MessageKind : int32_t {
    MESSAGE_NONE = 0,
    MESSAGE_PAINT,             // the window needs painting
    MESSAGE_LEFT_BUTTON_DOWN,  // position: where, in client pixels
    MESSAGE_MOUSE_MOVE,        // position: where, in client pixels
    MESSAGE_COMMAND,           // value: the menu or control id
    MESSAGE_CLOSE,             // close box, system menu or window manager
    MESSAGE_DESTROY,           // sent by destroy_window
    MESSAGE_QUIT,              // value: exit code; get_message returns 0 for it
    MESSAGE_INIT_DIALOG,       // sent to a dialog procedure before the box shows
};

struct Message {
    WindowHandle window;
    int32_t kind;
    uint32_t value;
    uint32_t position; // x in the low 16 bits, y in the high 16 bits
};

inline uint32_t pack_position(int32_t x, int32_t y)
{
    return (static_cast<uint32_t>(x) & 0xFFFFu) | (static_cast<uint32_t>(y) & 0xFFFFu) << 16;
}
inline uint32_t position_x(uint32_t position) { return position & 0xFFFFu; }
inline uint32_t position_y(uint32_t position) { return position >> 16; }

using WindowProcedure = int32_t (*)(WindowHandle window, const Message* message);

// Waits for the next message. Returns 0 when it is MESSAGE_QUIT, else 1. While no
// message is queued and the window is invalid, it produces MESSAGE_PAINT.
int32_t get_message(Message* message);
// Hands message to its window's procedure and returns what that returns.
int32_t dispatch_message(const Message* message);
void post_message(WindowHandle window, int32_t kind, uint32_t value, uint32_t position);
void post_quit_message(int32_t exit_code);
// What a window procedure passes on: MESSAGE_CLOSE destroys the window; anything
// else is ignored. Returns 0.
int32_t default_window_procedure(WindowHandle window, const Message* message);
// Hides the window and sends it MESSAGE_DESTROY.
void destroy_window(WindowHandle window);
// Lets the window system deliver what is not user input (exposes, a close request)
// and returns 1 when a MESSAGE_CLOSE for window is waiting in the queue. For long
// computations that cannot fetch messages.
int32_t close_requested(WindowHandle window);

// ---- The main window -------------------------------------------------------

enum MenuEntryKind : int32_t {
    MENU_POPUP,     // starts a menu of the bar: text
    MENU_ITEM,      // text, id, checked, shortcut (may be null)
    MENU_SEPARATOR,
    MENU_END_POPUP,
};

struct MenuEntry {
    int32_t kind;
    const char* text; // '&' marks the mnemonic
    int32_t id;
    int32_t checked;
    const char* shortcut; // e.g. "Ctrl+N", or null
};

struct WindowTemplate {
    const char* title;
    int32_t client_width; // the drawing area under the menu bar
    int32_t client_height;
    WindowProcedure procedure;
    const MenuEntry* menu;
    int32_t menu_count;
};

// A fixed-size window at the screen's top left; not shown until show_window. Its
// client area starts invalid, so the first get_message after showing paints it.
WindowHandle create_main_window(const WindowTemplate* layout);
void show_window(WindowHandle window);
void set_window_title(WindowHandle window, const char* title);

// 1 when the menu item with id carries a check mark, else 0.
int32_t menu_item_checked(WindowHandle window, int32_t id);
void check_menu_item(WindowHandle window, int32_t id, int32_t checked);

// A modal box with text, caption and an OK button; returns when it is closed.
void message_box(WindowHandle window, const char* text, const char* caption);

// ---- Cursors ---------------------------------------------------------------

enum CursorShape : int32_t {
    CURSOR_ARROW = 0,
    CURSOR_CARRY = 102,  // a white man being carried
    CURSOR_REMOVE = 103, // a black man crossed out
};

CursorHandle load_cursor(int32_t shape);
// Shows cursor now and keeps it over the window's client area from now on.
void set_cursor(WindowHandle window, CursorHandle cursor);

// ---- Dialog boxes and help -------------------------------------------------

enum DialogControlKind : int32_t {
    CONTROL_DEFAULT_BUTTON,
    CONTROL_TEXT,
};

// Positions and sizes in dialog units: a quarter of the font's average character
// width across, an eighth of its height down.
struct DialogControl {
    int32_t kind;
    int32_t id;
    int32_t x, y, width, height;
    const char* text;
};

struct DialogTemplate {
    const char* caption;
    int32_t width, height; // dialog units
    const DialogControl* controls;
    int32_t control_count;
};

inline constexpr uint32_t DIALOG_OK = 1;     // the default button or Enter
inline constexpr uint32_t DIALOG_CANCEL = 2; // Escape or the close box

// A dialog procedure returns 1 when it handled the message, else 0.
using DialogProcedure = int32_t (*)(DialogHandle dialog, const Message* message);

// Shows a modal box built from layout; its procedure receives MESSAGE_INIT_DIALOG,
// then MESSAGE_COMMAND with a control's id, DIALOG_OK or DIALOG_CANCEL. Returns the
// result given to end_dialog.
int32_t dialog_box(WindowHandle owner, const DialogTemplate* layout, DialogProcedure procedure);
void end_dialog(DialogHandle dialog, int32_t result);

// Opens the program's help at its contents.
void open_help(WindowHandle window);
