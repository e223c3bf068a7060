// The benchmark behind tools/bench, run in an X display (Xvfb): start-up,
// opening every window from the menu, a key release in the pipe flow and VAT
// windows, the worst slope search and the resident memory, each next to a
// bare Qt window (or a bare loop) measured in the same run. It prints one
// table and asserts nothing.
//
//   kelmo_bench KELMO      the whole run; KELMO is the program to start
//   kelmo_bench --grund    a bare Qt window with a menu bar, until killed
//   kelmo_bench --grund-speicher | --alle-speicher
//                          the bare window, or the main window with every
//                          registered window open: prints its resident
//                          memory in kB once everything is on screen
#include "aussehen.h"
#include "fenster.h"
#include "frmStart.h"
#include "gefaellesuche.h"
#include "mdlInternet.h"
#include "meldung.h"
#include "zwischenablage.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QVBoxLayout>
#include <QWindow>

#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Uhr = QElapsedTimer;

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double ms(qint64 ns)
{
    return double(ns) / 1e6;
}

// --- services: the benchmark never shows a box, opens a link or touches the clipboard

struct StilleAnzeige : meldung::Anzeige {
    int boxen = 0;
    int zeige(const QString&, const QString&, int) override
    {
        ++boxen;
        return meldung::Ok;
    }
};
struct StillerOeffner : mdlInternet::Oeffner {
    int oeffne(const QString&) override { return 2; }
};
struct StilleAblage : zwischenablage::Ablage {
    void leere() override {}
    void setzeText(const QString&) override {}
};

StilleAnzeige anzeige;
StillerOeffner oeffner;
StilleAblage ablage;

void dienstePlatzieren()
{
    meldung::setzeAnzeige(&anzeige);
    mdlInternet::setzeOeffner(&oeffner);
    zwischenablage::setzeAblage(&ablage);
}

// --- the bare window

QMainWindow* grundfenster()
{
    auto* w = new QMainWindow;
    w->setWindowTitle(QStringLiteral("Grundfenster"));
    QMenu* datei = w->menuBar()->addMenu(QStringLiteral("Datei"));
    QAction* fenster = datei->addAction(QStringLiteral("Fenster"));
    datei->addAction(QStringLiteral("Beenden"), qApp, &QApplication::quit);
    // Its menu item opens a bare window with one label.
    QObject::connect(fenster, &QAction::triggered, [] {
        auto* neu = new QWidget;
        neu->setAttribute(Qt::WA_DeleteOnClose);
        neu->setWindowTitle(QStringLiteral("Fenster"));
        auto* l = new QVBoxLayout(neu);
        l->addWidget(new QLabel(QStringLiteral("Ein Fenster"), neu));
        neu->show();
    });
    w->resize(900, w->menuBar()->sizeHint().height());
    return w;
}

// Waits until every window is exposed, then lets the program settle.
void warteGezeigt(const QList<QWidget*>& fenster)
{
    Uhr u;
    u.start();
    auto alle = [&] {
        return std::all_of(fenster.begin(), fenster.end(),
                           [](QWidget* w) { return w->windowHandle() && w->windowHandle()->isExposed(); });
    };
    while (!alle() && u.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    u.restart();
    while (u.elapsed() < 300)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// A figure of /proc/self/status in kB, e.g. "VmRSS" (resident in all).
long statusKb(const char* feld)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray kopf = QByteArray(feld) + ':';
    for (const QByteArray& zeile : f.readAll().split('\n'))
        if (zeile.startsWith(kopf))
            return zeile.mid(kopf.size()).trimmed().split(' ').first().toLong();
    return 0;
}

// --- start-up: from the spawn of a process to the map of its first window

class KartenWaechter {
public:
    KartenWaechter() : m_c(xcb_connect(nullptr, nullptr))
    {
        if (xcb_connection_has_error(m_c))
            return;
        // Every map of a top-level window is reported on the root window.
        const xcb_window_t wurzel = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data->root;
        const uint32_t maske = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_c, wurzel, XCB_CW_EVENT_MASK, &maske);
        const char* name = "_NET_WM_PID";
        xcb_intern_atom_reply_t* r =
            xcb_intern_atom_reply(m_c, xcb_intern_atom(m_c, 0, uint16_t(std::strlen(name)), name), nullptr);
        m_pidAtom = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(r);
        xcb_flush(m_c);
        m_ok = true;
    }
    ~KartenWaechter() { xcb_disconnect(m_c); }
    bool ok() const { return m_ok; }

    // Milliseconds from the spawn of the program to the map of a top-level
    // window of its own, or nothing.
    std::optional<double> start(const std::vector<std::string>& argumente)
    {
        std::vector<char*> argv;
        for (const std::string& a : argumente)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        verwerfe();
        Uhr u;
        u.start();
        pid_t pid = 0;
        if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
            return std::nullopt;
        std::optional<double> zeit;
        const int fd = xcb_get_file_descriptor(m_c);
        while (!zeit && u.elapsed() < 20000) {
            pollfd p{fd, POLLIN, 0};
            poll(&p, 1, 100);
            while (xcb_generic_event_t* e = xcb_poll_for_event(m_c)) {
                const qint64 jetzt = u.nsecsElapsed();
                if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY && !zeit) {
                    const auto* m = reinterpret_cast<xcb_map_notify_event_t*>(e);
                    if (pidVon(m->window) == uint32_t(pid))
                        zeit = ms(jetzt);
                }
                std::free(e);
            }
        }
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return zeit;
    }

private:
    void verwerfe()
    {
        while (xcb_generic_event_t* e = xcb_poll_for_event(m_c))
            std::free(e);
    }
    uint32_t pidVon(xcb_window_t w)
    {
        xcb_get_property_reply_t* r =
            xcb_get_property_reply(m_c, xcb_get_property(m_c, 0, w, m_pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr);
        uint32_t pid = 0;
        if (r && xcb_get_property_value_length(r) == 4)
            std::memcpy(&pid, xcb_get_property_value(r), 4);
        std::free(r);
        return pid;
    }

    xcb_connection_t* m_c;
    xcb_atom_t m_pidAtom = 0;
    bool m_ok = false;
};

// --- opening a window from a menu: from the trigger to its first paint on screen

class MalWaechter : public QObject {
public:
    explicit MalWaechter(QWidget* haupt) : m_haupt(haupt) {}
    bool gemalt = false;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && o->isWidgetType()) {
            QWidget* w = static_cast<QWidget*>(o)->window();
            if (w != m_haupt && !w->inherits("QMenu"))
                gemalt = true;
        }
        return false;
    }

private:
    QWidget* m_haupt;
};

QList<QWidget*> sichtbareFenster(QWidget* haupt)
{
    QList<QWidget*> l;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != haupt && w->isVisible() && !w->inherits("QMenu"))
            l << w;
    return l;
}

void schliesseAndere(QWidget* haupt)
{
    for (QWidget* w : sichtbareFenster(haupt))
        w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

struct Oeffnung {
    double ms = 0;
    QString fenster;
};

// Chooses the menu item; the window it opens, once painted, is closed again.
std::optional<Oeffnung> oeffne(QAction* a, QWidget* haupt)
{
    schliesseAndere(haupt);
    MalWaechter waechter(haupt);
    qApp->installEventFilter(&waechter);
    Uhr u;
    u.start();
    a->trigger();
    const QList<QWidget*> neu = sichtbareFenster(haupt);
    std::optional<Oeffnung> o;
    if (!neu.isEmpty()) {
        while (!waechter.gemalt && u.elapsed() < 3000)
            QCoreApplication::processEvents();
        if (waechter.gemalt)
            o = Oeffnung{ms(u.nsecsElapsed()), neu.last()->objectName()};
    }
    qApp->removeEventFilter(&waechter);
    schliesseAndere(haupt);
    return o;
}

void blaetter(const QList<QAction*>& aktionen, QList<QAction*>& ziel)
{
    for (QAction* a : aktionen) {
        if (a->menu())
            blaetter(a->menu()->actions(), ziel);
        else if (!a->isSeparator())
            ziel << a;
    }
}

struct Oeffnungen {
    std::vector<double> zeiten; // per menu item, the median of its openings
    Oeffnung schlechteste;      // the item with the largest median
};

// Every menu item that opens a window, each chosen several times.
Oeffnungen alleOeffnen(QMainWindow* haupt, int mal)
{
    QList<QAction*> punkte;
    blaetter(haupt->menuBar()->actions(), punkte);
    Oeffnungen r;
    for (QAction* a : punkte) {
        std::vector<double> zeiten;
        QString fenster;
        for (int k = 0; k < mal; ++k) {
            const std::optional<Oeffnung> o = oeffne(a, haupt);
            if (!o)
                break;
            zeiten.push_back(o->ms);
            fenster = o->fenster;
        }
        if (zeiten.empty())
            continue; // a link, or a window not built yet
        r.zeiten.push_back(median(zeiten));
        if (r.zeiten.back() > r.schlechteste.ms)
            r.schlechteste = {r.zeiten.back(), fenster};
    }
    return r;
}

// --- a key release: from its delivery to the written results

struct Loslassen {
    double median = 0;
    double schlechteste = 0;
};

Loslassen loslassen(QLineEdit* box, const QStringList& werte, int mal)
{
    std::vector<double> zeiten;
    for (int k = 0; k < mal; ++k) {
        box->setText(werte.at(k % werte.size()));
        QCoreApplication::processEvents();
        QKeyEvent los(QEvent::KeyRelease, Qt::Key_0, Qt::NoModifier, QStringLiteral("0"));
        Uhr u;
        u.start();
        QApplication::sendEvent(box, &los);
        zeiten.push_back(ms(u.nsecsElapsed()));
    }
    QCoreApplication::processEvents();
    return {median(zeiten), *std::max_element(zeiten.begin(), zeiten.end())};
}

// The bare counterpart: a box whose key release writes one converted number.
class NackteRechnung : public QObject {
public:
    NackteRechnung(QLineEdit* box, QLabel* ziel) : QObject(box), m_box(box), m_ziel(ziel) {}
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::KeyRelease) {
            const QLocale de(QLocale::German);
            m_ziel->setText(de.toString(de.toDouble(m_box->text()) * 1.19, 'f', 2));
        }
        return false;
    }

private:
    QLineEdit* m_box;
    QLabel* m_ziel;
};

// --- the slope search

// The same steps as the search, the bare formula without any check.
double nackteSuche(double vSoll, double nu, double d, double kb)
{
    const double t2 = kb / (3.71 * d);
    const double ln10 = std::log(10.0);
    double i = 0;
    for (;;) {
        i += 0.00001;
        if (i > 10.0)
            return i;
        const double t1 = nu * 2.51 / (d * std::sqrt(i * d * 2 * 9.81));
        const double v = -2.0 * (std::log(t1 + t2) / ln10) * std::sqrt(19.62 * i * d);
        if (!(v < vSoll))
            return i;
    }
}

template <class F>
double mittlereZeit(int mal, F f)
{
    std::vector<double> zeiten;
    for (int k = 0; k < mal; ++k) {
        Uhr u;
        u.start();
        f();
        zeiten.push_back(ms(u.nsecsElapsed()));
    }
    return median(zeiten);
}

// --- the table

struct Zeile {
    std::string was;
    double kelmo;
    double grund;
    std::string einheit;
    // The goal: a ratio (relativ) or an absolute figure in the unit.
    double ziel;
    bool relativ;
};

std::string zahl(double x, const std::string& einheit)
{
    char b[64];
    if (einheit == "MB")
        std::snprintf(b, sizeof b, "%.1f MB", x);
    else if (x < 10)
        std::snprintf(b, sizeof b, "%.3f ms", x);
    else
        std::snprintf(b, sizeof b, "%.1f ms", x);
    return b;
}

void drucke(const std::vector<Zeile>& zeilen)
{
    std::printf("%-52s %11s %11s %8s  %-9s %s\n", "measurement", "Kelmo", "baseline", "ratio", "goal", "");
    for (const Zeile& z : zeilen) {
        const double verhaeltnis = z.grund > 0 ? z.kelmo / z.grund : 0;
        char ziel[32];
        if (z.relativ)
            std::snprintf(ziel, sizeof ziel, "<= %.1fx", z.ziel);
        else
            std::snprintf(ziel, sizeof ziel, "<= %.0f ms", z.ziel);
        const bool erreicht = z.relativ ? verhaeltnis <= z.ziel : z.kelmo <= z.ziel;
        std::printf("%-52s %11s %11s %7.2fx  %-9s %s\n", z.was.c_str(), zahl(z.kelmo, z.einheit).c_str(),
                    zahl(z.grund, z.einheit).c_str(), verhaeltnis, ziel, erreicht ? "met" : "MISSED");
    }
}

// --- the child processes

int speicher(bool alle)
{
    dienstePlatzieren();
    QList<QWidget*> fenster;
    if (alle) {
        aussehen::anwenden();
        auto* start = new frmStart;
        start->show();
        fenster << start;
        for (const QString& name : fenster::namen())
            fenster << fenster::zeige(name);
    } else {
        QMainWindow* g = grundfenster();
        g->show();
        fenster << g;
    }
    warteGezeigt(fenster);
    // Of the resident memory, the windows' pixel buffers: four bytes a pixel.
    double pixel = 0;
    for (QWidget* w : std::as_const(fenster)) {
        const double dpr = w->devicePixelRatioF();
        pixel += w->width() * dpr * w->height() * dpr * 4 / 1024;
    }
    std::printf("%ld %.0f\n", statusKb("VmRSS"), pixel);
    std::fflush(stdout);
    std::_Exit(0);
}

struct Speicher {
    double mb = 0;
    double pixelMb = 0; // of it the windows' pixel buffers
};

Speicher speicherMb(const QString& modus)
{
    std::vector<double> werte, pixel;
    for (int k = 0; k < 3; ++k) {
        QProcess p;
        p.start(QCoreApplication::applicationFilePath(), {modus});
        p.waitForFinished(60000);
        const QList<QByteArray> z = p.readAllStandardOutput().simplified().split(' ');
        werte.push_back(z.value(0).toDouble() / 1024);
        pixel.push_back(z.value(1).toDouble() / 1024);
    }
    return {median(werte), median(pixel)};
}

std::vector<double> starts(KartenWaechter& x, const std::vector<std::string>& argumente, int mal)
{
    std::vector<double> zeiten;
    for (int k = 0; k < mal; ++k)
        if (const std::optional<double> t = x.start(argumente))
            zeiten.push_back(*t);
    return zeiten;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fputs("usage: kelmo_bench KELMO (run by tools/bench in an X display)\n", stderr);
        return 2;
    }
    const std::string modus = argv[1];
    // The windows reach the display as in the program.
    fenster::anzeigeWaehlen();
    QApplication app(argc, argv);
    if (modus == "--grund") {
        grundfenster()->show();
        return app.exec();
    }
    if (modus == "--grund-speicher" || modus == "--alle-speicher")
        return speicher(modus == "--alle-speicher");

    const std::string kelmo = modus;
    const std::string selbst = QCoreApplication::applicationFilePath().toStdString();
    if (access(kelmo.c_str(), X_OK) != 0) {
        std::fprintf(stderr, "kelmo_bench: %s is not a program\n", kelmo.c_str());
        return 2;
    }
    KartenWaechter x;
    if (!x.ok()) {
        std::fputs("kelmo_bench: no X display\n", stderr);
        return 2;
    }
    std::vector<Zeile> zeilen;
    // Other work on the machine shows in every figure.
    QFile lastDatei(QStringLiteral("/proc/loadavg"));
    const QByteArray last = lastDatei.open(QIODevice::ReadOnly) ? lastDatei.readAll().split(' ').value(0) : "?";

    // Start-up, after one start of each to warm the caches; alternating.
    starts(x, {kelmo}, 1);
    starts(x, {selbst, "--grund"}, 1);
    std::vector<double> startK, startG;
    for (int k = 0; k < 9; ++k) {
        for (double t : starts(x, {kelmo}, 1))
            startK.push_back(t);
        for (double t : starts(x, {selbst, "--grund"}, 1))
            startG.push_back(t);
    }
    if (startK.empty() || startG.empty()) {
        std::fputs("kelmo_bench: a window was never mapped\n", stderr);
        return 1;
    }
    zeilen.push_back({"start to mapped main window (median of 9)", median(startK), median(startG), "ms", 1.2, true});

    dienstePlatzieren();

    // Every window from the menu, against the bare window's one menu item.
    const int mal = 5;
    QMainWindow* grund = grundfenster();
    grund->show();
    warteGezeigt({grund});
    const Oeffnungen g = alleOeffnen(grund, mal);
    delete grund;

    aussehen::anwenden();
    auto* start = new frmStart;
    start->show();
    warteGezeigt({start});
    const Oeffnungen o = alleOeffnen(start, mal);
    if (o.zeiten.empty() || g.zeiten.empty()) {
        std::fputs("kelmo_bench: no menu item opened a window\n", stderr);
        return 1;
    }
    zeilen.push_back({"window from the menu, median of " + std::to_string(o.zeiten.size()) + " items", median(o.zeiten),
                      median(g.zeiten), "ms", 20, false});
    zeilen.push_back({"window from the menu, worst item (" + o.schlechteste.fenster.toStdString() + ")",
                      o.schlechteste.ms, g.schlechteste.ms, "ms", 20, false});

    // Key releases in the pipe flow and VAT windows, against a bare box.
    const int tasten = 400;
    auto* nackt = new QWidget;
    auto* nackteBox = new QLineEdit(nackt);
    auto* nacktesZiel = new QLabel(nackt);
    auto* l = new QVBoxLayout(nackt);
    l->addWidget(nackteBox);
    l->addWidget(nacktesZiel);
    nackteBox->installEventFilter(new NackteRechnung(nackteBox, nacktesZiel));
    nackt->show();
    warteGezeigt({nackt});
    const Loslassen lg = loslassen(nackteBox, {"1234,56", "99,99", "15000", "0,5"}, tasten);
    delete nackt;

    const int boxenVorher = anzeige.boxen;
    QWidget* rohr = fenster::zeige(QStringLiteral("frmGefaelle_gegeben"));
    warteGezeigt({rohr});
    auto box = [](QWidget* w, const char* name) { return w->findChild<QLineEdit*>(QString::fromLatin1(name)); };
    box(rohr, "txti")->setText(QStringLiteral("5"));
    box(rohr, "txtRLL")->setText(QStringLiteral("100"));
    box(rohr, "txtEVB")->setText(QStringLiteral("2,5"));
    const Loslassen lr = loslassen(box(rohr, "txtDN"), {"300", "250", "400", "200"}, tasten);
    const bool rohrGeschrieben = !rohr->findChild<QLabel*>(QStringLiteral("lblGV"))->text().isEmpty();
    fenster::schliesse(QStringLiteral("frmGefaelle_gegeben"));

    QWidget* euro = fenster::zeige(QStringLiteral("frmEuro"));
    warteGezeigt({euro});
    const Loslassen le = loslassen(box(euro, "NettoEuro"), {"1234,56", "99,99", "15000", "0,5"}, tasten);
    const bool euroGeschrieben = !box(euro, "BruttoDM")->text().isEmpty();
    fenster::schliesse(QStringLiteral("frmEuro"));
    if (!rohrGeschrieben || !euroGeschrieben || anzeige.boxen != boxenVorher) {
        std::fputs("kelmo_bench: a key release did not write its results\n", stderr);
        return 1;
    }
    zeilen.push_back({"key release to results, pipe flow (median)", lr.median, lg.median, "ms", 1, false});
    zeilen.push_back({"key release to results, pipe flow (worst)", lr.schlechteste, lg.schlechteste, "ms", 1, false});
    zeilen.push_back({"key release to results, VAT (median)", le.median, lg.median, "ms", 1, false});
    zeilen.push_back({"key release to results, VAT (worst)", le.schlechteste, lg.schlechteste, "ms", 1, false});

    // The worst slope search: a velocity never reached, a million steps.
    long schritte = 0;
    const double suche = mittlereZeit(21, [&] { schritte = sucheGefaelle(1e9, 1.31e-6, 0.1, 0.0015).schritte; });
    volatile double senke = 0;
    const double nackteZeit = mittlereZeit(21, [&] { senke = nackteSuche(1e9, 1.31e-6, 0.1, 0.0015); });
    (void)senke;
    zeilen.push_back(
        {"slope search, " + std::to_string(schritte) + " steps (median of 21)", suche, nackteZeit, "ms", 20, false});

    delete start;
    QCoreApplication::processEvents();

    // Resident memory, each in fresh processes.
    const Speicher mk = speicherMb(QStringLiteral("--alle-speicher"));
    const Speicher mg = speicherMb(QStringLiteral("--grund-speicher"));
    zeilen.push_back({"resident memory, every window open (" + std::to_string(fenster::namen().size()) + ")", mk.mb,
                      mg.mb, "MB", 1.5, true});

    std::printf("Kelmo benchmark: Qt %s, display %s, load average %s at the start; baseline: a bare Qt window "
                "with a menu bar\n",
                qVersion(), qgetenv("DISPLAY").constData(), last.constData());
    drucke(zeilen);
    std::printf("(of the resident memory, the windows' pixel buffers: %.1f MB and "
                "%.1f MB)\n",
                mk.pixelMb, mg.pixelMb);
    return 0;
}
