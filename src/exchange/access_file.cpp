#include "exchange/access_file.h"

#include "exchange/reader_process.h"

#include <QCoreApplication>

namespace ravelbook::exchange {

namespace {

Error unanswered(const QString& path, const QString& what) {
    return unreadableAccessFile(
        path,
        QCoreApplication::translate("AccessFile", "the file is damaged (its reader sent no %1)")
            .arg(what));
}

} // namespace

AccessFile::AccessFile(const QString& path) : path_(path) {
    bool listed = false;
    runReader(path, {}, [&](const Frame& frame) {
        if (frame.kind == FrameKind::Version && version_ == 0 && frame.texts.size() == 1) {
            version_ = frame.texts.front().toInt();
            return version_ == 3 || version_ == 4;
        }
        if (frame.kind == FrameKind::Tables && version_ != 0 && !listed) {
            tables_ = frame.texts;
            listed = true;
            return true;
        }
        return false;
    });
    if (!listed)
        throw unanswered(path, QCoreApplication::translate("AccessFile", "table list"));
}

QStringList AccessFile::columnNames(const QString& table) const {
    std::optional<QStringList> columns;
    runReader(path_, {QStringLiteral("--columns"), table}, [&](const Frame& frame) {
        if (frame.kind != FrameKind::Columns || columns)
            return false;
        columns = frame.texts;
        return true;
    });
    if (!columns)
        throw unanswered(
            path_,
            QCoreApplication::translate("AccessFile", "columns for table \"%1\"").arg(table));
    return *columns;
}

SourceTable AccessFile::readTable(const QString& name) const {
    SourceTable out;
    out.kind = QStringLiteral("Access");
    bool headed = false;
    runReader(path_, {QStringLiteral("--rows"), name}, [&](const Frame& frame) {
        if (frame.kind == FrameKind::Columns && !headed) {
            out.columns = frame.texts;
            headed = true;
            return true;
        }
        if (frame.kind != FrameKind::Row || !headed || frame.texts.size() != out.columns.size())
            return false;
        out.rows.push_back(frame.texts);
        out.lines.push_back(int(out.rows.size()));
        return true;
    });
    if (!headed)
        throw unanswered(
            path_, QCoreApplication::translate("AccessFile", "columns for table \"%1\"").arg(name));
    return out;
}

} // namespace ravelbook::exchange
