#pragma once
// `tarvello compute FILE.tqs… --pdf DIR [--csv FILE] [--language D|E] [--jobs N]`
// (German `rechnen`): sections computed without a window, for variants of one
// girder and for the engineer's own scripts.

// Whether the command line asks for it (its first argument).
bool istStapelbefehl(int argc, char* argv[]);
// Runs it: 0 when every file was computed and every file written, 1 when any was not
// (each said why on stderr), 2 for a command line it cannot take.
int stapelbefehl(int argc, char* argv[]);
