// The three cursors: Qt's arrow and two pictures of men, rendered from their
// drawings at the screen's pixel ratio so they stay sharp.
#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QSvgRenderer>

#include "platform/qt/window.h"

struct PlatformCursor {
    QCursor cursor;
};

namespace {

constexpr int32_t CURSOR_SIZE = 32;
constexpr int32_t HOTSPOT_X = 16;
constexpr int32_t HOTSPOT_Y = 15;

QCursor man_cursor(const char* drawing)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen != nullptr ? screen->devicePixelRatio() : 1.0;
    QPixmap picture(QSize(CURSOR_SIZE, CURSOR_SIZE) * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QSvgRenderer renderer(QString::fromLatin1(drawing));
    QPainter p(&picture);
    renderer.render(&p, QRectF(0, 0, CURSOR_SIZE, CURSOR_SIZE));
    p.end();
    return QCursor(picture, HOTSPOT_X, HOTSPOT_Y);
}

} // namespace

CursorHandle load_cursor(int32_t shape)
{
    // Made on first use: a cursor needs the application.
    static PlatformCursor arrow = {QCursor(Qt::ArrowCursor)};
    static PlatformCursor carry = {man_cursor(":/cursors/carry.svg")};
    static PlatformCursor remove = {man_cursor(":/cursors/remove.svg")};
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
