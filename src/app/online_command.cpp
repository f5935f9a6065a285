#include "app/online_command.h"

#include "app/command_main.h"
#include "app/paths.h"
#include "core/error.h"
#include "exchange/carddav/address_book_sync.h"
#include "exchange/carddav/password_source.h"
#include "settings/group_titles.h"
#include "settings/ini_settings_store.h"
#include "settings/trusted_certificates.h"
#include "store/book_link.h"
#include "store/database.h"

#include <QCoreApplication>
#include <QTextStream>

namespace ravelbook {

namespace {

using Value = OptionRow::Value;

std::optional<OnlineCommand> finish(OnlineCommand command, const CommandOptions& options,
                                    int operands, QString& error) {
    command.database = options.valueOr("database", defaultDatabasePath());
    const QStringList given = options.operands();
    if (given.size() > operands)
        error = CommandOptions::unknownArgument(given.at(operands));
    else if (operands > 0 && given.isEmpty())
        error = QCoreApplication::translate("OnlineCommand", "the address book's URL is needed");
    else if (operands > 0)
        command.url = given.first();
    return error.isEmpty() ? std::optional<OnlineCommand>(command) : std::nullopt;
}

QString passwordFor(const QUrl& server, const QString& user) {
    if (const std::optional<QString> password = standardPasswordSource()->password(server, user))
        return *password;
    throw cantDo(QCoreApplication::translate(
                     "OnlineCommand",
                     "no password for %1 at %2: put it in ~/.netrc (machine %2 login "
                     "%1 password ...) or the keyring")
                     .arg(user, server.host()));
}

// The certificates the user trusted in the window count for the commands too.
void trustFromSettings(NetworkTransport& transport, SettingsStore& settings) {
    transport.setTrustedCertificates(TrustedCertificateSettings(settings).all());
}

// The link's URL or the one given, as the client takes it.
QUrl urlOf(const QString& address) {
    return QUrl::fromUserInput(address);
}

int link(const OnlineCommand& command, QTextStream& out, QTextStream& err) {
    const QUrl given = urlOf(command.url);
    QString user = command.user;
    if (user.isEmpty())
        user = given.userName();
    if (user.isEmpty())
        throw cantDo(
            QCoreApplication::translate("OnlineCommand", "no user name: give --user NAME"));
    IniSettingsStore settings(settingsRoot());
    NetworkTransport transport;
    trustFromSettings(transport, settings);
    CardDavClient client(transport, user, passwordFor(given, user));
    const std::vector<CardDavAddressBook> books = client.discover(command.url);
    if (books.empty())
        throw cantDo(QStringLiteral("%1 holds no address book").arg(command.url));
    if (command.list) {
        for (const CardDavAddressBook& book : books)
            out << book.displayName << '\t' << book.url.toString() << '\t'
                << client.list(book.url).size() << " cards" << Qt::endl;
        return 0;
    }
    std::optional<CardDavAddressBook> chosen;
    for (const CardDavAddressBook& book : books) {
        if (book.url.adjusted(QUrl::StripTrailingSlash) == given.adjusted(QUrl::StripTrailingSlash))
            chosen = book;
    }
    if (!chosen && books.size() == 1)
        chosen = books.front();
    if (!chosen) {
        err << "ravelbook link: "
            << QCoreApplication::translate(
                   "OnlineCommand",
                   "%1 has several address books; give the URL of the one to link:")
                   .arg(command.url)
            << Qt::endl;
        for (const CardDavAddressBook& book : books)
            err << "  " << book.url.toString() << "  " << book.displayName << Qt::endl;
        return 1;
    }
    Database db(command.database);
    AddressBookSync sync(db, client, group_titles::current(settings));
    const SyncSummary summary = sync.link(chosen->url, user);
    out << QCoreApplication::translate("OnlineCommand", "Linked %1 to %2.")
               .arg(db.displayName(), chosen->url.toString())
        << Qt::endl
        << summary.text();
    out.flush();
    return summary.clean() ? 0 : 1;
}

int sync(const OnlineCommand& command, QTextStream& out) {
    Database db(command.database);
    const std::optional<book_link::Link> linked = book_link::read(db);
    if (!linked)
        throw cantDo(QCoreApplication::translate(
                         "OnlineCommand", "the book %1 is not linked to an online address book: "
                                          "\"ravelbook link\" links it")
                         .arg(db.displayName()));
    IniSettingsStore settings(settingsRoot());
    NetworkTransport transport;
    trustFromSettings(transport, settings);
    CardDavClient client(transport, linked->user, passwordFor(QUrl(linked->url), linked->user));
    AddressBookSync sync(db, client, group_titles::current(settings));
    if (!command.keep.isEmpty()) {
        const KeepVersion keep =
            command.keep == QLatin1String("book") ? KeepVersion::Book : KeepVersion::Server;
        int resolved = 0;
        for (const SyncConflict& conflict : sync.conflicts()) {
            if (conflict.name == command.record) {
                sync.resolve(conflict.href, keep);
                ++resolved;
            }
        }
        if (resolved == 0)
            throw cantDo(
                QCoreApplication::translate("OnlineCommand", "no conflict of a record named \"%1\"")
                    .arg(command.record));
    }
    const SyncSummary summary = sync.sync();
    out << summary.text();
    out.flush();
    return summary.clean() ? 0 : 1;
}

} // namespace

QString linkUsage() {
    return QCoreApplication::translate(
        "OnlineCommand",
        "Usage: ravelbook link [--database BOOK] [--user NAME] [--list] URL\n"
        "Links the book to an online (CardDAV) address book and syncs it for the first\n"
        "time: records and cards of the same person (same name and address) are paired,\n"
        "the others go both ways. URL is the address book's, or a server's (a host name\n"
        "will do) to find the address books on. The password comes from the keyring or\n"
        "~/.netrc; it is never kept in the book.\n\n"
        "  --database BOOK  the book (a file, or postgresql://...); the default book if not given\n"
        "  --user NAME      the user name on the server\n"
        "  --list           list the address books found (name, URL, cards) without linking\n");
}

QString unlinkUsage() {
    return QCoreApplication::translate(
        "OnlineCommand", "Usage: ravelbook unlink [--database BOOK]\n"
                         "Forgets the book's link to its online address book; the records "
                         "stay.\n");
}

QString syncUsage() {
    return QCoreApplication::translate(
        "OnlineCommand",
        "Usage: ravelbook sync [--database BOOK] [--keep book|server --record NAME]\n"
        "Brings the book and its online address book in step both ways and prints what\n"
        "came in, went out and was deleted. A record changed in both places is written\n"
        "to neither: it is a conflict until you choose which version stays. Exits with 1\n"
        "when conflicts or refusals remain.\n\n"
        "  --database BOOK  the book; the default book if not given\n"
        "  --keep book|server  end the conflict of --record NAME with this version\n"
        "  --record NAME    the name of the record whose conflict --keep ends\n");
}

std::optional<OnlineCommand> parseLinkCommand(const QStringList& arguments, QString& error) {
    CommandOptions options(
        {{"database", Value::NotEmpty, QT_TRANSLATE_NOOP("CommandOptions", "a book")},
         {"user", Value::NotEmpty, QT_TRANSLATE_NOOP("CommandOptions", "a user name")},
         {"list"}});
    OnlineCommand command;
    command.action = OnlineCommand::Action::Link;
    if (!options.parse(arguments, command.asked, error))
        return std::nullopt;
    if (command.asked.any())
        return command;
    command.user = options.value("user");
    command.list = options.isSet("list");
    return finish(command, options, 1, error);
}

std::optional<OnlineCommand> parseUnlinkCommand(const QStringList& arguments, QString& error) {
    CommandOptions options(
        {{"database", Value::NotEmpty, QT_TRANSLATE_NOOP("CommandOptions", "a book")}});
    OnlineCommand command;
    command.action = OnlineCommand::Action::Unlink;
    if (!options.parse(arguments, command.asked, error))
        return std::nullopt;
    if (command.asked.any())
        return command;
    return finish(command, options, 0, error);
}

std::optional<OnlineCommand> parseSyncCommand(const QStringList& arguments, QString& error) {
    CommandOptions options(
        {{"database", Value::NotEmpty, QT_TRANSLATE_NOOP("CommandOptions", "a book")},
         {"keep", Value::NotEmpty, "book or server"},
         {"record", Value::NotEmpty, QT_TRANSLATE_NOOP("CommandOptions", "a name")}});
    OnlineCommand command;
    command.action = OnlineCommand::Action::Sync;
    if (!options.parse(arguments, command.asked, error))
        return std::nullopt;
    if (command.asked.any())
        return command;
    command.keep = options.value("keep");
    command.record = options.value("record");
    if (!command.keep.isEmpty() && command.keep != QLatin1String("book") &&
        command.keep != QLatin1String("server"))
        error = QCoreApplication::translate("OnlineCommand", "--keep takes book or server");
    else if (command.keep.isEmpty() != command.record.isEmpty())
        error = QCoreApplication::translate("OnlineCommand", "--keep and --record go together");
    if (!error.isEmpty())
        return std::nullopt;
    return finish(command, options, 0, error);
}

int runOnlineCommand(const OnlineCommand& command, QTextStream& out, QTextStream& err) {
    static const char* const names[] = {"link", "unlink", "sync"};
    const QString name = QStringLiteral("ravelbook ") + QLatin1String(names[int(command.action)]);
    try {
        switch (command.action) {
        case OnlineCommand::Action::Link:
            return link(command, out, err);
        case OnlineCommand::Action::Unlink: {
            Database db(command.database);
            if (!book_link::read(db))
                throw cantDo(
                    QCoreApplication::translate(
                        "OnlineCommand", "the book %1 is not linked to an online address book")
                        .arg(db.displayName()));
            AddressBookSync::unlink(db);
            out << QCoreApplication::translate("OnlineCommand", "Unlinked %1.")
                       .arg(db.displayName())
                << Qt::endl;
            return 0;
        }
        case OnlineCommand::Action::Sync:
            return sync(command, out);
        }
    } catch (const UntrustedCertificateError& error) {
        err << name << ": " << error.message()
            << " It can be trusted from the window: File: Link Online Address Book…" << Qt::endl;
    } catch (const Error& error) {
        err << name << ": " << error.message() << Qt::endl;
    }
    return 1;
}

int runOnlineMain(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString name = QString::fromLocal8Bit(argv[1]);
    if (name == QLatin1String("link"))
        return commandMain(name, parseLinkCommand, linkUsage, runOnlineCommand);
    if (name == QLatin1String("unlink"))
        return commandMain(name, parseUnlinkCommand, unlinkUsage, runOnlineCommand);
    return commandMain(name, parseSyncCommand, syncUsage, runOnlineCommand);
}

} // namespace ravelbook
