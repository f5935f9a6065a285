// The floor of the window's figures: reads every row of one query with the bare
// SQLite C API and prints the seconds it took, from opening the file to closing it.
//   ravelbook_floor_read BOOK SQL
#include <chrono>
#include <cstdio>
#include <sqlite3.h>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: ravelbook_floor_read BOOK SQL\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(argv[1], &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "%s\n", sqlite3_errmsg(db));
        sqlite3_close(db);
        return 1;
    }
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, argv[2], -1, &statement, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "%s\n", sqlite3_errmsg(db));
        sqlite3_close(db);
        return 1;
    }
    long rows = 0;
    long bytes = 0; // every value is touched, so nothing is skipped
    const int columns = sqlite3_column_count(statement);
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
        ++rows;
        for (int i = 0; i < columns; ++i) {
            if (sqlite3_column_type(statement, i) == SQLITE_INTEGER) {
                bytes += sqlite3_column_int64(statement, i) != 0;
            } else {
                sqlite3_column_text(statement, i);
                bytes += sqlite3_column_bytes(statement, i);
            }
        }
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    if (step != SQLITE_DONE) {
        std::fprintf(stderr, "reading stopped: %s\n", sqlite3_errstr(step));
        return 1;
    }
    std::printf("%.6f rows=%ld bytes=%ld\n", took.count(), rows, bytes);
    return 0;
}
