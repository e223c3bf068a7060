#include "zahlen.h"

#include "laufzeitfehler.h"

#include <QByteArray>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

// Parses the German number syntax into a C-locale string for strtod.
// Returns false when the text is no number.
bool zerlege(const QString& text, QByteArray& c)
{
    const QString t = text.trimmed();
    int i = 0;
    const int n = t.size();
    c.clear();
    if (i < n && (t[i] == u'+' || t[i] == u'-')) {
        if (t[i] == u'-')
            c += '-';
        ++i;
    }
    int ziffern = 0;
    while (i < n && (t[i].isDigit() || t[i] == u'.')) {
        if (t[i] != u'.') {
            if (t[i].unicode() > '9')
                return false; // digits of other scripts
            c += char(t[i].unicode());
            ++ziffern;
        }
        ++i;
    }
    if (i < n && t[i] == u',') {
        c += '.';
        ++i;
        while (i < n && t[i].unicode() >= '0' && t[i].unicode() <= '9') {
            c += char(t[i].unicode());
            ++ziffern;
            ++i;
        }
    }
    if (ziffern == 0)
        return false;
    if (i < n && (t[i] == u'E' || t[i] == u'e' || t[i] == u'D' || t[i] == u'd')) {
        c += 'e';
        ++i;
        if (i < n && (t[i] == u'+' || t[i] == u'-')) {
            c += char(t[i].unicode());
            ++i;
        }
        int exp = 0;
        while (i < n && t[i].unicode() >= '0' && t[i].unicode() <= '9') {
            c += char(t[i].unicode());
            ++exp;
            ++i;
        }
        if (exp == 0)
            return false;
    }
    return i == n;
}

// The value as at most 15 significant decimal digits: x = 0.d1d2...dn * 10^punkt.
// Trailing zeros are dropped; zero gives empty digits.
struct Dezimal {
    QByteArray ziffern;
    int punkt = 0;
    bool negativ = false;
};

Dezimal dezimal(double x)
{
    Dezimal d;
    if (x == 0.0)
        return d;
    d.negativ = x < 0;
    // The exact value rounded to 15 digits, as printf's "%.14e" gives it,
    // only several times quicker: d.dddddddddddddde[+-]XX
    char buf[40];
    *std::to_chars(buf, buf + sizeof buf - 1, std::fabs(x), std::chars_format::scientific, 14).ptr = '\0';
    const char* e = std::strchr(buf, 'e');
    d.ziffern.append(buf[0]);
    d.ziffern.append(buf + 2, int(e - (buf + 2)));
    d.punkt = std::atoi(e + 1) + 1;
    while (d.ziffern.endsWith('0'))
        d.ziffern.chop(1);
    return d;
}

// Rounds to the given count of decimals on the digits: half away from zero,
// or a tie to the even digit.
void runde(Dezimal& d, int stellen, bool gerade = false)
{
    const int behalten = d.punkt + stellen;
    if (behalten >= d.ziffern.size())
        return;
    if (behalten < 0) {
        // Every digit lies beyond the kept decimals: the value rounds to zero.
        d.ziffern.clear();
        d.punkt = 0;
        return;
    }
    bool auf = d.ziffern[behalten] >= '5';
    if (gerade && d.ziffern[behalten] == '5' && d.ziffern.size() == behalten + 1)
        auf = behalten > 0 && (d.ziffern[behalten - 1] - '0') % 2 == 1;
    d.ziffern.truncate(behalten);
    if (auf) {
        int k = behalten - 1;
        while (k >= 0 && d.ziffern[k] == '9') {
            d.ziffern[k] = '0';
            --k;
        }
        if (k >= 0) {
            d.ziffern[k] = char(d.ziffern[k] + 1);
        } else {
            d.ziffern.prepend('1');
            ++d.punkt;
        }
    }
    while (d.ziffern.endsWith('0'))
        d.ziffern.chop(1);
    if (d.ziffern.isEmpty())
        d.punkt = 0;
}

} // namespace

double zahl(const QString& text)
{
    QByteArray c;
    if (!zerlege(text, c))
        throw Laufzeitfehler(Fehler::Typen);
    const double x = std::strtod(c.constData(), nullptr);
    if (!std::isfinite(x))
        throw Laufzeitfehler(Fehler::Ueberlauf);
    return x == 0.0 ? 0.0 : x;
}

bool istZahl(const QString& text)
{
    QByteArray c;
    return zerlege(text, c) && std::isfinite(std::strtod(c.constData(), nullptr));
}

QString zahlText(double x)
{
    // inf and NaN have no digits: an overflow, like any result beyond range.
    const Dezimal d = dezimal(rechnen::geprueft(x));
    if (d.ziffern.isEmpty())
        return QStringLiteral("0");
    QString s = d.negativ ? QStringLiteral("-") : QString();
    const QString z = QString::fromLatin1(d.ziffern);
    const int exp = d.punkt - 1; // exponent of the first digit
    if (exp >= 15 || exp < -5) {
        s += z.left(1);
        if (z.size() > 1)
            s += u',' + z.mid(1);
        s += exp < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
        s += QStringLiteral("%1").arg(std::abs(exp), 2, 10, QLatin1Char('0'));
        return s;
    }
    if (d.punkt <= 0)
        return s + QStringLiteral("0,") + QString(-d.punkt, u'0') + z;
    if (z.size() <= d.punkt)
        return s + z + QString(d.punkt - z.size(), u'0');
    return s + z.left(d.punkt) + u',' + z.mid(d.punkt);
}

QString format(double x, const QString& muster)
{
    rechnen::geprueft(x);
    // Split the pattern into literal text before, the digit part and literal
    // text after; "%" in the literal text scales by 100.
    QString vor, nach, ganz, bruch;
    bool inZahl = false, nachZahl = false, hatPunkt = false;
    int prozent = 0;
    for (const QChar ch : muster) {
        const bool ziffernzeichen = ch == u'#' || ch == u'0' || ch == u',' || ch == u'.';
        if (!nachZahl && ziffernzeichen) {
            inZahl = true;
            if (ch == u'.')
                hatPunkt = true;
            else if (hatPunkt)
                bruch += ch;
            else
                ganz += ch;
            continue;
        }
        if (ch == u'%')
            ++prozent;
        if (inZahl)
            nachZahl = true;
        (nachZahl ? nach : vor) += ch;
    }
    const int minGanz = int(ganz.count(u'0'));
    const bool gruppieren = ganz.contains(u',');
    const int pflichtStellen = int(bruch.count(u'0'));
    const int stellen = int(bruch.size() - bruch.count(u','));

    Dezimal d = dezimal(x);
    if (!d.ziffern.isEmpty())
        d.punkt += 2 * prozent;
    runde(d, stellen);

    QString ganzText, bruchText;
    const QString z = QString::fromLatin1(d.ziffern);
    if (d.punkt > 0) {
        ganzText = z.left(d.punkt);
        if (ganzText.size() < d.punkt)
            ganzText += QString(d.punkt - ganzText.size(), u'0');
        bruchText = z.mid(d.punkt);
    } else {
        bruchText = QString(-d.punkt, u'0') + z;
    }
    if (ganzText.size() < minGanz)
        ganzText = QString(minGanz - ganzText.size(), u'0') + ganzText;
    if (gruppieren) {
        for (int k = int(ganzText.size()) - 3; k > 0; k -= 3)
            ganzText.insert(k, u'.');
    }
    if (bruchText.size() < pflichtStellen)
        bruchText += QString(pflichtStellen - bruchText.size(), u'0');

    QString s = (d.negativ && !d.ziffern.isEmpty()) ? QStringLiteral("-") : QString();
    s += vor + ganzText;
    if (hatPunkt)
        s += u',' + bruchText;
    return s + nach;
}

QString format(const QString& text, const QString& muster)
{
    if (!istZahl(text))
        return text;
    return format(zahl(text), muster);
}

double waehrung(double x)
{
    // The Currency type holds 64-bit integers of ten-thousandths.
    constexpr double grenze = 922337203685477.5807;
    if (!std::isfinite(x) || std::fabs(x) > grenze)
        throw Laufzeitfehler(Fehler::Ueberlauf);
    // Rounded on the 15-digit decimal value, like the result patterns.
    Dezimal d = dezimal(x);
    runde(d, 4, true);
    if (d.ziffern.isEmpty())
        return 0.0;
    const QByteArray c = QByteArray(d.negativ ? "-0." : "0.") + d.ziffern + 'e' + QByteArray::number(d.punkt);
    return std::strtod(c.constData(), nullptr);
}
