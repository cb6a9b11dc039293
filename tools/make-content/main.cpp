// make-content: writes the sample content of the program folder.
//   make-content <step> <content source folder> <program folder>
// Steps: lists, pictures, sounds, tables, font, help, profiles, symbols, manual;
// "aussprache" checks the made recordings (not part of the build).
#include "platform/desktop_session.h"
#include "speech/speech.h"
#include "steps.h"

#include <QGuiApplication>

#include <cstdio>
#include <functional>
#include <map>
#include <string>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    EnsureRuntimeFolder();
    QGuiApplication app(argc, argv);
    const std::map<std::string, std::function<void(const ContentPaths&)>> steps = {
        {"lists", MakeLists},   {"pictures", MakePictures}, {"sounds", MakeSounds},
        {"tables", MakeTables}, {"font", MakeFont},         {"help", MakeHelp},
        {"profiles", MakeProfiles}, {"symbols", MakeSymbols}, {"manual", MakeManual},
        {"aussprache", CheckPronunciation},
    };
    if (argc != 4 || !steps.count(argv[1])) {
        std::fprintf(stderr, "usage: make-content <step> <content folder> <program folder>\n");
        return 2;
    }
    try {
        steps.at(argv[1])(ContentPaths{QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3])});
    } catch (const ContentError& e) {
        std::fprintf(stderr, "make-content %s: %s\n", argv[1], qPrintable(e.message));
        return 1;
    } catch (const SpeechError& e) {
        std::fprintf(stderr, "make-content %s: %s\n", argv[1], qPrintable(e.message));
        return 1;
    }
    return 0;
}
