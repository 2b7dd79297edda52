// Device contexts: the few drawing operations of the board, in device pixels of the
// window's image, so that at any scale outlines and lines come out whole pixels.
#include <cstring>

#include <QFontMetrics>

#include "platform/qt/window.h"

namespace {

QColor brush_color(int32_t brush)
{
    switch (brush) {
    case BRUSH_GRAY: return {128, 128, 128};
    case BRUSH_BLACK: return {0, 0, 0};
    default: return {255, 255, 255};
    }
}

void acquire(PlatformDc* dc)
{
    if (dc->users++ > 0)
        return;
    dc->painter.begin(&dc->window->image);
    dc->painter.setRenderHint(QPainter::Antialiasing, false);
    dc->painter.setRenderHint(QPainter::TextAntialiasing, false);
}

void release(PlatformDc* dc)
{
    if (dc->users > 0 && --dc->users == 0)
        dc->painter.end();
}

void show_drawing(PlatformWindow* window, const QRegion& area)
{
    if (window->canvas != nullptr)
        window->canvas->update(area);
}

// [from, to) of the pixels a line covers along one axis: the end pixel is left out.
void span(int32_t start, int32_t end, int32_t* from, int32_t* to)
{
    *from = end > start ? start : end + 1;
    *to = end > start ? end : start + 1;
}

} // namespace

void select_brush(DeviceContext dc, StockBrush brush)
{
    dc->brush = brush;
}

void draw_ellipse(DeviceContext dc, int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    if (!dc->painter.isActive() || right - left < 1 || bottom - top < 1)
        return;
    const int32_t s = dc->window->scale;
    QPainter& p = dc->painter;
    p.setPen(QPen(Qt::black, s, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(brush_color(dc->brush));
    // An aliased one-pixel outline falls right of and below the path, so the
    // path's rectangle is one pixel smaller; a wider pen is centred on its path.
    if (s == 1)
        p.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
    else
        p.drawEllipse(QRectF(left * s + s / 2.0, top * s + s / 2.0, (right - left - 1) * s,
                             (bottom - top - 1) * s));
}

void move_to(DeviceContext dc, int32_t x, int32_t y)
{
    dc->x = x;
    dc->y = y;
}

void line_to(DeviceContext dc, int32_t x, int32_t y)
{
    const int32_t x0 = dc->x;
    const int32_t y0 = dc->y;
    dc->x = x;
    dc->y = y;
    if (!dc->painter.isActive() || (x == x0 && y == y0))
        return;
    const int32_t s = dc->window->scale;
    QPainter& p = dc->painter;
    int32_t from = 0;
    int32_t to = 0;
    if (y == y0) {
        span(x0, x, &from, &to);
        p.fillRect(from * s, y * s, (to - from) * s, s, Qt::black);
    } else if (x == x0) {
        span(y0, y, &from, &to);
        p.fillRect(x * s, from * s, s, (to - from) * s, Qt::black);
    } else {
        // Slanted lines: Qt's flat-capped line through the pixel centres.
        p.setPen(QPen(Qt::black, s, Qt::SolidLine, Qt::FlatCap));
        const qreal half = s / 2.0;
        p.drawLine(QPointF(x0 * s + half, y0 * s + half), QPointF(x * s + half, y * s + half));
    }
}

void text_out(DeviceContext dc, int32_t x, int32_t y, const char* text, int32_t count)
{
    if (!dc->painter.isActive() || count <= 0)
        return;
    const QString line = QString::fromLatin1(text, static_cast<qsizetype>(strnlen(text, static_cast<size_t>(count))));
    const int32_t s = dc->window->scale;
    const QFontMetrics metrics(dc->window->font);
    QPainter& p = dc->painter;
    // Opaque: every character cell, blanks too, is white before the text goes on.
    p.fillRect(x * s, y * s, metrics.horizontalAdvance(line), metrics.height(), Qt::white);
    p.setFont(dc->window->font);
    p.setPen(Qt::black);
    p.drawText(x * s, y * s + metrics.ascent(), line);
}

DeviceContext get_window_dc(WindowHandle window)
{
    acquire(&window->dc);
    return &window->dc;
}

void release_window_dc(WindowHandle window, DeviceContext dc)
{
    release(dc);
    show_drawing(window, QRegion(0, 0, window->client_width, window->client_height));
}

DeviceContext begin_paint(WindowHandle window)
{
    PlatformDc* dc = &window->dc;
    acquire(dc);
    const QRegion area = QTransform::fromScale(window->scale, window->scale).map(window->invalid);
    dc->painter.setClipRegion(area);
    for (const QRect& r : area)
        dc->painter.fillRect(r, Qt::white);
    return dc;
}

void end_paint(WindowHandle window, DeviceContext dc)
{
    dc->painter.setClipping(false);
    release(dc);
    show_drawing(window, window->invalid);
    window->invalid = QRegion();
}
