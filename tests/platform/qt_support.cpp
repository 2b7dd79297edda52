#include "tests/platform/qt_support.h"

void start_qt()
{
    static char name[] = "brackwell-test";
    static char* argv[] = {name, nullptr};
    int argc = 1;
    platform_start(&argc, argv);
}

WindowHandle bare_window(WindowProcedure procedure)
{
    start_qt();
    const WindowTemplate layout = {"Test", 600, 380, procedure, nullptr, 0};
    return create_main_window(&layout);
}
