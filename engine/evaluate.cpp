#include "engine/evaluate.h"

#include "rules/tables.h"

namespace {

constexpr int32_t LINE_COUNT = ADJACENCY_COUNT / 2;

// Each line between two neighbouring points once, as (lower, higher).
constexpr auto LINES = [] {
    struct Table {
        int32_t end[LINE_COUNT][2];
    } table = {};
    int32_t n = 0;
    for (const auto& step : ADJACENCY) {
        if (step[0] < step[1]) {
            table.end[n][0] = step[0];
            table.end[n][1] = step[1];
            ++n;
        }
    }
    return table;
}();

} // namespace

int32_t evaluate(const Board* board, int32_t side)
{
    // Sum in the computer's terms and flip once. A Board holds only -1, 0 and +1,
    // so a line with one end empty adds the code at its other end: a step for that
    // man's side. Lines with both ends empty or both held add nothing. Branch-free,
    // because leaves are most of the search's nodes.
    const int32_t* code = board->point;
    int32_t score = 0;
    for (int32_t p = 0; p < POINT_COUNT; ++p)
        score += MAN_VALUE * code[p];
    for (const auto& line : LINES.end) {
        const int32_t a = code[line[0]];
        const int32_t b = code[line[1]];
        score += (a == EMPTY ? b : 0) + (b == EMPTY ? a : 0);
    }
    return score * side;
}
