<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>dialstack-sync</name>
    <message>
        <source>left out: %1, a group or a place is not a contact</source>
        <translation>niet gesynchroniseerd: %1, een groep of plaats is geen contact</translation>
    </message>
    <message>
        <source>Open Dialstack</source>
        <translation>Dialstack openen</translation>
    </message>
    <message>
        <source>%1 could not be started</source>
        <translation>%1 kon niet worden gestart</translation>
    </message>
    <message>
        <source>%1 did not finish within a minute</source>
        <translation>%1 was niet binnen een minuut klaar</translation>
    </message>
    <message>
        <source>%1 ended with status %2</source>
        <translation>%1 eindigde met status %2</translation>
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
        <translation>Proefdraai, er is niets gewijzigd. Verwacht resultaat hier: %1; op de server: %2; %3</translation>
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
        <translation>zou hier worden toegevoegd: %1</translation>
    </message>
    <message>
        <source>would change here: %1</source>
        <translation>zou hier worden gewijzigd: %1</translation>
    </message>
    <message>
        <source>would delete here: %1</source>
        <translation>zou hier worden verwijderd: %1</translation>
    </message>
    <message>
        <source>would add on the server: %1</source>
        <translation>zou op de server worden toegevoegd: %1</translation>
    </message>
    <message>
        <source>would change on the server: %1</source>
        <translation>zou op de server worden gewijzigd: %1</translation>
    </message>
    <message>
        <source>would delete on the server: %1</source>
        <translation>zou op de server worden verwijderd: %1</translation>
    </message>
    <message>
        <source>kept both versions of a record changed on both sides: the server&apos;s, and this machine&apos;s as %1</source>
        <translation>beide versies van een item dat aan beide kanten is gewijzigd, zijn bewaard: die van de server, en die van deze computer als %1</translation>
    </message>
    <message>
        <source>would keep both versions of a record changed on both sides: the server&apos;s, and this machine&apos;s as %1</source>
        <translation>beide versies van een item dat aan beide kanten is gewijzigd, zouden worden bewaard: die van de server, en die van deze computer als %1</translation>
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
        <source>&quot;%1&quot;</source>
        <translation>‘%1’</translation>
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
        <translation>%1: het telefoonlijstbestand kon niet volledig worden gelezen; er is niets gesynchroniseerd</translation>
    </message>
    <message>
        <source>%1: the folder %2 does not exist; nothing was synced</source>
        <translation>%1: de map %2 bestaat niet; er is niets gesynchroniseerd</translation>
    </message>
    <message>
        <source>%1: the folder %2 is read-only, so the directory file cannot be saved there; nothing was synced</source>
        <translation>%1: de map %2 is alleen-lezen, dus het telefoonlijstbestand kan daar niet worden opgeslagen; er is niets gesynchroniseerd</translation>
    </message>
    <message>
        <source>%1: is a folder, not a directory file; nothing was synced</source>
        <translation>%1: is een map, geen telefoonlijstbestand; er is niets gesynchroniseerd</translation>
    </message>
    <message>
        <source>%1: could not be saved: %2; the directory file is unchanged</source>
        <translation>%1: kon niet worden opgeslagen: %2; het telefoonlijstbestand is ongewijzigd</translation>
    </message>
    <message>
        <source>%1: could not be saved: %2</source>
        <translation>%1: kon niet worden opgeslagen: %2</translation>
    </message>
    <message>
        <source>stopped by %1</source>
        <translation>gestopt door %1</translation>
    </message>
    <message>
        <source>the address book is at %1, on another server than %2; remove %3 and give the address book with --url</source>
        <translation>het adresboek staat op %1, een andere server dan %2; verwijder %3 en geef het adresboek op met --url</translation>
    </message>
    <message>
        <source>%1 --dry-run --verbose   (then %1 --force, if that is what you want)</source>
        <translation>%1 --dry-run --verbose   (daarna %1 --force, als u dat wilt)</translation>
    </message>
    <message>
        <source>%1 --password-file FILE   (FILE: the new password, chmod 600)</source>
        <translation>%1 --password-file BESTAND   (BESTAND: het nieuwe wachtwoord, chmod 600)</translation>
    </message>
    <message>
        <source>%1 --password-file FILE</source>
        <translation>%1 --password-file BESTAND</translation>
    </message>
    <message>
        <source>the address book %1 is gone from the server; nothing was changed here</source>
        <translation>het adresboek %1 is van de server verdwenen; hier is niets gewijzigd</translation>
    </message>
    <message>
        <source>rm %1; %2 --url URL-OF-THE-ADDRESS-BOOK</source>
        <translation>rm %1; %2 --url URL-VAN-HET-ADRESBOEK</translation>
    </message>
    <message>
        <source>%1 is synced with %2; to sync it with another address book, first remove %3</source>
        <translation>%1 wordt gesynchroniseerd met %2; verwijder eerst %3 om het met een ander adresboek te synchroniseren</translation>
    </message>
    <message>
        <source>a password is never sent over plain http:// except to this machine; use https:// for %1</source>
        <translation>een wachtwoord wordt nooit via onversleuteld http:// verstuurd, behalve naar deze computer; gebruik https:// voor %1</translation>
    </message>
    <message>
        <source>%1: holds no certificate (PEM) that can be read</source>
        <translation>%1: bevat geen leesbaar certificaat (PEM)</translation>
    </message>
    <message>
        <source>%1: the certificate remembered for this server cannot be read; give it again with --certificate FILE</source>
        <translation>%1: het voor deze server onthouden certificaat kan niet worden gelezen; geef het opnieuw op met --certificate BESTAND</translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring (none is running); from now on the file %1 is read for it. Keep it readable by you alone.</source>
        <translation>Het wachtwoord kon niet in de sleutelbos worden bewaard (er draait er geen); voortaan wordt het uit het bestand %1 gelezen. Houd dat bestand alleen voor u leesbaar.</translation>
    </message>
    <message>
        <source>the server has several address books; run again with --url and one of them:</source>
        <translation>de server heeft meerdere adresboeken; start opnieuw met --url en een daarvan:</translation>
    </message>
    <message>
        <source>%1 sent this program to %2, another server; it only talks to the server it was given. If that one is right, give it with --url</source>
        <translation>%1 stuurde dit programma door naar %2, een andere server; het praat alleen met de server die het kreeg. Als die de juiste is, geef hem dan op met --url</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted (%2); if it is your own server&apos;s, give its certificate with --certificate FILE</source>
        <translation>het certificaat van %1 wordt niet vertrouwd (%2); als het van uw eigen server is, geef het certificaat dan op met --certificate BESTAND</translation>
    </message>
    <message>
        <source>%1: the server does not allow this (403 Forbidden)</source>
        <translation>%1: de server staat dit niet toe (403 Forbidden)</translation>
    </message>
    <message>
        <source>%1: not found on the server (404)</source>
        <translation>%1: niet gevonden op de server (404)</translation>
    </message>
    <message>
        <source>%1: the server answered %2</source>
        <translation>%1: de server antwoordde %2</translation>
    </message>
    <message>
        <source>%1 sent a reply that could not be read: %2</source>
        <translation>%1 stuurde een antwoord dat niet kon worden gelezen: %2</translation>
    </message>
    <message>
        <source>%1 could not give the card %2 (no status); nothing was changed, run the sync again later</source>
        <translation>%1 kon de kaart %2 niet leveren (geen status); er is niets gewijzigd, synchroniseer later opnieuw</translation>
    </message>
    <message>
        <source>%1 could not give the card %2 (status %3); nothing was changed, run the sync again later</source>
        <translation>%1 kon de kaart %2 niet leveren (status %3); er is niets gewijzigd, synchroniseer later opnieuw</translation>
    </message>
    <message>
        <source>the server answered %1 (%2)</source>
        <translation>de server antwoordde %1 (%2)</translation>
    </message>
    <message>
        <source>the server answered %1: %2</source>
        <translation>de server antwoordde %1: %2</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>de server antwoordde %1</translation>
    </message>
    <message>
        <source>%1 points to another server, %2, for the address books; nothing was sent there. If that server is right, give its address book with --url</source>
        <translation>%1 verwijst voor de adresboeken naar een andere server, %2; daarheen is niets verstuurd. Als die server de juiste is, geef zijn adresboek dan op met --url</translation>
    </message>
    <message>
        <source>the reply is not a WebDAV multistatus</source>
        <translation>het antwoord is geen WebDAV-multistatus</translation>
    </message>
    <message>
        <source>the address book kept changing while this sync wrote to it; nothing was lost, run the sync again</source>
        <translation>het adresboek bleef veranderen terwijl deze synchronisatie erin schreef; er is niets verloren, synchroniseer opnieuw</translation>
    </message>
    <message>
        <source>the card of %1</source>
        <translation>de kaart van %1</translation>
    </message>
    <message>
        <source>the card %1</source>
        <translation>de kaart %1</translation>
    </message>
    <message>
        <source>status %1</source>
        <translation>status %1</translation>
    </message>
    <message>
        <source>left out of its reply</source>
        <translation>weggelaten uit zijn antwoord</translation>
    </message>
    <message>
        <source>%1 did not give %2 (%3); nothing was changed, run the sync again later</source>
        <translation>%1 heeft %2 niet geleverd (%3); er is niets gewijzigd, synchroniseer later opnieuw</translation>
    </message>
    <message numerus="yes">
        <source>%1 did not give %2 (%3) nor %n other cards; nothing was changed, run the sync again later</source>
        <translation>
            <numerusform>%1 heeft %2 (%3) en %n andere kaart niet geleverd; er is niets gewijzigd, synchroniseer later opnieuw</numerusform>
            <numerusform>%1 heeft %2 (%3) en %n andere kaarten niet geleverd; er is niets gewijzigd, synchroniseer later opnieuw</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the directory file changed on disk while syncing; nothing was changed here, run the sync again</source>
        <translation>%1: het telefoonlijstbestand is tijdens het synchroniseren op schijf gewijzigd; hier is niets gewijzigd, synchroniseer opnieuw</translation>
    </message>
    <message>
        <source>%1: its last record has no name, and adding records would overwrite it; give it a name in Dialstack first. Nothing was changed</source>
        <translation>%1: het laatste item heeft geen naam, en items toevoegen zou het overschrijven; geef het eerst een naam in Dialstack. Er is niets gewijzigd</translation>
    </message>
    <message numerus="yes">
        <source>the server refused %n record: %1. Everything else was synced</source>
        <translation>
            <numerusform>de server weigerde %n item: %1. Al het andere is gesynchroniseerd</numerusform>
            <numerusform>de server weigerde %n items: %1. Al het andere is gesynchroniseerd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the server refused %n records: %1. Everything else was synced</source>
        <translation>
            <numerusform>de server weigerde %n item: %1. Al het andere is gesynchroniseerd</numerusform>
            <numerusform>de server weigerde %n items: %1. Al het andere is gesynchroniseerd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 en nog %n</numerusform>
            <numerusform>%1 en nog %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the sync state is damaged; remove it to sync this directory afresh</source>
        <translation>%1: de synchronisatiestatus is beschadigd; verwijder hem om deze telefoonlijst opnieuw vanaf nul te synchroniseren</translation>
    </message>
    <message>
        <source>%1: the sync journal could not be written</source>
        <translation>%1: het synchronisatielogboek kon niet worden geschreven</translation>
    </message>
    <message>
        <source>%1: the folder could not be made</source>
        <translation>%1: de map kon niet worden aangemaakt</translation>
    </message>
    <message>
        <source>%1: the sync state could not be saved: %2</source>
        <translation>%1: de synchronisatiestatus kon niet worden opgeslagen: %2</translation>
    </message>
    <message>
        <source>%1: the sync state could not be made private</source>
        <translation>%1: de synchronisatiestatus kon niet privé worden gemaakt</translation>
    </message>
    <message>
        <source>Dialstack sync needs you</source>
        <translation>De Dialstack-synchronisatie heeft u nodig</translation>
    </message>
    <message>
        <source>Dialstack: %1 at %2</source>
        <translation>Dialstack: %1 op %2</translation>
    </message>
    <message>
        <source>%1 is neither a CardDAV server nor an address book (asked: %2); give the address of your address book with --url</source>
        <translation>%1 is geen CardDAV-server en geen adresboek (gevraagd: %2); geef het adres van uw adresboek op met --url</translation>
    </message>
    <message>
        <source>%1 is synced with %2; to sync it with another address book, first forget this sync with --forget</source>
        <translation>%1 wordt gesynchroniseerd met %2; om het met een ander adresboek te synchroniseren, vergeet u eerst deze synchronisatie met --forget</translation>
    </message>
    <message>
        <source>%1 refused the password for %2 read from %3; put the new password in that file</source>
        <translation>%1 heeft het wachtwoord voor %2 uit %3 geweigerd; zet het nieuwe wachtwoord in dat bestand</translation>
    </message>
    <message>
        <source>%1: %2; nothing was synced</source>
        <translation>%1: %2; er is niets gesynchroniseerd</translation>
    </message>
    <message>
        <source>%1: no certificate could be had from the server: %2</source>
        <translation>%1: er was geen certificaat van de server te krijgen: %2</translation>
    </message>
    <message>
        <source>%1: the server answered %2 (%3)</source>
        <translation>%1: de server antwoordde %2 (%3)</translation>
    </message>
    <message>
        <source>%1: the sync's memory of this directory file is damaged (%2); forget it, then sync again with --url</source>
        <translation>%1: de synchronisatiestatus van dit telefoonlijstbestand is beschadigd (%2); vergeet hem en synchroniseer daarna opnieuw met --url</translation>
    </message>
    <message>
        <source>--accept-certificate is for a server at an https:// address</source>
        <translation>--accept-certificate is voor een server met een https://-adres</translation>
    </message>
    <message>
        <source>--accept-certificate needs the certificate's SHA-256 fingerprint (64 hex digits)</source>
        <translation>--accept-certificate heeft de SHA-256-vingerafdruk van het certificaat nodig (64 hexadecimale cijfers)</translation>
    </message>
    <message>
        <source>--discover needs --url (the server or the address book)</source>
        <translation>--discover heeft --url nodig (de server of het adresboek)</translation>
    </message>
    <message>
        <source>--discover, --forget and --timer each run alone</source>
        <translation>--discover, --forget en --timer werken elk alleen</translation>
    </message>
    <message>
        <source>--password-stdin: no password came on standard input</source>
        <translation>--password-stdin: er kwam geen wachtwoord binnen op de standaardinvoer</translation>
    </message>
    <message>
        <source>--report takes json</source>
        <translation>--report accepteert json</translation>
    </message>
    <message>
        <source>--timer takes on, off or status</source>
        <translation>--timer accepteert on, off of status</translation>
    </message>
    <message>
        <source>Address books found:</source>
        <translation>Gevonden adresboeken:</translation>
    </message>
    <message>
        <source>Keep it in %1 (readable by you alone)? [y/N]</source>
        <translation>Bewaren in %1 (alleen voor u leesbaar)? [j/N]</translation>
    </message>
    <message>
        <source>y</source>
        <translation>j</translation>
    </message>
    <message>
        <source>No timer syncs this directory file.</source>
        <translation>Er is geen timer die dit telefoonlijstbestand synchroniseert.</translation>
    </message>
    <message>
        <source>The password could not be kept: %1</source>
        <translation>Het wachtwoord kon niet worden bewaard: %1</translation>
    </message>
    <message>
        <source>The timer syncs this directory file every quarter of an hour.</source>
        <translation>De timer synchroniseert dit telefoonlijstbestand elk kwartier.</translation>
    </message>
    <message>
        <source>a password is never taken on the command line: use --password-file FILE, --password-stdin, or the keyring</source>
        <translation>een wachtwoord wordt nooit op de opdrachtregel aangenomen: gebruik --password-file BESTAND, --password-stdin of de sleutelbos</translation>
    </message>
    <message>
        <source>give the password with --password-file or --password-stdin, not both</source>
        <translation>geef het wachtwoord op met --password-file of met --password-stdin, niet met beide</translation>
    </message>
    <message>
        <source>is a folder, not a directory file</source>
        <translation>is een map, geen telefoonlijstbestand</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>het kan niet worden gelezen</translation>
    </message>
    <message>
        <source>it is no sync state this program wrote, or it was cut short</source>
        <translation>hij is niet door dit programma geschreven, of hij is afgekapt</translation>
    </message>
    <message>
        <source>it is not the one whose fingerprint was given</source>
        <translation>het is niet het certificaat met de opgegeven vingerafdruk</translation>
    </message>
    <message>
        <source>no password for %1 at %2: the keyring has none, and no password file is remembered</source>
        <translation>geen wachtwoord voor %1 op %2: de sleutelbos heeft er geen, en er is geen wachtwoordbestand onthouden</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted (%2); its SHA-256 fingerprint is %3. If it is your own server's, trust it</source>
        <translation>het certificaat van %1 wordt niet vertrouwd (%2); de SHA-256-vingerafdruk is %3. Als het van uw eigen server is, vertrouw het dan</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>de map bestaat niet</translation>
    </message>
    <message>
        <source>the folder is read-only, so the directory file cannot be saved there</source>
        <translation>de map is alleen-lezen, dus het telefoonlijstbestand kan daar niet worden opgeslagen</translation>
    </message>
    <message>
        <source>the timer could not be set: %1</source>
        <translation>de timer kon niet worden ingesteld: %1</translation>
    </message>
    <message>
        <source>the timer cannot be set: no systemd user manager runs for this user</source>
        <translation>de timer kan niet worden ingesteld: er draait geen systemd-gebruikersbeheerder voor deze gebruiker</translation>
    </message>
    <message>
        <source>this sync would delete %1; nothing was changed. If that is what you want, run it again with --force; to bring them back instead, with --bring-back</source>
        <translation>deze synchronisatie zou %1 verwijderen; er is niets gewijzigd. Als u dat wilt, start u haar opnieuw met --force; om ze in plaats daarvan terug te halen, met --bring-back</translation>
    </message>
    <message numerus="yes">
        <source>the server refused %n card (%1); everything else is in step</source>
        <translation>
            <numerusform>de server heeft %n kaart geweigerd (%1); al het andere is gelijk</numerusform>
            <numerusform>de server heeft %n kaarten geweigerd (%1); al het andere is gelijk</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the server refused %n cards (%1); everything else is in step</source>
        <translation>
            <numerusform>de server heeft %n kaart geweigerd (%1); al het andere is gelijk</numerusform>
            <numerusform>de server heeft %n kaarten geweigerd (%1); al het andere is gelijk</numerusform>
        </translation>
    </message>
    <message>
        <source>the server sent this program to %1, another server; it only talks to the server it was given. If that one is right, give it with --url</source>
        <translation>de server stuurde dit programma door naar %1, een andere server; het praat alleen met de server die het kreeg. Als die de juiste is, geef hem dan op met --url</translation>
    </message>
    <message>
        <source>the server points to another server, %1, for the address books; nothing was sent there. If that server is right, give its address book with --url</source>
        <translation>de server verwijst voor de adresboeken naar een andere server, %1; daarheen is niets verstuurd. Als die server de juiste is, geef zijn adresboek dan op met --url</translation>
    </message>
</context>
</TS>
