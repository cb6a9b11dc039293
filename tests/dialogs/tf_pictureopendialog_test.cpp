#include "dialogs/tf_pictureopendialog.h"

#include "dialogs/qt_printers.h"
#include "sound/simple_sound.h"
#include "support/fake_audio_device.h"
#include "support/temp_program.h"
#include "support/wav_bytes.h"

#include <QBuffer>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

QByteArray BmpBytes()
{
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

QStringList Items(const QListWidget* list)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names.append(list->item(i)->text());
    return names;
}

class PictureChooser : public ::testing::Test {
protected:
    void SetUp() override
    {
        prog.Write("fun/memory/rueck.bmp", BmpBytes());
        prog.Write("fun/memory/kaputt.gif", "no picture");
        prog.Write("fun/memory/klack.wav", wavbytes::Wav(1, 8000, 16, wavbytes::Samples16(std::vector<qint16>(4000, 900))));
        prog.Write("fun/memory/lies mich.txt", "Zeile 1\r\nZeile \xe4\r\n");
        dialog.rootFolder = "fun\\memory\\";
        dialog.resize(800, 460);
    }
    void Select(const QString& name)
    {
        const QList<QListWidgetItem*> found = dialog.LV_auswahl->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        dialog.LV_auswahl->setCurrentItem(found.first());
    }

    TempProgram prog;
    TF_PictureOpendialog dialog;
};

} // namespace

TEST_F(PictureChooser, ThePictureMasksListOnlyPictures)
{
    dialog.fileMask = "*.jpg,*.gif,*.bmp,*.wmf,*.emf";
    dialog.SetTypeIndex(TF_PictureOpendialog::PictureFiles);
    dialog.FormActivate();
    EXPECT_EQ(dialog.CB_dateityp->currentText(), "Bilddateien (*.jpg, *.gif, *.bmp, *.wmf, *.emf)");
    EXPECT_EQ(Items(dialog.LV_auswahl), (QStringList{"kaputt.gif", "rueck.bmp"}));

    Q_EMIT dialog.CB_dateityp->activated(TF_PictureOpendialog::SoundFiles);
    EXPECT_EQ(Items(dialog.LV_auswahl), QStringList{"klack.wav"});
    Q_EMIT dialog.CB_dateityp->activated(TF_PictureOpendialog::PictureFiles);
    EXPECT_EQ(Items(dialog.LV_auswahl), (QStringList{"kaputt.gif", "rueck.bmp"}));
}

TEST_F(PictureChooser, PreviewsPicturesTextsAndSounds)
{
    FakeAudioDevice device;
    dialog.FormActivate();
    dialog.show();

    Select("rueck.bmp");
    EXPECT_TRUE(dialog.ShowsPicture());
    const QImage shown = dialog.I_vorschau->pixmap().toImage();
    EXPECT_EQ(shown.size(), dialog.I_vorschau->size());
    EXPECT_EQ(shown.pixelColor(shown.width() / 2, shown.height() / 2), QColor(Qt::red));

    Select("kaputt.gif");   // cannot be decoded
    EXPECT_FALSE(dialog.ShowsPicture());
    EXPECT_EQ(dialog.PreviewCaption(), "keine Vorschau");

    Select("lies mich.txt");
    EXPECT_TRUE(dialog.M_textvorschau->isVisible());
    EXPECT_FALSE(dialog.P_bildvorschau->isVisible());
    EXPECT_EQ(dialog.M_textvorschau->toPlainText(), "Zeile 1\nZeile ä");

    Select("klack.wav");
    EXPECT_FALSE(dialog.M_textvorschau->isVisible());
    EXPECT_EQ(dialog.PreviewCaption(), "");
    ASSERT_TRUE(dialog.B_soundhoeren->isVisible());
    EXPECT_EQ(dialog.B_soundhoeren->text(), "Sound hören");
    dialog.B_soundhoeren->click();
    EXPECT_EQ(dialog.B_soundhoeren->text(), "Sound STOP");
    EXPECT_TRUE(IsSimpleSoundPlaying());
    EXPECT_EQ(device.plays.size(), 1u);
    dialog.B_soundhoeren->click();
    EXPECT_EQ(dialog.B_soundhoeren->text(), "Sound hören");
    EXPECT_FALSE(IsSimpleSoundPlaying());

    dialog.B_soundhoeren->click();
    dialog.B_abbrechen->click();   // closing stops the sound
    EXPECT_FALSE(IsSimpleSoundPlaying());
    EXPECT_EQ(dialog.result(), 2);
}
