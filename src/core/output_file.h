#pragma once

#include "core/scratch_file.h"

#include <memory>
#include <optional>
#include <QCoreApplication>
#include <QString>

class QIODevice;
struct stat;

namespace ravelbook {

// The one way the program writes a file: an export, a PDF, a calibration
// sheet, the settings. A regular file (or a new one) is written into a scratch
// file beside it and renamed into place by commit() once every byte is on the
// disk, so a failed or interrupted write leaves the old file byte for byte; a
// new file is readable by its owner alone, a replaced one keeps its mode. A
// character device or a FIFO ("/dev/stdout", a pipe into lpr) is written
// straight; "-" is standard output. Anything that would destroy data is
// refused before a byte is written: an address book (an SQLite database or its
// journal, an Access file), the file `protectedFile` (the open book, also
// through a link), and anything that is not a file.
//
// Every failure is an Error whose message is `failureText` with the file for
// %1 and the reason for %2, e.g. "The PDF file \"%1\" can't be written: %2."
class OutputFile {
    Q_DECLARE_TR_FUNCTIONS(OutputFile)

public:
    OutputFile(const QString& target, const QString& protectedFile, QString failureText);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Fails every write after the first failure; its errorString() gives the reason.
    QIODevice& device();
    // Makes the written bytes the target's; throws when any write failed.
    void commit();
    // True when the bytes go to this process's standard output.
    bool isStandardOutput() const { return standardOutput_; }

    // Whether `target` names this process's standard output ("-", /dev/stdout
    // or the file standard output is redirected to).
    static bool namesStandardOutput(const QString& target);

private:
    class Device;

    [[noreturn]] void fail(const QString& reason) const;
    // Refuses the open book and any address book, read through `fd`.
    void refuseWhatHoldsData(int fd, const struct stat& existing,
                             const QString& protectedFile) const;

    QString target_; // as the user named it, for messages
    QString failureText_;
    QString finalPath_; // where the scratch file is renamed to; empty when written straight
    std::optional<ScratchFile> scratch_;
    std::optional<unsigned> keptMode_; // of the file replaced
    int fd_ = -1;
    bool ownsFd_ = false;
    bool standardOutput_ = false;
    std::unique_ptr<Device> device_;
};

} // namespace ravelbook
