#pragma once

#include <QString>

namespace ravelbook {

// A file that exists only while this program writes it, beside the file it
// will become. It is created readable by its owner alone and held under an
// exclusive lock for as long as the object lives, so that a scratch file of a
// run that was killed can be told from one still being written: the next
// scratch file made in the same folder removes those nobody holds any more.
class ScratchFile {
public:
    // `prefix` names the kind, e.g. ".ravelbook-"; throws Error with `reasonFor`
    // text in its message when the file can't be made.
    ScratchFile(const QString& folder, const QString& prefix);
    ~ScratchFile(); // removes the file unless it was renamed away
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    int fd() const { return fd_; }
    const QString& path() const { return path_; }

    // Puts the written bytes on the disk; returns 0 or the errno.
    int sync();
    // Renames the file onto `destination`, still locked until the object goes;
    // returns 0 or the errno.
    int renameTo(const QString& destination);

    // Removes the files of `prefix` in `folder` that no process holds locked
    // (of this user's, readable by them alone, as scratch files are made).
    static void removeAbandoned(const QString& folder, const QString& prefix);

private:
    QString path_;
    int fd_ = -1;
};

} // namespace ravelbook
