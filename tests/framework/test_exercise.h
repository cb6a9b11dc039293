#pragma once
// The smallest list-driven exercise: its centre shows the current word. It
// steps with 12 and 13, records an answer on 201 and writes its results when
// it is left, so tests can drive the framework end to end.
#include "framework/list_window.h"

#include <QLabel>
#include <utility>
#include <vector>

class TestExercise : public T_urahnlrb1 {
public:
    explicit TestExercise(const QString& sectionName = QStringLiteral("Bild zum Wort"))
    {
        Setup(0, sectionName);
        word = new QLabel(this);
        word->setAlignment(Qt::AlignCenter);
        QFont f = word->font();
        f.setPointSize(48);
        word->setFont(f);
    }

    QLabel* word = nullptr;
    std::vector<std::pair<int, int>> commands;
    // The answer record 201 stores in the current entry.
    QString answer = QStringLiteral("-OK-");

    using T_urahnlrb::ReadListKeys;

protected:
    void OnShown() override { Present(); }
    void LayoutCentre(const QRect& centre) override { word->setGeometry(centre); }

    void OnCommand(int number, int code) override
    {
        commands.emplace_back(number, code);
        const int last = currentList ? currentList->Count() - 1 : 0;
        switch (number) {
        case kPrevious:
            position = qBound(0, position - 1, qMax(0, last));
            Present();
            break;
        case kNext:
            position = qBound(0, position + 1, qMax(0, last));
            Present();
            break;
        case kCheck:
            if (currentEntry)
                currentEntry->Answer() = answer;
            break;
        default:
            break;
        }
    }

    bool LeaveWindow() override
    {
        WriteResults(ResultsMoment::Closing);
        return T_urahnlrb1::LeaveWindow();
    }

private:
    void Present()
    {
        TakeCurrentEntry();
        word->setText(currentEntry ? ToDisplayCase(currentEntry->Field(FieldWord)) : QString());
    }
};
