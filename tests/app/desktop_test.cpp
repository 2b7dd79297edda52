// The desktop program on the Qt backend, without a display: its menu as Qt shows
// it, commands arriving as Qt actions, the About box, help and the picture.
#include <gtest/gtest.h>

#include <cstdio>

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>
#include <QTextBrowser>

#include "app/main_window.h"
#include "display/grid.h"
#include "display/status.h"
#include "engine/clock.h"
#include "engine/search.h"
#include "game/game.h"
#include "game/game_loop.h"
#include "game/menu_ids.h"
#include "platform/qt/qt_backend.h"
#include "tests/game/quick_game.h"
#include "tools/notation.h"

namespace {

class Desktop : public ::testing::Test {
protected:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "brackwell-test";
        static char* argv[] = {name, nullptr};
        platform_start(&argc, argv);
        start_quick_game();
        window = create_main_window(&MAIN_WINDOW);
        load_cursors();
        show_window(window);
        qt_answer_message_boxes([this](const std::string& text, const std::string& caption) {
            boxes.push_back(text + " | " + caption);
        });
        ::testing::internal::CaptureStdout();
    }

    void TearDown() override
    {
        const std::string printed = ::testing::internal::GetCapturedStdout();
        if (HasFailure()) // failures were printed while standard output was captured
            std::fputs(printed.c_str(), stderr);
        qt_answer_message_boxes(nullptr);
        qt_on_dialog_shown(nullptr);
        if (QMainWindow* frame = qt_main_window(window))
            frame->close();
        qt_forget_messages();
        end_quick_game();
    }

    // What the loop does with whatever Qt has queued so far.
    void pump()
    {
        QCoreApplication::processEvents();
        while (!qt_queued_messages().empty()) {
            Message m;
            get_message(&m);
            dispatch_message(&m);
            game_step(window);
        }
    }

    void choose(int32_t id)
    {
        QAction* action = qt_menu_action(window, id);
        ASSERT_NE(action, nullptr) << id;
        action->trigger();
        pump();
    }

    void press_point(int32_t point)
    {
        const QPoint at(BOARD_LEFT + CELL_SIZE * POINT_TO_CELL[point][0] + CELL_SIZE / 2,
                        BOARD_TOP + CELL_SIZE * POINT_TO_CELL[point][1] + CELL_SIZE / 2);
        QTest::mouseClick(qt_canvas(window), Qt::LeftButton, Qt::NoModifier, at);
        pump();
    }

    WindowHandle window = nullptr;
    std::vector<std::string> boxes;
};

} // namespace

TEST_F(Desktop, MenuBarAsTheUserSeesIt)
{
    QMenuBar* bar = qt_main_window(window)->menuBar();
    QStringList titles;
    for (QAction* a : bar->actions())
        titles << a->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Game", "&Help"}));

    struct Item {
        int32_t id;
        const char* text;
        bool checked;
        const char* shortcut;
    };
    const Item items[] = {
        {IDM_NEW_GAME, "&New Game", false, "Ctrl+N"},
        {IDM_EXIT, "E&xit", false, "Ctrl+Q"},
        {IDM_FIVE_MEN, "Five Men Morris", false, ""},
        {IDM_SIX_MEN, "Six Man Morris", true, ""},
        {IDM_HUMAN_FIRST, "Human First", true, ""},
        {IDM_COMPUTER_FIRST, "Computer First", false, ""},
        {IDM_LEVEL_1, "Level 1 (5 sec)", false, ""},
        {IDM_LEVEL_2, "Level 2 (10 sec)", true, ""},
        {IDM_LEVEL_7, "Level 7 (10 min)", false, ""},
        {IDM_HELP, "&Help", false, "F1"},
        {IDM_ABOUT, "&About", false, ""},
    };
    for (const Item& item : items) {
        SCOPED_TRACE(item.text);
        QAction* action = qt_menu_action(window, item.id);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text().toStdString(), item.text);
        EXPECT_EQ(action->isChecked(), item.checked);
        EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(item.shortcut)));
    }
    EXPECT_EQ(qt_main_window(window)->windowTitle(), "Six Men Morris");
}

TEST_F(Desktop, ClientAreaHoldsThePictureAndTheWindowKeepsItsSize)
{
    QMainWindow* frame = qt_main_window(window);
    EXPECT_GE(qt_canvas(window)->width(), 600);
    EXPECT_GE(qt_canvas(window)->height(), 380);
    EXPECT_EQ(frame->minimumSize(), frame->maximumSize());
    EXPECT_FALSE(frame->windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(Desktop, SettingsFromTheMenuReachTheNextGame)
{
    choose(IDM_FIVE_MEN);
    choose(IDM_COMPUTER_FIRST);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0], "This change will take effect only when new game is started. | Game Information Message");
    EXPECT_TRUE(qt_menu_action(window, IDM_FIVE_MEN)->isChecked());
    EXPECT_FALSE(qt_menu_action(window, IDM_SIX_MEN)->isChecked());
    EXPECT_EQ(game.men_to_place, SIX_MEN_TO_PLACE) << "the game in progress is untouched";

    choose(IDM_NEW_GAME);
    EXPECT_EQ(qt_main_window(window)->windowTitle(), "Five Men Morris");
    EXPECT_EQ(count_men(&game.board, COMPUTER), 1) << "the computer placed first";
    EXPECT_EQ(game.men_to_place, 9);
    EXPECT_FALSE(qt_menu_action(window, IDM_NEW_GAME)->isChecked());
}

TEST_F(Desktop, LevelsSetTheThinkingTimeAtOnce)
{
    choose(IDM_LEVEL_7);
    EXPECT_EQ(time_limit_seconds, 600);
    EXPECT_TRUE(boxes.empty());
    int32_t checked = 0;
    for (int32_t id = IDM_LEVEL_1; id <= IDM_LEVEL_7; ++id)
        checked += qt_menu_action(window, id)->isChecked();
    EXPECT_EQ(checked, 1);
    EXPECT_TRUE(qt_menu_action(window, IDM_LEVEL_7)->isChecked());
}

TEST_F(Desktop, AboutBoxOpensAndEscapeClosesIt)
{
    QString caption;
    QStringList texts;
    qt_on_dialog_shown([&](QDialog* box) {
        caption = box->windowTitle();
        for (QWidget* child : box->findChildren<QWidget*>()) {
            const QVariant text = child->property("text");
            if (text.isValid())
                texts << text.toString();
        }
        QTest::keyClick(box, Qt::Key_Escape);
    });
    choose(IDM_ABOUT);
    EXPECT_EQ(caption, "About Brackwell");
    EXPECT_TRUE(texts.contains("Brackwell"));
    EXPECT_TRUE(texts.contains("The Brackwell developers"));
    EXPECT_TRUE(texts.contains("&OK"));
}

TEST_F(Desktop, HelpOpensTheGamesOwnDocument)
{
    choose(IDM_HELP);
    QWidget* help = qt_help_window(window);
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    auto* page = help->findChild<QTextBrowser*>();
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->toPlainText().contains("Closing a mill")) << page->toPlainText().left(200).toStdString();
    EXPECT_EQ(help->windowTitle(), "Brackwell Help");
    help->close();
}

TEST_F(Desktop, ExitEndsTheLoopWithZero)
{
    qt_menu_action(window, IDM_EXIT)->trigger();
    EXPECT_EQ(game_loop(window), 0);
}

TEST_F(Desktop, PictureOnTheScreenIsTheBoard)
{
    press_point(0);
    const QImage image = qt_canvas_image(window).scaled(qt_canvas(window)->size());
    const QImage shown = qt_canvas(window)->grab().toImage().scaled(qt_canvas(window)->size());
    // Point 0 holds the user's man: white in a gray ring, on the bottom-left cell.
    const int x = BOARD_LEFT + 19;
    const int y = BOARD_TOP + CELL_SIZE * 8 + 19;
    for (const QImage* picture : {&image, &shown}) {
        EXPECT_EQ(picture->pixel(x, y), qRgb(255, 255, 255));
        EXPECT_EQ(picture->pixel(BOARD_LEFT + 2, y), qRgb(128, 128, 128));
        EXPECT_EQ(picture->pixel(372, 200), qRgb(0, 0, 0)) << "separator";
    }
    // A few more moves, and the whole window for the README.
    press_point(10);
    press_point(8);
    EXPECT_TRUE(qt_main_window(window)->grab().save(QString::fromLatin1(SCREENSHOT_DIR "/desktop-game.png")));
}
