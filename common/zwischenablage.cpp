#include "zwischenablage.h"

#include "naht.h"

#include <QClipboard>
#include <QGuiApplication>

namespace zwischenablage {
namespace {

class EchteAblage : public Ablage {
public:
    void leere() override
    {
        if (QClipboard* c = QGuiApplication::clipboard())
            c->clear();
    }
    void setzeText(const QString& text) override
    {
        if (QClipboard* c = QGuiApplication::clipboard())
            c->setText(text);
    }
};

EchteAblage echteAblage;
Naht<Ablage> aktuelle(echteAblage);

} // namespace

Ablage* setzeAblage(Ablage* ablage)
{
    return aktuelle.setze(ablage);
}

void leere()
{
    aktuelle->leere();
}

void setzeText(const QString& text)
{
    aktuelle->setzeText(text);
}

} // namespace zwischenablage
