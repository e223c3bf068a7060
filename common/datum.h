#pragma once

#include <QDate>
#include <QString>

#include <functional>

class QObject;

// Today's date as the windows show it.
namespace datum {

// The German long form, "Mittwoch, 17. Oktober 2007".
QString lang(const QDate& tag);

// Hands today's long date, followed by a line break, to zeige at once and
// again whenever the day has changed; it asks the clock once a minute, for as
// long as the owner lives.
void heuteAnzeigen(QObject* besitzer, const std::function<void(const QString&)>& zeige);

} // namespace datum
