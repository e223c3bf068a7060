#pragma once

#include <QWidget>

// The chart of the degradation constant K1 over the mean detention time, one
// curve per water temperature at a fixed volumetric loading, drawn from the
// formula itself.
class K1Diagramm : public QWidget {
public:
    explicit K1Diagramm(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {720, 460}; }

    // The loading of the curves, g BOD5/(m³·d), and their temperatures, °C.
    static constexpr double Raumbelastung = 5.0;
    static constexpr int Temperaturen[] = {5, 10, 15, 20, 25};

protected:
    void paintEvent(QPaintEvent* e) override;
};
