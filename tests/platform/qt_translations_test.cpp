// Qt's own dialogs speak German once the program has loaded Qt's translations.
#include "platform/qt_translations.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

TEST(QtTranslations, StandardButtonsAndTheFileChooserSpeakGerman)
{
    ASSERT_TRUE(InstallGermanQtTranslations(*qApp)) << "Qt's German translations are installed";
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Yes |
                         QDialogButtonBox::No | QDialogButtonBox::Save);
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
    EXPECT_EQ(box.button(QDialogButtonBox::Yes)->text(), QStringLiteral("&Ja"));
    EXPECT_EQ(box.button(QDialogButtonBox::No)->text(), QStringLiteral("&Nein"));
    EXPECT_EQ(box.button(QDialogButtonBox::Save)->text(), QStringLiteral("Speichern"));

    QFileDialog chooser;
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    QStringList labels;
    for (const QLabel* label : chooser.findChildren<QLabel*>())
        labels << label->text();
    EXPECT_TRUE(labels.contains(QStringLiteral("Suchen in:"))) << labels.join(u'|').toStdString();
}
