#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMainWindow>
#include <QMouseEvent>
#include <QTimer>

#include "platform/qt/qt_backend.h"
#include "tests/platform/qt_support.h"

namespace {

std::vector<Message> received;

// Paints a black disc in the corner, ends the run on MESSAGE_DESTROY with 3.
int32_t recording_procedure(WindowHandle window, const Message* message)
{
    received.push_back(*message);
    switch (message->kind) {
    case MESSAGE_PAINT: {
        DeviceContext dc = begin_paint(window);
        select_brush(dc, BRUSH_BLACK);
        draw_ellipse(dc, 0, 0, 20, 20);
        end_paint(window, dc);
        return 0;
    }
    case MESSAGE_DESTROY:
        post_quit_message(3);
        return 0;
    default:
        return default_window_procedure(window, message);
    }
}

class MessageQueue : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = bare_window(recording_procedure);
        show_window(window);
        qt_forget_messages();
        received.clear();
    }

    void TearDown() override
    {
        destroy_window(window);
        qt_forget_messages();
    }

    // Paints the new window, so that only what a test sends is fetched.
    void paint_first()
    {
        Message m{};
        ASSERT_EQ(get_message(&m), 1);
        ASSERT_EQ(m.kind, MESSAGE_PAINT);
        dispatch_message(&m);
        received.clear();
    }

    void mouse(QEvent::Type type, Qt::MouseButton button, int x, int y)
    {
        const QPointF at(x, y);
        QMouseEvent event(type, at, qt_canvas(window)->mapToGlobal(at), button, button, Qt::NoModifier);
        QCoreApplication::sendEvent(qt_canvas(window), &event);
    }

    WindowHandle window = nullptr;
};

std::vector<std::tuple<int32_t, uint32_t, uint32_t>> kinds_values_positions(const std::vector<Message>& messages)
{
    std::vector<std::tuple<int32_t, uint32_t, uint32_t>> out;
    for (const Message& m : messages)
        out.emplace_back(m.kind, m.value, m.position);
    return out;
}

} // namespace

TEST_F(MessageQueue, QtEventsBecomeMessagesInOrder)
{
    mouse(QEvent::MouseButtonPress, Qt::LeftButton, 100, 50);
    mouse(QEvent::MouseButtonPress, Qt::RightButton, 101, 51);   // not ours
    mouse(QEvent::MouseButtonDblClick, Qt::LeftButton, 100, 50); // a second press
    mouse(QEvent::MouseMove, Qt::NoButton, 10, 10);
    mouse(QEvent::MouseMove, Qt::NoButton, 11, 12); // one movement, latest place
    post_message(window, MESSAGE_COMMAND, 40001, 0);
    mouse(QEvent::MouseMove, Qt::NoButton, 599, 379);

    using T = std::tuple<int32_t, uint32_t, uint32_t>;
    const std::vector<T> expected = {
        T{MESSAGE_LEFT_BUTTON_DOWN, 0, pack_position(100, 50)},
        T{MESSAGE_LEFT_BUTTON_DOWN, 0, pack_position(100, 50)},
        T{MESSAGE_MOUSE_MOVE, 0, pack_position(11, 12)},
        T{MESSAGE_COMMAND, 40001, 0},
        T{MESSAGE_MOUSE_MOVE, 0, pack_position(599, 379)},
    };
    EXPECT_EQ(kinds_values_positions(qt_queued_messages()), expected);
    for (const Message& m : qt_queued_messages())
        EXPECT_EQ(m.window, window);

    std::vector<Message> fetched;
    for (size_t i = 0; i < expected.size(); ++i) {
        Message m{};
        EXPECT_EQ(get_message(&m), 1);
        fetched.push_back(m);
    }
    EXPECT_EQ(kinds_values_positions(fetched), expected);
}

TEST_F(MessageQueue, PaintsWhenIdleThenWaitsOnQt)
{
    bare_window(recording_procedure); // never shown: never painted

    Message m{};
    ASSERT_EQ(get_message(&m), 1);
    EXPECT_EQ(m.kind, MESSAGE_PAINT);
    EXPECT_EQ(m.window, window);
    EXPECT_TRUE(qt_queued_messages().empty()) << "paint is made, not queued";
    dispatch_message(&m);
    EXPECT_EQ(qt_canvas_image(window).pixel(10, 10), BLACK);

    // Valid now: get_message has to wait for Qt to deliver something.
    QTimer::singleShot(0, [this] { post_message(window, MESSAGE_COMMAND, 5, 0); });
    ASSERT_EQ(get_message(&m), 1);
    EXPECT_EQ(m.kind, MESSAGE_COMMAND);
    EXPECT_EQ(m.value, 5u);
}

TEST_F(MessageQueue, CloseBoxDestroysThroughTheDefaultProcedure)
{
    paint_first();
    QMainWindow* frame = qt_main_window(window);
    frame->close();
    EXPECT_TRUE(frame->isVisible()) << "the game decides";

    Message m{};
    ASSERT_EQ(get_message(&m), 1);
    ASSERT_EQ(m.kind, MESSAGE_CLOSE);
    dispatch_message(&m);
    EXPECT_FALSE(frame->isVisible());
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0].kind, MESSAGE_CLOSE);
    EXPECT_EQ(received[1].kind, MESSAGE_DESTROY);

    EXPECT_EQ(get_message(&m), 0);
    EXPECT_EQ(m.kind, MESSAGE_QUIT);
    EXPECT_EQ(m.value, 3u);
}

TEST_F(MessageQueue, UpdateWindowNowSendsThePendingPaintOnce)
{
    const Rect panel = {375, 0, 540, 400};
    update_window_now(window, &panel);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].kind, MESSAGE_PAINT);
    update_window_now(window, nullptr);
    EXPECT_EQ(received.size(), 1u) << "valid now";
    // What the canvas shows is the window's picture.
    const QImage shown = qt_canvas(window)->grab().toImage();
    EXPECT_EQ(shown.pixel(10, 10), BLACK);
    EXPECT_EQ(shown.pixel(300, 300), WHITE);
}

TEST_F(MessageQueue, CloseRequestedSeesACloseDuringABusyLoop)
{
    paint_first();
    WindowHandle other = bare_window(recording_procedure);
    QMainWindow* frame = qt_main_window(window);
    QTimer::singleShot(0, frame, [frame] { frame->close(); });
    int32_t calls = 1;
    while (close_requested(window) == 0 && calls < 100)
        ++calls;
    EXPECT_LT(calls, 100);
    EXPECT_EQ(close_requested(other), 0);

    Message m{};
    ASSERT_EQ(get_message(&m), 1);
    EXPECT_EQ(m.kind, MESSAGE_CLOSE) << "still queued for the loop";
    destroy_window(other);
}
