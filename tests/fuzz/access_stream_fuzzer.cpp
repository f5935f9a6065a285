// Fuzzes the program's decoding of what the Access reader process sends: the
// reader runs on damaged files, so its output may be anything. Fed whole or in
// pieces, the same bytes give the same frames; no text passes the limits; and
// each frame comes back unchanged through its encoding.
#include "exchange/access_stream.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

using namespace ravelbook::exchange;

namespace {

void check(bool ok) {
    if (!ok)
        std::abort();
}

struct Decoded {
    std::vector<Frame> frames;
    bool malformed = false;
    bool operator==(const Decoded& other) const {
        return frames == other.frames && malformed == other.malformed;
    }
};

// Feeds the bytes in pieces of `piece` bytes, taking every frame as it completes.
Decoded decode(const QByteArray& bytes, qsizetype piece) {
    FrameDecoder decoder;
    Decoded out;
    for (qsizetype at = 0; at < bytes.size(); at += piece) {
        decoder.feed(bytes.mid(at, piece));
        while (const std::optional<Frame> frame = decoder.next())
            out.frames.push_back(*frame);
    }
    out.malformed = decoder.malformed();
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    // The first byte chooses how the rest arrives: the reader's pipe splits it anywhere.
    const qsizetype piece = 1 + data[0] % 16;
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, qsizetype(size) - 1);
    const Decoded whole = decode(bytes, bytes.size() + 1);
    check(decode(bytes, piece) == whole);
    for (const Frame& frame : whole.frames) {
        bool fits = true;
        for (const QString& text : frame.texts) {
            check(text.size() <= kLongestValue);
            // Bytes that are not UTF-8 come back as U+FFFD, which may take more bytes.
            fits = fits && text.toUtf8().size() <= kLongestValue;
        }
        const QByteArray encoded = encodeFrame(frame.kind, frame.texts);
        if (!fits || encoded.size() > kLargestFrame)
            continue;
        const Decoded again = decode(encoded, piece);
        check(!again.malformed && again.frames.size() == 1 && again.frames.front() == frame);
    }
    return 0;
}
