#include "tests/game/harness.h"
#include "tests/game/quick_game.h"

#include <cstdio>

#include "app/main_window.h"
#include "display/grid.h"
#include "display/status.h"
#include "engine/clock.h"
#include "engine/search.h"
#include "game/game_loop.h"
#include "game/move_input.h"
#include "rules/movegen.h"
#include "tests/support/fixtures.h"

namespace {

int32_t code_for(int32_t side)
{
    return side == HUMAN ? CELL_HUMAN : side == COMPUTER ? CELL_COMPUTER : CELL_POINT;
}

} // namespace

void GameHarness::SetUp()
{
    script_reset();
    start_quick_game();
    ::testing::internal::CaptureStdout(); // the search's depth lines
    window = create_main_window(&MAIN_WINDOW);
    load_cursors();
    show_window(window);
    // Whenever no move is half entered, the picture must show the Board.
    script().on_fetch = [this](const Message&) {
        if (game.input_state != SELECT)
            return;
        for (int32_t p = 0; p < POINT_COUNT; ++p) {
            if (cell_of(p) != code_for(game.board.point[p])) {
                ++invariant_failures;
                ADD_FAILURE() << "point " << p << " shows " << cell_of(p) << " with " << game.board.point[p];
                return;
            }
        }
    };
}

void GameHarness::TearDown()
{
    EXPECT_EQ(invariant_failures, 0);
    search_output = ::testing::internal::GetCapturedStdout();
    if (HasFailure()) // failures were printed while standard output was captured
        std::fputs(search_output.c_str(), stderr);
    end_quick_game();
    script_reset();
}

int32_t point_x(int32_t point)
{
    return BOARD_LEFT + CELL_SIZE * POINT_TO_CELL[point][0] + CELL_SIZE / 2;
}

int32_t point_y(int32_t point)
{
    return BOARD_TOP + CELL_SIZE * POINT_TO_CELL[point][1] + CELL_SIZE / 2;
}

void GameHarness::set_position(const char* board, int32_t men_to_place, int32_t side_to_move)
{
    init_display();
    game.board = board_from(board);
    game.men_to_place = men_to_place;
    game.side_to_move = side_to_move;
    game.game_active = 1;
    game.input_state = SELECT;
    for (int32_t p = 0; p < POINT_COUNT; ++p)
        show(p, code_for(game.board.point[p]));
}

void GameHarness::show(int32_t point, int32_t code)
{
    cell_grid[POINT_TO_CELL[point][0]][POINT_TO_CELL[point][1]] = code;
}

void GameHarness::click(int32_t point)
{
    script_click(window, point_x(point), point_y(point));
}

void GameHarness::click_pixel(int32_t x, int32_t y)
{
    script_click(window, x, y);
}

void GameHarness::command(int32_t id)
{
    script_command(window, id);
}

int32_t GameHarness::run()
{
    return game_loop(window);
}

void GameHarness::step_all()
{
    Message message;
    while (get_message(&message)) {
        dispatch_message(&message);
        game_step(window);
    }
}

int32_t GameHarness::cell_of(int32_t point)
{
    return cell_grid[POINT_TO_CELL[point][0]][POINT_TO_CELL[point][1]];
}

std::string GameHarness::shown_board()
{
    std::string text;
    for (int32_t p = 0; p < POINT_COUNT; ++p) {
        const int32_t code = cell_of(p);
        text += code == CELL_HUMAN ? 'W' : code == CELL_COMPUTER ? 'B' : '.';
    }
    return text;
}

std::vector<std::string> GameHarness::box_texts() const
{
    std::vector<std::string> texts;
    for (const ScriptedBox& b : script().boxes)
        texts.push_back(b.text);
    return texts;
}

void post_move_clicks(WindowHandle window, const Move& move)
{
    script_click(window, point_x(move.from), point_y(move.from));
    if (move.to != NO_POINT)
        script_click(window, point_x(move.to), point_y(move.to));
    if (move.remove != NO_POINT)
        script_click(window, point_x(move.remove), point_y(move.remove));
}
