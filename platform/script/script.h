// The scripted backend: tests post the messages, boxes are answered at once, and
// drawing is recorded call by call instead of shown. No display is needed.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/platform.h"

enum DrawKind : int32_t {
    DRAW_SELECT_BRUSH, // a: the brush
    DRAW_ELLIPSE,      // a, b, c, d: left, top, right, bottom
    DRAW_MOVE_TO,      // a, b: x, y
    DRAW_LINE_TO,      // a, b: x, y
    DRAW_TEXT,         // a, b: x, y; text: the characters drawn
    DRAW_ERASE,        // a, b, c, d: the area erased for a paint message
};

struct DrawCall {
    int32_t kind;
    int32_t a, b, c, d;
    std::string text;

    bool operator==(const DrawCall&) const = default;
};

struct PlatformDc {
    std::vector<DrawCall>* log;
    int32_t brush;
    int32_t x, y;
};

struct WindowUpdate {
    bool whole; // else area
    Rect area;
};

struct PlatformWindow {
    std::string title;
    WindowProcedure procedure;
    int32_t client_width, client_height;
    std::vector<MenuEntry> menu;
    std::map<int32_t, int32_t> checked; // by item id
    bool visible, destroyed, invalid;
    int32_t cursor_shape;
    PlatformDc dc; // private to the window: keeps its brush between uses
    std::vector<DrawCall> draw_log;
    std::vector<WindowUpdate> updates;
    int32_t paints_sent; // MESSAGE_PAINT sent by update_window_now
};

struct PlatformCursor {
    int32_t shape;
};

struct PlatformDialog {
    bool ended;
    int32_t result;
};

struct ScriptedBox {
    std::string text;
    std::string caption;
};

// get_message returns MESSAGE_QUIT with this code once the script has run dry.
inline constexpr uint32_t SCRIPT_EXHAUSTED = 99;

struct ScriptState {
    std::deque<Message> queue;
    std::vector<PlatformWindow*> windows;
    std::vector<ScriptedBox> boxes;
    // Called with each message just before get_message returns it, so a test sees
    // the state the previous game step left.
    std::function<void(const Message&)> on_fetch;
    // Called when the queue is empty; may post more messages.
    std::function<void()> on_idle;
    // Called while a message box is "open".
    std::function<void(const ScriptedBox&)> on_box;
    // Commands delivered, one at a time, to the dialog boxes that open.
    std::deque<uint32_t> dialog_commands;
    std::vector<std::string> dialog_captions;
    int32_t dialogs_left_open;
    int32_t help_opened;
};

ScriptState& script();
// Destroys every window and forgets every message, hook and record.
void script_reset();

void script_click(WindowHandle window, int32_t x, int32_t y);
void script_command(WindowHandle window, int32_t id);
// The draw calls since the last call, and clears the log.
std::vector<DrawCall> script_take_drawing(WindowHandle window);
