#pragma once

#include <QString>
#include <QWidget>

// The windows of the program: one instance per window class, created on first
// use and reachable by name from any other window. A closed window is
// destroyed, so that the next use creates it afresh in its design state.
namespace fenster {

using Fabrik = QWidget* (*)();

// Makes a window class known by its name; used by KELMO_FENSTER.
bool registriere(const char* name, Fabrik fabrik);
bool bekannt(const QString& name);

// The open instance, or nullptr.
QWidget* offen(const QString& name);
// The instance, created if it does not exist (nullptr for an unknown name).
QWidget* hole(const QString& name);
// Creates if needed and shows the window modeless, without an owner, in front.
QWidget* zeige(const QString& name);
// Closes and destroys the window if it is open; a later hole() creates it anew.
void schliesse(const QString& name);

// Takes a window into the registry under its name (done by hole()).
void merke(const QString& name, QWidget* w);

template <class T>
T* hole()
{
    return static_cast<T*>(hole(QString::fromUtf8(T::Name)));
}

template <class T>
T* zeige()
{
    return static_cast<T*>(zeige(QString::fromUtf8(T::Name)));
}

} // namespace fenster

// Registers a window class T (which has a static Name and a default
// constructor) under its name.
#define KELMO_FENSTER(T)                                                                  \
    namespace {                                                                           \
    [[maybe_unused]] const bool registriert_##T =                                         \
        fenster::registriere(T::Name, []() -> QWidget* { return new T; });                \
    }
