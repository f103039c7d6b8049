<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>Resources</name>
    <message>
        <source>About Quillaven Dialstack</source>
        <translation>Informazioni su Quillaven Dialstack</translation>
    </message>
    <message>
        <source>Dialstack icon</source>
        <translation>Icona di Dialstack</translation>
    </message>
    <message>
        <source>Quillaven Dialstack Version 2.0</source>
        <translation>Quillaven Dialstack versione 2.0</translation>
    </message>
    <message>
        <source>Made in Quillaven for every desk.</source>
        <translation>Fatto a Quillaven per ogni scrivania.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Dialstack keeps the names, phone and pager numbers, e-mail addresses and notes of the people you call, in the file Dialstack.dat of the folder you start it from.</source>
        <translation>Dialstack conserva nomi, numeri di telefono e di pager, indirizzi email e note delle persone che chiami, nel file Dialstack.dat della cartella da cui lo avvii.</translation>
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
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Save Now</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Delete Name</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Undo Changes</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Edit Name</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Save / Quit</source>
        <translation>Salva/Esci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nomi</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
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
        <translation>Note</translation>
    </message>
    <message>
        <source>Add Record</source>
        <translation>Aggiungi voce</translation>
    </message>
    <message>
        <source>Edit Item</source>
        <translation>Modifica voce</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Telefono</translation>
    </message>
    <message>
        <source>Pager Number</source>
        <translation>Pager</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>Indirizzo email</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Trova:</translation>
    </message>
    <message>
        <source>Find what</source>
        <translation>Testo da cercare</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Successivo</translation>
    </message>
    <message>
        <source>&amp;About Dialstack2...</source>
        <translation>&amp;Informazioni su Dialstack2...</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>&amp;Trova…</translation>
    </message>
    <message>
        <source>Dialstack Help</source>
        <translation>Guida di Dialstack</translation>
    </message>
    <message>
        <source>Sync &amp;Now</source>
        <translation>Si&amp;ncronizza ora</translation>
    </message>
    <message>
        <source>Your changes to the directory are not saved yet.

Save them before you leave?</source>
        <translation>Le modifiche all&apos;elenco non sono ancora state salvate.

Salvarle prima di uscire?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Leave without saving</source>
        <translation>&amp;Esci senza salvare</translation>
    </message>
    <message>
        <source>S&amp;tay</source>
        <translation>&amp;Resta</translation>
    </message>
    <message>
        <source>Another program (dialstack-sync or dialstack-convert import) is changing the directory file right now, so nothing was changed here.

Try again in a moment: the window then shows what that program wrote.</source>
        <translation>Un altro programma (dialstack-sync o dialstack-convert import) sta modificando il file dell&apos;elenco in questo momento, quindi qui non è stato modificato nulla.

Riprova tra poco: la finestra mostrerà allora ciò che quel programma ha scritto.</translation>
    </message>
    <message>
        <source>Your changes are not saved yet. The sync takes the directory as saved.

Save your changes and sync?</source>
        <translation>Le modifiche non sono ancora state salvate. La sincronizzazione usa l&apos;elenco così com&apos;è salvato.

Salvare le modifiche e sincronizzare?</translation>
    </message>
    <message>
        <source>&amp;Save and sync</source>
        <translation>&amp;Salva e sincronizza</translation>
    </message>
    <message>
        <source>Syncing the directory with the address book…</source>
        <translation>Sincronizzazione dell&apos;elenco con la rubrica…</translation>
    </message>
    <message>
        <source>The sync program dialstack-sync was found neither beside Dialstack nor on the PATH.

Install it with Dialstack, then try again.</source>
        <translation>Il programma di sincronizzazione dialstack-sync non è stato trovato né accanto a Dialstack né nel PATH.

Installalo insieme a Dialstack, poi riprova.</translation>
    </message>
    <message>
        <source>The sync program %1 could not be started: %2</source>
        <translation>Impossibile avviare il programma di sincronizzazione %1: %2</translation>
    </message>
    <message>
        <source>The directory and the address book are in step.</source>
        <translation>L&apos;elenco e la rubrica sono sincronizzati.</translation>
    </message>
    <message>
        <source>The sync did not finish:

%1

Check the network and the server, then try again. What was synced stays; the next sync does the rest.</source>
        <translation>La sincronizzazione non è stata completata:

%1

Controlla la rete e il server, poi riprova. Ciò che è già stato sincronizzato resta; la prossima sincronizzazione farà il resto.</translation>
    </message>
    <message>
        <source>The sync of this directory is not set up as expected:

%1

Set it up again in a terminal (see &quot;man dialstack-sync&quot;).</source>
        <translation>La sincronizzazione di questo elenco non è configurata come previsto:

%1

Configurala di nuovo in un terminale (vedi «man dialstack-sync»).</translation>
    </message>
    <message>
        <source>The sync cannot run now:

%1

Try again in a moment.</source>
        <translation>Al momento la sincronizzazione non può essere eseguita:

%1

Riprova tra poco.</translation>
    </message>
    <message>
        <source>The sync stopped because it needs you:

%1

Run dialstack-sync --file &quot;%2&quot; in a terminal to settle it.</source>
        <translation>La sincronizzazione si è fermata perché serve il tuo intervento:

%1

Esegui dialstack-sync --file &quot;%2&quot; in un terminale per risolvere.</translation>
    </message>
    <message>
        <source>The sync was cancelled. What it had finished stays; the next sync does the rest.</source>
        <translation>La sincronizzazione è stata annullata. Ciò che aveva già completato resta; la prossima sincronizzazione farà il resto.</translation>
    </message>
    <message>
        <source>The sync program ended unexpectedly.

%1

Try again; if it happens again, run dialstack-sync --file &quot;%2&quot; in a terminal to see why.</source>
        <translation>Il programma di sincronizzazione è terminato in modo imprevisto.

%1

Riprova; se succede ancora, esegui dialstack-sync --file &quot;%2&quot; in un terminale per vederne il motivo.</translation>
    </message>
    <message>
        <source>Only the selected record matches &quot;%1&quot;.</source>
        <translation>Solo la voce selezionata corrisponde a «%1».</translation>
    </message>
    <message>
        <source>Nothing in the directory matches &quot;%1&quot;.</source>
        <translation>Nessuna voce dell&apos;elenco corrisponde a «%1».</translation>
    </message>
    <message>
        <source>You must specify a name!</source>
        <translation>È necessario specificare un nome!</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>errore sconosciuto</translation>
    </message>
    <message>
        <source>The directory could not be saved to &quot;%1&quot;: %2

%3</source>
        <translation>Impossibile salvare l&apos;elenco in «%1»: %2

%3</translation>
    </message>
    <message>
        <source>The directory could not be saved to &quot;%1&quot;: %2

%3 The file on disk is unchanged.</source>
        <translation>Impossibile salvare l&apos;elenco in «%1»: %2

%3 Il file sul disco non è stato modificato.</translation>
    </message>
    <message>
        <source>Your changes are still here.</source>
        <translation>Le tue modifiche sono ancora qui.</translation>
    </message>
    <message>
        <source>Dialstack stays open so that your changes are not lost.</source>
        <translation>Dialstack resta aperto perché le tue modifiche non vadano perse.</translation>
    </message>
    <message>
        <source>Your changes are still here; nothing was synced.</source>
        <translation>Le tue modifiche sono ancora qui; non è stato sincronizzato nulla.</translation>
    </message>
    <message>
        <source>The directory was saved to &quot;%1&quot;; %2</source>
        <translation>L&apos;elenco è stato salvato in «%1»; %2</translation>
    </message>
    <message>
        <source>The directory file &quot;%1&quot; has been changed by another program since Dialstack loaded or saved it.

Replace it with the directory shown here? The other program&apos;s changes would be lost.</source>
        <translation>Il file dell&apos;elenco «%1» è stato modificato da un altro programma dopo che Dialstack l&apos;ha caricato o salvato.

Sostituirlo con l&apos;elenco mostrato qui? Le modifiche dell&apos;altro programma andrebbero perse.</translation>
    </message>
    <message>
        <source>The directory file &quot;%1&quot; could not be read completely. %2

Saving now would replace the file with what is shown.</source>
        <translation>Impossibile leggere per intero il file dell&apos;elenco «%1». %2

Salvando ora il file verrebbe sostituito da ciò che è mostrato.</translation>
    </message>
    <message>
        <source>The directory file &quot;%1&quot; could not be opened: %2 %3

Saving now would replace the file with what is shown.</source>
        <translation>Impossibile aprire il file dell&apos;elenco «%1»: %2 %3

Salvando ora il file verrebbe sostituito da ciò che è mostrato.</translation>
    </message>
    <message numerus="yes">
        <source>%n record was read and is shown.</source>
        <translation>
            <numerusform>È stata letta ed è mostrata %n voce.</numerusform>
            <numerusform>Sono state lette e sono mostrate %n voci.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records were read and are shown.</source>
        <translation>
            <numerusform>È stata letta ed è mostrata %n voce.</numerusform>
            <numerusform>Sono state lette e sono mostrate %n voci.</numerusform>
        </translation>
    </message>
    <message>
        <source>The directory could not be printed: %1

Nothing in the directory has changed.</source>
        <translation>Impossibile stampare l&apos;elenco: %1

Nell&apos;elenco non è cambiato nulla.</translation>
    </message>
    <message>
        <source>Set Up Sync</source>
        <translation>Configura sincronizzazione</translation>
    </message>
    <message>
        <source>Sync Settings</source>
        <translation>Opzioni di sincronizzazione</translation>
    </message>
    <message>
        <source>&amp;Server address:</source>
        <translation>Indirizzo del &amp;server:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nome &amp;utente:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Password:</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Connetti</translation>
    </message>
    <message>
        <source>&amp;Address books:</source>
        <translation>&amp;Elenchi di contatti:</translation>
    </message>
    <message>
        <source>Type the address of your CardDAV server (your provider's help names it), your user name and your password, then press Connect.</source>
        <translation>Inserisci l'indirizzo del tuo server CardDAV (lo trovi nella guida del tuo fornitore), il nome utente e la password, poi premi «Connetti».</translation>
    </message>
    <message>
        <source>Stop S&amp;yncing</source>
        <translation>&amp;Interrompi la sincronizzazione</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Sync Password</source>
        <translation>Password della sincronizzazione</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Set &amp;Up Sync…</source>
        <translation>Con&amp;figura sincronizzazione…</translation>
    </message>
    <message>
        <source>Sync Se&amp;ttings…</source>
        <translation>&amp;Opzioni di sincronizzazione…</translation>
    </message>
    <message>
        <source>The directory and the address book are in step: %1 here, %2 in the address book.</source>
        <translation>La rubrica e i contatti del server sono allineati: %1 qui, %2 sul server.</translation>
    </message>
    <message numerus="yes">
        <source>%n change</source>
        <translation>
            <numerusform>%n modifica</numerusform>
            <numerusform>%n modifiche</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changes</source>
        <translation>
            <numerusform>%n modifica</numerusform>
            <numerusform>%n modifiche</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the server's address, your user name and your password first.</source>
        <translation>Inserisci prima l'indirizzo del server, il nome utente e la password.</translation>
    </message>
    <message>
        <source>Looking for your address books on the server…</source>
        <translation>Ricerca dei tuoi elenchi di contatti sul server…</translation>
    </message>
    <message>
        <source>The server holds several address books for %1. Pick the one to sync with, then press Connect again.</source>
        <translation>Sul server ci sono più elenchi di contatti per %1. Scegli quella da sincronizzare, poi premi di nuovo «Connetti».</translation>
    </message>
    <message>
        <source>%1 refused the password of %2. Check the user name and the password, then press Connect again.</source>
        <translation>%1 ha rifiutato la password di %2. Controlla nome utente e password, poi premi di nuovo «Connetti».</translation>
    </message>
    <message>
        <source>No address book was found at %1 for %2. Check the server's address (your provider's help names it), then press Connect again.</source>
        <translation>Nessun elenco di contatti trovato su %1 per %2. Controlla l'indirizzo del server (lo trovi nella guida del tuo fornitore), poi premi di nuovo «Connetti».</translation>
    </message>
    <message>
        <source>The server could not be reached or did not answer as expected:
%1</source>
        <translation>Il server non è raggiungibile o non ha risposto come previsto:
%1</translation>
    </message>
    <message>
        <source>The directory and the address book are in step. Your password is kept in your desktop's keyring.</source>
        <translation>La rubrica e i contatti del server sono allineati. La password è conservata nel portachiavi del desktop.</translation>
    </message>
    <message>
        <source>The directory and the address book are in step. Your password is kept in the file %1, which only you can read.</source>
        <translation>La rubrica e i contatti del server sono allineati. La password è conservata nel file %1, che solo tu puoi leggere.</translation>
    </message>
    <message>
        <source>The directory and the address book are in step. Your password could not be kept, so the sync will ask for it again.</source>
        <translation>La rubrica e i contatti del server sono allineati. Non è stato possibile conservare la password: la sincronizzazione la chiederà di nuovo.</translation>
    </message>
    <message>
        <source>Sync every quarter of an hour from now on, while you are logged in?</source>
        <translation>Sincronizzare d'ora in poi ogni quarto d'ora, finché sei collegato?</translation>
    </message>
    <message>
        <source>Sync &amp;every quarter hour</source>
        <translation>&amp;Ogni quarto d'ora</translation>
    </message>
    <message>
        <source>&amp;Not now</source>
        <translation>&amp;Non ora</translation>
    </message>
    <message>
        <source>From now on the directory is synced every quarter of an hour.</source>
        <translation>D'ora in poi la rubrica viene sincronizzata ogni quarto d'ora.</translation>
    </message>
    <message>
        <source>This computer cannot sync every quarter of an hour on its own: that needs the systemd user manager, and none runs for you here. Use Sync Now in the window menu instead.</source>
        <translation>Questo computer non può sincronizzare da solo ogni quarto d'ora: serve il gestore utente di systemd, che qui non è attivo per te. Usa invece «Sincronizza ora» nel menu della finestra.</translation>
    </message>
    <message>
        <source>The quarter-hourly sync could not be switched on:

%1</source>
        <translation>Non è stato possibile attivare la sincronizzazione ogni quarto d'ora:

%1</translation>
    </message>
    <message>
        <source>Stop syncing this directory with the address book?

The directory file stays as it is. The sync can also forget what it knows of this directory; setting it up again then starts afresh.</source>
        <translation>Interrompere la sincronizzazione di questa rubrica con i contatti del server?

Il file della rubrica resta com'è. La sincronizzazione può anche dimenticare ciò che sa di questa rubrica; configurarla di nuovo ripartirà allora da zero.</translation>
    </message>
    <message>
        <source>&amp;Stop syncing</source>
        <translation>&amp;Interrompi</translation>
    </message>
    <message>
        <source>Stop and &amp;forget</source>
        <translation>Interrompi e &amp;dimentica</translation>
    </message>
    <message>
        <source>The directory is no longer synced every quarter of an hour. Sync Now still syncs it when you ask.</source>
        <translation>La rubrica non viene più sincronizzata ogni quarto d'ora. «Sincronizza ora» la sincronizza ancora quando lo chiedi.</translation>
    </message>
    <message>
        <source>The directory is no longer synced. Dialstack.dat stays as it is.</source>
        <translation>La rubrica non viene più sincronizzata. Dialstack.dat resta com'è.</translation>
    </message>
    <message>
        <source>The sync could not be stopped:

%1</source>
        <translation>Non è stato possibile interrompere la sincronizzazione:

%1</translation>
    </message>
    <message>
        <source>%1 refused the password of %2. Type the password again:</source>
        <translation>%1 ha rifiutato la password di %2. Inserisci di nuovo la password:</translation>
    </message>
    <message>
        <source>The sync needs the password of %2 at %1:</source>
        <translation>La sincronizzazione ha bisogno della password di %2 su %1:</translation>
    </message>
    <message>
        <source>The password file %1 is gone or others can read it, so the sync no longer uses it. Type the password; it will be kept safely:</source>
        <translation>Il file della password %1 non c'è più o altri possono leggerlo, quindi la sincronizzazione non lo usa più. Inserisci la password; verrà di nuovo conservata al sicuro:</translation>
    </message>
    <message>
        <source>Names were deleted here, and %1 of the %2 cards in the address book would go with them: %3.

The sync stopped so that nothing is deleted by mistake.</source>
        <translation>Qui sono stati eliminati dei nomi, e %1 delle %2 schede sul server sparirebbero con loro: %3.

La sincronizzazione si è fermata perché nulla venga eliminato per errore.</translation>
    </message>
    <message>
        <source>Cards were deleted from the address book, and %1 of the %2 names here would go with them: %3.

The sync stopped so that nothing is deleted by mistake.</source>
        <translation>Sul server sono state eliminate delle schede, e %1 dei %2 nomi qui sparirebbero con loro: %3.

La sincronizzazione si è fermata perché nulla venga eliminato per errore.</translation>
    </message>
    <message>
        <source>&amp;Delete them there too</source>
        <translation>&amp;Eliminali anche lì</translation>
    </message>
    <message>
        <source>&amp;Delete them here too</source>
        <translation>&amp;Eliminali anche qui</translation>
    </message>
    <message>
        <source>&amp;Bring them back</source>
        <translation>&amp;Ripristinali</translation>
    </message>
    <message numerus="yes">
        <source>and %n other name</source>
        <translation>
            <numerusform>e %n altro nome</numerusform>
            <numerusform>e altri %n nomi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n other names</source>
        <translation>
            <numerusform>e %n altro nome</numerusform>
            <numerusform>e altri %n nomi</numerusform>
        </translation>
    </message>
    <message>
        <source>This computer does not trust the certificate of %1, so the sync stopped.

Issued to: %2
Issued by: %3
SHA-256 fingerprint: %4

Trust it only if your server's administrator gave you this fingerprint.</source>
        <translation>Questo computer non si fida del certificato di %1, quindi la sincronizzazione si è fermata.

Rilasciato a: %2
Rilasciato da: %3
Impronta SHA-256: %4

Fidati solo se l'amministratore del tuo server ti ha dato questa impronta.</translation>
    </message>
    <message>
        <source>&amp;Trust this certificate</source>
        <translation>&amp;Fidati di questo certificato</translation>
    </message>
    <message>
        <source>The address book %1 is gone from the server, so the sync stopped. Choose the address book to sync with in the window that opens now.</source>
        <translation>L'elenco di contatti %1 non c'è più sul server, quindi la sincronizzazione si è fermata. Scegli l'elenco di contatti da sincronizzare nella finestra che si apre ora.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed both here and in the address book. It now holds the address book's version; this computer's version was kept as &quot;%2&quot;.
%3</source>
        <translation>«%1» è stato modificato sia qui sia sul server. Ora contiene la versione del server; quella di questo computer è stata conservata come «%2».
%3</translation>
    </message>
    <message>
        <source>%1: here &quot;%2&quot;, in the address book &quot;%3&quot;</source>
        <translation>%1: qui «%2», sul server «%3»</translation>
    </message>
    <message>
        <source>&amp;Select the Copy</source>
        <translation>&amp;Seleziona la copia</translation>
    </message>
</context>
<context>
    <name>Framework</name>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Sposta</translation>
    </message>
    <message>
        <source>&amp;Close	Alt+F4</source>
        <translation>&amp;Chiudi	Alt+F4</translation>
    </message>
    <message>
        <source>Please enter a whole number.</source>
        <translation>Inserisci un numero intero.</translation>
    </message>
    <message numerus="yes">
        <source>Please enter no more than %n characters.</source>
        <translation>
            <numerusform>Inserisci al massimo %n carattere.</numerusform>
            <numerusform>Inserisci al massimo %n caratteri.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>è una cartella, non un file</translation>
    </message>
    <message>
        <source>it is a named pipe (FIFO), not a file</source>
        <translation>è una pipe con nome (FIFO), non un file</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>è un dispositivo, non un file</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>è un socket, non un file</translation>
    </message>
    <message>
        <source>it is something other than a file, not a file</source>
        <translation>non è un file, ma qualcos&apos;altro</translation>
    </message>
    <message>
        <source>it is a symbolic link to a folder, not to a file</source>
        <translation>è un collegamento simbolico a una cartella, non a un file</translation>
    </message>
    <message>
        <source>it is a symbolic link to a named pipe (FIFO), not to a file</source>
        <translation>è un collegamento simbolico a una pipe con nome (FIFO), non a un file</translation>
    </message>
    <message>
        <source>it is a symbolic link to a device, not to a file</source>
        <translation>è un collegamento simbolico a un dispositivo, non a un file</translation>
    </message>
    <message>
        <source>it is a symbolic link to a socket, not to a file</source>
        <translation>è un collegamento simbolico a un socket, non a un file</translation>
    </message>
    <message>
        <source>it is a symbolic link to something other than a file, not to a file</source>
        <translation>è un collegamento simbolico a qualcosa che non è un file</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>il disco è di sola lettura</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>la quota disco è esaurita</translation>
    </message>
    <message>
        <source>the file would be larger than this process may write</source>
        <translation>il file supererebbe la dimensione che questo processo può scrivere</translation>
    </message>
    <message>
        <source>the lock file &quot;%1&quot; could not be opened: %2</source>
        <translation>impossibile aprire il file di blocco «%1»: %2</translation>
    </message>
    <message>
        <source>the lock file &quot;%1&quot; could not be locked: %2</source>
        <translation>impossibile bloccare il file di blocco «%1»: %2</translation>
    </message>
    <message>
        <source>another program is changing the directory</source>
        <translation>un altro programma sta modificando l&apos;elenco in questo momento</translation>
    </message>
    <message>
        <source>a Dialstack window has unsaved changes to the directory, or another program is changing it; once they are saved, the next sync or import takes them in</source>
        <translation>una finestra di Dialstack ha modifiche non salvate all&apos;elenco, oppure un altro programma lo sta modificando; una volta salvate, la prossima sincronizzazione o importazione le includerà</translation>
    </message>
    <message>
        <source>the new contents could not be made; nothing was replaced</source>
        <translation>impossibile creare il nuovo contenuto; non è stato sostituito nulla</translation>
    </message>
    <message>
        <source>there is not enough memory to make the new contents; nothing was replaced</source>
        <translation>memoria insufficiente per creare il nuovo contenuto; non è stato sostituito nulla</translation>
    </message>
    <message>
        <source>the folder takes no new file, so the file itself was rewritten, which failed (%1); its old contents were written back, so it is as it was</source>
        <translation>la cartella non accetta un nuovo file, quindi è stato riscritto il file stesso, operazione non riuscita (%1); il vecchio contenuto è stato ripristinato, quindi il file è com&apos;era</translation>
    </message>
    <message>
        <source>the folder takes no new file, so the file itself was rewritten, which failed (%1); its old contents could not be written back, so the file is damaged</source>
        <translation>la cartella non accetta un nuovo file, quindi è stato riscritto il file stesso, operazione non riuscita (%1); non è stato possibile ripristinare il vecchio contenuto, quindi il file è danneggiato</translation>
    </message>
    <message>
        <source>it is a symbolic link to nothing; nothing was replaced</source>
        <translation>è un collegamento simbolico che non porta da nessuna parte; non è stato sostituito nulla</translation>
    </message>
    <message>
        <source>%1; nothing was replaced</source>
        <translation>%1; non è stato sostituito nulla</translation>
    </message>
    <message>
        <source>the new file is in place, but it may not be on the disk yet: the folder could not be synced (%1)</source>
        <translation>il nuovo file è al suo posto, ma potrebbe non essere ancora sul disco: impossibile scrivere la cartella sul disco (%1)</translation>
    </message>
    <message>
        <source>the folder it belongs in no longer exists</source>
        <translation>la cartella in cui deve trovarsi non esiste più</translation>
    </message>
    <message>
        <source>there is not enough memory to replace the file; nothing was replaced</source>
        <translation>memoria insufficiente per sostituire il file; non è stato sostituito nulla</translation>
    </message>
    <message>
        <source>there is not enough memory to make the file</source>
        <translation>memoria insufficiente per creare il file</translation>
    </message>
    <message>
        <source>there is no directory to save</source>
        <translation>non c&apos;è nessun elenco da salvare</translation>
    </message>
    <message>
        <source>the print service (CUPS) is not running</source>
        <translation>il servizio di stampa (CUPS) non è in esecuzione</translation>
    </message>
    <message>
        <source>no default printer is configured; choose one in the system&apos;s printer settings or with &quot;lpoptions -d PRINTER&quot;</source>
        <translation>non è configurata nessuna stampante predefinita; scegline una nelle impostazioni delle stampanti del sistema o con «lpoptions -d STAMPANTE»</translation>
    </message>
    <message>
        <source>the default printer is not available: %1</source>
        <translation>la stampante predefinita non è disponibile: %1</translation>
    </message>
    <message>
        <source>the printer refused the job: %1</source>
        <translation>la stampante ha rifiutato il lavoro: %1</translation>
    </message>
    <message>
        <source>the job could not be sent to the printer: %1</source>
        <translation>impossibile inviare il lavoro alla stampante: %1</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permesso negato</translation>
    </message>
    <message>
        <source>operation not permitted</source>
        <translation>operazione non consentita</translation>
    </message>
    <message>
        <source>no such file or directory</source>
        <translation>file o cartella inesistente</translation>
    </message>
    <message>
        <source>not a directory</source>
        <translation>una parte del percorso non è una cartella</translation>
    </message>
    <message>
        <source>is a directory</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>too many levels of symbolic links</source>
        <translation>troppi livelli di collegamenti simbolici</translation>
    </message>
    <message>
        <source>file name too long</source>
        <translation>nome del file troppo lungo</translation>
    </message>
    <message>
        <source>input/output error</source>
        <translation>errore di input/output</translation>
    </message>
    <message>
        <source>device or resource busy</source>
        <translation>dispositivo o risorsa occupati</translation>
    </message>
    <message>
        <source>text file busy</source>
        <translation>il file è in esecuzione come programma</translation>
    </message>
    <message>
        <source>cannot allocate memory</source>
        <translation>memoria insufficiente</translation>
    </message>
    <message>
        <source>too many open files</source>
        <translation>troppi file aperti</translation>
    </message>
    <message>
        <source>too many open files in system</source>
        <translation>troppi file aperti nel sistema</translation>
    </message>
    <message>
        <source>no locks available</source>
        <translation>nessun blocco disponibile</translation>
    </message>
    <message>
        <source>stale file handle</source>
        <translation>riferimento al file non più valido</translation>
    </message>
    <message>
        <source>no such device or address</source>
        <translation>dispositivo o indirizzo inesistente</translation>
    </message>
    <message>
        <source>invalid cross-device link</source>
        <translation>collegamento tra dispositivi non valido</translation>
    </message>
    <message>
        <source>invalid argument</source>
        <translation>argomento non valido</translation>
    </message>
    <message>
        <source>transport endpoint is not connected</source>
        <translation>la connessione al file system è interrotta</translation>
    </message>
    <message>
        <source>connection timed out</source>
        <translation>tempo di connessione scaduto</translation>
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
        <translation>uso: dialstack [--help | --version]
Apre in una finestra l&apos;elenco Dialstack.dat della cartella corrente. Vedi
dialstack(1); dialstack-convert(1) e dialstack-sync(1) lavorano sullo stesso
file dalla riga di comando.
</translation>
    </message>
    <message>
        <source>this program needs a graphical desktop, but no display is set here (DISPLAY and WAYLAND_DISPLAY are empty); start it from your desktop session.</source>
        <translation>questo programma richiede un desktop grafico, ma qui non è impostato alcun display (DISPLAY e WAYLAND_DISPLAY sono vuote); avvialo dalla tua sessione desktop.</translation>
    </message>
</context>
</TS>
