#include "frmAutor.h"

#include "ereignisse.h"
#include "fenster.h"
#include "mdlInternet.h"
#include "twips.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

frmAutor::frmAutor(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    setWindowTitle(mdlInternet::Link::Host);
    resize(twips(7350, 5175));
    // Far to the lower right of the place where the other windows open.
    move(twips(6285), twips(6360));

    // The picture is a little larger than the window and covers all of it.
    const QSize bild = twips(7395, 5190);
    const qreal dpr = devicePixelRatioF();
    QPixmap katze(bild * dpr);
    katze.setDevicePixelRatio(dpr);
    katze.fill(Qt::transparent);
    QSvgRenderer svg(QStringLiteral(":/bilder/katze.svg"));
    QPainter maler(&katze);
    svg.render(&maler, QRectF(QPointF(0, 0), QSizeF(bild)));
    maler.end();
    Image1->setPixmap(katze);
    Image1->setMinimumSize(1, 1);

    ereignis::click(Command2, [this] { Command2_Click(); });
}

// The newsletter button leads to the home page.
void frmAutor::Command2_Click()
{
    mdlInternet::OeffneLink(mdlInternet::Link::Homepage);
}
