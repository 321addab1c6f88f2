#include "render/RtfKeyword.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tessel {

namespace {

struct Entry {
    std::string_view word;
    RtfKeywordInfo info;
};

using K = RtfKeyword;

constexpr Entry entries[] = {
    { "ansi", { K::Ansi } },
    { "mac", { K::Mac } },
    { "pc", { K::Pc } },
    { "pca", { K::Pca } },
    { "ansicpg", { K::AnsiCodePage } },
    { "deff", { K::DefaultFont } },
    { "fonttbl", { K::FontTable } },
    { "colortbl", { K::ColorTable } },
    { "fcharset", { K::FontCharset } },
    { "cpg", { K::FontCodePage } },
    { "red", { K::Red } },
    { "green", { K::Green } },
    { "blue", { K::Blue } },
    { "plain", { K::Plain } },
    { "f", { K::Font } },
    { "fs", { K::FontSize } },
    { "b", { K::Bold } },
    { "i", { K::Italic } },
    { "ul", { K::Underline } },
    { "uld", { K::Underline } },
    { "uldash", { K::Underline } },
    { "uldashd", { K::Underline } },
    { "uldashdd", { K::Underline } },
    { "uldb", { K::Underline } },
    { "ulhwave", { K::Underline } },
    { "ulldash", { K::Underline } },
    { "ulth", { K::Underline } },
    { "ulthd", { K::Underline } },
    { "ulthdash", { K::Underline } },
    { "ulthdashd", { K::Underline } },
    { "ulthdashdd", { K::Underline } },
    { "ulthldash", { K::Underline } },
    { "ululdbwave", { K::Underline } },
    { "ulw", { K::Underline } },
    { "ulwave", { K::Underline } },
    { "ulnone", { K::UnderlineNone } },
    { "cf", { K::TextColor } },
    { "highlight", { K::Background } },
    { "cb", { K::Background } },
    { "chcbpat", { K::Background } },
    { "pard", { K::ParagraphDefault } },
    { "ql", { K::AlignLeft } },
    { "qj", { K::AlignLeft } },
    { "qd", { K::AlignLeft } },
    { "qc", { K::AlignCenter } },
    { "qr", { K::AlignRight } },
    { "rtlpar", { K::RightToLeftParagraph } },
    { "ltrpar", { K::LeftToRightParagraph } },
    { "cell", { K::CellEnd } },
    { "nestcell", { K::CellEnd } },
    { "row", { K::RowEnd } },
    { "nestrow", { K::RowEnd } },
    { "nesttableprops", { K::NestedTableProperties } },
    { "par", { K::Paragraph } },
    { "line", { K::Line } },
    { "tab", { K::Tab } },
    { "u", { K::Unicode } },
    { "uc", { K::UnicodeSkip } },
    { "emdash", { K::Character, u'\u2014' } },
    { "endash", { K::Character, u'\u2013' } },
    { "bullet", { K::Character, u'\u2022' } },
    { "lquote", { K::Character, u'\u2018' } },
    { "rquote", { K::Character, u'\u2019' } },
    { "ldblquote", { K::Character, u'\u201C' } },
    { "rdblquote", { K::Character, u'\u201D' } },
    { "emspace", { K::Character, u'\u2003' } },
    { "enspace", { K::Character, u'\u2002' } },
    { "qmspace", { K::Character, u'\u2005' } },
    { "zwj", { K::Character, u'\u200D' } },
    { "zwnj", { K::Character, u'\u200C' } },
    { "ltrmark", { K::Character, u'\u200E' } },
    { "rtlmark", { K::Character, u'\u200F' } },
    // Destinations whose content is not text of the document.
    { "info", { K::SkippedDestination } },
    { "stylesheet", { K::SkippedDestination } },
    { "pict", { K::SkippedDestination } },
    { "object", { K::SkippedDestination } },
    { "pntext", { K::SkippedDestination } },
    { "pn", { K::SkippedDestination } },
    { "listtext", { K::SkippedDestination } },
    { "fldinst", { K::SkippedDestination } },
    { "header", { K::SkippedDestination } },
    { "headerl", { K::SkippedDestination } },
    { "headerr", { K::SkippedDestination } },
    { "headerf", { K::SkippedDestination } },
    { "footer", { K::SkippedDestination } },
    { "footerl", { K::SkippedDestination } },
    { "footerr", { K::SkippedDestination } },
    { "footerf", { K::SkippedDestination } },
    { "footnote", { K::SkippedDestination } },
    { "annotation", { K::SkippedDestination } },
    { "filetbl", { K::SkippedDestination } },
    { "revtbl", { K::SkippedDestination } },
    { "rsidtbl", { K::SkippedDestination } },
    { "listtable", { K::SkippedDestination } },
    { "listoverridetable", { K::SkippedDestination } },
    { "xmlnstbl", { K::SkippedDestination } },
    { "themedata", { K::SkippedDestination } },
    { "colorschememapping", { K::SkippedDestination } },
    { "latentstyles", { K::SkippedDestination } },
    { "datastore", { K::SkippedDestination } },
    { "generator", { K::SkippedDestination } },
    { "nonshppict", { K::SkippedDestination } },
    { "shp", { K::SkippedDestination } },
    // The plain-text stand-in of a nested table, for readers that lack them.
    { "nonesttables", { K::SkippedDestination } },
};

constexpr size_t entryCount = std::size(entries);

// The table sorted by word once, for binary search without allocation.
const std::array<Entry, entryCount>& sortedEntries()
{
    static const std::array<Entry, entryCount> sorted = [] {
        std::array<Entry, entryCount> table;
        std::copy(std::begin(entries), std::end(entries), table.begin());
        std::sort(table.begin(), table.end(), [](const Entry& a, const Entry& b) { return a.word < b.word; });
        return table;
    }();
    return sorted;
}

} // namespace

RtfKeywordInfo lookUpRtfKeyword(QByteArrayView word)
{
    const std::string_view key(word.data(), static_cast<size_t>(word.size()));
    const auto& table = sortedEntries();
    const auto it = std::lower_bound(
        table.begin(), table.end(), key, [](const Entry& e, std::string_view k) { return e.word < k; });
    if (it == table.end() || it->word != key)
        return {};
    return it->info;
}

} // namespace tessel
