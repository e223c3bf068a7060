#pragma once

#include <QSvgRenderer>
#include <QWidget>

// A picture drawn from one of the program's SVG files each time it is shown,
// scaled to the control with its proportions kept and centred in it, so that
// it stays crisp at any size.
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
    QSvgRenderer m_svg;
};
