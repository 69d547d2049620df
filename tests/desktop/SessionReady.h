#pragma once
// Whether the desktop session tests got their private display, window manager and session bus;
// set once by their main().

bool SessionReady();
