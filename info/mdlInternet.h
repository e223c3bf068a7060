#pragma once

#include <QString>

// The one way out to the web: every web address and the e-mail link are
// handed as text to OeffneLink, which asks the desktop to open it with the
// user's browser or mail program. Nothing is shown in the program, and a
// failure is not reported.
namespace mdlInternet {

// The addresses behind the links, by role.
namespace Link {
inline const QString Homepage = QStringLiteral("https://www.dorvent.example/");
inline const QString Newsletter = QStringLiteral("https://www.dorvent.example/newsletter/");
inline const QString Download = QStringLiteral("https://www.dorvent.example/download/");
inline const QString EMail = QStringLiteral("mailto: institut@dorvent.example");
inline const QString Abwasserkosten = QStringLiteral("https://www.dorvent.example/abwasserkosten-2003/");
inline const QString Humor = QStringLiteral("https://www.humor.example/");
inline const QString Gerichtsurteil = QStringLiteral("https://www.dorvent.example/dokumente/urteil-ueberbemessung.pdf");
// The web host name of the maker, also the caption of the picture window.
inline const QString Host = QStringLiteral("www.dorvent.example");
} // namespace Link

class Oeffner {
public:
    virtual ~Oeffner() = default;
    // Returns the desktop's answer (greater than 32 when it could start a handler).
    virtual int oeffne(const QString& link) = 0;
};

// Replaces the desktop (nullptr puts it back). Returns the previous one.
Oeffner* setzeOeffner(Oeffner* oeffner);

// Hands the link text, unchanged, to the desktop; the result is its answer.
int OeffneLink(const QString& link);

} // namespace mdlInternet
