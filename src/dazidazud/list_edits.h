#pragma once
// The undo steps of the list editor. Each step keeps what it needs to undo
// itself and changes the model only through its raw operations.
#include "dazidazud/list_table_model.h"

#include <QUndoCommand>

class ListEdit : public QUndoCommand {
public:
    ListEdit(ListTableModel* model, const QString& text, QUndoCommand* parent = nullptr)
        : QUndoCommand(text, parent), model_(model)
    {
    }

protected:
    void PutField(int row, int field, const QString& text) { model_->PutField(row, field, text); }
    void PutHeader(int which, const QString& text) { model_->PutHeader(which, text); }
    void PutRow(int at, const RowFieldsArray& fields) { model_->PutRow(at, fields); }
    RowFieldsArray TakeRow(int at) { return model_->TakeRow(at); }
    void PutMove(int from, int to) { model_->PutMove(from, to); }
    ListTableModel* Model() const { return model_; }

private:
    ListTableModel* model_;
};

class FieldEdit : public ListEdit {
public:
    FieldEdit(ListTableModel* model, int row, int field, const QString& text, QUndoCommand* parent = nullptr);
    void redo() override { PutField(row_, field_, new_); }
    void undo() override { PutField(row_, field_, old_); }

private:
    int row_, field_;
    QString old_, new_;
};

class HeaderEdit : public ListEdit {
public:
    HeaderEdit(ListTableModel* model, int which, const QString& text);
    void redo() override { PutHeader(which_, new_); }
    void undo() override { PutHeader(which_, old_); }
    int id() const override { return 1; }
    // Typing into a header line is one step, not one per letter.
    bool mergeWith(const QUndoCommand* other) override;

private:
    int which_;
    QString old_, new_;
};

class RowInsert : public ListEdit {
public:
    RowInsert(ListTableModel* model, int at, const RowFieldsArray& fields)
        : ListEdit(model, QStringLiteral("Zeile einfügen")), at_(at), fields_(fields)
    {
    }
    void redo() override { PutRow(at_, fields_); }
    void undo() override { TakeRow(at_); }

private:
    int at_;
    RowFieldsArray fields_;
};

class RowRemove : public ListEdit {
public:
    RowRemove(ListTableModel* model, int at, QUndoCommand* parent)
        : ListEdit(model, QStringLiteral("Zeile löschen"), parent), at_(at)
    {
    }
    void redo() override { fields_ = TakeRow(at_); }
    void undo() override { PutRow(at_, fields_); }

private:
    int at_;
    RowFieldsArray fields_;
};

class RowMove : public ListEdit {
public:
    RowMove(ListTableModel* model, int from, int to)
        : ListEdit(model, QStringLiteral("Zeile verschieben")), from_(from), to_(to)
    {
    }
    void redo() override { PutMove(from_, to_); }
    void undo() override { PutMove(to_, from_); }

private:
    int from_, to_;
};
