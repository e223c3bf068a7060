#include "datum.h"

#include <QLocale>
#include <QTimer>

#include <memory>

namespace datum {

QString lang(const QDate& tag)
{
    return QLocale(QLocale::German, QLocale::Germany).toString(tag, QLocale::LongFormat);
}

void heuteAnzeigen(QObject* besitzer, const std::function<void(const QString&)>& zeige)
{
    auto gezeigt = std::make_shared<QDate>(QDate::currentDate());
    zeige(lang(*gezeigt) + QStringLiteral("\n"));
    auto* uhr = new QTimer(besitzer);
    uhr->setInterval(60 * 1000);
    QObject::connect(uhr, &QTimer::timeout, besitzer, [gezeigt, zeige] {
        const QDate heute = QDate::currentDate();
        if (heute == *gezeigt)
            return;
        *gezeigt = heute;
        zeige(lang(heute) + QStringLiteral("\n"));
    });
    uhr->start();
}

} // namespace datum
