// Reading and writing files: byte-order marks, declared encodings, detection,
// and saves that fail without harm.
#include "markup/MarkupDocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

namespace tessel {
namespace {

class MarkupFile : public ::testing::Test {
protected:
    QString write(const QByteArray& bytes)
    {
        const QString path = dir_.filePath(QStringLiteral("doc.xml"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }

    QByteArray read(const QString& path)
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    QString load(const QByteArray& bytes)
    {
        EXPECT_TRUE(doc_.loadFile(write(bytes)));
        return doc_.text();
    }

    QStringList entries() const
    {
        return QDir(dir_.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    void link(const char* target, const QString& name)
    {
        ASSERT_EQ(::symlink(target, QFile::encodeName(dir_.filePath(name)).constData()), 0)
            << qPrintable(name);
    }

    QTemporaryDir dir_;
    MarkupDocument doc_;
};

TEST_F(MarkupFile, ByteOrderMarks)
{
    EXPECT_EQ(load("\xEF\xBB\xBF<a>\xC3\xA9</a>"), u"<a>\u00E9</a>");
    EXPECT_TRUE(doc_.resultLog().startsWith(u"<bom/>"));

    EXPECT_EQ(load(QByteArray("\xFF\xFE<\0a\0/\0>\0\xE9\0", 12)), u"<a/>\u00E9");
    EXPECT_TRUE(doc_.resultLog().contains(u"<read encoding=\"UTF-16LE\" length=\"10\"/>"));
    EXPECT_TRUE(doc_.findElement(QStringLiteral("a")));

    EXPECT_EQ(load(QByteArray("\xFE\xFF\0<\0a\0/\0>\0\0\x20\xAC", 14)), u"<a/>\u20AC");
    EXPECT_TRUE(doc_.resultLog().contains(u"<nulls_removed count=\"1\"/><endian_swap/>"));

    // A truncated last unit is dropped and noted.
    EXPECT_EQ(load(QByteArray("\xFF\xFE<\0a\0/\0>\0x", 11)), u"<a/>");
    EXPECT_TRUE(doc_.resultLog().contains(u"<truncation_error encoding=\"UTF-16\"/>"));
}

TEST_F(MarkupFile, DeclaredEncodings)
{
    EXPECT_EQ(load("<?xml version=\"1.0\" encoding=\"windows-1252\"?><a>\x80\xE9</a>"),
        u"<?xml version=\"1.0\" encoding=\"windows-1252\"?><a>\u20AC\u00E9</a>");
    EXPECT_FALSE(doc_.resultLog().contains(u"utf8_detection"));
    EXPECT_TRUE(doc_.resultLog().contains(u"<converted_to encoding=\"UTF-16\" length=\"54\"/>"));

    EXPECT_TRUE(load("<?xml version='1.0' encoding='GB2312'?><a>\xC4\xE3</a>").endsWith(u"<a>\u4F60</a>"));

    EXPECT_TRUE(load("<html><head><title>t</title><meta http-equiv=\"Content-Type\" "
                     "content=\"text/html; charset=big5\"></head></html>\xA4\xA4")
                    .endsWith(u"\u00A4\u00A4"))
        << "the search stops at the first element that is not html, head or meta";
    EXPECT_TRUE(load("<HTML><HEAD><META HTTP-EQUIV=\"content-type\" CONTENT=\"text/html; charset=big5\">"
                     "</HEAD></HTML>\xA4\xA4")
                    .endsWith(u"\u4E2D"));
}

TEST_F(MarkupFile, DetectionAndAnsiFallback)
{
    EXPECT_EQ(load("<a>\xE4\xB8\xAD</a>"), u"<a>\u4E2D</a>");
    EXPECT_TRUE(doc_.resultLog().contains(u"<utf8_detection/><read encoding=\"UTF-8\" length=\"10\"/>"));

    EXPECT_EQ(load("<a>\xE9t\xE9</a>"), u"<a>\u00E9t\u00E9</a>");
    EXPECT_TRUE(doc_.resultLog().contains(u"<read encoding=\"ANSI\""));

    doc_.setAnsiCodePage(936);
    EXPECT_EQ(load("<a>\xC4\xE3</a>"), u"<a>\u4F60</a>");
    // An unknown declared name also means the ANSI code page.
    EXPECT_EQ(
        load("<?xml encoding=\"no-such\"?><a>\xC4\xE3</a>"), u"<?xml encoding=\"no-such\"?><a>\u4F60</a>");
}

TEST_F(MarkupFile, NulBytesAreRemoved)
{
    EXPECT_EQ(load(QByteArray("<a>\0x\0</a>\0", 11)), u"<a>x</a>");
    EXPECT_TRUE(doc_.resultLog().contains(u"<nulls_removed count=\"3\"/>"));
}

TEST_F(MarkupFile, MissingFileOrFolder)
{
    EXPECT_FALSE(doc_.loadFile(dir_.filePath(QStringLiteral("none.xml"))));
    EXPECT_TRUE(doc_.text().isEmpty());
    EXPECT_TRUE(doc_.resultLog().startsWith(u"<file_error msg=\"No such file or directory\" n=\"2\"/>"))
        << qPrintable(doc_.resultLog());
    EXPECT_FALSE(doc_.loadFile(dir_.path()));
    EXPECT_TRUE(doc_.resultLog().contains(u"n=\"21\"")) << "EISDIR";
}

TEST_F(MarkupFile, SaveWritesTheDeclaredEncoding)
{
    const QString path = dir_.filePath(QStringLiteral("out.xml"));
    doc_.setText(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><a v=\"\u00E9\"/>\r\n"));
    ASSERT_TRUE(doc_.saveFile(path));
    EXPECT_EQ(read(path), "<?xml version=\"1.0\" encoding=\"UTF-8\"?><a v=\"\xC3\xA9\"/>\r\n");
    EXPECT_TRUE(doc_.resultLog().endsWith(u"<write encoding=\"UTF-8\" length=\"51\"/>"));

    doc_.setText(QStringLiteral("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a>\u00E9\u4E2D</a>"));
    ASSERT_TRUE(doc_.saveFile(path));
    EXPECT_TRUE(read(path).endsWith("<a>\xE9?</a>"));
    EXPECT_TRUE(doc_.resultLog().contains(u"<conversion_loss/>"));

    // No declaration: UTF-8.
    doc_.setText(QStringLiteral("<a>\u4E2D</a>"));
    ASSERT_TRUE(doc_.saveFile(path));
    EXPECT_EQ(read(path), "<a>\xE4\xB8\xAD</a>");
    MarkupDocument back;
    ASSERT_TRUE(back.loadFile(path));
    EXPECT_EQ(back.text(), doc_.text());
}

TEST_F(MarkupFile, SaveKeepsPermissionsOfTheReplacedFile)
{
    const QString path = write("old");
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
    doc_.setText(QStringLiteral("<a/>"));
    ASSERT_TRUE(doc_.saveFile(path));
    EXPECT_EQ(read(path), "<a/>");
    EXPECT_EQ(QFileInfo(path).permissions() & 0x0FFF & ~0x0F00,
        (QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup) & 0x0FF);
}

TEST_F(MarkupFile, FailedSaveLeavesNothingBehind)
{
    doc_.setText(QStringLiteral("<a/>"));
    EXPECT_FALSE(doc_.saveFile(dir_.filePath(QStringLiteral("missing/out.xml"))));
    EXPECT_TRUE(doc_.resultLog().contains(u"<file_error msg=\"No such file or directory\" n=\"2\"/>"));

    const QString folder = dir_.filePath(QStringLiteral("target"));
    ASSERT_TRUE(QDir().mkdir(folder));
    EXPECT_FALSE(doc_.saveFile(folder));
    EXPECT_TRUE(doc_.resultLog().contains(u"file_error"));
    EXPECT_TRUE(QFileInfo(folder).isDir());

    const QString file = write("keep");
    EXPECT_FALSE(doc_.saveFile(file + QStringLiteral("/below.xml"))) << "a file is no folder";
    EXPECT_EQ(read(file), "keep");
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList({ QStringLiteral("doc.xml"), QStringLiteral("target") }));
}

TEST_F(MarkupFile, SaveThroughLinksReplacesTheFileAtTheEnd)
{
    // first -> sub/middle -> ../doc.xml, each link relative to its own folder.
    const QString real = write("old");
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("sub")));
    link("../doc.xml", QStringLiteral("sub/middle"));
    link("sub/middle", QStringLiteral("first"));
    doc_.setText(QStringLiteral("<a/>"));
    ASSERT_TRUE(doc_.saveFile(dir_.filePath(QStringLiteral("first")))) << qPrintable(doc_.resultLog());
    EXPECT_EQ(read(real), "<a/>");
    EXPECT_TRUE(QFileInfo(dir_.filePath(QStringLiteral("first"))).isSymLink());
    EXPECT_TRUE(QFileInfo(dir_.filePath(QStringLiteral("sub/middle"))).isSymLink());

    // A link to nothing names the file the save creates.
    link("sub/new.xml", QStringLiteral("dangling"));
    ASSERT_TRUE(doc_.saveFile(dir_.filePath(QStringLiteral("dangling"))));
    EXPECT_EQ(read(dir_.filePath(QStringLiteral("sub/new.xml"))), "<a/>");
    EXPECT_TRUE(QFileInfo(dir_.filePath(QStringLiteral("dangling"))).isSymLink());

    // Links in a circle lead nowhere: nothing is written.
    link("loop2", QStringLiteral("loop1"));
    link("loop1", QStringLiteral("loop2"));
    EXPECT_FALSE(doc_.saveFile(dir_.filePath(QStringLiteral("loop1"))));
    EXPECT_TRUE(doc_.resultLog().contains(u"n=\"40\"")) << "ELOOP";
    EXPECT_EQ(entries(),
        QStringList({ QStringLiteral("dangling"), QStringLiteral("doc.xml"), QStringLiteral("first"),
            QStringLiteral("loop1"), QStringLiteral("loop2"), QStringLiteral("sub") }));
}

TEST_F(MarkupFile, SaveRemovesOnlyItsOwnLeftovers)
{
    write("old");
    // What a save killed halfway leaves: its temporary files.
    const QStringList leftovers { QStringLiteral(".doc.xml.tessel-abc123"),
        QStringLiteral(".doc.xml.tessel-Z9z9Z9") };
    // Names close to them, and entries of that name that are no plain file.
    const QStringList kept { QStringLiteral(".doc.xml.tessel-abc12"),
        QStringLiteral(".doc.xml.tessel-abc1234"), QStringLiteral(".doc.xml.tessel-abc-12"),
        QStringLiteral(".doc.xml.abc123"), QStringLiteral(".doc.xm.tessel-abc123"),
        QStringLiteral("doc.xml.tessel-abc123"), QStringLiteral(".doc.xml.backup"),
        QStringLiteral(".doc.xml.tessel-held12") };
    for (const QString& name : leftovers + kept) {
        QFile file(dir_.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral(".doc.xml.tessel-dir123")));
    link("doc.xml", QStringLiteral(".doc.xml.tessel-lnk123"));
    // A save still running holds its temporary file locked.
    const int held = ::open(
        QFile::encodeName(dir_.filePath(QStringLiteral(".doc.xml.tessel-held12"))).constData(), O_RDONLY);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);

    doc_.setText(QStringLiteral("<a/>"));
    ASSERT_TRUE(doc_.saveFile(dir_.filePath(QStringLiteral("doc.xml"))));
    ::close(held);
    QStringList expected = kept;
    expected << QStringLiteral(".doc.xml.tessel-dir123") << QStringLiteral(".doc.xml.tessel-lnk123")
             << QStringLiteral("doc.xml");
    expected.sort();
    EXPECT_EQ(entries(), expected);
    EXPECT_EQ(read(dir_.filePath(QStringLiteral("doc.xml"))), "<a/>");
}

TEST_F(MarkupFile, ResaveKeepsTheBytesOfEveryEncoding)
{
    const QByteArray files[] = {
        // Ends in a shifted state: the closing sequence must be written.
        "<?xml version=\"1.0\" encoding=\"ISO-2022-JP\"?><a/>\x1B$BF|\x1B(B",
        // Bytes that Windows-1252 leaves undefined.
        "<?xml version=\"1.0\" encoding=\"windows-1252\"?><a>\x81\x8D\x8F\x90\x9D\x80</a>",
    };
    for (const QByteArray& bytes : files) {
        const QString path = write(bytes);
        ASSERT_TRUE(doc_.loadFile(path));
        ASSERT_TRUE(doc_.saveFile(path));
        EXPECT_EQ(read(path), bytes);
        EXPECT_FALSE(doc_.resultLog().contains(u"conversion_loss")) << bytes.constData();
    }
}

TEST_F(MarkupFile, SetBytesDecodesLikeLoadFile)
{
    MarkupDocument doc;
    EXPECT_TRUE(doc.setBytes("\xEF\xBB\xBF<a/>"));
    EXPECT_EQ(doc.text(), u"<a/>");
    EXPECT_TRUE(doc.findElement(QStringLiteral("a")));
}

} // namespace
} // namespace tessel
