#pragma once
// Whether the desktop session tests got their private display, and window manager;
// set once by their main().

bool SessionReady();
