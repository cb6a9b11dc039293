// Pictures taken into "Bilder" and recordings made with the speech synthesis.
#include "controls/picture.h"
#include "dazidazud/picture_import.h"
#include "dazidazud/speech_maker.h"
#include "data/path_helpers.h"
#include "sound/pcm_sound.h"
#include "support/picture_fixtures.h"
#include "support/temp_program.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

QString Outside(QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    QFile f(dir.filePath(name));
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return f.fileName();
}

TEST(EditorPictureImport, PicturesArriveInBilderInAFormatTheProgramShows)
{
    TempProgram temp;
    QTemporaryDir home;
    struct Case {
        const char* what;
        QString file;
        QString expected;   // list path
        QSize size;         // natural size of the imported picture
    };
    const Case cases[] = {
        // a small JPEG is copied unchanged
        {"jpeg", Outside(home, QStringLiteral("foto.JPG"), Encode(SolidImage(QSize(40, 30), Qt::green), "JPG")),
         QStringLiteral("Bilder\\Hund.jpg"), QSize(40, 30)},
        // a large one is scaled to the longest side and stays a JPEG
        {"large jpeg", Outside(home, QStringLiteral("gross.jpeg"), Encode(SolidImage(QSize(1600, 1200), Qt::green), "JPG")),
         QStringLiteral("Bilder\\Hund1.jpg"), QSize(800, 600)},
        // a format the program cannot show becomes PNG
        {"ppm", Outside(home, QStringLiteral("scan.ppm"), Encode(SolidImage(QSize(30, 20), Qt::blue), "PPM")),
         QStringLiteral("Bilder\\Hund.png"), QSize(30, 20)},
        {"xpm", Outside(home, QStringLiteral("icon.xpm"), Encode(SolidImage(QSize(1000, 500), Qt::blue), "XPM")),
         QStringLiteral("Bilder\\Hund1.png"), QSize(800, 400)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const PictureImport r = ImportPicture(c.file, QStringLiteral("Hund"));
        ASSERT_TRUE(r.error.isEmpty()) << r.error.toStdString();
        EXPECT_EQ(r.listPath, c.expected);
        Picture p;
        ASSERT_TRUE(p.Load(r.listPath));
        EXPECT_EQ(p.NaturalSize(), c.size);
    }
    // unchanged copy of the small JPEG
    QFile source(cases[0].file);
    source.open(QIODevice::ReadOnly);
    EXPECT_EQ(temp.Read(QStringLiteral("Bilder/Hund.jpg")), source.readAll());
}

TEST(EditorPictureImport, WhatIsNoPictureIsRefusedAndNothingWritten)
{
    TempProgram temp;
    QTemporaryDir home;
    temp.Write(QStringLiteral("Bilder/Hund.png"), "alt");
    const QString files[] = {Outside(home, QStringLiteral("kaputt.jpg"), "\xFF\xD8\xFF kein JPEG"),
                             Outside(home, QStringLiteral("brief.txt"), "Liebe Eltern"),
                             home.filePath(QStringLiteral("fehlt.png"))};
    for (const QString& f : files) {
        SCOPED_TRACE(f.toStdString());
        const PictureImport r = ImportPicture(f, QStringLiteral("Hund"));
        EXPECT_TRUE(r.listPath.isEmpty());
        EXPECT_FALSE(r.error.isEmpty());
    }
    EXPECT_EQ(QDir(temp.Path(QStringLiteral("Bilder"))).entryList(QDir::Files), QStringList{QStringLiteral("Hund.png")});
    EXPECT_EQ(temp.Read(QStringLiteral("Bilder/Hund.png")), QByteArray("alt"));
}

TEST(EditorSpeech, MadeRecordingIsAPlayableWavOfTheProgramsFormat)
{
    TempProgram temp;
    temp.Write(QStringLiteral("Sounds/Hund der.wav"), "the teacher's own");
    const MadeSpeech made = MakeSpeechFile(QStringLiteral("der Hund"));
    ASSERT_TRUE(made.error.isEmpty()) << made.error.toStdString();
    EXPECT_EQ(made.listPath, QStringLiteral("Sounds\\Hund der1.wav"));
    EXPECT_EQ(temp.Read(QStringLiteral("Sounds/Hund der.wav")), QByteArray("the teacher's own"));
    const auto pcm = LoadPcmSound(ResolvePath(made.listPath));
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->format.samplesPerSecond, 22050);
    EXPECT_EQ(pcm->format.channels, 1);
    EXPECT_EQ(pcm->format.bitsPerSample, 16);
    // article, pause and noun: well over half a second
    EXPECT_GT(pcm->Frames(), 22050 / 2);

    const MadeSpeech umlaut = MakeSpeechFile(QStringLiteral("Bär"));
    EXPECT_EQ(umlaut.listPath, QStringLiteral("Sounds\\Baer.wav"));
}

} // namespace
