// Pump power and energy cost, driven as a user does: each row is a series of
// steps, and the window's fields and messages are compared after the last.
#include "fenster.h"
#include "frmEnergiePW.h"
#include "frmEnergiePWInfo.h"
#include "mdlInternet.h"
#include "testhilfe.h"

#include <QApplication>

namespace {
const QStringList beispiel{"txtQls=10", "txtHman=20", "txtPZhd=8", "TxtPZda=365"};
const QStringList ergebnisBeispiel{"10", "36,0 ", "20", "0,75  ", "2,614", "8", "365", "2.920,0  ", "288,0 ",
                                   "105.120,0 ", "7.633 ", "0,16", "1,221 ", "2,389 "};
// An input error message as titled and written.
QString fehler(const char* beschreibung, const char* text = "Tippfehler - Wert wird auf 0 gesetzt")
{
    return "Eingabefehler" + eingabefehlerText(beschreibung, text);
}
const char* const auf025 = "Tippfehler - Wert wird auf 0,25 gesetzt";
const QString tage = QStringLiteral("\r\nTippfehler - Dieses Jahr hat sicher nur 365 Tage!");

// The example's fields with some changed: "index=text|index=text".
QStringList ausser(const QString& neu)
{
    QStringList e = ergebnisBeispiel;
    for (const QString& n : neu.split(u'|'))
        e[n.section(u'=', 0, 0).toInt()] = n.section(u'=', 1);
    return e;
}
} // namespace

class TestEnergiePW : public QObject {
    Q_OBJECT

    Testumgebung* umgebung = nullptr;
    frmEnergiePW* w = nullptr;

    QStringList felder() const
    {
        return {w->txtQls->text(), w->txtQm3h->text(), w->txtHman->text(), w->LblEta->text(), w->LblPk->text(),
                w->txtPZhd->text(), w->TxtPZda->text(), w->LblPZha->text(), w->lblMengejeTag->text(),
                w->lblMengejeJahr->text(), w->lblkWha->text(), w->txtDMkw->text(), w->lblEk_0->text(),
                w->lblEkEuro_1->text()};
    }
    QStringList meldungen() const
    {
        QStringList t;
        for (const Box& b : umgebung->meldungen.boxen)
            t << (b.titel == QStringLiteral("Eingabe ändern!") ? QString() : b.titel) + b.text;
        return t;
    }
    // "box=text" typed over the box, "box!text" pasted and a cursor key let
    // go, "box:text" pasted only, "box<" a cursor key only, "box-" emptied
    // with Backspace, "eta=0,80" chosen with the mouse, "eta↓" the next entry.
    void fuehreAus(const QStringList& schritte)
    {
        for (const QString& s : schritte) {
            const qsizetype i = s.indexOf(QRegularExpression(QStringLiteral("[=!:<\\-↓]")));
            const QString name = s.left(i), text = s.mid(i + 1);
            const QChar art = s.at(i);
            if (name == u"eta") {
                if (art == u'↓')
                    QTest::keyClick(w->ListEta, Qt::Key_Down);
                else
                    QTest::mouseClick(w->ListEta->viewport(), Qt::LeftButton, {},
                        w->ListEta->visualItemRect(w->ListEta->findItems(text, Qt::MatchExactly)[0]).center());
                QCoreApplication::processEvents();
                continue;
            }
            auto* box = kind<QLineEdit>(w, name.toUtf8().constData());
            if (art == u'=')
                ersetze(box, text);
            else if (art == u'!' || art == u':')
                box->setText(text);
            else if (art == u'-') {
                box->selectAll();
                QTest::keyClick(box, Qt::Key_Backspace);
            }
            if (art == u'!' || art == u'<')
                QTest::keyClick(box, Qt::Key_End);
        }
    }
    // Enabled (+/-) and background, grey (g) or white (w), of the controls
    // that unlock one after another.
    QString freigabe() const
    {
        QString z;
        const QColor grau = QApplication::palette().color(QPalette::Window);
        for (QWidget* x : std::initializer_list<QWidget*>{w->txtHman, w->ListEta, w->txtPZhd, w->TxtPZda, w->txtDMkw,
                                                          w->LblEta, w->LblPk, w->LblPZha, w->lblMengejeTag, w->lblkWha}) {
            const QColor c = x->palette().color(qobject_cast<QLabel*>(x) ? QPalette::Window : QPalette::Base);
            z += QString(x->isEnabled() ? u'+' : u'-') + (c == grau ? u'g' : c == QColor(Qt::white) ? u'w' : u'?') + u' ';
        }
        return z.trimmed();
    }

private slots:
    void init()
    {
        umgebung = new Testumgebung;
        w = fenster::zeige<frmEnergiePW>();
    }
    void cleanup()
    {
        alleSchliessen();
        QCOMPARE(umgebung->unerwartet, QString());
        delete umgebung;
    }

    void rechnung_data()
    {
        QTest::addColumn<QStringList>("schritte");
        QTest::addColumn<QStringList>("danach");
        QTest::addColumn<QStringList>("texte");
        const auto nach = [](const QStringList& mehr) { return beispiel + mehr; };
        const QString null = QStringLiteral("|8=0,0 |9=0,0 |10=0 |12=0,000 |13=0,000 ");
        QTest::newRow("beispiel") << beispiel << ergebnisBeispiel << QStringList{};
        QTest::newRow("preis geleert: 0,25") << nach({"txtDMkw-"}) << ausser("11=0,25|12=1,908 |13=3,732 ")
            << QStringList{fehler("Typen unverträglich", auf025)};
        QTest::newRow("25 stunden") << nach({"txtPZhd=25"})
            << ausser("5=25|6=365,0 |7=9125|8=900,0 |9=328.500,0 |10=23.853 |12=3,816 |13=7,464 ")
            << QStringList{"\r\nTippfehler - Ein Tag hat nur 24 Stunden!"};
        QTest::newRow("366 tage") << nach({"TxtPZda=366"})
            << ausser("6=366|7=2.928,0  |9=105.408,0 |10=7.654 |12=1,225 |13=2,395 ") << QStringList{tage};
        QTest::newRow("m³/h bei gegebenen tagen") << nach({"txtQm3h=72"})
            << ausser("0=20,00 |1=72|4=5,229|8=576,0 |9=210.240,0 |10=15.269 |12=2,443 |13=4,778 ") << QStringList{};
        QTest::newRow("tage 0 nicht gegeben") << QStringList{"txtQls=10", "txtHman=20", "txtPZhd=8", "TxtPZda=0", "txtQls=20"}
            << ausser("0=20|1=72,0 |4=5,229|6=0|7=0,0  |9=0,0 |10=0 |12=0,000 |13=0,000 ") << QStringList{};
        QTest::newRow("stundentaste: h/a ohne format") << nach({"txtPZhd<"}) << ausser("6=365,0 |7=2920") << QStringList{};
        QTest::newRow("durchfluss 0") << nach({"txtQls=0"}) << ausser("0=0|1=0,0 |4=0,000" + null) << QStringList{};
        QTest::newRow("förderhöhe 0 nicht gegeben") << QStringList{"txtQls=10", "txtHman!0", "txtQls=20"}
            << QStringList{"20", "72,0 ", "0", "0,75  ", "0,000", "", "", "", "", "", "", "0,16", "", ""} << QStringList{};
        QTest::newRow("l/s geleert") << nach({"txtQls-"}) << ausser("0=0") << QStringList{fehler("Typen unverträglich")};
        QTest::newRow("eta mit maus und tastatur") << nach({"eta=0,80", "eta↓"})
            << ausser("3=0,85|4=2,307|10=6.736 |12=1,078 |13=2,108 ") << QStringList{};
        // The hours per year follow the days also for 0 hours per day.
        QTest::newRow("0 stunden") << QStringList{"txtQls=10", "txtHman=20", "txtPZhd=0", "TxtPZda=365"}
            << ausser("5=0|7=0,0  " + null) << QStringList{};
        QTest::newRow("stunden geleert, dann tage") << nach({"txtPZhd-", "TxtPZda<"}) << ausser("5=0|7=0,0  " + null)
            << QStringList{fehler("Typen unverträglich")};
        // A choice that cannot be computed is taken back, once.
        QTest::newRow("eta bei falschem durchfluss") << nach({"eta=0,80", "txtQls:x", "eta=0,20"})
            << ausser("0=x|3=0,80|4=2,451|10=7.157 |12=1,145 |13=2,240 ") << QStringList{fehler("Typen unverträglich")};
    }
    void rechnung()
    {
        QFETCH(QStringList, schritte);
        QFETCH(QStringList, danach);
        QFETCH(QStringList, texte);
        fuehreAus(schritte);
        QCOMPARE(felder(), danach);
        QCOMPARE(meldungen(), texte);
        if (danach[3] == u"0,80") // the list shows the efficiency in use
            for (QListWidgetItem* e : {w->ListEta->currentItem(), w->ListEta->selectedItems().value(0)})
                QCOMPARE(e ? e->text() : QString(), QStringLiteral("0,80"));
    }

    // The inputs unlock one after another; the cost whitens its results.
    void freischalten()
    {
        QCOMPARE(freigabe(), QStringLiteral("-g -g -g -g -g +g -w +w +g +w"));
        const QStringList schritte{"txtQls=10", "txtHman=20", "txtPZhd=8", "TxtPZda=365"};
        const QStringList danach{"+w -g -g -g -g +w +w +w +g +w", "+w +w +w -g -g +w +w +w +g +w",
                                 "+w +w +w +w -g +w +w +w +g +w", "+w +w +w +w +w +w +w +w +w +w"};
        for (int i = 0; i < 4; ++i) {
            fuehreAus({schritte[i]});
            QCOMPARE(freigabe(), danach[i]);
        }
    }

    // A price reset that fails again shows its message once more, and stops.
    void preisRuecksetzungEinmal()
    {
        fuehreAus(beispiel + QStringList{"txtHman!1E10", "TxtPZda!1E304", "txtDMkw-"});
        const QString preis = fehler("Überlauf", auf025);
        QCOMPARE(meldungen(), (QStringList{tage, fehler("Überlauf"), preis, preis}));
        QCOMPARE(w->txtDMkw->text(), QStringLiteral("0,25"));
    }

    void verweise()
    {
        w->URL->setText(QString());
        klicke(w->Command1);
        QCOMPARE(w->URL->text(), mdlInternet::Link::Homepage);
        QTest::mouseClick(w->URL, Qt::LeftButton);
        QCOMPARE(umgebung->links.links, QStringList(2, mdlInternet::Link::Homepage));
        QVERIFY(w->URL->y() >= w->height());
        klicke(w->Command2);
        QVERIFY(fenster::offen<frmEnergiePWInfo>());
    }
};

QTEST_MAIN(TestEnergiePW)
#include "tst_frmEnergiePW.moc"
