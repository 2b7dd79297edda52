// The client area: shows the window's image, follows the screen's pixel ratio.
#include <cmath>

#include <QFontDatabase>
#include <QMouseEvent>

#include "platform/qt/window.h"

namespace {

// Text size in client pixels, fixed whatever the desktop's font size: the side
// panel's longest line, 30 characters from x = 396, ends inside 600 pixels.
constexpr int32_t TEXT_PIXELS = 11;

} // namespace

int32_t scale_for_ratio(qreal ratio)
{
    return std::max(1, static_cast<int32_t>(std::ceil(ratio - 0.01)));
}

void set_canvas_scale(PlatformWindow* window, int32_t scale)
{
    QImage image(window->client_width * scale, window->client_height * scale, QImage::Format_RGB32);
    if (window->image.isNull())
        image.fill(Qt::white);
    else
        image = window->image.scaled(image.size());
    window->image = image;
    window->scale = scale;
    // Fixed pitch: a line of n characters always covers the same cells, so a
    // shorter figure paints over every trace of a longer one.
    window->font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    window->font.setPixelSize(TEXT_PIXELS * scale);
    window->font.setStyleStrategy(QFont::NoAntialias);
    window->invalid = QRegion(0, 0, window->client_width, window->client_height);
}

Canvas::Canvas(PlatformWindow* window) : window_(window)
{
    setFixedSize(window->client_width, window->client_height);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void Canvas::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    const int32_t scale = scale_for_ratio(ratio);
    if (scale != window_->scale && window_->dc.users == 0)
        set_canvas_scale(window_, scale);
    QPainter painter(this);
    if (ratio != window_->scale)
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(0, 0, window_->client_width, window_->client_height), window_->image);
}

namespace {

uint32_t client_position(const QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    return pack_position(p.x(), p.y());
}

} // namespace

void Canvas::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        post_message(window_, MESSAGE_LEFT_BUTTON_DOWN, 0, client_position(event));
}

// Qt turns the second of two quick presses into a double click; the game wants
// every press.
void Canvas::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
}

void Canvas::mouseMoveEvent(QMouseEvent* event)
{
    post_mouse_move(window_, client_position(event));
}
