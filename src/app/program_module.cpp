#include "app/program_module.h"

#include "core/error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace ravelbook {

namespace {

// The program's own folder; there is no QCoreApplication to ask before the window makes one.
QDir programFolder() {
    return QFileInfo(QStringLiteral("/proc/self/exe"))
        .canonicalFilePath()
        .section(QLatin1Char('/'), 0, -2);
}

// The entry point `symbol` of the library `fileName`.
QFunctionPointer resolveModuleEntry(const QString& fileName, const char* symbol) {
    const QDir bin = programFolder();
    const QString installed =
        QDir::cleanPath(bin.filePath(QStringLiteral(RAVELBOOK_MODULES_FROM_BIN "/") + fileName));
    const QString beside = bin.filePath(fileName);
    QLibrary library(QFileInfo::exists(beside) ? beside : installed);
    if (!library.load())
        throw Error(QCoreApplication::translate(
                        "ProgramModule",
                        "The program's library %1 is missing or damaged (it belongs in %2).")
                        .arg(fileName, QDir::toNativeSeparators(QFileInfo(installed).path())),
                    Error::Kind::File, library.errorString());
    // Loaded for the rest of the run: what it made lives on in the program.
    const QFunctionPointer entry = library.resolve(symbol);
    if (!entry)
        throw Error(QCoreApplication::translate("ProgramModule",
                                                "The program's library %1 is not of this version.")
                        .arg(fileName),
                    Error::Kind::File, library.errorString());
    return entry;
}

} // namespace

MainEntry* printEntry() {
    return reinterpret_cast<MainEntry*>(
        resolveModuleEntry(QStringLiteral(RAVELBOOK_PRINT_MODULE), "ravelbook_print_main"));
}

MainEntry* windowEntry() {
    return reinterpret_cast<MainEntry*>(
        resolveModuleEntry(QStringLiteral(RAVELBOOK_WINDOW_MODULE), "ravelbook_window_main"));
}

MainEntry* onlineEntry() {
    return reinterpret_cast<MainEntry*>(
        resolveModuleEntry(QStringLiteral(RAVELBOOK_ONLINE_MODULE), "ravelbook_online_main"));
}

PrintersEntry* printersEntry() {
    return reinterpret_cast<PrintersEntry*>(
        resolveModuleEntry(QStringLiteral(RAVELBOOK_PRINTERS_MODULE), "ravelbook_system_printers"));
}

} // namespace ravelbook
