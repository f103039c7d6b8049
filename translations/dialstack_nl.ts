<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>Resources</name>
    <message>
        <source>About Quillaven Dialstack</source>
        <translation>Over Quillaven Dialstack</translation>
    </message>
    <message>
        <source>Dialstack icon</source>
        <translation>Dialstack-pictogram</translation>
    </message>
    <message>
        <source>Quillaven Dialstack Version 2.0</source>
        <translation>Quillaven Dialstack versie 2.0</translation>
    </message>
    <message>
        <source>Made in Quillaven for every desk.</source>
        <translation>Gemaakt in Quillaven voor elk bureau.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Dialstack keeps the names, phone and pager numbers, e-mail addresses and notes of the people you call, in the file Dialstack.dat of the folder you start it from.</source>
        <translation>Dialstack bewaart de namen, telefoon- en piepernummers, e-mailadressen en notities van wie u belt, in het bestand Dialstack.dat van de map waarin u het start.</translation>
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
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Save Now</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Delete Name</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Undo Changes</source>
        <translation>Terugdraaien</translation>
    </message>
    <message>
        <source>Edit Name</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Save / Quit</source>
        <translation>Opslaan/Stop</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Gegevens</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Pager</source>
        <translation>Pieper</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Tel.</translation>
    </message>
    <message>
        <source>Misc.</source>
        <translation>Overig</translation>
    </message>
    <message>
        <source>Add Record</source>
        <translation>Item toevoegen</translation>
    </message>
    <message>
        <source>Edit Item</source>
        <translation>Item bewerken</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Telefoon</translation>
    </message>
    <message>
        <source>Pager Number</source>
        <translation>Pieper</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>E-mailadres</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Zoeken:</translation>
    </message>
    <message>
        <source>Find what</source>
        <translation>Zoekterm</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>&amp;About Dialstack2...</source>
        <translation>&amp;Over Dialstack2...</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>&amp;Zoeken…</translation>
    </message>
    <message>
        <source>Dialstack Help</source>
        <translation>Dialstack-help</translation>
    </message>
    <message>
        <source>Sync &amp;Now</source>
        <translation>&amp;Nu synchroniseren</translation>
    </message>
    <message>
        <source>Your changes to the directory are not saved yet.

Save them before you leave?</source>
        <translation>Uw wijzigingen in de telefoonlijst zijn nog niet opgeslagen.

Wilt u ze opslaan voordat u afsluit?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>&amp;Leave without saving</source>
        <translation>&amp;Afsluiten zonder opslaan</translation>
    </message>
    <message>
        <source>S&amp;tay</source>
        <translation>&amp;Blijven</translation>
    </message>
    <message>
        <source>Another program (dialstack-sync or dialstack-convert import) is changing the directory file right now, so nothing was changed here.

Try again in a moment: the window then shows what that program wrote.</source>
        <translation>Een ander programma (dialstack-sync of dialstack-convert import) wijzigt op dit moment het telefoonlijstbestand, dus hier is niets gewijzigd.

Probeer het zo opnieuw: het venster toont dan wat dat programma heeft geschreven.</translation>
    </message>
    <message>
        <source>Your changes are not saved yet. The sync takes the directory as saved.

Save your changes and sync?</source>
        <translation>Uw wijzigingen zijn nog niet opgeslagen. De synchronisatie gebruikt de telefoonlijst zoals die is opgeslagen.

Wijzigingen opslaan en synchroniseren?</translation>
    </message>
    <message>
        <source>&amp;Save and sync</source>
        <translation>&amp;Opslaan en synchroniseren</translation>
    </message>
    <message>
        <source>Syncing the directory with the address book…</source>
        <translation>De telefoonlijst wordt gesynchroniseerd met het adresboek…</translation>
    </message>
    <message>
        <source>The sync program dialstack-sync was found neither beside Dialstack nor on the PATH.

Install it with Dialstack, then try again.</source>
        <translation>Het synchronisatieprogramma dialstack-sync is niet gevonden, niet naast Dialstack en niet in het PATH.

Installeer het samen met Dialstack en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The sync program %1 could not be started: %2</source>
        <translation>Het synchronisatieprogramma %1 kon niet worden gestart: %2</translation>
    </message>
    <message>
        <source>The directory and the address book are in step.</source>
        <translation>De telefoonlijst en het adresboek zijn gesynchroniseerd.</translation>
    </message>
    <message>
        <source>The sync did not finish:

%1

Check the network and the server, then try again. What was synced stays; the next sync does the rest.</source>
        <translation>De synchronisatie is niet voltooid:

%1

Controleer het netwerk en de server en probeer het opnieuw. Wat al gesynchroniseerd is, blijft; de volgende synchronisatie doet de rest.</translation>
    </message>
    <message>
        <source>The sync of this directory is not set up as expected:

%1

Set it up again in a terminal (see &quot;man dialstack-sync&quot;).</source>
        <translation>De synchronisatie van deze telefoonlijst is niet ingesteld zoals verwacht:

%1

Stel haar opnieuw in via een terminal (zie ‘man dialstack-sync’).</translation>
    </message>
    <message>
        <source>The sync cannot run now:

%1

Try again in a moment.</source>
        <translation>De synchronisatie kan nu niet worden uitgevoerd:

%1

Probeer het zo opnieuw.</translation>
    </message>
    <message>
        <source>The sync stopped because it needs you:

%1

Run dialstack-sync --file &quot;%2&quot; in a terminal to settle it.</source>
        <translation>De synchronisatie is gestopt omdat ze u nodig heeft:

%1

Voer dialstack-sync --file &quot;%2&quot; uit in een terminal om dit op te lossen.</translation>
    </message>
    <message>
        <source>The sync was cancelled. What it had finished stays; the next sync does the rest.</source>
        <translation>De synchronisatie is geannuleerd. Wat al klaar was, blijft; de volgende synchronisatie doet de rest.</translation>
    </message>
    <message>
        <source>The sync program ended unexpectedly.

%1

Try again; if it happens again, run dialstack-sync --file &quot;%2&quot; in a terminal to see why.</source>
        <translation>Het synchronisatieprogramma is onverwacht gestopt.

%1

Probeer het opnieuw; gebeurt het weer, voer dan dialstack-sync --file &quot;%2&quot; uit in een terminal om te zien waarom.</translation>
    </message>
    <message>
        <source>Only the selected record matches &quot;%1&quot;.</source>
        <translation>Alleen het geselecteerde item komt overeen met ‘%1’.</translation>
    </message>
    <message>
        <source>Nothing in the directory matches &quot;%1&quot;.</source>
        <translation>Niets in de telefoonlijst komt overeen met ‘%1’.</translation>
    </message>
    <message>
        <source>You must specify a name!</source>
        <translation>U moet een naam opgeven!</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>onbekende fout</translation>
    </message>
    <message>
        <source>The directory could not be saved to &quot;%1&quot;: %2

%3</source>
        <translation>De telefoonlijst kon niet worden opgeslagen in ‘%1’: %2

%3</translation>
    </message>
    <message>
        <source>The directory could not be saved to &quot;%1&quot;: %2

%3 The file on disk is unchanged.</source>
        <translation>De telefoonlijst kon niet worden opgeslagen in ‘%1’: %2

%3 Het bestand op de schijf is ongewijzigd.</translation>
    </message>
    <message>
        <source>Your changes are still here.</source>
        <translation>Uw wijzigingen zijn er nog.</translation>
    </message>
    <message>
        <source>Dialstack stays open so that your changes are not lost.</source>
        <translation>Dialstack blijft open, zodat uw wijzigingen niet verloren gaan.</translation>
    </message>
    <message>
        <source>Your changes are still here; nothing was synced.</source>
        <translation>Uw wijzigingen zijn er nog; er is niets gesynchroniseerd.</translation>
    </message>
    <message>
        <source>The directory was saved to &quot;%1&quot;; %2</source>
        <translation>De telefoonlijst is opgeslagen in ‘%1’; %2</translation>
    </message>
    <message>
        <source>The directory file &quot;%1&quot; has been changed by another program since Dialstack loaded or saved it.

Replace it with the directory shown here? The other program&apos;s changes would be lost.</source>
        <translation>Het telefoonlijstbestand ‘%1’ is door een ander programma gewijzigd sinds Dialstack het heeft geladen of opgeslagen.

Vervangen door de telefoonlijst die hier wordt getoond? De wijzigingen van het andere programma gaan dan verloren.</translation>
    </message>
    <message>
        <source>The directory file &quot;%1&quot; could not be read completely. %2

Saving now would replace the file with what is shown.</source>
        <translation>Het telefoonlijstbestand ‘%1’ kon niet volledig worden gelezen. %2

Als u nu opslaat, wordt het bestand vervangen door wat er wordt getoond.</translation>
    </message>
    <message>
        <source>The directory file &quot;%1&quot; could not be opened: %2 %3

Saving now would replace the file with what is shown.</source>
        <translation>Het telefoonlijstbestand ‘%1’ kon niet worden geopend: %2 %3

Als u nu opslaat, wordt het bestand vervangen door wat er wordt getoond.</translation>
    </message>
    <message numerus="yes">
        <source>%n record was read and is shown.</source>
        <translation>
            <numerusform>%n item is gelezen en wordt getoond.</numerusform>
            <numerusform>%n items zijn gelezen en worden getoond.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records were read and are shown.</source>
        <translation>
            <numerusform>%n item is gelezen en wordt getoond.</numerusform>
            <numerusform>%n items zijn gelezen en worden getoond.</numerusform>
        </translation>
    </message>
    <message>
        <source>The directory could not be printed: %1

Nothing in the directory has changed.</source>
        <translation>De telefoonlijst kon niet worden afgedrukt: %1

Er is niets in de telefoonlijst veranderd.</translation>
    </message>
</context>
<context>
    <name>Framework</name>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Verplaatsen</translation>
    </message>
    <message>
        <source>&amp;Close	Alt+F4</source>
        <translation>&amp;Sluiten	Alt+F4</translation>
    </message>
    <message>
        <source>Please enter a whole number.</source>
        <translation>Voer een geheel getal in.</translation>
    </message>
    <message numerus="yes">
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
        <source>it is a folder, not a file</source>
        <translation>het is een map, geen bestand</translation>
    </message>
    <message>
        <source>it is a named pipe (FIFO), not a file</source>
        <translation>het is een named pipe (FIFO), geen bestand</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>het is een apparaat, geen bestand</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>het is een socket, geen bestand</translation>
    </message>
    <message>
        <source>it is something other than a file, not a file</source>
        <translation>het is iets anders dan een bestand</translation>
    </message>
    <message>
        <source>it is a symbolic link to a folder, not to a file</source>
        <translation>het is een symbolische koppeling naar een map, niet naar een bestand</translation>
    </message>
    <message>
        <source>it is a symbolic link to a named pipe (FIFO), not to a file</source>
        <translation>het is een symbolische koppeling naar een named pipe (FIFO), niet naar een bestand</translation>
    </message>
    <message>
        <source>it is a symbolic link to a device, not to a file</source>
        <translation>het is een symbolische koppeling naar een apparaat, niet naar een bestand</translation>
    </message>
    <message>
        <source>it is a symbolic link to a socket, not to a file</source>
        <translation>het is een symbolische koppeling naar een socket, niet naar een bestand</translation>
    </message>
    <message>
        <source>it is a symbolic link to something other than a file, not to a file</source>
        <translation>het is een symbolische koppeling naar iets anders dan een bestand</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>de schijf is alleen-lezen</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>de schijf is vol</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>het schijfquotum is op</translation>
    </message>
    <message>
        <source>the file would be larger than this process may write</source>
        <translation>het bestand zou groter worden dan dit proces mag schrijven</translation>
    </message>
    <message>
        <source>the lock file &quot;%1&quot; could not be opened: %2</source>
        <translation>het vergrendelingsbestand ‘%1’ kon niet worden geopend: %2</translation>
    </message>
    <message>
        <source>the lock file &quot;%1&quot; could not be locked: %2</source>
        <translation>het vergrendelingsbestand ‘%1’ kon niet worden vergrendeld: %2</translation>
    </message>
    <message>
        <source>another program is changing the directory</source>
        <translation>een ander programma wijzigt op dit moment de telefoonlijst</translation>
    </message>
    <message>
        <source>a Dialstack window has unsaved changes to the directory, or another program is changing it; once they are saved, the next sync or import takes them in</source>
        <translation>een Dialstack-venster heeft niet-opgeslagen wijzigingen in de telefoonlijst, of een ander programma wijzigt die op dit moment; zodra ze zijn opgeslagen, neemt de volgende synchronisatie of import ze over</translation>
    </message>
    <message>
        <source>the new contents could not be made; nothing was replaced</source>
        <translation>de nieuwe inhoud kon niet worden gemaakt; er is niets vervangen</translation>
    </message>
    <message>
        <source>there is not enough memory to make the new contents; nothing was replaced</source>
        <translation>er is niet genoeg geheugen om de nieuwe inhoud te maken; er is niets vervangen</translation>
    </message>
    <message>
        <source>the folder takes no new file, so the file itself was rewritten, which failed (%1); its old contents were written back, so it is as it was</source>
        <translation>de map neemt geen nieuw bestand aan, dus is het bestand zelf herschreven, wat mislukte (%1); de oude inhoud is teruggezet, dus het is zoals het was</translation>
    </message>
    <message>
        <source>the folder takes no new file, so the file itself was rewritten, which failed (%1); its old contents could not be written back, so the file is damaged</source>
        <translation>de map neemt geen nieuw bestand aan, dus is het bestand zelf herschreven, wat mislukte (%1); de oude inhoud kon niet worden teruggezet, dus het bestand is beschadigd</translation>
    </message>
    <message>
        <source>it is a symbolic link to nothing; nothing was replaced</source>
        <translation>het is een symbolische koppeling die nergens naartoe leidt; er is niets vervangen</translation>
    </message>
    <message>
        <source>%1; nothing was replaced</source>
        <translation>%1; er is niets vervangen</translation>
    </message>
    <message>
        <source>the new file is in place, but it may not be on the disk yet: the folder could not be synced (%1)</source>
        <translation>het nieuwe bestand staat op zijn plaats, maar staat misschien nog niet op de schijf: de map kon niet naar de schijf worden geschreven (%1)</translation>
    </message>
    <message>
        <source>the folder it belongs in no longer exists</source>
        <translation>de map waarin het hoort bestaat niet meer</translation>
    </message>
    <message>
        <source>there is not enough memory to replace the file; nothing was replaced</source>
        <translation>er is niet genoeg geheugen om het bestand te vervangen; er is niets vervangen</translation>
    </message>
    <message>
        <source>there is not enough memory to make the file</source>
        <translation>er is niet genoeg geheugen om het bestand te maken</translation>
    </message>
    <message>
        <source>there is no directory to save</source>
        <translation>er is geen telefoonlijst om op te slaan</translation>
    </message>
    <message>
        <source>the print service (CUPS) is not running</source>
        <translation>de afdrukservice (CUPS) draait niet</translation>
    </message>
    <message>
        <source>no default printer is configured; choose one in the system&apos;s printer settings or with &quot;lpoptions -d PRINTER&quot;</source>
        <translation>er is geen standaardprinter ingesteld; kies er een in de printerinstellingen van het systeem of met ‘lpoptions -d PRINTER’</translation>
    </message>
    <message>
        <source>the default printer is not available: %1</source>
        <translation>de standaardprinter is niet beschikbaar: %1</translation>
    </message>
    <message>
        <source>the printer refused the job: %1</source>
        <translation>de printer heeft de opdracht geweigerd: %1</translation>
    </message>
    <message>
        <source>the job could not be sent to the printer: %1</source>
        <translation>de opdracht kon niet naar de printer worden gestuurd: %1</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>toegang geweigerd</translation>
    </message>
    <message>
        <source>operation not permitted</source>
        <translation>bewerking niet toegestaan</translation>
    </message>
    <message>
        <source>no such file or directory</source>
        <translation>bestand of map bestaat niet</translation>
    </message>
    <message>
        <source>not a directory</source>
        <translation>een deel van het pad is geen map</translation>
    </message>
    <message>
        <source>is a directory</source>
        <translation>het is een map</translation>
    </message>
    <message>
        <source>too many levels of symbolic links</source>
        <translation>te veel niveaus van symbolische koppelingen</translation>
    </message>
    <message>
        <source>file name too long</source>
        <translation>bestandsnaam te lang</translation>
    </message>
    <message>
        <source>input/output error</source>
        <translation>invoer-/uitvoerfout</translation>
    </message>
    <message>
        <source>device or resource busy</source>
        <translation>apparaat of bron is bezet</translation>
    </message>
    <message>
        <source>text file busy</source>
        <translation>het bestand wordt als programma uitgevoerd</translation>
    </message>
    <message>
        <source>cannot allocate memory</source>
        <translation>onvoldoende geheugen</translation>
    </message>
    <message>
        <source>too many open files</source>
        <translation>te veel open bestanden</translation>
    </message>
    <message>
        <source>too many open files in system</source>
        <translation>te veel open bestanden in het systeem</translation>
    </message>
    <message>
        <source>no locks available</source>
        <translation>geen vergrendelingen beschikbaar</translation>
    </message>
    <message>
        <source>stale file handle</source>
        <translation>verouderde bestandsverwijzing</translation>
    </message>
    <message>
        <source>no such device or address</source>
        <translation>apparaat of adres bestaat niet</translation>
    </message>
    <message>
        <source>invalid cross-device link</source>
        <translation>ongeldige koppeling tussen apparaten</translation>
    </message>
    <message>
        <source>invalid argument</source>
        <translation>ongeldig argument</translation>
    </message>
    <message>
        <source>transport endpoint is not connected</source>
        <translation>de verbinding met het bestandssysteem is verbroken</translation>
    </message>
    <message>
        <source>connection timed out</source>
        <translation>time-out bij de verbinding</translation>
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
        <translation>gebruik: dialstack [--help | --version]
Opent de telefoonlijst Dialstack.dat van de huidige map in een venster. Zie
dialstack(1); dialstack-convert(1) en dialstack-sync(1) werken vanaf de
opdrachtregel met hetzelfde bestand.
</translation>
    </message>
    <message>
        <source>this program needs a graphical desktop, but no display is set here (DISPLAY and WAYLAND_DISPLAY are empty); start it from your desktop session.</source>
        <translation>dit programma heeft een grafische desktop nodig, maar hier is geen scherm ingesteld (DISPLAY en WAYLAND_DISPLAY zijn leeg); start het vanuit uw desktopsessie.</translation>
    </message>
</context>
</TS>
