#include <gtest/gtest.h>

#include "app/main_window.h"
#include "display/grid.h"
#include "display/status.h"
#include "engine/clock.h"
#include "engine/search.h"
#include "game/game_loop.h"
#include "game/menu_ids.h"
#include "tests/game/harness.h"
#include "tools/notation.h"

namespace {

int32_t men(int32_t side)
{
    return count_men(&game.board, side);
}

// The status text most recently drawn, as the panel shows it.
std::string drawn_status(const std::vector<DrawCall>& calls)
{
    std::string last;
    for (const DrawCall& c : calls) {
        if (c.kind == DRAW_TEXT && c.b == 10)
            last = c.text;
    }
    return last;
}

// The user's choice by the engine itself, on the board with colours swapped.
Move engine_choice_for_user(int32_t depth)
{
    Board mirrored;
    for (int32_t p = 0; p < POINT_COUNT; ++p)
        mirrored.point[p] = -game.board.point[p];
    const int32_t saved = max_depth;
    max_depth = depth;
    prepare_search();
    search(&mirrored, NO_POINT, NO_POINT, NO_POINT, HUMAN, BEYOND_SCORE, 0, game.men_to_place, nullptr);
    const Move m = move_to_play(&mirrored, game.men_to_place);
    max_depth = saved;
    return m;
}

} // namespace

class GameLoop : public GameHarness {};

TEST_F(GameLoop, FirstMessageSwitchesTheStatusLineAndRepaints)
{
    ASSERT_EQ(shown_turn, 0);
    EXPECT_EQ(run(), static_cast<int32_t>(SCRIPT_EXHAUSTED));
    EXPECT_EQ(shown_turn, HUMAN);
    EXPECT_STREQ(status_text, HUMAN_TURN_TEXT);
    EXPECT_EQ(drawn_status(script_take_drawing(window)), "HUMAN TURN       ");
    ASSERT_EQ(window->updates.size(), 1u);
    EXPECT_TRUE(window->updates[0].whole);
    EXPECT_EQ(window->title, "Six Men Morris");
}

TEST_F(GameLoop, ComputerFirstPlacesInTheStepThatStartsTheGame)
{
    command(IDM_COMPUTER_FIRST);
    command(IDM_FIVE_MEN);
    command(IDM_NEW_GAME);
    int32_t fetched = 0;
    std::string board_after_new_game;
    std::string status_after_new_game;
    auto check_invariant = script().on_fetch;
    script().on_fetch = [&](const Message& m) {
        check_invariant(m);
        if (++fetched == 4) { // the message after the New Game command
            board_after_new_game = format_board(&game.board);
            status_after_new_game = status_text;
        }
    };
    run();
    EXPECT_EQ(box_texts(), std::vector<std::string>(2, SETTINGS_NOTICE_TEXT));
    EXPECT_EQ(window->title, "Five Men Morris");
    EXPECT_EQ(std::count(board_after_new_game.begin(), board_after_new_game.end(), 'B'), 1);
    EXPECT_EQ(status_after_new_game, COMPUTER_TURN_TEXT);
    EXPECT_EQ(game.men_to_place, 9);
    EXPECT_EQ(game.side_to_move, HUMAN);
    EXPECT_EQ(menu_item_checked(window, IDM_NEW_GAME), 0);
}

TEST_F(GameLoop, PlacementThatClosesAMillTakesTheChosenMan)
{
    set_position("WW..B.B.........", 6);
    click(2);
    EXPECT_EQ(game.men_to_place, 6);
    click(4);
    step_all();
    EXPECT_EQ(game.board.point[2], HUMAN);
    EXPECT_EQ(men(HUMAN), 3);
    EXPECT_EQ(men(COMPUTER), 2); // one taken, one placed in reply
    EXPECT_EQ(game.men_to_place, 4);
    EXPECT_EQ(game.side_to_move, HUMAN);
}

TEST_F(GameLoop, MovementThatLeavesTheComputerTwoMenEndsTheGameWithoutASearch)
{
    set_position("WW..B.B..W...B..", 0);
    positions_traversed = 777;
    std::string status_at_box;
    std::string drawn_at_box;
    script().on_box = [&](const ScriptedBox&) {
        status_at_box = status_text;
        drawn_at_box = drawn_status(window->draw_log);
    };
    click(9);
    click(2);
    click(13);
    step_all();
    EXPECT_EQ(format_board(&game.board), "WWW.B.B.........");
    EXPECT_EQ(box_texts(), std::vector<std::string>{"I Lost The Game - Well Done!"});
    EXPECT_EQ(script().boxes[0].caption, "Game Over");
    EXPECT_EQ(status_at_box, COMPUTER_TURN_TEXT);
    EXPECT_EQ(drawn_at_box, "COMPUTER TURN    ");
    EXPECT_EQ(positions_traversed, 777);
    EXPECT_EQ(game.game_active, 0);
}

TEST_F(GameLoop, UserWithoutAMoveIsToldAtTheNextMessage)
{
    set_position("WW....BBB.......", 0); // two white men, all placed
    post_message(window, MESSAGE_MOUSE_MOVE, 0, 0);
    step_all();
    EXPECT_EQ(box_texts(), std::vector<std::string>{"I Won The Game!"});
    EXPECT_STREQ(status_text, HUMAN_TURN_TEXT);
    EXPECT_EQ(game.game_active, 0);
}

TEST_F(GameLoop, ClicksAfterTheGameEndsChangeNothingUntilANewGame)
{
    set_position("WW....BBB.......", 0);
    post_message(window, MESSAGE_MOUSE_MOVE, 0, 0);
    step_all();
    ASSERT_EQ(game.game_active, 0);
    click(0);
    click(2);
    click(3);
    step_all();
    EXPECT_EQ(format_board(&game.board), "WW....BBB.......");
    EXPECT_EQ(box_texts().size(), 1u);
    EXPECT_NE(click_col, -1) << "kept until the next new game";

    command(IDM_NEW_GAME);
    step_all();
    EXPECT_EQ(game.game_active, 1);
    EXPECT_EQ(format_board(&game.board), "................");
    EXPECT_EQ(click_col, -1);
    EXPECT_EQ(game.men_to_place, 12);
}

TEST_F(GameLoop, NewGameInMidMoveStartsClean)
{
    set_position("WW..B.B..W...B..", 0);
    click(9); // lifted: carry cursor, point shown empty
    step_all();
    ASSERT_EQ(game.input_state, DESTINATION);
    ASSERT_EQ(window->cursor_shape, CURSOR_CARRY);
    command(IDM_NEW_GAME);
    step_all();
    EXPECT_EQ(game.input_state, SELECT);
    EXPECT_EQ(window->cursor_shape, CURSOR_ARROW);
    EXPECT_EQ(shown_board(), "................");
    for (int32_t c = 0; c < GRID_SIZE; ++c)
        for (int32_t r = 0; r < GRID_SIZE; ++r)
            EXPECT_EQ(cell_grid[c][r], INITIAL_CELLS[c][r]);
    click(3); // the first click of the new game is an ordinary placement
    step_all();
    EXPECT_EQ(game.board.point[3], HUMAN);
    EXPECT_EQ(men(COMPUTER), 1);
}

TEST_F(GameLoop, ClicksMadeWhileTheComputerThinksActAfterItsMoveInOrder)
{
    click(0);
    click(15);
    click(3);
    std::vector<std::string> seen; // the board as each click is fetched
    auto check_invariant = script().on_fetch;
    script().on_fetch = [&](const Message& m) {
        check_invariant(m);
        if (m.kind == MESSAGE_LEFT_BUTTON_DOWN)
            seen.push_back(format_board(&game.board));
    };
    run();
    ASSERT_EQ(seen.size(), 3u);
    const int32_t clicked[] = {0, 15, 3};
    for (size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(std::count(seen[i].begin(), seen[i].end(), 'B'), static_cast<long>(i))
            << "the computer replied before click " << i << " was handled";
        if (seen[i][clicked[i]] == '.') {
            EXPECT_EQ(game.board.point[clicked[i]], HUMAN) << "click " << i;
        }
    }
    EXPECT_EQ(men(HUMAN) + men(COMPUTER), 12 - game.men_to_place);
}

TEST_F(GameLoop, AFirstIterationCutShortStillPlaysALegalMove)
{
    // Every reading is 100 s later: the first finished node exceeds any limit.
    static int64_t now = 0;
    now = 0;
    clock_source = [] { return now += 100; };
    time_limit_on = 1;
    click(0);
    run();
    EXPECT_EQ(men(COMPUTER), 1);
    EXPECT_EQ(game.side_to_move, HUMAN);
    EXPECT_EQ(best_move.from, NO_POINT);
    EXPECT_EQ(search_output.find("search depth"), std::string::npos);
}

TEST_F(GameLoop, ClosingTheWindowWhileTheComputerThinksEndsTheProgram)
{
    // One second passes every 50 readings; the limit is ten minutes.
    static int64_t readings = 0;
    readings = 0;
    clock_source = [] { return ++readings / 50; };
    time_limit_on = 1;
    time_limit_seconds = 600;
    max_depth = 100;
    click(0);
    auto check_invariant = script().on_fetch;
    script().on_fetch = [&](const Message& m) {
        check_invariant(m);
        if (m.kind == MESSAGE_LEFT_BUTTON_DOWN)
            post_message(window, MESSAGE_CLOSE, 0, 0);
    };
    EXPECT_EQ(run(), 0);
    EXPECT_TRUE(window->destroyed);
    EXPECT_LT(readings, 50 * 10) << "stopped within seconds, not minutes";
    EXPECT_EQ(men(COMPUTER), 1);
}

namespace {

struct WholeGame {
    const char* name;
    int32_t five_men;
    int32_t user_depth; // 0: the user plays its first legal move
    int32_t computer_depth;
    const char* box;
};

} // namespace

class WholeGames : public GameHarness, public ::testing::WithParamInterface<WholeGame> {};

TEST_P(WholeGames, PlayedToTheEnd)
{
    const WholeGame& g = GetParam();
    max_depth = g.computer_depth;
    if (g.five_men)
        command(IDM_FIVE_MEN);
    command(IDM_NEW_GAME);
    int32_t user_moves = 0;
    script().on_idle = [&] {
        if (game.game_active != 1 || game.side_to_move != HUMAN || ++user_moves > 150)
            return;
        MoveList list;
        if (g.user_depth > 0)
            post_move_clicks(window, engine_choice_for_user(g.user_depth));
        else if (generate_moves(&game.board, HUMAN, game.men_to_place, &list) > 0)
            post_move_clicks(window, list.move[0]);
        else // stuck: any message lets the loop find out
            post_message(window, MESSAGE_MOUSE_MOVE, 0, 0);
    };
    run();
    ASSERT_LE(user_moves, 150) << "the game did not end";
    EXPECT_EQ(game.game_active, 0);
    ASSERT_EQ(box_texts().size(), g.five_men ? 2u : 1u);
    EXPECT_EQ(box_texts().back(), g.box);
    EXPECT_EQ(window->title, g.five_men ? "Five Men Morris" : "Six Men Morris");
}

INSTANTIATE_TEST_SUITE_P(
    GameLoop, WholeGames,
    ::testing::Values(WholeGame{"six_computer_wins", 0, 0, 3, "I Won The Game!"},
                      WholeGame{"five_user_wins", 1, 4, 1, "I Lost The Game - Well Done!"},
                      WholeGame{"five_computer_wins", 1, 0, 3, "I Won The Game!"},
                      WholeGame{"six_user_wins", 0, 4, 1, "I Lost The Game - Well Done!"}),
    [](const ::testing::TestParamInfo<WholeGame>& p) { return std::string(p.param.name); });
