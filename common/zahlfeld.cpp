#include "zahlfeld.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpression>
#include <QResizeEvent>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace zahlfeld {
namespace {

// The widest number a field makes room for: fifteen digits grouped, a sign,
// three decimals and the trailing blank of the patterns. The exponent forms
// of the plain number text ("-1,23456789012345E-307") are narrower.
const QString laengsteZahl = QStringLiteral("-000.000.000.000.000,000 ");
const QString marke = QStringLiteral("###");

// The line edit's own margin left and right of its text, and the room the
// cursor takes at the end of the text.
constexpr int randImFeld = 2;
constexpr int cursorRaum = 2;

// What the field looked like before the rule touched it.
constexpr const char* entwurfMin = "zahlfeldEntwurfMin";
constexpr const char* entwurfMax = "zahlfeldEntwurfMax";
constexpr const char* markeAn = "zahlfeldMarke";
constexpr const char* tipVorher = "zahlfeldTipVorher";
constexpr const char* beschreibungVorher = "zahlfeldBeschreibungVorher";
constexpr const char* gekappt = "zahlfeldGekappt";
constexpr const char* randBreite = "zahlfeldRand";
constexpr const char* umbruchHoehe = "zahlfeldUmbruchHoehe";

QString text(const QWidget* w)
{
    if (auto* l = qobject_cast<const QLabel*>(w))
        return l->textFormat() == Qt::RichText || l->wordWrap() ? QString() : l->text();
    if (auto* e = qobject_cast<const QLineEdit*>(w))
        return e->echoMode() == QLineEdit::Normal ? e->text() : QString();
    return {};
}

QStyleOptionFrame rahmenOption(const QLineEdit* e)
{
    QStyleOptionFrame o;
    o.initFrom(e);
    o.rect = e->rect();
    o.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &o, e) : 0;
    o.midLineWidth = 0;
    o.state |= QStyle::State_Sunken;
    if (e->isReadOnly())
        o.state |= QStyle::State_ReadOnly;
    o.features = QStyleOptionFrame::None;
    return o;
}

QStyleOptionFrame rahmenOption(const QLabel* l)
{
    QStyleOptionFrame o;
    o.initFrom(l);
    o.rect = l->frameRect();
    o.frameShape = l->frameShape();
    switch (o.frameShape) {
    case QFrame::Box:
    case QFrame::HLine:
    case QFrame::VLine:
    case QFrame::StyledPanel:
    case QFrame::Panel:
        o.lineWidth = l->lineWidth();
        o.midLineWidth = l->midLineWidth();
        break;
    default: o.lineWidth = l->frameWidth(); break;
    }
    if (l->frameShadow() == QFrame::Sunken)
        o.state |= QStyle::State_Sunken;
    else if (l->frameShadow() == QFrame::Raised)
        o.state |= QStyle::State_Raised;
    return o;
}

// The width the text needs in the field, frame and margins included. A
// label asks, as its own size hint does, for a whole "x" of indent beside a
// frame where it draws with half of it.
int breiteFuer(const QWidget* w, const QString& t)
{
    const QFontMetrics fm = w->fontMetrics();
    if (auto* l = qobject_cast<const QLabel*>(w)) {
        const int textbreite =
            qMax(fm.horizontalAdvance(t), fm.boundingRect(QRect(0, 0, 4000, 2000), Qt::AlignLeft, t).width());
        int extra = 2 * l->margin();
        int einzug = l->indent();
        if (einzug < 0 && l->frameWidth())
            einzug = fm.horizontalAdvance(u'x') - 2 * l->margin();
        if (einzug > 0 && (l->alignment() & (Qt::AlignLeft | Qt::AlignRight)))
            extra += einzug;
        return l->width() - l->contentsRect().width() + extra + textbreite;
    }
    // A box's frame and margins, asked of the style once until its style or
    // font changes.
    QVariant rand = w->property(randBreite);
    if (!rand.isValid()) {
        rand = w->width() - textbereich(w).width();
        const_cast<QWidget*>(w)->setProperty(randBreite, rand);
    }
    return rand.toInt() + fm.horizontalAdvance(t) + cursorRaum;
}

bool passt(const QWidget* w, const QString& t)
{
    return breiteFuer(w, t) <= w->width();
}

// The grid among the parent's layouts, nested ones included, that holds the
// field.
QGridLayout* gitterVon(QLayout* layout, QWidget* w)
{
    if (!layout)
        return nullptr;
    if (auto* g = qobject_cast<QGridLayout*>(layout); g && g->indexOf(w) >= 0)
        return g;
    for (int i = 0; i < layout->count(); ++i)
        if (QGridLayout* g = gitterVon(layout->itemAt(i)->layout(), w))
            return g;
    return nullptr;
}

// The field and the number fields below and above it in its grid column.
QList<QWidget*> spalte(QWidget* w)
{
    QWidget* eltern = w->parentWidget();
    QGridLayout* gitter = eltern ? gitterVon(eltern->layout(), w) : nullptr;
    const int index = gitter ? gitter->indexOf(w) : -1;
    if (index < 0)
        return {w};
    int zeile = 0, spalte = 0, zeilen = 0, spalten = 0;
    gitter->getItemPosition(index, &zeile, &spalte, &zeilen, &spalten);
    QList<QWidget*> felder{w};
    for (int z = 0; z < gitter->rowCount(); ++z) {
        QLayoutItem* e = gitter->itemAtPosition(z, spalte);
        QWidget* f = e ? e->widget() : nullptr;
        if (f && f != w && f->property(entwurfMin).isValid() && gitter->indexOf(f) >= 0) {
            int fz = 0, fs = 0, fzeilen = 0, fspalten = 0;
            gitter->getItemPosition(gitter->indexOf(f), &fz, &fs, &fzeilen, &fspalten);
            if (fs == spalte && fspalten == spalten && istZahlFeld(f))
                felder << f;
        }
    }
    return felder;
}

// Lets the field grow for its number, up to the longest realistic one. The
// design's minimum and maximum width are the floor; the field never shrinks
// below what it grew to.
void anpassen(QWidget* w)
{
    if (!w->property(entwurfMin).isValid())
        return; // not yet set up
    const QString t = text(w);
    if (!istZahlText(t))
        return;
    // Most texts fit the width the field has: nothing more to do.
    const int fuerText = breiteFuer(w, t);
    if (fuerText <= w->minimumWidth() && !w->property(gekappt).toBool())
        return;
    // A number wider than the longest realistic one takes no more room than
    // that, though its label would ask for all the room there is; a number
    // that fits again gives the field back the width it may take.
    const int kappe = breiteFuer(w, laengsteZahl);
    const bool zuBreit = fuerText > kappe;
    if (zuBreit != w->property(gekappt).toBool()) {
        w->setProperty(gekappt, zuBreit);
        w->setMaximumWidth(zuBreit ? qMax(kappe, w->minimumWidth())
                                   : qMax(w->property(entwurfMax).toInt(), w->minimumWidth()));
    }
    const int noetig = qMin(fuerText, kappe);
    if (noetig <= w->minimumWidth())
        return;
    const int breite = qMax(noetig, w->property(entwurfMin).toInt());
    w->setMinimumWidth(breite);
    // The other number fields of its column grow as wide, so that the
    // column keeps one right edge.
    for (QWidget* f : spalte(w)) {
        if (f->minimumWidth() < breite)
            f->setMinimumWidth(breite);
        if (f->maximumWidth() < breite)
            f->setMaximumWidth(breite);
    }
}

void einrichtenFuer(QWidget* w)
{
    w->setProperty(entwurfMin, w->minimumWidth());
    w->setProperty(entwurfMax, w->maximumWidth());
    if (auto* e = qobject_cast<QLineEdit*>(w))
        QObject::connect(e, &QLineEdit::textChanged, e, [e] { anpassen(e); });
    anpassen(w);
}

// The mark shown, or taken back: the tooltip and the accessible description
// carry the whole text while the mark stands, and get back what they had.
void setzeMarke(QWidget* w, bool an, const QString& t)
{
    const bool war = w->property(markeAn).toBool();
    if (an && !war) {
        w->setProperty(tipVorher, w->toolTip());
        w->setProperty(beschreibungVorher, w->accessibleDescription());
    }
    if (an) {
        const QString vorher = w->property(beschreibungVorher).toString();
        if (w->toolTip() != t)
            w->setToolTip(t);
        const QString beschreibung = vorher.isEmpty() ? t : vorher + QStringLiteral(": ") + t;
        if (w->accessibleDescription() != beschreibung)
            w->setAccessibleDescription(beschreibung);
    } else if (war) {
        w->setToolTip(w->property(tipVorher).toString());
        w->setAccessibleDescription(w->property(beschreibungVorher).toString());
    }
    if (an != war)
        w->setProperty(markeAn, an);
}

// Draws the field as it is, with the mark in place of its text. The styled
// background is already painted before the paint event; the frame and the
// text are the field's own.
void zeichneMarke(QWidget* w)
{
    QPainter p(w);
    QStyle* s = w->style();
    const QRect bereich = textbereich(w);
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        const QStyleOptionFrame o = rahmenOption(e);
        s->drawPrimitive(QStyle::PE_PanelLineEdit, &o, &p, e);
        s->drawItemText(&p, bereich, int(QStyle::visualAlignment(e->layoutDirection(), e->alignment())), e->palette(),
                        e->isEnabled(), marke, QPalette::Text);
    } else if (auto* l = qobject_cast<QLabel*>(w)) {
        const QStyleOptionFrame o = rahmenOption(l);
        s->drawControl(QStyle::CE_ShapedFrame, &o, &p, l);
        s->drawItemText(&p, bereich, int(QStyle::visualAlignment(l->layoutDirection(), l->alignment())), l->palette(),
                        l->isEnabled(), marke, l->foregroundRole());
    }
}

// A window without a layout of its own sizes itself after its content area
// when it opens, often narrower or lower than the area, to reveal the rest
// later. When the area grows wider because a number needs room, the window
// grows by as much, so that what was in sight stays in sight.
void folgeInhalt(QObject* o, const QResizeEvent* e)
{
    if (!o->isWidgetType())
        return;
    auto* inhalt = static_cast<QWidget*>(o);
    QWidget* fenster = inhalt->parentWidget();
    if (!fenster || !fenster->isWindow() || fenster->layout() || !fenster->isVisible() || inhalt->isWindow())
        return;
    const int zuwachs = e->size().width() - e->oldSize().width();
    if (e->oldSize().width() > 0 && zuwachs > 0 && inhalt->isVisible())
        fenster->resize(fenster->width() + zuwachs, fenster->height());
}

// Captions that wrap need more lines when the numbers beside them take
// their width. A window whose layout has such captions grows in height by
// as much as they need more than when it opened, instead of squeezing a frame
// out of sight; at its design values it keeps its size.
void hoeherFuerUmbruch(QWidget* fenster)
{
    QLayout* layout = fenster->layout();
    if (!fenster->isWindow() || !fenster->isVisible() || !layout || !layout->hasHeightForWidth())
        return;
    const int noetig = layout->totalHeightForWidth(fenster->width());
    const QVariant bisher = fenster->property(umbruchHoehe);
    fenster->setProperty(umbruchHoehe, std::max(noetig, bisher.isValid() ? bisher.toInt() : noetig));
    if (bisher.isValid() && noetig > bisher.toInt())
        fenster->resize(fenster->width(), fenster->height() + noetig - bisher.toInt());
}

bool istFeld(const QObject* o)
{
    return qobject_cast<const QLabel*>(o) || qobject_cast<const QLineEdit*>(o);
}

class Regel : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::Polish:
            if (istFeld(o))
                einrichtenFuer(static_cast<QWidget*>(o));
            break;
        case QEvent::LayoutRequest:
            // A label's new text asks its parent's layout for room: the
            // label's minimum is set before the layout takes it.
            if (o->isWidgetType()) {
                for (QLabel* l : o->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
                    anpassen(l);
                hoeherFuerUmbruch(static_cast<QWidget*>(o));
            }
            break;
        case QEvent::Resize: folgeInhalt(o, static_cast<QResizeEvent*>(e)); break;
        case QEvent::StyleChange:
        case QEvent::FontChange:
            if (istFeld(o))
                o->setProperty(randBreite, QVariant());
            break;
        case QEvent::Paint:
            if (istFeld(o)) {
                auto* w = static_cast<QWidget*>(o);
                anpassen(w); // a field of fixed size asks no layout
                const QString t = text(w);
                const bool an = markiert(w);
                setzeMarke(w, an, t);
                if (an) {
                    zeichneMarke(w);
                    return true;
                }
            }
            break;
        default: break;
        }
        return false;
    }
};

} // namespace

void einrichten()
{
    static Regel* regel = nullptr;
    if (!regel) {
        regel = new Regel(qApp);
        QObject::connect(qApp, &QObject::destroyed, [] { regel = nullptr; });
    }
    qApp->installEventFilter(regel);
}

// A box, or a label that shows results (it has the result role or a
// description for the screen reader).
bool istZahlFeld(const QWidget* f)
{
    if (qobject_cast<const QLineEdit*>(f))
        return true;
    return qobject_cast<const QLabel*>(f)
           && (f->property("rolle").toString().contains(QStringLiteral("ergebnis"))
               || !f->accessibleDescription().isEmpty());
}

bool istZahlText(const QString& text)
{
    static const QRegularExpression zahl(
        QStringLiteral(R"(^\s*[-+]?[0-9.]*[0-9][0-9.]*(,[0-9]*)?(E[-+]?[0-9]+)?\s*(%|TEW|Mio €)?\s*$)"));
    return !text.isEmpty() && zahl.match(text).hasMatch();
}

QRect textbereich(const QWidget* feld)
{
    if (auto* e = qobject_cast<const QLineEdit*>(feld)) {
        const QStyleOptionFrame o = rahmenOption(e);
        QRect r = e->style()->subElementRect(QStyle::SE_LineEditContents, &o, e);
        r = r.marginsRemoved(e->textMargins());
        return r.adjusted(randImFeld, 0, -randImFeld, 0);
    }
    if (auto* l = qobject_cast<const QLabel*>(feld)) {
        const int m = l->margin();
        QRect r = l->contentsRect().adjusted(m, m, -m, -m);
        int einzug = l->indent();
        if (einzug < 0 && l->frameWidth())
            einzug = l->fontMetrics().horizontalAdvance(u'x') / 2 - m;
        if (einzug > 0) {
            const Qt::Alignment a = QStyle::visualAlignment(l->layoutDirection(), l->alignment());
            if (a & Qt::AlignLeft)
                r.setLeft(r.left() + einzug);
            if (a & Qt::AlignRight)
                r.setRight(r.right() - einzug);
        }
        return r;
    }
    return feld->rect();
}

bool markiert(const QWidget* feld)
{
    const QString t = text(feld);
    if (!istZahlText(t))
        return false;
    if (auto* e = qobject_cast<const QLineEdit*>(feld); e && e->hasFocus())
        return false;
    return !passt(feld, t);
}

} // namespace zahlfeld
