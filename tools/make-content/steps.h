#pragma once
// The steps of the content generator, one per group of program folders. Each
// reads its sources below paths.source and writes below paths.program.
#include "content_files.h"

void MakeLists(const ContentPaths& paths);      // "listen"
void MakePictures(const ContentPaths& paths);   // "Bilder"
void MakeSounds(const ContentPaths& paths);     // recordings and feedback sounds
void MakeTables(const ContentPaths& paths);     // "intern"
void MakeFont(const ContentPaths& paths);       // "TTF"
void MakeHelp(const ContentPaths& paths);       // "Html" and the licence notes
void MakeProfiles(const ContentPaths& paths);   // "protokoll" (only what is missing)
void MakeSymbols(const ContentPaths& paths);    // "fun" pictures (WMF, EMF)
void MakeManual(const ContentPaths& paths);     // "Anleitung-lrb.pdf" from the help pages

// Not a build step: words the synthesiser may read wrongly (throws when any).
void CheckPronunciation(const ContentPaths& paths);
