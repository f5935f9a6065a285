#pragma once

#include <gtest/gtest.h>
#include <QProcess>
#include <QTemporaryDir>

namespace ravelbook::testing {

// The ravelbook program started as users and scripts start it, with per-user
// folders in a temporary home and no display.
class Program : public ::testing::Test {
protected:
    struct Outcome {
        int exitCode;
        QString standardError;
        QString standardOutput;
    };

    Program();
    Outcome run(const QStringList& arguments) const { return run(arguments, environment); }
    static Outcome run(const QStringList& arguments, const QProcessEnvironment& environment);

    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
};

} // namespace ravelbook::testing
