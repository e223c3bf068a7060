// The shared event rules, the error block and the input error message.
#include "ereignisse.h"
#include "laufzeitfehler.h"
#include "meldung.h"
#include "testhilfe.h"
#include "zahlen.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

class TestEreignisse : public QObject {
    Q_OBJECT

    static void loslassen(QWidget* w, Qt::Key k, bool wiederholt = false)
    {
        QKeyEvent e(QEvent::KeyRelease, k, Qt::NoModifier, QString(), wiederholt);
        QApplication::sendEvent(w, &e);
    }

private slots:
    void cleanup() { alleSchliessen(); }

    // Every key released counts, cursor keys included; auto-repeat does not.
    void keyUp()
    {
        QLineEdit box;
        int n = 0;
        ereignis::keyUp(&box, [&] { ++n; });
        QTest::keyClicks(&box, QStringLiteral("12"));
        QTest::keyClick(&box, Qt::Key_Left);
        QTest::keyClick(&box, Qt::Key_Shift);
        QCOMPARE(n, 4);
        loslassen(&box, Qt::Key_A, true);
        QCOMPARE(n, 4);
    }

    void keyPress_data()
    {
        QTest::addColumn<int>("taste");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("zeichen");
        QTest::newRow("enter") << int(Qt::Key_Return) << "\r" << 13;
        QTest::newRow("enter am ziffernblock") << int(Qt::Key_Enter) << "\r" << 13;
        QTest::newRow("ziffer") << int(Qt::Key_5) << "5" << 53;
        QTest::newRow("komma") << int(Qt::Key_Comma) << "," << 44;
        QTest::newRow("rücktaste") << int(Qt::Key_Backspace) << "" << 8;
    }
    void keyPress()
    {
        QFETCH(int, taste);
        QFETCH(QString, text);
        QFETCH(int, zeichen);
        QLineEdit box;
        QList<int> gesehen;
        ereignis::keyPress(&box, [&](int z) { gesehen << z; });
        QKeyEvent e(QEvent::KeyPress, taste, Qt::NoModifier, text);
        QApplication::sendEvent(&box, &e);
        QCOMPARE(gesehen, QList<int>{zeichen});
    }

    // Change runs for typing and for code, only when the text really changes.
    void change()
    {
        QLineEdit box;
        int n = 0;
        ereignis::change(&box, [&] { ++n; });
        QTest::keyClicks(&box, QStringLiteral("7"));
        box.setText(QStringLiteral("8"));
        box.setText(QStringLiteral("8"));
        QCOMPARE(n, 2);
        QScrollBar bar;
        int m = 0;
        ereignis::change(&bar, [&] { ++m; });
        bar.setValue(bar.value() + 1);
        QCOMPARE(m, 1);
    }

    // An option runs when chosen by mouse, when clicked again while chosen,
    // and when chosen from code.
    void option()
    {
        QWidget w;
        auto* l = new QVBoxLayout(&w);
        auto* a = new QRadioButton(QStringLiteral("a"));
        auto* b = new QRadioButton(QStringLiteral("b"));
        l->addWidget(a);
        l->addWidget(b);
        w.show();
        int na = 0, nb = 0;
        ereignis::click(a, [&] { ++na; });
        ereignis::click(b, [&] { ++nb; });
        klicke(a);
        QCOMPARE(na, 1);
        klicke(a);
        QCOMPARE(na, 2);
        b->setChecked(true);
        QCOMPARE(nb, 1);
        klicke(b);
        QCOMPARE(nb, 2);
        QCOMPARE(na, 2);
        a->setChecked(false); // leaving an option raises nothing
        QCOMPARE(na, 2);
    }

    // Steps stop at the first error, what was written stays, the reset runs
    // before the message.
    void fehlerblock()
    {
        Testumgebung u;
        QLineEdit box;
        QStringList ablauf;
        ereignis::fehlerblock(
            [&] {
                box.setText(QStringLiteral("geschrieben"));
                ablauf << "schritt";
                zahl(QString());
                ablauf << "nie";
            },
            [&] { ablauf << QString::number(u.meldungen.boxen.size()); },
            QStringLiteral("Tippfehler - Wert wird auf 0 gesetzt"));
        QCOMPARE(ablauf, (QStringList{"schritt", "0"}));
        QCOMPARE(box.text(), QStringLiteral("geschrieben"));
        QCOMPARE(u.meldungen.boxen.size(), 1);
        QCOMPARE(u.meldungen.boxen[0].text,
                 QStringLiteral("Typen unverträglich\r\nTippfehler - Wert wird auf 0 gesetzt"));
        QCOMPARE(u.meldungen.boxen[0].titel, QStringLiteral("Eingabefehler"));
        QCOMPARE(u.meldungen.boxen[0].stil, int(meldung::NurOk));

        // Some handlers tell the user first and reset afterwards.
        ablauf.clear();
        ereignis::fehlerblock([&] { rechnen::teile(0, 0); },
                              [&] { ablauf << QString::number(u.meldungen.boxen.size()); },
                              QStringLiteral("Tippfehler - Werte werden zurückgesetzt"),
                              QStringLiteral("Eingabefehler"), ereignis::Reihenfolge::MeldungZuerst);
        QCOMPARE(ablauf, QStringList{"2"});
        QCOMPARE(u.meldungen.boxen[1].text, QStringLiteral("Überlauf\r\nTippfehler - Werte werden zurückgesetzt"));
    }

    // Without an error the text starts with the line break; a box without a
    // title of its own shows the program's title.
    void meldungen()
    {
        Testumgebung u;
        meldung::eingabefehler(nullptr, QStringLiteral("Text"), QStringLiteral("Einga-befehler"));
        meldung::box(QStringLiteral("x"));
        QCOMPARE(u.meldungen.boxen[0].text, QStringLiteral("\r\nText"));
        QCOMPARE(u.meldungen.boxen[0].titel, QStringLiteral("Einga-befehler"));
        QCOMPARE(u.meldungen.boxen[1].titel, QStringLiteral("Kelmo"));
    }

    // An error that escapes a handler never ends the program.
    void fehlerOhneBlock()
    {
        Testumgebung u;
        QLineEdit box;
        ereignis::keyUp(&box, [] { rechnen::teile(1, 0); });
        QTest::keyClicks(&box, QStringLiteral("1"));
        QCOMPARE(u.meldungen.boxen.size(), 1);
        QCOMPARE(u.meldungen.boxen[0].text, QStringLiteral("Division durch Null\r\n"));
        QCOMPARE(u.meldungen.boxen[0].titel, QStringLiteral("Kelmo"));
    }

    // The real box: closed with Enter, its key release must not reach the
    // input box as a new key release, or a bad input would raise the same
    // message again and again.
    void enterSchliesstBoxOhneNeueMeldung()
    {
        QWidget w;
        auto* l = new QVBoxLayout(&w);
        auto* box = new QLineEdit;
        l->addWidget(box);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        box->setFocus();
        int meldungen = 0;
        ereignis::keyUp(box, [&] {
            ereignis::fehlerblock([&] { zahl(box->text()); }, [] {},
                                  QStringLiteral("Tippfehler - Wert wird auf 0 gesetzt"));
        });
        // Closes each real box as a user does: Enter pressed in the box.
        QTimer schliesser;
        QObject::connect(&schliesser, &QTimer::timeout, [&] {
            if (QWidget* m = QApplication::activeModalWidget()) {
                ++meldungen;
                QKeyEvent druck(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
                QApplication::sendEvent(m->focusWidget() ? m->focusWidget() : m, &druck);
            }
        });
        schliesser.start(20);
        QTest::keyClicks(box, QStringLiteral("x")); // a bad input: one message
        QCOMPARE(meldungen, 1);
        // The Enter key is let go, over the input box again.
        QKeyEvent los(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(box, &los);
        QTest::qWait(100);
        QCOMPARE(meldungen, 1);
        // The next key is the user's own again.
        QTest::keyClick(box, Qt::Key_End);
        QTest::qWait(100);
        QCOMPARE(meldungen, 2);
    }
};

QTEST_MAIN(TestEreignisse)
#include "tst_ereignisse.moc"
