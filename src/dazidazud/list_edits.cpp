#include "dazidazud/list_edits.h"

FieldEdit::FieldEdit(ListTableModel* model, int row, int field, const QString& text, QUndoCommand* parent)
    : ListEdit(model, QStringLiteral("Feld ändern"), parent), row_(row), field_(field),
      old_(model->Field(row, field)), new_(text)
{
}

HeaderEdit::HeaderEdit(ListTableModel* model, int which, const QString& text)
    : ListEdit(model, which == 1 ? QStringLiteral("Titel ändern") : QStringLiteral("zweite Kopfzeile ändern")),
      which_(which), old_(model->Header(which)), new_(text)
{
}

bool HeaderEdit::mergeWith(const QUndoCommand* other)
{
    const auto* o = static_cast<const HeaderEdit*>(other);
    if (o->which_ != which_)
        return false;
    new_ = o->new_;
    return true;
}
