#pragma once

#include <array>
#include <optional>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace ravelbook::exchange {

// How many problems of a file are listed; a file damaged throughout would
// otherwise have more of them than memory holds.
inline constexpr int kMostProblems = 1000;

// Adds a problem to `problems`, or, past the most listed, says once that
// further ones are not.
inline void addProblem(QStringList& problems, const QString& problem) {
    if (problems.size() < kMostProblems)
        problems << problem;
    else if (problems.size() == kMostProblems)
        problems << QCoreApplication::translate("SourceTable",
                                                "Further problems of the file are not listed.");
}

// What an import reads before anything is mapped: named columns and rows of
// text, whatever the file's kind.
struct SourceTable {
    QString kind; // "CSV", "vCard" or "Access": mappings are remembered per kind
    QStringList columns;
    std::vector<QStringList> rows;
    std::vector<int> lines; // where each row starts in the file (line, card or row number)
    QStringList problems;   // what could not be read, one entry a place
    // What the reader itself leaves out, with how often (vCard properties no field takes).
    std::vector<std::pair<QString, int>> leftOut;
};

// The other two tables of a book kept in Ravelbook's own layout, which come in as they are.
struct BookExtras {
    std::vector<std::array<QString, 3>> returnAddresses; // Name, Address, City State Zip
    std::optional<int> verticalAdjustment;
};

struct ImportSource {
    SourceTable table;
    std::optional<BookExtras> book;
};

} // namespace ravelbook::exchange
