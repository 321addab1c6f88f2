// The icon library beside the binaries: every icon file loads at its size,
// is drawn only in black, red and white, and the three sizes offer the same
// numbered set without gaps.
#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

#include <map>
#include <ostream>

namespace {

struct IconFolder {
    int size;
    char letter;
};

constexpr IconFolder Folders[] = {{12, 'A'}, {14, 'B'}, {16, 'C'}};

void PrintTo(const IconFolder& folder, std::ostream* os)
{
    *os << folder.size << " px icons [" << folder.letter << "nnn]";
}

QString folderPath(int size)
{
    return QStringLiteral(TESSEL_BIN_DIR "/image/%1").arg(size);
}

// The numbers of the icon files "[<letter>ddd].bmp" in the folder, and any
// other .bmp files found there.
struct Listing {
    std::map<int, QString> numbered;
    QStringList strays;
};

Listing listFolder(const IconFolder& folder)
{
    Listing listing;
    const QRegularExpression pattern(
        QStringLiteral("^\\[%1(\\d{3})\\]\\.bmp$").arg(QChar(folder.letter)));
    const QStringList files = QDir(folderPath(folder.size)).entryList({"*.bmp"}, QDir::Files, QDir::Name);
    for (const QString& name : files) {
        const QRegularExpressionMatch m = pattern.match(name);
        if (m.hasMatch())
            listing.numbered[m.captured(1).toInt()] = name;
        else
            listing.strays << name;
    }
    return listing;
}

class IconLibrary : public ::testing::TestWithParam<IconFolder> {};

TEST_P(IconLibrary, FolderHoldsANumberedSetWithoutGaps)
{
    const IconFolder folder = GetParam();
    ASSERT_TRUE(QDir(folderPath(folder.size)).exists())
        << "icon folder " << folderPath(folder.size).toStdString()
        << " is missing: build the target tessel_icons first";

    const Listing listing = listFolder(folder);
    EXPECT_TRUE(listing.strays.isEmpty()) << "unexpected files: " << listing.strays.join(", ").toStdString();
    ASSERT_GE(listing.numbered.size(), 30u);
    EXPECT_LE(listing.numbered.size(), 100u) << "the insert-icon pages offer only 000-099";

    int expected = 0;
    for (const auto& [number, name] : listing.numbered) {
        ASSERT_EQ(number, expected) << "numbering has a gap before " << name.toStdString();
        ++expected;
    }
}

TEST_P(IconLibrary, EveryIconIsSquareOfItsSizeInBlackRedAndWhite)
{
    const IconFolder folder = GetParam();
    ASSERT_TRUE(QDir(folderPath(folder.size)).exists())
        << "icon folder " << folderPath(folder.size).toStdString() << " is missing";

    const QRgb black = qRgb(0, 0, 0), red = qRgb(255, 0, 0), white = qRgb(255, 255, 255);
    for (const auto& [number, name] : listFolder(folder).numbered) {
        SCOPED_TRACE(name.toStdString());
        const QImage image(folderPath(folder.size) + "/" + name);
        ASSERT_FALSE(image.isNull()) << "does not load";
        ASSERT_EQ(image.width(), folder.size);
        ASSERT_EQ(image.height(), folder.size);

        int lit = 0;
        bool litOnEdge = false;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y) | 0xFF000000u;
                ASSERT_TRUE(p == black || p == red || p == white)
                    << "pixel (" << x << ", " << y << ") has colour " << std::hex << (p & 0xFFFFFF);
                if (p != black) {
                    ++lit;
                    litOnEdge = litOnEdge || x == 0 || y == 0 || x == folder.size - 1 || y == folder.size - 1;
                }
            }
        // An icon that lights nothing would vanish from the text; one that
        // lights its outermost pixels would run into the characters beside it.
        EXPECT_GT(lit, 0) << "icon is blank";
        EXPECT_FALSE(litOnEdge) << "icon leaves no margin";
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, IconLibrary, ::testing::ValuesIn(Folders),
                         [](const ::testing::TestParamInfo<IconFolder>& info) {
                             return "Size" + std::to_string(info.param.size);
                         });

TEST(IconLibrarySizes, AllSizesOfferTheSameNumberOfIcons)
{
    const std::size_t count12 = listFolder(Folders[0]).numbered.size();
    ASSERT_GE(count12, 30u) << "icon folder " << folderPath(12).toStdString() << " missing or short";
    EXPECT_EQ(listFolder(Folders[1]).numbered.size(), count12);
    EXPECT_EQ(listFolder(Folders[2]).numbered.size(), count12);
}

} // namespace
