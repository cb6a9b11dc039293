#pragma once
// The numbered controls of a settings dialog: every radio button and check
// box that stands for a setting carries a number, and loading and storing
// find them by it. Radio buttons of one choice share an exclusive group.
#include <QMap>
#include <QString>
#include <optional>

class QAbstractButton;
class QButtonGroup;
class QObject;
class QWidget;

class NumberedControls {
public:
    explicit NumberedControls(QObject* owner) : owner_(owner) {}

    // Registers a control under its number; its objectName becomes prefix +
    // number ("Ck2000", "Rb300") and it carries the number as property "number".
    void Add(int number, QWidget* control, const QString& prefix);
    // Registers a radio button and puts it into the exclusive group of that name.
    void AddRadio(int number, QAbstractButton* radio, const QString& group);

    QWidget* Find(int number) const { return controls_.value(number); }
    QAbstractButton* Button(int number) const;

    // Checks the control of the number, when there is one.
    void Check(int number);
    bool IsChecked(int number) const;
    // Unchecks every button from first to last (radio buttons too).
    void Uncheck(int first, int last);
    // The number of the first checked button from first to last.
    std::optional<int> FirstChecked(int first, int last) const;

    QButtonGroup* Group(const QString& name);

private:
    QObject* owner_;
    QMap<int, QWidget*> controls_;
    QMap<QString, QButtonGroup*> groups_;
};
