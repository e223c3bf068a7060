#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <initializer_list>

// The windows of the program: one instance per window class, created on first
// use and reachable by name from any other window. A closed window is
// destroyed, so that the next use creates it afresh in its design state.
namespace fenster {

using Fabrik = QWidget* (*)();

// One line of the program's window table (app/fensterliste.cpp).
struct Eintrag {
    const char* name;
    Fabrik fabrik;
};

template <class T>
QWidget* erzeuge()
{
    return new T;
}

// The line for window class T, under the name the class carries.
template <class T>
constexpr Eintrag eintrag()
{
    return {T::Name, erzeuge<T>};
}

// How the windows reach an X display, chosen before the application object
// exists (the program's start and the benchmark call it first). A window's
// pixels stay in the program's own memory instead of a fresh shared-memory
// segment per window: the kernel clears and maps every page of a new segment
// on the first paint, which on a virtual machine costs more than sending the
// pixels (13 ms for a window of 1000 x 860 pixels), while the program's heap
// hands the memory of a closed window to the next one. A user's own
// QT_XCB_NO_MITSHM is left as it is; other platforms are not touched. On every
// platform, the fills of a picture are handed to one helper thread instead of
// several (see fenster.cpp).
void anzeigeWaehlen();

// Makes window classes known by their names, so that they can be opened by
// name (the menu, the command line).
void registriere(std::initializer_list<Eintrag> eintraege);
void registriere(const char* name, Fabrik fabrik);
bool bekannt(const QString& name);
// The names of every registered window, sorted.
QStringList namen();

// The open instance, or nullptr.
QWidget* offen(const QString& name);
// The instance, created if it does not exist (nullptr for an unknown name).
QWidget* hole(const QString& name);
// Creates if needed and shows the window modeless, without an owner, in front.
QWidget* zeige(const QString& name);
// Closes and destroys the window if it is open; a later hole() creates it anew.
void schliesse(const QString& name);

// Keeps a window ready: while it is not open, one hidden instance of it is
// built when the program is idle, once the main window `haupt` has been drawn
// and again after each close, and the next hole() takes it. It is in its
// design state like a new one; building it ahead takes the window's building
// off the moment the user opens it. For a window whose building is slow (many
// controls); the instance built ahead goes with the main window.
void bereithalten(const QString& name, QWidget* haupt);

// Puts a window where the design opens it: below the main window's menu bar,
// near the left edge of the screen.
void designLage(QWidget* w);

// Takes a window into the registry under its name (done by hole()).
void merke(const QString& name, QWidget* w);
// Shows a window modeless, without an owner, in front.
void zeigeVorn(QWidget* w);

// The same by the window's class, which need not be in the table: T has a
// static Name and a default constructor.
template <class T>
T* hole()
{
    const QString name = QString::fromUtf8(T::Name);
    if (QWidget* w = offen(name))
        return static_cast<T*>(w);
    T* w = new T;
    merke(name, w);
    return w;
}

template <class T>
T* zeige()
{
    T* w = hole<T>();
    zeigeVorn(w);
    return w;
}

template <class T>
T* offen()
{
    return static_cast<T*>(offen(QString::fromUtf8(T::Name)));
}

template <class T>
void schliesse()
{
    schliesse(QString::fromUtf8(T::Name));
}

} // namespace fenster
