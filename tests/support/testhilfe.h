#pragma once

#include "drucker.h"
#include "mdlInternet.h"
#include "meldung.h"
#include "zwischenablage.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <type_traits>

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

// Stands in for the printer: records each page instead of printing it, and
// answers as told (a missing printer, say).
class DruckRecorder : public drucker::Drucker {
public:
    QList<drucker::Seite> seiten;
    drucker::Ergebnis ergebnis = drucker::Ergebnis::Gedruckt;
    drucker::Ergebnis drucke(const drucker::Seite& seite) override
    {
        if (ergebnis == drucker::Ergebnis::Gedruckt)
            seiten.append(seite);
        return ergebnis;
    }
};

// Puts the recorders in place for its lifetime, gives the program its look,
// and fails the running test on any modal window that appears anyway (it is
// closed, so the test cannot hang).
class Testumgebung {
public:
    Testumgebung();
    ~Testumgebung();
    MeldungsRecorder meldungen;
    LinkRecorder links;
    AblageRecorder ablage;
    DruckRecorder drucker;
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

// Lets posted events run (layouts, repaints) until nothing is left.
void ruhe();

// Empty when the field's text is in sight whole: the field as high as its
// text, a label as wide as Qt says its text needs, a box's text area as wide as its text, and no frame or
// window around the field cutting it; else what cuts it.
QString nichtGanz(const QWidget* feld);
// Empty when no frame or window around the field cuts it; else which one.
QString abgeschnitten(const QWidget* feld);

// Closes every window of the program and destroys it.
void alleSchliessen();

class QAbstractButton;

// Clicks a button with the mouse where a user would: on the indicator of an
// option button, in the middle of a command button.
void klicke(QAbstractButton* b);

// A stand-in control without a window, deleted with the test environment.
void merkeErsatz(QObject* o);

// The named control of a window. When there is none the running test fails
// and a stand-in control is returned, so that the rest of the test program
// still runs.
template <class T>
T* kind(QWidget* fenster, const char* name)
{
    T* k = fenster ? fenster->findChild<T*>(QString::fromUtf8(name)) : nullptr;
    if (k)
        return k;
    QTest::qFail(qPrintable(QStringLiteral("Steuerelement %1 fehlt").arg(QString::fromUtf8(name))), __FILE__, __LINE__);
    // Hidden; it goes with the window, or with the test environment.
    T* ersatz = new T(fenster);
    if constexpr (std::is_base_of_v<QWidget, T>)
        ersatz->hide();
    if (!fenster)
        merkeErsatz(ersatz);
    return ersatz;
}
