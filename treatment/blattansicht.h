#pragma once

#include "arbeitsblatt.h"
#include "farben.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>
#include <QTableView>

#include <memory>
#include <vector>

// A worksheet's shown part as a read-only table: the values in their number
// formats, marked cells on the legend's grey, column letters and row numbers
// as headers. The model owns its sheet; a write into the sheet redraws it.
class Blattmodell : public QAbstractTableModel {
public:
    // The grey of a marked cell; the legend that explains it has the same
    // grey by its role ("grund-grau").
    static inline const QColor markierung = farben::grau;

    explicit Blattmodell(std::unique_ptr<Arbeitsblatt> blatt, QObject* parent = nullptr);

    Arbeitsblatt& blatt() { return *m_blatt; }
    const Arbeitsblatt& blatt() const { return *m_blatt; }

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle = Qt::DisplayRole) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Whether the cell holds a number (which never runs on into its neighbours).
    bool istZahl(const QModelIndex& index) const;

private:
    std::unique_ptr<Arbeitsblatt> m_blatt;
    Arbeitsblatt::Ausschnitt m_ausschnitt;
};

// Shows the model as an embedded sheet does: the whole range in the space
// the view is given, scaled to fit (font, row heights and column widths
// shrink as needed; no scroll bars). Nothing can be edited or selected; a text
// runs on over the empty cells to its right, as in a spreadsheet, and a number
// wider than its column shows "###".
class Blattansicht : public QTableView {
public:
    explicit Blattansicht(QWidget* parent = nullptr);

    // Takes the model; the columns get the widths of its stored state.
    void zeige(Blattmodell* modell);
    // The text that the cell shows at the present scale.
    QString sichtbar(int zeile, int spalte) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void skaliere();

    Blattmodell* m_modell = nullptr;
    QFont m_schrift;           // the font the sheet is designed in
    std::vector<int> m_breite; // column widths in that font
    int m_zeilenhoehe = 0, m_kopfbreite = 0, m_kopfhoehe = 0;
};
