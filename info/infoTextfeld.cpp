#include "infoTextfeld.h"

#include <QFont>
#include <QFontMetricsF>
#include <QtMath>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace infoTextfeld {

QColor systemfarbe(QPalette::ColorRole rolle)
{
    return QGuiApplication::palette().color(rolle);
}

Art info()
{
    Art a;
    a.hintergrund = systemfarbe(QPalette::ToolTipBase);
    a.schrift = systemfarbe(QPalette::ButtonText);
    return a;
}

Art erklaerung()
{
    Art a = info();
    a.bildlaufleiste = true;
    return a;
}

void richteEin(QPlainTextEdit* Text1, const QString& text, const Art& art)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));

    if (art.arial9)
        Text1->setFont(QFont(QStringLiteral("Arial"), 9));
    QPalette p = Text1->palette();
    if (art.hintergrund.isValid())
        p.setColor(QPalette::Base, art.hintergrund);
    if (art.schrift.isValid())
        p.setColor(QPalette::Text, art.schrift);
    Text1->setPalette(p);
    if (!art.rahmen)
        Text1->setFrameShape(QFrame::NoFrame);
    Text1->setVerticalScrollBarPolicy(art.bildlaufleiste ? Qt::ScrollBarAlwaysOn
                                      : art.ganzerText   ? Qt::ScrollBarAlwaysOff
                                                         : Qt::ScrollBarAsNeeded);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Tab leaves the box, as in every other box of the program.
    Text1->setTabChangesFocus(true);

    Text1->setReadOnly(art.gesperrt);
    if (art.gesperrt)
        Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    Text1->setPlainText(t);
    if (art.ganzerText) {
        const int zeilen = Text1->document()->blockCount();
        const qreal rand = 2 * (Text1->document()->documentMargin() + Text1->frameWidth());
        Text1->setMinimumHeight(qCeil(zeilen * QFontMetricsF(Text1->font()).lineSpacing() + rand) + 1);
    }
    Text1->moveCursor(QTextCursor::Start);
    Text1->verticalScrollBar()->setValue(0);
}

} // namespace infoTextfeld
