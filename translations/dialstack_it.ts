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
        <translation>Dialstack conserva nomi, numeri di telefono e cercapersone, indirizzi e-mail e note delle persone che chiami, nel file Dialstack.dat della cartella da cui lo avvii.</translation>
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
        <translation>Annulla</translation>
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
        <translation>Cercapersone</translation>
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
        <translation>Le modifiche alla rubrica non sono ancora state salvate.

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
        <translation>Un altro programma (dialstack-sync o dialstack-convert import) sta modificando il file della rubrica in questo momento, quindi qui non è stato modificato nulla.

Riprova tra poco: la finestra mostrerà allora ciò che quel programma ha scritto.</translation>
    </message>
    <message>
        <source>Your changes are not saved yet. The sync takes the directory as saved.

Save your changes and sync?</source>
        <translation>Le modifiche non sono ancora state salvate. La sincronizzazione usa la rubrica così com&apos;è salvata.

Salvare le modifiche e sincronizzare?</translation>
    </message>
    <message>
        <source>&amp;Save and sync</source>
        <translation>&amp;Salva e sincronizza</translation>
    </message>
    <message>
        <source>Syncing the directory with the address book…</source>
        <translation>Sincronizzazione della rubrica con i contatti del server…</translation>
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
        <translation>La rubrica e i contatti del server sono allineati.</translation>
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
        <translation>La sincronizzazione di questa rubrica non è configurata come previsto:

%1

Configurala di nuovo in un terminale (vedi &quot;man dialstack-sync&quot;).</translation>
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
        <translation>Solo la voce selezionata corrisponde a &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Nothing in the directory matches &quot;%1&quot;.</source>
        <translation>Nessuna voce della rubrica corrisponde a &quot;%1&quot;.</translation>
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
        <translation>Impossibile salvare la rubrica in &quot;%1&quot;: %2

%3</translation>
    </message>
    <message>
        <source>The directory could not be saved to &quot;%1&quot;: %2

%3 The file on disk is unchanged.</source>
        <translation>Impossibile salvare la rubrica in &quot;%1&quot;: %2

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
        <translation>La rubrica è stata salvata in &quot;%1&quot;; %2</translation>
    </message>
    <message>
        <source>The directory file &quot;%1&quot; has been changed by another program since Dialstack loaded or saved it.

Replace it with the directory shown here? The other program&apos;s changes would be lost.</source>
        <translation>Il file della rubrica &quot;%1&quot; è stato modificato da un altro programma dopo che Dialstack l&apos;ha caricato o salvato.

Sostituirlo con la rubrica mostrata qui? Le modifiche dell&apos;altro programma andrebbero perse.</translation>
    </message>
    <message>
        <source>The directory file &quot;%1&quot; could not be read completely. %2

Saving now would replace the file with what is shown.</source>
        <translation>Impossibile leggere per intero il file della rubrica &quot;%1&quot;. %2

Salvando ora il file verrebbe sostituito da ciò che è mostrato.</translation>
    </message>
    <message>
        <source>The directory file &quot;%1&quot; could not be opened: %2 %3

Saving now would replace the file with what is shown.</source>
        <translation>Impossibile aprire il file della rubrica &quot;%1&quot;: %2 %3

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
        <translation>Impossibile stampare la rubrica: %1

Nella rubrica non è cambiato nulla.</translation>
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
</TS>
