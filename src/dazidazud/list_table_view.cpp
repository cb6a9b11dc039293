#include "dazidazud/list_table_view.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QMimeData>

namespace {

QString DroppedFile(const QMimeData* mime)
{
    if (!mime || !mime->hasUrls() || mime->urls().isEmpty() || !mime->urls().front().isLocalFile())
        return QString();
    return mime->urls().front().toLocalFile();
}

} // namespace

ListTableView::ListTableView(QWidget* parent) : QTableView(parent)
{
    setObjectName(QStringLiteral("Liste"));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setAcceptDrops(true);
    setDropIndicatorShown(false);
    verticalHeader()->setDefaultSectionSize(48);
    setIconSize(QSize(56, 42));
    setWordWrap(false);
}

void ListTableView::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void ListTableView::dragMoveEvent(QDragMoveEvent* event)
{
    if (!DroppedFile(event->mimeData()).isEmpty() && indexAt(event->position().toPoint()).isValid())
        event->acceptProposedAction();
    else
        event->ignore();
}

void ListTableView::dropEvent(QDropEvent* event)
{
    const QString file = DroppedFile(event->mimeData());
    const QModelIndex index = indexAt(event->position().toPoint());
    if (file.isEmpty() || !index.isValid())
        return;
    event->acceptProposedAction();
    Q_EMIT PictureDropped(index.row(), file);
}
