#include "meldung.h"

#include "ereignisse.h"
#include "laufzeitfehler.h"
#include "naht.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace meldung {
namespace {

class EchteBox : public Anzeige {
public:
    int zeige(const QString& text, const QString& titel, int stil) override
    {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        switch (stil & 0x70) {
        case Kritisch: icon = QMessageBox::Critical; break;
        case Frage: icon = QMessageBox::Question; break;
        case Ausrufezeichen: icon = QMessageBox::Warning; break;
        case Information: icon = QMessageBox::Information; break;
        default: break;
        }
        QString anzeige = text;
        anzeige.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QMessageBox mb(icon, titel, anzeige, QMessageBox::NoButton, QApplication::activeWindow());
        mb.setTextFormat(Qt::PlainText);
        QPushButton* ja = nullptr;
        if ((stil & 0x0f) == JaNein) {
            ja = mb.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
            mb.setDefaultButton(ja);
            mb.setEscapeButton(mb.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole));
        } else {
            mb.setDefaultButton(mb.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole));
            mb.setEscapeButton(mb.defaultButton());
        }
        // The key that closes the box is let go over the input box below.
        ereignis::GehalteneTaste offen;
        mb.installEventFilter(&offen);
        for (QWidget* w : mb.findChildren<QWidget*>())
            w->installEventFilter(&offen);
        mb.exec();
        offen.verschlucke();
        if (ja)
            return mb.clickedButton() == ja ? Ja : Nein;
        return Ok;
    }
};

EchteBox echteBox;
Naht<Anzeige> aktuelle(echteBox);

} // namespace

Anzeige* setzeAnzeige(Anzeige* anzeige)
{
    return aktuelle.setze(anzeige);
}

int box(const QString& text, const QString& titel, int stil)
{
    return aktuelle->zeige(text, titel.isEmpty() ? programmTitel : titel, stil);
}

void eingabefehler(const Laufzeitfehler* fehler, const QString& text, const QString& titel)
{
    const QString beschreibung = fehler ? fehler->beschreibung() : QString();
    box(beschreibung + QStringLiteral("\r\n") + text, titel, NurOk);
}

void warnung(const QString& text, const QString& titel)
{
    eingabefehler(nullptr, text, titel);
}

} // namespace meldung
