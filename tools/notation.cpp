#include "tools/notation.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

bool parse_integer(const char* text, int64_t low, int64_t high, int64_t* value)
{
    if (text == nullptr || *text == '\0')
        return false;
    for (const char* c = text; *c != '\0'; ++c) {
        const bool sign = c == text && (*c == '-' || *c == '+');
        if (!sign && (*c < '0' || *c > '9'))
            return false;
    }
    errno = 0;
    char* end = nullptr;
    const long long parsed = std::strtoll(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || parsed < low || parsed > high)
        return false;
    *value = parsed;
    return true;
}

bool parse_board(const char* text, Board* board, std::string* error)
{
    const size_t length = std::strlen(text);
    if (length != POINT_COUNT) {
        *error = "board must be " + std::to_string(POINT_COUNT) + " characters of W, B or ., got " +
                 std::to_string(length);
        return false;
    }
    Board parsed = EMPTY_BOARD;
    for (int32_t p = 0; p < POINT_COUNT; ++p) {
        switch (text[p]) {
        case 'W': parsed.point[p] = HUMAN; break;
        case 'B': parsed.point[p] = COMPUTER; break;
        case '.': parsed.point[p] = EMPTY; break;
        default:
            *error = "board has '" + std::string(1, text[p]) + "' at point " + std::to_string(p) +
                     "; use W, B or .";
            return false;
        }
    }
    const int32_t white = count_men(&parsed, HUMAN);
    const int32_t black = count_men(&parsed, COMPUTER);
    if (white > MAX_MEN_PER_SIDE || black > MAX_MEN_PER_SIDE) {
        *error = "board has " + std::to_string(white > MAX_MEN_PER_SIDE ? white : black) + " " +
                 (white > MAX_MEN_PER_SIDE ? "white" : "black") + " men; at most " +
                 std::to_string(MAX_MEN_PER_SIDE) + " per side";
        return false;
    }
    *board = parsed;
    return true;
}

bool parse_side(const char* text, int32_t* side, std::string* error)
{
    if (std::strcmp(text, "W") == 0) {
        *side = HUMAN;
        return true;
    }
    if (std::strcmp(text, "B") == 0) {
        *side = COMPUTER;
        return true;
    }
    *error = "side must be W or B, got '" + std::string(text) + "'";
    return false;
}

bool parse_men_to_place(const char* text, int32_t* men_to_place, std::string* error)
{
    int64_t value = 0;
    if (!parse_integer(text, 0, SIX_MEN_TO_PLACE, &value)) {
        *error = "men to place must be a whole number from 0 to " + std::to_string(SIX_MEN_TO_PLACE) +
                 ", got '" + std::string(text) + "'";
        return false;
    }
    *men_to_place = static_cast<int32_t>(value);
    return true;
}

std::string format_board(const Board* board)
{
    std::string text(POINT_COUNT, '.');
    for (int32_t p = 0; p < POINT_COUNT; ++p) {
        if (board->point[p] == HUMAN)
            text[p] = 'W';
        else if (board->point[p] == COMPUTER)
            text[p] = 'B';
    }
    return text;
}
