// The About box.
#pragma once

#include "platform/platform.h"

extern const DialogTemplate ABOUT_BOX;

int32_t about_dialog_proc(DialogHandle dialog, const Message* message);
