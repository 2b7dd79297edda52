// Modal message boxes. While one is open the game loop is blocked inside it, and
// Qt keeps input away from the main window.
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "platform/qt/qt_backend.h"
#include "platform/qt/window.h"

namespace {

BoxAnswer box_answer;

} // namespace

void message_box(WindowHandle window, const char* text, const char* caption)
{
    QWidget* owner = window != nullptr ? window->frame : nullptr;
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(caption), QString::fromUtf8(text),
                    QMessageBox::Ok, owner);
    if (box_answer) {
        // Answered from inside the box's own loop, so the real modal path runs.
        QTimer::singleShot(0, &box, [&box, text, caption] {
            box_answer(text, caption);
            box.button(QMessageBox::Ok)->click();
        });
    }
    box.exec();
}

void qt_answer_message_boxes(BoxAnswer answer)
{
    box_answer = std::move(answer);
}
