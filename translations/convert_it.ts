<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
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
        <translation>uso: dialstack-convert export [--format vcard|csv | --spreadsheet] [--file CARTELLA/Dialstack.dat]
                              [--output FILE] [--verbose]
     dialstack-convert import [--format vcard|csv] [--file CARTELLA/Dialstack.dat] [--verbose] FILE...
     dialstack-convert query [--file CARTELLA/Dialstack.dat] TESTO
     dialstack-convert --help | --version
(&apos;-&apos; come FILE legge lo standard input; --format si può omettere se ogni
file termina in .vcf o .csv; --spreadsheet scrive un CSV con &apos;;&apos; tra le
celle e un byte order mark, come lo aprono i fogli di calcolo in Germania,
Francia e negli altri paesi che usano la virgola decimale)
</translation>
    </message>
    <message numerus="yes">
        <source>%n record matches</source>
        <translation>
            <numerusform>%n voce corrisponde</numerusform>
            <numerusform>%n voci corrispondono</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records match</source>
        <translation>
            <numerusform>%n voce corrisponde</numerusform>
            <numerusform>%n voci corrispondono</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record added</source>
        <translation>
            <numerusform>%n voce aggiunta</numerusform>
            <numerusform>%n voci aggiunte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records added</source>
        <translation>
            <numerusform>%n voce aggiunta</numerusform>
            <numerusform>%n voci aggiunte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact skipped</source>
        <translation>
            <numerusform>%n contatto saltato</numerusform>
            <numerusform>%n contatti saltati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contacts skipped</source>
        <translation>
            <numerusform>%n contatto saltato</numerusform>
            <numerusform>%n contatti saltati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n value moved to misc</source>
        <translation>
            <numerusform>%n valore spostato in «Note»</numerusform>
            <numerusform>%n valori spostati in «Note»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n values moved to misc</source>
        <translation>
            <numerusform>%n valore spostato in «Note»</numerusform>
            <numerusform>%n valori spostati in «Note»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n character replaced</source>
        <translation>
            <numerusform>%n carattere sostituito</numerusform>
            <numerusform>%n caratteri sostituiti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters replaced</source>
        <translation>
            <numerusform>%n carattere sostituito</numerusform>
            <numerusform>%n caratteri sostituiti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record exported</source>
        <translation>
            <numerusform>%n voce esportata</numerusform>
            <numerusform>%n voci esportate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records exported</source>
        <translation>
            <numerusform>%n voce esportata</numerusform>
            <numerusform>%n voci esportate</numerusform>
        </translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>standard input</translation>
    </message>
    <message>
        <source>%1: %2; nothing was imported</source>
        <translation>%1: %2; non è stato importato nulla</translation>
    </message>
    <message>
        <source>is a folder, not a contact file</source>
        <translation>è una cartella, non un file di contatti</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>non si può aprire</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>questo file non esiste</translation>
    </message>
    <message>
        <source>%1: could not be saved: %2; the directory file is unchanged</source>
        <translation>%1: impossibile salvare: %2; il file dell&apos;elenco non è cambiato</translation>
    </message>
    <message>
        <source>%1: could not be saved: %2; the directory file may be damaged: check it, and import again</source>
        <translation>%1: impossibile salvare: %2; il file dell&apos;elenco potrebbe essere danneggiato: controllalo e importa di nuovo</translation>
    </message>
    <message>
        <source>%1: is a folder, not a directory file; nothing was converted</source>
        <translation>%1: è una cartella, non un file dell&apos;elenco; non è stato convertito nulla</translation>
    </message>
    <message>
        <source>%1: there is no directory file</source>
        <translation>%1: non c&apos;è nessun file dell&apos;elenco</translation>
    </message>
    <message>
        <source>%1: %2 (close Dialstack&apos;s window on it, or wait for the other import); nothing was changed</source>
        <translation>%1: %2 (chiudi la finestra di Dialstack che lo tiene aperto o attendi l&apos;altra importazione); non è stato cambiato nulla</translation>
    </message>
    <message>
        <source>say export, import or query</source>
        <translation>indica export, import o query</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>comando sconosciuto «%1»</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos;</source>
        <translation>formato sconosciuto «%1»</translation>
    </message>
    <message>
        <source>--spreadsheet is for export</source>
        <translation>--spreadsheet vale solo per export</translation>
    </message>
    <message>
        <source>--output is for export</source>
        <translation>--output vale solo per export</translation>
    </message>
    <message>
        <source>query needs one TEXT to look for</source>
        <translation>query richiede un TESTO da cercare</translation>
    </message>
    <message>
        <source>query takes no --format or --verbose</source>
        <translation>query non accetta --format né --verbose</translation>
    </message>
    <message>
        <source>export takes no file arguments (use --output)</source>
        <translation>export non accetta file come argomenti (usa --output)</translation>
    </message>
    <message>
        <source>--output names the directory file itself</source>
        <translation>--output indica il file dell&apos;elenco stesso</translation>
    </message>
    <message>
        <source>--spreadsheet writes CSV, not --format vcard</source>
        <translation>--spreadsheet scrive CSV, non --format vcard</translation>
    </message>
    <message>
        <source>--format vcard or --format csv is needed (or an --output FILE ending in .vcf or .csv)</source>
        <translation>serve --format vcard o --format csv (o un --output FILE che termini in .vcf o .csv)</translation>
    </message>
    <message>
        <source>import needs at least one file (&apos;-&apos; for standard input)</source>
        <translation>import richiede almeno un file (&apos;-&apos; per lo standard input)</translation>
    </message>
    <message>
        <source>--format vcard or --format csv is needed (&apos;%1&apos; does not end in .vcf or .csv)</source>
        <translation>serve --format vcard o --format csv («%1» non termina in .vcf o .csv)</translation>
    </message>
    <message>
        <source>ran out of memory; nothing was changed</source>
        <translation>memoria esaurita; non è stato cambiato nulla</translation>
    </message>
    <message>
        <source>a file holds a field too long to be held (%1); nothing was changed</source>
        <translation>un file contiene un campo troppo lungo (%1); non è stato cambiato nulla</translation>
    </message>
    <message>
        <source>stopped: %1; nothing was changed</source>
        <translation>interrotto: %1; non è stato cambiato nulla</translation>
    </message>
    <message>
        <source>--file needs a file name</source>
        <translation>--file richiede un nome di file</translation>
    </message>
    <message>
        <source>cannot be read as %1: %2</source>
        <translation>non si può leggere come %1: %2</translation>
    </message>
    <message>
        <source>%1: could not be written</source>
        <translation>%1: impossibile scrivere</translation>
    </message>
    <message>
        <source>could not write to standard output</source>
        <translation>impossibile scrivere sullo standard output</translation>
    </message>
    <message>
        <source>%1: could not be written: %2</source>
        <translation>%1: impossibile scrivere: %2</translation>
    </message>
    <message>
        <source>%1: could not be written: %2; the file that was there is no longer as it was</source>
        <translation>%1: impossibile scrivere: %2; il file che c&apos;era non è più com&apos;era</translation>
    </message>
    <message>
        <source>%1: the directory file could not be opened: %2; nothing was converted</source>
        <translation>%1: impossibile aprire il file dell&apos;elenco: %2; non è stato convertito nulla</translation>
    </message>
    <message>
        <source>%1: the directory file could not be read completely; nothing was converted</source>
        <translation>%1: il file dell&apos;elenco non si è potuto leggere per intero; non è stato convertito nulla</translation>
    </message>
    <message>
        <source>it holds no vCard (no BEGIN:VCARD line)</source>
        <translation>non contiene alcuna vCard (nessuna riga BEGIN:VCARD)</translation>
    </message>
    <message>
        <source>END (the vCard was cut off)</source>
        <translation>END (la vCard era troncata)</translation>
    </message>
    <message>
        <source>a line that is no vCard property: &quot;%1&quot;</source>
        <translation>una riga che non è una proprietà vCard: «%1»</translation>
    </message>
    <message>
        <source>its header row is longer than %1 KiB</source>
        <translation>la sua riga di intestazione supera %1 KiB</translation>
    </message>
    <message>
        <source>it has no header row</source>
        <translation>non ha una riga di intestazione</translation>
    </message>
    <message>
        <source>UTF-8, Windows-1252, UTF-16 with a byte-order mark and vCards in UTF-16 without one are read</source>
        <translation>si leggono UTF-8, Windows-1252, UTF-16 con BOM e le vCard in UTF-16 anche senza BOM</translation>
    </message>
    <message>
        <source>it could not be read to its end</source>
        <translation>non si è potuto leggere fino alla fine</translation>
    </message>
    <message>
        <source>it is in UTF-32, which is not read (%1)</source>
        <translation>è in UTF-32, che non viene letto (%1)</translation>
    </message>
    <message>
        <source>it holds zero bytes, as UTF-16 or UTF-32 without a byte-order mark would; that is not read (%1)</source>
        <translation>contiene byte nulli, come UTF-16 o UTF-32 senza BOM; non viene letto (%1)</translation>
    </message>
    <message>
        <source>%1: skipped, %2</source>
        <translation>%1: saltato perché %2</translation>
    </message>
    <message>
        <source>%1: moved to misc: %2</source>
        <translation>%1: spostato in «Note»: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: left out: %2</source>
        <translation>%1: tralasciato: %2</translation>
    </message>
    <message>
        <source>it holds more than %1 KiB of text</source>
        <translation>contiene più di %1 KiB di testo</translation>
    </message>
    <message>
        <source>%1, contact %2</source>
        <translation>%1, contatto %2</translation>
    </message>
    <message>
        <source>it has no name</source>
        <translation>non ha un nome</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <translation>«%1» (%2)</translation>
    </message>
    <message>
        <source>%1: its last record has no name, and adding records would overwrite it; give it a name in Dialstack first. Nothing was imported</source>
        <translation>%1: la sua ultima voce non ha un nome e aggiungere voci la sovrascriverebbe; dalle prima un nome in Dialstack. Non è stato importato nulla</translation>
    </message>
    <message>
        <source>%1: written, but %2</source>
        <translation>%1: scritto, ma %2</translation>
    </message>
    <message>
        <source>... (%1 bytes in all)</source>
        <translation>... (%1 byte in tutto)</translation>
    </message>
    <message>
        <source>%1 = %2... (%3 bytes in all)</source>
        <translation>%1 = %2... (%3 byte in tutto)</translation>
    </message>
    <message>
        <source>AGENT (the vCard of another person inside this one)</source>
        <translation>AGENT (la vCard di un&apos;altra persona dentro questa)</translation>
    </message>
    <message>
        <source>%1 (binary data, %2 bytes)</source>
        <translation>%1 (dati binari, %2 byte)</translation>
    </message>
    <message numerus="yes">
        <source>%n character of the name replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carattere del nome sostituito con «?»</numerusform>
            <numerusform>%n caratteri del nome sostituiti con «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters of the name replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carattere del nome sostituito con «?»</numerusform>
            <numerusform>%n caratteri del nome sostituiti con «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n character of the phone replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carattere del telefono sostituito con «?»</numerusform>
            <numerusform>%n caratteri del telefono sostituiti con «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters of the phone replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carattere del telefono sostituito con «?»</numerusform>
            <numerusform>%n caratteri del telefono sostituiti con «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n character of the pager replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carattere del pager sostituito con «?»</numerusform>
            <numerusform>%n caratteri del pager sostituiti con «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters of the pager replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carattere del pager sostituito con «?»</numerusform>
            <numerusform>%n caratteri del pager sostituiti con «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n character of the e-mail replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carattere dell&apos;email sostituito con «?»</numerusform>
            <numerusform>%n caratteri dell&apos;email sostituiti con «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters of the e-mail replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carattere dell&apos;email sostituito con «?»</numerusform>
            <numerusform>%n caratteri dell&apos;email sostituiti con «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n character of the misc replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carattere del campo «Note» sostituito con «?»</numerusform>
            <numerusform>%n caratteri del campo «Note» sostituiti con «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters of the misc replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carattere del campo «Note» sostituito con «?»</numerusform>
            <numerusform>%n caratteri del campo «Note» sostituiti con «?»</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: could not be saved: %2; nothing was imported</source>
        <translation>%1: impossibile salvare: %2; non è stato importato nulla</translation>
    </message>
    <message>
        <source>%1: left alone, a group is not a contact</source>
        <translation>%1: non importato, un gruppo non è un contatto</translation>
    </message>
    <message>
        <source>%1: left alone, a place is not a contact</source>
        <translation>%1: non importato, un luogo non è un contatto</translation>
    </message>
    <message numerus="yes">
        <source>%n group or place left alone</source>
        <translation>
            <numerusform>%n gruppo o luogo non importato</numerusform>
            <numerusform>%n gruppi o luoghi non importati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n groups or places left alone</source>
        <translation>
            <numerusform>%n gruppo o luogo non importato</numerusform>
            <numerusform>%n gruppi o luoghi non importati</numerusform>
        </translation>
    </message>
</context>
</TS>
