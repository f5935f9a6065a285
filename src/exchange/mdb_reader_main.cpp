// ravelbook-mdb-reader: reads one Access file with libmdb and writes what was
// asked for to its standard output as frames (access_stream.h). The program
// runs it in a process of its own, under limits, because libmdb may loop for
// ever or read past its buffers on a damaged file.
//   ravelbook-mdb-reader FILE                  the Jet version and the tables
//   ravelbook-mdb-reader --columns TABLE FILE  the table's columns
//   ravelbook-mdb-reader --rows TABLE FILE     its columns, then its rows
#include "exchange/access_stream.h"
#include "exchange/mdb_file.h"

#include <cstdio>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <unistd.h>

namespace {

using namespace ravelbook;
using namespace ravelbook::exchange;

// libmdb prints some of its complaints on stdout, where they would garble the
// frames: the frames keep the descriptor of stdout, and stdout becomes stderr.
FILE* takeStdoutForFrames() {
    const int frames = dup(STDOUT_FILENO);
    if (frames < 0 || dup2(STDERR_FILENO, STDOUT_FILENO) < 0)
        return nullptr;
    return fdopen(frames, "wb");
}

void send(FILE* out, FrameKind kind, const QStringList& texts = {}) {
    const QByteArray frame = encodeFrame(kind, texts);
    std::fwrite(frame.constData(), 1, size_t(frame.size()), out);
}

} // namespace

int main(int argc, char** argv) {
    FILE* const frames = takeStdoutForFrames();
    if (!frames)
        return 1;
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("MdbReader", "Reads an Access file for Ravelbook."));
    const QCommandLineOption columns(
        QStringLiteral("columns"),
        QCoreApplication::translate("MdbReader", "The columns of table <table>."),
        QStringLiteral("table"));
    const QCommandLineOption rows(
        QStringLiteral("rows"),
        QCoreApplication::translate("MdbReader", "The columns and rows of table <table>."),
        QStringLiteral("table"));
    parser.addOptions({columns, rows});
    parser.addPositionalArgument(QCoreApplication::translate("MdbReader", "file"),
                                 QCoreApplication::translate("MdbReader", "The Access file."));
    parser.addHelpOption();
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);
    const QString path = parser.positionalArguments().front();

    try {
        const MdbFile file(path);
        if (parser.isSet(rows)) {
            const QString table = parser.value(rows);
            send(frames, FrameKind::Columns, file.columnNames(table));
            file.readRows(table, [frames](const QStringList& values) {
                send(frames, FrameKind::Row, values);
            });
        } else if (parser.isSet(columns)) {
            send(frames, FrameKind::Columns, file.columnNames(parser.value(columns)));
        } else {
            send(frames, FrameKind::Version, {QString::number(file.jetVersion())});
            send(frames, FrameKind::Tables, file.tableNames());
        }
        send(frames, FrameKind::End);
    } catch (const Error& error) {
        send(frames, FrameKind::Failure, {error.message()});
        send(frames, FrameKind::End);
        std::fflush(frames);
        return 1;
    }
    return std::fflush(frames) == 0 ? 0 : 1;
}
