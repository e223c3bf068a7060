#pragma once

#include "ereignisse.h"

class QWidget;

namespace ereignis {

// The mouse moved over the control, with or without a button held. For a
// scrolling text box the moves over its text area count.
void mouseMove(QWidget* w, Handler h);

// The mouse moved over the control's own surface, not over one of the
// controls inside it (also when such a control passes its move on).
void mouseMoveFlaeche(QWidget* w, Handler h);

// A click on a control that is no button (a picture, a label): the left
// button let go over it.
void mouseClick(QWidget* w, Handler h);

} // namespace ereignis
