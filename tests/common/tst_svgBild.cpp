// A picture reads its drawing only when it is drawn, and then shows exactly
// what the drawing read at once shows, also when it shows what it kept.
#include "svgBild.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

class TestSvgBild : public QObject {
    Q_OBJECT

private slots:
    void wieGelesen_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QSize>("flaeche");
        QTest::newRow("Teichanlage, breiter") << QStringLiteral(":/bilder/teichanlage.svg") << QSize(600, 200);
        QTest::newRow("Teichschema, höher") << QStringLiteral(":/bilder/teichschema.svg") << QSize(300, 500);
        QTest::newRow("Programmsymbol") << QStringLiteral(":/icons/kelmo.svg") << QSize(64, 64);
    }

    // The size hint is the drawing's own size before anything is drawn, and
    // the picture is the drawing scaled into the middle of the control.
    void wieGelesen()
    {
        QFETCH(QString, datei);
        QFETCH(QSize, flaeche);
        QSvgRenderer svg(datei);
        QVERIFY(svg.isValid());

        SvgBild bild;
        bild.setzeDatei(datei);
        QCOMPARE(bild.sizeHint(), svg.defaultSize());
        bild.resize(flaeche);

        QImage erwartet(flaeche, QImage::Format_ARGB32_Premultiplied);
        erwartet.fill(Qt::transparent);
        {
            QSizeF teil = svg.defaultSize();
            teil.scale(flaeche, Qt::KeepAspectRatio);
            QPainter p(&erwartet);
            p.setRenderHint(QPainter::Antialiasing);
            svg.render(&p, QRectF(QPointF((flaeche.width() - teil.width()) / 2, (flaeche.height() - teil.height()) / 2),
                                  teil));
        }
        QImage gemalt(flaeche, QImage::Format_ARGB32_Premultiplied);
        gemalt.fill(Qt::transparent);
        bild.render(&gemalt, QPoint(), QRegion(), QWidget::DrawChildren);
        QCOMPARE(gemalt, erwartet);

        // A second picture of the drawing at that size shows what was kept.
        SvgBild zweites;
        zweites.setzeDatei(datei);
        zweites.resize(flaeche);
        gemalt.fill(Qt::transparent);
        zweites.render(&gemalt, QPoint(), QRegion(), QWidget::DrawChildren);
        QCOMPARE(gemalt, erwartet);

        // Another drawing set later is the one drawn.
        bild.setzeDatei(QStringLiteral(":/icons/pumpe.svg"));
        QCOMPARE(bild.sizeHint(), QSize(32, 32));
        gemalt.fill(Qt::transparent);
        bild.render(&gemalt, QPoint(), QRegion(), QWidget::DrawChildren);
        QVERIFY(gemalt != erwartet);
    }
};

QTEST_MAIN(TestSvgBild)
#include "tst_svgBild.moc"
