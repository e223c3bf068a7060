#include "mdlInternet.h"

#include "naht.h"

#include <QDesktopServices>
#include <QUrl>

namespace mdlInternet {
namespace {

class Desktop : public Oeffner {
public:
    int oeffne(const QString& link) override
    {
        // The e-mail link carries a blank after "mailto:"; the desktop wants
        // the address without it.
        QString ziel = link;
        if (ziel.startsWith(QStringLiteral("mailto:")))
            ziel = QStringLiteral("mailto:") + ziel.mid(7).trimmed();
        // Like the shell's answer: above 32 means a handler was started.
        return QDesktopServices::openUrl(QUrl(ziel)) ? 42 : 2;
    }
};

Desktop desktop;
Naht<Oeffner> aktueller(desktop);

} // namespace

Oeffner* setzeOeffner(Oeffner* oeffner)
{
    return aktueller.setze(oeffner);
}

int OeffneLink(const QString& link)
{
    return aktueller->oeffne(link);
}

} // namespace mdlInternet
