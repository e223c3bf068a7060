#include "fenstertest.h"

void Fenstertest::init()
{
    umgebung = new Testumgebung;
    vorbereiten();
}

void Fenstertest::cleanup()
{
    alleSchliessen();
    const QString unerwartet = umgebung->unerwartet;
    const qsizetype meldungen = boxen().size();
    delete umgebung;
    umgebung = nullptr;
    QCOMPARE(unerwartet, QString());
    if (ohneMeldungen)
        QCOMPARE(meldungen, 0);
}
