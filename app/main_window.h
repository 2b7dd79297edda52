// The main window: its menu, its procedure and the commands behind the menu.
#pragma once

#include <cstdint>

#include "platform/platform.h"

inline constexpr const char SETTINGS_NOTICE_TEXT[] =
    "This change will take effect only when new game is started.";
inline constexpr const char SETTINGS_NOTICE_CAPTION[] = "Game Information Message";

// Room for the board, the separator and the side panel under the menu bar.
inline constexpr int32_t CLIENT_WIDTH = 600;
inline constexpr int32_t CLIENT_HEIGHT = 380;

extern const WindowTemplate MAIN_WINDOW;

int32_t main_window_proc(WindowHandle window, const Message* message);

// Clears the check marks of the seven level items and of nothing else.
void uncheck_levels(WindowHandle window);
