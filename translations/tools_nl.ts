<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
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
        <source>%n record matches</source>
        <translation>
            <numerusform>%n item komt overeen</numerusform>
            <numerusform>%n items komen overeen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records match</source>
        <translation>
            <numerusform>%n item komt overeen</numerusform>
            <numerusform>%n items komen overeen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record added</source>
        <translation>
            <numerusform>%n item toegevoegd</numerusform>
            <numerusform>%n items toegevoegd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records added</source>
        <translation>
            <numerusform>%n item toegevoegd</numerusform>
            <numerusform>%n items toegevoegd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact skipped</source>
        <translation>
            <numerusform>%n contact overgeslagen</numerusform>
            <numerusform>%n contacten overgeslagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contacts skipped</source>
        <translation>
            <numerusform>%n contact overgeslagen</numerusform>
            <numerusform>%n contacten overgeslagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n value moved to misc</source>
        <translation>
            <numerusform>%n waarde naar ‘overig’ verplaatst</numerusform>
            <numerusform>%n waarden naar ‘overig’ verplaatst</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n values moved to misc</source>
        <translation>
            <numerusform>%n waarde naar ‘overig’ verplaatst</numerusform>
            <numerusform>%n waarden naar ‘overig’ verplaatst</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n character replaced</source>
        <translation>
            <numerusform>%n teken vervangen</numerusform>
            <numerusform>%n tekens vervangen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters replaced</source>
        <translation>
            <numerusform>%n teken vervangen</numerusform>
            <numerusform>%n tekens vervangen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record exported</source>
        <translation>
            <numerusform>%n item geëxporteerd</numerusform>
            <numerusform>%n items geëxporteerd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records exported</source>
        <translation>
            <numerusform>%n item geëxporteerd</numerusform>
            <numerusform>%n items geëxporteerd</numerusform>
        </translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>standaardinvoer</translation>
    </message>
    <message>
        <source>%1: %2; nothing was imported</source>
        <translation>%1: %2; er is niets geïmporteerd</translation>
    </message>
    <message>
        <source>is a folder, not a contact file</source>
        <translation>is een map, geen contactenbestand</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>kan niet worden geopend</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>dit bestand bestaat niet</translation>
    </message>
    <message>
        <source>%1: could not be saved: %2; the directory file is unchanged</source>
        <translation>%1: kon niet worden opgeslagen: %2; het adresboekbestand is ongewijzigd</translation>
    </message>
    <message>
        <source>%1: could not be saved: %2; the directory file may be damaged: check it, and import again</source>
        <translation>%1: kon niet worden opgeslagen: %2; het adresboekbestand is mogelijk beschadigd: controleer het en importeer opnieuw</translation>
    </message>
    <message>
        <source>%1: is a folder, not a directory file; nothing was converted</source>
        <translation>%1: is een map, geen adresboekbestand; er is niets omgezet</translation>
    </message>
    <message>
        <source>%1: there is no directory file</source>
        <translation>%1: er is geen adresboekbestand</translation>
    </message>
    <message>
        <source>%1: %2 (close Dialstack&apos;s window on it, or wait for the other import); nothing was changed</source>
        <translation>%1: %2 (sluit het Dialstack-venster waarin het open is, of wacht op de andere import); er is niets gewijzigd</translation>
    </message>
    <message>
        <source>say export, import or query</source>
        <translation>geef export, import of query op</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>onbekende opdracht ‘%1’</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos;</source>
        <translation>onbekende indeling ‘%1’</translation>
    </message>
    <message>
        <source>--spreadsheet is for export</source>
        <translation>--spreadsheet is alleen voor export</translation>
    </message>
    <message>
        <source>--output is for export</source>
        <translation>--output is alleen voor export</translation>
    </message>
    <message>
        <source>query needs one TEXT to look for</source>
        <translation>query heeft één TEKST nodig om te zoeken</translation>
    </message>
    <message>
        <source>query takes no --format or --verbose</source>
        <translation>query accepteert geen --format of --verbose</translation>
    </message>
    <message>
        <source>export takes no file arguments (use --output)</source>
        <translation>export accepteert geen bestanden als argument (gebruik --output)</translation>
    </message>
    <message>
        <source>--output names the directory file itself</source>
        <translation>--output noemt het adresboekbestand zelf</translation>
    </message>
    <message>
        <source>--spreadsheet writes CSV, not --format vcard</source>
        <translation>--spreadsheet schrijft CSV, niet --format vcard</translation>
    </message>
    <message>
        <source>--format vcard or --format csv is needed (or an --output FILE ending in .vcf or .csv)</source>
        <translation>--format vcard of --format csv is nodig (of een --output BESTAND dat op .vcf of .csv eindigt)</translation>
    </message>
    <message>
        <source>import needs at least one file (&apos;-&apos; for standard input)</source>
        <translation>import heeft minstens één bestand nodig (&apos;-&apos; voor de standaardinvoer)</translation>
    </message>
    <message>
        <source>--format vcard or --format csv is needed (&apos;%1&apos; does not end in .vcf or .csv)</source>
        <translation>--format vcard of --format csv is nodig (‘%1’ eindigt niet op .vcf of .csv)</translation>
    </message>
    <message>
        <source>ran out of memory; nothing was changed</source>
        <translation>geen geheugen meer; er is niets gewijzigd</translation>
    </message>
    <message>
        <source>a file holds a field too long to be held (%1); nothing was changed</source>
        <translation>een bestand bevat een te lang veld (%1); er is niets gewijzigd</translation>
    </message>
    <message>
        <source>stopped: %1; nothing was changed</source>
        <translation>gestopt: %1; er is niets gewijzigd</translation>
    </message>
    <message>
        <source>--file needs a file name</source>
        <translation>--file heeft een bestandsnaam nodig</translation>
    </message>
    <message>
        <source>cannot be read as %1: %2</source>
        <translation>kan niet als %1 worden gelezen: %2</translation>
    </message>
    <message>
        <source>%1: could not be written</source>
        <translation>%1: kon niet worden geschreven</translation>
    </message>
    <message>
        <source>could not write to standard output</source>
        <translation>kon niet naar de standaarduitvoer schrijven</translation>
    </message>
    <message>
        <source>%1: could not be written: %2</source>
        <translation>%1: kon niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>%1: could not be written: %2; the file that was there is no longer as it was</source>
        <translation>%1: kon niet worden geschreven: %2; het bestand dat er stond is niet meer zoals het was</translation>
    </message>
    <message>
        <source>%1: the directory file could not be opened: %2; nothing was converted</source>
        <translation>%1: het adresboekbestand kon niet worden geopend: %2; er is niets omgezet</translation>
    </message>
    <message>
        <source>%1: the directory file could not be read completely; nothing was converted</source>
        <translation>%1: het adresboekbestand kon niet volledig worden gelezen; er is niets omgezet</translation>
    </message>
</context>
<context>
    <name>dialstack-sync</name>
    <message>
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
        <source>%n added</source>
        <translation>
            <numerusform>%n toegevoegd</numerusform>
            <numerusform>%n toegevoegd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed</source>
        <translation>
            <numerusform>%n gewijzigd</numerusform>
            <numerusform>%n gewijzigd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n deleted</source>
        <translation>
            <numerusform>%n verwijderd</numerusform>
            <numerusform>%n verwijderd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n conflict kept as a copy</source>
        <translation>
            <numerusform>%n conflict als kopie bewaard</numerusform>
            <numerusform>%n conflicten als kopieën bewaard</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n conflicts kept as copies</source>
        <translation>
            <numerusform>%n conflict als kopie bewaard</numerusform>
            <numerusform>%n conflicten als kopieën bewaard</numerusform>
        </translation>
    </message>
    <message>
        <source>Here: %1; on the server: %2; %3</source>
        <translation>Hier: %1; op de server: %2; %3</translation>
    </message>
    <message>
        <source>Dry run, nothing changed. Would do here: %1; on the server: %2; %3</source>
        <translation>Proefdraai, niets gewijzigd. Zou hier: %1; op de server: %2; %3</translation>
    </message>
    <message>
        <source>added here: %1</source>
        <translation>hier toegevoegd: %1</translation>
    </message>
    <message>
        <source>changed here: %1</source>
        <translation>hier gewijzigd: %1</translation>
    </message>
    <message>
        <source>deleted here: %1</source>
        <translation>hier verwijderd: %1</translation>
    </message>
    <message>
        <source>added on the server: %1</source>
        <translation>op de server toegevoegd: %1</translation>
    </message>
    <message>
        <source>changed on the server: %1</source>
        <translation>op de server gewijzigd: %1</translation>
    </message>
    <message>
        <source>deleted on the server: %1</source>
        <translation>op de server verwijderd: %1</translation>
    </message>
    <message>
        <source>would add here: %1</source>
        <translation>zou hier toevoegen: %1</translation>
    </message>
    <message>
        <source>would change here: %1</source>
        <translation>zou hier wijzigen: %1</translation>
    </message>
    <message>
        <source>would delete here: %1</source>
        <translation>zou hier verwijderen: %1</translation>
    </message>
    <message>
        <source>would add on the server: %1</source>
        <translation>zou op de server toevoegen: %1</translation>
    </message>
    <message>
        <source>would change on the server: %1</source>
        <translation>zou op de server wijzigen: %1</translation>
    </message>
    <message>
        <source>would delete on the server: %1</source>
        <translation>zou op de server verwijderen: %1</translation>
    </message>
    <message>
        <source>kept both versions of a record changed on both sides: the server&apos;s, and this machine&apos;s as %1</source>
        <translation>beide versies bewaard van een item dat aan beide kanten is gewijzigd: die van de server, en die van deze computer als %1</translation>
    </message>
    <message>
        <source>would keep both versions of a record changed on both sides: the server&apos;s, and this machine&apos;s as %1</source>
        <translation>zou beide versies bewaren van een item dat aan beide kanten is gewijzigd: die van de server, en die van deze computer als %1</translation>
    </message>
    <message>
        <source>%1: the password file cannot be read</source>
        <translation>%1: het wachtwoordbestand kan niet worden gelezen</translation>
    </message>
    <message>
        <source>%1: others can read this password file; make it yours alone (chmod 600 %1) and run again</source>
        <translation>%1: anderen kunnen dit wachtwoordbestand lezen; maak het alleen voor u leesbaar (chmod 600 %1) en start opnieuw</translation>
    </message>
    <message>
        <source>Password for %1 at %2: </source>
        <translation>Wachtwoord voor %1 op %2: </translation>
    </message>
    <message>
        <source>%1: a Dialstack window has unsaved changes in it, or another program is changing it. Nothing was synced; the next sync after you save takes the window&apos;s changes</source>
        <translation>%1: een Dialstack-venster heeft er niet-opgeslagen wijzigingen in, of een ander programma wijzigt het. Er is niets gesynchroniseerd; de volgende synchronisatie na het opslaan neemt de wijzigingen van het venster mee</translation>
    </message>
    <message>
        <source>stopped by %1; what was synced is kept, and the next sync goes on from there</source>
        <translation>gestopt door %1; wat al gesynchroniseerd is blijft bewaard, en de volgende synchronisatie gaat daar verder</translation>
    </message>
    <message>
        <source>no password for %1: the keyring has none; give --password-file FILE</source>
        <translation>geen wachtwoord voor %1: de sleutelbos heeft er geen; geef --password-file BESTAND op</translation>
    </message>
    <message>
        <source>no address book found at %1 for %2; create one on the server (in its web page, or with your phone&apos;s contacts app), then sync again</source>
        <translation>geen adresboek gevonden op %1 voor %2; maak er een aan op de server (op zijn webpagina, of met de contacten-app van uw telefoon) en synchroniseer dan opnieuw</translation>
    </message>
    <message>
        <source>this user</source>
        <translation>deze gebruiker</translation>
    </message>
    <message>
        <source>To settle it, run: %1</source>
        <translation>Om dit op te lossen, voert u uit: %1</translation>
    </message>
    <message>
        <source>a password is never taken on the command line: use --password-file FILE, or the keyring</source>
        <translation>een wachtwoord wordt nooit op de opdrachtregel aangenomen: gebruik --password-file BESTAND, of de sleutelbos</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>onverwacht argument: %1</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 meer dan eens opgegeven</translation>
    </message>
    <message>
        <source>--timeout needs a number of seconds from 1 to 3600</source>
        <translation>--timeout heeft een aantal seconden van 1 tot 3600 nodig</translation>
    </message>
    <message>
        <source>--url needs an http:// or https:// address, not %1</source>
        <translation>--url heeft een http://- of https://-adres nodig, niet %1</translation>
    </message>
    <message>
        <source>give the user name with --user, not inside the URL</source>
        <translation>geef de gebruikersnaam op met --user, niet in de URL</translation>
    </message>
    <message>
        <source>the first sync of %1 needs --url (the address book or the server)</source>
        <translation>de eerste synchronisatie van %1 heeft --url nodig (het adresboek of de server)</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 s</source>
        <translation>%1 antwoordde niet binnen %2 s</translation>
    </message>
    <message>
        <source>%1 refused the user name or password</source>
        <translation>%1 heeft de gebruikersnaam of het wachtwoord geweigerd</translation>
    </message>
    <message>
        <source>%1 of the %2 records here (%3)</source>
        <translation>%1 van de %2 items hier (%3)</translation>
    </message>
    <message>
        <source>%1 of the %2 cards on the server (%3)</source>
        <translation>%1 van de %2 kaarten op de server (%3)</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>this sync would delete %1; nothing was changed. If that is what you want, run it again with --force</source>
        <translation>deze synchronisatie zou %1 verwijderen; er is niets gewijzigd. Als u dat wilt, start u haar opnieuw met --force</translation>
    </message>
    <message>
        <source>%1: the directory file could not be read completely; nothing was synced</source>
        <translation>%1: het adresboekbestand kon niet volledig worden gelezen; er is niets gesynchroniseerd</translation>
    </message>
    <message>
        <source>%1: the folder %2 does not exist; nothing was synced</source>
        <translation>%1: de map %2 bestaat niet; er is niets gesynchroniseerd</translation>
    </message>
    <message>
        <source>%1: the folder %2 is read-only, so the directory file cannot be saved there; nothing was synced</source>
        <translation>%1: de map %2 is alleen-lezen, dus het adresboekbestand kan daar niet worden opgeslagen; er is niets gesynchroniseerd</translation>
    </message>
    <message>
        <source>%1: is a folder, not a directory file; nothing was synced</source>
        <translation>%1: is een map, geen adresboekbestand; er is niets gesynchroniseerd</translation>
    </message>
    <message>
        <source>%1: could not be saved: %2; the directory file is unchanged</source>
        <translation>%1: kon niet worden opgeslagen: %2; het adresboekbestand is ongewijzigd</translation>
    </message>
    <message>
        <source>%1: could not be saved: %2</source>
        <translation>%1: kon niet worden opgeslagen: %2</translation>
    </message>
</context>
</TS>
