#pragma once

#include "fenster.h"

#include <QString>

#include <span>

// The program's window table: the main menu, row by row, the windows that
// every menu command closes first, and the windows that no menu item opens.
// Every window named in it is registered, so that the menu and the command
// line find it by its name.
namespace fensterliste {

// What a menu row does.
enum class Art {
    Untermenue,                 // opens its submenu, nothing else
    UntermenueMitSchliessregel, // its submenu; opening it already runs the close rule
    Fenster,                    // the close rule, then its window
    Link,                       // the close rule, then its link to the desktop
    FensterNachSchlamm,         // closes only the sludge quantity window, then its window
};

struct Aktion {
    Art art;
    fenster::Eintrag fenster = {nullptr, nullptr};
    const QString* link = nullptr;
};

struct Menuepunkt {
    int ebene;        // 1: in the menu bar; n: in the last submenu of level n - 1 above
    const char* text; // the caption, exactly as shown
    // A submenu's name, or the Click handler of a row with an action: the
    // item's name followed by "_Click".
    const char* name;
    Aktion aktion;
};

// The menu in display order.
std::span<const Menuepunkt> menue();
// The windows of the close rule, closed in this order.
std::span<const fenster::Eintrag> schliessliste();
// The windows kept ready, built ahead while the program is idle.
std::span<const fenster::Eintrag> bereit();
// The item's name of a row (a Click handler's name without "_Click").
QString punktname(const Menuepunkt& p);

} // namespace fensterliste

// Makes every window of the table known by its name. Called once, before the
// main window is built.
void registriereFenster();
