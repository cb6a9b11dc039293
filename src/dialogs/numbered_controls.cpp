#include "dialogs/numbered_controls.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QVariant>
#include <QWidget>

void NumberedControls::Add(int number, QWidget* control, const QString& prefix)
{
    control->setObjectName(prefix + QString::number(number));
    control->setProperty("number", number);
    controls_.insert(number, control);
}

void NumberedControls::AddRadio(int number, QAbstractButton* radio, const QString& group)
{
    Add(number, radio, QStringLiteral("Rb"));
    Group(group)->addButton(radio, number);
}

QButtonGroup* NumberedControls::Group(const QString& name)
{
    QButtonGroup*& group = groups_[name];
    if (!group)
        group = new QButtonGroup(owner_);
    return group;
}

QAbstractButton* NumberedControls::Button(int number) const
{
    return qobject_cast<QAbstractButton*>(Find(number));
}

void NumberedControls::Check(int number)
{
    if (QAbstractButton* b = Button(number))
        b->setChecked(true);
}

bool NumberedControls::IsChecked(int number) const
{
    const QAbstractButton* b = Button(number);
    return b && b->isChecked();
}

void NumberedControls::Uncheck(int first, int last)
{
    for (auto it = controls_.lowerBound(first); it != controls_.end() && it.key() <= last; ++it) {
        auto* b = qobject_cast<QAbstractButton*>(it.value());
        if (!b || !b->isChecked())
            continue;
        // An exclusive group keeps one button checked; let go of it briefly.
        QButtonGroup* group = b->group();
        const bool exclusive = group && group->exclusive();
        if (exclusive)
            group->setExclusive(false);
        b->setChecked(false);
        if (exclusive)
            group->setExclusive(true);
    }
}

std::optional<int> NumberedControls::FirstChecked(int first, int last) const
{
    for (auto it = controls_.lowerBound(first); it != controls_.end() && it.key() <= last; ++it)
        if (auto* b = qobject_cast<QAbstractButton*>(it.value()); b && b->isChecked())
            return it.key();
    return std::nullopt;
}
