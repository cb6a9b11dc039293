#include "dialogs/tform_lautauswahl.h"

#include "data/path_helpers.h"
#include "dialogs/letter_group_choice.h"
#include "dialogs/modal_run.h"
#include "platform/text_codec.h"
#include "sound/spelling.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TForm_lautauswahl::TForm_lautauswahl(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Lautieren einstellen"));
    setModal(true);
    resize(576, 463);

    auto* title = new QLabel(QStringLiteral("Kombination, die zusammen lautiert werden."), this);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    titleFont.setBold(true);
    title->setFont(titleFont);

    auto* consonants = new QGroupBox(QStringLiteral("Konsonantenverbindungen"), this);
    auto* consonantGrid = new QGridLayout(consonants);
    const QStringList consonantOrder{"ch", "ck", "pf", "ph", "qu", "sch", "sp", "st", "tz"};
    for (int row = 0; row < consonantOrder.size(); ++row) {
        const QString& group = consonantOrder[row];
        consonantGrid->addWidget(AddBox(group, consonants), row, 0);
        if (group == QLatin1String("sp") || group == QLatin1String("st"))
            consonantGrid->addWidget(new QLabel(QStringLiteral("am Wortanfang"), consonants), row, 1);
    }
    consonantGrid->setColumnStretch(1, 1);
    consonantGrid->setRowStretch(consonantOrder.size(), 1);

    auto* diphthongs = new QGroupBox(QStringLiteral("Diphthonge"), this);
    auto* diphthongColumn = new QVBoxLayout(diphthongs);
    for (const char* group : {"ai", "au", "äu", "ei", "eu", "ie", "oi"})
        diphthongColumn->addWidget(AddBox(QString::fromUtf8(group), diphthongs));
    diphthongColumn->addStretch(1);

    auto* frames = new QHBoxLayout;
    frames->addWidget(consonants, 1);
    frames->addWidget(diphthongs, 1);

    B_abbruch = new QPushButton(QStringLiteral("Abbruch"), this);
    B_ok = new QPushButton(QStringLiteral("OK"), this);
    B_ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(B_abbruch);
    buttons->addStretch(1);
    buttons->addWidget(B_ok);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addLayout(frames, 1);
    layout->addLayout(buttons);

    connect(B_ok, &QPushButton::clicked, this, [this] { B_okClick(); });
    connect(B_abbruch, &QPushButton::clicked, this, &QDialog::reject);
}

QCheckBox* TForm_lautauswahl::AddBox(const QString& group, QWidget* parent)
{
    auto* box = new QCheckBox(group, parent);
    QFont f = box->font();
    f.setPointSizeF(f.pointSizeF() * 1.3);
    box->setFont(f);
    boxes_.insert(group, box);
    return box;
}

int TForm_lautauswahl::Execute()
{
    FormShow();
    return RunModal(*this);
}

void TForm_lautauswahl::FormShow()
{
    ReadStatus status = ReadStatus::Ok;
    const QStringList lines = ReadTextLines(ResolvePath(LetterGroupFile()), &status);
    if (status != ReadStatus::Ok)
        return;
    const QStringList chosen = ChosenLetterGroups(lines);
    for (auto it = boxes_.begin(); it != boxes_.end(); ++it)
        it.value()->setChecked(chosen.contains(it.key()));
}

void TForm_lautauswahl::B_okClick()
{
    QStringList checked;
    for (auto it = boxes_.begin(); it != boxes_.end(); ++it)
        if (it.value()->isChecked())
            checked.append(it.key());
    WriteTextLines(ResolvePath(LetterGroupFile()), LetterGroupLines(checked), true);
    accept();
}
