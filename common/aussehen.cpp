#include "aussehen.h"

#include "ereignisse.h"
#include "farben.h"
#include "zahlfeld.h"

#include <QApplication>
#include <QBrush>
#include <QColor>
#include <QFile>
#include <QFont>
#include <QRegularExpression>
#include <QStyle>
#include <QVariant>
#include <QWidget>

namespace aussehen {
namespace {

// A control that the style sheet has set up takes a change of its state or
// its palette only when it is set up again. Setting up again brings back the
// palette the control had at first, and gives it the application's font
// instead of the one it took from its window (under a style sheet a control
// inherits no font once it is set up), so the font it showed is kept. A
// control not yet set up needs none of this: its first setting up sees the
// change.
template <class Aenderung>
void richteNeuEin(QWidget* w, Aenderung aenderung)
{
    if (!w->testAttribute(Qt::WA_WState_Polished)) {
        aenderung();
        return;
    }
    const QFont schrift = w->font();
    w->style()->unpolish(w);
    aenderung();
    w->style()->polish(w);
    if (w->font() != schrift)
        w->setFont(schrift);
    w->update();
}

void setze(QWidget* w, const char* eigenschaft, const QVariant& wert)
{
    if (w->property(eigenschaft) == wert)
        return;
    richteNeuEin(w, [&] { w->setProperty(eigenschaft, wert); });
}

} // namespace

QString stilblatt()
{
    QFile datei(QStringLiteral(":/kelmo.qss"));
    if (!datei.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QString stil = QString::fromUtf8(datei.readAll());
    // Each "@name" becomes the colour of that name in the table; a name the
    // table lacks stays as it is, and Qt drops its rule.
    static const QRegularExpression platzhalter(QStringLiteral("@([a-z]+)"));
    QString ergebnis;
    qsizetype bis = 0;
    for (const QRegularExpressionMatch& m : platzhalter.globalMatch(stil)) {
        ergebnis += QStringView(stil).mid(bis, m.capturedStart() - bis);
        QString ersatz = m.captured(0);
        for (const farben::Farbe& f : farben::tabelle)
            if (QLatin1String(f.name.data(), qsizetype(f.name.size())) == m.captured(1))
                ersatz = QStringLiteral("rgb(%1, %2, %3)").arg(qRed(f.wert)).arg(qGreen(f.wert)).arg(qBlue(f.wert));
        ergebnis += ersatz;
        bis = m.capturedEnd();
    }
    ergebnis += QStringView(stil).mid(bis);
    return ergebnis;
}

void anwenden()
{
    qApp->setStyleSheet(stilblatt());
    zahlfeld::einrichten();
    ereignis::tastaturRegeln();
}

void setzeRolle(QWidget* w, const char* rolle)
{
    // Without a role the control has no such property at all.
    const QString r = QString::fromLatin1(rolle);
    setze(w, "rolle", r.isEmpty() ? QVariant() : QVariant(r));
}

void warnung(QWidget* w, bool an)
{
    setze(w, "warnung", an ? QStringLiteral("an") : QStringLiteral("zurueck"));
}

void rosa(QWidget* w, bool an)
{
    if (w->property("rosa").toBool() == an)
        return;
    // A control with a role takes the pink from the style sheet. Any other
    // has it in its palette, which the style sheet leaves alone, so that a
    // frame of the platform's own keeps its shades; off, the palette gets
    // back the background it had.
    const QPalette::ColorRole grund[] = {QPalette::Window, QPalette::Base};
    richteNeuEin(w, [&] {
        w->setProperty("rosa", an);
        QPalette p = w->palette();
        if (an)
            w->setProperty("rosaVorher", QVariant::fromValue(p));
        const QPalette vorher = w->property("rosaVorher").value<QPalette>();
        for (const QPalette::ColorRole r : grund)
            for (const auto g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
                p.setBrush(g, r, an ? QBrush(farben::rosa) : vorher.brush(g, r));
        w->setPalette(p);
    });
}

void farbe(QWidget* w, QPalette::ColorRole rolle, const QColor& farbe)
{
    // Put in between, the colour is part of the palette that setting up
    // again brings back.
    richteNeuEin(w, [&] {
        QPalette p = w->palette();
        p.setColor(rolle, farbe);
        w->setPalette(p);
    });
}

void grund(QWidget* w, const QColor& farbe)
{
    // Set straight into the palette: setting the control up again would
    // redraw the rounded corners of a box in the old colour.
    QPalette p = w->palette();
    for (const auto gruppe : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(gruppe, QPalette::Base, farbe);
        p.setColor(gruppe, QPalette::Window, farbe);
    }
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void grund(QWidget* w, QPalette::ColorRole systemfarbe)
{
    grund(w, QApplication::palette().color(systemfarbe));
}

void eigenerStil(QWidget* w, const QString& stil)
{
    const QFont schrift = w->font();
    w->setStyleSheet(stil);
    if (w->font() != schrift)
        w->setFont(schrift);
}

} // namespace aussehen
