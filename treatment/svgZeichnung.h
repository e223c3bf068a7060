#pragma once

#include <QSvgRenderer>
#include <QWidget>

// A picture drawn from one of the program's SVG files, scaled to the widget
// with its proportions kept, so that it stays crisp at any size.
class SvgZeichnung : public QWidget {
public:
    explicit SvgZeichnung(QWidget* parent = nullptr);
    void setzeDatei(const QString& datei);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QSvgRenderer m_svg;
};
