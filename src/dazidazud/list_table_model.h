#pragma once
// The list the editor works on, as a table: one row per entry, the columns
// below, the two header lines beside it. Every change goes through the undo
// stack; the list counts as changed until it is saved (the stack's clean
// state). Typing a word fills the row's picture, speech and noise from the
// content folders (entry_lookup.h). No widgets: the window shows it, tests
// drive it directly.
#include "data/word_list.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QImage>
#include <QStringList>
#include <QUndoStack>

#include <array>
#include <memory>

using RowFieldsArray = std::array<QString, WordEntry::kFieldCount>;

class ListTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        ColWord,        // field 0, the word as written
        ColPicture,     // field 2, with a thumbnail
        ColSpeech,      // field 3
        ColPlaySpeech,  // play button of the speech
        ColNoise,       // field 4
        ColPlayNoise,   // play button of the noise
        ColStyle,       // field 1
        ColGerman,      // field 5
        ColCheck,       // result of the list check
        ColumnCount
    };
    // The row field a column shows, or -1 for the play and check columns.
    static int FieldOfColumn(int column);
    static int ColumnOfField(int field);
    static constexpr QSize kThumbnailSize{56, 42};

    explicit ListTableModel(QObject* parent = nullptr);
    ~ListTableModel() override;

    // The document.
    void NewList();
    // Opens a list file; a refused file leaves the list as it was and gives
    // the German reason in error. notes receives what was completed on reading.
    bool Open(const QString& path, QString* error, QString* notes = nullptr);
    bool Save(QString* error);                            // to FilePath()
    bool SaveAs(const QString& path, QString* error);     // and remembers path
    QString FilePath() const { return filePath_; }
    bool IsModified() const;
    // Whether the file was changed by someone else since this model read or
    // wrote it (another window, another workstation); summary then says what
    // (ListChangeSummary), or that the file is gone.
    bool ChangedOnDisk(QString* summary) const;
    // The rows that hold nothing but their style (0-based).
    QList<int> EmptyRows() const;
    const tmoiel& List() const { return *list_; }
    QUndoStack* UndoStack() { return &undo_; }

    QString Header(int which) const;   // 1 or 2
    void SetHeader(int which, const QString& text);

    int Rows() const { return list_->Count(); }
    QString Field(int row, int field) const;
    RowFieldsArray RowFields(int row) const;
    // Sets a field (undoable). A new German word also sets the word as written
    // when that followed it, and fills the files found for it. False (and the
    // signal Refused) when the text cannot stand in a list.
    bool SetField(int row, int field, const QString& text);
    // Sets a file field as the import and speech tools do (one undo step each).
    bool SetFileField(int row, int field, const QString& path, const QString& undoText);
    int InsertRow(int at);          // an empty row with the standard style; its index
    void RemoveRows(int first, int count);
    bool MoveRow(int from, int to);

    // Whether the files a row names are present (missing ones are marked).
    bool FieldFilePresent(int row, int field) const;
    // The whole-list check: every row's problems, shown in the check column.
    int CheckAll();   // number of rows with problems
    QStringList Problems(int row) const;

    // QAbstractTableModel
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

Q_SIGNALS:
    void HeaderChanged(int which);
    void Refused(const QString& message);
    void ModifiedChanged(bool modified);

private:
    friend class ListEdit;
    // Raw changes, made only by the undo commands.
    void PutField(int row, int field, const QString& text);
    void PutHeader(int which, const QString& text);
    void PutRow(int at, const RowFieldsArray& fields);
    RowFieldsArray TakeRow(int at);
    void PutMove(int from, int to);

    void ReplaceList(std::unique_ptr<tmoiel> list, const QString& path);
    void ChangeWord(int row, const QString& text);
    QImage Thumbnail(const QString& field) const;
    void RecheckRow(int row);

    void RememberDiskBytes();

    std::unique_ptr<tmoiel> list_;
    QString filePath_;
    QByteArray diskBytes_;   // the file as this model last read or wrote it
    QUndoStack undo_;
    QHash<const WordEntry*, QStringList> problems_;   // per entry after a check
    bool checked_ = false;
    mutable QHash<QString, QImage> thumbnails_;
};
