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
        <translation>Buscapersonas</translation>
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
        <translation>La agenda y la libreta de direcciones están al día.</translation>
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
</TS>
