#include "engine/order.h"

#include <cstdlib>

namespace {

// An equal pair is exchanged when rand() % TIE_MODULUS > TIE_THRESHOLD.
constexpr int TIE_MODULUS = 10;
constexpr int TIE_THRESHOLD = 7;

} // namespace

void order_moves(MoveList* list, int32_t count)
{
    if (count <= 1)
        return;
    int32_t exchanged = 1;
    while (exchanged == 1) {
        exchanged = 0;
        for (int32_t i = 0; i < count - 1; ++i) {
            Move* a = &list->move[i];
            Move* b = &list->move[i + 1];
            // Draws only for equal scores: the seed alone fixes the sequence.
            const bool swap =
                a->score < b->score || (a->score == b->score && std::rand() % TIE_MODULUS > TIE_THRESHOLD);
            if (swap) {
                const Move held = *a;
                *a = *b;
                *b = held;
                exchanged = 1;
            }
        }
    }
}
