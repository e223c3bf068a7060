#pragma once

class QMainWindow;

// The main window, as the program shows it; its window table is registered.
QMainWindow* neuesHauptfenster();
