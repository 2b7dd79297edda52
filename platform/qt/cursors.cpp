// The three cursors: Qt's arrow and two pictures of men, drawn at the screen's
// pixel ratio so they stay sharp.
#include <QCursor>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include "platform/qt/window.h"

struct PlatformCursor {
    QCursor cursor;
};

namespace {

constexpr int32_t CURSOR_SIZE = 32;
constexpr int32_t HOTSPOT_X = 16;
constexpr int32_t HOTSPOT_Y = 15;

enum class Man { Carried, Removed };

QCursor man_cursor(Man man)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen != nullptr ? screen->devicePixelRatio() : 1.0;
    QPixmap picture(QSize(CURSOR_SIZE, CURSOR_SIZE) * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    if (man == Man::Carried) { // a white man with a black rim
        p.setPen(QPen(Qt::black, 2));
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(1, 1, CURSOR_SIZE - 2, CURSOR_SIZE - 2));
    } else { // a black man crossed out in white
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawEllipse(QRectF(0, 0, CURSOR_SIZE, CURSOR_SIZE));
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(7, 8), QPointF(24, 24));
        p.drawLine(QPointF(24, 8), QPointF(7, 24));
    }
    p.end();
    return QCursor(picture, HOTSPOT_X, HOTSPOT_Y);
}

} // namespace

CursorHandle load_cursor(int32_t shape)
{
    // Made on first use: a cursor needs the application.
    static PlatformCursor arrow = {QCursor(Qt::ArrowCursor)};
    static PlatformCursor carry = {man_cursor(Man::Carried)};
    static PlatformCursor remove = {man_cursor(Man::Removed)};
    switch (shape) {
    case CURSOR_CARRY: return &carry;
    case CURSOR_REMOVE: return &remove;
    default: return &arrow;
    }
}

void set_cursor(WindowHandle window, CursorHandle cursor)
{
    if (window->canvas != nullptr)
        window->canvas->setCursor(cursor->cursor);
}
