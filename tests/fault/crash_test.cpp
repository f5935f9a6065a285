// The program killed in the middle of saving: the book stays sound and holds
// every save the window had reported done.
#include "store/database.h"
#include "support/temp_book.h"

#include <gtest/gtest.h>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>

namespace ravelbook {
namespace {

TEST(Crash, KilledWhileSavingLosesNoReportedSaveAndLeavesTheBookSound) {
    testing::TempBook book;
    book.create();
    QTemporaryDir settings;
    QRandomGenerator random(20240611);
    int reported = 0;
    for (int run = 0; run < 50; ++run) {
        SCOPED_TRACE(run);
        QProcess saver;
        saver.start(QStringLiteral(FAULT_SAVER),
                    {book.path(), settings.path(), QString::number(run * 100000)});
        ASSERT_TRUE(saver.waitForStarted());
        // Killed only once saving is under way: after its first reported save.
        ASSERT_TRUE(saver.waitForReadyRead(20000)) << saver.readAllStandardError().toStdString();
        QThread::msleep(random.bounded(10, 200));
        saver.kill();
        ASSERT_TRUE(saver.waitForFinished(10000));
        EXPECT_EQ(saver.exitStatus(), QProcess::CrashExit)
            << "it stopped by itself: " << saver.readAllStandardError().toStdString();

        {
            // The program's own opening rolls back what the killed one left half done.
            Database reopened(book.path());
            QSqlQuery check = reopened.run(QStringLiteral("PRAGMA integrity_check"));
            ASSERT_TRUE(check.next());
            ASSERT_EQ(check.value(0).toString(), QStringLiteral("ok"));
        }
        const QList<QByteArray> lines = saver.readAllStandardOutput().split('\n');
        for (const QByteArray& line : lines) {
            const QList<QByteArray> words = line.split(' ');
            if (words.size() != 2)
                continue; // the empty end, never a line cut short: each is written at once
            ++reported;
            const QString n = QString::fromLatin1(words[1]);
            const QVariantList addresses = book.column(
                QStringLiteral("SELECT Address FROM Addresses WHERE Name = ?"), {"Saved " + n});
            ASSERT_EQ(addresses.size(), 1) << line.toStdString();
            const QString address = addresses[0].toString();
            if (words[0] == "upd")
                EXPECT_EQ(address, n + " updated");
            else
                EXPECT_TRUE(address == n + " first" || address == n + " updated")
                    << address.toStdString();
        }
    }
    EXPECT_GE(reported, 50);
}

TEST(Crash, KilledWhileCreatingABookLeavesNoBookOrASoundOne) {
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QRandomGenerator random(20261207);
    for (int run = 0; run < 30; ++run) {
        SCOPED_TRACE(run);
        const QString path = home.filePath(QStringLiteral("new-%1.db").arg(run));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(RAVELBOOK_PROGRAM), {QStringLiteral("--database"), path});
        ASSERT_TRUE(program.waitForStarted());
        QThread::msleep(random.bounded(0, 120));
        program.kill();
        ASSERT_TRUE(program.waitForFinished(10000));
        if (QFileInfo::exists(path)) {
            EXPECT_NO_THROW(Database{path}) << QFileInfo(path).size() << " bytes";
        }
    }
}

} // namespace
} // namespace ravelbook
