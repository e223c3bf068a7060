#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QAbstractButton;
class QKeyEvent;
class QLineEdit;
class QRadioButton;
class QScrollBar;
class QWidget;

// The small event rules every window shares. Each handler runs guarded: a
// runtime error that its own error block does not catch never ends the
// program but is shown as a message box with the program's title.
namespace ereignis {

using Handler = std::function<void()>;

// A key released in the control, whatever the key; auto-repeat is ignored.
void keyUp(QWidget* w, Handler h);
// A key pressed in the control, with its character code (Enter = 13,
// Backspace = 8, Escape = 27). Runs before the control takes the key. Tab
// and Shift+Tab move the focus and are no characters: they are not handed on.
void keyPress(QWidget* w, std::function<void(int zeichen)> h);
// A key pressed in the control that the handler may turn away: when it
// returns false, neither the key nor its release reaches the control, so no
// key release handler runs for it. Install it after the control's keyUp.
void keyPress(QWidget* w, std::function<bool(const QKeyEvent* taste)> annehmen);
// The character code of a pressed key, as keyPress hands it on (0 for a key
// that produces no character: a cursor key, Shift).
int zeichen(const QKeyEvent* k);
// The text changed, by typing or from code (only when it really changed).
void change(QLineEdit* w, Handler h);
// A command button was clicked.
void click(QAbstractButton* b, Handler h);
// An option button was chosen: by the user (also when it was already the
// selected one) or from code.
void click(QRadioButton* b, Handler h);
// The scroll bar's value changed.
void change(QScrollBar* s, Handler h);

// Runs a handler so that no runtime error escapes it.
void geschuetzt(const Handler& h);

// When an error block resets: before its message (most windows) or after it.
enum class Reihenfolge { RuecksetzenZuerst, MeldungZuerst };

// The error block of a handler: runs its steps and stops at the first runtime
// error; what was written before stays. Then the reset runs and the input
// error message is shown (or the other way round).
void fehlerblock(const Handler& schritte, const Handler& ruecksetzen, const QString& text,
                 const QString& titel = QStringLiteral("Eingabefehler"),
                 Reihenfolge reihenfolge = Reihenfolge::RuecksetzenZuerst);

// The release of this key, pressed to close a message box, is not passed on:
// it would reach the input box below as a new key release.
void verschluckeLoslassen(int taste);

// The keyboard rules of every window, for the whole program (installed once
// with the look; later calls change nothing):
// - Enter and keypad Enter press a focused command button as Space does
//   (down on the press, clicked on the release); the windows have no
//   default button that Enter would otherwise go to. Buttons of a dialog
//   keep their own Enter, and Enter in a text box is left to its window.
// - Right and Left move a horizontal scroll bar the way they point, one
//   step to the larger or the smaller value.
// - Tab and Shift+Tab in a multi-line box that hands Tab on are never typed
//   into it, also when the window has no other control to go to.
void tastaturRegeln();

// Watches the controls it is installed on for a key that is pressed there but
// not yet let go (the key that closes a box or chooses a menu item), and
// hands its release to verschluckeLoslassen when asked.
class GehalteneTaste : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override;
    // Swallows the release of the key still held, if any.
    void verschlucke();

private:
    int m_taste = 0;
};

} // namespace ereignis
