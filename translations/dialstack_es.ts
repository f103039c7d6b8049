<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Resources</name>
    <message>
        <source>About Quillaven Dialstack</source>
        <translation>Acerca de Quillaven Dialstack</translation>
    </message>
    <message>
        <source>Dialstack icon</source>
        <translation>Icono de Dialstack</translation>
    </message>
    <message>
        <source>Quillaven Dialstack Version 2.0</source>
        <translation>Quillaven Dialstack versión 2.0</translation>
    </message>
    <message>
        <source>Made in Quillaven for every desk.</source>
        <translation>Hecho en Quillaven para cada escritorio.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Dialstack keeps the names, phone and pager numbers, e-mail addresses and notes of the people you call, in the file Dialstack.dat of the folder you start it from.</source>
        <translation>Dialstack guarda los nombres, teléfonos, buscas, correos y notas de las personas a las que llama, en el archivo Dialstack.dat de la carpeta desde la que lo inicia.</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Quillaven</source>
        <translation>Copyright (C) 2026 Quillaven</translation>
    </message>
    <message>
        <source>Quillaven Dialstack</source>
        <translation>Quillaven Dialstack</translation>
    </message>
    <message>
        <source>Add Name</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Save Now</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Delete Name</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Undo Changes</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Edit Name</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Save / Quit</source>
        <translation>Guardar/Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>Pager</source>
        <translation>Busca</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Tel.</translation>
    </message>
    <message>
        <source>Misc.</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Add Record</source>
        <translation>Añadir registro</translation>
    </message>
    <message>
        <source>Edit Item</source>
        <translation>Editar registro</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Pager Number</source>
        <translation>Busca</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Find what</source>
        <translation>Texto a buscar</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>&amp;About Dialstack2...</source>
        <translation>&amp;Acerca de Dialstack2...</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>&amp;Buscar…</translation>
    </message>
    <message>
        <source>Dialstack Help</source>
        <translation>Ayuda de Dialstack</translation>
    </message>
    <message>
        <source>Sync &amp;Now</source>
        <translation>&amp;Sincronizar ahora</translation>
    </message>
    <message>
        <source>Your changes to the directory are not saved yet.

Save them before you leave?</source>
        <translation>Los cambios en la agenda aún no se han guardado.

¿Desea guardarlos antes de salir?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Leave without saving</source>
        <translation>&amp;Salir sin guardar</translation>
    </message>
    <message>
        <source>S&amp;tay</source>
        <translation>&amp;Quedarse</translation>
    </message>
    <message>
        <source>Another program (dialstack-sync or dialstack-convert import) is changing the directory file right now, so nothing was changed here.

Try again in a moment: the window then shows what that program wrote.</source>
        <translation>Otro programa (dialstack-sync o dialstack-convert import) está modificando el archivo de la agenda en este momento, así que aquí no se ha cambiado nada.

Vuelva a intentarlo dentro de un momento: la ventana mostrará entonces lo que ese programa haya escrito.</translation>
    </message>
    <message>
        <source>Your changes are not saved yet. The sync takes the directory as saved.

Save your changes and sync?</source>
        <translation>Los cambios aún no se han guardado. La sincronización toma la agenda tal como está guardada.

¿Desea guardar los cambios y sincronizar?</translation>
    </message>
    <message>
        <source>&amp;Save and sync</source>
        <translation>&amp;Guardar y sincronizar</translation>
    </message>
    <message>
        <source>Syncing the directory with the address book…</source>
        <translation>Sincronizando la agenda con la libreta de direcciones…</translation>
    </message>
    <message>
        <source>The sync program dialstack-sync was found neither beside Dialstack nor on the PATH.

Install it with Dialstack, then try again.</source>
        <translation>No se ha encontrado el programa de sincronización dialstack-sync ni junto a Dialstack ni en el PATH.

Instálelo con Dialstack y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The sync program %1 could not be started: %2</source>
        <translation>No se ha podido iniciar el programa de sincronización %1: %2</translation>
    </message>
    <message>
        <source>The directory and the address book are in step.</source>
        <translation>La agenda y la libreta de direcciones están sincronizadas.</translation>
    </message>
    <message>
        <source>The sync did not finish:

%1

Check the network and the server, then try again. What was synced stays; the next sync does the rest.</source>
        <translation>La sincronización no ha terminado:

%1

Compruebe la red y el servidor y vuelva a intentarlo. Lo que ya se ha sincronizado se conserva; la próxima sincronización hará el resto.</translation>
    </message>
    <message>
        <source>The sync of this directory is not set up as expected:

%1

Set it up again in a terminal (see &quot;man dialstack-sync&quot;).</source>
        <translation>La sincronización de esta agenda no está configurada como se esperaba:

%1

Vuelva a configurarla en un terminal (consulte «man dialstack-sync»).</translation>
    </message>
    <message>
        <source>The sync cannot run now:

%1

Try again in a moment.</source>
        <translation>La sincronización no puede ejecutarse ahora:

%1

Vuelva a intentarlo dentro de un momento.</translation>
    </message>
    <message>
        <source>The sync stopped because it needs you:

%1

Run dialstack-sync --file &quot;%2&quot; in a terminal to settle it.</source>
        <translation>La sincronización se ha detenido porque necesita su intervención:

%1

Ejecute dialstack-sync --file &quot;%2&quot; en un terminal para resolverlo.</translation>
    </message>
    <message>
        <source>The sync was cancelled. What it had finished stays; the next sync does the rest.</source>
        <translation>Se ha cancelado la sincronización. Lo que ya había terminado se conserva; la próxima sincronización hará el resto.</translation>
    </message>
    <message>
        <source>The sync program ended unexpectedly.

%1

Try again; if it happens again, run dialstack-sync --file &quot;%2&quot; in a terminal to see why.</source>
        <translation>El programa de sincronización ha terminado de forma inesperada.

%1

Vuelva a intentarlo; si vuelve a ocurrir, ejecute dialstack-sync --file &quot;%2&quot; en un terminal para ver el motivo.</translation>
    </message>
    <message>
        <source>Only the selected record matches &quot;%1&quot;.</source>
        <translation>Solo el registro seleccionado coincide con «%1».</translation>
    </message>
    <message>
        <source>Nothing in the directory matches &quot;%1&quot;.</source>
        <translation>Nada en la agenda coincide con «%1».</translation>
    </message>
    <message>
        <source>You must specify a name!</source>
        <translation>¡Debe indicar un nombre!</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>The directory could not be saved to &quot;%1&quot;: %2

%3</source>
        <translation>No se ha podido guardar la agenda en «%1»: %2

%3</translation>
    </message>
    <message>
        <source>The directory could not be saved to &quot;%1&quot;: %2

%3 The file on disk is unchanged.</source>
        <translation>No se ha podido guardar la agenda en «%1»: %2

%3 El archivo del disco no ha cambiado.</translation>
    </message>
    <message>
        <source>Your changes are still here.</source>
        <translation>Sus cambios siguen aquí.</translation>
    </message>
    <message>
        <source>Dialstack stays open so that your changes are not lost.</source>
        <translation>Dialstack sigue abierto para que no se pierdan sus cambios.</translation>
    </message>
    <message>
        <source>Your changes are still here; nothing was synced.</source>
        <translation>Sus cambios siguen aquí; no se ha sincronizado nada.</translation>
    </message>
    <message>
        <source>The directory was saved to &quot;%1&quot;; %2</source>
        <translation>La agenda se ha guardado en «%1»; %2</translation>
    </message>
    <message>
        <source>The directory file &quot;%1&quot; has been changed by another program since Dialstack loaded or saved it.

Replace it with the directory shown here? The other program&apos;s changes would be lost.</source>
        <translation>Otro programa ha modificado el archivo de la agenda «%1» desde que Dialstack lo cargó o guardó.

¿Desea reemplazarlo por la agenda que se muestra aquí? Se perderían los cambios del otro programa.</translation>
    </message>
    <message>
        <source>The directory file &quot;%1&quot; could not be read completely. %2

Saving now would replace the file with what is shown.</source>
        <translation>No se ha podido leer completo el archivo de la agenda «%1». %2

Si guarda ahora, el archivo se reemplazará por lo que se muestra.</translation>
    </message>
    <message>
        <source>The directory file &quot;%1&quot; could not be opened: %2 %3

Saving now would replace the file with what is shown.</source>
        <translation>No se ha podido abrir el archivo de la agenda «%1»: %2 %3

Si guarda ahora, el archivo se reemplazará por lo que se muestra.</translation>
    </message>
    <message numerus="yes">
        <source>%n record was read and is shown.</source>
        <translation>
            <numerusform>Se ha leído y se muestra %n registro.</numerusform>
            <numerusform>Se han leído y se muestran %n registros.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records were read and are shown.</source>
        <translation>
            <numerusform>Se ha leído y se muestra %n registro.</numerusform>
            <numerusform>Se han leído y se muestran %n registros.</numerusform>
        </translation>
    </message>
    <message>
        <source>The directory could not be printed: %1

Nothing in the directory has changed.</source>
        <translation>No se ha podido imprimir la agenda: %1

No ha cambiado nada en la agenda.</translation>
    </message>
    <message>
        <source>Set Up Sync</source>
        <translation>Configurar la sincronización</translation>
    </message>
    <message>
        <source>Sync Settings</source>
        <translation>Opciones de sincronización</translation>
    </message>
    <message>
        <source>&amp;Server address:</source>
        <translation>Dirección del &amp;servidor:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Usuario:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>Co&amp;nectar</translation>
    </message>
    <message>
        <source>&amp;Address books:</source>
        <translation>&amp;Libretas de direcciones:</translation>
    </message>
    <message>
        <source>Type the address of your CardDAV server (your provider's help names it), your user name and your password, then press Connect.</source>
        <translation>Escriba la dirección de su servidor CardDAV (la ayuda de su proveedor la indica), su usuario y su contraseña, y pulse «Conectar».</translation>
    </message>
    <message>
        <source>Stop S&amp;yncing</source>
        <translation>&amp;Dejar de sincronizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Sync Password</source>
        <translation>Contraseña de la sincronización</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Set &amp;Up Sync…</source>
        <translation>Con&amp;figurar la sincronización…</translation>
    </message>
    <message>
        <source>Sync Se&amp;ttings…</source>
        <translation>&amp;Opciones de sincronización…</translation>
    </message>
    <message>
        <source>The directory and the address book are in step: %1 here, %2 in the address book.</source>
        <translation>La agenda y la libreta de direcciones están al día: %1 aquí, %2 en la libreta.</translation>
    </message>
    <message numerus="yes">
        <source>%n change</source>
        <translation>
            <numerusform>%n cambio</numerusform>
            <numerusform>%n cambios</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changes</source>
        <translation>
            <numerusform>%n cambio</numerusform>
            <numerusform>%n cambios</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the server's address, your user name and your password first.</source>
        <translation>Escriba primero la dirección del servidor, su usuario y su contraseña.</translation>
    </message>
    <message>
        <source>Looking for your address books on the server…</source>
        <translation>Buscando sus libretas de direcciones en el servidor…</translation>
    </message>
    <message>
        <source>The server holds several address books for %1. Pick the one to sync with, then press Connect again.</source>
        <translation>El servidor tiene varias libretas de direcciones para %1. Elija la que quiere sincronizar y pulse «Conectar» otra vez.</translation>
    </message>
    <message>
        <source>%1 refused the password of %2. Check the user name and the password, then press Connect again.</source>
        <translation>%1 rechazó la contraseña de %2. Compruebe el usuario y la contraseña y pulse «Conectar» otra vez.</translation>
    </message>
    <message>
        <source>No address book was found at %1 for %2. Check the server's address (your provider's help names it), then press Connect again.</source>
        <translation>No se encontró ninguna libreta de direcciones en %1 para %2. Compruebe la dirección del servidor (la ayuda de su proveedor la indica) y pulse «Conectar» otra vez.</translation>
    </message>
    <message>
        <source>The server could not be reached or did not answer as expected:
%1</source>
        <translation>No se pudo contactar con el servidor o no respondió como se esperaba:
%1</translation>
    </message>
    <message>
        <source>The directory and the address book are in step. Your password is kept in your desktop's keyring.</source>
        <translation>La agenda y la libreta de direcciones están al día. Su contraseña se guarda en el depósito de claves de su escritorio.</translation>
    </message>
    <message>
        <source>The directory and the address book are in step. Your password is kept in the file %1, which only you can read.</source>
        <translation>La agenda y la libreta de direcciones están al día. Su contraseña se guarda en el archivo %1, que solo usted puede leer.</translation>
    </message>
    <message>
        <source>The directory and the address book are in step. Your password could not be kept, so the sync will ask for it again.</source>
        <translation>La agenda y la libreta de direcciones están al día. No se pudo guardar su contraseña, así que la sincronización se la volverá a pedir.</translation>
    </message>
    <message>
        <source>Sync every quarter of an hour from now on, while you are logged in?</source>
        <translation>¿Sincronizar a partir de ahora cada cuarto de hora mientras tenga la sesión iniciada?</translation>
    </message>
    <message>
        <source>Sync &amp;every quarter hour</source>
        <translation>&amp;Cada cuarto de hora</translation>
    </message>
    <message>
        <source>&amp;Not now</source>
        <translation>A&amp;hora no</translation>
    </message>
    <message>
        <source>From now on the directory is synced every quarter of an hour.</source>
        <translation>A partir de ahora la agenda se sincroniza cada cuarto de hora.</translation>
    </message>
    <message>
        <source>This computer cannot sync every quarter of an hour on its own: that needs the systemd user manager, and none runs for you here. Use Sync Now in the window menu instead.</source>
        <translation>Este ordenador no puede sincronizar por sí solo cada cuarto de hora: para ello hace falta el gestor de usuario de systemd, y aquí no se ejecuta para usted. Use en su lugar «Sincronizar ahora» del menú de la ventana.</translation>
    </message>
    <message>
        <source>The quarter-hourly sync could not be switched on:

%1</source>
        <translation>No se pudo activar la sincronización cada cuarto de hora:

%1</translation>
    </message>
    <message>
        <source>Stop syncing this directory with the address book?

The directory file stays as it is. The sync can also forget what it knows of this directory; setting it up again then starts afresh.</source>
        <translation>¿Dejar de sincronizar esta agenda con la libreta de direcciones?

El archivo de la agenda queda como está. La sincronización también puede olvidar lo que sabe de esta agenda; si la configura de nuevo, empezará desde cero.</translation>
    </message>
    <message>
        <source>&amp;Stop syncing</source>
        <translation>&amp;Dejar de sincronizar</translation>
    </message>
    <message>
        <source>Stop and &amp;forget</source>
        <translation>Dejar y &amp;olvidar</translation>
    </message>
    <message>
        <source>The directory is no longer synced every quarter of an hour. Sync Now still syncs it when you ask.</source>
        <translation>La agenda ya no se sincroniza cada cuarto de hora. «Sincronizar ahora» la sigue sincronizando cuando usted lo pida.</translation>
    </message>
    <message>
        <source>The directory is no longer synced. Dialstack.dat stays as it is.</source>
        <translation>La agenda ya no se sincroniza. Dialstack.dat queda como está.</translation>
    </message>
    <message>
        <source>The sync could not be stopped:

%1</source>
        <translation>No se pudo detener la sincronización:

%1</translation>
    </message>
    <message>
        <source>%1 refused the password of %2. Type the password again:</source>
        <translation>%1 rechazó la contraseña de %2. Escriba de nuevo la contraseña:</translation>
    </message>
    <message>
        <source>The sync needs the password of %2 at %1:</source>
        <translation>La sincronización necesita la contraseña de %2 en %1:</translation>
    </message>
    <message>
        <source>The password file %1 is gone or others can read it, so the sync no longer uses it. Type the password; it will be kept safely:</source>
        <translation>El archivo de contraseña %1 ha desaparecido o lo pueden leer otros, así que la sincronización ya no lo usa. Escriba la contraseña; se volverá a guardar de forma segura:</translation>
    </message>
    <message>
        <source>Names were deleted here, and %1 of the %2 cards in the address book would go with them: %3.

The sync stopped so that nothing is deleted by mistake.</source>
        <translation>Se borraron nombres aquí, y %1 de las %2 fichas de la libreta de direcciones se irían con ellos: %3.

La sincronización se detuvo para que nada se borre por error.</translation>
    </message>
    <message>
        <source>Cards were deleted from the address book, and %1 of the %2 names here would go with them: %3.

The sync stopped so that nothing is deleted by mistake.</source>
        <translation>Se borraron fichas de la libreta de direcciones, y %1 de los %2 nombres de aquí se irían con ellas: %3.

La sincronización se detuvo para que nada se borre por error.</translation>
    </message>
    <message>
        <source>&amp;Delete them there too</source>
        <translation>&amp;Borrarlos también allí</translation>
    </message>
    <message>
        <source>&amp;Delete them here too</source>
        <translation>&amp;Borrarlos también aquí</translation>
    </message>
    <message>
        <source>&amp;Bring them back</source>
        <translation>&amp;Recuperarlos</translation>
    </message>
    <message numerus="yes">
        <source>and %n other name</source>
        <translation>
            <numerusform>y %n nombre más</numerusform>
            <numerusform>y %n nombres más</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n other names</source>
        <translation>
            <numerusform>y %n nombre más</numerusform>
            <numerusform>y %n nombres más</numerusform>
        </translation>
    </message>
    <message>
        <source>This computer does not trust the certificate of %1, so the sync stopped.

Issued to: %2
Issued by: %3
SHA-256 fingerprint: %4

Trust it only if your server's administrator gave you this fingerprint.</source>
        <translation>Este ordenador no confía en el certificado de %1, así que la sincronización se detuvo.

Emitido para: %2
Emitido por: %3
Huella SHA-256: %4

Confíe en él solo si el administrador de su servidor le dio esta huella.</translation>
    </message>
    <message>
        <source>&amp;Trust this certificate</source>
        <translation>&amp;Confiar en este certificado</translation>
    </message>
    <message>
        <source>The address book %1 is gone from the server, so the sync stopped. Choose the address book to sync with in the window that opens now.</source>
        <translation>La libreta de direcciones %1 ya no está en el servidor, así que la sincronización se detuvo. Elija la libreta que quiere sincronizar en la ventana que se abre ahora.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed both here and in the address book. It now holds the address book's version; this computer's version was kept as &quot;%2&quot;.
%3</source>
        <translation>«%1» se cambió aquí y en la libreta de direcciones. Ahora tiene la versión de la libreta; la de este ordenador se guardó como «%2».
%3</translation>
    </message>
    <message>
        <source>%1: here &quot;%2&quot;, in the address book &quot;%3&quot;</source>
        <translation>%1: aquí «%2», en la libreta «%3»</translation>
    </message>
    <message>
        <source>&amp;Select the Copy</source>
        <translation>&amp;Seleccionar la copia</translation>
    </message>
</context>
<context>
    <name>Framework</name>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Mover</translation>
    </message>
    <message>
        <source>&amp;Close	Alt+F4</source>
        <translation>&amp;Cerrar	Alt+F4</translation>
    </message>
    <message>
        <source>Please enter a whole number.</source>
        <translation>Introduzca un número entero.</translation>
    </message>
    <message numerus="yes">
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
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is a named pipe (FIFO), not a file</source>
        <translation>es una tubería con nombre (FIFO), no un archivo</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>es un dispositivo, no un archivo</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>es un socket, no un archivo</translation>
    </message>
    <message>
        <source>it is something other than a file, not a file</source>
        <translation>no es un archivo, sino otra cosa</translation>
    </message>
    <message>
        <source>it is a symbolic link to a folder, not to a file</source>
        <translation>es un enlace simbólico a una carpeta, no a un archivo</translation>
    </message>
    <message>
        <source>it is a symbolic link to a named pipe (FIFO), not to a file</source>
        <translation>es un enlace simbólico a una tubería con nombre (FIFO), no a un archivo</translation>
    </message>
    <message>
        <source>it is a symbolic link to a device, not to a file</source>
        <translation>es un enlace simbólico a un dispositivo, no a un archivo</translation>
    </message>
    <message>
        <source>it is a symbolic link to a socket, not to a file</source>
        <translation>es un enlace simbólico a un socket, no a un archivo</translation>
    </message>
    <message>
        <source>it is a symbolic link to something other than a file, not to a file</source>
        <translation>es un enlace simbólico a algo que no es un archivo</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>el disco es de solo lectura</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>se ha agotado la cuota de disco</translation>
    </message>
    <message>
        <source>the file would be larger than this process may write</source>
        <translation>el archivo superaría el tamaño que este proceso puede escribir</translation>
    </message>
    <message>
        <source>the lock file &quot;%1&quot; could not be opened: %2</source>
        <translation>no se ha podido abrir el archivo de bloqueo «%1»: %2</translation>
    </message>
    <message>
        <source>the lock file &quot;%1&quot; could not be locked: %2</source>
        <translation>no se ha podido bloquear el archivo de bloqueo «%1»: %2</translation>
    </message>
    <message>
        <source>another program is changing the directory</source>
        <translation>otro programa está modificando la agenda en este momento</translation>
    </message>
    <message>
        <source>a Dialstack window has unsaved changes to the directory, or another program is changing it; once they are saved, the next sync or import takes them in</source>
        <translation>una ventana de Dialstack tiene cambios sin guardar en la agenda, u otro programa la está modificando; en cuanto se guarden, la próxima sincronización o importación los incorporará</translation>
    </message>
    <message>
        <source>the new contents could not be made; nothing was replaced</source>
        <translation>no se ha podido crear el contenido nuevo; no se ha reemplazado nada</translation>
    </message>
    <message>
        <source>there is not enough memory to make the new contents; nothing was replaced</source>
        <translation>no hay memoria suficiente para crear el contenido nuevo; no se ha reemplazado nada</translation>
    </message>
    <message>
        <source>the folder takes no new file, so the file itself was rewritten, which failed (%1); its old contents were written back, so it is as it was</source>
        <translation>la carpeta no admite un archivo nuevo, así que se reescribió el propio archivo, lo que falló (%1); se volvió a escribir su contenido anterior, así que está como estaba</translation>
    </message>
    <message>
        <source>the folder takes no new file, so the file itself was rewritten, which failed (%1); its old contents could not be written back, so the file is damaged</source>
        <translation>la carpeta no admite un archivo nuevo, así que se reescribió el propio archivo, lo que falló (%1); no se pudo volver a escribir su contenido anterior, así que el archivo está dañado</translation>
    </message>
    <message>
        <source>it is a symbolic link to nothing; nothing was replaced</source>
        <translation>es un enlace simbólico que no lleva a ninguna parte; no se ha reemplazado nada</translation>
    </message>
    <message>
        <source>%1; nothing was replaced</source>
        <translation>%1; no se ha reemplazado nada</translation>
    </message>
    <message>
        <source>the new file is in place, but it may not be on the disk yet: the folder could not be synced (%1)</source>
        <translation>el archivo nuevo está en su sitio, pero puede que aún no esté en el disco: no se ha podido escribir la carpeta en el disco (%1)</translation>
    </message>
    <message>
        <source>the folder it belongs in no longer exists</source>
        <translation>la carpeta en la que debe estar ya no existe</translation>
    </message>
    <message>
        <source>there is not enough memory to replace the file; nothing was replaced</source>
        <translation>no hay memoria suficiente para reemplazar el archivo; no se ha reemplazado nada</translation>
    </message>
    <message>
        <source>there is not enough memory to make the file</source>
        <translation>no hay memoria suficiente para crear el archivo</translation>
    </message>
    <message>
        <source>there is no directory to save</source>
        <translation>no hay ninguna agenda que guardar</translation>
    </message>
    <message>
        <source>the print service (CUPS) is not running</source>
        <translation>el servicio de impresión (CUPS) no está en marcha</translation>
    </message>
    <message>
        <source>no default printer is configured; choose one in the system&apos;s printer settings or with &quot;lpoptions -d PRINTER&quot;</source>
        <translation>no hay ninguna impresora predeterminada configurada; elija una en la configuración de impresoras del sistema o con «lpoptions -d IMPRESORA»</translation>
    </message>
    <message>
        <source>the default printer is not available: %1</source>
        <translation>la impresora predeterminada no está disponible: %1</translation>
    </message>
    <message>
        <source>the printer refused the job: %1</source>
        <translation>la impresora ha rechazado el trabajo: %1</translation>
    </message>
    <message>
        <source>the job could not be sent to the printer: %1</source>
        <translation>no se ha podido enviar el trabajo a la impresora: %1</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <source>operation not permitted</source>
        <translation>operación no permitida</translation>
    </message>
    <message>
        <source>no such file or directory</source>
        <translation>no existe el archivo o la carpeta</translation>
    </message>
    <message>
        <source>not a directory</source>
        <translation>una parte de la ruta no es una carpeta</translation>
    </message>
    <message>
        <source>is a directory</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>too many levels of symbolic links</source>
        <translation>demasiados niveles de enlaces simbólicos</translation>
    </message>
    <message>
        <source>file name too long</source>
        <translation>nombre de archivo demasiado largo</translation>
    </message>
    <message>
        <source>input/output error</source>
        <translation>error de entrada/salida</translation>
    </message>
    <message>
        <source>device or resource busy</source>
        <translation>dispositivo o recurso ocupado</translation>
    </message>
    <message>
        <source>text file busy</source>
        <translation>el archivo se está ejecutando como programa</translation>
    </message>
    <message>
        <source>cannot allocate memory</source>
        <translation>no hay memoria suficiente</translation>
    </message>
    <message>
        <source>too many open files</source>
        <translation>demasiados archivos abiertos</translation>
    </message>
    <message>
        <source>too many open files in system</source>
        <translation>demasiados archivos abiertos en el sistema</translation>
    </message>
    <message>
        <source>no locks available</source>
        <translation>no hay bloqueos disponibles</translation>
    </message>
    <message>
        <source>stale file handle</source>
        <translation>referencia de archivo obsoleta</translation>
    </message>
    <message>
        <source>no such device or address</source>
        <translation>no existe el dispositivo o la dirección</translation>
    </message>
    <message>
        <source>invalid cross-device link</source>
        <translation>enlace entre dispositivos no válido</translation>
    </message>
    <message>
        <source>invalid argument</source>
        <translation>argumento no válido</translation>
    </message>
    <message>
        <source>transport endpoint is not connected</source>
        <translation>la conexión con el sistema de archivos se ha perdido</translation>
    </message>
    <message>
        <source>connection timed out</source>
        <translation>se ha agotado el tiempo de espera de la conexión</translation>
    </message>
</context>
<context>
    <name>dialstack</name>
    <message>
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
        <source>this program needs a graphical desktop, but no display is set here (DISPLAY and WAYLAND_DISPLAY are empty); start it from your desktop session.</source>
        <translation>este programa necesita un escritorio gráfico, pero aquí no hay ninguna pantalla definida (DISPLAY y WAYLAND_DISPLAY están vacías); inícielo desde su sesión de escritorio.</translation>
    </message>
</context>
</TS>
