#include "frmIndexInfo.h"

#include "farben.h"
#include "preisindizes.h"

// The information text box lives with the information windows.
#include "infoTextfeld.h"
#include "twips.h"

namespace {

// One paragraph a line; the box wraps them at its width.
const QString text = QStringLiteral(
    "Preisbasis 2003\r\n"
    "\r\n"
    "Das Programm rechnet Baupreise von Kläranlagen und von Ortskanälen aus einem zurückliegenden Ausschreibungs- "
    "oder Referenzjahr auf die Preisbasis 2003 hoch. Dazu verwendet es für jedes Jahr einen festen Faktor, der "
    "aus den Baupreisindizes abgeleitet ist. Die Preissteigerung von Mitte 2002 bis Ende 2003 wurde für den "
    "Kläranlagenbau auf 1,5 % und für den Kanalbau auf 1 % geschätzt. Alle Faktoren stehen in der Tabelle links.\r\n"
    "\r\n"
    "Investitionen, die früher in DM abgerechnet wurden, rechnet das Programm auf Wunsch zuerst in Euro um "
    "(1 € = 1,95583 DM).\r\n"
    "\r\n"
    "Die Art des Bauwerks muss gewählt werden, weil sich die Preise im Kläranlagenbau und im Kanalbau "
    "unterschiedlich entwickelt haben.\r\n"
    "\r\n"
    "So gehen Sie vor:\r\n"
    "1. Wählen Sie unter „Bauwerk“ die Art des Bauwerks.\r\n"
    "2. Wählen Sie unter „Investkosteneingabe in“ die Währung, in der Sie die Kosten eingeben.\r\n"
    "3. Geben Sie das Ausschreibungsjahr (Basisjahr) ein.\r\n"
    "4. Geben Sie die Investitionskosten ein. Die Ergebnisse erscheinen schon während der Eingabe.\r\n"
    "\r\n"
    "Danach stehen ein Textfeld für einen Titel und eines für Notizen bereit, etwa zur Herkunft der Daten. "
    "Mit „Neues Ausschreibungsjahr“ beginnen Sie eine neue Berechnung. Den Text dieses Fensters können Sie "
    "markieren und kopieren.\r\n"
    "\r\n"
    "Beispiel: Eine Kläranlage wurde 1992 für 1000.000 DM ausgeschrieben. Umgerechnet sind das 511.291,88 €. "
    "Mit dem Faktor 1,108 ergeben sich auf der Preisbasis 2003 Investitionskosten von 566.511,40 €.\r\n"
    "\r\n"
    "Lurmisch, 27.08.2002\r\n");

} // namespace

frmIndexInfo::frmIndexInfo(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    resize(twips(14325, 8805));
    Picture1->setzeBild(preisindizes::bildgroesse(), preisindizes::zeichne);
    infoTextfeld::Art art;
    art.gesperrt = false;
    art.arial9 = false;
    art.hintergrund = farben::hellgelb;
    infoTextfeld::richteEin(Text1, text, art);
}
