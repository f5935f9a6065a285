#include "exchange/reader_process.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <sys/resource.h>

namespace ravelbook::exchange {

namespace {

// A reader that sends nothing for this long is stuck in a loop.
constexpr int kQuietMilliseconds = 5000;
// A whole file takes a second or two; a loop that keeps sending runs into these.
constexpr rlim_t kProcessorSeconds = 30;
constexpr rlim_t kAddressSpace = rlim_t(1) << 30;
constexpr qint64 kLargestOutput = qint64(256) << 20;
// What the rows take once decoded into this program's memory: short values
// cost far more as strings than on the wire, so they are counted apart.
constexpr qint64 kLargestDecoded = qint64(512) << 20;
constexpr qint64 kCostOfAText = 48; // a QString's header and its place in a list
// However steadily a looping reader sends, a file is read within this long.
constexpr int kLongestRunMilliseconds = 120000;
// libmdb's complaints on stderr, of which only the start is worth keeping.
constexpr qsizetype kKeptErrors = 1024;

// Runs in the child between fork and exec, so it only calls setrlimit.
void limitChild() {
    const rlimit memory{kAddressSpace, kAddressSpace};
    setrlimit(RLIMIT_AS, &memory);
    const rlimit processor{kProcessorSeconds, kProcessorSeconds + 1};
    setrlimit(RLIMIT_CPU, &processor);
    const rlimit core{0, 0}; // a crash on a damaged file leaves no core file behind
    setrlimit(RLIMIT_CORE, &core);
}

// Stops the reader when the run ends early, before QProcess would complain.
struct Stopper {
    QProcess& process;
    ~Stopper() {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
    }
};

} // namespace

QString readerProgram() {
    const QString chosen = qEnvironmentVariable("RAVELBOOK_MDB_READER");
    if (!chosen.isEmpty())
        return chosen;
    const QDir bin(QCoreApplication::applicationDirPath());
    for (const QString& place : {bin.filePath(QLatin1String(kReaderName)),
                                 bin.filePath(QStringLiteral(RAVELBOOK_LIBEXEC_FROM_BIN "/") +
                                              QLatin1String(kReaderName))}) {
        if (QFileInfo(place).isExecutable())
            return QDir::cleanPath(place);
    }
    return {};
}

void runReader(const QString& path, const QStringList& request,
               const std::function<bool(const Frame&)>& take) {
    const QString program = readerProgram();
    if (program.isEmpty())
        throw unreadableAccessFile(
            path,
            QCoreApplication::translate(
                "ReaderProcess", "the program's Access reader %1 is missing (it belongs beside "
                                 "the program, in %2)")
                .arg(QLatin1String(kReaderName),
                     QDir::toNativeSeparators(QCoreApplication::applicationDirPath())),
            Error::Kind::File);
    QProcess process;
    process.setProgram(program);
    process.setArguments(request + QStringList{path});
    process.setStandardInputFile(QProcess::nullDevice());
    process.setChildProcessModifier(limitChild);
    QByteArray errors;
    QObject::connect(&process, &QProcess::readyReadStandardError, [&] {
        const QByteArray more = process.readAllStandardError();
        errors += more.left(kKeptErrors - errors.size());
    });
    const Stopper stopper{process};
    process.start(QIODevice::ReadOnly);
    if (!process.waitForStarted())
        throw unreadableAccessFile(
            path,
            QCoreApplication::translate("ReaderProcess", "its reader %1 could not be started (%2)")
                .arg(QDir::toNativeSeparators(program), process.errorString()),
            Error::Kind::File);

    const auto damaged = [&](const QString& how) {
        if (!errors.isEmpty())
            qWarning("%s: %s", kReaderName, errors.constData());
        return unreadableAccessFile(
            path,
            QCoreApplication::translate("ReaderProcess", "the file is damaged (%1)").arg(how));
    };
    FrameDecoder decoder;
    const QDeadlineTimer deadline(kLongestRunMilliseconds);
    qint64 received = 0;
    qint64 decoded = 0;
    std::optional<QString> refusal;
    bool ended = false;
    while (!ended) {
        if (deadline.hasExpired())
            throw damaged(
                QCoreApplication::translate("ReaderProcess", "reading it did not end in %1 seconds")
                    .arg(kLongestRunMilliseconds / 1000));
        const QByteArray bytes = process.readAllStandardOutput();
        if (bytes.isEmpty()) {
            if (process.state() == QProcess::NotRunning)
                break;
            if (!process.waitForReadyRead(kQuietMilliseconds) &&
                process.state() != QProcess::NotRunning)
                throw damaged(QCoreApplication::translate("ReaderProcess",
                                                          "reading it stopped making progress"));
            continue;
        }
        received += bytes.size();
        if (received > kLargestOutput)
            throw damaged(QCoreApplication::translate("ReaderProcess",
                                                      "reading it gave more than %1 MB of text")
                              .arg(kLargestOutput >> 20));
        decoder.feed(bytes);
        while (const std::optional<Frame> frame = decoder.next()) {
            if (ended)
                throw damaged(QCoreApplication::translate(
                    "ReaderProcess", "its reader sent more than was asked for"));
            for (const QString& text : frame->texts)
                decoded += kCostOfAText + 2 * text.size();
            if (decoded > kLargestDecoded)
                throw damaged(QCoreApplication::translate(
                    "ReaderProcess", "reading it gave more than the file can hold"));
            if (frame->kind == FrameKind::End)
                ended = true;
            else if (frame->kind == FrameKind::Failure && !refusal)
                refusal = frame->texts.value(0);
            else if (refusal || !take(*frame))
                throw damaged(QCoreApplication::translate(
                    "ReaderProcess", "its reader sent what was not asked for"));
        }
        if (decoder.malformed())
            throw damaged(
                QCoreApplication::translate("ReaderProcess", "its reader's answer is garbled"));
    }
    // A reader that crashed or was stopped by its limits ends without the last frame.
    if (!ended || decoder.pending() > 0 || (refusal && refusal->isEmpty()))
        throw damaged(QCoreApplication::translate("ReaderProcess", "reading it failed"));
    if (refusal)
        throw Error(*refusal, Error::Kind::Format);
    // Everything has come; a reader slow to close the file is stopped.
    process.waitForFinished(kQuietMilliseconds);
}

} // namespace ravelbook::exchange
