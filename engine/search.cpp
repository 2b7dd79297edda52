#include "engine/search.h"

#include <cstdio>

#include "engine/clock.h"
#include "engine/evaluate.h"
#include "engine/move_exists.h"
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
inline int32_t finish(uint32_t hash, int32_t value, int32_t depth, WindowHandle window)
{
    if (depth < STORE_DEPTH_LIMIT && iteration_depth > LAST_ITERATION_WITHOUT_TABLE)
        tt_store_hashed(hash, value);
    if (time_limit_on == 1 && clock_seconds() - search_start > time_limit_seconds)
        timed_out = 1;
    if (clock_seconds() - last_refresh >= REFRESH_SECONDS)
        progress_refresh(window);
    ++positions_traversed;
    return value;
}

inline void note_first_iteration(const Move* move, int32_t value)
{
    if (first_iteration_best.from == NO_POINT || value > first_iteration_best.score)
        first_iteration_best = {move->from, move->to, move->remove, value};
}

// A node's position with what it carries from its parent instead of computing
// afresh: the hash, and the evaluation from the computer's side.
struct Position {
    Board board;
    uint32_t hash;
    int32_t score;
};

inline uint32_t hash_after(uint32_t hash, int32_t from, int32_t to, int32_t remove, int32_t mover)
{
    hash ^= zobrist_key(mover, from);
    if (to != NO_POINT)
        hash ^= zobrist_key(mover, to);
    if (remove != NO_POINT)
        hash ^= zobrist_key(-mover, remove);
    return hash;
}

inline void set_point(Position* position, int32_t point, int32_t code)
{
    position->score += evaluation_change(&position->board, point, code);
    position->board.point[point] = code;
}

inline void play(Position* position, int32_t from, int32_t to, int32_t remove, int32_t mover,
                 int32_t* men_to_place)
{
    position->hash = hash_after(position->hash, from, to, remove, mover);
    if (to == NO_POINT) {
        set_point(position, from, mover);
        --*men_to_place;
    } else {
        set_point(position, from, EMPTY);
        set_point(position, to, mover);
    }
    if (remove != NO_POINT)
        set_point(position, remove, EMPTY);
}

// Children are searched in list order. Loading the table slots of the children a
// few places ahead while the current one is searched hides the probe's cache miss,
// which otherwise is the largest single cost of a node.
constexpr int32_t PREFETCH_AHEAD = 4;

inline void prefetch_child(uint32_t hash, const MoveList* list, int32_t i, int32_t count, int32_t child_mover)
{
    if (i < count) {
        const Move* move = &list->move[i];
        tt_prefetch(hash_after(hash, move->from, move->to, move->remove, child_mover));
    }
}

inline void prefetch_first_children(uint32_t hash, const MoveList* list, int32_t count, int32_t child_mover)
{
    for (int32_t i = 0; i < PREFETCH_AHEAD; ++i)
        prefetch_child(hash, list, i, count, child_mover);
}

// Each node keeps its Position and its MoveList on the stack, and calls nest at
// most MAX_ITERATION_DEPTH + 1 deep. That must stay well inside the main thread's
// stack: 8 MiB by default on Linux, 1 MiB on Windows.
constexpr size_t NODE_STATE_BYTES = sizeof(Position) + sizeof(MoveList);
constexpr size_t SEARCH_STACK_BUDGET = size_t{1024} * 1024 / 2;
static_assert((MAX_ITERATION_DEPTH + 1) * NODE_STATE_BYTES <= SEARCH_STACK_BUDGET);

int32_t node(const Position* parent, int32_t from, int32_t to, int32_t remove, int32_t mover, int32_t bound,
             int32_t depth, int32_t men_to_place, WindowHandle window);

// The root's iterations over its one move list. Returns 0 when the time limit cut
// an iteration short, else 1 with the last iteration's running value in *value.
// Kept out of node: inlined there, it would bring a second node and its move
// list into every node's stack frame.
[[gnu::noinline]] int32_t iterate(const Position* root, MoveList* list, int32_t count, int32_t mover,
                                  int32_t bound, int32_t men_to_place, WindowHandle window, int32_t* value)
{
    int32_t running = BEYOND_SCORE * mover;
    for (int32_t d = 1; d <= max_depth; ++d) {
        iteration_depth = d;
        if (d > LAST_ITERATION_WITHOUT_TABLE)
            tt_clear();
        Move chosen = NO_MOVE;
        running = BEYOND_SCORE * mover;
        prefetch_first_children(root->hash, list, count, -mover);
        for (int32_t i = 0; i < count; ++i) {
            Move* move = &list->move[i];
            prefetch_child(root->hash, list, i + PREFETCH_AHEAD, count, -mover);
            const int32_t m =
                node(root, move->from, move->to, move->remove, -mover, running, 1, men_to_place, window);
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

int32_t node(const Position* parent, int32_t from, int32_t to, int32_t remove, int32_t mover, int32_t bound,
             int32_t depth, int32_t men_to_place, WindowHandle window)
{
    Position here = *parent;
    if (depth > 0)
        play(&here, from, to, remove, mover, &men_to_place);
    // The probe comes first, but its slot is only read once the terminal test has
    // given the load time to arrive; nothing writes the table in between.
    tt_prefetch(here.hash);

    const int32_t side = -mover;
    const bool leaf = depth == iteration_depth;
    MoveList list; // deliberately not initialised: only the records written are read
    int32_t count = 0;
    // Counted on the parent's board, where only the removal differs for the side
    // to move: reading the copy straight after its stores would stall.
    const int32_t removed = depth > 0 && remove != NO_POINT ? 1 : 0;
    bool lost = men_to_place == 0 && count_men(&parent->board, side) - removed < MIN_MEN;
    if (!lost && leaf) {
        lost = move_exists(&here.board, side, men_to_place) == 0;
    } else if (!lost) {
        count = generate_moves(&here.board, side, men_to_place, &list);
        lost = count == 0;
    }
    const int32_t probe = tt_probe_hashed(here.hash);

    int32_t value = 0;
    if (lost) {
        value = mover * WIN_SCORE; // the side that just moved has won
    } else if (probe != TT_MISS) {
        value = probe;
    } else if (leaf) {
        // evaluate(board, mover) * mover, which by symmetry is the computer's view
        // that the position carries.
        value = here.score;
    } else if (depth == 0 && iterative_deepening_on == 1) {
        if (iterate(&here, &list, count, mover, bound, men_to_place, window, &value) == 0)
            return 0;
    } else {
        value = BEYOND_SCORE * mover;
        prefetch_first_children(here.hash, &list, count, -mover);
        for (int32_t i = 0; i < count; ++i) {
            const Move* move = &list.move[i];
            prefetch_child(here.hash, &list, i + PREFETCH_AHEAD, count, -mover);
            const int32_t m =
                node(&here, move->from, move->to, move->remove, -mover, value, depth + 1, men_to_place, window);
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
    return finish(here.hash, value, depth, window);
}

} // namespace

int32_t search(const Board* board, int32_t from, int32_t to, int32_t remove, int32_t mover,
               int32_t bound, int32_t depth, int32_t men_to_place, WindowHandle window)
{
    if (depth == 0)
        first_iteration_best = NO_MOVE;
    const Position start = {*board, position_hash(board), evaluate(board, COMPUTER)};
    return node(&start, from, to, remove, mover, bound, depth, men_to_place, window);
}
