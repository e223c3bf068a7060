// The floor outflow window: the unlocking, the outflow, the error blocks and the handlers without one.
#include "ablauf.h"
#include "frmhyAusfluss.h"
#include "texte.h"
#include "zahlfeld.h"

class TestAusfluss : public QObject {
    Q_OBJECT

    // Read after the window was painted (the mark is set when the field is
    // drawn); besides the controls, "name.drin" whether the field lies inside
    // each frame around it and the window ("ja", or what cuts it),
    // "name.marke" whether it shows the mark.
    static QString lies(frmhyAusfluss* w, Testumgebung&, const QString& s)
    {
        ruhe();
        w->repaint();
        const QString name = s.section(u'=', 0, 0), art = name.section(u'.', 1);
        if (art != u"drin" && art != u"marke")
            return stand(w, {s})[0];
        const QWidget* f = kind<QWidget>(w, qPrintable(name.section(u'.', 0, 0)));
        if (art == u"marke")
            return name + (zahlfeld::markiert(f) ? "=ja" : "=nein");
        const QString schnitt = abgeschnitten(f);
        return name + u'=' + (schnitt.isEmpty() ? QStringLiteral("ja") : schnitt);
    }

private slots:
    void rechnen_data()
    {
        spalten();
        const QString d38 = "Option2!;txtAnzahl+16;txtDurchmesser+38", h100 = d38 + ";txth+100";
        const QString beispiel = "txtFläche=0,01815 ;lblÄquiDN=152;lblAusflussjeÖffnung=1,0 ;lblQm3s=0,01652 ;"
                                 "lblQls=16,5 ;lblQm3h=59,5 ;lblAusflussmenge=9,9";
        const QStringList unveraendert{fehler(Fehler::Typen, texte::werteUnveraendert)};
        reihe("freigabe", "Option2!", "@txtFläche=an;@txth=aus;@Listmue=aus");
        reihe("16 x 38 mm, 100 mm", h100, beispiel + ";@Option1=aus;@Listmue=an");
        reihe("eine öffnung", "Option1!;txtDurchmesser+38",
              "txtAnzahl=1;@txtAnzahl=aus;txtFläche=0,00113 ;lblÄquiDN=38");
        reihe("fläche ohne anzahl", "Option2!;txtFläche+1",
              "txtFläche=0;txtDurchmesser=", {fehler(Fehler::Typen, texte::wertAuf0)});
        reihe("fläche mit anzahl", "Option2!;txtAnzahl+16;txtFläche+0,01",
              "txtDurchmesser=28,20945 ;lblÄquiDN=113;@txth=an");
        reihe("fläche nach durchmesser", d38 + ";txtFläche=0,01", "txtDurchmesser=28,20945 ;lblÄquiDN=113");
        reihe("anzahl nach durchmesser", d38 + ";txtAnzahl=8;txth+5", "txtFläche=0,00907 ;lblÄquiDN=107;lblQls=1,8 ");
        reihe("buchstaben in der anzahl", h100 + ";txtAnzahl=x", beispiel, unveraendert);
        reihe("buchstaben, dann liste", h100 + ";txtAnzahl=x;Listmue>0,80", beispiel + ";lblMue=0,80",
              unveraendert + unveraendert);
        reihe("schieber, schächte ohne zahl", h100 + ";txtAnzahlSchächte:x;HScroll1>30",
              "txtAusflusszeit=30;lblAusflussmenge=9,9", unveraendert);
        reihe("liste", h100 + ";Listmue>0,80", "lblAusflussjeÖffnung=1,3 ;lblQls=20,3 ;lblAusflussmenge=12,2");
        reihe("liste ohne wassersäule", d38 + ";Listmue>0,80", "lblMue=0,80;lblQls=");
        reihe("schieber", h100 + ";HScroll1>30", "txtAusflusszeit=30;lblAusflussmenge=29,7");
        reihe("schächte vor dem ausfluss", "txtAnzahlSchächte=3", "lblAusflussmenge=0,0");
        reihe("schächte leer, zeit getippt", "txtAnzahlSchächte:;txtAusflusszeit+5",
              "txtAusflusszeit=1;txtAnzahlSchächte=", {fehler(Fehler::Typen, texte::wertAuf1)});
        reihe("negative wassersäule", h100 + ";txth:-5;txth~", beispiel + ";txth=0",
              {fehler(Fehler::UngueltigesArgument, texte::wertAuf0)});
        reihe("negative wassersäule, dann richtig", d38 + ";txth:-100;txth~;txtDurchmesser~;txth=100", beispiel,
              {fehler(Fehler::UngueltigesArgument, texte::wertAuf0)});
        reihe("schieber per tastatur", h100 + ";txtAusflusszeit⇥;~Right",
              "#fokus=HScroll1;HScroll1.value=1;txtAusflusszeit=1;lblAusflussmenge=1,0");
    }
    void rechnen() { zeile<frmhyAusfluss>(); }

    // Besides the controls, "Label5.zeilen" is the number of lines a caption takes at its width,
    // "Label11.unter" where a label stands against lblMue ("mittig" below its middle).
    static QString liesAussehen(frmhyAusfluss* w, Testumgebung& u, const QString& s)
    {
        const QString n = s.section(u'=', 0, 0);
        auto* l = w->findChild<QLabel*>(n.section(u'.', 0, 0));
        if (n.endsWith(".zeilen")) {
            const QFontMetrics fm(l->font());
            const int h = fm.boundingRect(l->contentsRect(), l->wordWrap() ? Qt::TextWordWrap : 0, l->text()).height();
            return n + u'=' + QString::number(h / fm.lineSpacing());
        }
        if (n.endsWith(".unter")) {
            const auto mitteX = [w](const QWidget* x) { return x->mapTo(w, x->rect().center()).x(); };
            const int mitte = mitteX(l), soll = mitteX(w->lblMue);
            const bool darunter = l->mapTo(w, QPoint()).y() >= w->lblMue->mapTo(w, QPoint(0, w->lblMue->height())).y();
            return n + u'=' + (mitte == soll && darunter ? "mittig" : QString::number(mitte - soll));
        }
        return Eigenes<frmhyAusfluss>{}.lesen(w, u, s);
    }
    void aussehen_data()
    {
        spalten();
        reihe("gewählt unter dem beiwert", "", "Label11=gewählt;Label11.unter=mittig");
        reihe("fläche in einer zeile", "Option2!", "Label5.zeilen=1");
    }
    void aussehen() { zeile<frmhyAusfluss>({}, {.lesen = liesAussehen}); }

    // A water column of 1E200: each result keeps its full text, lies inside
    // its frame and the window, and the outflow shows the mark with the whole
    // text as tooltip.
    void grosseWerte_data()
    {
        spalten();
        const QString namen = "lblAusflussjeÖffnung lblQls lblQm3s lblQm3h lblAusflussmenge";
        QString drin;
        for (const QString& n : namen.split(u' '))
            drin += u';' + n + ".drin=ja";
        const QString menge = "9.912.704.988.896.030" + QString(".000").repeated(28) + ",0";
        reihe("wassersäule 1E200", "Option2!;txtAnzahl+16;txtDurchmesser+38;txth:1E200;txth~",
              "lblQls=16.521.174.981.493.400" + QString(".000").repeated(28) + ",0 ;lblAusflussmenge=" + menge
                  + ";lblAusflussmenge.marke=ja;lblAusflussmenge.toolTip=" + menge + drin + ";txth.ganz=ja");
    }
    void grosseWerte() { zeile<frmhyAusfluss>({}, {.lesen = lies}); }
};

QTEST_MAIN(TestAusfluss)
#include "tst_frmhyAusfluss.moc"
