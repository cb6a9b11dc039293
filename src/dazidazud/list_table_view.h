#pragma once
// The list table of the editor: rows selected whole, a picture file dropped
// onto a row is reported for import.
#include <QTableView>

class ListTableView : public QTableView {
    Q_OBJECT
public:
    explicit ListTableView(QWidget* parent = nullptr);

Q_SIGNALS:
    void PictureDropped(int row, const QString& file);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};
