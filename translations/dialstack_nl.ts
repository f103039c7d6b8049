<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
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
        <location filename="../convert/QueryCommand.cpp" line="42"/>
        <source>%n record matches</source>
        <translation>
            <numerusform>%n item komt overeen</numerusform>
            <numerusform>%n items komen overeen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="74"/>
        <source>%n record added</source>
        <translation>
            <numerusform>%n item toegevoegd</numerusform>
            <numerusform>%n items toegevoegd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="75"/>
        <source>%n contact skipped</source>
        <translation>
            <numerusform>%n contact overgeslagen</numerusform>
            <numerusform>%n contacten overgeslagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="76"/>
        <source>%n value moved to misc</source>
        <translation>
            <numerusform>%n waarde naar ‘Overig’ verplaatst</numerusform>
            <numerusform>%n waarden naar ‘Overig’ verplaatst</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="77"/>
        <source>%n character replaced</source>
        <translation>
            <numerusform>%n teken vervangen</numerusform>
            <numerusform>%n tekens vervangen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ExportCommand.cpp" line="139"/>
        <source>%n record exported</source>
        <translation>
            <numerusform>%n item geëxporteerd</numerusform>
            <numerusform>%n items geëxporteerd</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="36"/>
        <source>standard input</source>
        <translation>standaardinvoer</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="38"/>
        <source>%1: %2; nothing was imported</source>
        <translation>%1: %2; er is niets geïmporteerd</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="45"/>
        <source>is a folder, not a contact file</source>
        <translation>is een map, geen contactenbestand</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="48"/>
        <source>cannot be opened</source>
        <translation>kan niet worden geopend</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="48"/>
        <source>there is no such file</source>
        <translation>dit bestand bestaat niet</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="76"/>
        <source>%1: could not be saved: %2; the directory file is unchanged</source>
        <translation>%1: kon niet worden opgeslagen: %2; het telefoonlijstbestand is ongewijzigd</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="79"/>
        <source>%1: could not be saved: %2; the directory file may be damaged: check it, and import again</source>
        <translation>%1: kon niet worden opgeslagen: %2; het telefoonlijstbestand is mogelijk beschadigd: controleer het en importeer opnieuw</translation>
    </message>
    <message>
        <location filename="../convert/ConvertAccess.cpp" line="15"/>
        <source>%1: is a folder, not a directory file; nothing was converted</source>
        <translation>%1: is een map, geen telefoonlijstbestand; er is niets omgezet</translation>
    </message>
    <message>
        <location filename="../convert/ConvertAccess.cpp" line="19"/>
        <source>%1: there is no directory file</source>
        <translation>%1: er is geen telefoonlijstbestand</translation>
    </message>
    <message>
        <location filename="../convert/ConvertAccess.cpp" line="40"/>
        <source>%1: %2 (close Dialstack&apos;s window on it, or wait for the other import); nothing was changed</source>
        <translation>%1: %2 (sluit het Dialstack-venster waarin het open is, of wacht op de andere import); er is niets gewijzigd</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="41"/>
        <source>say export, import or query</source>
        <translation>geef export, import of query op</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="51"/>
        <source>unknown command &apos;%1&apos;</source>
        <translation>onbekende opdracht ‘%1’</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="81"/>
        <source>unknown format &apos;%1&apos;</source>
        <translation>onbekende indeling ‘%1’</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="96"/>
        <source>--spreadsheet is for export</source>
        <translation>--spreadsheet is alleen voor export</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="96"/>
        <source>--output is for export</source>
        <translation>--output is alleen voor export</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="110"/>
        <source>query needs one TEXT to look for</source>
        <translation>query heeft één TEKST nodig om te zoeken</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="112"/>
        <source>query takes no --format or --verbose</source>
        <translation>query accepteert geen --format of --verbose</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="119"/>
        <source>export takes no file arguments (use --output)</source>
        <translation>export accepteert geen bestanden als argument (gebruik --output)</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="121"/>
        <source>--output names the directory file itself</source>
        <translation>--output noemt het telefoonlijstbestand zelf</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="124"/>
        <source>--spreadsheet writes CSV, not --format vcard</source>
        <translation>--spreadsheet schrijft CSV, niet --format vcard</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="131"/>
        <source>--format vcard or --format csv is needed (or an --output FILE ending in .vcf or .csv)</source>
        <translation>--format vcard of --format csv is nodig (of een --output BESTAND dat op .vcf of .csv eindigt)</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="139"/>
        <source>import needs at least one file (&apos;-&apos; for standard input)</source>
        <translation>import heeft minstens één bestand nodig (&apos;-&apos; voor de standaardinvoer)</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="147"/>
        <source>--format vcard or --format csv is needed (&apos;%1&apos; does not end in .vcf or .csv)</source>
        <translation>--format vcard of --format csv is nodig (‘%1’ eindigt niet op .vcf of .csv)</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="57"/>
        <location filename="../convert/ImportCommand.cpp" line="60"/>
        <source>cannot be read as %1: %2</source>
        <translation>kan niet als %1 worden gelezen: %2</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="92"/>
        <source>%1: could not be written</source>
        <translation>%1: kon niet worden geschreven</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="99"/>
        <source>could not write to standard output</source>
        <translation>kon niet naar de standaarduitvoer schrijven</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="112"/>
        <source>%1: could not be written: %2</source>
        <translation>%1: kon niet worden geschreven: %2</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="113"/>
        <source>%1: could not be written: %2; the file that was there is no longer as it was</source>
        <translation>%1: kon niet worden geschreven: %2; het bestand dat er stond is niet meer zoals het was</translation>
    </message>
    <message>
        <location filename="../convert/ConvertAccess.cpp" line="26"/>
        <source>%1: the directory file could not be opened: %2; nothing was converted</source>
        <translation>%1: het telefoonlijstbestand kon niet worden geopend: %2; er is niets omgezet</translation>
    </message>
    <message>
        <location filename="../convert/ConvertAccess.cpp" line="30"/>
        <source>%1: the directory file could not be read completely; nothing was converted</source>
        <translation>%1: het telefoonlijstbestand kon niet volledig worden gelezen; er is niets omgezet</translation>
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
        <location filename="../convert/ImportReport.cpp" line="37"/>
        <source>%1: skipped, %2</source>
        <translation>%1: overgeslagen, want %2</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="52"/>
        <source>%1: moved to misc: %2</source>
        <translation>%1: naar ‘Overig’ verplaatst: %2</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="60"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="68"/>
        <source>%1: left out: %2</source>
        <translation>%1: weggelaten: %2</translation>
    </message>
    <message>
        <location filename="../convert/RecordImporter.cpp" line="23"/>
        <source>it holds more than %1 KiB of text</source>
        <translation>het bevat meer dan %1 KiB tekst</translation>
    </message>
    <message>
        <location filename="../convert/RecordImporter.cpp" line="59"/>
        <source>%1, contact %2</source>
        <translation>%1, contact %2</translation>
    </message>
    <message>
        <location filename="../convert/RecordImporter.cpp" line="76"/>
        <source>it has no name</source>
        <translation>het heeft geen naam</translation>
    </message>
    <message>
        <location filename="../convert/RecordImporter.cpp" line="98"/>
        <source>&quot;%1&quot; (%2)</source>
        <translation>‘%1’ (%2)</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="98"/>
        <source>%1: its last record has no name, and adding records would overwrite it; give it a name in Dialstack first. Nothing was imported</source>
        <translation>%1: het laatste item heeft geen naam, en het toevoegen van items zou het overschrijven; geef het eerst een naam in Dialstack. Er is niets geïmporteerd</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="119"/>
        <source>%1: written, but %2</source>
        <translation>%1: geschreven, maar %2</translation>
    </message>
    <message>
        <location filename="../vcard/VCardMapper.cpp" line="143"/>
        <source>%1 = %2... (%3 bytes in all)</source>
        <translation>%1 = %2... (%3 bytes in totaal)</translation>
    </message>
    <message>
        <location filename="../vcard/VCardMapper.cpp" line="166"/>
        <source>AGENT (the vCard of another person inside this one)</source>
        <translation>AGENT (de vCard van een andere persoon binnen deze)</translation>
    </message>
    <message>
        <location filename="../vcard/VCardMapper.cpp" line="172"/>
        <source>%1 (binary data, %2 bytes)</source>
        <translation>%1 (binaire gegevens, %2 bytes)</translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="29"/>
        <source>%n character of the name replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n teken van de naam vervangen door ‘?’</numerusform>
            <numerusform>%n tekens van de naam vervangen door ‘?’</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="30"/>
        <source>%n character of the phone replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n teken van het telefoonnummer vervangen door ‘?’</numerusform>
            <numerusform>%n tekens van het telefoonnummer vervangen door ‘?’</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="31"/>
        <source>%n character of the pager replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n teken van het piepernummer vervangen door ‘?’</numerusform>
            <numerusform>%n tekens van het piepernummer vervangen door ‘?’</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="32"/>
        <source>%n character of the e-mail replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n teken van het e-mailadres vervangen door ‘?’</numerusform>
            <numerusform>%n tekens van het e-mailadres vervangen door ‘?’</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="33"/>
        <source>%n character of the misc replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n teken in het veld ‘Overig’ vervangen door ‘?’</numerusform>
            <numerusform>%n tekens in het veld ‘Overig’ vervangen door ‘?’</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="73"/>
        <source>%1: could not be saved: %2; nothing was imported</source>
        <translation>%1: kon niet worden opgeslagen: %2; er is niets geïmporteerd</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="43"/>
        <source>%1: left alone, a group is not a contact</source>
        <translation>%1: niet overgenomen, een groep is geen contact</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="44"/>
        <source>%1: left alone, a place is not a contact</source>
        <translation>%1: niet overgenomen, een plaats is geen contact</translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="79"/>
        <source>%n group or place left alone</source>
        <translation>
            <numerusform>%n groep of plaats niet overgenomen</numerusform>
            <numerusform>%n groepen of plaatsen niet overgenomen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DialstackSync</name>
    <message>
        <location filename="../sync/SyncReport.cpp" line="89"/>
        <source>left out: %1, a group or a place is not a contact</source>
        <translation>niet gesynchroniseerd: %1, een groep of plaats is geen contact</translation>
    </message>
    <message>
        <location filename="../sync/DesktopNotifier.cpp" line="79"/>
        <source>Open Dialstack</source>
        <translation>Dialstack openen</translation>
    </message>
    <message>
        <location filename="../sync/UserTimer.cpp" line="111"/>
        <source>%1 could not be started</source>
        <translation>%1 kon niet worden gestart</translation>
    </message>
    <message>
        <location filename="../sync/UserTimer.cpp" line="113"/>
        <source>%1 did not finish within a minute</source>
        <translation>%1 was niet binnen een minuut klaar</translation>
    </message>
    <message>
        <location filename="../sync/UserTimer.cpp" line="117"/>
        <source>%1 ended with status %2</source>
        <translation>%1 eindigde met status %2</translation>
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
        <translation>gebruik: dialstack-sync [--file MAP/Dialstack.dat] [--url URL] [--user NAAM]
                        [--password-file BESTAND | --password-stdin] [--keep-password]
                        [--certificate BESTAND | --accept-certificate SHA256] [--timeout SECONDEN]
                        [--dry-run] [--force | --bring-back] [--verbose] [--report json]
         dialstack-sync [--file MAP/Dialstack.dat] --discover --url URL [--user NAAM] [...]
         dialstack-sync [--file MAP/Dialstack.dat] --forget | --timer on|off|status
         dialstack-sync --help | --version
Houdt het telefoonlijstbestand en zijn CardDAV-adresboek gelijk. De eerste keer
is --url nodig; de URL, de gebruiker, het wachtwoordbestand en het certificaat
worden voor dat telefoonlijstbestand onthouden. Het wachtwoord komt uit
--password-file, of met --password-stdin uit de eerste regel van de
standaardinvoer, anders uit de sleutelbos, anders uit het wachtwoordbestand dat
voor het telefoonlijstbestand is onthouden, anders uit een vraag in de
terminal. --keep-password bewaart een wachtwoord dat de server aannam: in de
sleutelbos, anders in een bestand dat alleen u kunt lezen.
--accept-certificate vertrouwt het certificaat van de server als de
SHA-256-vingerafdruk de opgegeven is. --bring-back beantwoordt een geweigerde
massale verwijdering door de verwijderde items terug te halen. --discover toont
de adresboeken van de server en wijzigt niets. --forget vergeet wat dit
programma over de synchronisatie van het telefoonlijstbestand weet (nooit het
bestand zelf). --timer zet de timer van het telefoonlijstbestand aan of uit, of
zegt of hij aan staat. --report json toont de uitkomst als één regel JSON.
Afsluitstatus: 0 gelijk; 1 mislukt (niets verloren); 2 verkeerd gebruik;
3 bezet (een venster met niet-opgeslagen wijzigingen of een ander programma
heeft de telefoonlijst: de volgende keer wordt het opnieuw geprobeerd); 4 heeft
u nodig (de synchronisatie zou te veel verwijderen, het wachtwoord is geweigerd
of ontbreekt, het certificaat wordt niet vertrouwd, of het adresboek is
verdwenen).
</translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="51"/>
        <location filename="../sync/SyncReport.cpp" line="22"/>
        <source>%n added</source>
        <translation>
            <numerusform>%n toegevoegd</numerusform>
            <numerusform>%n toegevoegd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="51"/>
        <location filename="../sync/SyncReport.cpp" line="22"/>
        <source>%n changed</source>
        <translation>
            <numerusform>%n gewijzigd</numerusform>
            <numerusform>%n gewijzigd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="52"/>
        <location filename="../sync/SyncReport.cpp" line="23"/>
        <source>%n deleted</source>
        <translation>
            <numerusform>%n verwijderd</numerusform>
            <numerusform>%n verwijderd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="80"/>
        <location filename="../sync/SyncReport.cpp" line="94"/>
        <source>%n conflict kept as a copy</source>
        <translation>
            <numerusform>%n conflict als kopie bewaard</numerusform>
            <numerusform>%n conflicten als kopieën bewaard</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="84"/>
        <location filename="../sync/SyncReport.cpp" line="98"/>
        <source>Here: %1; on the server: %2; %3</source>
        <translation>Hier: %1; op de server: %2; %3</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="82"/>
        <location filename="../sync/SyncReport.cpp" line="96"/>
        <source>Dry run, nothing changed. Would do here: %1; on the server: %2; %3</source>
        <translation>Proefdraai, er is niets gewijzigd. Verwacht resultaat hier: %1; op de server: %2; %3</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="28"/>
        <source>added here: %1</source>
        <translation>hier toegevoegd: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="28"/>
        <source>changed here: %1</source>
        <translation>hier gewijzigd: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="29"/>
        <source>deleted here: %1</source>
        <translation>hier verwijderd: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="30"/>
        <source>added on the server: %1</source>
        <translation>op de server toegevoegd: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="31"/>
        <source>changed on the server: %1</source>
        <translation>op de server gewijzigd: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="32"/>
        <source>deleted on the server: %1</source>
        <translation>op de server verwijderd: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="33"/>
        <source>would add here: %1</source>
        <translation>zou hier worden toegevoegd: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="34"/>
        <source>would change here: %1</source>
        <translation>zou hier worden gewijzigd: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="35"/>
        <source>would delete here: %1</source>
        <translation>zou hier worden verwijderd: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="36"/>
        <source>would add on the server: %1</source>
        <translation>zou op de server worden toegevoegd: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="37"/>
        <source>would change on the server: %1</source>
        <translation>zou op de server worden gewijzigd: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="38"/>
        <source>would delete on the server: %1</source>
        <translation>zou op de server worden verwijderd: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="59"/>
        <source>kept both versions of a record changed on both sides: the server&apos;s, and this machine&apos;s as %1</source>
        <translation>beide versies van een item dat aan beide kanten is gewijzigd, zijn bewaard: die van de server, en die van deze computer als %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="56"/>
        <source>would keep both versions of a record changed on both sides: the server&apos;s, and this machine&apos;s as %1</source>
        <translation>beide versies van een item dat aan beide kanten is gewijzigd, zouden worden bewaard: die van de server, en die van deze computer als %1</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="249"/>
        <location filename="../sync/SyncPassword.cpp" line="79"/>
        <source>%1: the password file cannot be read</source>
        <translation>%1: het wachtwoordbestand kan niet worden gelezen</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="247"/>
        <location filename="../sync/SyncPassword.cpp" line="75"/>
        <source>%1: others can read this password file; make it yours alone (chmod 600 %1) and run again</source>
        <translation>%1: anderen kunnen dit wachtwoordbestand lezen; maak het alleen voor u leesbaar (chmod 600 %1) en start opnieuw</translation>
    </message>
    <message>
        <location filename="../sync/SyncPassword.cpp" line="101"/>
        <source>Password for %1 at %2: </source>
        <translation>Wachtwoord voor %1 op %2: </translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="283"/>
        <source>%1: a Dialstack window has unsaved changes in it, or another program is changing it. Nothing was synced; the next sync after you save takes the window&apos;s changes</source>
        <translation>%1: een Dialstack-venster heeft er niet-opgeslagen wijzigingen in, of een ander programma wijzigt het. Er is niets gesynchroniseerd; de volgende synchronisatie na het opslaan neemt de wijzigingen van het venster mee</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="278"/>
        <source>stopped by %1; what was synced is kept, and the next sync goes on from there</source>
        <translation>gestopt door %1; wat al gesynchroniseerd is blijft bewaard, en de volgende synchronisatie gaat daar verder</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="221"/>
        <source>no address book found at %1 for %2; create one on the server (in its web page, or with your phone&apos;s contacts app), then sync again</source>
        <translation>geen adresboek gevonden op %1 voor %2; maak er een aan op de server (op zijn webpagina, of met de contacten-app van uw telefoon) en synchroniseer dan opnieuw</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="208"/>
        <source>this user</source>
        <translation>deze gebruiker</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="147"/>
        <source>To settle it, run: %1</source>
        <translation>Om dit op te lossen, voert u uit: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="128"/>
        <source>unexpected argument: %1</source>
        <translation>onverwacht argument: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="41"/>
        <source>--%1 given more than once</source>
        <translation>--%1 meer dan eens opgegeven</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="78"/>
        <source>--timeout needs a number of seconds from 1 to 3600</source>
        <translation>--timeout heeft een aantal seconden van 1 tot 3600 nodig</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="73"/>
        <source>--url needs an http:// or https:// address, not %1</source>
        <translation>--url heeft een http://- of https://-adres nodig, niet %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="75"/>
        <source>give the user name with --user, not inside the URL</source>
        <translation>geef de gebruikersnaam op met --user, niet in de URL</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="174"/>
        <source>the first sync of %1 needs --url (the address book or the server)</source>
        <translation>de eerste synchronisatie van %1 heeft --url nodig (het adresboek of de server)</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="90"/>
        <source>%1 did not answer within %2 s</source>
        <translation>%1 antwoordde niet binnen %2 s</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="240"/>
        <source>%1 refused the user name or password</source>
        <translation>%1 heeft de gebruikersnaam of het wachtwoord geweigerd</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="192"/>
        <source>%1 of the %2 records here (%3)</source>
        <translation>%1 van de %2 items hier (%3)</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="194"/>
        <source>%1 of the %2 cards on the server (%3)</source>
        <translation>%1 van de %2 kaarten op de server (%3)</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="33"/>
        <location filename="../sync/SyncReport.cpp" line="16"/>
        <source>&quot;%1&quot;</source>
        <translation>‘%1’</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="201"/>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="178"/>
        <source>%1: the directory file could not be read completely; nothing was synced</source>
        <translation>%1: het telefoonlijstbestand kon niet volledig worden gelezen; er is niets gesynchroniseerd</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="173"/>
        <source>%1: could not be saved: %2; the directory file is unchanged</source>
        <translation>%1: kon niet worden opgeslagen: %2; het telefoonlijstbestand is ongewijzigd</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="171"/>
        <source>%1: could not be saved: %2</source>
        <translation>%1: kon niet worden opgeslagen: %2</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="293"/>
        <source>the address book %1 is gone from the server; nothing was changed here</source>
        <translation>het adresboek %1 is van de server verdwenen; hier is niets gewijzigd</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="82"/>
        <source>a password is never sent over plain http:// except to this machine; use https:// for %1</source>
        <translation>een wachtwoord wordt nooit via onversleuteld http:// verstuurd, behalve naar deze computer; gebruik https:// voor %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="201"/>
        <source>%1: holds no certificate (PEM) that can be read</source>
        <translation>%1: bevat geen leesbaar certificaat (PEM)</translation>
    </message>
    <message>
        <location filename="../sync/SyncPassword.cpp" line="124"/>
        <source>The password could not be kept in the keyring (none is running); from now on the file %1 is read for it. Keep it readable by you alone.</source>
        <translation>Het wachtwoord kon niet in de sleutelbos worden bewaard (er draait er geen); voortaan wordt het uit het bestand %1 gelezen. Houd dat bestand alleen voor u leesbaar.</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="184"/>
        <source>the server has several address books; run again with --url and one of them:</source>
        <translation>de server heeft meerdere adresboeken; start opnieuw met --url en een daarvan:</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="149"/>
        <source>%1: the server does not allow this (403 Forbidden)</source>
        <translation>%1: de server staat dit niet toe (403 Forbidden)</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="150"/>
        <source>%1: not found on the server (404)</source>
        <translation>%1: niet gevonden op de server (404)</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="155"/>
        <source>%1: the server answered %2</source>
        <translation>%1: de server antwoordde %2</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="148"/>
        <source>%1 sent a reply that could not be read: %2</source>
        <translation>%1 stuurde een antwoord dat niet kon worden gelezen: %2</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="138"/>
        <source>the server answered %1 (%2)</source>
        <translation>de server antwoordde %1 (%2)</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="139"/>
        <source>the server answered %1: %2</source>
        <translation>de server antwoordde %1: %2</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="136"/>
        <source>the server answered %1</source>
        <translation>de server antwoordde %1</translation>
    </message>
    <message>
        <location filename="../sync/DavMultiStatus.cpp" line="182"/>
        <source>the reply is not a WebDAV multistatus</source>
        <translation>het antwoord is geen WebDAV-multistatus</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="270"/>
        <source>the address book kept changing while this sync wrote to it; nothing was lost, run the sync again</source>
        <translation>het adresboek bleef veranderen terwijl deze synchronisatie erin schreef; er is niets verloren, synchroniseer opnieuw</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="119"/>
        <source>the card of %1</source>
        <translation>de kaart van %1</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="120"/>
        <source>status %1</source>
        <translation>status %1</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="121"/>
        <source>left out of its reply</source>
        <translation>weggelaten uit zijn antwoord</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="126"/>
        <source>%1 did not give %2 (%3); nothing was changed, run the sync again later</source>
        <translation>%1 heeft %2 niet geleverd (%3); er is niets gewijzigd, synchroniseer later opnieuw</translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="127"/>
        <source>%1 did not give %2 (%3) nor %n other cards; nothing was changed, run the sync again later</source>
        <translation>
            <numerusform>%1 heeft %2 (%3) en %n andere kaart niet geleverd; er is niets gewijzigd, synchroniseer later opnieuw</numerusform>
            <numerusform>%1 heeft %2 (%3) en %n andere kaarten niet geleverd; er is niets gewijzigd, synchroniseer later opnieuw</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="164"/>
        <source>%1: the directory file changed on disk while syncing; nothing was changed here, run the sync again</source>
        <translation>%1: het telefoonlijstbestand is tijdens het synchroniseren op schijf gewijzigd; hier is niets gewijzigd, synchroniseer opnieuw</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="168"/>
        <source>%1: its last record has no name, and adding records would overwrite it; give it a name in Dialstack first. Nothing was changed</source>
        <translation>%1: het laatste item heeft geen naam, en items toevoegen zou het overschrijven; geef het eerst een naam in Dialstack. Er is niets gewijzigd</translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="44"/>
        <location filename="../sync/SyncReport.cpp" line="108"/>
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 en nog %n</numerusform>
            <numerusform>%1 en nog %n</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="113"/>
        <source>%1: the sync journal could not be written</source>
        <translation>%1: het synchronisatielogboek kon niet worden geschreven</translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="129"/>
        <source>%1: the folder could not be made</source>
        <translation>%1: de map kon niet worden aangemaakt</translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="279"/>
        <source>%1: the sync state could not be saved: %2</source>
        <translation>%1: de synchronisatiestatus kon niet worden opgeslagen: %2</translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="283"/>
        <source>%1: the sync state could not be made private</source>
        <translation>%1: de synchronisatiestatus kon niet privé worden gemaakt</translation>
    </message>
    <message>
        <location filename="../sync/DesktopNotifier.cpp" line="78"/>
        <source>Dialstack sync needs you</source>
        <translation>De Dialstack-synchronisatie heeft u nodig</translation>
    </message>
    <message>
        <location filename="../sync/Keyring.cpp" line="53"/>
        <source>Dialstack: %1 at %2</source>
        <translation>Dialstack: %1 op %2</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="213"/>
        <source>%1 is neither a CardDAV server nor an address book (asked: %2); give the address of your address book with --url</source>
        <translation>%1 is geen CardDAV-server en geen adresboek (gevraagd: %2); geef het adres van uw adresboek op met --url</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="167"/>
        <source>%1 is synced with %2; to sync it with another address book, first forget this sync with --forget</source>
        <translation>%1 wordt gesynchroniseerd met %2; om het met een ander adresboek te synchroniseren, vergeet u eerst deze synchronisatie met --forget</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="238"/>
        <source>%1 refused the password for %2 read from %3; put the new password in that file</source>
        <translation>%1 heeft het wachtwoord voor %2 uit %3 geweigerd; zet het nieuwe wachtwoord in dat bestand</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="179"/>
        <source>%1: %2; nothing was synced</source>
        <translation>%1: %2; er is niets gesynchroniseerd</translation>
    </message>
    <message>
        <location filename="../sync/ServerCertificate.cpp" line="14"/>
        <source>%1: no certificate could be had from the server: %2</source>
        <translation>%1: er was geen certificaat van de server te krijgen: %2</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="153"/>
        <source>%1: the server answered %2 (%3)</source>
        <translation>%1: de server antwoordde %2 (%3)</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="274"/>
        <source>%1: the sync&apos;s memory of this directory file is damaged (%2); forget it, then sync again with --url</source>
        <translation>%1: de synchronisatiestatus van dit telefoonlijstbestand is beschadigd (%2); vergeet hem en synchroniseer daarna opnieuw met --url</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="215"/>
        <source>--accept-certificate is for a server at an https:// address</source>
        <translation>--accept-certificate is voor een server met een https://-adres</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="72"/>
        <source>--accept-certificate needs the certificate&apos;s SHA-256 fingerprint (64 hex digits)</source>
        <translation>--accept-certificate heeft de SHA-256-vingerafdruk van het certificaat nodig (64 hexadecimale cijfers)</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="103"/>
        <source>--discover needs --url (the server or the address book)</source>
        <translation>--discover heeft --url nodig (de server of het adresboek)</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="101"/>
        <source>--discover, --forget and --timer each run alone</source>
        <translation>--discover, --forget en --timer werken elk alleen</translation>
    </message>
    <message>
        <location filename="../sync/SyncPassword.cpp" line="68"/>
        <source>--password-stdin: no password came on standard input</source>
        <translation>--password-stdin: er kwam geen wachtwoord binnen op de standaardinvoer</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="130"/>
        <source>--report takes json</source>
        <translation>--report accepteert json</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="98"/>
        <source>--timer takes on, off or status</source>
        <translation>--timer accepteert on, off of status</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="74"/>
        <source>Address books found:</source>
        <translation>Gevonden adresboeken:</translation>
    </message>
    <message>
        <location filename="../sync/SyncPassword.cpp" line="136"/>
        <source>Keep it in %1 (readable by you alone)? [y/N]</source>
        <translation>Bewaren in %1 (alleen voor u leesbaar)? [j/N]</translation>
    </message>
    <message>
        <location filename="../sync/PasswordSource.cpp" line="69"/>
        <source>y</source>
        <translation>j</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="60"/>
        <source>No timer syncs this directory file.</source>
        <translation>Er is geen timer die dit telefoonlijstbestand synchroniseert.</translation>
    </message>
    <message>
        <location filename="../sync/SyncPassword.cpp" line="147"/>
        <source>The password could not be kept: %1</source>
        <translation>Het wachtwoord kon niet worden bewaard: %1</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="59"/>
        <source>The timer syncs this directory file every quarter of an hour.</source>
        <translation>De timer synchroniseert dit telefoonlijstbestand elk kwartier.</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="124"/>
        <source>a password is never taken on the command line: use --password-file FILE, --password-stdin, or the keyring</source>
        <translation>een wachtwoord wordt nooit op de opdrachtregel aangenomen: gebruik --password-file BESTAND, --password-stdin of de sleutelbos</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="66"/>
        <source>give the password with --password-file or --password-stdin, not both</source>
        <translation>geef het wachtwoord op met --password-file of met --password-stdin, niet met beide</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="107"/>
        <source>is a folder, not a directory file</source>
        <translation>is een map, geen telefoonlijstbestand</translation>
    </message>
    <message>
        <location filename="../sync/SyncPassword.cpp" line="93"/>
        <source>it cannot be read</source>
        <translation>het kan niet worden gelezen</translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="108"/>
        <source>it is no sync state this program wrote, or it was cut short</source>
        <translation>hij is niet door dit programma geschreven, of hij is afgekapt</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="228"/>
        <source>it is not the one whose fingerprint was given</source>
        <translation>het is niet het certificaat met de opgegeven vingerafdruk</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="289"/>
        <source>no password for %1 at %2: the keyring has none, and no password file is remembered</source>
        <translation>geen wachtwoord voor %1 op %2: de sleutelbos heeft er geen, en er is geen wachtwoordbestand onthouden</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="254"/>
        <source>the certificate of %1 is not trusted (%2); its SHA-256 fingerprint is %3. If it is your own server&apos;s, trust it</source>
        <translation>het certificaat van %1 wordt niet vertrouwd (%2); de SHA-256-vingerafdruk is %3. Als het van uw eigen server is, vertrouw het dan</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="103"/>
        <source>the folder does not exist</source>
        <translation>de map bestaat niet</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="105"/>
        <source>the folder is read-only, so the directory file cannot be saved there</source>
        <translation>de map is alleen-lezen, dus het telefoonlijstbestand kan daar niet worden opgeslagen</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="63"/>
        <source>the timer could not be set: %1</source>
        <translation>de timer kon niet worden ingesteld: %1</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="62"/>
        <source>the timer cannot be set: no systemd user manager runs for this user</source>
        <translation>de timer kan niet worden ingesteld: er draait geen systemd-gebruikersbeheerder voor deze gebruiker</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="198"/>
        <source>this sync would delete %1; nothing was changed. If that is what you want, run it again with --force; to bring them back instead, with --bring-back</source>
        <translation>deze synchronisatie zou %1 verwijderen; er is niets gewijzigd. Als u dat wilt, start u haar opnieuw met --force; om ze in plaats daarvan terug te halen, met --bring-back</translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="229"/>
        <source>the server refused %n card (%1); everything else is in step</source>
        <translation>
            <numerusform>de server heeft %n kaart geweigerd (%1); al het andere is gelijk</numerusform>
            <numerusform>de server heeft %n kaarten geweigerd (%1); al het andere is gelijk</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="105"/>
        <source>the server sent this program to %1, another server; it only talks to the server it was given. If that one is right, give it with --url</source>
        <translation>de server stuurde dit programma door naar %1, een andere server; het praat alleen met de server die het kreeg. Als die de juiste is, geef hem dan op met --url</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="109"/>
        <source>the server points to another server, %1, for the address books; nothing was sent there. If that server is right, give its address book with --url</source>
        <translation>de server verwijst voor de adresboeken naar een andere server, %1; daarheen is niets verstuurd. Als die server de juiste is, geef zijn adresboek dan op met --url</translation>
    </message>
</context>
<context>
    <name>DialstackTools</name>
    <message>
        <location filename="../shell/ToolShell.cpp" line="25"/>
        <source>ran out of memory; nothing was changed</source>
        <translation>geen geheugen meer; er is niets gewijzigd</translation>
    </message>
    <message>
        <location filename="../shell/ToolShell.cpp" line="28"/>
        <source>a file holds a field too long to be held (%1); nothing was changed</source>
        <translation>een bestand bevat een te lang veld (%1); er is niets gewijzigd</translation>
    </message>
    <message>
        <location filename="../shell/ToolShell.cpp" line="31"/>
        <source>stopped: %1; nothing was changed</source>
        <translation>gestopt: %1; er is niets gewijzigd</translation>
    </message>
    <message>
        <location filename="../shell/ToolShell.cpp" line="39"/>
        <source>--file needs a file name</source>
        <translation>--file heeft een bestandsnaam nodig</translation>
    </message>
    <message>
        <location filename="../shell/PrintableText.cpp" line="45"/>
        <source>... (%1 bytes in all)</source>
        <translation>... (%1 bytes in totaal)</translation>
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
        <translation>het vergrendelingsbestand ‘%1’ kon niet worden geopend: %2</translation>
    </message>
    <message>
        <location filename="../data/DirectoryLock.cpp" line="67"/>
        <source>the lock file &quot;%1&quot; could not be locked: %2</source>
        <translation>het vergrendelingsbestand ‘%1’ kon niet worden vergrendeld: %2</translation>
    </message>
    <message>
        <location filename="../data/DirectoryLock.cpp" line="70"/>
        <source>another program is changing the directory</source>
        <translation>een ander programma wijzigt op dit moment de telefoonlijst</translation>
    </message>
    <message>
        <location filename="../data/DirectoryLock.cpp" line="72"/>
        <source>a Dialstack window has unsaved changes to the directory, or another program is changing it; once they are saved, the next sync or import takes them in</source>
        <translation>een Dialstack-venster heeft niet-opgeslagen wijzigingen in de telefoonlijst, of een ander programma wijzigt die op dit moment; zodra ze zijn opgeslagen, neemt de volgende synchronisatie of import ze over</translation>
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
        <translation>er is geen telefoonlijst om op te slaan</translation>
    </message>
    <message>
        <location filename="../printer/PrinterPort.cpp" line="44"/>
        <source>the print service (CUPS) is not running</source>
        <translation>de afdrukservice (CUPS) draait niet</translation>
    </message>
    <message>
        <location filename="../printer/PrinterPort.cpp" line="46"/>
        <source>no default printer is configured; choose one in the system&apos;s printer settings or with &quot;lpoptions -d PRINTER&quot;</source>
        <translation>er is geen standaardprinter ingesteld; kies er een in de printerinstellingen van het systeem of met ‘lpoptions -d PRINTER’</translation>
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
        <location filename="../res/DialogTemplates.cpp" line="152"/>
        <location filename="../res/SyncStringTable.cpp" line="108"/>
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
        <translation>Terugdraaien</translation>
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
        <location filename="../res/ResourceTable.cpp" line="89"/>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="58"/>
        <location filename="../res/ResourceTable.cpp" line="88"/>
        <source>Pager</source>
        <translation>Pieper</translation>
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
        <translation>Overig</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="164"/>
        <source>Add Record</source>
        <translation>Item toevoegen</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="165"/>
        <source>Edit Item</source>
        <translation>Item bewerken</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="70"/>
        <location filename="../res/SyncStringTable.cpp" line="106"/>
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
        <location filename="../res/DialogTemplates.cpp" line="153"/>
        <location filename="../res/ResourceTable.cpp" line="54"/>
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
        <location filename="../res/ResourceTable.cpp" line="33"/>
        <source>&amp;About Dialstack2...</source>
        <translation>&amp;Over Dialstack2...</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="35"/>
        <source>&amp;Find…</source>
        <translation>&amp;Zoeken…</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="241"/>
        <source>Dialstack Help</source>
        <translation>Dialstack-help</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="36"/>
        <source>Sync &amp;Now</source>
        <translation>&amp;Nu synchroniseren</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="39"/>
        <source>Your changes to the directory are not saved yet.

Save them before you leave?</source>
        <translation>Uw wijzigingen in de telefoonlijst zijn nog niet opgeslagen.

Wilt u ze opslaan voordat u afsluit?</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="41"/>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="42"/>
        <source>&amp;Leave without saving</source>
        <translation>&amp;Afsluiten zonder opslaan</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="43"/>
        <source>S&amp;tay</source>
        <translation>&amp;Blijven</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="45"/>
        <source>Another program (dialstack-sync or dialstack-convert import) is changing the directory file right now, so nothing was changed here.

Try again in a moment: the window then shows what that program wrote.</source>
        <translation>Een ander programma (dialstack-sync of dialstack-convert import) wijzigt op dit moment het telefoonlijstbestand, dus hier is niets gewijzigd.

Probeer het zo opnieuw: het venster toont dan wat dat programma heeft geschreven.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="50"/>
        <source>Your changes are not saved yet. The sync takes the directory as saved.

Save your changes and sync?</source>
        <translation>Uw wijzigingen zijn nog niet opgeslagen. De synchronisatie gebruikt de telefoonlijst zoals die is opgeslagen.

Wijzigingen opslaan en synchroniseren?</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="53"/>
        <source>&amp;Save and sync</source>
        <translation>&amp;Opslaan en synchroniseren</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="55"/>
        <source>Syncing the directory with the address book…</source>
        <translation>De telefoonlijst wordt gesynchroniseerd met het adresboek…</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="57"/>
        <source>The sync program dialstack-sync was found neither beside Dialstack nor on the PATH.

Install it with Dialstack, then try again.</source>
        <translation>Het synchronisatieprogramma dialstack-sync is niet gevonden, niet naast Dialstack en niet in het PATH.

Installeer het samen met Dialstack en probeer het opnieuw.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="60"/>
        <source>The sync program %1 could not be started: %2</source>
        <translation>Het synchronisatieprogramma %1 kon niet worden gestart: %2</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="61"/>
        <source>The directory and the address book are in step.</source>
        <translation>De telefoonlijst en het adresboek zijn gesynchroniseerd.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="63"/>
        <source>The sync did not finish:

%1

Check the network and the server, then try again. What was synced stays; the next sync does the rest.</source>
        <translation>De synchronisatie is niet voltooid:

%1

Controleer het netwerk en de server en probeer het opnieuw. Wat al gesynchroniseerd is, blijft; de volgende synchronisatie doet de rest.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="67"/>
        <source>The sync of this directory is not set up as expected:

%1

Set it up again in a terminal (see &quot;man dialstack-sync&quot;).</source>
        <translation>De synchronisatie van deze telefoonlijst is niet ingesteld zoals verwacht:

%1

Stel haar opnieuw in via een terminal (zie ‘man dialstack-sync’).</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="70"/>
        <source>The sync cannot run now:

%1

Try again in a moment.</source>
        <translation>De synchronisatie kan nu niet worden uitgevoerd:

%1

Probeer het zo opnieuw.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="72"/>
        <source>The sync stopped because it needs you:

%1

Run dialstack-sync --file &quot;%2&quot; in a terminal to settle it.</source>
        <translation>De synchronisatie is gestopt omdat ze u nodig heeft:

%1

Voer dialstack-sync --file &quot;%2&quot; uit in een terminal om dit op te lossen.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="76"/>
        <source>The sync was cancelled. What it had finished stays; the next sync does the rest.</source>
        <translation>De synchronisatie is geannuleerd. Wat al klaar was, blijft; de volgende synchronisatie doet de rest.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="79"/>
        <source>The sync program ended unexpectedly.

%1

Try again; if it happens again, run dialstack-sync --file &quot;%2&quot; in a terminal to see why.</source>
        <translation>Het synchronisatieprogramma is onverwacht gestopt.

%1

Probeer het opnieuw; gebeurt het weer, voer dan dialstack-sync --file &quot;%2&quot; uit in een terminal om te zien waarom.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="82"/>
        <source>Only the selected record matches &quot;%1&quot;.</source>
        <translation>Alleen het geselecteerde item komt overeen met ‘%1’.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="83"/>
        <source>Nothing in the directory matches &quot;%1&quot;.</source>
        <translation>Niets in de telefoonlijst komt overeen met ‘%1’.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="84"/>
        <source>You must specify a name!</source>
        <translation>U moet een naam opgeven!</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="93"/>
        <source>unknown error</source>
        <translation>onbekende fout</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="94"/>
        <source>The directory could not be saved to &quot;%1&quot;: %2

%3</source>
        <translation>De telefoonlijst kon niet worden opgeslagen in ‘%1’: %2

%3</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="96"/>
        <source>The directory could not be saved to &quot;%1&quot;: %2

%3 The file on disk is unchanged.</source>
        <translation>De telefoonlijst kon niet worden opgeslagen in ‘%1’: %2

%3 Het bestand op de schijf is ongewijzigd.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="98"/>
        <source>Your changes are still here.</source>
        <translation>Uw wijzigingen zijn er nog.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="99"/>
        <source>Dialstack stays open so that your changes are not lost.</source>
        <translation>Dialstack blijft open, zodat uw wijzigingen niet verloren gaan.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="100"/>
        <source>Your changes are still here; nothing was synced.</source>
        <translation>Uw wijzigingen zijn er nog; er is niets gesynchroniseerd.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="101"/>
        <source>The directory was saved to &quot;%1&quot;; %2</source>
        <translation>De telefoonlijst is opgeslagen in ‘%1’; %2</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="103"/>
        <source>The directory file &quot;%1&quot; has been changed by another program since Dialstack loaded or saved it.

Replace it with the directory shown here? The other program&apos;s changes would be lost.</source>
        <translation>Het telefoonlijstbestand ‘%1’ is door een ander programma gewijzigd sinds Dialstack het heeft geladen of opgeslagen.

Vervangen door de telefoonlijst die hier wordt getoond? De wijzigingen van het andere programma gaan dan verloren.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="109"/>
        <source>The directory file &quot;%1&quot; could not be read completely. %2

Saving now would replace the file with what is shown.</source>
        <translation>Het telefoonlijstbestand ‘%1’ kon niet volledig worden gelezen. %2

Als u nu opslaat, wordt het bestand vervangen door wat er wordt getoond.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="113"/>
        <source>The directory file &quot;%1&quot; could not be opened: %2 %3

Saving now would replace the file with what is shown.</source>
        <translation>Het telefoonlijstbestand ‘%1’ kon niet worden geopend: %2 %3

Als u nu opslaat, wordt het bestand vervangen door wat er wordt getoond.</translation>
    </message>
    <message numerus="yes">
        <location filename="../res/ResourceTable.cpp" line="116"/>
        <source>%n record was read and is shown.</source>
        <translation>
            <numerusform>%n item is gelezen en wordt getoond.</numerusform>
            <numerusform>%n items zijn gelezen en worden getoond.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="120"/>
        <source>The directory could not be printed: %1

Nothing in the directory has changed.</source>
        <translation>De telefoonlijst kon niet worden afgedrukt: %1

Er is niets in de telefoonlijst veranderd.</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="167"/>
        <source>Set Up Sync</source>
        <translation>Synchronisatie instellen</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="168"/>
        <source>Sync Settings</source>
        <translation>Synchronisatie-instellingen</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="118"/>
        <source>&amp;Server address:</source>
        <translation>&amp;Serveradres:</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="120"/>
        <source>&amp;User name:</source>
        <translation>&amp;Gebruikersnaam:</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="122"/>
        <source>&amp;Password:</source>
        <translation>&amp;Wachtwoord:</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="124"/>
        <source>&amp;Connect</source>
        <translation>&amp;Verbinden</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="125"/>
        <source>&amp;Address books:</source>
        <translation>&amp;Adresboeken:</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="129"/>
        <source>Type the address of your CardDAV server (your provider&apos;s help names it), your user name and your password, then press Connect.</source>
        <translation>Typ het adres van uw CardDAV-server (de hulp van uw provider noemt het), uw gebruikersnaam en uw wachtwoord en klik daarna op ‘Verbinden’.</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="136"/>
        <source>Stop S&amp;yncing</source>
        <translation>S&amp;toppen met synchroniseren</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="137"/>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="146"/>
        <source>Sync Password</source>
        <translation>Wachtwoord voor synchronisatie</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="148"/>
        <source>Password:</source>
        <translation>Wachtwoord:</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="151"/>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="9"/>
        <source>Set &amp;Up Sync…</source>
        <translation>Synchronisatie &amp;instellen…</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="10"/>
        <source>Sync Se&amp;ttings…</source>
        <translation>Synchronisatie-inst&amp;ellingen…</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="13"/>
        <source>The directory and the address book are in step: %1 here, %2 in the address book.</source>
        <translation>De lijst en het adresboek zijn gelijk: %1 hier, %2 in het adresboek.</translation>
    </message>
    <message numerus="yes">
        <location filename="../res/SyncStringTable.cpp" line="15"/>
        <source>%n change</source>
        <translation>
            <numerusform>%n wijziging</numerusform>
            <numerusform>%n wijzigingen</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="17"/>
        <source>Type the server&apos;s address, your user name and your password first.</source>
        <translation>Typ eerst het adres van de server, uw gebruikersnaam en uw wachtwoord.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="18"/>
        <source>Looking for your address books on the server…</source>
        <translation>Uw adresboeken worden op de server gezocht…</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="20"/>
        <source>The server holds several address books for %1. Pick the one to sync with, then press Connect again.</source>
        <translation>De server heeft meerdere adresboeken voor %1. Kies het adresboek om mee te synchroniseren en klik opnieuw op ‘Verbinden’.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="24"/>
        <source>%1 refused the password of %2. Check the user name and the password, then press Connect again.</source>
        <translation>%1 heeft het wachtwoord van %2 geweigerd. Controleer de gebruikersnaam en het wachtwoord en klik opnieuw op ‘Verbinden’.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="27"/>
        <source>No address book was found at %1 for %2. Check the server&apos;s address (your provider&apos;s help names it), then press Connect again.</source>
        <translation>Op %1 is geen adresboek voor %2 gevonden. Controleer het adres van de server (de hulp van uw provider noemt het) en klik opnieuw op ‘Verbinden’.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="31"/>
        <source>The server could not be reached or did not answer as expected:
%1</source>
        <translation>De server was niet bereikbaar of antwoordde niet zoals verwacht:
%1</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="33"/>
        <source>The directory and the address book are in step. Your password is kept in your desktop&apos;s keyring.</source>
        <translation>De lijst en het adresboek zijn gelijk. Uw wachtwoord is bewaard in de sleutelbos van uw bureaublad.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="36"/>
        <source>The directory and the address book are in step. Your password is kept in the file %1, which only you can read.</source>
        <translation>De lijst en het adresboek zijn gelijk. Uw wachtwoord is bewaard in het bestand %1, dat alleen u kunt lezen.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="40"/>
        <source>The directory and the address book are in step. Your password could not be kept, so the sync will ask for it again.</source>
        <translation>De lijst en het adresboek zijn gelijk. Uw wachtwoord kon niet worden bewaard; de synchronisatie vraagt er daarom opnieuw om.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="44"/>
        <source>Sync every quarter of an hour from now on, while you are logged in?</source>
        <translation>Voortaan elk kwartier synchroniseren, zolang u bent aangemeld?</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="45"/>
        <source>Sync &amp;every quarter hour</source>
        <translation>&amp;Elk kwartier</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="46"/>
        <source>&amp;Not now</source>
        <translation>&amp;Niet nu</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="48"/>
        <source>From now on the directory is synced every quarter of an hour.</source>
        <translation>De lijst wordt voortaan elk kwartier gesynchroniseerd.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="50"/>
        <source>This computer cannot sync every quarter of an hour on its own: that needs the systemd user manager, and none runs for you here. Use Sync Now in the window menu instead.</source>
        <translation>Deze computer kan niet uit zichzelf elk kwartier synchroniseren: daarvoor is de gebruikersbeheerder van systemd nodig, en die draait hier niet voor u. Gebruik in plaats daarvan ‘Nu synchroniseren’ in het venstermenu.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="54"/>
        <source>The quarter-hourly sync could not be switched on:

%1</source>
        <translation>Het synchroniseren elk kwartier kon niet worden ingeschakeld:

%1</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="56"/>
        <source>Stop syncing this directory with the address book?

The directory file stays as it is. The sync can also forget what it knows of this directory; setting it up again then starts afresh.</source>
        <translation>Stoppen met het synchroniseren van deze lijst met het adresboek?

Het lijstbestand blijft zoals het is. De synchronisatie kan ook vergeten wat ze van deze lijst weet; opnieuw instellen begint dan vanaf nul.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="59"/>
        <source>&amp;Stop syncing</source>
        <translation>&amp;Stoppen</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="60"/>
        <source>Stop and &amp;forget</source>
        <translation>Stoppen en &amp;vergeten</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="62"/>
        <source>The directory is no longer synced every quarter of an hour. Sync Now still syncs it when you ask.</source>
        <translation>De lijst wordt niet meer elk kwartier gesynchroniseerd. ‘Nu synchroniseren’ synchroniseert haar nog steeds wanneer u dat vraagt.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="65"/>
        <source>The directory is no longer synced. Dialstack.dat stays as it is.</source>
        <translation>De lijst wordt niet meer gesynchroniseerd. Dialstack.dat blijft zoals het is.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="66"/>
        <source>The sync could not be stopped:

%1</source>
        <translation>De synchronisatie kon niet worden gestopt:

%1</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="69"/>
        <source>%1 refused the password of %2. Type the password again:</source>
        <translation>%1 heeft het wachtwoord van %2 geweigerd. Typ het wachtwoord opnieuw:</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="70"/>
        <source>The sync needs the password of %2 at %1:</source>
        <translation>De synchronisatie heeft het wachtwoord van %2 op %1 nodig:</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="72"/>
        <source>The password file %1 is gone or others can read it, so the sync no longer uses it. Type the password; it will be kept safely:</source>
        <translation>Het wachtwoordbestand %1 is weg of anderen kunnen het lezen; de synchronisatie gebruikt het daarom niet meer. Typ het wachtwoord; het wordt weer veilig bewaard:</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="77"/>
        <source>Names were deleted here, and %1 of the %2 cards in the address book would go with them: %3.

The sync stopped so that nothing is deleted by mistake.</source>
        <translation>Hier zijn namen verwijderd, en %1 van de %2 kaarten in het adresboek zouden mee verdwijnen: %3.

De synchronisatie is gestopt, zodat er niets per ongeluk wordt verwijderd.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="81"/>
        <source>Cards were deleted from the address book, and %1 of the %2 names here would go with them: %3.

The sync stopped so that nothing is deleted by mistake.</source>
        <translation>In het adresboek zijn kaarten verwijderd, en %1 van de %2 namen hier zouden mee verdwijnen: %3.

De synchronisatie is gestopt, zodat er niets per ongeluk wordt verwijderd.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="84"/>
        <source>&amp;Delete them there too</source>
        <translation>Daar ook &amp;verwijderen</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="85"/>
        <source>&amp;Delete them here too</source>
        <translation>Hier ook &amp;verwijderen</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="86"/>
        <source>&amp;Bring them back</source>
        <translation>&amp;Terugzetten</translation>
    </message>
    <message numerus="yes">
        <location filename="../res/SyncStringTable.cpp" line="87"/>
        <source>and %n other name</source>
        <translation>
            <numerusform>en nog %n naam</numerusform>
            <numerusform>en nog %n namen</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="91"/>
        <source>This computer does not trust the certificate of %1, so the sync stopped.

Issued to: %2
Issued by: %3
SHA-256 fingerprint: %4

Trust it only if your server&apos;s administrator gave you this fingerprint.</source>
        <translation>Deze computer vertrouwt het certificaat van %1 niet; de synchronisatie is daarom gestopt.

Uitgegeven aan: %2
Uitgegeven door: %3
SHA-256-vingerafdruk: %4

Vertrouw het alleen als de beheerder van uw server u deze vingerafdruk heeft gegeven.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="95"/>
        <source>&amp;Trust this certificate</source>
        <translation>Dit certificaat &amp;vertrouwen</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="97"/>
        <source>The address book %1 is gone from the server, so the sync stopped. Choose the address book to sync with in the window that opens now.</source>
        <translation>Het adresboek %1 bestaat niet meer op de server; de synchronisatie is daarom gestopt. Kies in het venster dat nu opent het adresboek om mee te synchroniseren.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="102"/>
        <source>&quot;%1&quot; was changed both here and in the address book. It now holds the address book&apos;s version; this computer&apos;s version was kept as &quot;%2&quot;.
%3</source>
        <translation>‘%1’ is zowel hier als in het adresboek gewijzigd. Het item heeft nu de versie van het adresboek; de versie van deze computer is bewaard als ‘%2’.
%3</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="105"/>
        <source>%1: here &quot;%2&quot;, in the address book &quot;%3&quot;</source>
        <translation>%1: hier ‘%2’, in het adresboek ‘%3’</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="107"/>
        <source>&amp;Select the Copy</source>
        <translation>&amp;Kopie selecteren</translation>
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
        <translation>gebruik: dialstack [--help | --version]
Opent de telefoonlijst Dialstack.dat van de huidige map in een venster. Zie
dialstack(1); dialstack-convert(1) en dialstack-sync(1) werken vanaf de
opdrachtregel met hetzelfde bestand.
</translation>
    </message>
    <message>
        <location filename="../app/StartOptions.cpp" line="18"/>
        <source>this program needs a graphical desktop, but no display is set here (DISPLAY and WAYLAND_DISPLAY are empty); start it from your desktop session.</source>
        <translation>dit programma heeft een grafische desktop nodig, maar hier is geen scherm ingesteld (DISPLAY en WAYLAND_DISPLAY zijn leeg); start het vanuit uw desktopsessie.</translation>
    </message>
</context>
</TS>
