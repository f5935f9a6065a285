#include "exchange/access_stream.h"

#include <QCoreApplication>
#include <QDir>
#include <QtEndian>

namespace ravelbook::exchange {

namespace {

constexpr int kHeader = 5; // the kind and the length

void appendLength(QByteArray& out, quint32 length) {
    char bytes[4];
    qToBigEndian(length, bytes);
    out.append(bytes, 4);
}

quint32 lengthAt(const QByteArray& bytes, qsizetype at) {
    return qFromBigEndian<quint32>(bytes.constData() + at);
}

bool knownKind(char kind) {
    for (const FrameKind k : {FrameKind::Version, FrameKind::Tables, FrameKind::Columns,
                              FrameKind::Row, FrameKind::Failure, FrameKind::End}) {
        if (kind == char(k))
            return true;
    }
    return false;
}

} // namespace

Error unreadableAccessFile(const QString& path, const QString& why, Error::Kind kind) {
    return Error(
        QCoreApplication::translate("AccessStream", "The Access file \"%1\" can't be read: %2.")
            .arg(QDir::toNativeSeparators(path), why),
        kind);
}

QByteArray encodeFrame(FrameKind kind, const QStringList& texts) {
    QByteArray body;
    for (const QString& text : texts) {
        const QByteArray utf8 = text.toUtf8();
        appendLength(body, quint32(utf8.size()));
        body += utf8;
    }
    QByteArray frame(1, char(kind));
    appendLength(frame, quint32(body.size()));
    return frame + body;
}

void FrameDecoder::feed(const QByteArray& bytes) {
    if (malformed_)
        return;
    // Drop what was given back already, so the buffer holds one frame at most.
    if (start_ > 0) {
        buffer_.remove(0, start_);
        start_ = 0;
    }
    buffer_ += bytes;
}

std::optional<Frame> FrameDecoder::next() {
    if (malformed_ || pending() < kHeader)
        return std::nullopt;
    const char kind = buffer_[start_];
    const quint32 length = lengthAt(buffer_, start_ + 1);
    if (!knownKind(kind) || length > quint32(kLargestFrame)) {
        malformed_ = true;
        return std::nullopt;
    }
    if (pending() < kHeader + qsizetype(length))
        return std::nullopt;
    Frame frame;
    frame.kind = FrameKind(kind);
    qsizetype at = start_ + kHeader;
    const qsizetype end = at + qsizetype(length);
    while (at < end) {
        const quint32 size = end - at >= 4 ? lengthAt(buffer_, at) : quint32(-1);
        if (size > quint32(kLongestValue) || qsizetype(size) > end - at - 4 ||
            frame.texts.size() >= kMostTexts) {
            malformed_ = true;
            return std::nullopt;
        }
        frame.texts << QString::fromUtf8(buffer_.constData() + at + 4, qsizetype(size));
        at += 4 + qsizetype(size);
    }
    start_ = end;
    return frame;
}

} // namespace ravelbook::exchange
