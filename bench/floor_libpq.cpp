// The floors of the window's figures on a server book, with bare libpq:
//   ravelbook_floor_libpq read URI SQL...  connects, reads every row of each query in
//                                           turn and prints the seconds from connecting
//                                           to disconnecting, and the rows read
//   ravelbook_floor_libpq enter URI RUNS    on an open connection, finds a record in the
//                                           middle of the book by its name (not timed),
//                                           writes one field of it by its key and reads
//                                           it again; prints the median seconds of RUNS
//                                           such saves
// "enter" changes the book: give it a copy.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <libpq-fe.h>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Values arrive as text, already in memory: their lengths are all there is to
// read. False when the statement failed.
bool readAll(PGresult* result, long& rows, long& bytes) {
    const ExecStatusType status = PQresultStatus(result);
    if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK) {
        std::fprintf(stderr, "ravelbook_floor_libpq: %s", PQresultErrorMessage(result));
        PQclear(result);
        return false;
    }
    const int count = PQntuples(result);
    const int columns = PQnfields(result);
    for (int row = 0; row < count; ++row) {
        for (int column = 0; column < columns; ++column)
            bytes += PQgetlength(result, row, column);
    }
    // A write counts the rows it changed.
    rows += status == PGRES_COMMAND_OK ? std::atol(PQcmdTuples(result)) : count;
    PQclear(result);
    return true;
}

PGconn* connect(const char* uri) {
    PGconn* connection = PQconnectdb(uri);
    if (PQstatus(connection) != CONNECTION_OK) {
        std::fprintf(stderr, "ravelbook_floor_libpq: %s", PQerrorMessage(connection));
        PQfinish(connection);
        return nullptr;
    }
    return connection;
}

int read(const char* uri, char** queries, int count) {
    const auto start = Clock::now();
    PGconn* connection = connect(uri);
    if (!connection)
        return 1;
    long rows = 0;
    long bytes = 0;
    for (int i = 0; i < count; ++i) {
        if (!readAll(PQexec(connection, queries[i]), rows, bytes)) {
            PQfinish(connection);
            return 1;
        }
    }
    PQfinish(connection);
    std::printf("%.6f rows=%ld bytes=%ld\n", since(start), rows, bytes);
    return 0;
}

int enter(const char* uri, int runs) {
    PGconn* connection = connect(uri);
    if (!connection)
        return 1;
    // Not timed: which record. The window saves one from the middle of its name list.
    PGresult* middle = PQexec(connection, "SELECT ravelbook_key FROM \"Addresses\" ORDER BY "
                                          "ravelbook_key OFFSET (SELECT COUNT(*) / 2 FROM "
                                          "\"Addresses\") LIMIT 1");
    if (PQresultStatus(middle) != PGRES_TUPLES_OK || PQntuples(middle) != 1) {
        std::fprintf(stderr, "ravelbook_floor_libpq: no record to save %s",
                     PQresultErrorMessage(middle));
        PQclear(middle);
        PQfinish(connection);
        return 1;
    }
    const long first = std::atol(PQgetvalue(middle, 0, 0));
    PQclear(middle);

    std::vector<double> times;
    long rows = 0;
    long bytes = 0;
    for (int run = 0; run < runs; ++run) {
        const std::string address = std::to_string(run) + " Floor Rd";
        const std::string key = std::to_string(first + run);
        const char* update[] = {address.c_str(), key.c_str()};
        const char* reread[] = {key.c_str()};
        // Not timed either: the user chooses the name first, which the server
        // finds by reading the whole table (the window does the same).
        long chosen = 0;
        long chosenBytes = 0;
        if (!readAll(
                PQexecParams(connection,
                             "SELECT ravelbook_key, \"Name\" FROM \"Addresses\" WHERE \"Name\" "
                             "= (SELECT \"Name\" FROM \"Addresses\" WHERE ravelbook_key = $1)",
                             1, nullptr, reread, nullptr, nullptr, 0),
                chosen, chosenBytes)) {
            PQfinish(connection);
            return 1;
        }
        const auto start = Clock::now();
        const bool done =
            readAll(
                PQexecParams(connection,
                             "UPDATE \"Addresses\" SET \"Address\" = $1 WHERE ravelbook_key = $2",
                             2, nullptr, update, nullptr, nullptr, 0),
                rows, bytes) &&
            readAll(PQexecParams(connection, "SELECT * FROM \"Addresses\" WHERE ravelbook_key = $1",
                                 1, nullptr, reread, nullptr, nullptr, 0),
                    rows, bytes);
        times.push_back(since(start));
        if (!done) {
            PQfinish(connection);
            return 1;
        }
    }
    PQfinish(connection);
    if (rows != 2L * runs) {
        std::fprintf(stderr, "ravelbook_floor_libpq: %ld rows written and read, not %d\n", rows,
                     2 * runs);
        return 1;
    }
    std::sort(times.begin(), times.end());
    std::printf("%.6f rows=%ld\n", times[times.size() / 2], rows);
    return 0;
}

int usage() {
    std::fprintf(stderr, "usage: ravelbook_floor_libpq read URI SQL... | enter URI RUNS\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 4)
        return usage();
    const std::string what = argv[1];
    if (what == "read")
        return read(argv[2], argv + 3, argc - 3);
    if (what == "enter" && argc == 4)
        return enter(argv[2], std::max(1, std::atoi(argv[3])));
    return usage();
}
