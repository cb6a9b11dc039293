#pragma once
// The drawn button: every clickable picture, word card, tile and tool button
// of the program. It has no look of its own; its face is composed from a
// picture or a text according to its style string, rendered once into an
// off-screen image and copied on later repaints until something changes.
// Windows decide at each repaint what a button shows (SetStyle, SetContent,
// SetCaption); the button drops its cached face only when a value really
// changed. Faces are transparent by alpha where the style leaves position 0
// blank.
#include "controls/picture.h"
#include "controls/style_string.h"
#include "sound/button_sound_player.h"

#include <QAbstractButton>
#include <QFont>
#include <QImage>
#include <QVariant>

#include <functional>
#include <vector>

class tdrbutton : public QAbstractButton {
    Q_OBJECT
public:
    enum class ContentMode { Unset, Picture, Text };
    using Callback = std::function<void(const QVariant&)>;

    // Creates the button with its number in place of placeholder (a widget
    // laid out in the window's form): it takes over the placeholder's parent,
    // geometry, place in a layout, size policy, visibility, enabled state,
    // tool tip and name, forwards its clicked, pressed and released signals to
    // the placeholder's (so handlers connected there run), and hides it.
    // Without a placeholder the button is a child of owner.
    tdrbutton(QWidget* owner, int number, QWidget* placeholder);
    // The same with a callback that the owner's click handler runs with data.
    tdrbutton(QWidget* owner, int number, Callback callback, QVariant data, QWidget* placeholder);
    ~tdrbutton() override;

    // The command number; the control value of its sound-finished command.
    int Number() const { return number_; }
    // The window that owns the button and receives its commands.
    QWidget* Owner() const { return owner_; }
    void RunCallback() const;
    bool HasCallback() const { return bool(callback_); }
    // The drawn button that replaced placeholder, if any.
    static tdrbutton* ReplacementOf(const QWidget* placeholder);

    // -- content ---------------------------------------------------------
    // Without a font name and when the file exists (program path): picture
    // mode, loading the picture when the key differs (ignoring case) or the
    // mode was not picture. Otherwise text mode with the font (default
    // "ARIAL", size 30) and the text as caption. True when anything changed.
    bool SetContent(const QString& textOrPicture, const QString& fontName = QString());
    // Stores text as content key and caption; the face is dropped when the
    // text differs from both and dropFace is set.
    void SetCaption(const QString& text, bool dropFace = true);
    QString Caption() const { return contentKey_; }
    // Caption and font name; false when not in text mode.
    bool CaptionAndFont(QString* caption, QString* fontName) const;
    ContentMode Mode() const { return mode_; }
    // The colour the caption is drawn in, and that of the letter at index
    // (its own colour code, else the caption's).
    QColor TextColor() const;
    QColor LetterColor(qsizetype index) const;
    const QString& FontName() const { return fontName_; }
    int FontSize() const { return fontSize_; }
    const Picture& GetPicture() const { return picture_; }
    // The picture's natural size, or the button's size without a picture.
    QSize NaturalSize() const;
    // Shows the picture of another button without loading it again (cards
    // that share a picture file).
    void SharePicture(const tdrbutton& other);
    void ReleasePicture();
    void DropFont();

    // -- style and letters -------------------------------------------------
    void SetStyle(const QString& style);
    const StyleString& Style() const { return style_; }
    // A text every font size is computed on instead of the caption, so that
    // a set of buttons share one size.
    void SetSizingSample(const QString& sample, bool use);
    // Per-letter colour codes (hex digit: colour 16 + n), hidden marks ("g":
    // the letter is not drawn) and underline marks ("_").
    void SetLetterColors(const QString& codes);
    void SetHiddenMarks(const QString& marks);
    void SetUnderlineMarks(const QString& marks);
    // Marking shows underline bars and an inverted cursor bar under the
    // letter at cursor, or under count letters from markStart (>= 0).
    void SetMarking(bool on, int cursor = 0, int markStart = -1, int markCount = 1);
    bool Marking() const { return marking_; }

    // -- window flags ------------------------------------------------------------
    void SetDrawnAsCard(int card) { drawnAsCard_ = card; }
    int DrawnAsCard() const { return drawnAsCard_; }
    void SetSelected(bool on) { selected_ = on; }
    bool Selected() const { return selected_; }
    void SetRelayout(bool on) { relayout_ = on; }
    bool Relayout() const { return relayout_; }

    // -- drawing -------------------------------------------------------------------
    // Draws the face into rect: renders it once, then copies the cached image.
    void Draw(QPainter& painter, const QRect& rect);
    void DropFace();
    bool HasCachedFace() const { return !face_.isNull(); }
    const QImage& Face() const { return face_; }
    int FaceRenderCount() const { return renders_; }
    // Letter x positions and text size of the last rendered caption.
    const std::vector<int>& LetterPositions() const { return letterX_; }
    QSize TextSize() const { return textSize_; }
    // The window's own drawing of this button (frames, pressed looks); it
    // usually calls Draw. Without one the button draws its face.
    void SetDrawHandler(std::function<void(tdrbutton&, QPainter&)> handler);

    // -- sound ---------------------------------------------------------------------
    // The button's sound player (own sound name, control string, release and
    // playing flags, PlaySoundFile); its SoundFinished goes to Owner() with
    // Number(). Windows read Sound().IsPlaying() when they draw a button as
    // pressed.
    ButtonSoundPlayer& Sound() { return sound_; }
    const ButtonSoundPlayer& Sound() const { return sound_; }

Q_SIGNALS:
    void mouseDown(QMouseEvent* event);
    void mouseUp(QMouseEvent* event);
    void mouseMoved(QMouseEvent* event);
    void entered();
    void exited();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    QSize sizeHint() const override;

private:
    void TakeOver(QWidget* placeholder);
    QImage RenderFace(QSize size);
    QImage DrawFace(QSize size);
    void DrawPictureFace(QPainter& p, QSize size) const;
    void DrawTextFace(QPainter& p, QImage& image);
    void FitFont(QSize cell);
    template <typename T>
    void Change(T& field, const T& value);

    int number_;
    QWidget* owner_;
    Callback callback_;
    QVariant callbackData_;

    ContentMode mode_ = ContentMode::Unset;
    QString contentKey_, keyCopy_, caption_;
    QString fontName_ = QStringLiteral("ARIAL");
    int fontSize_ = 30;
    QSize lastScaledCell_;
    Picture picture_;

    StyleString style_;
    QString sizingSample_;
    bool useSizingSample_ = false;
    QString letterColors_, hiddenMarks_, underlineMarks_;
    bool marking_ = false;
    int cursor_ = 0, markStart_ = -1, markCount_ = 1;

    int drawnAsCard_ = -1;
    bool selected_ = false, relayout_ = false, inDrawing_ = false;

    QImage face_;
    int renders_ = 0;
    std::vector<int> letterX_;
    QSize textSize_;
    std::function<void(tdrbutton&, QPainter&)> drawHandler_;
    ButtonSoundPlayer sound_;
};
