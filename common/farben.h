#pragma once

#include <QColor>

#include <iterator>
#include <string_view>

// The colours of the design, each named once. The style sheet
// (resources/kelmo.qss) names them as "@name"; code that paints takes them
// from here. Colours that are system colours are not listed: they are
// palette roles, so the desktop theme holds.
namespace farben {

struct Farbe {
    std::string_view name;
    QRgb wert;
};

// clang-format off
inline constexpr Farbe tabelle[] = {
    {"rot",        qRgb(255,   0,   0)}, // warnings, and a text red by design (&H000000FF)
    {"dunkelrot",  qRgb(192,   0,   0)}, // a dark red caption (&H000000C0)
    {"hellgelb",   qRgb(255, 255, 192)}, // an input box (&H00C0FFFF)
    {"rosa",       qRgb(255, 192, 192)}, // a warning background (&H00C0C0FF)
    {"blau",       qRgb(  0,   0, 255)}, // a blue text, a link (&H00FF0000)
    {"dunkelblau", qRgb(  0,   0, 192)}, // a dark blue text (&H00C00000)
    {"marineblau", qRgb(  0,   0, 128)}, // a navy caption (&H00800000)
    {"violett",    qRgb(128,   0, 128)}, // a violet text (&H00800080)
    {"hellgruen",  qRgb(192, 255, 192)}, // a light green face (&H00C0FFC0)
    {"schwarz",    qRgb(  0,   0,   0)}, // a text black by design, whatever the theme
    {"weiss",      qRgb(255, 255, 255)}, // a white by design, whatever the theme
    {"hellgrau",   qRgb(224, 224, 224)}, // a light grey face (&H00E0E0E0)
    {"grau",       qRgb(192, 192, 192)}, // a grey face, a marked cell (&H00C0C0C0)
    // Pictures and charts drawn by the program.
    {"gitter",     qRgb(220, 220, 220)}, // the grid of a chart
    {"kopf",       qRgb(225, 232, 240)}, // the head of a printed table
    {"tropfen",    qRgb(120, 100,  40)}, // the drop of the population picture
    {"kurve1",     qRgb( 30,  80, 200)}, // the curves of a chart, in order
    {"kurve2",     qRgb(  0, 150, 160)},
    {"kurve3",     qRgb( 40, 150,  40)},
    {"kurve4",     qRgb(230, 140,   0)},
    {"kurve5",     qRgb(200,  30,  30)},
};
// clang-format on

// The colour of the table by its name (the names are checked while compiling).
consteval QRgb farbe(std::string_view name)
{
    for (const Farbe& f : tabelle)
        if (f.name == name)
            return f.wert;
    throw "no such colour in the table";
}

inline const QColor rot = QColor(farbe("rot"));
inline const QColor dunkelrot = QColor(farbe("dunkelrot"));
inline const QColor hellgelb = QColor(farbe("hellgelb"));
inline const QColor rosa = QColor(farbe("rosa"));
inline const QColor blau = QColor(farbe("blau"));
inline const QColor dunkelblau = QColor(farbe("dunkelblau"));
inline const QColor marineblau = QColor(farbe("marineblau"));
inline const QColor violett = QColor(farbe("violett"));
inline const QColor hellgruen = QColor(farbe("hellgruen"));
inline const QColor schwarz = QColor(farbe("schwarz"));
inline const QColor weiss = QColor(farbe("weiss"));
inline const QColor hellgrau = QColor(farbe("hellgrau"));
inline const QColor grau = QColor(farbe("grau"));
inline const QColor gitter = QColor(farbe("gitter"));
inline const QColor kopf = QColor(farbe("kopf"));
inline const QColor tropfen = QColor(farbe("tropfen"));
inline const QColor kurven[] = {QColor(farbe("kurve1")), QColor(farbe("kurve2")), QColor(farbe("kurve3")),
                                QColor(farbe("kurve4")), QColor(farbe("kurve5"))};

} // namespace farben
