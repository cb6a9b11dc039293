#include "dialogs/tf_pictureopendialog.h"

#include "controls/picture.h"
#include "controls/picture_drawing.h"
#include "data/path_helpers.h"
#include "platform/text_codec.h"
#include "sound/simple_sound.h"

#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QVBoxLayout>

namespace {

const QString kNoPreview = QStringLiteral("keine Vorschau");
const QString kPlay = QStringLiteral("Sound hören");
const QString kStop = QStringLiteral("Sound STOP");

bool IsPicture(const QString& extension)
{
    static const QStringList pictures{".BMP", ".WMF", ".JPG", ".GIF", ".JPEG", ".EMF", ".PNG"};
    return pictures.contains(extension);
}

// The text preview shows the beginning of long files only.
constexpr int kMaxPreviewLines = 500;

} // namespace

TF_PictureOpendialog::TF_PictureOpendialog(QWidget* parent) : TF_opendialog(parent)
{
    setWindowFlag(Qt::WindowStaysOnTopHint);
    resize(820, 460);
    SetTypeEntries({QStringLiteral("Textdatei (*.txt)"),
                    QStringLiteral("Bilddateien (*.jpg, *.gif, *.bmp, *.wmf, *.emf)"),
                    QStringLiteral("Sounddateien (*.wav)"), QStringLiteral("alle Dateien (*.*)")},
                   AllFiles);

    P_Vorschau = new QWidget(P_auswahl);
    auto* layout = new QVBoxLayout(P_Vorschau);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("  Vorschau:"), P_Vorschau));

    M_textvorschau = new QPlainTextEdit(P_Vorschau);
    M_textvorschau->setReadOnly(true);
    M_textvorschau->hide();
    layout->addWidget(M_textvorschau, 1);

    P_bildvorschau = new QFrame(P_Vorschau);
    P_bildvorschau->setFrameShape(QFrame::StyledPanel);
    P_bildvorschau->setToolTip(kNoPreview);
    auto* pictureLayout = new QVBoxLayout(P_bildvorschau);
    I_vorschau = new QLabel(kNoPreview, P_bildvorschau);
    I_vorschau->setAlignment(Qt::AlignCenter);
    I_vorschau->setMinimumSize(120, 120);
    I_vorschau->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    I_vorschau->installEventFilter(this);
    B_soundhoeren = new QPushButton(kPlay, P_bildvorschau);
    B_soundhoeren->hide();
    pictureLayout->addWidget(I_vorschau, 1);
    pictureLayout->addWidget(B_soundhoeren, 0, Qt::AlignCenter);
    layout->addWidget(P_bildvorschau, 1);

    P_auswahl->setStretchFactor(2, 3);
    P_auswahl->setSizes({200, 280, 300});
    connect(B_soundhoeren, &QPushButton::clicked, this, [this] { B_soundhoerenClick(); });
}

TF_PictureOpendialog::~TF_PictureOpendialog()
{
    StopPreviewSound();
}

QString TF_PictureOpendialog::PreviewCaption() const
{
    return I_vorschau->pixmap().isNull() ? I_vorschau->text() : QString();
}

bool TF_PictureOpendialog::ShowsPicture() const
{
    return !I_vorschau->pixmap().isNull();
}

QString TF_PictureOpendialog::ShownName(const QString&, const QString& name) const
{
    return name;
}

QIcon TF_PictureOpendialog::FileIcon(const QString& name) const
{
    const QString ext = ExtensionPart(name).toUpper();
    if (ext == QLatin1String(".WAV"))
        return style()->standardIcon(QStyle::SP_MediaVolume);
    if (IsPicture(ext))
        return style()->standardIcon(QStyle::SP_DesktopIcon);
    return style()->standardIcon(QStyle::SP_FileIcon);
}

void TF_PictureOpendialog::ChosenFileChanged()
{
    StopPreviewSound();
    ClearPreview();
    if (chosenFile.isEmpty() || !QFileInfo(chosenFile).isFile())
        return;
    const QString ext = ExtensionPart(chosenFile).toUpper();
    if (ext == QLatin1String(".TXT")) {
        QStringList lines = ReadTextLines(chosenFile);
        if (lines.size() > kMaxPreviewLines)
            lines.resize(kMaxPreviewLines);
        M_textvorschau->setPlainText(lines.join(u'\n'));
        P_bildvorschau->hide();
        M_textvorschau->show();
    } else if (IsPicture(ext)) {
        picturePath_ = chosenFile;
        DrawPicture();
    } else if (ext == QLatin1String(".WAV")) {
        I_vorschau->setText(QString());
        I_vorschau->hide();   // the button stands alone in the middle
        B_soundhoeren->show();
    }
}

void TF_PictureOpendialog::ClearPreview()
{
    picturePath_.clear();
    I_vorschau->setPixmap(QPixmap());
    I_vorschau->setText(kNoPreview);
    I_vorschau->show();
    B_soundhoeren->hide();
    M_textvorschau->clear();
    M_textvorschau->hide();
    P_bildvorschau->show();
}

void TF_PictureOpendialog::DrawPicture()
{
    if (picturePath_.isEmpty())
        return;
    const QSize size = I_vorschau->size();
    if (size.isEmpty())
        return;
    Picture picture;
    if (!picture.Load(picturePath_) || picture.IsEmpty())
        return;   // not a picture after all: "keine Vorschau" stays
    QImage preview(size, QImage::Format_ARGB32_Premultiplied);
    preview.fill(palette().color(QPalette::Base));
    QPainter painter(&preview);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    picture.Draw(painter, PicturePlacement(picture.NaturalSize(), size, true));
    painter.end();
    I_vorschau->setPixmap(QPixmap::fromImage(preview));
}

void TF_PictureOpendialog::B_soundhoerenClick()
{
    if (playing_) {
        StopPreviewSound();
        return;
    }
    if (QFileInfo(chosenFile).isFile() && PlaySimpleSound(chosenFile, SimpleSoundMode::Async)) {
        playing_ = true;
        B_soundhoeren->setText(kStop);
    }
}

void TF_PictureOpendialog::StopPreviewSound()
{
    if (playing_)
        StopSimpleSound();
    playing_ = false;
    if (B_soundhoeren)
        B_soundhoeren->setText(kPlay);
}

void TF_PictureOpendialog::done(int result)
{
    StopPreviewSound();
    ClearPreview();
    TF_opendialog::done(result);
}

bool TF_PictureOpendialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == I_vorschau && event->type() == QEvent::Resize)
        DrawPicture();
    return TF_opendialog::eventFilter(watched, event);
}
