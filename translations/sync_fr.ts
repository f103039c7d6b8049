<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>dialstack-sync</name>
    <message>
        <source>left out: %1, a group or a place is not a contact</source>
        <translation>laissée de côté : %1, un groupe ou un lieu n&apos;est pas un contact</translation>
    </message>
    <message>
        <source>Open Dialstack</source>
        <translation>Ouvrir Dialstack</translation>
    </message>
    <message>
        <source>%1 could not be started</source>
        <translation>%1 n'a pas pu être lancé</translation>
    </message>
    <message>
        <source>%1 did not finish within a minute</source>
        <translation>%1 ne s'est pas terminé en moins d'une minute</translation>
    </message>
    <message>
        <source>%1 ended with status %2</source>
        <translation>%1 s'est terminé avec le statut %2</translation>
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
        <translation>usage : dialstack-sync [--file DOSSIER/Dialstack.dat] [--url URL] [--user NOM]
                       [--password-file FICHIER | --password-stdin] [--keep-password]
                       [--certificate FICHIER | --accept-certificate SHA256] [--timeout SECONDES]
                       [--dry-run] [--force | --bring-back] [--verbose] [--report json]
        dialstack-sync [--file DOSSIER/Dialstack.dat] --discover --url URL [--user NOM] [...]
        dialstack-sync [--file DOSSIER/Dialstack.dat] --forget | --timer on|off|status
        dialstack-sync --help | --version
Garde le fichier de l'annuaire et son carnet d'adresses CardDAV en accord. La
première exécution demande --url ; l'URL, l'utilisateur, le fichier de mot de
passe et le certificat sont retenus pour ce fichier de l'annuaire. Le mot de
passe vient de --password-file, ou de la première ligne de l'entrée standard
avec --password-stdin, sinon du trousseau, sinon du fichier de mot de passe
retenu pour le fichier de l'annuaire, sinon d'une question posée dans le
terminal. --keep-password garde un mot de passe accepté par le serveur : dans
le trousseau, sinon dans un fichier que vous seul pouvez lire.
--accept-certificate fait confiance au certificat du serveur quand son
empreinte SHA-256 est celle donnée. --bring-back répond à une suppression en
masse refusée en faisant revenir les fiches supprimées. --discover liste les
carnets d'adresses du serveur et ne modifie rien. --forget oublie ce que ce
programme sait de la synchronisation du fichier de l'annuaire (jamais le
fichier). --timer active ou désactive le minuteur du fichier de l'annuaire, ou
dit s'il est actif. --report json affiche le résultat de l'exécution en une
ligne JSON.
Code de sortie : 0 en accord ; 1 échec (rien de perdu) ; 2 mauvais usage ;
3 occupé (une fenêtre avec des modifications non enregistrées ou un autre
programme tient l'annuaire : la prochaine exécution réessaie) ; 4 à vous de
jouer (la synchronisation supprimerait trop, le mot de passe a été refusé ou
manque, le certificat n'est pas reconnu comme fiable, ou le carnet d'adresses a
disparu).
</translation>
    </message>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>%n ajoutée</numerusform>
            <numerusform>%n ajoutées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed</source>
        <translation>
            <numerusform>%n modifiée</numerusform>
            <numerusform>%n modifiées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n deleted</source>
        <translation>
            <numerusform>%n supprimée</numerusform>
            <numerusform>%n supprimées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n conflict kept as a copy</source>
        <translation>
            <numerusform>%n conflit gardé en copie</numerusform>
            <numerusform>%n conflits gardés en copies</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n conflicts kept as copies</source>
        <translation>
            <numerusform>%n conflit gardé en copie</numerusform>
            <numerusform>%n conflits gardés en copies</numerusform>
        </translation>
    </message>
    <message>
        <source>Here: %1; on the server: %2; %3</source>
        <translation>Ici : %1 ; sur le serveur : %2 ; %3</translation>
    </message>
    <message>
        <source>Dry run, nothing changed. Would do here: %1; on the server: %2; %3</source>
        <translation>Essai à blanc, rien n&apos;a été modifié. Résultat prévu ici : %1 ; sur le serveur : %2 ; %3</translation>
    </message>
    <message>
        <source>added here: %1</source>
        <translation>ajoutée ici : %1</translation>
    </message>
    <message>
        <source>changed here: %1</source>
        <translation>modifiée ici : %1</translation>
    </message>
    <message>
        <source>deleted here: %1</source>
        <translation>supprimée ici : %1</translation>
    </message>
    <message>
        <source>added on the server: %1</source>
        <translation>ajoutée sur le serveur : %1</translation>
    </message>
    <message>
        <source>changed on the server: %1</source>
        <translation>modifiée sur le serveur : %1</translation>
    </message>
    <message>
        <source>deleted on the server: %1</source>
        <translation>supprimée sur le serveur : %1</translation>
    </message>
    <message>
        <source>would add here: %1</source>
        <translation>serait ajoutée ici : %1</translation>
    </message>
    <message>
        <source>would change here: %1</source>
        <translation>serait modifiée ici : %1</translation>
    </message>
    <message>
        <source>would delete here: %1</source>
        <translation>serait supprimée ici : %1</translation>
    </message>
    <message>
        <source>would add on the server: %1</source>
        <translation>serait ajoutée sur le serveur : %1</translation>
    </message>
    <message>
        <source>would change on the server: %1</source>
        <translation>serait modifiée sur le serveur : %1</translation>
    </message>
    <message>
        <source>would delete on the server: %1</source>
        <translation>serait supprimée sur le serveur : %1</translation>
    </message>
    <message>
        <source>kept both versions of a record changed on both sides: the server&apos;s, and this machine&apos;s as %1</source>
        <translation>les deux versions d&apos;une fiche modifiée des deux côtés sont gardées : celle du serveur, et celle de cette machine sous %1</translation>
    </message>
    <message>
        <source>would keep both versions of a record changed on both sides: the server&apos;s, and this machine&apos;s as %1</source>
        <translation>les deux versions d&apos;une fiche modifiée des deux côtés seraient gardées : celle du serveur, et celle de cette machine sous %1</translation>
    </message>
    <message>
        <source>%1: the password file cannot be read</source>
        <translation>%1 : le fichier de mot de passe est illisible</translation>
    </message>
    <message>
        <source>%1: others can read this password file; make it yours alone (chmod 600 %1) and run again</source>
        <translation>%1 : d&apos;autres peuvent lire ce fichier de mot de passe ; réservez-le à vous seul (chmod 600 %1) et relancez</translation>
    </message>
    <message>
        <source>Password for %1 at %2: </source>
        <translation>Mot de passe de %1 sur %2 : </translation>
    </message>
    <message>
        <source>%1: a Dialstack window has unsaved changes in it, or another program is changing it. Nothing was synced; the next sync after you save takes the window&apos;s changes</source>
        <translation>%1 : une fenêtre de Dialstack y a des modifications non enregistrées, ou un autre programme le modifie. Rien n&apos;a été synchronisé ; la prochaine synchronisation après l&apos;enregistrement prendra les modifications de la fenêtre</translation>
    </message>
    <message>
        <source>stopped by %1; what was synced is kept, and the next sync goes on from there</source>
        <translation>arrêté par %1 ; ce qui a été synchronisé est gardé, et la prochaine synchronisation reprend à partir de là</translation>
    </message>
    <message>
        <source>no password for %1: the keyring has none; give --password-file FILE</source>
        <translation>pas de mot de passe pour %1 : le trousseau n&apos;en a aucun ; donnez --password-file FICHIER</translation>
    </message>
    <message>
        <source>no address book found at %1 for %2; create one on the server (in its web page, or with your phone&apos;s contacts app), then sync again</source>
        <translation>aucun carnet d&apos;adresses trouvé sur %1 pour %2 ; créez-en un sur le serveur (sur sa page web ou avec l&apos;application de contacts de votre téléphone), puis synchronisez à nouveau</translation>
    </message>
    <message>
        <source>this user</source>
        <translation>cet utilisateur</translation>
    </message>
    <message>
        <source>To settle it, run: %1</source>
        <translation>Pour régler cela, lancez : %1</translation>
    </message>
    <message>
        <source>a password is never taken on the command line: use --password-file FILE, or the keyring</source>
        <translation>un mot de passe n&apos;est jamais accepté sur la ligne de commande : utilisez --password-file FICHIER, ou le trousseau</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>argument inattendu : %1</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 indiqué plus d&apos;une fois</translation>
    </message>
    <message>
        <source>--timeout needs a number of seconds from 1 to 3600</source>
        <translation>--timeout demande un nombre de secondes de 1 à 3600</translation>
    </message>
    <message>
        <source>--url needs an http:// or https:// address, not %1</source>
        <translation>--url demande une adresse http:// ou https://, pas %1</translation>
    </message>
    <message>
        <source>give the user name with --user, not inside the URL</source>
        <translation>donnez le nom d&apos;utilisateur avec --user, pas dans l&apos;URL</translation>
    </message>
    <message>
        <source>the first sync of %1 needs --url (the address book or the server)</source>
        <translation>la première synchronisation de %1 demande --url (le carnet d&apos;adresses ou le serveur)</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 s</source>
        <translation>%1 n&apos;a pas répondu dans les %2 s</translation>
    </message>
    <message>
        <source>%1 refused the user name or password</source>
        <translation>%1 a refusé le nom d&apos;utilisateur ou le mot de passe</translation>
    </message>
    <message>
        <source>%1 of the %2 records here (%3)</source>
        <translation>%1 des %2 fiches d&apos;ici (%3)</translation>
    </message>
    <message>
        <source>%1 of the %2 cards on the server (%3)</source>
        <translation>%1 des %2 vCard du serveur (%3)</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>« %1 »</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>this sync would delete %1; nothing was changed. If that is what you want, run it again with --force</source>
        <translation>cette synchronisation supprimerait %1 ; rien n&apos;a été modifié. Si c&apos;est bien ce que vous voulez, relancez-la avec --force</translation>
    </message>
    <message>
        <source>%1: the directory file could not be read completely; nothing was synced</source>
        <translation>%1 : le fichier de l&apos;annuaire n&apos;a pas pu être lu en entier ; rien n&apos;a été synchronisé</translation>
    </message>
    <message>
        <source>%1: the folder %2 does not exist; nothing was synced</source>
        <translation>%1 : le dossier %2 n&apos;existe pas ; rien n&apos;a été synchronisé</translation>
    </message>
    <message>
        <source>%1: the folder %2 is read-only, so the directory file cannot be saved there; nothing was synced</source>
        <translation>%1 : le dossier %2 est en lecture seule, le fichier de l&apos;annuaire ne peut pas y être enregistré ; rien n&apos;a été synchronisé</translation>
    </message>
    <message>
        <source>%1: is a folder, not a directory file; nothing was synced</source>
        <translation>%1 : est un dossier, pas un fichier de l&apos;annuaire ; rien n&apos;a été synchronisé</translation>
    </message>
    <message>
        <source>%1: could not be saved: %2; the directory file is unchanged</source>
        <translation>%1 : impossible d&apos;enregistrer : %2 ; le fichier de l&apos;annuaire n&apos;a pas changé</translation>
    </message>
    <message>
        <source>%1: could not be saved: %2</source>
        <translation>%1 : impossible d&apos;enregistrer : %2</translation>
    </message>
    <message>
        <source>stopped by %1</source>
        <translation>arrêté par %1</translation>
    </message>
    <message>
        <source>the address book is at %1, on another server than %2; remove %3 and give the address book with --url</source>
        <translation>le carnet d&apos;adresses est sur %1, un autre serveur que %2 ; supprimez %3 et donnez le carnet d&apos;adresses avec --url</translation>
    </message>
    <message>
        <source>%1 --dry-run --verbose   (then %1 --force, if that is what you want)</source>
        <translation>%1 --dry-run --verbose   (puis %1 --force, si c'est bien ce que vous voulez)</translation>
    </message>
    <message>
        <source>%1 --password-file FILE   (FILE: the new password, chmod 600)</source>
        <translation>%1 --password-file FICHIER   (FICHIER : le nouveau mot de passe, chmod 600)</translation>
    </message>
    <message>
        <source>%1 --password-file FILE</source>
        <translation>%1 --password-file FICHIER</translation>
    </message>
    <message>
        <source>the address book %1 is gone from the server; nothing was changed here</source>
        <translation>le carnet d&apos;adresses %1 a disparu du serveur ; rien n&apos;a été modifié ici</translation>
    </message>
    <message>
        <source>rm %1; %2 --url URL-OF-THE-ADDRESS-BOOK</source>
        <translation>rm %1; %2 --url URL-DU-CARNET-D-ADRESSES</translation>
    </message>
    <message>
        <source>%1 is synced with %2; to sync it with another address book, first remove %3</source>
        <translation>%1 est synchronisé avec %2 ; pour le synchroniser avec un autre carnet d&apos;adresses, supprimez d&apos;abord %3</translation>
    </message>
    <message>
        <source>a password is never sent over plain http:// except to this machine; use https:// for %1</source>
        <translation>un mot de passe n&apos;est jamais envoyé en http:// non chiffré, sauf vers cette machine ; utilisez https:// pour %1</translation>
    </message>
    <message>
        <source>%1: holds no certificate (PEM) that can be read</source>
        <translation>%1 : ne contient aucun certificat (PEM) lisible</translation>
    </message>
    <message>
        <source>%1: the certificate remembered for this server cannot be read; give it again with --certificate FILE</source>
        <translation>%1 : le certificat retenu pour ce serveur est illisible ; donnez-le à nouveau avec --certificate FICHIER</translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring (none is running); from now on the file %1 is read for it. Keep it readable by you alone.</source>
        <translation>Le mot de passe n&apos;a pas pu être gardé dans le trousseau (aucun n&apos;est lancé) ; désormais, le fichier %1 est lu à sa place. Gardez-le lisible par vous seul.</translation>
    </message>
    <message>
        <source>the server has several address books; run again with --url and one of them:</source>
        <translation>le serveur a plusieurs carnets d&apos;adresses ; relancez avec --url et l&apos;un d&apos;eux :</translation>
    </message>
    <message>
        <source>%1 sent this program to %2, another server; it only talks to the server it was given. If that one is right, give it with --url</source>
        <translation>%1 a renvoyé ce programme vers %2, un autre serveur ; il ne parle qu&apos;au serveur qu&apos;on lui a donné. Si celui-là est le bon, donnez-le avec --url</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted (%2); if it is your own server&apos;s, give its certificate with --certificate FILE</source>
        <translation>le certificat de %1 n&apos;est pas reconnu comme fiable (%2) ; si c&apos;est celui de votre propre serveur, donnez son certificat avec --certificate FICHIER</translation>
    </message>
    <message>
        <source>%1: the server does not allow this (403 Forbidden)</source>
        <translation>%1 : le serveur ne le permet pas (403 Forbidden)</translation>
    </message>
    <message>
        <source>%1: not found on the server (404)</source>
        <translation>%1 : introuvable sur le serveur (404)</translation>
    </message>
    <message>
        <source>%1: the server answered %2</source>
        <translation>%1 : le serveur a répondu %2</translation>
    </message>
    <message>
        <source>%1 sent a reply that could not be read: %2</source>
        <translation>%1 a envoyé une réponse illisible : %2</translation>
    </message>
    <message>
        <source>%1 could not give the card %2 (no status); nothing was changed, run the sync again later</source>
        <translation>%1 n&apos;a pas pu fournir la vCard %2 (aucun statut) ; rien n&apos;a été modifié, relancez la synchronisation plus tard</translation>
    </message>
    <message>
        <source>%1 could not give the card %2 (status %3); nothing was changed, run the sync again later</source>
        <translation>%1 n&apos;a pas pu fournir la vCard %2 (statut %3) ; rien n&apos;a été modifié, relancez la synchronisation plus tard</translation>
    </message>
    <message>
        <source>the server answered %1 (%2)</source>
        <translation>le serveur a répondu %1 (%2)</translation>
    </message>
    <message>
        <source>the server answered %1: %2</source>
        <translation>le serveur a répondu %1 : %2</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>le serveur a répondu %1</translation>
    </message>
    <message>
        <source>%1 points to another server, %2, for the address books; nothing was sent there. If that server is right, give its address book with --url</source>
        <translation>%1 renvoie vers un autre serveur, %2, pour les carnets d&apos;adresses ; rien n&apos;y a été envoyé. Si ce serveur est le bon, donnez son carnet d&apos;adresses avec --url</translation>
    </message>
    <message>
        <source>the reply is not a WebDAV multistatus</source>
        <translation>la réponse n'est pas un multistatus WebDAV</translation>
    </message>
    <message>
        <source>the address book kept changing while this sync wrote to it; nothing was lost, run the sync again</source>
        <translation>le carnet d&apos;adresses n&apos;a cessé de changer pendant que cette synchronisation y écrivait ; rien n&apos;a été perdu, relancez la synchronisation</translation>
    </message>
    <message>
        <source>the card of %1</source>
        <translation>la vCard de %1</translation>
    </message>
    <message>
        <source>the card %1</source>
        <translation>la vCard %1</translation>
    </message>
    <message>
        <source>status %1</source>
        <translation>statut %1</translation>
    </message>
    <message>
        <source>left out of its reply</source>
        <translation>absente de sa réponse</translation>
    </message>
    <message>
        <source>%1 did not give %2 (%3); nothing was changed, run the sync again later</source>
        <translation>%1 n&apos;a pas fourni %2 (%3) ; rien n&apos;a été modifié, relancez la synchronisation plus tard</translation>
    </message>
    <message numerus="yes">
        <source>%1 did not give %2 (%3) nor %n other cards; nothing was changed, run the sync again later</source>
        <translation>
            <numerusform>%1 n&apos;a fourni ni %2 (%3) ni %n autre vCard ; rien n&apos;a été modifié, relancez la synchronisation plus tard</numerusform>
            <numerusform>%1 n&apos;a fourni ni %2 (%3) ni %n autres vCard ; rien n&apos;a été modifié, relancez la synchronisation plus tard</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the directory file changed on disk while syncing; nothing was changed here, run the sync again</source>
        <translation>%1 : le fichier de l&apos;annuaire a changé sur le disque pendant la synchronisation ; rien n&apos;a été modifié ici, relancez la synchronisation</translation>
    </message>
    <message>
        <source>%1: its last record has no name, and adding records would overwrite it; give it a name in Dialstack first. Nothing was changed</source>
        <translation>%1 : sa dernière fiche n&apos;a pas de nom, et ajouter des fiches l&apos;écraserait ; donnez-lui d&apos;abord un nom dans Dialstack. Rien n&apos;a été modifié</translation>
    </message>
    <message numerus="yes">
        <source>the server refused %n record: %1. Everything else was synced</source>
        <translation>
            <numerusform>le serveur a refusé %n fiche : %1. Tout le reste a été synchronisé</numerusform>
            <numerusform>le serveur a refusé %n fiches : %1. Tout le reste a été synchronisé</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the server refused %n records: %1. Everything else was synced</source>
        <translation>
            <numerusform>le serveur a refusé %n fiche : %1. Tout le reste a été synchronisé</numerusform>
            <numerusform>le serveur a refusé %n fiches : %1. Tout le reste a été synchronisé</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 et %n autre</numerusform>
            <numerusform>%1 et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the sync state is damaged; remove it to sync this directory afresh</source>
        <translation>%1 : l&apos;état de synchronisation est endommagé ; supprimez-le pour resynchroniser cet annuaire depuis le début</translation>
    </message>
    <message>
        <source>%1: the sync journal could not be written</source>
        <translation>%1 : le journal de synchronisation n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>%1: the folder could not be made</source>
        <translation>%1 : le dossier n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>%1: the sync state could not be saved: %2</source>
        <translation>%1 : l&apos;état de synchronisation n&apos;a pas pu être enregistré : %2</translation>
    </message>
    <message>
        <source>%1: the sync state could not be made private</source>
        <translation>%1 : l&apos;état de synchronisation n&apos;a pas pu être rendu privé</translation>
    </message>
    <message>
        <source>Dialstack sync needs you</source>
        <translation>La synchronisation de Dialstack a besoin de vous</translation>
    </message>
    <message>
        <source>Dialstack: %1 at %2</source>
        <translation>Dialstack : %1 sur %2</translation>
    </message>
    <message>
        <source>%1 is neither a CardDAV server nor an address book (asked: %2); give the address of your address book with --url</source>
        <translation>%1 n'est ni un serveur CardDAV ni un carnet d'adresses (demandé : %2) ; donnez l'adresse de votre carnet d'adresses avec --url</translation>
    </message>
    <message>
        <source>%1 is synced with %2; to sync it with another address book, first forget this sync with --forget</source>
        <translation>%1 est synchronisé avec %2 ; pour le synchroniser avec un autre carnet d'adresses, oubliez d'abord cette synchronisation avec --forget</translation>
    </message>
    <message>
        <source>%1 refused the password for %2 read from %3; put the new password in that file</source>
        <translation>%1 a refusé le mot de passe de %2 lu dans %3 ; mettez le nouveau mot de passe dans ce fichier</translation>
    </message>
    <message>
        <source>%1: %2; nothing was synced</source>
        <translation>%1 : %2 ; rien n'a été synchronisé</translation>
    </message>
    <message>
        <source>%1: no certificate could be had from the server: %2</source>
        <translation>%1 : impossible d'obtenir un certificat du serveur : %2</translation>
    </message>
    <message>
        <source>%1: the server answered %2 (%3)</source>
        <translation>%1 : le serveur a répondu %2 (%3)</translation>
    </message>
    <message>
        <source>%1: the sync's memory of this directory file is damaged (%2); forget it, then sync again with --url</source>
        <translation>%1 : l&apos;état de synchronisation de ce fichier de l&apos;annuaire est abîmé (%2) ; oubliez-le, puis synchronisez de nouveau avec --url</translation>
    </message>
    <message>
        <source>--accept-certificate is for a server at an https:// address</source>
        <translation>--accept-certificate vaut pour un serveur à une adresse https://</translation>
    </message>
    <message>
        <source>--accept-certificate needs the certificate's SHA-256 fingerprint (64 hex digits)</source>
        <translation>--accept-certificate demande l'empreinte SHA-256 du certificat (64 chiffres hexadécimaux)</translation>
    </message>
    <message>
        <source>--discover needs --url (the server or the address book)</source>
        <translation>--discover demande --url (le serveur ou le carnet d'adresses)</translation>
    </message>
    <message>
        <source>--discover, --forget and --timer each run alone</source>
        <translation>--discover, --forget et --timer s'utilisent chacun seul</translation>
    </message>
    <message>
        <source>--password-stdin: no password came on standard input</source>
        <translation>--password-stdin : aucun mot de passe n'est arrivé sur l'entrée standard</translation>
    </message>
    <message>
        <source>--report takes json</source>
        <translation>--report prend json</translation>
    </message>
    <message>
        <source>--timer takes on, off or status</source>
        <translation>--timer prend on, off ou status</translation>
    </message>
    <message>
        <source>Address books found:</source>
        <translation>Carnets d'adresses trouvés :</translation>
    </message>
    <message>
        <source>Keep it in %1 (readable by you alone)? [y/N]</source>
        <translation>Le garder dans %1 (lisible par vous seul) ? [o/N]</translation>
    </message>
    <message>
        <source>y</source>
        <translation>o</translation>
    </message>
    <message>
        <source>No timer syncs this directory file.</source>
        <translation>Aucun minuteur ne synchronise ce fichier de l&apos;annuaire.</translation>
    </message>
    <message>
        <source>The password could not be kept: %1</source>
        <translation>Le mot de passe n'a pas pu être gardé : %1</translation>
    </message>
    <message>
        <source>The timer syncs this directory file every quarter of an hour.</source>
        <translation>Le minuteur synchronise ce fichier de l'annuaire tous les quarts d'heure.</translation>
    </message>
    <message>
        <source>a password is never taken on the command line: use --password-file FILE, --password-stdin, or the keyring</source>
        <translation>un mot de passe n'est jamais pris sur la ligne de commande : utilisez --password-file FICHIER, --password-stdin ou le trousseau</translation>
    </message>
    <message>
        <source>give the password with --password-file or --password-stdin, not both</source>
        <translation>donnez le mot de passe avec --password-file ou --password-stdin, pas les deux</translation>
    </message>
    <message>
        <source>is a folder, not a directory file</source>
        <translation>est un dossier, pas un fichier de l&apos;annuaire</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>il est illisible</translation>
    </message>
    <message>
        <source>it is no sync state this program wrote, or it was cut short</source>
        <translation>ce n'est pas un état de synchronisation écrit par ce programme, ou il a été tronqué</translation>
    </message>
    <message>
        <source>it is not the one whose fingerprint was given</source>
        <translation>ce n'est pas celui dont l'empreinte a été donnée</translation>
    </message>
    <message>
        <source>no password for %1 at %2: the keyring has none, and no password file is remembered</source>
        <translation>aucun mot de passe pour %1 sur %2 : le trousseau n'en a pas, et aucun fichier de mot de passe n'est retenu</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted (%2); its SHA-256 fingerprint is %3. If it is your own server's, trust it</source>
        <translation>le certificat de %1 n'est pas reconnu comme fiable (%2) ; son empreinte SHA-256 est %3. Si c'est celui de votre propre serveur, faites-lui confiance</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>le dossier n'existe pas</translation>
    </message>
    <message>
        <source>the folder is read-only, so the directory file cannot be saved there</source>
        <translation>le dossier est en lecture seule, le fichier de l&apos;annuaire ne peut donc pas y être enregistré</translation>
    </message>
    <message>
        <source>the timer could not be set: %1</source>
        <translation>le minuteur n'a pas pu être réglé : %1</translation>
    </message>
    <message>
        <source>the timer cannot be set: no systemd user manager runs for this user</source>
        <translation>le minuteur ne peut pas être réglé : aucun gestionnaire utilisateur systemd ne tourne pour cet utilisateur</translation>
    </message>
    <message>
        <source>this sync would delete %1; nothing was changed. If that is what you want, run it again with --force; to bring them back instead, with --bring-back</source>
        <translation>cette synchronisation supprimerait %1 ; rien n'a été modifié. Si c'est bien ce que vous voulez, relancez-la avec --force ; pour les faire revenir à la place, avec --bring-back</translation>
    </message>
    <message numerus="yes">
        <source>the server refused %n card (%1); everything else is in step</source>
        <translation>
            <numerusform>le serveur a refusé %n vCard (%1) ; tout le reste est en accord</numerusform>
            <numerusform>le serveur a refusé %n vCard (%1) ; tout le reste est en accord</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the server refused %n cards (%1); everything else is in step</source>
        <translation>
            <numerusform>le serveur a refusé %n vCard (%1) ; tout le reste est en accord</numerusform>
            <numerusform>le serveur a refusé %n vCard (%1) ; tout le reste est en accord</numerusform>
        </translation>
    </message>
    <message>
        <source>the server sent this program to %1, another server; it only talks to the server it was given. If that one is right, give it with --url</source>
        <translation>le serveur a renvoyé ce programme vers %1, un autre serveur ; il ne parle qu'au serveur qu'on lui a donné. Si celui-là est le bon, donnez-le avec --url</translation>
    </message>
    <message>
        <source>the server points to another server, %1, for the address books; nothing was sent there. If that server is right, give its address book with --url</source>
        <translation>le serveur renvoie vers un autre serveur, %1, pour les carnets d'adresses ; rien n'y a été envoyé. Si ce serveur est le bon, donnez son carnet d'adresses avec --url</translation>
    </message>
</context>
</TS>
