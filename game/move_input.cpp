#include "game/move_input.h"

#include "display/grid.h"
#include "platform/platform.h"

namespace {

void show_point(int32_t point, CellCode code)
{
    cell_grid[POINT_TO_CELL[point][0]][POINT_TO_CELL[point][1]] = code;
}

// The first record that continues the move entered so far with a click on point,
// or null. A click off the points matches nothing.
const Move* find_match(const Game* g, int32_t count, int32_t point)
{
    if (point == NO_POINT)
        return nullptr;
    for (int32_t i = 0; i < count; ++i) {
        const Move* m = &g->list.move[i];
        switch (g->input_state) {
        case SELECT:
            if (m->from == point)
                return m;
            break;
        case DESTINATION:
            if (m->from == g->selected_point && m->to == point)
                return m;
            break;
        case REMOVE:
            if (m->from == g->selected_point && m->to == g->pending_destination && m->remove == point)
                return m;
            break;
        }
    }
    return nullptr;
}

void on_select(Game* g, WindowHandle window, const Move* match, int32_t p)
{
    if (match == nullptr)
        return;
    if (match->to != NO_POINT) { // lift the man for a movement
        g->selected_point = p;
        show_point(p, CELL_POINT);
        set_cursor(window, carry_cursor);
        g->input_state = DESTINATION;
    } else if (match->remove != NO_POINT) { // the placement closes a mill
        g->selected_point = p;
        g->pending_destination = NO_POINT;
        show_point(p, CELL_HUMAN);
        set_cursor(window, remove_cursor);
        g->input_state = REMOVE;
    } else {
        g->board.point[p] = HUMAN;
        --g->men_to_place;
        g->side_to_move = COMPUTER;
        show_point(p, CELL_HUMAN);
    }
}

void on_destination(Game* g, WindowHandle window, const Move* match, int32_t p)
{
    if (match == nullptr) { // put the man back
        show_point(g->selected_point, CELL_HUMAN);
    } else if (match->remove != NO_POINT) {
        g->pending_destination = p;
        show_point(p, CELL_HUMAN);
        set_cursor(window, remove_cursor);
        g->input_state = REMOVE;
        return;
    } else {
        g->board.point[g->selected_point] = EMPTY;
        g->board.point[p] = HUMAN;
        g->side_to_move = COMPUTER;
        show_point(g->selected_point, CELL_POINT);
        show_point(p, CELL_HUMAN);
    }
    set_cursor(window, arrow_cursor);
    g->input_state = SELECT;
}

void on_remove(Game* g, WindowHandle window, const Move* match, int32_t p)
{
    const bool placement = g->pending_destination == NO_POINT;
    if (match != nullptr) {
        if (placement) {
            g->board.point[g->selected_point] = HUMAN;
            --g->men_to_place;
            show_point(g->selected_point, CELL_HUMAN);
        } else {
            g->board.point[g->selected_point] = EMPTY;
            g->board.point[g->pending_destination] = HUMAN;
            show_point(g->selected_point, CELL_POINT);
            show_point(g->pending_destination, CELL_HUMAN);
        }
        g->board.point[p] = EMPTY;
        show_point(p, CELL_POINT);
        g->side_to_move = COMPUTER;
    } else if (placement) {
        show_point(g->selected_point, CELL_POINT);
    } else {
        show_point(g->selected_point, CELL_HUMAN);
        show_point(g->pending_destination, CELL_POINT);
    }
    set_cursor(window, arrow_cursor);
    g->input_state = SELECT;
}

} // namespace

void handle_click(Game* g, WindowHandle window)
{
    const int32_t count = generate_moves(&g->board, HUMAN, g->men_to_place, &g->list);
    const int32_t p = CELL_TO_POINT[click_col][click_row];
    const Move* match = find_match(g, count, p);
    switch (g->input_state) {
    case SELECT: on_select(g, window, match, p); break;
    case DESTINATION: on_destination(g, window, match, p); break;
    case REMOVE: on_remove(g, window, match, p); break;
    }
    click_col = -1;
    click_row = -1;
    repaint_now(window);
}

void reset_move_input(Game* g, WindowHandle window)
{
    g->input_state = SELECT;
    g->selected_point = NO_POINT;
    g->pending_destination = NO_POINT;
    set_cursor(window, arrow_cursor);
}
