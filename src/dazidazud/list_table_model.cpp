#include "dazidazud/list_table_model.h"

#include "controls/picture.h"
#include "dazidazud/entry_lookup.h"
#include "dazidazud/list_changes.h"
#include "dazidazud/list_check.h"
#include "dazidazud/list_edits.h"
#include "dazidazud/list_file.h"
#include "platform/file_paths.h"

#include <QBrush>
#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QPainter>

namespace {

constexpr std::array<int, ListTableModel::ColumnCount> kFieldOfColumn = {
    FieldWritten, FieldPicture, FieldSpeech, -1, FieldNoise, -1, FieldStyle, FieldWord, -1};

const QColor kMissingColour(255, 205, 205);
const QColor kProblemColour(255, 235, 170);

QString FileNameOnly(const QString& path)
{
    const qsizetype cut = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    return path.mid(cut + 1);
}

} // namespace

int ListTableModel::FieldOfColumn(int column)
{
    return column >= 0 && column < ColumnCount ? kFieldOfColumn[size_t(column)] : -1;
}

int ListTableModel::ColumnOfField(int field)
{
    for (int c = 0; c < ColumnCount; ++c)
        if (kFieldOfColumn[size_t(c)] == field)
            return c;
    return -1;
}

ListTableModel::ListTableModel(QObject* parent) : QAbstractTableModel(parent), list_(std::make_unique<tmoiel>(QString()))
{
    connect(&undo_, &QUndoStack::cleanChanged, this, [this](bool clean) { Q_EMIT ModifiedChanged(!clean); });
    NewList();
}

ListTableModel::~ListTableModel() = default;

void ListTableModel::ReplaceList(std::unique_ptr<tmoiel> list, const QString& path)
{
    beginResetModel();
    undo_.clear();
    list_ = std::move(list);
    filePath_ = path;
    problems_.clear();
    checked_ = false;
    thumbnails_.clear();
    endResetModel();
    Q_EMIT HeaderChanged(1);
    Q_EMIT HeaderChanged(2);
    Q_EMIT ModifiedChanged(false);
}

void ListTableModel::NewList()
{
    auto list = std::make_unique<tmoiel>(QStringLiteral("Neue Liste"));
    list->header2 = QString();
    ReplaceList(std::move(list), QString());
}

bool ListTableModel::Open(const QString& path, QString* error, QString* notes)
{
    ListFileReading reading = ReadListFile(path);
    if (!reading.list) {
        if (error)
            *error = reading.error;
        return false;
    }
    if (notes) {
        QStringList n;
        if (reading.paddedRows > 0)
            n << QStringLiteral("%1 Zeile(n) hatten weniger als sechs Felder und wurden mit leeren Feldern ergänzt.")
                     .arg(reading.paddedRows);
        if (reading.cutRows > 0)
            n << QStringLiteral("%1 Zeile(n) hatten mehr als sechs Felder; beim Speichern bleiben nur die ersten sechs.")
                     .arg(reading.cutRows);
        *notes = n.join(u'\n');
    }
    const QString file = reading.list->fileName;
    ReplaceList(std::move(reading.list), file);
    RememberDiskBytes();
    return true;
}

bool ListTableModel::Save(QString* error)
{
    if (filePath_.isEmpty()) {
        if (error)
            *error = QStringLiteral("Die Liste hat noch keinen Dateinamen.");
        return false;
    }
    if (!WriteListFile(*list_, filePath_, error))
        return false;
    list_->fileName = filePath_;
    undo_.setClean();
    RememberDiskBytes();
    return true;
}

bool ListTableModel::SaveAs(const QString& path, QString* error)
{
    if (!WriteListFile(*list_, path, error))
        return false;
    filePath_ = path;
    list_->fileName = path;
    undo_.setClean();
    RememberDiskBytes();
    return true;
}

namespace {

QByteArray FileBytes(const QString& path)
{
    QFile f(NativePath(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

void ListTableModel::RememberDiskBytes()
{
    diskBytes_ = FileBytes(filePath_);
}

bool ListTableModel::ChangedOnDisk(QString* summary) const
{
    if (filePath_.isEmpty())
        return false;
    if (!QFileInfo::exists(NativePath(filePath_))) {
        if (summary)
            *summary = QStringLiteral("Die Datei gibt es nicht mehr.");
        return true;
    }
    const QByteArray now = FileBytes(filePath_);
    if (now == diskBytes_)
        return false;
    if (summary) {
        const ListFileReading before = ParseListBytes(diskBytes_, QString());
        const ListFileReading after = ParseListBytes(now, QString());
        *summary = before.list && after.list ? ListChangeSummary(*before.list, *after.list) : QString();
        if (summary->isEmpty())
            *summary = QStringLiteral("Die Datei wurde verändert.");
    }
    return true;
}

QList<int> ListTableModel::EmptyRows() const
{
    QList<int> rows;
    for (int row = 0; row < Rows(); ++row)
        if (IsEmptyRow(RowFields(row)))
            rows << row;
    return rows;
}

bool ListTableModel::IsModified() const
{
    return !undo_.isClean();
}

QString ListTableModel::Header(int which) const
{
    return which == 1 ? list_->title : list_->header2;
}

void ListTableModel::SetHeader(int which, const QString& text)
{
    if (Header(which) == text)
        return;
    const QString problem = FieldProblem(text);
    if (!problem.isEmpty()) {
        Q_EMIT Refused(problem);
        Q_EMIT HeaderChanged(which);   // the line shows the text as it was
        return;
    }
    undo_.push(new HeaderEdit(this, which, text));
}

QString ListTableModel::Field(int row, int field) const
{
    const WordEntry* e = list_->Entry(row);
    return e && field >= 0 && field < WordEntry::kFieldCount ? e->Field(field) : QString();
}

RowFieldsArray ListTableModel::RowFields(int row) const
{
    const WordEntry* e = list_->Entry(row);
    return e ? e->fields : RowFieldsArray{};
}

bool ListTableModel::SetField(int row, int field, const QString& text)
{
    if (!list_->Entry(row) || field < 0 || field >= WordEntry::kFieldCount)
        return false;
    if (Field(row, field) == text)
        return true;
    const QString problem = FieldProblem(text);
    if (!problem.isEmpty()) {
        Q_EMIT Refused(problem);
        return false;
    }
    // The German word carries the row (the word as written follows it while
    // it was the same); the word as written starts a row that has none.
    const bool drivesWord = field == FieldWord || (field == FieldWritten && Field(row, FieldWord).isEmpty());
    if (drivesWord)
        ChangeWord(row, text);
    else
        undo_.push(new FieldEdit(this, row, field, text));
    return true;
}

void ListTableModel::ChangeWord(int row, const QString& text)
{
    const QString oldWord = Field(row, FieldWord);
    const QString oldWritten = Field(row, FieldWritten);
    auto* step = new QUndoCommand(QStringLiteral("Wort \u201E%1\u201C").arg(text));
    new FieldEdit(this, row, FieldWord, text, step);
    if (oldWritten.isEmpty() || oldWritten == oldWord)
        new FieldEdit(this, row, FieldWritten, text, step);
    // A file field is filled when it is empty, names a missing file, or held
    // what the old word had found: it then belonged to the old word.
    const FoundFiles before = oldWord.isEmpty() ? FoundFiles{} : LookUpFiles(oldWord);
    const FoundFiles found = LookUpFiles(text);
    struct FileSlot {
        int field;
        QString before, now;
    };
    const FileSlot slots[] = {{FieldPicture, before.picture, found.picture},
                              {FieldSpeech, before.speech, found.speech},
                              {FieldNoise, before.noise, found.noise}};
    for (const FileSlot& s : slots) {
        const QString current = Field(row, s.field);
        const bool belongsToOld = !s.before.isEmpty() && current == s.before;
        const bool replaceable = current.isEmpty() || belongsToOld || !FieldFilePresent(row, s.field);
        if (replaceable && current != s.now && (!s.now.isEmpty() || belongsToOld))
            new FieldEdit(this, row, s.field, s.now, step);
    }
    undo_.push(step);
}

bool ListTableModel::SetFileField(int row, int field, const QString& path, const QString& undoText)
{
    if (!list_->Entry(row) || !FieldProblem(path).isEmpty())
        return false;
    auto* step = new FieldEdit(this, row, field, path);
    step->setText(undoText);
    undo_.push(step);
    return true;
}

int ListTableModel::InsertRow(int at)
{
    at = std::clamp(at, 0, Rows());
    RowFieldsArray fields{};
    fields[FieldStyle] = QLatin1String(kListPictureStyle);
    undo_.push(new RowInsert(this, at, fields));
    return at;
}

void ListTableModel::RemoveRows(int first, int count)
{
    first = std::max(0, first);
    count = std::min(count, Rows() - first);
    if (count <= 0)
        return;
    auto* step = new QUndoCommand(count == 1 ? QStringLiteral("Zeile löschen") : QStringLiteral("Zeilen löschen"));
    for (int i = count - 1; i >= 0; --i)
        new RowRemove(this, first + i, step);
    undo_.push(step);
}

bool ListTableModel::MoveRow(int from, int to)
{
    if (!list_->Valid(from) || !list_->Valid(to) || from == to)
        return false;
    undo_.push(new RowMove(this, from, to));
    return true;
}

void ListTableModel::PutField(int row, int field, const QString& text)
{
    WordEntry* e = list_->Entry(row);
    if (!e)
        return;
    e->Field(field) = text;
    if (field == FieldStyle)
        e->slots[FieldStyle] = e->slots[FieldPicture] = text;
    RecheckRow(row);
    Q_EMIT dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void ListTableModel::PutHeader(int which, const QString& text)
{
    (which == 1 ? list_->title : list_->header2) = text;
    Q_EMIT HeaderChanged(which);
}

void ListTableModel::PutRow(int at, const RowFieldsArray& fields)
{
    beginInsertRows(QModelIndex(), at, at);
    auto entry = std::make_shared<WordEntry>();
    entry->fields = fields;
    entry->slots[FieldStyle] = entry->slots[FieldPicture] = fields[FieldStyle];
    list_->Insert(at, std::move(entry));
    endInsertRows();
    RecheckRow(at);
}

RowFieldsArray ListTableModel::TakeRow(int at)
{
    const RowFieldsArray fields = RowFields(at);
    beginRemoveRows(QModelIndex(), at, at);
    problems_.remove(list_->Entry(at));
    list_->Remove(at);
    endRemoveRows();
    return fields;
}

void ListTableModel::PutMove(int from, int to)
{
    // Moving one place at a time keeps the other rows in their order.
    const int step = to > from ? 1 : -1;
    beginMoveRows(QModelIndex(), from, from, QModelIndex(), to > from ? to + 1 : to);
    for (int i = from; i != to; i += step)
        list_->Swap(i, i + step);
    endMoveRows();
}

bool ListTableModel::FieldFilePresent(int row, int field) const
{
    const QString f = Field(row, field);
    if (field == FieldPicture)
        return PictureFieldPresent(f);
    if (field == FieldSpeech || field == FieldNoise)
        return SoundFieldPresent(f);
    return true;
}

int ListTableModel::CheckAll()
{
    checked_ = true;
    problems_.clear();
    int bad = 0;
    for (int row = 0; row < Rows(); ++row) {
        const QStringList p = CheckRow(RowFields(row));
        problems_.insert(list_->Entry(row), p);
        bad += p.isEmpty() ? 0 : 1;
    }
    if (Rows() > 0)
        Q_EMIT dataChanged(index(0, 0), index(Rows() - 1, ColumnCount - 1));
    return bad;
}

void ListTableModel::RecheckRow(int row)
{
    if (checked_ && list_->Entry(row))
        problems_.insert(list_->Entry(row), CheckRow(RowFields(row)));
}

QStringList ListTableModel::Problems(int row) const
{
    return problems_.value(list_->Entry(row));
}

QImage ListTableModel::Thumbnail(const QString& field) const
{
    const QString path = PictureFieldPath(field);
    if (path.isEmpty() || !NamesPictureFile(field))
        return QImage();
    auto it = thumbnails_.find(path);
    if (it != thumbnails_.end())
        return *it;
    QImage image(kThumbnailSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    Picture picture;
    if (picture.Load(path)) {
        const QSizeF natural = picture.NaturalSize();
        QSizeF fitted = natural.scaled(QSizeF(kThumbnailSize), Qt::KeepAspectRatio);
        const QRectF target(QPointF((kThumbnailSize.width() - fitted.width()) / 2,
                                    (kThumbnailSize.height() - fitted.height()) / 2),
                            fitted);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        picture.Draw(painter, target, kNoMirror, true);
    }
    thumbnails_.insert(path, image);
    return image;
}

int ListTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Rows();
}

int ListTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ListTableModel::data(const QModelIndex& index, int role) const
{
    const int row = index.row();
    const int column = index.column();
    if (!index.isValid() || !list_->Valid(row))
        return {};
    const int field = FieldOfColumn(column);
    if (column == ColPlaySpeech || column == ColPlayNoise) {
        const int soundField = column == ColPlaySpeech ? FieldSpeech : FieldNoise;
        const bool playable = !Field(row, soundField).isEmpty() && FieldFilePresent(row, soundField);
        if (role == Qt::DisplayRole)
            return playable ? QStringLiteral("\u25B6") : QString();
        if (role == Qt::ToolTipRole)
            return playable ? QStringLiteral("anhören") : QVariant();
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
        return {};
    }
    if (column == ColCheck) {
        const QStringList p = Problems(row);
        if (role == Qt::DisplayRole)
            return !checked_ ? QString() : p.isEmpty() ? QStringLiteral("in Ordnung") : p.join(QStringLiteral("; "));
        if (role == Qt::ToolTipRole && !p.isEmpty())
            return p.join(u'\n');
        if (role == Qt::BackgroundRole && checked_ && !p.isEmpty())
            return QBrush(kProblemColour);
        return {};
    }
    const QString text = Field(row, field);
    const bool present = FieldFilePresent(row, field);
    switch (role) {
    case Qt::DisplayRole:
        if (field == FieldPicture && NamesPictureFile(text))
            return FileNameOnly(text);
        if (field == FieldSpeech || field == FieldNoise)
            return FileNameOnly(text);
        return text;
    case Qt::EditRole:
        return text;
    case Qt::DecorationRole:
        if (field == FieldPicture) {
            const QImage thumb = Thumbnail(text);
            if (!thumb.isNull())
                return thumb;
        }
        return {};
    case Qt::ToolTipRole:
        if (!present)
            return QStringLiteral("Datei fehlt: %1").arg(text);
        return text.isEmpty() ? QVariant() : QVariant(text);
    case Qt::BackgroundRole:
        return present ? QVariant() : QVariant(QBrush(kMissingColour));
    default:
        return {};
    }
}

bool ListTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    const int field = FieldOfColumn(index.column());
    if (role != Qt::EditRole || field < 0)
        return false;
    return SetField(index.row(), field, value.toString());
}

QVariant ListTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    static const std::array<QString, ColumnCount> titles = {
        QStringLiteral("Wort"),     QStringLiteral("Bild"), QStringLiteral("Sprache"),
        QString(),                  QStringLiteral("Geräusch"), QString(),
        QStringLiteral("Stil"),     QStringLiteral("Deutsches Wort"), QStringLiteral("Prüfung")};
    return section >= 0 && section < ColumnCount ? titles[size_t(section)] : QString();
}

Qt::ItemFlags ListTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (FieldOfColumn(index.column()) >= 0)
        f |= Qt::ItemIsEditable;
    return f;
}
