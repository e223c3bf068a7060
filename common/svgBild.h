#pragma once

#include <QSvgRenderer>
#include <QWidget>

// A picture drawn from one of the program's SVG files, scaled to the control
// with its proportions kept and centred in it, so that it stays crisp at any
// size. The drawing is read when it is first drawn, so that a picture on a
// page not yet shown costs nothing when its window opens; until then its size
// comes from the width and height of the file's root element. What it drew at
// a size is kept (QPixmapCache) and shown again as it is.
class SvgBild : public QWidget {
public:
    explicit SvgBild(QWidget* parent = nullptr);
    // The resource path of the drawing, e.g. ":/bilder/thomsen_wehr.svg";
    // with festeGroesse the control takes the drawing's own size.
    void setzeDatei(const QString& datei, bool festeGroesse = false);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    // The drawing, read on first use.
    QSvgRenderer& svg();

    QString m_datei;
    // The drawing's own size, or an invalid size when the root element does
    // not give it in plain pixels (then the drawing is read to learn it).
    QSize m_groesse;
    QSvgRenderer m_svg;
    bool m_gelesen = false;
};
