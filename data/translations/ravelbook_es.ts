<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AccessFile</name>
    <message>
        <source>the file is damaged (its reader sent no %1)</source>
        <translation>el archivo está dañado (su lector no envió %1)</translation>
    </message>
    <message>
        <source>table list</source>
        <translation>la lista de tablas</translation>
    </message>
    <message>
        <source>columns for table &quot;%1&quot;</source>
        <translation>las columnas de la tabla «%1»</translation>
    </message>
</context>
<context>
    <name>AccessStream</name>
    <message>
        <source>The Access file &quot;%1&quot; can&apos;t be read: %2.</source>
        <translation>No se puede leer el archivo de Access «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>AddressBookSync</name>
    <message>
        <source>Came in: %1 new, %2 changed.
Went out: %3 new, %4 changed.
Deleted: %5 in the book, %6 on the server.
</source>
        <translation>Recibidos: %1 nuevos, %2 modificados.
Enviados: %3 nuevos, %4 modificados.
Eliminados: %5 en la libreta, %6 en el servidor.
</translation>
    </message>
    <message>
        <source>Conflict: &quot;%1&quot; changed in the book and on the server; neither was written.
</source>
        <translation>Conflicto: «%1» se modificó en la libreta y en el servidor; no se escribió ninguna de las dos versiones.
</translation>
    </message>
    <message>
        <source>Refused: %1
</source>
        <translation>Rechazado: %1
</translation>
    </message>
    <message>
        <source>Cancelled: the next sync goes on from here.
</source>
        <translation>Cancelado: la próxima sincronización continuará desde aquí.
</translation>
    </message>
    <message>
        <source> The book is linked; the next sync finishes linking it.</source>
        <translation> La libreta está vinculada; la próxima sincronización terminará de vincularla.</translation>
    </message>
    <message>
        <source>The book is not linked to an online address book.</source>
        <translation>La libreta no está vinculada a ninguna libreta de direcciones en línea.</translation>
    </message>
    <message>
        <source>Asking the server what changed</source>
        <translation>Consultando al servidor qué ha cambiado</translation>
    </message>
    <message>
        <source>Fetching cards</source>
        <translation>Obteniendo tarjetas</translation>
    </message>
    <message>
        <source>%1: the server&apos;s card holds no vCard</source>
        <translation>%1: la tarjeta del servidor no contiene ninguna vCard</translation>
    </message>
    <message>
        <source>Sending changes</source>
        <translation>Enviando cambios</translation>
    </message>
    <message>
        <source>%1: changed on the server meanwhile, so it was not deleted there</source>
        <translation>%1: entretanto se modificó en el servidor, por lo que no se eliminó allí</translation>
    </message>
    <message>
        <source>%1: changed on the server meanwhile, so the book&apos;s change was not written</source>
        <translation>%1: entretanto se modificó en el servidor, por lo que no se escribió el cambio de la libreta</translation>
    </message>
    <message>
        <source>Sending new records</source>
        <translation>Enviando registros nuevos</translation>
    </message>
    <message>
        <source>There is no conflict of that card to resolve.</source>
        <translation>No hay ningún conflicto de esa tarjeta que resolver.</translation>
    </message>
</context>
<context>
    <name>AddressList</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Address list</source>
        <translation>Lista de direcciones</translation>
    </message>
    <message>
        <source>Address list: %1</source>
        <translation>Lista de direcciones: %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Printed on paper: the column headings of the address list</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
</context>
<context>
    <name>BookAddresses</name>
    <message>
        <source>The addresses could not be read: %1.</source>
        <translation>No se pudieron leer las direcciones: %1.</translation>
    </message>
</context>
<context>
    <name>BookFile</name>
    <message>
        <source>it is not a Ravelbook address book (%1)</source>
        <translation>no es una libreta de direcciones de Ravelbook (%1)</translation>
    </message>
    <message>
        <source>The address book &quot;%1&quot; can&apos;t be opened: %2.</source>
        <translation>No se puede abrir la libreta de direcciones «%1»: %2.</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>it is not readable</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>it is an empty file, with no address book in it</source>
        <translation>es un archivo vacío, sin ninguna libreta de direcciones</translation>
    </message>
    <message>
        <source>the file is damaged (it is shorter than it should be)</source>
        <translation>el archivo está dañado (es más corto de lo que debería)</translation>
    </message>
    <message>
        <source>its folder can&apos;t be created</source>
        <translation>no se puede crear su carpeta</translation>
    </message>
    <message>
        <source>a file of that name is already there</source>
        <translation>ya existe un archivo con ese nombre</translation>
    </message>
</context>
<context>
    <name>BookLink</name>
    <message>
        <source>The book is linked to an online address book already (%1): unlink it first.</source>
        <translation>La libreta ya está vinculada a una libreta de direcciones en línea (%1): desvincúlela primero.</translation>
    </message>
    <message>
        <source>A record from the online address book was not added.</source>
        <translation>No se añadió un registro de la libreta de direcciones en línea.</translation>
    </message>
</context>
<context>
    <name>BookOpening</name>
    <message>
        <source>Server Password</source>
        <translation>Contraseña del servidor</translation>
    </message>
</context>
<context>
    <name>BulkInsert</name>
    <message>
        <source>The address book could not do this: %1.</source>
        <translation>La libreta de direcciones no pudo hacer esto: %1.</translation>
    </message>
</context>
<context>
    <name>CalibrationSheet</name>
    <message>
        <source>Calibration sheet: %1</source>
        <extracomment>Printed on paper, the heading of the calibration sheet</extracomment>
        <translation>Hoja de calibración: %1</translation>
    </message>
    <message>
        <source>Hold this sheet against the stationery in front of a light and</source>
        <extracomment>Printed on paper; the five lines of the calibration sheet&apos;s instructions.</extracomment>
        <translation>Ponga esta hoja sobre la papelería delante de una luz e</translation>
    </message>
    <message>
        <source>enter how far the printed outlines are off its edges under File:</source>
        <translation>indique en Archivo: Calibrar impresora cuánto se desvían los contornos</translation>
    </message>
    <message>
        <source>Calibrate Printer (right and down count positive), on top of the</source>
        <translation>impresos de sus bordes (a la derecha y hacia abajo en positivo), además</translation>
    </message>
    <message>
        <source>offsets it was printed with: %1 in right, %2 in down.</source>
        <translation>de los desplazamientos de esta impresión: %1 pulg. a la derecha, %2 pulg. abajo.</translation>
    </message>
    <message>
        <source>Ruler: 1/16 in ticks, inches counted from the paper&apos;s edge.</source>
        <translation>Regla: marcas de 1/16 pulg., pulgadas contadas desde el borde del papel.</translation>
    </message>
</context>
<context>
    <name>CardDavClient</name>
    <message>
        <source>The server %1 refused the user name or password.</source>
        <translation>El servidor %1 rechazó el nombre de usuario o la contraseña.</translation>
    </message>
    <message>
        <source>The server %1 refused access to %2.</source>
        <translation>El servidor %1 denegó el acceso a %2.</translation>
    </message>
    <message>
        <source>The server %1 has nothing at %2.</source>
        <translation>El servidor %1 no tiene nada en %2.</translation>
    </message>
    <message>
        <source>The server %1 refused the change: it conflicts with what it holds (another card with the same UID?).</source>
        <translation>El servidor %1 rechazó el cambio: entra en conflicto con lo que contiene (¿otra tarjeta con el mismo UID?).</translation>
    </message>
    <message>
        <source>The server %1 answered with an error (%2).</source>
        <translation>El servidor %1 respondió con un error (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the address of a server.</source>
        <translation>«%1» no es la dirección de un servidor.</translation>
    </message>
    <message>
        <source>The server %1 shows no address books at %2.</source>
        <translation>El servidor %1 no muestra ninguna libreta de direcciones en %2.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: %2
See &quot;%1 --help&quot;.
</source>
        <translation>%1: %2
Consulte «%1 --help».
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
        <translation>Uso: ravelbook [--database BOOK | FILE]
     ravelbook --version
     ravelbook print --help
     ravelbook import --help
     ravelbook export --help
     ravelbook copy --help
     ravelbook stationery --help
     ravelbook link|unlink|sync --help

Mantiene una libreta de direcciones y la imprime en etiquetas, sobres, tarjetas
y folletos.

  --database BOOK  abrir esta libreta de direcciones en lugar de la
                   predeterminada (%1): un archivo, o la de un
                   servidor, postgresql://user@host:port/dbname; si el archivo
                   no existe, se le pregunta antes de crear allí una libreta
  --version        mostrar la versión
  --help           mostrar este texto

«ravelbook print» imprime grupos de la libreta de direcciones sin la ventana;
«ravelbook import» y «ravelbook export» importan y exportan registros;
«ravelbook copy» copia una libreta entera en otra;
«ravelbook stationery» enumera la papelería en la que puede imprimir;
«ravelbook link» y «ravelbook sync» la sincronizan con una libreta de
direcciones en línea.
</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no command and no file; did you mean &quot;ravelbook %2&quot;?</source>
        <translation>«%1» no es ninguna orden ni ningún archivo; ¿quiso decir «ravelbook %2»?</translation>
    </message>
</context>
<context>
    <name>CommandOptions</name>
    <message>
        <source>a file name</source>
        <translation>un nombre de archivo</translation>
    </message>
    <message>
        <source>unknown argument &quot;%1&quot;</source>
        <translation>argumento desconocido «%1»</translation>
    </message>
    <message>
        <source>--%1 needs %2</source>
        <translation>--%1 necesita %2</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 necesita %2</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 no admite ningún valor</translation>
    </message>
    <message>
        <source>a value</source>
        <translation>un valor</translation>
    </message>
    <message>
        <source>a book</source>
        <translation>una libreta</translation>
    </message>
    <message>
        <source>a user name</source>
        <translation>un nombre de usuario</translation>
    </message>
    <message>
        <source>a name</source>
        <translation>un nombre</translation>
    </message>
    <message>
        <source>a printer name</source>
        <translation>un nombre de impresora</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>un texto</translation>
    </message>
</context>
<context>
    <name>ConflictResolution</name>
    <message>
        <source>Changed by Someone Else</source>
        <translation>Modificado por otra persona</translation>
    </message>
    <message>
        <source>%1 (differs from yours)</source>
        <translation>%1 (distinto del suyo)</translation>
    </message>
    <message>
        <source>group %1</source>
        <translation>grupo %1</translation>
    </message>
    <message>
        <source>Groups: %1</source>
        <translation>Grupos: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>%1

Show the other version?</source>
        <translation>%1

¿Mostrar la otra versión?</translation>
    </message>
    <message>
        <source>The record as it is saved now:

%1

Save your changes over it? (No keeps them in the boxes, unsaved.)</source>
        <translation>El registro tal como está guardado ahora:

%1

¿Guardar sus cambios sobre él? (No los conserva en los campos, sin guardar.)</translation>
    </message>
</context>
<context>
    <name>CopyCommand</name>
    <message>
        <source>Nothing was copied: %1.</source>
        <translation>No se copió nada: %1.</translation>
    </message>
    <message>
        <source>No table &quot;%1&quot;.</source>
        <translation>No existe la tabla «%1».</translation>
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
        <translation>Uso: ravelbook copy --from BOOK --to BOOK [--append]
Copia una libreta de direcciones entera en otra: registros, direcciones de
remitente y ajuste vertical. BOOK es un archivo o la URI de un servidor
(postgresql://user@host:port/dbname). Un archivo inexistente o una base de datos
vacía del servidor se convierten en una libreta. La copia se escribe en una sola
transacción: toda o nada.

  --from BOOK  la libreta que se copia
  --to BOOK    la libreta que se escribe; aún no debe tener registros, salvo
               con --append
  --append     añadir los registros a los que ya tiene la libreta de destino
</translation>
    </message>
    <message>
        <source>both --from and --to are needed</source>
        <translation>se necesitan --from y --to</translation>
    </message>
    <message>
        <source>A book can&apos;t be copied into itself.</source>
        <translation>No se puede copiar una libreta en sí misma.</translation>
    </message>
    <message>
        <source>The book &quot;%1&quot; already holds %2 records; nothing was copied. Give --append to add to them.</source>
        <translation>La libreta «%1» ya contiene %2 registros; no se copió nada. Indique --append para añadirlos.</translation>
    </message>
    <message>
        <source>Copied %1 and %2 from %3 to %4.</source>
        <translation>Se copiaron %1 y %2 de %3 a %4.</translation>
    </message>
    <message>
        <source>%1 record</source>
        <translation>%1 registro</translation>
    </message>
    <message>
        <source>%1 records</source>
        <translation>%1 registros</translation>
    </message>
    <message>
        <source>%1 return address</source>
        <translation>%1 dirección de remitente</translation>
    </message>
    <message>
        <source>%1 return addresses</source>
        <translation>%1 direcciones de remitente</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>row %1 is inside an unclosed quote</source>
        <translation>la fila %1 está dentro de unas comillas sin cerrar</translation>
    </message>
    <message>
        <source>rows %1 to %2 are inside an unclosed quote</source>
        <translation>las filas %1 a %2 están dentro de unas comillas sin cerrar</translation>
    </message>
</context>
<context>
    <name>CurrentRecord</name>
    <message>
        <source>the new address</source>
        <translation>la nueva dirección</translation>
    </message>
    <message>
        <source>this record</source>
        <translation>este registro</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <translation>¿Guardar los cambios en %1?</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The address book on the server &quot;%1&quot; can&apos;t be opened: %2.</source>
        <translation>No se puede abrir la libreta de direcciones del servidor «%1»: %2.</translation>
    </message>
    <message>
        <source>%1
Details: %2</source>
        <translation>%1
Detalles: %2</translation>
    </message>
    <message>
        <source>The server book &quot;%1&quot; can&apos;t be reached: the server is not running or refused the connection.</source>
        <translation>No se puede acceder a la libreta del servidor «%1»: el servidor no está en marcha o rechazó la conexión.</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>no existe ese archivo</translation>
    </message>
    <message>
        <source>the server asks for the password of &quot;%1&quot;. Give it in ~/.pgpass, PGPASSWORD or a service file; Ravelbook never takes it on the command line</source>
        <translation>el servidor pide la contraseña de «%1». Indíquela en ~/.pgpass, PGPASSWORD o un archivo de servicio; Ravelbook nunca la acepta en la línea de órdenes</translation>
    </message>
    <message>
        <source>The server of &quot;%1&quot; asks for the password of &quot;%2&quot;:</source>
        <translation>El servidor de «%1» pide la contraseña de «%2»:</translation>
    </message>
    <message>
        <source>The server did not accept that password (%1). The password of &quot;%2&quot; on &quot;%3&quot;:</source>
        <translation>El servidor no aceptó esa contraseña (%1). La contraseña de «%2» en «%3»:</translation>
    </message>
    <message>
        <source>no password was given</source>
        <translation>no se indicó ninguna contraseña</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; holds no address book yet. Make it a new address book?</source>
        <translation>La base de datos «%1» aún no contiene ninguna libreta de direcciones. ¿Convertirla en una libreta de direcciones nueva?</translation>
    </message>
    <message>
        <source>the database holds no address book</source>
        <translation>la base de datos no contiene ninguna libreta de direcciones</translation>
    </message>
    <message>
        <source>the new book could not be made (%1)</source>
        <translation>no se pudo crear la libreta nueva (%1)</translation>
    </message>
    <message>
        <source>The address book &quot;%1&quot; is damaged (%2): restore it from a backup copy. Until then Ravelbook writes nothing more to it.</source>
        <translation>La libreta de direcciones «%1» está dañada (%2): restáurela desde una copia de seguridad. Hasta entonces, Ravelbook no escribirá nada más en ella.</translation>
    </message>
    <message>
        <source>The server book &quot;%1&quot; gave no answer in %2 seconds: the server may be stopped or out of reach. Ravelbook stopped waiting; try again in a moment.</source>
        <translation>La libreta del servidor «%1» no respondió en %2 segundos: puede que el servidor esté detenido o fuera de alcance. Ravelbook dejó de esperar; inténtelo de nuevo en un momento.</translation>
    </message>
    <message>
        <source>Nothing was written: the address book &quot;%1&quot; is damaged (%2). Restore the file from a backup copy.</source>
        <translation>No se escribió nada: la libreta de direcciones «%1» está dañada (%2). Restaure el archivo desde una copia de seguridad.</translation>
    </message>
    <message>
        <source>Nothing was written to the address book &quot;%1&quot;: it was given here for reading only.</source>
        <translation>No se escribió nada en la libreta de direcciones «%1»: se indicó aquí solo para lectura.</translation>
    </message>
    <message>
        <source>The address book refused a statement: %1.</source>
        <translation>La libreta de direcciones rechazó una instrucción: %1.</translation>
    </message>
    <message>
        <source>The address book could not do this: %1.</source>
        <translation>La libreta de direcciones no pudo hacer esto: %1.</translation>
    </message>
    <message>
        <source>The address book has no table &quot;%1&quot;.</source>
        <translation>La libreta de direcciones no tiene ninguna tabla «%1».</translation>
    </message>
    <message>
        <source>The address book &quot;%1&quot; is missing.</source>
        <translation>Falta la libreta de direcciones «%1».</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>There is no address book at %1. Create a new one?</source>
        <translation>No hay ninguna libreta de direcciones en %1. ¿Crear una nueva?</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>el nombre es demasiado largo</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>su carpeta no existe</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>el disco es de solo lectura</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>the disk could not be written (input/output error)</source>
        <translation>no se pudo escribir en el disco (error de entrada/salida)</translation>
    </message>
</context>
<context>
    <name>ExchangeCommand</name>
    <message>
        <source>no record could be read.</source>
        <translation>no se pudo leer ningún registro.</translation>
    </message>
    <message>
        <source>%1 is already in the book</source>
        <translation>%1 ya está en la libreta</translation>
    </message>
    <message>
        <source>%1 are already in the book</source>
        <translation>%1 ya están en la libreta</translation>
    </message>
    <message>
        <source>%1 has no name</source>
        <translation>%1 no tiene nombre</translation>
    </message>
    <message>
        <source>%1 have no name</source>
        <translation>%1 no tienen nombre</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 está vacía</translation>
    </message>
    <message>
        <source>%1 are empty</source>
        <translation>%1 están vacías</translation>
    </message>
    <message>
        <source>of the file&apos;s %1 row, %2.</source>
        <translation>de %1 fila del archivo, %2.</translation>
    </message>
    <message>
        <source>of the file&apos;s %1 rows, %2.</source>
        <translation>de las %1 filas del archivo, %2.</translation>
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
        <translation>Uso: ravelbook import [--database BOOK] [--format csv|vcard|mdb] [--table NAME]
                      [--map HEADING=FIELD]... [--dry-run] FILE

Añade a la libreta de direcciones los registros de un archivo CSV, vCard o
Access, en un solo paso: todos o, si algo falla, ninguno. Los registros que ya
están en la libreta (mismo nombre y dirección) se omiten; los grupos se asignan
por su título.

  --database BOOK la libreta de direcciones: un archivo, o la URI de un servidor
  --format KIND   csv, vcard o mdb; de forma predeterminada, según el nombre
                  del archivo
  --table NAME    la tabla de un archivo de Access que no es una libreta de
                  Ravelbook
  --map HEADING=FIELD
                  la columna con ese encabezado va a FIELD (puede repetirse;
                  las demás columnas van adonde indiquen sus encabezados):
%1  --dry-run       mostrar qué se importaría, sin escribir nada
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
        <translation>Uso: ravelbook export [--database BOOK] [--group G]... --format csv|vcard
                      [--output FILE]

Escribe la libreta de direcciones, o los registros de los grupos elegidos, como
CSV (una columna por grupo, -1 para un miembro) o como vCard 3.0 (grupos como
CATEGORIES).

  --database BOOK la libreta de direcciones: un archivo, o la URI de un servidor
  --group G       una columna de grupo de 0 a 17, o un título de grupo; puede
                  repetirse
  --format KIND   csv o vcard
  --output FILE   escribir en este archivo (que se reemplaza solo cuando todo
                  está escrito); la salida estándar si se omite o se indica -
</translation>
    </message>
    <message>
        <source>--map takes HEADING=FIELD, FIELD one of: %1</source>
        <translation>--map admite HEADING=FIELD, con FIELD uno de: %1</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;</source>
        <translation>formato desconocido «%1»</translation>
    </message>
    <message>
        <source>only one file can be imported at a time</source>
        <translation>solo se puede importar un archivo a la vez</translation>
    </message>
    <message>
        <source>the file to import is missing</source>
        <translation>falta el archivo que importar</translation>
    </message>
    <message>
        <source>--format is missing</source>
        <translation>falta --format</translation>
    </message>
    <message>
        <source>Can&apos;t tell what kind of file &quot;%1&quot; is; give --format.</source>
        <translation>No se sabe qué tipo de archivo es «%1»; indique --format.</translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>No se importó nada: %1</translation>
    </message>
    <message>
        <source>Dry run: nothing was written.</source>
        <translation>Simulación: no se escribió nada.</translation>
    </message>
    <message>
        <source>Imported %1 record.</source>
        <translation>Se importó %1 registro.</translation>
    </message>
    <message>
        <source>Imported %1 records.</source>
        <translation>Se importaron %1 registros.</translation>
    </message>
    <message>
        <source>Nothing was imported: the records came into the book from elsewhere while the file was read.</source>
        <translation>No se importó nada: entraron registros en la libreta desde otro lugar mientras se leía el archivo.</translation>
    </message>
    <message>
        <source>Exported %1 record to %2.</source>
        <translation>Se exportó %1 registro a %2.</translation>
    </message>
    <message>
        <source>Exported %1 records to %2.</source>
        <translation>Se exportaron %1 registros a %2.</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>The export could not be written to &quot;%1&quot;: %2.</source>
        <translation>No se pudo escribir la exportación en «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>GridColumns</name>
    <message>
        <source>Name</source>
        <extracomment>A column heading of the grid on page Mailings</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>City State Zip</source>
        <translation>Ciudad, Prov., CP</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
</context>
<context>
    <name>GroupNames</name>
    <message>
        <source>There is no group %1; groups are 0 to %2.</source>
        <translation>No existe el grupo %1; los grupos van del 0 al %2.</translation>
    </message>
    <message>
        <source>There is no group titled &quot;%1&quot;.</source>
        <translation>No hay ningún grupo con el título «%1».</translation>
    </message>
</context>
<context>
    <name>GroupTitles</name>
    <message>
        <source>Personal</source>
        <translation>Personal</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Trabajo</translation>
    </message>
</context>
<context>
    <name>HttpTransport</name>
    <message>
        <source>The certificate of %1 is not trusted (SHA-256 %2).</source>
        <translation>El certificado de %1 no es de confianza (SHA-256 %2).</translation>
    </message>
    <message>
        <source>The server %1 did not answer within %2 s.</source>
        <translation>El servidor %1 no respondió en %2 s.</translation>
    </message>
    <message>
        <source>The server %1 sent more than %2 MB, which is refused.</source>
        <translation>El servidor %1 envió más de %2 MB, lo cual se rechaza.</translation>
    </message>
    <message>
        <source>The server %1 could not be reached.</source>
        <translation>No se pudo contactar con el servidor %1.</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>The book&apos;s vertical adjustment of %1 twips would put labels off the printable area; it is left out.</source>
        <translation>El ajuste vertical de la libreta, de %1 twips, dejaría las etiquetas fuera del área imprimible; se omite.</translation>
    </message>
    <message>
        <source>line %1: %2 values more than the %3 headings; the extra ones are left out</source>
        <translation>línea %1: %2 valores más que los %3 encabezados; los sobrantes se omiten</translation>
    </message>
    <message>
        <source>line %1: %2 &quot;%3&quot; is longer than its box (%4 of %5 characters); it is kept whole</source>
        <translation>línea %1: %2 «%3» es más largo que su campo (%4 de %5 caracteres); se conserva entero</translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>No se importó nada: %1</translation>
    </message>
    <message>
        <source>Nothing was imported: record %1 was refused. %2</source>
        <translation>No se importó nada: se rechazó el registro %1. %2</translation>
    </message>
    <message>
        <source>%1 record</source>
        <translation>%1 registro</translation>
    </message>
    <message>
        <source>%1 records</source>
        <translation>%1 registros</translation>
    </message>
    <message>
        <source>%1 to add, %2 skipped as already in the book, %3.</source>
        <translation>%1 que añadir, %2 omitidos por estar ya en la libreta, %3.</translation>
    </message>
    <message>
        <source>%1 warning</source>
        <translation>%1 advertencia</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1 advertencias</translation>
    </message>
    <message>
        <source>%1 empty row left out.</source>
        <translation>Se omitió %1 fila vacía.</translation>
    </message>
    <message>
        <source>%1 empty rows left out.</source>
        <translation>Se omitieron %1 filas vacías.</translation>
    </message>
    <message>
        <source>%1 row had no name (nor an organization) and was left out.</source>
        <translation>%1 fila no tenía nombre (ni organización) y se omitió.</translation>
    </message>
    <message>
        <source>%1 rows had no name (nor an organization) and were left out.</source>
        <translation>%1 filas no tenían nombre (ni organización) y se omitieron.</translation>
    </message>
    <message>
        <source>%1 return address</source>
        <translation>%1 dirección de remitente</translation>
    </message>
    <message>
        <source>%1 return addresses</source>
        <translation>%1 direcciones de remitente</translation>
    </message>
    <message>
        <source>%1 and the vertical adjustment come in as well.</source>
        <translation>También se importan %1 y el ajuste vertical.</translation>
    </message>
    <message>
        <source>%1 come in as well.</source>
        <translation>También se importan %1.</translation>
    </message>
    <message>
        <source>Group &quot;%1&quot; (%2) goes to group column %3, which takes its title.</source>
        <translation>El grupo «%1» (%2) va a la columna de grupo %3, que toma su título.</translation>
    </message>
    <message>
        <source>Group &quot;%1&quot; (%2) matches no group title and is not kept.</source>
        <translation>El grupo «%1» (%2) no coincide con ningún título de grupo y no se conserva.</translation>
    </message>
    <message>
        <source>Not kept, as no field takes them: %1.</source>
        <translation>No se conservan, porque ningún campo los admite: %1.</translation>
    </message>
    <message>
        <source>Not kept, as another column fills the same field: %1.</source>
        <translation>No se conservan, porque otra columna rellena el mismo campo: %1.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... y %1 más.</translation>
    </message>
</context>
<context>
    <name>IniSettingsStore</name>
    <message>
        <source>The settings file &quot;%1&quot; could not be saved: %2.</source>
        <translation>No se pudo guardar el archivo de configuración «%1»: %2.</translation>
    </message>
    <message>
        <source>its folder can&apos;t be created</source>
        <translation>no se puede crear su carpeta</translation>
    </message>
</context>
<context>
    <name>Layouts</name>
    <message>
        <source>From:</source>
        <extracomment>Printed on paper above the return address</extracomment>
        <translation>De:</translation>
    </message>
    <message>
        <source>From: </source>
        <extracomment>Printed on paper before the return address</extracomment>
        <translation>De: </translation>
    </message>
</context>
<context>
    <name>MailingRun</name>
    <message>
        <source>%1 label</source>
        <translation>%1 etiqueta</translation>
    </message>
    <message>
        <source>%1 labels</source>
        <translation>%1 etiquetas</translation>
    </message>
    <message>
        <source>%1 envelope</source>
        <translation>%1 sobre</translation>
    </message>
    <message>
        <source>%1 envelopes</source>
        <translation>%1 sobres</translation>
    </message>
    <message>
        <source>%1 card</source>
        <translation>%1 tarjeta</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 tarjetas</translation>
    </message>
    <message>
        <source>%1 flier</source>
        <translation>%1 folleto</translation>
    </message>
    <message>
        <source>%1 fliers</source>
        <translation>%1 folletos</translation>
    </message>
    <message>
        <source>%1 address</source>
        <translation>%1 dirección</translation>
    </message>
    <message>
        <source>%1 addresses</source>
        <translation>%1 direcciones</translation>
    </message>
    <message>
        <source>%1 sheet</source>
        <translation>%1 hoja</translation>
    </message>
    <message>
        <source>%1 sheets</source>
        <translation>%1 hojas</translation>
    </message>
    <message>
        <source>%1 page</source>
        <translation>%1 página</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 páginas</translation>
    </message>
    <message>
        <source>%1 holds the %2 drawn before the cancel</source>
        <translation>%1 contiene lo generado antes de cancelar (%2)</translation>
    </message>
    <message>
        <source>%2 went to %1</source>
        <translation>se enviaron a %1 (%2)</translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2: </source>
        <translation>Cancelado tras %1 de %2: </translation>
    </message>
    <message>
        <source>Printed %1 on %2 to %3.</source>
        <translation>Impreso en %3: %1 en %2.</translation>
    </message>
    <message>
        <source>Printed %1 on %2</source>
        <translation>Impreso: %1 en %2</translation>
    </message>
    <message>
        <source>%1 item</source>
        <translation>%1 elemento</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 elementos</translation>
    </message>
    <message>
        <source> in %1 print job</source>
        <translation> en %1 trabajo de impresión</translation>
    </message>
    <message>
        <source> in %1 print jobs</source>
        <translation> en %1 trabajos de impresión</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>there is no display to show the window on (DISPLAY is not set)</source>
        <translation>no hay ninguna pantalla en la que mostrar la ventana (DISPLAY no está definida)</translation>
    </message>
</context>
<context>
    <name>Mapping</name>
    <message>
        <source>Name: first name</source>
        <translation>Nombre: nombre de pila</translation>
    </message>
    <message>
        <source>Name: middle name</source>
        <translation>Nombre: segundo nombre</translation>
    </message>
    <message>
        <source>Name: last name</source>
        <translation>Nombre: apellido</translation>
    </message>
    <message>
        <source>Name, else Contact: organization</source>
        <translation>Nombre, si no Contacto: organización</translation>
    </message>
    <message>
        <source>Address: second line</source>
        <translation>Dirección: segunda línea</translation>
    </message>
    <message>
        <source>City State Zip: city</source>
        <translation>Ciudad Provincia CP: ciudad</translation>
    </message>
    <message>
        <source>City State Zip: state</source>
        <translation>Ciudad Provincia CP: provincia</translation>
    </message>
    <message>
        <source>City State Zip: zip</source>
        <translation>Ciudad Provincia CP: código postal</translation>
    </message>
    <message>
        <source>Phone: home</source>
        <translation>Teléfono: particular</translation>
    </message>
    <message>
        <source>Phone: mobile</source>
        <translation>Teléfono: móvil</translation>
    </message>
    <message>
        <source>Phone: business</source>
        <translation>Teléfono: trabajo</translation>
    </message>
    <message>
        <source>Phone: other</source>
        <translation>Teléfono: otro</translation>
    </message>
    <message>
        <source>Address, when no other: business street</source>
        <translation>Dirección, si no hay otra: calle del trabajo</translation>
    </message>
    <message>
        <source>Address, when no other: business street, second line</source>
        <translation>Dirección, si no hay otra: calle del trabajo, segunda línea</translation>
    </message>
    <message>
        <source>City State Zip, when no other: business city</source>
        <translation>Ciudad Provincia CP, si no hay otra: ciudad del trabajo</translation>
    </message>
    <message>
        <source>City State Zip, when no other: business state</source>
        <translation>Ciudad Provincia CP, si no hay otra: provincia del trabajo</translation>
    </message>
    <message>
        <source>City State Zip, when no other: business zip</source>
        <translation>Ciudad Provincia CP, si no hay otra: código postal del trabajo</translation>
    </message>
    <message>
        <source>Country, when no other: business country</source>
        <translation>País, si no hay otro: país del trabajo</translation>
    </message>
    <message>
        <source>Groups by title</source>
        <translation>Grupos por título</translation>
    </message>
    <message>
        <source>Groups by title, one a line</source>
        <translation>Grupos por título, uno por línea</translation>
    </message>
    <message>
        <source>Group titled by the heading (yes/no)</source>
        <translation>Grupo con el título del encabezado (sí/no)</translation>
    </message>
    <message>
        <source>Groups by column number</source>
        <translation>Grupos por número de columna</translation>
    </message>
    <message>
        <source>(not imported)</source>
        <translation>(no se importa)</translation>
    </message>
    <message>
        <source>Group %1 &quot;%2&quot; (yes/no)</source>
        <translation>Grupo %1 «%2» (sí/no)</translation>
    </message>
    <message>
        <source>The file has no column &quot;%1&quot;; its columns are: %2.</source>
        <translation>El archivo no tiene ninguna columna «%1»; sus columnas son: %2.</translation>
    </message>
</context>
<context>
    <name>MdbFile</name>
    <message>
        <source>it is an Access 2007 or later file (.accdb); save it as an Access 2000 or 2002-2003 .mdb first</source>
        <translation>es un archivo de Access 2007 o posterior (.accdb); guárdelo antes como .mdb de Access 2000 o 2002-2003</translation>
    </message>
    <message>
        <source>it is not an Access database</source>
        <translation>no es una base de datos de Access</translation>
    </message>
    <message>
        <source>its Access version (%1) is not Jet 3 or Jet 4</source>
        <translation>su versión de Access (%1) no es Jet 3 ni Jet 4</translation>
    </message>
    <message>
        <source>the file is damaged (it is not a whole number of pages)</source>
        <translation>el archivo está dañado (no tiene un número entero de páginas)</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>no existe ese archivo</translation>
    </message>
    <message>
        <source>the file is damaged or encrypted</source>
        <translation>el archivo está dañado o cifrado</translation>
    </message>
    <message>
        <source>its table list can&apos;t be read (the file is damaged or encrypted)</source>
        <translation>no se puede leer su lista de tablas (el archivo está dañado o cifrado)</translation>
    </message>
    <message>
        <source>its table &quot;%1&quot; can&apos;t be read</source>
        <translation>no se puede leer su tabla «%1»</translation>
    </message>
    <message>
        <source>the columns of table &quot;%1&quot; can&apos;t be read</source>
        <translation>no se pueden leer las columnas de la tabla «%1»</translation>
    </message>
</context>
<context>
    <name>MdbReader</name>
    <message>
        <source>Reads an Access file for Ravelbook.</source>
        <translation>Lee un archivo de Access para Ravelbook.</translation>
    </message>
    <message>
        <source>The columns of table &lt;table&gt;.</source>
        <translation>Las columnas de la tabla &lt;table&gt;.</translation>
    </message>
    <message>
        <source>The columns and rows of table &lt;table&gt;.</source>
        <translation>Las columnas y filas de la tabla &lt;table&gt;.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>archivo</translation>
    </message>
    <message>
        <source>The Access file.</source>
        <translation>El archivo de Access.</translation>
    </message>
</context>
<context>
    <name>MultiStatus</name>
    <message>
        <source>the answer is not a WebDAV multistatus</source>
        <translation>la respuesta no es un multistatus de WebDAV</translation>
    </message>
    <message>
        <source>The server %1 sent an answer that could not be read.</source>
        <translation>El servidor %1 envió una respuesta que no se pudo leer.</translation>
    </message>
</context>
<context>
    <name>NativeInsert</name>
    <message>
        <source>The address book could not do this: %1.</source>
        <translation>La libreta de direcciones no pudo hacer esto: %1.</translation>
    </message>
</context>
<context>
    <name>OnlineCommand</name>
    <message>
        <source>the address book&apos;s URL is needed</source>
        <translation>se necesita la URL de la libreta de direcciones</translation>
    </message>
    <message>
        <source>no password for %1 at %2: put it in ~/.netrc (machine %2 login %1 password ...) or the keyring</source>
        <translation>no hay contraseña para %1 en %2: póngala en ~/.netrc (machine %2 login %1 password ...) o en el depósito de claves</translation>
    </message>
    <message>
        <source>no user name: give --user NAME</source>
        <translation>no hay nombre de usuario: indique --user NAME</translation>
    </message>
    <message>
        <source>%1 has several address books; give the URL of the one to link:</source>
        <translation>%1 tiene varias libretas de direcciones; indique la URL de la que quiere vincular:</translation>
    </message>
    <message>
        <source>Linked %1 to %2.</source>
        <translation>Se vinculó %1 a %2.</translation>
    </message>
    <message>
        <source>the book %1 is not linked to an online address book: &quot;ravelbook link&quot; links it</source>
        <translation>la libreta %1 no está vinculada a ninguna libreta de direcciones en línea: «ravelbook link» la vincula</translation>
    </message>
    <message>
        <source>no conflict of a record named &quot;%1&quot;</source>
        <translation>no hay ningún conflicto de un registro llamado «%1»</translation>
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
        <translation>Uso: ravelbook link [--database BOOK] [--user NAME] [--list] URL
Vincula la libreta a una libreta de direcciones en línea (CardDAV) y la
sincroniza por primera vez: los registros y las tarjetas de la misma persona
(mismo nombre y dirección) se emparejan y los demás van en ambos sentidos.
URL es la de la libreta de direcciones, o la de un servidor (basta un nombre de
host) en el que buscar libretas. La contraseña se toma del depósito de claves o
de ~/.netrc; nunca se guarda en la libreta.

  --database BOOK  la libreta (un archivo, o postgresql://...); la
                   predeterminada si se omite
  --user NAME      el nombre de usuario en el servidor
  --list           enumerar las libretas encontradas (nombre, URL, tarjetas)
                   sin vincular
</translation>
    </message>
    <message>
        <source>Usage: ravelbook unlink [--database BOOK]
Forgets the book&apos;s link to its online address book; the records stay.
</source>
        <translation>Uso: ravelbook unlink [--database BOOK]
Olvida el vínculo de la libreta con su libreta de direcciones en línea; los
registros se conservan.
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
        <translation>Uso: ravelbook sync [--database BOOK] [--keep book|server --record NAME]
Sincroniza en ambos sentidos la libreta y su libreta de direcciones en línea,
y muestra lo recibido, lo enviado y lo eliminado. Un registro modificado en
ambos lugares no se escribe en ninguno: es un conflicto hasta que usted elija
qué versión se queda. Termina con 1 si quedan conflictos o rechazos.

  --database BOOK  la libreta; la predeterminada si se omite
  --keep book|server  resolver el conflicto de --record NAME con esta versión
  --record NAME    el nombre del registro cuyo conflicto resuelve --keep
</translation>
    </message>
    <message>
        <source>--keep takes book or server</source>
        <translation>--keep admite book o server</translation>
    </message>
    <message>
        <source>--keep and --record go together</source>
        <translation>--keep y --record van juntos</translation>
    </message>
    <message>
        <source>the book %1 is not linked to an online address book</source>
        <translation>la libreta %1 no está vinculada a ninguna libreta de direcciones en línea</translation>
    </message>
    <message>
        <source>Unlinked %1.</source>
        <translation>Se desvinculó %1.</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is a disk device, not a file</source>
        <translation>es un dispositivo de disco, no un archivo</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>es un socket, no un archivo</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>it is the open address book</source>
        <translation>es la libreta de direcciones abierta</translation>
    </message>
    <message>
        <source>it is a database file (an address book), which it would destroy</source>
        <translation>es un archivo de base de datos (una libreta de direcciones), que se destruiría</translation>
    </message>
    <message>
        <source>no file was named</source>
        <translation>no se indicó ningún archivo</translation>
    </message>
    <message>
        <source>nothing is reading from the pipe</source>
        <translation>nada está leyendo de la tubería</translation>
    </message>
</context>
<context>
    <name>PaintedDestination</name>
    <message>
        <source>the PDF file %1</source>
        <translation>el archivo PDF %1</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot;</source>
        <translation>la impresora «%1»</translation>
    </message>
</context>
<context>
    <name>PdfTarget</name>
    <message>
        <source>The PDF file &quot;%1&quot; can&apos;t be written: %2.</source>
        <translation>No se puede escribir el archivo PDF «%1»: %2.</translation>
    </message>
    <message>
        <source>The PDF file could not be started.</source>
        <translation>No se pudo iniciar el archivo PDF.</translation>
    </message>
    <message>
        <source>The PDF file could not take a new page.</source>
        <translation>No se pudo añadir una página nueva al archivo PDF.</translation>
    </message>
</context>
<context>
    <name>PostgresDialect</name>
    <message>
        <source>the connection to the server was lost (%1)</source>
        <translation>se perdió la conexión con el servidor (%1)</translation>
    </message>
    <message>
        <source>the server does not allow this to your user name (%1)</source>
        <translation>el servidor no permite esto a su nombre de usuario (%1)</translation>
    </message>
    <message>
        <source>the server stopped it after the time it allows a statement; another user may be holding the records it needs, so try again in a moment (%1)</source>
        <translation>el servidor la detuvo tras el tiempo que permite a una instrucción; puede que otro usuario tenga ocupados los registros que necesita, así que inténtelo de nuevo en un momento (%1)</translation>
    </message>
    <message>
        <source>the server&apos;s disk is full (%1)</source>
        <translation>el disco del servidor está lleno (%1)</translation>
    </message>
    <message>
        <source>another user is changing the same records; try again in a moment (%1)</source>
        <translation>otro usuario está modificando los mismos registros; inténtelo de nuevo en un momento (%1)</translation>
    </message>
    <message>
        <source>the server found the book&apos;s data damaged (%1)</source>
        <translation>el servidor encontró dañados los datos de la libreta (%1)</translation>
    </message>
</context>
<context>
    <name>PreviewTarget</name>
    <message>
        <source>The preview shows one page at a time.</source>
        <translation>La vista previa muestra una página cada vez.</translation>
    </message>
    <message>
        <source>there is not room in memory for its picture.</source>
        <translation>no hay memoria suficiente para su imagen.</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>The address book has %1 return address(es), not %2.</source>
        <translation>La libreta de direcciones tiene %1 dirección(es) de remitente, no %2.</translation>
    </message>
    <message>
        <source>No record named &quot;%1&quot; is in the chosen groups.</source>
        <translation>No hay ningún registro llamado «%1» en los grupos elegidos.</translation>
    </message>
    <message>
        <source>--offset &quot;%1&quot; needs two numbers of inches, X,Y (such as 0.05,-0.03)</source>
        <translation>--offset «%1» necesita dos números en pulgadas, X,Y (por ejemplo 0.05,-0.03)</translation>
    </message>
    <message>
        <source>--offset &quot;%1&quot; lies outside -%2..%2 inch either way</source>
        <translation>--offset «%1» queda fuera de -%2..%2 pulgadas en algún sentido</translation>
    </message>
    <message>
        <source>--adjust &quot;%1&quot; lies outside -32768..32767 twips</source>
        <translation>--adjust «%1» queda fuera de -32768..32767 twips</translation>
    </message>
    <message>
        <source>--adjust &quot;%1&quot; would put lines of the labels off the printable area; use %2 to %3 twips</source>
        <translation>--adjust «%1» dejaría líneas de las etiquetas fuera del área imprimible; use de %2 a %3 twips</translation>
    </message>
    <message>
        <source>--copies needs a number from 1 to 100</source>
        <translation>--copies necesita un número del 1 al 100</translation>
    </message>
    <message>
        <source>--sort &quot;%1&quot;: use book, name or postal-code</source>
        <translation>--sort «%1»: use book, name o postal-code</translation>
    </message>
    <message>
        <source>--paper &quot;%1&quot;: use letter or a4</source>
        <translation>--paper «%1»: use letter o a4</translation>
    </message>
    <message>
        <source>--stationery is missing</source>
        <translation>falta --stationery</translation>
    </message>
    <message>
        <source>--paper is for --stationery address-list only</source>
        <translation>--paper solo es para --stationery address-list</translation>
    </message>
    <message>
        <source>--sender-labels needs a label stationery</source>
        <translation>--sender-labels necesita una papelería de etiquetas</translation>
    </message>
    <message>
        <source>--fill-sheet is for label sheets only</source>
        <translation>--fill-sheet solo es para hojas de etiquetas</translation>
    </message>
    <message>
        <source>--fill-sheet needs --selected NAME or --sender-labels</source>
        <translation>--fill-sheet necesita --selected NAME o --sender-labels</translation>
    </message>
    <message>
        <source>give either --copies or --fill-sheet</source>
        <translation>indique --copies o --fill-sheet, no ambos</translation>
    </message>
    <message>
        <source>the address list has no calibration sheet</source>
        <translation>la lista de direcciones no tiene hoja de calibración</translation>
    </message>
    <message>
        <source>--start-at is for label sheets only</source>
        <translation>--start-at solo es para hojas de etiquetas</translation>
    </message>
    <message>
        <source>--start-at %1: a sheet of these labels has %2</source>
        <translation>--start-at %1: una hoja de estas etiquetas tiene %2</translation>
    </message>
    <message>
        <source>at least one --group is needed</source>
        <translation>se necesita al menos un --group</translation>
    </message>
    <message>
        <source>give either --pdf FILE or --printer NAME</source>
        <translation>indique --pdf FILE o --printer NAME, no ambos</translation>
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
        <translation>Uso: ravelbook print [--database BOOK] --stationery KIND --group G [--group G]...
                     [--selected NAME] [--last-name-first] [--bi-fold]
                     [--special TEXT] [--adjust TWIPS] [--return-address N]
                     [--start-at N] [--offset X,Y] [--copies N | --fill-sheet]
                     [--sort ORDER] [--close-up] [--paper PAPER]
                     (--pdf FILE | --printer NAME)
     ravelbook print --sender-labels --stationery KIND [--return-address N]
                     [--start-at N] [--copies N] (--pdf FILE | --printer NAME)
     ravelbook print --calibration-sheet --stationery KIND [--offset X,Y]
                     (--pdf FILE | --printer NAME)

Imprime los grupos elegidos de la libreta de direcciones sin abrir la ventana;
la libreta no se modifica. En una --printer calibrada en la ventana (Archivo:
Calibrar impresora), todo se desplaza según los desplazamientos guardados
para ella.

  --database BOOK       la libreta de direcciones: un archivo, o la URI de un
                        servidor
  --stationery KIND     small-labels, large-labels, envelopes, cards, fliers o
                        cualquier id de «ravelbook stationery list» (avery-5160,
                        avery-l7160, envelope-dl, postcard-a6, …), o
                        address-list: los registros como tabla en páginas
  --group G             una columna de grupo de 0 a 17, o un título de grupo
                        (todos los grupos con ese título); puede indicarse más
                        de una vez
  --selected NAME       imprimir solo el primer registro llamado NAME de los
                        grupos elegidos
  --last-name-first     imprimir los nombres tal como se guardan
                        («Apellido, Nombre»)
  --bi-fold             folletos en formato díptico
  --special TEXT        el texto especial de sobres, tarjetas y folletos
  --adjust TWIPS        ajuste vertical de las etiquetas para esta impresión
                        (180 = 1/8&quot;)
  --return-address N    la N-ésima dirección de remitente de la libreta
                        (predeterminada: 1)
  --start-at N          etiquetas: empezar la primera hoja en la etiqueta N
                        (1 a 20 para etiquetas pequeñas, 1 a 10 para grandes,
                        1 a 30 para avery-5160), para terminar una hoja usada
  --offset X,Y          desplazar todo X pulgadas a la derecha e Y hacia abajo
                        en esta impresión (negativo: izquierda, arriba), además
                        de la calibración de la impresora; como máximo 1
                        pulgada en cada sentido
  --copies N            imprimir cada registro N veces seguidas (1 a 100)
  --fill-sheet          con --selected o --sender-labels: rellenar todas las
                        etiquetas libres de la hoja
  --sender-labels       etiquetas de la dirección de remitente
                        (--return-address N), desde --start-at hasta el final
                        de la hoja, o --copies N de ellas; no se necesita
                        --group
  --sort ORDER          book (en el orden en que se añadieron, predeterminado),
                        name, o postal-code (por el código de la línea de la
                        ciudad; los que no lo tienen, al final)
  --close-up            no dejar hueco para las líneas de dirección vacías
  --paper PAPER         el papel de la lista de direcciones: letter o a4
                        (predeterminado: el de la configuración regional)
  --calibration-sheet   imprimir la hoja de calibración de la papelería en vez
                        de direcciones: sus contornos y reglas, para medir
                        cuánto se desvía la impresión de la impresora; no se
                        necesita --group
  --pdf FILE            escribir toda la impresión en un solo archivo PDF
  --printer NAME        imprimir en esta impresora
</translation>
    </message>
    <message>
        <source>There is no printer named &quot;%1&quot;.</source>
        <translation>No hay ninguna impresora llamada «%1».</translation>
    </message>
    <message>
        <source>Printed the calibration sheet on %1 page.</source>
        <translation>Se imprimió la hoja de calibración en %1 página.</translation>
    </message>
    <message>
        <source>Printed the calibration sheet on %1 pages.</source>
        <translation>Se imprimió la hoja de calibración en %1 páginas.</translation>
    </message>
</context>
<context>
    <name>PrintRun</name>
    <message>
        <source>%1 line was</source>
        <translation>%1 línea se imprimió</translation>
    </message>
    <message>
        <source>%1 lines were</source>
        <translation>%1 líneas se imprimieron</translation>
    </message>
    <message>
        <source>%1 printed smaller and %2 cut to fit</source>
        <translation>%1 con letra más pequeña y %2 recortando el texto para ajustarse</translation>
    </message>
    <message>
        <source>%1 printed smaller to fit</source>
        <translation>%1 con letra más pequeña para ajustarse</translation>
    </message>
    <message>
        <source>%1 cut to fit</source>
        <translation>%1 recortando el texto para ajustarse</translation>
    </message>
    <message>
        <source>ATTN: </source>
        <extracomment>Printed on paper before the contact person of an address</extracomment>
        <translation>A la att. de </translation>
    </message>
    <message>
        <source>TO:</source>
        <extracomment>Printed on paper before the recipient&apos;s address</extracomment>
        <translation>PARA:</translation>
    </message>
    <message>
        <source>%1 name had characters no installed font has, printed as boxes (%2).</source>
        <translation>%1 nombre tenía caracteres que ninguna fuente instalada tiene, impresos como cuadros (%2).</translation>
    </message>
    <message>
        <source>%1 names had characters no installed font has, printed as boxes (%2).</source>
        <translation>%1 nombres tenían caracteres que ninguna fuente instalada tiene, impresos como cuadros (%2).</translation>
    </message>
</context>
<context>
    <name>PrinterTarget</name>
    <message>
        <source>The printer &quot;%1&quot; could not start the print job.</source>
        <translation>La impresora «%1» no pudo iniciar el trabajo de impresión.</translation>
    </message>
    <message>
        <source>There is no printer to print on.</source>
        <translation>No hay ninguna impresora en la que imprimir.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not begin a new page.</source>
        <translation>La impresora «%1» no pudo empezar una página nueva.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not finish the print job.</source>
        <translation>La impresora «%1» no pudo terminar el trabajo de impresión.</translation>
    </message>
</context>
<context>
    <name>ProgramModule</name>
    <message>
        <source>The program&apos;s library %1 is missing or damaged (it belongs in %2).</source>
        <translation>La biblioteca del programa %1 falta o está dañada (debe estar en %2).</translation>
    </message>
    <message>
        <source>The program&apos;s library %1 is not of this version.</source>
        <translation>La biblioteca del programa %1 no es de esta versión.</translation>
    </message>
</context>
<context>
    <name>ReaderProcess</name>
    <message>
        <source>the program&apos;s Access reader %1 is missing (it belongs beside the program, in %2)</source>
        <translation>falta el lector de Access del programa %1 (debe estar junto al programa, en %2)</translation>
    </message>
    <message>
        <source>its reader %1 could not be started (%2)</source>
        <translation>no se pudo iniciar su lector %1 (%2)</translation>
    </message>
    <message>
        <source>the file is damaged (%1)</source>
        <translation>el archivo está dañado (%1)</translation>
    </message>
    <message>
        <source>reading it did not end in %1 seconds</source>
        <translation>su lectura no terminó en %1 segundos</translation>
    </message>
    <message>
        <source>reading it stopped making progress</source>
        <translation>su lectura dejó de avanzar</translation>
    </message>
    <message>
        <source>reading it gave more than %1 MB of text</source>
        <translation>su lectura produjo más de %1 MB de texto</translation>
    </message>
    <message>
        <source>its reader sent more than was asked for</source>
        <translation>su lector envió más de lo que se pidió</translation>
    </message>
    <message>
        <source>reading it gave more than the file can hold</source>
        <translation>su lectura produjo más de lo que puede contener el archivo</translation>
    </message>
    <message>
        <source>its reader sent what was not asked for</source>
        <translation>su lector envió lo que no se pidió</translation>
    </message>
    <message>
        <source>its reader&apos;s answer is garbled</source>
        <translation>la respuesta de su lector es ilegible</translation>
    </message>
    <message>
        <source>reading it failed</source>
        <translation>su lectura falló</translation>
    </message>
</context>
<context>
    <name>RecordConflict</name>
    <message>
        <source>The record being edited</source>
        <translation>El registro que se está editando</translation>
    </message>
    <message>
        <source>The record &quot;%1&quot;</source>
        <translation>El registro «%1»</translation>
    </message>
    <message>
        <source>%1 was changed by someone else after you read it, so your changes were not saved. What you typed is kept.</source>
        <translation>%1 fue modificado por otra persona después de que usted lo leyera, por lo que sus cambios no se guardaron. Lo que escribió se conserva.</translation>
    </message>
    <message>
        <source>%1 was deleted by someone else after you read it, so your changes were not saved and the record is not made again. What you typed is kept.</source>
        <translation>%1 fue eliminado por otra persona después de que usted lo leyera, por lo que sus cambios no se guardaron y el registro no se vuelve a crear. Lo que escribió se conserva.</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>First select some groups to mail to</source>
        <translation>Elija primero los grupos a los que escribir</translation>
    </message>
    <message>
        <source>Nothing selected</source>
        <translation>Nada seleccionado</translation>
    </message>
    <message>
        <source>You must first select what to print!</source>
        <translation>¡Elija primero en qué imprimir!</translation>
    </message>
    <message>
        <source>Select option at the top left!</source>
        <translation>¡Elija una opción arriba a la izquierda!</translation>
    </message>
    <message>
        <source>First select a record to print!</source>
        <translation>¡Elija primero un registro para imprimir!</translation>
    </message>
    <message>
        <source>Nothing to print!</source>
        <translation>¡Nada que imprimir!</translation>
    </message>
    <message>
        <source>There is no return address to print: type one on page &quot;Return Address&quot; first.</source>
        <translation>No hay dirección de remitente que imprimir: escriba primero una en la página «Remitente».</translation>
    </message>
    <message>
        <source>Return address labels are printed on label sheets: choose a label stationery on page &quot;Mailings&quot; first.</source>
        <translation>Las etiquetas de remitente se imprimen en hojas de etiquetas: elija primero una papelería de etiquetas en la página «Correspondencia».</translation>
    </message>
    <message>
        <source>No labels chosen</source>
        <translation>No se han elegido etiquetas</translation>
    </message>
    <message>
        <source>Nothing was printed: the chosen groups hold no named addresses.</source>
        <translation>No se imprimió nada: los grupos elegidos no contienen direcciones con nombre.</translation>
    </message>
</context>
<context>
    <name>Schema</name>
    <message>
        <source>the table &quot;%1&quot; has lost its key column</source>
        <translation>la tabla «%1» ha perdido su columna clave</translation>
    </message>
    <message>
        <source>the table &quot;%1&quot; is missing</source>
        <translation>falta la tabla «%1»</translation>
    </message>
    <message>
        <source>the table &quot;%1&quot; has no column &quot;%2&quot;</source>
        <translation>la tabla «%1» no tiene ninguna columna «%2»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be the first column of the table &quot;%2&quot;</source>
        <translation>«%1» debe ser la primera columna de la tabla «%2»</translation>
    </message>
    <message>
        <source>it is not a Ravelbook address book (%1)</source>
        <translation>no es una libreta de direcciones de Ravelbook (%1)</translation>
    </message>
    <message>
        <source>it was made by a newer Ravelbook</source>
        <translation>la creó una versión más reciente de Ravelbook</translation>
    </message>
</context>
<context>
    <name>ServerConnection</name>
    <message>
        <source>Books on a server need PostgreSQL&apos;s client library (libpq.so.5, Debian package libpq5), which could not be loaded.</source>
        <translation>Las libretas en un servidor necesitan la biblioteca cliente de PostgreSQL (libpq.so.5, paquete de Debian libpq5), que no se pudo cargar.</translation>
    </message>
    <message>
        <source>it holds a password, and libpq can&apos;t read it</source>
        <translation>contiene una contraseña, y libpq no puede leerla</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a server address Ravelbook can read: %2.</source>
        <translation>«%1» no es una dirección de servidor que Ravelbook pueda leer: %2.</translation>
    </message>
    <message>
        <source>The server address &quot;%1&quot; holds a password. Leave it out: Ravelbook asks for it, or takes it from ~/.pgpass, PGPASSWORD or a service file.</source>
        <translation>La dirección del servidor «%1» contiene una contraseña. Omítala: Ravelbook la pide, o la toma de ~/.pgpass, PGPASSWORD o un archivo de servicio.</translation>
    </message>
    <message>
        <source>Ravelbook can&apos;t tell whether the two server books are one: %1</source>
        <translation>Ravelbook no puede saber si las dos libretas del servidor son la misma: %1</translation>
    </message>
</context>
<context>
    <name>SourceFile</name>
    <message>
        <source>The file &quot;%1&quot; can&apos;t be imported: %2.</source>
        <translation>No se puede importar el archivo «%1»: %2.</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>ocupa más de %1 MB</translation>
    </message>
    <message>
        <source>it could not be read to its end (%1)</source>
        <translation>no se pudo leer hasta el final (%1)</translation>
    </message>
    <message>
        <source>it is not a text file</source>
        <translation>no es un archivo de texto</translation>
    </message>
    <message>
        <source>it holds no rows below its headings</source>
        <translation>no contiene ninguna fila bajo sus encabezados</translation>
    </message>
    <message>
        <source>it holds no vCard</source>
        <translation>no contiene ninguna vCard</translation>
    </message>
</context>
<context>
    <name>SourceTable</name>
    <message>
        <source>Further problems of the file are not listed.</source>
        <translation>No se enumeran más problemas del archivo.</translation>
    </message>
</context>
<context>
    <name>SqlFailure</name>
    <message>
        <source>another program is using the address book; try again in a moment (%1)</source>
        <translation>otro programa está usando la libreta de direcciones; inténtelo de nuevo en un momento (%1)</translation>
    </message>
    <message>
        <source>the address book file is read-only (%1)</source>
        <translation>el archivo de la libreta de direcciones es de solo lectura (%1)</translation>
    </message>
    <message>
        <source>the file could not be read or written (%1)</source>
        <translation>no se pudo leer o escribir el archivo (%1)</translation>
    </message>
    <message>
        <source>the file is damaged (%1)</source>
        <translation>el archivo está dañado (%1)</translation>
    </message>
    <message>
        <source>the disk is full (%1)</source>
        <translation>el disco está lleno (%1)</translation>
    </message>
    <message>
        <source>it is not a database file (%1)</source>
        <translation>no es un archivo de base de datos (%1)</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>The file &quot;%1&quot; is empty: it holds no addresses. Make it a new address book?</source>
        <translation>El archivo «%1» está vacío: no contiene direcciones. ¿Convertirlo en una libreta de direcciones nueva?</translation>
    </message>
</context>
<context>
    <name>StationeryCatalogue</name>
    <message>
        <source>built in</source>
        <translation>integrada</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>de %1</translation>
    </message>
    <message>
        <source>unknown stationery &quot;%1&quot;</source>
        <translation>papelería desconocida «%1»</translation>
    </message>
    <message>
        <source>unknown stationery &quot;%1&quot;; did you mean %2?</source>
        <translation>papelería desconocida «%1»; ¿quiso decir %2?</translation>
    </message>
</context>
<context>
    <name>StationeryCommand</name>
    <message>
        <source>%1 mm (%2 in)</source>
        <translation>%1 mm (%2 pulg.)</translation>
    </message>
    <message>
        <source>round</source>
        <extracomment>Shape of a label, in &quot;ravelbook stationery show&quot;</extracomment>
        <translation>redonda</translation>
    </message>
    <message>
        <source>ellipse</source>
        <extracomment>Shape of a label, in &quot;ravelbook stationery show&quot;</extracomment>
        <translation>elipse</translation>
    </message>
    <message>
        <source>rectangle</source>
        <extracomment>Shape of a label, in &quot;ravelbook stationery show&quot;</extracomment>
        <translation>rectángulo</translation>
    </message>
    <message>
        <source>%1 a sheet</source>
        <translation>%1 por hoja</translation>
    </message>
    <message>
        <source>Paper: %1, %2</source>
        <translation>Papel: %1, %2</translation>
    </message>
    <message>
        <source>Shape: %1, %2</source>
        <translation>Forma: %1, %2</translation>
    </message>
    <message>
        <source>, corner radius %1</source>
        <translation>, radio de esquina %1</translation>
    </message>
    <message>
        <source>Margin: %1</source>
        <translation>Margen: %1</translation>
    </message>
    <message>
        <source>Grid: %1 x %2 from %3, every %4</source>
        <translation>Cuadrícula: %1 x %2 desde %3, cada %4</translation>
    </message>
    <message>
        <source>Labels: %1 a sheet</source>
        <translation>Etiquetas: %1 por hoja</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Archivo: %1</translation>
    </message>
    <message>
        <source>built in</source>
        <translation>integrado</translation>
    </message>
    <message>
        <source>say &quot;list&quot; or &quot;show ID&quot;</source>
        <translation>indique «list» o «show ID»</translation>
    </message>
    <message>
        <source>the stationery to show is missing</source>
        <translation>falta la papelería que mostrar</translation>
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
        <translation>Uso: ravelbook stationery list [--search TEXT]
     ravelbook stationery show ID
Enumera la papelería en la que el programa puede imprimir: la suya propia, y
las plantillas del diseñador de etiquetas gLabels (el paquete glabels-data,
~/.config/libglabels, ~/.glabels) y de %1.

  list           una línea por cada una: id, producto, descripción, papel,
                 etiquetas por hoja, tamaño de etiqueta; los fallos de los
                 archivos, en la salida de error estándar
  --search TEXT  solo aquellas cuyo producto, descripción o id contengan
                 todas las palabras
  show ID        el papel, la etiqueta y dónde se sitúan las etiquetas
</translation>
    </message>
</context>
<context>
    <name>TableReader</name>
    <message>
        <source>The file has no table &quot;%1&quot;; its tables are: %2.</source>
        <translation>El archivo no tiene ninguna tabla «%1»; sus tablas son: %2.</translation>
    </message>
    <message>
        <source>The file is not an address book in Ravelbook&apos;s layout; choose one of its tables: %1.</source>
        <translation>El archivo no es una libreta de direcciones con el formato de Ravelbook; elija una de sus tablas: %1.</translation>
    </message>
</context>
<context>
    <name>TemplateReader</name>
    <message>
        <source>%1 CD/DVD labels left out: discs are not printed on</source>
        <translation>%1 etiquetas de CD/DVD omitidas: no se imprime en discos</translation>
    </message>
    <message>
        <source>%1 continuous labels left out: rolls are not printed on</source>
        <translation>%1 etiquetas continuas omitidas: no se imprime en rollos</translation>
    </message>
    <message>
        <source>%1 labels of drawn outlines left out: only rectangles, circles and ellipses are printed on</source>
        <translation>%1 etiquetas de contornos dibujados omitidas: solo se imprime en rectángulos, círculos y elipses</translation>
    </message>
    <message>
        <source>%1 labels of other shapes left out: only rectangles, circles and ellipses are printed on</source>
        <translation>%1 etiquetas de otras formas omitidas: solo se imprime en rectángulos, círculos y elipses</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>unknown paper size &quot;%1&quot;</source>
        <translation>tamaño de papel desconocido «%1»</translation>
    </message>
    <message>
        <source>the paper (%1 x %2) is larger than the %3 the program can print on</source>
        <translation>el papel (%1 x %2) es mayor que el %3 en el que puede imprimir el programa</translation>
    </message>
    <message>
        <source>the label (%1 x %2) is larger than its paper (%3 x %4)</source>
        <translation>la etiqueta (%1 x %2) es mayor que su papel (%3 x %4)</translation>
    </message>
    <message>
        <source>more than %1 labels on one sheet</source>
        <translation>más de %1 etiquetas en una hoja</translation>
    </message>
    <message>
        <source>a Layout puts labels off the paper (%1 x %2)</source>
        <translation>un Layout deja etiquetas fuera del papel (%1 x %2)</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB: skipped</source>
        <translation>el archivo ocupa más de %1 MB: se omite</translation>
    </message>
    <message>
        <source>the file is damaged here (%1): the paper sizes after it are skipped</source>
        <translation>el archivo está dañado aquí (%1): se omiten los tamaños de papel posteriores</translation>
    </message>
    <message>
        <source>can&apos;t be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>the file is damaged here (%1): skipped</source>
        <translation>el archivo está dañado aquí (%1): se omite</translation>
    </message>
    <message>
        <source>a template needs a part</source>
        <translation>una plantilla necesita una referencia</translation>
    </message>
    <message>
        <source>the file is damaged here (%1): the templates after it are skipped</source>
        <translation>el archivo está dañado aquí (%1): se omiten las plantillas posteriores</translation>
    </message>
</context>
<context>
    <name>TemplateWriter</name>
    <message>
        <source>The stationery file &quot;%1&quot; can&apos;t be written: %2.</source>
        <translation>No se puede escribir el archivo de papelería «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>TextDecoding</name>
    <message>
        <source>line %1: the byte 0x%2 is not UTF-8 like the rest of the file; it is read as &quot;%3&quot;</source>
        <translation>línea %1: el byte 0x%2 no es UTF-8 como el resto del archivo; se lee como «%3»</translation>
    </message>
</context>
<context>
    <name>VCardMerge</name>
    <message>
        <source>The card on the server can&apos;t be read.</source>
        <translation>No se puede leer la tarjeta del servidor.</translation>
    </message>
</context>
<context>
    <name>VCardReader</name>
    <message>
        <source>line %1: the card is cut short (no END:VCARD); it is left out</source>
        <translation>línea %1: la tarjeta está incompleta (falta END:VCARD); se omite</translation>
    </message>
    <message>
        <source>line %1: can&apos;t be read: %2</source>
        <translation>línea %1: no se puede leer: %2</translation>
    </message>
    <message>
        <source>line %1: the card is cut short (the file ends before END:VCARD); it is left out</source>
        <translation>línea %1: la tarjeta está incompleta (el archivo termina antes de END:VCARD); se omite</translation>
    </message>
</context>
<context>
    <name>ravelbook::BookMenu</name>
    <message>
        <source>&amp;New Book…</source>
        <translation>&amp;Nueva libreta…</translation>
    </message>
    <message>
        <source>&amp;Open Book…</source>
        <translation>&amp;Abrir libreta…</translation>
    </message>
    <message>
        <source>Open &amp;Server Book…</source>
        <translation>Abrir libreta de servi&amp;dor…</translation>
    </message>
    <message>
        <source>New Address Book</source>
        <translation>Nueva libreta de direcciones</translation>
    </message>
    <message>
        <source>Open Address Book</source>
        <translation>Abrir libreta de direcciones</translation>
    </message>
</context>
<context>
    <name>ravelbook::CalibrationDialog</name>
    <message>
        <source>inches</source>
        <translation>pulgadas</translation>
    </message>
    <message>
        <source> in</source>
        <translation> pulg.</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>milímetros</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Calibrate Printer</source>
        <translation>Calibrar impresora</translation>
    </message>
    <message>
        <source>&amp;Stationery:</source>
        <translation>&amp;Papelería:</translation>
    </message>
    <message>
        <source>P&amp;rinter…</source>
        <translation>&amp;Impresora…</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Impresora:</translation>
    </message>
    <message>
        <source>&amp;Print Sheet</source>
        <translation>Imprimir &amp;hoja</translation>
    </message>
    <message>
        <source>Save Sheet as P&amp;DF…</source>
        <translation>Guardar hoja como P&amp;DF…</translation>
    </message>
    <message>
        <source>Pre&amp;view Sheet</source>
        <translation>&amp;Vista previa de la hoja</translation>
    </message>
    <message>
        <source>Calibration sheet:</source>
        <translation>Hoja de calibración:</translation>
    </message>
    <message>
        <source>Negative moves the print left</source>
        <translation>Un valor negativo mueve la impresión a la izquierda</translation>
    </message>
    <message>
        <source>Negative moves the print up</source>
        <translation>Un valor negativo mueve la impresión hacia arriba</translation>
    </message>
    <message>
        <source>Move print &amp;right by:</source>
        <translation>Mover a la de&amp;recha:</translation>
    </message>
    <message>
        <source>Move print &amp;down by:</source>
        <translation>Mover hacia a&amp;bajo:</translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <translation>&amp;Unidad:</translation>
    </message>
    <message>
        <source>Print the sheet on plain paper, hold it against the stationery in front of a light and add how far the printed outlines are off to the offsets above; print again to check. OK keeps the offsets for this printer, and everything printed on it is moved by them.</source>
        <translation>Imprima la hoja en papel normal, colóquela sobre la papelería a contraluz y sume a los desplazamientos de arriba cuánto se desvían los contornos impresos; vuelva a imprimir para comprobarlo. Aceptar guarda los desplazamientos para esta impresora, y todo lo que se imprima en ella se desplazará según ellos.</translation>
    </message>
    <message>
        <source>No printer is installed; the sheet can be saved as a PDF file.</source>
        <translation>No hay ninguna impresora instalada; la hoja se puede guardar como archivo PDF.</translation>
    </message>
    <message>
        <source>Save the calibration sheet as a PDF file</source>
        <translation>Guardar la hoja de calibración como archivo PDF</translation>
    </message>
    <message>
        <source>Calibration sheet.pdf</source>
        <extracomment>The file name offered for the saved sheet</extracomment>
        <translation>Hoja de calibración.pdf</translation>
    </message>
    <message>
        <source>The calibration sheet went to %1.</source>
        <translation>La hoja de calibración se envió a %1.</translation>
    </message>
    <message>
        <source>Calibration Sheet</source>
        <translation>Hoja de calibración</translation>
    </message>
</context>
<context>
    <name>ravelbook::DataNavigator</name>
    <message>
        <source>First</source>
        <translation>Primero</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Último</translation>
    </message>
</context>
<context>
    <name>ravelbook::DataSource</name>
    <message>
        <source>There is no current record.</source>
        <translation>No hay ningún registro actual.</translation>
    </message>
    <message>
        <source>The table &quot;%1&quot; has no column &quot;%2&quot;.</source>
        <translation>La tabla «%1» no tiene ninguna columna «%2».</translation>
    </message>
    <message>
        <source>No records have been chosen yet.</source>
        <translation>Aún no se ha elegido ningún registro.</translation>
    </message>
    <message>
        <source>Records can&apos;t be read with &quot;%1&quot;.</source>
        <translation>No se pueden leer registros con «%1».</translation>
    </message>
    <message>
        <source>The address book could not be read: %1.</source>
        <translation>No se pudo leer la libreta de direcciones: %1.</translation>
    </message>
    <message>
        <source>The record is no longer the one shown.</source>
        <translation>El registro ya no es el que se muestra.</translation>
    </message>
    <message>
        <source>The new record was not saved: %1.</source>
        <translation>No se guardó el registro nuevo: %1.</translation>
    </message>
    <message>
        <source>The table &quot;%1&quot; has no field %2.</source>
        <translation>La tabla «%1» no tiene ningún campo %2.</translation>
    </message>
</context>
<context>
    <name>ravelbook::ExchangeMenu</name>
    <message>
        <source>Address files (*.csv *.txt *.tsv *.vcf *.vcard *.mdb);;CSV files (*.csv *.txt *.tsv);;vCard files (*.vcf *.vcard);;Access files (*.mdb);;All files (*)</source>
        <translation>Archivos de direcciones (*.csv *.txt *.tsv *.vcf *.vcard *.mdb);;Archivos CSV (*.csv *.txt *.tsv);;Archivos vCard (*.vcf *.vcard);;Archivos de Access (*.mdb);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Archivo CSV (*.csv)</translation>
    </message>
    <message>
        <source>vCard 3.0 file (*.vcf)</source>
        <translation>Archivo vCard 3.0 (*.vcf)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportar...</translation>
    </message>
    <message>
        <source>Import addresses</source>
        <translation>Importar direcciones</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a CSV, vCard or Access file.</source>
        <translation>«%1» no es un archivo CSV, vCard ni Access.</translation>
    </message>
    <message>
        <source>The table to import:</source>
        <translation>La tabla que importar:</translation>
    </message>
    <message>
        <source>Importing addresses...</source>
        <translation>Importando direcciones...</translation>
    </message>
    <message>
        <source>The import was cancelled; nothing was imported.</source>
        <translation>Se canceló la importación; no se importó nada.</translation>
    </message>
    <message>
        <source>
Group &quot;%1&quot; matched no group title and was not kept.</source>
        <translation>
El grupo «%1» no coincidía con ningún título de grupo y no se conservó.</translation>
    </message>
    <message>
        <source> %1 had no name and were left out.</source>
        <translation> %1 no tenían nombre y se omitieron.</translation>
    </message>
    <message>
        <source>Imported %1 of %2 records; %3 skipped as already in the book.%4%5</source>
        <translation>Se importaron %1 de %2 registros; %3 se omitieron por estar ya en la libreta.%4%5</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Export addresses</source>
        <translation>Exportar direcciones</translation>
    </message>
    <message>
        <source>Exporting addresses...</source>
        <translation>Exportando direcciones...</translation>
    </message>
    <message>
        <source>Exported %1 records to &quot;%2&quot;.</source>
        <translation>Se exportaron %1 registros a «%2».</translation>
    </message>
    <message>
        <source>The export was cancelled; nothing was written.</source>
        <translation>Se canceló la exportación; no se escribió nada.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
</context>
<context>
    <name>ravelbook::GridColumns</name>
    <message>
        <source>Show group columns</source>
        <translation>Mostrar columnas de grupos</translation>
    </message>
</context>
<context>
    <name>ravelbook::GroupBoxMouse</name>
    <message>
        <source>Group %1</source>
        <translation>Grupo %1</translation>
    </message>
</context>
<context>
    <name>ravelbook::ImportPreview</name>
    <message>
        <source>Import from %1</source>
        <translation>Importar desde %1</translation>
    </message>
    <message>
        <source>Where each column of the %1 file goes:</source>
        <translation>Adónde va cada columna del archivo %1:</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Columna</translation>
    </message>
    <message>
        <source>First value</source>
        <translation>Primer valor</translation>
    </message>
    <message>
        <source>Goes to</source>
        <translation>Va a</translation>
    </message>
    <message>
        <source>The first records as they will be in the book:</source>
        <translation>Los primeros registros tal como quedarán en la libreta:</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Grupos</translation>
    </message>
    <message>
        <source>Groups of the file that match no group title (give one a group column, which then takes its title):</source>
        <translation>Grupos del archivo que no coinciden con ningún título de grupo (asigne a uno una columna de grupo, que tomará su título):</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Registros</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>(not kept)</source>
        <translation>(no se conserva)</translation>
    </message>
    <message>
        <source>Group %1 &quot;%2&quot;</source>
        <translation>Grupo %1 «%2»</translation>
    </message>
    <message>
        <source>Where %1 goes</source>
        <translation>Destino de %1</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
</context>
<context>
    <name>ravelbook::LinkBookDialog</name>
    <message>
        <source>Link Online Address Book</source>
        <translation>Vincular libreta de direcciones en línea</translation>
    </message>
    <message>
        <source>An address book on a CardDAV server (Nextcloud, Fastmail, iCloud, Radicale…), kept in step with this book both ways.</source>
        <translation>Una libreta de direcciones en un servidor CardDAV (Nextcloud, Fastmail, iCloud, Radicale…), sincronizada con esta libreta en ambos sentidos.</translation>
    </message>
    <message>
        <source>dav.example.org or https://…</source>
        <translation>dav.example.org o https://…</translation>
    </message>
    <message>
        <source>from the keyring or ~/.netrc when empty</source>
        <translation>del depósito de claves o de ~/.netrc si se deja vacía</translation>
    </message>
    <message>
        <source>&amp;Keep the password in the keyring</source>
        <translation>&amp;Guardar la contraseña en el depósito de claves</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Servidor:</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Usuario:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Libreta de direcciones</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Tarjetas</translation>
    </message>
    <message>
        <source>&amp;Trust this certificate</source>
        <translation>Con&amp;fiar en este certificado</translation>
    </message>
    <message>
        <source>&amp;Link</source>
        <translation>&amp;Vincular</translation>
    </message>
    <message>
        <source>U&amp;nlink</source>
        <translation>&amp;Desvincular</translation>
    </message>
    <message>
        <source>This book is linked to %1 as %2. Unlink keeps the records and forgets the link.</source>
        <translation>Esta libreta está vinculada a %1 como %2. Desvincular conserva los registros y olvida el vínculo.</translation>
    </message>
    <message>
        <source>No address book was found at %1.</source>
        <translation>No se encontró ninguna libreta de direcciones en %1.</translation>
    </message>
    <message>
        <source>%1

Trust it only if the server&apos;s administrator gave you the same fingerprint.</source>
        <translation>%1

Confíe en él solo si el administrador del servidor le dio la misma huella digital.</translation>
    </message>
    <message>
        <source>Address books found</source>
        <translation>Libretas de direcciones encontradas</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
</context>
<context>
    <name>ravelbook::MailingPrinter</name>
    <message>
        <source>Printing...</source>
        <translation>Imprimiendo...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Item %1 of %2</source>
        <translation>Elemento %1 de %2</translation>
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
        <translation>Sobre n.º 10 ( 4 1/8&quot; X 9 1/2&quot; )</translation>
    </message>
    <message>
        <source>Cards ( 5 1/2&quot; X 8 1/2&quot; )</source>
        <translation>Tarjetas ( 5 1/2&quot; X 8 1/2&quot; )</translation>
    </message>
    <message>
        <source>Full sheet flier</source>
        <translation>Folleto de hoja entera</translation>
    </message>
    <message>
        <source>More stationery…</source>
        <translation>Más papelería…</translation>
    </message>
    <message>
        <source>Print Single Selected in Grid Below</source>
        <translation>Imprimir solo el seleccionado</translation>
    </message>
    <message>
        <source>Print Mailing List</source>
        <translation>Imprimir envío</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>Vista p&amp;revia</translation>
    </message>
    <message>
        <source>Return address</source>
        <translation>Remitente</translation>
    </message>
    <message>
        <source>Special text</source>
        <translation>Texto especial</translation>
    </message>
    <message>
        <source>Start at label</source>
        <translation>Desde etiqueta</translation>
    </message>
    <message>
        <source>Bi - Fold Fliers</source>
        <translation>Folletos dípticos</translation>
    </message>
    <message>
        <source>Tri - Fold Fliers</source>
        <translation>Folletos trípticos</translation>
    </message>
    <message>
        <source>Vertical Adjustment: To accommodate different printers, enter a higher number to move labels down on page ( 180 = 1/8&quot; )</source>
        <translation>Ajuste vertical: para adaptarse a cada impresora, escriba un número mayor para bajar las etiquetas en la página ( 180 = 1/8&quot; )</translation>
    </message>
    <message>
        <source>First Name First</source>
        <translation>Nombre primero</translation>
    </message>
    <message>
        <source>Groups - Check all that apply</source>
        <translation>Grupos - Marque los que procedan</translation>
    </message>
    <message>
        <source>Address list</source>
        <translation>Lista direcc.</translation>
    </message>
    <message>
        <source>Copies of each</source>
        <translation>Copias de cada</translation>
    </message>
    <message>
        <source>Fill the sheet</source>
        <translation>Llenar la hoja</translation>
    </message>
    <message>
        <source>The one record selected in the grid on every free label of the sheet</source>
        <translation>El único registro seleccionado en la tabla, en todas las etiquetas libres de la hoja</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>Ordenar por</translation>
    </message>
    <message>
        <source>Book order</source>
        <extracomment>An order the labels can be printed in</extracomment>
        <translation>Orden de la libreta</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>An order the labels can be printed in: by name</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Postal code</source>
        <extracomment>An order the labels can be printed in</extracomment>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>Close up empty lines</source>
        <translation>Omitir líneas vacías</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papel</translation>
    </message>
    <message>
        <source>Letter</source>
        <extracomment>The US paper size the address list can be printed on</extracomment>
        <translation>Carta</translation>
    </message>
    <message>
        <source>A4</source>
        <extracomment>The paper size the address list can be printed on</extracomment>
        <translation>A4</translation>
    </message>
    <message>
        <source>Labels use %1</source>
        <translation>Etiquetas: %1</translation>
    </message>
    <message>
        <source>Not used: the adjustment must lie between %1 and %2 twips, or lines of the last labels leave the printable area. Labels stay at %3.</source>
        <translation>No se usa: el ajuste debe estar entre %1 y %2 twips, o las líneas de las últimas etiquetas saldrán del área imprimible. Las etiquetas se quedan en %3.</translation>
    </message>
    <message>
        <source>Labels stay at %1</source>
        <translation>Etiquetas: siguen en %1</translation>
    </message>
    <message>
        <source>Vertical Adjustment</source>
        <translation>Ajuste vertical</translation>
    </message>
    <message>
        <source>Addresses to mail</source>
        <translation>Direcciones a enviar</translation>
    </message>
</context>
<context>
    <name>ravelbook::NamesPage</name>
    <message>
        <source>Name ( L, F )</source>
        <translation>Nombre (A, N)</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>City, State  Zip</source>
        <translation>Ciudad, Prov.  CP</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Format for names:  Last Name - comma - space - First Name.</source>
        <translation>Formato de los nombres:  Apellido - coma - espacio - Nombre.</translation>
    </message>
    <message>
        <source>Groups - Check all that apply ( right click to re-name )</source>
        <translation>Marque los grupos ( clic derecho: renombrar )</translation>
    </message>
    <message>
        <source>&amp;New Address</source>
        <translation>&amp;Nueva dirección</translation>
    </message>
    <message>
        <source>&amp;Enter Changes</source>
        <translation>&amp;Guardar cambios</translation>
    </message>
    <message>
        <source>&amp;Delete Record</source>
        <translation>E&amp;liminar registro</translation>
    </message>
    <message>
        <source>Discard the new address?</source>
        <translation>¿Descartar la nueva dirección?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer in the address book; it was renamed or deleted elsewhere. The name list now shows the book as it is.</source>
        <translation>«%1» ya no está en la libreta de direcciones; se renombró o eliminó en otro lugar. La lista de nombres muestra ahora la libreta tal como está.</translation>
    </message>
    <message>
        <source>There is no record to save. Choose a name from the list or press New Address first.</source>
        <translation>No hay ningún registro que guardar. Elija un nombre de la lista o pulse antes Nueva dirección.</translation>
    </message>
    <message>
        <source>There is no record to delete.</source>
        <translation>No hay ningún registro que eliminar.</translation>
    </message>
    <message>
        <source>Are you SURE you want to Delete %1 PERMANENTLY?</source>
        <translation>¿Está SEGURO de que desea eliminar %1 DEFINITIVAMENTE?</translation>
    </message>
    <message>
        <source>Delete record?</source>
        <translation>¿Eliminar el registro?</translation>
    </message>
    <message>
        <source>Name list</source>
        <translation>Lista de nombres</translation>
    </message>
    <message>
        <source>Choose a name to show its address</source>
        <translation>Elija un nombre para ver su dirección</translation>
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
        <translation>Carta EE. UU. (8 1/2 x 11 pulg.)</translation>
    </message>
    <message>
        <source>A5 (148 x 210 mm)</source>
        <translation>A5 (148 x 210 mm)</translation>
    </message>
    <message>
        <source>US Legal (8 1/2 x 14 in)</source>
        <translation>Legal EE. UU. (8 1/2 x 14 pulg.)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>New Stationery</source>
        <translation>Nueva papelería</translation>
    </message>
    <message>
        <source>Label sheet</source>
        <translation>Hoja de etiquetas</translation>
    </message>
    <message>
        <source>Envelope</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Tarjeta</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <translation>&amp;Unidad:</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Papel:</translation>
    </message>
    <message>
        <source>Paper &amp;width:</source>
        <translation>&amp;Ancho del papel:</translation>
    </message>
    <message>
        <source>Paper &amp;height:</source>
        <translation>A&amp;lto del papel:</translation>
    </message>
    <message>
        <source>&amp;Label width:</source>
        <translation>Ancho de la &amp;etiqueta:</translation>
    </message>
    <message>
        <source>Label h&amp;eight:</source>
        <translation>Alto de la eti&amp;queta:</translation>
    </message>
    <message>
        <source>Corner &amp;radius:</source>
        <translation>&amp;Radio de esquina:</translation>
    </message>
    <message>
        <source>&amp;Columns:</source>
        <translation>&amp;Columnas:</translation>
    </message>
    <message>
        <source>R&amp;ows:</source>
        <translation>&amp;Filas:</translation>
    </message>
    <message>
        <source>Le&amp;ft margin:</source>
        <translation>Margen i&amp;zquierdo:</translation>
    </message>
    <message>
        <source>&amp;Top margin:</source>
        <translation>Margen &amp;superior:</translation>
    </message>
    <message>
        <source>Hori&amp;zontal pitch:</source>
        <translation>Paso &amp;horizontal:</translation>
    </message>
    <message>
        <source>&amp;Vertical pitch:</source>
        <translation>Paso &amp;vertical:</translation>
    </message>
    <message>
        <source>&amp;Brand:</source>
        <translation>&amp;Marca:</translation>
    </message>
    <message>
        <source>P&amp;art:</source>
        <translation>Refere&amp;ncia:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Descripción:</translation>
    </message>
    <message>
        <source>Id:</source>
        <translation>Id:</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source> in</source>
        <translation> pulg.</translation>
    </message>
    <message>
        <source>The paper needs a width and a height.</source>
        <translation>El papel necesita un ancho y un alto.</translation>
    </message>
    <message>
        <source>The labels need a width and a height.</source>
        <translation>Las etiquetas necesitan un ancho y un alto.</translation>
    </message>
    <message>
        <source>A sheet can have at most %1 labels.</source>
        <translation>Una hoja puede tener como máximo %1 etiquetas.</translation>
    </message>
    <message>
        <source>The labels overlap: the pitch is less than the label&apos;s size.</source>
        <translation>Las etiquetas se solapan: el paso es menor que el tamaño de la etiqueta.</translation>
    </message>
    <message>
        <source>The labels leave the paper.</source>
        <translation>Las etiquetas se salen del papel.</translation>
    </message>
    <message>
        <source>The corner radius is more than half the label&apos;s size.</source>
        <translation>El radio de esquina es mayor que la mitad del tamaño de la etiqueta.</translation>
    </message>
    <message>
        <source>Type the brand and the part number it is sold under.</source>
        <translation>Escriba la marca y la referencia con la que se vende.</translation>
    </message>
    <message>
        <source>The stationery &quot;%1&quot; is already saved in %2. Replace it?</source>
        <translation>La papelería «%1» ya está guardada en %2. ¿Reemplazarla?</translation>
    </message>
</context>
<context>
    <name>ravelbook::OnlineMenu</name>
    <message>
        <source>%1 conflict</source>
        <translation>%1 conflicto</translation>
    </message>
    <message>
        <source>%1 conflicts</source>
        <translation>%1 conflictos</translation>
    </message>
    <message>
        <source>%1 in</source>
        <translation>%1 recibidos</translation>
    </message>
    <message>
        <source>%1 out</source>
        <translation>%1 enviados</translation>
    </message>
    <message>
        <source>%1 deleted</source>
        <translation>%1 eliminados</translation>
    </message>
    <message>
        <source>%1 refused</source>
        <translation>%1 rechazados</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelada</translation>
    </message>
    <message>
        <source>Synced: %1</source>
        <translation>Sincronizado: %1</translation>
    </message>
    <message>
        <source>&amp;Link Online Address Book…</source>
        <translation>&amp;Vincular libreta de direcciones en línea…</translation>
    </message>
    <message>
        <source>&amp;Sync</source>
        <translation>&amp;Sincronizar</translation>
    </message>
    <message>
        <source>Sync &amp;Conflicts…</source>
        <translation>&amp;Conflictos de sincronización…</translation>
    </message>
    <message>
        <source>Syncing: %1…</source>
        <translation>Sincronizando: %1…</translation>
    </message>
    <message>
        <source>The password of %1 on %2:</source>
        <translation>La contraseña de %1 en %2:</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sincronizar</translation>
    </message>
    <message>
        <source>Keep the password in the keyring?</source>
        <translation>¿Guardar la contraseña en el depósito de claves?</translation>
    </message>
    <message>
        <source>The keyring did not take the password.</source>
        <translation>El depósito de claves no aceptó la contraseña.</translation>
    </message>
    <message>
        <source>Not synced: %1</source>
        <translation>No sincronizado: %1</translation>
    </message>
    <message>
        <source>This book is not linked to an online address book: File: Link Online Address Book… links it.</source>
        <translation>Esta libreta no está vinculada a ninguna libreta de direcciones en línea: Archivo: Vincular libreta de direcciones en línea… la vincula.</translation>
    </message>
    <message>
        <source>Not synced: no password for %1 on %2.</source>
        <translation>No sincronizado: no hay contraseña para %1 en %2.</translation>
    </message>
    <message>
        <source>Syncing…</source>
        <translation>Sincronizando…</translation>
    </message>
    <message>
        <source>Not linked: %1</source>
        <translation>No vinculado: %1</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>Falló la sincronización: %1</translation>
    </message>
    <message>
        <source>%1

Trust this certificate for %2?</source>
        <translation>%1

¿Confiar en este certificado para %2?</translation>
    </message>
    <message>
        <source>Synced, but the window could not read the book again: %1</source>
        <translation>Sincronizado, pero la ventana no pudo volver a leer la libreta: %1</translation>
    </message>
    <message>
        <source>A sync is running; try again when it has ended.</source>
        <translation>Hay una sincronización en curso; inténtelo de nuevo cuando haya terminado.</translation>
    </message>
    <message>
        <source>Unlinked from %1.</source>
        <translation>Desvinculado de %1.</translation>
    </message>
    <message>
        <source>Linking…</source>
        <translation>Vinculando…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Link Online Address Book</source>
        <translation>Vincular libreta de direcciones en línea</translation>
    </message>
    <message>
        <source>%1 resolved; the next sync takes the book&apos;s versions to the server.</source>
        <translation>Resueltos: %1; la próxima sincronización llevará al servidor las versiones de la libreta.</translation>
    </message>
</context>
<context>
    <name>ravelbook::PrintPreviewDialog</name>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>First Page</source>
        <translation>Primera página</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Page %1 of %1</source>
        <translation>Página %1 de %1</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>Last Page</source>
        <translation>Última página</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Ajustar al ancho</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Ajustar a la página</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>This page could not be drawn whole: %1</source>
        <translation>Esta página no se pudo dibujar entera: %1</translation>
    </message>
    <message>
        <source>On this page: %1</source>
        <translation>En esta página: %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Página</translation>
    </message>
</context>
<context>
    <name>ravelbook::QtDialogs</name>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Address books (*.db);;All files (*)</source>
        <translation>Libretas de direcciones (*.db);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
</context>
<context>
    <name>ravelbook::ReturnAddressPage</name>
    <message>
        <source>Return Addresses</source>
        <translation>Remitentes</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>City, State  Zip</source>
        <translation>Ciudad, Prov.  CP</translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <translation>&amp;Nueva</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>&amp;Print return address labels</source>
        <translation>Im&amp;primir etiquetas</translation>
    </message>
    <message>
        <source>Pre&amp;view return address labels</source>
        <translation>Vista p&amp;revia de etiquetas</translation>
    </message>
    <message>
        <source>new (%1 of %1)</source>
        <translation>nueva (%1 de %1)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>There is no return address to delete.</source>
        <translation>No hay ninguna dirección de remitente que eliminar.</translation>
    </message>
    <message>
        <source>The address book keeps at least one return address: change this one instead.</source>
        <translation>La libreta de direcciones conserva al menos una dirección de remitente: modifique esta en su lugar.</translation>
    </message>
    <message>
        <source>this return address</source>
        <translation>esta dirección de remitente</translation>
    </message>
    <message>
        <source>Delete %1 from the return addresses?</source>
        <translation>¿Eliminar %1 de las direcciones de remitente?</translation>
    </message>
    <message>
        <source>Delete return address?</source>
        <translation>¿Eliminar la dirección de remitente?</translation>
    </message>
</context>
<context>
    <name>ravelbook::ServerBookDialog</name>
    <message>
        <source>Open Server Book</source>
        <translation>Abrir libreta de servidor</translation>
    </message>
    <message>
        <source>An address book shared on a PostgreSQL server. Ask its administrator for these; the server asks for a password when it needs one.</source>
        <translation>Una libreta de direcciones compartida en un servidor PostgreSQL. Pida estos datos a su administrador; el servidor pide una contraseña cuando la necesita.</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>&amp;Servidor:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Puerto:</translation>
    </message>
    <message>
        <source>&amp;Database:</source>
        <translation>&amp;Base de datos:</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Usuario:</translation>
    </message>
</context>
<context>
    <name>ravelbook::StationeryChooser</name>
    <message>
        <source>in</source>
        <translation>pulg.</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>More Stationery</source>
        <translation>Más papelería</translation>
    </message>
    <message>
        <source>Search: brand, part number or description</source>
        <translation>Buscar: marca, referencia o descripción</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>&amp;Recent:</source>
        <translation>&amp;Recientes:</translation>
    </message>
    <message>
        <source>1 template entry could not be read or was left out</source>
        <translation>1 entrada de plantilla no se pudo leer o se omitió</translation>
    </message>
    <message>
        <source>%1 template entries could not be read or were left out</source>
        <translation>%1 entradas de plantilla no se pudieron leer o se omitieron</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… y %1 más</translation>
    </message>
</context>
<context>
    <name>ravelbook::StockTableModel</name>
    <message>
        <source>Brand</source>
        <translation>Marca</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Referencia</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Labels</source>
        <extracomment>Column head: how many labels a sheet has</extracomment>
        <translation>Etiquetas</translation>
    </message>
</context>
<context>
    <name>ravelbook::SyncConflictsDialog</name>
    <message>
        <source>No server is asked while conflicts are resolved.</source>
        <translation>No se consulta a ningún servidor mientras se resuelven los conflictos.</translation>
    </message>
    <message>
        <source>group %1</source>
        <translation>grupo %1</translation>
    </message>
    <message>
        <source>Sync Conflicts</source>
        <translation>Conflictos de sincronización</translation>
    </message>
    <message>
        <source>These records were changed both in the book and on the server. Choose which version stays; the next sync brings the other side in step.</source>
        <translation>Estos registros se modificaron tanto en la libreta como en el servidor. Elija qué versión se queda; la próxima sincronización pondrá al día el otro lado.</translation>
    </message>
    <message>
        <source>In the book</source>
        <translation>En la libreta</translation>
    </message>
    <message>
        <source>On the server</source>
        <translation>En el servidor</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Grupos</translation>
    </message>
    <message>
        <source>Keep the &amp;book&apos;s version</source>
        <translation>Conservar la versión de la &amp;libreta</translation>
    </message>
    <message>
        <source>Keep the &amp;server&apos;s version</source>
        <translation>Conservar la versión del &amp;servidor</translation>
    </message>
    <message>
        <source>(deleted)</source>
        <translation>(eliminado)</translation>
    </message>
    <message>
        <source>Records in conflict</source>
        <translation>Registros en conflicto</translation>
    </message>
    <message>
        <source>Both versions</source>
        <translation>Ambas versiones</translation>
    </message>
</context>
<context>
    <name>ravelbook::SystemPrintDestination</name>
    <message>
        <source>No printer is installed: save the pages as a PDF file</source>
        <translation>No hay ninguna impresora instalada: guarde las páginas como archivo PDF</translation>
    </message>
</context>
<context>
    <name>ravelbook::frmMailForm</name>
    <message>
        <source>Your last changes could not be saved. %1

Keep the window open to try again? (No closes it and loses them.)</source>
        <translation>No se pudieron guardar sus últimos cambios. %1

¿Mantener la ventana abierta para volver a intentarlo? (No la cierra y los pierde.)</translation>
    </message>
    <message>
        <source>Ed&amp;it</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>&amp;Buscar…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About Ravelbook</source>
        <translation>&amp;Acerca de Ravelbook</translation>
    </message>
    <message>
        <source>Ravelbook %1

Keeps an address book and prints it onto labels, envelopes, cards and fliers.

Address book: %2</source>
        <translation>Ravelbook %1

Mantiene una libreta de direcciones y la imprime en etiquetas, sobres, tarjetas y folletos.

Libreta de direcciones: %2</translation>
    </message>
    <message>
        <source>About Ravelbook</source>
        <translation>Acerca de Ravelbook</translation>
    </message>
    <message>
        <source>Find a name (%1)</source>
        <translation>Buscar un nombre (%1)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>Mailings</source>
        <translation>Correspondencia</translation>
    </message>
    <message>
        <source>Return Address</source>
        <translation>Remitente</translation>
    </message>
    <message>
        <source>Enter a new title for this category</source>
        <translation>Escriba un título nuevo para esta categoría</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>Vista p&amp;revia de impresión…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>Im&amp;primir…</translation>
    </message>
    <message>
        <source>&amp;Calibrate Printer…</source>
        <translation>&amp;Calibrar impresora…</translation>
    </message>
    <message>
        <source>New S&amp;tationery…</source>
        <translation>Nueva pape&amp;lería…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualizar</translation>
    </message>
    <message>
        <source>Found names</source>
        <translation>Nombres encontrados</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
</context>
</TS>
