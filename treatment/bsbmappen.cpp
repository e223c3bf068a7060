#include "bsbmappen.h"

namespace bsbMappe {

std::unique_ptr<Arbeitsblatt> erzeuge(Art art)
{
    using F = Arbeitsblatt::Format;
    auto b = std::make_unique<Arbeitsblatt>(QStringLiteral("Tabelle 1"));
    const QString stufe = QStringLiteral("Gesamter Sauerstoffverbrauch der ersten Stufe (Kohlenstoffabbau)");
    const QString faktor = QStringLiteral("Temperatur-faktor");

    // Left block: percent of the ultimate BOD.
    b->text("A1", QStringLiteral("Tage"));
    b->text("B1", QStringLiteral("Temperatur"));
    b->reihe("B2:G2", 5, 5);
    b->format("B2:G2", F::Grad);
    b->reihe("A3:A32", 1, 1);
    b->formel("B3:G32", "$B$38*(1-(10^(-B$36*$A3)))");
    b->format("B3:G32", F::EineStelle);
    b->text("A34", stufe);
    b->formel("B35", "B38/100");
    b->format("B35", F::Prozent);
    b->text("A36", QStringLiteral("k1"));
    b->formel("E36", "M36"); // k1 at 20 °C
    b->format("E36", F::ZweiStellen);
    // k1 at the column's temperature
    b->formel("B36:D36", "$E$36*(1.047^(B2-20))");
    b->formel("F36:G36", "$E$36*(1.047^(F2-20))");
    b->format("B36:D36", F::DreiStellen);
    b->format("F36:G36", F::DreiStellen);
    b->text("A38", QStringLiteral("L"));
    b->zahl("B38", 100);
    b->formel("B41:G41", "1+0.02*(B2-20)");
    b->text("A43", faktor);
    b->formel("B43:G43", "1+(0.02*(B2-20))");

    // Right block: mg/l.
    b->text("I1", QStringLiteral("Tage"));
    b->text("J1", QStringLiteral("Temperatur"));
    b->reihe("J2:O2", 5, 5);
    b->format("J2:O2", F::Grad);
    b->reihe("I3:I32", 1, 1);
    b->formel("J3:O32", "$J$38*(1-(10^(-J$36*$I3)))");
    b->format("J3:O32", F::EineStelle);
    b->text("I34", stufe);
    b->formel("J35", art == Art::Absolut ? "$J$38" : "$J$40");
    b->format("J35", F::MgBsbJeL);
    b->text("I36", QStringLiteral("k1"));
    b->zahl("M36", 0.1);
    b->format("M36", F::ZweiStellen);
    b->formel("J36:L36", "$M$36*(1.047^(J2-20))");
    b->formel("N36:O36", "$M$36*(1.047^(N2-20))");
    b->format("J36:L36", F::DreiStellen);
    b->format("N36:O36", F::DreiStellen);
    // The ultimate BOD: the BOD5 over the share degraded in five days at 20 °C.
    b->text("I38", QStringLiteral("L"));
    b->formel("J38", "J40*100/E7");
    b->text("I39", QStringLiteral("99 % L"));
    b->formel("J39", "J38*0.99");
    b->text("I40", QStringLiteral("BSB5"));
    b->zahl("J40", 25);
    b->text("I43", faktor);
    b->formel("J43:O43", "1+(0.02*(J2-20))");

    // Carbon to oxygen, below the blocks.
    b->text("A50", QStringLiteral("C "));
    b->text("B50", QStringLiteral("O2"));
    b->formel("A51", "12.0107");
    b->formel("B51", "2*15.9994");
    b->formel("C51", "A51/B51");
    b->zahl("B52", 1.4624752955742646);
    b->formel("A52", "B52*C51");

    if (art == Art::Relativ)
        b->formel("T10", "1/E7");

    // The marking: 99 % of the ultimate BOD passed.
    b->markiereUeber("B3:G32", 99);
    b->markiereUeber("J3:O32", "J39");

    // The absolute workbook shows its right block; of the relative one's
    // stored range A1:P142 the left block.
    b->zeige(art == Art::Absolut ? "I1:O46" : "A1:G46");
    b->berechne();
    return b;
}

} // namespace bsbMappe
