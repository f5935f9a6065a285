#include "app/console_dialogs.h"

#include <cstdio>

namespace ravelbook {

Dialogs::Answer ConsoleDialogs::message(const QString& text, const QString& title,
                                        Buttons buttons) {
    if (title == kErrorTitle)
        std::fprintf(stderr, "ravelbook: %s\n", qPrintable(text));
    else
        std::fprintf(stderr, "ravelbook: %s: %s\n", qPrintable(title), qPrintable(text));
    // Nobody can answer here: refuse what a Yes would do, keep what Save would keep.
    switch (buttons) {
    case Buttons::YesNo:
        return Answer::No;
    case Buttons::SaveDiscardCancel:
        return Answer::Save;
    default:
        return Answer::Ok;
    }
}

QString ConsoleDialogs::prompt(const QString&, const QString&, const QString&) {
    return {};
}

QString ConsoleDialogs::saveFileName(const QString&, const QString&) {
    return {};
}

} // namespace ravelbook
