#include "core/scratch_file.h"

#include "core/error.h"

#include <cerrno>
#include <fcntl.h>
#include <QDir>
#include <QFile>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ravelbook {

namespace {

constexpr int kRandomLetters = 6; // the XXXXXX of mkostemp

int lockedDescriptor(const QByteArray& path) {
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

ScratchFile::ScratchFile(const QString& folder, const QString& prefix) {
    removeAbandoned(folder, prefix);
    for (;;) {
        QByteArray pattern = QFile::encodeName(
            QDir(folder).filePath(prefix + QString(kRandomLetters, QLatin1Char('X'))));
        // mkostemp makes the file 0600, whatever the umask.
        fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
        if (fd_ < 0)
            throw Error(reasonFor(errno), Error::Kind::File);
        if (::flock(fd_, LOCK_EX) != 0) {
            const int why = errno;
            ::close(fd_);
            ::unlink(pattern.constData());
            throw Error(reasonFor(why), Error::Kind::File);
        }
        // Another run may have swept the file away between its making and its
        // locking; then it has no name any more and another is made.
        struct stat info = {};
        if (::fstat(fd_, &info) == 0 && info.st_nlink > 0) {
            path_ = QFile::decodeName(pattern);
            return;
        }
        ::close(fd_);
    }
}

ScratchFile::~ScratchFile() {
    if (!path_.isEmpty())
        ::unlink(QFile::encodeName(path_).constData());
    if (fd_ >= 0)
        ::close(fd_);
}

int ScratchFile::sync() {
    return ::fsync(fd_) == 0 ? 0 : errno;
}

int ScratchFile::renameTo(const QString& destination) {
    if (::rename(QFile::encodeName(path_).constData(),
                 QFile::encodeName(destination).constData()) != 0)
        return errno;
    path_.clear();
    return 0;
}

void ScratchFile::removeAbandoned(const QString& folder, const QString& prefix) {
    const QDir dir(folder);
    const QStringList names = dir.entryList({prefix + QString(kRandomLetters, QLatin1Char('?'))},
                                            QDir::Files | QDir::Hidden);
    for (const QString& name : names) {
        const QByteArray path = QFile::encodeName(dir.filePath(name));
        // Only what this program makes: a plain file of this user's, for no one else.
        struct stat info = {};
        if (::lstat(path.constData(), &info) != 0 || !S_ISREG(info.st_mode) ||
            info.st_uid != ::geteuid() || (info.st_mode & 07777) != 0600)
            continue;
        // Locked: another run is writing it. Unlocked: its writer is gone.
        const int fd = lockedDescriptor(path);
        if (fd < 0)
            continue;
        ::unlink(path.constData());
        // An SQLite database made there leaves its journals beside it.
        for (const char* companion : {"-journal", "-wal", "-shm"})
            ::unlink((path + companion).constData());
        ::close(fd);
    }
}

} // namespace ravelbook
