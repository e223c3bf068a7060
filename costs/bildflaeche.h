#pragma once

#include <QSizeF>
#include <QWidget>

#include <functional>

class QPainter;

// A picture drawn in code. It is painted anew at the widget's size, scaled to
// fit with its proportions kept, so it stays sharp at any scale.
class Bildflaeche : public QWidget {
public:
    using Maler = std::function<void(QPainter&)>;
    explicit Bildflaeche(QWidget* parent = nullptr);

    // The drawing in its own coordinates, from (0, 0) to groesse.
    void setzeBild(const QSizeF& groesse, Maler maler);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QSizeF m_groesse;
    Maler m_maler;
};
