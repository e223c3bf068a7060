#pragma once

// Makes every window of the program known by its name, so that the menu and
// the command line can open it. Called once, before the main window is built.
void registriereFenster();
