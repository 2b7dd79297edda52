// The status line of the side panel. The game loop points status_text at one of
// the two texts; painting draws all but the closing full stop.
#pragma once

inline constexpr char HUMAN_TURN_TEXT[] = "HUMAN TURN       .";
inline constexpr char COMPUTER_TURN_TEXT[] = "COMPUTER TURN    .";

extern const char* status_text;
