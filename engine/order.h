// Ordering of the root's moves between iterations.
#pragma once

#include <cstdint>

#include "rules/movegen.h"

// Exchange sort of list[0..count) into descending score. Equal neighbours are
// exchanged on one rand() draw in five, so equally valued moves end in random order.
void order_moves(MoveList* list, int32_t count);
