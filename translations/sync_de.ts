<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
        <translation>Aufruf: dialstack-sync [--file ORDNER/Dialstack.dat] [--url URL] [--user NAME] [--password-file DATEI]
                       [--certificate DATEI] [--timeout SEKUNDEN] [--dry-run] [--force] [--verbose]
        dialstack-sync --help | --version
Gleicht die Verzeichnisdatei mit ihrem CardDAV-Adressbuch ab. Der erste Lauf
braucht --url; URL, Benutzer, Passwortdatei und Zertifikat werden für diese
Verzeichnisdatei gemerkt. Das Passwort kommt aus --password-file, sonst aus
dem Schlüsselbund, sonst aus der gemerkten Passwortdatei, wenn der
Schlüsselbund es nicht speichern konnte, sonst aus einer Abfrage im Terminal.
Rückgabewert: 0 abgeglichen; 1 fehlgeschlagen (nichts verloren); 2 falscher
Aufruf; 3 belegt (ein Fenster mit ungespeicherten Änderungen oder ein anderes
Programm hat das Verzeichnis: der nächste Lauf versucht es erneut); 4 braucht
Sie (der Abgleich würde zu viel löschen, das Passwort wurde abgelehnt oder das
Adressbuch ist verschwunden).
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
        <translation>Probelauf, nichts geändert. Würde hier: %1; auf dem Server: %2; %3</translation>
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
        <translation>würde hier hinzufügen: %1</translation>
    </message>
    <message>
        <source>would change here: %1</source>
        <translation>würde hier ändern: %1</translation>
    </message>
    <message>
        <source>would delete here: %1</source>
        <translation>würde hier löschen: %1</translation>
    </message>
    <message>
        <source>would add on the server: %1</source>
        <translation>würde auf dem Server hinzufügen: %1</translation>
    </message>
    <message>
        <source>would change on the server: %1</source>
        <translation>würde auf dem Server ändern: %1</translation>
    </message>
    <message>
        <source>would delete on the server: %1</source>
        <translation>würde auf dem Server löschen: %1</translation>
    </message>
    <message>
        <source>kept both versions of a record changed on both sides: the server&apos;s, and this machine&apos;s as %1</source>
        <translation>beide Fassungen eines auf beiden Seiten geänderten Eintrags behalten: die des Servers und die dieses Rechners als %1</translation>
    </message>
    <message>
        <source>would keep both versions of a record changed on both sides: the server&apos;s, and this machine&apos;s as %1</source>
        <translation>würde beide Fassungen eines auf beiden Seiten geänderten Eintrags behalten: die des Servers und die dieses Rechners als %1</translation>
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
        <translation>%1: ein Dialstack-Fenster hat ungespeicherte Änderungen darin, oder ein anderes Programm ändert es. Nichts wurde abgeglichen; der nächste Abgleich nach dem Speichern übernimmt die Änderungen des Fensters</translation>
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
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>this sync would delete %1; nothing was changed. If that is what you want, run it again with --force</source>
        <translation>dieser Abgleich würde %1 löschen; nichts wurde geändert. Wenn Sie das wollen, starten Sie ihn erneut mit --force</translation>
    </message>
    <message>
        <source>%1: the directory file could not be read completely; nothing was synced</source>
        <translation>%1: die Verzeichnisdatei konnte nicht vollständig gelesen werden; nichts wurde abgeglichen</translation>
    </message>
    <message>
        <source>%1: the folder %2 does not exist; nothing was synced</source>
        <translation>%1: der Ordner %2 existiert nicht; nichts wurde abgeglichen</translation>
    </message>
    <message>
        <source>%1: the folder %2 is read-only, so the directory file cannot be saved there; nothing was synced</source>
        <translation>%1: der Ordner %2 ist schreibgeschützt, die Verzeichnisdatei kann dort nicht gespeichert werden; nichts wurde abgeglichen</translation>
    </message>
    <message>
        <source>%1: is a folder, not a directory file; nothing was synced</source>
        <translation>%1: ist ein Ordner, keine Verzeichnisdatei; nichts wurde abgeglichen</translation>
    </message>
    <message>
        <source>%1: could not be saved: %2; the directory file is unchanged</source>
        <translation>%1: konnte nicht gespeichert werden: %2; die Verzeichnisdatei ist unverändert</translation>
    </message>
    <message>
        <source>%1: could not be saved: %2</source>
        <translation>%1: konnte nicht gespeichert werden: %2</translation>
    </message>
</context>
</TS>
