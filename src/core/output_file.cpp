#include "core/output_file.h"

#include "core/error.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QtEndian>
#include <sys/stat.h>
#include <unistd.h>

namespace ravelbook {

namespace {

const QString kScratchPrefix = QStringLiteral(".ravelbook-scratch-");

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The index of SQLite's write-ahead log: both copies of its header start with
// the index's version, in the byte order of the machine that wrote it.
bool isLogIndex(const unsigned char* head, ssize_t got) {
    constexpr quint32 kVersion = 3007000;
    quint32 first = 0;
    quint32 second = 0;
    if (got < 52)
        return false;
    std::memcpy(&first, head, 4);
    std::memcpy(&second, head + 48, 4);
    return first == second && (first == kVersion || qbswap(first) == kVersion);
}

// The first bytes of an SQLite database, its rollback journal, its
// write-ahead log and that log's index, and of an Access (Jet or ACE) database.
bool holdsDatabase(int fd) {
    unsigned char head[52] = {};
    const ssize_t got = ::pread(fd, head, sizeof head, 0);
    if (got >= 16 && std::memcmp(head, "SQLite format 3", 16) == 0)
        return true;
    const unsigned char journal[8] = {0xd9, 0xd5, 0x05, 0xf9, 0x20, 0xa1, 0x63, 0xd7};
    if ((got >= 8 && std::memcmp(head, journal, 8) == 0) || isLogIndex(head, got))
        return true;
    if (got >= 19 && (std::memcmp(head + 4, "Standard Jet DB", 15) == 0 ||
                      std::memcmp(head + 4, "Standard ACE DB", 15) == 0))
        return true;
    return got >= 4 && head[0] == 0x37 && head[1] == 0x7f && head[2] == 0x06 &&
           (head[3] == 0x82 || head[3] == 0x83);
}

QString kindOf(mode_t mode) {
    if (S_ISDIR(mode))
        return QCoreApplication::translate("OutputFile", "it is a folder, not a file");
    if (S_ISBLK(mode))
        return QCoreApplication::translate("OutputFile", "it is a disk device, not a file");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("OutputFile", "it is a socket, not a file");
    return QCoreApplication::translate("OutputFile", "it is not a file");
}

} // namespace

// Writes to a file descriptor and keeps the first failure: some writers (the
// PDF writer) don't look at what their device returns.
class OutputFile::Device final : public QIODevice {
public:
    explicit Device(int fd) : fd_(fd) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
    int failure() const { return failure_; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        if (failure_)
            return -1;
        qint64 written = 0;
        while (written < size) {
            const ssize_t n = ::write(fd_, data + written, std::size_t(size - written));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                failure_ = n < 0 ? errno : EIO;
                setErrorString(reasonFor(failure_));
                return -1;
            }
            written += n;
        }
        return written;
    }

private:
    int fd_;
    int failure_ = 0;
};

bool OutputFile::namesStandardOutput(const QString& target) {
    if (target == QLatin1String("-"))
        return true;
    struct stat out = {};
    struct stat named = {};
    return ::fstat(STDOUT_FILENO, &out) == 0 &&
           ::stat(QFile::encodeName(target).constData(), &named) == 0 && sameFile(out, named);
}

void OutputFile::fail(const QString& reason) const {
    throw Error(failureText_.arg(QDir::toNativeSeparators(target_), reason), Error::Kind::File);
}

void OutputFile::refuseWhatHoldsData(int fd, const struct stat& existing,
                                     const QString& protectedFile) const {
    struct stat book = {};
    if (!protectedFile.isEmpty() &&
        ::stat(QFile::encodeName(protectedFile).constData(), &book) == 0 &&
        sameFile(existing, book))
        fail(tr("it is the open address book"));
    if (holdsDatabase(fd))
        fail(tr("it is a database file (an address book), which it would destroy"));
}

OutputFile::OutputFile(const QString& target, const QString& protectedFile, QString failureText)
    : target_(target), failureText_(std::move(failureText)) {
    if (target.isEmpty())
        fail(tr("no file was named"));
    if (target == QLatin1String("-")) {
        // Standard output may be redirected onto a file, the book among them.
        struct stat out = {};
        if (::fstat(STDOUT_FILENO, &out) == 0 && S_ISREG(out.st_mode)) {
            // Opened anew for reading: the shell may have opened it write-only.
            const int probe = ::open("/proc/self/fd/1", O_RDONLY | O_CLOEXEC);
            try {
                refuseWhatHoldsData(probe >= 0 ? probe : STDOUT_FILENO, out, protectedFile);
            } catch (...) {
                if (probe >= 0)
                    ::close(probe);
                throw;
            }
            if (probe >= 0)
                ::close(probe);
        }
        fd_ = STDOUT_FILENO;
        standardOutput_ = true;
        device_ = std::make_unique<Device>(fd_);
        return;
    }

    const QByteArray path = QFile::encodeName(target);
    struct stat existing = {};
    const bool exists = ::stat(path.constData(), &existing) == 0;
    if (!exists && errno != ENOENT)
        fail(reasonFor(errno));

    if (exists && (S_ISCHR(existing.st_mode) || S_ISFIFO(existing.st_mode))) {
        // A device or a pipe takes the bytes as they come; it can't be renamed
        // over. A pipe nobody reads would hold the program for ever: refused.
        fd_ = ::open(path.constData(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd_ < 0)
            fail(errno == ENXIO ? tr("nothing is reading from the pipe") : reasonFor(errno));
        ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
        ownsFd_ = true;
        standardOutput_ = namesStandardOutput(target);
        device_ = std::make_unique<Device>(fd_);
        return;
    }
    if (exists && !S_ISREG(existing.st_mode))
        fail(kindOf(existing.st_mode));
    if (exists) {
        const int probe = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (probe >= 0) {
            try {
                refuseWhatHoldsData(probe, existing, protectedFile);
            } catch (...) {
                ::close(probe);
                throw;
            }
            ::close(probe);
        }
    }

    // Renamed over the file a link points to, not over the link.
    finalPath_ =
        exists ? QFileInfo(target).canonicalFilePath() : QFileInfo(target).absoluteFilePath();
    try {
        scratch_.emplace(QFileInfo(finalPath_).absolutePath(), kScratchPrefix);
    } catch (const Error& error) {
        fail(error.message());
    }
    fd_ = scratch_->fd();
    // A replaced file keeps its mode, given once the file is whole; until then
    // the scratch file is the owner's alone, as a new file stays.
    if (exists)
        keptMode_ = existing.st_mode & 07777;
    device_ = std::make_unique<Device>(fd_);
}

OutputFile::~OutputFile() {
    if (ownsFd_ && fd_ >= 0)
        ::close(fd_);
}

QIODevice& OutputFile::device() {
    return *device_;
}

void OutputFile::commit() {
    if (device_->failure())
        fail(reasonFor(device_->failure()));
    if (!scratch_)
        return;
    if (keptMode_ && ::fchmod(fd_, *keptMode_) != 0)
        fail(reasonFor(errno));
    if (const int failure = scratch_->sync())
        fail(reasonFor(failure));
    if (const int failure = scratch_->renameTo(finalPath_))
        fail(reasonFor(failure));
    scratch_.reset();
}

} // namespace ravelbook
