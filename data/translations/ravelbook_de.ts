<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AccessFile</name>
    <message>
        <source>the file is damaged (its reader sent no %1)</source>
        <translation>die Datei ist beschädigt (ihr Leseprogramm lieferte keine %1)</translation>
    </message>
    <message>
        <source>table list</source>
        <translation>Tabellenliste</translation>
    </message>
    <message>
        <source>columns for table &quot;%1&quot;</source>
        <translation>Spalten der Tabelle „%1“</translation>
    </message>
</context>
<context>
    <name>AccessStream</name>
    <message>
        <source>The Access file &quot;%1&quot; can&apos;t be read: %2.</source>
        <translation>Die Access-Datei „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
</context>
<context>
    <name>AddressBookSync</name>
    <message>
        <source>Came in: %1 new, %2 changed.
Went out: %3 new, %4 changed.
Deleted: %5 in the book, %6 on the server.
</source>
        <translation>Empfangen: %1 neu, %2 geändert.
Gesendet: %3 neu, %4 geändert.
Gelöscht: %5 im Adressbuch, %6 auf dem Server.
</translation>
    </message>
    <message>
        <source>Conflict: &quot;%1&quot; changed in the book and on the server; neither was written.
</source>
        <translation>Konflikt: „%1“ wurde im Adressbuch und auf dem Server geändert; keine der beiden Fassungen wurde geschrieben.
</translation>
    </message>
    <message>
        <source>Refused: %1
</source>
        <translation>Abgelehnt: %1
</translation>
    </message>
    <message>
        <source>Cancelled: the next sync goes on from here.
</source>
        <translation>Abgebrochen: Die nächste Synchronisierung setzt hier fort.
</translation>
    </message>
    <message>
        <source> The book is linked; the next sync finishes linking it.</source>
        <translation> Das Adressbuch ist verknüpft; die nächste Synchronisierung schließt die Verknüpfung ab.</translation>
    </message>
    <message>
        <source>The book is not linked to an online address book.</source>
        <translation>Das Adressbuch ist mit keinem Online-Adressbuch verknüpft.</translation>
    </message>
    <message>
        <source>Asking the server what changed</source>
        <translation>Änderungen werden beim Server abgefragt</translation>
    </message>
    <message>
        <source>Fetching cards</source>
        <translation>Karten werden abgerufen</translation>
    </message>
    <message>
        <source>%1: the server&apos;s card holds no vCard</source>
        <translation>%1: Die Karte des Servers enthält keine vCard</translation>
    </message>
    <message>
        <source>Sending changes</source>
        <translation>Änderungen werden gesendet</translation>
    </message>
    <message>
        <source>%1: changed on the server meanwhile, so it was not deleted there</source>
        <translation>%1: inzwischen auf dem Server geändert, daher dort nicht gelöscht</translation>
    </message>
    <message>
        <source>%1: changed on the server meanwhile, so the book&apos;s change was not written</source>
        <translation>%1: inzwischen auf dem Server geändert, daher wurde die Änderung des Adressbuchs nicht geschrieben</translation>
    </message>
    <message>
        <source>Sending new records</source>
        <translation>Neue Einträge werden gesendet</translation>
    </message>
    <message>
        <source>There is no conflict of that card to resolve.</source>
        <translation>Für diese Karte gibt es keinen Konflikt zu lösen.</translation>
    </message>
</context>
<context>
    <name>AddressList</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Address list</source>
        <translation>Adressliste</translation>
    </message>
    <message>
        <source>Address list: %1</source>
        <translation>Adressliste: %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Printed on paper: the column headings of the address list</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Ansprechpartner</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
</context>
<context>
    <name>BookAddresses</name>
    <message>
        <source>The addresses could not be read: %1.</source>
        <translation>Die Adressen konnten nicht gelesen werden: %1.</translation>
    </message>
</context>
<context>
    <name>BookFile</name>
    <message>
        <source>it is not a Ravelbook address book (%1)</source>
        <translation>sie ist kein Ravelbook-Adressbuch (%1)</translation>
    </message>
    <message>
        <source>The address book &quot;%1&quot; can&apos;t be opened: %2.</source>
        <translation>Das Adressbuch „%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>sie ist keine Datei</translation>
    </message>
    <message>
        <source>it is not readable</source>
        <translation>sie ist nicht lesbar</translation>
    </message>
    <message>
        <source>it is an empty file, with no address book in it</source>
        <translation>sie ist eine leere Datei ohne Adressbuch</translation>
    </message>
    <message>
        <source>the file is damaged (it is shorter than it should be)</source>
        <translation>die Datei ist beschädigt (sie ist kürzer als erwartet)</translation>
    </message>
    <message>
        <source>its folder can&apos;t be created</source>
        <translation>ihr Ordner kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>a file of that name is already there</source>
        <translation>eine Datei dieses Namens ist bereits vorhanden</translation>
    </message>
</context>
<context>
    <name>BookLink</name>
    <message>
        <source>The book is linked to an online address book already (%1): unlink it first.</source>
        <translation>Das Adressbuch ist bereits mit einem Online-Adressbuch verknüpft (%1): Heben Sie zuerst die Verknüpfung auf.</translation>
    </message>
    <message>
        <source>A record from the online address book was not added.</source>
        <translation>Ein Eintrag aus dem Online-Adressbuch wurde nicht hinzugefügt.</translation>
    </message>
</context>
<context>
    <name>BookOpening</name>
    <message>
        <source>Server Password</source>
        <translation>Server-Passwort</translation>
    </message>
</context>
<context>
    <name>BulkInsert</name>
    <message>
        <source>The address book could not do this: %1.</source>
        <translation>Das Adressbuch konnte dies nicht ausführen: %1.</translation>
    </message>
</context>
<context>
    <name>CalibrationSheet</name>
    <message>
        <source>Calibration sheet: %1</source>
        <extracomment>Printed on paper, the heading of the calibration sheet</extracomment>
        <translation>Kalibrierbogen: %1</translation>
    </message>
    <message>
        <source>Hold this sheet against the stationery in front of a light and</source>
        <extracomment>Printed on paper; the five lines of the calibration sheet&apos;s instructions.</extracomment>
        <translation>Halten Sie diesen Bogen vor einer Lampe an das Druckmaterial und</translation>
    </message>
    <message>
        <source>enter how far the printed outlines are off its edges under File:</source>
        <translation>geben Sie unter Datei: Drucker kalibrieren ein, wie weit die</translation>
    </message>
    <message>
        <source>Calibrate Printer (right and down count positive), on top of the</source>
        <translation>Umrisse von den Kanten abweichen (nach rechts und unten positiv), zusätzlich</translation>
    </message>
    <message>
        <source>offsets it was printed with: %1 in right, %2 in down.</source>
        <translation>zum Versatz dieses Drucks: %1 in nach rechts, %2 in nach unten.</translation>
    </message>
    <message>
        <source>Ruler: 1/16 in ticks, inches counted from the paper&apos;s edge.</source>
        <translation>Lineal: Striche je 1/16 in, Zoll ab der Papierkante gezählt.</translation>
    </message>
</context>
<context>
    <name>CardDavClient</name>
    <message>
        <source>The server %1 refused the user name or password.</source>
        <translation>Der Server %1 hat den Benutzernamen oder das Passwort abgelehnt.</translation>
    </message>
    <message>
        <source>The server %1 refused access to %2.</source>
        <translation>Der Server %1 hat den Zugriff auf %2 verweigert.</translation>
    </message>
    <message>
        <source>The server %1 has nothing at %2.</source>
        <translation>Der Server %1 hat unter %2 nichts.</translation>
    </message>
    <message>
        <source>The server %1 refused the change: it conflicts with what it holds (another card with the same UID?).</source>
        <translation>Der Server %1 hat die Änderung abgelehnt: Sie steht im Widerspruch zu seinem Bestand (eine andere Karte mit derselben UID?).</translation>
    </message>
    <message>
        <source>The server %1 answered with an error (%2).</source>
        <translation>Der Server %1 hat mit einem Fehler geantwortet (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the address of a server.</source>
        <translation>„%1“ ist keine Serveradresse.</translation>
    </message>
    <message>
        <source>The server %1 shows no address books at %2.</source>
        <translation>Der Server %1 zeigt unter %2 keine Adressbücher.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: %2
See &quot;%1 --help&quot;.
</source>
        <translation>%1: %2
Siehe „%1 --help“.
</translation>
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
        <translation>Aufruf: ravelbook [--database BOOK | FILE]
       ravelbook --version
       ravelbook print --help
       ravelbook import --help
       ravelbook export --help
       ravelbook copy --help
       ravelbook stationery --help
       ravelbook link|unlink|sync --help

Führt ein Adressbuch und druckt es auf Etiketten, Umschläge, Karten und Flyer.

  --database BOOK  dieses Adressbuch statt des Standard-Adressbuchs öffnen: eine
                   Datei oder die Adresse postgresql://user@host:port/dbname
                   eines Servers (%1); bei einer fehlenden Datei wird gefragt,
                   bevor dort ein neues Adressbuch angelegt wird
  --version        die Version anzeigen
  --help           diesen Text anzeigen

„ravelbook print“ druckt Gruppen des Adressbuchs, ohne das Fenster zu öffnen;
„ravelbook import“ und „ravelbook export“ lesen Einträge ein und aus;
„ravelbook copy“ kopiert ein ganzes Adressbuch in ein anderes;
„ravelbook stationery“ listet das Druckmaterial auf, auf das es drucken kann;
„ravelbook link“ und „ravelbook sync“ gleichen es mit einem Online-Adressbuch ab.
</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no command and no file; did you mean &quot;ravelbook %2&quot;?</source>
        <translation>„%1“ ist weder ein Befehl noch eine Datei; meinten Sie „ravelbook %2“?</translation>
    </message>
</context>
<context>
    <name>CommandOptions</name>
    <message>
        <source>a file name</source>
        <translation>einen Dateinamen</translation>
    </message>
    <message>
        <source>unknown argument &quot;%1&quot;</source>
        <translation>unbekanntes Argument „%1“</translation>
    </message>
    <message>
        <source>--%1 needs %2</source>
        <translation>--%1 erfordert %2</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 erfordert %2</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 nimmt keinen Wert an</translation>
    </message>
    <message>
        <source>a value</source>
        <translation>einen Wert</translation>
    </message>
    <message>
        <source>a book</source>
        <translation>ein Adressbuch</translation>
    </message>
    <message>
        <source>a user name</source>
        <translation>einen Benutzernamen</translation>
    </message>
    <message>
        <source>a name</source>
        <translation>einen Namen</translation>
    </message>
    <message>
        <source>a printer name</source>
        <translation>einen Druckernamen</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>einen Text</translation>
    </message>
</context>
<context>
    <name>ConflictResolution</name>
    <message>
        <source>Changed by Someone Else</source>
        <translation>Von jemand anderem geändert</translation>
    </message>
    <message>
        <source>%1 (differs from yours)</source>
        <translation>%1 (weicht von Ihrer Fassung ab)</translation>
    </message>
    <message>
        <source>group %1</source>
        <translation>Gruppe %1</translation>
    </message>
    <message>
        <source>Groups: %1</source>
        <translation>Gruppen: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>%1

Show the other version?</source>
        <translation>%1

Die andere Fassung anzeigen?</translation>
    </message>
    <message>
        <source>The record as it is saved now:

%1

Save your changes over it? (No keeps them in the boxes, unsaved.)</source>
        <translation>Der Eintrag, wie er jetzt gespeichert ist:

%1

Ihre Änderungen darüber speichern? („Nein“ behält sie ungespeichert in den Feldern.)</translation>
    </message>
</context>
<context>
    <name>CopyCommand</name>
    <message>
        <source>Nothing was copied: %1.</source>
        <translation>Es wurde nichts kopiert: %1.</translation>
    </message>
    <message>
        <source>No table &quot;%1&quot;.</source>
        <translation>Keine Tabelle „%1“.</translation>
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
        <translation>Aufruf: ravelbook copy --from BOOK --to BOOK [--append]
Kopiert ein ganzes Adressbuch in ein anderes: Einträge, Absenderadressen und
die vertikale Korrektur. Ein BOOK ist eine Datei oder die URI eines Servers
(postgresql://user@host:port/dbname). Eine fehlende Datei oder eine leere
Server-Datenbank wird zum Adressbuch. Die Kopie wird in einer Transaktion
geschrieben: ganz oder gar nicht.

  --from BOOK  das kopierte Adressbuch
  --to BOOK    das beschriebene Adressbuch; ohne --append noch ohne Einträge
  --append     die Einträge zu denen des Zieladressbuchs hinzufügen
</translation>
    </message>
    <message>
        <source>both --from and --to are needed</source>
        <translation>sowohl --from als auch --to ist erforderlich</translation>
    </message>
    <message>
        <source>A book can&apos;t be copied into itself.</source>
        <translation>Ein Adressbuch kann nicht in sich selbst kopiert werden.</translation>
    </message>
    <message>
        <source>The book &quot;%1&quot; already holds %2 records; nothing was copied. Give --append to add to them.</source>
        <translation>Das Adressbuch „%1“ enthält bereits %2 Einträge; es wurde nichts kopiert. Geben Sie --append an, um sie zu ergänzen.</translation>
    </message>
    <message>
        <source>Copied %1 and %2 from %3 to %4.</source>
        <translation>%1 und %2 von %3 nach %4 kopiert.</translation>
    </message>
    <message>
        <source>%1 record</source>
        <translation>%1 Eintrag</translation>
    </message>
    <message>
        <source>%1 records</source>
        <translation>%1 Einträge</translation>
    </message>
    <message>
        <source>%1 return address</source>
        <translation>%1 Absenderadresse</translation>
    </message>
    <message>
        <source>%1 return addresses</source>
        <translation>%1 Absenderadressen</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>row %1 is inside an unclosed quote</source>
        <translation>Zeile %1 liegt innerhalb eines nicht geschlossenen Anführungszeichens</translation>
    </message>
    <message>
        <source>rows %1 to %2 are inside an unclosed quote</source>
        <translation>Die Zeilen %1 bis %2 liegen innerhalb eines nicht geschlossenen Anführungszeichens</translation>
    </message>
</context>
<context>
    <name>CurrentRecord</name>
    <message>
        <source>the new address</source>
        <translation>die neue Adresse</translation>
    </message>
    <message>
        <source>this record</source>
        <translation>diesen Eintrag</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The address book on the server &quot;%1&quot; can&apos;t be opened: %2.</source>
        <translation>Das Adressbuch auf dem Server „%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>%1
Details: %2</source>
        <translation>%1
Details: %2</translation>
    </message>
    <message>
        <source>The server book &quot;%1&quot; can&apos;t be reached: the server is not running or refused the connection.</source>
        <translation>Das Server-Adressbuch „%1“ ist nicht erreichbar: Der Server läuft nicht oder hat die Verbindung abgelehnt.</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>es gibt keine solche Datei</translation>
    </message>
    <message>
        <source>the server asks for the password of &quot;%1&quot;. Give it in ~/.pgpass, PGPASSWORD or a service file; Ravelbook never takes it on the command line</source>
        <translation>der Server verlangt das Passwort von „%1“. Geben Sie es in ~/.pgpass, PGPASSWORD oder einer Dienstdatei an; Ravelbook nimmt es nie auf der Befehlszeile entgegen</translation>
    </message>
    <message>
        <source>The server of &quot;%1&quot; asks for the password of &quot;%2&quot;:</source>
        <translation>Der Server von „%1“ verlangt das Passwort von „%2“:</translation>
    </message>
    <message>
        <source>The server did not accept that password (%1). The password of &quot;%2&quot; on &quot;%3&quot;:</source>
        <translation>Der Server hat dieses Passwort nicht angenommen (%1). Das Passwort von „%2“ auf „%3“:</translation>
    </message>
    <message>
        <source>no password was given</source>
        <translation>es wurde kein Passwort angegeben</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; holds no address book yet. Make it a new address book?</source>
        <translation>Die Datenbank „%1“ enthält noch kein Adressbuch. Ein neues Adressbuch daraus machen?</translation>
    </message>
    <message>
        <source>the database holds no address book</source>
        <translation>die Datenbank enthält kein Adressbuch</translation>
    </message>
    <message>
        <source>the new book could not be made (%1)</source>
        <translation>das neue Adressbuch konnte nicht angelegt werden (%1)</translation>
    </message>
    <message>
        <source>The address book &quot;%1&quot; is damaged (%2): restore it from a backup copy. Until then Ravelbook writes nothing more to it.</source>
        <translation>Das Adressbuch „%1“ ist beschädigt (%2): Stellen Sie es aus einer Sicherungskopie wieder her. Bis dahin schreibt Ravelbook nichts mehr hinein.</translation>
    </message>
    <message>
        <source>The server book &quot;%1&quot; gave no answer in %2 seconds: the server may be stopped or out of reach. Ravelbook stopped waiting; try again in a moment.</source>
        <translation>Das Server-Adressbuch „%1“ hat in %2 Sekunden nicht geantwortet: Der Server ist möglicherweise angehalten oder nicht erreichbar. Ravelbook wartet nicht länger; versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>Nothing was written: the address book &quot;%1&quot; is damaged (%2). Restore the file from a backup copy.</source>
        <translation>Es wurde nichts geschrieben: Das Adressbuch „%1“ ist beschädigt (%2). Stellen Sie die Datei aus einer Sicherungskopie wieder her.</translation>
    </message>
    <message>
        <source>Nothing was written to the address book &quot;%1&quot;: it was given here for reading only.</source>
        <translation>In das Adressbuch „%1“ wurde nichts geschrieben: Es wurde hier nur zum Lesen angegeben.</translation>
    </message>
    <message>
        <source>The address book refused a statement: %1.</source>
        <translation>Das Adressbuch hat eine Anweisung abgelehnt: %1.</translation>
    </message>
    <message>
        <source>The address book could not do this: %1.</source>
        <translation>Das Adressbuch konnte dies nicht ausführen: %1.</translation>
    </message>
    <message>
        <source>The address book has no table &quot;%1&quot;.</source>
        <translation>Das Adressbuch hat keine Tabelle „%1“.</translation>
    </message>
    <message>
        <source>The address book &quot;%1&quot; is missing.</source>
        <translation>Das Adressbuch „%1“ fehlt.</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>There is no address book at %1. Create a new one?</source>
        <translation>Unter %1 gibt es kein Adressbuch. Ein neues anlegen?</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>der Name ist zu lang</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>ihr Ordner existiert nicht</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>der Datenträger ist schreibgeschützt</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>sie ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>the disk could not be written (input/output error)</source>
        <translation>auf den Datenträger konnte nicht geschrieben werden (Ein-/Ausgabefehler)</translation>
    </message>
</context>
<context>
    <name>ExchangeCommand</name>
    <message>
        <source>no record could be read.</source>
        <translation>es konnte kein Eintrag gelesen werden.</translation>
    </message>
    <message>
        <source>%1 is already in the book</source>
        <translation>%1 ist bereits im Adressbuch</translation>
    </message>
    <message>
        <source>%1 are already in the book</source>
        <translation>%1 sind bereits im Adressbuch</translation>
    </message>
    <message>
        <source>%1 has no name</source>
        <translation>%1 hat keinen Namen</translation>
    </message>
    <message>
        <source>%1 have no name</source>
        <translation>%1 haben keinen Namen</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 ist leer</translation>
    </message>
    <message>
        <source>%1 are empty</source>
        <translation>%1 sind leer</translation>
    </message>
    <message>
        <source>of the file&apos;s %1 row, %2.</source>
        <translation>von der %1 Zeile der Datei: %2.</translation>
    </message>
    <message>
        <source>of the file&apos;s %1 rows, %2.</source>
        <translation>von den %1 Zeilen der Datei: %2.</translation>
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
        <translation>Aufruf: ravelbook import [--database BOOK] [--format csv|vcard|mdb] [--table NAME]
                        [--map HEADING=FIELD]... [--dry-run] FILE

Fügt die Einträge einer CSV-, vCard- oder Access-Datei dem Adressbuch hinzu,
in einem Schritt: alle oder, wenn etwas fehlschlägt, keinen. Vorhandene Einträge
(gleicher Name und Adresse) werden übersprungen, Gruppen nach Titel zugeordnet.

  --database BOOK das Adressbuch: eine Datei oder die URI eines Servers
  --format KIND   csv, vcard oder mdb; standardmäßig am Dateinamen erkannt
  --table NAME    die Tabelle einer Access-Datei, die nicht von Ravelbook ist
  --map HEADING=FIELD
                  die Spalte dieser Überschrift kommt in FIELD (wiederholbar;
                  andere Spalten kommen dorthin, wo ihre Überschriften sagen):
%1  --dry-run       anzeigen, was importiert würde, und nichts schreiben
</translation>
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
        <translation>Aufruf: ravelbook export [--database BOOK] [--group G]... --format csv|vcard
                        [--output FILE]

Schreibt das Adressbuch oder die Einträge gewählter Gruppen als CSV (eine Spalte
je Gruppe, -1 für Mitglieder) oder als vCard 3.0 (Gruppen als CATEGORIES).

  --database BOOK das Adressbuch: eine Datei oder die URI eines Servers
  --group G       eine Gruppenspalte 0 bis 17 oder ein Gruppentitel; wiederholbar
  --format KIND   csv oder vcard
  --output FILE   in diese Datei schreiben (erst ersetzt, wenn alles geschrieben
                  ist); Standardausgabe, wenn weggelassen oder als - angegeben
</translation>
    </message>
    <message>
        <source>--map takes HEADING=FIELD, FIELD one of: %1</source>
        <translation>--map erwartet HEADING=FIELD, FIELD ist eines von: %1</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;</source>
        <translation>unbekanntes Format „%1“</translation>
    </message>
    <message>
        <source>only one file can be imported at a time</source>
        <translation>es kann nur eine Datei auf einmal importiert werden</translation>
    </message>
    <message>
        <source>the file to import is missing</source>
        <translation>die zu importierende Datei fehlt</translation>
    </message>
    <message>
        <source>--format is missing</source>
        <translation>--format fehlt</translation>
    </message>
    <message>
        <source>Can&apos;t tell what kind of file &quot;%1&quot; is; give --format.</source>
        <translation>Die Art der Datei „%1“ ist nicht erkennbar; geben Sie --format an.</translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>Es wurde nichts importiert: %1</translation>
    </message>
    <message>
        <source>Dry run: nothing was written.</source>
        <translation>Probelauf: Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Imported %1 record.</source>
        <translation>%1 Eintrag importiert.</translation>
    </message>
    <message>
        <source>Imported %1 records.</source>
        <translation>%1 Einträge importiert.</translation>
    </message>
    <message>
        <source>Nothing was imported: the records came into the book from elsewhere while the file was read.</source>
        <translation>Es wurde nichts importiert: Während die Datei gelesen wurde, kamen die Einträge von anderer Stelle ins Adressbuch.</translation>
    </message>
    <message>
        <source>Exported %1 record to %2.</source>
        <translation>%1 Eintrag nach %2 exportiert.</translation>
    </message>
    <message>
        <source>Exported %1 records to %2.</source>
        <translation>%1 Einträge nach %2 exportiert.</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>The export could not be written to &quot;%1&quot;: %2.</source>
        <translation>Der Export konnte nicht nach „%1“ geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>GridColumns</name>
    <message>
        <source>Name</source>
        <extracomment>A column heading of the grid on page Mailings</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>City State Zip</source>
        <translation>Ort, Region, PLZ</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Ansprechpartner</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
</context>
<context>
    <name>GroupNames</name>
    <message>
        <source>There is no group %1; groups are 0 to %2.</source>
        <translation>Es gibt keine Gruppe %1; die Gruppen sind 0 bis %2.</translation>
    </message>
    <message>
        <source>There is no group titled &quot;%1&quot;.</source>
        <translation>Es gibt keine Gruppe mit dem Titel „%1“.</translation>
    </message>
</context>
<context>
    <name>GroupTitles</name>
    <message>
        <source>Personal</source>
        <translation>Privat</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Arbeit</translation>
    </message>
</context>
<context>
    <name>HttpTransport</name>
    <message>
        <source>The certificate of %1 is not trusted (SHA-256 %2).</source>
        <translation>Dem Zertifikat von %1 wird nicht vertraut (SHA-256 %2).</translation>
    </message>
    <message>
        <source>The server %1 did not answer within %2 s.</source>
        <translation>Der Server %1 hat nicht innerhalb von %2 s geantwortet.</translation>
    </message>
    <message>
        <source>The server %1 sent more than %2 MB, which is refused.</source>
        <translation>Der Server %1 hat mehr als %2 MB gesendet; das wird abgelehnt.</translation>
    </message>
    <message>
        <source>The server %1 could not be reached.</source>
        <translation>Der Server %1 ist nicht erreichbar.</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>The book&apos;s vertical adjustment of %1 twips would put labels off the printable area; it is left out.</source>
        <translation>Die vertikale Korrektur des Adressbuchs von %1 Twips würde Etiketten aus dem druckbaren Bereich schieben; sie wird weggelassen.</translation>
    </message>
    <message>
        <source>line %1: %2 values more than the %3 headings; the extra ones are left out</source>
        <translation>Zeile %1: %2 Werte mehr als die %3 Überschriften; die überzähligen werden weggelassen</translation>
    </message>
    <message>
        <source>line %1: %2 &quot;%3&quot; is longer than its box (%4 of %5 characters); it is kept whole</source>
        <translation>Zeile %1: %2 „%3“ ist länger als das Feld (%4 von %5 Zeichen); der Wert wird vollständig übernommen</translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>Es wurde nichts importiert: %1</translation>
    </message>
    <message>
        <source>Nothing was imported: record %1 was refused. %2</source>
        <translation>Es wurde nichts importiert: Eintrag %1 wurde abgelehnt. %2</translation>
    </message>
    <message>
        <source>%1 record</source>
        <translation>%1 Eintrag</translation>
    </message>
    <message>
        <source>%1 records</source>
        <translation>%1 Einträge</translation>
    </message>
    <message>
        <source>%1 to add, %2 skipped as already in the book, %3.</source>
        <translation>%1 hinzuzufügen, %2 übersprungen, da bereits im Adressbuch, %3.</translation>
    </message>
    <message>
        <source>%1 warning</source>
        <translation>%1 Warnung</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1 Warnungen</translation>
    </message>
    <message>
        <source>%1 empty row left out.</source>
        <translation>%1 leere Zeile weggelassen.</translation>
    </message>
    <message>
        <source>%1 empty rows left out.</source>
        <translation>%1 leere Zeilen weggelassen.</translation>
    </message>
    <message>
        <source>%1 row had no name (nor an organization) and was left out.</source>
        <translation>%1 Zeile hatte keinen Namen (und keine Organisation) und wurde weggelassen.</translation>
    </message>
    <message>
        <source>%1 rows had no name (nor an organization) and were left out.</source>
        <translation>%1 Zeilen hatten keinen Namen (und keine Organisation) und wurden weggelassen.</translation>
    </message>
    <message>
        <source>%1 return address</source>
        <translation>%1 Absenderadresse</translation>
    </message>
    <message>
        <source>%1 return addresses</source>
        <translation>%1 Absenderadressen</translation>
    </message>
    <message>
        <source>%1 and the vertical adjustment come in as well.</source>
        <translation>%1 und die vertikale Korrektur werden ebenfalls übernommen.</translation>
    </message>
    <message>
        <source>%1 come in as well.</source>
        <translation>%1 werden ebenfalls übernommen.</translation>
    </message>
    <message>
        <source>Group &quot;%1&quot; (%2) goes to group column %3, which takes its title.</source>
        <translation>Gruppe „%1“ (%2) kommt in Gruppenspalte %3, die ihren Titel übernimmt.</translation>
    </message>
    <message>
        <source>Group &quot;%1&quot; (%2) matches no group title and is not kept.</source>
        <translation>Gruppe „%1“ (%2) passt zu keinem Gruppentitel und wird nicht übernommen.</translation>
    </message>
    <message>
        <source>Not kept, as no field takes them: %1.</source>
        <translation>Nicht übernommen, da kein Feld sie aufnimmt: %1.</translation>
    </message>
    <message>
        <source>Not kept, as another column fills the same field: %1.</source>
        <translation>Nicht übernommen, da eine andere Spalte dasselbe Feld füllt: %1.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>… und %1 weitere.</translation>
    </message>
</context>
<context>
    <name>IniSettingsStore</name>
    <message>
        <source>The settings file &quot;%1&quot; could not be saved: %2.</source>
        <translation>Die Einstellungsdatei „%1“ konnte nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>its folder can&apos;t be created</source>
        <translation>ihr Ordner kann nicht erstellt werden</translation>
    </message>
</context>
<context>
    <name>Layouts</name>
    <message>
        <source>From:</source>
        <extracomment>Printed on paper above the return address</extracomment>
        <translation>Von:</translation>
    </message>
    <message>
        <source>From: </source>
        <extracomment>Printed on paper before the return address</extracomment>
        <translation>Von: </translation>
    </message>
</context>
<context>
    <name>MailingRun</name>
    <message>
        <source>%1 label</source>
        <translation>%1 Etikett</translation>
    </message>
    <message>
        <source>%1 labels</source>
        <translation>%1 Etiketten</translation>
    </message>
    <message>
        <source>%1 envelope</source>
        <translation>%1 Umschlag</translation>
    </message>
    <message>
        <source>%1 envelopes</source>
        <translation>%1 Umschläge</translation>
    </message>
    <message>
        <source>%1 card</source>
        <translation>%1 Karte</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 Karten</translation>
    </message>
    <message>
        <source>%1 flier</source>
        <translation>%1 Flyer</translation>
    </message>
    <message>
        <source>%1 fliers</source>
        <translation>%1 Flyer</translation>
    </message>
    <message>
        <source>%1 address</source>
        <translation>%1 Adresse</translation>
    </message>
    <message>
        <source>%1 addresses</source>
        <translation>%1 Adressen</translation>
    </message>
    <message>
        <source>%1 sheet</source>
        <translation>%1 Bogen</translation>
    </message>
    <message>
        <source>%1 sheets</source>
        <translation>%1 Bögen</translation>
    </message>
    <message>
        <source>%1 page</source>
        <translation>%1 Seite</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 Seiten</translation>
    </message>
    <message>
        <source>%1 holds the %2 drawn before the cancel</source>
        <translation>%1 enthält die vor dem Abbruch erzeugten %2</translation>
    </message>
    <message>
        <source>%2 went to %1</source>
        <translation>%2 an %1 gesendet</translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2: </source>
        <translation>Abgebrochen nach %1 von %2: </translation>
    </message>
    <message>
        <source>Printed %1 on %2 to %3.</source>
        <translation>%1 auf %2 gedruckt, Ziel: %3.</translation>
    </message>
    <message>
        <source>Printed %1 on %2</source>
        <translation>%1 auf %2 gedruckt</translation>
    </message>
    <message>
        <source>%1 item</source>
        <translation>%1 Element</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 Elemente</translation>
    </message>
    <message>
        <source> in %1 print job</source>
        <translation> in %1 Druckauftrag</translation>
    </message>
    <message>
        <source> in %1 print jobs</source>
        <translation> in %1 Druckaufträgen</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>there is no display to show the window on (DISPLAY is not set)</source>
        <translation>es gibt keine Anzeige, auf der das Fenster erscheinen kann (DISPLAY ist nicht gesetzt)</translation>
    </message>
</context>
<context>
    <name>Mapping</name>
    <message>
        <source>Name: first name</source>
        <translation>Name: Vorname</translation>
    </message>
    <message>
        <source>Name: middle name</source>
        <translation>Name: zweiter Vorname</translation>
    </message>
    <message>
        <source>Name: last name</source>
        <translation>Name: Nachname</translation>
    </message>
    <message>
        <source>Name, else Contact: organization</source>
        <translation>Name, sonst Kontakt: Organisation</translation>
    </message>
    <message>
        <source>Address: second line</source>
        <translation>Adresse: zweite Zeile</translation>
    </message>
    <message>
        <source>City State Zip: city</source>
        <translation>Ort Region PLZ: Ort</translation>
    </message>
    <message>
        <source>City State Zip: state</source>
        <translation>Ort Region PLZ: Region</translation>
    </message>
    <message>
        <source>City State Zip: zip</source>
        <translation>Ort Region PLZ: PLZ</translation>
    </message>
    <message>
        <source>Phone: home</source>
        <translation>Telefon: privat</translation>
    </message>
    <message>
        <source>Phone: mobile</source>
        <translation>Telefon: mobil</translation>
    </message>
    <message>
        <source>Phone: business</source>
        <translation>Telefon: geschäftlich</translation>
    </message>
    <message>
        <source>Phone: other</source>
        <translation>Telefon: andere</translation>
    </message>
    <message>
        <source>Address, when no other: business street</source>
        <translation>Adresse, wenn keine andere: geschäftliche Straße</translation>
    </message>
    <message>
        <source>Address, when no other: business street, second line</source>
        <translation>Adresse, wenn keine andere: geschäftliche Straße, zweite Zeile</translation>
    </message>
    <message>
        <source>City State Zip, when no other: business city</source>
        <translation>Ort Region PLZ, wenn keine andere: geschäftlicher Ort</translation>
    </message>
    <message>
        <source>City State Zip, when no other: business state</source>
        <translation>Ort Region PLZ, wenn keine andere: geschäftliche Region</translation>
    </message>
    <message>
        <source>City State Zip, when no other: business zip</source>
        <translation>Ort Region PLZ, wenn keine andere: geschäftliche PLZ</translation>
    </message>
    <message>
        <source>Country, when no other: business country</source>
        <translation>Land, wenn kein anderes: geschäftliches Land</translation>
    </message>
    <message>
        <source>Groups by title</source>
        <translation>Gruppen nach Titel</translation>
    </message>
    <message>
        <source>Groups by title, one a line</source>
        <translation>Gruppen nach Titel, einer je Zeile</translation>
    </message>
    <message>
        <source>Group titled by the heading (yes/no)</source>
        <translation>Gruppe mit der Überschrift als Titel (ja/nein)</translation>
    </message>
    <message>
        <source>Groups by column number</source>
        <translation>Gruppen nach Spaltennummer</translation>
    </message>
    <message>
        <source>(not imported)</source>
        <translation>(nicht importiert)</translation>
    </message>
    <message>
        <source>Group %1 &quot;%2&quot; (yes/no)</source>
        <translation>Gruppe %1 „%2“ (ja/nein)</translation>
    </message>
    <message>
        <source>The file has no column &quot;%1&quot;; its columns are: %2.</source>
        <translation>Die Datei hat keine Spalte „%1“; ihre Spalten sind: %2.</translation>
    </message>
</context>
<context>
    <name>MdbFile</name>
    <message>
        <source>it is an Access 2007 or later file (.accdb); save it as an Access 2000 or 2002-2003 .mdb first</source>
        <translation>sie ist eine Datei von Access 2007 oder neuer (.accdb); speichern Sie sie zuerst als .mdb von Access 2000 oder 2002–2003</translation>
    </message>
    <message>
        <source>it is not an Access database</source>
        <translation>sie ist keine Access-Datenbank</translation>
    </message>
    <message>
        <source>its Access version (%1) is not Jet 3 or Jet 4</source>
        <translation>ihre Access-Version (%1) ist weder Jet 3 noch Jet 4</translation>
    </message>
    <message>
        <source>the file is damaged (it is not a whole number of pages)</source>
        <translation>die Datei ist beschädigt (sie besteht nicht aus ganzen Seiten)</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>es gibt keine solche Datei</translation>
    </message>
    <message>
        <source>the file is damaged or encrypted</source>
        <translation>die Datei ist beschädigt oder verschlüsselt</translation>
    </message>
    <message>
        <source>its table list can&apos;t be read (the file is damaged or encrypted)</source>
        <translation>ihre Tabellenliste kann nicht gelesen werden (die Datei ist beschädigt oder verschlüsselt)</translation>
    </message>
    <message>
        <source>its table &quot;%1&quot; can&apos;t be read</source>
        <translation>ihre Tabelle „%1“ kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the columns of table &quot;%1&quot; can&apos;t be read</source>
        <translation>die Spalten der Tabelle „%1“ können nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>MdbReader</name>
    <message>
        <source>Reads an Access file for Ravelbook.</source>
        <translation>Liest eine Access-Datei für Ravelbook.</translation>
    </message>
    <message>
        <source>The columns of table &lt;table&gt;.</source>
        <translation>Die Spalten der Tabelle &lt;table&gt;.</translation>
    </message>
    <message>
        <source>The columns and rows of table &lt;table&gt;.</source>
        <translation>Die Spalten und Zeilen der Tabelle &lt;table&gt;.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>The Access file.</source>
        <translation>Die Access-Datei.</translation>
    </message>
</context>
<context>
    <name>MultiStatus</name>
    <message>
        <source>the answer is not a WebDAV multistatus</source>
        <translation>die Antwort ist kein WebDAV-Multistatus</translation>
    </message>
    <message>
        <source>The server %1 sent an answer that could not be read.</source>
        <translation>Der Server %1 hat eine Antwort gesendet, die nicht gelesen werden konnte.</translation>
    </message>
</context>
<context>
    <name>NativeInsert</name>
    <message>
        <source>The address book could not do this: %1.</source>
        <translation>Das Adressbuch konnte dies nicht ausführen: %1.</translation>
    </message>
</context>
<context>
    <name>OnlineCommand</name>
    <message>
        <source>the address book&apos;s URL is needed</source>
        <translation>die URL des Adressbuchs ist erforderlich</translation>
    </message>
    <message>
        <source>no password for %1 at %2: put it in ~/.netrc (machine %2 login %1 password ...) or the keyring</source>
        <translation>kein Passwort für %1 auf %2: Legen Sie es in ~/.netrc (machine %2 login %1 password ...) oder im Schlüsselbund ab</translation>
    </message>
    <message>
        <source>no user name: give --user NAME</source>
        <translation>kein Benutzername: Geben Sie --user NAME an</translation>
    </message>
    <message>
        <source>%1 has several address books; give the URL of the one to link:</source>
        <translation>%1 hat mehrere Adressbücher; geben Sie die URL des zu verknüpfenden an:</translation>
    </message>
    <message>
        <source>Linked %1 to %2.</source>
        <translation>%1 mit %2 verknüpft.</translation>
    </message>
    <message>
        <source>the book %1 is not linked to an online address book: &quot;ravelbook link&quot; links it</source>
        <translation>das Adressbuch %1 ist mit keinem Online-Adressbuch verknüpft: „ravelbook link“ verknüpft es</translation>
    </message>
    <message>
        <source>no conflict of a record named &quot;%1&quot;</source>
        <translation>kein Konflikt eines Eintrags namens „%1“</translation>
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
        <translation>Aufruf: ravelbook link [--database BOOK] [--user NAME] [--list] URL
Verknüpft das Adressbuch mit einem Online-Adressbuch (CardDAV) und gleicht es
erstmals ab: Einträge und Karten derselben Person (gleicher Name und Adresse)
werden gepaart, die übrigen gehen in beide Richtungen. URL ist die des Adressbuchs
oder eines Servers (Hostname genügt), auf dem gesucht wird. Das Passwort kommt aus
dem Schlüsselbund oder ~/.netrc; es wird nie im Adressbuch gespeichert.

  --database BOOK  das Adressbuch (Datei oder postgresql://...), sonst das Standard-Adressbuch
  --user NAME      der Benutzername auf dem Server
  --list           gefundene Adressbücher auflisten (Name, URL, Karten), ohne Verknüpfung
</translation>
    </message>
    <message>
        <source>Usage: ravelbook unlink [--database BOOK]
Forgets the book&apos;s link to its online address book; the records stay.
</source>
        <translation>Aufruf: ravelbook unlink [--database BOOK]
Hebt die Verknüpfung mit dem Online-Adressbuch auf; die Einträge bleiben.
</translation>
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
        <translation>Aufruf: ravelbook sync [--database BOOK] [--keep book|server --record NAME]
Gleicht das Adressbuch und sein Online-Adressbuch beidseitig ab und zeigt, was
empfangen, gesendet und gelöscht wurde. Ein an beiden Stellen geänderter
Eintrag wird in keines geschrieben: Er ist ein Konflikt, bis Sie die bleibende
Fassung wählen. Endet mit 1, wenn Konflikte oder Ablehnungen bleiben.

  --database BOOK  das Adressbuch; ohne Angabe das Standard-Adressbuch
  --keep book|server  den Konflikt von --record NAME mit dieser Fassung beenden
  --record NAME    der Name des Eintrags, dessen Konflikt --keep beendet
</translation>
    </message>
    <message>
        <source>--keep takes book or server</source>
        <translation>--keep erwartet book oder server</translation>
    </message>
    <message>
        <source>--keep and --record go together</source>
        <translation>--keep und --record gehören zusammen</translation>
    </message>
    <message>
        <source>the book %1 is not linked to an online address book</source>
        <translation>das Adressbuch %1 ist mit keinem Online-Adressbuch verknüpft</translation>
    </message>
    <message>
        <source>Unlinked %1.</source>
        <translation>Verknüpfung von %1 aufgehoben.</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>sie ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is a disk device, not a file</source>
        <translation>sie ist ein Laufwerk, keine Datei</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>sie ist ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>sie ist keine Datei</translation>
    </message>
    <message>
        <source>it is the open address book</source>
        <translation>sie ist das geöffnete Adressbuch</translation>
    </message>
    <message>
        <source>it is a database file (an address book), which it would destroy</source>
        <translation>sie ist eine Datenbankdatei (ein Adressbuch), die dadurch zerstört würde</translation>
    </message>
    <message>
        <source>no file was named</source>
        <translation>es wurde keine Datei angegeben</translation>
    </message>
    <message>
        <source>nothing is reading from the pipe</source>
        <translation>nichts liest aus der Pipe</translation>
    </message>
</context>
<context>
    <name>PaintedDestination</name>
    <message>
        <source>the PDF file %1</source>
        <translation>PDF-Datei %1</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot;</source>
        <translation>Drucker „%1“</translation>
    </message>
</context>
<context>
    <name>PdfTarget</name>
    <message>
        <source>The PDF file &quot;%1&quot; can&apos;t be written: %2.</source>
        <translation>Die PDF-Datei „%1“ kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The PDF file could not be started.</source>
        <translation>Die PDF-Datei konnte nicht begonnen werden.</translation>
    </message>
    <message>
        <source>The PDF file could not take a new page.</source>
        <translation>Die PDF-Datei konnte keine neue Seite aufnehmen.</translation>
    </message>
</context>
<context>
    <name>PostgresDialect</name>
    <message>
        <source>the connection to the server was lost (%1)</source>
        <translation>die Verbindung zum Server wurde unterbrochen (%1)</translation>
    </message>
    <message>
        <source>the server does not allow this to your user name (%1)</source>
        <translation>der Server erlaubt dies Ihrem Benutzernamen nicht (%1)</translation>
    </message>
    <message>
        <source>the server stopped it after the time it allows a statement; another user may be holding the records it needs, so try again in a moment (%1)</source>
        <translation>der Server hat es nach der für eine Anweisung erlaubten Zeit abgebrochen; möglicherweise hält ein anderer Benutzer die benötigten Einträge, versuchen Sie es also gleich noch einmal (%1)</translation>
    </message>
    <message>
        <source>the server&apos;s disk is full (%1)</source>
        <translation>der Datenträger des Servers ist voll (%1)</translation>
    </message>
    <message>
        <source>another user is changing the same records; try again in a moment (%1)</source>
        <translation>ein anderer Benutzer ändert dieselben Einträge; versuchen Sie es gleich noch einmal (%1)</translation>
    </message>
    <message>
        <source>the server found the book&apos;s data damaged (%1)</source>
        <translation>der Server hat die Daten des Adressbuchs als beschädigt erkannt (%1)</translation>
    </message>
</context>
<context>
    <name>PreviewTarget</name>
    <message>
        <source>The preview shows one page at a time.</source>
        <translation>Die Vorschau zeigt jeweils eine Seite.</translation>
    </message>
    <message>
        <source>there is not room in memory for its picture.</source>
        <translation>für ihr Bild ist nicht genug Speicher frei.</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>The address book has %1 return address(es), not %2.</source>
        <translation>Das Adressbuch hat %1 Absenderadresse(n), nicht %2.</translation>
    </message>
    <message>
        <source>No record named &quot;%1&quot; is in the chosen groups.</source>
        <translation>In den gewählten Gruppen gibt es keinen Eintrag namens „%1“.</translation>
    </message>
    <message>
        <source>--offset &quot;%1&quot; needs two numbers of inches, X,Y (such as 0.05,-0.03)</source>
        <translation>--offset „%1“ erfordert zwei Zahlen in Zoll, X,Y (etwa 0.05,-0.03)</translation>
    </message>
    <message>
        <source>--offset &quot;%1&quot; lies outside -%2..%2 inch either way</source>
        <translation>--offset „%1“ liegt in einer Richtung außerhalb von -%2..%2 Zoll</translation>
    </message>
    <message>
        <source>--adjust &quot;%1&quot; lies outside -32768..32767 twips</source>
        <translation>--adjust „%1“ liegt außerhalb von -32768..32767 Twips</translation>
    </message>
    <message>
        <source>--adjust &quot;%1&quot; would put lines of the labels off the printable area; use %2 to %3 twips</source>
        <translation>--adjust „%1“ würde Zeilen der Etiketten aus dem druckbaren Bereich schieben; verwenden Sie %2 bis %3 Twips</translation>
    </message>
    <message>
        <source>--copies needs a number from 1 to 100</source>
        <translation>--copies erfordert eine Zahl von 1 bis 100</translation>
    </message>
    <message>
        <source>--sort &quot;%1&quot;: use book, name or postal-code</source>
        <translation>--sort „%1“: Verwenden Sie book, name oder postal-code</translation>
    </message>
    <message>
        <source>--paper &quot;%1&quot;: use letter or a4</source>
        <translation>--paper „%1“: Verwenden Sie letter oder a4</translation>
    </message>
    <message>
        <source>--stationery is missing</source>
        <translation>--stationery fehlt</translation>
    </message>
    <message>
        <source>--paper is for --stationery address-list only</source>
        <translation>--paper gilt nur für --stationery address-list</translation>
    </message>
    <message>
        <source>--sender-labels needs a label stationery</source>
        <translation>--sender-labels erfordert Etiketten als Druckmaterial</translation>
    </message>
    <message>
        <source>--fill-sheet is for label sheets only</source>
        <translation>--fill-sheet gilt nur für Etikettenbögen</translation>
    </message>
    <message>
        <source>--fill-sheet needs --selected NAME or --sender-labels</source>
        <translation>--fill-sheet erfordert --selected NAME oder --sender-labels</translation>
    </message>
    <message>
        <source>give either --copies or --fill-sheet</source>
        <translation>geben Sie entweder --copies oder --fill-sheet an</translation>
    </message>
    <message>
        <source>the address list has no calibration sheet</source>
        <translation>die Adressliste hat keinen Kalibrierbogen</translation>
    </message>
    <message>
        <source>--start-at is for label sheets only</source>
        <translation>--start-at gilt nur für Etikettenbögen</translation>
    </message>
    <message>
        <source>--start-at %1: a sheet of these labels has %2</source>
        <translation>--start-at %1: Ein Bogen dieser Etiketten hat %2</translation>
    </message>
    <message>
        <source>at least one --group is needed</source>
        <translation>mindestens eine --group ist erforderlich</translation>
    </message>
    <message>
        <source>give either --pdf FILE or --printer NAME</source>
        <translation>geben Sie entweder --pdf FILE oder --printer NAME an</translation>
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
        <translation>Aufruf: ravelbook print [--database BOOK] --stationery KIND --group G [--group G]...
                       [--selected NAME] [--last-name-first] [--bi-fold]
                       [--special TEXT] [--adjust TWIPS] [--return-address N]
                       [--start-at N] [--offset X,Y] [--copies N | --fill-sheet]
                       [--sort ORDER] [--close-up] [--paper PAPER]
                       (--pdf FILE | --printer NAME)
       ravelbook print --sender-labels --stationery KIND [--return-address N]
                       [--start-at N] [--copies N] (--pdf FILE | --printer NAME)
       ravelbook print --calibration-sheet --stationery KIND [--offset X,Y]
                       (--pdf FILE | --printer NAME)

Druckt die gewählten Gruppen des Adressbuchs, ohne das Fenster zu öffnen; das
Adressbuch bleibt unverändert. Auf einem im Fenster kalibrierten --printer (Datei:
Drucker kalibrieren) wird alles um die dafür gespeicherten Versätze verschoben.

  --database BOOK       das Adressbuch: eine Datei oder die URI eines Servers
  --stationery KIND     small-labels, large-labels, envelopes, cards, fliers
                        oder eine ID aus „ravelbook stationery list“ (avery-5160,
                        avery-l7160, envelope-dl, postcard-a6, …), oder
                        address-list: die Einträge als Tabelle auf Seiten
  --group G             eine Gruppenspalte 0 bis 17 oder ein Gruppentitel (jede
                        Gruppe mit diesem Titel); mehrfach angebbar
  --selected NAME       nur den ersten Eintrag namens NAME der Gruppen drucken
  --last-name-first     Namen wie gespeichert drucken („Nachname, Vorname“)
  --bi-fold             Flyer im zweiteiligen Falzlayout
  --special TEXT        der Zusatztext von Umschlägen, Karten und Flyern
  --adjust TWIPS        vertikale Korrektur der Etiketten, nur hier (180 = 1/8&quot;)
  --return-address N    die N-te Absenderadresse des Adressbuchs (Standard 1)
  --start-at N          Etiketten: den ersten Bogen bei Etikett N beginnen (1–20
                        bei kleinen, 1–10 bei großen, 1–30 bei avery-5160), um
                        einen angebrochenen Bogen aufzubrauchen
  --offset X,Y          alles um X Zoll nach rechts und Y Zoll nach unten schieben
                        (negativ: links, oben), zusätzlich zur Kalibrierung des
                        Druckers; höchstens 1 Zoll in jede Richtung
  --copies N            jeden Eintrag N-mal hintereinander drucken (1 bis 100)
  --fill-sheet          mit --selected oder --sender-labels: jedes freie Etikett
                        des Bogens füllen
  --sender-labels       Etiketten der Absenderadresse (--return-address N), von
                        --start-at bis zum Bogenende, oder --copies N davon;
                        keine --group erforderlich
  --sort ORDER          book (wie hinzugefügt, Standard), name oder postal-code
                        (nach der PLZ der Ortszeile; Einträge ohne PLZ zuletzt)
  --close-up            keine Lücke für leere Adresszeilen lassen
  --paper PAPER         das Papier der Adressliste: letter oder a4 (Standard:
                        das des Gebietsschemas)
  --calibration-sheet   statt Adressen den Kalibrierbogen des Druckmaterials
                        drucken: Umrisse und Lineale, um zu messen, wie weit der
                        Drucker danebendruckt; keine --group erforderlich
  --pdf FILE            den ganzen Lauf in eine PDF-Datei schreiben
  --printer NAME        auf diesem Drucker drucken
</translation>
    </message>
    <message>
        <source>There is no printer named &quot;%1&quot;.</source>
        <translation>Es gibt keinen Drucker namens „%1“.</translation>
    </message>
    <message>
        <source>Printed the calibration sheet on %1 page.</source>
        <translation>Kalibrierbogen auf %1 Seite gedruckt.</translation>
    </message>
    <message>
        <source>Printed the calibration sheet on %1 pages.</source>
        <translation>Kalibrierbogen auf %1 Seiten gedruckt.</translation>
    </message>
</context>
<context>
    <name>PrintRun</name>
    <message>
        <source>%1 line was</source>
        <translation>%1 Zeile wurde</translation>
    </message>
    <message>
        <source>%1 lines were</source>
        <translation>%1 Zeilen wurden</translation>
    </message>
    <message>
        <source>%1 printed smaller and %2 cut to fit</source>
        <translation>%1 zum Einpassen kleiner gedruckt und %2 gekürzt</translation>
    </message>
    <message>
        <source>%1 printed smaller to fit</source>
        <translation>%1 zum Einpassen kleiner gedruckt</translation>
    </message>
    <message>
        <source>%1 cut to fit</source>
        <translation>%1 zum Einpassen gekürzt</translation>
    </message>
    <message>
        <source>ATTN: </source>
        <extracomment>Printed on paper before the contact person of an address</extracomment>
        <translation>z. Hd. </translation>
    </message>
    <message>
        <source>TO:</source>
        <extracomment>Printed on paper before the recipient&apos;s address</extracomment>
        <translation>AN:</translation>
    </message>
    <message>
        <source>%1 name had characters no installed font has, printed as boxes (%2).</source>
        <translation>%1 Name enthielt Zeichen, die keine installierte Schrift hat, und wurde mit Kästchen gedruckt (%2).</translation>
    </message>
    <message>
        <source>%1 names had characters no installed font has, printed as boxes (%2).</source>
        <translation>%1 Namen enthielten Zeichen, die keine installierte Schrift hat, und wurden mit Kästchen gedruckt (%2).</translation>
    </message>
</context>
<context>
    <name>PrinterTarget</name>
    <message>
        <source>The printer &quot;%1&quot; could not start the print job.</source>
        <translation>Der Drucker „%1“ konnte den Druckauftrag nicht beginnen.</translation>
    </message>
    <message>
        <source>There is no printer to print on.</source>
        <translation>Es gibt keinen Drucker, auf dem gedruckt werden kann.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not begin a new page.</source>
        <translation>Der Drucker „%1“ konnte keine neue Seite beginnen.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not finish the print job.</source>
        <translation>Der Drucker „%1“ konnte den Druckauftrag nicht abschließen.</translation>
    </message>
</context>
<context>
    <name>ProgramModule</name>
    <message>
        <source>The program&apos;s library %1 is missing or damaged (it belongs in %2).</source>
        <translation>Die Programmbibliothek %1 fehlt oder ist beschädigt (sie gehört nach %2).</translation>
    </message>
    <message>
        <source>The program&apos;s library %1 is not of this version.</source>
        <translation>Die Programmbibliothek %1 gehört nicht zu dieser Version.</translation>
    </message>
</context>
<context>
    <name>ReaderProcess</name>
    <message>
        <source>the program&apos;s Access reader %1 is missing (it belongs beside the program, in %2)</source>
        <translation>das Access-Leseprogramm %1 fehlt (es gehört neben das Programm, nach %2)</translation>
    </message>
    <message>
        <source>its reader %1 could not be started (%2)</source>
        <translation>ihr Leseprogramm %1 konnte nicht gestartet werden (%2)</translation>
    </message>
    <message>
        <source>the file is damaged (%1)</source>
        <translation>die Datei ist beschädigt (%1)</translation>
    </message>
    <message>
        <source>reading it did not end in %1 seconds</source>
        <translation>das Lesen endete nicht innerhalb von %1 Sekunden</translation>
    </message>
    <message>
        <source>reading it stopped making progress</source>
        <translation>das Lesen kam nicht mehr voran</translation>
    </message>
    <message>
        <source>reading it gave more than %1 MB of text</source>
        <translation>das Lesen ergab mehr als %1 MB Text</translation>
    </message>
    <message>
        <source>its reader sent more than was asked for</source>
        <translation>ihr Leseprogramm lieferte mehr als angefordert</translation>
    </message>
    <message>
        <source>reading it gave more than the file can hold</source>
        <translation>das Lesen ergab mehr, als die Datei enthalten kann</translation>
    </message>
    <message>
        <source>its reader sent what was not asked for</source>
        <translation>ihr Leseprogramm lieferte nicht Angefordertes</translation>
    </message>
    <message>
        <source>its reader&apos;s answer is garbled</source>
        <translation>die Antwort ihres Leseprogramms ist unverständlich</translation>
    </message>
    <message>
        <source>reading it failed</source>
        <translation>das Lesen ist fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>RecordConflict</name>
    <message>
        <source>The record being edited</source>
        <translation>Der bearbeitete Eintrag</translation>
    </message>
    <message>
        <source>The record &quot;%1&quot;</source>
        <translation>Der Eintrag „%1“</translation>
    </message>
    <message>
        <source>%1 was changed by someone else after you read it, so your changes were not saved. What you typed is kept.</source>
        <translation>%1 wurde von jemand anderem geändert, nachdem Sie ihn gelesen hatten, daher wurden Ihre Änderungen nicht gespeichert. Ihre Eingaben bleiben erhalten.</translation>
    </message>
    <message>
        <source>%1 was deleted by someone else after you read it, so your changes were not saved and the record is not made again. What you typed is kept.</source>
        <translation>%1 wurde von jemand anderem gelöscht, nachdem Sie ihn gelesen hatten, daher wurden Ihre Änderungen nicht gespeichert und der Eintrag wird nicht neu angelegt. Ihre Eingaben bleiben erhalten.</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>First select some groups to mail to</source>
        <translation>Wählen Sie zuerst die Gruppen, an die Sie schreiben möchten</translation>
    </message>
    <message>
        <source>Nothing selected</source>
        <translation>Nichts ausgewählt</translation>
    </message>
    <message>
        <source>You must first select what to print!</source>
        <translation>Wählen Sie zuerst, worauf gedruckt werden soll!</translation>
    </message>
    <message>
        <source>Select option at the top left!</source>
        <translation>Wählen Sie oben links eine Option!</translation>
    </message>
    <message>
        <source>First select a record to print!</source>
        <translation>Wählen Sie zuerst einen Eintrag zum Drucken!</translation>
    </message>
    <message>
        <source>Nothing to print!</source>
        <translation>Nichts zu drucken!</translation>
    </message>
    <message>
        <source>There is no return address to print: type one on page &quot;Return Address&quot; first.</source>
        <translation>Es gibt keine Absenderadresse zum Drucken: Geben Sie zuerst auf der Seite „Absenderadresse“ eine ein.</translation>
    </message>
    <message>
        <source>Return address labels are printed on label sheets: choose a label stationery on page &quot;Mailings&quot; first.</source>
        <translation>Absenderetiketten werden auf Etikettenbögen gedruckt: Wählen Sie zuerst auf der Seite „Sendungen“ Etiketten als Druckmaterial.</translation>
    </message>
    <message>
        <source>No labels chosen</source>
        <translation>Keine Etiketten gewählt</translation>
    </message>
    <message>
        <source>Nothing was printed: the chosen groups hold no named addresses.</source>
        <translation>Es wurde nichts gedruckt: Die gewählten Gruppen enthalten keine Adressen mit Namen.</translation>
    </message>
</context>
<context>
    <name>Schema</name>
    <message>
        <source>the table &quot;%1&quot; has lost its key column</source>
        <translation>die Tabelle „%1“ hat ihre Schlüsselspalte verloren</translation>
    </message>
    <message>
        <source>the table &quot;%1&quot; is missing</source>
        <translation>die Tabelle „%1“ fehlt</translation>
    </message>
    <message>
        <source>the table &quot;%1&quot; has no column &quot;%2&quot;</source>
        <translation>die Tabelle „%1“ hat keine Spalte „%2“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be the first column of the table &quot;%2&quot;</source>
        <translation>„%1“ muss die erste Spalte der Tabelle „%2“ sein</translation>
    </message>
    <message>
        <source>it is not a Ravelbook address book (%1)</source>
        <translation>sie ist kein Ravelbook-Adressbuch (%1)</translation>
    </message>
    <message>
        <source>it was made by a newer Ravelbook</source>
        <translation>sie wurde von einer neueren Ravelbook-Version erstellt</translation>
    </message>
</context>
<context>
    <name>ServerConnection</name>
    <message>
        <source>Books on a server need PostgreSQL&apos;s client library (libpq.so.5, Debian package libpq5), which could not be loaded.</source>
        <translation>Adressbücher auf einem Server benötigen die Client-Bibliothek von PostgreSQL (libpq.so.5, Debian-Paket libpq5), die nicht geladen werden konnte.</translation>
    </message>
    <message>
        <source>it holds a password, and libpq can&apos;t read it</source>
        <translation>sie enthält ein Passwort, und libpq kann sie nicht lesen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a server address Ravelbook can read: %2.</source>
        <translation>„%1“ ist keine Serveradresse, die Ravelbook lesen kann: %2.</translation>
    </message>
    <message>
        <source>The server address &quot;%1&quot; holds a password. Leave it out: Ravelbook asks for it, or takes it from ~/.pgpass, PGPASSWORD or a service file.</source>
        <translation>Die Serveradresse „%1“ enthält ein Passwort. Lassen Sie es weg: Ravelbook fragt danach oder entnimmt es ~/.pgpass, PGPASSWORD oder einer Dienstdatei.</translation>
    </message>
    <message>
        <source>Ravelbook can&apos;t tell whether the two server books are one: %1</source>
        <translation>Ravelbook kann nicht feststellen, ob die beiden Server-Adressbücher dasselbe sind: %1</translation>
    </message>
</context>
<context>
    <name>SourceFile</name>
    <message>
        <source>The file &quot;%1&quot; can&apos;t be imported: %2.</source>
        <translation>Die Datei „%1“ kann nicht importiert werden: %2.</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>sie ist größer als %1 MB</translation>
    </message>
    <message>
        <source>it could not be read to its end (%1)</source>
        <translation>sie konnte nicht bis zum Ende gelesen werden (%1)</translation>
    </message>
    <message>
        <source>it is not a text file</source>
        <translation>sie ist keine Textdatei</translation>
    </message>
    <message>
        <source>it holds no rows below its headings</source>
        <translation>sie enthält unter ihren Überschriften keine Zeilen</translation>
    </message>
    <message>
        <source>it holds no vCard</source>
        <translation>sie enthält keine vCard</translation>
    </message>
</context>
<context>
    <name>SourceTable</name>
    <message>
        <source>Further problems of the file are not listed.</source>
        <translation>Weitere Probleme der Datei werden nicht aufgeführt.</translation>
    </message>
</context>
<context>
    <name>SqlFailure</name>
    <message>
        <source>another program is using the address book; try again in a moment (%1)</source>
        <translation>ein anderes Programm verwendet das Adressbuch; versuchen Sie es gleich noch einmal (%1)</translation>
    </message>
    <message>
        <source>the address book file is read-only (%1)</source>
        <translation>die Adressbuchdatei ist schreibgeschützt (%1)</translation>
    </message>
    <message>
        <source>the file could not be read or written (%1)</source>
        <translation>die Datei konnte nicht gelesen oder geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>the file is damaged (%1)</source>
        <translation>die Datei ist beschädigt (%1)</translation>
    </message>
    <message>
        <source>the disk is full (%1)</source>
        <translation>der Datenträger ist voll (%1)</translation>
    </message>
    <message>
        <source>it is not a database file (%1)</source>
        <translation>sie ist keine Datenbankdatei (%1)</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>The file &quot;%1&quot; is empty: it holds no addresses. Make it a new address book?</source>
        <translation>Die Datei „%1“ ist leer: Sie enthält keine Adressen. Ein neues Adressbuch daraus machen?</translation>
    </message>
</context>
<context>
    <name>StationeryCatalogue</name>
    <message>
        <source>built in</source>
        <translation>eingebaut</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>von %1</translation>
    </message>
    <message>
        <source>unknown stationery &quot;%1&quot;</source>
        <translation>unbekanntes Druckmaterial „%1“</translation>
    </message>
    <message>
        <source>unknown stationery &quot;%1&quot;; did you mean %2?</source>
        <translation>unbekanntes Druckmaterial „%1“; meinten Sie %2?</translation>
    </message>
</context>
<context>
    <name>StationeryCommand</name>
    <message>
        <source>%1 mm (%2 in)</source>
        <translation>%1 mm (%2 Zoll)</translation>
    </message>
    <message>
        <source>round</source>
        <extracomment>Shape of a label, in &quot;ravelbook stationery show&quot;</extracomment>
        <translation>rund</translation>
    </message>
    <message>
        <source>ellipse</source>
        <extracomment>Shape of a label, in &quot;ravelbook stationery show&quot;</extracomment>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>rectangle</source>
        <extracomment>Shape of a label, in &quot;ravelbook stationery show&quot;</extracomment>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>%1 a sheet</source>
        <translation>%1 je Bogen</translation>
    </message>
    <message>
        <source>Paper: %1, %2</source>
        <translation>Papier: %1, %2</translation>
    </message>
    <message>
        <source>Shape: %1, %2</source>
        <translation>Form: %1, %2</translation>
    </message>
    <message>
        <source>, corner radius %1</source>
        <translation>, Eckenradius %1</translation>
    </message>
    <message>
        <source>Margin: %1</source>
        <translation>Rand: %1</translation>
    </message>
    <message>
        <source>Grid: %1 x %2 from %3, every %4</source>
        <translation>Raster: %1 x %2 ab %3, alle %4</translation>
    </message>
    <message>
        <source>Labels: %1 a sheet</source>
        <translation>Etiketten: %1 je Bogen</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Datei: %1</translation>
    </message>
    <message>
        <source>built in</source>
        <translation>eingebaut</translation>
    </message>
    <message>
        <source>say &quot;list&quot; or &quot;show ID&quot;</source>
        <translation>geben Sie „list“ oder „show ID“ an</translation>
    </message>
    <message>
        <source>the stationery to show is missing</source>
        <translation>das anzuzeigende Druckmaterial fehlt</translation>
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
        <translation>Aufruf: ravelbook stationery list [--search TEXT]
       ravelbook stationery show ID
Listet das Druckmaterial auf, auf das das Programm drucken kann: sein eigenes
und die Vorlagen des Etikettenprogramms gLabels (Paket glabels-data,
~/.config/libglabels, ~/.glabels) sowie von %1.

  list           je eine Zeile: ID, Produkt, Beschreibung, Papier, Etiketten
                 je Bogen, Etikettengröße; Dateifehler auf stderr
  --search TEXT  nur die, deren Produkt, Beschreibung oder ID jedes Wort enthält
  show ID        das Papier, das Etikett und wo die Etiketten liegen
</translation>
    </message>
</context>
<context>
    <name>TableReader</name>
    <message>
        <source>The file has no table &quot;%1&quot;; its tables are: %2.</source>
        <translation>Die Datei hat keine Tabelle „%1“; ihre Tabellen sind: %2.</translation>
    </message>
    <message>
        <source>The file is not an address book in Ravelbook&apos;s layout; choose one of its tables: %1.</source>
        <translation>Die Datei ist kein Adressbuch im Aufbau von Ravelbook; wählen Sie eine ihrer Tabellen: %1.</translation>
    </message>
</context>
<context>
    <name>TemplateReader</name>
    <message>
        <source>%1 CD/DVD labels left out: discs are not printed on</source>
        <translation>%1 CD/DVD-Etiketten weggelassen: Auf Discs wird nicht gedruckt</translation>
    </message>
    <message>
        <source>%1 continuous labels left out: rolls are not printed on</source>
        <translation>%1 Endlosetiketten weggelassen: Auf Rollen wird nicht gedruckt</translation>
    </message>
    <message>
        <source>%1 labels of drawn outlines left out: only rectangles, circles and ellipses are printed on</source>
        <translation>%1 Etiketten mit gezeichneten Umrissen weggelassen: Gedruckt wird nur auf Rechtecke, Kreise und Ellipsen</translation>
    </message>
    <message>
        <source>%1 labels of other shapes left out: only rectangles, circles and ellipses are printed on</source>
        <translation>%1 Etiketten anderer Formen weggelassen: Gedruckt wird nur auf Rechtecke, Kreise und Ellipsen</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>unknown paper size &quot;%1&quot;</source>
        <translation>unbekanntes Papierformat „%1“</translation>
    </message>
    <message>
        <source>the paper (%1 x %2) is larger than the %3 the program can print on</source>
        <translation>das Papier (%1 x %2) ist größer als das %3, auf das das Programm drucken kann</translation>
    </message>
    <message>
        <source>the label (%1 x %2) is larger than its paper (%3 x %4)</source>
        <translation>das Etikett (%1 x %2) ist größer als sein Papier (%3 x %4)</translation>
    </message>
    <message>
        <source>more than %1 labels on one sheet</source>
        <translation>mehr als %1 Etiketten auf einem Bogen</translation>
    </message>
    <message>
        <source>a Layout puts labels off the paper (%1 x %2)</source>
        <translation>ein Layout setzt Etiketten außerhalb des Papiers (%1 x %2)</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB: skipped</source>
        <translation>die Datei ist größer als %1 MB: übersprungen</translation>
    </message>
    <message>
        <source>the file is damaged here (%1): the paper sizes after it are skipped</source>
        <translation>die Datei ist hier beschädigt (%1): Die folgenden Papierformate werden übersprungen</translation>
    </message>
    <message>
        <source>can&apos;t be read: %1</source>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>the file is damaged here (%1): skipped</source>
        <translation>die Datei ist hier beschädigt (%1): übersprungen</translation>
    </message>
    <message>
        <source>a template needs a part</source>
        <translation>eine Vorlage benötigt eine Artikelnummer</translation>
    </message>
    <message>
        <source>the file is damaged here (%1): the templates after it are skipped</source>
        <translation>die Datei ist hier beschädigt (%1): Die folgenden Vorlagen werden übersprungen</translation>
    </message>
</context>
<context>
    <name>TemplateWriter</name>
    <message>
        <source>The stationery file &quot;%1&quot; can&apos;t be written: %2.</source>
        <translation>Die Druckmaterial-Datei „%1“ kann nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>TextDecoding</name>
    <message>
        <source>line %1: the byte 0x%2 is not UTF-8 like the rest of the file; it is read as &quot;%3&quot;</source>
        <translation>Zeile %1: Das Byte 0x%2 ist nicht UTF-8 wie der Rest der Datei; es wird als „%3“ gelesen</translation>
    </message>
</context>
<context>
    <name>VCardMerge</name>
    <message>
        <source>The card on the server can&apos;t be read.</source>
        <translation>Die Karte auf dem Server kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>VCardReader</name>
    <message>
        <source>line %1: the card is cut short (no END:VCARD); it is left out</source>
        <translation>Zeile %1: Die Karte ist abgeschnitten (kein END:VCARD); sie wird weggelassen</translation>
    </message>
    <message>
        <source>line %1: can&apos;t be read: %2</source>
        <translation>Zeile %1: kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>line %1: the card is cut short (the file ends before END:VCARD); it is left out</source>
        <translation>Zeile %1: Die Karte ist abgeschnitten (die Datei endet vor END:VCARD); sie wird weggelassen</translation>
    </message>
</context>
<context>
    <name>ravelbook::BookMenu</name>
    <message>
        <source>&amp;New Book…</source>
        <translation>&amp;Neues Adressbuch…</translation>
    </message>
    <message>
        <source>&amp;Open Book…</source>
        <translation>Adressbuch ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Open &amp;Server Book…</source>
        <translation>&amp;Server-Adressbuch öffnen…</translation>
    </message>
    <message>
        <source>New Address Book</source>
        <translation>Neues Adressbuch</translation>
    </message>
    <message>
        <source>Open Address Book</source>
        <translation>Adressbuch öffnen</translation>
    </message>
</context>
<context>
    <name>ravelbook::CalibrationDialog</name>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source> in</source>
        <translation> in</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Calibrate Printer</source>
        <translation>Drucker kalibrieren</translation>
    </message>
    <message>
        <source>&amp;Stationery:</source>
        <translation>Druck&amp;material:</translation>
    </message>
    <message>
        <source>P&amp;rinter…</source>
        <translation>Dru&amp;cker…</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Drucker:</translation>
    </message>
    <message>
        <source>&amp;Print Sheet</source>
        <translation>Bogen &amp;drucken</translation>
    </message>
    <message>
        <source>Save Sheet as P&amp;DF…</source>
        <translation>Bogen als &amp;PDF speichern…</translation>
    </message>
    <message>
        <source>Pre&amp;view Sheet</source>
        <translation>Bogen&amp;vorschau</translation>
    </message>
    <message>
        <source>Calibration sheet:</source>
        <translation>Kalibrierbogen:</translation>
    </message>
    <message>
        <source>Negative moves the print left</source>
        <translation>Negativ verschiebt den Druck nach links</translation>
    </message>
    <message>
        <source>Negative moves the print up</source>
        <translation>Negativ verschiebt den Druck nach oben</translation>
    </message>
    <message>
        <source>Move print &amp;right by:</source>
        <translation>Nach &amp;rechts verschieben um:</translation>
    </message>
    <message>
        <source>Move print &amp;down by:</source>
        <translation>Nach &amp;unten verschieben um:</translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <translation>&amp;Einheit:</translation>
    </message>
    <message>
        <source>Print the sheet on plain paper, hold it against the stationery in front of a light and add how far the printed outlines are off to the offsets above; print again to check. OK keeps the offsets for this printer, and everything printed on it is moved by them.</source>
        <translation>Drucken Sie den Bogen auf Normalpapier, halten Sie ihn vor einer Lichtquelle gegen das Druckmaterial und addieren Sie die Abweichung der gedruckten Umrisse zu den obigen Versätzen; drucken Sie zur Kontrolle erneut. „OK“ speichert die Versätze für diesen Drucker, und alles darauf Gedruckte wird um sie verschoben.</translation>
    </message>
    <message>
        <source>No printer is installed; the sheet can be saved as a PDF file.</source>
        <translation>Es ist kein Drucker installiert; der Bogen kann als PDF-Datei gespeichert werden.</translation>
    </message>
    <message>
        <source>Save the calibration sheet as a PDF file</source>
        <translation>Kalibrierbogen als PDF-Datei speichern</translation>
    </message>
    <message>
        <source>Calibration sheet.pdf</source>
        <extracomment>The file name offered for the saved sheet</extracomment>
        <translation>Kalibrierbogen.pdf</translation>
    </message>
    <message>
        <source>The calibration sheet went to %1.</source>
        <translation>Der Kalibrierbogen wurde an %1 gesendet.</translation>
    </message>
    <message>
        <source>Calibration Sheet</source>
        <translation>Kalibrierbogen</translation>
    </message>
</context>
<context>
    <name>ravelbook::DataNavigator</name>
    <message>
        <source>First</source>
        <translation>Erster</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Vorheriger</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächster</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Letzter</translation>
    </message>
</context>
<context>
    <name>ravelbook::DataSource</name>
    <message>
        <source>There is no current record.</source>
        <translation>Es gibt keinen aktuellen Eintrag.</translation>
    </message>
    <message>
        <source>The table &quot;%1&quot; has no column &quot;%2&quot;.</source>
        <translation>Die Tabelle „%1“ hat keine Spalte „%2“.</translation>
    </message>
    <message>
        <source>No records have been chosen yet.</source>
        <translation>Es wurden noch keine Einträge ausgewählt.</translation>
    </message>
    <message>
        <source>Records can&apos;t be read with &quot;%1&quot;.</source>
        <translation>Einträge können mit „%1“ nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The address book could not be read: %1.</source>
        <translation>Das Adressbuch konnte nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>The record is no longer the one shown.</source>
        <translation>Der Eintrag ist nicht mehr der angezeigte.</translation>
    </message>
    <message>
        <source>The new record was not saved: %1.</source>
        <translation>Der neue Eintrag wurde nicht gespeichert: %1.</translation>
    </message>
    <message>
        <source>The table &quot;%1&quot; has no field %2.</source>
        <translation>Die Tabelle „%1“ hat kein Feld %2.</translation>
    </message>
</context>
<context>
    <name>ravelbook::ExchangeMenu</name>
    <message>
        <source>Address files (*.csv *.txt *.tsv *.vcf *.vcard *.mdb);;CSV files (*.csv *.txt *.tsv);;vCard files (*.vcf *.vcard);;Access files (*.mdb);;All files (*)</source>
        <translation>Adressdateien (*.csv *.txt *.tsv *.vcf *.vcard *.mdb);;CSV-Dateien (*.csv *.txt *.tsv);;vCard-Dateien (*.vcf *.vcard);;Access-Dateien (*.mdb);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV-Datei (*.csv)</translation>
    </message>
    <message>
        <source>vCard 3.0 file (*.vcf)</source>
        <translation>vCard-3.0-Datei (*.vcf)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>Import addresses</source>
        <translation>Adressen importieren</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a CSV, vCard or Access file.</source>
        <translation>„%1“ ist keine CSV-, vCard- oder Access-Datei.</translation>
    </message>
    <message>
        <source>The table to import:</source>
        <translation>Die zu importierende Tabelle:</translation>
    </message>
    <message>
        <source>Importing addresses...</source>
        <translation>Adressen werden importiert...</translation>
    </message>
    <message>
        <source>The import was cancelled; nothing was imported.</source>
        <translation>Der Import wurde abgebrochen; es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>
Group &quot;%1&quot; matched no group title and was not kept.</source>
        <translation>
Gruppe „%1“ passte zu keinem Gruppentitel und wurde nicht übernommen.</translation>
    </message>
    <message>
        <source> %1 had no name and were left out.</source>
        <translation> %1 hatten keinen Namen und wurden weggelassen.</translation>
    </message>
    <message>
        <source>Imported %1 of %2 records; %3 skipped as already in the book.%4%5</source>
        <translation>%1 von %2 Einträgen importiert; %3 übersprungen, da bereits im Adressbuch.%4%5</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Export addresses</source>
        <translation>Adressen exportieren</translation>
    </message>
    <message>
        <source>Exporting addresses...</source>
        <translation>Adressen werden exportiert...</translation>
    </message>
    <message>
        <source>Exported %1 records to &quot;%2&quot;.</source>
        <translation>%1 Einträge nach „%2“ exportiert.</translation>
    </message>
    <message>
        <source>The export was cancelled; nothing was written.</source>
        <translation>Der Export wurde abgebrochen; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
</context>
<context>
    <name>ravelbook::GridColumns</name>
    <message>
        <source>Show group columns</source>
        <translation>Gruppenspalten anzeigen</translation>
    </message>
</context>
<context>
    <name>ravelbook::GroupBoxMouse</name>
    <message>
        <source>Group %1</source>
        <translation>Gruppe %1</translation>
    </message>
</context>
<context>
    <name>ravelbook::ImportPreview</name>
    <message>
        <source>Import from %1</source>
        <translation>Import aus %1</translation>
    </message>
    <message>
        <source>Where each column of the %1 file goes:</source>
        <translation>Wohin jede Spalte der %1-Datei kommt:</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Spalte</translation>
    </message>
    <message>
        <source>First value</source>
        <translation>Erster Wert</translation>
    </message>
    <message>
        <source>Goes to</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>The first records as they will be in the book:</source>
        <translation>Die ersten Einträge, wie sie im Adressbuch stehen werden:</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <source>Groups of the file that match no group title (give one a group column, which then takes its title):</source>
        <translation>Gruppen der Datei, die zu keinem Gruppentitel passen (weisen Sie einer eine Gruppenspalte zu, die dann ihren Titel übernimmt):</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>(not kept)</source>
        <translation>(nicht übernommen)</translation>
    </message>
    <message>
        <source>Group %1 &quot;%2&quot;</source>
        <translation>Gruppe %1 „%2“</translation>
    </message>
    <message>
        <source>Where %1 goes</source>
        <translation>Ziel von %1</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
</context>
<context>
    <name>ravelbook::LinkBookDialog</name>
    <message>
        <source>Link Online Address Book</source>
        <translation>Online-Adressbuch verknüpfen</translation>
    </message>
    <message>
        <source>An address book on a CardDAV server (Nextcloud, Fastmail, iCloud, Radicale…), kept in step with this book both ways.</source>
        <translation>Ein Adressbuch auf einem CardDAV-Server (Nextcloud, Fastmail, iCloud, Radicale…), das in beide Richtungen mit diesem Adressbuch abgeglichen wird.</translation>
    </message>
    <message>
        <source>dav.example.org or https://…</source>
        <translation>dav.example.org oder https://…</translation>
    </message>
    <message>
        <source>from the keyring or ~/.netrc when empty</source>
        <translation>aus dem Schlüsselbund oder ~/.netrc, wenn leer</translation>
    </message>
    <message>
        <source>&amp;Keep the password in the keyring</source>
        <translation>Passwort im Schl&amp;üsselbund speichern</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Benutzer:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>Su&amp;chen</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Adressbuch</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Karten</translation>
    </message>
    <message>
        <source>&amp;Trust this certificate</source>
        <translation>Diesem Zertifikat ver&amp;trauen</translation>
    </message>
    <message>
        <source>&amp;Link</source>
        <translation>&amp;Verknüpfen</translation>
    </message>
    <message>
        <source>U&amp;nlink</source>
        <translation>Verknüpfung &amp;aufheben</translation>
    </message>
    <message>
        <source>This book is linked to %1 as %2. Unlink keeps the records and forgets the link.</source>
        <translation>Dieses Adressbuch ist mit %1 als %2 verknüpft. „Verknüpfung aufheben“ behält die Einträge und entfernt die Verknüpfung.</translation>
    </message>
    <message>
        <source>No address book was found at %1.</source>
        <translation>Unter %1 wurde kein Adressbuch gefunden.</translation>
    </message>
    <message>
        <source>%1

Trust it only if the server&apos;s administrator gave you the same fingerprint.</source>
        <translation>%1

Vertrauen Sie ihm nur, wenn Ihnen der Administrator des Servers denselben Fingerabdruck genannt hat.</translation>
    </message>
    <message>
        <source>Address books found</source>
        <translation>Gefundene Adressbücher</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
</context>
<context>
    <name>ravelbook::MailingPrinter</name>
    <message>
        <source>Printing...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Item %1 of %2</source>
        <translation>Element %1 von %2</translation>
    </message>
</context>
<context>
    <name>ravelbook::MailingsPage</name>
    <message>
        <source>Avery 8161 ( 1&quot; X 4&quot; ) </source>
        <translation>Avery 8161 ( 1&quot; X 4&quot; ) </translation>
    </message>
    <message>
        <source>Avery 8163 ( 2&quot; X 4&quot; )</source>
        <translation>Avery 8163 ( 2&quot; X 4&quot; )</translation>
    </message>
    <message>
        <source>Envelope #10 ( 4 1/8&quot; X 9 1/2&quot; )</source>
        <translation>Umschlag #10 ( 4 1/8&quot; X 9 1/2&quot; )</translation>
    </message>
    <message>
        <source>Cards ( 5 1/2&quot; X 8 1/2&quot; )</source>
        <translation>Karten ( 5 1/2&quot; X 8 1/2&quot; )</translation>
    </message>
    <message>
        <source>Full sheet flier</source>
        <translation>Flyer, ganze Seite</translation>
    </message>
    <message>
        <source>More stationery…</source>
        <translation>Mehr Material…</translation>
    </message>
    <message>
        <source>Print Single Selected in Grid Below</source>
        <translation>Nur gewählten Eintrag drucken</translation>
    </message>
    <message>
        <source>Print Mailing List</source>
        <translation>Verteiler drucken</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>Return address</source>
        <translation>Absenderadresse</translation>
    </message>
    <message>
        <source>Special text</source>
        <translation>Zusatztext</translation>
    </message>
    <message>
        <source>Start at label</source>
        <translation>Ab Etikett</translation>
    </message>
    <message>
        <source>Bi - Fold Fliers</source>
        <translation>Flyer - zweiteilig</translation>
    </message>
    <message>
        <source>Tri - Fold Fliers</source>
        <translation>Flyer - dreiteilig</translation>
    </message>
    <message>
        <source>Vertical Adjustment: To accommodate different printers, enter a higher number to move labels down on page ( 180 = 1/8&quot; )</source>
        <translation>Vertikale Korrektur: Zum Anpassen an verschiedene Drucker eine höhere Zahl eingeben, um die Etiketten auf der Seite nach unten zu verschieben ( 180 = 1/8&quot; )</translation>
    </message>
    <message>
        <source>First Name First</source>
        <translation>Vorname zuerst</translation>
    </message>
    <message>
        <source>Groups - Check all that apply</source>
        <translation>Gruppen - Alle passenden ankreuzen</translation>
    </message>
    <message>
        <source>Address list</source>
        <translation>Adressliste</translation>
    </message>
    <message>
        <source>Copies of each</source>
        <translation>Kopien je Eintrag</translation>
    </message>
    <message>
        <source>Fill the sheet</source>
        <translation>Bogen füllen</translation>
    </message>
    <message>
        <source>The one record selected in the grid on every free label of the sheet</source>
        <translation>Den einen in der Liste gewählten Eintrag auf jedes freie Etikett des Bogens</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>Ordnen</translation>
    </message>
    <message>
        <source>Book order</source>
        <extracomment>An order the labels can be printed in</extracomment>
        <translation>Wie erfasst</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>An order the labels can be printed in: by name</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Postal code</source>
        <extracomment>An order the labels can be printed in</extracomment>
        <translation>PLZ</translation>
    </message>
    <message>
        <source>Close up empty lines</source>
        <translation>Leerzeilen auslassen</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Letter</source>
        <extracomment>The US paper size the address list can be printed on</extracomment>
        <translation>Letter</translation>
    </message>
    <message>
        <source>A4</source>
        <extracomment>The paper size the address list can be printed on</extracomment>
        <translation>A4</translation>
    </message>
    <message>
        <source>Labels use %1</source>
        <translation>Etiketten nutzen %1</translation>
    </message>
    <message>
        <source>Not used: the adjustment must lie between %1 and %2 twips, or lines of the last labels leave the printable area. Labels stay at %3.</source>
        <translation>Nicht verwendet: Die Korrektur muss zwischen %1 und %2 Twips liegen, sonst verlassen Zeilen der letzten Etiketten den druckbaren Bereich. Die Etiketten bleiben bei %3.</translation>
    </message>
    <message>
        <source>Labels stay at %1</source>
        <translation>Etiketten bleiben bei %1</translation>
    </message>
    <message>
        <source>Vertical Adjustment</source>
        <translation>Vertikale Korrektur</translation>
    </message>
    <message>
        <source>Addresses to mail</source>
        <translation>Zu versendende Adressen</translation>
    </message>
</context>
<context>
    <name>ravelbook::NamesPage</name>
    <message>
        <source>Name ( L, F )</source>
        <translation>Name ( N, V )</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>City, State  Zip</source>
        <translation>Ort, Region  PLZ</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Format for names:  Last Name - comma - space - First Name.</source>
        <translation>Format für Namen:  Nachname - Komma - Leerzeichen - Vorname.</translation>
    </message>
    <message>
        <source>Groups - Check all that apply ( right click to re-name )</source>
        <translation>Gruppen ankreuzen ( Rechtsklick: umbenennen )</translation>
    </message>
    <message>
        <source>&amp;New Address</source>
        <translation>&amp;Neue Adresse</translation>
    </message>
    <message>
        <source>&amp;Enter Changes</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>&amp;Delete Record</source>
        <translation>Eintrag &amp;löschen</translation>
    </message>
    <message>
        <source>Discard the new address?</source>
        <translation>Die neue Adresse verwerfen?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer in the address book; it was renamed or deleted elsewhere. The name list now shows the book as it is.</source>
        <translation>„%1“ ist nicht mehr im Adressbuch; der Eintrag wurde anderswo umbenannt oder gelöscht. Die Namensliste zeigt das Adressbuch jetzt im aktuellen Stand.</translation>
    </message>
    <message>
        <source>There is no record to save. Choose a name from the list or press New Address first.</source>
        <translation>Es gibt keinen Eintrag zum Speichern. Wählen Sie einen Namen aus der Liste oder klicken Sie zuerst auf „Neue Adresse“.</translation>
    </message>
    <message>
        <source>There is no record to delete.</source>
        <translation>Es gibt keinen Eintrag zum Löschen.</translation>
    </message>
    <message>
        <source>Are you SURE you want to Delete %1 PERMANENTLY?</source>
        <translation>Möchten Sie %1 wirklich ENDGÜLTIG löschen?</translation>
    </message>
    <message>
        <source>Delete record?</source>
        <translation>Eintrag löschen?</translation>
    </message>
    <message>
        <source>Name list</source>
        <translation>Namensliste</translation>
    </message>
    <message>
        <source>Choose a name to show its address</source>
        <translation>Wählen Sie einen Namen, um seine Adresse anzuzeigen</translation>
    </message>
</context>
<context>
    <name>ravelbook::NewStationeryDialog</name>
    <message>
        <source>A4 (210 x 297 mm)</source>
        <translation>A4 (210 x 297 mm)</translation>
    </message>
    <message>
        <source>US Letter (8 1/2 x 11 in)</source>
        <translation>US Letter (8 1/2 x 11 in)</translation>
    </message>
    <message>
        <source>A5 (148 x 210 mm)</source>
        <translation>A5 (148 x 210 mm)</translation>
    </message>
    <message>
        <source>US Legal (8 1/2 x 14 in)</source>
        <translation>US Legal (8 1/2 x 14 in)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>New Stationery</source>
        <translation>Neues Druckmaterial</translation>
    </message>
    <message>
        <source>Label sheet</source>
        <translation>Etikettenbogen</translation>
    </message>
    <message>
        <source>Envelope</source>
        <translation>Umschlag</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Art:</translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <translation>&amp;Einheit:</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Papier:</translation>
    </message>
    <message>
        <source>Paper &amp;width:</source>
        <translation>Papier&amp;breite:</translation>
    </message>
    <message>
        <source>Paper &amp;height:</source>
        <translation>Papier&amp;höhe:</translation>
    </message>
    <message>
        <source>&amp;Label width:</source>
        <translation>Et&amp;ikettenbreite:</translation>
    </message>
    <message>
        <source>Label h&amp;eight:</source>
        <translation>Etikettenh&amp;öhe:</translation>
    </message>
    <message>
        <source>Corner &amp;radius:</source>
        <translation>Ec&amp;kenradius:</translation>
    </message>
    <message>
        <source>&amp;Columns:</source>
        <translation>&amp;Spalten:</translation>
    </message>
    <message>
        <source>R&amp;ows:</source>
        <translation>&amp;Zeilen:</translation>
    </message>
    <message>
        <source>Le&amp;ft margin:</source>
        <translation>&amp;Linker Rand:</translation>
    </message>
    <message>
        <source>&amp;Top margin:</source>
        <translation>&amp;Oberer Rand:</translation>
    </message>
    <message>
        <source>Hori&amp;zontal pitch:</source>
        <translation>Horizon&amp;taler Abstand:</translation>
    </message>
    <message>
        <source>&amp;Vertical pitch:</source>
        <translation>&amp;Vertikaler Abstand:</translation>
    </message>
    <message>
        <source>&amp;Brand:</source>
        <translation>He&amp;rsteller:</translation>
    </message>
    <message>
        <source>P&amp;art:</source>
        <translation>Artikel&amp;nummer:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>Beschreibun&amp;g:</translation>
    </message>
    <message>
        <source>Id:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source> in</source>
        <translation> in</translation>
    </message>
    <message>
        <source>The paper needs a width and a height.</source>
        <translation>Das Papier benötigt eine Breite und eine Höhe.</translation>
    </message>
    <message>
        <source>The labels need a width and a height.</source>
        <translation>Die Etiketten benötigen eine Breite und eine Höhe.</translation>
    </message>
    <message>
        <source>A sheet can have at most %1 labels.</source>
        <translation>Ein Bogen kann höchstens %1 Etiketten haben.</translation>
    </message>
    <message>
        <source>The labels overlap: the pitch is less than the label&apos;s size.</source>
        <translation>Die Etiketten überlappen sich: Der Abstand ist kleiner als die Etikettengröße.</translation>
    </message>
    <message>
        <source>The labels leave the paper.</source>
        <translation>Die Etiketten ragen über das Papier hinaus.</translation>
    </message>
    <message>
        <source>The corner radius is more than half the label&apos;s size.</source>
        <translation>Der Eckenradius ist größer als die halbe Etikettengröße.</translation>
    </message>
    <message>
        <source>Type the brand and the part number it is sold under.</source>
        <translation>Geben Sie den Hersteller und die Artikelnummer ein, unter denen es verkauft wird.</translation>
    </message>
    <message>
        <source>The stationery &quot;%1&quot; is already saved in %2. Replace it?</source>
        <translation>Das Druckmaterial „%1“ ist bereits in %2 gespeichert. Ersetzen?</translation>
    </message>
</context>
<context>
    <name>ravelbook::OnlineMenu</name>
    <message>
        <source>%1 conflict</source>
        <translation>%1 Konflikt</translation>
    </message>
    <message>
        <source>%1 conflicts</source>
        <translation>%1 Konflikte</translation>
    </message>
    <message>
        <source>%1 in</source>
        <translation>%1 empfangen</translation>
    </message>
    <message>
        <source>%1 out</source>
        <translation>%1 gesendet</translation>
    </message>
    <message>
        <source>%1 deleted</source>
        <translation>%1 gelöscht</translation>
    </message>
    <message>
        <source>%1 refused</source>
        <translation>%1 abgelehnt</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>Synced: %1</source>
        <translation>Synchronisiert: %1</translation>
    </message>
    <message>
        <source>&amp;Link Online Address Book…</source>
        <translation>&amp;Online-Adressbuch verknüpfen…</translation>
    </message>
    <message>
        <source>&amp;Sync</source>
        <translation>&amp;Synchronisieren</translation>
    </message>
    <message>
        <source>Sync &amp;Conflicts…</source>
        <translation>Sync-&amp;Konflikte…</translation>
    </message>
    <message>
        <source>Syncing: %1…</source>
        <translation>Synchronisierung: %1…</translation>
    </message>
    <message>
        <source>The password of %1 on %2:</source>
        <translation>Das Passwort von %1 auf %2:</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchronisieren</translation>
    </message>
    <message>
        <source>Keep the password in the keyring?</source>
        <translation>Das Passwort im Schlüsselbund speichern?</translation>
    </message>
    <message>
        <source>The keyring did not take the password.</source>
        <translation>Der Schlüsselbund hat das Passwort nicht angenommen.</translation>
    </message>
    <message>
        <source>Not synced: %1</source>
        <translation>Nicht synchronisiert: %1</translation>
    </message>
    <message>
        <source>This book is not linked to an online address book: File: Link Online Address Book… links it.</source>
        <translation>Dieses Adressbuch ist mit keinem Online-Adressbuch verknüpft: Datei: Online-Adressbuch verknüpfen… verknüpft es.</translation>
    </message>
    <message>
        <source>Not synced: no password for %1 on %2.</source>
        <translation>Nicht synchronisiert: kein Passwort für %1 auf %2.</translation>
    </message>
    <message>
        <source>Syncing…</source>
        <translation>Synchronisierung…</translation>
    </message>
    <message>
        <source>Not linked: %1</source>
        <translation>Nicht verknüpft: %1</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>Synchronisierung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>%1

Trust this certificate for %2?</source>
        <translation>%1

Diesem Zertifikat für %2 vertrauen?</translation>
    </message>
    <message>
        <source>Synced, but the window could not read the book again: %1</source>
        <translation>Synchronisiert, aber das Fenster konnte das Adressbuch nicht neu lesen: %1</translation>
    </message>
    <message>
        <source>A sync is running; try again when it has ended.</source>
        <translation>Eine Synchronisierung läuft; versuchen Sie es nach deren Ende erneut.</translation>
    </message>
    <message>
        <source>Unlinked from %1.</source>
        <translation>Verknüpfung mit %1 aufgehoben.</translation>
    </message>
    <message>
        <source>Linking…</source>
        <translation>Verknüpfen…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Link Online Address Book</source>
        <translation>Online-Adressbuch verknüpfen</translation>
    </message>
    <message>
        <source>%1 resolved; the next sync takes the book&apos;s versions to the server.</source>
        <translation>%1 gelöst; die nächste Synchronisierung überträgt die Fassungen des Adressbuchs auf den Server.</translation>
    </message>
</context>
<context>
    <name>ravelbook::PrintPreviewDialog</name>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>First Page</source>
        <translation>Erste Seite</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Vorherige Seite</translation>
    </message>
    <message>
        <source>Page %1 of %1</source>
        <translation>Seite %1 von %1</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Last Page</source>
        <translation>Letzte Seite</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Breite anpassen</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>This page could not be drawn whole: %1</source>
        <translation>Diese Seite konnte nicht vollständig gezeichnet werden: %1</translation>
    </message>
    <message>
        <source>On this page: %1</source>
        <translation>Auf dieser Seite: %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
</context>
<context>
    <name>ravelbook::QtDialogs</name>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Address books (*.db);;All files (*)</source>
        <translation>Adressbücher (*.db);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
</context>
<context>
    <name>ravelbook::ReturnAddressPage</name>
    <message>
        <source>Return Addresses</source>
        <translation>Absenderadressen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>City, State  Zip</source>
        <translation>Ort, Region  PLZ</translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Print return address labels</source>
        <translation>Absenderetiketten &amp;drucken</translation>
    </message>
    <message>
        <source>Pre&amp;view return address labels</source>
        <translation>Absenderetiketten-&amp;Vorschau</translation>
    </message>
    <message>
        <source>new (%1 of %1)</source>
        <translation>neu (%1 von %1)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>There is no return address to delete.</source>
        <translation>Es gibt keine Absenderadresse zum Löschen.</translation>
    </message>
    <message>
        <source>The address book keeps at least one return address: change this one instead.</source>
        <translation>Das Adressbuch behält mindestens eine Absenderadresse: Ändern Sie stattdessen diese.</translation>
    </message>
    <message>
        <source>this return address</source>
        <translation>diese Absenderadresse</translation>
    </message>
    <message>
        <source>Delete %1 from the return addresses?</source>
        <translation>%1 aus den Absenderadressen löschen?</translation>
    </message>
    <message>
        <source>Delete return address?</source>
        <translation>Absenderadresse löschen?</translation>
    </message>
</context>
<context>
    <name>ravelbook::ServerBookDialog</name>
    <message>
        <source>Open Server Book</source>
        <translation>Server-Adressbuch öffnen</translation>
    </message>
    <message>
        <source>An address book shared on a PostgreSQL server. Ask its administrator for these; the server asks for a password when it needs one.</source>
        <translation>Ein auf einem PostgreSQL-Server gemeinsam genutztes Adressbuch. Erfragen Sie diese Angaben bei seinem Administrator; der Server fragt nach einem Passwort, wenn er eines benötigt.</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>&amp;Host:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>&amp;Database:</source>
        <translation>&amp;Datenbank:</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Benutzer:</translation>
    </message>
</context>
<context>
    <name>ravelbook::StationeryChooser</name>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>More Stationery</source>
        <translation>Weiteres Druckmaterial</translation>
    </message>
    <message>
        <source>Search: brand, part number or description</source>
        <translation>Suche: Hersteller, Artikelnummer oder Beschreibung</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>&amp;Recent:</source>
        <translation>&amp;Zuletzt verwendet:</translation>
    </message>
    <message>
        <source>1 template entry could not be read or was left out</source>
        <translation>1 Vorlageneintrag konnte nicht gelesen werden oder wurde weggelassen</translation>
    </message>
    <message>
        <source>%1 template entries could not be read or were left out</source>
        <translation>%1 Vorlageneinträge konnten nicht gelesen werden oder wurden weggelassen</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… und %1 weitere</translation>
    </message>
</context>
<context>
    <name>ravelbook::StockTableModel</name>
    <message>
        <source>Brand</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Artikelnr.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Labels</source>
        <extracomment>Column head: how many labels a sheet has</extracomment>
        <translation>Etiketten</translation>
    </message>
</context>
<context>
    <name>ravelbook::SyncConflictsDialog</name>
    <message>
        <source>No server is asked while conflicts are resolved.</source>
        <translation>Während Konflikte gelöst werden, wird kein Server abgefragt.</translation>
    </message>
    <message>
        <source>group %1</source>
        <translation>Gruppe %1</translation>
    </message>
    <message>
        <source>Sync Conflicts</source>
        <translation>Sync-Konflikte</translation>
    </message>
    <message>
        <source>These records were changed both in the book and on the server. Choose which version stays; the next sync brings the other side in step.</source>
        <translation>Diese Einträge wurden sowohl im Adressbuch als auch auf dem Server geändert. Wählen Sie, welche Fassung bleibt; die nächste Synchronisierung gleicht die andere Seite an.</translation>
    </message>
    <message>
        <source>In the book</source>
        <translation>Im Adressbuch</translation>
    </message>
    <message>
        <source>On the server</source>
        <translation>Auf dem Server</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <source>Keep the &amp;book&apos;s version</source>
        <translation>Fassung des &amp;Adressbuchs behalten</translation>
    </message>
    <message>
        <source>Keep the &amp;server&apos;s version</source>
        <translation>Fassung des &amp;Servers behalten</translation>
    </message>
    <message>
        <source>(deleted)</source>
        <translation>(gelöscht)</translation>
    </message>
    <message>
        <source>Records in conflict</source>
        <translation>Einträge im Konflikt</translation>
    </message>
    <message>
        <source>Both versions</source>
        <translation>Beide Fassungen</translation>
    </message>
</context>
<context>
    <name>ravelbook::SystemPrintDestination</name>
    <message>
        <source>No printer is installed: save the pages as a PDF file</source>
        <translation>Es ist kein Drucker installiert: Speichern Sie die Seiten als PDF-Datei</translation>
    </message>
</context>
<context>
    <name>ravelbook::frmMailForm</name>
    <message>
        <source>Your last changes could not be saved. %1

Keep the window open to try again? (No closes it and loses them.)</source>
        <translation>Ihre letzten Änderungen konnten nicht gespeichert werden. %1

Das Fenster geöffnet lassen, um es erneut zu versuchen? („Nein“ schließt es und verwirft sie.)</translation>
    </message>
    <message>
        <source>Ed&amp;it</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>&amp;Suchen…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Ravelbook</source>
        <translation>Ü&amp;ber Ravelbook</translation>
    </message>
    <message>
        <source>Ravelbook %1

Keeps an address book and prints it onto labels, envelopes, cards and fliers.

Address book: %2</source>
        <translation>Ravelbook %1

Führt ein Adressbuch und druckt es auf Etiketten, Umschläge, Karten und Flyer.

Adressbuch: %2</translation>
    </message>
    <message>
        <source>About Ravelbook</source>
        <translation>Über Ravelbook</translation>
    </message>
    <message>
        <source>Find a name (%1)</source>
        <translation>Einen Namen suchen (%1)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>Mailings</source>
        <translation>Sendungen</translation>
    </message>
    <message>
        <source>Return Address</source>
        <translation>Absenderadresse</translation>
    </message>
    <message>
        <source>Enter a new title for this category</source>
        <translation>Geben Sie einen neuen Titel für diese Kategorie ein</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>Druck&amp;vorschau…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>&amp;Calibrate Printer…</source>
        <translation>Drucker &amp;kalibrieren…</translation>
    </message>
    <message>
        <source>New S&amp;tationery…</source>
        <translation>Neues Druck&amp;material…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>Found names</source>
        <translation>Gefundene Namen</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
</context>
</TS>
