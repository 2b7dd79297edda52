#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "engine/tt.h"
#include "tests/support/fixtures.h"

class TranspositionTable : public ::testing::Test {
protected:
    void SetUp() override { tt_clear(); }
};

TEST_F(TranspositionTable, HashFacts)
{
    EXPECT_EQ(position_hash(&EMPTY_BOARD), 0u);
    const Board one = board_from("B...............");
    EXPECT_EQ(position_hash(&one), 0xBA798B0Au);
    EXPECT_EQ(tt_slot(position_hash(&one)), 763800u);
    const Board human = board_from("...............W");
    EXPECT_EQ(position_hash(&human), 0x44E9FD2Au);
}

TEST_F(TranspositionTable, CollidingPairIsNotToldApart)
{
    const Board a = board_from("BWBB....B..W..W.");
    const Board b = board_from("WW...B..W..BBBB.");
    ASSERT_EQ(position_hash(&a), 0xF50A61CAu);
    ASSERT_EQ(position_hash(&b), 0xF50A61CAu);
    tt_store(&a, 123);
    EXPECT_EQ(tt_probe(&b), 123);
}

TEST_F(TranspositionTable, StoreAndProbeRules)
{
    const Board a = board_from("B...............");
    EXPECT_EQ(tt_probe(&a), TT_MISS);
    tt_store(&a, LOSS_SCORE);
    EXPECT_EQ(transposition_table[tt_slot(position_hash(&a))].value, 0);
    EXPECT_EQ(tt_probe(&a), LOSS_SCORE);
    tt_store(&a, 55); // the first store keeps the slot
    EXPECT_EQ(tt_probe(&a), LOSS_SCORE);

    const Board w = board_from("W...............");
    tt_store(&w, WIN_SCORE);
    EXPECT_EQ(transposition_table[tt_slot(position_hash(&w))].value, 60000);
    EXPECT_EQ(tt_probe(&w), WIN_SCORE);

    tt_clear();
    EXPECT_EQ(tt_probe(&a), TT_MISS);
    EXPECT_EQ(tt_probe(&w), TT_MISS);
    EXPECT_EQ(transposition_table[0].key, 0u);
    EXPECT_EQ(transposition_table[TT_SIZE - 1].value, TT_MISS);
}

namespace {

struct Half {
    Board board;
    uint32_t hash;
};

// All 3^8 ways to fill the eight points from first on, the other points empty.
std::vector<Half> halves(int32_t first)
{
    std::vector<Half> result;
    for (int32_t code = 0; code < 6561; ++code) {
        Board board = EMPTY_BOARD;
        int32_t rest = code;
        for (int32_t p = first; p < first + 8; ++p) {
            board.point[p] = rest % 3 - 1;
            rest /= 3;
        }
        result.push_back({board, position_hash(&board)});
    }
    return result;
}

Board joined(const Board& low, const Board& high)
{
    Board board = low;
    for (int32_t p = 8; p < POINT_COUNT; ++p)
        board.point[p] = high.point[p];
    return board;
}

// Boards other than the empty one that land in slot 0: a low half and a high half
// whose hashes agree in their top 20 bits. Keys of one half alone are independent
// there, so it takes both halves.
std::vector<Board> slot_zero_boards(size_t wanted)
{
    std::map<uint32_t, Board> low_by_slot;
    for (const Half& h : halves(0))
        low_by_slot.insert({tt_slot(h.hash), h.board});
    std::vector<Board> found;
    for (const Half& h : halves(8)) {
        auto it = low_by_slot.find(tt_slot(h.hash));
        if (it == low_by_slot.end())
            continue;
        const Board board = joined(it->second, h.board);
        if (position_hash(&board) != 0)
            found.push_back(board);
        if (found.size() == wanted)
            break;
    }
    return found;
}

} // namespace

TEST_F(TranspositionTable, SecondPositionInAnOccupiedSlotIsDropped)
{
    const std::vector<Board> boards = slot_zero_boards(2);
    ASSERT_EQ(boards.size(), 2u);
    ASSERT_NE(position_hash(&boards[0]), position_hash(&boards[1]));
    tt_store(&boards[0], 10);
    tt_store(&boards[1], 20);
    EXPECT_EQ(tt_probe(&boards[0]), 10);
    EXPECT_EQ(tt_probe(&boards[1]), TT_MISS);
}

TEST_F(TranspositionTable, EmptyBoardIsNeverFoundAndLeavesItsSlotFree)
{
    tt_store(&EMPTY_BOARD, 42);
    EXPECT_EQ(tt_probe(&EMPTY_BOARD), TT_MISS);
    const std::vector<Board> boards = slot_zero_boards(1);
    ASSERT_EQ(boards.size(), 1u);
    tt_store(&boards[0], 7);
    EXPECT_EQ(tt_probe(&boards[0]), 7);
}

TEST(PositionHash, OnlyTheEmptyBoardHashesToZero)
{
    // The hash is zero exactly when the two halves' hashes are equal.
    std::multiset<uint32_t> low;
    for (const Half& h : halves(0))
        low.insert(h.hash);
    size_t zeros = 0;
    for (const Half& h : halves(8))
        zeros += low.count(h.hash);
    EXPECT_EQ(zeros, 1u);
}
