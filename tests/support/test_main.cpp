// Shared main of the test programs: an offscreen QApplication whose per-user
// folders point into a temporary folder, so no test touches the real ones.
#include "app/translations.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", home.path().toLocal8Bit());
    // The test programs don't lie beside the Access reader as the program does.
    if (qEnvironmentVariableIsEmpty("RAVELBOOK_MDB_READER"))
        qputenv("RAVELBOOK_MDB_READER", RAVELBOOK_MDB_READER);
    QApplication app(argc, argv);
    // In the language the environment names, as the program is: C unless a test run says otherwise.
    const ravelbook::Translations translations;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
