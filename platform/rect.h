// Rectangles in client-area pixels; right and bottom lie outside.
#pragma once

#include <cstdint>

struct Rect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

inline void set_rect(Rect* rect, int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    *rect = {left, top, right, bottom};
}

// 1 when left <= x < right and top <= y < bottom, else 0.
inline int32_t point_in_rect(const Rect* rect, int32_t x, int32_t y)
{
    return x >= rect->left && x < rect->right && y >= rect->top && y < rect->bottom ? 1 : 0;
}
