// The angle window: a value typed, then the options that say what it is.
#include "ablauf.h"
#include "frmWinkel.h"

class TestWinkel : public QObject {
    Q_OBJECT

private slots:
    // Name | value | options clicked one after the other | box, arc tangent,
    // arc cosine, degrees, gon | "a" the value out of range, "z" no number.
    void winkel_data()
    {
        spalten();
        const QStringList namen{"txtBetrag", "lblATn", "lblArkuskosinus", "lblAlphaGrad", "lblAlphaGon"};
        const QString a = "Eingabefehler:  | Eingabefehler - Wert außerhalb des gültigen Wertebereiches";
        const QString z = fehler(Fehler::Typen, "Tippfehler - bitte eine Zahl eingeben");
        for (const char* zeile :
             {"sinus 0,5|0,5|1|0,5;0,4636 ;;30,00;33,33|", "sinus 1|1|1|0,99999999999999;0,7854 ;;90,00;100,00|",
              "kosinus 0|0|2|0;0,0000 ;1,5707963267949;90,00;100,00|",
              "kosinus 0,5|0,5|2|0,5;0,4636 ;1,0471975511966;60,00;66,67|",
              "sinus nach kosinus|0,5|21|0,5;0,4636 ;1,0471975511966;30,00;33,33|",
              "tangens nach sinus|0,5|13|0,5;0,4636 ;;26,57;29,52|", "tangens -1|-1|3|-1;-0,7854 ;;-45,00;-50,00|",
              "kotangens 0|0|4|0;0,0000 ;;90,00;100,00|", "kotangens -1|-1|4|-1;-0,7854 ;;135,00;150,00|",
              "sinus 2|2|1|2;1,1071 ;;;|a", "sinus -1|-1|1|-1;-0,7854 ;;;|a", "kosinus 1|1|2|1;0,7854 ;;;|a",
              "kosinus -3|-3|2|-3;-1,2490 ;;;|a", "leer||3|;;;;|z", "text|abc|4|abc;;;;|z"}) {
            const QStringList t = QString::fromUtf8(zeile).split(u'|');
            QStringList schritte{"txtBetrag=" + t[1]}, soll;
            for (const QChar o : t[2])
                schritte << QStringLiteral("Option%1!").arg(o);
            soll = je(namen.join(u' '), t[3]).split(u';');
            QTest::newRow(qPrintable(t[0])) << schritte << soll << QStringList(!t[4].isEmpty(), t[4] == u"a" ? a : z);
        }
    }
    void winkel() { zeile<frmWinkel>(); }

    // Values of fourteen digits and more, in sight whole: the box after the
    // sine of 1 was written back, the arc cosine of a value close to 1.
    void grosseWerte_data()
    {
        spalten();
        reihe("sinus 1", "txtBetrag=1;Option1!", "txtBetrag=0,99999999999999;txtBetrag.ganz=ja");
        reihe("kosinus 0,5", "txtBetrag=0,5;Option2!", "lblArkuskosinus=1,0471975511966;lblArkuskosinus.ganz=ja");
        reihe("kosinus fast 1", "txtBetrag=0,99999999999999;Option2!",
              "lblArkuskosinus=1,4136482739957E-07;lblArkuskosinus.ganz=ja;txtBetrag.ganz=ja");
    }
    void grosseWerte() { zeile<frmWinkel>(); }
};

QTEST_MAIN(TestWinkel)
#include "tst_frmWinkel.moc"
