<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>DialstackConvert</name>
    <message>
        <location filename="../convert/CommandLine.cpp" line="19"/>
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
        <translation>gebruik: dialstack-convert export [--format vcard|csv | --spreadsheet] [--file MAP/Dialstack.dat]
                                  [--output BESTAND] [--verbose]
         dialstack-convert import [--format vcard|csv] [--file MAP/Dialstack.dat] [--verbose] BESTAND...
         dialstack-convert query [--file MAP/Dialstack.dat] TEKST
         dialstack-convert --help | --version
(&apos;-&apos; als BESTAND leest de standaardinvoer; --format mag wegblijven als elk
bestand op .vcf of .csv eindigt; --spreadsheet schrijft CSV met &apos;;&apos; tussen
de cellen en een byte-order-mark, zoals spreadsheetprogramma&apos;s in Duitsland,
Frankrijk en andere landen met een decimale komma het openen)
</translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/QueryCommand.cpp" line="37"/>
        <source>%n record matches</source>
        <translation>
            <numerusform>%n item komt overeen</numerusform>
            <numerusform>%n items komen overeen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="68"/>
        <source>%n record added</source>
        <translation>
            <numerusform>%n item toegevoegd</numerusform>
            <numerusform>%n items toegevoegd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="69"/>
        <source>%n contact skipped</source>
        <translation>
            <numerusform>%n contact overgeslagen</numerusform>
            <numerusform>%n contacten overgeslagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="70"/>
        <source>%n value moved to misc</source>
        <translation>
            <numerusform>%n waarde naar ‘overig’ verplaatst</numerusform>
            <numerusform>%n waarden naar ‘overig’ verplaatst</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="71"/>
        <source>%n character replaced</source>
        <translation>
            <numerusform>%n teken vervangen</numerusform>
            <numerusform>%n tekens vervangen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ExportCommand.cpp" line="138"/>
        <source>%n record exported</source>
        <translation>
            <numerusform>%n item geëxporteerd</numerusform>
            <numerusform>%n items geëxporteerd</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="35"/>
        <source>standard input</source>
        <translation>standaardinvoer</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="37"/>
        <source>%1: %2; nothing was imported</source>
        <translation>%1: %2; er is niets geïmporteerd</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="44"/>
        <source>is a folder, not a contact file</source>
        <translation>is een map, geen contactenbestand</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="47"/>
        <source>cannot be opened</source>
        <translation>kan niet worden geopend</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="47"/>
        <source>there is no such file</source>
        <translation>dit bestand bestaat niet</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="75"/>
        <source>%1: could not be saved: %2; the directory file is unchanged</source>
        <translation>%1: kon niet worden opgeslagen: %2; het adresboekbestand is ongewijzigd</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="78"/>
        <source>%1: could not be saved: %2; the directory file may be damaged: check it, and import again</source>
        <translation>%1: kon niet worden opgeslagen: %2; het adresboekbestand is mogelijk beschadigd: controleer het en importeer opnieuw</translation>
    </message>
    <message>
        <location filename="../convert/DirectoryAccess.cpp" line="14"/>
        <source>%1: is a folder, not a directory file; nothing was converted</source>
        <translation>%1: is een map, geen adresboekbestand; er is niets omgezet</translation>
    </message>
    <message>
        <location filename="../convert/DirectoryAccess.cpp" line="18"/>
        <source>%1: there is no directory file</source>
        <translation>%1: er is geen adresboekbestand</translation>
    </message>
    <message>
        <location filename="../convert/DirectoryAccess.cpp" line="46"/>
        <source>%1: %2 (close Dialstack&apos;s window on it, or wait for the other import); nothing was changed</source>
        <translation>%1: %2 (sluit het Dialstack-venster waarin het open is, of wacht op de andere import); er is niets gewijzigd</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="78"/>
        <source>say export, import or query</source>
        <translation>geef export, import of query op</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="89"/>
        <source>unknown command &apos;%1&apos;</source>
        <translation>onbekende opdracht ‘%1’</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="98"/>
        <source>unknown format &apos;%1&apos;</source>
        <translation>onbekende indeling ‘%1’</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="113"/>
        <source>--spreadsheet is for export</source>
        <translation>--spreadsheet is alleen voor export</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="113"/>
        <source>--output is for export</source>
        <translation>--output is alleen voor export</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="127"/>
        <source>query needs one TEXT to look for</source>
        <translation>query heeft één TEKST nodig om te zoeken</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="129"/>
        <source>query takes no --format or --verbose</source>
        <translation>query accepteert geen --format of --verbose</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="136"/>
        <source>export takes no file arguments (use --output)</source>
        <translation>export accepteert geen bestanden als argument (gebruik --output)</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="138"/>
        <source>--output names the directory file itself</source>
        <translation>--output noemt het adresboekbestand zelf</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="141"/>
        <source>--spreadsheet writes CSV, not --format vcard</source>
        <translation>--spreadsheet schrijft CSV, niet --format vcard</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="148"/>
        <source>--format vcard or --format csv is needed (or an --output FILE ending in .vcf or .csv)</source>
        <translation>--format vcard of --format csv is nodig (of een --output BESTAND dat op .vcf of .csv eindigt)</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="156"/>
        <source>import needs at least one file (&apos;-&apos; for standard input)</source>
        <translation>import heeft minstens één bestand nodig (&apos;-&apos; voor de standaardinvoer)</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="164"/>
        <source>--format vcard or --format csv is needed (&apos;%1&apos; does not end in .vcf or .csv)</source>
        <translation>--format vcard of --format csv is nodig (‘%1’ eindigt niet op .vcf of .csv)</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="179"/>
        <source>ran out of memory; nothing was changed</source>
        <translation>geen geheugen meer; er is niets gewijzigd</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="182"/>
        <source>a file holds a field too long to be held (%1); nothing was changed</source>
        <translation>een bestand bevat een te lang veld (%1); er is niets gewijzigd</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="184"/>
        <source>stopped: %1; nothing was changed</source>
        <translation>gestopt: %1; er is niets gewijzigd</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="192"/>
        <source>--file needs a file name</source>
        <translation>--file heeft een bestandsnaam nodig</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="56"/>
        <location filename="../convert/ImportCommand.cpp" line="59"/>
        <source>cannot be read as %1: %2</source>
        <translation>kan niet als %1 worden gelezen: %2</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="91"/>
        <source>%1: could not be written</source>
        <translation>%1: kon niet worden geschreven</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="98"/>
        <source>could not write to standard output</source>
        <translation>kon niet naar de standaarduitvoer schrijven</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="111"/>
        <source>%1: could not be written: %2</source>
        <translation>%1: kon niet worden geschreven: %2</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="112"/>
        <source>%1: could not be written: %2; the file that was there is no longer as it was</source>
        <translation>%1: kon niet worden geschreven: %2; het bestand dat er stond is niet meer zoals het was</translation>
    </message>
    <message>
        <location filename="../convert/DirectoryAccess.cpp" line="26"/>
        <source>%1: the directory file could not be opened: %2; nothing was converted</source>
        <translation>%1: het adresboekbestand kon niet worden geopend: %2; er is niets omgezet</translation>
    </message>
    <message>
        <location filename="../convert/DirectoryAccess.cpp" line="30"/>
        <source>%1: the directory file could not be read completely; nothing was converted</source>
        <translation>%1: het adresboekbestand kon niet volledig worden gelezen; er is niets omgezet</translation>
    </message>
    <message>
        <location filename="../convert/VCardReader.cpp" line="87"/>
        <source>it holds no vCard (no BEGIN:VCARD line)</source>
        <translation>het bevat geen vCard (geen regel BEGIN:VCARD)</translation>
    </message>
    <message>
        <location filename="../convert/VCardReader.cpp" line="40"/>
        <source>END (the vCard was cut off)</source>
        <translation>END (de vCard was afgebroken)</translation>
    </message>
    <message>
        <location filename="../convert/VCardReader.cpp" line="50"/>
        <source>a line that is no vCard property: &quot;%1&quot;</source>
        <translation>een regel die geen vCard-eigenschap is: ‘%1’</translation>
    </message>
    <message>
        <location filename="../convert/CsvReader.cpp" line="155"/>
        <source>its header row is longer than %1 KiB</source>
        <translation>de kopregel is langer dan %1 KiB</translation>
    </message>
    <message>
        <location filename="../convert/CsvReader.cpp" line="163"/>
        <source>it has no header row</source>
        <translation>het heeft geen kopregel</translation>
    </message>
    <message>
        <location filename="../convert/InputText.cpp" line="22"/>
        <source>UTF-8, Windows-1252, UTF-16 with a byte-order mark and vCards in UTF-16 without one are read</source>
        <translation>gelezen worden UTF-8, Windows-1252, UTF-16 met byte-order-mark en vCards in UTF-16 ook zonder</translation>
    </message>
    <message>
        <location filename="../convert/InputText.cpp" line="69"/>
        <source>it could not be read to its end</source>
        <translation>het kon niet tot het einde worden gelezen</translation>
    </message>
    <message>
        <location filename="../convert/InputText.cpp" line="81"/>
        <source>it is in UTF-32, which is not read (%1)</source>
        <translation>het is in UTF-32, dat niet wordt gelezen (%1)</translation>
    </message>
    <message>
        <location filename="../convert/InputText.cpp" line="91"/>
        <source>it holds zero bytes, as UTF-16 or UTF-32 without a byte-order mark would; that is not read (%1)</source>
        <translation>het bevat nulbytes, zoals UTF-16 of UTF-32 zonder byte-order-mark; dat wordt niet gelezen (%1)</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="38"/>
        <source>%1: skipped, %2</source>
        <translation>%1: overgeslagen, want %2</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="46"/>
        <source>%1: moved to misc: %2</source>
        <translation>%1: naar ‘overig’ verplaatst: %2</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="54"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="62"/>
        <source>%1: left out: %2</source>
        <translation>%1: weggelaten: %2</translation>
    </message>
    <message>
        <location filename="../convert/RecordImporter.cpp" line="25"/>
        <source>it holds more than %1 KiB of text</source>
        <translation>het bevat meer dan %1 KiB tekst</translation>
    </message>
    <message>
        <location filename="../convert/RecordImporter.cpp" line="61"/>
        <source>%1, contact %2</source>
        <translation>%1, contact %2</translation>
    </message>
    <message>
        <location filename="../convert/RecordImporter.cpp" line="69"/>
        <source>it has no name</source>
        <translation>het heeft geen naam</translation>
    </message>
    <message>
        <location filename="../convert/RecordImporter.cpp" line="91"/>
        <source>&quot;%1&quot; (%2)</source>
        <translation>‘%1’ (%2)</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="97"/>
        <source>%1: its last record has no name, and adding records would overwrite it; give it a name in Dialstack first. Nothing was imported</source>
        <translation>%1: het laatste item heeft geen naam, en het toevoegen van items zou het overschrijven; geef het eerst een naam in Dialstack. Er is niets geïmporteerd</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="118"/>
        <source>%1: written, but %2</source>
        <translation>%1: geschreven, maar %2</translation>
    </message>
    <message>
        <location filename="../convert/PrintableText.cpp" line="45"/>
        <source>... (%1 bytes in all)</source>
        <translation>... (%1 bytes in totaal)</translation>
    </message>
    <message>
        <location filename="../vcard/VCardMapper.cpp" line="143"/>
        <source>%1 = %2... (%3 bytes in all)</source>
        <translation>%1 = %2... (%3 bytes in totaal)</translation>
    </message>
    <message>
        <location filename="../vcard/VCardMapper.cpp" line="164"/>
        <source>AGENT (the vCard of another person inside this one)</source>
        <translation>AGENT (de vCard van een andere persoon binnen deze)</translation>
    </message>
    <message>
        <location filename="../vcard/VCardMapper.cpp" line="170"/>
        <source>%1 (binary data, %2 bytes)</source>
        <translation>%1 (binaire gegevens, %2 bytes)</translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="31"/>
        <source>%n character of the name replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n teken van de naam vervangen door ‘?’</numerusform>
            <numerusform>%n tekens van de naam vervangen door ‘?’</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="32"/>
        <source>%n character of the phone replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n teken van het telefoonnummer vervangen door ‘?’</numerusform>
            <numerusform>%n tekens van het telefoonnummer vervangen door ‘?’</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="33"/>
        <source>%n character of the pager replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n teken van het piepernummer vervangen door ‘?’</numerusform>
            <numerusform>%n tekens van het piepernummer vervangen door ‘?’</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="34"/>
        <source>%n character of the e-mail replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n teken van het e-mailadres vervangen door ‘?’</numerusform>
            <numerusform>%n tekens van het e-mailadres vervangen door ‘?’</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="35"/>
        <source>%n character of the misc replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n teken van ‘overig’ vervangen door ‘?’</numerusform>
            <numerusform>%n tekens van ‘overig’ vervangen door ‘?’</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="72"/>
        <source>%1: could not be saved: %2; nothing was imported</source>
        <translation>%1: kon niet worden opgeslagen: %2; er is niets geïmporteerd</translation>
    </message>
</context>
<context>
    <name>DialstackSync</name>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="34"/>
        <source>usage: dialstack-sync [--file DIR/Dialstack.dat] [--url URL] [--user NAME] [--password-file FILE]
                      [--certificate FILE] [--timeout SECONDS] [--dry-run] [--force] [--verbose]
       dialstack-sync --help | --version
Keeps the directory file and its CardDAV address book in step. The first run
needs --url; the URL, user, password file and certificate are remembered for
that directory file. The password comes from --password-file, else the
keyring, else the password file remembered when the keyring could not keep
it, else a prompt on the terminal.
Exit status: 0 in step; 1 failed (nothing lost); 2 bad usage; 3 busy (a
window with unsaved changes or another program has the directory: the next
run tries again); 4 needs you (the sync would delete too much, the password
was refused, or the address book is gone).
</source>
        <translation>gebruik: dialstack-sync [--file MAP/Dialstack.dat] [--url URL] [--user NAAM] [--password-file BESTAND]
                        [--certificate BESTAND] [--timeout SECONDEN] [--dry-run] [--force] [--verbose]
         dialstack-sync --help | --version
Houdt het adresboekbestand en zijn CardDAV-adresboek gelijk. De eerste keer
is --url nodig; de URL, gebruiker, wachtwoordbestand en het certificaat worden
voor dat adresboekbestand onthouden. Het wachtwoord komt uit --password-file,
anders uit de sleutelbos, anders uit het onthouden wachtwoordbestand als de
sleutelbos het niet kon bewaren, anders wordt het in de terminal gevraagd.
Afsluitstatus: 0 gelijk; 1 mislukt (niets verloren); 2 verkeerd gebruik;
3 bezet (een venster met niet-opgeslagen wijzigingen of een ander programma
heeft het adresboek: de volgende keer wordt het opnieuw geprobeerd); 4 u moet
ingrijpen (de synchronisatie zou te veel verwijderen, het wachtwoord is
geweigerd of het adresboek is verdwenen).
</translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/SyncReport.cpp" line="20"/>
        <source>%n added</source>
        <translation>
            <numerusform>%n toegevoegd</numerusform>
            <numerusform>%n toegevoegd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/SyncReport.cpp" line="20"/>
        <source>%n changed</source>
        <translation>
            <numerusform>%n gewijzigd</numerusform>
            <numerusform>%n gewijzigd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/SyncReport.cpp" line="21"/>
        <source>%n deleted</source>
        <translation>
            <numerusform>%n verwijderd</numerusform>
            <numerusform>%n verwijderd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/SyncReport.cpp" line="83"/>
        <source>%n conflict kept as a copy</source>
        <translation>
            <numerusform>%n conflict als kopie bewaard</numerusform>
            <numerusform>%n conflicten als kopieën bewaard</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="87"/>
        <source>Here: %1; on the server: %2; %3</source>
        <translation>Hier: %1; op de server: %2; %3</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="85"/>
        <source>Dry run, nothing changed. Would do here: %1; on the server: %2; %3</source>
        <translation>Proefdraai, niets gewijzigd. Zou hier: %1; op de server: %2; %3</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="26"/>
        <source>added here: %1</source>
        <translation>hier toegevoegd: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="26"/>
        <source>changed here: %1</source>
        <translation>hier gewijzigd: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="27"/>
        <source>deleted here: %1</source>
        <translation>hier verwijderd: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="28"/>
        <source>added on the server: %1</source>
        <translation>op de server toegevoegd: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="29"/>
        <source>changed on the server: %1</source>
        <translation>op de server gewijzigd: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="30"/>
        <source>deleted on the server: %1</source>
        <translation>op de server verwijderd: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="31"/>
        <source>would add here: %1</source>
        <translation>zou hier toevoegen: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="32"/>
        <source>would change here: %1</source>
        <translation>zou hier wijzigen: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="33"/>
        <source>would delete here: %1</source>
        <translation>zou hier verwijderen: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="34"/>
        <source>would add on the server: %1</source>
        <translation>zou op de server toevoegen: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="35"/>
        <source>would change on the server: %1</source>
        <translation>zou op de server wijzigen: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="36"/>
        <source>would delete on the server: %1</source>
        <translation>zou op de server verwijderen: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="57"/>
        <source>kept both versions of a record changed on both sides: the server&apos;s, and this machine&apos;s as %1</source>
        <translation>beide versies bewaard van een item dat aan beide kanten is gewijzigd: die van de server, en die van deze computer als %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="54"/>
        <source>would keep both versions of a record changed on both sides: the server&apos;s, and this machine&apos;s as %1</source>
        <translation>zou beide versies bewaren van een item dat aan beide kanten is gewijzigd: die van de server, en die van deze computer als %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="178"/>
        <location filename="../sync/SyncCommand.cpp" line="185"/>
        <source>%1: the password file cannot be read</source>
        <translation>%1: het wachtwoordbestand kan niet worden gelezen</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="180"/>
        <source>%1: others can read this password file; make it yours alone (chmod 600 %1) and run again</source>
        <translation>%1: anderen kunnen dit wachtwoordbestand lezen; maak het alleen voor u leesbaar (chmod 600 %1) en start opnieuw</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="196"/>
        <source>Password for %1 at %2: </source>
        <translation>Wachtwoord voor %1 op %2: </translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="259"/>
        <source>%1: a Dialstack window has unsaved changes in it, or another program is changing it. Nothing was synced; the next sync after you save takes the window&apos;s changes</source>
        <translation>%1: een Dialstack-venster heeft er niet-opgeslagen wijzigingen in, of een ander programma wijzigt het. Er is niets gesynchroniseerd; de volgende synchronisatie na het opslaan neemt de wijzigingen van het venster mee</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="342"/>
        <source>stopped by %1; what was synced is kept, and the next sync goes on from there</source>
        <translation>gestopt door %1; wat al gesynchroniseerd is blijft bewaard, en de volgende synchronisatie gaat daar verder</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="461"/>
        <source>no password for %1: the keyring has none; give --password-file FILE</source>
        <translation>geen wachtwoord voor %1: de sleutelbos heeft er geen; geef --password-file BESTAND op</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="523"/>
        <source>no address book found at %1 for %2; create one on the server (in its web page, or with your phone&apos;s contacts app), then sync again</source>
        <translation>geen adresboek gevonden op %1 voor %2; maak er een aan op de server (op zijn webpagina, of met de contacten-app van uw telefoon) en synchroniseer dan opnieuw</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="525"/>
        <source>this user</source>
        <translation>deze gebruiker</translation>
    </message>
    <message>
        <location filename="../sync/DesktopNotifier.cpp" line="51"/>
        <location filename="../sync/SyncCommand.cpp" line="578"/>
        <source>To settle it, run: %1</source>
        <translation>Om dit op te lossen, voert u uit: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="124"/>
        <source>a password is never taken on the command line: use --password-file FILE, or the keyring</source>
        <translation>een wachtwoord wordt nooit op de opdrachtregel aangenomen: gebruik --password-file BESTAND, of de sleutelbos</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="126"/>
        <source>unexpected argument: %1</source>
        <translation>onverwacht argument: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="129"/>
        <source>--%1 given more than once</source>
        <translation>--%1 meer dan eens opgegeven</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="140"/>
        <source>--timeout needs a number of seconds from 1 to 3600</source>
        <translation>--timeout heeft een aantal seconden van 1 tot 3600 nodig</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="215"/>
        <source>--url needs an http:// or https:// address, not %1</source>
        <translation>--url heeft een http://- of https://-adres nodig, niet %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="218"/>
        <source>give the user name with --user, not inside the URL</source>
        <translation>geef de gebruikersnaam op met --user, niet in de URL</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="406"/>
        <source>the first sync of %1 needs --url (the address book or the server)</source>
        <translation>de eerste synchronisatie van %1 heeft --url nodig (het adresboek of de server)</translation>
    </message>
    <message>
        <location filename="../sync/HttpSession.cpp" line="179"/>
        <source>%1 did not answer within %2 s</source>
        <translation>%1 antwoordde niet binnen %2 s</translation>
    </message>
    <message>
        <location filename="../sync/CardDavClient.cpp" line="56"/>
        <source>%1 refused the user name or password</source>
        <translation>%1 heeft de gebruikersnaam of het wachtwoord geweigerd</translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="366"/>
        <source>%1 of the %2 records here (%3)</source>
        <translation>%1 van de %2 items hier (%3)</translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="368"/>
        <source>%1 of the %2 cards on the server (%3)</source>
        <translation>%1 van de %2 kaarten op de server (%3)</translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="372"/>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="370"/>
        <source>this sync would delete %1; nothing was changed. If that is what you want, run it again with --force</source>
        <translation>deze synchronisatie zou %1 verwijderen; er is niets gewijzigd. Als u dat wilt, start u haar opnieuw met --force</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="273"/>
        <source>%1: the directory file could not be read completely; nothing was synced</source>
        <translation>%1: het adresboekbestand kon niet volledig worden gelezen; er is niets gesynchroniseerd</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="381"/>
        <source>%1: the folder %2 does not exist; nothing was synced</source>
        <translation>%1: de map %2 bestaat niet; er is niets gesynchroniseerd</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="383"/>
        <source>%1: the folder %2 is read-only, so the directory file cannot be saved there; nothing was synced</source>
        <translation>%1: de map %2 is alleen-lezen, dus het adresboekbestand kan daar niet worden opgeslagen; er is niets gesynchroniseerd</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="387"/>
        <source>%1: is a folder, not a directory file; nothing was synced</source>
        <translation>%1: is een map, geen adresboekbestand; er is niets gesynchroniseerd</translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="420"/>
        <source>%1: could not be saved: %2; the directory file is unchanged</source>
        <translation>%1: kon niet worden opgeslagen: %2; het adresboekbestand is ongewijzigd</translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="422"/>
        <source>%1: could not be saved: %2</source>
        <translation>%1: kon niet worden opgeslagen: %2</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="280"/>
        <source>stopped by %1</source>
        <translation>gestopt door %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="290"/>
        <source>the address book is at %1, on another server than %2; remove %3 and give the address book with --url</source>
        <translation>het adresboek staat op %1, een andere server dan %2; verwijder %3 en geef het adresboek op met --url</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="308"/>
        <source>%1 --dry-run --verbose   (then %1 --force, if that is what you want)</source>
        <translation>%1 --dry-run --verbose   (daarna %1 --force, als u dat wilt)</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="348"/>
        <source>%1 --password-file FILE   (FILE: the new password, chmod 600)</source>
        <translation>%1 --password-file BESTAND   (BESTAND: het nieuwe wachtwoord, chmod 600)</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="472"/>
        <source>%1 --password-file FILE</source>
        <translation>%1 --password-file BESTAND</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="361"/>
        <source>the address book %1 is gone from the server; nothing was changed here</source>
        <translation>het adresboek %1 is van de server verdwenen; hier is niets gewijzigd</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="362"/>
        <source>rm %1; %2 --url URL-OF-THE-ADDRESS-BOOK</source>
        <translation>rm %1; %2 --url URL-VAN-HET-ADRESBOEK</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="400"/>
        <source>%1 is synced with %2; to sync it with another address book, first remove %3</source>
        <translation>%1 wordt gesynchroniseerd met %2; verwijder eerst %3 om het met een ander adresboek te synchroniseren</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="413"/>
        <source>a password is never sent over plain http:// except to this machine; use https:// for %1</source>
        <translation>een wachtwoord wordt nooit via onversleuteld http:// verstuurd, behalve naar deze computer; gebruik https:// voor %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="429"/>
        <source>%1: holds no certificate (PEM) that can be read</source>
        <translation>%1: bevat geen leesbaar certificaat (PEM)</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="430"/>
        <source>%1: the certificate remembered for this server cannot be read; give it again with --certificate FILE</source>
        <translation>%1: het voor deze server onthouden certificaat kan niet worden gelezen; geef het opnieuw op met --certificate BESTAND</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="503"/>
        <source>The password could not be kept in the keyring (none is running); from now on the file %1 is read for it. Keep it readable by you alone.</source>
        <translation>Het wachtwoord kon niet in de sleutelbos worden bewaard (er draait er geen); voortaan wordt het uit het bestand %1 gelezen. Houd dat bestand alleen voor u leesbaar.</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="527"/>
        <source>the server has several address books; run again with --url and one of them:</source>
        <translation>de server heeft meerdere adresboeken; start opnieuw met --url en een daarvan:</translation>
    </message>
    <message>
        <location filename="../sync/HttpSession.cpp" line="111"/>
        <source>%1 sent this program to %2, another server; it only talks to the server it was given. If that one is right, give it with --url</source>
        <translation>%1 stuurde dit programma door naar %2, een andere server; het praat alleen met de server die het kreeg. Als die de juiste is, geef hem dan op met --url</translation>
    </message>
    <message>
        <location filename="../sync/HttpSession.cpp" line="181"/>
        <source>the certificate of %1 is not trusted (%2); if it is your own server&apos;s, give its certificate with --certificate FILE</source>
        <translation>het certificaat van %1 wordt niet vertrouwd (%2); als het van uw eigen server is, geef het certificaat dan op met --certificate BESTAND</translation>
    </message>
    <message>
        <location filename="../sync/CardDavClient.cpp" line="57"/>
        <source>%1: the server does not allow this (403 Forbidden)</source>
        <translation>%1: de server staat dit niet toe (403 Forbidden)</translation>
    </message>
    <message>
        <location filename="../sync/CardDavClient.cpp" line="58"/>
        <source>%1: not found on the server (404)</source>
        <translation>%1: niet gevonden op de server (404)</translation>
    </message>
    <message>
        <location filename="../sync/CardDavClient.cpp" line="59"/>
        <source>%1: the server answered %2</source>
        <translation>%1: de server antwoordde %2</translation>
    </message>
    <message>
        <location filename="../sync/CardDavClient.cpp" line="65"/>
        <source>%1 sent a reply that could not be read: %2</source>
        <translation>%1 stuurde een antwoord dat niet kon worden gelezen: %2</translation>
    </message>
    <message>
        <location filename="../sync/CardDavClient.cpp" line="112"/>
        <source>%1 could not give the card %2 (no status); nothing was changed, run the sync again later</source>
        <translation>%1 kon de kaart %2 niet leveren (geen status); er is niets gewijzigd, synchroniseer later opnieuw</translation>
    </message>
    <message>
        <location filename="../sync/CardDavClient.cpp" line="114"/>
        <source>%1 could not give the card %2 (status %3); nothing was changed, run the sync again later</source>
        <translation>%1 kon de kaart %2 niet leveren (status %3); er is niets gewijzigd, synchroniseer later opnieuw</translation>
    </message>
    <message>
        <location filename="../sync/CardDavClient.cpp" line="132"/>
        <source>the server answered %1 (%2)</source>
        <translation>de server antwoordde %1 (%2)</translation>
    </message>
    <message>
        <location filename="../sync/CardDavClient.cpp" line="135"/>
        <source>the server answered %1: %2</source>
        <translation>de server antwoordde %1: %2</translation>
    </message>
    <message>
        <location filename="../sync/CardDavClient.cpp" line="136"/>
        <source>the server answered %1</source>
        <translation>de server antwoordde %1</translation>
    </message>
    <message>
        <location filename="../sync/CardDavClient.cpp" line="156"/>
        <source>%1 points to another server, %2, for the address books; nothing was sent there. If that server is right, give its address book with --url</source>
        <translation>%1 verwijst voor de adresboeken naar een andere server, %2; daarheen is niets verstuurd. Als die server de juiste is, geef zijn adresboek dan op met --url</translation>
    </message>
    <message>
        <location filename="../sync/DavMultiStatus.cpp" line="182"/>
        <source>the reply is not a WebDAV multistatus</source>
        <translation>het antwoord is geen WebDAV-multistatus</translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="75"/>
        <source>the address book kept changing while this sync wrote to it; nothing was lost, run the sync again</source>
        <translation>het adresboek bleef veranderen terwijl deze synchronisatie erin schreef; er is niets verloren, synchroniseer opnieuw</translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="246"/>
        <source>the card of %1</source>
        <translation>de kaart van %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="247"/>
        <source>the card %1</source>
        <translation>de kaart %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="249"/>
        <source>status %1</source>
        <translation>status %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="249"/>
        <source>left out of its reply</source>
        <translation>weggelaten uit zijn antwoord</translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="254"/>
        <source>%1 did not give %2 (%3); nothing was changed, run the sync again later</source>
        <translation>%1 heeft %2 niet geleverd (%3); er is niets gewijzigd, synchroniseer later opnieuw</translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/SyncEngine.cpp" line="255"/>
        <source>%1 did not give %2 (%3) nor %n other cards; nothing was changed, run the sync again later</source>
        <translation>
            <numerusform>%1 heeft %2 (%3) en %n andere kaart niet geleverd; er is niets gewijzigd, synchroniseer later opnieuw</numerusform>
            <numerusform>%1 heeft %2 (%3) en %n andere kaarten niet geleverd; er is niets gewijzigd, synchroniseer later opnieuw</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="386"/>
        <source>%1: the directory file changed on disk while syncing; nothing was changed here, run the sync again</source>
        <translation>%1: het adresboekbestand is tijdens het synchroniseren op schijf gewijzigd; hier is niets gewijzigd, synchroniseer opnieuw</translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="410"/>
        <source>%1: its last record has no name, and adding records would overwrite it; give it a name in Dialstack first. Nothing was changed</source>
        <translation>%1: het laatste item heeft geen naam, en items toevoegen zou het overschrijven; geef het eerst een naam in Dialstack. Er is niets gewijzigd</translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/SyncEngine.cpp" line="501"/>
        <source>the server refused %n record: %1. Everything else was synced</source>
        <translation>
            <numerusform>de server weigerde %n item: %1. Al het andere is gesynchroniseerd</numerusform>
            <numerusform>de server weigerde %n items: %1. Al het andere is gesynchroniseerd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/SyncReport.cpp" line="97"/>
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 en nog %n</numerusform>
            <numerusform>%1 en nog %n</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="107"/>
        <source>%1: the sync state is damaged; remove it to sync this directory afresh</source>
        <translation>%1: de synchronisatiestatus is beschadigd; verwijder hem om dit adresboek opnieuw vanaf nul te synchroniseren</translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="112"/>
        <source>%1: the sync journal could not be written</source>
        <translation>%1: het synchronisatielogboek kon niet worden geschreven</translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="222"/>
        <source>%1: the folder could not be made</source>
        <translation>%1: de map kon niet worden aangemaakt</translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="259"/>
        <source>%1: the sync state could not be saved: %2</source>
        <translation>%1: de synchronisatiestatus kon niet worden opgeslagen: %2</translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="263"/>
        <source>%1: the sync state could not be made private</source>
        <translation>%1: de synchronisatiestatus kon niet privé worden gemaakt</translation>
    </message>
    <message>
        <location filename="../sync/DesktopNotifier.cpp" line="52"/>
        <source>Dialstack sync needs you</source>
        <translation>De Dialstack-synchronisatie heeft u nodig</translation>
    </message>
    <message>
        <location filename="../sync/Keyring.cpp" line="53"/>
        <source>Dialstack: %1 at %2</source>
        <translation>Dialstack: %1 op %2</translation>
    </message>
</context>
<context>
    <name>Framework</name>
    <message>
        <location filename="../framework/Wnd.cpp" line="230"/>
        <source>&amp;Move</source>
        <translation>&amp;Verplaatsen</translation>
    </message>
    <message>
        <location filename="../framework/Wnd.cpp" line="236"/>
        <source>&amp;Close	Alt+F4</source>
        <translation>&amp;Sluiten	Alt+F4</translation>
    </message>
    <message>
        <location filename="../framework/DataExchange.cpp" line="96"/>
        <source>Please enter a whole number.</source>
        <translation>Voer een geheel getal in.</translation>
    </message>
    <message numerus="yes">
        <location filename="../framework/DataExchange.cpp" line="109"/>
        <source>Please enter no more than %n characters.</source>
        <translation>
            <numerusform>Voer maximaal %n teken in.</numerusform>
            <numerusform>Voer maximaal %n tekens in.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <location filename="../data/FileReasons.cpp" line="51"/>
        <source>it is a folder, not a file</source>
        <translation>het is een map, geen bestand</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="53"/>
        <source>it is a named pipe (FIFO), not a file</source>
        <translation>het is een named pipe (FIFO), geen bestand</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="55"/>
        <source>it is a device, not a file</source>
        <translation>het is een apparaat, geen bestand</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="57"/>
        <source>it is a socket, not a file</source>
        <translation>het is een socket, geen bestand</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="58"/>
        <source>it is something other than a file, not a file</source>
        <translation>het is iets anders dan een bestand</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="64"/>
        <source>it is a symbolic link to a folder, not to a file</source>
        <translation>het is een symbolische koppeling naar een map, niet naar een bestand</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="66"/>
        <source>it is a symbolic link to a named pipe (FIFO), not to a file</source>
        <translation>het is een symbolische koppeling naar een named pipe (FIFO), niet naar een bestand</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="68"/>
        <source>it is a symbolic link to a device, not to a file</source>
        <translation>het is een symbolische koppeling naar een apparaat, niet naar een bestand</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="70"/>
        <source>it is a symbolic link to a socket, not to a file</source>
        <translation>het is een symbolische koppeling naar een socket, niet naar een bestand</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="71"/>
        <source>it is a symbolic link to something other than a file, not to a file</source>
        <translation>het is een symbolische koppeling naar iets anders dan een bestand</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="77"/>
        <source>the disk is read-only</source>
        <translation>de schijf is alleen-lezen</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="78"/>
        <source>the disk is full</source>
        <translation>de schijf is vol</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="79"/>
        <source>the disk quota is used up</source>
        <translation>het schijfquotum is op</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="80"/>
        <source>the file would be larger than this process may write</source>
        <translation>het bestand zou groter worden dan dit proces mag schrijven</translation>
    </message>
    <message>
        <location filename="../data/DirectoryLock.cpp" line="55"/>
        <source>the lock file &quot;%1&quot; could not be opened: %2</source>
        <translation>het vergrendelingsbestand &quot;%1&quot; kon niet worden geopend: %2</translation>
    </message>
    <message>
        <location filename="../data/DirectoryLock.cpp" line="67"/>
        <source>the lock file &quot;%1&quot; could not be locked: %2</source>
        <translation>het vergrendelingsbestand &quot;%1&quot; kon niet worden vergrendeld: %2</translation>
    </message>
    <message>
        <location filename="../data/DirectoryLock.cpp" line="70"/>
        <source>another program is changing the directory</source>
        <translation>een ander programma wijzigt op dit moment de lijst</translation>
    </message>
    <message>
        <location filename="../data/DirectoryLock.cpp" line="72"/>
        <source>a Dialstack window has unsaved changes to the directory, or another program is changing it; once they are saved, the next sync or import takes them in</source>
        <translation>een Dialstack-venster heeft niet-opgeslagen wijzigingen in de lijst, of een ander programma wijzigt die op dit moment; zodra ze zijn opgeslagen, neemt de volgende synchronisatie of import ze over</translation>
    </message>
    <message>
        <location filename="../data/InPlaceRewrite.cpp" line="107"/>
        <source>the new contents could not be made; nothing was replaced</source>
        <translation>de nieuwe inhoud kon niet worden gemaakt; er is niets vervangen</translation>
    </message>
    <message>
        <location filename="../data/InPlaceRewrite.cpp" line="109"/>
        <location filename="../data/InPlaceRewrite.cpp" line="111"/>
        <source>there is not enough memory to make the new contents; nothing was replaced</source>
        <translation>er is niet genoeg geheugen om de nieuwe inhoud te maken; er is niets vervangen</translation>
    </message>
    <message>
        <location filename="../data/InPlaceRewrite.cpp" line="140"/>
        <source>the folder takes no new file, so the file itself was rewritten, which failed (%1); its old contents were written back, so it is as it was</source>
        <translation>de map neemt geen nieuw bestand aan, dus is het bestand zelf herschreven, wat mislukte (%1); de oude inhoud is teruggezet, dus het is zoals het was</translation>
    </message>
    <message>
        <location filename="../data/InPlaceRewrite.cpp" line="143"/>
        <source>the folder takes no new file, so the file itself was rewritten, which failed (%1); its old contents could not be written back, so the file is damaged</source>
        <translation>de map neemt geen nieuw bestand aan, dus is het bestand zelf herschreven, wat mislukte (%1); de oude inhoud kon niet worden teruggezet, dus het bestand is beschadigd</translation>
    </message>
    <message>
        <location filename="../data/SafeFileReplace.cpp" line="54"/>
        <source>it is a symbolic link to nothing; nothing was replaced</source>
        <translation>het is een symbolische koppeling die nergens naartoe leidt; er is niets vervangen</translation>
    </message>
    <message>
        <location filename="../data/SafeFileReplace.cpp" line="60"/>
        <source>%1; nothing was replaced</source>
        <translation>%1; er is niets vervangen</translation>
    </message>
    <message>
        <location filename="../data/SafeFileReplace.cpp" line="212"/>
        <source>the new file is in place, but it may not be on the disk yet: the folder could not be synced (%1)</source>
        <translation>het nieuwe bestand staat op zijn plaats, maar staat misschien nog niet op de schijf: de map kon niet naar de schijf worden geschreven (%1)</translation>
    </message>
    <message>
        <location filename="../data/SafeFileReplace.cpp" line="232"/>
        <source>the folder it belongs in no longer exists</source>
        <translation>de map waarin het hoort bestaat niet meer</translation>
    </message>
    <message>
        <location filename="../data/SafeFileReplace.cpp" line="286"/>
        <source>there is not enough memory to replace the file; nothing was replaced</source>
        <translation>er is niet genoeg geheugen om het bestand te vervangen; er is niets vervangen</translation>
    </message>
    <message>
        <location filename="../data/RecordList.cpp" line="246"/>
        <source>there is not enough memory to make the file</source>
        <translation>er is niet genoeg geheugen om het bestand te maken</translation>
    </message>
    <message>
        <location filename="../data/RecordListFile.cpp" line="166"/>
        <source>there is no directory to save</source>
        <translation>er is geen lijst om op te slaan</translation>
    </message>
    <message>
        <location filename="../printer/PrinterPort.cpp" line="44"/>
        <source>the print service (CUPS) is not running</source>
        <translation>de afdrukservice (CUPS) draait niet</translation>
    </message>
    <message>
        <location filename="../printer/PrinterPort.cpp" line="46"/>
        <source>no default printer is configured; choose one in the system&apos;s printer settings or with &quot;lpoptions -d PRINTER&quot;</source>
        <translation>er is geen standaardprinter ingesteld; kies er een in de printerinstellingen van het systeem of met &quot;lpoptions -d PRINTER&quot;</translation>
    </message>
    <message>
        <location filename="../printer/PrinterPort.cpp" line="48"/>
        <source>the default printer is not available: %1</source>
        <translation>de standaardprinter is niet beschikbaar: %1</translation>
    </message>
    <message>
        <location filename="../printer/PrinterPort.cpp" line="154"/>
        <source>the printer refused the job: %1</source>
        <translation>de printer heeft de opdracht geweigerd: %1</translation>
    </message>
    <message>
        <location filename="../printer/PrinterPort.cpp" line="165"/>
        <source>the job could not be sent to the printer: %1</source>
        <translation>de opdracht kon niet naar de printer worden gestuurd: %1</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="21"/>
        <source>permission denied</source>
        <translation>toegang geweigerd</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="22"/>
        <source>operation not permitted</source>
        <translation>bewerking niet toegestaan</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="23"/>
        <source>no such file or directory</source>
        <translation>bestand of map bestaat niet</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="24"/>
        <source>not a directory</source>
        <translation>een deel van het pad is geen map</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="25"/>
        <source>is a directory</source>
        <translation>het is een map</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="26"/>
        <source>too many levels of symbolic links</source>
        <translation>te veel niveaus van symbolische koppelingen</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="27"/>
        <source>file name too long</source>
        <translation>bestandsnaam te lang</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="28"/>
        <source>input/output error</source>
        <translation>invoer-/uitvoerfout</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="29"/>
        <source>device or resource busy</source>
        <translation>apparaat of bron is bezet</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="30"/>
        <source>text file busy</source>
        <translation>het bestand wordt als programma uitgevoerd</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="31"/>
        <source>cannot allocate memory</source>
        <translation>onvoldoende geheugen</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="32"/>
        <source>too many open files</source>
        <translation>te veel open bestanden</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="33"/>
        <source>too many open files in system</source>
        <translation>te veel open bestanden in het systeem</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="34"/>
        <source>no locks available</source>
        <translation>geen vergrendelingen beschikbaar</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="35"/>
        <source>stale file handle</source>
        <translation>verouderde bestandsverwijzing</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="36"/>
        <source>no such device or address</source>
        <translation>apparaat of adres bestaat niet</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="37"/>
        <source>invalid cross-device link</source>
        <translation>ongeldige koppeling tussen apparaten</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="38"/>
        <source>invalid argument</source>
        <translation>ongeldig argument</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="39"/>
        <source>transport endpoint is not connected</source>
        <translation>de verbinding met het bestandssysteem is verbroken</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="40"/>
        <source>connection timed out</source>
        <translation>time-out bij de verbinding</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="19"/>
        <source>About Quillaven Dialstack</source>
        <translation>Over Quillaven Dialstack</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="23"/>
        <source>Dialstack icon</source>
        <translation>Dialstack-pictogram</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="24"/>
        <source>Quillaven Dialstack Version 2.0</source>
        <translation>Quillaven Dialstack versie 2.0</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="26"/>
        <source>Made in Quillaven for every desk.</source>
        <translation>Gemaakt in Quillaven voor elk bureau.</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="28"/>
        <location filename="../res/DialogTemplates.cpp" line="83"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="30"/>
        <source>Dialstack keeps the names, phone and pager numbers, e-mail addresses and notes of the people you call, in the file Dialstack.dat of the folder you start it from.</source>
        <translation>Dialstack bewaart de namen, telefoon- en piepernummers, e-mailadressen en notities van wie u belt, in het bestand Dialstack.dat van de map waarin u het start.</translation>
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
        <translation>Toevoegen</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="46"/>
        <source>Save Now</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="47"/>
        <source>Delete Name</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="48"/>
        <source>Undo Changes</source>
        <translation>Herstellen</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="49"/>
        <source>Edit Name</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="50"/>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="51"/>
        <source>Save / Quit</source>
        <translation>Opslaan/Stop</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="52"/>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="55"/>
        <source>Names</source>
        <translation>Namen</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="56"/>
        <source>Details</source>
        <translation>Gegevens</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="57"/>
        <location filename="../res/ResourceTable.cpp" line="87"/>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="58"/>
        <location filename="../res/ResourceTable.cpp" line="86"/>
        <source>Pager</source>
        <translation>Pieper</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="59"/>
        <location filename="../res/ResourceTable.cpp" line="85"/>
        <source>Phone</source>
        <translation>Tel.</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="60"/>
        <location filename="../res/DialogTemplates.cpp" line="74"/>
        <location filename="../res/ResourceTable.cpp" line="88"/>
        <source>Misc.</source>
        <translation>Overig</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="117"/>
        <source>Add Record</source>
        <translation>Item toevoegen</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="118"/>
        <source>Edit Item</source>
        <translation>Item bewerken</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="70"/>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="71"/>
        <source>Phone Number</source>
        <translation>Telefoon</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="72"/>
        <source>Pager Number</source>
        <translation>Pieper</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="73"/>
        <source>Email Address</source>
        <translation>E-mailadres</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="84"/>
        <location filename="../res/DialogTemplates.cpp" line="106"/>
        <location filename="../res/ResourceTable.cpp" line="52"/>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="101"/>
        <source>Find</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="103"/>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Zoeken:</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="104"/>
        <source>Find what</source>
        <translation>Zoekterm</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="105"/>
        <source>Find Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="31"/>
        <source>&amp;About Dialstack2...</source>
        <translation>&amp;Over Dialstack2...</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="33"/>
        <source>&amp;Find…</source>
        <translation>&amp;Zoeken…</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="234"/>
        <source>Dialstack Help</source>
        <translation>Dialstack-help</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="34"/>
        <source>Sync &amp;Now</source>
        <translation>&amp;Nu synchroniseren</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="37"/>
        <source>Your changes to the directory are not saved yet.

Save them before you leave?</source>
        <translation>Uw wijzigingen in de lijst zijn nog niet opgeslagen.

Wilt u ze opslaan voordat u afsluit?</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="39"/>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="40"/>
        <source>&amp;Leave without saving</source>
        <translation>&amp;Afsluiten zonder opslaan</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="41"/>
        <source>S&amp;tay</source>
        <translation>&amp;Blijven</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="43"/>
        <source>Another program (dialstack-sync or dialstack-convert import) is changing the directory file right now, so nothing was changed here.

Try again in a moment: the window then shows what that program wrote.</source>
        <translation>Een ander programma (dialstack-sync of dialstack-convert import) wijzigt op dit moment het lijstbestand, dus hier is niets gewijzigd.

Probeer het zo opnieuw: het venster toont dan wat dat programma heeft geschreven.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="48"/>
        <source>Your changes are not saved yet. The sync takes the directory as saved.

Save your changes and sync?</source>
        <translation>Uw wijzigingen zijn nog niet opgeslagen. De synchronisatie gebruikt de lijst zoals die is opgeslagen.

Wijzigingen opslaan en synchroniseren?</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="51"/>
        <source>&amp;Save and sync</source>
        <translation>&amp;Opslaan en synchroniseren</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="53"/>
        <source>Syncing the directory with the address book…</source>
        <translation>De lijst wordt gesynchroniseerd met het adresboek…</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="55"/>
        <source>The sync program dialstack-sync was found neither beside Dialstack nor on the PATH.

Install it with Dialstack, then try again.</source>
        <translation>Het synchronisatieprogramma dialstack-sync is niet gevonden, niet naast Dialstack en niet in het PATH.

Installeer het samen met Dialstack en probeer het opnieuw.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="58"/>
        <source>The sync program %1 could not be started: %2</source>
        <translation>Het synchronisatieprogramma %1 kon niet worden gestart: %2</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="59"/>
        <source>The directory and the address book are in step.</source>
        <translation>De lijst en het adresboek zijn gelijk.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="61"/>
        <source>The sync did not finish:

%1

Check the network and the server, then try again. What was synced stays; the next sync does the rest.</source>
        <translation>De synchronisatie is niet voltooid:

%1

Controleer het netwerk en de server en probeer het opnieuw. Wat al gesynchroniseerd is, blijft; de volgende synchronisatie doet de rest.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="65"/>
        <source>The sync of this directory is not set up as expected:

%1

Set it up again in a terminal (see &quot;man dialstack-sync&quot;).</source>
        <translation>De synchronisatie van deze lijst is niet ingesteld zoals verwacht:

%1

Stel haar opnieuw in via een terminal (zie &quot;man dialstack-sync&quot;).</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="68"/>
        <source>The sync cannot run now:

%1

Try again in a moment.</source>
        <translation>De synchronisatie kan nu niet worden uitgevoerd:

%1

Probeer het zo opnieuw.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="70"/>
        <source>The sync stopped because it needs you:

%1

Run dialstack-sync --file &quot;%2&quot; in a terminal to settle it.</source>
        <translation>De synchronisatie is gestopt omdat ze u nodig heeft:

%1

Voer dialstack-sync --file &quot;%2&quot; uit in een terminal om dit op te lossen.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="74"/>
        <source>The sync was cancelled. What it had finished stays; the next sync does the rest.</source>
        <translation>De synchronisatie is geannuleerd. Wat al klaar was, blijft; de volgende synchronisatie doet de rest.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="77"/>
        <source>The sync program ended unexpectedly.

%1

Try again; if it happens again, run dialstack-sync --file &quot;%2&quot; in a terminal to see why.</source>
        <translation>Het synchronisatieprogramma is onverwacht gestopt.

%1

Probeer het opnieuw; gebeurt het weer, voer dan dialstack-sync --file &quot;%2&quot; uit in een terminal om te zien waarom.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="80"/>
        <source>Only the selected record matches &quot;%1&quot;.</source>
        <translation>Alleen het geselecteerde item komt overeen met &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="81"/>
        <source>Nothing in the directory matches &quot;%1&quot;.</source>
        <translation>Niets in de lijst komt overeen met &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="82"/>
        <source>You must specify a name!</source>
        <translation>U moet een naam opgeven!</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="91"/>
        <source>unknown error</source>
        <translation>onbekende fout</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="92"/>
        <source>The directory could not be saved to &quot;%1&quot;: %2

%3</source>
        <translation>De lijst kon niet worden opgeslagen in &quot;%1&quot;: %2

%3</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="94"/>
        <source>The directory could not be saved to &quot;%1&quot;: %2

%3 The file on disk is unchanged.</source>
        <translation>De lijst kon niet worden opgeslagen in &quot;%1&quot;: %2

%3 Het bestand op de schijf is ongewijzigd.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="96"/>
        <source>Your changes are still here.</source>
        <translation>Uw wijzigingen zijn er nog.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="97"/>
        <source>Dialstack stays open so that your changes are not lost.</source>
        <translation>Dialstack blijft open, zodat uw wijzigingen niet verloren gaan.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="98"/>
        <source>Your changes are still here; nothing was synced.</source>
        <translation>Uw wijzigingen zijn er nog; er is niets gesynchroniseerd.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="99"/>
        <source>The directory was saved to &quot;%1&quot;; %2</source>
        <translation>De lijst is opgeslagen in &quot;%1&quot;; %2</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="101"/>
        <source>The directory file &quot;%1&quot; has been changed by another program since Dialstack loaded or saved it.

Replace it with the directory shown here? The other program&apos;s changes would be lost.</source>
        <translation>Het lijstbestand &quot;%1&quot; is door een ander programma gewijzigd sinds Dialstack het heeft geladen of opgeslagen.

Vervangen door de lijst die hier wordt getoond? De wijzigingen van het andere programma gaan dan verloren.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="107"/>
        <source>The directory file &quot;%1&quot; could not be read completely. %2

Saving now would replace the file with what is shown.</source>
        <translation>Het lijstbestand &quot;%1&quot; kon niet volledig worden gelezen. %2

Als u nu opslaat, wordt het bestand vervangen door wat er wordt getoond.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="111"/>
        <source>The directory file &quot;%1&quot; could not be opened: %2 %3

Saving now would replace the file with what is shown.</source>
        <translation>Het lijstbestand &quot;%1&quot; kon niet worden geopend: %2 %3

Als u nu opslaat, wordt het bestand vervangen door wat er wordt getoond.</translation>
    </message>
    <message numerus="yes">
        <location filename="../res/ResourceTable.cpp" line="114"/>
        <source>%n record was read and is shown.</source>
        <translation>
            <numerusform>%n item is gelezen en wordt getoond.</numerusform>
            <numerusform>%n items zijn gelezen en worden getoond.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="119"/>
        <source>The directory could not be printed: %1

Nothing in the directory has changed.</source>
        <translation>De lijst kon niet worden afgedrukt: %1

Er is niets in de lijst veranderd.</translation>
    </message>
</context>
</TS>
