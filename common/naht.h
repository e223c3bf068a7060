#pragma once

// A replaceable service of the desktop (message box, clipboard, link opener,
// printer): the program talks to the current one, tests put a recorder in its
// place. One instance per service, holding the real one.
template <class Dienst>
class Naht {
public:
    explicit Naht(Dienst& echt) : m_echt(echt), m_aktuell(&echt) {}
    Naht(const Naht&) = delete;
    Naht& operator=(const Naht&) = delete;

    // Puts a stand-in in place (nullptr puts the real one back). Returns the
    // previous stand-in, or nullptr when the real one was in place.
    Dienst* setze(Dienst* dienst)
    {
        Dienst* vorher = m_aktuell == &m_echt ? nullptr : m_aktuell;
        m_aktuell = dienst ? dienst : &m_echt;
        return vorher;
    }
    Dienst* operator->() const { return m_aktuell; }
    Dienst& operator*() const { return *m_aktuell; }

private:
    Dienst& m_echt;
    Dienst* m_aktuell;
};
