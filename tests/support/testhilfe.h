#pragma once

#include "mdlInternet.h"
#include "meldung.h"
#include "zwischenablage.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QWidget>

class QLineEdit;
class QMainWindow;


// Stands in for the message box: records each box instead of showing it.
struct Box {
    QString text;
    QString titel;
    int stil = 0;
};

class MeldungsRecorder : public meldung::Anzeige {
public:
    QList<Box> boxen;
    int antwort = meldung::Ok;
    int zeige(const QString& text, const QString& titel, int stil) override
    {
        boxen.append({text, titel, stil});
        return antwort;
    }
};

class LinkRecorder : public mdlInternet::Oeffner {
public:
    QStringList links;
    int oeffne(const QString& link) override
    {
        links.append(link);
        return 2; // as if nothing could open it
    }
};

// Stands in for the clipboard: records what a window does with it.
class AblageRecorder : public zwischenablage::Ablage {
public:
    QStringList schritte;
    void leere() override { schritte.append(QStringLiteral("<leer>")); }
    void setzeText(const QString& text) override { schritte.append(text); }
};

// Puts the recorders in place for its lifetime, and fails the test on any
// modal window that appears anyway (it is closed, so the test cannot hang).
class Testumgebung {
public:
    Testumgebung();
    ~Testumgebung();
    MeldungsRecorder meldungen;
    LinkRecorder links;
    AblageRecorder ablage;
    // Set when a modal window had to be closed by force.
    QString unerwartet;

private:
    QTimer m_waechter;
};

// The input error message as the recorder sees it.
QString eingabefehlerText(const QString& beschreibung, const QString& text);

// Key by key, as a user types, also characters that QTest::keyClicks cannot
// send (umlauts, €).
void tippe(QWidget* w, const QString& text);
// Selects everything in the box and types the text over it.
void ersetze(QLineEdit* box, const QString& text);

// Closes every window of the program and destroys it.
void alleSchliessen();

// The main window, as the program shows it.
QMainWindow* neuesHauptfenster();

class QAbstractButton;

// Clicks a button with the mouse where a user would: on the indicator of an
// option button, in the middle of a command button.
void klicke(QAbstractButton* b);

// The named control of a window; fails the test when there is none.
template <class T>
T* kind(QWidget* fenster, const char* name)
{
    T* k = fenster ? fenster->findChild<T*>(QString::fromUtf8(name)) : nullptr;
    if (!k)
        qFatal("control %s is missing", name);
    return k;
}
