#pragma once
// TFenster: the program's main window. A menu of picture tiles, one row per
// exercise with its variant choices, "Optionen" and "Datei"; on the right the
// greeting, the info tile with the last-exercise mark, "Editor",
// "Anleitung", the pupil box, "Hilfe", "Protokoll", "Zeugnis" and the exit
// tile. Closing it ends the program.
//
// tfenster.cpp builds, lays out and scales the window; tfenster_tiles.cpp
// draws the tiles; tfenster_actions.cpp holds what the controls do. The rows
// come from app/menu_rows.h, the rectangles from app/menu_layout.h.
#include "app/exercise_start.h"
#include "app/menu_layout.h"

#include <QWidget>
#include <array>
#include <memory>

class PupilBox;
class QAbstractButton;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class Tinfodialog;
class tdrbutton;

class TFenster : public QWidget {
    Q_OBJECT
public:
    explicit TFenster(QWidget* parent = nullptr);
    ~TFenster() override;

    // Sized for the screen of the mouse pointer and centred on it.
    void CenterOnMouseMonitor();
    // What showing the window does first (registry, options, caption); once.
    void Begin();
    // Every tile has been drawn with its picture.
    bool FullyDrawn() const { return drawnTiles_ == kTileCount; }

    // ---- Controls --------------------------------------------------------
    PupilBox* Box() const { return box_; }
    // Tiles by number: 100..105, kInfoTile, kExitTile.
    tdrbutton* Tile(int number) const;
    // The choice control of a row (radio button or label) and row 2's box.
    QWidget* Choice(int row, int index) const { return choices_[size_t(row)][size_t(index)]; }
    QCheckBox* PuzzleBox() const { return puzzle_; }
    QPushButton* OptionsButton(int row) const { return options_[size_t(row)]; }
    QPushButton* FileButton(int row) const { return files_[size_t(row)]; }
    QPushButton* B_editor = nullptr;
    QPushButton* B_anleitung = nullptr;
    QPushButton* B_hilfe = nullptr;
    QPushButton* B_protokoll = nullptr;
    QPushButton* B_zeugnis = nullptr;
    QLabel* L_willkommen = nullptr;

    // ---- State -------------------------------------------------------------
    // The exercise and start options of a row as its choices stand now.
    ExerciseKind RowExercise(int row) const;
    ExerciseStartOptions RowOptions(int row) const;
    char LastExerciseMark() const { return lastMark_; }
    QString InfoStyle() const { return InfoTileStyle(lastMark_); }
    const MenuLayout& Layout() const { return layout_; }

    // ---- Actions -----------------------------------------------------------
    // The tile of a row: pupil's profile, results prepared, the exercise run
    // modally, the mark set; after row 2 in "Aufdeckmodus" the certificate of
    // the result summary.
    void StartExercise(int row);
    // "Optionen": the settings dialog of the row's exercise and variant.
    void OpenOptions(int row);
    // "Datei": the list chooser; a chosen list is stored at position 0 and,
    // with StartOnListChoice, the exercise starts.
    void ChooseList(int row);
    void ShowProtocol();
    void ShowWorkReport();
    // The info tile: the info dialog; CoverBackground follows it afterwards.
    void ShowInfo();
    void StartEditor();
    void OpenManualFile();
    void ShowHelp();

Q_SIGNALS:
    // Every tile drawn with its picture for the first time (start-up
    // measurement).
    void MenuDrawn();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static constexpr int kTileCount = kMenuRowCount + 2;

    void CreateRow(int row);
    void CreatePanel();
    tdrbutton* CreateTile(int number, const QString& name, const QString& style, const QString& picture);
    QPushButton* CreateButton(const QString& name, const QString& caption);
    void SetTabOrder();
    void ApplyLayout();
    // Tiles (tfenster_tiles.cpp).
    void DrawTile(tdrbutton& tile, QPainter& painter);
    void TileClicked(int number);
    void NoteTileDrawn(tdrbutton& tile);
    void SetLastMark(char mark);

    MenuLayout layout_;
    std::array<tdrbutton*, kMenuRowCount> tiles_{};
    std::array<std::array<QWidget*, 2>, kMenuRowCount> choices_{};
    std::array<QPushButton*, kMenuRowCount> options_{};
    std::array<QPushButton*, kMenuRowCount> files_{};
    QCheckBox* puzzle_ = nullptr;
    tdrbutton* info_ = nullptr;
    tdrbutton* exit_ = nullptr;
    QLabel* nameLabel_ = nullptr;
    PupilBox* box_ = nullptr;
    std::unique_ptr<Tinfodialog> infoDialog_;
    char lastMark_ = '0';
    int drawnTiles_ = 0;
    bool started_ = false;
};
