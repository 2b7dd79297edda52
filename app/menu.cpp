// The menu bar. Check marks at start agree with the first game: Six Men's Morris,
// the user first, ten seconds to think.
#include "app/main_window.h"
#include "game/game_loop.h"
#include "game/menu_ids.h"

namespace {

const MenuEntry MENU[] = {
    {MENU_POPUP, "&File", 0, 0, nullptr},
    {MENU_ITEM, "&New Game", IDM_NEW_GAME, 0, "Ctrl+N"},
    {MENU_SEPARATOR, nullptr, 0, 0, nullptr},
    {MENU_ITEM, "E&xit", IDM_EXIT, 0, "Ctrl+Q"},
    {MENU_END_POPUP, nullptr, 0, 0, nullptr},
    {MENU_POPUP, "&Game", 0, 0, nullptr},
    {MENU_ITEM, "Five Men Morris", IDM_FIVE_MEN, 0, nullptr},
    {MENU_ITEM, "Six Man Morris", IDM_SIX_MEN, 1, nullptr},
    {MENU_SEPARATOR, nullptr, 0, 0, nullptr},
    {MENU_ITEM, "Human First", IDM_HUMAN_FIRST, 1, nullptr},
    {MENU_ITEM, "Computer First", IDM_COMPUTER_FIRST, 0, nullptr},
    {MENU_SEPARATOR, nullptr, 0, 0, nullptr},
    {MENU_ITEM, "Level 1 (5 sec)", IDM_LEVEL_1, 0, nullptr},
    {MENU_ITEM, "Level 2 (10 sec)", IDM_LEVEL_2, 1, nullptr},
    {MENU_ITEM, "Level 3 (15 sec)", IDM_LEVEL_3, 0, nullptr},
    {MENU_ITEM, "Level 4 (30 sec)", IDM_LEVEL_4, 0, nullptr},
    {MENU_ITEM, "Level 5 (1 min)", IDM_LEVEL_5, 0, nullptr},
    {MENU_ITEM, "Level 6 (3 min)", IDM_LEVEL_6, 0, nullptr},
    {MENU_ITEM, "Level 7 (10 min)", IDM_LEVEL_7, 0, nullptr},
    {MENU_END_POPUP, nullptr, 0, 0, nullptr},
    {MENU_POPUP, "&Help", 0, 0, nullptr},
    {MENU_ITEM, "&Help", IDM_HELP, 0, "F1"},
    {MENU_SEPARATOR, nullptr, 0, 0, nullptr},
    {MENU_ITEM, "&About", IDM_ABOUT, 0, nullptr},
    {MENU_END_POPUP, nullptr, 0, 0, nullptr},
};

} // namespace

const WindowTemplate MAIN_WINDOW = {
    SIX_MEN_TITLE, CLIENT_WIDTH, CLIENT_HEIGHT, main_window_proc,
    MENU,          static_cast<int32_t>(sizeof MENU / sizeof MENU[0]),
};
