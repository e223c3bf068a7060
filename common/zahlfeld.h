#pragma once

#include <QRect>

class QString;
class QWidget;

// How a label or a text box shows a number, in every window alike.
//
// A number is never shown in part. A field whose number is wider than its
// text area grows (and its window with it) up to the width of the longest
// realistic number text: fifteen digits with their thousands points, sign,
// decimals and exponent. A number wider still is marked "###", as a
// spreadsheet marks a cell that is too narrow, and offers its whole text as
// tooltip and accessible description. The field's text itself stays the full
// text: later steps read results back from it. A text box the user is in
// behaves as an edit box (its text scrolls under the cursor); only when the
// focus is elsewhere is a number that does not fit marked.
//
// A field keeps the width it grew to while its window is open, so that
// controls do not jump back and forth as values change.
namespace zahlfeld {

// Puts the rule on the application, once (the look does it at start).
void einrichten();

// A text that the rule treats as a number: a number in German form,
// optionally followed by a unit of the result patterns ("12,5 %",
// "1.000,0 TEW ", "2,1 Mio € ").
bool istZahlText(const QString& text);

// A field meant for numbers: a text box, or a label that shows results (it
// has the result role or a description for the screen reader).
bool istZahlFeld(const QWidget* feld);

// The area of a label or a text box in which its text is drawn.
QRect textbereich(const QWidget* feld);

// Whether the field shows the mark instead of its number.
bool markiert(const QWidget* feld);

} // namespace zahlfeld
