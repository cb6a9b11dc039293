#include "platform/text_codec.h"
#include "support/temp_program.h"

#include <gtest/gtest.h>

TEST(TextCodec, RoundTripsEveryByte)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    EXPECT_EQ(EncodeCp1252(DecodeCp1252(all)), all);
    EXPECT_EQ(DecodeCp1252("\xE4\xF6\xFC\xDF\x80"), QString::fromUtf8("äöüß€"));
    EXPECT_EQ(EncodeCp1252(QString::fromUtf8("Straße €✓")), QByteArray("Stra\xDF" "e \x80?"));
}

TEST(TextCodec, SplitsEveryLineEnd)
{
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n\r\n"), (QStringList{"a", ""}));
    EXPECT_EQ(SplitLines(""), QStringList{});
}

TEST(TextCodec, ReadsAndWritesFiles)
{
    TempProgram prog;
    ReadStatus st;
    EXPECT_TRUE(ReadTextLines(prog.Path("missing.txt"), &st).isEmpty());
    EXPECT_EQ(st, ReadStatus::Missing);
    QDir().mkpath(prog.Path("afolder"));
    ReadTextLines(prog.Path("afolder"), &st);
    EXPECT_EQ(st, ReadStatus::Unreadable);
    ASSERT_TRUE(WriteTextLines(prog.Path("sub\\x.txt"), {QString::fromUtf8("Bär"), "b"}, true));
    EXPECT_EQ(prog.Read("sub/x.txt"), QByteArray("B\xE4r\r\nb\r\n"));
    EXPECT_EQ(ReadTextLines(prog.Path("SUB\\X.TXT"), &st), (QStringList{QString::fromUtf8("Bär"), "b"}));
    EXPECT_EQ(st, ReadStatus::Ok);
}
