#pragma once

#include <gtest/gtest.h>
#include <QDir>
#include <QFileInfo>
#include <QString>

namespace ravelbook::testing {

// The public Access sample files live outside the repository: in
// $RAVELBOOK_MDB_FIXTURES when set, else in ../shared/fixtures/mdb beside it.
inline QString mdbFixtureFolder() {
    const QString chosen = qEnvironmentVariable("RAVELBOOK_MDB_FIXTURES");
    return chosen.isEmpty() ? QStringLiteral(MDB_FIXTURES) : chosen;
}

inline QString mdbFixture(const char* name) {
    return QDir(mdbFixtureFolder()).filePath(QLatin1String(name));
}

// Skips a test that reads a sample file, saying which and where, when it is absent.
#define SKIP_WITHOUT_MDB_FIXTURE(name)                                                             \
    do {                                                                                           \
        if (!QFileInfo(::ravelbook::testing::mdbFixture(name)).isFile())                           \
            GTEST_SKIP() << "The Access sample " << (name) << " is missing from "                  \
                         << ::ravelbook::testing::mdbFixtureFolder().toStdString()                 \
                         << " (set RAVELBOOK_MDB_FIXTURES to the folder that holds it)";           \
    } while (false)

} // namespace ravelbook::testing
