// The one file writer against what a hostile world puts in its way: full
// disks, devices and FIFOs, other users' links, read-only and shared files.
#include "storage/FileReader.h"
#include "storage/FileWriter.h"
#include "support/FifoReader.h"
#include "support/SmallDisk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <vector>

namespace tessel {
namespace {

std::string local(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

struct stat statOf(const QString& path)
{
    struct stat info { };
    EXPECT_EQ(::lstat(local(path).c_str(), &info), 0) << qPrintable(path);
    return info;
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
    return file.readAll();
}

void put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// The unprivileged account the tests act as, when they run as root.
const passwd* nobody()
{
    return ::getpwnam("nobody");
}

// Acts as `nobody` (its own group alone) while it lives; only root can.
class ActingAsNobody {
public:
    ActingAsNobody()
    {
        groups_.resize(static_cast<size_t>(::getgroups(0, nullptr)));
        ::getgroups(static_cast<int>(groups_.size()), groups_.data());
        const passwd* user = nobody();
        acting_ = user && ::setgroups(0, nullptr) == 0 && ::setegid(user->pw_gid) == 0
            && ::seteuid(user->pw_uid) == 0;
    }
    ~ActingAsNobody()
    {
        ::seteuid(0);
        ::setegid(0);
        ::setgroups(groups_.size(), groups_.data());
    }
    bool acting() const { return acting_; }

private:
    std::vector<gid_t> groups_;
    bool acting_ = false;
};

class FileWriterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        // Other users must reach the folders made below it.
        ::chmod(local(dir_.path()).c_str(), 0755);
    }

    QString path(const QString& name) const { return dir_.filePath(name); }

    QStringList entries(const QString& folder) const
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    static bool root() { return ::geteuid() == 0; }

    QTemporaryDir dir_;
};

TEST_F(FileWriterTest, ReplacesTheFileKeepingModeGroupAndOwner)
{
    const QString file = path(QStringLiteral("a.led"));
    put(file, "old");
    ASSERT_EQ(::chmod(local(file).c_str(), 0640), 0);
    if (root() && nobody())
        ASSERT_EQ(::chown(local(file).c_str(), nobody()->pw_uid, nobody()->pw_gid), 0);
    const struct stat before = statOf(file);

    FileError error;
    ASSERT_TRUE(writeFile(file, "new", error)) << qPrintable(error.message);
    const struct stat after = statOf(file);
    EXPECT_EQ(contentOf(file), "new");
    EXPECT_NE(after.st_ino, before.st_ino) << "replaced, not rewritten";
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_EQ(entries(dir_.path()), QStringList { QStringLiteral("a.led") });
}

TEST_F(FileWriterTest, NewFilesTakeTheUmask)
{
    const mode_t saved = ::umask(027);
    FileError error;
    EXPECT_TRUE(writeFile(path(QStringLiteral("masked")), "x", error));
    ::umask(0);
    EXPECT_TRUE(writeFile(path(QStringLiteral("open")), "x", error));
    ::umask(saved);
    EXPECT_EQ(statOf(path(QStringLiteral("masked"))).st_mode & 07777, 0640u);
    EXPECT_EQ(statOf(path(QStringLiteral("open"))).st_mode & 07777, 0666u);
}

TEST_F(FileWriterTest, AWriteNotCommittedLeavesTheOldFile)
{
    const QString file = path(QStringLiteral("a.led"));
    put(file, "old");
    {
        FileWriter writer;
        ASSERT_TRUE(writer.open(file));
        ASSERT_TRUE(writer.write("half"));
    }
    EXPECT_EQ(contentOf(file), "old");
    EXPECT_EQ(entries(dir_.path()), QStringList { QStringLiteral("a.led") });

    FileError error;
    EXPECT_FALSE(writeFile(dir_.path(), "x", error));
    EXPECT_EQ(error.code, EISDIR);
    EXPECT_FALSE(writeFile(path(QStringLiteral("missing/b.led")), "x", error));
    EXPECT_EQ(error.message, QStringLiteral("No such file or directory"));
}

// A small file system that fills up: the save fails with the system's
// reason, and every kind of file stays as it was.
TEST_F(FileWriterTest, AFullDiskLeavesTheOldFileAndNoTemporaryFile)
{
    const QString disk = path(QStringLiteral("disk"));
    ASSERT_TRUE(QDir().mkdir(disk));
    const test::SmallDisk small(disk, "64k");
    if (!small.mounted())
        GTEST_SKIP() << "a small tmpfs cannot be mounted here: " << small.why();

    const QString file = disk + QStringLiteral("/a.led");
    const QString linked = disk + QStringLiteral("/b.led");
    put(file, "old content");
    const QByteArray large(1024 * 1024, 'x');
    FileError error;
    EXPECT_FALSE(writeFile(file, large, error));
    EXPECT_EQ(error.code, ENOSPC);
    EXPECT_EQ(error.message, QStringLiteral("No space left on device"));
    EXPECT_EQ(contentOf(file), "old content");
    EXPECT_EQ(entries(disk), QStringList { QStringLiteral("a.led") });

    // A file with two names is rewritten in place: the space is reserved first.
    ASSERT_EQ(::link(local(file).c_str(), local(linked).c_str()), 0);
    error = {};
    EXPECT_FALSE(writeFile(file, large, error));
    EXPECT_EQ(error.code, ENOSPC);
    EXPECT_EQ(contentOf(file), "old content");
    EXPECT_EQ(statOf(file).st_size, 11);
    EXPECT_EQ(entries(disk), QStringList({ QStringLiteral("a.led"), QStringLiteral("b.led") }));
}

TEST_F(FileWriterTest, DevicesAndFifosAreWrittenInPlace)
{
    if (!root())
        GTEST_SKIP() << "only root may make device nodes";
    // The system's null device under another name.
    const QString null = path(QStringLiteral("null"));
    ASSERT_EQ(::mknod(local(null).c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
    FileError error;
    EXPECT_TRUE(writeFile(null, "gone", error)) << qPrintable(error.message);
    EXPECT_TRUE(S_ISCHR(statOf(null).st_mode));
    EXPECT_EQ(statOf(null).st_rdev, makedev(1, 3));

    // A block device with no driver behind it: the write fails, the node stays.
    const QString block = path(QStringLiteral("block"));
    ASSERT_EQ(::mknod(local(block).c_str(), S_IFBLK | 0600, makedev(240, 250)), 0);
    EXPECT_FALSE(writeFile(block, "x", error));
    EXPECT_EQ(error.code, ENXIO);
    EXPECT_TRUE(S_ISBLK(statOf(block).st_mode));

    // A FIFO hands the bytes to its reader.
    const QString fifo = path(QStringLiteral("fifo"));
    test::FifoReader reader(fifo);
    ASSERT_TRUE(reader.made());
    EXPECT_TRUE(writeFile(fifo, "through the pipe", error)) << qPrintable(error.message);
    EXPECT_EQ(reader.received(), "through the pipe");
    EXPECT_TRUE(S_ISFIFO(statOf(fifo).st_mode));
    EXPECT_EQ(entries(dir_.path()),
        QStringList({ QStringLiteral("block"), QStringLiteral("fifo"), QStringLiteral("null") }));
}

TEST_F(FileWriterTest, DashIsStandardOutputWhenAsked)
{
    const QString captured = path(QStringLiteral("stdout"));
    put(captured, "");
    const int saved = ::dup(STDOUT_FILENO);
    const int out = ::open(local(captured).c_str(), O_WRONLY);
    ASSERT_GE(out, 0);
    ::dup2(out, STDOUT_FILENO);
    ::close(out);
    FileError error;
    const bool written = writeFile(QStringLiteral("-"), "to standard output", error, DashPath::StandardOutput);
    ::dup2(saved, STDOUT_FILENO);
    ::close(saved);
    EXPECT_TRUE(written);
    EXPECT_EQ(contentOf(captured), "to standard output");
    EXPECT_FALSE(QFile::exists(QStringLiteral("-")));
}

// A link planted in a shared sticky folder by another user may not redirect
// a save, however the system itself is set.
TEST_F(FileWriterTest, LinksInSharedFoldersCountOnlyFromTheirOwners)
{
    if (!root() || !nobody())
        GTEST_SKIP() << "only root may give a link to another user";
    const QString victim = path(QStringLiteral("notes.txt"));
    put(victim, "the victim's notes");
    const QString shared = path(QStringLiteral("shared"));
    ASSERT_TRUE(QDir().mkdir(shared));
    ASSERT_EQ(::chmod(local(shared).c_str(), 01777), 0);
    const auto plant = [&](const QString& name, uid_t owner) {
        const QString link = shared + u'/' + name;
        EXPECT_EQ(::symlink(local(victim).c_str(), local(link).c_str()), 0);
        EXPECT_EQ(::lchown(local(link).c_str(), owner, static_cast<gid_t>(-1)), 0);
        return link;
    };

    const QString planted = plant(QStringLiteral("badge.led"), nobody()->pw_uid);
    FileError error;
    EXPECT_FALSE(writeFile(planted, "redirected", error));
    EXPECT_EQ(error.code, EACCES);
    EXPECT_EQ(error.refusedLink, planted);
    EXPECT_TRUE(error.message.startsWith(QStringLiteral("Permission denied")));
    EXPECT_EQ(contentOf(victim), "the victim's notes");
    EXPECT_EQ(entries(shared), QStringList { QStringLiteral("badge.led") });

    // The user's own link is followed; so is one by the folder's owner.
    const QString own = plant(QStringLiteral("own.led"), ::geteuid());
    EXPECT_TRUE(writeFile(own, "mine", error));
    EXPECT_EQ(contentOf(victim), "mine");
    ASSERT_EQ(::chown(local(shared).c_str(), nobody()->pw_uid, static_cast<gid_t>(-1)), 0);
    EXPECT_TRUE(writeFile(planted, "the folder's owner", error)) << qPrintable(error.message);
    EXPECT_EQ(contentOf(victim), "the folder's owner");
    EXPECT_TRUE(S_ISLNK(statOf(planted).st_mode));

    // Outside a sticky folder anyone's link counts.
    ASSERT_EQ(::chmod(local(shared).c_str(), 0777), 0);
    ASSERT_EQ(::chown(local(shared).c_str(), 0, static_cast<gid_t>(-1)), 0);
    EXPECT_TRUE(writeFile(planted, "plain folder", error));
    EXPECT_EQ(contentOf(victim), "plain folder");
}

TEST_F(FileWriterTest, AReadOnlyFileIsRefusedAsTheSystemRefusesIt)
{
    const QString folder = path(QStringLiteral("own"));
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString file = folder + QStringLiteral("/a.led");
    put(file, "read only");
    ASSERT_EQ(::chmod(local(file).c_str(), 0444), 0);
    const bool asRoot = root();
    if (asRoot) {
        if (!nobody())
            GTEST_SKIP() << "root writes any file, and there is no other user to be";
        ASSERT_EQ(::chown(local(folder).c_str(), nobody()->pw_uid, nobody()->pw_gid), 0);
        ASSERT_EQ(::chown(local(file).c_str(), nobody()->pw_uid, nobody()->pw_gid), 0);
    }
    FileError error;
    {
        const ActingAsNobody as;
        if (asRoot && !as.acting())
            GTEST_SKIP() << "cannot act as another user";
        EXPECT_FALSE(writeFile(file, "new", error));
    }
    EXPECT_EQ(error.code, EACCES);
    EXPECT_EQ(error.message, QStringLiteral("Permission denied"));
    EXPECT_EQ(contentOf(file), "read only");
    EXPECT_EQ(entries(folder), QStringList { QStringLiteral("a.led") });
}

TEST_F(FileWriterTest, HardLinksKeepSharingTheFile)
{
    const QString file = path(QStringLiteral("a.led"));
    const QString other = path(QStringLiteral("b.led"));
    put(file, "old and longer");
    ASSERT_EQ(::link(local(file).c_str(), local(other).c_str()), 0);
    const ino_t inode = statOf(file).st_ino;
    FileError error;
    ASSERT_TRUE(writeFile(file, "new", error)) << qPrintable(error.message);
    EXPECT_EQ(contentOf(other), "new");
    EXPECT_EQ(statOf(file).st_ino, inode);
    EXPECT_EQ(statOf(file).st_nlink, 2u);
    EXPECT_EQ(entries(dir_.path()), QStringList({ QStringLiteral("a.led"), QStringLiteral("b.led") }));
}

// Where a replacement could not be the same file to the others (its group),
// or cannot be made at all (a folder the user may not add to), the file the
// user may write is rewritten in place.
TEST_F(FileWriterTest, WhatAReplacementCannotKeepIsRewrittenInPlace)
{
    if (!root() || !nobody())
        GTEST_SKIP() << "needs root to set up files of another group";
    const QString folder = path(QStringLiteral("own"));
    ASSERT_TRUE(QDir().mkdir(folder));
    ASSERT_EQ(::chown(local(folder).c_str(), nobody()->pw_uid, nobody()->pw_gid), 0);
    // Root's group's file, writable by all, in nobody's folder.
    const QString groups = folder + QStringLiteral("/group.led");
    put(groups, "old");
    ASSERT_EQ(::chmod(local(groups).c_str(), 0666), 0);
    // A file nobody may write in a folder nobody may not add to.
    const QString closed = path(QStringLiteral("closed"));
    ASSERT_TRUE(QDir().mkdir(closed));
    const QString fixed = closed + QStringLiteral("/fixed.led");
    put(fixed, "old");
    ASSERT_EQ(::chown(local(fixed).c_str(), nobody()->pw_uid, nobody()->pw_gid), 0);

    FileError groupError;
    FileError folderError;
    bool groupWritten = false;
    bool folderWritten = false;
    {
        const ActingAsNobody as;
        if (!as.acting())
            GTEST_SKIP() << "cannot act as another user";
        groupWritten = writeFile(groups, "new", groupError);
        folderWritten = writeFile(fixed, "new", folderError);
    }
    EXPECT_TRUE(groupWritten) << qPrintable(groupError.message);
    EXPECT_EQ(contentOf(groups), "new");
    EXPECT_EQ(statOf(groups).st_uid, 0u);
    EXPECT_EQ(statOf(groups).st_gid, 0u);
    EXPECT_EQ(entries(folder), QStringList { QStringLiteral("group.led") });
    EXPECT_TRUE(folderWritten) << qPrintable(folderError.message);
    EXPECT_EQ(contentOf(fixed), "new");
}

// Another user's file that the saver's group may write: the replacement
// keeps the group and the mode, but no set-user-id bit for its new owner.
TEST_F(FileWriterTest, ASetUserIdBitIsNotHandedToAnotherOwner)
{
    if (!root() || !nobody())
        GTEST_SKIP() << "needs root to set up another user's file";
    const QString folder = path(QStringLiteral("own"));
    ASSERT_TRUE(QDir().mkdir(folder));
    ASSERT_EQ(::chown(local(folder).c_str(), nobody()->pw_uid, nobody()->pw_gid), 0);
    const QString file = folder + QStringLiteral("/shared.led");
    put(file, "old");
    ASSERT_EQ(::chown(local(file).c_str(), 0, nobody()->pw_gid), 0);
    ASSERT_EQ(::chmod(local(file).c_str(), 04660), 0);
    FileError error;
    bool written = false;
    {
        const ActingAsNobody as;
        if (!as.acting())
            GTEST_SKIP() << "cannot act as another user";
        written = writeFile(file, "new", error);
    }
    ASSERT_TRUE(written) << qPrintable(error.message);
    EXPECT_EQ(contentOf(file), "new");
    EXPECT_EQ(statOf(file).st_uid, nobody()->pw_uid);
    EXPECT_EQ(statOf(file).st_gid, nobody()->pw_gid);
    EXPECT_EQ(statOf(file).st_mode & 07777, 0660u);
}

TEST(FileReaderTest, OnlyRegularFilesAreRead)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("app.xml"));
    ASSERT_EQ(::mkfifo(local(fifo).c_str(), 0600), 0);
    EXPECT_EQ(fileKindOf(fifo), FileKind::Special);
    EXPECT_EQ(fileKindOf(dir.path()), FileKind::Folder);
    EXPECT_EQ(fileKindOf(dir.filePath(QStringLiteral("none"))), FileKind::Missing);
    QByteArray bytes;
    FileError error;
    // Returns at once: no writer is waited for.
    EXPECT_FALSE(readWholeFile(fifo, 1024, bytes, error));
    EXPECT_EQ(error.code, EINVAL);
    EXPECT_FALSE(readWholeFile(dir.path(), 1024, bytes, error));
    EXPECT_EQ(error.code, EISDIR);
}

} // namespace
} // namespace tessel
