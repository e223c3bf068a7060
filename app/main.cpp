#include "aussehen.h"
#include "fenster.h"
#include "frmStart.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    // Without a display the platform would abort with a long complaint; say it
    // in one line instead.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fputs("kelmo: kein Bildschirm gefunden (DISPLAY ist nicht gesetzt)\n", stderr);
        return 1;
    }
    fenster::anzeigeWaehlen();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelmo"));
    aussehen::anwenden();
    frmStart start;
    start.show();
    // A window that no menu item opens can be named on the command line.
    const QStringList argumente = QApplication::arguments();
    if (argumente.size() > 1) {
        const QString name = argumente.at(1);
        if (fenster::bekannt(name))
            fenster::zeige(name);
        else
            std::fprintf(stderr, "kelmo: unbekanntes Fenster \"%s\"\n", qPrintable(name));
    }
    return app.exec();
}
