#include "testhilfe.h"

#include "aussehen.h"
#include "zahlfeld.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

Testumgebung::Testumgebung()
{
    meldung::setzeAnzeige(&meldungen);
    mdlInternet::setzeOeffner(&links);
    zwischenablage::setzeAblage(&ablage);
    drucker::setzeDrucker(&drucker);
    aussehen::anwenden();
    m_waechter.setInterval(50);
    QObject::connect(&m_waechter, &QTimer::timeout, [this] {
        if (QWidget* m = QApplication::activeModalWidget()) {
            unerwartet = m->windowTitle();
            m->close();
            QTest::qFail(qPrintable(QStringLiteral("unerwartetes modales Fenster \"%1\"").arg(unerwartet)), __FILE__,
                         __LINE__);
        }
    });
    m_waechter.start();
}

namespace {
QList<QPointer<QObject>> ersatzListe;
}

void merkeErsatz(QObject* o)
{
    ersatzListe.append(o);
}

Testumgebung::~Testumgebung()
{
    for (const QPointer<QObject>& o : std::exchange(ersatzListe, {}))
        delete o.data();
    meldung::setzeAnzeige(nullptr);
    mdlInternet::setzeOeffner(nullptr);
    zwischenablage::setzeAblage(nullptr);
    drucker::setzeDrucker(nullptr);
}

QString eingabefehlerText(const QString& beschreibung, const QString& text)
{
    return beschreibung + QStringLiteral("\r\n") + text;
}

void tippe(QWidget* w, const QString& text)
{
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u < 128 && u != ' ') {
            QTest::keyClicks(w, QString(c));
            continue;
        }
        const int key = u == ' ' ? int(Qt::Key_Space) : int(QChar(c).toUpper().unicode());
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QApplication::sendEvent(w, &release);
    }
}

void ersetze(QLineEdit* box, const QString& text)
{
    box->selectAll();
    tippe(box, text);
}

void ruhe()
{
    for (int i = 0; i < 4; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

QString nichtGanz(const QWidget* f)
{
    if (f->height() < f->fontMetrics().height())
        return QStringLiteral("Feld %1 px hoch, Text %2 px").arg(f->height()).arg(f->fontMetrics().height());
    if (auto* l = qobject_cast<const QLabel*>(f); l && l->width() < l->sizeHint().width())
        return QStringLiteral("Feld %1 px, Text %2 px").arg(l->width()).arg(l->sizeHint().width());
    if (auto* e = qobject_cast<const QLineEdit*>(f)) {
        const int noetig = e->fontMetrics().horizontalAdvance(e->text()) + 1;
        if (noetig > zahlfeld::textbereich(e).width())
            return QStringLiteral("Textbereich %1 px, Text %2 px").arg(zahlfeld::textbereich(e).width()).arg(noetig);
    }
    return abgeschnitten(f);
}

QString abgeschnitten(const QWidget* f)
{
    for (const QWidget* a = f->parentWidget(); a; a = a->parentWidget()) {
        if (!a->rect().contains(QRect(f->mapTo(a, QPoint(0, 0)), f->size())))
            return QStringLiteral("von %1 abgeschnitten").arg(a->objectName());
        if (a->isWindow())
            break;
    }
    return {};
}

void alleSchliessen()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void klicke(QAbstractButton* b)
{
    const bool option = b->inherits("QRadioButton") || b->inherits("QCheckBox");
    const QPoint wo = option ? QPoint(6, b->height() / 2) : b->rect().center();
    QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, wo);
}
