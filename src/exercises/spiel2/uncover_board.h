#pragma once
// Uncovering mode of "Welches Wort stimmt?": the picture lies under a grid of
// Puzzelanzahl pieces (9, 16, 25 or 36) that are uncovered one by one, by the
// timer every Aufdeckpause seconds or by the pupil's clicks. Every task
// starts with 100 points; uncovered pieces (by the cost table) and wrong
// choices (50) cost points, and a right choice shows the whole picture at no
// further cost and adds the task's points to the total.
//
// The board decides which piece each step uncovers; the window draws it.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QVector>

#include <array>

// The cost of reaching step t (counted after the step) with the given number
// of pieces; 0 for any other step or number of pieces.
int StepCost(int puzzelanzahl, int t);

// The grid: k = round(sqrt(Puzzelanzahl)) columns and rows of size / k, the
// last column and row reaching the right and bottom edges; row by row.
QVector<QRect> PieceRects(QSize size, int puzzelanzahl);
// The piece whose rectangle holds point (left and top edges inside, right
// and bottom outside), or -1.
int PieceAt(const QVector<QRect>& pieces, QPoint point);

class UncoverBoard {
public:
    static constexpr int kOrderSize = 37;
    static constexpr int kStartPoints = 100;
    static constexpr int kWrongCost = 50;

    // What one step shows.
    struct Step {
        int piece = -1;          // the piece to copy from the picture (-1: none)
        bool whole = false;      // the whole picture is shown
        bool clearCover = false; // the request text goes: the cover is drawn afresh
        bool covered = false;    // the first step of a task: the covered picture
        bool finished = false;   // the board is through: the timer stops
    };

    // A new task: nothing uncovered, 100 points.
    void StartTask(int puzzelanzahl, bool manual);
    // One uncovering step (the timer; the first step of a task draws the
    // covered picture).
    Step Advance();
    // A click on piece in manual mode: false (the beep) when the piece is
    // uncovered already or the whole picture is shown; otherwise the piece is
    // the next step's and out is that step.
    bool Click(int piece, Step* out);
    // The right word was chosen: the whole picture, the task's points added.
    Step RightChoice();
    // A wrong word: 50 points less, not below 0.
    void WrongChoice();

    int Pieces() const { return pieces_; }
    bool Manual() const { return manual_; }
    int StepCounter() const { return counter_; }
    bool Complete() const { return complete_; }
    bool Uncovered(int piece) const;
    const std::array<int, kOrderSize>& Order() const { return order_; }
    int TaskPoints() const { return taskPoints_; }
    int TotalPoints() const { return totalPoints_; }
    int SolvedCount() const { return solvedCount_; }

private:
    int DrawFreePiece(int s) const;

    int pieces_ = 9;
    bool manual_ = true;
    int counter_ = 0;
    bool complete_ = false;
    std::array<int, kOrderSize> order_{};
    int taskPoints_ = kStartPoints;
    int totalPoints_ = 0;
    int solvedCount_ = 0;
};
