// The message queue. Qt's event handlers only ever add to it; the game's
// procedures run when the game loop dispatches, never from inside Qt's handlers.
#include <algorithm>
#include <deque>

#include <QCloseEvent>
#include <QCoreApplication>

#include "platform/qt/qt_backend.h"
#include "platform/qt/window.h"

namespace {

std::deque<Message> queue;

PlatformWindow* first_invalid_window()
{
    for (PlatformWindow* w : all_windows) {
        if (!w->destroyed && !w->invalid.isEmpty() && w->frame->isVisible())
            return w;
    }
    return nullptr;
}

} // namespace

void post_message(WindowHandle window, int32_t kind, uint32_t value, uint32_t position)
{
    queue.push_back({window, kind, value, position});
}

void post_mouse_move(PlatformWindow* window, uint32_t position)
{
    if (!queue.empty() && queue.back().window == window && queue.back().kind == MESSAGE_MOUSE_MOVE)
        queue.back().position = position;
    else
        post_message(window, MESSAGE_MOUSE_MOVE, 0, position);
}

void post_quit_message(int32_t exit_code)
{
    post_message(nullptr, MESSAGE_QUIT, static_cast<uint32_t>(exit_code), 0);
}

int32_t get_message(Message* message)
{
    while (queue.empty()) {
        if (PlatformWindow* w = first_invalid_window()) {
            *message = {w, MESSAGE_PAINT, 0, 0};
            return 1;
        }
        // Nothing of Qt's is on the stack here, so windows given up can go.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    *message = queue.front();
    queue.pop_front();
    return message->kind == MESSAGE_QUIT ? 0 : 1;
}

int32_t dispatch_message(const Message* message)
{
    WindowHandle w = message->window;
    if (w == nullptr || w->destroyed)
        return 0;
    if (w->procedure == nullptr)
        return default_window_procedure(w, message);
    return w->procedure(w, message);
}

int32_t default_window_procedure(WindowHandle window, const Message* message)
{
    if (message->kind == MESSAGE_CLOSE) {
        destroy_window(window);
    } else if (message->kind == MESSAGE_PAINT) {
        // Unpainted, the window would ask again and again.
        end_paint(window, begin_paint(window));
    }
    return 0;
}

void destroy_window(WindowHandle window)
{
    if (window->destroyed)
        return;
    window->frame->hide();
    const Message destroy = {window, MESSAGE_DESTROY, 0, 0};
    if (window->procedure != nullptr)
        window->procedure(window, &destroy);
    window->destroyed = true;
    window->frame->deleteLater();
    window->frame = nullptr;
    window->canvas = nullptr;
    window->menu_items.clear();
}

void Frame::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (!window_->destroyed)
        post_message(window_, MESSAGE_CLOSE, 0, 0);
}

int32_t close_requested(WindowHandle window)
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return std::any_of(queue.begin(), queue.end(), [window](const Message& m) {
        return m.window == window && m.kind == MESSAGE_CLOSE;
    }) ? 1 : 0;
}

void update_window_now(WindowHandle window, const Rect* area)
{
    if (window->destroyed)
        return;
    if (!window->invalid.isEmpty() && window->frame->isVisible() && window->procedure != nullptr) {
        const Message paint = {window, MESSAGE_PAINT, 0, 0};
        window->procedure(window, &paint);
    }
    // The event loop may not run for a while (a search): show the image now.
    if (window->canvas == nullptr || !window->canvas->isVisible())
        return;
    if (area != nullptr)
        window->canvas->repaint(area->left, area->top, area->right - area->left, area->bottom - area->top);
    else
        window->canvas->repaint();
}

std::vector<Message> qt_queued_messages()
{
    return {queue.begin(), queue.end()};
}

void qt_forget_messages()
{
    queue.clear();
}
