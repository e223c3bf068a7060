#pragma once

#include "zahlen.h"

#include <QPointer>
#include <QString>

#include <functional>
#include <variant>

// A value that a window keeps between events. It is empty when the window
// opens, and then holds a number, a text taken from a box (a snapshot), or a
// binding to a box whose current text it reads each time it is used.
class Fensterwert {
public:
    Fensterwert() = default;

    void setzeZahl(double x) { m_wert = x; }
    void setzeText(const QString& text) { m_wert = text; }
    // Bound to a box or label: reading the value reads its text anew.
    template <class Box>
    void binde(const Box* box)
    {
        QPointer<const Box> p(box);
        m_wert = Bindung{[p] { return p ? p->text() : QString(); }};
    }
    void leere() { m_wert = std::monostate{}; }

    bool leer() const { return std::holds_alternative<std::monostate>(m_wert); }
    bool istZahl() const { return std::holds_alternative<double>(m_wert); }

    // As a number: empty counts as 0; a text is read under the German rules
    // (a type mismatch when it is no number).
    double zahl() const
    {
        if (const double* x = std::get_if<double>(&m_wert))
            return *x;
        if (leer())
            return 0.0;
        return ::zahl(text());
    }
    // As a text: empty is the empty text, a number its plain number text.
    QString text() const
    {
        if (const double* x = std::get_if<double>(&m_wert))
            return zahlText(*x);
        if (const QString* t = std::get_if<QString>(&m_wert))
            return *t;
        if (const Bindung* b = std::get_if<Bindung>(&m_wert))
            return b->lies();
        return {};
    }
    // Set: a number other than 0, or a text (taken or bound) that is not
    // empty; "0" as a text counts as set.
    bool gesetzt() const
    {
        if (const double* x = std::get_if<double>(&m_wert))
            return *x != 0.0;
        return !leer() && !text().isEmpty();
    }

private:
    struct Bindung {
        std::function<QString()> lies;
    };
    std::variant<std::monostate, double, QString, Bindung> m_wert;
};
