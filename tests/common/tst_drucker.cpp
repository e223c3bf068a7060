// The printed page, rendered into a PDF file by the real painting code and
// read back with pdftotext: texts and positions on the page.
#include "drucker.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {
double mmInPunkt(double mm)
{
    return mm / 25.4 * 72;
}
} // namespace

class TestDrucker : public QObject {
    Q_OBJECT

private slots:
    void seiteAlsPdf()
    {
        QTemporaryDir ordner;
        QPrinter p(QPrinter::HighResolution);
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(ordner.filePath(QStringLiteral("seite.pdf")));
        p.setPageSize(QPageSize(QPageSize::A4));
        p.setPageMargins(QMarginsF(20, 15, 20, 15), QPageLayout::Millimeter);
        const QStringList zeilen = QStringList(7, QString(55, u'_')) << QStringLiteral("1.234,57");
        QVERIFY(drucker::zeichne(p, {3, 5, zeilen}));

        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), p.outputFileName(), QStringLiteral("-")});
        QVERIFY2(pdftotext.waitForFinished(), "pdftotext fehlt (Paket poppler-utils)");
        const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
        static const QRegularExpression wort(
            QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]*)</word>)re"));
        QStringList texte;
        QList<QPointF> lagen;
        double hoehe = 0;
        for (const QRegularExpressionMatch& m : wort.globalMatch(html)) {
            texte << m.captured(4);
            lagen << QPointF(m.captured(1).toDouble(), m.captured(2).toDouble());
            hoehe = m.captured(3).toDouble() - m.captured(2).toDouble();
        }
        QCOMPARE(texte, zeilen);
        // The first line 3 cm right of and 5 cm below the printable area's
        // corner, the others at its left edge, one line below the other.
        QVERIFY2(qAbs(lagen[0].x() - mmInPunkt(50)) < 1.5, qPrintable(QString::number(lagen[0].x())));
        QVERIFY2(qAbs(lagen[0].y() - mmInPunkt(65)) < 2.5, qPrintable(QString::number(lagen[0].y())));
        for (int i = 1; i < lagen.size(); ++i) {
            QVERIFY2(qAbs(lagen[i].x() - mmInPunkt(20)) < 1.5, qPrintable(QString::number(lagen[i].x())));
            const double abstand = lagen[i].y() - lagen[i - 1].y();
            QVERIFY2(abstand > hoehe * 0.9 && abstand < hoehe * 1.5, qPrintable(QString::number(abstand)));
        }
    }

    void auftragStartetNicht()
    {
        QPrinter p;
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(QStringLiteral("/gibt/es/nicht/seite.pdf"));
        QVERIFY(!drucker::zeichne(p, {3, 5, {QStringLiteral("x")}}));
    }
};

QTEST_MAIN(TestDrucker)
#include "tst_drucker.moc"
