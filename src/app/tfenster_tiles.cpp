// The tiles of the main menu: drawn buttons with a picture, a 2-pixel frame
// in dark cyan and cyan (swapped while pressed) and, on the tile with the
// keyboard focus, a 1-pixel magenta frame 5 pixels inside its edge. The info
// tile shows the last-exercise mark as its background colour and is drawn
// with colour 0 of the colour table turned purple.
#include "app/tfenster.h"

#include "controls/face_layout.h"
#include "controls/tdrbutton.h"
#include "controls/tproginfo.h"

#include <QPainter>

namespace {

const QColor kDarkCyan(0, 0x80, 0x80);
const QColor kCyan(0, 0xFF, 0xFF);
const QColor kMagenta(0xFF, 0, 0xFF);
constexpr quint32 kPurple = 0xC000C0;   // red 0xC0, green 0, blue 0xC0
constexpr char kDrawnProperty[] = "menuTileDrawn";

// Colour 0 of the table as purple while the info tile is drawn.
class PurpleFirstColour {
public:
    PurpleFirstColour() : saved_(ProgInfo().colors[0]) { ProgInfo().colors[0] = kPurple; }
    ~PurpleFirstColour() { ProgInfo().colors[0] = saved_; }
    PurpleFirstColour(const PurpleFirstColour&) = delete;
    PurpleFirstColour& operator=(const PurpleFirstColour&) = delete;

private:
    quint32 saved_;
};

} // namespace

tdrbutton* TFenster::CreateTile(int number, const QString& name, const QString& style, const QString& picture)
{
    const int row = number - MenuRows()[0].tile;
    auto* tile = new tdrbutton(
        this, number, [this, row](const QVariant&) { StartExercise(row); }, QVariant(row), nullptr);
    tile->setObjectName(name);
    tile->SetStyle(style);
    tile->SetContent(picture);
    tile->SetDrawHandler([this](tdrbutton& b, QPainter& p) { DrawTile(b, p); });
    connect(tile, &QAbstractButton::clicked, this, [this, number] { TileClicked(number); });
    return tile;
}

void TFenster::TileClicked(int number)
{
    if (number == kInfoTile)
        ShowInfo();
    else if (number == kExitTile)
        close();
    else if (tdrbutton* tile = Tile(number))
        tile->RunCallback();
}

void TFenster::DrawTile(tdrbutton& tile, QPainter& painter)
{
    const bool pressed = tile.isDown();
    const QRect outer = tile.rect();
    const QRect face = outer.adjusted(2, 2, -2, -2);
    if (&tile == info_) {
        tile.SetStyle(InfoStyle());
        tile.SetContent(pressed ? kInfoTilePressedPicture : kInfoTilePicture);
        const PurpleFirstColour purple;
        tile.Draw(painter, face);
    } else {
        if (&tile == exit_)
            tile.SetContent(pressed ? kExitTilePressedPicture : kExitTilePicture);
        tile.Draw(painter, face);
    }
    Draw3DFrame(painter, outer, false, 1, pressed ? kDarkCyan : kCyan, pressed ? kCyan : kDarkCyan);
    if (tile.hasFocus()) {
        painter.setPen(kMagenta);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(outer.adjusted(5, 5, -6, -6));
    }
    NoteTileDrawn(tile);
}

void TFenster::NoteTileDrawn(tdrbutton& tile)
{
    if (tile.property(kDrawnProperty).toBool() || !tile.HasCachedFace())
        return;
    tile.setProperty(kDrawnProperty, true);
    if (++drawnTiles_ == kTileCount)
        Q_EMIT MenuDrawn();
}

void TFenster::SetLastMark(char mark)
{
    if (mark == 0 || mark == lastMark_)
        return;
    lastMark_ = mark;
    info_->SetStyle(InfoStyle());
    info_->update();
}
