#pragma once

// What a program with windows sets up before its first window: the Qt dialogs as the default
// dialogs and the Qt application's cursors and windows as the program's windows
// (VentanasPrograma). Without a graphical application they stay untouched, as in a command-line
// tool.
namespace VentanasQt {
void instala();
} // namespace VentanasQt
