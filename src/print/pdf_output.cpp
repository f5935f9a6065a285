#include "print/pdf_output.h"

#include "print/print_error.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <sys/stat.h>
#include <unistd.h>

namespace ravelbook {

namespace {

// The reason behind a failed system call, in the user's words.
QString reasonFor(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("the disk is full");
    case EACCES:
    case EPERM:
        return QStringLiteral("permission denied");
    case ENAMETOOLONG:
        return QStringLiteral("the name is too long");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("its folder does not exist");
    case EROFS:
        return QStringLiteral("the disk is read-only");
    case EISDIR:
        return QStringLiteral("it is a folder, not a file");
    default:
        return QString::fromLocal8Bit(std::strerror(error)).toLower();
    }
}

PrintError cantWrite(const QString& file, const QString& reason) {
    return PrintError(QStringLiteral("The PDF file \"%1\" can't be written: %2.")
                          .arg(QDir::toNativeSeparators(file), reason));
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The first bytes of an SQLite database, its rollback journal and its write-ahead log.
bool holdsDatabase(int fd) {
    unsigned char head[16] = {};
    const ssize_t got = ::pread(fd, head, sizeof head, 0);
    if (got >= 16 && std::memcmp(head, "SQLite format 3", 16) == 0)
        return true;
    const unsigned char journal[8] = {0xd9, 0xd5, 0x05, 0xf9, 0x20, 0xa1, 0x63, 0xd7};
    if (got >= 8 && std::memcmp(head, journal, 8) == 0)
        return true;
    return got >= 4 && head[0] == 0x37 && head[1] == 0x7f && head[2] == 0x06 &&
           (head[3] == 0x82 || head[3] == 0x83);
}

QString kindOf(mode_t mode) {
    if (S_ISDIR(mode))
        return QStringLiteral("it is a folder, not a file");
    if (S_ISBLK(mode))
        return QStringLiteral("it is a disk device, not a file");
    if (S_ISSOCK(mode))
        return QStringLiteral("it is a socket, not a file");
    return QStringLiteral("it is not a file");
}

} // namespace

// Writes to a file descriptor and keeps the first failure, since the PDF
// writer doesn't look at what its device returns.
class PdfOutput::Device final : public QIODevice {
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

bool PdfOutput::namesStandardOutput(const QString& target) {
    if (target == QLatin1String("-"))
        return true;
    struct stat out = {};
    struct stat named = {};
    return ::fstat(STDOUT_FILENO, &out) == 0 &&
           ::stat(QFile::encodeName(target).constData(), &named) == 0 && sameFile(out, named);
}

PdfOutput::PdfOutput(const QString& target, const QString& protectedFile) : target_(target) {
    if (target.isEmpty())
        throw cantWrite(target, QStringLiteral("no file was named"));
    if (target == QLatin1String("-")) {
        fd_ = STDOUT_FILENO;
        standardOutput_ = true;
        device_ = std::make_unique<Device>(fd_);
        return;
    }

    const QByteArray path = QFile::encodeName(target);
    struct stat existing = {};
    const bool exists = ::stat(path.constData(), &existing) == 0;
    if (!exists && errno != ENOENT)
        throw cantWrite(target, reasonFor(errno));

    if (exists && (S_ISCHR(existing.st_mode) || S_ISFIFO(existing.st_mode))) {
        // A device or a pipe takes the bytes as they come; it can't be renamed over.
        fd_ = ::open(path.constData(), O_WRONLY | O_CLOEXEC);
        if (fd_ < 0)
            throw cantWrite(target, reasonFor(errno));
        ownsFd_ = true;
        standardOutput_ = namesStandardOutput(target);
        device_ = std::make_unique<Device>(fd_);
        return;
    }
    if (exists && !S_ISREG(existing.st_mode))
        throw cantWrite(target, kindOf(existing.st_mode));

    struct stat book = {};
    if (exists && !protectedFile.isEmpty() &&
        ::stat(QFile::encodeName(protectedFile).constData(), &book) == 0 &&
        sameFile(existing, book))
        throw cantWrite(target, QStringLiteral("it is the open address book"));
    if (exists) {
        const int probe = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
        const bool database = probe >= 0 && holdsDatabase(probe);
        if (probe >= 0)
            ::close(probe);
        if (database)
            throw cantWrite(target, QStringLiteral("it is a database file (an address book), "
                                                   "which the PDF would destroy"));
    }

    // Renamed over the file a link points to, not over the link.
    finalPath_ =
        exists ? QFileInfo(target).canonicalFilePath() : QFileInfo(target).absoluteFilePath();
    const QString folder = QFileInfo(finalPath_).absolutePath();
    QByteArray pattern =
        QFile::encodeName(QDir(folder).filePath(QStringLiteral(".ravelbook-XXXXXX")));
    fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd_ < 0)
        throw cantWrite(target, reasonFor(errno));
    ownsFd_ = true;
    temporary_ = QFile::decodeName(pattern);
    // A new file gets the usual permissions; a replaced one keeps its own.
    mode_t mode = existing.st_mode & 07777;
    if (!exists) {
        const mode_t mask = ::umask(022);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd_, mode);
    device_ = std::make_unique<Device>(fd_);
}

PdfOutput::~PdfOutput() {
    if (ownsFd_ && fd_ >= 0)
        ::close(fd_);
    if (!temporary_.isEmpty())
        ::unlink(QFile::encodeName(temporary_).constData());
}

QIODevice& PdfOutput::device() {
    return *device_;
}

void PdfOutput::commit() {
    if (device_->failure())
        throw cantWrite(target_, reasonFor(device_->failure()));
    if (temporary_.isEmpty())
        return;
    if (::fsync(fd_) != 0)
        throw cantWrite(target_, reasonFor(errno));
    const int closed = ::close(fd_);
    fd_ = -1;
    if (closed != 0)
        throw cantWrite(target_, reasonFor(errno));
    if (::rename(QFile::encodeName(temporary_).constData(),
                 QFile::encodeName(finalPath_).constData()) != 0)
        throw cantWrite(target_, reasonFor(errno));
    temporary_.clear();
}

} // namespace ravelbook
