<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AccessFile</name>
    <message>
        <source>the file is damaged (its reader sent no %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>table list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>columns for table &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AccessStream</name>
    <message>
        <source>The Access file &quot;%1&quot; can&apos;t be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AddressBookSync</name>
    <message>
        <source>Came in: %1 new, %2 changed.
Went out: %3 new, %4 changed.
Deleted: %5 in the book, %6 on the server.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conflict: &quot;%1&quot; changed in the book and on the server; neither was written.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refused: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled: the next sync goes on from here.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The book is linked; the next sync finishes linking it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The book is not linked to an online address book.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asking the server what changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fetching cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the server&apos;s card holds no vCard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: changed on the server meanwhile, so it was not deleted there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: changed on the server meanwhile, so the book&apos;s change was not written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending new records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no conflict of that card to resolve.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AddressList</name>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address list: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BookAddresses</name>
    <message>
        <source>The addresses could not be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BookFile</name>
    <message>
        <source>it is not a Ravelbook address book (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address book &quot;%1&quot; can&apos;t be opened: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not readable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is an empty file, with no address book in it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is damaged (it is shorter than it should be)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder can&apos;t be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a file of that name is already there</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BookLink</name>
    <message>
        <source>The book is linked to an online address book already (%1): unlink it first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A record from the online address book was not added.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BookOpening</name>
    <message>
        <source>Server Password</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BulkInsert</name>
    <message>
        <source>The address book could not do this: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CardDavClient</name>
    <message>
        <source>The server %1 refused the user name or password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 refused access to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 has nothing at %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 refused the change: it conflicts with what it holds (another card with the same UID?).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 answered with an error (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the address of a server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 shows no address books at %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: %2
See &quot;%1 --help&quot;.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: ravelbook [--database BOOK | FILE]
       ravelbook --version
       ravelbook print --help
       ravelbook import --help
       ravelbook export --help
       ravelbook copy --help
       ravelbook stationery --help
       ravelbook link|unlink|sync --help

Keeps an address book and prints it onto labels, envelopes, cards and fliers.

  --database BOOK  open this address book instead of the default: a file, or
                   a server&apos;s postgresql://user@host:port/dbname
                   (%1); for a missing file you are asked
                   before a new book is created there
  --version        show the version
  --help           show this text

&quot;ravelbook print&quot; prints groups of the address book without the window;
&quot;ravelbook import&quot; and &quot;ravelbook export&quot; bring records in and write them out;
&quot;ravelbook copy&quot; copies a whole book into another;
&quot;ravelbook stationery&quot; lists the stationery it can print on;
&quot;ravelbook link&quot; and &quot;ravelbook sync&quot; keep it in step with an online address book.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no command and no file; did you mean &quot;ravelbook %2&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandOptions</name>
    <message>
        <source>a file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown argument &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 needs %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a user name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a printer name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConflictResolution</name>
    <message>
        <source>Changed by Someone Else</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (differs from yours)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>group %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Groups: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

Show the other version?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The record as it is saved now:

%1

Save your changes over it? (No keeps them in the boxes, unsaved.)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CopyCommand</name>
    <message>
        <source>Nothing was copied: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No table &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: ravelbook copy --from BOOK --to BOOK [--append]
Copies a whole address book into another: records, return addresses and the
vertical adjustment. A BOOK is a file or a server&apos;s URI
(postgresql://user@host:port/dbname). A missing file or an empty server
database becomes a book. The copy is written in one transaction: all of it or
nothing.

  --from BOOK  the book copied
  --to BOOK    the book written; it must hold no records yet, unless --append
  --append     add the records to those the receiving book holds
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>both --from and --to are needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A book can&apos;t be copied into itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The book &quot;%1&quot; already holds %2 records; nothing was copied. Give --append to add to them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copied %1 and %2 from %3 to %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 return address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 return addresses</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>row %1 is inside an unclosed quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rows %1 to %2 are inside an unclosed quote</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CurrentRecord</name>
    <message>
        <source>the new address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The address book on the server &quot;%1&quot; can&apos;t be opened: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
Details: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server book &quot;%1&quot; can&apos;t be reached: the server is not running or refused the connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server asks for the password of &quot;%1&quot;. Give it in ~/.pgpass, PGPASSWORD or a service file; Ravelbook never takes it on the command line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server of &quot;%1&quot; asks for the password of &quot;%2&quot;:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server did not accept that password (%1). The password of &quot;%2&quot; on &quot;%3&quot;:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no password was given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; holds no address book yet. Make it a new address book?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the database holds no address book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the new book could not be made (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address book &quot;%1&quot; is damaged (%2): restore it from a backup copy. Until then Ravelbook writes nothing more to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server book &quot;%1&quot; gave no answer in %2 seconds: the server may be stopped or out of reach. Ravelbook stopped waiting; try again in a moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was written: the address book &quot;%1&quot; is damaged (%2). Restore the file from a backup copy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was written to the address book &quot;%1&quot;: it was given here for reading only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address book refused a statement: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address book could not do this: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address book has no table &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address book &quot;%1&quot; is missing.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>There is no address book at %1. Create a new one?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>the disk is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk could not be written (input/output error)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExchangeCommand</name>
    <message>
        <source>no record could be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is already in the book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 are already in the book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 have no name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 are empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>of the file&apos;s %1 row, %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>of the file&apos;s %1 rows, %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: ravelbook import [--database BOOK] [--format csv|vcard|mdb] [--table NAME]
                        [--map HEADING=FIELD]... [--dry-run] FILE

Adds the records of a CSV, vCard or Access file to the address book, in one
step: all of them or, when anything fails, none. Records already in the book
(same name and address) are skipped; groups are matched by their titles.

  --database BOOK the address book: a file, or a server&apos;s URI
  --format KIND   csv, vcard or mdb; by default told by the file&apos;s name
  --table NAME    the table of an Access file that is not a Ravelbook book
  --map HEADING=FIELD
                  the column of that heading goes to FIELD (may be repeated;
                  other columns go where their headings say):
%1  --dry-run       say what would be imported, and write nothing
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: ravelbook export [--database BOOK] [--group G]... --format csv|vcard
                        [--output FILE]

Writes the address book, or the records of the chosen groups, as CSV (one
column per group, -1 for a member) or as vCard 3.0 (groups as CATEGORIES).

  --database BOOK the address book: a file, or a server&apos;s URI
  --group G       a group column 0 to 17, or a group title; may be repeated
  --format KIND   csv or vcard
  --output FILE   write to this file (replaced only once all is written);
                  standard output when left out or given as -
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--map takes HEADING=FIELD, FIELD one of: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only one file can be imported at a time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file to import is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--format is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t tell what kind of file &quot;%1&quot; is; give --format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dry run: nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imported %1 record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imported %1 records.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was imported: the records came into the book from elsewhere while the file was read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported %1 record to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported %1 records to %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>The export could not be written to &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GroupNames</name>
    <message>
        <source>There is no group %1; groups are 0 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no group titled &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GroupTitles</name>
    <message>
        <source>Personal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Business</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HttpTransport</name>
    <message>
        <source>The certificate of %1 is not trusted (SHA-256 %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 did not answer within %2 s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 sent more than %2 MB, which is refused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 could not be reached.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>The book&apos;s vertical adjustment of %1 twips would put labels off the printable area; it is left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2 values more than the %3 headings; the extra ones are left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2 &quot;%3&quot; is longer than its box (%4 of %5 characters); it is kept whole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was imported: record %1 was refused. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to add, %2 skipped as already in the book, %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 empty row left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 empty rows left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 row had no name (nor an organization) and was left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 rows had no name (nor an organization) and were left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 return address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 return addresses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and the vertical adjustment come in as well.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 come in as well.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group &quot;%1&quot; (%2) goes to group column %3, which takes its title.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group &quot;%1&quot; (%2) matches no group title and is not kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not kept, as no field takes them: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not kept, as another column fills the same field: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IniSettingsStore</name>
    <message>
        <source>The settings file &quot;%1&quot; could not be saved: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder can&apos;t be created</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MailingRun</name>
    <message>
        <source>%1 label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 labels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 envelope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 envelopes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 flier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 fliers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 addresses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sheets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds the %2 drawn before the cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%2 went to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printed %1 on %2 to %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printed %1 on %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> in %1 print job</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> in %1 print jobs</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>there is no display to show the window on (DISPLAY is not set)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Mapping</name>
    <message>
        <source>Name: first name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name: middle name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name: last name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name, else Contact: organization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address: second line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City State Zip: city</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City State Zip: state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City State Zip: zip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone: home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone: mobile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone: business</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone: other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address, when no other: business street</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address, when no other: business street, second line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City State Zip, when no other: business city</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City State Zip, when no other: business state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City State Zip, when no other: business zip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country, when no other: business country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Groups by title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Groups by title, one a line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group titled by the heading (yes/no)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Groups by column number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(not imported)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group %1 &quot;%2&quot; (yes/no)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file has no column &quot;%1&quot;; its columns are: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MdbFile</name>
    <message>
        <source>it is an Access 2007 or later file (.accdb); save it as an Access 2000 or 2002-2003 .mdb first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not an Access database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its Access version (%1) is not Jet 3 or Jet 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is damaged (it is not a whole number of pages)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is damaged or encrypted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its table list can&apos;t be read (the file is damaged or encrypted)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its table &quot;%1&quot; can&apos;t be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the columns of table &quot;%1&quot; can&apos;t be read</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MdbReader</name>
    <message>
        <source>Reads an Access file for Ravelbook.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The columns of table &lt;table&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The columns and rows of table &lt;table&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Access file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MultiStatus</name>
    <message>
        <source>the answer is not a WebDAV multistatus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 sent an answer that could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NativeInsert</name>
    <message>
        <source>The address book could not do this: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OnlineCommand</name>
    <message>
        <source>the address book&apos;s URL is needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no password for %1 at %2: put it in ~/.netrc (machine %2 login %1 password ...) or the keyring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no user name: give --user NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has several address books; give the URL of the one to link:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linked %1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the book %1 is not linked to an online address book: &quot;ravelbook link&quot; links it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no conflict of a record named &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: ravelbook link [--database BOOK] [--user NAME] [--list] URL
Links the book to an online (CardDAV) address book and syncs it for the first
time: records and cards of the same person (same name and address) are paired,
the others go both ways. URL is the address book&apos;s, or a server&apos;s (a host name
will do) to find the address books on. The password comes from the keyring or
~/.netrc; it is never kept in the book.

  --database BOOK  the book (a file, or postgresql://...); the default book if not given
  --user NAME      the user name on the server
  --list           list the address books found (name, URL, cards) without linking
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: ravelbook unlink [--database BOOK]
Forgets the book&apos;s link to its online address book; the records stay.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: ravelbook sync [--database BOOK] [--keep book|server --record NAME]
Brings the book and its online address book in step both ways and prints what
came in, went out and was deleted. A record changed in both places is written
to neither: it is a conflict until you choose which version stays. Exits with 1
when conflicts or refusals remain.

  --database BOOK  the book; the default book if not given
  --keep book|server  end the conflict of --record NAME with this version
  --record NAME    the name of the record whose conflict --keep ends
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--keep takes book or server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--keep and --record go together</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the book %1 is not linked to an online address book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlinked %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a disk device, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is the open address book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a database file (an address book), which it would destroy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no file was named</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing is reading from the pipe</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PaintedDestination</name>
    <message>
        <source>the PDF file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PdfTarget</name>
    <message>
        <source>The PDF file &quot;%1&quot; can&apos;t be written: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF file could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF file could not take a new page.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PostgresDialect</name>
    <message>
        <source>the connection to the server was lost (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server does not allow this to your user name (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server stopped it after the time it allows a statement; another user may be holding the records it needs, so try again in a moment (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server&apos;s disk is full (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another user is changing the same records; try again in a moment (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server found the book&apos;s data damaged (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreviewTarget</name>
    <message>
        <source>The preview shows one page at a time.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>The address book has %1 return address(es), not %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No record named &quot;%1&quot; is in the chosen groups.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--offset &quot;%1&quot; needs two numbers of inches, X,Y (such as 0.05,-0.03)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--offset &quot;%1&quot; lies outside -%2..%2 inch either way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--adjust &quot;%1&quot; lies outside -32768..32767 twips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--adjust &quot;%1&quot; would put lines of the labels off the printable area; use %2 to %3 twips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--copies needs a number from 1 to 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--sort &quot;%1&quot;: use book, name or postal-code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--paper &quot;%1&quot;: use letter or a4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--stationery is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--paper is for --stationery address-list only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--sender-labels needs a label stationery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--fill-sheet is for label sheets only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--fill-sheet needs --selected NAME or --sender-labels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give either --copies or --fill-sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the address list has no calibration sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--start-at is for label sheets only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--start-at %1: a sheet of these labels has %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at least one --group is needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give either --pdf FILE or --printer NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: ravelbook print [--database BOOK] --stationery KIND --group G [--group G]...
                       [--selected NAME] [--last-name-first] [--bi-fold]
                       [--special TEXT] [--adjust TWIPS] [--return-address N]
                       [--start-at N] [--offset X,Y] [--copies N | --fill-sheet]
                       [--sort ORDER] [--close-up] [--paper PAPER]
                       (--pdf FILE | --printer NAME)
       ravelbook print --sender-labels --stationery KIND [--return-address N]
                       [--start-at N] [--copies N] (--pdf FILE | --printer NAME)
       ravelbook print --calibration-sheet --stationery KIND [--offset X,Y]
                       (--pdf FILE | --printer NAME)

Prints the chosen groups of the address book without opening the window;
the address book is not changed. On a --printer calibrated in the window
(File: Calibrate Printer), everything is moved by the offsets kept for it.

  --database BOOK       the address book: a file, or a server&apos;s URI
  --stationery KIND     small-labels, large-labels, envelopes, cards, fliers or
                        any id of &quot;ravelbook stationery list&quot; (avery-5160,
                        avery-l7160, envelope-dl, postcard-a6, …), or
                        address-list: the records as a table of pages
  --group G             a group column 0 to 17, or a group title (every group
                        with that title); may be given more than once
  --selected NAME       print only the first record of the chosen groups named NAME
  --last-name-first     print names as stored (&quot;Last, First&quot;)
  --bi-fold             fliers in the bi-fold layout
  --special TEXT        the special text of envelopes, cards and fliers
  --adjust TWIPS        vertical adjustment of labels for this run (180 = 1/8&quot;)
  --return-address N    the Nth return address of the book (default 1)
  --start-at N          labels: begin the first sheet at label N (1 to 20 for
                        small labels, 1 to 10 for large, 1 to 30 for avery-5160),
                        to finish a used sheet
  --offset X,Y          move everything X inches right and Y inches down for
                        this run (negative: left, up), on top of the printer&apos;s
                        calibration; at most 1 inch either way
  --copies N            print each record N times in a row (1 to 100)
  --fill-sheet          with --selected or --sender-labels: fill every free
                        label of the sheet
  --sender-labels       labels of the return address (--return-address N), from
                        --start-at to the end of the sheet, or --copies N of
                        them; no --group is needed
  --sort ORDER          book (as added, the default), name, or postal-code (by
                        the code in the city line; those without one last)
  --close-up            leave no gap for empty address lines
  --paper PAPER         the address list&apos;s paper: letter or a4 (default: the
                        locale&apos;s)
  --calibration-sheet   print the calibration sheet of the stationery instead of
                        addresses: its outlines and rulers, to measure how far
                        the printer&apos;s print lands off; no --group is needed
  --pdf FILE            write the whole run into one PDF file
  --printer NAME        print on this printer
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no printer named &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printed the calibration sheet on %1 page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printed the calibration sheet on %1 pages.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintRun</name>
    <message>
        <source>%1 line was</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lines were</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 printed smaller and %2 cut to fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 printed smaller to fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cut to fit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrinterTarget</name>
    <message>
        <source>The printer &quot;%1&quot; could not start the print job.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no printer to print on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not begin a new page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not finish the print job.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgramModule</name>
    <message>
        <source>The program&apos;s library %1 is missing or damaged (it belongs in %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program&apos;s library %1 is not of this version.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReaderProcess</name>
    <message>
        <source>the program&apos;s Access reader %1 is missing (it belongs beside the program, in %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its reader %1 could not be started (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is damaged (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reading it did not end in %1 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reading it stopped making progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reading it gave more than %1 MB of text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its reader sent more than was asked for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reading it gave more than the file can hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its reader sent what was not asked for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its reader&apos;s answer is garbled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reading it failed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordConflict</name>
    <message>
        <source>The record being edited</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The record &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was changed by someone else after you read it, so your changes were not saved. What you typed is kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was deleted by someone else after you read it, so your changes were not saved and the record is not made again. What you typed is kept.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Schema</name>
    <message>
        <source>the table &quot;%1&quot; has lost its key column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the table &quot;%1&quot; is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the table &quot;%1&quot; has no column &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be the first column of the table &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a Ravelbook address book (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was made by a newer Ravelbook</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServerConnection</name>
    <message>
        <source>Books on a server need PostgreSQL&apos;s client library (libpq.so.5, Debian package libpq5), which could not be loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds a password, and libpq can&apos;t read it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a server address Ravelbook can read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server address &quot;%1&quot; holds a password. Leave it out: Ravelbook asks for it, or takes it from ~/.pgpass, PGPASSWORD or a service file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ravelbook can&apos;t tell whether the two server books are one: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SourceFile</name>
    <message>
        <source>The file &quot;%1&quot; can&apos;t be imported: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it could not be read to its end (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a text file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds no rows below its headings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds no vCard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SourceTable</name>
    <message>
        <source>Further problems of the file are not listed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SqlFailure</name>
    <message>
        <source>another program is using the address book; try again in a moment (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the address book file is read-only (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file could not be read or written (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is damaged (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk is full (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a database file (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>The file &quot;%1&quot; is empty: it holds no addresses. Make it a new address book?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StationeryCatalogue</name>
    <message>
        <source>built in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown stationery &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown stationery &quot;%1&quot;; did you mean %2?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StationeryCommand</name>
    <message>
        <source>%1 mm (%2 in)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>round</source>
        <extracomment>Shape of a label, in &quot;ravelbook stationery show&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ellipse</source>
        <extracomment>Shape of a label, in &quot;ravelbook stationery show&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rectangle</source>
        <extracomment>Shape of a label, in &quot;ravelbook stationery show&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 a sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper: %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shape: %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, corner radius %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Margin: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid: %1 x %2 from %3, every %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Labels: %1 a sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>built in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>say &quot;list&quot; or &quot;show ID&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the stationery to show is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: ravelbook stationery list [--search TEXT]
       ravelbook stationery show ID
Lists the stationery the program can print on: its own, and the templates of
the gLabels label designer (the glabels-data package, ~/.config/libglabels,
~/.glabels) and of %1.

  list           one line for each: id, product, description, paper, labels
                 a sheet, label size; the files&apos; faults on standard error
  --search TEXT  only those whose product, description or id hold every word
  show ID        the paper, the label and where the labels sit
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableReader</name>
    <message>
        <source>The file has no table &quot;%1&quot;; its tables are: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not an address book in Ravelbook&apos;s layout; choose one of its tables: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TemplateReader</name>
    <message>
        <source>%1 CD/DVD labels left out: discs are not printed on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 continuous labels left out: rolls are not printed on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 labels of drawn outlines left out: only rectangles, circles and ellipses are printed on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 labels of other shapes left out: only rectangles, circles and ellipses are printed on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown paper size &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the paper (%1 x %2) is larger than the %3 the program can print on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the label (%1 x %2) is larger than its paper (%3 x %4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than %1 labels on one sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a Layout puts labels off the paper (%1 x %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is larger than %1 MB: skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is damaged here (%1): the paper sizes after it are skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>can&apos;t be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is damaged here (%1): skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a template needs a part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is damaged here (%1): the templates after it are skipped</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TemplateWriter</name>
    <message>
        <source>The stationery file &quot;%1&quot; can&apos;t be written: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextDecoding</name>
    <message>
        <source>line %1: the byte 0x%2 is not UTF-8 like the rest of the file; it is read as &quot;%3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VCardMerge</name>
    <message>
        <source>The card on the server can&apos;t be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VCardReader</name>
    <message>
        <source>line %1: the card is cut short (no END:VCARD); it is left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: can&apos;t be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: the card is cut short (the file ends before END:VCARD); it is left out</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ravelbook::BookMenu</name>
    <message>
        <source>&amp;New Book…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Book…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Server Book…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Address Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Address Book</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ravelbook::CalibrationDialog</name>
    <message>
        <source>inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibrate Printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stationery:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;rinter…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Sheet as P&amp;DF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre&amp;view Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration sheet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Negative moves the print left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Negative moves the print up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move print &amp;right by:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move print &amp;down by:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the sheet on plain paper, hold it against the stationery in front of a light and add how far the printed outlines are off to the offsets above; print again to check. OK keeps the offsets for this printer, and everything printed on it is moved by them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer is installed; the sheet can be saved as a PDF file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the calibration sheet as a PDF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration sheet.pdf</source>
        <extracomment>The file name offered for the saved sheet</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calibration sheet went to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration Sheet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ravelbook::DataNavigator</name>
    <message>
        <source>First</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ravelbook::DataSource</name>
    <message>
        <source>There is no current record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The table &quot;%1&quot; has no column &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No records have been chosen yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records can&apos;t be read with &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address book could not be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The record is no longer the one shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new record was not saved: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The table &quot;%1&quot; has no field %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ravelbook::ExchangeMenu</name>
    <message>
        <source>Address files (*.csv *.txt *.tsv *.vcf *.vcard *.mdb);;CSV files (*.csv *.txt *.tsv);;vCard files (*.vcf *.vcard);;Access files (*.mdb);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vCard 3.0 file (*.vcf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import addresses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a CSV, vCard or Access file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The table to import:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing addresses...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The import was cancelled; nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Group &quot;%1&quot; matched no group title and was not kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %1 had no name and were left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imported %1 of %2 records; %3 skipped as already in the book.%4%5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export addresses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporting addresses...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported %1 records to &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The export was cancelled; nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ravelbook::GridColumns</name>
    <message>
        <source>Show group columns</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ravelbook::ImportPreview</name>
    <message>
        <source>Import from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where each column of the %1 file goes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goes to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first records as they will be in the book:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Groups of the file that match no group title (give one a group column, which then takes its title):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(not kept)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group %1 &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where %1 goes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summary</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ravelbook::LinkBookDialog</name>
    <message>
        <source>Link Online Address Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An address book on a CardDAV server (Nextcloud, Fastmail, iCloud, Radicale…), kept in step with this book both ways.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dav.example.org or https://…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from the keyring or ~/.netrc when empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep the password in the keyring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Trust this certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U&amp;nlink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This book is linked to %1 as %2. Unlink keeps the records and forgets the link.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No address book was found at %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

Trust it only if the server&apos;s administrator gave you the same fingerprint.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address books found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ravelbook::MailingPrinter</name>
    <message>
        <source>Printing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ravelbook::MailingsPage</name>
    <message>
        <source>Avery 8161 ( 1&quot; X 4&quot; ) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avery 8163 ( 2&quot; X 4&quot; )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envelope #10 ( 4 1/8&quot; X 9 1/2&quot; )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cards ( 5 1/2&quot; X 8 1/2&quot; )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full sheet flier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More stationery…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Single Selected in Grid Below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start at label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bi - Fold Fliers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tri - Fold Fliers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical Adjustment: To accommodate different printers, enter a higher number to move labels down on page ( 180 = 1/8&quot; )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Name First</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Groups - Check all that apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies of each</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill the sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The one record selected in the grid on every free label of the sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Book order</source>
        <extracomment>An order the labels can be printed in</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>An order the labels can be printed in: by name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Postal code</source>
        <extracomment>An order the labels can be printed in</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close up empty lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letter</source>
        <extracomment>The US paper size the address list can be printed on</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A4</source>
        <extracomment>The paper size the address list can be printed on</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Labels use %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not used: the adjustment must lie between %1 and %2 twips, or lines of the last labels leave the printable area. Labels stay at %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Labels stay at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical Adjustment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Addresses to mail</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ravelbook::NamesPage</name>
    <message>
        <source>Name ( L, F )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City, State  Zip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format for names:  Last Name - comma - space - First Name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Groups - Check all that apply ( right click to re-name )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Enter Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard the new address?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer in the address book; it was renamed or deleted elsewhere. The name list now shows the book as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no record to save. Choose a name from the list or press New Address first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no record to delete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you SURE you want to Delete %1 PERMANENTLY?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete record?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a name to show its address</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ravelbook::NewStationeryDialog</name>
    <message>
        <source>A4 (210 x 297 mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>US Letter (8 1/2 x 11 in)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A5 (148 x 210 mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>US Legal (8 1/2 x 14 in)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Stationery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envelope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper &amp;width:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper &amp;height:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Label width:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label h&amp;eight:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corner &amp;radius:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Columns:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;ows:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le&amp;ft margin:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Top margin:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hori&amp;zontal pitch:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vertical pitch:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Brand:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;art:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Id:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The paper needs a width and a height.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The labels need a width and a height.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sheet can have at most %1 labels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The labels overlap: the pitch is less than the label&apos;s size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The labels leave the paper.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The corner radius is more than half the label&apos;s size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the brand and the part number it is sold under.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stationery &quot;%1&quot; is already saved in %2. Replace it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ravelbook::OnlineMenu</name>
    <message>
        <source>%1 conflict</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 conflicts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synced: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Link Online Address Book…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync &amp;Conflicts…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Syncing: %1…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password of %1 on %2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the password in the keyring?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyring did not take the password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not synced: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This book is not linked to an online address book: File: Link Online Address Book… links it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not synced: no password for %1 on %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Syncing…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not linked: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

Trust this certificate for %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synced, but the window could not read the book again: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sync is running; try again when it has ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlinked from %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linking…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link Online Address Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 resolved; the next sync takes the book&apos;s versions to the server.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ravelbook::PrintPreviewDialog</name>
    <message>
        <source>Print Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This page could not be drawn whole: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On this page: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ravelbook::QtDialogs</name>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address books (*.db);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ravelbook::ReturnAddressPage</name>
    <message>
        <source>Return Addresses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City, State  Zip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print return address labels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre&amp;view return address labels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>new (%1 of %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no return address to delete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address book keeps at least one return address: change this one instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this return address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete %1 from the return addresses?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete return address?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ravelbook::ServerBookDialog</name>
    <message>
        <source>Open Server Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An address book shared on a PostgreSQL server. Ask its administrator for these; the server asks for a password when it needs one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Database:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ravelbook::StationeryChooser</name>
    <message>
        <source>in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More Stationery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search: brand, part number or description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Recent:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 template entry could not be read or was left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 template entries could not be read or were left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ravelbook::StockTableModel</name>
    <message>
        <source>Brand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Labels</source>
        <extracomment>Column head: how many labels a sheet has</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ravelbook::SyncConflictsDialog</name>
    <message>
        <source>No server is asked while conflicts are resolved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>group %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync Conflicts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These records were changed both in the book and on the server. Choose which version stays; the next sync brings the other side in step.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On the server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the &amp;book&apos;s version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the &amp;server&apos;s version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(deleted)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records in conflict</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both versions</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ravelbook::SystemPrintDestination</name>
    <message>
        <source>No printer is installed: save the pages as a PDF file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ravelbook::frmMailForm</name>
    <message>
        <source>Your last changes could not be saved. %1

Keep the window open to try again? (No closes it and loses them.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ed&amp;it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Ravelbook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ravelbook %1

Keeps an address book and prints it onto labels, envelopes, cards and fliers.

Address book: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Ravelbook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find a name (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mailings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a new title for this category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calibrate Printer…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New S&amp;tationery…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ravelbook::GroupBoxMouse</name>
    <message>
        <source>Group %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
