#pragma once

// Runs the program: batch mode when the command line asks for it,
// otherwise the application with its main window. Returns the exit status.
int TernaryMain(int argc, char* argv[]);
