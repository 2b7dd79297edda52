#include <gtest/gtest.h>

#include "display/grid.h"
#include "game/move_input.h"
#include "tests/game/harness.h"
#include "tests/support/fixtures.h"
#include "tools/notation.h"

namespace {

// Placing: white on 0 and 1, so a man on 2 closes a mill; black on 4 and 6.
const char* const PLACING = "WW..B.B.........";
// Moving: white 9 -> 2 closes the bottom mill again; 9 -> 8 and 9 -> 15 are plain.
const char* const MOVING = "WW..B.B..W...B..";

struct Row {
    const char* name;
    const char* board;
    int32_t men_to_place;
    InputState state;
    int32_t selected;
    int32_t pending;
    int32_t clicked; // a point, or NO_POINT for the blank centre cell
    const char* board_after;
    int32_t men_to_place_after;
    int32_t side_after;
    const char* shown_after;
    int32_t cursor_after;
    InputState state_after;
};

class MoveInput : public GameHarness {
protected:
    // Puts the game where row starts, the picture and cursor as the entry left them.
    void enter(const Row& row)
    {
        set_position(row.board, row.men_to_place);
        game.input_state = row.state;
        game.selected_point = row.selected;
        game.pending_destination = row.pending;
        CursorHandle cursor = arrow_cursor;
        if (row.state == DESTINATION) {
            show(row.selected, CELL_POINT);
            cursor = carry_cursor;
        } else if (row.state == REMOVE) {
            show(row.selected, row.pending == NO_POINT ? CELL_HUMAN : CELL_POINT);
            if (row.pending != NO_POINT)
                show(row.pending, CELL_HUMAN);
            cursor = remove_cursor;
        }
        set_cursor(window, cursor);
        if (row.clicked == NO_POINT) {
            click_col = 4;
            click_row = 4;
        } else {
            click_col = POINT_TO_CELL[row.clicked][0];
            click_row = POINT_TO_CELL[row.clicked][1];
        }
        script_take_drawing(window);
    }

};

} // namespace

TEST_F(MoveInput, EveryRowOfTheStateTable)
{
    const Row rows[] = {
        {"1 lift a man", MOVING, 0, SELECT, NO_POINT, NO_POINT, 9,
         MOVING, 0, HUMAN, "WW..B.B......B..", CURSOR_CARRY, DESTINATION},
        {"2 placement closes a mill", PLACING, 6, SELECT, NO_POINT, NO_POINT, 2,
         PLACING, 6, HUMAN, "WWW.B.B.........", CURSOR_REMOVE, REMOVE},
        {"3 plain placement", PLACING, 6, SELECT, NO_POINT, NO_POINT, 3,
         "WW.WB.B.........", 5, COMPUTER, "WW.WB.B.........", CURSOR_ARROW, SELECT},
        {"4 occupied point while placing", PLACING, 6, SELECT, NO_POINT, NO_POINT, 4,
         PLACING, 6, HUMAN, PLACING, CURSOR_ARROW, SELECT},
        {"4 blank cell while placing", PLACING, 6, SELECT, NO_POINT, NO_POINT, NO_POINT,
         PLACING, 6, HUMAN, PLACING, CURSOR_ARROW, SELECT},
        {"4 empty point while moving", MOVING, 0, SELECT, NO_POINT, NO_POINT, 3,
         MOVING, 0, HUMAN, MOVING, CURSOR_ARROW, SELECT},
        {"4 black man while moving", MOVING, 0, SELECT, NO_POINT, NO_POINT, 13,
         MOVING, 0, HUMAN, MOVING, CURSOR_ARROW, SELECT},
        {"5 movement closes a mill", MOVING, 0, DESTINATION, 9, NO_POINT, 2,
         MOVING, 0, HUMAN, "WWW.B.B......B..", CURSOR_REMOVE, REMOVE},
        {"6 plain movement", MOVING, 0, DESTINATION, 9, NO_POINT, 8,
         "WW..B.B.W....B..", 0, COMPUTER, "WW..B.B.W....B..", CURSOR_ARROW, SELECT},
        {"7 cancel on another white man", MOVING, 0, DESTINATION, 9, NO_POINT, 0,
         MOVING, 0, HUMAN, MOVING, CURSOR_ARROW, SELECT},
        {"7 cancel on the man's own point", MOVING, 0, DESTINATION, 9, NO_POINT, 9,
         MOVING, 0, HUMAN, MOVING, CURSOR_ARROW, SELECT},
        {"7 cancel off the points", MOVING, 0, DESTINATION, 9, NO_POINT, NO_POINT,
         MOVING, 0, HUMAN, MOVING, CURSOR_ARROW, SELECT},
        {"8 placement takes a man", PLACING, 6, REMOVE, 2, NO_POINT, 4,
         "WWW...B.........", 5, COMPUTER, "WWW...B.........", CURSOR_ARROW, SELECT},
        {"9 movement takes a man", MOVING, 0, REMOVE, 9, 2, 13,
         "WWW.B.B.........", 0, COMPUTER, "WWW.B.B.........", CURSOR_ARROW, SELECT},
        {"10 cancel a placement's removal", PLACING, 6, REMOVE, 2, NO_POINT, 3,
         PLACING, 6, HUMAN, PLACING, CURSOR_ARROW, SELECT},
        {"10 a white man is no removal", PLACING, 6, REMOVE, 2, NO_POINT, 0,
         PLACING, 6, HUMAN, PLACING, CURSOR_ARROW, SELECT},
        {"11 cancel a movement's removal", MOVING, 0, REMOVE, 9, 2, 0,
         MOVING, 0, HUMAN, MOVING, CURSOR_ARROW, SELECT},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        enter(row);
        handle_click(&game, window);
        EXPECT_EQ(format_board(&game.board), row.board_after);
        EXPECT_EQ(game.men_to_place, row.men_to_place_after);
        EXPECT_EQ(game.side_to_move, row.side_after);
        EXPECT_EQ(shown_board(), row.shown_after);
        EXPECT_EQ(window->cursor_shape, row.cursor_after);
        EXPECT_EQ(game.input_state, row.state_after);
        if (row.state_after == DESTINATION || row.state_after == REMOVE) {
            EXPECT_EQ(game.selected_point, row.state == SELECT ? row.clicked : row.selected);
        }
        if (row.state_after == REMOVE) {
            EXPECT_EQ(game.pending_destination, row.state == SELECT ? NO_POINT : row.clicked);
        }
        EXPECT_EQ(click_col, -1);
        EXPECT_EQ(click_row, -1);
        EXPECT_FALSE(script_take_drawing(window).empty()) << "repainted";
    }
}

TEST_F(MoveInput, LiftingIsPossibleOnlyForAManWithAnEmptyNeighbour)
{
    // White 0 is boxed in by 1 and 6; white 1 can go to 2 or 4.
    const Row blocked = {"blocked", "WW....B.........", 0, SELECT, NO_POINT, NO_POINT, 0,
                         nullptr, 0, 0, nullptr, 0, SELECT};
    enter(blocked);
    handle_click(&game, window);
    EXPECT_EQ(game.input_state, SELECT);
    EXPECT_EQ(shown_board(), "WW....B.........");
}
