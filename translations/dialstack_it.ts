<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
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
        <location filename="../convert/QueryCommand.cpp" line="42"/>
        <source>%n record matches</source>
        <translation>
            <numerusform>%n voce corrisponde</numerusform>
            <numerusform>%n voci corrispondono</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="74"/>
        <source>%n record added</source>
        <translation>
            <numerusform>%n voce aggiunta</numerusform>
            <numerusform>%n voci aggiunte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="75"/>
        <source>%n contact skipped</source>
        <translation>
            <numerusform>%n contatto saltato</numerusform>
            <numerusform>%n contatti saltati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="76"/>
        <source>%n value moved to misc</source>
        <translation>
            <numerusform>%n valore spostato in «Note»</numerusform>
            <numerusform>%n valori spostati in «Note»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="77"/>
        <source>%n character replaced</source>
        <translation>
            <numerusform>%n carattere sostituito</numerusform>
            <numerusform>%n caratteri sostituiti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ExportCommand.cpp" line="139"/>
        <source>%n record exported</source>
        <translation>
            <numerusform>%n voce esportata</numerusform>
            <numerusform>%n voci esportate</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="36"/>
        <source>standard input</source>
        <translation>standard input</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="38"/>
        <source>%1: %2; nothing was imported</source>
        <translation>%1: %2; non è stato importato nulla</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="45"/>
        <source>is a folder, not a contact file</source>
        <translation>è una cartella, non un file di contatti</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="48"/>
        <source>cannot be opened</source>
        <translation>non si può aprire</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="48"/>
        <source>there is no such file</source>
        <translation>questo file non esiste</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="76"/>
        <source>%1: could not be saved: %2; the directory file is unchanged</source>
        <translation>%1: impossibile salvare: %2; il file dell&apos;elenco non è cambiato</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="79"/>
        <source>%1: could not be saved: %2; the directory file may be damaged: check it, and import again</source>
        <translation>%1: impossibile salvare: %2; il file dell&apos;elenco potrebbe essere danneggiato: controllalo e importa di nuovo</translation>
    </message>
    <message>
        <location filename="../convert/ConvertAccess.cpp" line="15"/>
        <source>%1: is a folder, not a directory file; nothing was converted</source>
        <translation>%1: è una cartella, non un file dell&apos;elenco; non è stato convertito nulla</translation>
    </message>
    <message>
        <location filename="../convert/ConvertAccess.cpp" line="19"/>
        <source>%1: there is no directory file</source>
        <translation>%1: non c&apos;è nessun file dell&apos;elenco</translation>
    </message>
    <message>
        <location filename="../convert/ConvertAccess.cpp" line="40"/>
        <source>%1: %2 (close Dialstack&apos;s window on it, or wait for the other import); nothing was changed</source>
        <translation>%1: %2 (chiudi la finestra di Dialstack che lo tiene aperto o attendi l&apos;altra importazione); non è stato cambiato nulla</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="41"/>
        <source>say export, import or query</source>
        <translation>indica export, import o query</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="51"/>
        <source>unknown command &apos;%1&apos;</source>
        <translation>comando sconosciuto «%1»</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="81"/>
        <source>unknown format &apos;%1&apos;</source>
        <translation>formato sconosciuto «%1»</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="96"/>
        <source>--spreadsheet is for export</source>
        <translation>--spreadsheet vale solo per export</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="96"/>
        <source>--output is for export</source>
        <translation>--output vale solo per export</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="110"/>
        <source>query needs one TEXT to look for</source>
        <translation>query richiede un TESTO da cercare</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="112"/>
        <source>query takes no --format or --verbose</source>
        <translation>query non accetta --format né --verbose</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="119"/>
        <source>export takes no file arguments (use --output)</source>
        <translation>export non accetta file come argomenti (usa --output)</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="121"/>
        <source>--output names the directory file itself</source>
        <translation>--output indica il file dell&apos;elenco stesso</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="124"/>
        <source>--spreadsheet writes CSV, not --format vcard</source>
        <translation>--spreadsheet scrive CSV, non --format vcard</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="131"/>
        <source>--format vcard or --format csv is needed (or an --output FILE ending in .vcf or .csv)</source>
        <translation>serve --format vcard o --format csv (o un --output FILE che termini in .vcf o .csv)</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="139"/>
        <source>import needs at least one file (&apos;-&apos; for standard input)</source>
        <translation>import richiede almeno un file (&apos;-&apos; per lo standard input)</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="147"/>
        <source>--format vcard or --format csv is needed (&apos;%1&apos; does not end in .vcf or .csv)</source>
        <translation>serve --format vcard o --format csv («%1» non termina in .vcf o .csv)</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="57"/>
        <location filename="../convert/ImportCommand.cpp" line="60"/>
        <source>cannot be read as %1: %2</source>
        <translation>non si può leggere come %1: %2</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="92"/>
        <source>%1: could not be written</source>
        <translation>%1: impossibile scrivere</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="99"/>
        <source>could not write to standard output</source>
        <translation>impossibile scrivere sullo standard output</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="112"/>
        <source>%1: could not be written: %2</source>
        <translation>%1: impossibile scrivere: %2</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="113"/>
        <source>%1: could not be written: %2; the file that was there is no longer as it was</source>
        <translation>%1: impossibile scrivere: %2; il file che c&apos;era non è più com&apos;era</translation>
    </message>
    <message>
        <location filename="../convert/ConvertAccess.cpp" line="26"/>
        <source>%1: the directory file could not be opened: %2; nothing was converted</source>
        <translation>%1: impossibile aprire il file dell&apos;elenco: %2; non è stato convertito nulla</translation>
    </message>
    <message>
        <location filename="../convert/ConvertAccess.cpp" line="30"/>
        <source>%1: the directory file could not be read completely; nothing was converted</source>
        <translation>%1: il file dell&apos;elenco non si è potuto leggere per intero; non è stato convertito nulla</translation>
    </message>
    <message>
        <location filename="../convert/VCardReader.cpp" line="87"/>
        <source>it holds no vCard (no BEGIN:VCARD line)</source>
        <translation>non contiene alcuna vCard (nessuna riga BEGIN:VCARD)</translation>
    </message>
    <message>
        <location filename="../convert/VCardReader.cpp" line="40"/>
        <source>END (the vCard was cut off)</source>
        <translation>END (la vCard era troncata)</translation>
    </message>
    <message>
        <location filename="../convert/VCardReader.cpp" line="50"/>
        <source>a line that is no vCard property: &quot;%1&quot;</source>
        <translation>una riga che non è una proprietà vCard: «%1»</translation>
    </message>
    <message>
        <location filename="../convert/CsvReader.cpp" line="155"/>
        <source>its header row is longer than %1 KiB</source>
        <translation>la sua riga di intestazione supera %1 KiB</translation>
    </message>
    <message>
        <location filename="../convert/CsvReader.cpp" line="163"/>
        <source>it has no header row</source>
        <translation>non ha una riga di intestazione</translation>
    </message>
    <message>
        <location filename="../convert/InputText.cpp" line="22"/>
        <source>UTF-8, Windows-1252, UTF-16 with a byte-order mark and vCards in UTF-16 without one are read</source>
        <translation>si leggono UTF-8, Windows-1252, UTF-16 con BOM e le vCard in UTF-16 anche senza BOM</translation>
    </message>
    <message>
        <location filename="../convert/InputText.cpp" line="69"/>
        <source>it could not be read to its end</source>
        <translation>non si è potuto leggere fino alla fine</translation>
    </message>
    <message>
        <location filename="../convert/InputText.cpp" line="81"/>
        <source>it is in UTF-32, which is not read (%1)</source>
        <translation>è in UTF-32, che non viene letto (%1)</translation>
    </message>
    <message>
        <location filename="../convert/InputText.cpp" line="91"/>
        <source>it holds zero bytes, as UTF-16 or UTF-32 without a byte-order mark would; that is not read (%1)</source>
        <translation>contiene byte nulli, come UTF-16 o UTF-32 senza BOM; non viene letto (%1)</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="37"/>
        <source>%1: skipped, %2</source>
        <translation>%1: saltato perché %2</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="52"/>
        <source>%1: moved to misc: %2</source>
        <translation>%1: spostato in «Note»: %2</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="60"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="68"/>
        <source>%1: left out: %2</source>
        <translation>%1: tralasciato: %2</translation>
    </message>
    <message>
        <location filename="../convert/RecordImporter.cpp" line="23"/>
        <source>it holds more than %1 KiB of text</source>
        <translation>contiene più di %1 KiB di testo</translation>
    </message>
    <message>
        <location filename="../convert/RecordImporter.cpp" line="59"/>
        <source>%1, contact %2</source>
        <translation>%1, contatto %2</translation>
    </message>
    <message>
        <location filename="../convert/RecordImporter.cpp" line="76"/>
        <source>it has no name</source>
        <translation>non ha un nome</translation>
    </message>
    <message>
        <location filename="../convert/RecordImporter.cpp" line="98"/>
        <source>&quot;%1&quot; (%2)</source>
        <translation>«%1» (%2)</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="98"/>
        <source>%1: its last record has no name, and adding records would overwrite it; give it a name in Dialstack first. Nothing was imported</source>
        <translation>%1: la sua ultima voce non ha un nome e aggiungere voci la sovrascriverebbe; dalle prima un nome in Dialstack. Non è stato importato nulla</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="119"/>
        <source>%1: written, but %2</source>
        <translation>%1: scritto, ma %2</translation>
    </message>
    <message>
        <location filename="../vcard/VCardMapper.cpp" line="143"/>
        <source>%1 = %2... (%3 bytes in all)</source>
        <translation>%1 = %2... (%3 byte in tutto)</translation>
    </message>
    <message>
        <location filename="../vcard/VCardMapper.cpp" line="166"/>
        <source>AGENT (the vCard of another person inside this one)</source>
        <translation>AGENT (la vCard di un&apos;altra persona dentro questa)</translation>
    </message>
    <message>
        <location filename="../vcard/VCardMapper.cpp" line="172"/>
        <source>%1 (binary data, %2 bytes)</source>
        <translation>%1 (dati binari, %2 byte)</translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="29"/>
        <source>%n character of the name replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carattere del nome sostituito con «?»</numerusform>
            <numerusform>%n caratteri del nome sostituiti con «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="30"/>
        <source>%n character of the phone replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carattere del telefono sostituito con «?»</numerusform>
            <numerusform>%n caratteri del telefono sostituiti con «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="31"/>
        <source>%n character of the pager replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carattere del pager sostituito con «?»</numerusform>
            <numerusform>%n caratteri del pager sostituiti con «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="32"/>
        <source>%n character of the e-mail replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carattere dell&apos;email sostituito con «?»</numerusform>
            <numerusform>%n caratteri dell&apos;email sostituiti con «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="33"/>
        <source>%n character of the misc replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carattere del campo «Note» sostituito con «?»</numerusform>
            <numerusform>%n caratteri del campo «Note» sostituiti con «?»</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="73"/>
        <source>%1: could not be saved: %2; nothing was imported</source>
        <translation>%1: impossibile salvare: %2; non è stato importato nulla</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="43"/>
        <source>%1: left alone, a group is not a contact</source>
        <translation>%1: non importato, un gruppo non è un contatto</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="44"/>
        <source>%1: left alone, a place is not a contact</source>
        <translation>%1: non importato, un luogo non è un contatto</translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="79"/>
        <source>%n group or place left alone</source>
        <translation>
            <numerusform>%n gruppo o luogo non importato</numerusform>
            <numerusform>%n gruppi o luoghi non importati</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DialstackSync</name>
    <message>
        <location filename="../sync/SyncReport.cpp" line="89"/>
        <source>left out: %1, a group or a place is not a contact</source>
        <translation>non sincronizzata: %1, un gruppo o un luogo non è un contatto</translation>
    </message>
    <message>
        <location filename="../sync/DesktopNotifier.cpp" line="79"/>
        <source>Open Dialstack</source>
        <translation>Apri Dialstack</translation>
    </message>
    <message>
        <location filename="../sync/UserTimer.cpp" line="111"/>
        <source>%1 could not be started</source>
        <translation>Impossibile avviare %1</translation>
    </message>
    <message>
        <location filename="../sync/UserTimer.cpp" line="113"/>
        <source>%1 did not finish within a minute</source>
        <translation>%1 non è terminato entro un minuto</translation>
    </message>
    <message>
        <location filename="../sync/UserTimer.cpp" line="117"/>
        <source>%1 ended with status %2</source>
        <translation>%1 è terminato con lo stato %2</translation>
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
        <translation>uso: dialstack-sync [--file CARTELLA/Dialstack.dat] [--url URL] [--user NOME]
                    [--password-file FILE | --password-stdin] [--keep-password]
                    [--certificate FILE | --accept-certificate SHA256] [--timeout SECONDI]
                    [--dry-run] [--force | --bring-back] [--verbose] [--report json]
     dialstack-sync [--file CARTELLA/Dialstack.dat] --discover --url URL [--user NOME] [...]
     dialstack-sync [--file CARTELLA/Dialstack.dat] --forget | --timer on|off|status
     dialstack-sync --help | --version
Tiene sincronizzati il file dell&apos;elenco e la sua rubrica CardDAV. La prima
esecuzione richiede --url; URL, utente, file della password e certificato
vengono memorizzati per quel file dell&apos;elenco. La password arriva da
--password-file, o dalla prima riga dello standard input con --password-stdin,
altrimenti dal portachiavi, altrimenti dal file della password memorizzato per
il file dell&apos;elenco, altrimenti da una domanda nel terminale.
--keep-password conserva una password accettata dal server: nel portachiavi,
altrimenti in un file che solo tu puoi leggere.
--accept-certificate si fida del certificato del server quando la sua
impronta SHA-256 è quella indicata. --bring-back risponde a un&apos;eliminazione di
massa rifiutata riportando indietro le voci eliminate. --discover elenca le
rubriche del server e non cambia nulla. --forget dimentica ciò che questo
programma sa della sincronizzazione del file dell&apos;elenco (mai il file).
--timer accende o spegne il timer del file dell&apos;elenco, o dice se è acceso.
--report json stampa l&apos;esito dell&apos;esecuzione in una riga JSON.
Stato di uscita: 0 allineato; 1 non riuscito (nulla perso); 2 uso errato;
3 occupato (una finestra con modifiche non salvate o un altro programma ha
l&apos;elenco: la prossima esecuzione riprova); 4 serve il tuo intervento (la
sincronizzazione eliminerebbe troppo, la password è stata rifiutata o manca,
il certificato non è attendibile, o la rubrica non c&apos;è più).
</translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="51"/>
        <location filename="../sync/SyncReport.cpp" line="22"/>
        <source>%n added</source>
        <translation>
            <numerusform>%n aggiunta</numerusform>
            <numerusform>%n aggiunte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="51"/>
        <location filename="../sync/SyncReport.cpp" line="22"/>
        <source>%n changed</source>
        <translation>
            <numerusform>%n modificata</numerusform>
            <numerusform>%n modificate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="52"/>
        <location filename="../sync/SyncReport.cpp" line="23"/>
        <source>%n deleted</source>
        <translation>
            <numerusform>%n eliminata</numerusform>
            <numerusform>%n eliminate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="80"/>
        <location filename="../sync/SyncReport.cpp" line="94"/>
        <source>%n conflict kept as a copy</source>
        <translation>
            <numerusform>%n conflitto conservato come copia</numerusform>
            <numerusform>%n conflitti conservati come copie</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="84"/>
        <location filename="../sync/SyncReport.cpp" line="98"/>
        <source>Here: %1; on the server: %2; %3</source>
        <translation>Qui: %1; sul server: %2; %3</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="82"/>
        <location filename="../sync/SyncReport.cpp" line="96"/>
        <source>Dry run, nothing changed. Would do here: %1; on the server: %2; %3</source>
        <translation>Prova a vuoto, non è stato cambiato nulla. Risultato previsto qui: %1; sul server: %2; %3</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="28"/>
        <source>added here: %1</source>
        <translation>aggiunta qui: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="28"/>
        <source>changed here: %1</source>
        <translation>modificata qui: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="29"/>
        <source>deleted here: %1</source>
        <translation>eliminata qui: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="30"/>
        <source>added on the server: %1</source>
        <translation>aggiunta sul server: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="31"/>
        <source>changed on the server: %1</source>
        <translation>modificata sul server: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="32"/>
        <source>deleted on the server: %1</source>
        <translation>eliminata sul server: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="33"/>
        <source>would add here: %1</source>
        <translation>sarebbe aggiunta qui: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="34"/>
        <source>would change here: %1</source>
        <translation>sarebbe modificata qui: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="35"/>
        <source>would delete here: %1</source>
        <translation>sarebbe eliminata qui: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="36"/>
        <source>would add on the server: %1</source>
        <translation>sarebbe aggiunta sul server: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="37"/>
        <source>would change on the server: %1</source>
        <translation>sarebbe modificata sul server: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="38"/>
        <source>would delete on the server: %1</source>
        <translation>sarebbe eliminata sul server: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="59"/>
        <source>kept both versions of a record changed on both sides: the server&apos;s, and this machine&apos;s as %1</source>
        <translation>sono state conservate entrambe le versioni di una voce modificata da tutte e due le parti: quella del server e quella di questo computer come %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="56"/>
        <source>would keep both versions of a record changed on both sides: the server&apos;s, and this machine&apos;s as %1</source>
        <translation>sarebbero conservate entrambe le versioni di una voce modificata da tutte e due le parti: quella del server e quella di questo computer come %1</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="249"/>
        <location filename="../sync/SyncPassword.cpp" line="79"/>
        <source>%1: the password file cannot be read</source>
        <translation>%1: il file della password non si può leggere</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="247"/>
        <location filename="../sync/SyncPassword.cpp" line="75"/>
        <source>%1: others can read this password file; make it yours alone (chmod 600 %1) and run again</source>
        <translation>%1: altri possono leggere questo file della password; rendilo leggibile solo a te (chmod 600 %1) ed esegui di nuovo</translation>
    </message>
    <message>
        <location filename="../sync/SyncPassword.cpp" line="101"/>
        <source>Password for %1 at %2: </source>
        <translation>Password di %1 su %2: </translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="283"/>
        <source>%1: a Dialstack window has unsaved changes in it, or another program is changing it. Nothing was synced; the next sync after you save takes the window&apos;s changes</source>
        <translation>%1: una finestra di Dialstack ha modifiche non salvate, o un altro programma lo sta modificando. Non è stato sincronizzato nulla; la prossima sincronizzazione dopo il salvataggio prenderà le modifiche della finestra</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="278"/>
        <source>stopped by %1; what was synced is kept, and the next sync goes on from there</source>
        <translation>interrotto da %1; quanto già sincronizzato resta, e la prossima sincronizzazione riprende da lì</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="221"/>
        <source>no address book found at %1 for %2; create one on the server (in its web page, or with your phone&apos;s contacts app), then sync again</source>
        <translation>nessuna rubrica trovata su %1 per %2; creane una sul server (dalla sua pagina web o con l&apos;app contatti del telefono), poi sincronizza di nuovo</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="208"/>
        <source>this user</source>
        <translation>questo utente</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="147"/>
        <source>To settle it, run: %1</source>
        <translation>Per risolvere, esegui: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="128"/>
        <source>unexpected argument: %1</source>
        <translation>argomento inatteso: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="41"/>
        <source>--%1 given more than once</source>
        <translation>--%1 indicato più di una volta</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="78"/>
        <source>--timeout needs a number of seconds from 1 to 3600</source>
        <translation>--timeout richiede un numero di secondi da 1 a 3600</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="73"/>
        <source>--url needs an http:// or https:// address, not %1</source>
        <translation>--url richiede un indirizzo http:// o https://, non %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="75"/>
        <source>give the user name with --user, not inside the URL</source>
        <translation>indica il nome utente con --user, non dentro l&apos;URL</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="174"/>
        <source>the first sync of %1 needs --url (the address book or the server)</source>
        <translation>la prima sincronizzazione di %1 richiede --url (la rubrica o il server)</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="90"/>
        <source>%1 did not answer within %2 s</source>
        <translation>%1 non ha risposto entro %2 s</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="240"/>
        <source>%1 refused the user name or password</source>
        <translation>%1 ha rifiutato il nome utente o la password</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="192"/>
        <source>%1 of the %2 records here (%3)</source>
        <translation>%1 delle %2 voci qui (%3)</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="194"/>
        <source>%1 of the %2 cards on the server (%3)</source>
        <translation>%1 delle %2 schede sul server (%3)</translation>
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
        <translation>%1 e %2</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="178"/>
        <source>%1: the directory file could not be read completely; nothing was synced</source>
        <translation>%1: il file dell&apos;elenco non si è potuto leggere per intero; non è stato sincronizzato nulla</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="173"/>
        <source>%1: could not be saved: %2; the directory file is unchanged</source>
        <translation>%1: impossibile salvare: %2; il file dell&apos;elenco non è cambiato</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="171"/>
        <source>%1: could not be saved: %2</source>
        <translation>%1: impossibile salvare: %2</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="293"/>
        <source>the address book %1 is gone from the server; nothing was changed here</source>
        <translation>la rubrica %1 non c&apos;è più sul server; qui non è stato cambiato nulla</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="82"/>
        <source>a password is never sent over plain http:// except to this machine; use https:// for %1</source>
        <translation>una password non si invia mai su http:// in chiaro, tranne a questo computer; usa https:// per %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="201"/>
        <source>%1: holds no certificate (PEM) that can be read</source>
        <translation>%1: non contiene alcun certificato (PEM) leggibile</translation>
    </message>
    <message>
        <location filename="../sync/SyncPassword.cpp" line="124"/>
        <source>The password could not be kept in the keyring (none is running); from now on the file %1 is read for it. Keep it readable by you alone.</source>
        <translation>Non è stato possibile conservare la password nel portachiavi (nessuno è in esecuzione); d&apos;ora in poi viene letta dal file %1. Tienilo leggibile solo da te.</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="184"/>
        <source>the server has several address books; run again with --url and one of them:</source>
        <translation>il server ha più rubriche; esegui di nuovo con --url e una di queste:</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="149"/>
        <source>%1: the server does not allow this (403 Forbidden)</source>
        <translation>%1: il server non lo consente (403 Forbidden)</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="150"/>
        <source>%1: not found on the server (404)</source>
        <translation>%1: non trovato sul server (404)</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="155"/>
        <source>%1: the server answered %2</source>
        <translation>%1: il server ha risposto %2</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="148"/>
        <source>%1 sent a reply that could not be read: %2</source>
        <translation>%1 ha inviato una risposta illeggibile: %2</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="138"/>
        <source>the server answered %1 (%2)</source>
        <translation>il server ha risposto %1 (%2)</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="139"/>
        <source>the server answered %1: %2</source>
        <translation>il server ha risposto %1: %2</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="136"/>
        <source>the server answered %1</source>
        <translation>il server ha risposto %1</translation>
    </message>
    <message>
        <location filename="../sync/DavMultiStatus.cpp" line="182"/>
        <source>the reply is not a WebDAV multistatus</source>
        <translation>la risposta non è un multistatus WebDAV</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="270"/>
        <source>the address book kept changing while this sync wrote to it; nothing was lost, run the sync again</source>
        <translation>la rubrica ha continuato a cambiare mentre questa sincronizzazione vi scriveva; non si è perso nulla, sincronizza di nuovo</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="119"/>
        <source>the card of %1</source>
        <translation>la scheda di %1</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="120"/>
        <source>status %1</source>
        <translation>stato %1</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="121"/>
        <source>left out of its reply</source>
        <translation>omessa dalla sua risposta</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="126"/>
        <source>%1 did not give %2 (%3); nothing was changed, run the sync again later</source>
        <translation>%1 non ha fornito %2 (%3); non è stato cambiato nulla, sincronizza di nuovo più tardi</translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="127"/>
        <source>%1 did not give %2 (%3) nor %n other cards; nothing was changed, run the sync again later</source>
        <translation>
            <numerusform>%1 non ha fornito %2 (%3) né %n altra scheda; non è stato cambiato nulla, sincronizza di nuovo più tardi</numerusform>
            <numerusform>%1 non ha fornito %2 (%3) né %n altre schede; non è stato cambiato nulla, sincronizza di nuovo più tardi</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="164"/>
        <source>%1: the directory file changed on disk while syncing; nothing was changed here, run the sync again</source>
        <translation>%1: il file dell&apos;elenco è cambiato sul disco durante la sincronizzazione; qui non è stato cambiato nulla, sincronizza di nuovo</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="168"/>
        <source>%1: its last record has no name, and adding records would overwrite it; give it a name in Dialstack first. Nothing was changed</source>
        <translation>%1: la sua ultima voce non ha nome, e aggiungere voci la sovrascriverebbe; dalle prima un nome in Dialstack. Non è stato cambiato nulla</translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="44"/>
        <location filename="../sync/SyncReport.cpp" line="108"/>
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 e %n altro</numerusform>
            <numerusform>%1 e altri %n</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="113"/>
        <source>%1: the sync journal could not be written</source>
        <translation>%1: non è stato possibile scrivere il registro di sincronizzazione</translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="129"/>
        <source>%1: the folder could not be made</source>
        <translation>%1: non è stato possibile creare la cartella</translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="279"/>
        <source>%1: the sync state could not be saved: %2</source>
        <translation>%1: non è stato possibile salvare lo stato di sincronizzazione: %2</translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="283"/>
        <source>%1: the sync state could not be made private</source>
        <translation>%1: non è stato possibile rendere privato lo stato di sincronizzazione</translation>
    </message>
    <message>
        <location filename="../sync/DesktopNotifier.cpp" line="78"/>
        <source>Dialstack sync needs you</source>
        <translation>La sincronizzazione di Dialstack ha bisogno di te</translation>
    </message>
    <message>
        <location filename="../sync/Keyring.cpp" line="53"/>
        <source>Dialstack: %1 at %2</source>
        <translation>Dialstack: %1 su %2</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="213"/>
        <source>%1 is neither a CardDAV server nor an address book (asked: %2); give the address of your address book with --url</source>
        <translation>%1 non è né un server CardDAV né una rubrica (indirizzi provati: %2); indica l&apos;indirizzo della tua rubrica con --url</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="167"/>
        <source>%1 is synced with %2; to sync it with another address book, first forget this sync with --forget</source>
        <translation>%1 è sincronizzato con %2; per sincronizzarlo con un&apos;altra rubrica, dimentica prima questa sincronizzazione con --forget</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="238"/>
        <source>%1 refused the password for %2 read from %3; put the new password in that file</source>
        <translation>%1 ha rifiutato la password di %2 letta da %3; metti la nuova password in quel file</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="179"/>
        <source>%1: %2; nothing was synced</source>
        <translation>%1: %2; non è stato sincronizzato nulla</translation>
    </message>
    <message>
        <location filename="../sync/ServerCertificate.cpp" line="14"/>
        <source>%1: no certificate could be had from the server: %2</source>
        <translation>%1: non è stato possibile ottenere un certificato dal server: %2</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="153"/>
        <source>%1: the server answered %2 (%3)</source>
        <translation>%1: il server ha risposto %2 (%3)</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="274"/>
        <source>%1: the sync&apos;s memory of this directory file is damaged (%2); forget it, then sync again with --url</source>
        <translation>%1: lo stato di sincronizzazione di questo file dell&apos;elenco è danneggiato (%2); dimenticalo, poi sincronizza di nuovo con --url</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="215"/>
        <source>--accept-certificate is for a server at an https:// address</source>
        <translation>--accept-certificate vale per un server con un indirizzo https://</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="72"/>
        <source>--accept-certificate needs the certificate&apos;s SHA-256 fingerprint (64 hex digits)</source>
        <translation>--accept-certificate richiede l&apos;impronta SHA-256 del certificato (64 cifre esadecimali)</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="103"/>
        <source>--discover needs --url (the server or the address book)</source>
        <translation>--discover richiede --url (il server o la rubrica)</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="101"/>
        <source>--discover, --forget and --timer each run alone</source>
        <translation>--discover, --forget e --timer si usano ciascuno da solo</translation>
    </message>
    <message>
        <location filename="../sync/SyncPassword.cpp" line="68"/>
        <source>--password-stdin: no password came on standard input</source>
        <translation>--password-stdin: non è arrivata nessuna password dallo standard input</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="130"/>
        <source>--report takes json</source>
        <translation>--report accetta json</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="98"/>
        <source>--timer takes on, off or status</source>
        <translation>--timer accetta on, off o status</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="74"/>
        <source>Address books found:</source>
        <translation>Rubriche trovate:</translation>
    </message>
    <message>
        <location filename="../sync/SyncPassword.cpp" line="136"/>
        <source>Keep it in %1 (readable by you alone)? [y/N]</source>
        <translation>Conservarla in %1 (leggibile solo da te)? [s/N]</translation>
    </message>
    <message>
        <location filename="../sync/PasswordSource.cpp" line="69"/>
        <source>y</source>
        <translation>s</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="60"/>
        <source>No timer syncs this directory file.</source>
        <translation>Nessun timer sincronizza questo file dell&apos;elenco.</translation>
    </message>
    <message>
        <location filename="../sync/SyncPassword.cpp" line="147"/>
        <source>The password could not be kept: %1</source>
        <translation>Non è stato possibile conservare la password: %1</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="59"/>
        <source>The timer syncs this directory file every quarter of an hour.</source>
        <translation>Il timer sincronizza questo file dell&apos;elenco ogni quarto d&apos;ora.</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="124"/>
        <source>a password is never taken on the command line: use --password-file FILE, --password-stdin, or the keyring</source>
        <translation>una password non si accetta mai sulla riga di comando: usa --password-file FILE, --password-stdin o il portachiavi</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="66"/>
        <source>give the password with --password-file or --password-stdin, not both</source>
        <translation>indica la password con --password-file o con --password-stdin, non con entrambe</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="107"/>
        <source>is a folder, not a directory file</source>
        <translation>è una cartella, non un file dell&apos;elenco</translation>
    </message>
    <message>
        <location filename="../sync/SyncPassword.cpp" line="93"/>
        <source>it cannot be read</source>
        <translation>non si può leggere</translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="108"/>
        <source>it is no sync state this program wrote, or it was cut short</source>
        <translation>non l&apos;ha scritto questo programma, o è stato troncato</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="228"/>
        <source>it is not the one whose fingerprint was given</source>
        <translation>non è quello di cui è stata data l&apos;impronta</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="289"/>
        <source>no password for %1 at %2: the keyring has none, and no password file is remembered</source>
        <translation>nessuna password per %1 su %2: il portachiavi non ne ha e nessun file della password è memorizzato</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="254"/>
        <source>the certificate of %1 is not trusted (%2); its SHA-256 fingerprint is %3. If it is your own server&apos;s, trust it</source>
        <translation>il certificato di %1 non è attendibile (%2); la sua impronta SHA-256 è %3. Se è quello del tuo server, consideralo attendibile</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="103"/>
        <source>the folder does not exist</source>
        <translation>la cartella non esiste</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="105"/>
        <source>the folder is read-only, so the directory file cannot be saved there</source>
        <translation>la cartella è di sola lettura, quindi il file dell&apos;elenco non si può salvare lì</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="63"/>
        <source>the timer could not be set: %1</source>
        <translation>non è stato possibile impostare il timer: %1</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="62"/>
        <source>the timer cannot be set: no systemd user manager runs for this user</source>
        <translation>il timer non si può impostare: nessun gestore utente di systemd è in esecuzione per questo utente</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="198"/>
        <source>this sync would delete %1; nothing was changed. If that is what you want, run it again with --force; to bring them back instead, with --bring-back</source>
        <translation>questa sincronizzazione eliminerebbe %1; non è stato cambiato nulla. Se è ciò che vuoi, eseguila di nuovo con --force; per riaverli invece, con --bring-back</translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="229"/>
        <source>the server refused %n card (%1); everything else is in step</source>
        <translation>
            <numerusform>il server ha rifiutato %n scheda (%1); tutto il resto è allineato</numerusform>
            <numerusform>il server ha rifiutato %n schede (%1); tutto il resto è allineato</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="105"/>
        <source>the server sent this program to %1, another server; it only talks to the server it was given. If that one is right, give it with --url</source>
        <translation>il server ha rimandato questo programma a %1, un altro server; parla solo con il server che gli è stato indicato. Se quello è giusto, indicalo con --url</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="109"/>
        <source>the server points to another server, %1, for the address books; nothing was sent there. If that server is right, give its address book with --url</source>
        <translation>il server rimanda a un altro server, %1, per le rubriche; lì non è stato inviato nulla. Se quel server è giusto, indica la sua rubrica con --url</translation>
    </message>
</context>
<context>
    <name>DialstackTools</name>
    <message>
        <location filename="../shell/ToolShell.cpp" line="25"/>
        <source>ran out of memory; nothing was changed</source>
        <translation>memoria esaurita; non è stato cambiato nulla</translation>
    </message>
    <message>
        <location filename="../shell/ToolShell.cpp" line="28"/>
        <source>a file holds a field too long to be held (%1); nothing was changed</source>
        <translation>un file contiene un campo troppo lungo (%1); non è stato cambiato nulla</translation>
    </message>
    <message>
        <location filename="../shell/ToolShell.cpp" line="31"/>
        <source>stopped: %1; nothing was changed</source>
        <translation>interrotto: %1; non è stato cambiato nulla</translation>
    </message>
    <message>
        <location filename="../shell/ToolShell.cpp" line="39"/>
        <source>--file needs a file name</source>
        <translation>--file richiede un nome di file</translation>
    </message>
    <message>
        <location filename="../shell/PrintableText.cpp" line="45"/>
        <source>... (%1 bytes in all)</source>
        <translation>... (%1 byte in tutto)</translation>
    </message>
</context>
<context>
    <name>Framework</name>
    <message>
        <location filename="../framework/Wnd.cpp" line="230"/>
        <source>&amp;Move</source>
        <translation>&amp;Sposta</translation>
    </message>
    <message>
        <location filename="../framework/Wnd.cpp" line="236"/>
        <source>&amp;Close	Alt+F4</source>
        <translation>&amp;Chiudi	Alt+F4</translation>
    </message>
    <message>
        <location filename="../framework/DataExchange.cpp" line="96"/>
        <source>Please enter a whole number.</source>
        <translation>Inserisci un numero intero.</translation>
    </message>
    <message numerus="yes">
        <location filename="../framework/DataExchange.cpp" line="109"/>
        <source>Please enter no more than %n characters.</source>
        <translation>
            <numerusform>Inserisci al massimo %n carattere.</numerusform>
            <numerusform>Inserisci al massimo %n caratteri.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <location filename="../data/FileReasons.cpp" line="51"/>
        <source>it is a folder, not a file</source>
        <translation>è una cartella, non un file</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="53"/>
        <source>it is a named pipe (FIFO), not a file</source>
        <translation>è una pipe con nome (FIFO), non un file</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="55"/>
        <source>it is a device, not a file</source>
        <translation>è un dispositivo, non un file</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="57"/>
        <source>it is a socket, not a file</source>
        <translation>è un socket, non un file</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="58"/>
        <source>it is something other than a file, not a file</source>
        <translation>non è un file, ma qualcos&apos;altro</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="64"/>
        <source>it is a symbolic link to a folder, not to a file</source>
        <translation>è un collegamento simbolico a una cartella, non a un file</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="66"/>
        <source>it is a symbolic link to a named pipe (FIFO), not to a file</source>
        <translation>è un collegamento simbolico a una pipe con nome (FIFO), non a un file</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="68"/>
        <source>it is a symbolic link to a device, not to a file</source>
        <translation>è un collegamento simbolico a un dispositivo, non a un file</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="70"/>
        <source>it is a symbolic link to a socket, not to a file</source>
        <translation>è un collegamento simbolico a un socket, non a un file</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="71"/>
        <source>it is a symbolic link to something other than a file, not to a file</source>
        <translation>è un collegamento simbolico a qualcosa che non è un file</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="77"/>
        <source>the disk is read-only</source>
        <translation>il disco è di sola lettura</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="78"/>
        <source>the disk is full</source>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="79"/>
        <source>the disk quota is used up</source>
        <translation>la quota disco è esaurita</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="80"/>
        <source>the file would be larger than this process may write</source>
        <translation>il file supererebbe la dimensione che questo processo può scrivere</translation>
    </message>
    <message>
        <location filename="../data/DirectoryLock.cpp" line="55"/>
        <source>the lock file &quot;%1&quot; could not be opened: %2</source>
        <translation>impossibile aprire il file di blocco «%1»: %2</translation>
    </message>
    <message>
        <location filename="../data/DirectoryLock.cpp" line="67"/>
        <source>the lock file &quot;%1&quot; could not be locked: %2</source>
        <translation>impossibile bloccare il file di blocco «%1»: %2</translation>
    </message>
    <message>
        <location filename="../data/DirectoryLock.cpp" line="70"/>
        <source>another program is changing the directory</source>
        <translation>un altro programma sta modificando l&apos;elenco in questo momento</translation>
    </message>
    <message>
        <location filename="../data/DirectoryLock.cpp" line="72"/>
        <source>a Dialstack window has unsaved changes to the directory, or another program is changing it; once they are saved, the next sync or import takes them in</source>
        <translation>una finestra di Dialstack ha modifiche non salvate all&apos;elenco, oppure un altro programma lo sta modificando; una volta salvate, la prossima sincronizzazione o importazione le includerà</translation>
    </message>
    <message>
        <location filename="../data/InPlaceRewrite.cpp" line="107"/>
        <source>the new contents could not be made; nothing was replaced</source>
        <translation>impossibile creare il nuovo contenuto; non è stato sostituito nulla</translation>
    </message>
    <message>
        <location filename="../data/InPlaceRewrite.cpp" line="109"/>
        <location filename="../data/InPlaceRewrite.cpp" line="111"/>
        <source>there is not enough memory to make the new contents; nothing was replaced</source>
        <translation>memoria insufficiente per creare il nuovo contenuto; non è stato sostituito nulla</translation>
    </message>
    <message>
        <location filename="../data/InPlaceRewrite.cpp" line="140"/>
        <source>the folder takes no new file, so the file itself was rewritten, which failed (%1); its old contents were written back, so it is as it was</source>
        <translation>la cartella non accetta un nuovo file, quindi è stato riscritto il file stesso, operazione non riuscita (%1); il vecchio contenuto è stato ripristinato, quindi il file è com&apos;era</translation>
    </message>
    <message>
        <location filename="../data/InPlaceRewrite.cpp" line="143"/>
        <source>the folder takes no new file, so the file itself was rewritten, which failed (%1); its old contents could not be written back, so the file is damaged</source>
        <translation>la cartella non accetta un nuovo file, quindi è stato riscritto il file stesso, operazione non riuscita (%1); non è stato possibile ripristinare il vecchio contenuto, quindi il file è danneggiato</translation>
    </message>
    <message>
        <location filename="../data/SafeFileReplace.cpp" line="54"/>
        <source>it is a symbolic link to nothing; nothing was replaced</source>
        <translation>è un collegamento simbolico che non porta da nessuna parte; non è stato sostituito nulla</translation>
    </message>
    <message>
        <location filename="../data/SafeFileReplace.cpp" line="60"/>
        <source>%1; nothing was replaced</source>
        <translation>%1; non è stato sostituito nulla</translation>
    </message>
    <message>
        <location filename="../data/SafeFileReplace.cpp" line="212"/>
        <source>the new file is in place, but it may not be on the disk yet: the folder could not be synced (%1)</source>
        <translation>il nuovo file è al suo posto, ma potrebbe non essere ancora sul disco: impossibile scrivere la cartella sul disco (%1)</translation>
    </message>
    <message>
        <location filename="../data/SafeFileReplace.cpp" line="232"/>
        <source>the folder it belongs in no longer exists</source>
        <translation>la cartella in cui deve trovarsi non esiste più</translation>
    </message>
    <message>
        <location filename="../data/SafeFileReplace.cpp" line="286"/>
        <source>there is not enough memory to replace the file; nothing was replaced</source>
        <translation>memoria insufficiente per sostituire il file; non è stato sostituito nulla</translation>
    </message>
    <message>
        <location filename="../data/RecordList.cpp" line="246"/>
        <source>there is not enough memory to make the file</source>
        <translation>memoria insufficiente per creare il file</translation>
    </message>
    <message>
        <location filename="../data/RecordListFile.cpp" line="166"/>
        <source>there is no directory to save</source>
        <translation>non c&apos;è nessun elenco da salvare</translation>
    </message>
    <message>
        <location filename="../printer/PrinterPort.cpp" line="44"/>
        <source>the print service (CUPS) is not running</source>
        <translation>il servizio di stampa (CUPS) non è in esecuzione</translation>
    </message>
    <message>
        <location filename="../printer/PrinterPort.cpp" line="46"/>
        <source>no default printer is configured; choose one in the system&apos;s printer settings or with &quot;lpoptions -d PRINTER&quot;</source>
        <translation>non è configurata nessuna stampante predefinita; scegline una nelle impostazioni delle stampanti del sistema o con «lpoptions -d STAMPANTE»</translation>
    </message>
    <message>
        <location filename="../printer/PrinterPort.cpp" line="48"/>
        <source>the default printer is not available: %1</source>
        <translation>la stampante predefinita non è disponibile: %1</translation>
    </message>
    <message>
        <location filename="../printer/PrinterPort.cpp" line="154"/>
        <source>the printer refused the job: %1</source>
        <translation>la stampante ha rifiutato il lavoro: %1</translation>
    </message>
    <message>
        <location filename="../printer/PrinterPort.cpp" line="165"/>
        <source>the job could not be sent to the printer: %1</source>
        <translation>impossibile inviare il lavoro alla stampante: %1</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="21"/>
        <source>permission denied</source>
        <translation>permesso negato</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="22"/>
        <source>operation not permitted</source>
        <translation>operazione non consentita</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="23"/>
        <source>no such file or directory</source>
        <translation>file o cartella inesistente</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="24"/>
        <source>not a directory</source>
        <translation>una parte del percorso non è una cartella</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="25"/>
        <source>is a directory</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="26"/>
        <source>too many levels of symbolic links</source>
        <translation>troppi livelli di collegamenti simbolici</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="27"/>
        <source>file name too long</source>
        <translation>nome del file troppo lungo</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="28"/>
        <source>input/output error</source>
        <translation>errore di input/output</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="29"/>
        <source>device or resource busy</source>
        <translation>dispositivo o risorsa occupati</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="30"/>
        <source>text file busy</source>
        <translation>il file è in esecuzione come programma</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="31"/>
        <source>cannot allocate memory</source>
        <translation>memoria insufficiente</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="32"/>
        <source>too many open files</source>
        <translation>troppi file aperti</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="33"/>
        <source>too many open files in system</source>
        <translation>troppi file aperti nel sistema</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="34"/>
        <source>no locks available</source>
        <translation>nessun blocco disponibile</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="35"/>
        <source>stale file handle</source>
        <translation>riferimento al file non più valido</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="36"/>
        <source>no such device or address</source>
        <translation>dispositivo o indirizzo inesistente</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="37"/>
        <source>invalid cross-device link</source>
        <translation>collegamento tra dispositivi non valido</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="38"/>
        <source>invalid argument</source>
        <translation>argomento non valido</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="39"/>
        <source>transport endpoint is not connected</source>
        <translation>la connessione al file system è interrotta</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="40"/>
        <source>connection timed out</source>
        <translation>tempo di connessione scaduto</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="19"/>
        <source>About Quillaven Dialstack</source>
        <translation>Informazioni su Quillaven Dialstack</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="23"/>
        <source>Dialstack icon</source>
        <translation>Icona di Dialstack</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="24"/>
        <source>Quillaven Dialstack Version 2.0</source>
        <translation>Quillaven Dialstack versione 2.0</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="26"/>
        <source>Made in Quillaven for every desk.</source>
        <translation>Fatto a Quillaven per ogni scrivania.</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="28"/>
        <location filename="../res/DialogTemplates.cpp" line="83"/>
        <location filename="../res/DialogTemplates.cpp" line="152"/>
        <location filename="../res/SyncStringTable.cpp" line="108"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="30"/>
        <source>Dialstack keeps the names, phone and pager numbers, e-mail addresses and notes of the people you call, in the file Dialstack.dat of the folder you start it from.</source>
        <translation>Dialstack conserva nomi, numeri di telefono e di pager, indirizzi email e note delle persone che chiami, nel file Dialstack.dat della cartella da cui lo avvii.</translation>
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
        <translation>Aggiungi</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="46"/>
        <source>Save Now</source>
        <translation>Salva</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="47"/>
        <source>Delete Name</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="48"/>
        <source>Undo Changes</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="49"/>
        <source>Edit Name</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="50"/>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="51"/>
        <source>Save / Quit</source>
        <translation>Salva/Esci</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="52"/>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="55"/>
        <source>Names</source>
        <translation>Nomi</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="56"/>
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="57"/>
        <location filename="../res/ResourceTable.cpp" line="89"/>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="58"/>
        <location filename="../res/ResourceTable.cpp" line="88"/>
        <source>Pager</source>
        <translation>Pager</translation>
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
        <translation>Note</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="164"/>
        <source>Add Record</source>
        <translation>Aggiungi voce</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="165"/>
        <source>Edit Item</source>
        <translation>Modifica voce</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="70"/>
        <location filename="../res/SyncStringTable.cpp" line="106"/>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="71"/>
        <source>Phone Number</source>
        <translation>Telefono</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="72"/>
        <source>Pager Number</source>
        <translation>Pager</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="73"/>
        <source>Email Address</source>
        <translation>Indirizzo email</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="84"/>
        <location filename="../res/DialogTemplates.cpp" line="106"/>
        <location filename="../res/DialogTemplates.cpp" line="153"/>
        <location filename="../res/ResourceTable.cpp" line="54"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="101"/>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="103"/>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Trova:</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="104"/>
        <source>Find what</source>
        <translation>Testo da cercare</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="105"/>
        <source>Find Next</source>
        <translation>Successivo</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="33"/>
        <source>&amp;About Dialstack2...</source>
        <translation>&amp;Informazioni su Dialstack2...</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="35"/>
        <source>&amp;Find…</source>
        <translation>&amp;Trova…</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="241"/>
        <source>Dialstack Help</source>
        <translation>Guida di Dialstack</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="36"/>
        <source>Sync &amp;Now</source>
        <translation>Si&amp;ncronizza ora</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="39"/>
        <source>Your changes to the directory are not saved yet.

Save them before you leave?</source>
        <translation>Le modifiche all&apos;elenco non sono ancora state salvate.

Salvarle prima di uscire?</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="41"/>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="42"/>
        <source>&amp;Leave without saving</source>
        <translation>&amp;Esci senza salvare</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="43"/>
        <source>S&amp;tay</source>
        <translation>&amp;Resta</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="45"/>
        <source>Another program (dialstack-sync or dialstack-convert import) is changing the directory file right now, so nothing was changed here.

Try again in a moment: the window then shows what that program wrote.</source>
        <translation>Un altro programma (dialstack-sync o dialstack-convert import) sta modificando il file dell&apos;elenco in questo momento, quindi qui non è stato modificato nulla.

Riprova tra poco: la finestra mostrerà allora ciò che quel programma ha scritto.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="50"/>
        <source>Your changes are not saved yet. The sync takes the directory as saved.

Save your changes and sync?</source>
        <translation>Le modifiche non sono ancora state salvate. La sincronizzazione usa l&apos;elenco così com&apos;è salvato.

Salvare le modifiche e sincronizzare?</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="53"/>
        <source>&amp;Save and sync</source>
        <translation>&amp;Salva e sincronizza</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="55"/>
        <source>Syncing the directory with the address book…</source>
        <translation>Sincronizzazione dell&apos;elenco con la rubrica…</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="57"/>
        <source>The sync program dialstack-sync was found neither beside Dialstack nor on the PATH.

Install it with Dialstack, then try again.</source>
        <translation>Il programma di sincronizzazione dialstack-sync non è stato trovato né accanto a Dialstack né nel PATH.

Installalo insieme a Dialstack, poi riprova.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="60"/>
        <source>The sync program %1 could not be started: %2</source>
        <translation>Impossibile avviare il programma di sincronizzazione %1: %2</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="61"/>
        <source>The directory and the address book are in step.</source>
        <translation>L&apos;elenco e la rubrica sono sincronizzati.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="63"/>
        <source>The sync did not finish:

%1

Check the network and the server, then try again. What was synced stays; the next sync does the rest.</source>
        <translation>La sincronizzazione non è stata completata:

%1

Controlla la rete e il server, poi riprova. Ciò che è già stato sincronizzato resta; la prossima sincronizzazione farà il resto.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="67"/>
        <source>The sync of this directory is not set up as expected:

%1

Set it up again in a terminal (see &quot;man dialstack-sync&quot;).</source>
        <translation>La sincronizzazione di questo elenco non è configurata come previsto:

%1

Configurala di nuovo in un terminale (vedi «man dialstack-sync»).</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="70"/>
        <source>The sync cannot run now:

%1

Try again in a moment.</source>
        <translation>Al momento la sincronizzazione non può essere eseguita:

%1

Riprova tra poco.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="72"/>
        <source>The sync stopped because it needs you:

%1

Run dialstack-sync --file &quot;%2&quot; in a terminal to settle it.</source>
        <translation>La sincronizzazione si è fermata perché serve il tuo intervento:

%1

Esegui dialstack-sync --file &quot;%2&quot; in un terminale per risolvere.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="76"/>
        <source>The sync was cancelled. What it had finished stays; the next sync does the rest.</source>
        <translation>La sincronizzazione è stata annullata. Ciò che aveva già completato resta; la prossima sincronizzazione farà il resto.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="79"/>
        <source>The sync program ended unexpectedly.

%1

Try again; if it happens again, run dialstack-sync --file &quot;%2&quot; in a terminal to see why.</source>
        <translation>Il programma di sincronizzazione è terminato in modo imprevisto.

%1

Riprova; se succede ancora, esegui dialstack-sync --file &quot;%2&quot; in un terminale per vederne il motivo.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="82"/>
        <source>Only the selected record matches &quot;%1&quot;.</source>
        <translation>Solo la voce selezionata corrisponde a «%1».</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="83"/>
        <source>Nothing in the directory matches &quot;%1&quot;.</source>
        <translation>Nessuna voce dell&apos;elenco corrisponde a «%1».</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="84"/>
        <source>You must specify a name!</source>
        <translation>È necessario specificare un nome!</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="93"/>
        <source>unknown error</source>
        <translation>errore sconosciuto</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="94"/>
        <source>The directory could not be saved to &quot;%1&quot;: %2

%3</source>
        <translation>Impossibile salvare l&apos;elenco in «%1»: %2

%3</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="96"/>
        <source>The directory could not be saved to &quot;%1&quot;: %2

%3 The file on disk is unchanged.</source>
        <translation>Impossibile salvare l&apos;elenco in «%1»: %2

%3 Il file sul disco non è stato modificato.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="98"/>
        <source>Your changes are still here.</source>
        <translation>Le tue modifiche sono ancora qui.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="99"/>
        <source>Dialstack stays open so that your changes are not lost.</source>
        <translation>Dialstack resta aperto perché le tue modifiche non vadano perse.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="100"/>
        <source>Your changes are still here; nothing was synced.</source>
        <translation>Le tue modifiche sono ancora qui; non è stato sincronizzato nulla.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="101"/>
        <source>The directory was saved to &quot;%1&quot;; %2</source>
        <translation>L&apos;elenco è stato salvato in «%1»; %2</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="103"/>
        <source>The directory file &quot;%1&quot; has been changed by another program since Dialstack loaded or saved it.

Replace it with the directory shown here? The other program&apos;s changes would be lost.</source>
        <translation>Il file dell&apos;elenco «%1» è stato modificato da un altro programma dopo che Dialstack l&apos;ha caricato o salvato.

Sostituirlo con l&apos;elenco mostrato qui? Le modifiche dell&apos;altro programma andrebbero perse.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="109"/>
        <source>The directory file &quot;%1&quot; could not be read completely. %2

Saving now would replace the file with what is shown.</source>
        <translation>Impossibile leggere per intero il file dell&apos;elenco «%1». %2

Salvando ora il file verrebbe sostituito da ciò che è mostrato.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="113"/>
        <source>The directory file &quot;%1&quot; could not be opened: %2 %3

Saving now would replace the file with what is shown.</source>
        <translation>Impossibile aprire il file dell&apos;elenco «%1»: %2 %3

Salvando ora il file verrebbe sostituito da ciò che è mostrato.</translation>
    </message>
    <message numerus="yes">
        <location filename="../res/ResourceTable.cpp" line="116"/>
        <source>%n record was read and is shown.</source>
        <translation>
            <numerusform>È stata letta ed è mostrata %n voce.</numerusform>
            <numerusform>Sono state lette e sono mostrate %n voci.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="120"/>
        <source>The directory could not be printed: %1

Nothing in the directory has changed.</source>
        <translation>Impossibile stampare l&apos;elenco: %1

Nell&apos;elenco non è cambiato nulla.</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="167"/>
        <source>Set Up Sync</source>
        <translation>Configura sincronizzazione</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="168"/>
        <source>Sync Settings</source>
        <translation>Opzioni di sincronizzazione</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="118"/>
        <source>&amp;Server address:</source>
        <translation>Indirizzo del &amp;server:</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="120"/>
        <source>&amp;User name:</source>
        <translation>Nome &amp;utente:</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="122"/>
        <source>&amp;Password:</source>
        <translation>&amp;Password:</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="124"/>
        <source>&amp;Connect</source>
        <translation>&amp;Connetti</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="125"/>
        <source>&amp;Address books:</source>
        <translation>&amp;Elenchi di contatti:</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="129"/>
        <source>Type the address of your CardDAV server (your provider&apos;s help names it), your user name and your password, then press Connect.</source>
        <translation>Inserisci l&apos;indirizzo del tuo server CardDAV (lo trovi nella guida del tuo fornitore), il nome utente e la password, poi premi «Connetti».</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="136"/>
        <source>Stop S&amp;yncing</source>
        <translation>&amp;Interrompi la sincronizzazione</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="137"/>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="146"/>
        <source>Sync Password</source>
        <translation>Password della sincronizzazione</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="148"/>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="151"/>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="9"/>
        <source>Set &amp;Up Sync…</source>
        <translation>Con&amp;figura sincronizzazione…</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="10"/>
        <source>Sync Se&amp;ttings…</source>
        <translation>&amp;Opzioni di sincronizzazione…</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="13"/>
        <source>The directory and the address book are in step: %1 here, %2 in the address book.</source>
        <translation>La rubrica e i contatti del server sono allineati: %1 qui, %2 sul server.</translation>
    </message>
    <message numerus="yes">
        <location filename="../res/SyncStringTable.cpp" line="15"/>
        <source>%n change</source>
        <translation>
            <numerusform>%n modifica</numerusform>
            <numerusform>%n modifiche</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="17"/>
        <source>Type the server&apos;s address, your user name and your password first.</source>
        <translation>Inserisci prima l&apos;indirizzo del server, il nome utente e la password.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="18"/>
        <source>Looking for your address books on the server…</source>
        <translation>Ricerca dei tuoi elenchi di contatti sul server…</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="20"/>
        <source>The server holds several address books for %1. Pick the one to sync with, then press Connect again.</source>
        <translation>Sul server ci sono più elenchi di contatti per %1. Scegli quella da sincronizzare, poi premi di nuovo «Connetti».</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="24"/>
        <source>%1 refused the password of %2. Check the user name and the password, then press Connect again.</source>
        <translation>%1 ha rifiutato la password di %2. Controlla nome utente e password, poi premi di nuovo «Connetti».</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="27"/>
        <source>No address book was found at %1 for %2. Check the server&apos;s address (your provider&apos;s help names it), then press Connect again.</source>
        <translation>Nessun elenco di contatti trovato su %1 per %2. Controlla l&apos;indirizzo del server (lo trovi nella guida del tuo fornitore), poi premi di nuovo «Connetti».</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="31"/>
        <source>The server could not be reached or did not answer as expected:
%1</source>
        <translation>Il server non è raggiungibile o non ha risposto come previsto:
%1</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="33"/>
        <source>The directory and the address book are in step. Your password is kept in your desktop&apos;s keyring.</source>
        <translation>La rubrica e i contatti del server sono allineati. La password è conservata nel portachiavi del desktop.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="36"/>
        <source>The directory and the address book are in step. Your password is kept in the file %1, which only you can read.</source>
        <translation>La rubrica e i contatti del server sono allineati. La password è conservata nel file %1, che solo tu puoi leggere.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="40"/>
        <source>The directory and the address book are in step. Your password could not be kept, so the sync will ask for it again.</source>
        <translation>La rubrica e i contatti del server sono allineati. Non è stato possibile conservare la password: la sincronizzazione la chiederà di nuovo.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="44"/>
        <source>Sync every quarter of an hour from now on, while you are logged in?</source>
        <translation>Sincronizzare d&apos;ora in poi ogni quarto d&apos;ora, finché sei collegato?</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="45"/>
        <source>Sync &amp;every quarter hour</source>
        <translation>&amp;Ogni quarto d&apos;ora</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="46"/>
        <source>&amp;Not now</source>
        <translation>&amp;Non ora</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="48"/>
        <source>From now on the directory is synced every quarter of an hour.</source>
        <translation>D&apos;ora in poi la rubrica viene sincronizzata ogni quarto d&apos;ora.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="50"/>
        <source>This computer cannot sync every quarter of an hour on its own: that needs the systemd user manager, and none runs for you here. Use Sync Now in the window menu instead.</source>
        <translation>Questo computer non può sincronizzare da solo ogni quarto d&apos;ora: serve il gestore utente di systemd, che qui non è attivo per te. Usa invece «Sincronizza ora» nel menu della finestra.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="54"/>
        <source>The quarter-hourly sync could not be switched on:

%1</source>
        <translation>Non è stato possibile attivare la sincronizzazione ogni quarto d&apos;ora:

%1</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="56"/>
        <source>Stop syncing this directory with the address book?

The directory file stays as it is. The sync can also forget what it knows of this directory; setting it up again then starts afresh.</source>
        <translation>Interrompere la sincronizzazione di questa rubrica con i contatti del server?

Il file della rubrica resta com&apos;è. La sincronizzazione può anche dimenticare ciò che sa di questa rubrica; configurarla di nuovo ripartirà allora da zero.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="59"/>
        <source>&amp;Stop syncing</source>
        <translation>&amp;Interrompi</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="60"/>
        <source>Stop and &amp;forget</source>
        <translation>Interrompi e &amp;dimentica</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="62"/>
        <source>The directory is no longer synced every quarter of an hour. Sync Now still syncs it when you ask.</source>
        <translation>La rubrica non viene più sincronizzata ogni quarto d&apos;ora. «Sincronizza ora» la sincronizza ancora quando lo chiedi.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="65"/>
        <source>The directory is no longer synced. Dialstack.dat stays as it is.</source>
        <translation>La rubrica non viene più sincronizzata. Dialstack.dat resta com&apos;è.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="66"/>
        <source>The sync could not be stopped:

%1</source>
        <translation>Non è stato possibile interrompere la sincronizzazione:

%1</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="69"/>
        <source>%1 refused the password of %2. Type the password again:</source>
        <translation>%1 ha rifiutato la password di %2. Inserisci di nuovo la password:</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="70"/>
        <source>The sync needs the password of %2 at %1:</source>
        <translation>La sincronizzazione ha bisogno della password di %2 su %1:</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="72"/>
        <source>The password file %1 is gone or others can read it, so the sync no longer uses it. Type the password; it will be kept safely:</source>
        <translation>Il file della password %1 non c&apos;è più o altri possono leggerlo, quindi la sincronizzazione non lo usa più. Inserisci la password; verrà di nuovo conservata al sicuro:</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="77"/>
        <source>Names were deleted here, and %1 of the %2 cards in the address book would go with them: %3.

The sync stopped so that nothing is deleted by mistake.</source>
        <translation>Qui sono stati eliminati dei nomi, e %1 delle %2 schede sul server sparirebbero con loro: %3.

La sincronizzazione si è fermata perché nulla venga eliminato per errore.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="81"/>
        <source>Cards were deleted from the address book, and %1 of the %2 names here would go with them: %3.

The sync stopped so that nothing is deleted by mistake.</source>
        <translation>Sul server sono state eliminate delle schede, e %1 dei %2 nomi qui sparirebbero con loro: %3.

La sincronizzazione si è fermata perché nulla venga eliminato per errore.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="84"/>
        <source>&amp;Delete them there too</source>
        <translation>&amp;Eliminali anche lì</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="85"/>
        <source>&amp;Delete them here too</source>
        <translation>&amp;Eliminali anche qui</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="86"/>
        <source>&amp;Bring them back</source>
        <translation>&amp;Ripristinali</translation>
    </message>
    <message numerus="yes">
        <location filename="../res/SyncStringTable.cpp" line="87"/>
        <source>and %n other name</source>
        <translation>
            <numerusform>e %n altro nome</numerusform>
            <numerusform>e altri %n nomi</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="91"/>
        <source>This computer does not trust the certificate of %1, so the sync stopped.

Issued to: %2
Issued by: %3
SHA-256 fingerprint: %4

Trust it only if your server&apos;s administrator gave you this fingerprint.</source>
        <translation>Questo computer non si fida del certificato di %1, quindi la sincronizzazione si è fermata.

Rilasciato a: %2
Rilasciato da: %3
Impronta SHA-256: %4

Fidati solo se l&apos;amministratore del tuo server ti ha dato questa impronta.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="95"/>
        <source>&amp;Trust this certificate</source>
        <translation>&amp;Fidati di questo certificato</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="97"/>
        <source>The address book %1 is gone from the server, so the sync stopped. Choose the address book to sync with in the window that opens now.</source>
        <translation>L&apos;elenco di contatti %1 non c&apos;è più sul server, quindi la sincronizzazione si è fermata. Scegli l&apos;elenco di contatti da sincronizzare nella finestra che si apre ora.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="102"/>
        <source>&quot;%1&quot; was changed both here and in the address book. It now holds the address book&apos;s version; this computer&apos;s version was kept as &quot;%2&quot;.
%3</source>
        <translation>«%1» è stato modificato sia qui sia sul server. Ora contiene la versione del server; quella di questo computer è stata conservata come «%2».
%3</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="105"/>
        <source>%1: here &quot;%2&quot;, in the address book &quot;%3&quot;</source>
        <translation>%1: qui «%2», sul server «%3»</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="107"/>
        <source>&amp;Select the Copy</source>
        <translation>&amp;Seleziona la copia</translation>
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
Apre in una finestra l&apos;elenco Dialstack.dat della cartella corrente. Vedi
dialstack(1); dialstack-convert(1) e dialstack-sync(1) lavorano sullo stesso
file dalla riga di comando.
</translation>
    </message>
    <message>
        <location filename="../app/StartOptions.cpp" line="18"/>
        <source>this program needs a graphical desktop, but no display is set here (DISPLAY and WAYLAND_DISPLAY are empty); start it from your desktop session.</source>
        <translation>questo programma richiede un desktop grafico, ma qui non è impostato alcun display (DISPLAY e WAYLAND_DISPLAY sono vuote); avvialo dalla tua sessione desktop.</translation>
    </message>
</context>
</TS>
