#pragma once

#include "testhilfe.h"

#include <QObject>

// The frame of a test class whose test functions work open windows: each one
// runs with a fresh Testumgebung and what vorbereiten() opens, and ends with every
// window closed and no modal window that had to be closed by force. A test
// class derives from it instead of from QObject.
class Fenstertest : public QObject {
    Q_OBJECT

protected:
    Testumgebung* umgebung = nullptr;
    // Set where no test function may leave a message box behind.
    bool ohneMeldungen = false;

    // The message boxes of the running test function so far.
    QList<Box>& boxen() { return umgebung->meldungen.boxen; }
    // What each test function starts with: its window, say.
    virtual void vorbereiten() {}

protected slots:
    // Also called by a test function that starts afresh midway.
    void init();
    void cleanup();
};
