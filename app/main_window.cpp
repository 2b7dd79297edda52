#include "app/main_window.h"

#include "app/about.h"
#include "display/grid.h"
#include "display/paint.h"
#include "engine/search.h"
#include "game/menu_ids.h"

namespace {

struct Level {
    int32_t id;
    int32_t seconds;
};

const Level LEVELS[] = {
    {IDM_LEVEL_1, 5},  {IDM_LEVEL_2, 10},  {IDM_LEVEL_3, 15},  {IDM_LEVEL_4, 30},
    {IDM_LEVEL_5, 60}, {IDM_LEVEL_6, 180}, {IDM_LEVEL_7, 600},
};

// Checks one item of a pair, clears the other and tells the user when it counts.
void choose_setting(WindowHandle window, int32_t chosen, int32_t other)
{
    check_menu_item(window, chosen, 1);
    check_menu_item(window, other, 0);
    message_box(window, SETTINGS_NOTICE_TEXT, SETTINGS_NOTICE_CAPTION);
}

void run_command(WindowHandle window, int32_t id)
{
    switch (id) {
    case IDM_NEW_GAME: check_menu_item(window, IDM_NEW_GAME, 1); return; // the game loop starts it
    case IDM_FIVE_MEN: choose_setting(window, IDM_FIVE_MEN, IDM_SIX_MEN); return;
    case IDM_SIX_MEN: choose_setting(window, IDM_SIX_MEN, IDM_FIVE_MEN); return;
    case IDM_HUMAN_FIRST: choose_setting(window, IDM_HUMAN_FIRST, IDM_COMPUTER_FIRST); return;
    case IDM_COMPUTER_FIRST: choose_setting(window, IDM_COMPUTER_FIRST, IDM_HUMAN_FIRST); return;
    case IDM_HELP: open_help(window); return;
    case IDM_ABOUT: dialog_box(window, &ABOUT_BOX, about_dialog_proc); return;
    case IDM_EXIT: { // the same road as the close box
        const Message close = {window, MESSAGE_CLOSE, 0, 0};
        default_window_procedure(window, &close);
        return;
    }
    default: break;
    }
    for (const Level& level : LEVELS) {
        if (level.id == id) {
            uncheck_levels(window);
            check_menu_item(window, id, 1);
            time_limit_seconds = level.seconds;
        }
    }
}

} // namespace

void uncheck_levels(WindowHandle window)
{
    for (const Level& level : LEVELS)
        check_menu_item(window, level.id, 0);
}

int32_t main_window_proc(WindowHandle window, const Message* message)
{
    switch (message->kind) {
    case MESSAGE_DESTROY:
        post_quit_message(0);
        return 0;
    case MESSAGE_PAINT: {
        DeviceContext dc = begin_paint(window);
        paint_board(dc);
        end_paint(window, dc);
        return 0;
    }
    case MESSAGE_LEFT_BUTTON_DOWN:
        record_click(position_x(message->position), position_y(message->position));
        return 0;
    case MESSAGE_COMMAND:
        run_command(window, static_cast<int32_t>(message->value));
        return 0;
    default:
        return default_window_procedure(window, message);
    }
}
