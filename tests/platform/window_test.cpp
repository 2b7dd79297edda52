#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QtPlugin>

#include "platform/qt/qt_backend.h"
#include "tests/platform/qt_support.h"

namespace {

const MenuEntry MENU[] = {
    {MENU_POPUP, "&File", 0, 0, nullptr},
    {MENU_ITEM, "&New Game", 40001, 0, "Ctrl+N"},
    {MENU_SEPARATOR, nullptr, 0, 0, nullptr},
    {MENU_ITEM, "E&xit", 40002, 0, nullptr},
    {MENU_END_POPUP, nullptr, 0, 0, nullptr},
    {MENU_POPUP, "&Game", 0, 0, nullptr},
    {MENU_ITEM, "Six Man Morris", 40004, 1, nullptr},
    {MENU_END_POPUP, nullptr, 0, 0, nullptr},
};

WindowHandle menu_window()
{
    start_qt();
    const WindowTemplate layout = {"Six Men Morris", 600, 380, nullptr, MENU, std::size(MENU)};
    return create_main_window(&layout);
}

} // namespace

TEST(MainWindow, FixedSizeAtTheTopLeftWithTheClientSizeAsked)
{
    WindowHandle window = menu_window();
    show_window(window);
    QMainWindow* frame = qt_main_window(window);
    EXPECT_EQ(frame->windowTitle(), "Six Men Morris");
    EXPECT_EQ(qt_canvas(window)->size(), QSize(600, 380));
    EXPECT_EQ(frame->minimumSize(), frame->maximumSize());
    EXPECT_FALSE(frame->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(frame->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(frame->pos(), QGuiApplication::primaryScreen()->availableGeometry().topLeft());
    EXPECT_EQ(qt_canvas(window)->mapTo(frame, QPoint(0, 0)).y(), frame->menuBar()->height());

    set_window_title(window, "Five Men Morris");
    EXPECT_EQ(frame->windowTitle(), "Five Men Morris");
}

TEST(MainWindow, MenuBarFromTheTable)
{
    WindowHandle window = menu_window();
    const QList<QAction*> bar = qt_main_window(window)->menuBar()->actions();
    ASSERT_EQ(bar.size(), 2);
    EXPECT_EQ(bar[0]->text(), "&File");
    EXPECT_EQ(bar[1]->text(), "&Game");
    const QList<QAction*> file = bar[0]->menu()->actions();
    ASSERT_EQ(file.size(), 3);
    EXPECT_EQ(file[0], qt_menu_action(window, 40001));
    EXPECT_EQ(file[0]->text(), "&New Game");
    EXPECT_EQ(file[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_TRUE(file[1]->isSeparator());
    EXPECT_EQ(file[2]->text(), "E&xit");
    EXPECT_EQ(bar[1]->menu()->actions().value(0), qt_menu_action(window, 40004));
    EXPECT_EQ(qt_menu_action(window, 12345), nullptr);
}

TEST(MainWindow, CheckMarksMoveOnlyWhenTheGameMovesThem)
{
    WindowHandle window = menu_window();
    QAction* new_game = qt_menu_action(window, 40001);
    QAction* six = qt_menu_action(window, 40004);
    EXPECT_EQ(menu_item_checked(window, 40004), 1);
    EXPECT_EQ(menu_item_checked(window, 40001), 0);
    EXPECT_FALSE(new_game->isCheckable()) << "no empty box on unmarked items";

    qt_forget_messages();
    six->trigger();
    new_game->trigger();
    EXPECT_EQ(menu_item_checked(window, 40004), 1);
    EXPECT_EQ(menu_item_checked(window, 40001), 0);
    const std::vector<Message> queued = qt_queued_messages();
    ASSERT_EQ(queued.size(), 2u);
    EXPECT_EQ(queued[0].kind, MESSAGE_COMMAND);
    EXPECT_EQ(queued[0].value, 40004u);
    EXPECT_EQ(queued[1].value, 40001u);
    qt_forget_messages();

    check_menu_item(window, 40001, 1);
    check_menu_item(window, 40004, 0);
    check_menu_item(window, 777, 1); // no such item: nothing happens
    EXPECT_EQ(menu_item_checked(window, 40001), 1);
    EXPECT_TRUE(new_game->isChecked());
    EXPECT_EQ(menu_item_checked(window, 40004), 0);
    EXPECT_EQ(menu_item_checked(window, 777), 0);
}

TEST(Cursors, MenPicturesStayOverTheCanvas)
{
    WindowHandle window = menu_window();
    QWidget* canvas = qt_canvas(window);

    set_cursor(window, load_cursor(CURSOR_CARRY));
    QCursor cursor = canvas->cursor();
    EXPECT_EQ(cursor.hotSpot(), QPoint(16, 15));
    QImage picture = cursor.pixmap().toImage();
    const qreal ratio = picture.devicePixelRatio();
    EXPECT_EQ(picture.size() / ratio, QSize(32, 32));
    EXPECT_EQ(picture.pixel(QPoint(16, 16) * ratio), WHITE);
    EXPECT_EQ(picture.pixel(QPoint(16, 1) * ratio), BLACK); // the rim
    EXPECT_EQ(qAlpha(picture.pixel(QPoint(1, 1) * ratio)), 0);

    set_cursor(window, load_cursor(CURSOR_REMOVE));
    picture = canvas->cursor().pixmap().toImage();
    EXPECT_EQ(picture.pixel(QPoint(16, 4) * ratio), BLACK);
    EXPECT_EQ(picture.pixel(QPoint(15, 15) * ratio), WHITE); // where the strokes cross
    EXPECT_EQ(qAlpha(picture.pixel(QPoint(1, 1) * ratio)), 0);

    set_cursor(window, load_cursor(CURSOR_ARROW));
    EXPECT_EQ(canvas->cursor().shape(), Qt::ArrowCursor);
}

TEST(Help, ContentsFromTheHeadingsAndOneWindow)
{
    WindowHandle window = menu_window();
    open_help(window);
    QWidget* help = qt_help_window(window);
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), "Test Help");
    auto* contents = help->findChild<QListWidget*>("contents");
    auto* page = help->findChild<QTextBrowser*>("page");
    ASSERT_NE(contents, nullptr);
    ASSERT_NE(page, nullptr);
    QStringList entries;
    for (int i = 0; i < contents->count(); ++i)
        entries << contents->item(i)->text();
    EXPECT_EQ(entries, QStringList({"Playing", "  Moving a man", "Levels"}));

    page->resize(300, 40); // small enough to scroll
    emit contents->itemClicked(contents->item(2));
    EXPECT_GT(page->verticalScrollBar()->value(), 0);
    open_help(window);
    EXPECT_EQ(qt_help_window(window), help);
    EXPECT_EQ(page->verticalScrollBar()->value(), 0) << "back at the contents";
}

TEST(Help, MissingDocumentStillOpensAWindow)
{
    Q_CLEANUP_RESOURCE(test_help);
    WindowHandle window = menu_window();
    open_help(window);
    QWidget* help = qt_help_window(window);
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->findChild<QListWidget*>("contents")->count(), 0);
    EXPECT_TRUE(help->findChild<QTextBrowser*>("page")->toPlainText().contains("missing"));
    Q_INIT_RESOURCE(test_help);
}
