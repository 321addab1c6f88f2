#include "ui/dialogs/PictureImportDialog.h"

#include "files/ProgramPath.h"

#include "i18n/LanguageTable.h"
#include "model/AppData.h"
#include "render/LedView.h"
#include "render/ScreenGeometry.h"
#include "ui/preview/LedViewWidget.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QStyle>
#include <QStandardPaths>
#include <algorithm>

namespace tessel {

namespace {

// The LEDs are shown as large as the view's width allows, so that a short
// picture can be judged LED by LED; a long one scrolls.
constexpr int ViewWidth = 640;
// Pictures are proposed under a name that tells them from the original.
const QString ConvertedSuffix = QStringLiteral("-led");
constexpr int MaxNumberedNames = 9999;

// The folder of the open program file, or the documents folder while the
// list has never been saved.
QString outputFolder(const AppData& data)
{
    if (!data.currentPath.isEmpty()) {
        return QFileInfo(resolveProgramPath(data, data.currentPath)).absolutePath();
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QDir().mkpath(documents);
    return documents;
}

} // namespace

PictureImportDialog::PictureImportDialog(const QImage& scaled, const LedPictureOptions& options,
    int pageColumns, const LanguageTable& texts, QWidget* parent)
    : QDialog(parent)
    , scaled_(scaled)
    , options_(options)
    , view_(new LedViewWidget)
    , scrollArea_(new QScrollArea(this))
    , threshold_(new QSlider(Qt::Horizontal, this))
    , thresholdValue_(new QLabel(this))
    , dither_(new QCheckBox(texts.text(u"dither"), this))
    , invert_(new QCheckBox(texts.text(u"invert"), this))
    , buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setWindowTitle(texts.text(u"pictureImportTitle"));
    const int zoom = std::clamp(ViewWidth / std::max(1, scaled.width()), DotPreviewZoom, MaxPreviewZoom);
    view_->setZoom(zoom);
    view_->setPageColumns(pageColumns);
    scrollArea_->setWidget(view_);
    scrollArea_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scrollArea_->setBackgroundRole(QPalette::Dark);
    const int bar = scrollArea_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    scrollArea_->setMinimumSize(ViewWidth, options.rows * zoom + bar + 2 * scrollArea_->frameWidth());

    threshold_->setRange(0, 255);
    threshold_->setValue(options.threshold);
    thresholdValue_->setNum(options.threshold);
    thresholdValue_->setMinimumWidth(thresholdValue_->fontMetrics().horizontalAdvance(QStringLiteral("000")));
    dither_->setChecked(options.dithering == Dithering::ErrorDiffusion);
    invert_->setChecked(options.inversion == Inversion::Inverted);
    buttons_->button(QDialogButtonBox::Ok)->setText(texts.text(u"ok"));
    buttons_->button(QDialogButtonBox::Cancel)->setText(texts.text(u"cancel"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(scrollArea_, 0, 0, 1, 3);
    auto* thresholdLabel = new QLabel(texts.text(u"threshold"), this);
    thresholdLabel->setBuddy(threshold_);
    layout->addWidget(thresholdLabel, 1, 0);
    layout->addWidget(threshold_, 1, 1);
    layout->addWidget(thresholdValue_, 1, 2);
    layout->addWidget(dither_, 2, 0, 1, 3);
    layout->addWidget(invert_, 3, 0, 1, 3);
    layout->addWidget(buttons_, 4, 0, 1, 3);

    connect(threshold_, &QSlider::valueChanged, this, [this](int value) {
        options_.threshold = value;
        thresholdValue_->setNum(value);
        convert();
    });
    connect(dither_, &QCheckBox::toggled, this, [this](bool on) {
        options_.dithering = on ? Dithering::ErrorDiffusion : Dithering::None;
        convert();
    });
    connect(invert_, &QCheckBox::toggled, this, [this](bool on) {
        options_.inversion = on ? Inversion::Inverted : Inversion::None;
        convert();
    });
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    convert();
}

void PictureImportDialog::convert()
{
    converted_ = ReduceToLeds(scaled_, options_);
    view_->setPicture(converted_);
}

QString PictureImportDialog::convertedPath(const QString& path, const QString& folder)
{
    const QString base = QDir(folder).filePath(QFileInfo(path).completeBaseName() + ConvertedSuffix);
    QString candidate = base + QStringLiteral(".bmp");
    for (int number = 2; QFileInfo::exists(candidate) && number <= MaxNumberedNames; ++number)
        candidate = base + QStringLiteral("-%1.bmp").arg(number);
    return QFileInfo::exists(candidate) ? QString() : candidate;
}

QString PictureImportDialog::pictureFor(
    QWidget* owner, const AppData& data, const LanguageTable& texts, const QString& path)
{
    const ScreenGeometry screen = PreviewGeometry(data.screenPara);
    LedPictureOptions options;
    options.rows = screen.rows;
    options.extraPlanes = std::min<int>(data.screenPara.rgb, MaxExtraPlanes);
    if (PictureFileIsLedReady(path, options.rows, options.extraPlanes))
        return path;
    const ScaledPicture scaled = LoadScaledPicture(path, options.rows);
    if (scaled.error != LedPictureError::None) {
        QMessageBox::warning(owner, texts.text(u"pictureImportTitle"), texts.text(u"pictureUnreadable"));
        return {};
    }
    PictureImportDialog dialog(scaled.picture, options, screen.columns, texts, owner);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QString output = convertedPath(path, outputFolder(data));
    FileError error;
    if (output.isEmpty() || !WriteLedPicture(dialog.converted(), output, error)) {
        QMessageBox::warning(owner, texts.text(u"pictureImportTitle"),
            texts.text(u"pictureWriteFailed") + u'\n' + error.message);
        return {};
    }
    return output;
}

} // namespace tessel
