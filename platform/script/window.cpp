// Messages, windows, menus, boxes, cursors, dialogs and help, driven by tests.
#include <algorithm>

#include "platform/script/script.h"

ScriptState& script()
{
    static ScriptState state;
    return state;
}

void script_reset()
{
    ScriptState& s = script();
    for (PlatformWindow* w : s.windows)
        delete w;
    s = ScriptState{};
}

void platform_start(int*, char**) {}

void script_click(WindowHandle window, int32_t x, int32_t y)
{
    post_message(window, MESSAGE_LEFT_BUTTON_DOWN, 0, pack_position(x, y));
}

void script_command(WindowHandle window, int32_t id)
{
    post_message(window, MESSAGE_COMMAND, static_cast<uint32_t>(id), 0);
}

WindowHandle create_main_window(const WindowTemplate* layout)
{
    auto* w = new PlatformWindow{};
    w->title = layout->title;
    w->procedure = layout->procedure;
    w->client_width = layout->client_width;
    w->client_height = layout->client_height;
    w->menu.assign(layout->menu, layout->menu + layout->menu_count);
    for (const MenuEntry& e : w->menu) {
        if (e.kind == MENU_ITEM)
            w->checked[e.id] = e.checked;
    }
    w->invalid = true;
    w->cursor_shape = CURSOR_ARROW;
    w->dc = {&w->draw_log, BRUSH_WHITE, 0, 0};
    script().windows.push_back(w);
    return w;
}

void show_window(WindowHandle window)
{
    window->visible = true;
}

void set_window_title(WindowHandle window, const char* title)
{
    window->title = title;
}

int32_t menu_item_checked(WindowHandle window, int32_t id)
{
    auto it = window->checked.find(id);
    return it != window->checked.end() && it->second ? 1 : 0;
}

void check_menu_item(WindowHandle window, int32_t id, int32_t checked)
{
    // Like the real menu, an id that is not an item changes nothing.
    auto it = window->checked.find(id);
    if (it != window->checked.end())
        it->second = checked ? 1 : 0;
}

void message_box(WindowHandle, const char* text, const char* caption)
{
    ScriptState& s = script();
    s.boxes.push_back({text, caption});
    if (s.on_box)
        s.on_box(s.boxes.back());
}

int32_t get_message(Message* message)
{
    ScriptState& s = script();
    if (s.queue.empty() && s.on_idle)
        s.on_idle();
    if (s.queue.empty()) {
        auto invalid = std::find_if(s.windows.begin(), s.windows.end(), [](PlatformWindow* w) {
            return w->visible && !w->destroyed && w->invalid;
        });
        if (invalid != s.windows.end())
            s.queue.push_back({*invalid, MESSAGE_PAINT, 0, 0});
        else
            s.queue.push_back({nullptr, MESSAGE_QUIT, SCRIPT_EXHAUSTED, 0});
    }
    *message = s.queue.front();
    s.queue.pop_front();
    if (s.on_fetch)
        s.on_fetch(*message);
    return message->kind == MESSAGE_QUIT ? 0 : 1;
}

int32_t dispatch_message(const Message* message)
{
    WindowHandle w = message->window;
    if (w == nullptr || w->destroyed || w->procedure == nullptr)
        return 0;
    return w->procedure(w, message);
}

void post_message(WindowHandle window, int32_t kind, uint32_t value, uint32_t position)
{
    script().queue.push_back({window, kind, value, position});
}

void post_quit_message(int32_t exit_code)
{
    post_message(nullptr, MESSAGE_QUIT, static_cast<uint32_t>(exit_code), 0);
}

int32_t default_window_procedure(WindowHandle window, const Message* message)
{
    if (message->kind == MESSAGE_CLOSE)
        destroy_window(window);
    return 0;
}

void destroy_window(WindowHandle window)
{
    if (window->destroyed)
        return;
    window->visible = false;
    const Message destroy = {window, MESSAGE_DESTROY, 0, 0};
    if (window->procedure != nullptr)
        window->procedure(window, &destroy);
    window->destroyed = true;
}

int32_t close_requested(WindowHandle window)
{
    const std::deque<Message>& q = script().queue;
    return std::any_of(q.begin(), q.end(), [window](const Message& m) {
        return m.window == window && m.kind == MESSAGE_CLOSE;
    }) ? 1 : 0;
}

void update_window_now(WindowHandle window, const Rect* area)
{
    window->updates.push_back({area == nullptr, area != nullptr ? *area : Rect{}});
    if (window->invalid && window->visible && window->procedure != nullptr) {
        ++window->paints_sent;
        const Message paint = {window, MESSAGE_PAINT, 0, 0};
        window->procedure(window, &paint);
    }
}

CursorHandle load_cursor(int32_t shape)
{
    static PlatformCursor arrow = {CURSOR_ARROW};
    static PlatformCursor carry = {CURSOR_CARRY};
    static PlatformCursor remove = {CURSOR_REMOVE};
    switch (shape) {
    case CURSOR_CARRY: return &carry;
    case CURSOR_REMOVE: return &remove;
    default: return &arrow;
    }
}

void set_cursor(WindowHandle window, CursorHandle cursor)
{
    window->cursor_shape = cursor->shape;
}

int32_t dialog_box(WindowHandle, const DialogTemplate* layout, DialogProcedure procedure)
{
    ScriptState& s = script();
    s.dialog_captions.push_back(layout->caption);
    PlatformDialog dialog = {false, 0};
    const Message init = {nullptr, MESSAGE_INIT_DIALOG, 0, 0};
    procedure(&dialog, &init);
    while (!dialog.ended && !s.dialog_commands.empty()) {
        const Message command = {nullptr, MESSAGE_COMMAND, s.dialog_commands.front(), 0};
        s.dialog_commands.pop_front();
        procedure(&dialog, &command);
    }
    if (!dialog.ended)
        ++s.dialogs_left_open; // a real box would still be waiting for its user
    return dialog.result;
}

void end_dialog(DialogHandle dialog, int32_t result)
{
    dialog->ended = true;
    dialog->result = result;
}

void open_help(WindowHandle)
{
    ++script().help_opened;
}
