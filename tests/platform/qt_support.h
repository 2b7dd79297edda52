// Shared by the Qt backend's tests: the application, a bare window, pixel names.
#pragma once

#include <ostream>

#include <QImage>
#include <QRect>

#include "platform/platform.h"

// Starts the backend once per test program.
void start_qt();
// A window of the game's client size that nothing handles messages for.
WindowHandle bare_window(WindowProcedure procedure = nullptr);

inline constexpr QRgb WHITE = 0xFFFFFFFF;
inline constexpr QRgb GRAY = 0xFF808080;
inline constexpr QRgb BLACK = 0xFF000000;

// Readable failures.
inline void PrintTo(const QRect& r, std::ostream* out)
{
    *out << "QRect(" << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height() << ")";
}
