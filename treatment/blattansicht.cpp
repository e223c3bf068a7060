#include "blattansicht.h"

#include "zahlen.h"

#include <QBrush>
#include <QHeaderView>
#include <QResizeEvent>
#include <QStyle>
#include <QStyledItemDelegate>

#include <algorithm>
#include <cmath>

using Art = Arbeitsblatt::Wert::Art;

Blattmodell::Blattmodell(std::unique_ptr<Arbeitsblatt> blatt, QObject* parent)
    : QAbstractTableModel(parent), m_blatt(std::move(blatt)), m_ausschnitt(m_blatt->ausschnitt())
{
    m_blatt->beiAenderung([this] { emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1)); });
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

bool Blattmodell::istZahl(const QModelIndex& index) const
{
    return index.isValid()
           && m_blatt->wert(m_ausschnitt.ersteZeile + index.row(), m_ausschnitt.ersteSpalte + index.column()).art
                  == Art::Zahl;
}

namespace {

// Draws a cell as a spreadsheet does: a number that does not fit into its
// column is filled with "#", a text is cut at the cell's edge, not shortened
// with an ellipsis.
class Zellenzeichner : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QString text(const QStyleOptionViewItem& option, const QModelIndex& index) const
    {
        QStyleOptionViewItem o = option;
        initStyleOption(&o, index);
        return o.text;
    }

protected:
    void initStyleOption(QStyleOptionViewItem* o, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(o, index);
        o->textElideMode = Qt::ElideNone;
        const auto* modell = dynamic_cast<const Blattmodell*>(index.model());
        if (!modell || !modell->istZahl(index))
            return;
        const QStyle* stil = o->widget ? o->widget->style() : nullptr;
        const int rand = stil ? stil->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, o->widget) + 1 : 3;
        const int platz = o->rect.width() - 2 * rand;
        if (o->fontMetrics.horizontalAdvance(o->text) <= platz)
            return;
        const int raute = std::max(1, o->fontMetrics.horizontalAdvance(u'#'));
        o->text = QString(std::max(0, platz / raute), u'#');
    }
};

// The width of a cell's text, with a little room on either side.
int textbreite(const QFontMetrics& fm, const QString& text)
{
    return fm.horizontalAdvance(text) + 12;
}

} // namespace

Blattansicht::Blattansicht(QWidget* parent) : QTableView(parent)
{
    setItemDelegate(new Zellenzeichner(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    // Reached by Tab, left by Tab; the arrow keys move through the cells.
    setFocusPolicy(Qt::StrongFocus);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    for (QHeaderView* kopf : {horizontalHeader(), verticalHeader()}) {
        kopf->setSectionResizeMode(QHeaderView::Fixed);
        kopf->setHighlightSections(false);
        kopf->setMinimumSectionSize(1);
    }
}

void Blattansicht::zeige(Blattmodell* modell)
{
    m_modell = modell;
    setModel(modell);
    m_schrift = font();
    const QFontMetrics fm(m_schrift);
    m_zeilenhoehe = fm.height() + 4;
    m_kopfhoehe = m_zeilenhoehe + 2;
    m_kopfbreite = fm.horizontalAdvance(QStringLiteral("000")) + 8;

    const int zeilen = modell->rowCount();
    const int spalten = modell->columnCount();
    // Wide enough for an error value, which any computed cell may show.
    int fehlerbreite = 0;
    for (const char* fehler : {"#DIV/0!", "#WERT!", "#ZAHL!", "#BEZUG!"})
        fehlerbreite = std::max(fehlerbreite, textbreite(fm, QString::fromLatin1(fehler)));
    m_breite.assign(size_t(spalten), fehlerbreite);
    for (int z = 0; z < zeilen; ++z) {
        for (int s = 0; s < spalten; ++s) {
            const QModelIndex i = modell->index(z, s);
            const QString text = i.data().toString();
            if (text.isEmpty())
                continue;
            int frei = 0;
            if (i.data(Qt::TextAlignmentRole).toInt() & Qt::AlignLeft) {
                while (s + frei + 1 < spalten && modell->index(z, s + frei + 1).data().toString().isEmpty())
                    ++frei;
            }
            if (frei > 0)
                setSpan(z, s, 1, frei + 1);
            else
                m_breite[size_t(s)] = std::max(m_breite[size_t(s)], textbreite(fm, text));
        }
    }
    updateGeometry();
    skaliere();
}

QString Blattansicht::sichtbar(int zeile, int spalte) const
{
    const QModelIndex i = model()->index(zeile, spalte);
    QStyleOptionViewItem o;
    initViewItemOption(&o);
    o.rect = visualRect(i);
    return static_cast<const Zellenzeichner*>(itemDelegate())->text(o, i);
}

QSize Blattansicht::sizeHint() const
{
    int breite = m_kopfbreite;
    for (int b : m_breite)
        breite += b;
    const int hoehe = m_kopfhoehe + m_zeilenhoehe * (m_modell ? m_modell->rowCount() : 0);
    return QSize(breite, hoehe) + QSize(2 * frameWidth(), 2 * frameWidth());
}

QSize Blattansicht::minimumSizeHint() const
{
    return sizeHint() / 4;
}

void Blattansicht::resizeEvent(QResizeEvent* e)
{
    skaliere();
    QTableView::resizeEvent(e);
}

// Widths and heights grow or shrink with the space, each direction on its
// own, so that the range fills the view; the font shrinks with the smaller
// of the two, and never grows beyond the design.
void Blattansicht::skaliere()
{
    if (!m_modell)
        return;
    const QSize natur = sizeHint() - QSize(2 * frameWidth(), 2 * frameWidth());
    const QSize platz = contentsRect().size();
    if (natur.isEmpty() || platz.isEmpty())
        return;
    const double sx = double(platz.width()) / natur.width();
    const double sy = double(platz.height()) / natur.height();
    QFont schrift = m_schrift;
    schrift.setPointSizeF(m_schrift.pointSizeF() * std::min({1.0, sx, sy}));
    // Under the style sheet a child inherits no font: the headers paint
    // their sections on their own viewports.
    setFont(schrift);
    for (QHeaderView* kopf : {horizontalHeader(), verticalHeader()}) {
        kopf->setFont(schrift);
        kopf->viewport()->setFont(schrift);
    }

    // Each edge at its scaled place, so that the parts add up to the whole.
    const auto kante = [](int laenge, double s) { return int(std::floor(laenge * s)); };
    verticalHeader()->setFixedWidth(kante(m_kopfbreite, sx));
    horizontalHeader()->setFixedHeight(kante(m_kopfhoehe, sy));
    int links = m_kopfbreite;
    for (int s = 0; s < int(m_breite.size()); ++s) {
        const int rechts = links + m_breite[size_t(s)];
        setColumnWidth(s, kante(rechts, sx) - kante(links, sx));
        links = rechts;
    }
    const int zeilen = m_modell->rowCount();
    for (int z = 0; z < zeilen; ++z) {
        const int oben = m_kopfhoehe + z * m_zeilenhoehe;
        setRowHeight(z, kante(oben + m_zeilenhoehe, sy) - kante(oben, sy));
    }
}
