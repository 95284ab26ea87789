#pragma once

#include "platform/platform.h"

// "Hardcopy" of the main window: asks, then prints the window's image as it is shown.
void Command8_Click(Platform& platform);
