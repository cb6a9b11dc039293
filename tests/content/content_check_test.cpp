// Checks the sample content that the build writes into the program folder:
// every list loads, and every picture, recording, noise, letter sound,
// feedback sound, symbol, table, font and help page that the lists and the
// program name exists and decodes. Skipped when the build makes no content.
#include "controls/picture.h"
#include "data/path_helpers.h"
#include "data/program_state.h"
#include "data/text_helpers.h"
#include "data/word_list.h"
#include "platform/color_text.h"
#include "platform/file_paths.h"
#include "platform/ini_file.h"
#include "platform/text_codec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>
#include <QtEndian>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <optional>

namespace {

// What the check needs to know of a WAV file.
struct WavFacts {
    int channels = 0;
    int rate = 0;
    int bits = 0;
    double seconds = 0;
    double peak = 0;   // 0..1
};

// RIFF WAVE PCM with a "fmt " and a "data" chunk, as the program's sound
// player reads it; nothing when the file is no such WAV.
std::optional<WavFacts> ReadWav(const QString& programPath)
{
    QFile f(NativePath(ResolvePath(programPath)));
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray b = f.readAll();
    if (b.size() < 44 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
        return std::nullopt;
    auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(b.constData() + at); };
    auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(b.constData() + at); };
    WavFacts w;
    qsizetype dataAt = -1, dataSize = 0;
    for (qsizetype at = 12; at + 8 <= b.size();) {
        const QByteArray id = b.mid(at, 4);
        const qsizetype size = u32(at + 4);
        if (id == "fmt " && size >= 16 && at + 24 <= b.size()) {
            if (u16(at + 8) != 1)
                return std::nullopt;
            w.channels = u16(at + 10);
            w.rate = int(u32(at + 12));
            w.bits = u16(at + 22);
        } else if (id == "data") {
            dataAt = at + 8;
            dataSize = qMin(size, b.size() - dataAt);
        }
        at += 8 + size + (size & 1);
    }
    if (dataAt < 0 || w.channels != 1 || w.bits != 16 || w.rate <= 0)
        return std::nullopt;
    for (qsizetype i = 0; i + 1 < dataSize; i += 2)
        w.peak = qMax(w.peak, std::abs(double(qint16(u16(dataAt + i)))) / 32768.0);
    w.seconds = double(dataSize / 2) / w.rate;
    return w;
}

QStringList Lines(const QString& programPath)
{
    ReadStatus status;
    const QStringList lines = ReadTextLines(ResolvePath(programPath), &status);
    EXPECT_EQ(status, ReadStatus::Ok) << programPath.toStdString();
    return lines;
}

QStringList FilesIn(const QString& programFolder, const QString& pattern)
{
    return QDir(NativePath(ResolvePath(programFolder)))
        .entryList({pattern}, QDir::Files, QDir::Name);
}

class ContentCheck : public ::testing::Test {
protected:
    void SetUp() override
    {
#ifndef LIRABO_WITH_CONTENT
        GTEST_SKIP() << "built without the sample content";
#endif
        saved_ = Program();
        active_ = true;
        Program().programFolder = QStringLiteral(LIRABO_PROGRAM_DIR) + u'/';
        Program().dataRoot = Program().programFolder + QStringLiteral("protokoll/");
    }
    void TearDown() override
    {
        if (active_)
            Program() = saved_;
    }

    // A recording the program plays: a 16-bit mono WAV that sounds and does
    // not clip.
    static void ExpectRecording(const QString& path, double maxSeconds = 10)
    {
        const auto wav = ReadWav(path);
        ASSERT_TRUE(wav.has_value()) << "no valid WAV: " << path.toStdString();
        EXPECT_EQ(wav->rate, 22050) << path.toStdString();
        EXPECT_GT(wav->seconds, 0.05) << path.toStdString();
        EXPECT_LT(wav->seconds, maxSeconds) << path.toStdString();
        EXPECT_GT(wav->peak, 0.1) << "silent: " << path.toStdString();
        EXPECT_LT(wav->peak, 0.99) << "clips: " << path.toStdString();
    }

    // A word picture, loaded by the program's picture loader.
    static void ExpectPicture(const QString& path)
    {
        Picture picture;
        ASSERT_TRUE(picture.Load(path)) << "no picture: " << path.toStdString();
        EXPECT_EQ(picture.Kind(), PictureKind::Bitmap) << path.toStdString();
        EXPECT_EQ(picture.NaturalSize(), QSize(256, 256)) << path.toStdString();
        ASSERT_TRUE(picture.HasAlpha()) << path.toStdString();
        EXPECT_EQ(qAlpha(picture.Image().pixel(0, 0)), 0) << "background not transparent: " << path.toStdString();
    }

    ProgramState saved_;
    bool active_ = false;
};

// A list loaded by the program's loader, in exercise mode as the exercises
// load it; the list must have a title and every row its six fields.
std::unique_ptr<tmoiel> LoadList(const QString& path)
{
    std::unique_ptr<tmoiel> list;
    EXPECT_TRUE(Load(list, path, true)) << path.toStdString();
    if (!list)
        return std::make_unique<tmoiel>();
    EXPECT_FALSE(list->title.isEmpty()) << "no title: " << path.toStdString();
    EXPECT_EQ(list->Count(), Lines(path).size() - 2) << "rows dropped: " << path.toStdString();
    return list;
}

QStringList ListFiles()
{
    return FilesIn(QStringLiteral("listen"), QStringLiteral("*.txt"));
}

TEST_F(ContentCheck, ListsNameExistingPicturesRecordingsAndNoises)
{
    const QStringList lists = ListFiles();
    EXPECT_TRUE(lists.contains(QStringLiteral("standard.txt")));
    EXPECT_GE(lists.size(), 9);
    QSet<QString> nouns;
    int noises = 0;
    for (const QString& name : lists) {
        const auto list = LoadList(QStringLiteral("listen\\") + name);
        EXPECT_GE(list->Count(), 10) << name.toStdString();
        for (int i = 0; i < list->Count(); ++i) {
            const WordEntry& e = *list->Entry(i);
            SCOPED_TRACE(e.Field(FieldWord).toStdString());
            ExpectPicture(e.Field(FieldPicture));
            ExpectRecording(e.Field(FieldSpeech));
            if (!e.Field(FieldNoise).isEmpty()) {
                ExpectRecording(e.Field(FieldNoise));
                ++noises;
            }
            if (!ArticleOf(e.Field(FieldWord)).isEmpty())
                nouns.insert(e.Field(FieldWord));
        }
    }
    EXPECT_GE(nouns.size(), 150);
    EXPECT_GE(noises, 30);
}

// The lists by spelling pattern: each has its title, 10 to 20 words with
// pictures, and every word shows the list's pattern (a slip puts a word in
// the wrong list); the year-1 list has no pattern at all.
TEST_F(ContentCheck, ListsBySpellingPatternHoldTheirPattern)
{
    const QString anyPattern = QStringLiteral(
        "([a-zäöü])\\1|ie|ck|tz|ß|[aeiouäöü]h|ch|^s[pt]|ei|eu|äu|au|[dgb]$|[vxyqc]|[äöü]");
    struct Pattern {
        const char* file;
        const char* title;
        QString must;   // in the lower-case noun without its article
        bool not_ = false;
    };
    const Pattern patterns[] = {
        {"rs-01-lautgetreu.txt", "Lautgetreue Wörter", anyPattern, true},
        {"rs-02-auslautverhaertung.txt", "Wörter mit d, g, b am Ende", QStringLiteral("[dgb]$")},
        {"rs-03-doppelte-mitlaute.txt", "Wörter mit doppelten Mitlauten",
         QStringLiteral("([bdfglmnprst])\\1")},
        {"rs-04-ie.txt", "Wörter mit ie", QStringLiteral("ie")},
        {"rs-05-ck.txt", "Wörter mit ck", QStringLiteral("ck")},
        {"rs-06-tz.txt", "Wörter mit tz", QStringLiteral("tz")},
        {"rs-07-sz.txt", "Wörter mit ß", QStringLiteral("ß")},
        {"rs-08-sp-st.txt", "Wörter mit Sp und St", QStringLiteral("^s[pt]")},
        {"rs-09-dehnungs-h.txt", "Wörter mit Dehnungs-h", QStringLiteral("[aeiouäöü]h(?![aeiouäöü])")},
        {"rs-10-umlaute.txt", "Umlaute aus der Wortfamilie", QStringLiteral("ä|ü|ö")},
    };
    const QStringList lists = ListFiles();
    QSet<QString> titles;
    for (const Pattern& p : patterns) {
        const QString name = QString::fromUtf8(p.file);
        SCOPED_TRACE(p.file);
        ASSERT_TRUE(lists.contains(name));
        const auto list = LoadList(QStringLiteral("listen\\") + name);
        EXPECT_TRUE(list->title.startsWith(QString::fromUtf8(p.title))) << list->title.toStdString();
        EXPECT_EQ(Lines(QStringLiteral("listen\\") + name).value(0), list->title);
        titles.insert(list->title);
        EXPECT_GE(list->Count(), 10);
        EXPECT_LE(list->Count(), 20);
        const QRegularExpression must(p.must);
        for (int i = 0; i < list->Count(); ++i) {
            const QString word = list->Entry(i)->Field(FieldWord);
            EXPECT_NE(must.match(WithoutArticle(word).toLower()).hasMatch(), p.not_) << word.toStdString();
            EXPECT_FALSE(list->Entry(i)->Field(FieldPicture).isEmpty()) << word.toStdString();
        }
    }
    EXPECT_EQ(titles.size(), std::size(patterns));
}

// The spoken-word look-up finds every word of every list: a noun alone in
// "sprache" (by its first letter) with its article in "pronomen", or the whole
// text in "sprache".
TEST_F(ContentCheck, SpokenWordLookUpFindsEveryWord)
{
    for (const QString& name : ListFiles()) {
        const auto list = LoadList(QStringLiteral("listen\\") + name);
        for (int i = 0; i < list->Count(); ++i) {
            const QString word = list->Entry(i)->Field(FieldWord);
            SCOPED_TRACE(word.toStdString());
            const QString whole = SoundFileOfWord(word, QStringLiteral("sprache"), true);
            if (!whole.isEmpty()) {
                ExpectRecording(whole);
                continue;
            }
            const QString article = ArticleOf(word);
            ASSERT_FALSE(article.isEmpty());
            ExpectRecording(SoundFileOfWord(article, QStringLiteral("pronomen"), false));
            ExpectRecording(SoundFileOfWord(WithoutArticle(word), QStringLiteral("sprache"), true));
        }
    }
    for (const QString& article : ArticleList())
        ExpectRecording(QStringLiteral("Artikel\\") + article + QStringLiteral(".wav"));
}

TEST_F(ContentCheck, LetterNamesAndLetterSounds)
{
    QStringList units;
    for (char c = 'a'; c <= 'z'; ++c)
        units << QString(QLatin1Char(c));
    units << QStringLiteral("ae") << QStringLiteral("oe") << QStringLiteral("ue") << QStringLiteral("Sz")
          << QStringLiteral("punkt") << QStringLiteral("komma") << QStringLiteral("fragezeichen")
          << QStringLiteral("ausrufezeichen") << QStringLiteral("bindestrich") << QStringLiteral("doppelpunkt");
    for (const QString& u : units) {
        ExpectRecording(QStringLiteral("ABC\\w\\") + u + QStringLiteral("_.wav"));
        ExpectRecording(QStringLiteral("ABC\\Lautiert\\") + u + QStringLiteral("_.wav"));
    }
    const QStringList soundsOnly = {
        QStringLiteral("s_ende"), QStringLiteral("st_vorne"), QStringLiteral("sp_vorne"),
        QStringLiteral("ch"),     QStringLiteral("ck"),       QStringLiteral("pf"),
        QStringLiteral("ph"),     QStringLiteral("qu"),       QStringLiteral("sch"),
        QStringLiteral("tz"),     QStringLiteral("ai"),       QStringLiteral("au"),
        QStringLiteral("äu"),     QStringLiteral("ei"),       QStringLiteral("eu"),
        QStringLiteral("ie"),     QStringLiteral("oi")};
    for (const QString& u : soundsOnly)
        ExpectRecording(QStringLiteral("ABC\\Lautiert\\") + u + QStringLiteral("_.wav"));
    // A letter sound is not the letter's name.
    EXPECT_NE(ReadWav(QStringLiteral("ABC\\w\\m_.wav"))->seconds,
              ReadWav(QStringLiteral("ABC\\Lautiert\\m_.wav"))->seconds);
}

TEST_F(ContentCheck, FeedbackSoundsAreShort)
{
    QStringList names = {QStringLiteral("gewonnen"), QStringLiteral("verloren"), QStringLiteral("holz"),
                         QStringLiteral("zeilenende"), QStringLiteral("grossschreiben"),
                         QStringLiteral("kleinschreiben")};
    for (const QChar c : QStringLiteral("'%!()?=\",.:;+- "))
        names << QStringLiteral("#%1").arg(c.unicode());
    for (const QString& n : names)
        ExpectRecording(QStringLiteral("fun\\") + n + QStringLiteral(".wav"), 1.0);
    for (const QString folder : {QStringLiteral("fun\\positiv"), QStringLiteral("fun\\negativ")}) {
        const QStringList files = FilesIn(folder, QStringLiteral("*.wav"));
        EXPECT_GE(files.size(), 3) << folder.toStdString();
        for (const QString& f : files)
            ExpectRecording(folder + u'\\' + f, 1.0);
    }
    const auto empty = ReadWav(QStringLiteral("intern\\leersound.wav"));
    ASSERT_TRUE(empty.has_value());
    EXPECT_GT(empty->seconds, 0.1);
}

// Praise and hint tables: three recordings and three texts a row.
TEST_F(ContentCheck, PraiseAndHintTablesWithTheirVoices)
{
    for (const auto& [file, minRows, maxRows] :
         {std::tuple{QStringLiteral("intern\\motiv.txt"), 8, 100},
          std::tuple{QStringLiteral("intern\\hinweis.txt"), 6, 6}}) {
        std::unique_ptr<tmoiel> table;
        ASSERT_TRUE(Load(table, file, false));
        EXPECT_GE(table->Count(), minRows) << file.toStdString();
        EXPECT_LE(table->Count(), maxRows) << file.toStdString();
        for (int i = 0; i < table->Count(); ++i) {
            const WordEntry& e = *table->Entry(i);
            for (int voice = 0; voice < 3; ++voice) {
                ExpectRecording(e.Field(voice));
                EXPECT_FALSE(e.Field(3 + voice).isEmpty());
            }
            // The three voices differ.
            EXPECT_NE(QFile(NativePath(ResolvePath(e.Field(0)))).size(),
                      QFile(NativePath(ResolvePath(e.Field(1)))).size());
        }
    }
}

TEST_F(ContentCheck, ProgramTables)
{
    const QStringList groups = {QStringLiteral("ch"), QStringLiteral("ck"), QStringLiteral("pf"),
                                QStringLiteral("ph"), QStringLiteral("qu"), QStringLiteral("sch"),
                                QStringLiteral("sp"), QStringLiteral("st"), QStringLiteral("tz"),
                                QStringLiteral("ai"), QStringLiteral("au"), QStringLiteral("äu"),
                                QStringLiteral("ei"), QStringLiteral("eu"), QStringLiteral("ie"),
                                QStringLiteral("oi")};
    const QStringList chosen = Lines(QStringLiteral("intern\\lautauswahl.txt"));
    EXPECT_FALSE(chosen.isEmpty());
    for (const QString& g : chosen)
        EXPECT_TRUE(groups.contains(g)) << g.toStdString();

    const QStringList colors = Lines(QStringLiteral("intern\\colors.txt"));
    ASSERT_EQ(colors.size(), 16);
    for (const QString& c : colors)
        EXPECT_TRUE(ColorFromText(c).has_value()) << c.toStdString();

    const QString standard = ResolvePath(QStringLiteral("intern\\standard.ini"));
    EXPECT_TRUE(Ini::SectionNames(standard).contains(QStringLiteral("Hören und Schreiben ")));
    EXPECT_EQ(Ini::ReadInt(standard, QStringLiteral("Lautierübung"), QStringLiteral("Stimme"), 0), 3);

    const QString info = ResolvePath(QStringLiteral("intern\\lirabo.txt"));
    for (int i = 1; i <= 7; ++i)
        EXPECT_FALSE(Ini::ReadString(info, QStringLiteral("Info"), QString::number(i), QString()).isEmpty());

    const QString profile = ResolvePath(QStringLiteral("protokoll\\jeder.ini"));
    EXPECT_TRUE(FileExists(profile));
    EXPECT_TRUE(FileExists(ResolvePath(
        QStringLiteral("listen\\") +
        Ini::ReadString(profile, QStringLiteral("Sound-Memory"), QStringLiteral("Dateiname"), QString()))));
    EXPECT_TRUE(Lines(QStringLiteral("protokoll\\namen.txt")).value(0).startsWith(QStringLiteral("Name=")));
}

// Every picture of the user interface that the program names, as a vector
// picture that draws something.
TEST_F(ContentCheck, SymbolsOfTheUserInterface)
{
    const QStringList symbols = {
        QStringLiteral("links.wmf"),    QStringLiteral("rechts.wmf"),    QStringLiteral("ende.wmf"),
        QStringLiteral("endep.wmf"),    QStringLiteral("Ende.wmf"),      QStringLiteral("start.emf"),
        QStringLiteral("startdown.emf"), QStringLiteral("stop.wmf"),     QStringLiteral("ABC.wmf"),
        QStringLiteral("A.wmf"),        QStringLiteral("rettung.emf"),   QStringLiteral("rettung1.emf"),
        QStringLiteral("rettung2.emf"), QStringLiteral("b104.wmf"),      QStringLiteral("b105.wmf"),
        QStringLiteral("b106.wmf"),     QStringLiteral("b107.wmf"),      QStringLiteral("b108.wmf"),
        QStringLiteral("b109.wmf"),     QStringLiteral("KV3.wmf"),       QStringLiteral("KV3_1.wmf"),
        QStringLiteral("urkunde.wmf"),  QStringLiteral("stapel2.wmf"),   QStringLiteral("stapel4.wmf"),
        QStringLiteral("memory\\rueck2.wmf"), QStringLiteral("memory\\rueck4.wmf")};
    for (const QString& name : symbols) {
        SCOPED_TRACE(name.toStdString());
        Picture picture;
        ASSERT_TRUE(picture.Load(QStringLiteral("fun\\") + name));
        ASSERT_EQ(picture.Kind(), PictureKind::Metafile);
        EXPECT_EQ(picture.Vector()->Format(),
                  name.endsWith(QStringLiteral(".emf")) ? MetafileFormat::Emf : MetafileFormat::Wmf);
        QImage image(120, 120, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            picture.Draw(painter, QRectF(0, 0, 120, 120));
        }
        int drawn = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                drawn += qAlpha(image.pixel(x, y)) > 0;
        EXPECT_GT(drawn, 120 * 120 / 5);
    }
    // The card back chooser offers the folder's pictures.
    EXPECT_GE(FilesIn(QStringLiteral("fun\\memory"), QStringLiteral("*.wmf")).size(), 2);
}

TEST_F(ContentCheck, SchoolFontIsInstalledUnderItsName)
{
    const QStringList fonts = FilesIn(QStringLiteral("TTF"), QStringLiteral("*.ttf"));
    ASSERT_FALSE(fonts.isEmpty());
    const int id = QFontDatabase::addApplicationFont(NativePath(ResolvePath(QStringLiteral("TTF\\") + fonts[0])));
    ASSERT_GE(id, 0);
    EXPECT_TRUE(QFontDatabase::applicationFontFamilies(id).contains(QStringLiteral("KV_Druckschrift")));
    QFontDatabase::removeApplicationFont(id);
}

TEST_F(ContentCheck, HelpPagesOfEveryExercise)
{
    for (const QString& page :
         {QStringLiteral("Html\\LRB Programm 1.html"), QStringLiteral("Html\\LRB Programm 2.html"),
          QStringLiteral("Html\\LRB Programm 3.html"), QStringLiteral("Html\\LRB Programm 4.html"),
          QStringLiteral("Html\\LRB Programm 5 und 6.html"), QStringLiteral("Html\\Lehrkraefte.html"),
          QStringLiteral("html\\index.htm")}) {
        QFile f(NativePath(ResolvePath(page)));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << page.toStdString();
        EXPECT_TRUE(f.readAll().contains("<title>")) << page.toStdString();
    }
}

TEST_F(ContentCheck, EveryLinkOfTheHelpPagesFindsItsFile)
{
    const QRegularExpression link(QStringLiteral("(?:href|src)=\"([^\"]+)\""));
    const QStringList pages = FilesIn(QStringLiteral("Html"), QStringLiteral("*.htm*"));
    ASSERT_FALSE(pages.isEmpty());
    for (const QString& name : pages) {
        const QString file = NativePath(ResolvePath(QStringLiteral("Html\\") + name));
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QUrl base = QUrl::fromLocalFile(file);
        for (auto it = link.globalMatch(QString::fromUtf8(f.readAll())); it.hasNext();) {
            const QUrl url = base.resolved(QUrl(it.next().captured(1)));
            if (url.scheme() != u"file")
                continue;   // web addresses leave the program
            EXPECT_TRUE(QFileInfo(NativePath(url.toLocalFile())).isFile())
                << name.toStdString() << ": " << url.toString().toStdString();
        }
    }
}

TEST_F(ContentCheck, ManualHasContentsAndAChapterPerHelpPage)
{
    QFile f(NativePath(ResolvePath(QStringLiteral("Anleitung-lrb.pdf"))));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray pdf = f.readAll();
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    // Title page, contents, and at least one page per help page.
    const QRegularExpression pageObject(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
    const int pages = int(QString::fromLatin1(pdf).count(pageObject));
    const int helpPages = int(FilesIn(QStringLiteral("Html"), QStringLiteral("*.htm*")).size());
    EXPECT_GE(helpPages, 6);
    EXPECT_GE(pages, 2 + helpPages);
    // The table of contents is also the document's description: one entry
    // per help page with the page its chapter starts on, in page order.
    const QString xmp = QString::fromUtf8(pdf);
    const QRegularExpressionMatch contents =
        QRegularExpression(QStringLiteral("<dc:description>.*?Inhalt: (.*?)</rdf:li>")).match(xmp);
    ASSERT_TRUE(contents.hasMatch()) << "no table of contents";
    const QStringList entries = contents.captured(1).split(QStringLiteral("; "));
    ASSERT_EQ(entries.size(), helpPages);
    EXPECT_TRUE(entries[0].startsWith(QStringLiteral("1. \u00dcbersicht, Seite 3")));
    int last = 0;
    for (const QString& e : entries) {
        const int page = e.section(QStringLiteral("Seite "), -1).toInt();
        EXPECT_GT(page, last) << e.toStdString();
        EXPECT_LE(page, pages) << e.toStdString();
        last = page;
    }
}

} // namespace
