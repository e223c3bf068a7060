// Random numbers and texts through the number layer: reading, the plain
// number text, the result patterns and Currency rounding. A value that breaks
// a rule is printed exactly (decimal and hex), ready to become a row of
// tst_zahlen. By default up to a million values and a fifth as many texts,
// for three seconds at most; KELMO_FUZZ_SEED=<n> repeats a run,
// KELMO_FUZZ_ANZAHL=<n> asks for that many values, however long it takes.
#include "laufzeitfehler.h"
#include "zahlen.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTest>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <optional>
#include <random>

namespace {

using Grenzen = std::numeric_limits<double>;

// The value rounded to 15 significant digits, as a double (inf beyond range).
double auf15(double x)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", x);
    return std::strtod(buf, nullptr);
}

QString genau(double x)
{
    char buf[80];
    std::snprintf(buf, sizeof buf, "%.17g (%a)", x, x);
    return QString::fromLatin1(buf);
}

// The error a call raises, or nothing.
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

bool zeigtUnzahl(const QString& s)
{
    static const QRegularExpression unzahl(QStringLiteral("nan|inf|1[.,]#"),
                                           QRegularExpression::CaseInsensitiveOption);
    return s.contains(unzahl);
}

// Significant digits of a plain number text (the mantissa, before "E").
int stellen(const QString& t)
{
    QString m = t.section(u'E', 0, 0);
    m.remove(u'-').remove(u',');
    while (m.startsWith(u'0'))
        m.remove(0, 1);
    return int(m.size());
}

// A pattern of the program's kind: grouping or not, 0 to 6 decimals, a
// percent sign or a unit after the digits.
struct Muster {
    QString text;
    int dezimalen;
    bool prozent;
    QString nach;
};

class Zufall {
public:
    explicit Zufall(quint64 saat) : m_g(saat) {}
    quint64 bits() { return m_g(); }
    int bis(int n) { return int(m_g() % quint64(n)); } // 0 .. n-1
    bool ja(int prozent) { return bis(100) < prozent; }

    double zahl()
    {
        static const double besondere[] = {0.0, -0.0, Grenzen::max(), -Grenzen::max(), Grenzen::min(),
                                           -Grenzen::min(), Grenzen::denorm_min(), -Grenzen::denorm_min(),
                                           Grenzen::infinity(), -Grenzen::infinity(), Grenzen::quiet_NaN(),
                                           922337203685477.5807, -922337203685477.5807, 1e15, 1e-5, 1e-6,
                                           0.5, 2.675, 1.005, 999999999999999.5};
        switch (bis(6)) {
        case 0: { // any bit pattern: every magnitude, subnormals, inf and NaN
            const quint64 b = bits();
            double x;
            std::memcpy(&x, &b, sizeof x);
            return x;
        }
        case 1: // decimal magnitudes across the whole range
            return (ja(50) ? -1 : 1) * double(bits() % 1000000000000000ULL) * std::pow(10.0, bis(660) - 340);
        case 2: // a few digits and decimals, as results mostly are
            return (ja(30) ? -1 : 1) * double(bits() % 10000000) / std::pow(10.0, bis(8));
        case 3: // a neighbour of a special value
            return std::nextafter(besondere[bis(std::size(besondere))], ja(50) ? Grenzen::infinity() : 0.0);
        case 4: return besondere[bis(std::size(besondere))];
        default: // a tie of the rounding rules: five in the first dropped place
            return (ja(50) ? -1 : 1) * double(2 * (bits() % 100000000) + 1) / std::pow(10.0, 1 + bis(7)) / 2;
        }
    }

    Muster muster()
    {
        static const char* ganz[] = {"0", "#0", "##0", "#,##0", "##,##0"};
        static const char* nach[] = {"", " ", " TEW ", " Mio € ", " m³/h "};
        Muster m{QString::fromLatin1(ganz[bis(5)]), bis(7), ja(15), QString::fromUtf8(nach[bis(5)])};
        if (m.dezimalen > 0)
            m.text += u'.' + QString(m.dezimalen, u'0');
        if (m.prozent)
            m.nach = QStringLiteral(" % ");
        m.text += m.nach;
        return m;
    }

    // A text as a user might type or paste it: number-like pieces, half-typed
    // ones, long digit runs, and characters of every class between them.
    QString text()
    {
        static const QStringList stuecke = {
            "2,", "1.", ",5", "-", "+", "E", "e", "D", "E+", "E-", "1E308", "1E309", "-1E308", "1E-400",
            ",", ".", " ", "  ", "\t", "\n", "0", "00", "1.234,5", "9,99", "a", "Z", "x", "ä", "Ö", "ß", "€",
            "%", "&", "#", "$", "(", "'", "\"", "²", "½", "\u00a0", "\u202f", "\u0663", "\uff11", "\u0000",
            "\U0001F600", "1,#INF", "nan", "inf"};
        QString s;
        const int teile = 1 + bis(6);
        for (int i = 0; i < teile; ++i) {
            if (ja(40)) {
                const int n = ja(5) ? 300 + bis(200) : 1 + bis(18);
                for (int k = 0; k < n; ++k)
                    s += QChar(u'0' + bis(10));
            } else {
                s += stuecke.at(bis(int(stuecke.size())));
            }
        }
        return s;
    }

private:
    std::mt19937_64 m_g;
};

} // namespace

class TestZahlenZufall : public QObject {
    Q_OBJECT

    QStringList fehler;
    void melde(const QString& was)
    {
        if (fehler.size() < 20)
            fehler << was;
    }

    void pruefeZahl(double x, const Muster& m, bool waehrungAuch)
    {
        if (!std::isfinite(x)) {
            // Beyond the range every service raises an overflow.
            if (fehlerVon([&] { zahlText(x); }) != Fehler::Ueberlauf
                || fehlerVon([&] { format(x, m.text); }) != Fehler::Ueberlauf
                || fehlerVon([&] { waehrung(x); }) != Fehler::Ueberlauf)
                melde(QStringLiteral("kein Überlauf für ") + genau(x));
            return;
        }
        QString t;
        if (fehlerVon([&] { t = zahlText(x); })) {
            melde(QStringLiteral("zahlText(%1) wirft").arg(genau(x)));
            return;
        }
        if (stellen(t) > 15 || zeigtUnzahl(t))
            melde(QStringLiteral("zahlText(%1) = \"%2\"").arg(genau(x), t));
        // Read back: the value rounded to 15 digits, or an overflow when that
        // lies beyond the range.
        const double erwartet = auf15(x);
        double gelesen = 0;
        const auto f = fehlerVon([&] { gelesen = zahl(t); });
        if (std::isinf(erwartet) ? f != Fehler::Ueberlauf : (f || gelesen != erwartet))
            melde(QStringLiteral("zahl(\"%1\") gibt nicht %2 zurück").arg(t, genau(erwartet)));

        QString r;
        if (fehlerVon([&] { r = format(x, m.text); }) || zeigtUnzahl(r) || !r.endsWith(m.nach)) {
            melde(QStringLiteral("format(%1, \"%2\") = \"%3\"").arg(genau(x), m.text, r));
        } else {
            // The digits printed: grouped when the pattern groups, the
            // decimals asked for, within half a unit of the last place.
            const QString ziffern = r.chopped(m.nach.size());
            static const QRegularExpression gruppiert(QStringLiteral("^-?\\d{1,3}(\\.\\d{3})*(,\\d+)?$"));
            static const QRegularExpression ungruppiert(QStringLiteral("^-?\\d+(,\\d+)?$"));
            const bool form = ziffern.contains((m.text.contains(u',') ? gruppiert : ungruppiert))
                              && ziffern.section(u',', 1).size() == m.dezimalen;
            const double skaliert = m.prozent ? x * 100 : x;
            bool nah = true;
            if (form && std::isfinite(skaliert) && std::fabs(skaliert) < 1e300) {
                const double w = zahl(ziffern);
                const double toleranz = 0.5 * std::pow(10.0, -m.dezimalen) * (1 + 1e-9) + std::fabs(skaliert) * 1e-14;
                nah = std::fabs(w - skaliert) <= toleranz && !(w == 0 && ziffern.startsWith(u'-'));
            }
            if (!form || !nah)
                melde(QStringLiteral("format(%1, \"%2\") = \"%3\"").arg(genau(x), m.text, r));
        }

        // Currency: four decimals within half a ten-thousandth, or an
        // overflow beyond its range.
        if (!waehrungAuch)
            return;
        constexpr double grenze = 922337203685477.5807;
        double c = 0;
        const auto fc = fehlerVon([&] { c = waehrung(x); });
        if (std::fabs(x) > grenze ? fc != Fehler::Ueberlauf
                                  : (fc || std::fabs(c - x) > 0.00005 * (1 + 1e-9) + std::fabs(x) * 1e-14
                                     || zahlText(c).section(u',', 1).section(u'E', 0, 0).size() > 4))
            melde(QStringLiteral("waehrung(%1) = %2").arg(genau(x), genau(c)));
    }

    void pruefeText(const QString& s, const Muster& m)
    {
        double v = 0;
        const auto f = fehlerVon([&] { v = zahl(s); });
        const bool ist = istZahl(s);
        const QString zeige = QStringLiteral("\"%1\"").arg(s.size() > 60 ? s.left(60) + "…" : s);
        if (ist == bool(f) || (!f && !std::isfinite(v))) {
            melde(QStringLiteral("zahl/istZahl uneins über ") + zeige);
            return;
        }
        // A number read: only digits, separators, signs and an exponent, the
        // value as the same text read with a decimal point.
        QString c = s.trimmed();
        c.remove(u'.').replace(u',', u'.').replace(u'D', u'E').replace(u'd', u'e');
        static const QRegularExpression erlaubt(QStringLiteral("^[0-9.+\\-Ee]*$"));
        const QByteArray cb = c.toLatin1();
        char* ende = nullptr;
        const double ref = std::strtod(cb.constData(), &ende);
        if (!f && (!c.contains(erlaubt) || ende != cb.constData() + cb.size() || ref != v))
            melde(QStringLiteral("zahl(%1) = %2").arg(zeige, genau(v)));
        if (f == Fehler::Ueberlauf && !std::isinf(ref))
            melde(QStringLiteral("Überlauf ohne Grund: ") + zeige);
        const QString r = format(s, m.text);
        if (f ? r != s : (zeigtUnzahl(r) || r != format(v, m.text)))
            melde(QStringLiteral("format(%1, \"%2\") = \"%3\"").arg(zeige, m.text, r));
    }

private slots:
    void zufall()
    {
        const QByteArray gesetzt = qgetenv("KELMO_FUZZ_SEED");
        const quint64 saat = gesetzt.isEmpty() ? std::random_device{}() : gesetzt.toULongLong();
        const int bestellt = qEnvironmentVariableIntValue("KELMO_FUZZ_ANZAHL");
        // The sanitizer build is several times slower: the time bounds it.
        const qsizetype anzahl = bestellt > 0 ? bestellt : 1000000;
        qInfo("KELMO_FUZZ_SEED=%llu", saat); // before anything can crash
        QElapsedTimer uhr;
        uhr.start();
        Zufall z(saat);
        qsizetype i = 0;
        for (; i < anzahl && fehler.size() < 20; ++i) {
            pruefeZahl(z.zahl(), z.muster(), i % 2 == 0);
            if (i % 5 == 0)
                pruefeText(z.text(), z.muster());
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
