#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "platform/qt/qt_backend.h"
#include "tests/platform/qt_support.h"

TEST(MessageBox, AnsweredFromInsideItsModalLoop)
{
    WindowHandle window = bare_window();
    show_window(window);
    std::vector<std::string> seen;
    qt_answer_message_boxes([&seen](const std::string& text, const std::string& caption) {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text().toStdString(), text);
        EXPECT_EQ(box->windowTitle().toStdString(), caption);
        seen.push_back(caption + ": " + text);
    });
    message_box(window, "I Won The Game!", "Game Over");
    qt_answer_message_boxes(nullptr);
    EXPECT_EQ(seen, std::vector<std::string>{"Game Over: I Won The Game!"});
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

namespace {

const DialogControl CONTROLS[] = {
    {CONTROL_DEFAULT_BUTTON, 1, 145, 79, 40, 14, "&OK"},
    {CONTROL_TEXT, 104, 22, 11, 128, 8, "Brackwell"},
};
const DialogTemplate ABOUT = {"About Brackwell", 198, 99, CONTROLS, 2};

std::vector<std::pair<int32_t, uint32_t>> dialog_log;
int32_t end_at_init = 0;

// Closes on the OK button only, like the box the game shows.
int32_t ok_only_procedure(DialogHandle dialog, const Message* message)
{
    dialog_log.emplace_back(message->kind, message->value);
    if (message->kind == MESSAGE_INIT_DIALOG && end_at_init != 0) {
        end_dialog(dialog, end_at_init);
        return 1;
    }
    if (message->kind == MESSAGE_COMMAND && message->value == 1) {
        end_dialog(dialog, 1);
        return 1;
    }
    return 0;
}

} // namespace

TEST(DialogBox, EscapeAndCloseBoxGoToTheProcedure)
{
    WindowHandle window = bare_window();
    show_window(window);
    dialog_log.clear();
    end_at_init = 0;
    bool shown = false;
    qt_on_dialog_shown([&shown](QDialog* box) {
        shown = true;
        EXPECT_EQ(box->windowTitle(), "About Brackwell");
        auto* ok = box->findChild<QPushButton*>();
        ASSERT_NE(ok, nullptr);
        EXPECT_TRUE(ok->isDefault());
        EXPECT_EQ(ok->text(), "&OK");
        EXPECT_EQ(box->findChild<QLabel*>()->text(), "Brackwell");
        EXPECT_LT(ok->geometry().right(), box->width());
        EXPECT_LT(ok->geometry().bottom(), box->height());

        QTest::keyClick(box, Qt::Key_Escape);
        EXPECT_TRUE(box->isVisible()) << "the procedure left Escape alone";
        box->close();
        EXPECT_TRUE(box->isVisible()) << "and the close box";
        QTest::keyClick(box, Qt::Key_Return);
    });
    const int32_t result = dialog_box(window, &ABOUT, ok_only_procedure);
    qt_on_dialog_shown(nullptr);

    EXPECT_TRUE(shown);
    EXPECT_EQ(result, 1);
    using Entry = std::pair<int32_t, uint32_t>;
    const std::vector<Entry> expected = {
        {MESSAGE_INIT_DIALOG, 0},
        {MESSAGE_COMMAND, DIALOG_CANCEL},
        {MESSAGE_COMMAND, DIALOG_CANCEL},
        {MESSAGE_COMMAND, 1},
    };
    EXPECT_EQ(dialog_log, expected);
}

TEST(DialogBox, EndedWhileStartingIsNeverShown)
{
    WindowHandle window = bare_window();
    dialog_log.clear();
    end_at_init = 5;
    bool shown = false;
    qt_on_dialog_shown([&shown](QDialog*) { shown = true; });
    EXPECT_EQ(dialog_box(window, &ABOUT, ok_only_procedure), 5);
    qt_on_dialog_shown(nullptr);
    EXPECT_FALSE(shown);
    end_at_init = 0;
}
