<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>dialstack-convert</name>
    <message>
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
        <source>%n record matches</source>
        <translation>
            <numerusform>%n registro coincide</numerusform>
            <numerusform>%n registros coinciden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records match</source>
        <translation>
            <numerusform>%n registro coincide</numerusform>
            <numerusform>%n registros coinciden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record added</source>
        <translation>
            <numerusform>%n registro añadido</numerusform>
            <numerusform>%n registros añadidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records added</source>
        <translation>
            <numerusform>%n registro añadido</numerusform>
            <numerusform>%n registros añadidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact skipped</source>
        <translation>
            <numerusform>%n contacto omitido</numerusform>
            <numerusform>%n contactos omitidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contacts skipped</source>
        <translation>
            <numerusform>%n contacto omitido</numerusform>
            <numerusform>%n contactos omitidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n value moved to misc</source>
        <translation>
            <numerusform>%n valor movido a «Notas»</numerusform>
            <numerusform>%n valores movidos a «Notas»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n values moved to misc</source>
        <translation>
            <numerusform>%n valor movido a «Notas»</numerusform>
            <numerusform>%n valores movidos a «Notas»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n character replaced</source>
        <translation>
            <numerusform>%n carácter sustituido</numerusform>
            <numerusform>%n caracteres sustituidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters replaced</source>
        <translation>
            <numerusform>%n carácter sustituido</numerusform>
            <numerusform>%n caracteres sustituidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record exported</source>
        <translation>
            <numerusform>%n registro exportado</numerusform>
            <numerusform>%n registros exportados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records exported</source>
        <translation>
            <numerusform>%n registro exportado</numerusform>
            <numerusform>%n registros exportados</numerusform>
        </translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrada estándar</translation>
    </message>
    <message>
        <source>%1: %2; nothing was imported</source>
        <translation>%1: %2; no se ha importado nada</translation>
    </message>
    <message>
        <source>is a folder, not a contact file</source>
        <translation>es una carpeta, no un archivo de contactos</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>no se puede abrir</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ese archivo no existe</translation>
    </message>
    <message>
        <source>%1: could not be saved: %2; the directory file is unchanged</source>
        <translation>%1: no se ha podido guardar: %2; el archivo de la agenda no ha cambiado</translation>
    </message>
    <message>
        <source>%1: could not be saved: %2; the directory file may be damaged: check it, and import again</source>
        <translation>%1: no se ha podido guardar: %2; el archivo de la agenda puede estar dañado: revíselo e importe de nuevo</translation>
    </message>
    <message>
        <source>%1: is a folder, not a directory file; nothing was converted</source>
        <translation>%1: es una carpeta, no un archivo de la agenda; no se ha convertido nada</translation>
    </message>
    <message>
        <source>%1: there is no directory file</source>
        <translation>%1: no hay ningún archivo de la agenda</translation>
    </message>
    <message>
        <source>%1: %2 (close Dialstack&apos;s window on it, or wait for the other import); nothing was changed</source>
        <translation>%1: %2 (cierre la ventana de Dialstack que lo tiene abierto o espere a que termine la otra importación); no se ha cambiado nada</translation>
    </message>
    <message>
        <source>say export, import or query</source>
        <translation>indique export, import o query</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>orden desconocida «%1»</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos;</source>
        <translation>formato desconocido «%1»</translation>
    </message>
    <message>
        <source>--spreadsheet is for export</source>
        <translation>--spreadsheet es solo para export</translation>
    </message>
    <message>
        <source>--output is for export</source>
        <translation>--output es solo para export</translation>
    </message>
    <message>
        <source>query needs one TEXT to look for</source>
        <translation>query necesita un TEXTO que buscar</translation>
    </message>
    <message>
        <source>query takes no --format or --verbose</source>
        <translation>query no admite --format ni --verbose</translation>
    </message>
    <message>
        <source>export takes no file arguments (use --output)</source>
        <translation>export no admite archivos como argumentos (use --output)</translation>
    </message>
    <message>
        <source>--output names the directory file itself</source>
        <translation>--output indica el propio archivo de la agenda</translation>
    </message>
    <message>
        <source>--spreadsheet writes CSV, not --format vcard</source>
        <translation>--spreadsheet escribe CSV, no --format vcard</translation>
    </message>
    <message>
        <source>--format vcard or --format csv is needed (or an --output FILE ending in .vcf or .csv)</source>
        <translation>hace falta --format vcard o --format csv (o un --output ARCHIVO que termine en .vcf o .csv)</translation>
    </message>
    <message>
        <source>import needs at least one file (&apos;-&apos; for standard input)</source>
        <translation>import necesita al menos un archivo (&apos;-&apos; para la entrada estándar)</translation>
    </message>
    <message>
        <source>--format vcard or --format csv is needed (&apos;%1&apos; does not end in .vcf or .csv)</source>
        <translation>hace falta --format vcard o --format csv («%1» no termina en .vcf ni en .csv)</translation>
    </message>
    <message>
        <source>ran out of memory; nothing was changed</source>
        <translation>memoria agotada; no se ha cambiado nada</translation>
    </message>
    <message>
        <source>a file holds a field too long to be held (%1); nothing was changed</source>
        <translation>un archivo contiene un campo demasiado largo (%1); no se ha cambiado nada</translation>
    </message>
    <message>
        <source>stopped: %1; nothing was changed</source>
        <translation>detenido: %1; no se ha cambiado nada</translation>
    </message>
    <message>
        <source>--file needs a file name</source>
        <translation>--file necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>cannot be read as %1: %2</source>
        <translation>no se puede leer como %1: %2</translation>
    </message>
    <message>
        <source>%1: could not be written</source>
        <translation>%1: no se ha podido escribir</translation>
    </message>
    <message>
        <source>could not write to standard output</source>
        <translation>no se ha podido escribir en la salida estándar</translation>
    </message>
    <message>
        <source>%1: could not be written: %2</source>
        <translation>%1: no se ha podido escribir: %2</translation>
    </message>
    <message>
        <source>%1: could not be written: %2; the file that was there is no longer as it was</source>
        <translation>%1: no se ha podido escribir: %2; el archivo que había ya no está como estaba</translation>
    </message>
    <message>
        <source>%1: the directory file could not be opened: %2; nothing was converted</source>
        <translation>%1: no se ha podido abrir el archivo de la agenda: %2; no se ha convertido nada</translation>
    </message>
    <message>
        <source>%1: the directory file could not be read completely; nothing was converted</source>
        <translation>%1: no se ha podido leer entero el archivo de la agenda; no se ha convertido nada</translation>
    </message>
    <message>
        <source>it holds no vCard (no BEGIN:VCARD line)</source>
        <translation>no contiene ninguna vCard (no hay ninguna línea BEGIN:VCARD)</translation>
    </message>
    <message>
        <source>END (the vCard was cut off)</source>
        <translation>END (la vCard estaba cortada)</translation>
    </message>
    <message>
        <source>a line that is no vCard property: &quot;%1&quot;</source>
        <translation>una línea que no es una propiedad vCard: «%1»</translation>
    </message>
    <message>
        <source>its header row is longer than %1 KiB</source>
        <translation>su fila de encabezado supera los %1 KiB</translation>
    </message>
    <message>
        <source>it has no header row</source>
        <translation>no tiene fila de encabezado</translation>
    </message>
    <message>
        <source>UTF-8, Windows-1252, UTF-16 with a byte-order mark and vCards in UTF-16 without one are read</source>
        <translation>se leen UTF-8, Windows-1252, UTF-16 con marca de orden de bytes y vCards en UTF-16 aunque no la tengan</translation>
    </message>
    <message>
        <source>it could not be read to its end</source>
        <translation>no se ha podido leer hasta el final</translation>
    </message>
    <message>
        <source>it is in UTF-32, which is not read (%1)</source>
        <translation>está en UTF-32, que no se lee (%1)</translation>
    </message>
    <message>
        <source>it holds zero bytes, as UTF-16 or UTF-32 without a byte-order mark would; that is not read (%1)</source>
        <translation>contiene bytes nulos, como UTF-16 o UTF-32 sin marca de orden de bytes; eso no se lee (%1)</translation>
    </message>
    <message>
        <source>%1: skipped, %2</source>
        <translation>%1: omitido porque %2</translation>
    </message>
    <message>
        <source>%1: moved to misc: %2</source>
        <translation>%1: movido a «Notas»: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: left out: %2</source>
        <translation>%1: descartado: %2</translation>
    </message>
    <message>
        <source>it holds more than %1 KiB of text</source>
        <translation>contiene más de %1 KiB de texto</translation>
    </message>
    <message>
        <source>%1, contact %2</source>
        <translation>%1, contacto %2</translation>
    </message>
    <message>
        <source>it has no name</source>
        <translation>no tiene nombre</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <translation>«%1» (%2)</translation>
    </message>
    <message>
        <source>%1: its last record has no name, and adding records would overwrite it; give it a name in Dialstack first. Nothing was imported</source>
        <translation>%1: su último registro no tiene nombre y añadir registros lo sobrescribiría; póngale antes un nombre en Dialstack. No se importó nada</translation>
    </message>
    <message>
        <source>%1: written, but %2</source>
        <translation>%1: escrito, pero %2</translation>
    </message>
    <message>
        <source>... (%1 bytes in all)</source>
        <translation>... (%1 bytes en total)</translation>
    </message>
    <message>
        <source>%1 = %2... (%3 bytes in all)</source>
        <translation>%1 = %2... (%3 bytes en total)</translation>
    </message>
    <message>
        <source>AGENT (the vCard of another person inside this one)</source>
        <translation>AGENT (la vCard de otra persona dentro de esta)</translation>
    </message>
    <message>
        <source>%1 (binary data, %2 bytes)</source>
        <translation>%1 (datos binarios, %2 bytes)</translation>
    </message>
    <message numerus="yes">
        <source>%n character of the name replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carácter del nombre sustituido por «?»</numerusform>
            <numerusform>%n caracteres del nombre sustituidos por «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters of the name replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carácter del nombre sustituido por «?»</numerusform>
            <numerusform>%n caracteres del nombre sustituidos por «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n character of the phone replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carácter del teléfono sustituido por «?»</numerusform>
            <numerusform>%n caracteres del teléfono sustituidos por «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters of the phone replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carácter del teléfono sustituido por «?»</numerusform>
            <numerusform>%n caracteres del teléfono sustituidos por «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n character of the pager replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carácter del busca sustituido por «?»</numerusform>
            <numerusform>%n caracteres del busca sustituidos por «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters of the pager replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carácter del busca sustituido por «?»</numerusform>
            <numerusform>%n caracteres del busca sustituidos por «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n character of the e-mail replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carácter del correo electrónico sustituido por «?»</numerusform>
            <numerusform>%n caracteres del correo electrónico sustituidos por «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters of the e-mail replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carácter del correo electrónico sustituido por «?»</numerusform>
            <numerusform>%n caracteres del correo electrónico sustituidos por «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n character of the misc replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carácter de «Notas» sustituido por «?»</numerusform>
            <numerusform>%n caracteres de «Notas» sustituidos por «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters of the misc replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carácter de «Notas» sustituido por «?»</numerusform>
            <numerusform>%n caracteres de «Notas» sustituidos por «?»</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: could not be saved: %2; nothing was imported</source>
        <translation>%1: no se ha podido guardar: %2; no se ha importado nada</translation>
    </message>
    <message>
        <source>%1: left alone, a group is not a contact</source>
        <translation>%1: no importado, un grupo no es un contacto</translation>
    </message>
    <message>
        <source>%1: left alone, a place is not a contact</source>
        <translation>%1: no importado, un lugar no es un contacto</translation>
    </message>
    <message numerus="yes">
        <source>%n group or place left alone</source>
        <translation>
            <numerusform>%n grupo o lugar no importado</numerusform>
            <numerusform>%n grupos o lugares no importados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n groups or places left alone</source>
        <translation>
            <numerusform>%n grupo o lugar no importado</numerusform>
            <numerusform>%n grupos o lugares no importados</numerusform>
        </translation>
    </message>
</context>
</TS>
