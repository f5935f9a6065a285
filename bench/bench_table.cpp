// Runs every benchmark beside its floor and prints one table:
//   ravelbook_bench [--runs K] [--sizes N,N,...] [--work DIR] [--server URI]
//                   [--server-records N] [--print-only]
// Each figure is the median of K runs, each run a process of its own, so that
// its peak memory is its own. Ratios are what count: the machine is noisy.
// With --server (a connection URI of any database on a PostgreSQL server, as a
// user who may make databases) the window and print figures are taken again on a
// book of N records (100,000) made on that server, beside floors with bare libpq.
// With --print-only just the rows of ravelbook print beside its floor are taken.
#include "store/postgres/postgres_dialect.h"
#include "store/schema.h"
#include "store/sqlite/sqlite_dialect.h"
#include "store/statements.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <optional>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

extern char** environ;

namespace {

struct Child {
    double wallSeconds = 0;
    double reportedSeconds = 0; // the first number the child printed
    double peakMiB = 0;
    QByteArray printed;
};

// Runs a program, waits for it and takes its peak memory from the kernel.
Child run(const QStringList& command) {
    std::vector<QByteArray> args;
    for (const QString& arg : command)
        args.push_back(arg.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    int out[2];
    if (pipe(out) != 0)
        throw std::runtime_error("no pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        throw std::runtime_error("can't start " + args[0].toStdString());
    }
    QByteArray printed;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = read(out[0], buffer, sizeof buffer)) > 0 || (got < 0 && errno == EINTR))
        if (got > 0)
            printed.append(buffer, got);
    close(out[0]);
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    Child child;
    child.wallSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(command.join(QLatin1Char(' ')).toStdString() + " failed");
    child.peakMiB = usage.ru_maxrss / 1024.0; // kibibytes on Linux
    child.reportedSeconds = printed.split(' ').value(0).trimmed().toDouble();
    child.printed = printed;
    return child;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Figure {
    double seconds = 0;      // the child's own figure
    double wholeSeconds = 0; // the whole process
    double peakMiB = 0;
};

// The same runs, timed as whole processes.
Figure whole(Figure figure) {
    figure.seconds = figure.wholeSeconds;
    return figure;
}

// The runs of one command, gathered into a figure.
class Runs {
public:
    void add(const Child& child) {
        own_.push_back(child.reportedSeconds);
        wholes_.push_back(child.wallSeconds);
        peak_ = std::max(peak_, child.peakMiB);
    }
    // The medians of its own figure and of the whole process.
    Figure figure() const { return {median(own_), median(wholes_), peak_}; }

private:
    std::vector<double> own_;
    std::vector<double> wholes_;
    double peak_ = 0;
};

// K runs of a command.
Figure measure(const QStringList& command, int runs) {
    Runs taken;
    for (int i = 0; i < runs; ++i)
        taken.add(run(command));
    return taken.figure();
}

// K runs each of a command and of its floor, taken in turn, so that the load
// of a busy machine falls on both alike.
std::pair<Figure, Figure> measureBeside(const QStringList& command, const QStringList& floor,
                                        int runs) {
    Runs subject;
    Runs under;
    for (int i = 0; i < runs; ++i) {
        under.add(run(floor));
        subject.add(run(command));
    }
    return {subject.figure(), under.figure()};
}

struct Target {
    std::optional<double> ratio;
    std::optional<double> peakMiB;
};

void header() {
    std::printf("%-22s %8s %10s %10s %8s %8s %9s %9s %s\n", "figure", "records", "seconds",
                "floor s", "ratio", "target", "peak MiB", "us/record", "");
    std::fflush(stdout); // before anything the runs say on stderr
}

void row(const char* name, long records, const Figure& subject, const Figure& floor,
         const Target& target) {
    const double ratio = subject.seconds / floor.seconds;
    bool met = true;
    QString targetText = QStringLiteral("-");
    if (target.ratio) {
        // One decimal, or two when the target has them (1.25).
        const bool tenths = std::abs(*target.ratio * 10 - std::round(*target.ratio * 10)) < 1e-9;
        targetText = QStringLiteral("<=%1x").arg(*target.ratio, 0, 'f', tenths ? 1 : 2);
        met = met && ratio <= *target.ratio;
    }
    if (target.peakMiB)
        met = met && subject.peakMiB <= *target.peakMiB;
    const bool judged = target.ratio || target.peakMiB;
    std::printf("%-22s %8ld %10.4f %10.4f %7.2fx %8s %9.1f %9.2f %s\n", name, records,
                subject.seconds, floor.seconds, ratio, qPrintable(targetText), subject.peakMiB,
                subject.seconds * 1e6 / double(std::max(1L, records)),
                judged ? (met ? "met" : "MISSED") : "");
    std::fflush(stdout);
}

QStringList shell(const QString& script) {
    return {QStringLiteral("/bin/sh"), QStringLiteral("-c"), script};
}

QString quoted(const QString& path) {
    return QLatin1Char('\'') + path + QLatin1Char('\'');
}

// Import and export of the whole book, as whole `ravelbook import/export`
// processes, beside the sqlite3 shell reading and writing the same CSV.
void exchangeRows(const QString& program, const QString& book, const QString& work, long n,
                  int runs) {
    const QDir dir(work);
    const QString csv = dir.filePath(QStringLiteral("book-%1.csv").arg(n));
    const QString vcf = dir.filePath(QStringLiteral("book-%1.vcf").arg(n));
    const QString into = dir.filePath(QStringLiteral("import-%1.db").arg(n));
    const QString out = dir.filePath(QStringLiteral("export-%1").arg(n));
    const auto exportTo = [&](const char* format, const QString& file) {
        return QStringList{program,
                           QStringLiteral("export"),
                           QStringLiteral("--database"),
                           book,
                           QStringLiteral("--format"),
                           QLatin1String(format),
                           QStringLiteral("--output"),
                           file};
    };
    run(exportTo("csv", csv));
    run(exportTo("vcard", vcf));

    // A new book each run, so that every record is added.
    const QString create = QStringLiteral("CREATE TABLE Addresses (%1)")
                               .arg(ravelbook::schema::tables().front().columnDefinitions);
    const Figure floorImport = measure(
        shell(QStringLiteral("rm -f %1 && exec sqlite3 %1 %2 %3")
                  .arg(quoted(into), quoted(create),
                       quoted(QStringLiteral(".import --csv --skip 1 %1 Addresses").arg(csv)))),
        runs);
    const auto importOf = [&](const QString& file) {
        return shell(QStringLiteral("rm -f %1 && exec %2 import --database %1 %3 >/dev/null")
                         .arg(quoted(into), quoted(program), quoted(file)));
    };
    row("import CSV", n, whole(measure(importOf(csv), runs)), whole(floorImport), {2.0, 200.0});
    row("import vCard", n, whole(measure(importOf(vcf), runs)), whole(floorImport), {3.0, 200.0});

    const Figure floorExport =
        measure(shell(QStringLiteral("exec sqlite3 %1 '.headers on' '.mode csv' '.output %2' "
                                     "'SELECT * FROM Addresses'")
                          .arg(quoted(book), out)),
                runs);
    row("export CSV", n, whole(measure(exportTo("csv", out), runs)), whole(floorExport), {});
    row("export vCard", n, whole(measure(exportTo("vcard", out), runs)), whole(floorExport), {});
    for (const QString& file : {csv, vcf, into, out})
        QFile::remove(file);
}

// The book of database `name` on the server that `server` names.
QString onServer(const QString& server, const QString& name) {
    QUrl url(server);
    url.setPath(QLatin1Char('/') + name);
    return url.toString();
}

// The rows a floor says it read.
long rowsRead(const Child& floor) {
    static const QRegularExpression rows(QStringLiteral("rows=([0-9]+)"));
    return rows.match(QString::fromLatin1(floor.printed)).captured(1).toLong();
}

// One statement run with psql on the database `server` names.
void psql(const QString& server, const QString& statement) {
    // The notice that a database to drop is not there is no news.
    run(shell(QStringLiteral("PGOPTIONS='-c client_min_messages=warning' exec psql -X -q -v "
                             "ON_ERROR_STOP=1 -d %1 -c %2 >/dev/null")
                  .arg(quoted(server), quoted(statement))));
}

// The window and print figures again, on a book of `n` records made the same
// way in a database of its own on a PostgreSQL server.
void serverRows(const QString& server, long n, int runs, const QString& here,
                const QString& program, const QString& work) {
    using namespace ravelbook;
    const auto tool = [&](const char* name) {
        return here + QLatin1Char('/') + QLatin1String(name);
    };
    const QString window = tool("ravelbook_window_bench");
    const QString floorRead = tool("ravelbook_floor_libpq");
    const QString floorPdf = tool("ravelbook_floor_pdf");
    const QString database = QStringLiteral("ravelbook_bench_%1").arg(n);
    const QString book = onServer(server, database);
    psql(server, QStringLiteral("DROP DATABASE IF EXISTS ") + database);
    psql(server, QStringLiteral("CREATE DATABASE ") + database);
    run({tool("ravelbook_make_book"), QStringLiteral("--database"), book, QString::number(n)});

    std::printf("\nOn a PostgreSQL server: the same book of %ld records. Floors: every record set\n"
                "the window opens read whole with bare libpq; for Enter Changes one record\n"
                "found by name (untimed), written by its key and read again with libpq; for\n"
                "printing the same QPdfWriter drawing of the labels of group 1.\n\n",
                n);
    header();
    const PostgresDialect dialect;
    const QString nameList = sql::selectNamedAddresses(dialect).text;
    const Figure names = measure({floorRead, QStringLiteral("read"), book, nameList}, runs);
    const Figure recordSets = measure(
        {floorRead, QStringLiteral("read"), book, nameList, sql::selectAllAddresses().text,
         sql::selectTable(schema::kIni).text, sql::selectTable(schema::kReturnAddresses).text},
        runs);
    row("window ready", n, measure({window, QStringLiteral("ready"), book}, runs), recordSets,
        {1.5, {}});
    GroupChoice group0{};
    group0[0] = true;
    row("group click (half)", n,
        measure({window, QStringLiteral("group"), book, QString::number(runs)}, 1),
        measure({floorRead, QStringLiteral("read"), book, sql::selectGroups(group0).text}, runs),
        {});
    row("name list drop-down", n,
        measure({window, QStringLiteral("popup"), book, QString::number(runs)}, 1), names, {});
    const Figure frame{1.0 / 60, 1.0 / 60, 0};
    row("Find keystroke", n,
        measure({window, QStringLiteral("find"), book, QString::number(runs)}, 1), frame,
        {1.0, {}});

    // Saved on a copy, which the server makes with the book as its template.
    const QString copyName = database + QStringLiteral("_enter");
    const QString copy = onServer(server, copyName);
    psql(server, QStringLiteral("DROP DATABASE IF EXISTS ") + copyName);
    psql(server, QStringLiteral("CREATE DATABASE %1 TEMPLATE %2").arg(copyName, database));
    row("Enter Changes", n,
        measure({window, QStringLiteral("enter"), copy, QString::number(runs)}, 1),
        measure({floorRead, QStringLiteral("enter"), copy, QString::number(runs)}, 1), {1.0, {}});
    psql(server, QStringLiteral("DROP DATABASE ") + copyName);

    // About a tenth of the book is in group 1: some 10,000 labels from 100,000 records.
    GroupChoice group1{};
    group1[1] = true;
    const long labels =
        rowsRead(run({floorRead, QStringLiteral("read"), book, sql::selectGroups(group1).text}));
    const QString pdf = QDir(work).filePath(QStringLiteral("labels-server-%1.pdf").arg(n));
    const Figure drawn =
        whole(measure({floorPdf, pdf, QString::number(n), QStringLiteral("1")}, runs));
    const Figure printed =
        measure({program, QStringLiteral("print"), QStringLiteral("--database"), book,
                 QStringLiteral("--stationery"), QStringLiteral("small-labels"),
                 QStringLiteral("--group"), QStringLiteral("1"), QStringLiteral("--pdf"), pdf},
                runs);
    row("ravelbook print", labels, whole(printed), drawn, {1.5, {}});
    row("print from window", labels,
        measure({window, QStringLiteral("print"), book, pdf, QStringLiteral("1")}, runs), drawn,
        {1.5, {}});
    row("preview, first page", labels,
        measure(
            {window, QStringLiteral("preview"), book, QString::number(runs), QStringLiteral("1")},
            1),
        whole(measure({floorPdf, pdf, QStringLiteral("100")}, runs)), {});
    QFile::remove(pdf);
    psql(server, QStringLiteral("DROP DATABASE ") + database);
}

} // namespace

int main(int argc, char* argv[]) {
    int runs = 5;
    std::vector<long> sizes{1000, 10000, 100000};
    QString work = QDir::temp().filePath(QStringLiteral("ravelbook-bench"));
    QString server;
    long serverRecords = 100000;
    bool printOnly = false;
    const auto usage = [] {
        std::fprintf(stderr, "usage: ravelbook_bench [--runs K] [--sizes N,N,...] [--work DIR] "
                             "[--server URI] [--server-records N] [--print-only]\n");
        return 2;
    };
    for (int i = 1; i < argc; ++i) {
        const QString option = QString::fromLocal8Bit(argv[i]);
        if (option == QLatin1String("--print-only")) {
            printOnly = true;
            continue;
        }
        if (i + 1 == argc)
            return usage();
        const QString value = QString::fromLocal8Bit(argv[++i]);
        if (option == QLatin1String("--runs")) {
            runs = std::max(1, value.toInt());
        } else if (option == QLatin1String("--sizes")) {
            sizes.clear();
            for (const QString& size : value.split(QLatin1Char(',')))
                sizes.push_back(size.toLong());
        } else if (option == QLatin1String("--work")) {
            work = value;
        } else if (option == QLatin1String("--server")) {
            server = value;
        } else if (option == QLatin1String("--server-records")) {
            serverRecords = std::max(1L, value.toLong());
        } else {
            return usage();
        }
    }
    QDir().mkpath(work);
    const QString here = QStringLiteral(RAVELBOOK_BENCH_DIR);
    const auto tool = [&](const char* name) {
        return here + QLatin1Char('/') + QLatin1String(name);
    };
    const QString program = QStringLiteral(RAVELBOOK_PROGRAM);
    const QString nameList = ravelbook::sql::selectNamedAddresses(ravelbook::SqliteDialect()).text;
    ravelbook::GroupChoice group0{};
    group0[0] = true;
    const QString groupQuery = ravelbook::sql::selectGroups(group0).text;

    try {
        std::printf("Median of %d runs; floors: the same query read with the bare SQLite C API,\n"
                    "a bare QPdfWriter program drawing the same labels (a whole process), and\n"
                    "the sqlite3 shell importing and exporting the same CSV.\n\n",
                    runs);
        // ravelbook print of the whole book onto small labels beside the floor drawing
        // the same labels, both timed as whole processes; gives the floor's figure.
        const auto printRow = [&](long n, const QString& book, int times) {
            const QString pdf = QDir(work).filePath(QStringLiteral("labels-%1.pdf").arg(n));
            const auto [printed, floorPdf] = measureBeside(
                {program, QStringLiteral("print"), QStringLiteral("--database"), book,
                 QStringLiteral("--stationery"), QStringLiteral("small-labels"),
                 QStringLiteral("--group"), QStringLiteral("17"), QStringLiteral("--pdf"), pdf},
                {tool("ravelbook_floor_pdf"), pdf, QString::number(n)}, times);
            row("ravelbook print", n, whole(printed), whole(floorPdf),
                {1.25, n >= 100000 ? std::optional<double>(150.0) : std::nullopt});
            QFile::remove(pdf);
            return whole(floorPdf);
        };
        // ravelbook print onto catalogue sheets, 10,000 addresses, beside the floor
        // drawing the same blocks; skipped while the command refuses the sheet's id.
        const auto sheetRow = [&](const QString& sheet, const QString& book, long n) {
            const QString pdf = QDir(work).filePath(QStringLiteral("%1.pdf").arg(sheet));
            const QStringList command{program,
                                      QStringLiteral("print"),
                                      QStringLiteral("--database"),
                                      book,
                                      QStringLiteral("--stationery"),
                                      sheet,
                                      QStringLiteral("--group"),
                                      QStringLiteral("17"),
                                      QStringLiteral("--pdf"),
                                      pdf};
            try {
                run(command);
            } catch (const std::runtime_error&) {
                std::printf("%-22s skipped: ravelbook print does not know %s yet\n",
                            qPrintable(QStringLiteral("print ") + sheet), qPrintable(sheet));
                return;
            }
            const auto [printed, floorPdf] = measureBeside(
                command, {tool("ravelbook_floor_pdf"), pdf, QString::number(n), "17", sheet}, runs);
            row(qPrintable(QStringLiteral("print ") + sheet), n, whole(printed), whole(floorPdf),
                {1.5, {}});
            QFile::remove(pdf);
        };
        // The address list of the whole book in name order beside the floor
        // drawing the same records as small labels: the list also wraps every
        // cell and lays the pages out before drawing, so its target is wider.
        const auto listRow = [&](const QString& book, long n) {
            const QString pdf = QDir(work).filePath(QStringLiteral("address-list.pdf"));
            const auto [printed, floorPdf] = measureBeside(
                {program, QStringLiteral("print"), QStringLiteral("--database"), book,
                 QStringLiteral("--stationery"), QStringLiteral("address-list"),
                 QStringLiteral("--sort"), QStringLiteral("name"), QStringLiteral("--group"),
                 QStringLiteral("17"), QStringLiteral("--pdf"), pdf},
                {tool("ravelbook_floor_pdf"), pdf, QString::number(n)}, runs);
            row("print address list", n, whole(printed), whole(floorPdf), {3.0, {}});
            QFile::remove(pdf);
        };
        header();
        for (const long n : sizes) {
            const QString book = QDir(work).filePath(QStringLiteral("book-%1.db").arg(n));
            run({tool("ravelbook_make_book"), book, QString::number(n)});
            if (printOnly) {
                printRow(n, book, runs);
                if (n == 10000) {
                    sheetRow(QStringLiteral("avery-5160"), book, n);
                    sheetRow(QStringLiteral("avery-l7160"), book, n);
                    listRow(book, n);
                }
                continue;
            }
            const Figure names = measure({tool("ravelbook_floor_read"), book, nameList}, runs);
            const QStringList ready = {tool("ravelbook_window_bench"), QStringLiteral("ready"),
                                       book};
            const Figure readyFigure = measure(ready, runs);
            row("window ready", n, readyFigure, names, {1.0, {}});
            if (n == 1000) {
                // The label catalogue must not be felt at start: the floor is the
                // same window with a data folder that holds everything of
                // /usr/share but the label templates.
                const QString share = QDir(work).filePath(QStringLiteral("share-without-labels"));
                run(shell(QStringLiteral("rm -rf %1 && mkdir %1 && for e in /usr/share/*; do "
                                         "[ \"$e\" = /usr/share/libglabels-3.0 ] || ln -s \"$e\" "
                                         "%1/; done")
                              .arg(quoted(share))));
                QStringList quotedReady;
                for (const QString& word : ready)
                    quotedReady << quoted(word);
                const QString readyLine = quotedReady.join(QLatin1Char(' '));
                const auto withData = [&](const QString& dirs) {
                    return shell(QStringLiteral("XDG_DATA_DIRS=%1 exec %2").arg(dirs, readyLine));
                };
                row("ready, catalogue", n, measure(withData(QStringLiteral("/usr/share")), runs),
                    measure(withData(quoted(share)), runs), {1.1, {}});
                // Against a fixed 0.2 s, as a frame is the floor of a keystroke.
                const Figure fifth{0.2, 0.2, 0};
                row("stationery list", 1750,
                    whole(measure({program, QStringLiteral("stationery"), QStringLiteral("list")},
                                  runs)),
                    fifth, {1.0, {}});
            }
            row("group click (half)", n,
                measure({tool("ravelbook_window_bench"), QStringLiteral("group"), book,
                         QString::number(runs)},
                        1),
                measure({tool("ravelbook_floor_read"), book, groupQuery}, runs), {});
            row("name list drop-down", n,
                measure({tool("ravelbook_window_bench"), QStringLiteral("popup"), book,
                         QString::number(runs)},
                        1),
                names, {});
            // Against one frame at 60 Hz rather than a floor: each keystroke must answer within it.
            const Figure frame{1.0 / 60, 1.0 / 60, 0};
            row("Find keystroke", n,
                measure({tool("ravelbook_window_bench"), QStringLiteral("find"), book,
                         QString::number(runs)},
                        1),
                frame, {1.0, {}});
            if (n >= 100000) {
                const QString copy = QDir(work).filePath(QStringLiteral("enter-%1.db").arg(n));
                QFile::remove(copy);
                QFile::copy(book, copy);
                row("Enter Changes", n,
                    measure({tool("ravelbook_window_bench"), QStringLiteral("enter"), copy,
                             QString::number(runs)},
                            1),
                    names, {0.5, {}});
                QFile::remove(copy);
            }
            const Figure floorPdf = printRow(n, book, runs);
            if (n == 10000) {
                sheetRow(QStringLiteral("avery-5160"), book, n);
                sheetRow(QStringLiteral("avery-l7160"), book, n);
                listRow(book, n);
            }
            if (n >= 10000) {
                const QString pdf = QDir(work).filePath(QStringLiteral("labels-%1.pdf").arg(n));
                // From the shown window, with its progress dialog, timed inside.
                row("print from window", n,
                    measure({tool("ravelbook_window_bench"), QStringLiteral("print"), book, pdf},
                            runs),
                    floorPdf, {1.5, {}});
                // The preview draws the page it shows and no other: its first page of the
                // whole book costs no more than printing 100 labels. Past 10,000 records
                // counting them for the page count takes about that long by itself.
                row("preview, first page", n,
                    measure({tool("ravelbook_window_bench"), QStringLiteral("preview"), book,
                             QString::number(runs)},
                            1),
                    whole(measure({tool("ravelbook_floor_pdf"), pdf, QStringLiteral("100")}, runs)),
                    {n <= 10000 ? std::optional<double>(1.0) : std::nullopt, {}});
                QFile::remove(pdf);
            }
            exchangeRows(program, book, work, n, runs);
        }
        if (printOnly)
            return 0;
        // One very long run, once: printing must stay in flat memory however long it is.
        const long longRun = 1000000;
        const QString book = QDir(work).filePath(QStringLiteral("book-%1.db").arg(longRun));
        run({tool("ravelbook_make_book"), book, QString::number(longRun)});
        printRow(longRun, book, 1);
        QFile::remove(book);
        if (!server.isEmpty())
            serverRows(server, serverRecords, runs, here, program, work);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "ravelbook_bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
