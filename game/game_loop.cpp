#include "game/game_loop.h"

#include <cstdlib>

#include "display/grid.h"
#include "display/status.h"
#include "engine/clock.h"
#include "engine/search.h"
#include "game/game.h"
#include "game/menu_ids.h"
#include "game/move_input.h"
#include "platform/platform.h"

namespace {

void show_point(int32_t point, CellCode code)
{
    cell_grid[POINT_TO_CELL[point][0]][POINT_TO_CELL[point][1]] = code;
}

// Painted about once a second while the computer thinks. The loop cannot fetch
// messages then, so this is also where a request to close the window is noticed:
// the search is cut short and the close message ends the program next.
void refresh_while_thinking(WindowHandle window)
{
    repaint_now(window);
    update_window_now(window, &panel_rect);
    if (close_requested(window))
        timed_out = 1;
}

void new_game(WindowHandle window)
{
    game.board = EMPTY_BOARD;
    if (menu_item_checked(window, IDM_FIVE_MEN)) {
        set_window_title(window, FIVE_MEN_TITLE);
        game.men_to_place = FIVE_MEN_TO_PLACE;
    } else {
        set_window_title(window, SIX_MEN_TITLE);
        game.men_to_place = SIX_MEN_TO_PLACE;
    }
    game.side_to_move = menu_item_checked(window, IDM_HUMAN_FIRST) ? HUMAN : COMPUTER;
    init_display();
    // A move half entered in the abandoned game must not reach the new one.
    reset_move_input(&game, window);
    game.game_active = 1;
    repaint_now(window);
    update_window_now(window, nullptr);
    check_menu_item(window, IDM_NEW_GAME, 0);
}

int32_t lost(int32_t side)
{
    return has_lost(&game.board, side, game.men_to_place, &game.list);
}

void game_over(WindowHandle window, const char* text)
{
    message_box(window, text, GAME_OVER_CAPTION);
    game.game_active = 0;
}

// Returns 0 when the game has just ended.
int32_t human_turn(WindowHandle window)
{
    if (shown_turn != HUMAN) {
        status_text = HUMAN_TURN_TEXT;
        shown_turn = HUMAN;
        repaint_now(window);
        update_window_now(window, nullptr);
    }
    if (lost(HUMAN)) {
        game_over(window, COMPUTER_WON_TEXT);
        return 0;
    }
    if (click_col != -1 && click_row != -1)
        handle_click(&game, window);
    return 1;
}

void play_computer_move(const Move* m)
{
    play_move(&game.board, m, COMPUTER, &game.men_to_place);
    if (m->to != NO_POINT)
        show_point(m->from, CELL_POINT);
    show_point(m->to != NO_POINT ? m->to : m->from, CELL_COMPUTER);
    if (m->remove != NO_POINT)
        show_point(m->remove, CELL_POINT);
}

void computer_turn(WindowHandle window)
{
    if (shown_turn != COMPUTER) {
        status_text = COMPUTER_TURN_TEXT;
        shown_turn = COMPUTER;
        repaint_now(window);
        update_window_now(window, &panel_rect);
    }
    if (lost(COMPUTER)) {
        game_over(window, HUMAN_WON_TEXT);
        return;
    }
    prepare_search();
    search(&game.board, NO_POINT, NO_POINT, NO_POINT, HUMAN, BEYOND_SCORE, 0, game.men_to_place, window);
    const Move m = move_to_play(&game.board, game.men_to_place);
    play_computer_move(&m);
    repaint_now(window);
    game.side_to_move = HUMAN;
}

} // namespace

void game_step(WindowHandle window)
{
    if (menu_item_checked(window, IDM_NEW_GAME))
        new_game(window);
    if (game.game_active != 1)
        return;
    if (game.side_to_move == HUMAN && !human_turn(window))
        return;
    if (game.side_to_move == COMPUTER)
        computer_turn(window);
}

int32_t game_loop(WindowHandle window)
{
    game.board = EMPTY_BOARD;
    game.side_to_move = HUMAN;
    game.men_to_place = SIX_MEN_TO_PLACE;
    game.game_active = 1;
    game.input_state = SELECT;
    std::srand(static_cast<unsigned>(clock_seconds()));
    init_display();
    progress_painter = refresh_while_thinking;

    Message message;
    while (get_message(&message)) {
        dispatch_message(&message);
        game_step(window);
    }
    return static_cast<int32_t>(message.value);
}
