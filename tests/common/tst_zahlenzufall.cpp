// Random numbers and texts through the number layer: reading, the plain
// number text, the result patterns and Currency rounding; a value that breaks
// a rule is printed exactly, ready to become a row of tst_zahlen. A million
// values and a fifth as many texts, three seconds at most; KELMO_FUZZ_SEED=<n>
// repeats a run, KELMO_FUZZ_ANZAHL=<n> asks for that many, however long.
#include "laufzeitfehler.h"
#include "zahlen.h"

#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <bit>
#include <charconv>
#include <limits>
#include <optional>
#include <random>

namespace {

using G = std::numeric_limits<double>;

template <class F>
std::optional<Fehler> fehlerVon(F f)
{
    try {
        f();
    } catch (const Laufzeitfehler& e) {
        return e.art();
    }
    return std::nullopt;
}

QString genau(double x)
{
    return QString::asprintf("%.17g (%a)", x, x);
}

// Only these characters: so no "nan", "inf" or "1.#" either.
bool nur(const QString& s, QStringView zeichen)
{
    return std::all_of(s.begin(), s.end(), [&](QChar c) { return zeichen.contains(c); });
}

const double besondere[] = {0.0,
                            -0.0,
                            G::max(),
                            -G::max(),
                            G::min(),
                            -G::min(),
                            G::denorm_min(),
                            -G::denorm_min(),
                            G::infinity(),
                            -G::infinity(),
                            G::quiet_NaN(),
                            922337203685477.5807,
                            -922337203685477.5807,
                            1e15,
                            1e-5,
                            1e-6,
                            0.5,
                            2.675,
                            1.005,
                            999999999999999.5};
// Pieces of typed or pasted text: half-typed numbers, signs, exponents,
// blanks, letters, symbols, digits of other scripts, other planes.
const QStringList stuecke = {
    "2,",         "1.",     ",5",  "-",  "+", "E",  "e",  "D", "E+",      "E-",     "1E308",  "1E309",
    "-1E308",     "1E-400", ",",   ".",  " ", "\t", "\n", "0", "1.234,5", "a",      "Z",      "ä",
    "ß",          "€",      "%",   "#",  "(", "'",  "²",  "½", "\u00a0",  "\u0663", "\uff11", QString(QChar(0)),
    "\U0001F600", "1,#INF", "nan", "inf"};

} // namespace

class TestZahlenZufall : public QObject {
    Q_OBJECT

    std::mt19937_64 g;
    QStringList fehler;
    int bis(int n) { return int(g() % quint64(n)); }
    double vz(int prozent) { return bis(100) < prozent ? -1 : 1; }
    void melde(const QString& was)
    {
        if (fehler.size() < 20)
            fehler << was;
    }

    double zufallszahl()
    {
        switch (bis(6)) {
        case 0: return std::bit_cast<double>(quint64(g())); // every magnitude, subnormals, inf, NaN
        case 1: return vz(50) * double(g() % 1000000000000000ULL) * std::pow(10.0, bis(660) - 340);
        case 2: return vz(30) * double(g() % 10000000) / std::pow(10.0, bis(8)); // as results mostly are
        case 3: return std::nextafter(besondere[bis(std::size(besondere))], bis(2) ? G::infinity() : 0.0);
        case 4: return besondere[bis(std::size(besondere))];
        default: return vz(50) * double(2 * (g() % 100000000) + 1) / std::pow(10.0, 1 + bis(7)) / 2; // a tie
        }
    }

    void pruefeZahl(double x, bool waehrungAuch)
    {
        // A pattern of the program's kind: grouped or not, 0 to 6 decimals,
        // a unit or a percent sign after the digits.
        static const QString ganz[] = {"0", "##0", "##,##0"}, nach[] = {"", " ", " Mio € ", " % "};
        const int dez = bis(7), n = bis(4);
        const QString muster = ganz[bis(3)] + (dez ? u'.' + QString(dez, u'0') : QString()) + nach[n];
        if (!std::isfinite(x)) {
            if (fehlerVon([&] { zahlText(x); }) != Fehler::Ueberlauf
                || fehlerVon([&] { format(x, muster); }) != Fehler::Ueberlauf
                || fehlerVon([&] { waehrung(x); }) != Fehler::Ueberlauf)
                melde("kein Überlauf für " + genau(x));
            return;
        }
        // The plain text: at most 15 significant digits; read back, the value
        // rounded to 15 digits, or an overflow beyond the range.
        QString t, r;
        const auto ft = fehlerVon([&] { t = zahlText(x); });
        const QString m = t.section(u'E', 0, 0).remove(u'-').remove(u',');
        if (ft || !nur(t, u"0123456789,-E+")
            || m.end() - std::find_if(m.begin(), m.end(), [](QChar c) { return c != u'0'; }) > 15)
            return melde(QStringLiteral("zahlText(%1) = \"%2\"").arg(genau(x), t));
        char buf[40];
        *std::to_chars(buf, buf + 39, x, std::chars_format::scientific, 14).ptr = 0;
        const double erwartet = std::strtod(buf, nullptr);
        double v = 0;
        const auto f = fehlerVon([&] { v = zahl(t); });
        if (std::isinf(erwartet) ? f != Fehler::Ueberlauf : (f || v != erwartet))
            melde(QStringLiteral("zahl(\"%1\") gibt nicht %2").arg(t, genau(erwartet)));
        // The pattern: digits and separators before the unit, within half a
        // unit of the last decimal asked for.
        const auto fr = fehlerVon([&] { r = format(x, muster); });
        const QString z = r.chopped(std::min(r.size(), nach[n].size()));
        const double s = n == 3 ? x * 100 : x;
        bool gut = !fr && r.endsWith(nach[n]) && nur(z, u"0123456789,.-") && !z.isEmpty();
        if (gut && std::fabs(s) < 1e300)
            gut = std::fabs(zahl(z) - s) <= 0.5 * std::pow(10.0, -dez) * (1 + 1e-9) + std::fabs(s) * 1e-14;
        if (!gut)
            melde(QStringLiteral("format(%1, \"%2\") = \"%3\"").arg(genau(x), muster, r));
        // Currency: four decimals within half a ten-thousandth, an overflow
        // beyond its range.
        double c = 0;
        const auto fc = waehrungAuch ? fehlerVon([&] { c = waehrung(x); }) : std::nullopt;
        const bool ueber = std::fabs(x) > 922337203685477.5807;
        if (waehrungAuch
            && (ueber ? fc != Fehler::Ueberlauf : fc || std::fabs(c - x) > 0.00005 * (1 + 1e-9) + std::fabs(x) * 1e-14))
            melde(QStringLiteral("waehrung(%1) = %2").arg(genau(x), genau(c)));
    }

    // A random text: read as a number or a type mismatch (an overflow beyond
    // the range), never inf or NaN; a pattern leaves a non-number as it is.
    void pruefeText()
    {
        QString s;
        for (int i = 1 + bis(6); i > 0; --i)
            if (bis(10) < 4)
                for (int k = bis(20) == 0 ? 300 + bis(200) : 1 + bis(18); k > 0; --k) // long digit runs too
                    s += QChar(u'0' + bis(10));
            else
                s += stuecke.at(bis(int(stuecke.size())));
        double v = 0;
        const auto f = fehlerVon([&] { v = zahl(s); });
        const QString zeige = '"' + (s.size() > 60 ? s.left(60) + "…" : s) + '"';
        if (istZahl(s) == bool(f) || (!f && !std::isfinite(v)) || (f && f != Fehler::Typen && f != Fehler::Ueberlauf))
            return melde("zahl/istZahl über " + zeige);
        const QString r = format(s, "##,##0.00 ");
        if (f ? r != s : r != format(v, "##,##0.00 "))
            melde(QStringLiteral("format(%1) = \"%2\"").arg(zeige, r));
    }

private slots:
    void zufall()
    {
        const QByteArray gesetzt = qgetenv("KELMO_FUZZ_SEED");
        const quint64 saat = gesetzt.isEmpty() ? std::random_device{}() : gesetzt.toULongLong();
        const int bestellt = qEnvironmentVariableIntValue("KELMO_FUZZ_ANZAHL");
        qInfo("KELMO_FUZZ_SEED=%llu", saat); // before anything can crash
        g.seed(saat);
        QElapsedTimer uhr;
        uhr.start();
        qsizetype i = 0;
        // The sanitizer build is several times slower: the time bounds it.
        for (; i < (bestellt > 0 ? bestellt : 1000000) && fehler.size() < 20; ++i) {
            pruefeZahl(zufallszahl(), i % 2 == 0);
            if (i % 5 == 0)
                pruefeText();
            if (bestellt <= 0 && i % 1024 == 0 && uhr.elapsed() > 3000)
                break;
        }
        qInfo("%lld Zahlen, %lld Texte in %lld ms", qlonglong(i), qlonglong(i / 5), qlonglong(uhr.elapsed()));
        if (!fehler.isEmpty())
            QFAIL(qPrintable(QStringLiteral("KELMO_FUZZ_SEED=%1\n").arg(saat) + fehler.join(u'\n')));
    }
};

QTEST_MAIN(TestZahlenZufall)
#include "tst_zahlenzufall.moc"
