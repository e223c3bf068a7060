// The clipboard seam: the real clipboard by default, a recorder in its place
// for the tests of the windows.
#include "zwischenablage.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

namespace {
class Recorder : public zwischenablage::Ablage {
public:
    QStringList schritte;
    void leere() override { schritte.append(QStringLiteral("leer")); }
    void setzeText(const QString& text) override { schritte.append(text); }
};
} // namespace

class TestZwischenablage : public QObject {
    Q_OBJECT

private slots:
    void echteAblage()
    {
        QClipboard* c = QGuiApplication::clipboard();
        zwischenablage::setzeText(QStringLiteral("Temperatur = 20,5 °C"));
        QCOMPARE(c->text(), QStringLiteral("Temperatur = 20,5 °C"));
        zwischenablage::leere();
        QCOMPARE(c->text(), QString());
    }

    void recorderStattAblage()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("vorher"));
        Recorder r;
        QCOMPARE(zwischenablage::setzeAblage(&r), nullptr);
        zwischenablage::leere();
        zwischenablage::setzeText(QStringLiteral("x"));
        QCOMPARE(r.schritte, (QStringList{"leer", "x"}));
        // The real clipboard was not touched.
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("vorher"));

        // A second recorder replaces the first; nullptr puts the real one back.
        Recorder zweiter;
        QCOMPARE(zwischenablage::setzeAblage(&zweiter), &r);
        QCOMPARE(zwischenablage::setzeAblage(nullptr), &zweiter);
        zwischenablage::setzeText(QStringLiteral("wieder echt"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("wieder echt"));
        QCOMPARE(r.schritte.size(), 2);
        QVERIFY(zweiter.schritte.isEmpty());
    }
};

QTEST_MAIN(TestZwischenablage)
#include "tst_zwischenablage.moc"
