#include "arbeitsblatt.h"

#include "zahlen.h"

#include <ixion/address.hpp>
#include <ixion/cell.hpp>
#include <ixion/formula.hpp>
#include <ixion/formula_name_resolver.hpp>
#include <ixion/formula_result.hpp>
#include <ixion/formula_tokens.hpp>
#include <ixion/model_context.hpp>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <unordered_map>
#include <vector>

using ixion::abs_address_t;
using ixion::abs_range_t;
using Art = Arbeitsblatt::Wert::Art;

namespace {

// Rows and columns (A to Z) of a sheet.
constexpr int zeilen = 160;
constexpr int spalten = 26;

const QString wertFehler = QStringLiteral("#WERT!");
const QString zahlFehler = QStringLiteral("#ZAHL!");

Arbeitsblatt::Wert fehler(const QString& name)
{
    return {Art::Fehler, 0, name};
}

Arbeitsblatt::Wert zahlwert(double x)
{
    if (!std::isfinite(x))
        return fehler(zahlFehler); // a result too large for a number
    return {Art::Zahl, x, {}};
}

QString fehlername(ixion::formula_error_t f)
{
    using E = ixion::formula_error_t;
    switch (f) {
    case E::division_by_zero: return QStringLiteral("#DIV/0!");
    case E::ref_result_not_available: return QStringLiteral("#BEZUG!");
    case E::name_not_found: return QStringLiteral("#NAME?");
    case E::no_range_intersection: return QStringLiteral("#NULL!");
    default: return wertFehler;
    }
}

// General: the plain number, with fewer decimals when it would be longer
// than eleven characters.
QString allgemein(double x)
{
    const QString t = zahlText(x);
    const qsizetype komma = t.indexOf(u',');
    if (t.size() <= 11 || komma < 0 || t.contains(u'E'))
        return t;
    const int stellen = std::max(0, int(11 - komma - 1));
    QString s = format(x, stellen > 0 ? QStringLiteral("0.") + QString(stellen, u'0') : QStringLiteral("0"));
    if (s.contains(u',')) {
        while (s.endsWith(u'0'))
            s.chop(1);
        if (s.endsWith(u','))
            s.chop(1);
    }
    return s;
}

QString formatiert(double x, Arbeitsblatt::Format f)
{
    using F = Arbeitsblatt::Format;
    switch (f) {
    case F::Standard: return allgemein(x);
    case F::Grad: return format(x, QStringLiteral("0 °"));
    case F::EineStelle: return format(x, QStringLiteral("0.0"));
    case F::ZweiStellen: return format(x, QStringLiteral("0.00"));
    case F::DreiStellen: return format(x, QStringLiteral("0.000"));
    case F::Prozent: return format(x, QStringLiteral("0%"));
    case F::MgBsbJeL: return format(x, QStringLiteral("0 mg BSB/l"));
    }
    return allgemein(x);
}

template <class F>
void jedeZelle(const abs_range_t& b, F f)
{
    for (ixion::row_t z = b.first.row; z <= b.last.row; ++z)
        for (ixion::col_t s = b.first.column; s <= b.last.column; ++s)
            f(abs_address_t(b.first.sheet, z, s));
}

} // namespace

struct Arbeitsblatt::Impl {
    ixion::model_context cx{ixion::rc_size_t(zeilen, spalten)};
    std::unique_ptr<ixion::formula_name_resolver> namen;
    ixion::abs_range_set_t formeln; // every formula cell
    // The formula cells' values under the sheet's error rules (see nachRegeln).
    std::unordered_map<abs_address_t, Wert, abs_address_t::hash> ergebnisse;
    std::vector<Format> formate = std::vector<Format>(zeilen * spalten, Format::Standard);
    struct Markierung {
        abs_range_t bereich;
        double grenze = 0;
        abs_address_t grenzzelle{abs_address_t::invalid};
    };
    std::vector<Markierung> markierungen;
    std::vector<std::function<void()>> beobachter;
    Ausschnitt sichtbar;

    abs_range_t bereich(const QString& name) const
    {
        const QByteArray n = name.toLatin1();
        const ixion::formula_name_t r = namen->resolve({n.constData(), size_t(n.size())}, abs_address_t(0, 0, 0));
        abs_range_t b(abs_range_t::invalid);
        if (r.type == ixion::formula_name_t::cell_reference)
            b = abs_range_t(std::get<ixion::address_t>(r.value).to_abs(abs_address_t(0, 0, 0)));
        else if (r.type == ixion::formula_name_t::range_reference)
            b = std::get<ixion::range_t>(r.value).to_abs(abs_address_t(0, 0, 0));
        if (!b.valid() || b.first.row < 0 || b.first.column < 0 || b.last.row >= zeilen || b.last.column >= spalten)
            throw std::invalid_argument("keine Zelle des Arbeitsblatts: " + n.toStdString());
        return b;
    }

    abs_address_t zelle(const QString& name) const { return bereich(name).first; }

    static bool imBlatt(int zeile, int spalte)
    {
        return zeile >= 0 && zeile < zeilen && spalte >= 0 && spalte < spalten;
    }

    void ohneFormel(const abs_address_t& pos)
    {
        if (cx.get_celltype(pos) != ixion::celltype_t::formula)
            return;
        ixion::unregister_formula_cell(cx, pos);
        formeln.erase(abs_range_t(pos));
        ergebnisse.erase(pos);
    }

    // Lets the engine recalculate what the changed cells reach (or the given
    // formula cells), in the order of their dependencies.
    void rechne(const ixion::abs_range_set_t& geaendert, const ixion::abs_range_set_t* schmutzig)
    {
        const std::vector<abs_range_t> folge = ixion::query_and_sort_dirty_cells(cx, geaendert, schmutzig);
        ixion::calculate_sorted_cells(cx, folge, 0);
        for (const abs_range_t& b : folge)
            jedeZelle(b, [this](const abs_address_t& pos) { ergebnisse[pos] = nachRegeln(pos); });
        for (const auto& f : beobachter)
            f();
    }

    Wert eingabe(const abs_address_t& pos) const
    {
        switch (cx.get_celltype(pos)) {
        case ixion::celltype_t::numeric: return zahlwert(cx.get_numeric_value(pos));
        case ixion::celltype_t::boolean: return zahlwert(cx.get_boolean_value(pos) ? 1 : 0);
        case ixion::celltype_t::string:
            return {Art::Text, 0, QString::fromStdString(std::string(cx.get_string_value(pos)))};
        default: return {};
        }
    }

    Wert wert(const abs_address_t& pos) const
    {
        if (cx.get_celltype(pos) != ixion::celltype_t::formula)
            return eingabe(pos);
        const auto e = ergebnisse.find(pos);
        return e == ergebnisse.end() ? Wert{} : e->second;
    }

    // The engine's result with the spreadsheet's error rules on top, which the
    // engine does not keep everywhere: an error met in a referenced cell is
    // passed on unchanged (the first in the formula's order), a text used in
    // arithmetic is #WERT! (the sheet's formulas use their references only in
    // arithmetic; a formula that is only a reference shows the text), and a
    // number beyond the double range is #ZAHL!.
    Wert nachRegeln(const abs_address_t& pos) const
    {
        const ixion::formula_cell* f = cx.get_formula_cell(pos);
        if (!f)
            return {};
        const ixion::formula_tokens_t& tokens = f->get_tokens()->get();
        const bool nurVerweis = tokens.size() == 1 && tokens[0]->get_opcode() == ixion::fop_single_ref;
        for (const ixion::formula_token* t : f->get_ref_tokens(cx, pos)) {
            abs_range_t quellen(abs_range_t::invalid);
            if (t->get_opcode() == ixion::fop_single_ref)
                quellen = abs_range_t(t->get_single_ref().to_abs(pos));
            else if (t->get_opcode() == ixion::fop_range_ref)
                quellen = t->get_range_ref().to_abs(pos);
            if (!quellen.valid())
                continue;
            Wert gefunden;
            jedeZelle(quellen, [&](const abs_address_t& q) {
                if (gefunden.art != Art::Leer)
                    return;
                const Wert w = wert(q);
                if (w.art == Art::Fehler)
                    gefunden = w;
                else if (w.art == Art::Text && !nurVerweis)
                    gefunden = fehler(wertFehler);
            });
            if (gefunden.art != Art::Leer)
                return gefunden;
        }
        const ixion::formula_result r = f->get_result_cache(ixion::formula_result_wait_policy_t::throw_exception);
        switch (r.get_type()) {
        case ixion::formula_result::result_type::value: return zahlwert(r.get_value());
        case ixion::formula_result::result_type::string: return {Art::Text, 0, QString::fromStdString(r.get_string())};
        case ixion::formula_result::result_type::error: return fehler(fehlername(r.get_error()));
        default: return fehler(wertFehler);
        }
    }
};

Arbeitsblatt::Arbeitsblatt(const QString& name) : d(std::make_unique<Impl>())
{
    d->cx.append_sheet(name.toStdString());
    d->namen = ixion::formula_name_resolver::get(ixion::formula_name_resolver_t::excel_a1, &d->cx);
}

Arbeitsblatt::~Arbeitsblatt() = default;

void Arbeitsblatt::zahl(const char* zelle, double x)
{
    reihe(zelle, x, 0);
}

void Arbeitsblatt::reihe(const char* bereich, double erster, double schritt)
{
    double x = erster;
    jedeZelle(d->bereich(QString::fromLatin1(bereich)), [&](const abs_address_t& pos) {
        d->ohneFormel(pos);
        d->cx.set_numeric_cell(pos, x);
        x += schritt;
    });
}

void Arbeitsblatt::text(const char* zelle, const QString& text)
{
    const abs_address_t pos = d->zelle(QString::fromLatin1(zelle));
    d->ohneFormel(pos);
    d->cx.set_string_cell(pos, text.toStdString());
}

void Arbeitsblatt::formel(const char* bereich, const char* formel)
{
    const abs_range_t b = d->bereich(QString::fromLatin1(bereich));
    // Parsed once for the first cell; the cells share the tokens, whose
    // relative references count from the cell that is computed.
    ixion::formula_tokens_store_ptr_t tokens = ixion::formula_tokens_store::create();
    tokens->get() = ixion::parse_formula_string(d->cx, b.first, *d->namen, formel);
    jedeZelle(b, [&](const abs_address_t& pos) {
        d->ohneFormel(pos);
        d->cx.set_formula_cell(pos, tokens);
        ixion::register_formula_cell(d->cx, pos);
        d->formeln.insert(abs_range_t(pos));
    });
}

void Arbeitsblatt::format(const char* bereich, Format f)
{
    jedeZelle(d->bereich(QString::fromLatin1(bereich)),
              [&](const abs_address_t& pos) { d->formate[pos.row * spalten + pos.column] = f; });
}

void Arbeitsblatt::markiereUeber(const char* bereich, double grenze)
{
    d->markierungen.push_back(
        {d->bereich(QString::fromLatin1(bereich)), grenze, abs_address_t(abs_address_t::invalid)});
}

void Arbeitsblatt::markiereUeber(const char* bereich, const char* grenzzelle)
{
    d->markierungen.push_back({d->bereich(QString::fromLatin1(bereich)), 0, d->zelle(QString::fromLatin1(grenzzelle))});
}

void Arbeitsblatt::zeige(const char* bereich)
{
    const abs_range_t b = d->bereich(QString::fromLatin1(bereich));
    d->sichtbar = {b.first.row, b.first.column, b.last.row - b.first.row + 1, b.last.column - b.first.column + 1};
}

Arbeitsblatt::Ausschnitt Arbeitsblatt::ausschnitt() const
{
    return d->sichtbar;
}

void Arbeitsblatt::berechne()
{
    const ixion::abs_range_set_t alle = d->formeln;
    d->rechne({}, &alle);
}

void Arbeitsblatt::setze(const QString& zelle, const QString& text)
{
    const abs_address_t pos = d->zelle(zelle);
    d->ohneFormel(pos);
    if (text.isEmpty())
        d->cx.empty_cell(pos);
    else if (istZahl(text))
        d->cx.set_numeric_cell(pos, ::zahl(text));
    else
        d->cx.set_string_cell(pos, text.toStdString());
    d->rechne({abs_range_t(pos)}, nullptr);
}

void Arbeitsblatt::setze(const QString& zelle, double x)
{
    const abs_address_t pos = d->zelle(zelle);
    d->ohneFormel(pos);
    d->cx.set_numeric_cell(pos, x);
    d->rechne({abs_range_t(pos)}, nullptr);
}

Arbeitsblatt::Wert Arbeitsblatt::wert(int zeile, int spalte) const
{
    if (!Impl::imBlatt(zeile, spalte))
        return {};
    return d->wert(abs_address_t(0, zeile, spalte));
}

Arbeitsblatt::Wert Arbeitsblatt::wert(const QString& zelle) const
{
    return d->wert(d->zelle(zelle));
}

QString Arbeitsblatt::anzeige(int zeile, int spalte) const
{
    const Wert w = wert(zeile, spalte);
    if (w.art != Art::Zahl)
        return w.text;
    return formatiert(w.zahl, d->formate[zeile * spalten + spalte]);
}

bool Arbeitsblatt::markiert(int zeile, int spalte) const
{
    const Wert w = wert(zeile, spalte);
    if (w.art != Art::Zahl)
        return false;
    for (const Impl::Markierung& m : d->markierungen) {
        const abs_range_t& b = m.bereich;
        if (zeile < b.first.row || zeile > b.last.row || spalte < b.first.column || spalte > b.last.column)
            continue;
        double grenze = m.grenze;
        if (m.grenzzelle.valid()) {
            const Wert g = d->wert(m.grenzzelle);
            if (g.art != Art::Zahl && g.art != Art::Leer)
                continue; // an error or a text as the bound marks nothing
            grenze = g.zahl;
        }
        if (w.zahl > grenze)
            return true;
    }
    return false;
}

void Arbeitsblatt::beiAenderung(std::function<void()> f)
{
    d->beobachter.push_back(std::move(f));
}

QString Arbeitsblatt::spaltenname(int spalte)
{
    QString name;
    for (int s = spalte + 1; s > 0; s = (s - 1) / 26)
        name.prepend(QChar(u'A' + (s - 1) % 26));
    return name;
}
