// A seeded monkey over every window of the table. Each window is opened as a
// user opens it (the main menu, or the button or menu command of the window
// that opens it; by name, as the command line does, the few that nothing
// opens) and gets random actions on its own controls: typing, keys, pastes,
// clicks on buttons, options, check boxes, list rows and tabs, scroll-bar
// values, its own menu commands, mouse moves, closing, and now and then a main
// menu command (the close rule); a closed window is opened again. After every
// action the program still runs, no visible, copied or printed text reads
// "nan" or "inf", and every message box carries a title and a text that the
// program's own sources define.
//
// KELMO_MONKEY_SEED=<n> repeats a run (one window alone: tst_affe affe:frmX);
// KELMO_MONKEY_ACTIONS=<n> sets the count of actions per window.
#include "fenster.h"
#include "hauptfenster.h"
#include "laufzeitfehler.h"
#include "testhilfe.h"
#include "texte.h"

#include <QTest>
#include <QtWidgets>

#include <csignal>
#include <cstdio>
#include <deque>
#include <random>
#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

// Every string literal of the program's sources (adjacent literals joined).
// The program writes its texts in UTF-8; of the escapes only CR, LF and tab
// stand for other characters.
void sammleLiterale(const QString& q, QSet<QString>& menge)
{
    QString wort;
    bool nachWort = false; // a literal ended, only blanks since
    const qsizetype n = q.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = q[i];
        if (c == u'"') {
            for (++i; i < n && q[i] != u'"'; ++i) {
                const QChar e = q[i] == u'\\' && i + 1 < n ? q[++i] : QChar();
                wort += e.isNull() ? q[i] : e == u'n' ? u'\n' : e == u'r' ? u'\r' : e == u't' ? u'\t' : e;
            }
            nachWort = true;
        } else if (!(nachWort && c.isSpace())) {
            if (std::exchange(nachWort, false))
                menge.insert(std::exchange(wort, {}));
            if (q.mid(i, 2) == u"//")
                i = q.indexOf(u'\n', i) < 0 ? n : q.indexOf(u'\n', i);
            else if (q.mid(i, 2) == u"/*")
                i = q.indexOf(u"*/", i) < 0 ? n : q.indexOf(u"*/", i) + 1;
            else if (c == u'\'' && !(i > 0 && q[i - 1].isDigit())) // a character, not a digit separator
                for (++i; i < n && q[i] != u'\''; ++i)
                    i += q[i] == u'\\';
        }
    }
}

bool zeigtUnzahl(const QString& s)
{
    static const QRegularExpression unzahl(QStringLiteral("(?<![[:alpha:]])(nan|inf|infinity)(?![[:alpha:]])|1[.,]#|∞"),
                                           QRegularExpression::CaseInsensitiveOption
                                               | QRegularExpression::UseUnicodePropertiesOption);
    return s.contains(unzahl);
}

// The texts a window shows: captions, box contents, tabs, the cells in sight.
QStringList sichtbareTexte(QWidget* fenster)
{
    QStringList t{fenster->windowTitle()};
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        if (!w->isVisible())
            continue;
        for (const char* p : {"text", "plainText", "title", "currentText"})
            if (const QVariant v = w->property(p); v.isValid())
                t << v.toString();
        if (auto* r = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < r->count(); ++i)
                t << r->tabText(i);
        if (auto* v = qobject_cast<QAbstractItemView*>(w); v && v->model())
            for (int z = 0; z < qMin(v->model()->rowCount(), 500); ++z)
                for (int s = 0; s < v->model()->columnCount(); ++s)
                    if (const QModelIndex i = v->model()->index(z, s);
                        v->visualRect(i).intersects(v->viewport()->rect()))
                        t << i.data().toString();
    }
    return t;
}

// Every printed line, where the test environment records the printer.
template <class Umgebung>
QStringList gedruckt(const Umgebung& u)
{
    QStringList zeilen;
    if constexpr (requires { u.drucker.seiten.at(0).zeilen; })
        for (const auto& seite : u.drucker.seiten)
            zeilen += seite.zeilen;
    return zeilen;
}

template <class T>
QList<T*> bedienbar(QWidget* w)
{
    QList<T*> liste;
    for (T* k : w->findChildren<T*>())
        if (k->isVisible() && k->isEnabled())
            liste << k;
    return liste;
}

// The named leaf commands of the menu bars in a window.
QList<QAction*> menuepunkte(QWidget* w)
{
    QList<QAction*> punkte;
    for (QMenuBar* leiste : w->findChildren<QMenuBar*>())
        for (QAction* a : leiste->findChildren<QAction*>())
            if (!a->menu() && !a->isSeparator() && a->isEnabled() && !a->objectName().isEmpty())
                punkte << a;
    return punkte;
}

// Clicks the named button or chooses the named menu command of a window.
void bediene(QWidget* w, const QString& name)
{
    if (auto* b = w ? w->findChild<QAbstractButton*>(name) : nullptr)
        klicke(b);
    else if (auto* a = w ? w->findChild<QAction*>(name) : nullptr)
        a->trigger();
}

void verarbeite()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The offscreen platform's notes on what it cannot do are left out.
QtMessageHandler vorher = nullptr;
void leise(QtMsgType art, const QMessageLogContext& ort, const QString& text)
{
    if (!text.startsWith(u"This plugin does not support"))
        vorher(art, ort, text);
}

// Answers every box: OK, or yes or no at random; records it.
class Anrufbeantworter : public MeldungsRecorder {
public:
    std::mt19937_64* zufall = nullptr;
    int zeige(const QString& text, const QString& titel, int stil) override
    {
        antwort = (stil & 0x0f) == meldung::JaNein ? ((*zufall)() % 2 ? meldung::Ja : meldung::Nein) : meldung::Ok;
        return MeldungsRecorder::zeige(text, titel, stil);
    }
};

// The seed and the last actions, printed when the run fails, also from a
// crash or a sanitizer report.
QByteArray protokoll;
void druckeProtokoll()
{
    std::fputs(protokoll.constData(), stderr);
}
struct sigaction vorige[32];
extern "C" void beiSignal(int signal)
{
    druckeProtokoll();
    sigaction(signal, &vorige[signal], nullptr);
    std::raise(signal);
}

// The same for every run and machine (unlike qHash).
quint64 fnv(const QString& s)
{
    quint64 h = 14695981039346656037ULL;
    for (const QChar c : s)
        h = (h ^ c.unicode()) * 1099511628211ULL;
    return h;
}

QString kurz(const QString& s)
{
    return s.size() > 40 ? s.left(40) + QStringLiteral("…(%1 Zeichen)").arg(s.size()) : s;
}

QString name(QObject* o)
{
    return o->objectName().isEmpty() ? QString::fromUtf8(o->metaObject()->className()) : o->objectName();
}

struct Weg {
    QString beschreibung;
    std::function<void()> oeffne;
};

// An action: what it does, and doing it.
using Schritt = QPair<QString, std::function<void()>>;

} // namespace

class TestAffe : public QObject {
    Q_OBJECT

    Testumgebung* umgebung = nullptr;
    Anrufbeantworter anzeige;
    QPointer<QMainWindow> haupt;
    QList<QAction*> hauptpunkte;
    QMap<QString, Weg> wege;
    QSet<QString> fest, beschreibungen;
    quint64 saat = 0;
    int anzahl = 150;
    std::mt19937_64 g;
    std::deque<QString> letzte;
    int langeZiffernfolgen = 0; // one run of 400 digits per window at most: each key recomputes

    int bis(qsizetype n) { return int(g() % quint64(qMax<qsizetype>(n, 1))); }
    template <class L>
    auto wahl(const L& liste) { return liste.at(bis(liste.size())); }

    QStringList offene()
    {
        QStringList n;
        for (const QString& name : fenster::namen())
            if (QWidget* w = fenster::offen(name); w && w->isVisible())
                n << name;
        return n;
    }

    void schliesseAlle()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != haupt && w->isVisible())
                w->close();
        verarbeite();
    }

    // A box passes when its title is one of the program's texts and its text
    // is one of them, or an error description (or nothing), CR LF, and one
    // of them (or nothing).
    bool eigeneMeldung(const Box& b)
    {
        if (!fest.contains(b.titel) || zeigtUnzahl(b.text))
            return false;
        if (fest.contains(b.text))
            return true;
        for (qsizetype k = b.text.indexOf(u"\r\n"); k >= 0; k = b.text.indexOf(u"\r\n", k + 1)) {
            const QString vor = b.text.left(k), rest = b.text.mid(k + 2);
            if ((vor.isEmpty() || beschreibungen.contains(vor)) && (rest.isEmpty() || fest.contains(rest)))
                return true;
        }
        return false;
    }

    QString zufallstext()
    {
        static const QStringList stuecke = {",", ".", "-", "+", "E", "e", "a", "x", "Z", "ä", "ß", "€", " ",
                                            "  ", "1E308", "0", "2,", "1.", "%", "/"};
        QString s;
        for (int k = 1 + bis(3); k > 0; --k) {
            if (bis(3) == 0)
                s += wahl(stuecke);
            else
                for (int n = bis(50) == 0 && langeZiffernfolgen++ == 0 ? 400 : 1 + bis(5); n > 0; --n)
                    s += QChar(u'0' + bis(10));
        }
        return s;
    }

    // One random action among those the window offers now, by weight.
    Schritt aktion(QWidget* w)
    {
        QList<QWidget*> steuer = bedienbar<QWidget>(w), tippbar, fokus, offen;
        for (QWidget* k : steuer) {
            if (k->inherits("QLineEdit") || k->inherits("QPlainTextEdit") || k->inherits("QTextEdit")
                || k->inherits("QAbstractSpinBox"))
                tippbar << k;
            if (k->focusPolicy() & Qt::TabFocus)
                fokus << k;
        }
        for (QWidget* t : QApplication::topLevelWidgets())
            if (t != haupt && t->isVisible() && fenster::bekannt(t->objectName()))
                offen << t;
        const auto knoepfe = bedienbar<QAbstractButton>(w);
        const auto listen = bedienbar<QAbstractItemView>(w);
        const auto reiter = bedienbar<QTabBar>(w);
        const auto regler = bedienbar<QAbstractSlider>(w);
        const auto eigene = menuepunkte(w);
        QList<QPair<int, std::function<Schritt()>>> moeglich;
        const auto biete = [&](bool geht, int gewicht, std::function<Schritt()> plan) {
            if (geht)
                moeglich.append({gewicht, std::move(plan)});
        };
        // Typing, over a selection now and then, or pasting.
        biete(!tippbar.isEmpty(), 29, [&]() -> Schritt {
            QPointer<QWidget> box = wahl(tippbar);
            const QString s = zufallstext();
            const int wie = bis(7); // 0, 1: select all first; 2: paste
            if (wie == 2 && QGuiApplication::platformName() == u"offscreen") // its clipboard is in-process
                return {name(box) + QStringLiteral(": füge \"%1\" ein").arg(kurz(s)), [box, s] {
                            QGuiApplication::clipboard()->setText(s);
                            box->setFocus();
                            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
                        }};
            return {name(box) + (wie < 2 ? QStringLiteral(": alles markieren, tippe \"%1\"") : QStringLiteral(": tippe \"%1\""))
                                    .arg(kurz(s)),
                    [box, s, wie] {
                        box->setFocus();
                        if (wie < 2)
                            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
                        for (const QChar c : s)
                            if (box)
                                tippe(box, c);
                    }};
        });
        biete(!fokus.isEmpty(), 12, [&]() -> Schritt {
            static const Qt::Key tasten[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return, Qt::Key_Tab,
                                             Qt::Key_Escape,    Qt::Key_Space,  Qt::Key_Up,     Qt::Key_Down,
                                             Qt::Key_Left,      Qt::Key_Home};
            QWidget* k = wahl(fokus);
            const Qt::Key taste = tasten[bis(std::size(tasten))];
            return {name(k) + QStringLiteral(": Taste ") + QKeySequence(taste).toString(), [k, taste] {
                        k->setFocus();
                        QTest::keyClick(k, taste);
                    }};
        });
        biete(!knoepfe.isEmpty(), 15, [&]() -> Schritt {
            QAbstractButton* b = wahl(knoepfe);
            return {QStringLiteral("klicke ") + name(b), [b] { klicke(b); }};
        });
        biete(!listen.isEmpty(), 6, [&]() -> Schritt {
            QAbstractItemView* v = wahl(listen);
            const QModelIndex i = v->model() ? v->model()->index(bis(v->model()->rowCount(v->rootIndex())), 0, v->rootIndex())
                                             : QModelIndex();
            return {name(v) + QStringLiteral(": klicke Zeile %1").arg(i.row()), [v, i] {
                        if (!i.isValid())
                            return;
                        v->scrollTo(i);
                        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(i).center());
                    }};
        });
        biete(!reiter.isEmpty(), 4, [&]() -> Schritt {
            QTabBar* r = wahl(reiter);
            const int i = bis(r->count());
            return {name(r) + QStringLiteral(": Reiter %1").arg(i),
                    [r, i] { QTest::mouseClick(r, Qt::LeftButton, {}, r->tabRect(i).center()); }};
        });
        biete(!regler.isEmpty(), 6, [&]() -> Schritt {
            QAbstractSlider* s = wahl(regler);
            const int v = bis(3) == 0 ? (bis(2) ? s->minimum() : s->maximum())
                                      : s->minimum() + bis(qint64(s->maximum()) - s->minimum() + 1);
            return {name(s) + QStringLiteral(" = %1").arg(v), [s, v] { s->setValue(v); }};
        });
        biete(!eigene.isEmpty(), 3, [&]() -> Schritt {
            QAction* a = wahl(eigene);
            return {QStringLiteral("Menü des Fensters: ") + a->objectName(), [a] { a->trigger(); }};
        });
        biete(true, 6, [&]() -> Schritt {
            QWidget* k = bis(steuer.size() + 1) == 0 ? w : wahl(steuer); // the background too
            const QPoint p(bis(k->width()), bis(k->height()));
            const bool klick = bis(2);
            return {name(k) + (klick ? QStringLiteral(": Mausklick auf %1,%2") : QStringLiteral(": Maus auf %1,%2"))
                                  .arg(p.x())
                                  .arg(p.y()),
                    [k, p, klick] {
                        QTest::mouseMove(k, p);
                        if (klick)
                            QTest::mouseClick(k, Qt::LeftButton, {}, p);
                    }};
        });
        // A window closed by its close box, this one or another.
        biete(true, 1, [&]() -> Schritt {
            QWidget* t = offen.isEmpty() || bis(2) ? w : wahl(offen);
            return {QStringLiteral("schließe ") + name(t), [t] { t->close(); }};
        });
        biete(true, 2, [&]() -> Schritt {
            QAction* a = wahl(hauptpunkte);
            return {QStringLiteral("Hauptmenü: ") + a->objectName(), [a] { a->trigger(); }};
        });
        int summe = 0;
        for (const auto& m : moeglich)
            summe += m.first;
        int los = bis(summe);
        for (const auto& [gewicht, plan] : moeglich)
            if ((los -= gewicht) < 0)
                return plan();
        return {};
    }

    void merke(const QString& was)
    {
        letzte.push_back(was);
        if (letzte.size() > 20)
            letzte.pop_front();
        QString text = QStringLiteral("Affe: KELMO_MONKEY_SEED=%1 (%2), die letzten Aktionen:\n")
                           .arg(saat)
                           .arg(QString::fromUtf8(QTest::currentDataTag()));
        for (const QString& l : letzte)
            text += QStringLiteral("  ") + l + u'\n';
        protokoll = text.toUtf8();
    }

    // What the program showed, copied and printed since the last look.
    QString pruefeAusgaben(qsizetype& boxen, qsizetype& ablage, qsizetype& druck)
    {
        QStringList schlecht;
        for (; boxen < anzeige.boxen.size(); ++boxen)
            if (const Box& b = anzeige.boxen.at(boxen); !eigeneMeldung(b))
                schlecht << QStringLiteral("fremde Meldung \"%1\", Titel \"%2\"").arg(b.text, b.titel);
        for (const QString& t : umgebung->ablage.schritte.mid(std::exchange(ablage, umgebung->ablage.schritte.size())))
            if (zeigtUnzahl(t))
                schlecht << QStringLiteral("Zwischenablage: ") + t;
        const QStringList zeilen = gedruckt(*umgebung);
        for (const QString& t : zeilen.mid(std::exchange(druck, zeilen.size())))
            if (zeigtUnzahl(t))
                schlecht << QStringLiteral("Druck: ") + t;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible())
                for (const QString& t : sichtbareTexte(top))
                    if (zeigtUnzahl(t))
                        schlecht << top->objectName() + QStringLiteral(" zeigt \"%1\"").arg(kurz(t));
        return schlecht.join(u'\n');
    }

public:
    TestAffe()
    {
        // The test library's watchdog allows five minutes, which in practice
        // span several rows; a long pass asked for by count gets a day.
        if (qEnvironmentVariableIntValue("KELMO_MONKEY_ACTIONS") > 0 && qgetenv("QTEST_FUNCTION_TIMEOUT").isEmpty())
            qputenv("QTEST_FUNCTION_TIMEOUT", "86400000");
    }

private slots:
    void initTestCase()
    {
        const QByteArray gesetzt = qgetenv("KELMO_MONKEY_SEED");
        saat = gesetzt.isEmpty() ? std::random_device{}() : gesetzt.toULongLong();
        if (qEnvironmentVariableIntValue("KELMO_MONKEY_ACTIONS") > 0)
            anzahl = qEnvironmentVariableIntValue("KELMO_MONKEY_ACTIONS");
        qInfo("KELMO_MONKEY_SEED=%llu, %d Aktionen je Fenster", saat, anzahl);
#if defined(__SANITIZE_ADDRESS__)
        __sanitizer_set_death_callback(druckeProtokoll);
#endif
        vorher = qInstallMessageHandler(leise);
        for (int s : {SIGSEGV, SIGABRT, SIGFPE, SIGBUS, SIGILL}) {
            struct sigaction neu = {};
            neu.sa_handler = beiSignal;
            sigaction(s, &neu, &vorige[s]);
        }

        // The program's own texts: its literals, the shared reset text with
        // each of them, the error descriptions.
        for (const QString& ordner : QStringLiteral(KELMO_ORDNER).split(u',')) {
            QDirIterator it(QStringLiteral(KELMO_QUELLEN "/") + ordner, {"*.cpp", "*.h"}, QDir::Files,
                            QDirIterator::Subdirectories);
            while (it.hasNext()) {
                QFile f(it.next());
                if (f.open(QIODevice::ReadOnly))
                    sammleLiterale(QString::fromUtf8(f.readAll()), fest);
            }
        }
        QVERIFY(fest.contains(meldung::programmTitel));
        for (const QString& x : QSet<QString>(fest))
            if (x.size() < 10)
                fest.insert(texte::wertAuf(x));
        for (Fehler f : {Fehler::Typen, Fehler::DivisionDurchNull, Fehler::Ueberlauf, Fehler::UngueltigesArgument})
            beschreibungen.insert(Laufzeitfehler(f).beschreibung());

        umgebung = new Testumgebung;
        anzeige.zufall = &g;
        meldung::setzeAnzeige(&anzeige);
        haupt = neuesHauptfenster();
        haupt->show();
        for (QMenu* m : haupt->menuBar()->findChildren<QMenu*>())
            for (QAction* a : m->actions())
                if (!a->menu() && !a->isSeparator())
                    hauptpunkte << a;

        // The way a user opens each window: the main menu first ...
        for (QAction* a : hauptpunkte) {
            a->trigger();
            verarbeite();
            for (const QString& name : offene())
                if (!wege.contains(name))
                    wege[name] = {QStringLiteral("Hauptmenü: ") + a->objectName(), [a] { a->trigger(); }};
            schliesseAlle();
        }
        // ... then the buttons and menu commands of the windows found so far;
        // after a control opened a window, its window is opened afresh ...
        QStringList warteschlange = wege.keys(), gefunden;
        for (qsizetype k = 0; k < warteschlange.size(); ++k) {
            const QString oeffner = warteschlange.at(k);
            QPointer<QWidget> w;
            const auto frisch = [&] {
                schliesseAlle();
                wege[oeffner].oeffne();
                verarbeite();
                w = fenster::offen(oeffner);
            };
            frisch();
            QStringList steuer;
            for (QAbstractButton* b : w ? bedienbar<QAbstractButton>(w) : QList<QAbstractButton*>())
                steuer << b->objectName();
            for (QAction* a : w ? menuepunkte(w) : QList<QAction*>())
                steuer << a->objectName();
            for (const QString& s : steuer) {
                if (!w || !w->isVisible())
                    frisch();
                const QStringList vorher = offene();
                bediene(w, s);
                verarbeite();
                const QStringList jetzt = offene();
                for (const QString& name : jetzt)
                    if (!vorher.contains(name) && !wege.contains(name)) {
                        wege[name] = {wege[oeffner].beschreibung + QStringLiteral(", dann ") + s, [this, oeffner, s] {
                                          wege[oeffner].oeffne();
                                          verarbeite();
                                          bediene(fenster::offen(oeffner), s);
                                      }};
                        warteschlange << name;
                        gefunden << name;
                    }
                if (jetzt != vorher)
                    frisch();
            }
        }
        // ... and each of these ways must work from the start ...
        for (const QString& name : gefunden) {
            schliesseAlle();
            wege[name].oeffne();
            verarbeite();
            if (!fenster::offen(name) || !fenster::offen(name)->isVisible()) {
                qWarning("%s: der Weg \"%s\" öffnet es nicht", qPrintable(name), qPrintable(wege[name].beschreibung));
                wege.remove(name);
            }
        }
        schliesseAlle();
        // ... the rest by name, as the command line opens it.
        for (const QString& name : fenster::namen())
            if (!wege.contains(name))
                wege[name] = {QStringLiteral("Kommandozeile"), [name] { fenster::zeige(name); }};
        anzeige.boxen.clear();
        QVERIFY(!QTest::currentTestFailed());
    }

    void cleanupTestCase()
    {
        schliesseAlle();
        delete haupt.data();
        verarbeite();
        delete umgebung;
    }

    void affe_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString& name : fenster::namen())
            QTest::newRow(qPrintable(name)) << name;
    }

    void affe()
    {
        QFETCH(QString, name);
        // Each window its own sequence, so that one is repeated alone.
        g.seed(saat ^ fnv(name));
        letzte.clear();
        langeZiffernfolgen = 0;
        qsizetype boxen = anzeige.boxen.size(), ablage = umgebung->ablage.schritte.size(),
                  druck = gedruckt(*umgebung).size();
        QString fehler;
        for (int i = 0; i <= anzahl && fehler.isEmpty(); ++i) {
            QWidget* w = fenster::offen(name);
            try {
                if (!w || !w->isVisible()) {
                    merke(QStringLiteral("öffne %1 (%2)").arg(name, wege[name].beschreibung));
                    wege[name].oeffne();
                    verarbeite();
                    w = fenster::offen(name);
                    if (!w || !w->isVisible())
                        fehler = QStringLiteral("öffnet sich nicht");
                } else if (i < anzahl) {
                    const Schritt s = aktion(w);
                    merke(QStringLiteral("%1: %2").arg(i).arg(s.first));
                    s.second();
                    verarbeite();
                }
            } catch (const std::exception& e) {
                fehler = QStringLiteral("Ausnahme: ") + QString::fromUtf8(e.what());
            } catch (...) {
                fehler = QStringLiteral("Ausnahme");
            }
            if (!haupt || QTest::currentTestFailed())
                fehler = haupt ? QStringLiteral("Test gescheitert") : QStringLiteral("Hauptfenster weg");
            if (fehler.isEmpty())
                fehler = pruefeAusgaben(boxen, ablage, druck);
        }
        schliesseAlle();
        if (!fehler.isEmpty()) {
            druckeProtokoll();
            QFAIL(qPrintable(fehler));
        }
        protokoll.clear();
    }
};

QTEST_MAIN(TestAffe)
#include "tst_affe.moc"
