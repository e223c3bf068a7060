#pragma once

#include "arbeitsblatt.h"

#include <QAbstractTableModel>
#include <QColor>

#include <memory>

class QTableView;

// A worksheet's shown part as a read-only table: the values in their number
// formats, marked cells on the legend's grey, column letters and row numbers
// as headers. The model owns its sheet; a write into the sheet redraws it.
class Blattmodell : public QAbstractTableModel {
public:
    // The grey of a marked cell and of the legend that explains it.
    static inline const QColor markierung = QColor(192, 192, 192);

    explicit Blattmodell(std::unique_ptr<Arbeitsblatt> blatt, QObject* parent = nullptr);

    Arbeitsblatt& blatt() { return *m_blatt; }
    const Arbeitsblatt& blatt() const { return *m_blatt; }

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle = Qt::DisplayRole) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    std::unique_ptr<Arbeitsblatt> m_blatt;
    Arbeitsblatt::Ausschnitt m_ausschnitt;
};

// Shows the model in the view: nothing can be edited or selected; a text
// runs on over the empty cells to its right, as in a spreadsheet, and each
// column is wide enough for its values.
void zeigeBlatt(QTableView* ansicht, Blattmodell* modell);
