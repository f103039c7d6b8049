<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>dialstack-sync</name>
    <message>
        <source>left out: %1, a group or a place is not a contact</source>
        <translation>nicht abgeglichen: %1, eine Gruppe oder ein Ort ist kein Kontakt</translation>
    </message>
    <message>
        <source>Open Dialstack</source>
        <translation>Dialstack öffnen</translation>
    </message>
    <message>
        <source>%1 could not be started</source>
        <translation>%1 konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>%1 did not finish within a minute</source>
        <translation>%1 ist nicht innerhalb einer Minute fertig geworden</translation>
    </message>
    <message>
        <source>%1 ended with status %2</source>
        <translation>%1 endete mit Status %2</translation>
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
        <translation>Aufruf: dialstack-sync [--file ORDNER/Dialstack.dat] [--url URL] [--user NAME]
                       [--password-file DATEI | --password-stdin] [--keep-password]
                       [--certificate DATEI | --accept-certificate SHA256] [--timeout SEKUNDEN]
                       [--dry-run] [--force | --bring-back] [--verbose] [--report json]
        dialstack-sync [--file ORDNER/Dialstack.dat] --discover --url URL [--user NAME] [...]
        dialstack-sync [--file ORDNER/Dialstack.dat] --forget | --timer on|off|status
        dialstack-sync --help | --version
Gleicht die Telefonbuchdatei mit ihrem CardDAV-Adressbuch ab. Der erste Lauf
braucht --url; URL, Benutzer, Passwortdatei und Zertifikat werden für diese
Telefonbuchdatei gemerkt. Das Passwort kommt aus --password-file oder mit
--password-stdin aus der ersten Zeile der Standardeingabe, sonst aus dem
Schlüsselbund, sonst aus der für die Telefonbuchdatei gemerkten Passwortdatei,
sonst aus einer Abfrage im Terminal. --keep-password behält ein Passwort, das
der Server angenommen hat: im Schlüsselbund, sonst in einer Datei, die nur Sie
lesen können.
--accept-certificate vertraut dem Zertifikat des Servers, wenn sein
SHA-256-Fingerabdruck der angegebene ist. --bring-back beantwortet ein
abgelehntes Massenlöschen, indem es die gelöschten Einträge zurückholt.
--discover listet die Adressbücher des Servers auf und ändert nichts. --forget
vergisst, was dieses Programm über den Abgleich der Telefonbuchdatei weiß (nie
die Datei selbst). --timer schaltet den Timer der Telefonbuchdatei ein oder aus
oder sagt, ob er läuft. --report json gibt das Ergebnis des Laufs als eine
JSON-Zeile aus.
Rückgabewert: 0 abgeglichen; 1 fehlgeschlagen (nichts verloren); 2 falscher
Aufruf; 3 belegt (ein Fenster mit ungespeicherten Änderungen oder ein anderes
Programm hat das Telefonbuch: der nächste Lauf versucht es erneut); 4 braucht
Sie (der Abgleich würde zu viel löschen, das Passwort wurde abgelehnt oder
fehlt, dem Zertifikat wird nicht vertraut, oder das Adressbuch ist
verschwunden).
</translation>
    </message>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>%n hinzugefügt</numerusform>
            <numerusform>%n hinzugefügt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed</source>
        <translation>
            <numerusform>%n geändert</numerusform>
            <numerusform>%n geändert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n deleted</source>
        <translation>
            <numerusform>%n gelöscht</numerusform>
            <numerusform>%n gelöscht</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n conflict kept as a copy</source>
        <translation>
            <numerusform>%n Konflikt als Kopie behalten</numerusform>
            <numerusform>%n Konflikte als Kopien behalten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n conflicts kept as copies</source>
        <translation>
            <numerusform>%n Konflikt als Kopie behalten</numerusform>
            <numerusform>%n Konflikte als Kopien behalten</numerusform>
        </translation>
    </message>
    <message>
        <source>Here: %1; on the server: %2; %3</source>
        <translation>Hier: %1; auf dem Server: %2; %3</translation>
    </message>
    <message>
        <source>Dry run, nothing changed. Would do here: %1; on the server: %2; %3</source>
        <translation>Probelauf, nichts geändert. Hier würden %1; auf dem Server würden %2; %3</translation>
    </message>
    <message>
        <source>added here: %1</source>
        <translation>hier hinzugefügt: %1</translation>
    </message>
    <message>
        <source>changed here: %1</source>
        <translation>hier geändert: %1</translation>
    </message>
    <message>
        <source>deleted here: %1</source>
        <translation>hier gelöscht: %1</translation>
    </message>
    <message>
        <source>added on the server: %1</source>
        <translation>auf dem Server hinzugefügt: %1</translation>
    </message>
    <message>
        <source>changed on the server: %1</source>
        <translation>auf dem Server geändert: %1</translation>
    </message>
    <message>
        <source>deleted on the server: %1</source>
        <translation>auf dem Server gelöscht: %1</translation>
    </message>
    <message>
        <source>would add here: %1</source>
        <translation>würde hier hinzugefügt: %1</translation>
    </message>
    <message>
        <source>would change here: %1</source>
        <translation>würde hier geändert: %1</translation>
    </message>
    <message>
        <source>would delete here: %1</source>
        <translation>würde hier gelöscht: %1</translation>
    </message>
    <message>
        <source>would add on the server: %1</source>
        <translation>würde auf dem Server hinzugefügt: %1</translation>
    </message>
    <message>
        <source>would change on the server: %1</source>
        <translation>würde auf dem Server geändert: %1</translation>
    </message>
    <message>
        <source>would delete on the server: %1</source>
        <translation>würde auf dem Server gelöscht: %1</translation>
    </message>
    <message>
        <source>kept both versions of a record changed on both sides: the server&apos;s, and this machine&apos;s as %1</source>
        <translation>beide Fassungen eines auf beiden Seiten geänderten Eintrags wurden behalten: die des Servers und die dieses Rechners als %1</translation>
    </message>
    <message>
        <source>would keep both versions of a record changed on both sides: the server&apos;s, and this machine&apos;s as %1</source>
        <translation>beide Fassungen eines auf beiden Seiten geänderten Eintrags würden behalten: die des Servers und die dieses Rechners als %1</translation>
    </message>
    <message>
        <source>%1: the password file cannot be read</source>
        <translation>%1: die Passwortdatei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1: others can read this password file; make it yours alone (chmod 600 %1) and run again</source>
        <translation>%1: andere können diese Passwortdatei lesen; machen Sie sie allein Ihnen lesbar (chmod 600 %1) und starten Sie erneut</translation>
    </message>
    <message>
        <source>Password for %1 at %2: </source>
        <translation>Passwort für %1 auf %2: </translation>
    </message>
    <message>
        <source>%1: a Dialstack window has unsaved changes in it, or another program is changing it. Nothing was synced; the next sync after you save takes the window&apos;s changes</source>
        <translation>%1: ein Dialstack-Fenster hat ungespeicherte Änderungen daran, oder ein anderes Programm ändert es gerade. Nichts wurde abgeglichen; der nächste Abgleich nach dem Speichern übernimmt die Änderungen des Fensters</translation>
    </message>
    <message>
        <source>stopped by %1; what was synced is kept, and the next sync goes on from there</source>
        <translation>durch %1 abgebrochen; was schon abgeglichen ist, bleibt, und der nächste Abgleich macht dort weiter</translation>
    </message>
    <message>
        <source>no password for %1: the keyring has none; give --password-file FILE</source>
        <translation>kein Passwort für %1: der Schlüsselbund hat keins; geben Sie --password-file DATEI an</translation>
    </message>
    <message>
        <source>no address book found at %1 for %2; create one on the server (in its web page, or with your phone&apos;s contacts app), then sync again</source>
        <translation>kein Adressbuch auf %1 für %2 gefunden; legen Sie eines auf dem Server an (auf seiner Webseite oder mit der Kontakte-App Ihres Telefons) und gleichen Sie dann erneut ab</translation>
    </message>
    <message>
        <source>this user</source>
        <translation>diesen Benutzer</translation>
    </message>
    <message>
        <source>To settle it, run: %1</source>
        <translation>Um das zu klären, starten Sie: %1</translation>
    </message>
    <message>
        <source>a password is never taken on the command line: use --password-file FILE, or the keyring</source>
        <translation>ein Passwort wird nie auf der Befehlszeile angenommen: nutzen Sie --password-file DATEI oder den Schlüsselbund</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 mehr als einmal angegeben</translation>
    </message>
    <message>
        <source>--timeout needs a number of seconds from 1 to 3600</source>
        <translation>--timeout braucht eine Sekundenzahl von 1 bis 3600</translation>
    </message>
    <message>
        <source>--url needs an http:// or https:// address, not %1</source>
        <translation>--url braucht eine http://- oder https://-Adresse, nicht %1</translation>
    </message>
    <message>
        <source>give the user name with --user, not inside the URL</source>
        <translation>geben Sie den Benutzernamen mit --user an, nicht in der URL</translation>
    </message>
    <message>
        <source>the first sync of %1 needs --url (the address book or the server)</source>
        <translation>der erste Abgleich von %1 braucht --url (das Adressbuch oder den Server)</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 s</source>
        <translation>%1 hat nicht innerhalb von %2 s geantwortet</translation>
    </message>
    <message>
        <source>%1 refused the user name or password</source>
        <translation>%1 hat Benutzername oder Passwort abgelehnt</translation>
    </message>
    <message>
        <source>%1 of the %2 records here (%3)</source>
        <translation>%1 der %2 Einträge hier (%3)</translation>
    </message>
    <message>
        <source>%1 of the %2 cards on the server (%3)</source>
        <translation>%1 der %2 Karten auf dem Server (%3)</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>this sync would delete %1; nothing was changed. If that is what you want, run it again with --force</source>
        <translation>dieser Abgleich würde %1 löschen; nichts wurde geändert. Wenn Sie das wollen, starten Sie ihn erneut mit --force</translation>
    </message>
    <message>
        <source>%1: the directory file could not be read completely; nothing was synced</source>
        <translation>%1: die Telefonbuchdatei konnte nicht vollständig gelesen werden; nichts wurde abgeglichen</translation>
    </message>
    <message>
        <source>%1: the folder %2 does not exist; nothing was synced</source>
        <translation>%1: der Ordner %2 existiert nicht; nichts wurde abgeglichen</translation>
    </message>
    <message>
        <source>%1: the folder %2 is read-only, so the directory file cannot be saved there; nothing was synced</source>
        <translation>%1: der Ordner %2 ist schreibgeschützt, die Telefonbuchdatei kann dort nicht gespeichert werden; nichts wurde abgeglichen</translation>
    </message>
    <message>
        <source>%1: is a folder, not a directory file; nothing was synced</source>
        <translation>%1: ist ein Ordner, keine Telefonbuchdatei; nichts wurde abgeglichen</translation>
    </message>
    <message>
        <source>%1: could not be saved: %2; the directory file is unchanged</source>
        <translation>%1: konnte nicht gespeichert werden: %2; die Telefonbuchdatei ist unverändert</translation>
    </message>
    <message>
        <source>%1: could not be saved: %2</source>
        <translation>%1: konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>stopped by %1</source>
        <translation>durch %1 abgebrochen</translation>
    </message>
    <message>
        <source>the address book is at %1, on another server than %2; remove %3 and give the address book with --url</source>
        <translation>das Adressbuch liegt auf %1, einem anderen Server als %2; entfernen Sie %3 und geben Sie das Adressbuch mit --url an</translation>
    </message>
    <message>
        <source>%1 --dry-run --verbose   (then %1 --force, if that is what you want)</source>
        <translation>%1 --dry-run --verbose   (dann %1 --force, wenn Sie das wollen)</translation>
    </message>
    <message>
        <source>%1 --password-file FILE   (FILE: the new password, chmod 600)</source>
        <translation>%1 --password-file DATEI   (DATEI: das neue Passwort, chmod 600)</translation>
    </message>
    <message>
        <source>%1 --password-file FILE</source>
        <translation>%1 --password-file DATEI</translation>
    </message>
    <message>
        <source>the address book %1 is gone from the server; nothing was changed here</source>
        <translation>das Adressbuch %1 ist vom Server verschwunden; hier wurde nichts geändert</translation>
    </message>
    <message>
        <source>rm %1; %2 --url URL-OF-THE-ADDRESS-BOOK</source>
        <translation>rm %1; %2 --url URL-DES-ADRESSBUCHS</translation>
    </message>
    <message>
        <source>%1 is synced with %2; to sync it with another address book, first remove %3</source>
        <translation>%1 wird mit %2 abgeglichen; um es mit einem anderen Adressbuch abzugleichen, entfernen Sie zuerst %3</translation>
    </message>
    <message>
        <source>a password is never sent over plain http:// except to this machine; use https:// for %1</source>
        <translation>ein Passwort wird über unverschlüsseltes http:// nur an diesen Rechner gesendet; nutzen Sie https:// für %1</translation>
    </message>
    <message>
        <source>%1: holds no certificate (PEM) that can be read</source>
        <translation>%1: enthält kein lesbares Zertifikat (PEM)</translation>
    </message>
    <message>
        <source>%1: the certificate remembered for this server cannot be read; give it again with --certificate FILE</source>
        <translation>%1: das für diesen Server gemerkte Zertifikat kann nicht gelesen werden; geben Sie es erneut mit --certificate DATEI an</translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring (none is running); from now on the file %1 is read for it. Keep it readable by you alone.</source>
        <translation>Das Passwort konnte nicht im Schlüsselbund gespeichert werden (keiner läuft); von nun an wird dafür die Datei %1 gelesen. Sorgen Sie dafür, dass nur Sie sie lesen können.</translation>
    </message>
    <message>
        <source>the server has several address books; run again with --url and one of them:</source>
        <translation>der Server hat mehrere Adressbücher; starten Sie erneut mit --url und einem davon:</translation>
    </message>
    <message>
        <source>%1 sent this program to %2, another server; it only talks to the server it was given. If that one is right, give it with --url</source>
        <translation>%1 hat dieses Programm an %2 verwiesen, einen anderen Server; es spricht nur mit dem Server, der ihm angegeben wurde. Wenn jener richtig ist, geben Sie ihn mit --url an</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted (%2); if it is your own server&apos;s, give its certificate with --certificate FILE</source>
        <translation>dem Zertifikat von %1 wird nicht vertraut (%2); wenn es das Ihres eigenen Servers ist, geben Sie sein Zertifikat mit --certificate DATEI an</translation>
    </message>
    <message>
        <source>%1: the server does not allow this (403 Forbidden)</source>
        <translation>%1: der Server erlaubt das nicht (403 Forbidden)</translation>
    </message>
    <message>
        <source>%1: not found on the server (404)</source>
        <translation>%1: auf dem Server nicht gefunden (404)</translation>
    </message>
    <message>
        <source>%1: the server answered %2</source>
        <translation>%1: der Server antwortete mit %2</translation>
    </message>
    <message>
        <source>%1 sent a reply that could not be read: %2</source>
        <translation>%1 hat eine Antwort gesendet, die nicht gelesen werden konnte: %2</translation>
    </message>
    <message>
        <source>%1 could not give the card %2 (no status); nothing was changed, run the sync again later</source>
        <translation>%1 konnte die Karte %2 nicht liefern (kein Status); nichts wurde geändert, gleichen Sie später erneut ab</translation>
    </message>
    <message>
        <source>%1 could not give the card %2 (status %3); nothing was changed, run the sync again later</source>
        <translation>%1 konnte die Karte %2 nicht liefern (Status %3); nichts wurde geändert, gleichen Sie später erneut ab</translation>
    </message>
    <message>
        <source>the server answered %1 (%2)</source>
        <translation>der Server antwortete mit %1 (%2)</translation>
    </message>
    <message>
        <source>the server answered %1: %2</source>
        <translation>der Server antwortete mit %1: %2</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>der Server antwortete mit %1</translation>
    </message>
    <message>
        <source>%1 points to another server, %2, for the address books; nothing was sent there. If that server is right, give its address book with --url</source>
        <translation>%1 verweist für die Adressbücher auf einen anderen Server, %2; dorthin wurde nichts gesendet. Wenn jener Server richtig ist, geben Sie sein Adressbuch mit --url an</translation>
    </message>
    <message>
        <source>the reply is not a WebDAV multistatus</source>
        <translation>die Antwort ist kein WebDAV-Multistatus</translation>
    </message>
    <message>
        <source>the address book kept changing while this sync wrote to it; nothing was lost, run the sync again</source>
        <translation>das Adressbuch hat sich ständig geändert, während dieser Abgleich hineinschrieb; nichts ging verloren, gleichen Sie erneut ab</translation>
    </message>
    <message>
        <source>the card of %1</source>
        <translation>die Karte von %1</translation>
    </message>
    <message>
        <source>the card %1</source>
        <translation>die Karte %1</translation>
    </message>
    <message>
        <source>status %1</source>
        <translation>Status %1</translation>
    </message>
    <message>
        <source>left out of its reply</source>
        <translation>in seiner Antwort ausgelassen</translation>
    </message>
    <message>
        <source>%1 did not give %2 (%3); nothing was changed, run the sync again later</source>
        <translation>%1 hat %2 nicht geliefert (%3); nichts wurde geändert, gleichen Sie später erneut ab</translation>
    </message>
    <message numerus="yes">
        <source>%1 did not give %2 (%3) nor %n other cards; nothing was changed, run the sync again later</source>
        <translation>
            <numerusform>%1 hat %2 (%3) und %n weitere Karte nicht geliefert; nichts wurde geändert, gleichen Sie später erneut ab</numerusform>
            <numerusform>%1 hat %2 (%3) und %n weitere Karten nicht geliefert; nichts wurde geändert, gleichen Sie später erneut ab</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the directory file changed on disk while syncing; nothing was changed here, run the sync again</source>
        <translation>%1: die Telefonbuchdatei hat sich während des Abgleichs auf der Festplatte geändert; hier wurde nichts geändert, gleichen Sie erneut ab</translation>
    </message>
    <message>
        <source>%1: its last record has no name, and adding records would overwrite it; give it a name in Dialstack first. Nothing was changed</source>
        <translation>%1: der letzte Eintrag hat keinen Namen, und das Hinzufügen von Einträgen würde ihn überschreiben; geben Sie ihm zuerst in Dialstack einen Namen. Nichts wurde geändert</translation>
    </message>
    <message numerus="yes">
        <source>the server refused %n record: %1. Everything else was synced</source>
        <translation>
            <numerusform>der Server hat %n Eintrag abgelehnt: %1. Alles andere wurde abgeglichen</numerusform>
            <numerusform>der Server hat %n Einträge abgelehnt: %1. Alles andere wurde abgeglichen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the server refused %n records: %1. Everything else was synced</source>
        <translation>
            <numerusform>der Server hat %n Eintrag abgelehnt: %1. Alles andere wurde abgeglichen</numerusform>
            <numerusform>der Server hat %n Einträge abgelehnt: %1. Alles andere wurde abgeglichen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 und %n weiterer</numerusform>
            <numerusform>%1 und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the sync state is damaged; remove it to sync this directory afresh</source>
        <translation>%1: der Abgleichstand ist beschädigt; entfernen Sie ihn, um dieses Telefonbuch neu abzugleichen</translation>
    </message>
    <message>
        <source>%1: the sync journal could not be written</source>
        <translation>%1: das Abgleichprotokoll konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1: the folder could not be made</source>
        <translation>%1: der Ordner konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1: the sync state could not be saved: %2</source>
        <translation>%1: der Abgleichstand konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>%1: the sync state could not be made private</source>
        <translation>%1: der Abgleichstand konnte nicht privat gemacht werden</translation>
    </message>
    <message>
        <source>Dialstack sync needs you</source>
        <translation>Der Dialstack-Abgleich braucht Sie</translation>
    </message>
    <message>
        <source>Dialstack: %1 at %2</source>
        <translation>Dialstack: %1 auf %2</translation>
    </message>
    <message>
        <source>%1 is neither a CardDAV server nor an address book (asked: %2); give the address of your address book with --url</source>
        <translation>%1 ist weder ein CardDAV-Server noch ein Adressbuch (gefragt: %2); geben Sie die Adresse Ihres Adressbuchs mit --url an</translation>
    </message>
    <message>
        <source>%1 is synced with %2; to sync it with another address book, first forget this sync with --forget</source>
        <translation>%1 wird mit %2 abgeglichen; um es mit einem anderen Adressbuch abzugleichen, vergessen Sie diesen Abgleich zuerst mit --forget</translation>
    </message>
    <message>
        <source>%1 refused the password for %2 read from %3; put the new password in that file</source>
        <translation>%1 hat das Passwort für %2 aus %3 abgelehnt; schreiben Sie das neue Passwort in diese Datei</translation>
    </message>
    <message>
        <source>%1: %2; nothing was synced</source>
        <translation>%1: %2; nichts wurde abgeglichen</translation>
    </message>
    <message>
        <source>%1: no certificate could be had from the server: %2</source>
        <translation>%1: vom Server war kein Zertifikat zu bekommen: %2</translation>
    </message>
    <message>
        <source>%1: the server answered %2 (%3)</source>
        <translation>%1: der Server antwortete mit %2 (%3)</translation>
    </message>
    <message>
        <source>%1: the sync's memory of this directory file is damaged (%2); forget it, then sync again with --url</source>
        <translation>%1: der Abgleichstand dieser Telefonbuchdatei ist beschädigt (%2); vergessen Sie ihn und gleichen Sie dann erneut mit --url ab</translation>
    </message>
    <message>
        <source>--accept-certificate is for a server at an https:// address</source>
        <translation>--accept-certificate gilt für einen Server mit einer https://-Adresse</translation>
    </message>
    <message>
        <source>--accept-certificate needs the certificate's SHA-256 fingerprint (64 hex digits)</source>
        <translation>--accept-certificate braucht den SHA-256-Fingerabdruck des Zertifikats (64 Hexadezimalziffern)</translation>
    </message>
    <message>
        <source>--discover needs --url (the server or the address book)</source>
        <translation>--discover braucht --url (den Server oder das Adressbuch)</translation>
    </message>
    <message>
        <source>--discover, --forget and --timer each run alone</source>
        <translation>--discover, --forget und --timer laufen jeweils allein</translation>
    </message>
    <message>
        <source>--password-stdin: no password came on standard input</source>
        <translation>--password-stdin: auf der Standardeingabe kam kein Passwort</translation>
    </message>
    <message>
        <source>--report takes json</source>
        <translation>--report nimmt json</translation>
    </message>
    <message>
        <source>--timer takes on, off or status</source>
        <translation>--timer nimmt on, off oder status</translation>
    </message>
    <message>
        <source>Address books found:</source>
        <translation>Gefundene Adressbücher:</translation>
    </message>
    <message>
        <source>Keep it in %1 (readable by you alone)? [y/N]</source>
        <translation>In %1 speichern (nur für Sie lesbar)? [j/N]</translation>
    </message>
    <message>
        <source>y</source>
        <translation>j</translation>
    </message>
    <message>
        <source>No timer syncs this directory file.</source>
        <translation>Kein Timer gleicht diese Telefonbuchdatei ab.</translation>
    </message>
    <message>
        <source>The password could not be kept: %1</source>
        <translation>Das Passwort konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>The timer syncs this directory file every quarter of an hour.</source>
        <translation>Der Timer gleicht diese Telefonbuchdatei jede Viertelstunde ab.</translation>
    </message>
    <message>
        <source>a password is never taken on the command line: use --password-file FILE, --password-stdin, or the keyring</source>
        <translation>ein Passwort wird nie auf der Befehlszeile angenommen: nutzen Sie --password-file DATEI, --password-stdin oder den Schlüsselbund</translation>
    </message>
    <message>
        <source>give the password with --password-file or --password-stdin, not both</source>
        <translation>geben Sie das Passwort mit --password-file oder --password-stdin an, nicht mit beiden</translation>
    </message>
    <message>
        <source>is a folder, not a directory file</source>
        <translation>ist ein Ordner, keine Telefonbuchdatei</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>sie kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>it is no sync state this program wrote, or it was cut short</source>
        <translation>er ist nicht von diesem Programm geschrieben oder wurde abgeschnitten</translation>
    </message>
    <message>
        <source>it is not the one whose fingerprint was given</source>
        <translation>es ist nicht das mit dem angegebenen Fingerabdruck</translation>
    </message>
    <message>
        <source>no password for %1 at %2: the keyring has none, and no password file is remembered</source>
        <translation>kein Passwort für %1 auf %2: der Schlüsselbund hat keines, und keine Passwortdatei ist gemerkt</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted (%2); its SHA-256 fingerprint is %3. If it is your own server's, trust it</source>
        <translation>dem Zertifikat von %1 wird nicht vertraut (%2); sein SHA-256-Fingerabdruck ist %3. Wenn es das Ihres eigenen Servers ist, vertrauen Sie ihm</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>der Ordner existiert nicht</translation>
    </message>
    <message>
        <source>the folder is read-only, so the directory file cannot be saved there</source>
        <translation>der Ordner ist schreibgeschützt, die Telefonbuchdatei kann dort also nicht gespeichert werden</translation>
    </message>
    <message>
        <source>the timer could not be set: %1</source>
        <translation>der Timer konnte nicht gestellt werden: %1</translation>
    </message>
    <message>
        <source>the timer cannot be set: no systemd user manager runs for this user</source>
        <translation>der Timer kann nicht gestellt werden: für diesen Benutzer läuft kein systemd-Benutzerdienst</translation>
    </message>
    <message>
        <source>this sync would delete %1; nothing was changed. If that is what you want, run it again with --force; to bring them back instead, with --bring-back</source>
        <translation>dieser Abgleich würde %1 löschen; nichts wurde geändert. Wenn Sie das wollen, starten Sie ihn erneut mit --force; um sie stattdessen zurückzuholen, mit --bring-back</translation>
    </message>
    <message numerus="yes">
        <source>the server refused %n card (%1); everything else is in step</source>
        <translation>
            <numerusform>der Server hat %n Karte abgelehnt (%1); alles andere ist abgeglichen</numerusform>
            <numerusform>der Server hat %n Karten abgelehnt (%1); alles andere ist abgeglichen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the server refused %n cards (%1); everything else is in step</source>
        <translation>
            <numerusform>der Server hat %n Karte abgelehnt (%1); alles andere ist abgeglichen</numerusform>
            <numerusform>der Server hat %n Karten abgelehnt (%1); alles andere ist abgeglichen</numerusform>
        </translation>
    </message>
    <message>
        <source>the server sent this program to %1, another server; it only talks to the server it was given. If that one is right, give it with --url</source>
        <translation>der Server hat dieses Programm an %1 verwiesen, einen anderen Server; es spricht nur mit dem Server, der ihm angegeben wurde. Wenn jener richtig ist, geben Sie ihn mit --url an</translation>
    </message>
    <message>
        <source>the server points to another server, %1, for the address books; nothing was sent there. If that server is right, give its address book with --url</source>
        <translation>der Server verweist für die Adressbücher auf einen anderen Server, %1; dorthin wurde nichts gesendet. Wenn jener Server richtig ist, geben Sie sein Adressbuch mit --url an</translation>
    </message>
</context>
</TS>
