#include "print/address_list.h"

#include "print/address_source.h"
#include "print/printer_surface.h"

namespace ravelbook {

AddressList::AddressList(const PrintJob& job, AddressSource& source) : job_(job), source_(source) {}

void AddressList::paginate(int total) {
    total_ = total;
    pageStarts_.clear();
    if (total > 0)
        pageStarts_.push_back(0);
}

PrintOutcome AddressList::draw(PrinterSurface& surface, const PrintProgress& progress,
                               PageSpan pages) {
    (void)surface;
    (void)progress;
    (void)pages;
    return {};
}

ListPaper listPaperForLocale(const QLocale& locale) {
    static const QLocale::Territory kLetter[] = {
        QLocale::UnitedStates, QLocale::Canada,    QLocale::Mexico,    QLocale::Philippines,
        QLocale::Chile,        QLocale::Colombia,  QLocale::Venezuela, QLocale::PuertoRico,
        QLocale::Guatemala,    QLocale::CostaRica, QLocale::Panama,    QLocale::DominicanRepublic};
    for (const QLocale::Territory territory : kLetter) {
        if (locale.territory() == territory)
            return ListPaper::Letter;
    }
    return ListPaper::A4;
}

Layout addressListLayout(const AddressListSetup& setup) {
    Layout l;
    const bool a4 = setup.paper == ListPaper::A4;
    l.paperWidth = a4 ? 11906 : 12240;
    l.paperHeight = a4 ? 16838 : 15840;
    l.pageSize = Layout::PageSize{l.paperWidth, l.paperHeight, false};
    l.stock = {-kNominalMargin, -kNominalMargin, l.paperWidth, l.paperHeight};
    return l;
}

} // namespace ravelbook
