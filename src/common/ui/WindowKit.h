#pragma once
// The window kit: every window is set up, filled with controls and wired to its handlers
// through these alone.
#include "ui/ConnectGuarded.h"
#include "ui/Controls.h"
#include "ui/FixedWindow.h"
#include "ui/WindowFont.h"
