// The BOD degradation window, driven as a user does, with its two sheets.
#include "ablauf.h"
#include "arbeitsblatt.h"
#include "blattansicht.h"
#include "frmBSB.h"

class TestBSB : public QObject {
    Q_OBJECT

    static void schritt(frmBSB* w, Testumgebung&, const QString& s)
    {
        s == "tab" ? w->SSTab1->setCurrentIndex(1 - w->SSTab1->currentIndex()) : ::ablauf(w, {s});
    }
    static QString lies(frmBSB* w, Testumgebung&, const QString& s)
    {
        const QString n = s.section(u'=', 0, 0);
        QCoreApplication::processEvents(); // the layout follows the texts
        if (n.startsWith("G!"))
            return n + u'=' + ganz(w->findChild<Blattansicht*>(n.mid(2)));
        if (n == "Frame2")
            return n + u'='
                   + (w->Frame2->height() >= w->Frame2->minimumSizeHint().height()
                              && w->txtK1->height() >= w->txtK1->minimumSizeHint().height()
                              && w->Option5->height() >= w->Option5->minimumSizeHint().height()
                          ? "voll"
                          : "gestaucht");
        const int z = n.mid(3).toInt() - 1, sp = n[2].unicode() - 'A';
        const QAbstractItemModel* m = w->OLE1->model();
        const QModelIndex i = m->index(z, sp - 8);
        if (n.startsWith("S!"))
            return n + u'=' + w->OLE1->sichtbar(i.row(), i.column()).replace(QRegularExpression("^#+$"), "###");
        if (n.startsWith("V!"))
            return n + u'=' + i.data().toString() + (i.data(Qt::BackgroundRole).isValid() ? "*" : "")
                   + (i.flags() & (Qt::ItemIsEditable | Qt::ItemIsSelectable) ? "?" : "")
                   + (z ? QString()
                        : u' ' + m->headerData(i.column(), Qt::Horizontal).toString()
                              + QStringLiteral(" %1 %2").arg(m->rowCount()).arg(w->OLE2->model()->columnCount()));
        if (n.endsWith(".schrift")) {
            const QFont f = kind<QWidget>(w, qPrintable(n.chopped(8)))->font();
            return n + u'=' + f.family() + u' ' + QString::number(f.pointSizeF()) + (f.bold() ? " fett" : "");
        }
        if (n.endsWith(".da"))
            return n + (kind<QWidget>(w, qPrintable(n.chopped(3)))->rect().isEmpty() ? "=nein" : "=ja");
        return n[1] != u'!' ? stand(w, {s})[0] : n + u'=' + (n[0] == u'A' ? w->absolut() : w->relativ()).anzeige(z, sp);
    }

    // Whether the view shows its whole range, the last cell inside it and no scroll bar.
    static QString ganz(Blattansicht* v)
    {
        const QAbstractItemModel* m = v->model();
        const QRect letzte = v->visualRect(m->index(m->rowCount() - 1, m->columnCount() - 1));
        const bool leiste = v->horizontalScrollBar()->isVisible() || v->verticalScrollBar()->isVisible();
        return v->viewport()->rect().contains(letzte) && !leiste ? "ganz" : "abgeschnitten";
    }

private slots:
    // Steps of the row runner, "tab" the other page; besides the controls, "A!M36" is a cell of
    // the absolute sheet as shown, "R!E36" of the relative one, "V!M23" of the view (from column I:
    // "*" on the legend's grey, "?" if it can be edited or selected; in row 1 the column's header,
    // the view's rows and the other view's columns), "S!M23" the text the view shows in the cell
    // (any run of "#" as "###"), "G!OLE1" whether a view shows its whole range, "Frame2" whether the
    // k1 frame and its controls have their height; "name.da" whether the control has an area on the
    // page ("ja", "nein"), "name.schrift" its font ("Arial 12 fett").
    void ablauf_data()
    {
        spalten();
        const QString ergebnisse = "lblK1Temp lblY lblLgesRelativ lblBSBAbbaugrenze lblBSB25 lblAbbauzeit "
                                   "lblAbbauzeit9999 lblBSB5minusBSB lblZeitschwerabbaubarerBSB lblSchwerabbaubarTag "
                                   "lblNichtAbbaubar lblNichtAbbaubarProzent lblBSB5";
        const QStringList k1{fehler(Fehler::Typen, "Falsche Eingabe - Wert wird auf 0,1 gesetzt")},
            bsb5{fehler(Fehler::Typen, "Falsche Eingabe - Wert wird auf 25 gesetzt")},
            schutz{"Kelmo: Typen unverträglich | "};
        reihe("schriften: Arial 12, Label38 Arial Unicode MS", "tab;Command1!",
              QString("Label_BSB5 txtBSB5 Option5 Frame2 Command1 qt_tabwidget_tabbar lblY Label32 ")
                      .replace(u' ', ".schrift=Arial 12;")
                  + "lblTemp.schrift=Arial 12 fett;Label38.schrift=Arial Unicode MS 12 fett");
        reihe("blattansicht", "", "V!I1=Tage I 46 7;V!M23=36,3*;V!M22=36,2");
        // Both sheets show their range whole at the window's size; a number too wide for its column
        // fills it with "#", and the sheet's columns do not narrow the k1 frame.
        reihe("blatt ganz zu sehen", "tab", "G!OLE1=ganz;S!J38=36,56188239;S!J40=25;S!K3=4,9;Frame2=voll");
        reihe("relatives blatt ganz zu sehen", "", "G!OLE2=ganz");
        reihe("ergebnisse da: k1-rahmen voll", "tab;Command1!", "Frame2=voll;lblY=0,684 ");
        reihe("BSB5 1E12: ### statt ziffern", "tab;txtBSB5=1000000000000",
              "S!K3=###;S!M23=###;S!M36=0,10;G!OLE1=ganz;Frame2=voll;lblBSB5=1.000.000.000.000,0 ");
        reihe("design, Command1", "Command1!",
              je(ergebnisse, "0,100 ;0,684 ;1,462 ;36,6 ;36,4;20,0 ;40,0 ;11,6 ;15,0 ;0,8 ;163,4 ;81,7 ;25,0 ")
                  + ";A!J35=37 mg BSB/l;R!E36=0,10;txtK1_relativ=0,17");
        reihe("BSB5 250, tabs gewechselt", "txtBSB5+0;tab;tab",
              "lblBSBAbbaugrenze=365,6 ;lblNichtAbbaubar=-165,6 ;A!J40=250;A!J35=366 mg BSB/l;A!M23=362,7");
        reihe("30 °C: L des fensters, nicht des blatts", "HScroll1>32767",
              je(ergebnisse, "0,158 ;0,838 ;1,193 ;29,8 ;29,8;12,6 ;25,3 ;4,8 ;7,6 ;0,6 ;170,2 ;85,1 ;25,0 ")
                  + ";lblTemp=30;A!J35=37 mg BSB/l");
        reihe("erster schritt springt auf 5 °C", "HScroll1>1", "lblTemp=5;lblK1Temp=0,050 ;lblAbbauzeit=39,8 ");
        reihe("0,30 bei 30 °C: kein schwerer abbau", "Command1!;HScroll1>32767;Option5!",
              "lblAbbauzeit=4,2 ;lblZeitschwerabbaubarerBSB=;lblSchwerabbaubarTag=;txtK1=0,3;A!M36=0,30;A!J36=0,151");
        reihe("k1 0,4: t99 genau 5", "txtK1:0,4;txtK1~",
              "lblAbbauzeit=5,0 ;lblZeitschwerabbaubarerBSB=;lblSchwerabbaubarTag=");
        reihe("relative vorgabe rechnet nichts", "Option1!",
              "txtK1_relativ=0,07;R!E36=0,07;R!B36=0,035;R!M36=0,10;lblK1Temp=");
        reihe("relatives k1 getippt", "txtK1_relativ:0,3;txtK1_relativ~", "R!G36=0,475;R!E7=96,8;R!M36=0,10");
        reihe("relatives k1 0", "txtK1_relativ:0;txtK1_relativ~", "R!E7=0,0;R!J38=#DIV/0!");
        reihe("relatives k1 ein text", "txtK1_relativ+x", "R!E36=0,17x;R!B3=#WERT!;A!E36=0,10");
        reihe("null in txtK1", "Option5!;txtK1:;txtK1+0", "txtK1=0,1;A!M36=0,10;lblK1Temp=0,100 ",
              {"Einga-befehler:  | Die Eingabe der Zahl Null führt zum Fehler wegen Division durch Null - Wert wird "
               "auf 0,1 gesetzt"});
        reihe("txtK1 geleert: das blatt wieder auf 0,1", "Option5!;txtK1:;txtK1~",
              "txtK1=0,1;A!M36=0,10;lblK1Temp=0,100 ", k1);
        reihe("CSB leer, taste in txtK1: rechnet bis zum CSB", "txtCSB:;txtK1~",
              "txtK1=0,1;lblSchwerabbaubarTag=0,8 ;lblNichtAbbaubar=", k1);
        reihe("BSB5 kein text", "txtBSB5+x", "txtBSB5=25;A!J40=25;A!J35=37 mg BSB/l", bsb5);
        reihe("CSB falsch, taste in txtBSB5", "txtBSB5:30;txtCSB:x;txtBSB5~",
              "txtBSB5=25;A!J40=25;lblBSBAbbaugrenze=43,9 ", bsb5);
        reihe("CSB falsch, Command1", "txtCSB:x;Command1!", "txtCSB=x;lblBSB5minusBSB=11,6 ;lblBSB5=", schutz);
        reihe("CSB falsch, scrollen: eine meldung", "txtCSB:x;HScroll1>1", "lblTemp=5;lblK1Temp=0,050 ", schutz);
        reihe("CSB falsch, vorgabe", "txtCSB:x;Option6!", "txtK1=0,17;A!M36=0,17;lblK1Temp=0,170 ", schutz);
    }
    void ablauf() { zeile<frmBSB>({}, {schritt, lies}); }

    // A high BOD5 on the absolute page: the results in sight whole, the choice of k1
    // still in sight.
    void grosseWerte_data()
    {
        spalten();
        const QString ergebnisse = "lblBSB5 lblBSB25 lblBSBAbbaugrenze lblBSB5minusBSB lblSchwerabbaubarTag "
                                   "lblNichtAbbaubar lblNichtAbbaubarProzent";
        const QString k1 = ";txtK1.ganz=ja;txtK1.da=ja;Option5.da=ja;Option6.da=ja;Option7.da=ja;Option8.da=ja";
        reihe("BSB5 1 000 000", "tab;txtBSB5=1000000;Command1!",
              ::ganz(ergebnisse, "1.000.000,0 ;1.457.850,5;1.462.475,3 ;462.475,3 ;30.831,7 ;-1.462.275,3 ;-731.137,6 ")
                  + k1);
        reihe("BSB5 1E12", "tab;txtBSB5:1E12;txtBSB5~;Command1!",
              ::ganz(ergebnisse, "1.000.000.000.000,0 ;1.457.850.542.618,5;1.462.475.295.574,3 ;462.475.295.574,3 ;"
                                 "30.831.686.371,6 ;-1.462.475.295.374,3 ;-731.237.647.687,1 ")
                  + k1);
    }
    void grosseWerte() { zeile<frmBSB>({}, {schritt, lies}); }
};

QTEST_MAIN(TestBSB)
#include "tst_frmBSB.moc"
