#include "print/mailing_run.h"

#include "core/counted.h"
#include "print/print_error.h"

#include <array>
#include <QCoreApplication>

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
    const QString fitted = lineFitsNote(outcome_);
    return fitted.isEmpty() ? summary : summary + QStringLiteral(" ") + fitted;
}

namespace {

// What the user calls one item of the run, and many.
std::array<const char*, 2> itemNouns(const PrintRun& run) {
    static const char* const kItems[][2] = {
        {QT_TRANSLATE_NOOP("MailingRun", "%1 label"), QT_TRANSLATE_NOOP("MailingRun", "%1 labels")},
        {QT_TRANSLATE_NOOP("MailingRun", "%1 label"), QT_TRANSLATE_NOOP("MailingRun", "%1 labels")},
        {QT_TRANSLATE_NOOP("MailingRun", "%1 envelope"),
         QT_TRANSLATE_NOOP("MailingRun", "%1 envelopes")},
        {QT_TRANSLATE_NOOP("MailingRun", "%1 card"), QT_TRANSLATE_NOOP("MailingRun", "%1 cards")},
        {QT_TRANSLATE_NOOP("MailingRun", "%1 flier"),
         QT_TRANSLATE_NOOP("MailingRun", "%1 fliers")}};
    const PrintJob& job = run.job();
    if (job.addressList)
        return {QT_TRANSLATE_NOOP("MailingRun", "%1 address"),
                QT_TRANSLATE_NOOP("MailingRun", "%1 addresses")};
    if (job.stock && job.stock->kind != StockKind::Labels)
        return job.stock->kind == StockKind::Envelope
                   ? std::array<const char*, 2>{QT_TRANSLATE_NOOP("MailingRun", "%1 envelope"),
                                                QT_TRANSLATE_NOOP("MailingRun", "%1 envelopes")}
                   : std::array<const char*, 2>{QT_TRANSLATE_NOOP("MailingRun", "%1 card"),
                                                QT_TRANSLATE_NOOP("MailingRun", "%1 cards")};
    if (job.stock)
        return {QT_TRANSLATE_NOOP("MailingRun", "%1 label"),
                QT_TRANSLATE_NOOP("MailingRun", "%1 labels")};
    const auto& items = kItems[std::size_t(job.stationery)];
    return {items[0], items[1]};
}

} // namespace

// A count with the noun of itemNouns().
QString countedItems(int n, const std::array<const char*, 2>& nouns) {
    return counted(n, QCoreApplication::translate("MailingRun", nouns[0]),
                   QCoreApplication::translate("MailingRun", nouns[1]));
}

QString MailingRun::summary(const PrintDestination& destination) const {
    const auto items = itemNouns(run_);
    const bool labels = !run_.layout().documentPerItem() && !run_.job().addressList;
    const QString sheets =
        labels ? counted(tally_.pages, QCoreApplication::translate("MailingRun", "%1 sheet"),
                         QCoreApplication::translate("MailingRun", "%1 sheets"))
               : counted(tally_.pages, QCoreApplication::translate("MailingRun", "%1 page"),
                         QCoreApplication::translate("MailingRun", "%1 pages"));
    if (outcome_.stop == PrintOutcome::Stop::Cancelled) {
        const QString where = destination.printer().isEmpty()
                                  ? QCoreApplication::translate(
                                        "MailingRun", "%1 holds the %2 drawn before the cancel")
                                  : QCoreApplication::translate("MailingRun", "%2 went to %1");
        return withFitsNote(QCoreApplication::translate("MailingRun", "Cancelled after %1 of %2: ")
                                .arg(outcome_.items)
                                .arg(countedItems(outcome_.total, items)) +
                            where.arg(destination.where(), sheets) + QStringLiteral("."));
    }
    return withFitsNote(QCoreApplication::translate("MailingRun", "Printed %1 on %2 to %3.")
                            .arg(countedItems(outcome_.items, items), sheets, destination.where()));
}

QString MailingRun::itemSummary(bool toPrinter) const {
    // A PDF is one file however many documents the run has; a printer takes them as jobs.
    QString summary =
        QCoreApplication::translate("MailingRun", "Printed %1 on %2")
            .arg(counted(outcome_.items, QCoreApplication::translate("MailingRun", "%1 item"),
                         QCoreApplication::translate("MailingRun", "%1 items")),
                 counted(tally_.pages, QCoreApplication::translate("MailingRun", "%1 page"),
                         QCoreApplication::translate("MailingRun", "%1 pages")));
    if (toPrinter)
        summary +=
            counted(tally_.documents, QCoreApplication::translate("MailingRun", " in %1 print job"),
                    QCoreApplication::translate("MailingRun", " in %1 print jobs"));
    return withFitsNote(summary + QStringLiteral("."));
}

} // namespace ravelbook
