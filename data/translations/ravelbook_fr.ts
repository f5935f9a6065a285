<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AccessFile</name>
    <message>
        <source>the file is damaged (its reader sent no %1)</source>
        <translation>le fichier est endommagé (son lecteur n&apos;a rien envoyé pour : %1)</translation>
    </message>
    <message>
        <source>table list</source>
        <translation>liste des tables</translation>
    </message>
    <message>
        <source>columns for table &quot;%1&quot;</source>
        <translation>colonnes de la table « %1 »</translation>
    </message>
</context>
<context>
    <name>AccessStream</name>
    <message>
        <source>The Access file &quot;%1&quot; can&apos;t be read: %2.</source>
        <translation>Impossible de lire le fichier Access « %1 » : %2.</translation>
    </message>
</context>
<context>
    <name>AddressBookSync</name>
    <message>
        <source>Came in: %1 new, %2 changed.
Went out: %3 new, %4 changed.
Deleted: %5 in the book, %6 on the server.
</source>
        <translation>Fiches reçues : %1 nouvelle(s), %2 modifiée(s).
Fiches envoyées : %3 nouvelle(s), %4 modifiée(s).
Fiches supprimées : %5 dans le carnet, %6 sur le serveur.
</translation>
    </message>
    <message>
        <source>Conflict: &quot;%1&quot; changed in the book and on the server; neither was written.
</source>
        <translation>Conflit : la fiche « %1 » a été modifiée dans le carnet et sur le serveur ; aucune version n&apos;a été écrite.
</translation>
    </message>
    <message>
        <source>Refused: %1
</source>
        <translation>Refusée : %1
</translation>
    </message>
    <message>
        <source>Cancelled: the next sync goes on from here.
</source>
        <translation>Annulé : la prochaine synchronisation reprendra à partir d&apos;ici.
</translation>
    </message>
    <message>
        <source> The book is linked; the next sync finishes linking it.</source>
        <translation> Le carnet est lié ; la prochaine synchronisation achèvera la liaison.</translation>
    </message>
    <message>
        <source>The book is not linked to an online address book.</source>
        <translation>Le carnet n&apos;est pas lié à un carnet d&apos;adresses en ligne.</translation>
    </message>
    <message>
        <source>Asking the server what changed</source>
        <translation>Demande des modifications au serveur</translation>
    </message>
    <message>
        <source>Fetching cards</source>
        <translation>Récupération des cartes</translation>
    </message>
    <message>
        <source>%1: the server&apos;s card holds no vCard</source>
        <translation>%1 : la carte du serveur ne contient aucune vCard</translation>
    </message>
    <message>
        <source>Sending changes</source>
        <translation>Envoi des modifications</translation>
    </message>
    <message>
        <source>%1: changed on the server meanwhile, so it was not deleted there</source>
        <translation>%1 : fiche modifiée entre-temps sur le serveur, elle n&apos;y a donc pas été supprimée</translation>
    </message>
    <message>
        <source>%1: changed on the server meanwhile, so the book&apos;s change was not written</source>
        <translation>%1 : fiche modifiée entre-temps sur le serveur, la modification du carnet n&apos;a donc pas été écrite</translation>
    </message>
    <message>
        <source>Sending new records</source>
        <translation>Envoi des nouvelles fiches</translation>
    </message>
    <message>
        <source>There is no conflict of that card to resolve.</source>
        <translation>Cette carte n&apos;a aucun conflit à résoudre.</translation>
    </message>
</context>
<context>
    <name>AddressList</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Address list</source>
        <translation>Liste d&apos;adresses</translation>
    </message>
    <message>
        <source>Address list: %1</source>
        <translation>Liste d&apos;adresses : %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Printed on paper: the column headings of the address list</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
</context>
<context>
    <name>BookAddresses</name>
    <message>
        <source>The addresses could not be read: %1.</source>
        <translation>Impossible de lire les adresses : %1.</translation>
    </message>
</context>
<context>
    <name>BookFile</name>
    <message>
        <source>it is not a Ravelbook address book (%1)</source>
        <translation>ce n&apos;est pas un carnet d&apos;adresses Ravelbook (%1)</translation>
    </message>
    <message>
        <source>The address book &quot;%1&quot; can&apos;t be opened: %2.</source>
        <translation>Impossible d&apos;ouvrir le carnet d&apos;adresses « %1 » : %2.</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>it is not readable</source>
        <translation>il n&apos;est pas lisible</translation>
    </message>
    <message>
        <source>it is an empty file, with no address book in it</source>
        <translation>c&apos;est un fichier vide, qui ne contient aucun carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>the file is damaged (it is shorter than it should be)</source>
        <translation>le fichier est endommagé (il est plus court qu&apos;il ne devrait)</translation>
    </message>
    <message>
        <source>its folder can&apos;t be created</source>
        <translation>impossible de créer son dossier</translation>
    </message>
    <message>
        <source>a file of that name is already there</source>
        <translation>un fichier de ce nom existe déjà</translation>
    </message>
</context>
<context>
    <name>BookLink</name>
    <message>
        <source>The book is linked to an online address book already (%1): unlink it first.</source>
        <translation>Le carnet est déjà lié à un carnet d&apos;adresses en ligne (%1) : déliez-le d&apos;abord.</translation>
    </message>
    <message>
        <source>A record from the online address book was not added.</source>
        <translation>Une fiche du carnet d&apos;adresses en ligne n&apos;a pas été ajoutée.</translation>
    </message>
</context>
<context>
    <name>BookOpening</name>
    <message>
        <source>Server Password</source>
        <translation>Mot de passe du serveur</translation>
    </message>
</context>
<context>
    <name>BulkInsert</name>
    <message>
        <source>The address book could not do this: %1.</source>
        <translation>Le carnet d&apos;adresses n&apos;a pas pu effectuer cette opération : %1.</translation>
    </message>
</context>
<context>
    <name>CalibrationSheet</name>
    <message>
        <source>Calibration sheet: %1</source>
        <extracomment>Printed on paper, the heading of the calibration sheet</extracomment>
        <translation>Feuille d&apos;étalonnage : %1</translation>
    </message>
    <message>
        <source>Hold this sheet against the stationery in front of a light and</source>
        <extracomment>Printed on paper; the five lines of the calibration sheet&apos;s instructions.</extracomment>
        <translation>Placez cette feuille contre le support devant une lumière et</translation>
    </message>
    <message>
        <source>enter how far the printed outlines are off its edges under File:</source>
        <translation>indiquez dans Fichier : Étalonner l&apos;imprimante de combien les contours</translation>
    </message>
    <message>
        <source>Calibrate Printer (right and down count positive), on top of the</source>
        <translation>imprimés s&apos;écartent de ses bords (vers la droite et le bas en positif), en plus</translation>
    </message>
    <message>
        <source>offsets it was printed with: %1 in right, %2 in down.</source>
        <translation>des décalages de cette impression : %1 po à droite, %2 po vers le bas.</translation>
    </message>
    <message>
        <source>Ruler: 1/16 in ticks, inches counted from the paper&apos;s edge.</source>
        <translation>Règle : graduations de 1/16 po, pouces comptés depuis le bord du papier.</translation>
    </message>
</context>
<context>
    <name>CardDavClient</name>
    <message>
        <source>The server %1 refused the user name or password.</source>
        <translation>Le serveur %1 a refusé le nom d&apos;utilisateur ou le mot de passe.</translation>
    </message>
    <message>
        <source>The server %1 refused access to %2.</source>
        <translation>Le serveur %1 a refusé l&apos;accès à %2.</translation>
    </message>
    <message>
        <source>The server %1 has nothing at %2.</source>
        <translation>Le serveur %1 n&apos;a rien à l&apos;adresse %2.</translation>
    </message>
    <message>
        <source>The server %1 refused the change: it conflicts with what it holds (another card with the same UID?).</source>
        <translation>Le serveur %1 a refusé la modification : elle est en conflit avec son contenu (une autre carte avec le même UID ?).</translation>
    </message>
    <message>
        <source>The server %1 answered with an error (%2).</source>
        <translation>Le serveur %1 a répondu par une erreur (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the address of a server.</source>
        <translation>« %1 » n&apos;est pas l&apos;adresse d&apos;un serveur.</translation>
    </message>
    <message>
        <source>The server %1 shows no address books at %2.</source>
        <translation>Le serveur %1 ne présente aucun carnet d&apos;adresses à l&apos;adresse %2.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: %2
See &quot;%1 --help&quot;.
</source>
        <translation>%1 : %2
Voir « %1 --help ».
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
        <translation>Utilisation : ravelbook [--database BOOK | FILE]
              ravelbook --version
              ravelbook print --help
              ravelbook import --help
              ravelbook export --help
              ravelbook copy --help
              ravelbook stationery --help
              ravelbook link|unlink|sync --help

Tient un carnet d&apos;adresses et l&apos;imprime sur étiquettes, enveloppes, cartes
et prospectus.

  --database BOOK  ouvrir ce carnet d&apos;adresses au lieu du carnet par défaut :
                   un fichier, ou postgresql://user@host:port/dbname d&apos;un
                   serveur (%1) ; pour un fichier absent, une confirmation
                   est demandée avant d&apos;y créer un nouveau carnet
  --version        afficher la version
  --help           afficher ce texte

« ravelbook print » imprime des groupes du carnet d&apos;adresses sans la fenêtre ;
« ravelbook import » et « ravelbook export » importent et exportent des fiches ;
« ravelbook copy » copie un carnet entier dans un autre ;
« ravelbook stationery » liste les supports sur lesquels il peut imprimer ;
« ravelbook link » et « ravelbook sync » le synchronisent avec un carnet
d&apos;adresses en ligne.
</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no command and no file; did you mean &quot;ravelbook %2&quot;?</source>
        <translation>« %1 » n&apos;est ni une commande ni un fichier ; vouliez-vous dire « ravelbook %2 » ?</translation>
    </message>
</context>
<context>
    <name>CommandOptions</name>
    <message>
        <source>a file name</source>
        <translation>un nom de fichier</translation>
    </message>
    <message>
        <source>unknown argument &quot;%1&quot;</source>
        <translation>argument inconnu « %1 »</translation>
    </message>
    <message>
        <source>--%1 needs %2</source>
        <translation>--%1 attend %2</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 attend %2</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 n&apos;accepte pas de valeur</translation>
    </message>
    <message>
        <source>a value</source>
        <translation>une valeur</translation>
    </message>
    <message>
        <source>a book</source>
        <translation>un carnet</translation>
    </message>
    <message>
        <source>a user name</source>
        <translation>un nom d&apos;utilisateur</translation>
    </message>
    <message>
        <source>a name</source>
        <translation>un nom</translation>
    </message>
    <message>
        <source>a printer name</source>
        <translation>un nom d&apos;imprimante</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>un texte</translation>
    </message>
</context>
<context>
    <name>ConflictResolution</name>
    <message>
        <source>Changed by Someone Else</source>
        <translation>Modifiée par quelqu&apos;un d&apos;autre</translation>
    </message>
    <message>
        <source>%1 (differs from yours)</source>
        <translation>%1 (diffère de la vôtre)</translation>
    </message>
    <message>
        <source>group %1</source>
        <translation>groupe %1</translation>
    </message>
    <message>
        <source>Groups: %1</source>
        <translation>Groupes : %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>%1

Show the other version?</source>
        <translation>%1

Afficher l&apos;autre version ?</translation>
    </message>
    <message>
        <source>The record as it is saved now:

%1

Save your changes over it? (No keeps them in the boxes, unsaved.)</source>
        <translation>La fiche telle qu&apos;elle est enregistrée maintenant :

%1

Enregistrer vos modifications par-dessus ? (Non les garde dans les champs, sans les enregistrer.)</translation>
    </message>
</context>
<context>
    <name>CopyCommand</name>
    <message>
        <source>Nothing was copied: %1.</source>
        <translation>Rien n&apos;a été copié : %1.</translation>
    </message>
    <message>
        <source>No table &quot;%1&quot;.</source>
        <translation>Aucune table « %1 ».</translation>
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
        <translation>Utilisation : ravelbook copy --from BOOK --to BOOK [--append]
Copie un carnet d&apos;adresses entier dans un autre : fiches, adresses
d&apos;expéditeur et ajustement vertical. Un BOOK est un fichier ou l&apos;URI d&apos;un
serveur (postgresql://user@host:port/dbname). Un fichier absent ou une base
vide sur un serveur devient un carnet. La copie est écrite en une seule
transaction : tout ou rien.

  --from BOOK  le carnet copié
  --to BOOK    le carnet écrit ; il ne doit encore contenir aucune fiche,
               sauf avec --append
  --append     ajouter les fiches à celles du carnet de destination
</translation>
    </message>
    <message>
        <source>both --from and --to are needed</source>
        <translation>--from et --to sont tous deux nécessaires</translation>
    </message>
    <message>
        <source>A book can&apos;t be copied into itself.</source>
        <translation>Un carnet ne peut pas être copié dans lui-même.</translation>
    </message>
    <message>
        <source>The book &quot;%1&quot; already holds %2 records; nothing was copied. Give --append to add to them.</source>
        <translation>Le carnet « %1 » contient déjà %2 fiches ; rien n&apos;a été copié. Indiquez --append pour les y ajouter.</translation>
    </message>
    <message>
        <source>Copied %1 and %2 from %3 to %4.</source>
        <translation>Copié : %1 et %2 de %3 vers %4.</translation>
    </message>
    <message>
        <source>%1 record</source>
        <translation>%1 fiche</translation>
    </message>
    <message>
        <source>%1 records</source>
        <translation>%1 fiches</translation>
    </message>
    <message>
        <source>%1 return address</source>
        <translation>%1 adresse d&apos;expéditeur</translation>
    </message>
    <message>
        <source>%1 return addresses</source>
        <translation>%1 adresses d&apos;expéditeur</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>row %1 is inside an unclosed quote</source>
        <translation>la ligne %1 se trouve dans des guillemets non fermés</translation>
    </message>
    <message>
        <source>rows %1 to %2 are inside an unclosed quote</source>
        <translation>les lignes %1 à %2 se trouvent dans des guillemets non fermés</translation>
    </message>
</context>
<context>
    <name>CurrentRecord</name>
    <message>
        <source>the new address</source>
        <translation>la nouvelle adresse</translation>
    </message>
    <message>
        <source>this record</source>
        <translation>cette fiche</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The address book on the server &quot;%1&quot; can&apos;t be opened: %2.</source>
        <translation>Impossible d&apos;ouvrir le carnet d&apos;adresses du serveur « %1 » : %2.</translation>
    </message>
    <message>
        <source>%1
Details: %2</source>
        <translation>%1
Détails : %2</translation>
    </message>
    <message>
        <source>The server book &quot;%1&quot; can&apos;t be reached: the server is not running or refused the connection.</source>
        <translation>Le carnet sur serveur « %1 » est injoignable : le serveur ne fonctionne pas ou a refusé la connexion.</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ce fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>the server asks for the password of &quot;%1&quot;. Give it in ~/.pgpass, PGPASSWORD or a service file; Ravelbook never takes it on the command line</source>
        <translation>le serveur demande le mot de passe de « %1 ». Indiquez-le dans ~/.pgpass, PGPASSWORD ou un fichier de service ; Ravelbook ne le prend jamais sur la ligne de commande</translation>
    </message>
    <message>
        <source>The server of &quot;%1&quot; asks for the password of &quot;%2&quot;:</source>
        <translation>Le serveur de « %1 » demande le mot de passe de « %2 » :</translation>
    </message>
    <message>
        <source>The server did not accept that password (%1). The password of &quot;%2&quot; on &quot;%3&quot;:</source>
        <translation>Le serveur n&apos;a pas accepté ce mot de passe (%1). Mot de passe de « %2 » sur « %3 » :</translation>
    </message>
    <message>
        <source>no password was given</source>
        <translation>aucun mot de passe n&apos;a été donné</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; holds no address book yet. Make it a new address book?</source>
        <translation>La base de données « %1 » ne contient encore aucun carnet d&apos;adresses. En faire un nouveau carnet d&apos;adresses ?</translation>
    </message>
    <message>
        <source>the database holds no address book</source>
        <translation>la base de données ne contient aucun carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>the new book could not be made (%1)</source>
        <translation>le nouveau carnet n&apos;a pas pu être créé (%1)</translation>
    </message>
    <message>
        <source>The address book &quot;%1&quot; is damaged (%2): restore it from a backup copy. Until then Ravelbook writes nothing more to it.</source>
        <translation>Le carnet d&apos;adresses « %1 » est endommagé (%2) : restaurez-le depuis une copie de sauvegarde. D&apos;ici là, Ravelbook n&apos;y écrit plus rien.</translation>
    </message>
    <message>
        <source>The server book &quot;%1&quot; gave no answer in %2 seconds: the server may be stopped or out of reach. Ravelbook stopped waiting; try again in a moment.</source>
        <translation>Le carnet sur serveur « %1 » n&apos;a pas répondu en %2 secondes : le serveur est peut-être arrêté ou injoignable. Ravelbook a cessé d&apos;attendre ; réessayez dans un instant.</translation>
    </message>
    <message>
        <source>Nothing was written: the address book &quot;%1&quot; is damaged (%2). Restore the file from a backup copy.</source>
        <translation>Rien n&apos;a été écrit : le carnet d&apos;adresses « %1 » est endommagé (%2). Restaurez le fichier depuis une copie de sauvegarde.</translation>
    </message>
    <message>
        <source>Nothing was written to the address book &quot;%1&quot;: it was given here for reading only.</source>
        <translation>Rien n&apos;a été écrit dans le carnet d&apos;adresses « %1 » : il a été indiqué ici en lecture seule.</translation>
    </message>
    <message>
        <source>The address book refused a statement: %1.</source>
        <translation>Le carnet d&apos;adresses a refusé une instruction : %1.</translation>
    </message>
    <message>
        <source>The address book could not do this: %1.</source>
        <translation>Le carnet d&apos;adresses n&apos;a pas pu effectuer cette opération : %1.</translation>
    </message>
    <message>
        <source>The address book has no table &quot;%1&quot;.</source>
        <translation>Le carnet d&apos;adresses n&apos;a pas de table « %1 ».</translation>
    </message>
    <message>
        <source>The address book &quot;%1&quot; is missing.</source>
        <translation>Le carnet d&apos;adresses « %1 » est introuvable.</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>There is no address book at %1. Create a new one?</source>
        <translation>Il n&apos;y a aucun carnet d&apos;adresses à l&apos;emplacement %1. En créer un nouveau ?</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>le nom est trop long</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>son dossier n&apos;existe pas</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>le disque est en lecture seule</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>the disk could not be written (input/output error)</source>
        <translation>impossible d&apos;écrire sur le disque (erreur d&apos;entrée/sortie)</translation>
    </message>
</context>
<context>
    <name>ExchangeCommand</name>
    <message>
        <source>no record could be read.</source>
        <translation>aucune fiche n&apos;a pu être lue.</translation>
    </message>
    <message>
        <source>%1 is already in the book</source>
        <translation>%1 est déjà dans le carnet</translation>
    </message>
    <message>
        <source>%1 are already in the book</source>
        <translation>%1 sont déjà dans le carnet</translation>
    </message>
    <message>
        <source>%1 has no name</source>
        <translation>%1 n&apos;a pas de nom</translation>
    </message>
    <message>
        <source>%1 have no name</source>
        <translation>%1 n&apos;ont pas de nom</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 est vide</translation>
    </message>
    <message>
        <source>%1 are empty</source>
        <translation>%1 sont vides</translation>
    </message>
    <message>
        <source>of the file&apos;s %1 row, %2.</source>
        <translation>sur %1 ligne du fichier, %2.</translation>
    </message>
    <message>
        <source>of the file&apos;s %1 rows, %2.</source>
        <translation>sur les %1 lignes du fichier, %2.</translation>
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
        <translation>Utilisation : ravelbook import [--database BOOK] [--format csv|vcard|mdb] [--table NAME]
                               [--map HEADING=FIELD]... [--dry-run] FILE

Ajoute les fiches d&apos;un fichier CSV, vCard ou Access au carnet d&apos;adresses, en
une seule étape : toutes ou, en cas d&apos;échec, aucune. Les fiches déjà présentes
dans le carnet (même nom et même adresse) sont ignorées ; les groupes sont
associés par leur titre.

  --database BOOK le carnet d&apos;adresses : un fichier, ou l&apos;URI d&apos;un serveur
  --format KIND   csv, vcard ou mdb ; par défaut, déduit du nom du fichier
  --table NAME    la table d&apos;un fichier Access qui n&apos;est pas un carnet Ravelbook
  --map HEADING=FIELD
                  la colonne de cet en-tête va dans FIELD (répétable ; les
                  autres colonnes vont là où l&apos;indiquent leurs en-têtes) :
%1  --dry-run       indiquer ce qui serait importé, sans rien écrire
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
        <translation>Utilisation : ravelbook export [--database BOOK] [--group G]... --format csv|vcard
                               [--output FILE]

Écrit le carnet d&apos;adresses, ou les fiches des groupes choisis, en CSV (une
colonne par groupe, -1 pour un membre) ou en vCard 3.0 (groupes en CATEGORIES).

  --database BOOK le carnet d&apos;adresses : un fichier, ou l&apos;URI d&apos;un serveur
  --group G       une colonne de groupe de 0 à 17, ou un titre de groupe ;
                  répétable
  --format KIND   csv ou vcard
  --output FILE   écrire dans ce fichier (remplacé seulement une fois tout
                  écrit) ; sortie standard si omis ou donné sous la forme -
</translation>
    </message>
    <message>
        <source>--map takes HEADING=FIELD, FIELD one of: %1</source>
        <translation>--map attend HEADING=FIELD, FIELD parmi : %1</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;</source>
        <translation>format inconnu « %1 »</translation>
    </message>
    <message>
        <source>only one file can be imported at a time</source>
        <translation>un seul fichier peut être importé à la fois</translation>
    </message>
    <message>
        <source>the file to import is missing</source>
        <translation>le fichier à importer est manquant</translation>
    </message>
    <message>
        <source>--format is missing</source>
        <translation>--format est manquant</translation>
    </message>
    <message>
        <source>Can&apos;t tell what kind of file &quot;%1&quot; is; give --format.</source>
        <translation>Impossible de déterminer le type du fichier « %1 » ; indiquez --format.</translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>Rien n&apos;a été importé : %1</translation>
    </message>
    <message>
        <source>Dry run: nothing was written.</source>
        <translation>Simulation : rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Imported %1 record.</source>
        <translation>%1 fiche importée.</translation>
    </message>
    <message>
        <source>Imported %1 records.</source>
        <translation>%1 fiches importées.</translation>
    </message>
    <message>
        <source>Nothing was imported: the records came into the book from elsewhere while the file was read.</source>
        <translation>Rien n&apos;a été importé : des fiches sont arrivées dans le carnet par ailleurs pendant la lecture du fichier.</translation>
    </message>
    <message>
        <source>Exported %1 record to %2.</source>
        <translation>%1 fiche exportée vers %2.</translation>
    </message>
    <message>
        <source>Exported %1 records to %2.</source>
        <translation>%1 fiches exportées vers %2.</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>The export could not be written to &quot;%1&quot;: %2.</source>
        <translation>Impossible d&apos;écrire l&apos;exportation dans « %1 » : %2.</translation>
    </message>
</context>
<context>
    <name>GridColumns</name>
    <message>
        <source>Name</source>
        <extracomment>A column heading of the grid on page Mailings</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>City State Zip</source>
        <translation>Ville, État, CP</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
</context>
<context>
    <name>GroupNames</name>
    <message>
        <source>There is no group %1; groups are 0 to %2.</source>
        <translation>Il n&apos;y a pas de groupe %1 ; les groupes vont de 0 à %2.</translation>
    </message>
    <message>
        <source>There is no group titled &quot;%1&quot;.</source>
        <translation>Aucun groupe n&apos;a pour titre « %1 ».</translation>
    </message>
</context>
<context>
    <name>GroupTitles</name>
    <message>
        <source>Personal</source>
        <translation>Personnel</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Travail</translation>
    </message>
</context>
<context>
    <name>HttpTransport</name>
    <message>
        <source>The certificate of %1 is not trusted (SHA-256 %2).</source>
        <translation>Le certificat de %1 n&apos;est pas approuvé (SHA-256 %2).</translation>
    </message>
    <message>
        <source>The server %1 did not answer within %2 s.</source>
        <translation>Le serveur %1 n&apos;a pas répondu en %2 s.</translation>
    </message>
    <message>
        <source>The server %1 sent more than %2 MB, which is refused.</source>
        <translation>Le serveur %1 a envoyé plus de %2 Mo, ce qui est refusé.</translation>
    </message>
    <message>
        <source>The server %1 could not be reached.</source>
        <translation>Le serveur %1 est injoignable.</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>The book&apos;s vertical adjustment of %1 twips would put labels off the printable area; it is left out.</source>
        <translation>L&apos;ajustement vertical du carnet, de %1 twips, mettrait les étiquettes hors de la zone imprimable ; il est ignoré.</translation>
    </message>
    <message>
        <source>line %1: %2 values more than the %3 headings; the extra ones are left out</source>
        <translation>ligne %1 : %2 valeurs de plus que les %3 en-têtes ; les valeurs en trop sont ignorées</translation>
    </message>
    <message>
        <source>line %1: %2 &quot;%3&quot; is longer than its box (%4 of %5 characters); it is kept whole</source>
        <translation>ligne %1 : %2 « %3 » est plus long que son champ (%4 caractères sur %5) ; il est conservé en entier</translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>Rien n&apos;a été importé : %1</translation>
    </message>
    <message>
        <source>Nothing was imported: record %1 was refused. %2</source>
        <translation>Rien n&apos;a été importé : la fiche %1 a été refusée. %2</translation>
    </message>
    <message>
        <source>%1 record</source>
        <translation>%1 fiche</translation>
    </message>
    <message>
        <source>%1 records</source>
        <translation>%1 fiches</translation>
    </message>
    <message>
        <source>%1 to add, %2 skipped as already in the book, %3.</source>
        <translation>%1 à ajouter, %2 ignorée(s) car déjà dans le carnet, %3.</translation>
    </message>
    <message>
        <source>%1 warning</source>
        <translation>%1 avertissement</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1 avertissements</translation>
    </message>
    <message>
        <source>%1 empty row left out.</source>
        <translation>%1 ligne vide ignorée.</translation>
    </message>
    <message>
        <source>%1 empty rows left out.</source>
        <translation>%1 lignes vides ignorées.</translation>
    </message>
    <message>
        <source>%1 row had no name (nor an organization) and was left out.</source>
        <translation>%1 ligne sans nom (ni organisation) a été ignorée.</translation>
    </message>
    <message>
        <source>%1 rows had no name (nor an organization) and were left out.</source>
        <translation>%1 lignes sans nom (ni organisation) ont été ignorées.</translation>
    </message>
    <message>
        <source>%1 return address</source>
        <translation>%1 adresse d&apos;expéditeur</translation>
    </message>
    <message>
        <source>%1 return addresses</source>
        <translation>%1 adresses d&apos;expéditeur</translation>
    </message>
    <message>
        <source>%1 and the vertical adjustment come in as well.</source>
        <translation>%1 et l&apos;ajustement vertical sont également importés.</translation>
    </message>
    <message>
        <source>%1 come in as well.</source>
        <translation>Également importé : %1.</translation>
    </message>
    <message>
        <source>Group &quot;%1&quot; (%2) goes to group column %3, which takes its title.</source>
        <translation>Le groupe « %1 » (%2) va dans la colonne de groupe %3, qui prend son titre.</translation>
    </message>
    <message>
        <source>Group &quot;%1&quot; (%2) matches no group title and is not kept.</source>
        <translation>Le groupe « %1 » (%2) ne correspond à aucun titre de groupe et n&apos;est pas conservé.</translation>
    </message>
    <message>
        <source>Not kept, as no field takes them: %1.</source>
        <translation>Non conservées, car aucun champ ne les accepte : %1.</translation>
    </message>
    <message>
        <source>Not kept, as another column fills the same field: %1.</source>
        <translation>Non conservées, car une autre colonne remplit le même champ : %1.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... et %1 de plus.</translation>
    </message>
</context>
<context>
    <name>IniSettingsStore</name>
    <message>
        <source>The settings file &quot;%1&quot; could not be saved: %2.</source>
        <translation>Impossible d&apos;enregistrer le fichier de paramètres « %1 » : %2.</translation>
    </message>
    <message>
        <source>its folder can&apos;t be created</source>
        <translation>impossible de créer son dossier</translation>
    </message>
</context>
<context>
    <name>Layouts</name>
    <message>
        <source>From:</source>
        <extracomment>Printed on paper above the return address</extracomment>
        <translation>De :</translation>
    </message>
    <message>
        <source>From: </source>
        <extracomment>Printed on paper before the return address</extracomment>
        <translation>De : </translation>
    </message>
</context>
<context>
    <name>MailingRun</name>
    <message>
        <source>%1 label</source>
        <translation>%1 étiquette</translation>
    </message>
    <message>
        <source>%1 labels</source>
        <translation>%1 étiquettes</translation>
    </message>
    <message>
        <source>%1 envelope</source>
        <translation>%1 enveloppe</translation>
    </message>
    <message>
        <source>%1 envelopes</source>
        <translation>%1 enveloppes</translation>
    </message>
    <message>
        <source>%1 card</source>
        <translation>%1 carte</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 cartes</translation>
    </message>
    <message>
        <source>%1 flier</source>
        <translation>%1 prospectus</translation>
    </message>
    <message>
        <source>%1 fliers</source>
        <translation>%1 prospectus</translation>
    </message>
    <message>
        <source>%1 address</source>
        <translation>%1 adresse</translation>
    </message>
    <message>
        <source>%1 addresses</source>
        <translation>%1 adresses</translation>
    </message>
    <message>
        <source>%1 sheet</source>
        <translation>%1 planche</translation>
    </message>
    <message>
        <source>%1 sheets</source>
        <translation>%1 planches</translation>
    </message>
    <message>
        <source>%1 page</source>
        <translation>%1 page</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 pages</translation>
    </message>
    <message>
        <source>%1 holds the %2 drawn before the cancel</source>
        <translation>%1 contient ce qui a été produit avant l&apos;annulation : %2</translation>
    </message>
    <message>
        <source>%2 went to %1</source>
        <translation>%1 a reçu %2</translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2: </source>
        <translation>Annulé après %1 sur %2 : </translation>
    </message>
    <message>
        <source>Printed %1 on %2 to %3.</source>
        <translation>Impression : %1 sur %2, vers %3.</translation>
    </message>
    <message>
        <source>Printed %1 on %2</source>
        <translation>Impression : %1 sur %2</translation>
    </message>
    <message>
        <source>%1 item</source>
        <translation>%1 élément</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 éléments</translation>
    </message>
    <message>
        <source> in %1 print job</source>
        <translation> en %1 tâche d&apos;impression</translation>
    </message>
    <message>
        <source> in %1 print jobs</source>
        <translation> en %1 tâches d&apos;impression</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>there is no display to show the window on (DISPLAY is not set)</source>
        <translation>aucun affichage sur lequel montrer la fenêtre (DISPLAY n&apos;est pas défini)</translation>
    </message>
</context>
<context>
    <name>Mapping</name>
    <message>
        <source>Name: first name</source>
        <translation>Nom : prénom</translation>
    </message>
    <message>
        <source>Name: middle name</source>
        <translation>Nom : deuxième prénom</translation>
    </message>
    <message>
        <source>Name: last name</source>
        <translation>Nom : nom de famille</translation>
    </message>
    <message>
        <source>Name, else Contact: organization</source>
        <translation>Nom, sinon Contact : organisation</translation>
    </message>
    <message>
        <source>Address: second line</source>
        <translation>Adresse : deuxième ligne</translation>
    </message>
    <message>
        <source>City State Zip: city</source>
        <translation>Ville État CP : ville</translation>
    </message>
    <message>
        <source>City State Zip: state</source>
        <translation>Ville État CP : État</translation>
    </message>
    <message>
        <source>City State Zip: zip</source>
        <translation>Ville État CP : code postal</translation>
    </message>
    <message>
        <source>Phone: home</source>
        <translation>Téléphone : domicile</translation>
    </message>
    <message>
        <source>Phone: mobile</source>
        <translation>Téléphone : portable</translation>
    </message>
    <message>
        <source>Phone: business</source>
        <translation>Téléphone : professionnel</translation>
    </message>
    <message>
        <source>Phone: other</source>
        <translation>Téléphone : autre</translation>
    </message>
    <message>
        <source>Address, when no other: business street</source>
        <translation>Adresse, à défaut d&apos;autre : rue (professionnelle)</translation>
    </message>
    <message>
        <source>Address, when no other: business street, second line</source>
        <translation>Adresse, à défaut d&apos;autre : rue (professionnelle), deuxième ligne</translation>
    </message>
    <message>
        <source>City State Zip, when no other: business city</source>
        <translation>Ville État CP, à défaut d&apos;autre : ville (professionnelle)</translation>
    </message>
    <message>
        <source>City State Zip, when no other: business state</source>
        <translation>Ville État CP, à défaut d&apos;autre : État (professionnel)</translation>
    </message>
    <message>
        <source>City State Zip, when no other: business zip</source>
        <translation>Ville État CP, à défaut d&apos;autre : code postal (professionnel)</translation>
    </message>
    <message>
        <source>Country, when no other: business country</source>
        <translation>Pays, à défaut d&apos;autre : pays (professionnel)</translation>
    </message>
    <message>
        <source>Groups by title</source>
        <translation>Groupes par titre</translation>
    </message>
    <message>
        <source>Groups by title, one a line</source>
        <translation>Groupes par titre, un par ligne</translation>
    </message>
    <message>
        <source>Group titled by the heading (yes/no)</source>
        <translation>Groupe dont le titre est l&apos;en-tête (oui/non)</translation>
    </message>
    <message>
        <source>Groups by column number</source>
        <translation>Groupes par numéro de colonne</translation>
    </message>
    <message>
        <source>(not imported)</source>
        <translation>(non importé)</translation>
    </message>
    <message>
        <source>Group %1 &quot;%2&quot; (yes/no)</source>
        <translation>Groupe %1 « %2 » (oui/non)</translation>
    </message>
    <message>
        <source>The file has no column &quot;%1&quot;; its columns are: %2.</source>
        <translation>Le fichier n&apos;a pas de colonne « %1 » ; ses colonnes sont : %2.</translation>
    </message>
</context>
<context>
    <name>MdbFile</name>
    <message>
        <source>it is an Access 2007 or later file (.accdb); save it as an Access 2000 or 2002-2003 .mdb first</source>
        <translation>c&apos;est un fichier Access 2007 ou ultérieur (.accdb) ; enregistrez-le d&apos;abord au format .mdb d&apos;Access 2000 ou 2002-2003</translation>
    </message>
    <message>
        <source>it is not an Access database</source>
        <translation>ce n&apos;est pas une base de données Access</translation>
    </message>
    <message>
        <source>its Access version (%1) is not Jet 3 or Jet 4</source>
        <translation>sa version d&apos;Access (%1) n&apos;est ni Jet 3 ni Jet 4</translation>
    </message>
    <message>
        <source>the file is damaged (it is not a whole number of pages)</source>
        <translation>le fichier est endommagé (il ne compte pas un nombre entier de pages)</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ce fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>the file is damaged or encrypted</source>
        <translation>le fichier est endommagé ou chiffré</translation>
    </message>
    <message>
        <source>its table list can&apos;t be read (the file is damaged or encrypted)</source>
        <translation>impossible de lire sa liste des tables (le fichier est endommagé ou chiffré)</translation>
    </message>
    <message>
        <source>its table &quot;%1&quot; can&apos;t be read</source>
        <translation>impossible de lire sa table « %1 »</translation>
    </message>
    <message>
        <source>the columns of table &quot;%1&quot; can&apos;t be read</source>
        <translation>impossible de lire les colonnes de la table « %1 »</translation>
    </message>
</context>
<context>
    <name>MdbReader</name>
    <message>
        <source>Reads an Access file for Ravelbook.</source>
        <translation>Lit un fichier Access pour Ravelbook.</translation>
    </message>
    <message>
        <source>The columns of table &lt;table&gt;.</source>
        <translation>Les colonnes de la table &lt;table&gt;.</translation>
    </message>
    <message>
        <source>The columns and rows of table &lt;table&gt;.</source>
        <translation>Les colonnes et les lignes de la table &lt;table&gt;.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <source>The Access file.</source>
        <translation>Le fichier Access.</translation>
    </message>
</context>
<context>
    <name>MultiStatus</name>
    <message>
        <source>the answer is not a WebDAV multistatus</source>
        <translation>la réponse n&apos;est pas un multistatus WebDAV</translation>
    </message>
    <message>
        <source>The server %1 sent an answer that could not be read.</source>
        <translation>Le serveur %1 a envoyé une réponse illisible.</translation>
    </message>
</context>
<context>
    <name>NativeInsert</name>
    <message>
        <source>The address book could not do this: %1.</source>
        <translation>Le carnet d&apos;adresses n&apos;a pas pu effectuer cette opération : %1.</translation>
    </message>
</context>
<context>
    <name>OnlineCommand</name>
    <message>
        <source>the address book&apos;s URL is needed</source>
        <translation>l&apos;URL du carnet d&apos;adresses est nécessaire</translation>
    </message>
    <message>
        <source>no password for %1 at %2: put it in ~/.netrc (machine %2 login %1 password ...) or the keyring</source>
        <translation>aucun mot de passe pour %1 sur %2 : indiquez-le dans ~/.netrc (machine %2 login %1 password ...) ou dans le trousseau de clés</translation>
    </message>
    <message>
        <source>no user name: give --user NAME</source>
        <translation>aucun nom d&apos;utilisateur : indiquez --user NAME</translation>
    </message>
    <message>
        <source>%1 has several address books; give the URL of the one to link:</source>
        <translation>%1 a plusieurs carnets d&apos;adresses ; indiquez l&apos;URL de celui à lier :</translation>
    </message>
    <message>
        <source>Linked %1 to %2.</source>
        <translation>%1 lié à %2.</translation>
    </message>
    <message>
        <source>the book %1 is not linked to an online address book: &quot;ravelbook link&quot; links it</source>
        <translation>le carnet %1 n&apos;est lié à aucun carnet d&apos;adresses en ligne : « ravelbook link » le lie</translation>
    </message>
    <message>
        <source>no conflict of a record named &quot;%1&quot;</source>
        <translation>aucun conflit pour une fiche nommée « %1 »</translation>
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
        <translation>Utilisation : ravelbook link [--database BOOK] [--user NAME] [--list] URL
Lie le carnet à un carnet d&apos;adresses en ligne (CardDAV) et le synchronise pour
la première fois : les fiches et les cartes d&apos;une même personne (même nom et
même adresse) sont appariées, les autres vont dans les deux sens. URL est
celle du carnet d&apos;adresses, ou celle d&apos;un serveur (un nom d&apos;hôte suffit) sur
lequel chercher les carnets d&apos;adresses. Le mot de passe vient du trousseau de
clés ou de ~/.netrc ; il n&apos;est jamais conservé dans le carnet.

  --database BOOK  le carnet (un fichier, ou postgresql://...) ; à défaut,
                   le carnet par défaut
  --user NAME      le nom d&apos;utilisateur sur le serveur
  --list           lister les carnets d&apos;adresses trouvés (nom, URL, cartes)
                   sans lier
</translation>
    </message>
    <message>
        <source>Usage: ravelbook unlink [--database BOOK]
Forgets the book&apos;s link to its online address book; the records stay.
</source>
        <translation>Utilisation : ravelbook unlink [--database BOOK]
Oublie le lien du carnet avec son carnet d&apos;adresses en ligne ; les fiches
restent.
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
        <translation>Utilisation : ravelbook sync [--database BOOK] [--keep book|server --record NAME]
Synchronise dans les deux sens le carnet et son carnet d&apos;adresses en ligne, et
affiche ce qui a été reçu, envoyé et supprimé. Une fiche modifiée aux deux
endroits n&apos;est écrite nulle part : c&apos;est un conflit jusqu&apos;à ce que vous
choisissiez la version à garder. Code de sortie 1 s&apos;il reste des conflits ou
des refus.

  --database BOOK  le carnet ; à défaut, le carnet par défaut
  --keep book|server  résoudre le conflit de --record NAME avec cette version
  --record NAME    le nom de la fiche dont --keep résout le conflit
</translation>
    </message>
    <message>
        <source>--keep takes book or server</source>
        <translation>--keep attend book ou server</translation>
    </message>
    <message>
        <source>--keep and --record go together</source>
        <translation>--keep et --record vont ensemble</translation>
    </message>
    <message>
        <source>the book %1 is not linked to an online address book</source>
        <translation>le carnet %1 n&apos;est lié à aucun carnet d&apos;adresses en ligne</translation>
    </message>
    <message>
        <source>Unlinked %1.</source>
        <translation>%1 délié.</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is a disk device, not a file</source>
        <translation>c&apos;est un périphérique disque, pas un fichier</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>c&apos;est un socket, pas un fichier</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>it is the open address book</source>
        <translation>c&apos;est le carnet d&apos;adresses ouvert</translation>
    </message>
    <message>
        <source>it is a database file (an address book), which it would destroy</source>
        <translation>c&apos;est un fichier de base de données (un carnet d&apos;adresses), qui serait détruit</translation>
    </message>
    <message>
        <source>no file was named</source>
        <translation>aucun fichier n&apos;a été indiqué</translation>
    </message>
    <message>
        <source>nothing is reading from the pipe</source>
        <translation>rien ne lit depuis le tube</translation>
    </message>
</context>
<context>
    <name>PaintedDestination</name>
    <message>
        <source>the PDF file %1</source>
        <translation>le fichier PDF %1</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot;</source>
        <translation>l&apos;imprimante « %1 »</translation>
    </message>
</context>
<context>
    <name>PdfTarget</name>
    <message>
        <source>The PDF file &quot;%1&quot; can&apos;t be written: %2.</source>
        <translation>Impossible d&apos;écrire le fichier PDF « %1 » : %2.</translation>
    </message>
    <message>
        <source>The PDF file could not be started.</source>
        <translation>Le fichier PDF n&apos;a pas pu être commencé.</translation>
    </message>
    <message>
        <source>The PDF file could not take a new page.</source>
        <translation>Le fichier PDF n&apos;a pas pu recevoir une nouvelle page.</translation>
    </message>
</context>
<context>
    <name>PostgresDialect</name>
    <message>
        <source>the connection to the server was lost (%1)</source>
        <translation>la connexion au serveur a été perdue (%1)</translation>
    </message>
    <message>
        <source>the server does not allow this to your user name (%1)</source>
        <translation>le serveur ne permet pas cette opération à votre nom d&apos;utilisateur (%1)</translation>
    </message>
    <message>
        <source>the server stopped it after the time it allows a statement; another user may be holding the records it needs, so try again in a moment (%1)</source>
        <translation>le serveur l&apos;a arrêtée après le délai qu&apos;il accorde à une instruction ; un autre utilisateur retient peut-être les fiches nécessaires, réessayez donc dans un instant (%1)</translation>
    </message>
    <message>
        <source>the server&apos;s disk is full (%1)</source>
        <translation>le disque du serveur est plein (%1)</translation>
    </message>
    <message>
        <source>another user is changing the same records; try again in a moment (%1)</source>
        <translation>un autre utilisateur modifie les mêmes fiches ; réessayez dans un instant (%1)</translation>
    </message>
    <message>
        <source>the server found the book&apos;s data damaged (%1)</source>
        <translation>le serveur a trouvé les données du carnet endommagées (%1)</translation>
    </message>
</context>
<context>
    <name>PreviewTarget</name>
    <message>
        <source>The preview shows one page at a time.</source>
        <translation>L&apos;aperçu affiche une page à la fois.</translation>
    </message>
    <message>
        <source>there is not room in memory for its picture.</source>
        <translation>la mémoire manque pour son image.</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>The address book has %1 return address(es), not %2.</source>
        <translation>Le carnet d&apos;adresses a %1 adresse(s) d&apos;expéditeur, et non %2.</translation>
    </message>
    <message>
        <source>No record named &quot;%1&quot; is in the chosen groups.</source>
        <translation>Aucune fiche nommée « %1 » ne figure dans les groupes choisis.</translation>
    </message>
    <message>
        <source>--offset &quot;%1&quot; needs two numbers of inches, X,Y (such as 0.05,-0.03)</source>
        <translation>--offset « %1 » attend deux nombres en pouces, X,Y (par exemple 0.05,-0.03)</translation>
    </message>
    <message>
        <source>--offset &quot;%1&quot; lies outside -%2..%2 inch either way</source>
        <translation>--offset « %1 » sort de l&apos;intervalle -%2..%2 pouce dans un sens ou dans l&apos;autre</translation>
    </message>
    <message>
        <source>--adjust &quot;%1&quot; lies outside -32768..32767 twips</source>
        <translation>--adjust « %1 » sort de l&apos;intervalle -32768..32767 twips</translation>
    </message>
    <message>
        <source>--adjust &quot;%1&quot; would put lines of the labels off the printable area; use %2 to %3 twips</source>
        <translation>--adjust « %1 » mettrait des lignes des étiquettes hors de la zone imprimable ; utilisez de %2 à %3 twips</translation>
    </message>
    <message>
        <source>--copies needs a number from 1 to 100</source>
        <translation>--copies attend un nombre de 1 à 100</translation>
    </message>
    <message>
        <source>--sort &quot;%1&quot;: use book, name or postal-code</source>
        <translation>--sort « %1 » : utilisez book, name ou postal-code</translation>
    </message>
    <message>
        <source>--paper &quot;%1&quot;: use letter or a4</source>
        <translation>--paper « %1 » : utilisez letter ou a4</translation>
    </message>
    <message>
        <source>--stationery is missing</source>
        <translation>--stationery est manquant</translation>
    </message>
    <message>
        <source>--paper is for --stationery address-list only</source>
        <translation>--paper ne sert qu&apos;avec --stationery address-list</translation>
    </message>
    <message>
        <source>--sender-labels needs a label stationery</source>
        <translation>--sender-labels nécessite un support d&apos;étiquettes</translation>
    </message>
    <message>
        <source>--fill-sheet is for label sheets only</source>
        <translation>--fill-sheet ne sert que pour les planches d&apos;étiquettes</translation>
    </message>
    <message>
        <source>--fill-sheet needs --selected NAME or --sender-labels</source>
        <translation>--fill-sheet nécessite --selected NAME ou --sender-labels</translation>
    </message>
    <message>
        <source>give either --copies or --fill-sheet</source>
        <translation>indiquez soit --copies, soit --fill-sheet</translation>
    </message>
    <message>
        <source>the address list has no calibration sheet</source>
        <translation>la liste d&apos;adresses n&apos;a pas de feuille d&apos;étalonnage</translation>
    </message>
    <message>
        <source>--start-at is for label sheets only</source>
        <translation>--start-at ne sert que pour les planches d&apos;étiquettes</translation>
    </message>
    <message>
        <source>--start-at %1: a sheet of these labels has %2</source>
        <translation>--start-at %1 : une planche de ces étiquettes en compte %2</translation>
    </message>
    <message>
        <source>at least one --group is needed</source>
        <translation>au moins un --group est nécessaire</translation>
    </message>
    <message>
        <source>give either --pdf FILE or --printer NAME</source>
        <translation>indiquez soit --pdf FILE, soit --printer NAME</translation>
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
        <translation>Utilisation : ravelbook print [--database BOOK] --stationery KIND --group G [--group G]...
                              [--selected NAME] [--last-name-first] [--bi-fold]
                              [--special TEXT] [--adjust TWIPS] [--return-address N]
                              [--start-at N] [--offset X,Y] [--copies N | --fill-sheet]
                              [--sort ORDER] [--close-up] [--paper PAPER]
                              (--pdf FILE | --printer NAME)
              ravelbook print --sender-labels --stationery KIND [--return-address N]
                              [--start-at N] [--copies N] (--pdf FILE | --printer NAME)
              ravelbook print --calibration-sheet --stationery KIND [--offset X,Y]
                              (--pdf FILE | --printer NAME)

Imprime les groupes choisis du carnet d&apos;adresses sans ouvrir la fenêtre ; le
carnet d&apos;adresses n&apos;est pas modifié. Sur une --printer étalonnée dans la
fenêtre (Fichier : Étalonner l&apos;imprimante), tout est décalé selon les
décalages enregistrés pour elle.

  --database BOOK       le carnet d&apos;adresses : un fichier, ou l&apos;URI d&apos;un serveur
  --stationery KIND     small-labels, large-labels, envelopes, cards, fliers ou
                        tout id de « ravelbook stationery list » (avery-5160,
                        avery-l7160, envelope-dl, postcard-a6, …), ou
                        address-list : les fiches en tableau, page par page
  --group G             une colonne de groupe de 0 à 17, ou un titre de groupe
                        (tous les groupes de ce titre) ; peut être répété
  --selected NAME       n&apos;imprimer que la première fiche nommée NAME des
                        groupes choisis
  --last-name-first     imprimer les noms tels qu&apos;enregistrés (« Nom, Prénom »)
  --bi-fold             prospectus au format 2 volets
  --special TEXT        le texte spécial des enveloppes, cartes et prospectus
  --adjust TWIPS        ajustement vertical des étiquettes pour cette impression
                        (180 = 1/8&quot;)
  --return-address N    la Nième adresse d&apos;expéditeur du carnet (1 par défaut)
  --start-at N          étiquettes : commencer la première planche à l&apos;étiquette
                        N (1 à 20 pour les petites étiquettes, 1 à 10 pour les
                        grandes, 1 à 30 pour avery-5160), pour finir une planche
                        entamée
  --offset X,Y          décaler tout de X pouces vers la droite et de Y pouces
                        vers le bas pour cette impression (négatif : gauche,
                        haut), en plus de l&apos;étalonnage de l&apos;imprimante ; au plus
                        1 pouce dans chaque sens
  --copies N            imprimer chaque fiche N fois de suite (1 à 100)
  --fill-sheet          avec --selected ou --sender-labels : remplir toutes les
                        étiquettes libres de la planche
  --sender-labels       étiquettes de l&apos;adresse d&apos;expéditeur (--return-address
                        N), de --start-at jusqu&apos;à la fin de la planche, ou
                        --copies N étiquettes ; aucun --group n&apos;est nécessaire
  --sort ORDER          book (ordre d&apos;ajout, par défaut), name, ou postal-code
                        (selon le code de la ligne de ville ; les fiches sans
                        code en dernier)
  --close-up            ne laisser aucun blanc pour les lignes d&apos;adresse vides
  --paper PAPER         le papier de la liste d&apos;adresses : letter ou a4 (par
                        défaut : celui des paramètres régionaux)
  --calibration-sheet   imprimer la feuille d&apos;étalonnage du support au lieu des
                        adresses : ses contours et ses règles, pour mesurer le
                        décalage de l&apos;impression ; aucun --group n&apos;est
                        nécessaire
  --pdf FILE            écrire toute l&apos;impression dans un seul fichier PDF
  --printer NAME        imprimer sur cette imprimante
</translation>
    </message>
    <message>
        <source>There is no printer named &quot;%1&quot;.</source>
        <translation>Aucune imprimante ne s&apos;appelle « %1 ».</translation>
    </message>
    <message>
        <source>Printed the calibration sheet on %1 page.</source>
        <translation>Feuille d&apos;étalonnage imprimée sur %1 page.</translation>
    </message>
    <message>
        <source>Printed the calibration sheet on %1 pages.</source>
        <translation>Feuille d&apos;étalonnage imprimée sur %1 pages.</translation>
    </message>
</context>
<context>
    <name>PrintRun</name>
    <message>
        <source>%1 line was</source>
        <translation>%1 ligne a été</translation>
    </message>
    <message>
        <source>%1 lines were</source>
        <translation>%1 lignes ont été</translation>
    </message>
    <message>
        <source>%1 printed smaller and %2 cut to fit</source>
        <translation>%1 imprimée(s) en plus petit et %2 tronquée(s) pour tenir</translation>
    </message>
    <message>
        <source>%1 printed smaller to fit</source>
        <translation>%1 imprimée(s) en plus petit pour tenir</translation>
    </message>
    <message>
        <source>%1 cut to fit</source>
        <translation>%1 tronquée(s) pour tenir</translation>
    </message>
    <message>
        <source>ATTN: </source>
        <extracomment>Printed on paper before the contact person of an address</extracomment>
        <translation>À l&apos;att. de </translation>
    </message>
    <message>
        <source>TO:</source>
        <extracomment>Printed on paper before the recipient&apos;s address</extracomment>
        <translation>À :</translation>
    </message>
    <message>
        <source>%1 name had characters no installed font has, printed as boxes (%2).</source>
        <translation>%1 nom contenait des caractères absents des polices installées, imprimés comme des carrés (%2).</translation>
    </message>
    <message>
        <source>%1 names had characters no installed font has, printed as boxes (%2).</source>
        <translation>%1 noms contenaient des caractères absents des polices installées, imprimés comme des carrés (%2).</translation>
    </message>
</context>
<context>
    <name>PrinterTarget</name>
    <message>
        <source>The printer &quot;%1&quot; could not start the print job.</source>
        <translation>L&apos;imprimante « %1 » n&apos;a pas pu démarrer la tâche d&apos;impression.</translation>
    </message>
    <message>
        <source>There is no printer to print on.</source>
        <translation>Aucune imprimante sur laquelle imprimer.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not begin a new page.</source>
        <translation>L&apos;imprimante « %1 » n&apos;a pas pu commencer une nouvelle page.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not finish the print job.</source>
        <translation>L&apos;imprimante « %1 » n&apos;a pas pu terminer la tâche d&apos;impression.</translation>
    </message>
</context>
<context>
    <name>ProgramModule</name>
    <message>
        <source>The program&apos;s library %1 is missing or damaged (it belongs in %2).</source>
        <translation>La bibliothèque %1 du programme est manquante ou endommagée (elle doit se trouver dans %2).</translation>
    </message>
    <message>
        <source>The program&apos;s library %1 is not of this version.</source>
        <translation>La bibliothèque %1 du programme n&apos;est pas de cette version.</translation>
    </message>
</context>
<context>
    <name>ReaderProcess</name>
    <message>
        <source>the program&apos;s Access reader %1 is missing (it belongs beside the program, in %2)</source>
        <translation>le lecteur Access %1 du programme est manquant (il doit se trouver à côté du programme, dans %2)</translation>
    </message>
    <message>
        <source>its reader %1 could not be started (%2)</source>
        <translation>son lecteur %1 n&apos;a pas pu être démarré (%2)</translation>
    </message>
    <message>
        <source>the file is damaged (%1)</source>
        <translation>le fichier est endommagé (%1)</translation>
    </message>
    <message>
        <source>reading it did not end in %1 seconds</source>
        <translation>la lecture ne s&apos;est pas terminée en %1 secondes</translation>
    </message>
    <message>
        <source>reading it stopped making progress</source>
        <translation>la lecture a cessé de progresser</translation>
    </message>
    <message>
        <source>reading it gave more than %1 MB of text</source>
        <translation>la lecture a produit plus de %1 Mo de texte</translation>
    </message>
    <message>
        <source>its reader sent more than was asked for</source>
        <translation>son lecteur a envoyé plus que demandé</translation>
    </message>
    <message>
        <source>reading it gave more than the file can hold</source>
        <translation>la lecture a produit plus que le fichier ne peut contenir</translation>
    </message>
    <message>
        <source>its reader sent what was not asked for</source>
        <translation>son lecteur a envoyé ce qui n&apos;était pas demandé</translation>
    </message>
    <message>
        <source>its reader&apos;s answer is garbled</source>
        <translation>la réponse de son lecteur est illisible</translation>
    </message>
    <message>
        <source>reading it failed</source>
        <translation>la lecture a échoué</translation>
    </message>
</context>
<context>
    <name>RecordConflict</name>
    <message>
        <source>The record being edited</source>
        <translation>La fiche en cours de modification</translation>
    </message>
    <message>
        <source>The record &quot;%1&quot;</source>
        <translation>La fiche « %1 »</translation>
    </message>
    <message>
        <source>%1 was changed by someone else after you read it, so your changes were not saved. What you typed is kept.</source>
        <translation>%1 a été modifiée par quelqu&apos;un d&apos;autre après que vous l&apos;avez lue, vos modifications n&apos;ont donc pas été enregistrées. Ce que vous avez saisi est conservé.</translation>
    </message>
    <message>
        <source>%1 was deleted by someone else after you read it, so your changes were not saved and the record is not made again. What you typed is kept.</source>
        <translation>%1 a été supprimée par quelqu&apos;un d&apos;autre après que vous l&apos;avez lue, vos modifications n&apos;ont donc pas été enregistrées et la fiche n&apos;est pas recréée. Ce que vous avez saisi est conservé.</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>First select some groups to mail to</source>
        <translation>Choisissez d&apos;abord les groupes à qui écrire</translation>
    </message>
    <message>
        <source>Nothing selected</source>
        <translation>Aucune sélection</translation>
    </message>
    <message>
        <source>You must first select what to print!</source>
        <translation>Choisissez d&apos;abord sur quoi imprimer !</translation>
    </message>
    <message>
        <source>Select option at the top left!</source>
        <translation>Choisissez une option en haut à gauche !</translation>
    </message>
    <message>
        <source>First select a record to print!</source>
        <translation>Choisissez d&apos;abord une fiche à imprimer !</translation>
    </message>
    <message>
        <source>Nothing to print!</source>
        <translation>Rien à imprimer !</translation>
    </message>
    <message>
        <source>There is no return address to print: type one on page &quot;Return Address&quot; first.</source>
        <translation>Il n&apos;y a pas d&apos;adresse d&apos;expéditeur à imprimer : saisissez-en une d&apos;abord sur la page « Adresse d&apos;expéditeur ».</translation>
    </message>
    <message>
        <source>Return address labels are printed on label sheets: choose a label stationery on page &quot;Mailings&quot; first.</source>
        <translation>Les étiquettes d&apos;expéditeur s&apos;impriment sur des planches d&apos;étiquettes : choisissez d&apos;abord un support d&apos;étiquettes sur la page « Publipostage ».</translation>
    </message>
    <message>
        <source>No labels chosen</source>
        <translation>Aucune étiquette choisie</translation>
    </message>
    <message>
        <source>Nothing was printed: the chosen groups hold no named addresses.</source>
        <translation>Rien n&apos;a été imprimé : les groupes choisis ne contiennent aucune adresse avec un nom.</translation>
    </message>
</context>
<context>
    <name>Schema</name>
    <message>
        <source>the table &quot;%1&quot; has lost its key column</source>
        <translation>la table « %1 » a perdu sa colonne clé</translation>
    </message>
    <message>
        <source>the table &quot;%1&quot; is missing</source>
        <translation>la table « %1 » est manquante</translation>
    </message>
    <message>
        <source>the table &quot;%1&quot; has no column &quot;%2&quot;</source>
        <translation>la table « %1 » n&apos;a pas de colonne « %2 »</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be the first column of the table &quot;%2&quot;</source>
        <translation>« %1 » doit être la première colonne de la table « %2 »</translation>
    </message>
    <message>
        <source>it is not a Ravelbook address book (%1)</source>
        <translation>ce n&apos;est pas un carnet d&apos;adresses Ravelbook (%1)</translation>
    </message>
    <message>
        <source>it was made by a newer Ravelbook</source>
        <translation>il a été créé par une version plus récente de Ravelbook</translation>
    </message>
</context>
<context>
    <name>ServerConnection</name>
    <message>
        <source>Books on a server need PostgreSQL&apos;s client library (libpq.so.5, Debian package libpq5), which could not be loaded.</source>
        <translation>Les carnets sur serveur nécessitent la bibliothèque cliente de PostgreSQL (libpq.so.5, paquet Debian libpq5), qui n&apos;a pas pu être chargée.</translation>
    </message>
    <message>
        <source>it holds a password, and libpq can&apos;t read it</source>
        <translation>elle contient un mot de passe, et libpq ne peut pas le lire</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a server address Ravelbook can read: %2.</source>
        <translation>« %1 » n&apos;est pas une adresse de serveur que Ravelbook sait lire : %2.</translation>
    </message>
    <message>
        <source>The server address &quot;%1&quot; holds a password. Leave it out: Ravelbook asks for it, or takes it from ~/.pgpass, PGPASSWORD or a service file.</source>
        <translation>L&apos;adresse de serveur « %1 » contient un mot de passe. Retirez-le : Ravelbook le demande, ou le prend dans ~/.pgpass, PGPASSWORD ou un fichier de service.</translation>
    </message>
    <message>
        <source>Ravelbook can&apos;t tell whether the two server books are one: %1</source>
        <translation>Ravelbook ne peut pas déterminer si les deux carnets sur serveur n&apos;en font qu&apos;un : %1</translation>
    </message>
</context>
<context>
    <name>SourceFile</name>
    <message>
        <source>The file &quot;%1&quot; can&apos;t be imported: %2.</source>
        <translation>Impossible d&apos;importer le fichier « %1 » : %2.</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>il dépasse %1 Mo</translation>
    </message>
    <message>
        <source>it could not be read to its end (%1)</source>
        <translation>il n&apos;a pas pu être lu jusqu&apos;au bout (%1)</translation>
    </message>
    <message>
        <source>it is not a text file</source>
        <translation>ce n&apos;est pas un fichier texte</translation>
    </message>
    <message>
        <source>it holds no rows below its headings</source>
        <translation>il ne contient aucune ligne sous ses en-têtes</translation>
    </message>
    <message>
        <source>it holds no vCard</source>
        <translation>il ne contient aucune vCard</translation>
    </message>
</context>
<context>
    <name>SourceTable</name>
    <message>
        <source>Further problems of the file are not listed.</source>
        <translation>Les autres problèmes du fichier ne sont pas listés.</translation>
    </message>
</context>
<context>
    <name>SqlFailure</name>
    <message>
        <source>another program is using the address book; try again in a moment (%1)</source>
        <translation>un autre programme utilise le carnet d&apos;adresses ; réessayez dans un instant (%1)</translation>
    </message>
    <message>
        <source>the address book file is read-only (%1)</source>
        <translation>le fichier du carnet d&apos;adresses est en lecture seule (%1)</translation>
    </message>
    <message>
        <source>the file could not be read or written (%1)</source>
        <translation>le fichier n&apos;a pas pu être lu ou écrit (%1)</translation>
    </message>
    <message>
        <source>the file is damaged (%1)</source>
        <translation>le fichier est endommagé (%1)</translation>
    </message>
    <message>
        <source>the disk is full (%1)</source>
        <translation>le disque est plein (%1)</translation>
    </message>
    <message>
        <source>it is not a database file (%1)</source>
        <translation>ce n&apos;est pas un fichier de base de données (%1)</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>The file &quot;%1&quot; is empty: it holds no addresses. Make it a new address book?</source>
        <translation>Le fichier « %1 » est vide : il ne contient aucune adresse. En faire un nouveau carnet d&apos;adresses ?</translation>
    </message>
</context>
<context>
    <name>StationeryCatalogue</name>
    <message>
        <source>built in</source>
        <translation>intégré</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>de %1</translation>
    </message>
    <message>
        <source>unknown stationery &quot;%1&quot;</source>
        <translation>support inconnu « %1 »</translation>
    </message>
    <message>
        <source>unknown stationery &quot;%1&quot;; did you mean %2?</source>
        <translation>support inconnu « %1 » ; vouliez-vous dire %2 ?</translation>
    </message>
</context>
<context>
    <name>StationeryCommand</name>
    <message>
        <source>%1 mm (%2 in)</source>
        <translation>%1 mm (%2 po)</translation>
    </message>
    <message>
        <source>round</source>
        <extracomment>Shape of a label, in &quot;ravelbook stationery show&quot;</extracomment>
        <translation>rond</translation>
    </message>
    <message>
        <source>ellipse</source>
        <extracomment>Shape of a label, in &quot;ravelbook stationery show&quot;</extracomment>
        <translation>ellipse</translation>
    </message>
    <message>
        <source>rectangle</source>
        <extracomment>Shape of a label, in &quot;ravelbook stationery show&quot;</extracomment>
        <translation>rectangle</translation>
    </message>
    <message>
        <source>%1 a sheet</source>
        <translation>%1 par planche</translation>
    </message>
    <message>
        <source>Paper: %1, %2</source>
        <translation>Papier : %1, %2</translation>
    </message>
    <message>
        <source>Shape: %1, %2</source>
        <translation>Forme : %1, %2</translation>
    </message>
    <message>
        <source>, corner radius %1</source>
        <translation>, rayon des coins %1</translation>
    </message>
    <message>
        <source>Margin: %1</source>
        <translation>Marge : %1</translation>
    </message>
    <message>
        <source>Grid: %1 x %2 from %3, every %4</source>
        <translation>Grille : %1 x %2 à partir de %3, tous les %4</translation>
    </message>
    <message>
        <source>Labels: %1 a sheet</source>
        <translation>Étiquettes : %1 par planche</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Fichier : %1</translation>
    </message>
    <message>
        <source>built in</source>
        <translation>intégré</translation>
    </message>
    <message>
        <source>say &quot;list&quot; or &quot;show ID&quot;</source>
        <translation>indiquez « list » ou « show ID »</translation>
    </message>
    <message>
        <source>the stationery to show is missing</source>
        <translation>le support à afficher est manquant</translation>
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
        <translation>Utilisation : ravelbook stationery list [--search TEXT]
              ravelbook stationery show ID
Liste les supports sur lesquels le programme peut imprimer : les siens, et les
modèles du logiciel de conception d&apos;étiquettes gLabels (paquet glabels-data,
~/.config/libglabels, ~/.glabels) et de %1.

  list           une ligne pour chacun : id, produit, description, papier,
                 étiquettes par planche, taille d&apos;étiquette ; les erreurs des
                 fichiers sur la sortie d&apos;erreur standard
  --search TEXT  seulement ceux dont le produit, la description ou l&apos;id
                 contiennent chacun des mots
  show ID        le papier, l&apos;étiquette et l&apos;emplacement des étiquettes
</translation>
    </message>
</context>
<context>
    <name>TableReader</name>
    <message>
        <source>The file has no table &quot;%1&quot;; its tables are: %2.</source>
        <translation>Le fichier n&apos;a pas de table « %1 » ; ses tables sont : %2.</translation>
    </message>
    <message>
        <source>The file is not an address book in Ravelbook&apos;s layout; choose one of its tables: %1.</source>
        <translation>Le fichier n&apos;est pas un carnet d&apos;adresses au format de Ravelbook ; choisissez l&apos;une de ses tables : %1.</translation>
    </message>
</context>
<context>
    <name>TemplateReader</name>
    <message>
        <source>%1 CD/DVD labels left out: discs are not printed on</source>
        <translation>%1 étiquettes CD/DVD ignorées : l&apos;impression sur disques n&apos;est pas prise en charge</translation>
    </message>
    <message>
        <source>%1 continuous labels left out: rolls are not printed on</source>
        <translation>%1 étiquettes continues ignorées : l&apos;impression sur rouleaux n&apos;est pas prise en charge</translation>
    </message>
    <message>
        <source>%1 labels of drawn outlines left out: only rectangles, circles and ellipses are printed on</source>
        <translation>%1 étiquettes à contour dessiné ignorées : seuls les rectangles, cercles et ellipses sont pris en charge</translation>
    </message>
    <message>
        <source>%1 labels of other shapes left out: only rectangles, circles and ellipses are printed on</source>
        <translation>%1 étiquettes d&apos;autres formes ignorées : seuls les rectangles, cercles et ellipses sont pris en charge</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 est manquant</translation>
    </message>
    <message>
        <source>unknown paper size &quot;%1&quot;</source>
        <translation>format de papier inconnu « %1 »</translation>
    </message>
    <message>
        <source>the paper (%1 x %2) is larger than the %3 the program can print on</source>
        <translation>le papier (%1 x %2) dépasse le %3 sur lequel le programme peut imprimer</translation>
    </message>
    <message>
        <source>the label (%1 x %2) is larger than its paper (%3 x %4)</source>
        <translation>l&apos;étiquette (%1 x %2) dépasse son papier (%3 x %4)</translation>
    </message>
    <message>
        <source>more than %1 labels on one sheet</source>
        <translation>plus de %1 étiquettes sur une planche</translation>
    </message>
    <message>
        <source>a Layout puts labels off the paper (%1 x %2)</source>
        <translation>un Layout place des étiquettes hors du papier (%1 x %2)</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB: skipped</source>
        <translation>le fichier dépasse %1 Mo : ignoré</translation>
    </message>
    <message>
        <source>the file is damaged here (%1): the paper sizes after it are skipped</source>
        <translation>le fichier est endommagé ici (%1) : les formats de papier suivants sont ignorés</translation>
    </message>
    <message>
        <source>can&apos;t be read: %1</source>
        <translation>illisible : %1</translation>
    </message>
    <message>
        <source>the file is damaged here (%1): skipped</source>
        <translation>le fichier est endommagé ici (%1) : ignoré</translation>
    </message>
    <message>
        <source>a template needs a part</source>
        <translation>un modèle nécessite une référence</translation>
    </message>
    <message>
        <source>the file is damaged here (%1): the templates after it are skipped</source>
        <translation>le fichier est endommagé ici (%1) : les modèles suivants sont ignorés</translation>
    </message>
</context>
<context>
    <name>TemplateWriter</name>
    <message>
        <source>The stationery file &quot;%1&quot; can&apos;t be written: %2.</source>
        <translation>Impossible d&apos;écrire le fichier de support « %1 » : %2.</translation>
    </message>
</context>
<context>
    <name>TextDecoding</name>
    <message>
        <source>line %1: the byte 0x%2 is not UTF-8 like the rest of the file; it is read as &quot;%3&quot;</source>
        <translation>ligne %1 : l&apos;octet 0x%2 n&apos;est pas en UTF-8 comme le reste du fichier ; il est lu comme « %3 »</translation>
    </message>
</context>
<context>
    <name>VCardMerge</name>
    <message>
        <source>The card on the server can&apos;t be read.</source>
        <translation>La carte sur le serveur est illisible.</translation>
    </message>
</context>
<context>
    <name>VCardReader</name>
    <message>
        <source>line %1: the card is cut short (no END:VCARD); it is left out</source>
        <translation>ligne %1 : la carte est tronquée (pas de END:VCARD) ; elle est ignorée</translation>
    </message>
    <message>
        <source>line %1: can&apos;t be read: %2</source>
        <translation>ligne %1 : illisible : %2</translation>
    </message>
    <message>
        <source>line %1: the card is cut short (the file ends before END:VCARD); it is left out</source>
        <translation>ligne %1 : la carte est tronquée (le fichier se termine avant END:VCARD) ; elle est ignorée</translation>
    </message>
</context>
<context>
    <name>ravelbook::BookMenu</name>
    <message>
        <source>&amp;New Book…</source>
        <translation>&amp;Nouveau carnet…</translation>
    </message>
    <message>
        <source>&amp;Open Book…</source>
        <translation>&amp;Ouvrir un carnet…</translation>
    </message>
    <message>
        <source>Open &amp;Server Book…</source>
        <translation>Ouvrir un carnet sur &amp;serveur…</translation>
    </message>
    <message>
        <source>New Address Book</source>
        <translation>Nouveau carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>Open Address Book</source>
        <translation>Ouvrir un carnet d&apos;adresses</translation>
    </message>
</context>
<context>
    <name>ravelbook::CalibrationDialog</name>
    <message>
        <source>inches</source>
        <translation>pouces</translation>
    </message>
    <message>
        <source> in</source>
        <translation> po</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>millimètres</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Calibrate Printer</source>
        <translation>Étalonner l&apos;imprimante</translation>
    </message>
    <message>
        <source>&amp;Stationery:</source>
        <translation>&amp;Support :</translation>
    </message>
    <message>
        <source>P&amp;rinter…</source>
        <translation>&amp;Imprimante…</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Imprimante :</translation>
    </message>
    <message>
        <source>&amp;Print Sheet</source>
        <translation>Im&amp;primer la feuille</translation>
    </message>
    <message>
        <source>Save Sheet as P&amp;DF…</source>
        <translation>Enregistrer en P&amp;DF…</translation>
    </message>
    <message>
        <source>Pre&amp;view Sheet</source>
        <translation>&amp;Aperçu de la feuille</translation>
    </message>
    <message>
        <source>Calibration sheet:</source>
        <translation>Feuille d&apos;étalonnage :</translation>
    </message>
    <message>
        <source>Negative moves the print left</source>
        <translation>Négatif : décale l&apos;impression vers la gauche</translation>
    </message>
    <message>
        <source>Negative moves the print up</source>
        <translation>Négatif : décale l&apos;impression vers le haut</translation>
    </message>
    <message>
        <source>Move print &amp;right by:</source>
        <translation>Décaler vers la d&amp;roite de :</translation>
    </message>
    <message>
        <source>Move print &amp;down by:</source>
        <translation>Décaler vers le &amp;bas de :</translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <translation>&amp;Unité :</translation>
    </message>
    <message>
        <source>Print the sheet on plain paper, hold it against the stationery in front of a light and add how far the printed outlines are off to the offsets above; print again to check. OK keeps the offsets for this printer, and everything printed on it is moved by them.</source>
        <translation>Imprimez la feuille sur du papier ordinaire, superposez-la au support devant une source de lumière et ajoutez aux décalages ci-dessus l&apos;écart des contours imprimés ; imprimez de nouveau pour vérifier. OK conserve les décalages pour cette imprimante, et tout ce qui y est imprimé est décalé d&apos;autant.</translation>
    </message>
    <message>
        <source>No printer is installed; the sheet can be saved as a PDF file.</source>
        <translation>Aucune imprimante n&apos;est installée ; la feuille peut être enregistrée en fichier PDF.</translation>
    </message>
    <message>
        <source>Save the calibration sheet as a PDF file</source>
        <translation>Enregistrer la feuille d&apos;étalonnage en fichier PDF</translation>
    </message>
    <message>
        <source>Calibration sheet.pdf</source>
        <extracomment>The file name offered for the saved sheet</extracomment>
        <translation>Feuille d&apos;étalonnage.pdf</translation>
    </message>
    <message>
        <source>The calibration sheet went to %1.</source>
        <translation>La feuille d&apos;étalonnage a été envoyée vers %1.</translation>
    </message>
    <message>
        <source>Calibration Sheet</source>
        <translation>Feuille d&apos;étalonnage</translation>
    </message>
</context>
<context>
    <name>ravelbook::DataNavigator</name>
    <message>
        <source>First</source>
        <translation>Première</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédente</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivante</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Dernière</translation>
    </message>
</context>
<context>
    <name>ravelbook::DataSource</name>
    <message>
        <source>There is no current record.</source>
        <translation>Il n&apos;y a pas de fiche courante.</translation>
    </message>
    <message>
        <source>The table &quot;%1&quot; has no column &quot;%2&quot;.</source>
        <translation>La table « %1 » n&apos;a pas de colonne « %2 ».</translation>
    </message>
    <message>
        <source>No records have been chosen yet.</source>
        <translation>Aucune fiche n&apos;a encore été choisie.</translation>
    </message>
    <message>
        <source>Records can&apos;t be read with &quot;%1&quot;.</source>
        <translation>Impossible de lire les fiches avec « %1 ».</translation>
    </message>
    <message>
        <source>The address book could not be read: %1.</source>
        <translation>Impossible de lire le carnet d&apos;adresses : %1.</translation>
    </message>
    <message>
        <source>The record is no longer the one shown.</source>
        <translation>La fiche n&apos;est plus celle qui est affichée.</translation>
    </message>
    <message>
        <source>The new record was not saved: %1.</source>
        <translation>La nouvelle fiche n&apos;a pas été enregistrée : %1.</translation>
    </message>
    <message>
        <source>The table &quot;%1&quot; has no field %2.</source>
        <translation>La table « %1 » n&apos;a pas de champ %2.</translation>
    </message>
</context>
<context>
    <name>ravelbook::ExchangeMenu</name>
    <message>
        <source>Address files (*.csv *.txt *.tsv *.vcf *.vcard *.mdb);;CSV files (*.csv *.txt *.tsv);;vCard files (*.vcf *.vcard);;Access files (*.mdb);;All files (*)</source>
        <translation>Fichiers d&apos;adresses (*.csv *.txt *.tsv *.vcf *.vcard *.mdb);;Fichiers CSV (*.csv *.txt *.tsv);;Fichiers vCard (*.vcf *.vcard);;Fichiers Access (*.mdb);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Fichier CSV (*.csv)</translation>
    </message>
    <message>
        <source>vCard 3.0 file (*.vcf)</source>
        <translation>Fichier vCard 3.0 (*.vcf)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exporter...</translation>
    </message>
    <message>
        <source>Import addresses</source>
        <translation>Importer des adresses</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a CSV, vCard or Access file.</source>
        <translation>« %1 » n&apos;est pas un fichier CSV, vCard ou Access.</translation>
    </message>
    <message>
        <source>The table to import:</source>
        <translation>La table à importer :</translation>
    </message>
    <message>
        <source>Importing addresses...</source>
        <translation>Importation des adresses...</translation>
    </message>
    <message>
        <source>The import was cancelled; nothing was imported.</source>
        <translation>L&apos;importation a été annulée ; rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>
Group &quot;%1&quot; matched no group title and was not kept.</source>
        <translation>
Le groupe « %1 » ne correspondait à aucun titre de groupe et n&apos;a pas été conservé.</translation>
    </message>
    <message>
        <source> %1 had no name and were left out.</source>
        <translation> Sans nom, donc ignorées : %1.</translation>
    </message>
    <message>
        <source>Imported %1 of %2 records; %3 skipped as already in the book.%4%5</source>
        <translation>Fiches importées : %1 sur %2 ; %3 ignorée(s) car déjà dans le carnet.%4%5</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Export addresses</source>
        <translation>Exporter des adresses</translation>
    </message>
    <message>
        <source>Exporting addresses...</source>
        <translation>Exportation des adresses...</translation>
    </message>
    <message>
        <source>Exported %1 records to &quot;%2&quot;.</source>
        <translation>Fiches exportées vers « %2 » : %1.</translation>
    </message>
    <message>
        <source>The export was cancelled; nothing was written.</source>
        <translation>L&apos;exportation a été annulée ; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
</context>
<context>
    <name>ravelbook::GridColumns</name>
    <message>
        <source>Show group columns</source>
        <translation>Afficher les colonnes de groupes</translation>
    </message>
</context>
<context>
    <name>ravelbook::GroupBoxMouse</name>
    <message>
        <source>Group %1</source>
        <translation>Groupe %1</translation>
    </message>
</context>
<context>
    <name>ravelbook::ImportPreview</name>
    <message>
        <source>Import from %1</source>
        <translation>Importer depuis %1</translation>
    </message>
    <message>
        <source>Where each column of the %1 file goes:</source>
        <translation>Destination de chaque colonne du fichier %1 :</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>First value</source>
        <translation>Première valeur</translation>
    </message>
    <message>
        <source>Goes to</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>The first records as they will be in the book:</source>
        <translation>Les premières fiches telles qu&apos;elles seront dans le carnet :</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Groupes</translation>
    </message>
    <message>
        <source>Groups of the file that match no group title (give one a group column, which then takes its title):</source>
        <translation>Groupes du fichier qui ne correspondent à aucun titre de groupe (attribuez-leur une colonne de groupe, qui prend alors leur titre) :</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Fiches</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>(not kept)</source>
        <translation>(non conservé)</translation>
    </message>
    <message>
        <source>Group %1 &quot;%2&quot;</source>
        <translation>Groupe %1 « %2 »</translation>
    </message>
    <message>
        <source>Where %1 goes</source>
        <translation>Destination de %1</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
</context>
<context>
    <name>ravelbook::LinkBookDialog</name>
    <message>
        <source>Link Online Address Book</source>
        <translation>Lier à un carnet d&apos;adresses en ligne</translation>
    </message>
    <message>
        <source>An address book on a CardDAV server (Nextcloud, Fastmail, iCloud, Radicale…), kept in step with this book both ways.</source>
        <translation>Un carnet d&apos;adresses sur un serveur CardDAV (Nextcloud, Fastmail, iCloud, Radicale…), synchronisé avec ce carnet dans les deux sens.</translation>
    </message>
    <message>
        <source>dav.example.org or https://…</source>
        <translation>dav.example.org ou https://…</translation>
    </message>
    <message>
        <source>from the keyring or ~/.netrc when empty</source>
        <translation>depuis le trousseau de clés ou ~/.netrc si vide</translation>
    </message>
    <message>
        <source>&amp;Keep the password in the keyring</source>
        <translation>&amp;Garder le mot de passe dans le trousseau de clés</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Serveur :</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Utilisateur :</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>Mot de &amp;passe :</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Cartes</translation>
    </message>
    <message>
        <source>&amp;Trust this certificate</source>
        <translation>&amp;Faire confiance à ce certificat</translation>
    </message>
    <message>
        <source>&amp;Link</source>
        <translation>&amp;Lier</translation>
    </message>
    <message>
        <source>U&amp;nlink</source>
        <translation>&amp;Délier</translation>
    </message>
    <message>
        <source>This book is linked to %1 as %2. Unlink keeps the records and forgets the link.</source>
        <translation>Ce carnet est lié à %1 en tant que %2. Délier conserve les fiches et oublie le lien.</translation>
    </message>
    <message>
        <source>No address book was found at %1.</source>
        <translation>Aucun carnet d&apos;adresses n&apos;a été trouvé à l&apos;adresse %1.</translation>
    </message>
    <message>
        <source>%1

Trust it only if the server&apos;s administrator gave you the same fingerprint.</source>
        <translation>%1

Ne faites confiance à ce certificat que si l&apos;administrateur du serveur vous a donné la même empreinte.</translation>
    </message>
    <message>
        <source>Address books found</source>
        <translation>Carnets d&apos;adresses trouvés</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
</context>
<context>
    <name>ravelbook::MailingPrinter</name>
    <message>
        <source>Printing...</source>
        <translation>Impression...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Item %1 of %2</source>
        <translation>Élément %1 sur %2</translation>
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
        <translation>Enveloppe n° 10 ( 4 1/8&quot; X 9 1/2&quot; )</translation>
    </message>
    <message>
        <source>Cards ( 5 1/2&quot; X 8 1/2&quot; )</source>
        <translation>Cartes ( 5 1/2&quot; X 8 1/2&quot; )</translation>
    </message>
    <message>
        <source>Full sheet flier</source>
        <translation>Prospectus pleine page</translation>
    </message>
    <message>
        <source>More stationery…</source>
        <translation>Autres supports…</translation>
    </message>
    <message>
        <source>Print Single Selected in Grid Below</source>
        <translation>Imprimer seulement la fiche choisie ci-dessous</translation>
    </message>
    <message>
        <source>Print Mailing List</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Aperçu</translation>
    </message>
    <message>
        <source>Return address</source>
        <translation>Adresse d&apos;expéditeur</translation>
    </message>
    <message>
        <source>Special text</source>
        <translation>Texte spécial</translation>
    </message>
    <message>
        <source>Start at label</source>
        <translation>Étiquette de départ</translation>
    </message>
    <message>
        <source>Bi - Fold Fliers</source>
        <translation>Prospectus 2 volets</translation>
    </message>
    <message>
        <source>Tri - Fold Fliers</source>
        <translation>Prospectus 3 volets</translation>
    </message>
    <message>
        <source>Vertical Adjustment: To accommodate different printers, enter a higher number to move labels down on page ( 180 = 1/8&quot; )</source>
        <translation>Ajustement vertical : selon l&apos;imprimante, saisissez un nombre plus élevé pour descendre les étiquettes sur la page ( 180 = 1/8&quot; )</translation>
    </message>
    <message>
        <source>First Name First</source>
        <translation>Prénom d&apos;abord</translation>
    </message>
    <message>
        <source>Groups - Check all that apply</source>
        <translation>Groupes - cochez ceux qui conviennent</translation>
    </message>
    <message>
        <source>Address list</source>
        <translation>Liste d&apos;adresses</translation>
    </message>
    <message>
        <source>Copies of each</source>
        <translation>Copies par fiche</translation>
    </message>
    <message>
        <source>Fill the sheet</source>
        <translation>Remplir la planche</translation>
    </message>
    <message>
        <source>The one record selected in the grid on every free label of the sheet</source>
        <translation>La fiche sélectionnée dans la grille, sur chaque étiquette libre de la planche</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>Trier par</translation>
    </message>
    <message>
        <source>Book order</source>
        <extracomment>An order the labels can be printed in</extracomment>
        <translation>Ordre du carnet</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>An order the labels can be printed in: by name</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Postal code</source>
        <extracomment>An order the labels can be printed in</extracomment>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Close up empty lines</source>
        <translation>Sans lignes vides</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Letter</source>
        <extracomment>The US paper size the address list can be printed on</extracomment>
        <translation>Lettre US</translation>
    </message>
    <message>
        <source>A4</source>
        <extracomment>The paper size the address list can be printed on</extracomment>
        <translation>A4</translation>
    </message>
    <message>
        <source>Labels use %1</source>
        <translation>Les étiquettes utilisent %1</translation>
    </message>
    <message>
        <source>Not used: the adjustment must lie between %1 and %2 twips, or lines of the last labels leave the printable area. Labels stay at %3.</source>
        <translation>Non utilisé : l&apos;ajustement doit être compris entre %1 et %2 twips, sinon des lignes des dernières étiquettes sortent de la zone imprimable. Les étiquettes restent à %3.</translation>
    </message>
    <message>
        <source>Labels stay at %1</source>
        <translation>Les étiquettes restent à %1</translation>
    </message>
    <message>
        <source>Vertical Adjustment</source>
        <translation>Ajustement vertical</translation>
    </message>
    <message>
        <source>Addresses to mail</source>
        <translation>Adresses à envoyer</translation>
    </message>
</context>
<context>
    <name>ravelbook::NamesPage</name>
    <message>
        <source>Name ( L, F )</source>
        <translation>Nom ( N, P )</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>City, State  Zip</source>
        <translation>Ville, État  CP</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Format for names:  Last Name - comma - space - First Name.</source>
        <translation>Format des noms :  Nom - virgule - espace - Prénom.</translation>
    </message>
    <message>
        <source>Groups - Check all that apply ( right click to re-name )</source>
        <translation>Groupes à cocher ( clic droit : renommer )</translation>
    </message>
    <message>
        <source>&amp;New Address</source>
        <translation>&amp;Nouvelle adresse</translation>
    </message>
    <message>
        <source>&amp;Enter Changes</source>
        <translation>En&amp;registrer</translation>
    </message>
    <message>
        <source>&amp;Delete Record</source>
        <translation>&amp;Supprimer la fiche</translation>
    </message>
    <message>
        <source>Discard the new address?</source>
        <translation>Abandonner la nouvelle adresse ?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer in the address book; it was renamed or deleted elsewhere. The name list now shows the book as it is.</source>
        <translation>La fiche « %1 » n&apos;est plus dans le carnet d&apos;adresses ; elle a été renommée ou supprimée ailleurs. La liste des noms montre maintenant le carnet tel qu&apos;il est.</translation>
    </message>
    <message>
        <source>There is no record to save. Choose a name from the list or press New Address first.</source>
        <translation>Il n&apos;y a aucune fiche à enregistrer. Choisissez un nom dans la liste ou cliquez d&apos;abord sur Nouvelle adresse.</translation>
    </message>
    <message>
        <source>There is no record to delete.</source>
        <translation>Il n&apos;y a aucune fiche à supprimer.</translation>
    </message>
    <message>
        <source>Are you SURE you want to Delete %1 PERMANENTLY?</source>
        <translation>Voulez-vous VRAIMENT supprimer %1 DÉFINITIVEMENT ?</translation>
    </message>
    <message>
        <source>Delete record?</source>
        <translation>Supprimer la fiche ?</translation>
    </message>
    <message>
        <source>Name list</source>
        <translation>Liste des noms</translation>
    </message>
    <message>
        <source>Choose a name to show its address</source>
        <translation>Choisissez un nom pour afficher son adresse</translation>
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
        <translation>Lettre US (8 1/2 x 11 po)</translation>
    </message>
    <message>
        <source>A5 (148 x 210 mm)</source>
        <translation>A5 (148 x 210 mm)</translation>
    </message>
    <message>
        <source>US Legal (8 1/2 x 14 in)</source>
        <translation>Légal US (8 1/2 x 14 po)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>New Stationery</source>
        <translation>Nouveau support</translation>
    </message>
    <message>
        <source>Label sheet</source>
        <translation>Planche d&apos;étiquettes</translation>
    </message>
    <message>
        <source>Envelope</source>
        <translation>Enveloppe</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Type :</translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <translation>&amp;Unité :</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Papier :</translation>
    </message>
    <message>
        <source>Paper &amp;width:</source>
        <translation>&amp;Largeur du papier :</translation>
    </message>
    <message>
        <source>Paper &amp;height:</source>
        <translation>&amp;Hauteur du papier :</translation>
    </message>
    <message>
        <source>&amp;Label width:</source>
        <translation>Largeur de l&apos;&amp;étiquette :</translation>
    </message>
    <message>
        <source>Label h&amp;eight:</source>
        <translation>Hauteur de l&apos;éti&amp;quette :</translation>
    </message>
    <message>
        <source>Corner &amp;radius:</source>
        <translation>&amp;Rayon des coins :</translation>
    </message>
    <message>
        <source>&amp;Columns:</source>
        <translation>&amp;Colonnes :</translation>
    </message>
    <message>
        <source>R&amp;ows:</source>
        <translation>Lig&amp;nes :</translation>
    </message>
    <message>
        <source>Le&amp;ft margin:</source>
        <translation>Marge &amp;gauche :</translation>
    </message>
    <message>
        <source>&amp;Top margin:</source>
        <translation>M&amp;arge haute :</translation>
    </message>
    <message>
        <source>Hori&amp;zontal pitch:</source>
        <translation>Pas hori&amp;zontal :</translation>
    </message>
    <message>
        <source>&amp;Vertical pitch:</source>
        <translation>Pas &amp;vertical :</translation>
    </message>
    <message>
        <source>&amp;Brand:</source>
        <translation>&amp;Marque :</translation>
    </message>
    <message>
        <source>P&amp;art:</source>
        <translation>Ré&amp;férence :</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Description :</translation>
    </message>
    <message>
        <source>Id:</source>
        <translation>Id :</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source> in</source>
        <translation> po</translation>
    </message>
    <message>
        <source>The paper needs a width and a height.</source>
        <translation>Le papier doit avoir une largeur et une hauteur.</translation>
    </message>
    <message>
        <source>The labels need a width and a height.</source>
        <translation>Les étiquettes doivent avoir une largeur et une hauteur.</translation>
    </message>
    <message>
        <source>A sheet can have at most %1 labels.</source>
        <translation>Une planche peut avoir au plus %1 étiquettes.</translation>
    </message>
    <message>
        <source>The labels overlap: the pitch is less than the label&apos;s size.</source>
        <translation>Les étiquettes se chevauchent : le pas est inférieur à la taille de l&apos;étiquette.</translation>
    </message>
    <message>
        <source>The labels leave the paper.</source>
        <translation>Les étiquettes sortent du papier.</translation>
    </message>
    <message>
        <source>The corner radius is more than half the label&apos;s size.</source>
        <translation>Le rayon des coins dépasse la moitié de la taille de l&apos;étiquette.</translation>
    </message>
    <message>
        <source>Type the brand and the part number it is sold under.</source>
        <translation>Saisissez la marque et la référence sous laquelle il est vendu.</translation>
    </message>
    <message>
        <source>The stationery &quot;%1&quot; is already saved in %2. Replace it?</source>
        <translation>Le support « %1 » est déjà enregistré dans %2. Le remplacer ?</translation>
    </message>
</context>
<context>
    <name>ravelbook::OnlineMenu</name>
    <message>
        <source>%1 conflict</source>
        <translation>%1 conflit</translation>
    </message>
    <message>
        <source>%1 conflicts</source>
        <translation>%1 conflits</translation>
    </message>
    <message>
        <source>%1 in</source>
        <translation>%1 reçue(s)</translation>
    </message>
    <message>
        <source>%1 out</source>
        <translation>%1 envoyée(s)</translation>
    </message>
    <message>
        <source>%1 deleted</source>
        <translation>%1 supprimée(s)</translation>
    </message>
    <message>
        <source>%1 refused</source>
        <translation>%1 refusée(s)</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulée</translation>
    </message>
    <message>
        <source>Synced: %1</source>
        <translation>Synchronisé : %1</translation>
    </message>
    <message>
        <source>&amp;Link Online Address Book…</source>
        <translation>&amp;Lier à un carnet d&apos;adresses en ligne…</translation>
    </message>
    <message>
        <source>&amp;Sync</source>
        <translation>&amp;Synchroniser</translation>
    </message>
    <message>
        <source>Sync &amp;Conflicts…</source>
        <translation>&amp;Conflits de synchronisation…</translation>
    </message>
    <message>
        <source>Syncing: %1…</source>
        <translation>Synchronisation : %1…</translation>
    </message>
    <message>
        <source>The password of %1 on %2:</source>
        <translation>Mot de passe de %1 sur %2 :</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchroniser</translation>
    </message>
    <message>
        <source>Keep the password in the keyring?</source>
        <translation>Garder le mot de passe dans le trousseau de clés ?</translation>
    </message>
    <message>
        <source>The keyring did not take the password.</source>
        <translation>Le trousseau de clés n&apos;a pas accepté le mot de passe.</translation>
    </message>
    <message>
        <source>Not synced: %1</source>
        <translation>Non synchronisé : %1</translation>
    </message>
    <message>
        <source>This book is not linked to an online address book: File: Link Online Address Book… links it.</source>
        <translation>Ce carnet n&apos;est lié à aucun carnet d&apos;adresses en ligne : Fichier : Lier à un carnet d&apos;adresses en ligne… le lie.</translation>
    </message>
    <message>
        <source>Not synced: no password for %1 on %2.</source>
        <translation>Non synchronisé : aucun mot de passe pour %1 sur %2.</translation>
    </message>
    <message>
        <source>Syncing…</source>
        <translation>Synchronisation…</translation>
    </message>
    <message>
        <source>Not linked: %1</source>
        <translation>Non lié : %1</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>Échec de la synchronisation : %1</translation>
    </message>
    <message>
        <source>%1

Trust this certificate for %2?</source>
        <translation>%1

Faire confiance à ce certificat pour %2 ?</translation>
    </message>
    <message>
        <source>Synced, but the window could not read the book again: %1</source>
        <translation>Synchronisé, mais la fenêtre n&apos;a pas pu relire le carnet : %1</translation>
    </message>
    <message>
        <source>A sync is running; try again when it has ended.</source>
        <translation>Une synchronisation est en cours ; réessayez lorsqu&apos;elle sera terminée.</translation>
    </message>
    <message>
        <source>Unlinked from %1.</source>
        <translation>Délié de %1.</translation>
    </message>
    <message>
        <source>Linking…</source>
        <translation>Liaison…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Link Online Address Book</source>
        <translation>Lier à un carnet d&apos;adresses en ligne</translation>
    </message>
    <message>
        <source>%1 resolved; the next sync takes the book&apos;s versions to the server.</source>
        <translation>Résolu : %1 ; la prochaine synchronisation enverra au serveur les versions du carnet.</translation>
    </message>
</context>
<context>
    <name>ravelbook::PrintPreviewDialog</name>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>First Page</source>
        <translation>Première page</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Page %1 of %1</source>
        <translation>Page %1 sur %1</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Last Page</source>
        <translation>Dernière page</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Ajuster à la largeur</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Ajuster à la page</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>This page could not be drawn whole: %1</source>
        <translation>Cette page n&apos;a pas pu être dessinée entièrement : %1</translation>
    </message>
    <message>
        <source>On this page: %1</source>
        <translation>Sur cette page : %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
</context>
<context>
    <name>ravelbook::QtDialogs</name>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Address books (*.db);;All files (*)</source>
        <translation>Carnets d&apos;adresses (*.db);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
</context>
<context>
    <name>ravelbook::ReturnAddressPage</name>
    <message>
        <source>Return Addresses</source>
        <translation>Adresses d&apos;expéditeur</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>City, State  Zip</source>
        <translation>Ville, État  CP</translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <translation>&amp;Nouvelle</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Print return address labels</source>
        <translation>&amp;Imprimer les étiquettes</translation>
    </message>
    <message>
        <source>Pre&amp;view return address labels</source>
        <translation>&amp;Aperçu des étiquettes</translation>
    </message>
    <message>
        <source>new (%1 of %1)</source>
        <translation>nouvelle (%1 sur %1)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>There is no return address to delete.</source>
        <translation>Il n&apos;y a aucune adresse d&apos;expéditeur à supprimer.</translation>
    </message>
    <message>
        <source>The address book keeps at least one return address: change this one instead.</source>
        <translation>Le carnet d&apos;adresses garde au moins une adresse d&apos;expéditeur : modifiez plutôt celle-ci.</translation>
    </message>
    <message>
        <source>this return address</source>
        <translation>cette adresse d&apos;expéditeur</translation>
    </message>
    <message>
        <source>Delete %1 from the return addresses?</source>
        <translation>Supprimer %1 des adresses d&apos;expéditeur ?</translation>
    </message>
    <message>
        <source>Delete return address?</source>
        <translation>Supprimer l&apos;adresse d&apos;expéditeur ?</translation>
    </message>
</context>
<context>
    <name>ravelbook::ServerBookDialog</name>
    <message>
        <source>Open Server Book</source>
        <translation>Ouvrir un carnet sur serveur</translation>
    </message>
    <message>
        <source>An address book shared on a PostgreSQL server. Ask its administrator for these; the server asks for a password when it needs one.</source>
        <translation>Un carnet d&apos;adresses partagé sur un serveur PostgreSQL. Demandez ces informations à son administrateur ; le serveur demande un mot de passe lorsqu&apos;il en a besoin.</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>&amp;Hôte :</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port :</translation>
    </message>
    <message>
        <source>&amp;Database:</source>
        <translation>&amp;Base de données :</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Utilisateur :</translation>
    </message>
</context>
<context>
    <name>ravelbook::StationeryChooser</name>
    <message>
        <source>in</source>
        <translation>po</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>More Stationery</source>
        <translation>Autres supports</translation>
    </message>
    <message>
        <source>Search: brand, part number or description</source>
        <translation>Rechercher : marque, référence ou description</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message>
        <source>&amp;Recent:</source>
        <translation>Ré&amp;cents :</translation>
    </message>
    <message>
        <source>1 template entry could not be read or was left out</source>
        <translation>1 entrée de modèle n&apos;a pas pu être lue ou a été ignorée</translation>
    </message>
    <message>
        <source>%1 template entries could not be read or were left out</source>
        <translation>%1 entrées de modèle n&apos;ont pas pu être lues ou ont été ignorées</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… et %1 de plus</translation>
    </message>
</context>
<context>
    <name>ravelbook::StockTableModel</name>
    <message>
        <source>Brand</source>
        <translation>Marque</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Référence</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Labels</source>
        <extracomment>Column head: how many labels a sheet has</extracomment>
        <translation>Étiquettes</translation>
    </message>
</context>
<context>
    <name>ravelbook::SyncConflictsDialog</name>
    <message>
        <source>No server is asked while conflicts are resolved.</source>
        <translation>Aucun serveur n&apos;est interrogé pendant la résolution des conflits.</translation>
    </message>
    <message>
        <source>group %1</source>
        <translation>groupe %1</translation>
    </message>
    <message>
        <source>Sync Conflicts</source>
        <translation>Conflits de synchronisation</translation>
    </message>
    <message>
        <source>These records were changed both in the book and on the server. Choose which version stays; the next sync brings the other side in step.</source>
        <translation>Ces fiches ont été modifiées à la fois dans le carnet et sur le serveur. Choisissez la version à garder ; la prochaine synchronisation mettra l&apos;autre côté à jour.</translation>
    </message>
    <message>
        <source>In the book</source>
        <translation>Dans le carnet</translation>
    </message>
    <message>
        <source>On the server</source>
        <translation>Sur le serveur</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Groupes</translation>
    </message>
    <message>
        <source>Keep the &amp;book&apos;s version</source>
        <translation>Garder la version du &amp;carnet</translation>
    </message>
    <message>
        <source>Keep the &amp;server&apos;s version</source>
        <translation>Garder la version du &amp;serveur</translation>
    </message>
    <message>
        <source>(deleted)</source>
        <translation>(supprimée)</translation>
    </message>
    <message>
        <source>Records in conflict</source>
        <translation>Fiches en conflit</translation>
    </message>
    <message>
        <source>Both versions</source>
        <translation>Les deux versions</translation>
    </message>
</context>
<context>
    <name>ravelbook::SystemPrintDestination</name>
    <message>
        <source>No printer is installed: save the pages as a PDF file</source>
        <translation>Aucune imprimante n&apos;est installée : enregistrez les pages en fichier PDF</translation>
    </message>
</context>
<context>
    <name>ravelbook::frmMailForm</name>
    <message>
        <source>Your last changes could not be saved. %1

Keep the window open to try again? (No closes it and loses them.)</source>
        <translation>Vos dernières modifications n&apos;ont pas pu être enregistrées. %1

Garder la fenêtre ouverte pour réessayer ? (Non la ferme et les perd.)</translation>
    </message>
    <message>
        <source>Ed&amp;it</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>&amp;Rechercher…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;About Ravelbook</source>
        <translation>À &amp;propos de Ravelbook</translation>
    </message>
    <message>
        <source>Ravelbook %1

Keeps an address book and prints it onto labels, envelopes, cards and fliers.

Address book: %2</source>
        <translation>Ravelbook %1

Tient un carnet d&apos;adresses et l&apos;imprime sur étiquettes, enveloppes, cartes et prospectus.

Carnet d&apos;adresses : %2</translation>
    </message>
    <message>
        <source>About Ravelbook</source>
        <translation>À propos de Ravelbook</translation>
    </message>
    <message>
        <source>Find a name (%1)</source>
        <translation>Rechercher un nom (%1)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Noms</translation>
    </message>
    <message>
        <source>Mailings</source>
        <translation>Publipostage</translation>
    </message>
    <message>
        <source>Return Address</source>
        <translation>Adresse d&apos;expéditeur</translation>
    </message>
    <message>
        <source>Enter a new title for this category</source>
        <translation>Saisissez un nouveau titre pour ce groupe</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>&amp;Aperçu avant impression…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>Im&amp;primer…</translation>
    </message>
    <message>
        <source>&amp;Calibrate Printer…</source>
        <translation>É&amp;talonner l&apos;imprimante…</translation>
    </message>
    <message>
        <source>New S&amp;tationery…</source>
        <translation>Nouveau s&amp;upport…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualiser</translation>
    </message>
    <message>
        <source>Found names</source>
        <translation>Noms trouvés</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
</context>
</TS>
