#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace ravelbook {

// How a PDF asks its viewer to print it: at actual size, since a viewer's
// "fit to page" shrinks a sheet by a few percent and every label misses; and
// one-sided for label sheets.
//
// QPdfWriter has no setting for the catalogue's /ViewerPreferences, so they
// go on as an incremental update: the catalogue object again with the
// preferences, a cross-reference section for it and a trailer pointing back
// to Qt's. Qt writes a classic cross-reference table and an update appended
// at the end changes none of the bytes it wrote, so a PDF can still stream
// into a pipe. Only the two ends of the file are needed: Qt writes the
// catalogue near the start and the trailer at the end.
//
// The bytes to append to the PDF whose first bytes are `head`, last bytes
// `tail` and length `length`; nothing when the file is not one this
// recognises, which is then left as it was written.
QByteArray pdfViewerPreferencesUpdate(QByteArrayView head, QByteArrayView tail, qint64 length,
                                      bool labelSheets);

// Keeps the two ends of a stream of bytes and counts them: what the update
// is made from.
class PdfEnds {
public:
    // Qt's catalogue follows the document information and its XMP metadata.
    static constexpr qsizetype kHeadBytes = 16 * 1024;
    static constexpr qsizetype kTailBytes = 4 * 1024;

    void take(const char* data, qsizetype size);
    QByteArray update(bool labelSheets) const;

private:
    QByteArray head_;
    QByteArray tail_; // at least the last kTailBytes, when as many were taken
    qint64 length_ = 0;
};

} // namespace ravelbook
