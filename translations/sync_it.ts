<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
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
        <translation>uso: dialstack-sync [--file CARTELLA/Dialstack.dat] [--url URL] [--user NOME] [--password-file FILE]
                    [--certificate FILE] [--timeout SECONDI] [--dry-run] [--force] [--verbose]
     dialstack-sync --help | --version
Tiene allineati il file della rubrica e la sua rubrica CardDAV. La prima
esecuzione richiede --url; URL, utente, file della password e certificato
vengono ricordati per quel file della rubrica. La password viene da
--password-file, altrimenti dal portachiavi, altrimenti dal file della
password ricordato quando il portachiavi non ha potuto conservarla,
altrimenti viene chiesta nel terminale.
Stato di uscita: 0 allineato; 1 non riuscito (nulla perso); 2 uso errato;
3 occupato (una finestra con modifiche non salvate o un altro programma ha la
rubrica: la prossima esecuzione riprova); 4 serve il tuo intervento (la
sincronizzazione eliminerebbe troppo, la password è stata rifiutata o la
rubrica non esiste più).
</translation>
    </message>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>%n aggiunta</numerusform>
            <numerusform>%n aggiunte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed</source>
        <translation>
            <numerusform>%n modificata</numerusform>
            <numerusform>%n modificate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n deleted</source>
        <translation>
            <numerusform>%n eliminata</numerusform>
            <numerusform>%n eliminate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n conflict kept as a copy</source>
        <translation>
            <numerusform>%n conflitto conservato come copia</numerusform>
            <numerusform>%n conflitti conservati come copie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n conflicts kept as copies</source>
        <translation>
            <numerusform>%n conflitto conservato come copia</numerusform>
            <numerusform>%n conflitti conservati come copie</numerusform>
        </translation>
    </message>
    <message>
        <source>Here: %1; on the server: %2; %3</source>
        <translation>Qui: %1; sul server: %2; %3</translation>
    </message>
    <message>
        <source>Dry run, nothing changed. Would do here: %1; on the server: %2; %3</source>
        <translation>Prova, nulla cambiato. Farebbe qui: %1; sul server: %2; %3</translation>
    </message>
    <message>
        <source>added here: %1</source>
        <translation>aggiunta qui: %1</translation>
    </message>
    <message>
        <source>changed here: %1</source>
        <translation>modificata qui: %1</translation>
    </message>
    <message>
        <source>deleted here: %1</source>
        <translation>eliminata qui: %1</translation>
    </message>
    <message>
        <source>added on the server: %1</source>
        <translation>aggiunta sul server: %1</translation>
    </message>
    <message>
        <source>changed on the server: %1</source>
        <translation>modificata sul server: %1</translation>
    </message>
    <message>
        <source>deleted on the server: %1</source>
        <translation>eliminata sul server: %1</translation>
    </message>
    <message>
        <source>would add here: %1</source>
        <translation>sarebbe aggiunta qui: %1</translation>
    </message>
    <message>
        <source>would change here: %1</source>
        <translation>sarebbe modificata qui: %1</translation>
    </message>
    <message>
        <source>would delete here: %1</source>
        <translation>sarebbe eliminata qui: %1</translation>
    </message>
    <message>
        <source>would add on the server: %1</source>
        <translation>sarebbe aggiunta sul server: %1</translation>
    </message>
    <message>
        <source>would change on the server: %1</source>
        <translation>sarebbe modificata sul server: %1</translation>
    </message>
    <message>
        <source>would delete on the server: %1</source>
        <translation>sarebbe eliminata sul server: %1</translation>
    </message>
    <message>
        <source>kept both versions of a record changed on both sides: the server&apos;s, and this machine&apos;s as %1</source>
        <translation>conservate entrambe le versioni di una voce modificata da tutte e due le parti: quella del server e quella di questo computer come %1</translation>
    </message>
    <message>
        <source>would keep both versions of a record changed on both sides: the server&apos;s, and this machine&apos;s as %1</source>
        <translation>sarebbero conservate entrambe le versioni di una voce modificata da tutte e due le parti: quella del server e quella di questo computer come %1</translation>
    </message>
    <message>
        <source>%1: the password file cannot be read</source>
        <translation>%1: il file della password non si può leggere</translation>
    </message>
    <message>
        <source>%1: others can read this password file; make it yours alone (chmod 600 %1) and run again</source>
        <translation>%1: altri possono leggere questo file della password; rendilo leggibile solo a te (chmod 600 %1) ed esegui di nuovo</translation>
    </message>
    <message>
        <source>Password for %1 at %2: </source>
        <translation>Password di %1 su %2: </translation>
    </message>
    <message>
        <source>%1: a Dialstack window has unsaved changes in it, or another program is changing it. Nothing was synced; the next sync after you save takes the window&apos;s changes</source>
        <translation>%1: una finestra di Dialstack ha modifiche non salvate, o un altro programma lo sta modificando. Non è stato sincronizzato nulla; la prossima sincronizzazione dopo il salvataggio prenderà le modifiche della finestra</translation>
    </message>
    <message>
        <source>stopped by %1; what was synced is kept, and the next sync goes on from there</source>
        <translation>interrotto da %1; quanto già sincronizzato resta, e la prossima sincronizzazione riprende da lì</translation>
    </message>
    <message>
        <source>no password for %1: the keyring has none; give --password-file FILE</source>
        <translation>nessuna password per %1: il portachiavi non ne ha; indica --password-file FILE</translation>
    </message>
    <message>
        <source>no address book found at %1 for %2; create one on the server (in its web page, or with your phone&apos;s contacts app), then sync again</source>
        <translation>nessuna rubrica trovata su %1 per %2; creane una sul server (dalla sua pagina web o con l&apos;app contatti del telefono), poi sincronizza di nuovo</translation>
    </message>
    <message>
        <source>this user</source>
        <translation>questo utente</translation>
    </message>
    <message>
        <source>To settle it, run: %1</source>
        <translation>Per risolvere, esegui: %1</translation>
    </message>
    <message>
        <source>a password is never taken on the command line: use --password-file FILE, or the keyring</source>
        <translation>una password non si accetta mai sulla riga di comando: usa --password-file FILE, o il portachiavi</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>argomento inatteso: %1</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 indicato più di una volta</translation>
    </message>
    <message>
        <source>--timeout needs a number of seconds from 1 to 3600</source>
        <translation>--timeout richiede un numero di secondi da 1 a 3600</translation>
    </message>
    <message>
        <source>--url needs an http:// or https:// address, not %1</source>
        <translation>--url richiede un indirizzo http:// o https://, non %1</translation>
    </message>
    <message>
        <source>give the user name with --user, not inside the URL</source>
        <translation>indica il nome utente con --user, non dentro l&apos;URL</translation>
    </message>
    <message>
        <source>the first sync of %1 needs --url (the address book or the server)</source>
        <translation>la prima sincronizzazione di %1 richiede --url (la rubrica o il server)</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 s</source>
        <translation>%1 non ha risposto entro %2 s</translation>
    </message>
    <message>
        <source>%1 refused the user name or password</source>
        <translation>%1 ha rifiutato il nome utente o la password</translation>
    </message>
    <message>
        <source>%1 of the %2 records here (%3)</source>
        <translation>%1 delle %2 voci qui (%3)</translation>
    </message>
    <message>
        <source>%1 of the %2 cards on the server (%3)</source>
        <translation>%1 delle %2 schede sul server (%3)</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>this sync would delete %1; nothing was changed. If that is what you want, run it again with --force</source>
        <translation>questa sincronizzazione eliminerebbe %1; non è stato cambiato nulla. Se è ciò che vuoi, eseguila di nuovo con --force</translation>
    </message>
    <message>
        <source>%1: the directory file could not be read completely; nothing was synced</source>
        <translation>%1: il file della rubrica non si è potuto leggere per intero; non è stato sincronizzato nulla</translation>
    </message>
    <message>
        <source>%1: the folder %2 does not exist; nothing was synced</source>
        <translation>%1: la cartella %2 non esiste; non è stato sincronizzato nulla</translation>
    </message>
    <message>
        <source>%1: the folder %2 is read-only, so the directory file cannot be saved there; nothing was synced</source>
        <translation>%1: la cartella %2 è di sola lettura, quindi il file della rubrica non si può salvare lì; non è stato sincronizzato nulla</translation>
    </message>
    <message>
        <source>%1: is a folder, not a directory file; nothing was synced</source>
        <translation>%1: è una cartella, non un file della rubrica; non è stato sincronizzato nulla</translation>
    </message>
    <message>
        <source>%1: could not be saved: %2; the directory file is unchanged</source>
        <translation>%1: impossibile salvare: %2; il file della rubrica non è cambiato</translation>
    </message>
    <message>
        <source>%1: could not be saved: %2</source>
        <translation>%1: impossibile salvare: %2</translation>
    </message>
</context>
</TS>
