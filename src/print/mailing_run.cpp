#include "print/mailing_run.h"

#include "core/counted.h"
#include "print/print_error.h"

#include <array>

namespace ravelbook {

MailingRun::MailingRun(const PrintJob& job, AddressSource& addresses) : run_(job, addresses) {}

std::optional<Unprintable> MailingRun::select() {
    tally_ = {};
    const PrintJob& job = run_.job();
    if (job.senderLabels && (job.addressList || run_.layout().documentPerItem()))
        return Unprintable{kSenderLabelsNeedLabels};
    outcome_ = run_.select();
    if (outcome_.stop == PrintOutcome::Stop::NoRecord)
        return Unprintable{kNoRecordToPrint};
    if (outcome_.failure)
        return Unprintable{{*outcome_.failure, {}}, true};
    if (run_.total() == 0)
        return Unprintable{job.senderLabels ? kNoReturnAddress : kNothingInGroups};
    return std::nullopt;
}

bool MailingRun::print(PrintDestination& destination, const OffsetFor& offsetFor,
                       const PrintProgress& progress) {
    PrinterSurface* surface = destination.begin();
    if (!surface)
        return false;
    run_.setOffset(offsetFor(destination.printer()));
    outcome_ = run_.draw(*surface, progress);
    try {
        tally_ = destination.end();
    } catch (const PrintError& error) {
        if (!outcome_.failure)
            outcome_.failure = error.message();
    }
    return true;
}

QString MailingRun::withFitsNote(const QString& summary) const {
    QString said = summary;
    for (const QString& note : {lineFitsNote(outcome_), missingGlyphsNote(outcome_)}) {
        if (!note.isEmpty())
            said += QStringLiteral(" ") + note;
    }
    return said;
}

namespace {

// What the user calls one item of the run, and many.
std::array<const char*, 2> itemNouns(const PrintRun& run) {
    static const char* const kItems[][2] = {{"label", "labels"},
                                            {"label", "labels"},
                                            {"envelope", "envelopes"},
                                            {"card", "cards"},
                                            {"flier", "fliers"}};
    const PrintJob& job = run.job();
    if (job.addressList)
        return {"address", "addresses"};
    if (job.stock && job.stock->kind != StockKind::Labels)
        return job.stock->kind == StockKind::Envelope
                   ? std::array<const char*, 2>{"envelope", "envelopes"}
                   : std::array<const char*, 2>{"card", "cards"};
    if (job.stock)
        return {"label", "labels"};
    const auto& items = kItems[std::size_t(job.stationery)];
    return {items[0], items[1]};
}

} // namespace

QString MailingRun::summary(const PrintDestination& destination) const {
    const auto items = itemNouns(run_);
    const bool labels = !run_.layout().documentPerItem() && !run_.job().addressList;
    const QString sheets =
        counted(tally_.pages, labels ? "sheet" : "page", labels ? "sheets" : "pages");
    if (outcome_.stop == PrintOutcome::Stop::Cancelled) {
        const QString where = destination.printer().isEmpty()
                                  ? QStringLiteral("%1 holds the %2 drawn before the cancel")
                                  : QStringLiteral("%2 went to %1");
        return withFitsNote(QStringLiteral("Cancelled after %1 of %2: ")
                                .arg(outcome_.items)
                                .arg(counted(outcome_.total, items[0], items[1])) +
                            where.arg(destination.where(), sheets) + QStringLiteral("."));
    }
    return withFitsNote(
        QStringLiteral("Printed %1 on %2 to %3.")
            .arg(counted(outcome_.items, items[0], items[1]), sheets, destination.where()));
}

QString MailingRun::itemSummary(bool toPrinter) const {
    // A PDF is one file however many documents the run has; a printer takes them as jobs.
    QString summary =
        QStringLiteral("Printed %1 on %2")
            .arg(counted(outcome_.items, "item", "items"), counted(tally_.pages, "page", "pages"));
    if (toPrinter)
        summary += QStringLiteral(" in ") + counted(tally_.documents, "print job", "print jobs");
    return withFitsNote(summary + QStringLiteral("."));
}

} // namespace ravelbook
