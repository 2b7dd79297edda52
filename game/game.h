// The state of the game in progress, owned by the game loop for the whole run.
#pragma once

#include <cstdint>

#include "platform/handles.h"
#include "rules/board.h"
#include "rules/movegen.h"

// Where the entry of the user's move stands, stored as a character.
enum InputState : char {
    SELECT = 'f',      // waiting for the first click of a move
    DESTINATION = 't', // a man is lifted; waiting for where it goes
    REMOVE = 'r',      // a mill is closed; waiting for the man to take
};

struct Game {
    Board board;
    int32_t side_to_move;
    int32_t men_to_place;
    int32_t game_active;
    MoveList list; // scratch for the loss tests and the move input
    InputState input_state;
    int32_t selected_point;
    int32_t pending_destination; // NO_POINT for a placement waiting for its removal
};

extern Game game;

// The side whose status line was last put up; 0 for neither.
extern int32_t shown_turn;

// Cursor handles, loaded once at start-up by load_cursors.
extern CursorHandle arrow_cursor;
extern CursorHandle carry_cursor;
extern CursorHandle remove_cursor;

void load_cursors();

// The immediate repaint: the window's own device context, the whole picture.
void repaint_now(WindowHandle window);
