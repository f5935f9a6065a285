#pragma once

#include "print/layout.h"

#include <array>
#include <QString>

namespace ravelbook {

// Which print options a stationery offers: the special text, the fold choice
// and the return address.
struct PrintOptionsShown {
    bool lblSpecial = false;
    bool txtSpecial = false;
    bool frmFold = false;
    bool Label1 = false;
    bool txtReturnAddress3 = false;

    bool operator==(const PrintOptionsShown& other) const {
        return lblSpecial == other.lblSpecial && txtSpecial == other.txtSpecial &&
               frmFold == other.frmFold && Label1 == other.Label1 &&
               txtReturnAddress3 == other.txtReturnAddress3;
    }
};

PrintOptionsShown printOptionsShownFor(Stationery stationery);

// The order in which the print button looks at the stationery options.
inline constexpr std::array<Stationery, 5> kStationeryOrder = {
    Stationery::SmallLabels, Stationery::LargeLabels, Stationery::Envelopes, Stationery::Cards,
    Stationery::Fliers};

// A message box that turns a print request down: text and title.
struct Refusal {
    QString text;
    QString title;
};

inline const Refusal kNoGroupChosen{QStringLiteral("First select some groups to mail to"),
                                    QStringLiteral("Nothing selected")};
inline const Refusal kNoStationeryChosen{QStringLiteral("You must first select what to print!"),
                                         QStringLiteral("Select option at the top left!")};
inline const Refusal kNoRecordToPrint{QStringLiteral("First select a record to print!"),
                                      QStringLiteral("Nothing to print!")};
inline const Refusal kNoReturnAddress{
    QStringLiteral("There is no return address to print: type one on page \"Return Address\" "
                   "first."),
    QStringLiteral("Nothing to print!")};
inline const Refusal kSenderLabelsNeedLabels{
    QStringLiteral("Return address labels are printed on label sheets: choose a label "
                   "stationery on page \"Mailings\" first."),
    QStringLiteral("No labels chosen")};
inline const Refusal kNothingInGroups{
    QStringLiteral("Nothing was printed: the chosen groups hold no named addresses."),
    QStringLiteral("Nothing to print!")};

} // namespace ravelbook
