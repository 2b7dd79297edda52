// The legal moves of one side, each choice of a man to remove listed as its own move.
#pragma once

#include <cstdint>

#include "rules/board.h"
#include "rules/score.h"

// A placement has to == NO_POINT; remove is NO_POINT unless the move closes a mill.
struct Move {
    int32_t from;
    int32_t to;
    int32_t remove;
    int32_t score;
};

inline constexpr int32_t FRESH_MOVE_SCORE = LOSS_SCORE - 2000; // not yet valued
inline constexpr Move NO_MOVE = {NO_POINT, NO_POINT, NO_POINT, NO_POINT};

// At most 16 placements or 40 steps, each listed once per removable man (at most 6).
inline constexpr int32_t MOVE_LIST_CAPACITY = 250;
inline constexpr int32_t MAX_LISTED_MOVES = 40 * MAX_MEN_PER_SIDE;
static_assert(MAX_LISTED_MOVES <= MOVE_LIST_CAPACITY);

struct MoveList {
    Move move[MOVE_LIST_CAPACITY];
};

// Fills list from entry 0 and returns the count. men_to_place > 0 is the placement
// phase for both sides. board is used as scratch and handed back unchanged.
int32_t generate_moves(Board* board, int32_t side, int32_t men_to_place, MoveList* list);

// Plays move for side on board; a placement lowers *men_to_place.
void play_move(Board* board, const Move* move, int32_t side, int32_t* men_to_place);

// The loss rule for the side about to move: with no men left to place, fewer than
// three men loses; in either phase, no legal move loses. Returns 1 or 0.
int32_t has_lost(Board* board, int32_t side, int32_t men_to_place, MoveList* list);
