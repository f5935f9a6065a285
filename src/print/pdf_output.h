#pragma once

#include <memory>
#include <QString>

class QIODevice;

namespace ravelbook {

// Where the bytes of a PDF go. A regular file (or a new one) is written into a
// temporary file beside it and renamed into place by commit(), so a failed run
// leaves the old file as it was; a character device or a FIFO ("/dev/stdout",
// a pipe into lpr) is written straight; "-" is standard output. Anything that
// would destroy data is refused before a byte is written: an address book (any
// SQLite database or its journal), the file `protectedFile` (the open book,
// also through a link), and anything that is not a file.
// Every failure is a PrintError whose message names the file and the reason.
class PdfOutput {
public:
    explicit PdfOutput(const QString& target, const QString& protectedFile = {});
    ~PdfOutput();
    PdfOutput(const PdfOutput&) = delete;
    PdfOutput& operator=(const PdfOutput&) = delete;

    QIODevice& device();
    // Makes the written bytes the target's; throws when any write failed.
    void commit();
    // True when the PDF goes to this process's standard output.
    bool isStandardOutput() const { return standardOutput_; }

    // Whether `target` names this process's standard output ("-", /dev/stdout
    // or the file standard output is redirected to).
    static bool namesStandardOutput(const QString& target);

private:
    class Device;

    QString target_;    // as the user named it, for messages
    QString finalPath_; // where the temporary file is renamed to; empty when written straight
    QString temporary_; // the temporary file while it exists
    int fd_ = -1;
    bool ownsFd_ = false;
    bool standardOutput_ = false;
    std::unique_ptr<Device> device_;
};

} // namespace ravelbook
