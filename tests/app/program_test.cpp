// The ravelbook program itself, started as users and scripts start it.
#include <gtest/gtest.h>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace ravelbook {
namespace {

struct Outcome {
    int exitCode;
    QString standardError;
    QString standardOutput;
};

Outcome runProgram(const QStringList& arguments, const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(RAVELBOOK_PROGRAM), arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError()),
            QString::fromLocal8Bit(process.readAllStandardOutput())};
}

class Program : public ::testing::Test {
protected:
    void SetUp() override {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                           home.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    }

    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
};

TEST_F(Program, FileThatIsNoAddressBookEndsTheProgramWithItsNameAndReason) {
    const QString path = home.filePath(QStringLiteral("notes.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("shopping: eggs, milk\n");
    file.close();

    const Outcome run = runProgram({QStringLiteral("--database"), path}, environment);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.standardError.contains(path)) << run.standardError.toStdString();
    EXPECT_TRUE(run.standardError.contains(QStringLiteral("not a Ravelbook address book")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("shopping: eggs, milk\n"));
}

TEST_F(Program, UsageErrorsAndHelp) {
    Outcome run = runProgram({QStringLiteral("--frobnicate")}, environment);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.standardError.contains(QStringLiteral("Usage: ravelbook")));

    QProcessEnvironment noDisplay = environment;
    noDisplay.remove(QStringLiteral("QT_QPA_PLATFORM"));
    noDisplay.remove(QStringLiteral("DISPLAY"));
    noDisplay.remove(QStringLiteral("WAYLAND_DISPLAY"));
    run = runProgram({QStringLiteral("--help")}, noDisplay);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.standardOutput.contains(QStringLiteral("--database FILE")));
    run = runProgram({}, noDisplay);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.standardError.contains(QStringLiteral("no display")));
}

TEST_F(Program, StartsOnItsDefaultBookAndCreatesIt) {
    const QString book = home.filePath(QStringLiteral("data/Ravelbook/Ravelbook.db"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(RAVELBOOK_PROGRAM), {});
    ASSERT_TRUE(process.waitForStarted());
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo(book).size() > 0; }, 20000));
    // Still running: the window is up and waits for the user.
    EXPECT_EQ(process.state(), QProcess::Running);
    process.kill();
    process.waitForFinished();
    EXPECT_EQ(QFileInfo(book).permissions() & (QFile::ReadGroup | QFile::ReadOther), 0);
}

} // namespace
} // namespace ravelbook
