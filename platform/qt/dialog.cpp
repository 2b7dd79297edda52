// Modal dialog boxes built from a DialogTemplate. Every command goes to the dialog's
// procedure, and only end_dialog closes the box: Escape and the close box send
// DIALOG_CANCEL and leave the decision to the procedure.
#include <QDialog>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "platform/qt/qt_backend.h"
#include "platform/qt/window.h"

struct PlatformDialog {
    QDialog* box;
    DialogProcedure procedure;
    bool ended;
    int32_t result;
};

namespace {

DialogShown dialog_shown;

void send_command(PlatformDialog* dialog, uint32_t id)
{
    const Message command = {nullptr, MESSAGE_COMMAND, id, 0};
    dialog->procedure(dialog, &command);
}

class DialogBox : public QDialog {
public:
    DialogBox(PlatformDialog* dialog, QWidget* owner) : QDialog(owner), dialog_(dialog) {}

    void reject() override { send_command(dialog_, DIALOG_CANCEL); }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        // With a default button Qt clicks it; without one Enter still means OK.
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && findChild<QPushButton*>() == nullptr)
            send_command(dialog_, DIALOG_OK);
        else
            QDialog::keyPressEvent(event);
    }

private:
    PlatformDialog* dialog_;
};

// Dialog units: a quarter of the average character width, an eighth of the height.
struct DialogUnits {
    int32_t char_width;
    int32_t char_height;

    int32_t across(int32_t units) const { return (units * char_width + 2) / 4; }
    int32_t down(int32_t units) const { return (units * char_height + 4) / 8; }
};

DialogUnits units_of(const QFont& font)
{
    const QFontMetrics metrics(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return {(metrics.horizontalAdvance(letters) / 26 + 1) / 2, metrics.height()};
}

} // namespace

int32_t dialog_box(WindowHandle owner, const DialogTemplate* layout, DialogProcedure procedure)
{
    PlatformDialog dialog = {nullptr, procedure, false, 0};
    DialogBox box(&dialog, owner != nullptr ? owner->frame : nullptr);
    dialog.box = &box;
    box.setWindowTitle(QString::fromUtf8(layout->caption));
    const DialogUnits units = units_of(box.font());
    box.setFixedSize(units.across(layout->width), units.down(layout->height));

    for (int32_t i = 0; i < layout->control_count; ++i) {
        const DialogControl& control = layout->controls[i];
        const QString text = QString::fromUtf8(control.text);
        const QRect place(units.across(control.x), units.down(control.y), units.across(control.width),
                          units.down(control.height));
        if (control.kind == CONTROL_DEFAULT_BUTTON) {
            auto* button = new QPushButton(text, &box);
            button->setGeometry(place);
            button->setDefault(true);
            const auto id = static_cast<uint32_t>(control.id);
            QObject::connect(button, &QPushButton::clicked, &box, [&dialog, id] { send_command(&dialog, id); });
        } else {
            auto* label = new QLabel(text, &box);
            label->setGeometry(place);
        }
    }

    const Message init = {nullptr, MESSAGE_INIT_DIALOG, 0, 0};
    procedure(&dialog, &init);
    if (dialog.ended)
        return dialog.result;
    if (dialog_shown)
        QTimer::singleShot(0, &box, [&box] { dialog_shown(&box); });
    box.exec();
    return dialog.result;
}

void end_dialog(DialogHandle dialog, int32_t result)
{
    dialog->ended = true;
    dialog->result = result;
    if (dialog->box->isVisible())
        dialog->box->done(result);
}

void qt_on_dialog_shown(DialogShown shown)
{
    dialog_shown = std::move(shown);
}
