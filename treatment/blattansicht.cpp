#include "blattansicht.h"

#include "zahlen.h"

#include <QBrush>
#include <QHeaderView>
#include <QStyle>
#include <QTableView>

#include <algorithm>

using Art = Arbeitsblatt::Wert::Art;

Blattmodell::Blattmodell(std::unique_ptr<Arbeitsblatt> blatt, QObject* parent)
    : QAbstractTableModel(parent), m_blatt(std::move(blatt)), m_ausschnitt(m_blatt->ausschnitt())
{
    m_blatt->beiAenderung([this] {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    });
}

int Blattmodell::rowCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : m_ausschnitt.zeilen;
}

int Blattmodell::columnCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : m_ausschnitt.spalten;
}

QVariant Blattmodell::data(const QModelIndex& index, int rolle) const
{
    if (!index.isValid())
        return {};
    const int zeile = m_ausschnitt.ersteZeile + index.row();
    const int spalte = m_ausschnitt.ersteSpalte + index.column();
    switch (rolle) {
    case Qt::DisplayRole: return m_blatt->anzeige(zeile, spalte);
    case Qt::TextAlignmentRole:
        // Numbers to the right, error values centred, texts to the left.
        switch (m_blatt->wert(zeile, spalte).art) {
        case Art::Zahl: return int(Qt::AlignRight | Qt::AlignVCenter);
        case Art::Fehler: return int(Qt::AlignCenter);
        default: return int(Qt::AlignLeft | Qt::AlignVCenter);
        }
    case Qt::BackgroundRole:
        if (m_blatt->markiert(zeile, spalte))
            return QBrush(markierung);
        return {};
    default: return {};
    }
}

QVariant Blattmodell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (rolle != Qt::DisplayRole)
        return QAbstractTableModel::headerData(abschnitt, richtung, rolle);
    if (richtung == Qt::Horizontal)
        return Arbeitsblatt::spaltenname(m_ausschnitt.ersteSpalte + abschnitt);
    return zahlText(m_ausschnitt.ersteZeile + abschnitt + 1);
}

Qt::ItemFlags Blattmodell::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
}

void zeigeBlatt(QTableView* ansicht, Blattmodell* modell)
{
    ansicht->setModel(modell);
    ansicht->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ansicht->setSelectionMode(QAbstractItemView::NoSelection);
    // Reached by Tab, left by Tab; the arrow keys move through the cells.
    ansicht->setFocusPolicy(Qt::StrongFocus);
    ansicht->setTabKeyNavigation(false);
    ansicht->setWordWrap(false);
    ansicht->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ansicht->horizontalHeader()->setHighlightSections(false);
    ansicht->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ansicht->verticalHeader()->setHighlightSections(false);
    const QFontMetrics fm(ansicht->font());
    ansicht->verticalHeader()->setDefaultSectionSize(fm.height() + 4);

    const int zeilen = modell->rowCount();
    const int spalten = modell->columnCount();
    // Wide enough for an error value, which any computed cell may show.
    int fehlerbreite = 0;
    for (const char* fehler : {"#DIV/0!", "#WERT!", "#ZAHL!", "#BEZUG!"})
        fehlerbreite = std::max(fehlerbreite, fm.horizontalAdvance(QString::fromLatin1(fehler)) + 12);
    std::vector<int> breite(size_t(spalten), fehlerbreite);
    for (int z = 0; z < zeilen; ++z) {
        for (int s = 0; s < spalten; ++s) {
            const QString text = modell->data(modell->index(z, s)).toString();
            if (text.isEmpty())
                continue;
            int frei = 0;
            if (modell->data(modell->index(z, s), Qt::TextAlignmentRole).toInt() & Qt::AlignLeft) {
                while (s + frei + 1 < spalten && modell->data(modell->index(z, s + frei + 1)).toString().isEmpty())
                    ++frei;
            }
            if (frei > 0)
                ansicht->setSpan(z, s, 1, frei + 1);
            else
                breite[size_t(s)] = std::max(breite[size_t(s)], fm.horizontalAdvance(text) + 12);
        }
    }
    int gesamt = 0;
    for (int s = 0; s < spalten; ++s) {
        ansicht->setColumnWidth(s, breite[size_t(s)]);
        gesamt += breite[size_t(s)];
    }
    // As wide as its columns, so that the window's other controls get the rest.
    ansicht->verticalHeader()->setMinimumWidth(fm.horizontalAdvance(QStringLiteral("000")) + 8);
    gesamt += ansicht->verticalHeader()->minimumWidth() + 2 * ansicht->frameWidth()
              + ansicht->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, ansicht);
    ansicht->setFixedWidth(gesamt);
}
