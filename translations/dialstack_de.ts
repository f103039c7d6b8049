<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Resources</name>
    <message>
        <source>About Quillaven Dialstack</source>
        <translation>Über Quillaven Dialstack</translation>
    </message>
    <message>
        <source>Dialstack icon</source>
        <translation>Dialstack-Symbol</translation>
    </message>
    <message>
        <source>Quillaven Dialstack Version 2.0</source>
        <translation>Quillaven Dialstack Version 2.0</translation>
    </message>
    <message>
        <source>Made in Quillaven for every desk.</source>
        <translation>In Quillaven gemacht, für jeden Schreibtisch.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Dialstack keeps the names, phone and pager numbers, e-mail addresses and notes of the people you call, in the file Dialstack.dat of the folder you start it from.</source>
        <translation>Dialstack verwahrt Namen, Telefon- und Pagernummern, E-Mail-Adressen und Notizen Ihrer Kontakte in der Datei Dialstack.dat im Startordner.</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Quillaven</source>
        <translation>Copyright (C) 2026 Quillaven</translation>
    </message>
    <message>
        <source>Quillaven Dialstack</source>
        <translation>Quillaven Dialstack</translation>
    </message>
    <message>
        <source>Add Name</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Save Now</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Delete Name</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Undo Changes</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Edit Name</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Save / Quit</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Einzelheiten</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Pager</source>
        <translation>Pager</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Tel.</translation>
    </message>
    <message>
        <source>Misc.</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Add Record</source>
        <translation>Eintrag hinzufügen</translation>
    </message>
    <message>
        <source>Edit Item</source>
        <translation>Eintrag bearbeiten</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Pager Number</source>
        <translation>Pager</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Find what</source>
        <translation>Suchbegriff</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <source>&amp;About Dialstack2...</source>
        <translation>Ü&amp;ber Dialstack2...</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>&amp;Suchen…</translation>
    </message>
    <message>
        <source>Dialstack Help</source>
        <translation>Dialstack-Hilfe</translation>
    </message>
    <message>
        <source>Sync &amp;Now</source>
        <translation>&amp;Jetzt abgleichen</translation>
    </message>
    <message>
        <source>Your changes to the directory are not saved yet.

Save them before you leave?</source>
        <translation>Ihre Änderungen am Telefonbuch sind noch nicht gespeichert.

Vor dem Beenden speichern?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Leave without saving</source>
        <translation>&amp;Ohne Speichern beenden</translation>
    </message>
    <message>
        <source>S&amp;tay</source>
        <translation>&amp;Weiter bearbeiten</translation>
    </message>
    <message>
        <source>Another program (dialstack-sync or dialstack-convert import) is changing the directory file right now, so nothing was changed here.

Try again in a moment: the window then shows what that program wrote.</source>
        <translation>Ein anderes Programm (dialstack-sync oder dialstack-convert import) ändert gerade die Telefonbuchdatei, daher wurde hier nichts geändert.

Versuchen Sie es gleich noch einmal: Das Fenster zeigt dann, was das Programm geschrieben hat.</translation>
    </message>
    <message>
        <source>Your changes are not saved yet. The sync takes the directory as saved.

Save your changes and sync?</source>
        <translation>Ihre Änderungen sind noch nicht gespeichert. Der Abgleich nimmt das Telefonbuch so, wie es gespeichert ist.

Änderungen speichern und abgleichen?</translation>
    </message>
    <message>
        <source>&amp;Save and sync</source>
        <translation>&amp;Speichern und abgleichen</translation>
    </message>
    <message>
        <source>Syncing the directory with the address book…</source>
        <translation>Das Telefonbuch wird mit dem Adressbuch abgeglichen…</translation>
    </message>
    <message>
        <source>The sync program dialstack-sync was found neither beside Dialstack nor on the PATH.

Install it with Dialstack, then try again.</source>
        <translation>Das Abgleichprogramm dialstack-sync wurde weder neben Dialstack noch im Suchpfad (PATH) gefunden.

Installieren Sie es zusammen mit Dialstack und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The sync program %1 could not be started: %2</source>
        <translation>Das Abgleichprogramm %1 konnte nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>The directory and the address book are in step.</source>
        <translation>Telefonbuch und Adressbuch sind auf demselben Stand.</translation>
    </message>
    <message>
        <source>The sync did not finish:

%1

Check the network and the server, then try again. What was synced stays; the next sync does the rest.</source>
        <translation>Der Abgleich wurde nicht abgeschlossen:

%1

Prüfen Sie Netzwerk und Server und versuchen Sie es dann erneut. Was bereits abgeglichen ist, bleibt erhalten; der nächste Abgleich erledigt den Rest.</translation>
    </message>
    <message>
        <source>The sync of this directory is not set up as expected:

%1

Set it up again in a terminal (see &quot;man dialstack-sync&quot;).</source>
        <translation>Der Abgleich dieses Telefonbuchs ist nicht wie erwartet eingerichtet:

%1

Richten Sie ihn in einem Terminal neu ein (siehe „man dialstack-sync“).</translation>
    </message>
    <message>
        <source>The sync cannot run now:

%1

Try again in a moment.</source>
        <translation>Der Abgleich kann gerade nicht laufen:

%1

Versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>The sync stopped because it needs you:

%1

Run dialstack-sync --file &quot;%2&quot; in a terminal to settle it.</source>
        <translation>Der Abgleich wurde angehalten, weil er Ihre Entscheidung braucht:

%1

Führen Sie dialstack-sync --file &quot;%2&quot; in einem Terminal aus, um das zu klären.</translation>
    </message>
    <message>
        <source>The sync was cancelled. What it had finished stays; the next sync does the rest.</source>
        <translation>Der Abgleich wurde abgebrochen. Was er schon erledigt hat, bleibt erhalten; der nächste Abgleich erledigt den Rest.</translation>
    </message>
    <message>
        <source>The sync program ended unexpectedly.

%1

Try again; if it happens again, run dialstack-sync --file &quot;%2&quot; in a terminal to see why.</source>
        <translation>Das Abgleichprogramm wurde unerwartet beendet.

%1

Versuchen Sie es erneut. Geschieht es wieder, führen Sie dialstack-sync --file &quot;%2&quot; in einem Terminal aus, um die Ursache zu sehen.</translation>
    </message>
    <message>
        <source>Only the selected record matches &quot;%1&quot;.</source>
        <translation>Nur der ausgewählte Eintrag passt zu „%1“.</translation>
    </message>
    <message>
        <source>Nothing in the directory matches &quot;%1&quot;.</source>
        <translation>Nichts im Telefonbuch passt zu „%1“.</translation>
    </message>
    <message>
        <source>You must specify a name!</source>
        <translation>Bitte geben Sie einen Namen ein.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>The directory could not be saved to &quot;%1&quot;: %2

%3</source>
        <translation>Das Telefonbuch konnte nicht in „%1“ gespeichert werden: %2

%3</translation>
    </message>
    <message>
        <source>The directory could not be saved to &quot;%1&quot;: %2

%3 The file on disk is unchanged.</source>
        <translation>Das Telefonbuch konnte nicht in „%1“ gespeichert werden: %2

%3 Die Datei auf der Festplatte ist unverändert.</translation>
    </message>
    <message>
        <source>Your changes are still here.</source>
        <translation>Ihre Änderungen sind weiterhin da.</translation>
    </message>
    <message>
        <source>Dialstack stays open so that your changes are not lost.</source>
        <translation>Dialstack bleibt geöffnet, damit Ihre Änderungen nicht verloren gehen.</translation>
    </message>
    <message>
        <source>Your changes are still here; nothing was synced.</source>
        <translation>Ihre Änderungen sind weiterhin da; es wurde nichts abgeglichen.</translation>
    </message>
    <message>
        <source>The directory was saved to &quot;%1&quot;; %2</source>
        <translation>Das Telefonbuch wurde in „%1“ gespeichert; %2</translation>
    </message>
    <message>
        <source>The directory file &quot;%1&quot; has been changed by another program since Dialstack loaded or saved it.

Replace it with the directory shown here? The other program&apos;s changes would be lost.</source>
        <translation>Die Telefonbuchdatei „%1“ wurde von einem anderen Programm geändert, seit Dialstack sie geladen oder gespeichert hat.

Die Datei durch das hier angezeigte Telefonbuch ersetzen? Die Änderungen des anderen Programms gingen dann verloren.</translation>
    </message>
    <message>
        <source>The directory file &quot;%1&quot; could not be read completely. %2

Saving now would replace the file with what is shown.</source>
        <translation>Die Telefonbuchdatei „%1“ konnte nicht vollständig gelesen werden. %2

Wenn Sie jetzt speichern, wird die Datei durch das Angezeigte ersetzt.</translation>
    </message>
    <message>
        <source>The directory file &quot;%1&quot; could not be opened: %2 %3

Saving now would replace the file with what is shown.</source>
        <translation>Die Telefonbuchdatei „%1“ konnte nicht geöffnet werden: %2 %3

Wenn Sie jetzt speichern, wird die Datei durch das Angezeigte ersetzt.</translation>
    </message>
    <message numerus="yes">
        <source>%n record was read and is shown.</source>
        <translation>
            <numerusform>%n Eintrag wurde gelesen und wird angezeigt.</numerusform>
            <numerusform>%n Einträge wurden gelesen und werden angezeigt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records were read and are shown.</source>
        <translation>
            <numerusform>%n Eintrag wurde gelesen und wird angezeigt.</numerusform>
            <numerusform>%n Einträge wurden gelesen und werden angezeigt.</numerusform>
        </translation>
    </message>
    <message>
        <source>The directory could not be printed: %1

Nothing in the directory has changed.</source>
        <translation>Das Telefonbuch konnte nicht gedruckt werden: %1

Am Telefonbuch hat sich nichts geändert.</translation>
    </message>
    <message>
        <source>Set Up Sync</source>
        <translation>Abgleich einrichten</translation>
    </message>
    <message>
        <source>Sync Settings</source>
        <translation>Abgleich-Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Server address:</source>
        <translation>&amp;Serveradresse:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Benutzername:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Verbinden</translation>
    </message>
    <message>
        <source>&amp;Address books:</source>
        <translation>&amp;Adressbücher:</translation>
    </message>
    <message>
        <source>Type the address of your CardDAV server (your provider's help names it), your user name and your password, then press Connect.</source>
        <translation>Geben Sie die Adresse Ihres CardDAV-Servers (die Hilfe Ihres Anbieters nennt sie), Ihren Benutzernamen und Ihr Passwort ein und klicken Sie dann auf „Verbinden“.</translation>
    </message>
    <message>
        <source>Stop S&amp;yncing</source>
        <translation>Abgleich b&amp;eenden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Sync Password</source>
        <translation>Passwort für den Abgleich</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Set &amp;Up Sync…</source>
        <translation>Abgleich &amp;einrichten…</translation>
    </message>
    <message>
        <source>Sync Se&amp;ttings…</source>
        <translation>&amp;Abgleich-Einstellungen…</translation>
    </message>
    <message>
        <source>The directory and the address book are in step: %1 here, %2 in the address book.</source>
        <translation>Verzeichnis und Adressbuch sind auf dem gleichen Stand: %1 hier, %2 im Adressbuch.</translation>
    </message>
    <message numerus="yes">
        <source>%n change</source>
        <translation>
            <numerusform>%n Änderung</numerusform>
            <numerusform>%n Änderungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changes</source>
        <translation>
            <numerusform>%n Änderung</numerusform>
            <numerusform>%n Änderungen</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the server's address, your user name and your password first.</source>
        <translation>Geben Sie zuerst die Serveradresse, Ihren Benutzernamen und Ihr Passwort ein.</translation>
    </message>
    <message>
        <source>Looking for your address books on the server…</source>
        <translation>Ihre Adressbücher werden auf dem Server gesucht…</translation>
    </message>
    <message>
        <source>The server holds several address books for %1. Pick the one to sync with, then press Connect again.</source>
        <translation>Der Server hat mehrere Adressbücher für %1. Wählen Sie das Adressbuch für den Abgleich und klicken Sie erneut auf „Verbinden“.</translation>
    </message>
    <message>
        <source>%1 refused the password of %2. Check the user name and the password, then press Connect again.</source>
        <translation>%1 hat das Passwort von %2 abgelehnt. Prüfen Sie Benutzername und Passwort und klicken Sie erneut auf „Verbinden“.</translation>
    </message>
    <message>
        <source>No address book was found at %1 for %2. Check the server's address (your provider's help names it), then press Connect again.</source>
        <translation>Unter %1 wurde für %2 kein Adressbuch gefunden. Prüfen Sie die Serveradresse (die Hilfe Ihres Anbieters nennt sie) und klicken Sie erneut auf „Verbinden“.</translation>
    </message>
    <message>
        <source>The server could not be reached or did not answer as expected:
%1</source>
        <translation>Der Server war nicht erreichbar oder antwortete nicht wie erwartet:
%1</translation>
    </message>
    <message>
        <source>The directory and the address book are in step. Your password is kept in your desktop's keyring.</source>
        <translation>Verzeichnis und Adressbuch sind auf dem gleichen Stand. Ihr Passwort ist im Schlüsselbund Ihrer Arbeitsumgebung gespeichert.</translation>
    </message>
    <message>
        <source>The directory and the address book are in step. Your password is kept in the file %1, which only you can read.</source>
        <translation>Verzeichnis und Adressbuch sind auf dem gleichen Stand. Ihr Passwort ist in der Datei %1 gespeichert, die nur Sie lesen können.</translation>
    </message>
    <message>
        <source>The directory and the address book are in step. Your password could not be kept, so the sync will ask for it again.</source>
        <translation>Verzeichnis und Adressbuch sind auf dem gleichen Stand. Ihr Passwort konnte nicht gespeichert werden; der Abgleich fragt daher erneut danach.</translation>
    </message>
    <message>
        <source>Sync every quarter of an hour from now on, while you are logged in?</source>
        <translation>Ab jetzt jede Viertelstunde abgleichen, solange Sie angemeldet sind?</translation>
    </message>
    <message>
        <source>Sync &amp;every quarter hour</source>
        <translation>&amp;Jede Viertelstunde abgleichen</translation>
    </message>
    <message>
        <source>&amp;Not now</source>
        <translation>&amp;Nicht jetzt</translation>
    </message>
    <message>
        <source>From now on the directory is synced every quarter of an hour.</source>
        <translation>Das Verzeichnis wird ab jetzt jede Viertelstunde abgeglichen.</translation>
    </message>
    <message>
        <source>This computer cannot sync every quarter of an hour on its own: that needs the systemd user manager, and none runs for you here. Use Sync Now in the window menu instead.</source>
        <translation>Dieser Computer kann nicht von selbst jede Viertelstunde abgleichen: Dafür braucht es den systemd-Benutzerdienst, und der läuft hier für Sie nicht. Gleichen Sie stattdessen mit „Jetzt abgleichen“ im Fenstermenü ab.</translation>
    </message>
    <message>
        <source>The quarter-hourly sync could not be switched on:

%1</source>
        <translation>Der viertelstündliche Abgleich konnte nicht eingeschaltet werden:

%1</translation>
    </message>
    <message>
        <source>Stop syncing this directory with the address book?

The directory file stays as it is. The sync can also forget what it knows of this directory; setting it up again then starts afresh.</source>
        <translation>Den Abgleich dieses Verzeichnisses mit dem Adressbuch beenden?

Die Verzeichnisdatei bleibt, wie sie ist. Der Abgleich kann außerdem vergessen, was er über dieses Verzeichnis weiß; eine neue Einrichtung beginnt dann von vorn.</translation>
    </message>
    <message>
        <source>&amp;Stop syncing</source>
        <translation>Abgleich &amp;beenden</translation>
    </message>
    <message>
        <source>Stop and &amp;forget</source>
        <translation>Beenden und &amp;vergessen</translation>
    </message>
    <message>
        <source>The directory is no longer synced every quarter of an hour. Sync Now still syncs it when you ask.</source>
        <translation>Das Verzeichnis wird nicht mehr jede Viertelstunde abgeglichen. „Jetzt abgleichen“ gleicht es weiterhin ab, wenn Sie es wünschen.</translation>
    </message>
    <message>
        <source>The directory is no longer synced. Dialstack.dat stays as it is.</source>
        <translation>Das Verzeichnis wird nicht mehr abgeglichen. Dialstack.dat bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>The sync could not be stopped:

%1</source>
        <translation>Der Abgleich konnte nicht beendet werden:

%1</translation>
    </message>
    <message>
        <source>%1 refused the password of %2. Type the password again:</source>
        <translation>%1 hat das Passwort von %2 abgelehnt. Geben Sie das Passwort erneut ein:</translation>
    </message>
    <message>
        <source>The sync needs the password of %2 at %1:</source>
        <translation>Der Abgleich braucht das Passwort von %2 bei %1:</translation>
    </message>
    <message>
        <source>The password file %1 is gone or others can read it, so the sync no longer uses it. Type the password; it will be kept safely:</source>
        <translation>Die Passwortdatei %1 fehlt oder ist für andere lesbar; der Abgleich verwendet sie daher nicht mehr. Geben Sie das Passwort ein; es wird wieder sicher gespeichert:</translation>
    </message>
    <message>
        <source>Names were deleted here, and %1 of the %2 cards in the address book would go with them: %3.

The sync stopped so that nothing is deleted by mistake.</source>
        <translation>Hier wurden Namen gelöscht, und %1 der %2 Karten im Adressbuch würden mit ihnen verschwinden: %3.

Der Abgleich hat angehalten, damit nichts versehentlich gelöscht wird.</translation>
    </message>
    <message>
        <source>Cards were deleted from the address book, and %1 of the %2 names here would go with them: %3.

The sync stopped so that nothing is deleted by mistake.</source>
        <translation>Im Adressbuch wurden Karten gelöscht, und %1 der %2 Namen hier würden mit ihnen verschwinden: %3.

Der Abgleich hat angehalten, damit nichts versehentlich gelöscht wird.</translation>
    </message>
    <message>
        <source>&amp;Delete them there too</source>
        <translation>Dort auch &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Delete them here too</source>
        <translation>Hier auch &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Bring them back</source>
        <translation>&amp;Zurückholen</translation>
    </message>
    <message numerus="yes">
        <source>and %n other name</source>
        <translation>
            <numerusform>und %n weiterer Name</numerusform>
            <numerusform>und %n weitere Namen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n other names</source>
        <translation>
            <numerusform>und %n weiterer Name</numerusform>
            <numerusform>und %n weitere Namen</numerusform>
        </translation>
    </message>
    <message>
        <source>This computer does not trust the certificate of %1, so the sync stopped.

Issued to: %2
Issued by: %3
SHA-256 fingerprint: %4

Trust it only if your server's administrator gave you this fingerprint.</source>
        <translation>Dieser Computer vertraut dem Zertifikat von %1 nicht; der Abgleich hat daher angehalten.

Ausgestellt für: %2
Ausgestellt von: %3
SHA-256-Fingerabdruck: %4

Vertrauen Sie ihm nur, wenn der Verwalter Ihres Servers Ihnen diesen Fingerabdruck genannt hat.</translation>
    </message>
    <message>
        <source>&amp;Trust this certificate</source>
        <translation>Diesem Zertifikat &amp;vertrauen</translation>
    </message>
    <message>
        <source>The address book %1 is gone from the server, so the sync stopped. Choose the address book to sync with in the window that opens now.</source>
        <translation>Das Adressbuch %1 gibt es auf dem Server nicht mehr; der Abgleich hat daher angehalten. Wählen Sie im Fenster, das sich jetzt öffnet, das Adressbuch für den Abgleich.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed both here and in the address book. It now holds the address book's version; this computer's version was kept as &quot;%2&quot;.
%3</source>
        <translation>„%1“ wurde hier und im Adressbuch geändert. Der Eintrag hat jetzt die Fassung des Adressbuchs; die Fassung dieses Computers wurde als „%2“ aufbewahrt.
%3</translation>
    </message>
    <message>
        <source>%1: here &quot;%2&quot;, in the address book &quot;%3&quot;</source>
        <translation>%1: hier „%2“, im Adressbuch „%3“</translation>
    </message>
    <message>
        <source>&amp;Select the Copy</source>
        <translation>Kopie &amp;auswählen</translation>
    </message>
</context>
<context>
    <name>Framework</name>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Verschieben</translation>
    </message>
    <message>
        <source>&amp;Close	Alt+F4</source>
        <translation>S&amp;chließen	Alt+F4</translation>
    </message>
    <message>
        <source>Please enter a whole number.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message numerus="yes">
        <source>Please enter no more than %n characters.</source>
        <translation>
            <numerusform>Bitte geben Sie höchstens %n Zeichen ein.</numerusform>
            <numerusform>Bitte geben Sie höchstens %n Zeichen ein.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is a named pipe (FIFO), not a file</source>
        <translation>es ist eine benannte Pipe (FIFO), keine Datei</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>es ist ein Gerät, keine Datei</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>es ist ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>it is something other than a file, not a file</source>
        <translation>es ist etwas anderes als eine Datei</translation>
    </message>
    <message>
        <source>it is a symbolic link to a folder, not to a file</source>
        <translation>es ist ein symbolischer Link auf einen Ordner, nicht auf eine Datei</translation>
    </message>
    <message>
        <source>it is a symbolic link to a named pipe (FIFO), not to a file</source>
        <translation>es ist ein symbolischer Link auf eine benannte Pipe (FIFO), nicht auf eine Datei</translation>
    </message>
    <message>
        <source>it is a symbolic link to a device, not to a file</source>
        <translation>es ist ein symbolischer Link auf ein Gerät, nicht auf eine Datei</translation>
    </message>
    <message>
        <source>it is a symbolic link to a socket, not to a file</source>
        <translation>es ist ein symbolischer Link auf einen Socket, nicht auf eine Datei</translation>
    </message>
    <message>
        <source>it is a symbolic link to something other than a file, not to a file</source>
        <translation>es ist ein symbolischer Link auf etwas anderes als eine Datei</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>der Datenträger ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>das Speicherkontingent ist aufgebraucht</translation>
    </message>
    <message>
        <source>the file would be larger than this process may write</source>
        <translation>die Datei wäre größer, als dieses Programm schreiben darf</translation>
    </message>
    <message>
        <source>the lock file &quot;%1&quot; could not be opened: %2</source>
        <translation>die Sperrdatei „%1“ konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>the lock file &quot;%1&quot; could not be locked: %2</source>
        <translation>die Sperrdatei „%1“ konnte nicht gesperrt werden: %2</translation>
    </message>
    <message>
        <source>another program is changing the directory</source>
        <translation>ein anderes Programm ändert gerade das Telefonbuch</translation>
    </message>
    <message>
        <source>a Dialstack window has unsaved changes to the directory, or another program is changing it; once they are saved, the next sync or import takes them in</source>
        <translation>ein Dialstack-Fenster hat ungespeicherte Änderungen am Telefonbuch, oder ein anderes Programm ändert es gerade; sobald sie gespeichert sind, übernimmt sie der nächste Abgleich oder Import</translation>
    </message>
    <message>
        <source>the new contents could not be made; nothing was replaced</source>
        <translation>der neue Inhalt konnte nicht erstellt werden; nichts wurde ersetzt</translation>
    </message>
    <message>
        <source>there is not enough memory to make the new contents; nothing was replaced</source>
        <translation>es ist nicht genug Arbeitsspeicher frei, um den neuen Inhalt zu erstellen; nichts wurde ersetzt</translation>
    </message>
    <message>
        <source>the folder takes no new file, so the file itself was rewritten, which failed (%1); its old contents were written back, so it is as it was</source>
        <translation>im Ordner lässt sich keine neue Datei anlegen, daher wurde die Datei selbst überschrieben, was fehlschlug (%1); ihr alter Inhalt wurde zurückgeschrieben, sie ist also unverändert</translation>
    </message>
    <message>
        <source>the folder takes no new file, so the file itself was rewritten, which failed (%1); its old contents could not be written back, so the file is damaged</source>
        <translation>im Ordner lässt sich keine neue Datei anlegen, daher wurde die Datei selbst überschrieben, was fehlschlug (%1); ihr alter Inhalt konnte nicht zurückgeschrieben werden, die Datei ist also beschädigt</translation>
    </message>
    <message>
        <source>it is a symbolic link to nothing; nothing was replaced</source>
        <translation>es ist ein symbolischer Link, der ins Leere zeigt; nichts wurde ersetzt</translation>
    </message>
    <message>
        <source>%1; nothing was replaced</source>
        <translation>%1; nichts wurde ersetzt</translation>
    </message>
    <message>
        <source>the new file is in place, but it may not be on the disk yet: the folder could not be synced (%1)</source>
        <translation>die neue Datei steht an ihrem Platz, ist aber vielleicht noch nicht auf dem Datenträger: der Ordner konnte nicht auf den Datenträger geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>the folder it belongs in no longer exists</source>
        <translation>der Ordner, in den sie gehört, existiert nicht mehr</translation>
    </message>
    <message>
        <source>there is not enough memory to replace the file; nothing was replaced</source>
        <translation>es ist nicht genug Arbeitsspeicher frei, um die Datei zu ersetzen; nichts wurde ersetzt</translation>
    </message>
    <message>
        <source>there is not enough memory to make the file</source>
        <translation>es ist nicht genug Arbeitsspeicher frei, um die Datei zu erstellen</translation>
    </message>
    <message>
        <source>there is no directory to save</source>
        <translation>es gibt kein Telefonbuch zum Speichern</translation>
    </message>
    <message>
        <source>the print service (CUPS) is not running</source>
        <translation>der Druckdienst (CUPS) läuft nicht</translation>
    </message>
    <message>
        <source>no default printer is configured; choose one in the system&apos;s printer settings or with &quot;lpoptions -d PRINTER&quot;</source>
        <translation>es ist kein Standarddrucker eingerichtet; wählen Sie einen in den Druckereinstellungen des Systems oder mit „lpoptions -d DRUCKER“</translation>
    </message>
    <message>
        <source>the default printer is not available: %1</source>
        <translation>der Standarddrucker ist nicht verfügbar: %1</translation>
    </message>
    <message>
        <source>the printer refused the job: %1</source>
        <translation>der Drucker hat den Auftrag abgelehnt: %1</translation>
    </message>
    <message>
        <source>the job could not be sent to the printer: %1</source>
        <translation>der Auftrag konnte nicht an den Drucker gesendet werden: %1</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>keine Berechtigung</translation>
    </message>
    <message>
        <source>operation not permitted</source>
        <translation>Vorgang nicht zulässig</translation>
    </message>
    <message>
        <source>no such file or directory</source>
        <translation>Datei oder Ordner nicht gefunden</translation>
    </message>
    <message>
        <source>not a directory</source>
        <translation>ein Teil des Pfades ist kein Ordner</translation>
    </message>
    <message>
        <source>is a directory</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>too many levels of symbolic links</source>
        <translation>zu viele Ebenen symbolischer Links</translation>
    </message>
    <message>
        <source>file name too long</source>
        <translation>Dateiname zu lang</translation>
    </message>
    <message>
        <source>input/output error</source>
        <translation>Ein-/Ausgabefehler</translation>
    </message>
    <message>
        <source>device or resource busy</source>
        <translation>Gerät oder Ressource belegt</translation>
    </message>
    <message>
        <source>text file busy</source>
        <translation>die Datei wird gerade als Programm ausgeführt</translation>
    </message>
    <message>
        <source>cannot allocate memory</source>
        <translation>nicht genug Arbeitsspeicher</translation>
    </message>
    <message>
        <source>too many open files</source>
        <translation>zu viele offene Dateien</translation>
    </message>
    <message>
        <source>too many open files in system</source>
        <translation>zu viele offene Dateien im System</translation>
    </message>
    <message>
        <source>no locks available</source>
        <translation>keine Sperren verfügbar</translation>
    </message>
    <message>
        <source>stale file handle</source>
        <translation>veralteter Dateiverweis</translation>
    </message>
    <message>
        <source>no such device or address</source>
        <translation>Gerät oder Adresse nicht gefunden</translation>
    </message>
    <message>
        <source>invalid cross-device link</source>
        <translation>Verknüpfung über Datenträgergrenzen hinweg nicht möglich</translation>
    </message>
    <message>
        <source>invalid argument</source>
        <translation>ungültiges Argument</translation>
    </message>
    <message>
        <source>transport endpoint is not connected</source>
        <translation>die Verbindung zum Dateisystem besteht nicht mehr</translation>
    </message>
    <message>
        <source>connection timed out</source>
        <translation>Zeitüberschreitung der Verbindung</translation>
    </message>
</context>
<context>
    <name>dialstack</name>
    <message>
        <source>usage: dialstack [--help | --version]
Opens the telephone directory Dialstack.dat of the current directory in a
window. See dialstack(1); dialstack-convert(1) and dialstack-sync(1) work
on the same file from the command line.
</source>
        <translation>Aufruf: dialstack [--help | --version]
Öffnet das Telefonbuch Dialstack.dat des aktuellen Ordners in einem Fenster.
Siehe dialstack(1); dialstack-convert(1) und dialstack-sync(1) bearbeiten
dieselbe Datei auf der Befehlszeile.
</translation>
    </message>
    <message>
        <source>this program needs a graphical desktop, but no display is set here (DISPLAY and WAYLAND_DISPLAY are empty); start it from your desktop session.</source>
        <translation>dieses Programm braucht eine grafische Arbeitsumgebung, hier ist aber keine Anzeige gesetzt (DISPLAY und WAYLAND_DISPLAY sind leer); starten Sie es aus Ihrer Desktop-Sitzung.</translation>
    </message>
</context>
</TS>
