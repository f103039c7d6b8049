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
    <message>
        <source>Set Up Sync</source>
        <translation>Synchronisatie instellen</translation>
    </message>
    <message>
        <source>Sync Settings</source>
        <translation>Synchronisatie-instellingen</translation>
    </message>
    <message>
        <source>&amp;Server address:</source>
        <translation>&amp;Serveradres:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Gebruikersnaam:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Wachtwoord:</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Verbinden</translation>
    </message>
    <message>
        <source>&amp;Address books:</source>
        <translation>&amp;Adresboeken:</translation>
    </message>
    <message>
        <source>Type the address of your CardDAV server (your provider's help names it), your user name and your password, then press Connect.</source>
        <translation>Typ het adres van uw CardDAV-server (de hulp van uw provider noemt het), uw gebruikersnaam en uw wachtwoord en klik daarna op ‘Verbinden’.</translation>
    </message>
    <message>
        <source>Stop S&amp;yncing</source>
        <translation>S&amp;toppen met synchroniseren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Sync Password</source>
        <translation>Wachtwoord voor synchronisatie</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Wachtwoord:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>Set &amp;Up Sync…</source>
        <translation>Synchronisatie &amp;instellen…</translation>
    </message>
    <message>
        <source>Sync Se&amp;ttings…</source>
        <translation>Synchronisatie-inst&amp;ellingen…</translation>
    </message>
    <message>
        <source>The directory and the address book are in step: %1 here, %2 in the address book.</source>
        <translation>De lijst en het adresboek zijn gelijk: %1 hier, %2 in het adresboek.</translation>
    </message>
    <message numerus="yes">
        <source>%n change</source>
        <translation>
            <numerusform>%n wijziging</numerusform>
            <numerusform>%n wijzigingen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changes</source>
        <translation>
            <numerusform>%n wijziging</numerusform>
            <numerusform>%n wijzigingen</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the server's address, your user name and your password first.</source>
        <translation>Typ eerst het adres van de server, uw gebruikersnaam en uw wachtwoord.</translation>
    </message>
    <message>
        <source>Looking for your address books on the server…</source>
        <translation>Uw adresboeken worden op de server gezocht…</translation>
    </message>
    <message>
        <source>The server holds several address books for %1. Pick the one to sync with, then press Connect again.</source>
        <translation>De server heeft meerdere adresboeken voor %1. Kies het adresboek om mee te synchroniseren en klik opnieuw op ‘Verbinden’.</translation>
    </message>
    <message>
        <source>%1 refused the password of %2. Check the user name and the password, then press Connect again.</source>
        <translation>%1 heeft het wachtwoord van %2 geweigerd. Controleer de gebruikersnaam en het wachtwoord en klik opnieuw op ‘Verbinden’.</translation>
    </message>
    <message>
        <source>No address book was found at %1 for %2. Check the server's address (your provider's help names it), then press Connect again.</source>
        <translation>Op %1 is geen adresboek voor %2 gevonden. Controleer het adres van de server (de hulp van uw provider noemt het) en klik opnieuw op ‘Verbinden’.</translation>
    </message>
    <message>
        <source>The server could not be reached or did not answer as expected:
%1</source>
        <translation>De server was niet bereikbaar of antwoordde niet zoals verwacht:
%1</translation>
    </message>
    <message>
        <source>The directory and the address book are in step. Your password is kept in your desktop's keyring.</source>
        <translation>De lijst en het adresboek zijn gelijk. Uw wachtwoord is bewaard in de sleutelbos van uw bureaublad.</translation>
    </message>
    <message>
        <source>The directory and the address book are in step. Your password is kept in the file %1, which only you can read.</source>
        <translation>De lijst en het adresboek zijn gelijk. Uw wachtwoord is bewaard in het bestand %1, dat alleen u kunt lezen.</translation>
    </message>
    <message>
        <source>The directory and the address book are in step. Your password could not be kept, so the sync will ask for it again.</source>
        <translation>De lijst en het adresboek zijn gelijk. Uw wachtwoord kon niet worden bewaard; de synchronisatie vraagt er daarom opnieuw om.</translation>
    </message>
    <message>
        <source>Sync every quarter of an hour from now on, while you are logged in?</source>
        <translation>Voortaan elk kwartier synchroniseren, zolang u bent aangemeld?</translation>
    </message>
    <message>
        <source>Sync &amp;every quarter hour</source>
        <translation>&amp;Elk kwartier</translation>
    </message>
    <message>
        <source>&amp;Not now</source>
        <translation>&amp;Niet nu</translation>
    </message>
    <message>
        <source>From now on the directory is synced every quarter of an hour.</source>
        <translation>De lijst wordt voortaan elk kwartier gesynchroniseerd.</translation>
    </message>
    <message>
        <source>This computer cannot sync every quarter of an hour on its own: that needs the systemd user manager, and none runs for you here. Use Sync Now in the window menu instead.</source>
        <translation>Deze computer kan niet uit zichzelf elk kwartier synchroniseren: daarvoor is de gebruikersbeheerder van systemd nodig, en die draait hier niet voor u. Gebruik in plaats daarvan ‘Nu synchroniseren’ in het venstermenu.</translation>
    </message>
    <message>
        <source>The quarter-hourly sync could not be switched on:

%1</source>
        <translation>Het synchroniseren elk kwartier kon niet worden ingeschakeld:

%1</translation>
    </message>
    <message>
        <source>Stop syncing this directory with the address book?

The directory file stays as it is. The sync can also forget what it knows of this directory; setting it up again then starts afresh.</source>
        <translation>Stoppen met het synchroniseren van deze lijst met het adresboek?

Het lijstbestand blijft zoals het is. De synchronisatie kan ook vergeten wat ze van deze lijst weet; opnieuw instellen begint dan vanaf nul.</translation>
    </message>
    <message>
        <source>&amp;Stop syncing</source>
        <translation>&amp;Stoppen</translation>
    </message>
    <message>
        <source>Stop and &amp;forget</source>
        <translation>Stoppen en &amp;vergeten</translation>
    </message>
    <message>
        <source>The directory is no longer synced every quarter of an hour. Sync Now still syncs it when you ask.</source>
        <translation>De lijst wordt niet meer elk kwartier gesynchroniseerd. ‘Nu synchroniseren’ synchroniseert haar nog steeds wanneer u dat vraagt.</translation>
    </message>
    <message>
        <source>The directory is no longer synced. Dialstack.dat stays as it is.</source>
        <translation>De lijst wordt niet meer gesynchroniseerd. Dialstack.dat blijft zoals het is.</translation>
    </message>
    <message>
        <source>The sync could not be stopped:

%1</source>
        <translation>De synchronisatie kon niet worden gestopt:

%1</translation>
    </message>
    <message>
        <source>%1 refused the password of %2. Type the password again:</source>
        <translation>%1 heeft het wachtwoord van %2 geweigerd. Typ het wachtwoord opnieuw:</translation>
    </message>
    <message>
        <source>The sync needs the password of %2 at %1:</source>
        <translation>De synchronisatie heeft het wachtwoord van %2 op %1 nodig:</translation>
    </message>
    <message>
        <source>The password file %1 is gone or others can read it, so the sync no longer uses it. Type the password; it will be kept safely:</source>
        <translation>Het wachtwoordbestand %1 is weg of anderen kunnen het lezen; de synchronisatie gebruikt het daarom niet meer. Typ het wachtwoord; het wordt weer veilig bewaard:</translation>
    </message>
    <message>
        <source>Names were deleted here, and %1 of the %2 cards in the address book would go with them: %3.

The sync stopped so that nothing is deleted by mistake.</source>
        <translation>Hier zijn namen verwijderd, en %1 van de %2 kaarten in het adresboek zouden mee verdwijnen: %3.

De synchronisatie is gestopt, zodat er niets per ongeluk wordt verwijderd.</translation>
    </message>
    <message>
        <source>Cards were deleted from the address book, and %1 of the %2 names here would go with them: %3.

The sync stopped so that nothing is deleted by mistake.</source>
        <translation>In het adresboek zijn kaarten verwijderd, en %1 van de %2 namen hier zouden mee verdwijnen: %3.

De synchronisatie is gestopt, zodat er niets per ongeluk wordt verwijderd.</translation>
    </message>
    <message>
        <source>&amp;Delete them there too</source>
        <translation>Daar ook &amp;verwijderen</translation>
    </message>
    <message>
        <source>&amp;Delete them here too</source>
        <translation>Hier ook &amp;verwijderen</translation>
    </message>
    <message>
        <source>&amp;Bring them back</source>
        <translation>&amp;Terugzetten</translation>
    </message>
    <message numerus="yes">
        <source>and %n other name</source>
        <translation>
            <numerusform>en nog %n naam</numerusform>
            <numerusform>en nog %n namen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n other names</source>
        <translation>
            <numerusform>en nog %n naam</numerusform>
            <numerusform>en nog %n namen</numerusform>
        </translation>
    </message>
    <message>
        <source>This computer does not trust the certificate of %1, so the sync stopped.

Issued to: %2
Issued by: %3
SHA-256 fingerprint: %4

Trust it only if your server's administrator gave you this fingerprint.</source>
        <translation>Deze computer vertrouwt het certificaat van %1 niet; de synchronisatie is daarom gestopt.

Uitgegeven aan: %2
Uitgegeven door: %3
SHA-256-vingerafdruk: %4

Vertrouw het alleen als de beheerder van uw server u deze vingerafdruk heeft gegeven.</translation>
    </message>
    <message>
        <source>&amp;Trust this certificate</source>
        <translation>Dit certificaat &amp;vertrouwen</translation>
    </message>
    <message>
        <source>The address book %1 is gone from the server, so the sync stopped. Choose the address book to sync with in the window that opens now.</source>
        <translation>Het adresboek %1 bestaat niet meer op de server; de synchronisatie is daarom gestopt. Kies in het venster dat nu opent het adresboek om mee te synchroniseren.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed both here and in the address book. It now holds the address book's version; this computer's version was kept as &quot;%2&quot;.
%3</source>
        <translation>‘%1’ is zowel hier als in het adresboek gewijzigd. Het item heeft nu de versie van het adresboek; de versie van deze computer is bewaard als ‘%2’.
%3</translation>
    </message>
    <message>
        <source>%1: here &quot;%2&quot;, in the address book &quot;%3&quot;</source>
        <translation>%1: hier ‘%2’, in het adresboek ‘%3’</translation>
    </message>
    <message>
        <source>&amp;Select the Copy</source>
        <translation>&amp;Kopie selecteren</translation>
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
