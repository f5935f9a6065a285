#pragma once

#include "core/error.h"

#include <optional>
#include <QByteArray>
#include <QStringList>

namespace ravelbook::exchange {

// What the Access reader process (ravelbook-mdb-reader) sends the program on
// its standard output: frames of a kind and a list of texts. The format is our
// own rather than QDataStream's so that the program checks every length against
// the limits below before it sets memory aside: the reader runs on a damaged
// file and what it sends can be garbage.
//
// A frame: its kind (one byte), the length of the rest (4 bytes, big-endian),
// then each text as its length in bytes (4 bytes, big-endian) and its UTF-8.
enum class FrameKind : char {
    Version = 'V', // the Jet version, "3" or "4"
    Tables = 'T',  // the names of the tables
    Columns = 'C', // the names of one table's columns
    Row = 'R',     // one row's values, one a column
    Failure = 'E', // why the file can't be read, written for the user
    End = 'Z',     // the request is complete; nothing follows
};

struct Frame {
    FrameKind kind = FrameKind::End;
    QStringList texts;
    bool operator==(const Frame& other) const { return kind == other.kind && texts == other.texts; }
};

// The longest text, in UTF-8 bytes, that the reader sends; longer memo values
// are cut to it.
constexpr int kLongestValue = 256 * 1024;
// Jet tables have at most 255 columns; a frame holds no more than such a row.
constexpr int kLargestFrame = 256 * (kLongestValue + 4);
// More texts than a database has tables: a frame of them is garbage.
constexpr int kMostTexts = 65536;

// The error for an Access file that can't be read, and why, as both sides tell
// it: the file's contents unless a part of the program's own is what failed.
Error unreadableAccessFile(const QString& path, const QString& why,
                           Error::Kind kind = Error::Kind::Format);

QByteArray encodeFrame(FrameKind kind, const QStringList& texts = {});

// Takes the reader's output in pieces as they come and gives back whole frames.
class FrameDecoder {
public:
    void feed(const QByteArray& bytes);
    // The next whole frame; nothing when more bytes must come first or the
    // stream is malformed.
    std::optional<Frame> next();
    // True once the bytes can't be frames: an unknown kind, a length past the
    // limits or a text that overruns its frame. Nothing more is decoded then.
    bool malformed() const { return malformed_; }
    // Bytes fed but not yet given back as a frame.
    qsizetype pending() const { return buffer_.size() - start_; }

private:
    QByteArray buffer_;
    qsizetype start_ = 0;
    bool malformed_ = false;
};

} // namespace ravelbook::exchange
