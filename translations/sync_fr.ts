<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
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
        <translation>usage : dialstack-sync [--file DOSSIER/Dialstack.dat] [--url URL] [--user NOM] [--password-file FICHIER]
                       [--certificate FICHIER] [--timeout SECONDES] [--dry-run] [--force] [--verbose]
        dialstack-sync --help | --version
Garde le fichier annuaire et son carnet d&apos;adresses CardDAV en accord. La
première exécution demande --url ; l&apos;URL, l&apos;utilisateur, le fichier de mot de
passe et le certificat sont retenus pour ce fichier annuaire. Le mot de passe
vient de --password-file, sinon du trousseau, sinon du fichier de mot de passe
retenu quand le trousseau n&apos;a pas pu le garder, sinon d&apos;une question posée
dans le terminal.
Code de sortie : 0 en accord ; 1 échec (rien de perdu) ; 2 mauvais usage ;
3 occupé (une fenêtre avec des modifications non enregistrées ou un autre
programme tient l&apos;annuaire : la prochaine exécution réessaie) ; 4 à vous de
jouer (la synchronisation supprimerait trop, le mot de passe a été refusé ou
le carnet d&apos;adresses a disparu).
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
        <translation>Ici : %1 ; sur le serveur : %2 ; %3</translation>
    </message>
    <message>
        <source>Dry run, nothing changed. Would do here: %1; on the server: %2; %3</source>
        <translation>Essai à blanc, rien de modifié. Ferait ici : %1 ; sur le serveur : %2 ; %3</translation>
    </message>
    <message>
        <source>added here: %1</source>
        <translation>ajoutée ici : %1</translation>
    </message>
    <message>
        <source>changed here: %1</source>
        <translation>modifiée ici : %1</translation>
    </message>
    <message>
        <source>deleted here: %1</source>
        <translation>supprimée ici : %1</translation>
    </message>
    <message>
        <source>added on the server: %1</source>
        <translation>ajoutée sur le serveur : %1</translation>
    </message>
    <message>
        <source>changed on the server: %1</source>
        <translation>modifiée sur le serveur : %1</translation>
    </message>
    <message>
        <source>deleted on the server: %1</source>
        <translation>supprimée sur le serveur : %1</translation>
    </message>
    <message>
        <source>would add here: %1</source>
        <translation>serait ajoutée ici : %1</translation>
    </message>
    <message>
        <source>would change here: %1</source>
        <translation>serait modifiée ici : %1</translation>
    </message>
    <message>
        <source>would delete here: %1</source>
        <translation>serait supprimée ici : %1</translation>
    </message>
    <message>
        <source>would add on the server: %1</source>
        <translation>serait ajoutée sur le serveur : %1</translation>
    </message>
    <message>
        <source>would change on the server: %1</source>
        <translation>serait modifiée sur le serveur : %1</translation>
    </message>
    <message>
        <source>would delete on the server: %1</source>
        <translation>serait supprimée sur le serveur : %1</translation>
    </message>
    <message>
        <source>kept both versions of a record changed on both sides: the server&apos;s, and this machine&apos;s as %1</source>
        <translation>les deux versions d&apos;une fiche modifiée des deux côtés sont gardées : celle du serveur, et celle de cette machine sous %1</translation>
    </message>
    <message>
        <source>would keep both versions of a record changed on both sides: the server&apos;s, and this machine&apos;s as %1</source>
        <translation>les deux versions d&apos;une fiche modifiée des deux côtés seraient gardées : celle du serveur, et celle de cette machine sous %1</translation>
    </message>
    <message>
        <source>%1: the password file cannot be read</source>
        <translation>%1 : le fichier de mot de passe est illisible</translation>
    </message>
    <message>
        <source>%1: others can read this password file; make it yours alone (chmod 600 %1) and run again</source>
        <translation>%1 : d&apos;autres peuvent lire ce fichier de mot de passe ; réservez-le à vous seul (chmod 600 %1) et relancez</translation>
    </message>
    <message>
        <source>Password for %1 at %2: </source>
        <translation>Mot de passe de %1 sur %2 : </translation>
    </message>
    <message>
        <source>%1: a Dialstack window has unsaved changes in it, or another program is changing it. Nothing was synced; the next sync after you save takes the window&apos;s changes</source>
        <translation>%1 : une fenêtre de Dialstack y a des modifications non enregistrées, ou un autre programme le modifie. Rien n&apos;a été synchronisé ; la prochaine synchronisation après l&apos;enregistrement prendra les modifications de la fenêtre</translation>
    </message>
    <message>
        <source>stopped by %1; what was synced is kept, and the next sync goes on from there</source>
        <translation>arrêté par %1 ; ce qui a été synchronisé est gardé, et la prochaine synchronisation reprend à partir de là</translation>
    </message>
    <message>
        <source>no password for %1: the keyring has none; give --password-file FILE</source>
        <translation>pas de mot de passe pour %1 : le trousseau n&apos;en a aucun ; donnez --password-file FICHIER</translation>
    </message>
    <message>
        <source>no address book found at %1 for %2; create one on the server (in its web page, or with your phone&apos;s contacts app), then sync again</source>
        <translation>aucun carnet d&apos;adresses trouvé sur %1 pour %2 ; créez-en un sur le serveur (sur sa page web ou avec l&apos;application de contacts de votre téléphone), puis synchronisez à nouveau</translation>
    </message>
    <message>
        <source>this user</source>
        <translation>cet utilisateur</translation>
    </message>
    <message>
        <source>To settle it, run: %1</source>
        <translation>Pour régler cela, lancez : %1</translation>
    </message>
    <message>
        <source>a password is never taken on the command line: use --password-file FILE, or the keyring</source>
        <translation>un mot de passe n&apos;est jamais accepté sur la ligne de commande : utilisez --password-file FICHIER, ou le trousseau</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>argument inattendu : %1</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 donné plus d&apos;une fois</translation>
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
        <translation>%1 des %2 fiches du serveur (%3)</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>this sync would delete %1; nothing was changed. If that is what you want, run it again with --force</source>
        <translation>cette synchronisation supprimerait %1 ; rien n&apos;a été modifié. Si c&apos;est bien ce que vous voulez, relancez-la avec --force</translation>
    </message>
    <message>
        <source>%1: the directory file could not be read completely; nothing was synced</source>
        <translation>%1 : le fichier annuaire n&apos;a pas pu être lu en entier ; rien n&apos;a été synchronisé</translation>
    </message>
    <message>
        <source>%1: the folder %2 does not exist; nothing was synced</source>
        <translation>%1 : le dossier %2 n&apos;existe pas ; rien n&apos;a été synchronisé</translation>
    </message>
    <message>
        <source>%1: the folder %2 is read-only, so the directory file cannot be saved there; nothing was synced</source>
        <translation>%1 : le dossier %2 est en lecture seule, le fichier annuaire ne peut pas y être enregistré ; rien n&apos;a été synchronisé</translation>
    </message>
    <message>
        <source>%1: is a folder, not a directory file; nothing was synced</source>
        <translation>%1 : est un dossier, pas un fichier annuaire ; rien n&apos;a été synchronisé</translation>
    </message>
    <message>
        <source>%1: could not be saved: %2; the directory file is unchanged</source>
        <translation>%1 : impossible d&apos;enregistrer : %2 ; le fichier annuaire est inchangé</translation>
    </message>
    <message>
        <source>%1: could not be saved: %2</source>
        <translation>%1 : impossible d&apos;enregistrer : %2</translation>
    </message>
</context>
</TS>
