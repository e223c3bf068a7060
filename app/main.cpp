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
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelmo"));
    frmStart start;
    start.show();
    return app.exec();
}
