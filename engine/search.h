// The computer's game-tree search: minimax with one bound per node, iterative
// deepening at the root, the table from iteration 6 on, and a time limit.
#pragma once

#include <cstdint>

#include "engine/progress.h"
#include "engine/search_state.h"
#include "platform/handles.h"
#include "rules/board.h"
#include "rules/movegen.h"

// Values the position reached by (from, to, remove), played by mover on board, from
// the computer's point of view. depth 0 is the root: it plays nothing and, with
// iterative_deepening_on, deepens until max_depth, a root move valued WIN_SCORE, or
// the time limit, leaving its choice in best_move and printing each completed
// depth. A node cut short by the time limit returns 0. board is never written.
int32_t search(const Board* board, int32_t from, int32_t to, int32_t remove, int32_t mover,
               int32_t bound, int32_t depth, int32_t men_to_place, WindowHandle window);

// The first best valued move of the root's first iteration, kept even when that
// iteration is cut short; NO_MOVE until the first root move is valued.
extern Move first_iteration_best;

// The move the computer plays once search has returned: best_move when an
// iteration was completed; otherwise the time limit struck in the first
// iteration, and it is the best move that iteration had valued or, failing that,
// the first legal move. NO_MOVE only when the computer has no legal move.
Move move_to_play(const Board* board, int32_t men_to_place);
