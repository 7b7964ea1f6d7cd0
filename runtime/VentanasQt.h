#pragma once

// What a program with windows sets up before its first window: the Qt dialogs as the default
// dialogs and the Qt application's pointer as the program's pointer (CursorPrograma). Without a
// graphical application the pointer stays untouched, as in a command-line tool.
namespace VentanasQt {
void instala();
} // namespace VentanasQt
