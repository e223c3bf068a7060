// The printed page, painted into a PDF file by the real printing code and
// read back with pdftotext: texts and positions in points.
#include "drucker.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class TestDrucker : public QObject {
    Q_OBJECT

private slots:
    void seiteAlsPdf()
    {
        QTemporaryDir ordner;
        QPrinter p(QPrinter::HighResolution);
        p.setOutputFileName(ordner.filePath(QStringLiteral("seite.pdf")));
        p.setPageMargins(QMarginsF(20, 15, 20, 15), QPageLayout::Millimeter);
        const QStringList zeilen = QStringList(7, QString(55, u'_')) << QStringLiteral("1.234,57");
        QVERIFY(drucker::zeichne(p, {3, 5, zeilen}));
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {"-bbox", p.outputFileName(), "-"});
        QVERIFY2(pdftotext.waitForFinished(), "pdftotext fehlt (Paket poppler-utils)");
        static const QRegularExpression wort(R"x(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)<)x");
        QStringList texte;
        QList<QPointF> lage;
        for (const auto& m : wort.globalMatch(QString::fromUtf8(pdftotext.readAllStandardOutput()))) {
            texte << m.captured(3);
            lage << QPointF(m.captured(1).toDouble(), m.captured(2).toDouble());
        }
        QCOMPARE(texte, zeilen);
        // Line 1 at 3 cm, 5 cm from the printable corner (20, 15 mm), the rest at its left, evenly spaced.
        const double mm = 72 / 25.4, abstand = lage[1].y() - lage[0].y();
        QVERIFY(qAbs(lage[0].x() - 50 * mm) < 1.5 && qAbs(lage[0].y() - 65 * mm) < 2.5 && abstand > 10);
        for (int i = 1; i < lage.size(); ++i)
            QVERIFY(qAbs(lage[i].x() - 20 * mm) < 1.5 && qAbs(lage[i].y() - lage[i - 1].y() - abstand) < 0.5);
        p.setOutputFileName(QStringLiteral("/gibt/es/nicht/seite.pdf"));
        QVERIFY(!drucker::zeichne(p, {3, 5, zeilen}));
    }
};

QTEST_MAIN(TestDrucker)
#include "tst_drucker.moc"
