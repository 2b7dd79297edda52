// The user's move, entered one click at a time and judged against the legal moves.
#pragma once

#include "game/game.h"

// Handles the recorded click for the user's turn: may lift, place, move or remove,
// cancel a half-entered move, or hand the turn to the computer. Clears the click
// and repaints.
void handle_click(Game* g, WindowHandle window);

// Back to waiting for a move's first click, with the arrow cursor.
void reset_move_input(Game* g, WindowHandle window);
