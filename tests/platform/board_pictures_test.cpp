// Writes pictures of the board into the build tree, to be looked at by eye.
#include <gtest/gtest.h>

#include <QString>

#include "display/grid.h"
#include "display/paint.h"
#include "display/status.h"
#include "engine/search_state.h"
#include "platform/qt/qt_backend.h"
#include "tests/platform/qt_support.h"

namespace {

void save_board(const char* name, int32_t scale)
{
    WindowHandle window = bare_window();
    qt_set_canvas_scale(window, scale);
    DeviceContext dc = begin_paint(window);
    paint_board(dc);
    end_paint(window, dc);
    const QString path = QString(BOARD_PICTURE_DIR "/%1.png").arg(name);
    EXPECT_TRUE(qt_canvas_image(window).save(path)) << path.toStdString();
}

void show_men(const char* men) // 'W' and 'B' per point, point 0 first
{
    for (int32_t p = 0; p < POINT_COUNT; ++p) {
        const CellCode code = men[p] == 'W' ? CELL_HUMAN : men[p] == 'B' ? CELL_COMPUTER : CELL_POINT;
        cell_grid[POINT_TO_CELL[p][0]][POINT_TO_CELL[p][1]] = code;
    }
}

} // namespace

TEST(BoardPictures, EmptyAndMidGame)
{
    init_display();
    status_text = HUMAN_TURN_TEXT;
    iteration_depth = MAX_ITERATION_DEPTH;
    positions_traversed = 0;
    time_left = 0;
    save_board("board-empty", 1);

    show_men("WB.W.B..WB.BW...");
    status_text = COMPUTER_TURN_TEXT;
    iteration_depth = 7;
    positions_traversed = 48213;
    time_left = 6;
    save_board("board-mid-game", 1);
    save_board("board-mid-game@2x", 2);
}
