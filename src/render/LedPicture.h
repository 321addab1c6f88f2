// Pictures made for the LEDs: any picture scaled to the screen's height and
// reduced, colour plane by colour plane, to LEDs that are on or off, so that
// the device image lights exactly what the user saw.
#pragma once

#include "storage/FileWriter.h"

#include <QImage>
#include <QString>
#include <cstdint>

namespace tessel {

// The default level at which a channel lights its plane's LED.
constexpr int DefaultLedThreshold = 128;
constexpr int MaxExtraPlanes = 2;
// The widest picture the conversion writes: a row of a 24-bit BMP this wide
// is already 192 KB, and no badge program needs more.
constexpr int MaxLedPictureColumns = 65535;

enum class Dithering : uint8_t { None, ErrorDiffusion };
enum class Inversion : uint8_t { None, Inverted };

struct LedPictureOptions {
    int rows = 12; // the screen's height
    int extraPlanes = 0; // 0-2: red; red and green; red, green and blue
    int threshold = DefaultLedThreshold; // a channel value at or above it lights the LED
    Dithering dithering = Dithering::None;
    Inversion inversion = Inversion::None;
};

enum class LedPictureError : uint8_t {
    None,
    Unreadable, // missing, not a regular file, cut off, or not a picture
    TooLarge, // the decoder would need more memory than a picture may take
    TooWide, // scaled to the screen's height it is wider than a program can be
};

struct ScaledPicture {
    QImage picture; // Format_RGB32, `rows` high; null on error
    LedPictureError error = LedPictureError::None;
};

// The width of a width × height picture scaled to `rows` rows, keeping its
// aspect ratio: at least one column.
int ScaledColumns(int width, int height, int rows);

// Decodes the picture file (its first frame) straight to the screen's height
// with smooth scaling; a large photograph is never held at full size when
// its format can decode smaller.
ScaledPicture LoadScaledPicture(const QString& path, int rows);

// Scales a decoded picture to the screen's height (smooth), as
// LoadScaledPicture does for a file.
ScaledPicture ScaleToRows(const QImage& source, int rows);

// Turns a picture that is already `rows` high into LED colours: every pixel
// black or a pure LED colour (each used plane's channel 0 or 255, the
// others 0). Red decides the first plane, green the second, blue the third.
QImage ReduceToLeds(const QImage& scaled, const LedPictureOptions& options);

// ScaleToRows followed by ReduceToLeds.
QImage ConvertToLedPicture(const QImage& source, const LedPictureOptions& options);

// A picture the device image takes as it is: `rows` high and every pixel
// black or a pure LED colour of the screen's planes.
bool IsLedReady(const QImage& picture, int rows, int extraPlanes);

// The same for a file: a picture of another height is judged from its header
// without being decoded. False for a file that does not decode.
bool PictureFileIsLedReady(const QString& path, int rows, int extraPlanes);

// Writes the LED picture as a 24-bit BMP through the one file writer, so a
// failed write leaves an existing file whole and says why.
bool WriteLedPicture(
    const QImage& picture, const QString& path, FileError& error, DashPath dash = DashPath::File);

} // namespace tessel
