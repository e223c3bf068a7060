#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

class QPlainTextEdit;

// The text box of an information window: one multi-line box `Text1` holding a
// fixed German text, shown from the top. Locked, the text can be selected and
// copied but not changed; unlocked, the user may type into it, and nothing
// reads or answers what is typed. The box has no behaviour of its own.
namespace infoTextfeld {

struct Art {
    bool gesperrt = true;
    bool rahmen = true;
    // A vertical scroll bar that is always there; without it one appears
    // only when the text does not fit.
    bool bildlaufleiste = false;
    // Arial 9 pt; otherwise the box keeps the font of its design.
    bool arial9 = true;
    // The box is made at least as high as all the lines of its text, so that
    // nothing needs scrolling.
    bool ganzerText = false;
    // An invalid colour keeps the box's own.
    QColor hintergrund;
    QColor schrift;
};

// A colour of the system's palette, taken when the window is built.
QColor systemfarbe(QPalette::ColorRole rolle);

// Locked, Arial 9 pt, button-text colour on the tooltip background.
Art info();
// As info(), with the vertical scroll bar of the explanation windows.
Art erklaerung();

// Puts the text (line breaks CR LF or LF) into the box and gives it its look.
void richteEin(QPlainTextEdit* Text1, const QString& text, const Art& art);

} // namespace infoTextfeld
