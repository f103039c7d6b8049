<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
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
