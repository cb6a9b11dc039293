// Step "Bilder": one PNG per word picture, drawn from its emoji or, marked
// "=Name", one of our own drawings.
#include "emoji_pictures.h"
#include "file_set.h"
#include "own_drawings.h"
#include "steps.h"
#include "word_table.h"

void MakePictures(const ContentPaths& paths)
{
    const WordTable table = WordTable::Load(paths.In(QStringLiteral("woerter.txt")));
    FileSet files(paths);
    for (const Word& w : table.Words())
        if (w.emoji.startsWith(kOwnDrawingMark))
            files.Add(w.PicturePath(), PngBytes(DrawOwnPicture(w.emoji.mid(1))));
        else if (!w.emoji.isEmpty())
            files.Add(w.PicturePath(), PngBytes(RenderEmoji(w.emoji)));
    files.WriteAll();
}
