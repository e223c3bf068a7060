// A window kept ready: its hidden instance is built only once the main window
// has been drawn, hole() hands out exactly that instance, a close builds the
// next one, and the instance goes with the main window.
#include "fenster.h"

#include <QPointer>
#include <QTest>

namespace {

int gebaut = 0;
int abgebaut = 0;

class Probe : public QWidget {
public:
    Probe() { ++gebaut; }
    ~Probe() override { ++abgebaut; }
};

QWidget* baueProbe()
{
    return new Probe;
}

const QString name = QStringLiteral("frmProbe");

// The hidden instance built ahead: a Probe that no one has opened.
QList<Probe*> vorrat()
{
    QList<Probe*> l;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* p = dynamic_cast<Probe*>(w); p && p != fenster::offen(name))
            l << p;
    return l;
}

} // namespace

class TestFenster : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        gebaut = abgebaut = 0;
        fenster::registriere(qPrintable(name), baueProbe);
    }

    void bereitNachDemErstenBild()
    {
        auto* haupt = new QWidget;
        fenster::bereithalten(name, haupt);
        QCoreApplication::processEvents();
        QCOMPARE(gebaut, 0); // nothing before the main window is drawn

        haupt->show();
        QVERIFY(QTest::qWaitForWindowExposed(haupt));
        QTRY_COMPARE(gebaut, 1);
        QCOMPARE(vorrat().size(), 1);
        Probe* bereit = vorrat().first();
        QVERIFY(!bereit->isVisible());
        QVERIFY(bereit->testAttribute(Qt::WA_WState_Polished));
        QCOMPARE(fenster::offen(name), nullptr); // built ahead is not open

        // Opening takes that very instance and builds nothing else.
        QCOMPARE(fenster::zeige(name), bereit);
        QCOMPARE(fenster::offen(name), bereit);
        QCOMPARE(gebaut, 1);
        QVERIFY(vorrat().isEmpty());

        // The user's close destroys it; the next one is built when idle.
        QPointer<QWidget> zu = bereit;
        bereit->close();
        QTRY_VERIFY(!zu);
        QTRY_COMPARE(gebaut, 2);
        QCOMPARE(vorrat().size(), 1);
        QCOMPARE(fenster::offen(name), nullptr);
        fenster::zeige(name);
        fenster::schliesse(name); // the close rule's way
        QTRY_COMPARE(gebaut, 3);
        QCOMPARE(abgebaut, 2);

        // With the main window the instance built ahead goes, and no other
        // is built.
        delete haupt;
        QCOMPARE(abgebaut, 3);
        QVERIFY(vorrat().isEmpty());
        QWidget* neu = fenster::hole(name);
        QCOMPARE(gebaut, 4);
        delete neu;
        QTest::qWait(20);
        QCOMPARE(gebaut, 4);
    }

    // Opened before the main window is drawn (from the command line), the
    // window is built as usual, and the one built ahead only after it is
    // closed: never two at once.
    void geoeffnetVorDemErstenBild()
    {
        auto* haupt = new QWidget;
        fenster::bereithalten(name, haupt);
        QWidget* w = fenster::zeige(name);
        haupt->show();
        QVERIFY(QTest::qWaitForWindowExposed(haupt));
        QTest::qWait(20);
        QCOMPARE(gebaut, 1);
        QCOMPARE(fenster::offen(name), w);
        fenster::schliesse(name);
        QTRY_COMPARE(gebaut, 2);
        QCOMPARE(vorrat().size(), 1);
        delete haupt;
        QCOMPARE(abgebaut, 2);
    }
};

QTEST_MAIN(TestFenster)
#include "tst_fenster.moc"
