<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>dialstack-sync</name>
    <message>
        <source>left out: %1, a group or a place is not a contact</source>
        <translation>no sincronizado: %1, un grupo o un lugar no es un contacto</translation>
    </message>
    <message>
        <source>Open Dialstack</source>
        <translation>Abrir Dialstack</translation>
    </message>
    <message>
        <source>%1 could not be started</source>
        <translation>No se ha podido iniciar %1</translation>
    </message>
    <message>
        <source>%1 did not finish within a minute</source>
        <translation>%1 no ha terminado en menos de un minuto</translation>
    </message>
    <message>
        <source>%1 ended with status %2</source>
        <translation>%1 ha terminado con el estado %2</translation>
    </message>
    <message>
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
--accept-certificate trusts the server's certificate when its SHA-256
fingerprint is the one given. --bring-back answers a refused mass deletion
by bringing the deleted records back. --discover lists the server's address
books and changes nothing. --forget forgets what this program knows about the
directory file's sync (never the file). --timer turns the directory file's
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
        <source>%n added</source>
        <translation>
            <numerusform>%n añadido</numerusform>
            <numerusform>%n añadidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed</source>
        <translation>
            <numerusform>%n modificado</numerusform>
            <numerusform>%n modificados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n deleted</source>
        <translation>
            <numerusform>%n borrado</numerusform>
            <numerusform>%n borrados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n conflict kept as a copy</source>
        <translation>
            <numerusform>%n conflicto guardado como copia</numerusform>
            <numerusform>%n conflictos guardados como copias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n conflicts kept as copies</source>
        <translation>
            <numerusform>%n conflicto guardado como copia</numerusform>
            <numerusform>%n conflictos guardados como copias</numerusform>
        </translation>
    </message>
    <message>
        <source>Here: %1; on the server: %2; %3</source>
        <translation>Aquí: %1; en el servidor: %2; %3</translation>
    </message>
    <message>
        <source>Dry run, nothing changed. Would do here: %1; on the server: %2; %3</source>
        <translation>Simulación, no se ha cambiado nada. Resultado previsto aquí: %1; en el servidor: %2; %3</translation>
    </message>
    <message>
        <source>added here: %1</source>
        <translation>añadido aquí: %1</translation>
    </message>
    <message>
        <source>changed here: %1</source>
        <translation>modificado aquí: %1</translation>
    </message>
    <message>
        <source>deleted here: %1</source>
        <translation>borrado aquí: %1</translation>
    </message>
    <message>
        <source>added on the server: %1</source>
        <translation>añadido en el servidor: %1</translation>
    </message>
    <message>
        <source>changed on the server: %1</source>
        <translation>modificado en el servidor: %1</translation>
    </message>
    <message>
        <source>deleted on the server: %1</source>
        <translation>borrado en el servidor: %1</translation>
    </message>
    <message>
        <source>would add here: %1</source>
        <translation>se añadiría aquí: %1</translation>
    </message>
    <message>
        <source>would change here: %1</source>
        <translation>se modificaría aquí: %1</translation>
    </message>
    <message>
        <source>would delete here: %1</source>
        <translation>se borraría aquí: %1</translation>
    </message>
    <message>
        <source>would add on the server: %1</source>
        <translation>se añadiría en el servidor: %1</translation>
    </message>
    <message>
        <source>would change on the server: %1</source>
        <translation>se modificaría en el servidor: %1</translation>
    </message>
    <message>
        <source>would delete on the server: %1</source>
        <translation>se borraría en el servidor: %1</translation>
    </message>
    <message>
        <source>kept both versions of a record changed on both sides: the server&apos;s, and this machine&apos;s as %1</source>
        <translation>se han guardado las dos versiones de un registro cambiado en ambos lados: la del servidor y la de este equipo como %1</translation>
    </message>
    <message>
        <source>would keep both versions of a record changed on both sides: the server&apos;s, and this machine&apos;s as %1</source>
        <translation>se guardarían las dos versiones de un registro cambiado en ambos lados: la del servidor y la de este equipo como %1</translation>
    </message>
    <message>
        <source>%1: the password file cannot be read</source>
        <translation>%1: no se puede leer el archivo de contraseña</translation>
    </message>
    <message>
        <source>%1: others can read this password file; make it yours alone (chmod 600 %1) and run again</source>
        <translation>%1: otros pueden leer este archivo de contraseña; hágalo solo suyo (chmod 600 %1) y vuelva a ejecutar</translation>
    </message>
    <message>
        <source>Password for %1 at %2: </source>
        <translation>Contraseña de %1 en %2: </translation>
    </message>
    <message>
        <source>%1: a Dialstack window has unsaved changes in it, or another program is changing it. Nothing was synced; the next sync after you save takes the window&apos;s changes</source>
        <translation>%1: una ventana de Dialstack tiene cambios sin guardar en él, u otro programa lo está cambiando. No se ha sincronizado nada; la próxima sincronización después de guardar recogerá los cambios de la ventana</translation>
    </message>
    <message>
        <source>stopped by %1; what was synced is kept, and the next sync goes on from there</source>
        <translation>detenido por %1; lo ya sincronizado se conserva y la próxima sincronización sigue desde ahí</translation>
    </message>
    <message>
        <source>no password for %1: the keyring has none; give --password-file FILE</source>
        <translation>no hay contraseña para %1: el llavero no tiene ninguna; indique --password-file ARCHIVO</translation>
    </message>
    <message>
        <source>no address book found at %1 for %2; create one on the server (in its web page, or with your phone&apos;s contacts app), then sync again</source>
        <translation>no se ha encontrado ninguna libreta de direcciones en %1 para %2; cree una en el servidor (en su página web o con la aplicación de contactos del teléfono) y vuelva a sincronizar</translation>
    </message>
    <message>
        <source>this user</source>
        <translation>este usuario</translation>
    </message>
    <message>
        <source>To settle it, run: %1</source>
        <translation>Para resolverlo, ejecute: %1</translation>
    </message>
    <message>
        <source>a password is never taken on the command line: use --password-file FILE, or the keyring</source>
        <translation>nunca se acepta una contraseña en la línea de órdenes: use --password-file ARCHIVO, o el llavero</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>argumento inesperado: %1</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 indicado más de una vez</translation>
    </message>
    <message>
        <source>--timeout needs a number of seconds from 1 to 3600</source>
        <translation>--timeout necesita un número de segundos de 1 a 3600</translation>
    </message>
    <message>
        <source>--url needs an http:// or https:// address, not %1</source>
        <translation>--url necesita una dirección http:// o https://, no %1</translation>
    </message>
    <message>
        <source>give the user name with --user, not inside the URL</source>
        <translation>indique el nombre de usuario con --user, no dentro de la URL</translation>
    </message>
    <message>
        <source>the first sync of %1 needs --url (the address book or the server)</source>
        <translation>la primera sincronización de %1 necesita --url (la libreta de direcciones o el servidor)</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 s</source>
        <translation>%1 no respondió en %2 s</translation>
    </message>
    <message>
        <source>%1 refused the user name or password</source>
        <translation>%1 rechazó el usuario o la contraseña</translation>
    </message>
    <message>
        <source>%1 of the %2 records here (%3)</source>
        <translation>%1 de los %2 registros de aquí (%3)</translation>
    </message>
    <message>
        <source>%1 of the %2 cards on the server (%3)</source>
        <translation>%1 de las %2 tarjetas del servidor (%3)</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>this sync would delete %1; nothing was changed. If that is what you want, run it again with --force</source>
        <translation>esta sincronización borraría %1; no se ha cambiado nada. Si es lo que quiere, vuelva a ejecutarla con --force</translation>
    </message>
    <message>
        <source>%1: the directory file could not be read completely; nothing was synced</source>
        <translation>%1: no se ha podido leer entero el archivo de la agenda; no se ha sincronizado nada</translation>
    </message>
    <message>
        <source>%1: the folder %2 does not exist; nothing was synced</source>
        <translation>%1: la carpeta %2 no existe; no se ha sincronizado nada</translation>
    </message>
    <message>
        <source>%1: the folder %2 is read-only, so the directory file cannot be saved there; nothing was synced</source>
        <translation>%1: la carpeta %2 es de solo lectura, así que el archivo de la agenda no se puede guardar ahí; no se ha sincronizado nada</translation>
    </message>
    <message>
        <source>%1: is a folder, not a directory file; nothing was synced</source>
        <translation>%1: es una carpeta, no un archivo de la agenda; no se ha sincronizado nada</translation>
    </message>
    <message>
        <source>%1: could not be saved: %2; the directory file is unchanged</source>
        <translation>%1: no se ha podido guardar: %2; el archivo de la agenda no ha cambiado</translation>
    </message>
    <message>
        <source>%1: could not be saved: %2</source>
        <translation>%1: no se ha podido guardar: %2</translation>
    </message>
    <message>
        <source>stopped by %1</source>
        <translation>detenido por %1</translation>
    </message>
    <message>
        <source>the address book is at %1, on another server than %2; remove %3 and give the address book with --url</source>
        <translation>la libreta de direcciones está en %1, un servidor distinto de %2; elimine %3 e indique la libreta de direcciones con --url</translation>
    </message>
    <message>
        <source>%1 --dry-run --verbose   (then %1 --force, if that is what you want)</source>
        <translation>%1 --dry-run --verbose   (después %1 --force, si es lo que quiere)</translation>
    </message>
    <message>
        <source>%1 --password-file FILE   (FILE: the new password, chmod 600)</source>
        <translation>%1 --password-file ARCHIVO   (ARCHIVO: la nueva contraseña, chmod 600)</translation>
    </message>
    <message>
        <source>%1 --password-file FILE</source>
        <translation>%1 --password-file ARCHIVO</translation>
    </message>
    <message>
        <source>the address book %1 is gone from the server; nothing was changed here</source>
        <translation>la libreta de direcciones %1 ya no está en el servidor; aquí no se ha cambiado nada</translation>
    </message>
    <message>
        <source>rm %1; %2 --url URL-OF-THE-ADDRESS-BOOK</source>
        <translation>rm %1; %2 --url URL-DE-LA-LIBRETA</translation>
    </message>
    <message>
        <source>%1 is synced with %2; to sync it with another address book, first remove %3</source>
        <translation>%1 se sincroniza con %2; para sincronizarlo con otra libreta de direcciones, elimine primero %3</translation>
    </message>
    <message>
        <source>a password is never sent over plain http:// except to this machine; use https:// for %1</source>
        <translation>nunca se envía una contraseña por http:// sin cifrar, salvo a este equipo; use https:// para %1</translation>
    </message>
    <message>
        <source>%1: holds no certificate (PEM) that can be read</source>
        <translation>%1: no contiene ningún certificado (PEM) legible</translation>
    </message>
    <message>
        <source>%1: the certificate remembered for this server cannot be read; give it again with --certificate FILE</source>
        <translation>%1: no se puede leer el certificado recordado para este servidor; vuelva a indicarlo con --certificate ARCHIVO</translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring (none is running); from now on the file %1 is read for it. Keep it readable by you alone.</source>
        <translation>No se ha podido guardar la contraseña en el llavero (no hay ninguno en marcha); a partir de ahora se lee del archivo %1. Manténgalo legible solo para usted.</translation>
    </message>
    <message>
        <source>the server has several address books; run again with --url and one of them:</source>
        <translation>el servidor tiene varias libretas de direcciones; vuelva a ejecutar con --url y una de ellas:</translation>
    </message>
    <message>
        <source>%1 sent this program to %2, another server; it only talks to the server it was given. If that one is right, give it with --url</source>
        <translation>%1 envió este programa a %2, otro servidor; solo habla con el servidor que se le indicó. Si ese es el correcto, indíquelo con --url</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted (%2); if it is your own server&apos;s, give its certificate with --certificate FILE</source>
        <translation>el certificado de %1 no es de confianza (%2); si es el de su propio servidor, indique su certificado con --certificate ARCHIVO</translation>
    </message>
    <message>
        <source>%1: the server does not allow this (403 Forbidden)</source>
        <translation>%1: el servidor no lo permite (403 Forbidden)</translation>
    </message>
    <message>
        <source>%1: not found on the server (404)</source>
        <translation>%1: no se ha encontrado en el servidor (404)</translation>
    </message>
    <message>
        <source>%1: the server answered %2</source>
        <translation>%1: el servidor respondió %2</translation>
    </message>
    <message>
        <source>%1 sent a reply that could not be read: %2</source>
        <translation>%1 envió una respuesta que no se ha podido leer: %2</translation>
    </message>
    <message>
        <source>%1 could not give the card %2 (no status); nothing was changed, run the sync again later</source>
        <translation>%1 no pudo entregar la tarjeta %2 (sin estado); no se ha cambiado nada, vuelva a sincronizar más tarde</translation>
    </message>
    <message>
        <source>%1 could not give the card %2 (status %3); nothing was changed, run the sync again later</source>
        <translation>%1 no pudo entregar la tarjeta %2 (estado %3); no se ha cambiado nada, vuelva a sincronizar más tarde</translation>
    </message>
    <message>
        <source>the server answered %1 (%2)</source>
        <translation>el servidor respondió %1 (%2)</translation>
    </message>
    <message>
        <source>the server answered %1: %2</source>
        <translation>el servidor respondió %1: %2</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>el servidor respondió %1</translation>
    </message>
    <message>
        <source>%1 points to another server, %2, for the address books; nothing was sent there. If that server is right, give its address book with --url</source>
        <translation>%1 remite a otro servidor, %2, para las libretas de direcciones; no se ha enviado nada allí. Si ese servidor es el correcto, indique su libreta de direcciones con --url</translation>
    </message>
    <message>
        <source>the reply is not a WebDAV multistatus</source>
        <translation>la respuesta no es un multistatus de WebDAV</translation>
    </message>
    <message>
        <source>the address book kept changing while this sync wrote to it; nothing was lost, run the sync again</source>
        <translation>la libreta de direcciones no dejó de cambiar mientras esta sincronización escribía en ella; no se ha perdido nada, vuelva a sincronizar</translation>
    </message>
    <message>
        <source>the card of %1</source>
        <translation>la tarjeta de %1</translation>
    </message>
    <message>
        <source>the card %1</source>
        <translation>la tarjeta %1</translation>
    </message>
    <message>
        <source>status %1</source>
        <translation>estado %1</translation>
    </message>
    <message>
        <source>left out of its reply</source>
        <translation>omitida en su respuesta</translation>
    </message>
    <message>
        <source>%1 did not give %2 (%3); nothing was changed, run the sync again later</source>
        <translation>%1 no entregó %2 (%3); no se ha cambiado nada, vuelva a sincronizar más tarde</translation>
    </message>
    <message numerus="yes">
        <source>%1 did not give %2 (%3) nor %n other cards; nothing was changed, run the sync again later</source>
        <translation>
            <numerusform>%1 no entregó %2 (%3) ni %n tarjeta más; no se ha cambiado nada, vuelva a sincronizar más tarde</numerusform>
            <numerusform>%1 no entregó %2 (%3) ni %n tarjetas más; no se ha cambiado nada, vuelva a sincronizar más tarde</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the directory file changed on disk while syncing; nothing was changed here, run the sync again</source>
        <translation>%1: el archivo de la agenda cambió en el disco durante la sincronización; aquí no se ha cambiado nada, vuelva a sincronizar</translation>
    </message>
    <message>
        <source>%1: its last record has no name, and adding records would overwrite it; give it a name in Dialstack first. Nothing was changed</source>
        <translation>%1: su último registro no tiene nombre, y añadir registros lo sobrescribiría; póngale primero un nombre en Dialstack. No se cambió nada</translation>
    </message>
    <message numerus="yes">
        <source>the server refused %n record: %1. Everything else was synced</source>
        <translation>
            <numerusform>el servidor rechazó %n registro: %1. Todo lo demás se ha sincronizado</numerusform>
            <numerusform>el servidor rechazó %n registros: %1. Todo lo demás se ha sincronizado</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the server refused %n records: %1. Everything else was synced</source>
        <translation>
            <numerusform>el servidor rechazó %n registro: %1. Todo lo demás se ha sincronizado</numerusform>
            <numerusform>el servidor rechazó %n registros: %1. Todo lo demás se ha sincronizado</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 y %n más</numerusform>
            <numerusform>%1 y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the sync state is damaged; remove it to sync this directory afresh</source>
        <translation>%1: el estado de sincronización está dañado; elimínelo para sincronizar esta agenda desde cero</translation>
    </message>
    <message>
        <source>%1: the sync journal could not be written</source>
        <translation>%1: no se ha podido escribir el diario de sincronización</translation>
    </message>
    <message>
        <source>%1: the folder could not be made</source>
        <translation>%1: no se ha podido crear la carpeta</translation>
    </message>
    <message>
        <source>%1: the sync state could not be saved: %2</source>
        <translation>%1: no se ha podido guardar el estado de sincronización: %2</translation>
    </message>
    <message>
        <source>%1: the sync state could not be made private</source>
        <translation>%1: no se ha podido hacer privado el estado de sincronización</translation>
    </message>
    <message>
        <source>Dialstack sync needs you</source>
        <translation>La sincronización de Dialstack necesita su intervención</translation>
    </message>
    <message>
        <source>Dialstack: %1 at %2</source>
        <translation>Dialstack: %1 en %2</translation>
    </message>
    <message>
        <source>%1 is neither a CardDAV server nor an address book (asked: %2); give the address of your address book with --url</source>
        <translation>%1 no es ni un servidor CardDAV ni una libreta de direcciones (direcciones consultadas: %2); indique la dirección de su libreta de direcciones con --url</translation>
    </message>
    <message>
        <source>%1 is synced with %2; to sync it with another address book, first forget this sync with --forget</source>
        <translation>%1 se sincroniza con %2; para sincronizarlo con otra libreta de direcciones, olvide antes esta sincronización con --forget</translation>
    </message>
    <message>
        <source>%1 refused the password for %2 read from %3; put the new password in that file</source>
        <translation>%1 ha rechazado la contraseña de %2 leída de %3; ponga la contraseña nueva en ese archivo</translation>
    </message>
    <message>
        <source>%1: %2; nothing was synced</source>
        <translation>%1: %2; no se ha sincronizado nada</translation>
    </message>
    <message>
        <source>%1: no certificate could be had from the server: %2</source>
        <translation>%1: no se ha podido obtener un certificado del servidor: %2</translation>
    </message>
    <message>
        <source>%1: the server answered %2 (%3)</source>
        <translation>%1: el servidor ha respondido %2 (%3)</translation>
    </message>
    <message>
        <source>%1: the sync's memory of this directory file is damaged (%2); forget it, then sync again with --url</source>
        <translation>%1: el estado de sincronización de este archivo de la agenda está dañado (%2); olvídelo y vuelva a sincronizar con --url</translation>
    </message>
    <message>
        <source>--accept-certificate is for a server at an https:// address</source>
        <translation>--accept-certificate es para un servidor con una dirección https://</translation>
    </message>
    <message>
        <source>--accept-certificate needs the certificate's SHA-256 fingerprint (64 hex digits)</source>
        <translation>--accept-certificate necesita la huella SHA-256 del certificado (64 dígitos hexadecimales)</translation>
    </message>
    <message>
        <source>--discover needs --url (the server or the address book)</source>
        <translation>--discover necesita --url (el servidor o la libreta de direcciones)</translation>
    </message>
    <message>
        <source>--discover, --forget and --timer each run alone</source>
        <translation>--discover, --forget y --timer se usan cada uno por separado</translation>
    </message>
    <message>
        <source>--password-stdin: no password came on standard input</source>
        <translation>--password-stdin: no ha llegado ninguna contraseña por la entrada estándar</translation>
    </message>
    <message>
        <source>--report takes json</source>
        <translation>--report admite json</translation>
    </message>
    <message>
        <source>--timer takes on, off or status</source>
        <translation>--timer admite on, off o status</translation>
    </message>
    <message>
        <source>Address books found:</source>
        <translation>Libretas de direcciones encontradas:</translation>
    </message>
    <message>
        <source>Keep it in %1 (readable by you alone)? [y/N]</source>
        <translation>¿Guardarla en %1 (legible solo para usted)? [s/N]</translation>
    </message>
    <message>
        <source>y</source>
        <translation>s</translation>
    </message>
    <message>
        <source>No timer syncs this directory file.</source>
        <translation>Ningún temporizador sincroniza este archivo de la agenda.</translation>
    </message>
    <message>
        <source>The password could not be kept: %1</source>
        <translation>No se ha podido guardar la contraseña: %1</translation>
    </message>
    <message>
        <source>The timer syncs this directory file every quarter of an hour.</source>
        <translation>El temporizador sincroniza este archivo de la agenda cada cuarto de hora.</translation>
    </message>
    <message>
        <source>a password is never taken on the command line: use --password-file FILE, --password-stdin, or the keyring</source>
        <translation>nunca se acepta una contraseña en la línea de órdenes: use --password-file ARCHIVO, --password-stdin o el llavero</translation>
    </message>
    <message>
        <source>give the password with --password-file or --password-stdin, not both</source>
        <translation>indique la contraseña con --password-file o con --password-stdin, no con ambas</translation>
    </message>
    <message>
        <source>is a folder, not a directory file</source>
        <translation>es una carpeta, no un archivo de la agenda</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>it is no sync state this program wrote, or it was cut short</source>
        <translation>no lo ha escrito este programa, o ha quedado cortado</translation>
    </message>
    <message>
        <source>it is not the one whose fingerprint was given</source>
        <translation>no es aquel cuya huella se ha indicado</translation>
    </message>
    <message>
        <source>no password for %1 at %2: the keyring has none, and no password file is remembered</source>
        <translation>no hay contraseña para %1 en %2: el llavero no tiene ninguna y no hay ningún archivo de contraseña recordado</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted (%2); its SHA-256 fingerprint is %3. If it is your own server's, trust it</source>
        <translation>el certificado de %1 no es de confianza (%2); su huella SHA-256 es %3. Si es el de su propio servidor, confíe en él</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>la carpeta no existe</translation>
    </message>
    <message>
        <source>the folder is read-only, so the directory file cannot be saved there</source>
        <translation>la carpeta es de solo lectura, así que el archivo de la agenda no se puede guardar ahí</translation>
    </message>
    <message>
        <source>the timer could not be set: %1</source>
        <translation>no se ha podido ajustar el temporizador: %1</translation>
    </message>
    <message>
        <source>the timer cannot be set: no systemd user manager runs for this user</source>
        <translation>no se puede ajustar el temporizador: no hay ningún gestor de usuario de systemd en marcha para este usuario</translation>
    </message>
    <message>
        <source>this sync would delete %1; nothing was changed. If that is what you want, run it again with --force; to bring them back instead, with --bring-back</source>
        <translation>esta sincronización borraría %1; no se ha cambiado nada. Si es lo que quiere, vuelva a ejecutarla con --force; para recuperarlos en su lugar, con --bring-back</translation>
    </message>
    <message numerus="yes">
        <source>the server refused %n card (%1); everything else is in step</source>
        <translation>
            <numerusform>el servidor ha rechazado %n tarjeta (%1); todo lo demás está sincronizado</numerusform>
            <numerusform>el servidor ha rechazado %n tarjetas (%1); todo lo demás está sincronizado</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the server refused %n cards (%1); everything else is in step</source>
        <translation>
            <numerusform>el servidor ha rechazado %n tarjeta (%1); todo lo demás está sincronizado</numerusform>
            <numerusform>el servidor ha rechazado %n tarjetas (%1); todo lo demás está sincronizado</numerusform>
        </translation>
    </message>
    <message>
        <source>the server sent this program to %1, another server; it only talks to the server it was given. If that one is right, give it with --url</source>
        <translation>el servidor ha enviado este programa a %1, otro servidor; solo habla con el servidor que se le ha indicado. Si ese es el correcto, indíquelo con --url</translation>
    </message>
    <message>
        <source>the server points to another server, %1, for the address books; nothing was sent there. If that server is right, give its address book with --url</source>
        <translation>el servidor remite a otro servidor, %1, para las libretas de direcciones; no se ha enviado nada allí. Si ese servidor es el correcto, indique su libreta de direcciones con --url</translation>
    </message>
</context>
</TS>
