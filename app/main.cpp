// Brackwell: Five or Six Men's Morris against the computer.
#include "app/main_window.h"
#include "game/game.h"
#include "game/game_loop.h"

int main(int argc, char** argv)
{
    platform_start(&argc, argv);
    WindowHandle window = create_main_window(&MAIN_WINDOW);
    load_cursors();
    show_window(window);
    return game_loop(window);
}
