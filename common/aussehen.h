#pragma once

#include <QPalette>

class QColor;
class QString;
class QWidget;

// The look of the program: one application style sheet
// (resources/kelmo.qss), keyed by the dynamic property `rolle` that a form
// sets on its controls (several roles separated by blanks):
//   "ergebnis"  a result field: bordered box on the text background
//   "rahmen"    a label with the single border, on the window background
//   "eingabe"   an input box or list on light yellow
//   "menue"     on the system's menu colour
//   "knopf"     on the system's button face
//   "weiss"     on the system's window colour (white in most themes)
//   "rot"       a text that is red by design (a shape: a red outline)
//   "blau", "dunkelblau", "marineblau", "violett", "schwarz"
//               a text of that colour by design
//   "grund-blau", "grund-grau", "grund-hellgrau", "grund-hellgruen",
//   "grund-weiss"
//               a face of that colour by design
//   "fett"      a bold text
//   "gross", "klein"
//               the larger text of a box (9.75 pt), the smaller one of a
//               link or a button (8.25 pt)
//   "arial12"   a window whose captions, boxes, buttons and tabs are in
//               Arial 12 pt (a frame with a caption has the font from its
//               form; a worksheet view keeps its own)
//   "unicode"   in such a window, a text in Arial Unicode MS
// The design's colours are named once, in common/farben.h.
// Warnings switch a control's state on top of its role (see below). Colours
// that are system colours are palette roles, so the desktop theme holds (the
// information text box of info/infoTextfeld sets its system colours itself:
// the style sheet knows no tooltip colour).
namespace aussehen {

// Puts the program's style sheet, its keyboard rules and the rule for number
// fields (common/zahlfeld) on the application (once, at start; the test
// environment does the same).
void anwenden();
// The program's style sheet with the colours of common/farben put in.
QString stilblatt();

// Gives a control its role, also one made in code; an empty role takes the
// role away, and the control shows the plain look of its kind.
void setzeRolle(QWidget* w, const char* rolle);

// A warning colours the text red; taking it back sets the text to the
// system's button-text colour, not back to the design colour.
void warnung(QWidget* w, bool an);
// A warning background: pink (&H00C0C0FF); off, the role's background again
// (for a control without a role, the background it had).
void rosa(QWidget* w, bool an);

// A colour that only this control has, in its palette: a system colour that
// the style sheet cannot name (the tooltip background), or a design colour
// that a warning later replaces. Unlike a plain setPalette() it also holds
// when the control is set up again for a role or a warning.
void farbe(QWidget* w, QPalette::ColorRole rolle, const QColor& farbe);

// The face of a box or a label in a system colour, also while it is
// disabled, switched while the window is open. The colour goes into the
// palette, where the style sheet leaves it alone, so that a frame of the
// platform's own keeps its shades.
void grund(QWidget* w, QPalette::ColorRole systemfarbe);
// The same in a design colour of common/farben.
void grund(QWidget* w, const QColor& farbe);

// A small style sheet of the control's own, given while the window is open
// (a look only this window has). The control keeps the font it shows, also
// one it takes from its window.
void eigenerStil(QWidget* w, const QString& stil);

} // namespace aussehen
