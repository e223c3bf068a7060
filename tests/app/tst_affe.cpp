// A seeded monkey: every window opened as a user opens it (a main menu command, or a control of the window that
// opens it; by name what nothing opens) gets random actions on its own controls. After each one no visible, copied
// or printed text reads "nan" or "inf", and every message box carries a title and a text the program's sources
// define. KELMO_MONKEY_SEED=<n> repeats a run (one window: tst_affe affe:frmX), KELMO_MONKEY_ACTIONS=<n> sets the
// count of actions per window.
#include "fenster.h"
#include "hauptfenster.h"
#include "laufzeitfehler.h"
#include "testhilfe.h"
#include "texte.h"

#include <QTest>
#include <QtWidgets>

#include <csignal>
#include <cstdio>
#include <numeric>
#include <random>
#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

// Every string literal of the sources, adjacent ones joined, comments and characters passed over; of the escapes
// only CR, LF and tab stand for other characters.
void sammleLiterale(const QString& q, QSet<QString>& menge)
{
    static const QRegularExpression stueck(
        "//[^\\n]*|/\\*.*?\\*/|(?<!\\d)'(?:[^'\\\\]|\\\\.)*'|\"((?:[^\"\\\\]|\\\\.)*)\"",
        QRegularExpression::DotMatchesEverythingOption);
    QString wort;
    qsizetype ende = -1; // where the last literal ended
    for (const QRegularExpressionMatch& m : stueck.globalMatch(q)) {
        if (m.capturedStart(1) < 0)
            continue;
        if (ende >= 0 && !QStringView(q).mid(ende, m.capturedStart() - ende).trimmed().isEmpty())
            menge.insert(std::exchange(wort, {}));
        for (qsizetype i = m.capturedStart(1); i < m.capturedEnd(1); ++i) {
            const QChar e = q[i] == u'\\' ? q[++i] : QChar();
            wort += e.isNull() ? q[i] : e == u'n' ? u'\n' : e == u'r' ? u'\r' : e == u't' ? u'\t' : e;
        }
        ende = m.capturedEnd();
    }
    if (ende >= 0)
        menge.insert(wort);
}

bool zeigtUnzahl(const QString& s)
{
    static const QRegularExpression unzahl("(?<![[:alpha:]])(nan|inf|infinity)(?![[:alpha:]])|1[.,]#|∞",
                                           QRegularExpression::CaseInsensitiveOption
                                               | QRegularExpression::UseUnicodePropertiesOption);
    return s.contains(unzahl);
}

// The texts a window shows: captions, box contents, the cells of its lists and tables.
QStringList sichtbareTexte(QWidget* fenster)
{
    QStringList t{fenster->windowTitle()};
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        for (const char* p : {"text", "plainText", "title"})
            if (const QVariant v = w->property(p); v.isValid() && w->isVisible())
                t << v.toString();
        if (auto* v = qobject_cast<QAbstractItemView*>(w); v && v->model() && v->isVisible())
            for (int z = 0; z < qMin(v->model()->rowCount(), 100); ++z)
                for (int s = 0; s < v->model()->columnCount(); ++s)
                    t << v->model()->index(z, s).data().toString();
    }
    return t;
}

template <class T>
QList<T*> bedienbar(QWidget* w)
{
    QList<T*> liste;
    for (T* k : w ? w->findChildren<T*>() : QList<T*>())
        if (k->isVisible() && k->isEnabled())
            liste << k;
    return liste;
}

// The named leaf commands of the menu bars in a window.
QList<QAction*> menuepunkte(QWidget* w)
{
    QList<QAction*> punkte;
    for (QMenuBar* leiste : w ? w->findChildren<QMenuBar*>() : QList<QMenuBar*>())
        for (QMenu* m : leiste->findChildren<QMenu*>())
            for (QAction* a : m->actions())
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

QString name(QObject* o)
{
    return o->objectName().isEmpty() ? QString::fromUtf8(o->metaObject()->className()) : o->objectName();
}

// The seed and the last actions, printed when the run fails, also from a crash or a sanitizer report.
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

} // namespace

class TestAffe : public QObject {
    Q_OBJECT

    Testumgebung* umgebung = nullptr;
    QPointer<QMainWindow> haupt;
    // A way to a window: the controls clicked or commands chosen one after the other, each in the window the step
    // before opened ("" the main window); no steps: by name.
    QMap<QString, QList<QPair<QString, QString>>> wege;
    QSet<QString> fest, beschreibungen;
    quint64 saat = 0;
    int anzahl = 150, langeZiffernfolgen = 0; // one run of 400 digits per window at most: each key recomputes
    std::mt19937_64 g;
    QStringList letzte;

    int bis(qsizetype n) { return int(g() % quint64(qMax<qsizetype>(n, 1))); }
    template <class L>
    auto wahl(const L& liste)
    {
        return liste.at(bis(liste.size()));
    }
    QWidget* offen(const QString& name) { return name.isEmpty() ? haupt.data() : fenster::offen(name); }
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

    QWidget* oeffne(const QString& name)
    {
        QStringList wie{QStringLiteral("öffne ") + name};
        if (!name.isEmpty() && wege[name].isEmpty())
            wie << QStringLiteral("Kommandozeile"), fenster::zeige(name);
        for (const auto& [f, steuer] : wege[name]) {
            wie << (f.isEmpty() ? QStringLiteral("Hauptmenü") : f) + QStringLiteral(": ") + steuer;
            bediene(offen(f), steuer);
            verarbeite();
        }
        merke(wie.join(QStringLiteral(", ")));
        return offen(name);
    }

    void merke(const QString& was)
    {
        if ((letzte << was).size() > 20)
            letzte.removeFirst();
        protokoll = QStringLiteral("Affe: KELMO_MONKEY_SEED=%1 (%2), die letzten Aktionen:\n  %3\n")
                        .arg(saat)
                        .arg(QString::fromUtf8(QTest::currentDataTag()), letzte.join(QStringLiteral("\n  ")))
                        .toUtf8();
    }

    // A box passes when its title is one of the program's texts and its text is one of them, or an error
    // description (or nothing), CR LF, and one of them (or nothing).
    bool eigeneMeldung(const Box& b)
    {
        for (qsizetype k = b.text.indexOf(u"\r\n"); k >= 0; k = b.text.indexOf(u"\r\n", k + 1))
            if ((k == 0 || beschreibungen.contains(b.text.left(k)))
                && (k + 2 == b.text.size() || fest.contains(b.text.mid(k + 2))))
                return fest.contains(b.titel) && !zeigtUnzahl(b.text);
        return fest.contains(b.titel) && fest.contains(b.text) && !zeigtUnzahl(b.text);
    }

    // One random action among those the window offers now, by weight; it is noted before it is done.
    void aktion(QWidget* w, int nr)
    {
        QList<QWidget*> tippbar, fokus;
        for (QWidget* k : bedienbar<QWidget>(w)) {
            if (k->inherits("QLineEdit") || k->inherits("QPlainTextEdit") || k->inherits("QTextEdit")
                || k->inherits("QAbstractSpinBox"))
                tippbar << k;
            if (k->focusPolicy() & Qt::TabFocus)
                fokus << k;
        }
        const auto knoepfe = bedienbar<QAbstractButton>(w);
        const auto listen = bedienbar<QAbstractItemView>(w);
        const auto reiter = bedienbar<QTabBar>(w);
        const auto regler = bedienbar<QAbstractSlider>(w);
        const auto menue =
            menuepunkte(w).isEmpty() || bis(2) ? menuepunkte(haupt) : menuepunkte(w); // the close rule too
        // typing, keys, buttons, list rows, tabs, scroll bars, menus, the mouse, closing
        const int gewicht[] = {tippbar.isEmpty() ? 0 : 29,
                               fokus.isEmpty() ? 0 : 12,
                               knoepfe.isEmpty() ? 0 : 15,
                               listen.isEmpty() ? 0 : 6,
                               reiter.isEmpty() ? 0 : 4,
                               regler.isEmpty() ? 0 : 6,
                               5,
                               6,
                               1};
        int art = 0;
        for (int los = bis(std::accumulate(std::begin(gewicht), std::end(gewicht), 0)); los >= gewicht[art]; ++art)
            los -= gewicht[art];
        const auto merke = [&](QObject* o, const QString& was) {
            this->merke(QStringLiteral("%1: %2: %3").arg(nr).arg(name(o), was));
        };
        if (art == 0) {
            // Digits, separators, signs, exponents, letters, blanks, half-typed numbers; over a selection now and
            // then, or pasted.
            static const QStringList stuecke = {",", ".", "-", "+",  "E",     "e", "a",  "x",  "Z", "ä",
                                                "ß", "€", " ", "  ", "1E308", "0", "2,", "1.", "%"};
            QPointer<QWidget> box = wahl(tippbar);
            QString s;
            for (int k = 1 + bis(3); k > 0; --k)
                if (bis(3) == 0)
                    s += wahl(stuecke);
                else
                    for (int n = bis(50) == 0 && langeZiffernfolgen++ == 0 ? 400 : 1 + bis(5); n > 0; --n)
                        s += QChar(u'0' + bis(10));
            const int wie = bis(7); // 0, 1: select all first; 2: paste (the offscreen clipboard is in-process)
            const bool einfuegen = wie == 2 && QGuiApplication::platformName() == u"offscreen";
            merke(box, (einfuegen ? QStringLiteral("füge ein ")
                        : wie < 2 ? QStringLiteral("alles markieren, tippe ")
                                  : QStringLiteral("tippe "))
                           + s.left(40) + (s.size() > 40 ? QStringLiteral("… (%1 Zeichen)").arg(s.size()) : QString()));
            box->setFocus();
            if (einfuegen)
                QGuiApplication::clipboard()->setText(s), QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            else if (wie < 2)
                QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            for (const QChar c : einfuegen ? QString() : s)
                if (box)
                    tippe(box, c);
        } else if (art == 1) {
            static const Qt::Key tasten[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return, Qt::Key_Tab,
                                             Qt::Key_Escape,    Qt::Key_Space,  Qt::Key_Up,     Qt::Key_Down,
                                             Qt::Key_Left,      Qt::Key_Home};
            QWidget* k = wahl(fokus);
            const Qt::Key taste = tasten[bis(std::size(tasten))];
            merke(k, QStringLiteral("Taste ") + QKeySequence(taste).toString());
            k->setFocus();
            QTest::keyClick(k, taste);
        } else if (art == 2) {
            QAbstractButton* b = wahl(knoepfe);
            merke(b, QStringLiteral("klicke"));
            klicke(b);
        } else if (art == 3) {
            QAbstractItemView* v = wahl(listen);
            const QModelIndex i = v->model()
                                      ? v->model()->index(bis(v->model()->rowCount(v->rootIndex())), 0, v->rootIndex())
                                      : QModelIndex();
            merke(v, QStringLiteral("klicke Zeile %1").arg(i.row()));
            if (i.isValid())
                v->scrollTo(i), QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(i).center());
        } else if (art == 4) {
            QTabBar* r = wahl(reiter);
            const int i = bis(r->count());
            merke(r, QStringLiteral("Reiter %1").arg(i));
            QTest::mouseClick(r, Qt::LeftButton, {}, r->tabRect(i).center());
        } else if (art == 5) { // the ends of the range, or any value in it
            QAbstractSlider* s = wahl(regler);
            const int v = bis(3) == 0 ? (bis(2) ? s->minimum() : s->maximum())
                                      : s->minimum() + bis(qint64(s->maximum()) - s->minimum() + 1);
            merke(s, QStringLiteral("= %1").arg(v));
            s->setValue(v);
        } else if (art == 6) {
            QAction* a = wahl(menue);
            merke(w, QStringLiteral("Menü ") + a->objectName());
            a->trigger();
        } else if (art == 7) { // anywhere, the background too
            const QList<QWidget*> alle = bedienbar<QWidget>(w) << w;
            QWidget* k = wahl(alle);
            const QPoint p(bis(k->width()), bis(k->height()));
            const bool klick = bis(2);
            merke(k, (klick ? QStringLiteral("Mausklick auf %1,%2") : QStringLiteral("Maus auf %1,%2"))
                         .arg(p.x())
                         .arg(p.y()));
            QTest::mouseMove(k, p);
            if (klick)
                QTest::mouseClick(k, Qt::LeftButton, {}, p);
        } else { // by its close box
            merke(w, QStringLiteral("schließen"));
            w->close();
        }
    }

    // What the program showed, copied and printed since the last look.
    QString pruefeAusgaben(qsizetype& boxen, qsizetype& ablage, qsizetype& druck)
    {
        QStringList schlecht,
            texte = umgebung->ablage.schritte.mid(std::exchange(ablage, umgebung->ablage.schritte.size()));
        for (; boxen < umgebung->meldungen.boxen.size(); ++boxen)
            if (const Box& b = umgebung->meldungen.boxen.at(boxen); !eigeneMeldung(b))
                schlecht << QStringLiteral("fremde Meldung \"%1\", Titel \"%2\"").arg(b.text, b.titel);
        for (; druck < umgebung->drucker.seiten.size(); ++druck)
            texte += umgebung->drucker.seiten.at(druck).zeilen;
        for (QWidget* top : QApplication::topLevelWidgets())
            texte += top->isVisible() ? sichtbareTexte(top) : QStringList();
        for (const QString& t : texte)
            if (zeigtUnzahl(t))
                schlecht << QStringLiteral("zeigt ") + t.left(80);
        return schlecht.join(u'\n');
    }

public:
    TestAffe()
    {
        // The test library's watchdog allows five minutes; a long pass asked for by count gets a day.
        if (qEnvironmentVariableIntValue("KELMO_MONKEY_ACTIONS") > 0 && qgetenv("QTEST_FUNCTION_TIMEOUT").isEmpty())
            qputenv("QTEST_FUNCTION_TIMEOUT", "86400000");
    }

private slots:
    void initTestCase()
    {
        const QByteArray gesetzt = qgetenv("KELMO_MONKEY_SEED");
        saat = gesetzt.isEmpty() ? std::random_device{}() : gesetzt.toULongLong();
        anzahl = qEnvironmentVariableIntValue("KELMO_MONKEY_ACTIONS") > 0
                     ? qEnvironmentVariableIntValue("KELMO_MONKEY_ACTIONS")
                     : anzahl;
        qInfo("KELMO_MONKEY_SEED=%llu, %d Aktionen je Fenster", saat, anzahl);
#if defined(__SANITIZE_ADDRESS__)
        __sanitizer_set_death_callback(druckeProtokoll);
#endif
        for (int s : {SIGSEGV, SIGABRT, SIGFPE, SIGBUS, SIGILL}) {
            struct sigaction neu = {};
            neu.sa_handler = beiSignal;
            sigaction(s, &neu, &vorige[s]);
        }
        // The program's own texts: its literals, the shared reset text with each of them, the error descriptions.
        for (const QString& ordner : QStringLiteral(KELMO_ORDNER).split(u','))
            for (QDirIterator it(QStringLiteral(KELMO_QUELLEN "/") + ordner, {"*.cpp", "*.h"}, QDir::Files,
                                 QDirIterator::Subdirectories);
                 it.hasNext();)
                if (QFile f(it.next()); f.open(QIODevice::ReadOnly))
                    sammleLiterale(QString::fromUtf8(f.readAll()), fest);
        QVERIFY(fest.contains(meldung::programmTitel));
        for (const QString& x : QSet<QString>(fest))
            if (x.size() < 10)
                fest.insert(texte::wertAuf(x));
        for (Fehler f : {Fehler::Typen, Fehler::DivisionDurchNull, Fehler::Ueberlauf, Fehler::UngueltigesArgument})
            beschreibungen.insert(Laufzeitfehler(f).beschreibung());

        umgebung = new Testumgebung;
        haupt = neuesHauptfenster();
        haupt->show();
        // The way a user opens each window: the main menu commands first, then the buttons and menu commands of
        // the windows found so far, each tried on its window opened afresh; the rest by name.
        QStringList warteschlange{QString()};
        wege[QString()] = {};
        for (qsizetype k = 0; k < warteschlange.size(); ++k) {
            const QString oeffner = warteschlange.at(k);
            schliesseAlle();
            QPointer<QWidget> w = oeffne(oeffner);
            QStringList steuer;
            for (QAbstractButton* b : oeffner.isEmpty() ? QList<QAbstractButton*>() : bedienbar<QAbstractButton>(w))
                steuer << b->objectName();
            for (QAction* a : menuepunkte(w))
                steuer << a->objectName();
            for (const QString& s : steuer) {
                if (!w || !w->isVisible())
                    schliesseAlle(), w = oeffne(oeffner);
                const QStringList vorher = offene();
                bediene(w, s);
                verarbeite();
                for (const QString& name : offene())
                    if (!vorher.contains(name) && !wege.contains(name))
                        wege[name] = wege[oeffner] + QList{qMakePair(oeffner, s)}, warteschlange << name;
                if (offene() != vorher)
                    w = nullptr;
            }
        }
        schliesseAlle();
        umgebung->meldungen.boxen.clear();
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
        // Each window its own sequence, so that one is repeated alone (FNV-1a, the same on every run and machine).
        quint64 h = 14695981039346656037ULL;
        for (const QChar c : name)
            h = (h ^ c.unicode()) * 1099511628211ULL;
        g.seed(saat ^ h);
        letzte.clear();
        langeZiffernfolgen = 0;
        qsizetype boxen = umgebung->meldungen.boxen.size(), ablage = umgebung->ablage.schritte.size(),
                  druck = umgebung->drucker.seiten.size();
        QString fehler;
        for (int i = 0; i <= anzahl && fehler.isEmpty(); ++i) {
            if (QWidget* w = fenster::offen(name); w && w->isVisible()) {
                if (i < anzahl)
                    aktion(w, i), verarbeite();
            } else if (w = oeffne(name); !w || !w->isVisible())
                fehler = QStringLiteral("öffnet sich nicht");
            if (!haupt || QTest::currentTestFailed())
                fehler = haupt ? QStringLiteral("Test gescheitert") : QStringLiteral("Hauptfenster weg");
            fehler = fehler.isEmpty() ? pruefeAusgaben(boxen, ablage, druck) : fehler;
        }
        schliesseAlle();
        if (!fehler.isEmpty())
            druckeProtokoll();
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
        protokoll.clear();
    }
};

QTEST_MAIN(TestAffe)
#include "tst_affe.moc"
