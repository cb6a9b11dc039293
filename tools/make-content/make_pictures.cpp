// Step "Bilder": one PNG per word picture, drawn from its emoji.
#include "emoji_pictures.h"
#include "file_set.h"
#include "steps.h"
#include "word_table.h"

void MakePictures(const ContentPaths& paths)
{
    const WordTable table = WordTable::Load(paths.In(QStringLiteral("woerter.txt")));
    FileSet files(paths);
    for (const Word& w : table.Words())
        if (!w.emoji.isEmpty())
            files.Add(w.PicturePath(), PngBytes(RenderEmoji(w.emoji)));
    files.WriteAll();
}
