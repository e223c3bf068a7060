#pragma once

#include <QSvgRenderer>
#include <QWidget>

// A picture drawn from one of the program's SVG files each time it is shown,
// so that it stays crisp at any scale; it keeps the drawing's proportions
// and lies centred in the control.
class SvgBild : public QWidget {
public:
    explicit SvgBild(QWidget* parent = nullptr);

    // The resource path of the drawing, e.g. ":/bilder/thomsen_wehr.svg";
    // the control takes the drawing's size.
    void setzeDatei(const QString& datei);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QSvgRenderer m_svg;
};
