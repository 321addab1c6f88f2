#include "render/TextRasterizer.h"

#include "render/CharFont.h"
#include "render/IconCode.h"
#include "render/IconFile.h"
#include "render/InkScan.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <algorithm>
#include <cstring>
#include <deque>

namespace tessel {

namespace {

QColor colorOf(uint32_t colorRef)
{
    return QColor(colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF);
}

struct FontEntry {
    explicit FontEntry(const CharFormat& format)
        : format(format)
        , font(FontForFormat(format))
        , metrics(font)
    {
    }
    CharFormat format;
    QFont font;
    QFontMetrics metrics;
};

// The fields of a format that choose its font.
struct FontKey {
    QString face;
    int twips;
    bool bold;
    bool italic;
    bool underline;
    bool operator==(const FontKey&) const = default;
};

size_t qHash(const FontKey& key, size_t seed = 0)
{
    return qHashMulti(seed, key.face, key.twips, key.bold, key.italic, key.underline);
}

// One font per distinct face, size and style, kept from call to call in
// each thread: looking a face up is slow (an unknown one falls back through
// the whole font configuration), and the preview renders on every keystroke.
// Neighbouring characters mostly share their format, so the last one is
// tried first.
class FontCache {
public:
    // Called before each render, never during one, so that no piece of a
    // layout outlives its font.
    void prepare()
    {
        const QFont application = QGuiApplication::font();
        if (entries_.size() < MaxEntries && application == applicationFont_)
            return;
        // Formats without a height take the application font's.
        applicationFont_ = application;
        last_ = nullptr;
        index_.clear();
        entries_.clear();
    }

    const FontEntry& get(const CharFormat& format)
    {
        if (last_ && SameFont(last_->format, format))
            return *last_;
        const FontKey key { format.face, format.twips, format.bold, format.italic, format.underline };
        auto found = index_.constFind(key);
        if (found != index_.constEnd())
            return *(last_ = found.value());
        last_ = &entries_.emplace_back(format);
        index_.insert(key, last_);
        return *last_;
    }

private:
    // Enough for a text of 4000 faces to stay cached; a stream of ever new
    // faces is let go, as every font held also keeps the platform's own
    // font caches from shrinking, and their look-ups slow down as they grow.
    static constexpr size_t MaxEntries = 4096;

    std::deque<FontEntry> entries_;
    QHash<FontKey, const FontEntry*> index_;
    const FontEntry* last_ = nullptr;
    QFont applicationFont_;
};

// Prepared for one call; kept for the thread's life.
FontCache& fontsOfThisThread()
{
    thread_local FontCache fonts;
    fonts.prepare();
    return fonts;
}

// One drawn piece of the text: a character (or a surrogate pair), an icon,
// or the whole text in the one-piece mode.
struct Piece {
    int x = 0;
    int advance = 0;
    int cellWidth = 0; // the measured width, which the background fills
    int start = 0;
    int length = 0;
    int iconSize = 0; // non-zero: an icon of this size
    const FontEntry* font = nullptr;
    const CharFormat* format = nullptr;
};

struct Layout {
    std::vector<Piece> pieces;
    int width = 0; // content width W: the final pen column
    int drawnRight = 0; // right edge of everything drawn
};

class PagePen {
public:
    PagePen(int columns, bool paging)
        : columns_(columns)
        , paging_(paging)
    {
    }
    // Moves to the next page when the advance would cross its end, and
    // returns the column the piece starts at.
    int place(int advance)
    {
        if (paging_ && fill_ + advance > columns_) {
            x_ += columns_ - fill_;
            fill_ = 0;
        }
        const int start = x_;
        fill_ += advance;
        x_ += advance;
        return start;
    }
    int x() const { return x_; }

private:
    int columns_;
    bool paging_;
    int x_ = 0;
    int fill_ = 0;
};

// Characters a line layout measures by their role rather than by their
// glyph: a tab runs to the next tab stop, a paragraph or line separator and a
// soft hyphen take no room. Measured alone they have their glyph's advance.
bool measuredByRole(QChar c)
{
    switch (c.unicode()) {
    case u'\t':
    case u'\n':
    case u'\r':
    case 0x00AD:
    case 0x2028:
    case 0x2029:
        return true;
    default:
        return false;
    }
}

// Calls run(start, length) for the stretches of `text` between characters
// measured by role, and role(index) for each of those characters, in order.
template <typename Run, typename Role> void splitAtRoles(QStringView text, Run run, Role role)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!measuredByRole(text[i]))
            continue;
        if (i > start)
            run(start, i - start);
        role(i);
        start = i + 1;
    }
    if (start < text.size())
        run(start, text.size() - start);
}

// The width of `text` drawn as one line, each character measured by role
// taking the advance it has alone, as in the per-character layout.
int lineWidth(const QFontMetrics& metrics, QStringView text)
{
    int width = 0;
    splitAtRoles(
        text,
        [&](qsizetype start, qsizetype length) {
            width += metrics.horizontalAdvance(text.mid(start, length).toString());
        },
        [&](qsizetype i) { width += metrics.horizontalAdvance(text[i]); });
    return width;
}

// Draws `text` as one line from `origin` (on the baseline), measured as
// lineWidth measures it. Characters measured by role draw nothing.
void drawLine(QPainter& painter, const QFontMetrics& metrics, QPoint origin, const QString& text)
{
    int x = origin.x();
    splitAtRoles(
        QStringView(text),
        [&](qsizetype start, qsizetype length) {
            const QString run = start == 0 && length == text.size() ? text : text.mid(start, length);
            painter.drawText(QPoint(x, origin.y()), run);
            if (start + length < text.size())
                x += metrics.horizontalAdvance(run);
        },
        [&](qsizetype i) { x += metrics.horizontalAdvance(text[i]); });
}

int codeUnitsOfCharacter(const QString& text, int p)
{
    return p + 1 < text.size() && text[p].isHighSurrogate() && text[p + 1].isLowSurrogate() ? 2 : 1;
}

Layout layOutCharacters(const ScreenGeometry& g, const TextItem& item, const RichText& rich, FontCache& fonts)
{
    Layout layout;
    PagePen pen(g.columns, !isScrollingAction(item.action));
    const QString& text = rich.text;
    const int n = std::min<int>(text.size(), static_cast<int>(rich.formats.size()));
    int p = 0;
    // Past MaxStripLeds columns the strip is refused whatever follows; the
    // walk stops there and the pen column stays far from overflowing.
    while (p < n && pen.x() <= MaxStripLeds) {
        Piece piece;
        piece.start = p;
        if (auto size = n - p >= IconCodeLength ? ParseIconCode(QStringView(text).mid(p)) : std::nullopt) {
            piece.iconSize = *size;
            piece.length = IconCodeLength;
            piece.advance = *size + item.charSpacing - 1;
            piece.x = pen.place(piece.advance);
            layout.drawnRight = std::max(layout.drawnRight, piece.x + *size);
        } else {
            piece.length = codeUnitsOfCharacter(text, p);
            piece.format = &rich.formats[p];
            piece.font = &fonts.get(*piece.format);
            piece.cellWidth = piece.length == 1
                ? piece.font->metrics.horizontalAdvance(text[p])
                : piece.font->metrics.horizontalAdvance(text.mid(p, piece.length));
            piece.advance = piece.cellWidth + item.charSpacing - 1;
            piece.x = pen.place(piece.advance);
            layout.drawnRight = std::max(layout.drawnRight, piece.x + piece.advance);
        }
        p += piece.length;
        layout.pieces.push_back(piece);
    }
    layout.width = pen.x();
    return layout;
}

Layout layOutWhole(const RichText& rich, FontCache& fonts)
{
    Layout layout;
    Piece piece;
    piece.length = rich.length();
    piece.format = rich.formats.empty() ? &rich.insertionFormat : &rich.formats.front();
    piece.font = &fonts.get(*piece.format);
    piece.cellWidth = lineWidth(piece.font->metrics, rich.text);
    piece.advance = piece.cellWidth;
    layout.pieces.push_back(piece);
    layout.width = piece.advance;
    layout.drawnRight = piece.advance;
    return layout;
}

// A drawn character cell: what one piece leaves on the canvas, the
// unpainted pixels transparent. Texts repeat their characters, and a cell
// drawn once is copied wherever it recurs.
struct CellKey {
    const FontEntry* font;
    QString characters;
    QRgb text;
    QRgb background;
    int advance;
    bool operator==(const CellKey&) const = default;
};

size_t qHash(const CellKey& key, size_t seed = 0)
{
    return qHashMulti(seed, quintptr(key.font), key.characters, key.text, key.background, key.advance);
}

// Draws a character cell as the badge's layout does: left aligned,
// vertically centred, opaque background, clipped to its advance.
QImage drawCell(const Piece& piece, const CellKey& key, int drawHeight)
{
    // Nothing beyond the canvas is kept, however wide a one-piece text is.
    QImage cell(std::min(piece.advance, CanvasColumns), drawHeight, QImage::Format_ARGB32_Premultiplied);
    cell.fill(Qt::transparent);
    const QFontMetrics& metrics = piece.font->metrics;
    const int lineHeight = metrics.height();
    const int top = (drawHeight - lineHeight) / 2;
    QPainter painter(&cell);
    painter.fillRect(QRect(0, top, piece.cellWidth, lineHeight), QColor(key.background));
    painter.setFont(piece.font->font);
    painter.setPen(QColor(key.text));
    drawLine(painter, metrics, QPoint(0, top + metrics.ascent()), key.characters);
    return cell;
}

class CellCache {
public:
    explicit CellCache(int drawHeight)
        : drawHeight_(drawHeight)
    {
    }
    const QImage& get(const Piece& piece, const QString& text)
    {
        const CharFormat& format = *piece.format;
        const QRgb background = format.hasBackground ? colorOf(format.backColor).rgb() : qRgb(0, 0, 0);
        const CellKey key { piece.font, text.mid(piece.start, piece.length), colorOf(format.textColor).rgb(),
            background, piece.advance };
        auto found = cells_.constFind(key);
        if (found == cells_.constEnd())
            found = cells_.insert(key, drawCell(piece, key, drawHeight_));
        return found.value();
    }

private:
    int drawHeight_;
    QHash<CellKey, QImage> cells_;
};

// The icon files named in one text, each read once.
class IconCache {
public:
    explicit IconCache(const QString& dataDir)
        : dataDir_(dataDir)
    {
    }
    const QImage& get(int size, QStringView code)
    {
        const QString key = code.toString();
        auto found = icons_.constFind(key);
        if (found == icons_.constEnd())
            found = icons_.insert(key, LoadIconBitmap(dataDir_, size, code));
        return found.value();
    }

private:
    QString dataDir_;
    QHash<QString, QImage> icons_;
};

QImage drawCanvas(const Layout& layout, const QString& text, int drawHeight, const QString& dataDir)
{
    // Only the columns that receive drawing are made: the rest of the
    // 10000-column canvas would stay black.
    const int canvasWidth = std::clamp(layout.drawnRight, 0, CanvasColumns);
    if (canvasWidth == 0 || drawHeight == 0)
        return {};
    QImage canvas(canvasWidth, drawHeight, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    QPainter painter(&canvas);
    IconCache icons(dataDir);
    CellCache cells(drawHeight);
    for (const Piece& piece : layout.pieces) {
        if (piece.x >= canvasWidth)
            continue;
        if (piece.iconSize == 0) {
            // A cell without advance is clipped away entirely.
            if (piece.advance > 0)
                painter.drawImage(QPoint(piece.x, 0), cells.get(piece, text));
            continue;
        }
        const QImage& icon = icons.get(piece.iconSize, QStringView(text).mid(piece.start, piece.length));
        if (!icon.isNull())
            painter.drawImage(QPoint(piece.x, (drawHeight - piece.iconSize) >> 1), icon);
    }
    return canvas;
}

int horizontalPad(const ScreenGeometry& g, const TextItem& item, int width)
{
    if (isScrollingAction(item.action) || g.columns == 0)
        return 0;
    const int m = width % g.columns;
    if (m == 0)
        return 0;
    switch (item.horAlign) {
    case 1:
        return (g.columns - m) / 2;
    case 2:
        return g.columns - m;
    default:
        return 0;
    }
}

int bandTop(const ScreenGeometry& g, const TextItem& item, InkRows ink)
{
    const int offset = item.yOffset - 5;
    const int inkHeight = ink.bottom - ink.top;
    switch (item.verAlign) {
    case 0:
        return ink.top + offset;
    case 1:
        if (inkHeight >= g.rows)
            return ink.top + (inkHeight - g.rows) / 2 + offset;
        return ink.top - (g.rows - inkHeight) / 2 + offset;
    default:
        return ink.bottom - g.rows + 1 + offset;
    }
}

// The strip: the band of canvas rows from `top`, shifted right by the pad.
QImage cutStrip(const QImage& canvas, int rows, int top, int pad, int width)
{
    QImage strip(pad + width, rows, QImage::Format_RGB32);
    if (strip.isNull())
        return {};
    strip.fill(Qt::black);
    const int copied = std::min(width, canvas.width());
    if (copied <= 0)
        return strip;
    for (int y = 0; y < rows; ++y) {
        const int row = top + y;
        if (row < 0 || row >= canvas.height())
            continue;
        auto* target = reinterpret_cast<QRgb*>(strip.scanLine(y)) + pad;
        std::memcpy(target, canvas.constScanLine(row), size_t(copied) * sizeof(QRgb));
    }
    return strip;
}

} // namespace

qsizetype FittingLength(const ScreenGeometry& g, const TextItem& item, const RichText& text)
{
    FontCache& fonts = fontsOfThisThread();
    if (item.arabic != 0) {
        // One piece: the longest prefix whose width fits, found by doubling
        // and then halving, so a long text is measured only about twice over.
        const auto fits = [&](qsizetype length) {
            RichText prefix = text;
            prefix.text.truncate(length);
            return layOutWhole(prefix, fonts).width <= CanvasColumns;
        };
        if (fits(text.text.size()))
            return text.text.size();
        qsizetype low = 0;
        qsizetype high = 16;
        while (high < text.text.size() && fits(high)) {
            low = high;
            high *= 2;
        }
        high = std::min(high, text.text.size());
        while (high - low > 1) {
            const qsizetype middle = low + (high - low) / 2;
            (fits(middle) ? low : high) = middle;
        }
        return low;
    }
    const Layout layout = layOutCharacters(g, item, text, fonts);
    if (layout.width <= CanvasColumns)
        return text.text.size();
    qsizetype length = 0;
    for (const Piece& piece : layout.pieces) {
        if (piece.x + piece.advance > CanvasColumns)
            break;
        length = piece.start + piece.length;
    }
    return length;
}

QImage RasterizeText(
    const ScreenGeometry& g, const TextItem& item, const RichText& text, const QString& dataDir)
{
    FontCache& fonts = fontsOfThisThread();
    const Layout layout
        = item.arabic != 0 ? layOutWhole(text, fonts) : layOutCharacters(g, item, text, fonts);
    const QImage canvas = drawCanvas(layout, text.text, g.drawHeight, dataDir);
    // A column beyond the canvas reads as a colour that is not black: a text
    // wider than the canvas has ink in every row.
    const InkRows ink = layout.width > CanvasColumns && g.drawHeight > 0
        ? InkRows { 0, g.drawHeight - 1 }
        : FindInkRows(canvas, layout.width, g.drawHeight);
    const int pad = horizontalPad(g, item, layout.width);
    if (pad + layout.width <= 0 || g.rows == 0 || qint64(pad + layout.width) * g.rows > MaxStripLeds)
        return {};
    return cutStrip(canvas, g.rows, bandTop(g, item, ink), pad, layout.width);
}

} // namespace tessel
