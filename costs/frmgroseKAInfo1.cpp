#include "frmgroseKAInfo1.h"

// The information text box and the link addresses live with the information windows.
#include "infoTextfeld.h"
#include "fenster.h"
#include "twips.h"

// The text, with lines of about 110 characters and an empty line between
// paragraphs.
static QString text()
{
    return QStringLiteral(
        "Manche Kläranlagen sind zu groß gebaut worden. Nach der aktuellen Rechtsprechung dürfen Kosten, die durch eine\r\n"
        "unverhältnismäßige Überdimensionierung entstanden sind, weder über Gebühren noch über Beiträge refinanziert\r\n"
        "werden. Sie müssen dann in aller Regel über Umlagen gedeckt werden.\r\n"
        "\r\n"
        "Die gute Nachricht: Diese Kosten sind meist viel geringer, als gemeinhin angenommen wird. Eine Kläranlage für\r\n"
        "30.000 EW, die 25,5 Mio € gekostet hat und nur zu 50 % ausgelastet ist, hat keineswegs eine Fehlinvestition\r\n"
        "von 50 %, also 12,75 Mio €, verursacht. Grob geschätzt sind hier nur rund 2,1 Mio € nicht gebührenfähig.\r\n"
        "\r\n"
        "Sind die nicht gebührenfähigen Kosten verhältnismäßig unbedeutend, ergeben weitere Investitionen, nur um die\r\n"
        "Anlage zu füllen, keinen Sinn. Meist ist es besser, diesen Betrag auf anderem Wege aufzubringen und die Anlage\r\n"
        "teilweise zurückzubauen.\r\n"
        "\r\n"
        "Eine genauere Berechnung, die die Relevanz der Abwassermenge, die Relevanz der Abwasserfracht und die\r\n"
        "Unterschiede bei den Betriebskosten berücksichtigt, erfordert eine interdisziplinäre Berechnung mit einer\r\n"
        "teilweisen Neuplanung der Anlage. Dafür stehen wir, Dorvent, Ihnen gern zur Verfügung. Das Verfahren wurde vor\r\n"
        "einem Jahr von einem Obergericht bestätigt, zum Teil auf der Grundlage eines Gutachtens aus unserem Haus. Das\r\n"
        "Urteil finden Sie im Internet über die Menüleiste dieses Fensters.\r\n"
        "\r\n"
        "Das Programm ermittelt zunächst die Reserve, die nicht zulässig ist. Die Rechtsprechung lässt Reserven von bis\r\n"
        "zu 20 % zu. Mehrkosten entstehen nur in bestimmten Teilen einer Anlage, während Erschließung, Betriebsgebäude\r\n"
        "sowie Mess-, Steuer- und Regeltechnik die Kosten bestimmen. Die Anlagenteile, die das Abwasser unmittelbar\r\n"
        "behandeln, machen nach Dizazo meist nur 30 % des gesamten einmaligen Aufwands aus. Die Erschließungskosten\r\n"
        "gelten als unabhängig von der Ausbaugröße.\r\n");
}

frmgroseKAInfo1::frmgroseKAInfo1(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    resize(twips(10425, 4365));
    infoTextfeld::richteEin(Text1, text(), infoTextfeld::erklaerung());
}
