// Start-up and the main window: a fixed-size frame around the canvas.
#include <QApplication>
#include <QIcon>
#include <QLayout>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QSvgRenderer>

#include "platform/qt/window.h"

std::vector<PlatformWindow*> all_windows;

namespace {

// The icon drawn afresh at every size the desktop asks for, so none is blurred.
void set_application_icon()
{
    QSvgRenderer drawing(QString::fromLatin1(APP_ICON));
    if (!drawing.isValid())
        return;
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QPixmap picture(size, size);
        picture.fill(Qt::transparent);
        QPainter p(&picture);
        drawing.render(&p);
        p.end();
        icon.addPixmap(picture);
    }
    QApplication::setWindowIcon(icon);
}

} // namespace

void platform_start(int* argc, char** argv)
{
    if (QApplication::instance() != nullptr)
        return;
    // QApplication keeps a reference to the count; it lives until the process ends.
    static int kept_argc = 0;
    kept_argc = *argc;
    new QApplication(kept_argc, argv);
    *argc = kept_argc;
    // The game ends the program through its quit message, not Qt.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName(QStringLiteral("Brackwell"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.brackwell.Brackwell"));
    watch_termination_signals();
    set_application_icon();
}

Frame::Frame(PlatformWindow* window)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint),
      window_(window)
{
}

WindowHandle create_main_window(const WindowTemplate* layout)
{
    auto* window = new PlatformWindow{};
    window->procedure = layout->procedure;
    window->client_width = layout->client_width;
    window->client_height = layout->client_height;
    window->dc.window = window;
    window->dc.brush = BRUSH_WHITE;

    window->frame = new Frame(window);
    window->frame->setWindowTitle(QString::fromUtf8(layout->title));
    build_menu(window, layout->menu, layout->menu_count);
    window->canvas = new Canvas(window);
    window->frame->setCentralWidget(window->canvas);
    window->frame->layout()->setSizeConstraint(QLayout::SetFixedSize);
    set_canvas_scale(window, scale_for_ratio(window->frame->devicePixelRatioF()));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window->frame->move(screen->availableGeometry().topLeft());
    all_windows.push_back(window);
    return window;
}

void show_window(WindowHandle window)
{
    if (window->frame != nullptr)
        window->frame->show();
}

void set_window_title(WindowHandle window, const char* title)
{
    if (window->frame != nullptr)
        window->frame->setWindowTitle(QString::fromUtf8(title));
}
