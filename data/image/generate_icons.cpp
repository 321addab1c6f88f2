// Builds the icon library from its text definitions.
//
// A definition file holds the icons of one size. Each icon is a header line
// "icon NAME" followed by exactly s rows of exactly s characters: '.' black,
// 'R' red, 'W' white. Blank lines and lines starting with '#' between icons
// are ignored. The icons are numbered from 000 in the order they appear.
//
// Usage:
//   generate_icons [--sheet] OUTDIR LETTER SIZE FILE [LETTER SIZE FILE ...]
//
// For every LETTER SIZE FILE triple the icons are written as uncompressed
// 24-bit bitmaps "[<LETTER>000].bmp", "[<LETTER>001].bmp", ... into
// OUTDIR/SIZE; older numbered files beyond the new count are removed so the
// numbering never shows stale icons. When several sizes are given they must
// list the same icon names in the same order, so that [A005], [B005] and
// [C005] show the same picture.
//
// With --sheet no library is written; instead OUTDIR/sheet<SIZE>.bmp shows
// all icons of each size enlarged eight times on a grey grid, ten
// icons per row, for looking the drawings over.
//
// Any fault in a definition is reported with file, line and icon name, and the
// program exits with status 1.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Rgb {
    std::uint8_t r, g, b;
};

constexpr Rgb Black{0, 0, 0};
constexpr Rgb Red{255, 0, 0};
constexpr Rgb White{255, 255, 255};

struct Icon {
    std::string name;
    int line = 0;                   // line of the header, for messages
    std::vector<std::string> rows;  // s rows of s characters
};

struct IconSet {
    char letter = 'A';
    int size = 0;
    std::string file;
    std::vector<Icon> icons;
};

// A picture of any size, top row first.
struct Canvas {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;

    Canvas(int w, int h, Rgb fill) : width(w), height(h), pixels(std::size_t(w) * std::size_t(h), fill) {}
    void set(int x, int y, Rgb c) { pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)] = c; }
    Rgb at(int x, int y) const { return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
};

int faults = 0;

// Reports a fault; after the first twenty only the count goes on.
bool fail(const std::string& message)
{
    if (++faults <= 20)
        std::cerr << "generate_icons: " << message << '\n';
    return false;
}

std::string where(const std::string& file, int line)
{
    return file + ":" + std::to_string(line) + ": ";
}

std::string trimRight(std::string s)
{
    while (!s.empty() && (s.back() == '\r' || s.back() == ' ' || s.back() == '\t'))
        s.pop_back();
    return s;
}

bool validName(const std::string& name)
{
    if (name.empty())
        return false;
    for (char c : name) {
        bool ok = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
        if (!ok)
            return false;
    }
    return true;
}

// Reads one definition file. Every faulty icon is reported once, with the
// first fault found in it, so that one slip does not bury the others.
bool readSet(IconSet& set)
{
    std::ifstream in(set.file);
    if (!in)
        return fail("cannot open " + set.file);

    bool ok = true;
    Icon* current = nullptr;
    bool broken = false;  // the current icon has been reported already
    std::string raw;
    int lineNo = 0;

    auto report = [&](const std::string& message) {
        ok = fail(where(set.file, lineNo) + message);
        broken = true;
    };
    auto finish = [&]() {
        if (current && !broken && int(current->rows.size()) != set.size)
            ok = fail(where(set.file, current->line) + "icon '" + current->name + "' has " +
                      std::to_string(current->rows.size()) + " rows, expected " + std::to_string(set.size));
        current = nullptr;
        broken = false;
    };

    while (std::getline(in, raw)) {
        ++lineNo;
        const std::string line = trimRight(raw);
        if (line.rfind("icon ", 0) == 0) {
            finish();
            const std::string name = line.substr(5);
            set.icons.push_back(Icon{name, lineNo, {}});
            current = &set.icons.back();
            if (!validName(name))
                report("bad icon name '" + name + "' (use lower-case letters, digits, '-' and '_')");
            for (std::size_t i = 0; i + 1 < set.icons.size(); ++i)
                if (set.icons[i].name == name)
                    report("icon '" + name + "' is defined twice (first at line " +
                           std::to_string(set.icons[i].line) + ")");
            continue;
        }
        if (line.empty() || line[0] == '#') {
            finish();
            continue;
        }
        if (!current) {
            ok = fail(where(set.file, lineNo) + "pixel row outside an icon (an icon starts with \"icon NAME\")");
            continue;
        }
        if (broken)
            continue;
        const std::string icon = "icon '" + current->name + "' ";
        if (int(current->rows.size()) == set.size) {
            report(icon + "has more than " + std::to_string(set.size) + " rows");
            continue;
        }
        if (int(line.size()) != set.size) {
            report(icon + "row " + std::to_string(current->rows.size() + 1) + " has " +
                   std::to_string(line.size()) + " characters, expected " + std::to_string(set.size));
            continue;
        }
        const std::size_t bad = line.find_first_not_of(".RW");
        if (bad != std::string::npos) {
            report(icon + "column " + std::to_string(bad + 1) + ": character '" + line.substr(bad, 1) +
                   "' is not '.', 'R' or 'W'");
            continue;
        }
        current->rows.push_back(line);
    }
    finish();

    if (ok && set.icons.empty())
        ok = fail(set.file + ": no icons defined");
    if (ok && set.icons.size() > 100)
        ok = fail(set.file + ": " + std::to_string(set.icons.size()) + " icons, but codes only go up to 099");
    return ok;
}

Rgb colourOf(char c)
{
    return c == 'R' ? Red : c == 'W' ? White : Black;
}

void put16(std::vector<std::uint8_t>& out, unsigned v)
{
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(std::uint8_t(v >> (8 * i)));
}

// Uncompressed 24-bit bitmap: file header, BITMAPINFOHEADER, rows bottom-up
// in blue-green-red order, each row padded to a multiple of four bytes.
bool writeBmp(const fs::path& path, const Canvas& canvas)
{
    const std::uint32_t rowBytes = (std::uint32_t(canvas.width) * 3 + 3) & ~3u;
    const std::uint32_t dataBytes = rowBytes * std::uint32_t(canvas.height);
    const std::uint32_t headerBytes = 14 + 40;

    std::vector<std::uint8_t> out;
    out.reserve(headerBytes + dataBytes);
    out.push_back('B');
    out.push_back('M');
    put32(out, headerBytes + dataBytes);
    put32(out, 0);
    put32(out, headerBytes);

    put32(out, 40);
    put32(out, std::uint32_t(canvas.width));
    put32(out, std::uint32_t(canvas.height));  // positive: bottom-up
    put16(out, 1);                             // planes
    put16(out, 24);                            // bits per pixel
    put32(out, 0);                             // BI_RGB
    put32(out, dataBytes);
    put32(out, 2835);                          // 72 dpi
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);

    for (int y = canvas.height - 1; y >= 0; --y) {
        for (int x = 0; x < canvas.width; ++x) {
            Rgb c = canvas.at(x, y);
            out.push_back(c.b);
            out.push_back(c.g);
            out.push_back(c.r);
        }
        for (std::uint32_t i = std::uint32_t(canvas.width) * 3; i < rowBytes; ++i)
            out.push_back(0);
    }

    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(out.data()), std::streamsize(out.size()));
    file.close();
    if (!file)
        return fail("cannot write " + path.string());
    return true;
}

std::string iconFileName(char letter, std::size_t number)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "[%c%03u].bmp", letter, unsigned(number));
    return buf;
}

// True for names of the form "[<letter>ddd].bmp"; sets the number.
bool isIconFileName(const std::string& name, char letter, std::size_t& number)
{
    if (name.size() != 10 || name[0] != '[' || name[1] != letter || name[5] != ']' || name.substr(6) != ".bmp")
        return false;
    number = 0;
    for (int i = 2; i < 5; ++i) {
        if (name[i] < '0' || name[i] > '9')
            return false;
        number = number * 10 + std::size_t(name[i] - '0');
    }
    return true;
}

bool writeLibrary(const fs::path& outDir, const IconSet& set)
{
    fs::path dir = outDir / std::to_string(set.size);
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec)
        return fail("cannot create " + dir.string() + ": " + ec.message());

    for (std::size_t n = 0; n < set.icons.size(); ++n) {
        Canvas canvas(set.size, set.size, Black);
        for (int y = 0; y < set.size; ++y)
            for (int x = 0; x < set.size; ++x)
                canvas.set(x, y, colourOf(set.icons[n].rows[std::size_t(y)][std::size_t(x)]));
        if (!writeBmp(dir / iconFileName(set.letter, n), canvas))
            return false;
    }

    // Icons removed from the definitions must not linger in the library.
    for (const fs::directory_entry& entry : fs::directory_iterator(dir, ec)) {
        std::size_t number = 0;
        if (entry.is_regular_file() && isIconFileName(entry.path().filename().string(), set.letter, number) &&
            number >= set.icons.size())
            fs::remove(entry.path(), ec);
    }
    return true;
}

// All icons of a set enlarged eight times, ten per row. Every pixel is
// framed by a dark grey line and the icons are separated by light grey gutters.
bool writeSheet(const fs::path& sheetDir, const IconSet& set)
{
    constexpr int Zoom = 8;
    constexpr int PerRow = 10;
    constexpr int Gutter = 8;
    constexpr Rgb PixelLine{64, 64, 64};
    constexpr Rgb GutterGrey{160, 160, 160};

    const int count = int(set.icons.size());
    const int columns = count < PerRow ? count : PerRow;
    const int rows = (count + PerRow - 1) / PerRow;
    const int cell = set.size * Zoom + Gutter;
    Canvas sheet(Gutter + columns * cell, Gutter + rows * cell, GutterGrey);

    for (int n = 0; n < count; ++n) {
        const int ox = Gutter + (n % PerRow) * cell;
        const int oy = Gutter + (n / PerRow) * cell;
        const Icon& icon = set.icons[std::size_t(n)];
        for (int y = 0; y < set.size * Zoom; ++y)
            for (int x = 0; x < set.size * Zoom; ++x) {
                bool line = x % Zoom == 0 || y % Zoom == 0;
                Rgb c = colourOf(icon.rows[std::size_t(y / Zoom)][std::size_t(x / Zoom)]);
                sheet.set(ox + x, oy + y, line ? PixelLine : c);
            }
    }

    std::error_code ec;
    fs::create_directories(sheetDir, ec);
    if (ec)
        return fail("cannot create " + sheetDir.string() + ": " + ec.message());
    return writeBmp(sheetDir / ("sheet" + std::to_string(set.size) + ".bmp"), sheet);
}

bool sameSubjects(const std::vector<IconSet>& sets)
{
    bool ok = true;
    const IconSet& first = sets.front();
    for (std::size_t s = 1; s < sets.size(); ++s) {
        const IconSet& other = sets[s];
        std::size_t common = std::min(first.icons.size(), other.icons.size());
        for (std::size_t i = 0; i < common; ++i)
            if (first.icons[i].name != other.icons[i].name) {
                ok = fail(where(other.file, other.icons[i].line) + "icon " + std::to_string(i) + " is '" +
                          other.icons[i].name + "' but in " + first.file + " it is '" + first.icons[i].name + "'");
                break;
            }
        if (ok && first.icons.size() != other.icons.size())
            ok = fail(other.file + " defines " + std::to_string(other.icons.size()) + " icons, " + first.file +
                      " defines " + std::to_string(first.icons.size()));
    }
    return ok;
}

int usage()
{
    std::cerr << "usage: generate_icons [--sheet] OUTDIR LETTER SIZE FILE [LETTER SIZE FILE ...]\n";
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    bool sheet = false;
    if (!args.empty() && args[0] == "--sheet") {
        sheet = true;
        args.erase(args.begin());
    }
    if (args.size() < 4 || (args.size() - 1) % 3 != 0)
        return usage();

    const fs::path outDir = args[0];
    std::vector<IconSet> sets;
    for (std::size_t i = 1; i < args.size(); i += 3) {
        IconSet set;
        if (args[i].size() != 1 || args[i][0] < 'A' || args[i][0] > 'Z')
            return usage();
        set.letter = args[i][0];
        try {
            set.size = std::stoi(args[i + 1]);
        } catch (...) {
            return usage();
        }
        if (set.size < 1 || set.size > 64)
            return usage();
        set.file = args[i + 2];
        sets.push_back(set);
    }

    bool ok = true;
    for (IconSet& set : sets)
        ok = readSet(set) && ok;
    if (ok)
        ok = sameSubjects(sets);
    if (!ok) {
        if (faults > 20)
            std::cerr << "generate_icons: " << faults - 20 << " more faults not shown\n";
        return 1;
    }

    for (const IconSet& set : sets) {
        bool written = sheet ? writeSheet(outDir, set) : writeLibrary(outDir, set);
        if (!written)
            return 1;
    }
    return 0;
}
