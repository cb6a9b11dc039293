#include "controls/tdrbutton.h"

#include "controls/picture_cache.h"
#include "data/path_helpers.h"

#include <QLayout>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr char kReplacementProperty[] = "lirabo_drawn_button";
}

tdrbutton::tdrbutton(QWidget* owner, int number, QWidget* placeholder)
    : tdrbutton(owner, number, Callback(), QVariant(), placeholder)
{
}

tdrbutton::tdrbutton(QWidget* owner, int number, Callback callback, QVariant data, QWidget* placeholder)
    : QAbstractButton(placeholder && placeholder->parentWidget() ? placeholder->parentWidget() : owner),
      number_(number), owner_(owner), callback_(std::move(callback)), callbackData_(std::move(data)),
      sound_(owner, number)
{
    setFocusPolicy(Qt::StrongFocus);
    if (placeholder)
        TakeOver(placeholder);
}

tdrbutton::~tdrbutton() = default;

void tdrbutton::TakeOver(QWidget* placeholder)
{
    setGeometry(placeholder->geometry());
    setSizePolicy(placeholder->sizePolicy());
    setMinimumSize(placeholder->minimumSize());
    setMaximumSize(placeholder->maximumSize());
    setToolTip(placeholder->toolTip());
    setEnabled(placeholder->isEnabled());
    setObjectName(placeholder->objectName());
    if (QWidget* parent = placeholder->parentWidget(); parent && parent->layout()) {
        if (QLayoutItem* old = parent->layout()->replaceWidget(placeholder, this))
            delete old;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(placeholder)) {
        connect(this, &QAbstractButton::clicked, button, &QAbstractButton::clicked);
        connect(this, &QAbstractButton::pressed, button, &QAbstractButton::pressed);
        connect(this, &QAbstractButton::released, button, &QAbstractButton::released);
    }
    const bool visible = !placeholder->isHidden();
    placeholder->hide();
    placeholder->setProperty(kReplacementProperty, QVariant::fromValue<QObject*>(this));
    setVisible(visible);
}

tdrbutton* tdrbutton::ReplacementOf(const QWidget* placeholder)
{
    if (!placeholder)
        return nullptr;
    return qobject_cast<tdrbutton*>(placeholder->property(kReplacementProperty).value<QObject*>());
}

void tdrbutton::RunCallback() const
{
    if (callback_)
        callback_(callbackData_);
}

// ---- content -----------------------------------------------------------------

bool tdrbutton::SetContent(const QString& textOrPicture, const QString& fontName)
{
    if (fontName.isEmpty() && !textOrPicture.isEmpty() && FileExists(ResolvePath(textOrPicture))) {
        if (mode_ == ContentMode::Picture && contentKey_.compare(textOrPicture, Qt::CaseInsensitive) == 0)
            return false;
        SharedPictureCache().Load(textOrPicture, picture_);
        mode_ = ContentMode::Picture;
        contentKey_ = keyCopy_ = textOrPicture;
        DropFace();
        return true;
    }
    const QString font = fontName.isEmpty() ? QStringLiteral("ARIAL") : fontName;
    const QString caption = textOrPicture.isEmpty() ? contentKey_ : textOrPicture;
    if (mode_ == ContentMode::Text && caption == caption_ && font == fontName_)
        return false;
    mode_ = ContentMode::Text;
    fontName_ = font;
    fontSize_ = 30;
    lastScaledCell_ = QSize();
    caption_ = caption;
    if (!textOrPicture.isEmpty())
        contentKey_ = keyCopy_ = textOrPicture;
    DropFace();
    return true;
}

void tdrbutton::SetCaption(const QString& text, bool dropFace)
{
    if (dropFace && (text != contentKey_ || text != keyCopy_ || text != caption_))
        DropFace();
    contentKey_ = keyCopy_ = caption_ = text;
}

bool tdrbutton::CaptionAndFont(QString* caption, QString* fontName) const
{
    if (mode_ != ContentMode::Text)
        return false;
    if (caption)
        *caption = caption_;
    if (fontName)
        *fontName = fontName_;
    return true;
}

QSize tdrbutton::NaturalSize() const
{
    return picture_.IsEmpty() ? size() : picture_.NaturalSize();
}

void tdrbutton::SharePicture(const tdrbutton& other)
{
    picture_ = other.picture_;
    mode_ = ContentMode::Picture;
    contentKey_ = keyCopy_ = other.contentKey_;
    DropFace();
}

void tdrbutton::ReleasePicture()
{
    if (picture_.IsEmpty())
        return;
    picture_.Clear();
    DropFace();
}

void tdrbutton::DropFont()
{
    lastScaledCell_ = QSize();
}

// ---- style and letters ----------------------------------------------------------

template <typename T>
void tdrbutton::Change(T& field, const T& value)
{
    if (field == value)
        return;
    field = value;
    DropFace();
}

void tdrbutton::SetStyle(const QString& style)
{
    const StyleString parsed = StyleString::Parse(style);
    if (parsed.text == style_.text)
        return;
    style_ = parsed;
    DropFace();
}

void tdrbutton::SetSizingSample(const QString& sample, bool use)
{
    if (sample == sizingSample_ && use == useSizingSample_)
        return;
    sizingSample_ = sample;
    useSizingSample_ = use;
    lastScaledCell_ = QSize();   // the size is computed again on the new text
    DropFace();
}

void tdrbutton::SetLetterColors(const QString& codes) { Change(letterColors_, codes); }
void tdrbutton::SetHiddenMarks(const QString& marks) { Change(hiddenMarks_, marks); }
void tdrbutton::SetUnderlineMarks(const QString& marks) { Change(underlineMarks_, marks); }

void tdrbutton::SetMarking(bool on, int cursor, int markStart, int markCount)
{
    Change(marking_, on);
    Change(cursor_, cursor);
    Change(markStart_, markStart);
    Change(markCount_, markCount);
}

// ---- widget -------------------------------------------------------------------------

void tdrbutton::DropFace()
{
    face_ = QImage();
    update();
}

void tdrbutton::SetDrawHandler(std::function<void(tdrbutton&, QPainter&)> handler)
{
    drawHandler_ = std::move(handler);
    update();
}

void tdrbutton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (drawHandler_)
        drawHandler_(*this, painter);
    else
        Draw(painter, rect());
}

void tdrbutton::resizeEvent(QResizeEvent* event)
{
    QAbstractButton::resizeEvent(event);
    update();
}

void tdrbutton::mousePressEvent(QMouseEvent* event)
{
    Q_EMIT mouseDown(event);
    QAbstractButton::mousePressEvent(event);
}

void tdrbutton::mouseReleaseEvent(QMouseEvent* event)
{
    Q_EMIT mouseUp(event);
    QAbstractButton::mouseReleaseEvent(event);
}

void tdrbutton::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT mouseMoved(event);
    QAbstractButton::mouseMoveEvent(event);
}

void tdrbutton::enterEvent(QEnterEvent* event)
{
    Q_EMIT entered();
    QAbstractButton::enterEvent(event);
}

void tdrbutton::leaveEvent(QEvent* event)
{
    Q_EMIT exited();
    QAbstractButton::leaveEvent(event);
}

QSize tdrbutton::sizeHint() const
{
    return QSize(75, 25);
}
