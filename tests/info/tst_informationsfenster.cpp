// The information windows, opened from the main menu: their texts, the look
// and locking of their text boxes, and the links behind their buttons.
#include "ablauf.h"
#include "fenstertest.h"
#include "frmStart.h"
#include "hauptfenster.h"
#include "infoTextfeld.h"
#include "mdlInternet.h"

#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace Link = mdlInternet::Link;

namespace {
const QString nagelText =
    QStringLiteral("Ganz uneigennützig ist es nicht, wenn wir kostenlose Programme zur Verfügung stellen ;-)\n"
                   "\n"
                   "Zugegeben, die Programmierung war auch eine Herausforderung.\n"
                   "\n"
                   "Dass ein wenig Spekulation auch dabei war, können Sie sich sicher vorstellen.\n"
                   "\n"
                   "Vielleicht wollen Sie irgendwann einmal unser komplexes Leistungsvermögen nutzen?\n");
const QString updateText = QStringLiteral("Das Programmsystem wird schrittweise ausgebaut.\n"
                                          "\n"
                                          "Vielleicht schauen Sie ab und zu auf der Homepage nach, ob es \n"
                                          "eine neue Version gibt, die Sie downloaden können, wie man so \n"
                                          "schön sagt. \n"
                                          "\n"
                                          "Noch einfacher haben Sie es, wenn Sie unseren Newsletter \n"
                                          "bestellen, denn dann sind Sie automatisch auf dem Laufenden!\n");
const QString gewaehrText = QStringLiteral(
    "Grundsätzlich wird keine Gewährleistung für Schäden aller Art übernommen, die aus der Nutzung dieser "
    "Programme resultieren! Die Prüfung der Ergebnisse ist Sache des Nutzers. Die Programme wurden zwar "
    "sorgfältig erarbeitet und geprüft, jedoch sind Fehler wohl grundsätzlich nie auszuschließen. Sollten Sie "
    "Fehler feststellen, so sind wir für einen Hinweis dankbar. Weiter ist zu beachten, dass die Programme "
    "nicht professionell erstellt wurden. Die Programme sind bis auf weiteres kostenlos und sind nach Ihrer "
    "Prüfung für Ihre Arbeitserleichterung gedacht.");

QColor system(QPalette::ColorRole rolle)
{
    return QApplication::palette().color(rolle);
}
} // namespace

class TestInformationsfenster : public Fenstertest {
    Q_OBJECT

    QWidget* haupt = nullptr;

public:
    TestInformationsfenster() { ohneMeldungen = true; }

private:
    // The row runner takes this main window as the fresh one of its row.
    void vorbereiten() override { haupt = fenster::zeige<frmStart>(); }

    void menue(const QString& pfad) { waehle(haupt, pfad); }

private slots:
    // Each menu item opens its window with its title, and no link.
    void oeffnen_data()
    {
        spalten();
        reihe("Problemlösung", "#menü=Problemlösung",
              "frmNagel/#titel=Brauchen Sie einen Nagel mit Kopf?;#offen=frmNagel,frmStart;#link=");
        reihe("Version", "#menü=Version", "frmVersion/#titel=Version;#offen=frmStart,frmVersion;#link=");
        reihe("Update", "#menü=Update", "frmUpdate/#titel=Update;#offen=frmStart,frmUpdate;#link=");
        reihe("Miezekatze", "#menü=Sonstiges>Miezekatze",
              "frmAutor/#titel=" + Link::Host + ";#offen=frmAutor,frmStart;#link=");
        reihe("Nutzungsfreigabe", "#menü=Rechte>Nutzungsfreigabe",
              "frmNutzungsrechte/#titel=Nutzungsrechte;#offen=frmNutzungsrechte,frmStart;#link=");
        reihe("Gewährleistung", "#menü=Rechte>Gewährleistung",
              "frmgewährleistung/#titel=Gewährleistung;#offen=frmStart,frmgewährleistung;#link=");
    }
    void oeffnen() { zeile<frmStart>(); }

    // The two locked boxes: exact text with its trailing blanks and final
    // line break, shown from the top, colours and font as designed.
    void textfelder_data()
    {
        QTest::addColumn<QString>("menue");
        QTest::addColumn<QString>("fenster");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("hintergrund");
        QTest::addColumn<QColor>("schrift");
        QTest::addColumn<bool>("rahmen");
        QTest::newRow("frmNagel") << "Problemlösung"
                                  << "frmNagel" << nagelText << system(QPalette::ToolTipBase)
                                  << system(QPalette::ButtonText) << true;
        QTest::newRow("frmUpdate") << "Update"
                                   << "frmUpdate" << updateText << system(QPalette::Window) << QColor(Qt::black)
                                   << false;
    }
    void textfelder()
    {
        QFETCH(QString, menue);
        QFETCH(QString, fenster);
        QFETCH(QString, text);
        QFETCH(QColor, hintergrund);
        QFETCH(QColor, schrift);
        QFETCH(bool, rahmen);
        this->menue(menue);
        QWidget* w = fenster::offen(fenster);
        auto* Text1 = kind<QPlainTextEdit>(w, "Text1");
        QCOMPARE(Text1->toPlainText(), text);
        QVERIFY(Text1->isReadOnly());
        QCOMPARE(Text1->palette().color(QPalette::Base), hintergrund);
        QCOMPARE(Text1->palette().color(QPalette::Text), schrift);
        QCOMPARE(Text1->frameShape() != QFrame::NoFrame, rahmen);
        QCOMPARE(Text1->font().family(), QStringLiteral("Arial"));
        QCOMPARE(Text1->font().pointSize(), 9);
        QCOMPARE(Text1->verticalScrollBar()->value(), 0);
        QCOMPARE(Text1->textCursor().position(), 0);

        // Locked: typing changes nothing, but the text can be copied.
        Text1->setFocus();
        tippe(Text1, QStringLiteral("xyz"));
        QTest::keyClick(Text1, Qt::Key_Delete);
        QCOMPARE(Text1->toPlainText(), text);
        QTest::keyClick(Text1, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(Text1, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), text);
    }

    void beschriftungen()
    {
        menue(QStringLiteral("Version"));
        auto* version = kind<QLabel>(fenster::offen(QStringLiteral("frmVersion")), "Label1");
        QCOMPARE(version->text(), QStringLiteral("11.06.2008"));
        QCOMPARE(version->alignment(), Qt::AlignCenter);

        menue(QStringLiteral("Rechte>Gewährleistung"));
        QWidget* g = fenster::offen(QStringLiteral("frmgewährleistung"));
        auto* gewaehr = kind<QLabel>(g, "Label1");
        QCOMPARE(gewaehr->text(), gewaehrText);
        // The whole note is visible, however wide the font.
        QVERIFY(gewaehr->geometry().bottom() <= g->height());
        QVERIFY(gewaehr->height() >= gewaehr->heightForWidth(gewaehr->width()));

        menue(QStringLiteral("Rechte>Nutzungsfreigabe"));
        QWidget* n = fenster::offen(QStringLiteral("frmNutzungsrechte"));
        for (const char* name : {"Label1", "Label2_0", "Label2_1"})
            QCOMPARE(kind<QLabel>(n, name)->text(), QString());

        menue(QStringLiteral("Sonstiges>Miezekatze"));
        QWidget* a = fenster::offen(QStringLiteral("frmAutor"));
        auto* ruf = kind<QLabel>(a, "Label1");
        QCOMPARE(ruf->text(), QStringLiteral("Mehr Spaß und Ernst mit unserem Newsletter!"));
        QCOMPARE(ruf->alignment(), Qt::AlignCenter);
        QVERIFY(ruf->font().bold());
        QCOMPARE(ruf->font().pointSize(), 18);
        QCOMPARE(ruf->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        // The picture of the cat covers the window.
        auto* bild = kind<QLabel>(a, "Image1");
        QVERIFY(!bild->pixmap().isNull());
        QCOMPARE(bild->pixmap().deviceIndependentSize().toSize(), QSize(493, 346));
        QCOMPARE(bild->geometry(), a->rect());
        QCOMPARE(a->pos(), QPoint(419, 424));
    }

    // Each button hands exactly its link to the opener and nothing else; the
    // two newsletter buttons lead to different pages; the window stays.
    void links_data()
    {
        spalten();
        // "frmX/knopf=caption": that button of the window behind the menu item.
        const auto knopf = [](const char* n, const QString& menue, const QString& k, const QString& link) {
            const QString name = k.section(u'=', 0, 0);
            reihe(n, "#menü=" + menue + u';' + name + u'!',
                  k + ";#link=" + link + u';' + offen({"frmStart", name.section(u'/', 0, 0)}));
        };
        knopf("e-Mail", "Update", "frmUpdate/Command1=e-Mail an den Urheber", "mailto: institut@dorvent.example");
        knopf("Newsletter", "Update", "frmUpdate/Command2=Newsletter bestellen", Link::Newsletter);
        knopf("Homepage", "Update", "frmUpdate/Command5=Homepage", Link::Homepage);
        knopf("Download", "Update", "frmUpdate/Command6=Download aktuelle Version", Link::Download);
        knopf("Katze: Homepage", "Sonstiges>Miezekatze", "frmAutor/Command2=Online - Newsletterbestellung - Hier!",
              Link::Homepage);
    }
    void links() { zeile<frmStart>(); }

    // The terms of use stay open across menu commands; the other five close.
    void schliessliste_data()
    {
        spalten();
        reihe("nutzungsrechte bleiben",
              "#menü=Problemlösung;#menü=Update;#menü=Sonstiges>Miezekatze;#menü=Rechte>Nutzungsfreigabe;"
              "#menü=Rechte>Gewährleistung;#menü=Version",
              "#offen=frmNutzungsrechte,frmStart,frmVersion");
    }
    void schliessliste() { zeile<frmStart>(); }

    // An unlocked information box takes typing and nothing else happens.
    void ungesperrt()
    {
        QPlainTextEdit box;
        infoTextfeld::Art art;
        art.gesperrt = false;
        infoTextfeld::richteEin(&box, QStringLiteral("Zeile 1\r\n\r\nZeile 2\r\n"), art);
        QCOMPARE(box.toPlainText(), QStringLiteral("Zeile 1\n\nZeile 2\n"));
        QVERIFY(!box.isReadOnly());
        box.show();
        box.setFocus();
        tippe(&box, QStringLiteral("Ä"));
        QCOMPARE(box.toPlainText(), QStringLiteral("ÄZeile 1\n\nZeile 2\n"));
        QVERIFY(umgebung->links.links.isEmpty());
    }
};

QTEST_MAIN(TestInformationsfenster)
#include "tst_informationsfenster.moc"
