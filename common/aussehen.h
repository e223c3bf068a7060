#pragma once

class QWidget;

// The look of the program: one application style sheet
// (resources/kelmo.qss), keyed by the dynamic property `rolle` that a form
// sets on its controls:
//   "ergebnis"  a result field: bordered box on the text background
//   "eingabe"   an input box or list on light yellow
//   "rot"       a text that is red by design
// Warnings switch a control's state on top of its role (see below). Colours
// that are system colours are palette roles, so the desktop theme holds (the
// information text box of info/infoTextfeld sets its system colours itself:
// the style sheet knows no tooltip colour).
namespace aussehen {

// Puts the program's style sheet on the application (once, at start; the
// test environment does the same).
void anwenden();

// Gives a control made in code its role.
void setzeRolle(QWidget* w, const char* rolle);

// A warning colours the text red; taking it back sets the text to the
// system's button-text colour, not back to the design colour.
void warnung(QWidget* w, bool an);
// A warning background: pink (&H00C0C0FF); off, the role's background again.
void rosa(QWidget* w, bool an);

} // namespace aussehen
