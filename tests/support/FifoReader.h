// A FIFO made at a path, with a reader that takes everything written to it.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <thread>

namespace tessel::test {

class FifoReader {
public:
    explicit FifoReader(const QString& path)
        : path_(QFile::encodeName(path))
    {
        made_ = ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
        if (made_)
            reader_ = std::thread([this, path] {
                QFile in(path);
                if (in.open(QIODevice::ReadOnly))
                    received_ = in.readAll();
            });
    }
    // A reader still waiting for a writer that never came is let go.
    ~FifoReader()
    {
        if (!reader_.joinable())
            return;
        const int fd = ::open(path_.constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
        reader_.join();
    }
    FifoReader(const FifoReader&) = delete;
    FifoReader& operator=(const FifoReader&) = delete;

    bool made() const { return made_; }
    // Waits for the writer to close the FIFO.
    QByteArray received()
    {
        if (reader_.joinable())
            reader_.join();
        return received_;
    }

private:
    QByteArray path_;
    bool made_ = false;
    std::thread reader_;
    QByteArray received_;
};

} // namespace tessel::test
