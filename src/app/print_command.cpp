#include "app/print_command.h"

#include "app/paths.h"
#include "print/painted_destination.h"
#include "print/printers.h"
#include "print/vertical_adjustment.h"
#include "settings/ini_settings_store.h"
#include "store/data_source.h"
#include "store/database.h"
#include "store/store_error.h"
#include "window/dialogs.h"
#include "window/mail_form.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTextStream>
#include <vector>

namespace ravelbook {

namespace {

const std::pair<const char*, Stationery> kKinds[] = {
    {"small-labels", Stationery::SmallLabels},
    {"large-labels", Stationery::LargeLabels},
    {"envelopes", Stationery::Envelopes},
    {"cards", Stationery::Cards},
    {"fliers", Stationery::Fliers},
};

// The window's boxes, answered as nobody is there to answer them: what they
// said is kept for standard error.
class CollectingDialogs final : public Dialogs {
public:
    Answer message(const QString& text, const QString&, Buttons buttons) override {
        said << text;
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
    QString prompt(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&) override { return {}; }

    QStringList said;
};

// Thrown for a request the book can't satisfy; exit status 1.
struct CantPrint {
    QString message;
};

std::vector<int> groupsNamed(const frmMailForm& form, const QString& group) {
    bool number = false;
    const int column = group.toInt(&number);
    if (number) {
        if (column < 0 || column >= sql::kGroupCount)
            throw CantPrint{QStringLiteral("There is no group %1; groups are 0 to 17.").arg(group)};
        return {column};
    }
    std::vector<int> found;
    for (int k = 0; k < sql::kGroupCount; ++k) {
        if (form.groupCaption(k) == group)
            found.push_back(k);
    }
    if (found.empty())
        throw CantPrint{QStringLiteral("There is no group titled \"%1\".").arg(group)};
    return found;
}

// Sets the window up as the user would for this request.
void choose(frmMailForm& form, const PrintCommand& command) {
    for (const QString& group : command.groups) {
        for (int k : groupsNamed(form, group))
            form.chkGroups[frmMailForm::twinOf(k)]->setChecked(true);
    }
    form.stationeryOption(command.stationery)->click();
    if (command.biFold)
        form.optBiFold->setChecked(true);
    form.chkFirstNameFirst->setChecked(!command.lastNameFirst);
    if (command.special)
        form.txtSpecial->setText(*command.special);
    if (command.adjust)
        form.txtVerticalAdjustment->setText(*command.adjust);

    const int returnRow = command.returnAddress - 1;
    if (returnRow >= form.datReturnAddresses->recordCount())
        throw CantPrint{QStringLiteral("The address book has %1 return address(es), not %2.")
                            .arg(form.datReturnAddresses->recordCount())
                            .arg(command.returnAddress)};
    form.datReturnAddresses->moveTo(returnRow);

    form.chkPrintSample->setChecked(command.selected.has_value());
    if (command.selected) {
        const int row = int(form.datGrid->firstFields().indexOf(*command.selected));
        if (row < 0)
            throw CantPrint{QStringLiteral("No record named \"%1\" is in the chosen groups.")
                                .arg(*command.selected)};
        form.datGrid->moveTo(row);
    }
}

QString plural(int n, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

} // namespace

QString printUsage() {
    return QStringLiteral(
        "Usage: ravelbook print [--database FILE] --stationery KIND --group G [--group G]...\n"
        "                       [--selected NAME] [--last-name-first] [--bi-fold]\n"
        "                       [--special TEXT] [--adjust TWIPS] [--return-address N]\n"
        "                       (--pdf FILE | --printer NAME)\n"
        "\n"
        "Prints the chosen groups of the address book without opening the window;\n"
        "the address book is not changed.\n"
        "\n"
        "  --stationery KIND     small-labels, large-labels, envelopes, cards or fliers\n"
        "  --group G             a group column 0 to 17, or a group title (every group\n"
        "                        with that title); may be given more than once\n"
        "  --selected NAME       print only the first record of the chosen groups named NAME\n"
        "  --last-name-first     print names as stored (\"Last, First\")\n"
        "  --bi-fold             fliers in the bi-fold layout\n"
        "  --special TEXT        the special text of envelopes, cards and fliers\n"
        "  --adjust TWIPS        vertical adjustment of labels for this run (180 = 1/8\")\n"
        "  --return-address N    the Nth return address of the book (default 1)\n"
        "  --pdf FILE            write the whole run into one PDF file\n"
        "  --printer NAME        print on this printer\n");
}

std::optional<PrintCommand> parsePrintCommand(const QStringList& arguments, QString& error) {
    PrintCommand command;
    command.database = defaultDatabasePath();
    bool stationery = false;
    for (int i = 0; i < arguments.size(); ++i) {
        QString option = arguments[i];
        std::optional<QString> inlineValue;
        const int equals = int(option.indexOf(QLatin1Char('=')));
        if (option.startsWith(QLatin1String("--")) && equals > 0) {
            inlineValue = option.mid(equals + 1);
            option = option.left(equals);
        }
        const auto value = [&]() -> std::optional<QString> {
            if (inlineValue)
                return inlineValue;
            if (i + 1 >= arguments.size())
                return std::nullopt;
            return arguments[++i];
        };
        // `what` names the value in the message; a named thing can't be empty.
        const auto needValue = [&](QString& into, const char* what = nullptr) {
            const std::optional<QString> v = value();
            if (!v || (what && v->isEmpty())) {
                error = QStringLiteral("%1 needs %2")
                            .arg(option, QLatin1String(what ? what : "a value"));
                return false;
            }
            into = *v;
            return true;
        };
        const auto flag = [&](bool& into) {
            if (inlineValue) {
                error = QStringLiteral("%1 takes no value").arg(option);
                return false;
            }
            into = true;
            return true;
        };
        QString text;
        bool ok = true;
        if (option == QLatin1String("--database")) {
            ok = needValue(command.database, "a file name");
        } else if (option == QLatin1String("--stationery")) {
            ok = needValue(text);
            if (ok) {
                stationery = false;
                for (const auto& [name, kind] : kKinds) {
                    if (text == QLatin1String(name)) {
                        command.stationery = kind;
                        stationery = true;
                    }
                }
                if (!stationery) {
                    error = QStringLiteral("unknown stationery \"%1\"").arg(text);
                    ok = false;
                }
            }
        } else if (option == QLatin1String("--group")) {
            ok = needValue(text);
            if (ok)
                command.groups << text;
        } else if (option == QLatin1String("--selected")) {
            ok = needValue(text);
            if (ok)
                command.selected = text;
        } else if (option == QLatin1String("--last-name-first")) {
            ok = flag(command.lastNameFirst);
        } else if (option == QLatin1String("--bi-fold")) {
            ok = flag(command.biFold);
        } else if (option == QLatin1String("--special")) {
            ok = needValue(text);
            if (ok)
                command.special = text;
        } else if (option == QLatin1String("--adjust")) {
            ok = needValue(text);
            if (ok && !readVerticalAdjustment(text)) {
                error =
                    QStringLiteral("--adjust \"%1\" lies outside -32768..32767 twips").arg(text);
                ok = false;
            }
            if (ok)
                command.adjust = text;
        } else if (option == QLatin1String("--return-address")) {
            ok = needValue(text);
            if (ok) {
                command.returnAddress = text.toInt(&ok);
                if (!ok || command.returnAddress < 1) {
                    error = QStringLiteral("--return-address needs a number from 1 up");
                    ok = false;
                }
            }
        } else if (option == QLatin1String("--pdf")) {
            ok = needValue(command.pdf, "a file name");
        } else if (option == QLatin1String("--printer")) {
            ok = needValue(command.printer, "a printer name");
        } else {
            error = QStringLiteral("unknown argument \"%1\"").arg(arguments[i]);
            ok = false;
        }
        if (!ok)
            return std::nullopt;
    }
    if (!stationery)
        error = QStringLiteral("--stationery is missing");
    else if (command.groups.isEmpty())
        error = QStringLiteral("at least one --group is needed");
    else if (command.pdf.isEmpty() == command.printer.isEmpty())
        error = QStringLiteral("give either --pdf FILE or --printer NAME");
    return error.isEmpty() ? std::optional<PrintCommand>(command) : std::nullopt;
}

int runPrintCommand(const PrintCommand& command, QTextStream& out, QTextStream& err) {
    try {
        if (!command.printer.isEmpty() && !printerExists(command.printer))
            throw CantPrint{
                QStringLiteral("There is no printer named \"%1\".").arg(command.printer)};
        Database db(command.database, Database::Access::ReadOnly);
        IniSettingsStore settings(settingsRoot());
        CollectingDialogs dialogs;
        // Never shown and never closed, so nothing is purged and no title is saved.
        frmMailForm form(db, settings, dialogs);
        choose(form, command);
        const std::unique_ptr<PaintedDestination> destination =
            command.pdf.isEmpty() ? PaintedDestination::printer(command.printer)
                                  : PaintedDestination::pdf(command.pdf);
        form.setPrintDestination(destination.get());
        form.cmdPrintMailingList_Click();
        form.setPrintDestination(nullptr);
        if (!dialogs.said.isEmpty())
            throw CantPrint{dialogs.said.join(QLatin1Char('\n'))};

        const PrintTally& tally = form.lastPrintTally();
        out << "Printed " << plural(form.lastPrint().items, "item", "items") << " on "
            << plural(tally.pages, "page", "pages") << " in "
            << plural(tally.documents, "document", "documents") << "." << Qt::endl;
        return 0;
    } catch (const CantPrint& cant) {
        err << "ravelbook: " << cant.message << Qt::endl;
    } catch (const StoreError& error) {
        err << "ravelbook: " << error.message() << Qt::endl;
    }
    return 1;
}

} // namespace ravelbook
