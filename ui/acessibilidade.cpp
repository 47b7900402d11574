// SPDX-License-Identifier: MIT
#include "ui/acessibilidade.h"

#include "ui/caixa_desenho.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QString>
#include <QWidget>

namespace vendrix::ui {

namespace {

// A picture area as the toolkit presents a frame, with the drawn
// polynomial as its description.
class LeituraDeDesenho final : public QAccessibleWidget
{
public:
    explicit LeituraDeDesenho(CaixaDeDesenho* área)
        : QAccessibleWidget(área, QAccessible::Border)
    {}

    [[nodiscard]] QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Description || !widget()->accessibleDescription().isEmpty())
            return QAccessibleWidget::text(t);
        return static_cast<const CaixaDeDesenho*>(widget())->Fala();
    }
};

QAccessibleInterface* LerDesenho(const QString& classe, QObject* objecto)
{
    if (classe != QLatin1String(CaixaDeDesenho::staticMetaObject.className()))
        return nullptr;
    auto* área = qobject_cast<CaixaDeDesenho*>(objecto);
    return área == nullptr ? nullptr : new LeituraDeDesenho(área);
}

} // namespace

void DescreverBotão(QWidget* botão, const QString& dica)
{
    const auto* b = qobject_cast<QAbstractButton*>(botão);
    if (b == nullptr || dica.isEmpty())
        return;
    botão->setAccessibleDescription(dica);
    if (!b->text().isEmpty())
        return; // the caption names it
    QString nome = dica;
    if (nome.endsWith(u'.'))
        nome.chop(1);
    botão->setAccessibleName(nome);
}

void InstalarLeituraDosDesenhos()
{
    // The toolkit keeps one entry per factory, so every area may ask.
    QAccessible::installFactory(&LerDesenho);
}

void AnunciarDescrição(QWidget* área)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent evento(área, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&evento);
}

} // namespace vendrix::ui
