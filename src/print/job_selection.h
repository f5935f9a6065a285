#pragma once

#include "print/layout.h"

#include <array>
#include <QCoreApplication>
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

// A message box that turns a print request down: text and title, translated
// when shown (the constants are made before any translation is loaded).
struct Refusal {
    const char* textSource = nullptr;
    const char* titleSource = nullptr;
    QString made = {}; // a text made at run time, shown as it is
    QString text() const {
        return textSource ? QCoreApplication::translate("Refusal", textSource) : made;
    }
    QString title() const {
        return titleSource ? QCoreApplication::translate("Refusal", titleSource) : QString();
    }
};

inline const Refusal kNoGroupChosen{
    QT_TRANSLATE_NOOP("Refusal", "First select some groups to mail to"),
    QT_TRANSLATE_NOOP("Refusal", "Nothing selected")};
inline const Refusal kNoStationeryChosen{
    QT_TRANSLATE_NOOP("Refusal", "You must first select what to print!"),
    QT_TRANSLATE_NOOP("Refusal", "Select option at the top left!")};
inline const Refusal kNoRecordToPrint{
    QT_TRANSLATE_NOOP("Refusal", "First select a record to print!"),
    QT_TRANSLATE_NOOP("Refusal", "Nothing to print!")};
inline const Refusal kNoReturnAddress{
    QT_TRANSLATE_NOOP("Refusal",
                      "There is no return address to print: type one on page \"Return Address\" "
                      "first."),
    QT_TRANSLATE_NOOP("Refusal", "Nothing to print!")};
inline const Refusal kSenderLabelsNeedLabels{
    QT_TRANSLATE_NOOP("Refusal",
                      "Return address labels are printed on label sheets: choose a label "
                      "stationery on page \"Mailings\" first."),
    QT_TRANSLATE_NOOP("Refusal", "No labels chosen")};
inline const Refusal kNothingInGroups{
    QT_TRANSLATE_NOOP("Refusal", "Nothing was printed: the chosen groups hold no named addresses."),
    QT_TRANSLATE_NOOP("Refusal", "Nothing to print!")};

} // namespace ravelbook
