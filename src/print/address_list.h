#pragma once

#include "print/layout.h"
#include "print/print_job.h"
#include "print/print_run.h"

#include <QLocale>
#include <vector>

namespace ravelbook {

class AddressSource;
class PrinterSurface;

// The chosen records as a printed table, the office's phone list and the
// check list before a mailing: name, address, city line, country, contact,
// phone and notes in columns across a Letter or A4 page, the groups' titles,
// the date and the page number in every page's heading. A row is as tall as
// its longest cell wrapped into its column, and never splits across pages.
class AddressList final : public RunPages {
public:
    // Both must outlive the list; the job's offset is read when drawing.
    AddressList(const PrintJob& job, AddressSource& source);

    // Reads the `total` chosen records once, in the run's order, to lay their
    // rows out on pages. Throws StoreError.
    void paginate(int total) override;
    int pageCount() const override { return int(pageStarts_.size()); }
    Layout layout() const override;

    // Draws the rows of `pages`, one page a sheet; the outcome counts rows.
    PrintOutcome draw(PrinterSurface& surface, const PrintProgress& progress,
                      PageSpan pages) override;

private:
    const PrintJob& job_;
    AddressSource& source_;
    // The index of the first row of each page.
    std::vector<int> pageStarts_;
    int total_ = 0;
};

// The page an address list is printed on: the setup's paper, portrait, one
// document of many pages.
Layout addressListLayout(const AddressListSetup& setup);

// The paper a list is printed on by default where the locale is: Letter in
// the Americas' Letter countries and the Philippines, A4 elsewhere.
ListPaper listPaperForLocale(const QLocale& locale);

} // namespace ravelbook
