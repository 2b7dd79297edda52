#include "game/game.h"

#include "display/paint.h"
#include "platform/platform.h"

Game game = {EMPTY_BOARD, HUMAN, SIX_MEN_TO_PLACE, 1, {}, SELECT, NO_POINT, NO_POINT};

int32_t shown_turn = 0;

CursorHandle arrow_cursor = nullptr;
CursorHandle carry_cursor = nullptr;
CursorHandle remove_cursor = nullptr;

void load_cursors()
{
    carry_cursor = load_cursor(CURSOR_CARRY);
    remove_cursor = load_cursor(CURSOR_REMOVE);
    arrow_cursor = load_cursor(CURSOR_ARROW);
}

void repaint_now(WindowHandle window)
{
    DeviceContext dc = get_window_dc(window);
    paint_board(dc);
    release_window_dc(window, dc);
}
