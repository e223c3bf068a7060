#include "frmgroseKAInfo2.h"

// The information text box and the link addresses live with the information windows.
#include "infoTextfeld.h"
#include "fenster.h"
#include "twips.h"

// The text, with lines of about 110 characters and an empty line between
// paragraphs.
static QString text()
{
    return QStringLiteral(
        "Die Eingabefelder haben einen weißen Hintergrund, die Ausgabefelder einen hellgelben; in die Ausgabefelder\r\n"
        "kann nichts eingegeben werden. Die Schaltfläche „Beispiel“ trägt Beispieldaten ein und rechnet sofort,\r\n"
        "„Berechnung“ rechnet mit Ihren eigenen Zahlen.\r\n"
        "\r\n"
        "Ein Beispiel: Eine Kläranlage ist für 30.000 EW gebaut worden und hat brutto 25,5 Mio € gekostet.\r\n"
        "Mittelfristig und real angeschlossen sind 15.000 EW; spekulative Anschlüsse dürfen nicht angesetzt werden. Die\r\n"
        "vorhandene Reserve beträgt also 15.000 EW oder 50 %.\r\n"
        "\r\n"
        "Zulässig ist aber nur eine Reserve von 20 %. Voll gebührenfähig wäre deshalb eine Anlage für 18.750 EW,\r\n"
        "gerundet 18,8 TEW: Der reale Anschluss von 15.000 EW macht davon 80 % aus, die Reserve von 3.750 EW die\r\n"
        "zulässigen 20 %. Das Programm zeigt außerdem die zulässige Reserve bei der realisierten Ausbaugröße an, hier\r\n"
        "20 % von 30.000 EW, also 6,0 TEW. Die zulässige Reserve können Sie im Fenster ändern.\r\n"
        "\r\n"
        "Mit der Ausbaugröße ändern sich nur die Anlagenteile, in deren Bemessung die Fracht oder die Menge eingeht.\r\n"
        "Ihr Anteil ist nach Dizazo mit 30 % anzusetzen, wenn der tatsächliche Wert nicht bekannt ist. Die spezifischen\r\n"
        "Kosten sinken mit der Ausbaugröße (Kostendegression); der Degressionskoeffizient für Kläranlagen beträgt 0,7.\r\n"
        "Wer sich eingehender damit befassen möchte, findet in der Fachliteratur zur Kostendegression von Kläranlagen\r\n"
        "weitere Hinweise.\r\n"
        "\r\n"
        "Die last- und mengenabhängigen Anlagenteile der Anlage für 30.000 EW kosten 7,65 Mio € (30 % von 25,5 Mio €,\r\n"
        "im Fenster gerundet 7,7 Mio €). Für 18.750 EW errechnet das Programm 5,5 Mio €. Nicht gebührenfähig sind damit\r\n"
        "2,1 Mio €; kleine Abweichungen in den Zwischenergebnissen entstehen durch das Runden. Das sind nur 8,4 % der\r\n"
        "Gesamtkosten.\r\n"
        "\r\n"
        "Drei Umstände mindern also den Schaden: Eine gewisse Unterauslastung ist zulässig, die Kosten sinken wegen der\r\n"
        "Degression nicht im gleichen Maß wie die Ausbaugröße, und die last- und mengenabhängigen Anlagenteile machen\r\n"
        "nur etwa 30 % der Investition aus.\r\n"
        "\r\n"
        "Unterschiede zum Beispiel beim Betriebsgebäude zwischen einer Anlage für 15.000 EW und einer für 30.000 EW\r\n"
        "sind von den Gerichten bisher nicht bewertet worden.\r\n");
}

frmgroseKAInfo2::frmgroseKAInfo2(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    resize(twips(10425, 5625));
    infoTextfeld::richteEin(Text1, text(), infoTextfeld::erklaerung());
}
