#pragma once

#include <QString>

// The clipboard of the desktop. Every window puts its text there through
// here, so that tests can put a recorder in place of the real clipboard.
namespace zwischenablage {

class Ablage {
public:
    virtual ~Ablage() = default;
    // Empties the clipboard.
    virtual void leere() = 0;
    // Puts the text on the clipboard as plain text.
    virtual void setzeText(const QString& text) = 0;
};

// Replaces the real clipboard (nullptr puts it back). Returns the previous one.
Ablage* setzeAblage(Ablage* ablage);

void leere();
void setzeText(const QString& text);

} // namespace zwischenablage
