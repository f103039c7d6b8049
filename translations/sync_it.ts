<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>dialstack-sync</name>
    <message>
        <source>left out: %1, a group or a place is not a contact</source>
        <translation>non sincronizzata: %1, un gruppo o un luogo non è un contatto</translation>
    </message>
    <message>
        <source>Open Dialstack</source>
        <translation>Apri Dialstack</translation>
    </message>
    <message>
        <source>%1 could not be started</source>
        <translation>Impossibile avviare %1</translation>
    </message>
    <message>
        <source>%1 did not finish within a minute</source>
        <translation>%1 non è terminato entro un minuto</translation>
    </message>
    <message>
        <source>%1 ended with status %2</source>
        <translation>%1 è terminato con lo stato %2</translation>
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
        <translation>uso: dialstack-sync [--file CARTELLA/Dialstack.dat] [--url URL] [--user NOME]
                    [--password-file FILE | --password-stdin] [--keep-password]
                    [--certificate FILE | --accept-certificate SHA256] [--timeout SECONDI]
                    [--dry-run] [--force | --bring-back] [--verbose] [--report json]
     dialstack-sync [--file CARTELLA/Dialstack.dat] --discover --url URL [--user NOME] [...]
     dialstack-sync [--file CARTELLA/Dialstack.dat] --forget | --timer on|off|status
     dialstack-sync --help | --version
Tiene sincronizzati il file dell'elenco e la sua rubrica CardDAV. La prima
esecuzione richiede --url; URL, utente, file della password e certificato
vengono memorizzati per quel file dell'elenco. La password arriva da
--password-file, o dalla prima riga dello standard input con --password-stdin,
altrimenti dal portachiavi, altrimenti dal file della password memorizzato per
il file dell'elenco, altrimenti da una domanda nel terminale.
--keep-password conserva una password accettata dal server: nel portachiavi,
altrimenti in un file che solo tu puoi leggere.
--accept-certificate si fida del certificato del server quando la sua
impronta SHA-256 è quella indicata. --bring-back risponde a un'eliminazione di
massa rifiutata riportando indietro le voci eliminate. --discover elenca le
rubriche del server e non cambia nulla. --forget dimentica ciò che questo
programma sa della sincronizzazione del file dell'elenco (mai il file).
--timer accende o spegne il timer del file dell'elenco, o dice se è acceso.
--report json stampa l'esito dell'esecuzione in una riga JSON.
Stato di uscita: 0 allineato; 1 non riuscito (nulla perso); 2 uso errato;
3 occupato (una finestra con modifiche non salvate o un altro programma ha
l'elenco: la prossima esecuzione riprova); 4 serve il tuo intervento (la
sincronizzazione eliminerebbe troppo, la password è stata rifiutata o manca,
il certificato non è attendibile, o la rubrica non c'è più).
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
        <translation>Prova a vuoto, non è stato cambiato nulla. Risultato previsto qui: %1; sul server: %2; %3</translation>
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
        <translation>sono state conservate entrambe le versioni di una voce modificata da tutte e due le parti: quella del server e quella di questo computer come %1</translation>
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
        <source>&quot;%1&quot;</source>
        <translation>«%1»</translation>
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
        <translation>%1: il file dell&apos;elenco non si è potuto leggere per intero; non è stato sincronizzato nulla</translation>
    </message>
    <message>
        <source>%1: the folder %2 does not exist; nothing was synced</source>
        <translation>%1: la cartella %2 non esiste; non è stato sincronizzato nulla</translation>
    </message>
    <message>
        <source>%1: the folder %2 is read-only, so the directory file cannot be saved there; nothing was synced</source>
        <translation>%1: la cartella %2 è di sola lettura, quindi il file dell&apos;elenco non si può salvare lì; non è stato sincronizzato nulla</translation>
    </message>
    <message>
        <source>%1: is a folder, not a directory file; nothing was synced</source>
        <translation>%1: è una cartella, non un file dell&apos;elenco; non è stato sincronizzato nulla</translation>
    </message>
    <message>
        <source>%1: could not be saved: %2; the directory file is unchanged</source>
        <translation>%1: impossibile salvare: %2; il file dell&apos;elenco non è cambiato</translation>
    </message>
    <message>
        <source>%1: could not be saved: %2</source>
        <translation>%1: impossibile salvare: %2</translation>
    </message>
    <message>
        <source>stopped by %1</source>
        <translation>interrotto da %1</translation>
    </message>
    <message>
        <source>the address book is at %1, on another server than %2; remove %3 and give the address book with --url</source>
        <translation>la rubrica si trova su %1, un server diverso da %2; elimina %3 e indica la rubrica con --url</translation>
    </message>
    <message>
        <source>%1 --dry-run --verbose   (then %1 --force, if that is what you want)</source>
        <translation>%1 --dry-run --verbose   (poi %1 --force, se è ciò che vuoi)</translation>
    </message>
    <message>
        <source>%1 --password-file FILE   (FILE: the new password, chmod 600)</source>
        <translation>%1 --password-file FILE   (FILE: la nuova password, chmod 600)</translation>
    </message>
    <message>
        <source>%1 --password-file FILE</source>
        <translation>%1 --password-file FILE</translation>
    </message>
    <message>
        <source>the address book %1 is gone from the server; nothing was changed here</source>
        <translation>la rubrica %1 non c'è più sul server; qui non è stato cambiato nulla</translation>
    </message>
    <message>
        <source>rm %1; %2 --url URL-OF-THE-ADDRESS-BOOK</source>
        <translation>rm %1; %2 --url URL-DELLA-RUBRICA</translation>
    </message>
    <message>
        <source>%1 is synced with %2; to sync it with another address book, first remove %3</source>
        <translation>%1 è sincronizzato con %2; per sincronizzarlo con un'altra rubrica, elimina prima %3</translation>
    </message>
    <message>
        <source>a password is never sent over plain http:// except to this machine; use https:// for %1</source>
        <translation>una password non si invia mai su http:// in chiaro, tranne a questo computer; usa https:// per %1</translation>
    </message>
    <message>
        <source>%1: holds no certificate (PEM) that can be read</source>
        <translation>%1: non contiene alcun certificato (PEM) leggibile</translation>
    </message>
    <message>
        <source>%1: the certificate remembered for this server cannot be read; give it again with --certificate FILE</source>
        <translation>%1: il certificato ricordato per questo server non si può leggere; indicalo di nuovo con --certificate FILE</translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring (none is running); from now on the file %1 is read for it. Keep it readable by you alone.</source>
        <translation>Non è stato possibile conservare la password nel portachiavi (nessuno è in esecuzione); d'ora in poi viene letta dal file %1. Tienilo leggibile solo da te.</translation>
    </message>
    <message>
        <source>the server has several address books; run again with --url and one of them:</source>
        <translation>il server ha più rubriche; esegui di nuovo con --url e una di queste:</translation>
    </message>
    <message>
        <source>%1 sent this program to %2, another server; it only talks to the server it was given. If that one is right, give it with --url</source>
        <translation>%1 ha rimandato questo programma a %2, un altro server; parla solo con il server che gli è stato indicato. Se quello è giusto, indicalo con --url</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted (%2); if it is your own server&apos;s, give its certificate with --certificate FILE</source>
        <translation>il certificato di %1 non è attendibile (%2); se è quello del tuo server, indica il suo certificato con --certificate FILE</translation>
    </message>
    <message>
        <source>%1: the server does not allow this (403 Forbidden)</source>
        <translation>%1: il server non lo consente (403 Forbidden)</translation>
    </message>
    <message>
        <source>%1: not found on the server (404)</source>
        <translation>%1: non trovato sul server (404)</translation>
    </message>
    <message>
        <source>%1: the server answered %2</source>
        <translation>%1: il server ha risposto %2</translation>
    </message>
    <message>
        <source>%1 sent a reply that could not be read: %2</source>
        <translation>%1 ha inviato una risposta illeggibile: %2</translation>
    </message>
    <message>
        <source>%1 could not give the card %2 (no status); nothing was changed, run the sync again later</source>
        <translation>%1 non ha potuto fornire la scheda %2 (nessuno stato); non è stato cambiato nulla, sincronizza di nuovo più tardi</translation>
    </message>
    <message>
        <source>%1 could not give the card %2 (status %3); nothing was changed, run the sync again later</source>
        <translation>%1 non ha potuto fornire la scheda %2 (stato %3); non è stato cambiato nulla, sincronizza di nuovo più tardi</translation>
    </message>
    <message>
        <source>the server answered %1 (%2)</source>
        <translation>il server ha risposto %1 (%2)</translation>
    </message>
    <message>
        <source>the server answered %1: %2</source>
        <translation>il server ha risposto %1: %2</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>il server ha risposto %1</translation>
    </message>
    <message>
        <source>%1 points to another server, %2, for the address books; nothing was sent there. If that server is right, give its address book with --url</source>
        <translation>%1 rimanda a un altro server, %2, per le rubriche; lì non è stato inviato nulla. Se quel server è giusto, indica la sua rubrica con --url</translation>
    </message>
    <message>
        <source>the reply is not a WebDAV multistatus</source>
        <translation>la risposta non è un multistatus WebDAV</translation>
    </message>
    <message>
        <source>the address book kept changing while this sync wrote to it; nothing was lost, run the sync again</source>
        <translation>la rubrica ha continuato a cambiare mentre questa sincronizzazione vi scriveva; non si è perso nulla, sincronizza di nuovo</translation>
    </message>
    <message>
        <source>the card of %1</source>
        <translation>la scheda di %1</translation>
    </message>
    <message>
        <source>the card %1</source>
        <translation>la scheda %1</translation>
    </message>
    <message>
        <source>status %1</source>
        <translation>stato %1</translation>
    </message>
    <message>
        <source>left out of its reply</source>
        <translation>omessa dalla sua risposta</translation>
    </message>
    <message>
        <source>%1 did not give %2 (%3); nothing was changed, run the sync again later</source>
        <translation>%1 non ha fornito %2 (%3); non è stato cambiato nulla, sincronizza di nuovo più tardi</translation>
    </message>
    <message numerus="yes">
        <source>%1 did not give %2 (%3) nor %n other cards; nothing was changed, run the sync again later</source>
        <translation>
            <numerusform>%1 non ha fornito %2 (%3) né %n altra scheda; non è stato cambiato nulla, sincronizza di nuovo più tardi</numerusform>
            <numerusform>%1 non ha fornito %2 (%3) né %n altre schede; non è stato cambiato nulla, sincronizza di nuovo più tardi</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the directory file changed on disk while syncing; nothing was changed here, run the sync again</source>
        <translation>%1: il file dell&apos;elenco è cambiato sul disco durante la sincronizzazione; qui non è stato cambiato nulla, sincronizza di nuovo</translation>
    </message>
    <message>
        <source>%1: its last record has no name, and adding records would overwrite it; give it a name in Dialstack first. Nothing was changed</source>
        <translation>%1: la sua ultima voce non ha nome, e aggiungere voci la sovrascriverebbe; dalle prima un nome in Dialstack. Non è stato cambiato nulla</translation>
    </message>
    <message numerus="yes">
        <source>the server refused %n record: %1. Everything else was synced</source>
        <translation>
            <numerusform>il server ha rifiutato %n voce: %1. Tutto il resto è stato sincronizzato</numerusform>
            <numerusform>il server ha rifiutato %n voci: %1. Tutto il resto è stato sincronizzato</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the server refused %n records: %1. Everything else was synced</source>
        <translation>
            <numerusform>il server ha rifiutato %n voce: %1. Tutto il resto è stato sincronizzato</numerusform>
            <numerusform>il server ha rifiutato %n voci: %1. Tutto il resto è stato sincronizzato</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 e %n altro</numerusform>
            <numerusform>%1 e altri %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the sync state is damaged; remove it to sync this directory afresh</source>
        <translation>%1: lo stato di sincronizzazione è danneggiato; eliminalo per sincronizzare questo elenco da capo</translation>
    </message>
    <message>
        <source>%1: the sync journal could not be written</source>
        <translation>%1: non è stato possibile scrivere il registro di sincronizzazione</translation>
    </message>
    <message>
        <source>%1: the folder could not be made</source>
        <translation>%1: non è stato possibile creare la cartella</translation>
    </message>
    <message>
        <source>%1: the sync state could not be saved: %2</source>
        <translation>%1: non è stato possibile salvare lo stato di sincronizzazione: %2</translation>
    </message>
    <message>
        <source>%1: the sync state could not be made private</source>
        <translation>%1: non è stato possibile rendere privato lo stato di sincronizzazione</translation>
    </message>
    <message>
        <source>Dialstack sync needs you</source>
        <translation>La sincronizzazione di Dialstack ha bisogno di te</translation>
    </message>
    <message>
        <source>Dialstack: %1 at %2</source>
        <translation>Dialstack: %1 su %2</translation>
    </message>
    <message>
        <source>%1 is neither a CardDAV server nor an address book (asked: %2); give the address of your address book with --url</source>
        <translation>%1 non è né un server CardDAV né una rubrica (indirizzi provati: %2); indica l'indirizzo della tua rubrica con --url</translation>
    </message>
    <message>
        <source>%1 is synced with %2; to sync it with another address book, first forget this sync with --forget</source>
        <translation>%1 è sincronizzato con %2; per sincronizzarlo con un'altra rubrica, dimentica prima questa sincronizzazione con --forget</translation>
    </message>
    <message>
        <source>%1 refused the password for %2 read from %3; put the new password in that file</source>
        <translation>%1 ha rifiutato la password di %2 letta da %3; metti la nuova password in quel file</translation>
    </message>
    <message>
        <source>%1: %2; nothing was synced</source>
        <translation>%1: %2; non è stato sincronizzato nulla</translation>
    </message>
    <message>
        <source>%1: no certificate could be had from the server: %2</source>
        <translation>%1: non è stato possibile ottenere un certificato dal server: %2</translation>
    </message>
    <message>
        <source>%1: the server answered %2 (%3)</source>
        <translation>%1: il server ha risposto %2 (%3)</translation>
    </message>
    <message>
        <source>%1: the sync's memory of this directory file is damaged (%2); forget it, then sync again with --url</source>
        <translation>%1: lo stato di sincronizzazione di questo file dell&apos;elenco è danneggiato (%2); dimenticalo, poi sincronizza di nuovo con --url</translation>
    </message>
    <message>
        <source>--accept-certificate is for a server at an https:// address</source>
        <translation>--accept-certificate vale per un server con un indirizzo https://</translation>
    </message>
    <message>
        <source>--accept-certificate needs the certificate's SHA-256 fingerprint (64 hex digits)</source>
        <translation>--accept-certificate richiede l'impronta SHA-256 del certificato (64 cifre esadecimali)</translation>
    </message>
    <message>
        <source>--discover needs --url (the server or the address book)</source>
        <translation>--discover richiede --url (il server o la rubrica)</translation>
    </message>
    <message>
        <source>--discover, --forget and --timer each run alone</source>
        <translation>--discover, --forget e --timer si usano ciascuno da solo</translation>
    </message>
    <message>
        <source>--password-stdin: no password came on standard input</source>
        <translation>--password-stdin: non è arrivata nessuna password dallo standard input</translation>
    </message>
    <message>
        <source>--report takes json</source>
        <translation>--report accetta json</translation>
    </message>
    <message>
        <source>--timer takes on, off or status</source>
        <translation>--timer accetta on, off o status</translation>
    </message>
    <message>
        <source>Address books found:</source>
        <translation>Rubriche trovate:</translation>
    </message>
    <message>
        <source>Keep it in %1 (readable by you alone)? [y/N]</source>
        <translation>Conservarla in %1 (leggibile solo da te)? [s/N]</translation>
    </message>
    <message>
        <source>y</source>
        <translation>s</translation>
    </message>
    <message>
        <source>No timer syncs this directory file.</source>
        <translation>Nessun timer sincronizza questo file dell&apos;elenco.</translation>
    </message>
    <message>
        <source>The password could not be kept: %1</source>
        <translation>Non è stato possibile conservare la password: %1</translation>
    </message>
    <message>
        <source>The timer syncs this directory file every quarter of an hour.</source>
        <translation>Il timer sincronizza questo file dell'elenco ogni quarto d'ora.</translation>
    </message>
    <message>
        <source>a password is never taken on the command line: use --password-file FILE, --password-stdin, or the keyring</source>
        <translation>una password non si accetta mai sulla riga di comando: usa --password-file FILE, --password-stdin o il portachiavi</translation>
    </message>
    <message>
        <source>give the password with --password-file or --password-stdin, not both</source>
        <translation>indica la password con --password-file o con --password-stdin, non con entrambe</translation>
    </message>
    <message>
        <source>is a folder, not a directory file</source>
        <translation>è una cartella, non un file dell&apos;elenco</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>non si può leggere</translation>
    </message>
    <message>
        <source>it is no sync state this program wrote, or it was cut short</source>
        <translation>non l&apos;ha scritto questo programma, o è stato troncato</translation>
    </message>
    <message>
        <source>it is not the one whose fingerprint was given</source>
        <translation>non è quello di cui è stata data l'impronta</translation>
    </message>
    <message>
        <source>no password for %1 at %2: the keyring has none, and no password file is remembered</source>
        <translation>nessuna password per %1 su %2: il portachiavi non ne ha e nessun file della password è memorizzato</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted (%2); its SHA-256 fingerprint is %3. If it is your own server's, trust it</source>
        <translation>il certificato di %1 non è attendibile (%2); la sua impronta SHA-256 è %3. Se è quello del tuo server, consideralo attendibile</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>la cartella non esiste</translation>
    </message>
    <message>
        <source>the folder is read-only, so the directory file cannot be saved there</source>
        <translation>la cartella è di sola lettura, quindi il file dell&apos;elenco non si può salvare lì</translation>
    </message>
    <message>
        <source>the timer could not be set: %1</source>
        <translation>non è stato possibile impostare il timer: %1</translation>
    </message>
    <message>
        <source>the timer cannot be set: no systemd user manager runs for this user</source>
        <translation>il timer non si può impostare: nessun gestore utente di systemd è in esecuzione per questo utente</translation>
    </message>
    <message>
        <source>this sync would delete %1; nothing was changed. If that is what you want, run it again with --force; to bring them back instead, with --bring-back</source>
        <translation>questa sincronizzazione eliminerebbe %1; non è stato cambiato nulla. Se è ciò che vuoi, eseguila di nuovo con --force; per riaverli invece, con --bring-back</translation>
    </message>
    <message numerus="yes">
        <source>the server refused %n card (%1); everything else is in step</source>
        <translation>
            <numerusform>il server ha rifiutato %n scheda (%1); tutto il resto è allineato</numerusform>
            <numerusform>il server ha rifiutato %n schede (%1); tutto il resto è allineato</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the server refused %n cards (%1); everything else is in step</source>
        <translation>
            <numerusform>il server ha rifiutato %n scheda (%1); tutto il resto è allineato</numerusform>
            <numerusform>il server ha rifiutato %n schede (%1); tutto il resto è allineato</numerusform>
        </translation>
    </message>
    <message>
        <source>the server sent this program to %1, another server; it only talks to the server it was given. If that one is right, give it with --url</source>
        <translation>il server ha rimandato questo programma a %1, un altro server; parla solo con il server che gli è stato indicato. Se quello è giusto, indicalo con --url</translation>
    </message>
    <message>
        <source>the server points to another server, %1, for the address books; nothing was sent there. If that server is right, give its address book with --url</source>
        <translation>il server rimanda a un altro server, %1, per le rubriche; lì non è stato inviato nulla. Se quel server è giusto, indica la sua rubrica con --url</translation>
    </message>
</context>
</TS>
