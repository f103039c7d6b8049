<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>DialstackConvert</name>
    <message>
        <location filename="../convert/CommandLine.cpp" line="10"/>
        <source>usage: dialstack-convert export [--format vcard|csv | --spreadsheet] [--file DIR/Dialstack.dat]
                                [--output FILE] [--verbose]
       dialstack-convert import [--format vcard|csv] [--file DIR/Dialstack.dat] [--verbose] FILE...
       dialstack-convert query [--file DIR/Dialstack.dat] TEXT
       dialstack-convert --help | --version
(&apos;-&apos; as FILE reads standard input; --format may be left out when every
file ends in .vcf or .csv; --spreadsheet writes CSV with &apos;;&apos; between
the cells and a byte-order mark, as spreadsheet programs in Germany,
France and other countries that write a decimal comma open it)
</source>
        <translation>uso: dialstack-convert export [--format vcard|csv | --spreadsheet] [--file CARPETA/Dialstack.dat]
                              [--output ARCHIVO] [--verbose]
     dialstack-convert import [--format vcard|csv] [--file CARPETA/Dialstack.dat] [--verbose] ARCHIVO...
     dialstack-convert query [--file CARPETA/Dialstack.dat] TEXTO
     dialstack-convert --help | --version
(&apos;-&apos; como ARCHIVO lee la entrada estándar; --format puede omitirse si todos
los archivos terminan en .vcf o .csv; --spreadsheet escribe CSV con &apos;;&apos; entre
las celdas y una marca de orden de bytes, como lo abren las hojas de cálculo
en Alemania, Francia y otros países que usan la coma decimal)
</translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/QueryCommand.cpp" line="42"/>
        <source>%n record matches</source>
        <translation>
            <numerusform>%n registro coincide</numerusform>
            <numerusform>%n registros coinciden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="74"/>
        <source>%n record added</source>
        <translation>
            <numerusform>%n registro añadido</numerusform>
            <numerusform>%n registros añadidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="75"/>
        <source>%n contact skipped</source>
        <translation>
            <numerusform>%n contacto omitido</numerusform>
            <numerusform>%n contactos omitidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="76"/>
        <source>%n value moved to misc</source>
        <translation>
            <numerusform>%n valor movido a «Notas»</numerusform>
            <numerusform>%n valores movidos a «Notas»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="77"/>
        <source>%n character replaced</source>
        <translation>
            <numerusform>%n carácter sustituido</numerusform>
            <numerusform>%n caracteres sustituidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ExportCommand.cpp" line="139"/>
        <source>%n record exported</source>
        <translation>
            <numerusform>%n registro exportado</numerusform>
            <numerusform>%n registros exportados</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="36"/>
        <source>standard input</source>
        <translation>entrada estándar</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="38"/>
        <source>%1: %2; nothing was imported</source>
        <translation>%1: %2; no se ha importado nada</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="45"/>
        <source>is a folder, not a contact file</source>
        <translation>es una carpeta, no un archivo de contactos</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="48"/>
        <source>cannot be opened</source>
        <translation>no se puede abrir</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="48"/>
        <source>there is no such file</source>
        <translation>ese archivo no existe</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="76"/>
        <source>%1: could not be saved: %2; the directory file is unchanged</source>
        <translation>%1: no se ha podido guardar: %2; el archivo de la agenda no ha cambiado</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="79"/>
        <source>%1: could not be saved: %2; the directory file may be damaged: check it, and import again</source>
        <translation>%1: no se ha podido guardar: %2; el archivo de la agenda puede estar dañado: revíselo e importe de nuevo</translation>
    </message>
    <message>
        <location filename="../convert/ConvertAccess.cpp" line="15"/>
        <source>%1: is a folder, not a directory file; nothing was converted</source>
        <translation>%1: es una carpeta, no un archivo de la agenda; no se ha convertido nada</translation>
    </message>
    <message>
        <location filename="../convert/ConvertAccess.cpp" line="19"/>
        <source>%1: there is no directory file</source>
        <translation>%1: no hay ningún archivo de la agenda</translation>
    </message>
    <message>
        <location filename="../convert/ConvertAccess.cpp" line="40"/>
        <source>%1: %2 (close Dialstack&apos;s window on it, or wait for the other import); nothing was changed</source>
        <translation>%1: %2 (cierre la ventana de Dialstack que lo tiene abierto o espere a que termine la otra importación); no se ha cambiado nada</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="41"/>
        <source>say export, import or query</source>
        <translation>indique export, import o query</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="51"/>
        <source>unknown command &apos;%1&apos;</source>
        <translation>orden desconocida «%1»</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="81"/>
        <source>unknown format &apos;%1&apos;</source>
        <translation>formato desconocido «%1»</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="96"/>
        <source>--spreadsheet is for export</source>
        <translation>--spreadsheet es solo para export</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="96"/>
        <source>--output is for export</source>
        <translation>--output es solo para export</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="110"/>
        <source>query needs one TEXT to look for</source>
        <translation>query necesita un TEXTO que buscar</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="112"/>
        <source>query takes no --format or --verbose</source>
        <translation>query no admite --format ni --verbose</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="119"/>
        <source>export takes no file arguments (use --output)</source>
        <translation>export no admite archivos como argumentos (use --output)</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="121"/>
        <source>--output names the directory file itself</source>
        <translation>--output indica el propio archivo de la agenda</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="124"/>
        <source>--spreadsheet writes CSV, not --format vcard</source>
        <translation>--spreadsheet escribe CSV, no --format vcard</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="131"/>
        <source>--format vcard or --format csv is needed (or an --output FILE ending in .vcf or .csv)</source>
        <translation>hace falta --format vcard o --format csv (o un --output ARCHIVO que termine en .vcf o .csv)</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="139"/>
        <source>import needs at least one file (&apos;-&apos; for standard input)</source>
        <translation>import necesita al menos un archivo (&apos;-&apos; para la entrada estándar)</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="147"/>
        <source>--format vcard or --format csv is needed (&apos;%1&apos; does not end in .vcf or .csv)</source>
        <translation>hace falta --format vcard o --format csv («%1» no termina en .vcf ni en .csv)</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="57"/>
        <location filename="../convert/ImportCommand.cpp" line="60"/>
        <source>cannot be read as %1: %2</source>
        <translation>no se puede leer como %1: %2</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="92"/>
        <source>%1: could not be written</source>
        <translation>%1: no se ha podido escribir</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="99"/>
        <source>could not write to standard output</source>
        <translation>no se ha podido escribir en la salida estándar</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="112"/>
        <source>%1: could not be written: %2</source>
        <translation>%1: no se ha podido escribir: %2</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="113"/>
        <source>%1: could not be written: %2; the file that was there is no longer as it was</source>
        <translation>%1: no se ha podido escribir: %2; el archivo que había ya no está como estaba</translation>
    </message>
    <message>
        <location filename="../convert/ConvertAccess.cpp" line="26"/>
        <source>%1: the directory file could not be opened: %2; nothing was converted</source>
        <translation>%1: no se ha podido abrir el archivo de la agenda: %2; no se ha convertido nada</translation>
    </message>
    <message>
        <location filename="../convert/ConvertAccess.cpp" line="30"/>
        <source>%1: the directory file could not be read completely; nothing was converted</source>
        <translation>%1: no se ha podido leer entero el archivo de la agenda; no se ha convertido nada</translation>
    </message>
    <message>
        <location filename="../convert/VCardReader.cpp" line="87"/>
        <source>it holds no vCard (no BEGIN:VCARD line)</source>
        <translation>no contiene ninguna vCard (no hay ninguna línea BEGIN:VCARD)</translation>
    </message>
    <message>
        <location filename="../convert/VCardReader.cpp" line="40"/>
        <source>END (the vCard was cut off)</source>
        <translation>END (la vCard estaba cortada)</translation>
    </message>
    <message>
        <location filename="../convert/VCardReader.cpp" line="50"/>
        <source>a line that is no vCard property: &quot;%1&quot;</source>
        <translation>una línea que no es una propiedad vCard: «%1»</translation>
    </message>
    <message>
        <location filename="../convert/CsvReader.cpp" line="155"/>
        <source>its header row is longer than %1 KiB</source>
        <translation>su fila de encabezado supera los %1 KiB</translation>
    </message>
    <message>
        <location filename="../convert/CsvReader.cpp" line="163"/>
        <source>it has no header row</source>
        <translation>no tiene fila de encabezado</translation>
    </message>
    <message>
        <location filename="../convert/InputText.cpp" line="22"/>
        <source>UTF-8, Windows-1252, UTF-16 with a byte-order mark and vCards in UTF-16 without one are read</source>
        <translation>se leen UTF-8, Windows-1252, UTF-16 con marca de orden de bytes y vCards en UTF-16 aunque no la tengan</translation>
    </message>
    <message>
        <location filename="../convert/InputText.cpp" line="69"/>
        <source>it could not be read to its end</source>
        <translation>no se ha podido leer hasta el final</translation>
    </message>
    <message>
        <location filename="../convert/InputText.cpp" line="81"/>
        <source>it is in UTF-32, which is not read (%1)</source>
        <translation>está en UTF-32, que no se lee (%1)</translation>
    </message>
    <message>
        <location filename="../convert/InputText.cpp" line="91"/>
        <source>it holds zero bytes, as UTF-16 or UTF-32 without a byte-order mark would; that is not read (%1)</source>
        <translation>contiene bytes nulos, como UTF-16 o UTF-32 sin marca de orden de bytes; eso no se lee (%1)</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="37"/>
        <source>%1: skipped, %2</source>
        <translation>%1: omitido porque %2</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="52"/>
        <source>%1: moved to misc: %2</source>
        <translation>%1: movido a «Notas»: %2</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="60"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="68"/>
        <source>%1: left out: %2</source>
        <translation>%1: descartado: %2</translation>
    </message>
    <message>
        <location filename="../convert/RecordImporter.cpp" line="23"/>
        <source>it holds more than %1 KiB of text</source>
        <translation>contiene más de %1 KiB de texto</translation>
    </message>
    <message>
        <location filename="../convert/RecordImporter.cpp" line="59"/>
        <source>%1, contact %2</source>
        <translation>%1, contacto %2</translation>
    </message>
    <message>
        <location filename="../convert/RecordImporter.cpp" line="76"/>
        <source>it has no name</source>
        <translation>no tiene nombre</translation>
    </message>
    <message>
        <location filename="../convert/RecordImporter.cpp" line="98"/>
        <source>&quot;%1&quot; (%2)</source>
        <translation>«%1» (%2)</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="98"/>
        <source>%1: its last record has no name, and adding records would overwrite it; give it a name in Dialstack first. Nothing was imported</source>
        <translation>%1: su último registro no tiene nombre y añadir registros lo sobrescribiría; póngale antes un nombre en Dialstack. No se importó nada</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="119"/>
        <source>%1: written, but %2</source>
        <translation>%1: escrito, pero %2</translation>
    </message>
    <message>
        <location filename="../vcard/VCardMapper.cpp" line="143"/>
        <source>%1 = %2... (%3 bytes in all)</source>
        <translation>%1 = %2... (%3 bytes en total)</translation>
    </message>
    <message>
        <location filename="../vcard/VCardMapper.cpp" line="166"/>
        <source>AGENT (the vCard of another person inside this one)</source>
        <translation>AGENT (la vCard de otra persona dentro de esta)</translation>
    </message>
    <message>
        <location filename="../vcard/VCardMapper.cpp" line="172"/>
        <source>%1 (binary data, %2 bytes)</source>
        <translation>%1 (datos binarios, %2 bytes)</translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="29"/>
        <source>%n character of the name replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carácter del nombre sustituido por «?»</numerusform>
            <numerusform>%n caracteres del nombre sustituidos por «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="30"/>
        <source>%n character of the phone replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carácter del teléfono sustituido por «?»</numerusform>
            <numerusform>%n caracteres del teléfono sustituidos por «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="31"/>
        <source>%n character of the pager replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carácter del busca sustituido por «?»</numerusform>
            <numerusform>%n caracteres del busca sustituidos por «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="32"/>
        <source>%n character of the e-mail replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carácter del correo electrónico sustituido por «?»</numerusform>
            <numerusform>%n caracteres del correo electrónico sustituidos por «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="33"/>
        <source>%n character of the misc replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carácter de «Notas» sustituido por «?»</numerusform>
            <numerusform>%n caracteres de «Notas» sustituidos por «?»</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="73"/>
        <source>%1: could not be saved: %2; nothing was imported</source>
        <translation>%1: no se ha podido guardar: %2; no se ha importado nada</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="43"/>
        <source>%1: left alone, a group is not a contact</source>
        <translation>%1: no importado, un grupo no es un contacto</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="44"/>
        <source>%1: left alone, a place is not a contact</source>
        <translation>%1: no importado, un lugar no es un contacto</translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="79"/>
        <source>%n group or place left alone</source>
        <translation>
            <numerusform>%n grupo o lugar no importado</numerusform>
            <numerusform>%n grupos o lugares no importados</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DialstackSync</name>
    <message>
        <location filename="../sync/SyncReport.cpp" line="89"/>
        <source>left out: %1, a group or a place is not a contact</source>
        <translation>no sincronizado: %1, un grupo o un lugar no es un contacto</translation>
    </message>
    <message>
        <location filename="../sync/DesktopNotifier.cpp" line="79"/>
        <source>Open Dialstack</source>
        <translation>Abrir Dialstack</translation>
    </message>
    <message>
        <location filename="../sync/UserTimer.cpp" line="111"/>
        <source>%1 could not be started</source>
        <translation>No se ha podido iniciar %1</translation>
    </message>
    <message>
        <location filename="../sync/UserTimer.cpp" line="113"/>
        <source>%1 did not finish within a minute</source>
        <translation>%1 no ha terminado en menos de un minuto</translation>
    </message>
    <message>
        <location filename="../sync/UserTimer.cpp" line="117"/>
        <source>%1 ended with status %2</source>
        <translation>%1 ha terminado con el estado %2</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="28"/>
        <source>usage: dialstack-sync [--file DIR/Dialstack.dat] [--url URL] [--user NAME]
                      [--password-file FILE | --password-stdin] [--keep-password]
                      [--certificate FILE | --accept-certificate SHA256] [--timeout SECONDS]
                      [--dry-run] [--force | --bring-back] [--verbose] [--report json]
       dialstack-sync [--file DIR/Dialstack.dat] --discover --url URL [--user NAME] [...]
       dialstack-sync [--file DIR/Dialstack.dat] --forget | --timer on|off|status
       dialstack-sync --help | --version
Keeps the directory file and its CardDAV address book in step. The first run
needs --url; the URL, user, password file and certificate are remembered for
that directory file. The password comes from --password-file, or the first
line of standard input with --password-stdin, else the keyring, else the
password file remembered for the directory file, else a prompt on the
terminal. --keep-password keeps a password the server took: in the keyring,
else in a file only you can read.
--accept-certificate trusts the server&apos;s certificate when its SHA-256
fingerprint is the one given. --bring-back answers a refused mass deletion
by bringing the deleted records back. --discover lists the server&apos;s address
books and changes nothing. --forget forgets what this program knows about the
directory file&apos;s sync (never the file). --timer turns the directory file&apos;s
timer on or off, or says whether it is on. --report json prints what the run
came to as one line of JSON.
Exit status: 0 in step; 1 failed (nothing lost); 2 bad usage; 3 busy (a
window with unsaved changes or another program has the directory: the next
run tries again); 4 needs you (the sync would delete too much, the password
was refused or is missing, the certificate is not trusted, or the address
book is gone).
</source>
        <translation>uso: dialstack-sync [--file CARPETA/Dialstack.dat] [--url URL] [--user NOMBRE]
                    [--password-file ARCHIVO | --password-stdin] [--keep-password]
                    [--certificate ARCHIVO | --accept-certificate SHA256] [--timeout SEGUNDOS]
                    [--dry-run] [--force | --bring-back] [--verbose] [--report json]
     dialstack-sync [--file CARPETA/Dialstack.dat] --discover --url URL [--user NOMBRE] [...]
     dialstack-sync [--file CARPETA/Dialstack.dat] --forget | --timer on|off|status
     dialstack-sync --help | --version
Mantiene sincronizados el archivo de la agenda y su libreta de direcciones
CardDAV. La primera ejecución necesita --url; la URL, el usuario, el archivo de
contraseña y el certificado se recuerdan para ese archivo de la agenda. La
contraseña viene de --password-file, o de la primera línea de la entrada
estándar con --password-stdin, si no del llavero, si no del archivo de
contraseña recordado para el archivo de la agenda, si no de una pregunta en el
terminal. --keep-password guarda una contraseña que el servidor ha aceptado: en
el llavero, si no en un archivo que solo usted puede leer.
--accept-certificate confía en el certificado del servidor cuando su huella
SHA-256 es la indicada. --bring-back responde a un borrado masivo rechazado
recuperando los registros borrados. --discover lista las libretas de
direcciones del servidor y no cambia nada. --forget olvida lo que este programa
sabe de la sincronización del archivo de la agenda (nunca el archivo). --timer
activa o desactiva el temporizador del archivo de la agenda, o dice si está
activo. --report json muestra el resultado de la ejecución en una línea JSON.
Estado de salida: 0 sincronizado; 1 ha fallado (no se ha perdido nada); 2 uso
incorrecto; 3 ocupado (una ventana con cambios sin guardar u otro programa
tiene la agenda: la próxima ejecución lo vuelve a intentar); 4 le necesita (la
sincronización borraría demasiado, la contraseña se ha rechazado o falta, el
certificado no es de confianza, o la libreta de direcciones ya no está).
</translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="51"/>
        <location filename="../sync/SyncReport.cpp" line="22"/>
        <source>%n added</source>
        <translation>
            <numerusform>%n añadido</numerusform>
            <numerusform>%n añadidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="51"/>
        <location filename="../sync/SyncReport.cpp" line="22"/>
        <source>%n changed</source>
        <translation>
            <numerusform>%n modificado</numerusform>
            <numerusform>%n modificados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="52"/>
        <location filename="../sync/SyncReport.cpp" line="23"/>
        <source>%n deleted</source>
        <translation>
            <numerusform>%n borrado</numerusform>
            <numerusform>%n borrados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="80"/>
        <location filename="../sync/SyncReport.cpp" line="94"/>
        <source>%n conflict kept as a copy</source>
        <translation>
            <numerusform>%n conflicto guardado como copia</numerusform>
            <numerusform>%n conflictos guardados como copias</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="84"/>
        <location filename="../sync/SyncReport.cpp" line="98"/>
        <source>Here: %1; on the server: %2; %3</source>
        <translation>Aquí: %1; en el servidor: %2; %3</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="82"/>
        <location filename="../sync/SyncReport.cpp" line="96"/>
        <source>Dry run, nothing changed. Would do here: %1; on the server: %2; %3</source>
        <translation>Simulación, no se ha cambiado nada. Resultado previsto aquí: %1; en el servidor: %2; %3</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="28"/>
        <source>added here: %1</source>
        <translation>añadido aquí: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="28"/>
        <source>changed here: %1</source>
        <translation>modificado aquí: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="29"/>
        <source>deleted here: %1</source>
        <translation>borrado aquí: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="30"/>
        <source>added on the server: %1</source>
        <translation>añadido en el servidor: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="31"/>
        <source>changed on the server: %1</source>
        <translation>modificado en el servidor: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="32"/>
        <source>deleted on the server: %1</source>
        <translation>borrado en el servidor: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="33"/>
        <source>would add here: %1</source>
        <translation>se añadiría aquí: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="34"/>
        <source>would change here: %1</source>
        <translation>se modificaría aquí: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="35"/>
        <source>would delete here: %1</source>
        <translation>se borraría aquí: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="36"/>
        <source>would add on the server: %1</source>
        <translation>se añadiría en el servidor: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="37"/>
        <source>would change on the server: %1</source>
        <translation>se modificaría en el servidor: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="38"/>
        <source>would delete on the server: %1</source>
        <translation>se borraría en el servidor: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="59"/>
        <source>kept both versions of a record changed on both sides: the server&apos;s, and this machine&apos;s as %1</source>
        <translation>se han guardado las dos versiones de un registro cambiado en ambos lados: la del servidor y la de este equipo como %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="56"/>
        <source>would keep both versions of a record changed on both sides: the server&apos;s, and this machine&apos;s as %1</source>
        <translation>se guardarían las dos versiones de un registro cambiado en ambos lados: la del servidor y la de este equipo como %1</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="249"/>
        <location filename="../sync/SyncPassword.cpp" line="79"/>
        <source>%1: the password file cannot be read</source>
        <translation>%1: no se puede leer el archivo de contraseña</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="247"/>
        <location filename="../sync/SyncPassword.cpp" line="75"/>
        <source>%1: others can read this password file; make it yours alone (chmod 600 %1) and run again</source>
        <translation>%1: otros pueden leer este archivo de contraseña; hágalo solo suyo (chmod 600 %1) y vuelva a ejecutar</translation>
    </message>
    <message>
        <location filename="../sync/SyncPassword.cpp" line="101"/>
        <source>Password for %1 at %2: </source>
        <translation>Contraseña de %1 en %2: </translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="283"/>
        <source>%1: a Dialstack window has unsaved changes in it, or another program is changing it. Nothing was synced; the next sync after you save takes the window&apos;s changes</source>
        <translation>%1: una ventana de Dialstack tiene cambios sin guardar en él, u otro programa lo está cambiando. No se ha sincronizado nada; la próxima sincronización después de guardar recogerá los cambios de la ventana</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="278"/>
        <source>stopped by %1; what was synced is kept, and the next sync goes on from there</source>
        <translation>detenido por %1; lo ya sincronizado se conserva y la próxima sincronización sigue desde ahí</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="221"/>
        <source>no address book found at %1 for %2; create one on the server (in its web page, or with your phone&apos;s contacts app), then sync again</source>
        <translation>no se ha encontrado ninguna libreta de direcciones en %1 para %2; cree una en el servidor (en su página web o con la aplicación de contactos del teléfono) y vuelva a sincronizar</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="208"/>
        <source>this user</source>
        <translation>este usuario</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="147"/>
        <source>To settle it, run: %1</source>
        <translation>Para resolverlo, ejecute: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="128"/>
        <source>unexpected argument: %1</source>
        <translation>argumento inesperado: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="41"/>
        <source>--%1 given more than once</source>
        <translation>--%1 indicado más de una vez</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="78"/>
        <source>--timeout needs a number of seconds from 1 to 3600</source>
        <translation>--timeout necesita un número de segundos de 1 a 3600</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="73"/>
        <source>--url needs an http:// or https:// address, not %1</source>
        <translation>--url necesita una dirección http:// o https://, no %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="75"/>
        <source>give the user name with --user, not inside the URL</source>
        <translation>indique el nombre de usuario con --user, no dentro de la URL</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="174"/>
        <source>the first sync of %1 needs --url (the address book or the server)</source>
        <translation>la primera sincronización de %1 necesita --url (la libreta de direcciones o el servidor)</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="90"/>
        <source>%1 did not answer within %2 s</source>
        <translation>%1 no respondió en %2 s</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="240"/>
        <source>%1 refused the user name or password</source>
        <translation>%1 rechazó el usuario o la contraseña</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="192"/>
        <source>%1 of the %2 records here (%3)</source>
        <translation>%1 de los %2 registros de aquí (%3)</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="194"/>
        <source>%1 of the %2 cards on the server (%3)</source>
        <translation>%1 de las %2 tarjetas del servidor (%3)</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="33"/>
        <location filename="../sync/SyncReport.cpp" line="16"/>
        <source>&quot;%1&quot;</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="201"/>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="178"/>
        <source>%1: the directory file could not be read completely; nothing was synced</source>
        <translation>%1: no se ha podido leer entero el archivo de la agenda; no se ha sincronizado nada</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="173"/>
        <source>%1: could not be saved: %2; the directory file is unchanged</source>
        <translation>%1: no se ha podido guardar: %2; el archivo de la agenda no ha cambiado</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="171"/>
        <source>%1: could not be saved: %2</source>
        <translation>%1: no se ha podido guardar: %2</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="293"/>
        <source>the address book %1 is gone from the server; nothing was changed here</source>
        <translation>la libreta de direcciones %1 ya no está en el servidor; aquí no se ha cambiado nada</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="82"/>
        <source>a password is never sent over plain http:// except to this machine; use https:// for %1</source>
        <translation>nunca se envía una contraseña por http:// sin cifrar, salvo a este equipo; use https:// para %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="201"/>
        <source>%1: holds no certificate (PEM) that can be read</source>
        <translation>%1: no contiene ningún certificado (PEM) legible</translation>
    </message>
    <message>
        <location filename="../sync/SyncPassword.cpp" line="124"/>
        <source>The password could not be kept in the keyring (none is running); from now on the file %1 is read for it. Keep it readable by you alone.</source>
        <translation>No se ha podido guardar la contraseña en el llavero (no hay ninguno en marcha); a partir de ahora se lee del archivo %1. Manténgalo legible solo para usted.</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="184"/>
        <source>the server has several address books; run again with --url and one of them:</source>
        <translation>el servidor tiene varias libretas de direcciones; vuelva a ejecutar con --url y una de ellas:</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="149"/>
        <source>%1: the server does not allow this (403 Forbidden)</source>
        <translation>%1: el servidor no lo permite (403 Forbidden)</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="150"/>
        <source>%1: not found on the server (404)</source>
        <translation>%1: no se ha encontrado en el servidor (404)</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="155"/>
        <source>%1: the server answered %2</source>
        <translation>%1: el servidor respondió %2</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="148"/>
        <source>%1 sent a reply that could not be read: %2</source>
        <translation>%1 envió una respuesta que no se ha podido leer: %2</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="138"/>
        <source>the server answered %1 (%2)</source>
        <translation>el servidor respondió %1 (%2)</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="139"/>
        <source>the server answered %1: %2</source>
        <translation>el servidor respondió %1: %2</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="136"/>
        <source>the server answered %1</source>
        <translation>el servidor respondió %1</translation>
    </message>
    <message>
        <location filename="../sync/DavMultiStatus.cpp" line="182"/>
        <source>the reply is not a WebDAV multistatus</source>
        <translation>la respuesta no es un multistatus de WebDAV</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="270"/>
        <source>the address book kept changing while this sync wrote to it; nothing was lost, run the sync again</source>
        <translation>la libreta de direcciones no dejó de cambiar mientras esta sincronización escribía en ella; no se ha perdido nada, vuelva a sincronizar</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="119"/>
        <source>the card of %1</source>
        <translation>la tarjeta de %1</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="120"/>
        <source>status %1</source>
        <translation>estado %1</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="121"/>
        <source>left out of its reply</source>
        <translation>omitida en su respuesta</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="126"/>
        <source>%1 did not give %2 (%3); nothing was changed, run the sync again later</source>
        <translation>%1 no entregó %2 (%3); no se ha cambiado nada, vuelva a sincronizar más tarde</translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="127"/>
        <source>%1 did not give %2 (%3) nor %n other cards; nothing was changed, run the sync again later</source>
        <translation>
            <numerusform>%1 no entregó %2 (%3) ni %n tarjeta más; no se ha cambiado nada, vuelva a sincronizar más tarde</numerusform>
            <numerusform>%1 no entregó %2 (%3) ni %n tarjetas más; no se ha cambiado nada, vuelva a sincronizar más tarde</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="164"/>
        <source>%1: the directory file changed on disk while syncing; nothing was changed here, run the sync again</source>
        <translation>%1: el archivo de la agenda cambió en el disco durante la sincronización; aquí no se ha cambiado nada, vuelva a sincronizar</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="168"/>
        <source>%1: its last record has no name, and adding records would overwrite it; give it a name in Dialstack first. Nothing was changed</source>
        <translation>%1: su último registro no tiene nombre, y añadir registros lo sobrescribiría; póngale primero un nombre en Dialstack. No se cambió nada</translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="44"/>
        <location filename="../sync/SyncReport.cpp" line="108"/>
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 y %n más</numerusform>
            <numerusform>%1 y %n más</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="113"/>
        <source>%1: the sync journal could not be written</source>
        <translation>%1: no se ha podido escribir el diario de sincronización</translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="129"/>
        <source>%1: the folder could not be made</source>
        <translation>%1: no se ha podido crear la carpeta</translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="279"/>
        <source>%1: the sync state could not be saved: %2</source>
        <translation>%1: no se ha podido guardar el estado de sincronización: %2</translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="283"/>
        <source>%1: the sync state could not be made private</source>
        <translation>%1: no se ha podido hacer privado el estado de sincronización</translation>
    </message>
    <message>
        <location filename="../sync/DesktopNotifier.cpp" line="78"/>
        <source>Dialstack sync needs you</source>
        <translation>La sincronización de Dialstack necesita su intervención</translation>
    </message>
    <message>
        <location filename="../sync/Keyring.cpp" line="53"/>
        <source>Dialstack: %1 at %2</source>
        <translation>Dialstack: %1 en %2</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="213"/>
        <source>%1 is neither a CardDAV server nor an address book (asked: %2); give the address of your address book with --url</source>
        <translation>%1 no es ni un servidor CardDAV ni una libreta de direcciones (direcciones consultadas: %2); indique la dirección de su libreta de direcciones con --url</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="167"/>
        <source>%1 is synced with %2; to sync it with another address book, first forget this sync with --forget</source>
        <translation>%1 se sincroniza con %2; para sincronizarlo con otra libreta de direcciones, olvide antes esta sincronización con --forget</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="238"/>
        <source>%1 refused the password for %2 read from %3; put the new password in that file</source>
        <translation>%1 ha rechazado la contraseña de %2 leída de %3; ponga la contraseña nueva en ese archivo</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="179"/>
        <source>%1: %2; nothing was synced</source>
        <translation>%1: %2; no se ha sincronizado nada</translation>
    </message>
    <message>
        <location filename="../sync/ServerCertificate.cpp" line="14"/>
        <source>%1: no certificate could be had from the server: %2</source>
        <translation>%1: no se ha podido obtener un certificado del servidor: %2</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="153"/>
        <source>%1: the server answered %2 (%3)</source>
        <translation>%1: el servidor ha respondido %2 (%3)</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="274"/>
        <source>%1: the sync&apos;s memory of this directory file is damaged (%2); forget it, then sync again with --url</source>
        <translation>%1: el estado de sincronización de este archivo de la agenda está dañado (%2); olvídelo y vuelva a sincronizar con --url</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="215"/>
        <source>--accept-certificate is for a server at an https:// address</source>
        <translation>--accept-certificate es para un servidor con una dirección https://</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="72"/>
        <source>--accept-certificate needs the certificate&apos;s SHA-256 fingerprint (64 hex digits)</source>
        <translation>--accept-certificate necesita la huella SHA-256 del certificado (64 dígitos hexadecimales)</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="103"/>
        <source>--discover needs --url (the server or the address book)</source>
        <translation>--discover necesita --url (el servidor o la libreta de direcciones)</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="101"/>
        <source>--discover, --forget and --timer each run alone</source>
        <translation>--discover, --forget y --timer se usan cada uno por separado</translation>
    </message>
    <message>
        <location filename="../sync/SyncPassword.cpp" line="68"/>
        <source>--password-stdin: no password came on standard input</source>
        <translation>--password-stdin: no ha llegado ninguna contraseña por la entrada estándar</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="130"/>
        <source>--report takes json</source>
        <translation>--report admite json</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="98"/>
        <source>--timer takes on, off or status</source>
        <translation>--timer admite on, off o status</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="74"/>
        <source>Address books found:</source>
        <translation>Libretas de direcciones encontradas:</translation>
    </message>
    <message>
        <location filename="../sync/SyncPassword.cpp" line="136"/>
        <source>Keep it in %1 (readable by you alone)? [y/N]</source>
        <translation>¿Guardarla en %1 (legible solo para usted)? [s/N]</translation>
    </message>
    <message>
        <location filename="../sync/PasswordSource.cpp" line="69"/>
        <source>y</source>
        <translation>s</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="60"/>
        <source>No timer syncs this directory file.</source>
        <translation>Ningún temporizador sincroniza este archivo de la agenda.</translation>
    </message>
    <message>
        <location filename="../sync/SyncPassword.cpp" line="147"/>
        <source>The password could not be kept: %1</source>
        <translation>No se ha podido guardar la contraseña: %1</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="59"/>
        <source>The timer syncs this directory file every quarter of an hour.</source>
        <translation>El temporizador sincroniza este archivo de la agenda cada cuarto de hora.</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="124"/>
        <source>a password is never taken on the command line: use --password-file FILE, --password-stdin, or the keyring</source>
        <translation>nunca se acepta una contraseña en la línea de órdenes: use --password-file ARCHIVO, --password-stdin o el llavero</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="66"/>
        <source>give the password with --password-file or --password-stdin, not both</source>
        <translation>indique la contraseña con --password-file o con --password-stdin, no con ambas</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="107"/>
        <source>is a folder, not a directory file</source>
        <translation>es una carpeta, no un archivo de la agenda</translation>
    </message>
    <message>
        <location filename="../sync/SyncPassword.cpp" line="93"/>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="108"/>
        <source>it is no sync state this program wrote, or it was cut short</source>
        <translation>no lo ha escrito este programa, o ha quedado cortado</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="228"/>
        <source>it is not the one whose fingerprint was given</source>
        <translation>no es aquel cuya huella se ha indicado</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="289"/>
        <source>no password for %1 at %2: the keyring has none, and no password file is remembered</source>
        <translation>no hay contraseña para %1 en %2: el llavero no tiene ninguna y no hay ningún archivo de contraseña recordado</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="254"/>
        <source>the certificate of %1 is not trusted (%2); its SHA-256 fingerprint is %3. If it is your own server&apos;s, trust it</source>
        <translation>el certificado de %1 no es de confianza (%2); su huella SHA-256 es %3. Si es el de su propio servidor, confíe en él</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="103"/>
        <source>the folder does not exist</source>
        <translation>la carpeta no existe</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="105"/>
        <source>the folder is read-only, so the directory file cannot be saved there</source>
        <translation>la carpeta es de solo lectura, así que el archivo de la agenda no se puede guardar ahí</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="63"/>
        <source>the timer could not be set: %1</source>
        <translation>no se ha podido ajustar el temporizador: %1</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="62"/>
        <source>the timer cannot be set: no systemd user manager runs for this user</source>
        <translation>no se puede ajustar el temporizador: no hay ningún gestor de usuario de systemd en marcha para este usuario</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="198"/>
        <source>this sync would delete %1; nothing was changed. If that is what you want, run it again with --force; to bring them back instead, with --bring-back</source>
        <translation>esta sincronización borraría %1; no se ha cambiado nada. Si es lo que quiere, vuelva a ejecutarla con --force; para recuperarlos en su lugar, con --bring-back</translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="229"/>
        <source>the server refused %n card (%1); everything else is in step</source>
        <translation>
            <numerusform>el servidor ha rechazado %n tarjeta (%1); todo lo demás está sincronizado</numerusform>
            <numerusform>el servidor ha rechazado %n tarjetas (%1); todo lo demás está sincronizado</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="105"/>
        <source>the server sent this program to %1, another server; it only talks to the server it was given. If that one is right, give it with --url</source>
        <translation>el servidor ha enviado este programa a %1, otro servidor; solo habla con el servidor que se le ha indicado. Si ese es el correcto, indíquelo con --url</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="109"/>
        <source>the server points to another server, %1, for the address books; nothing was sent there. If that server is right, give its address book with --url</source>
        <translation>el servidor remite a otro servidor, %1, para las libretas de direcciones; no se ha enviado nada allí. Si ese servidor es el correcto, indique su libreta de direcciones con --url</translation>
    </message>
</context>
<context>
    <name>DialstackTools</name>
    <message>
        <location filename="../shell/ToolShell.cpp" line="25"/>
        <source>ran out of memory; nothing was changed</source>
        <translation>memoria agotada; no se ha cambiado nada</translation>
    </message>
    <message>
        <location filename="../shell/ToolShell.cpp" line="28"/>
        <source>a file holds a field too long to be held (%1); nothing was changed</source>
        <translation>un archivo contiene un campo demasiado largo (%1); no se ha cambiado nada</translation>
    </message>
    <message>
        <location filename="../shell/ToolShell.cpp" line="31"/>
        <source>stopped: %1; nothing was changed</source>
        <translation>detenido: %1; no se ha cambiado nada</translation>
    </message>
    <message>
        <location filename="../shell/ToolShell.cpp" line="39"/>
        <source>--file needs a file name</source>
        <translation>--file necesita un nombre de archivo</translation>
    </message>
    <message>
        <location filename="../shell/PrintableText.cpp" line="45"/>
        <source>... (%1 bytes in all)</source>
        <translation>... (%1 bytes en total)</translation>
    </message>
</context>
<context>
    <name>Framework</name>
    <message>
        <location filename="../framework/Wnd.cpp" line="230"/>
        <source>&amp;Move</source>
        <translation>&amp;Mover</translation>
    </message>
    <message>
        <location filename="../framework/Wnd.cpp" line="236"/>
        <source>&amp;Close	Alt+F4</source>
        <translation>&amp;Cerrar	Alt+F4</translation>
    </message>
    <message>
        <location filename="../framework/DataExchange.cpp" line="96"/>
        <source>Please enter a whole number.</source>
        <translation>Introduzca un número entero.</translation>
    </message>
    <message numerus="yes">
        <location filename="../framework/DataExchange.cpp" line="109"/>
        <source>Please enter no more than %n characters.</source>
        <translation>
            <numerusform>Introduzca como máximo %n carácter.</numerusform>
            <numerusform>Introduzca como máximo %n caracteres.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <location filename="../data/FileReasons.cpp" line="51"/>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="53"/>
        <source>it is a named pipe (FIFO), not a file</source>
        <translation>es una tubería con nombre (FIFO), no un archivo</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="55"/>
        <source>it is a device, not a file</source>
        <translation>es un dispositivo, no un archivo</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="57"/>
        <source>it is a socket, not a file</source>
        <translation>es un socket, no un archivo</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="58"/>
        <source>it is something other than a file, not a file</source>
        <translation>no es un archivo, sino otra cosa</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="64"/>
        <source>it is a symbolic link to a folder, not to a file</source>
        <translation>es un enlace simbólico a una carpeta, no a un archivo</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="66"/>
        <source>it is a symbolic link to a named pipe (FIFO), not to a file</source>
        <translation>es un enlace simbólico a una tubería con nombre (FIFO), no a un archivo</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="68"/>
        <source>it is a symbolic link to a device, not to a file</source>
        <translation>es un enlace simbólico a un dispositivo, no a un archivo</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="70"/>
        <source>it is a symbolic link to a socket, not to a file</source>
        <translation>es un enlace simbólico a un socket, no a un archivo</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="71"/>
        <source>it is a symbolic link to something other than a file, not to a file</source>
        <translation>es un enlace simbólico a algo que no es un archivo</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="77"/>
        <source>the disk is read-only</source>
        <translation>el disco es de solo lectura</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="78"/>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="79"/>
        <source>the disk quota is used up</source>
        <translation>se ha agotado la cuota de disco</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="80"/>
        <source>the file would be larger than this process may write</source>
        <translation>el archivo superaría el tamaño que este proceso puede escribir</translation>
    </message>
    <message>
        <location filename="../data/DirectoryLock.cpp" line="55"/>
        <source>the lock file &quot;%1&quot; could not be opened: %2</source>
        <translation>no se ha podido abrir el archivo de bloqueo «%1»: %2</translation>
    </message>
    <message>
        <location filename="../data/DirectoryLock.cpp" line="67"/>
        <source>the lock file &quot;%1&quot; could not be locked: %2</source>
        <translation>no se ha podido bloquear el archivo de bloqueo «%1»: %2</translation>
    </message>
    <message>
        <location filename="../data/DirectoryLock.cpp" line="70"/>
        <source>another program is changing the directory</source>
        <translation>otro programa está modificando la agenda en este momento</translation>
    </message>
    <message>
        <location filename="../data/DirectoryLock.cpp" line="72"/>
        <source>a Dialstack window has unsaved changes to the directory, or another program is changing it; once they are saved, the next sync or import takes them in</source>
        <translation>una ventana de Dialstack tiene cambios sin guardar en la agenda, u otro programa la está modificando; en cuanto se guarden, la próxima sincronización o importación los incorporará</translation>
    </message>
    <message>
        <location filename="../data/InPlaceRewrite.cpp" line="107"/>
        <source>the new contents could not be made; nothing was replaced</source>
        <translation>no se ha podido crear el contenido nuevo; no se ha reemplazado nada</translation>
    </message>
    <message>
        <location filename="../data/InPlaceRewrite.cpp" line="109"/>
        <location filename="../data/InPlaceRewrite.cpp" line="111"/>
        <source>there is not enough memory to make the new contents; nothing was replaced</source>
        <translation>no hay memoria suficiente para crear el contenido nuevo; no se ha reemplazado nada</translation>
    </message>
    <message>
        <location filename="../data/InPlaceRewrite.cpp" line="140"/>
        <source>the folder takes no new file, so the file itself was rewritten, which failed (%1); its old contents were written back, so it is as it was</source>
        <translation>la carpeta no admite un archivo nuevo, así que se reescribió el propio archivo, lo que falló (%1); se volvió a escribir su contenido anterior, así que está como estaba</translation>
    </message>
    <message>
        <location filename="../data/InPlaceRewrite.cpp" line="143"/>
        <source>the folder takes no new file, so the file itself was rewritten, which failed (%1); its old contents could not be written back, so the file is damaged</source>
        <translation>la carpeta no admite un archivo nuevo, así que se reescribió el propio archivo, lo que falló (%1); no se pudo volver a escribir su contenido anterior, así que el archivo está dañado</translation>
    </message>
    <message>
        <location filename="../data/SafeFileReplace.cpp" line="54"/>
        <source>it is a symbolic link to nothing; nothing was replaced</source>
        <translation>es un enlace simbólico que no lleva a ninguna parte; no se ha reemplazado nada</translation>
    </message>
    <message>
        <location filename="../data/SafeFileReplace.cpp" line="60"/>
        <source>%1; nothing was replaced</source>
        <translation>%1; no se ha reemplazado nada</translation>
    </message>
    <message>
        <location filename="../data/SafeFileReplace.cpp" line="212"/>
        <source>the new file is in place, but it may not be on the disk yet: the folder could not be synced (%1)</source>
        <translation>el archivo nuevo está en su sitio, pero puede que aún no esté en el disco: no se ha podido escribir la carpeta en el disco (%1)</translation>
    </message>
    <message>
        <location filename="../data/SafeFileReplace.cpp" line="232"/>
        <source>the folder it belongs in no longer exists</source>
        <translation>la carpeta en la que debe estar ya no existe</translation>
    </message>
    <message>
        <location filename="../data/SafeFileReplace.cpp" line="286"/>
        <source>there is not enough memory to replace the file; nothing was replaced</source>
        <translation>no hay memoria suficiente para reemplazar el archivo; no se ha reemplazado nada</translation>
    </message>
    <message>
        <location filename="../data/RecordList.cpp" line="246"/>
        <source>there is not enough memory to make the file</source>
        <translation>no hay memoria suficiente para crear el archivo</translation>
    </message>
    <message>
        <location filename="../data/RecordListFile.cpp" line="166"/>
        <source>there is no directory to save</source>
        <translation>no hay ninguna agenda que guardar</translation>
    </message>
    <message>
        <location filename="../printer/PrinterPort.cpp" line="44"/>
        <source>the print service (CUPS) is not running</source>
        <translation>el servicio de impresión (CUPS) no está en marcha</translation>
    </message>
    <message>
        <location filename="../printer/PrinterPort.cpp" line="46"/>
        <source>no default printer is configured; choose one in the system&apos;s printer settings or with &quot;lpoptions -d PRINTER&quot;</source>
        <translation>no hay ninguna impresora predeterminada configurada; elija una en la configuración de impresoras del sistema o con «lpoptions -d IMPRESORA»</translation>
    </message>
    <message>
        <location filename="../printer/PrinterPort.cpp" line="48"/>
        <source>the default printer is not available: %1</source>
        <translation>la impresora predeterminada no está disponible: %1</translation>
    </message>
    <message>
        <location filename="../printer/PrinterPort.cpp" line="154"/>
        <source>the printer refused the job: %1</source>
        <translation>la impresora ha rechazado el trabajo: %1</translation>
    </message>
    <message>
        <location filename="../printer/PrinterPort.cpp" line="165"/>
        <source>the job could not be sent to the printer: %1</source>
        <translation>no se ha podido enviar el trabajo a la impresora: %1</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="21"/>
        <source>permission denied</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="22"/>
        <source>operation not permitted</source>
        <translation>operación no permitida</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="23"/>
        <source>no such file or directory</source>
        <translation>no existe el archivo o la carpeta</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="24"/>
        <source>not a directory</source>
        <translation>una parte de la ruta no es una carpeta</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="25"/>
        <source>is a directory</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="26"/>
        <source>too many levels of symbolic links</source>
        <translation>demasiados niveles de enlaces simbólicos</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="27"/>
        <source>file name too long</source>
        <translation>nombre de archivo demasiado largo</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="28"/>
        <source>input/output error</source>
        <translation>error de entrada/salida</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="29"/>
        <source>device or resource busy</source>
        <translation>dispositivo o recurso ocupado</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="30"/>
        <source>text file busy</source>
        <translation>el archivo se está ejecutando como programa</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="31"/>
        <source>cannot allocate memory</source>
        <translation>no hay memoria suficiente</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="32"/>
        <source>too many open files</source>
        <translation>demasiados archivos abiertos</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="33"/>
        <source>too many open files in system</source>
        <translation>demasiados archivos abiertos en el sistema</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="34"/>
        <source>no locks available</source>
        <translation>no hay bloqueos disponibles</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="35"/>
        <source>stale file handle</source>
        <translation>referencia de archivo obsoleta</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="36"/>
        <source>no such device or address</source>
        <translation>no existe el dispositivo o la dirección</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="37"/>
        <source>invalid cross-device link</source>
        <translation>enlace entre dispositivos no válido</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="38"/>
        <source>invalid argument</source>
        <translation>argumento no válido</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="39"/>
        <source>transport endpoint is not connected</source>
        <translation>la conexión con el sistema de archivos se ha perdido</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="40"/>
        <source>connection timed out</source>
        <translation>se ha agotado el tiempo de espera de la conexión</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="19"/>
        <source>About Quillaven Dialstack</source>
        <translation>Acerca de Quillaven Dialstack</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="23"/>
        <source>Dialstack icon</source>
        <translation>Icono de Dialstack</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="24"/>
        <source>Quillaven Dialstack Version 2.0</source>
        <translation>Quillaven Dialstack versión 2.0</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="26"/>
        <source>Made in Quillaven for every desk.</source>
        <translation>Hecho en Quillaven para cada escritorio.</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="28"/>
        <location filename="../res/DialogTemplates.cpp" line="83"/>
        <location filename="../res/DialogTemplates.cpp" line="152"/>
        <location filename="../res/SyncStringTable.cpp" line="108"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="30"/>
        <source>Dialstack keeps the names, phone and pager numbers, e-mail addresses and notes of the people you call, in the file Dialstack.dat of the folder you start it from.</source>
        <translation>Dialstack guarda los nombres, teléfonos, buscas, correos y notas de las personas a las que llama, en el archivo Dialstack.dat de la carpeta desde la que lo inicia.</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="34"/>
        <source>Copyright (C) 2026 Quillaven</source>
        <translation>Copyright (C) 2026 Quillaven</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="42"/>
        <source>Quillaven Dialstack</source>
        <translation>Quillaven Dialstack</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="45"/>
        <source>Add Name</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="46"/>
        <source>Save Now</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="47"/>
        <source>Delete Name</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="48"/>
        <source>Undo Changes</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="49"/>
        <source>Edit Name</source>
        <translation>Editar</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="50"/>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="51"/>
        <source>Save / Quit</source>
        <translation>Guardar/Salir</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="52"/>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="55"/>
        <source>Names</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="56"/>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="57"/>
        <location filename="../res/ResourceTable.cpp" line="89"/>
        <source>Email</source>
        <translation>Correo</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="58"/>
        <location filename="../res/ResourceTable.cpp" line="88"/>
        <source>Pager</source>
        <translation>Busca</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="59"/>
        <location filename="../res/ResourceTable.cpp" line="87"/>
        <source>Phone</source>
        <translation>Tel.</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="60"/>
        <location filename="../res/DialogTemplates.cpp" line="74"/>
        <location filename="../res/ResourceTable.cpp" line="90"/>
        <source>Misc.</source>
        <translation>Notas</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="164"/>
        <source>Add Record</source>
        <translation>Añadir registro</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="165"/>
        <source>Edit Item</source>
        <translation>Editar registro</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="70"/>
        <location filename="../res/SyncStringTable.cpp" line="106"/>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="71"/>
        <source>Phone Number</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="72"/>
        <source>Pager Number</source>
        <translation>Busca</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="73"/>
        <source>Email Address</source>
        <translation>Correo</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="84"/>
        <location filename="../res/DialogTemplates.cpp" line="106"/>
        <location filename="../res/DialogTemplates.cpp" line="153"/>
        <location filename="../res/ResourceTable.cpp" line="54"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="101"/>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="103"/>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="104"/>
        <source>Find what</source>
        <translation>Texto a buscar</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="105"/>
        <source>Find Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="33"/>
        <source>&amp;About Dialstack2...</source>
        <translation>&amp;Acerca de Dialstack2...</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="35"/>
        <source>&amp;Find…</source>
        <translation>&amp;Buscar…</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="241"/>
        <source>Dialstack Help</source>
        <translation>Ayuda de Dialstack</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="36"/>
        <source>Sync &amp;Now</source>
        <translation>&amp;Sincronizar ahora</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="39"/>
        <source>Your changes to the directory are not saved yet.

Save them before you leave?</source>
        <translation>Los cambios en la agenda aún no se han guardado.

¿Desea guardarlos antes de salir?</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="41"/>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="42"/>
        <source>&amp;Leave without saving</source>
        <translation>&amp;Salir sin guardar</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="43"/>
        <source>S&amp;tay</source>
        <translation>&amp;Quedarse</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="45"/>
        <source>Another program (dialstack-sync or dialstack-convert import) is changing the directory file right now, so nothing was changed here.

Try again in a moment: the window then shows what that program wrote.</source>
        <translation>Otro programa (dialstack-sync o dialstack-convert import) está modificando el archivo de la agenda en este momento, así que aquí no se ha cambiado nada.

Vuelva a intentarlo dentro de un momento: la ventana mostrará entonces lo que ese programa haya escrito.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="50"/>
        <source>Your changes are not saved yet. The sync takes the directory as saved.

Save your changes and sync?</source>
        <translation>Los cambios aún no se han guardado. La sincronización toma la agenda tal como está guardada.

¿Desea guardar los cambios y sincronizar?</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="53"/>
        <source>&amp;Save and sync</source>
        <translation>&amp;Guardar y sincronizar</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="55"/>
        <source>Syncing the directory with the address book…</source>
        <translation>Sincronizando la agenda con la libreta de direcciones…</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="57"/>
        <source>The sync program dialstack-sync was found neither beside Dialstack nor on the PATH.

Install it with Dialstack, then try again.</source>
        <translation>No se ha encontrado el programa de sincronización dialstack-sync ni junto a Dialstack ni en el PATH.

Instálelo con Dialstack y vuelva a intentarlo.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="60"/>
        <source>The sync program %1 could not be started: %2</source>
        <translation>No se ha podido iniciar el programa de sincronización %1: %2</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="61"/>
        <source>The directory and the address book are in step.</source>
        <translation>La agenda y la libreta de direcciones están sincronizadas.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="63"/>
        <source>The sync did not finish:

%1

Check the network and the server, then try again. What was synced stays; the next sync does the rest.</source>
        <translation>La sincronización no ha terminado:

%1

Compruebe la red y el servidor y vuelva a intentarlo. Lo que ya se ha sincronizado se conserva; la próxima sincronización hará el resto.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="67"/>
        <source>The sync of this directory is not set up as expected:

%1

Set it up again in a terminal (see &quot;man dialstack-sync&quot;).</source>
        <translation>La sincronización de esta agenda no está configurada como se esperaba:

%1

Vuelva a configurarla en un terminal (consulte «man dialstack-sync»).</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="70"/>
        <source>The sync cannot run now:

%1

Try again in a moment.</source>
        <translation>La sincronización no puede ejecutarse ahora:

%1

Vuelva a intentarlo dentro de un momento.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="72"/>
        <source>The sync stopped because it needs you:

%1

Run dialstack-sync --file &quot;%2&quot; in a terminal to settle it.</source>
        <translation>La sincronización se ha detenido porque necesita su intervención:

%1

Ejecute dialstack-sync --file &quot;%2&quot; en un terminal para resolverlo.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="76"/>
        <source>The sync was cancelled. What it had finished stays; the next sync does the rest.</source>
        <translation>Se ha cancelado la sincronización. Lo que ya había terminado se conserva; la próxima sincronización hará el resto.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="79"/>
        <source>The sync program ended unexpectedly.

%1

Try again; if it happens again, run dialstack-sync --file &quot;%2&quot; in a terminal to see why.</source>
        <translation>El programa de sincronización ha terminado de forma inesperada.

%1

Vuelva a intentarlo; si vuelve a ocurrir, ejecute dialstack-sync --file &quot;%2&quot; en un terminal para ver el motivo.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="82"/>
        <source>Only the selected record matches &quot;%1&quot;.</source>
        <translation>Solo el registro seleccionado coincide con «%1».</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="83"/>
        <source>Nothing in the directory matches &quot;%1&quot;.</source>
        <translation>Nada en la agenda coincide con «%1».</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="84"/>
        <source>You must specify a name!</source>
        <translation>¡Debe indicar un nombre!</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="93"/>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="94"/>
        <source>The directory could not be saved to &quot;%1&quot;: %2

%3</source>
        <translation>No se ha podido guardar la agenda en «%1»: %2

%3</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="96"/>
        <source>The directory could not be saved to &quot;%1&quot;: %2

%3 The file on disk is unchanged.</source>
        <translation>No se ha podido guardar la agenda en «%1»: %2

%3 El archivo del disco no ha cambiado.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="98"/>
        <source>Your changes are still here.</source>
        <translation>Sus cambios siguen aquí.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="99"/>
        <source>Dialstack stays open so that your changes are not lost.</source>
        <translation>Dialstack sigue abierto para que no se pierdan sus cambios.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="100"/>
        <source>Your changes are still here; nothing was synced.</source>
        <translation>Sus cambios siguen aquí; no se ha sincronizado nada.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="101"/>
        <source>The directory was saved to &quot;%1&quot;; %2</source>
        <translation>La agenda se ha guardado en «%1»; %2</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="103"/>
        <source>The directory file &quot;%1&quot; has been changed by another program since Dialstack loaded or saved it.

Replace it with the directory shown here? The other program&apos;s changes would be lost.</source>
        <translation>Otro programa ha modificado el archivo de la agenda «%1» desde que Dialstack lo cargó o guardó.

¿Desea reemplazarlo por la agenda que se muestra aquí? Se perderían los cambios del otro programa.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="109"/>
        <source>The directory file &quot;%1&quot; could not be read completely. %2

Saving now would replace the file with what is shown.</source>
        <translation>No se ha podido leer completo el archivo de la agenda «%1». %2

Si guarda ahora, el archivo se reemplazará por lo que se muestra.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="113"/>
        <source>The directory file &quot;%1&quot; could not be opened: %2 %3

Saving now would replace the file with what is shown.</source>
        <translation>No se ha podido abrir el archivo de la agenda «%1»: %2 %3

Si guarda ahora, el archivo se reemplazará por lo que se muestra.</translation>
    </message>
    <message numerus="yes">
        <location filename="../res/ResourceTable.cpp" line="116"/>
        <source>%n record was read and is shown.</source>
        <translation>
            <numerusform>Se ha leído y se muestra %n registro.</numerusform>
            <numerusform>Se han leído y se muestran %n registros.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="120"/>
        <source>The directory could not be printed: %1

Nothing in the directory has changed.</source>
        <translation>No se ha podido imprimir la agenda: %1

No ha cambiado nada en la agenda.</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="167"/>
        <source>Set Up Sync</source>
        <translation>Configurar la sincronización</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="168"/>
        <source>Sync Settings</source>
        <translation>Opciones de sincronización</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="118"/>
        <source>&amp;Server address:</source>
        <translation>Dirección del &amp;servidor:</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="120"/>
        <source>&amp;User name:</source>
        <translation>&amp;Usuario:</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="122"/>
        <source>&amp;Password:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="124"/>
        <source>&amp;Connect</source>
        <translation>Co&amp;nectar</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="125"/>
        <source>&amp;Address books:</source>
        <translation>&amp;Libretas de direcciones:</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="129"/>
        <source>Type the address of your CardDAV server (your provider&apos;s help names it), your user name and your password, then press Connect.</source>
        <translation>Escriba la dirección de su servidor CardDAV (la ayuda de su proveedor la indica), su usuario y su contraseña, y pulse «Conectar».</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="136"/>
        <source>Stop S&amp;yncing</source>
        <translation>&amp;Dejar de sincronizar</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="137"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="146"/>
        <source>Sync Password</source>
        <translation>Contraseña de la sincronización</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="148"/>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="151"/>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="9"/>
        <source>Set &amp;Up Sync…</source>
        <translation>Con&amp;figurar la sincronización…</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="10"/>
        <source>Sync Se&amp;ttings…</source>
        <translation>&amp;Opciones de sincronización…</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="13"/>
        <source>The directory and the address book are in step: %1 here, %2 in the address book.</source>
        <translation>La agenda y la libreta de direcciones están al día: %1 aquí, %2 en la libreta.</translation>
    </message>
    <message numerus="yes">
        <location filename="../res/SyncStringTable.cpp" line="15"/>
        <source>%n change</source>
        <translation>
            <numerusform>%n cambio</numerusform>
            <numerusform>%n cambios</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="17"/>
        <source>Type the server&apos;s address, your user name and your password first.</source>
        <translation>Escriba primero la dirección del servidor, su usuario y su contraseña.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="18"/>
        <source>Looking for your address books on the server…</source>
        <translation>Buscando sus libretas de direcciones en el servidor…</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="20"/>
        <source>The server holds several address books for %1. Pick the one to sync with, then press Connect again.</source>
        <translation>El servidor tiene varias libretas de direcciones para %1. Elija la que quiere sincronizar y pulse «Conectar» otra vez.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="24"/>
        <source>%1 refused the password of %2. Check the user name and the password, then press Connect again.</source>
        <translation>%1 rechazó la contraseña de %2. Compruebe el usuario y la contraseña y pulse «Conectar» otra vez.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="27"/>
        <source>No address book was found at %1 for %2. Check the server&apos;s address (your provider&apos;s help names it), then press Connect again.</source>
        <translation>No se encontró ninguna libreta de direcciones en %1 para %2. Compruebe la dirección del servidor (la ayuda de su proveedor la indica) y pulse «Conectar» otra vez.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="31"/>
        <source>The server could not be reached or did not answer as expected:
%1</source>
        <translation>No se pudo contactar con el servidor o no respondió como se esperaba:
%1</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="33"/>
        <source>The directory and the address book are in step. Your password is kept in your desktop&apos;s keyring.</source>
        <translation>La agenda y la libreta de direcciones están al día. Su contraseña se guarda en el depósito de claves de su escritorio.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="36"/>
        <source>The directory and the address book are in step. Your password is kept in the file %1, which only you can read.</source>
        <translation>La agenda y la libreta de direcciones están al día. Su contraseña se guarda en el archivo %1, que solo usted puede leer.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="40"/>
        <source>The directory and the address book are in step. Your password could not be kept, so the sync will ask for it again.</source>
        <translation>La agenda y la libreta de direcciones están al día. No se pudo guardar su contraseña, así que la sincronización se la volverá a pedir.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="44"/>
        <source>Sync every quarter of an hour from now on, while you are logged in?</source>
        <translation>¿Sincronizar a partir de ahora cada cuarto de hora mientras tenga la sesión iniciada?</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="45"/>
        <source>Sync &amp;every quarter hour</source>
        <translation>&amp;Cada cuarto de hora</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="46"/>
        <source>&amp;Not now</source>
        <translation>A&amp;hora no</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="48"/>
        <source>From now on the directory is synced every quarter of an hour.</source>
        <translation>A partir de ahora la agenda se sincroniza cada cuarto de hora.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="50"/>
        <source>This computer cannot sync every quarter of an hour on its own: that needs the systemd user manager, and none runs for you here. Use Sync Now in the window menu instead.</source>
        <translation>Este ordenador no puede sincronizar por sí solo cada cuarto de hora: para ello hace falta el gestor de usuario de systemd, y aquí no se ejecuta para usted. Use en su lugar «Sincronizar ahora» del menú de la ventana.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="54"/>
        <source>The quarter-hourly sync could not be switched on:

%1</source>
        <translation>No se pudo activar la sincronización cada cuarto de hora:

%1</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="56"/>
        <source>Stop syncing this directory with the address book?

The directory file stays as it is. The sync can also forget what it knows of this directory; setting it up again then starts afresh.</source>
        <translation>¿Dejar de sincronizar esta agenda con la libreta de direcciones?

El archivo de la agenda queda como está. La sincronización también puede olvidar lo que sabe de esta agenda; si la configura de nuevo, empezará desde cero.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="59"/>
        <source>&amp;Stop syncing</source>
        <translation>&amp;Dejar de sincronizar</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="60"/>
        <source>Stop and &amp;forget</source>
        <translation>Dejar y &amp;olvidar</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="62"/>
        <source>The directory is no longer synced every quarter of an hour. Sync Now still syncs it when you ask.</source>
        <translation>La agenda ya no se sincroniza cada cuarto de hora. «Sincronizar ahora» la sigue sincronizando cuando usted lo pida.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="65"/>
        <source>The directory is no longer synced. Dialstack.dat stays as it is.</source>
        <translation>La agenda ya no se sincroniza. Dialstack.dat queda como está.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="66"/>
        <source>The sync could not be stopped:

%1</source>
        <translation>No se pudo detener la sincronización:

%1</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="69"/>
        <source>%1 refused the password of %2. Type the password again:</source>
        <translation>%1 rechazó la contraseña de %2. Escriba de nuevo la contraseña:</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="70"/>
        <source>The sync needs the password of %2 at %1:</source>
        <translation>La sincronización necesita la contraseña de %2 en %1:</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="72"/>
        <source>The password file %1 is gone or others can read it, so the sync no longer uses it. Type the password; it will be kept safely:</source>
        <translation>El archivo de contraseña %1 ha desaparecido o lo pueden leer otros, así que la sincronización ya no lo usa. Escriba la contraseña; se volverá a guardar de forma segura:</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="77"/>
        <source>Names were deleted here, and %1 of the %2 cards in the address book would go with them: %3.

The sync stopped so that nothing is deleted by mistake.</source>
        <translation>Se borraron nombres aquí, y %1 de las %2 fichas de la libreta de direcciones se irían con ellos: %3.

La sincronización se detuvo para que nada se borre por error.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="81"/>
        <source>Cards were deleted from the address book, and %1 of the %2 names here would go with them: %3.

The sync stopped so that nothing is deleted by mistake.</source>
        <translation>Se borraron fichas de la libreta de direcciones, y %1 de los %2 nombres de aquí se irían con ellas: %3.

La sincronización se detuvo para que nada se borre por error.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="84"/>
        <source>&amp;Delete them there too</source>
        <translation>&amp;Borrarlos también allí</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="85"/>
        <source>&amp;Delete them here too</source>
        <translation>&amp;Borrarlos también aquí</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="86"/>
        <source>&amp;Bring them back</source>
        <translation>&amp;Recuperarlos</translation>
    </message>
    <message numerus="yes">
        <location filename="../res/SyncStringTable.cpp" line="87"/>
        <source>and %n other name</source>
        <translation>
            <numerusform>y %n nombre más</numerusform>
            <numerusform>y %n nombres más</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="91"/>
        <source>This computer does not trust the certificate of %1, so the sync stopped.

Issued to: %2
Issued by: %3
SHA-256 fingerprint: %4

Trust it only if your server&apos;s administrator gave you this fingerprint.</source>
        <translation>Este ordenador no confía en el certificado de %1, así que la sincronización se detuvo.

Emitido para: %2
Emitido por: %3
Huella SHA-256: %4

Confíe en él solo si el administrador de su servidor le dio esta huella.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="95"/>
        <source>&amp;Trust this certificate</source>
        <translation>&amp;Confiar en este certificado</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="97"/>
        <source>The address book %1 is gone from the server, so the sync stopped. Choose the address book to sync with in the window that opens now.</source>
        <translation>La libreta de direcciones %1 ya no está en el servidor, así que la sincronización se detuvo. Elija la libreta que quiere sincronizar en la ventana que se abre ahora.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="102"/>
        <source>&quot;%1&quot; was changed both here and in the address book. It now holds the address book&apos;s version; this computer&apos;s version was kept as &quot;%2&quot;.
%3</source>
        <translation>«%1» se cambió aquí y en la libreta de direcciones. Ahora tiene la versión de la libreta; la de este ordenador se guardó como «%2».
%3</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="105"/>
        <source>%1: here &quot;%2&quot;, in the address book &quot;%3&quot;</source>
        <translation>%1: aquí «%2», en la libreta «%3»</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="107"/>
        <source>&amp;Select the Copy</source>
        <translation>&amp;Seleccionar la copia</translation>
    </message>
</context>
<context>
    <name>dialstack</name>
    <message>
        <location filename="../app/StartOptions.cpp" line="13"/>
        <source>usage: dialstack [--help | --version]
Opens the telephone directory Dialstack.dat of the current directory in a
window. See dialstack(1); dialstack-convert(1) and dialstack-sync(1) work
on the same file from the command line.
</source>
        <translation>uso: dialstack [--help | --version]
Abre en una ventana la agenda Dialstack.dat de la carpeta actual. Consulte
dialstack(1); dialstack-convert(1) y dialstack-sync(1) trabajan con el mismo
archivo desde la línea de órdenes.
</translation>
    </message>
    <message>
        <location filename="../app/StartOptions.cpp" line="18"/>
        <source>this program needs a graphical desktop, but no display is set here (DISPLAY and WAYLAND_DISPLAY are empty); start it from your desktop session.</source>
        <translation>este programa necesita un escritorio gráfico, pero aquí no hay ninguna pantalla definida (DISPLAY y WAYLAND_DISPLAY están vacías); inícielo desde su sesión de escritorio.</translation>
    </message>
</context>
</TS>
