// The dialog that turns a picture into one made for the LEDs: a live zoomed
// LED preview of the conversion, the threshold slider and the dither and
// invert switches. The picture the user chose is never changed; OK writes
// the conversion as a new BMP.
#pragma once

#include "render/LedPicture.h"

#include <QDialog>

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QScrollArea;
class QSlider;

namespace tessel {

class AppData;
class LanguageTable;
class LedViewWidget;

class PictureImportDialog : public QDialog {
    Q_OBJECT
public:
    // `scaled` is the picture already at the screen's height.
    PictureImportDialog(const QImage& scaled, const LedPictureOptions& options, int pageColumns,
        const LanguageTable& texts, QWidget* parent = nullptr);

    // The picture as the LEDs show it with the current choices.
    QImage converted() const { return converted_; }
    const LedPictureOptions& options() const { return options_; }

    QSlider* thresholdSlider() const { return threshold_; }
    QCheckBox* ditherSwitch() const { return dither_; }
    QCheckBox* invertSwitch() const { return invert_; }
    LedViewWidget* ledView() const { return view_; }
    QDialogButtonBox* buttons() const { return buttons_; }

    // The picture file an image program should use for `path`: the path
    // itself when the picture is already made for the screen of the current
    // screen parameters; otherwise the BMP written after the user confirms
    // the dialog, beside the program file (the documents folder while the
    // list has never been saved). Empty when the user cancels or the picture
    // cannot be read or written (the user is told).
    static QString pictureFor(QWidget* owner, const AppData& data, const LanguageTable& texts, const QString& path);

    // Where the conversion of `path` is written: "<name>-led.bmp" in
    // `folder`, numbered so that no existing file is replaced.
    static QString convertedPath(const QString& path, const QString& folder);

private:
    void convert();

    QImage scaled_;
    QImage converted_;
    LedPictureOptions options_;
    LedViewWidget* view_;
    QScrollArea* scrollArea_;
    QSlider* threshold_;
    QLabel* thresholdValue_;
    QCheckBox* dither_;
    QCheckBox* invert_;
    QDialogButtonBox* buttons_;
};

} // namespace tessel
