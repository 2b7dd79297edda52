// Runs the real game loop on the scripted backend, with a quick, repeatable computer.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/game.h"
#include "platform/script/script.h"

class GameHarness : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Puts the game at board (text form) with the picture to match and no move
    // half entered.
    void set_position(const char* board, int32_t men_to_place, int32_t side_to_move = HUMAN);
    static void show(int32_t point, int32_t code);

    void click(int32_t point);
    void click_pixel(int32_t x, int32_t y);
    void command(int32_t id);
    // Runs the loop until the script runs dry; returns its exit code.
    int32_t run();
    // Runs one game step for the messages queued so far, as the loop would.
    void step_all();

    // The code shown on point's cell.
    static int32_t cell_of(int32_t point);
    // "W", "B", "." per point, from the display grid.
    static std::string shown_board();
    std::vector<std::string> box_texts() const;

    WindowHandle window = nullptr;
    int32_t invariant_failures = 0;
    std::string search_output;
};

// The pixel at the middle of point's cell.
int32_t point_x(int32_t point);
int32_t point_y(int32_t point);

// Posts the clicks that enter move for the user.
void post_move_clicks(WindowHandle window, const Move& move);
