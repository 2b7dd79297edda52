#include "engine/search.h"

#include <cstdio>

#include "engine/clock.h"
#include "engine/evaluate.h"
#include "engine/order.h"
#include "engine/progress.h"
#include "engine/tt.h"
#include "rules/score.h"

Move first_iteration_best = NO_MOVE;

namespace {

// Only nodes this shallow store, and only in iterations deeper than the last
// iteration that leaves the table alone.
constexpr int32_t STORE_DEPTH_LIMIT = 6;
constexpr int32_t LAST_ITERATION_WITHOUT_TABLE = 5;
constexpr int32_t MIN_MEN = 3; // fewer, with nothing left to place, loses
constexpr int64_t REFRESH_SECONDS = 1;

inline bool aborted()
{
    return time_limit_on == 1 && timed_out == 1;
}

// The tail of every node that was not cut short.
inline int32_t finish(const Board* board, int32_t value, int32_t depth, WindowHandle window)
{
    if (depth < STORE_DEPTH_LIMIT && iteration_depth > LAST_ITERATION_WITHOUT_TABLE)
        tt_store(board, value);
    if (time_limit_on == 1 && clock_seconds() - search_start > time_limit_seconds)
        timed_out = 1;
    if (clock_seconds() - last_refresh >= REFRESH_SECONDS)
        progress_refresh(window);
    positions_traversed = static_cast<int32_t>(static_cast<uint32_t>(positions_traversed) + 1u);
    return value;
}

inline void note_first_iteration(const Move* move, int32_t value)
{
    if (first_iteration_best.from == NO_POINT || value > first_iteration_best.score)
        first_iteration_best = {move->from, move->to, move->remove, value};
}

int32_t node(const Board* board, int32_t from, int32_t to, int32_t remove, int32_t mover,
             int32_t bound, int32_t depth, int32_t men_to_place, WindowHandle window);

// The root's iterations over its one move list. Returns 0 when the time limit cut
// an iteration short, else 1 with the last iteration's running value in *value.
int32_t iterate(const Board* board, MoveList* list, int32_t count, int32_t mover, int32_t bound,
                int32_t men_to_place, WindowHandle window, int32_t* value)
{
    int32_t running = (WIN_SCORE + 1) * mover;
    for (int32_t d = 1; d <= max_depth; ++d) {
        iteration_depth = d;
        if (d > LAST_ITERATION_WITHOUT_TABLE)
            tt_clear();
        Move chosen = NO_MOVE;
        running = (WIN_SCORE + 1) * mover;
        for (int32_t i = 0; i < count; ++i) {
            Move* move = &list->move[i];
            const int32_t m =
                node(board, move->from, move->to, move->remove, -mover, running, 1, men_to_place, window);
            // The first iteration's children are leaves: their values are whole
            // even when the time limit strikes.
            if (d == 1)
                note_first_iteration(move, m);
            if (aborted())
                return 0;
            move->score = m;
            if (m > running) {
                running = m;
                chosen = *move;
                if (m >= bound)
                    break;
            }
        }
        best_move = chosen;
        std::printf("search depth: %d\n", iteration_depth);
        order_moves(list, count);
        if (list->move[0].score == WIN_SCORE)
            break;
    }
    *value = running;
    return 1;
}

int32_t node(const Board* board, int32_t from, int32_t to, int32_t remove, int32_t mover,
             int32_t bound, int32_t depth, int32_t men_to_place, WindowHandle window)
{
    Board copy = *board;
    if (depth > 0) {
        if (to == NO_POINT) {
            copy.point[from] = mover;
            --men_to_place;
        } else {
            copy.point[from] = EMPTY;
            copy.point[to] = mover;
        }
        if (remove != NO_POINT)
            copy.point[remove] = EMPTY;
    }
    const int32_t probe = tt_probe(&copy);

    MoveList list; // deliberately not initialised: only the records written are read
    int32_t count = 0;
    bool lost = men_to_place == 0 && count_men(&copy, -mover) < MIN_MEN;
    if (!lost) {
        count = generate_moves(&copy, -mover, men_to_place, &list);
        lost = count == 0;
    }

    int32_t value = 0;
    if (lost) {
        value = mover * WIN_SCORE; // the side that just moved has won
    } else if (probe != TT_MISS) {
        value = probe;
    } else if (depth == iteration_depth) {
        value = evaluate(&copy, mover) * mover;
    } else if (depth == 0 && iterative_deepening_on == 1) {
        if (iterate(&copy, &list, count, mover, bound, men_to_place, window, &value) == 0)
            return 0;
    } else {
        value = (WIN_SCORE + 1) * mover;
        for (int32_t i = 0; i < count; ++i) {
            const Move* move = &list.move[i];
            const int32_t m = node(&copy, move->from, move->to, move->remove, -mover, value, depth + 1,
                                   men_to_place, window);
            if (aborted())
                return 0;
            if (mover == HUMAN) {
                if (m > value) {
                    value = m;
                    if (m >= bound)
                        break;
                }
            } else if (m < value) {
                value = m;
                if (m <= bound)
                    break;
            }
        }
    }
    return finish(&copy, value, depth, window);
}

} // namespace

int32_t search(const Board* board, int32_t from, int32_t to, int32_t remove, int32_t mover,
               int32_t bound, int32_t depth, int32_t men_to_place, WindowHandle window)
{
    if (depth == 0)
        first_iteration_best = NO_MOVE;
    return node(board, from, to, remove, mover, bound, depth, men_to_place, window);
}
