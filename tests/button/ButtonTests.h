#pragma once
// The button's test groups, run one after the other by main.cpp.

int RunPainterTests(int argc, char** argv);
int RunInputTests(int argc, char** argv);
int RunPersistenceTests(int argc, char** argv);
int RunGalleryTests(int argc, char** argv);
