#include "display/status.h"

const char* status_text = HUMAN_TURN_TEXT;
