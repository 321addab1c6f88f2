// Where the tool's outputs go: "-" is standard output, a FIFO or a device is
// written, never replaced, and a write that fails says why and exits 1.
#include "CliTestSupport.h"
#include "support/FifoReader.h"
#include "support/SmallDisk.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using tessel::test::CliRun;

namespace {

std::string local(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

class CliOutputTest : public tessel::test::CliTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(copyTool());
        ASSERT_EQ(run({ QStringLiteral("say"), QStringLiteral("Hi"), QStringLiteral("-o"), list_ }).status, 0);
    }

    CliRun image(const QString& output)
    {
        return run({ QStringLiteral("image"), list_, QStringLiteral("-o"), output });
    }

    const QString list_ = QStringLiteral("list.led");
};

} // namespace

TEST_F(CliOutputTest, DashIsStandardOutputForEveryOutput)
{
    const QByteArray expected = read(list_);
    const CliRun say = run({ QStringLiteral("say"), QStringLiteral("Hi"), QStringLiteral("-o"), QStringLiteral("-") });
    EXPECT_EQ(say.status, 0) << say.err.constData();
    EXPECT_EQ(say.out, expected);

    ASSERT_EQ(image(QStringLiteral("image.bin")).status, 0);
    const CliRun piped = image(QStringLiteral("-"));
    EXPECT_EQ(piped.status, 0);
    EXPECT_EQ(piped.out, read(QStringLiteral("image.bin")));

    const CliRun render = run({ QStringLiteral("render"), list_, QStringLiteral("-o"), QStringLiteral("-") });
    EXPECT_EQ(render.status, 0);
    EXPECT_TRUE(render.out.startsWith("BM"));
    EXPECT_FALSE(QFile::exists(file(QStringLiteral("-"))));
}

TEST_F(CliOutputTest, AFifoOrADeviceIsWrittenNotReplaced)
{
    const QString fifo = file(QStringLiteral("fifo"));
    tessel::test::FifoReader reader(fifo);
    ASSERT_TRUE(reader.made());
    const CliRun toFifo = image(fifo);
    const QByteArray received = reader.received();
    EXPECT_EQ(toFifo.status, 0) << toFifo.err.constData();
    ASSERT_EQ(image(QStringLiteral("image.bin")).status, 0);
    EXPECT_EQ(received, read(QStringLiteral("image.bin")));
    struct stat info { };
    ASSERT_EQ(::stat(local(fifo).c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));

    if (::geteuid() != 0)
        GTEST_SKIP() << "only root may make a device node";
    const QString null = file(QStringLiteral("null"));
    ASSERT_EQ(::mknod(local(null).c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
    EXPECT_EQ(image(null).status, 0);
    ASSERT_EQ(::stat(local(null).c_str(), &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));
}

TEST_F(CliOutputTest, AFullDiskFailsWithTheSystemsReasonAndKeepsTheOldFile)
{
    const QString disk = file(QStringLiteral("disk"));
    ASSERT_TRUE(QDir().mkdir(disk));
    const tessel::test::SmallDisk small(disk, "8k");
    if (!small.mounted())
        GTEST_SKIP() << "a small tmpfs cannot be mounted here: " << small.why();
    const QString target = QStringLiteral("disk/out.bin");
    write(target, "old");
    // A long text makes an image far larger than the disk.
    const CliRun say = run({ QStringLiteral("say"), QString(2000, u'W'), QStringLiteral("-o"), list_ });
    ASSERT_EQ(say.status, 0) << say.err.constData();
    const QStringList outputs { QStringLiteral("image"), QStringLiteral("render") };
    for (const QString& command : outputs) {
        const CliRun full = run({ command, list_, QStringLiteral("-o"), target });
        EXPECT_EQ(full.status, 1) << qPrintable(command);
        EXPECT_TRUE(full.err.contains("(No space left on device)\n")) << full.err.constData();
        EXPECT_EQ(full.err.count('\n'), 1) << full.err.constData();
        EXPECT_EQ(read(target), "old");
    }
    EXPECT_EQ(QDir(disk).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList { QStringLiteral("out.bin") });
}

TEST_F(CliOutputTest, ALinkPlantedInASharedFolderIsRefused)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root may give a link to another user";
    const QString victim = write(QStringLiteral("notes.txt"), "notes");
    const QString shared = file(QStringLiteral("shared"));
    ASSERT_TRUE(QDir().mkdir(shared));
    ASSERT_EQ(::chmod(local(shared).c_str(), 01777), 0);
    const QString link = shared + QStringLiteral("/badge.led");
    ASSERT_EQ(::symlink(local(victim).c_str(), local(link).c_str()), 0);
    ASSERT_EQ(::lchown(local(link).c_str(), 65534, static_cast<gid_t>(-1)), 0);
    const CliRun say = run({ QStringLiteral("say"), QStringLiteral("Hi"), QStringLiteral("-o"), link });
    EXPECT_EQ(say.status, 1);
    EXPECT_TRUE(say.err.contains("Permission denied")) << say.err.constData();
    EXPECT_TRUE(say.err.contains("shared folder")) << say.err.constData();
    EXPECT_EQ(read(QStringLiteral("notes.txt")), "notes");
}
