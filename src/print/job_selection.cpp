#include "print/job_selection.h"

namespace ravelbook {

PrintOptionsShown printOptionsShownFor(Stationery stationery) {
    //                          lblSpecial txtSpecial frmFold Label1 txtReturnAddress(3)
    switch (stationery) {
    case Stationery::SmallLabels:
        return {false, false, false, false, false};
    case Stationery::LargeLabels:
        return {false, false, false, true, true};
    case Stationery::Envelopes:
    case Stationery::Cards:
        return {true, true, false, true, true};
    case Stationery::Fliers:
        break;
    }
    return {true, true, true, true, true};
}

} // namespace ravelbook
