#include "dialogs/text_color_box.h"

#include "platform/color_text.h"

#include <QPainter>
#include <QPixmap>

namespace {

constexpr int kRowWidth = 96;
constexpr int kRowHeight = 16;

QIcon ColorRow(quint32 color)
{
    QPixmap row(kRowWidth, kRowHeight);
    row.fill(Qt::white);
    QPainter p(&row);
    p.setPen(Qt::black);
    p.setBrush(ToQColor(color));
    p.drawRect(1, 1, kRowWidth / 3 - 3, kRowHeight - 3);
    return QIcon(row);
}

} // namespace

TextColorBox::TextColorBox(QWidget* parent) : QComboBox(parent)
{
    setIconSize(QSize(kRowWidth, kRowHeight));
}

void TextColorBox::SetColors(const std::array<quint32, 16>& colors, quint32 current)
{
    const QSignalBlocker quiet(this);
    clear();
    int selected = -1;
    for (int i = 0; i < 16; ++i) {
        addItem(ColorRow(colors[i]), QString());
        setItemData(i, ColorToText(colors[i]), Qt::ToolTipRole);
        if (selected < 0 && colors[i] == current)
            selected = i;
    }
    setCurrentIndex(selected);
}
