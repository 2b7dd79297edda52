#include "app/about.h"

#include "app/version.h"

namespace {

const DialogControl CONTROLS[] = {
    {CONTROL_DEFAULT_BUTTON, DIALOG_OK, 145, 79, 40, 14, "&OK"},
    {CONTROL_TEXT, 104, 22, 11, 128, 8, "Brackwell"},
    {CONTROL_TEXT, 105, 22, 39, 160, 8, "The Brackwell developers"},
    {CONTROL_TEXT, 106, 22, 49, 160, 8, "Free software for the Linux desktop"},
    {CONTROL_TEXT, 107, 22, 59, 160, 8, "Copyright (C) " BRACKWELL_YEAR " The Brackwell developers"},
    {CONTROL_TEXT, -1, 22, 22, 128, 8, "Version " BRACKWELL_VERSION},
};

} // namespace

const DialogTemplate ABOUT_BOX = {
    "About Brackwell", 198, 99, CONTROLS, static_cast<int32_t>(sizeof CONTROLS / sizeof CONTROLS[0]),
};

int32_t about_dialog_proc(DialogHandle dialog, const Message* message)
{
    if (message->kind == MESSAGE_INIT_DIALOG)
        return 1;
    // The close box and Escape close the box as OK and Enter do.
    if (message->kind == MESSAGE_COMMAND &&
        (message->value == DIALOG_OK || message->value == DIALOG_CANCEL)) {
        end_dialog(dialog, 1);
        return 1;
    }
    return 0;
}
