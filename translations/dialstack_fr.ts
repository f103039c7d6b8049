<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Resources</name>
    <message>
        <source>About Quillaven Dialstack</source>
        <translation>À propos de Quillaven Dialstack</translation>
    </message>
    <message>
        <source>Dialstack icon</source>
        <translation>Icône de Dialstack</translation>
    </message>
    <message>
        <source>Quillaven Dialstack Version 2.0</source>
        <translation>Quillaven Dialstack version 2.0</translation>
    </message>
    <message>
        <source>Made in Quillaven for every desk.</source>
        <translation>Fabriqué à Quillaven pour tous les bureaux.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Dialstack keeps the names, phone and pager numbers, e-mail addresses and notes of the people you call, in the file Dialstack.dat of the folder you start it from.</source>
        <translation>Dialstack garde les noms, numéros de téléphone et de bipeur, adresses e-mail et notes de vos contacts dans le fichier Dialstack.dat du dossier de lancement.</translation>
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
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Save Now</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Delete Name</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Undo Changes</source>
        <translation>Tout annuler</translation>
    </message>
    <message>
        <source>Edit Name</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Save / Quit</source>
        <translation>Enregistrer/Fin</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Noms</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Pager</source>
        <translation>Bipeur</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Tél.</translation>
    </message>
    <message>
        <source>Misc.</source>
        <translation>Divers</translation>
    </message>
    <message>
        <source>Add Record</source>
        <translation>Ajouter une fiche</translation>
    </message>
    <message>
        <source>Edit Item</source>
        <translation>Modifier la fiche</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Pager Number</source>
        <translation>Bipeur</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>Adresse e-mail</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message>
        <source>Find what</source>
        <translation>Texte à rechercher</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>&amp;About Dialstack2...</source>
        <translation>À &amp;propos de Dialstack2...</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>&amp;Rechercher…</translation>
    </message>
    <message>
        <source>Dialstack Help</source>
        <translation>Aide de Dialstack</translation>
    </message>
    <message>
        <source>Sync &amp;Now</source>
        <translation>&amp;Synchroniser maintenant</translation>
    </message>
    <message>
        <source>Your changes to the directory are not saved yet.

Save them before you leave?</source>
        <translation>Vos modifications de l&apos;annuaire ne sont pas encore enregistrées.

Les enregistrer avant de quitter ?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Leave without saving</source>
        <translation>&amp;Quitter sans enregistrer</translation>
    </message>
    <message>
        <source>S&amp;tay</source>
        <translation>&amp;Rester</translation>
    </message>
    <message>
        <source>Another program (dialstack-sync or dialstack-convert import) is changing the directory file right now, so nothing was changed here.

Try again in a moment: the window then shows what that program wrote.</source>
        <translation>Un autre programme (dialstack-sync ou dialstack-convert import) est en train de modifier le fichier de l&apos;annuaire ; rien n&apos;a donc été modifié ici.

Réessayez dans un instant : la fenêtre affichera alors ce que ce programme a écrit.</translation>
    </message>
    <message>
        <source>Your changes are not saved yet. The sync takes the directory as saved.

Save your changes and sync?</source>
        <translation>Vos modifications ne sont pas encore enregistrées. La synchronisation prend l&apos;annuaire tel qu&apos;il est enregistré.

Enregistrer vos modifications et synchroniser ?</translation>
    </message>
    <message>
        <source>&amp;Save and sync</source>
        <translation>&amp;Enregistrer et synchroniser</translation>
    </message>
    <message>
        <source>Syncing the directory with the address book…</source>
        <translation>Synchronisation de l&apos;annuaire avec le carnet d&apos;adresses…</translation>
    </message>
    <message>
        <source>The sync program dialstack-sync was found neither beside Dialstack nor on the PATH.

Install it with Dialstack, then try again.</source>
        <translation>Le programme de synchronisation dialstack-sync est introuvable, ni à côté de Dialstack ni dans le PATH.

Installez-le avec Dialstack, puis réessayez.</translation>
    </message>
    <message>
        <source>The sync program %1 could not be started: %2</source>
        <translation>Le programme de synchronisation %1 n&apos;a pas pu être lancé : %2</translation>
    </message>
    <message>
        <source>The directory and the address book are in step.</source>
        <translation>L&apos;annuaire et le carnet d&apos;adresses sont synchronisés.</translation>
    </message>
    <message>
        <source>The sync did not finish:

%1

Check the network and the server, then try again. What was synced stays; the next sync does the rest.</source>
        <translation>La synchronisation n&apos;a pas abouti :

%1

Vérifiez le réseau et le serveur, puis réessayez. Ce qui a déjà été synchronisé est conservé ; la prochaine synchronisation fera le reste.</translation>
    </message>
    <message>
        <source>The sync of this directory is not set up as expected:

%1

Set it up again in a terminal (see &quot;man dialstack-sync&quot;).</source>
        <translation>La synchronisation de cet annuaire n&apos;est pas configurée comme prévu :

%1

Configurez-la de nouveau dans un terminal (voir « man dialstack-sync »).</translation>
    </message>
    <message>
        <source>The sync cannot run now:

%1

Try again in a moment.</source>
        <translation>La synchronisation ne peut pas avoir lieu maintenant :

%1

Réessayez dans un instant.</translation>
    </message>
    <message>
        <source>The sync stopped because it needs you:

%1

Run dialstack-sync --file &quot;%2&quot; in a terminal to settle it.</source>
        <translation>La synchronisation s&apos;est arrêtée car elle a besoin de vous :

%1

Lancez dialstack-sync --file &quot;%2&quot; dans un terminal pour régler la question.</translation>
    </message>
    <message>
        <source>The sync was cancelled. What it had finished stays; the next sync does the rest.</source>
        <translation>La synchronisation a été annulée. Ce qu&apos;elle avait terminé est conservé ; la prochaine synchronisation fera le reste.</translation>
    </message>
    <message>
        <source>The sync program ended unexpectedly.

%1

Try again; if it happens again, run dialstack-sync --file &quot;%2&quot; in a terminal to see why.</source>
        <translation>Le programme de synchronisation s&apos;est arrêté de façon inattendue.

%1

Réessayez ; si cela se reproduit, lancez dialstack-sync --file &quot;%2&quot; dans un terminal pour en voir la cause.</translation>
    </message>
    <message>
        <source>Only the selected record matches &quot;%1&quot;.</source>
        <translation>Seule la fiche sélectionnée correspond à « %1 ».</translation>
    </message>
    <message>
        <source>Nothing in the directory matches &quot;%1&quot;.</source>
        <translation>Rien dans l&apos;annuaire ne correspond à « %1 ».</translation>
    </message>
    <message>
        <source>You must specify a name!</source>
        <translation>Vous devez indiquer un nom !</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>The directory could not be saved to &quot;%1&quot;: %2

%3</source>
        <translation>L&apos;annuaire n&apos;a pas pu être enregistré dans « %1 » : %2

%3</translation>
    </message>
    <message>
        <source>The directory could not be saved to &quot;%1&quot;: %2

%3 The file on disk is unchanged.</source>
        <translation>L&apos;annuaire n&apos;a pas pu être enregistré dans « %1 » : %2

%3 Le fichier sur le disque n&apos;a pas changé.</translation>
    </message>
    <message>
        <source>Your changes are still here.</source>
        <translation>Vos modifications sont toujours là.</translation>
    </message>
    <message>
        <source>Dialstack stays open so that your changes are not lost.</source>
        <translation>Dialstack reste ouvert pour que vos modifications ne soient pas perdues.</translation>
    </message>
    <message>
        <source>Your changes are still here; nothing was synced.</source>
        <translation>Vos modifications sont toujours là ; rien n&apos;a été synchronisé.</translation>
    </message>
    <message>
        <source>The directory was saved to &quot;%1&quot;; %2</source>
        <translation>L&apos;annuaire a été enregistré dans « %1 » ; %2</translation>
    </message>
    <message>
        <source>The directory file &quot;%1&quot; has been changed by another program since Dialstack loaded or saved it.

Replace it with the directory shown here? The other program&apos;s changes would be lost.</source>
        <translation>Le fichier de l&apos;annuaire « %1 » a été modifié par un autre programme depuis que Dialstack l&apos;a chargé ou enregistré.

Le remplacer par l&apos;annuaire affiché ici ? Les modifications de l&apos;autre programme seraient perdues.</translation>
    </message>
    <message>
        <source>The directory file &quot;%1&quot; could not be read completely. %2

Saving now would replace the file with what is shown.</source>
        <translation>Le fichier de l&apos;annuaire « %1 » n&apos;a pas pu être lu entièrement. %2

Enregistrer maintenant remplacerait le fichier par ce qui est affiché.</translation>
    </message>
    <message>
        <source>The directory file &quot;%1&quot; could not be opened: %2 %3

Saving now would replace the file with what is shown.</source>
        <translation>Le fichier de l&apos;annuaire « %1 » n&apos;a pas pu être ouvert : %2 %3

Enregistrer maintenant remplacerait le fichier par ce qui est affiché.</translation>
    </message>
    <message numerus="yes">
        <source>%n record was read and is shown.</source>
        <translation>
            <numerusform>%n fiche a été lue et est affichée.</numerusform>
            <numerusform>%n fiches ont été lues et sont affichées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records were read and are shown.</source>
        <translation>
            <numerusform>%n fiche a été lue et est affichée.</numerusform>
            <numerusform>%n fiches ont été lues et sont affichées.</numerusform>
        </translation>
    </message>
    <message>
        <source>The directory could not be printed: %1

Nothing in the directory has changed.</source>
        <translation>L&apos;annuaire n&apos;a pas pu être imprimé : %1

Rien n&apos;a changé dans l&apos;annuaire.</translation>
    </message>
    <message>
        <source>Set Up Sync</source>
        <translation>Configurer la synchronisation</translation>
    </message>
    <message>
        <source>Sync Settings</source>
        <translation>Options de synchronisation</translation>
    </message>
    <message>
        <source>&amp;Server address:</source>
        <translation>Adresse du &amp;serveur :</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nom d'&amp;utilisateur :</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>Mot de &amp;passe :</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>Se &amp;connecter</translation>
    </message>
    <message>
        <source>&amp;Address books:</source>
        <translation>C&amp;arnets d'adresses :</translation>
    </message>
    <message>
        <source>Type the address of your CardDAV server (your provider's help names it), your user name and your password, then press Connect.</source>
        <translation>Saisissez l'adresse de votre serveur CardDAV (l'aide de votre fournisseur l'indique), votre nom d'utilisateur et votre mot de passe, puis cliquez sur « Se connecter ».</translation>
    </message>
    <message>
        <source>Stop S&amp;yncing</source>
        <translation>Arrêter la s&amp;ynchronisation</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Sync Password</source>
        <translation>Mot de passe de la synchronisation</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Set &amp;Up Sync…</source>
        <translation>&amp;Configurer la synchronisation…</translation>
    </message>
    <message>
        <source>Sync Se&amp;ttings…</source>
        <translation>&amp;Options de synchronisation…</translation>
    </message>
    <message>
        <source>The directory and the address book are in step: %1 here, %2 in the address book.</source>
        <translation>L'annuaire et le carnet d'adresses sont à jour : %1 ici, %2 dans le carnet d'adresses.</translation>
    </message>
    <message numerus="yes">
        <source>%n change</source>
        <translation>
            <numerusform>%n modification</numerusform>
            <numerusform>%n modifications</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changes</source>
        <translation>
            <numerusform>%n modification</numerusform>
            <numerusform>%n modifications</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the server's address, your user name and your password first.</source>
        <translation>Saisissez d'abord l'adresse du serveur, votre nom d'utilisateur et votre mot de passe.</translation>
    </message>
    <message>
        <source>Looking for your address books on the server…</source>
        <translation>Recherche de vos carnets d'adresses sur le serveur…</translation>
    </message>
    <message>
        <source>The server holds several address books for %1. Pick the one to sync with, then press Connect again.</source>
        <translation>Le serveur contient plusieurs carnets d'adresses pour %1. Choisissez celui à synchroniser, puis cliquez de nouveau sur « Se connecter ».</translation>
    </message>
    <message>
        <source>%1 refused the password of %2. Check the user name and the password, then press Connect again.</source>
        <translation>%1 a refusé le mot de passe de %2. Vérifiez le nom d'utilisateur et le mot de passe, puis cliquez de nouveau sur « Se connecter ».</translation>
    </message>
    <message>
        <source>No address book was found at %1 for %2. Check the server's address (your provider's help names it), then press Connect again.</source>
        <translation>Aucun carnet d'adresses n'a été trouvé à %1 pour %2. Vérifiez l'adresse du serveur (l'aide de votre fournisseur l'indique), puis cliquez de nouveau sur « Se connecter ».</translation>
    </message>
    <message>
        <source>The server could not be reached or did not answer as expected:
%1</source>
        <translation>Le serveur est injoignable ou n'a pas répondu comme prévu :
%1</translation>
    </message>
    <message>
        <source>The directory and the address book are in step. Your password is kept in your desktop's keyring.</source>
        <translation>L'annuaire et le carnet d'adresses sont à jour. Votre mot de passe est conservé dans le trousseau de votre bureau.</translation>
    </message>
    <message>
        <source>The directory and the address book are in step. Your password is kept in the file %1, which only you can read.</source>
        <translation>L'annuaire et le carnet d'adresses sont à jour. Votre mot de passe est conservé dans le fichier %1, que vous seul pouvez lire.</translation>
    </message>
    <message>
        <source>The directory and the address book are in step. Your password could not be kept, so the sync will ask for it again.</source>
        <translation>L'annuaire et le carnet d'adresses sont à jour. Votre mot de passe n'a pas pu être conservé : la synchronisation vous le redemandera.</translation>
    </message>
    <message>
        <source>Sync every quarter of an hour from now on, while you are logged in?</source>
        <translation>Synchroniser désormais tous les quarts d'heure, tant que vous êtes connecté ?</translation>
    </message>
    <message>
        <source>Sync &amp;every quarter hour</source>
        <translation>&amp;Tous les quarts d'heure</translation>
    </message>
    <message>
        <source>&amp;Not now</source>
        <translation>&amp;Pas maintenant</translation>
    </message>
    <message>
        <source>From now on the directory is synced every quarter of an hour.</source>
        <translation>L'annuaire sera désormais synchronisé tous les quarts d'heure.</translation>
    </message>
    <message>
        <source>This computer cannot sync every quarter of an hour on its own: that needs the systemd user manager, and none runs for you here. Use Sync Now in the window menu instead.</source>
        <translation>Cet ordinateur ne peut pas synchroniser de lui-même tous les quarts d'heure : il faut pour cela le gestionnaire utilisateur de systemd, qui ne tourne pas ici pour vous. Utilisez plutôt « Synchroniser maintenant » dans le menu de la fenêtre.</translation>
    </message>
    <message>
        <source>The quarter-hourly sync could not be switched on:

%1</source>
        <translation>La synchronisation tous les quarts d'heure n'a pas pu être activée :

%1</translation>
    </message>
    <message>
        <source>Stop syncing this directory with the address book?

The directory file stays as it is. The sync can also forget what it knows of this directory; setting it up again then starts afresh.</source>
        <translation>Arrêter de synchroniser cet annuaire avec le carnet d'adresses ?

Le fichier de l'annuaire reste tel quel. La synchronisation peut aussi oublier ce qu'elle sait de cet annuaire ; une nouvelle configuration repartira alors de zéro.</translation>
    </message>
    <message>
        <source>&amp;Stop syncing</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>Stop and &amp;forget</source>
        <translation>Arrêter et &amp;oublier</translation>
    </message>
    <message>
        <source>The directory is no longer synced every quarter of an hour. Sync Now still syncs it when you ask.</source>
        <translation>L'annuaire n'est plus synchronisé tous les quarts d'heure. « Synchroniser maintenant » le synchronise toujours quand vous le demandez.</translation>
    </message>
    <message>
        <source>The directory is no longer synced. Dialstack.dat stays as it is.</source>
        <translation>L'annuaire n'est plus synchronisé. Dialstack.dat reste tel quel.</translation>
    </message>
    <message>
        <source>The sync could not be stopped:

%1</source>
        <translation>La synchronisation n'a pas pu être arrêtée :

%1</translation>
    </message>
    <message>
        <source>%1 refused the password of %2. Type the password again:</source>
        <translation>%1 a refusé le mot de passe de %2. Saisissez de nouveau le mot de passe :</translation>
    </message>
    <message>
        <source>The sync needs the password of %2 at %1:</source>
        <translation>La synchronisation a besoin du mot de passe de %2 sur %1 :</translation>
    </message>
    <message>
        <source>The password file %1 is gone or others can read it, so the sync no longer uses it. Type the password; it will be kept safely:</source>
        <translation>Le fichier de mot de passe %1 a disparu ou d'autres peuvent le lire ; la synchronisation ne l'utilise donc plus. Saisissez le mot de passe ; il sera de nouveau conservé en lieu sûr :</translation>
    </message>
    <message>
        <source>Names were deleted here, and %1 of the %2 cards in the address book would go with them: %3.

The sync stopped so that nothing is deleted by mistake.</source>
        <translation>Des noms ont été supprimés ici, et %1 des %2 fiches du carnet d'adresses disparaîtraient avec eux : %3.

La synchronisation s'est arrêtée pour que rien ne soit supprimé par erreur.</translation>
    </message>
    <message>
        <source>Cards were deleted from the address book, and %1 of the %2 names here would go with them: %3.

The sync stopped so that nothing is deleted by mistake.</source>
        <translation>Des fiches ont été supprimées du carnet d'adresses, et %1 des %2 noms d'ici disparaîtraient avec elles : %3.

La synchronisation s'est arrêtée pour que rien ne soit supprimé par erreur.</translation>
    </message>
    <message>
        <source>&amp;Delete them there too</source>
        <translation>Les &amp;supprimer là-bas aussi</translation>
    </message>
    <message>
        <source>&amp;Delete them here too</source>
        <translation>Les &amp;supprimer ici aussi</translation>
    </message>
    <message>
        <source>&amp;Bring them back</source>
        <translation>Les &amp;rétablir</translation>
    </message>
    <message numerus="yes">
        <source>and %n other name</source>
        <translation>
            <numerusform>et %n autre nom</numerusform>
            <numerusform>et %n autres noms</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n other names</source>
        <translation>
            <numerusform>et %n autre nom</numerusform>
            <numerusform>et %n autres noms</numerusform>
        </translation>
    </message>
    <message>
        <source>This computer does not trust the certificate of %1, so the sync stopped.

Issued to: %2
Issued by: %3
SHA-256 fingerprint: %4

Trust it only if your server's administrator gave you this fingerprint.</source>
        <translation>Cet ordinateur ne fait pas confiance au certificat de %1 ; la synchronisation s'est donc arrêtée.

Délivré à : %2
Délivré par : %3
Empreinte SHA-256 : %4

Ne lui faites confiance que si l'administrateur de votre serveur vous a donné cette empreinte.</translation>
    </message>
    <message>
        <source>&amp;Trust this certificate</source>
        <translation>&amp;Faire confiance à ce certificat</translation>
    </message>
    <message>
        <source>The address book %1 is gone from the server, so the sync stopped. Choose the address book to sync with in the window that opens now.</source>
        <translation>Le carnet d'adresses %1 n'existe plus sur le serveur ; la synchronisation s'est donc arrêtée. Choisissez le carnet à synchroniser dans la fenêtre qui s'ouvre maintenant.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed both here and in the address book. It now holds the address book's version; this computer's version was kept as &quot;%2&quot;.
%3</source>
        <translation>« %1 » a été modifié ici et dans le carnet d'adresses. L'entrée contient maintenant la version du carnet ; celle de cet ordinateur a été conservée sous « %2 ».
%3</translation>
    </message>
    <message>
        <source>%1: here &quot;%2&quot;, in the address book &quot;%3&quot;</source>
        <translation>%1 : ici « %2 », dans le carnet « %3 »</translation>
    </message>
    <message>
        <source>&amp;Select the Copy</source>
        <translation>&amp;Sélectionner la copie</translation>
    </message>
</context>
<context>
    <name>Framework</name>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Déplacer</translation>
    </message>
    <message>
        <source>&amp;Close	Alt+F4</source>
        <translation>&amp;Fermer	Alt+F4</translation>
    </message>
    <message>
        <source>Please enter a whole number.</source>
        <translation>Veuillez saisir un nombre entier.</translation>
    </message>
    <message numerus="yes">
        <source>Please enter no more than %n characters.</source>
        <translation>
            <numerusform>Veuillez saisir au plus %n caractère.</numerusform>
            <numerusform>Veuillez saisir au plus %n caractères.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is a named pipe (FIFO), not a file</source>
        <translation>c&apos;est un tube nommé (FIFO), pas un fichier</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>c&apos;est un périphérique, pas un fichier</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>c&apos;est un socket, pas un fichier</translation>
    </message>
    <message>
        <source>it is something other than a file, not a file</source>
        <translation>ce n&apos;est pas un fichier, mais autre chose</translation>
    </message>
    <message>
        <source>it is a symbolic link to a folder, not to a file</source>
        <translation>c&apos;est un lien symbolique vers un dossier, pas vers un fichier</translation>
    </message>
    <message>
        <source>it is a symbolic link to a named pipe (FIFO), not to a file</source>
        <translation>c&apos;est un lien symbolique vers un tube nommé (FIFO), pas vers un fichier</translation>
    </message>
    <message>
        <source>it is a symbolic link to a device, not to a file</source>
        <translation>c&apos;est un lien symbolique vers un périphérique, pas vers un fichier</translation>
    </message>
    <message>
        <source>it is a symbolic link to a socket, not to a file</source>
        <translation>c&apos;est un lien symbolique vers un socket, pas vers un fichier</translation>
    </message>
    <message>
        <source>it is a symbolic link to something other than a file, not to a file</source>
        <translation>c&apos;est un lien symbolique vers autre chose qu&apos;un fichier</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>le disque est en lecture seule</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>le quota disque est épuisé</translation>
    </message>
    <message>
        <source>the file would be larger than this process may write</source>
        <translation>le fichier dépasserait la taille que ce programme a le droit d&apos;écrire</translation>
    </message>
    <message>
        <source>the lock file &quot;%1&quot; could not be opened: %2</source>
        <translation>le fichier de verrou « %1 » n&apos;a pas pu être ouvert : %2</translation>
    </message>
    <message>
        <source>the lock file &quot;%1&quot; could not be locked: %2</source>
        <translation>le fichier de verrou « %1 » n&apos;a pas pu être verrouillé : %2</translation>
    </message>
    <message>
        <source>another program is changing the directory</source>
        <translation>un autre programme est en train de modifier l&apos;annuaire</translation>
    </message>
    <message>
        <source>a Dialstack window has unsaved changes to the directory, or another program is changing it; once they are saved, the next sync or import takes them in</source>
        <translation>une fenêtre de Dialstack contient des modifications non enregistrées de l&apos;annuaire, ou un autre programme est en train de le modifier ; une fois qu&apos;elles seront enregistrées, la prochaine synchronisation ou importation les prendra en compte</translation>
    </message>
    <message>
        <source>the new contents could not be made; nothing was replaced</source>
        <translation>le nouveau contenu n&apos;a pas pu être créé ; rien n&apos;a été remplacé</translation>
    </message>
    <message>
        <source>there is not enough memory to make the new contents; nothing was replaced</source>
        <translation>la mémoire est insuffisante pour créer le nouveau contenu ; rien n&apos;a été remplacé</translation>
    </message>
    <message>
        <source>the folder takes no new file, so the file itself was rewritten, which failed (%1); its old contents were written back, so it is as it was</source>
        <translation>le dossier n&apos;accepte pas de nouveau fichier, le fichier lui-même a donc été réécrit, ce qui a échoué (%1) ; son ancien contenu a été remis en place, il est donc tel qu&apos;avant</translation>
    </message>
    <message>
        <source>the folder takes no new file, so the file itself was rewritten, which failed (%1); its old contents could not be written back, so the file is damaged</source>
        <translation>le dossier n&apos;accepte pas de nouveau fichier, le fichier lui-même a donc été réécrit, ce qui a échoué (%1) ; son ancien contenu n&apos;a pas pu être remis en place, le fichier est donc endommagé</translation>
    </message>
    <message>
        <source>it is a symbolic link to nothing; nothing was replaced</source>
        <translation>c&apos;est un lien symbolique qui ne mène nulle part ; rien n&apos;a été remplacé</translation>
    </message>
    <message>
        <source>%1; nothing was replaced</source>
        <translation>%1 ; rien n&apos;a été remplacé</translation>
    </message>
    <message>
        <source>the new file is in place, but it may not be on the disk yet: the folder could not be synced (%1)</source>
        <translation>le nouveau fichier est en place, mais il n&apos;est peut-être pas encore sur le disque : le dossier n&apos;a pas pu être écrit sur le disque (%1)</translation>
    </message>
    <message>
        <source>the folder it belongs in no longer exists</source>
        <translation>le dossier où il doit se trouver n&apos;existe plus</translation>
    </message>
    <message>
        <source>there is not enough memory to replace the file; nothing was replaced</source>
        <translation>la mémoire est insuffisante pour remplacer le fichier ; rien n&apos;a été remplacé</translation>
    </message>
    <message>
        <source>there is not enough memory to make the file</source>
        <translation>la mémoire est insuffisante pour créer le fichier</translation>
    </message>
    <message>
        <source>there is no directory to save</source>
        <translation>il n&apos;y a pas d&apos;annuaire à enregistrer</translation>
    </message>
    <message>
        <source>the print service (CUPS) is not running</source>
        <translation>le service d&apos;impression (CUPS) n&apos;est pas démarré</translation>
    </message>
    <message>
        <source>no default printer is configured; choose one in the system&apos;s printer settings or with &quot;lpoptions -d PRINTER&quot;</source>
        <translation>aucune imprimante par défaut n&apos;est configurée ; choisissez-en une dans les paramètres d&apos;impression du système ou avec « lpoptions -d IMPRIMANTE »</translation>
    </message>
    <message>
        <source>the default printer is not available: %1</source>
        <translation>l&apos;imprimante par défaut n&apos;est pas disponible : %1</translation>
    </message>
    <message>
        <source>the printer refused the job: %1</source>
        <translation>l&apos;imprimante a refusé la tâche : %1</translation>
    </message>
    <message>
        <source>the job could not be sent to the printer: %1</source>
        <translation>la tâche n&apos;a pas pu être envoyée à l&apos;imprimante : %1</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <source>operation not permitted</source>
        <translation>opération non autorisée</translation>
    </message>
    <message>
        <source>no such file or directory</source>
        <translation>aucun fichier ou dossier de ce nom</translation>
    </message>
    <message>
        <source>not a directory</source>
        <translation>un élément du chemin n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>is a directory</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>too many levels of symbolic links</source>
        <translation>trop de niveaux de liens symboliques</translation>
    </message>
    <message>
        <source>file name too long</source>
        <translation>nom de fichier trop long</translation>
    </message>
    <message>
        <source>input/output error</source>
        <translation>erreur d&apos;entrée/sortie</translation>
    </message>
    <message>
        <source>device or resource busy</source>
        <translation>périphérique ou ressource occupé</translation>
    </message>
    <message>
        <source>text file busy</source>
        <translation>le fichier est en cours d&apos;exécution comme programme</translation>
    </message>
    <message>
        <source>cannot allocate memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>too many open files</source>
        <translation>trop de fichiers ouverts</translation>
    </message>
    <message>
        <source>too many open files in system</source>
        <translation>trop de fichiers ouverts dans le système</translation>
    </message>
    <message>
        <source>no locks available</source>
        <translation>aucun verrou disponible</translation>
    </message>
    <message>
        <source>stale file handle</source>
        <translation>référence de fichier obsolète</translation>
    </message>
    <message>
        <source>no such device or address</source>
        <translation>aucun périphérique ou adresse de ce type</translation>
    </message>
    <message>
        <source>invalid cross-device link</source>
        <translation>lien entre périphériques non valable</translation>
    </message>
    <message>
        <source>invalid argument</source>
        <translation>argument non valable</translation>
    </message>
    <message>
        <source>transport endpoint is not connected</source>
        <translation>la connexion au système de fichiers est rompue</translation>
    </message>
    <message>
        <source>connection timed out</source>
        <translation>délai de connexion dépassé</translation>
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
        <translation>usage : dialstack [--help | --version]
Ouvre dans une fenêtre l&apos;annuaire Dialstack.dat du dossier courant. Voir
dialstack(1) ; dialstack-convert(1) et dialstack-sync(1) travaillent sur le
même fichier en ligne de commande.
</translation>
    </message>
    <message>
        <source>this program needs a graphical desktop, but no display is set here (DISPLAY and WAYLAND_DISPLAY are empty); start it from your desktop session.</source>
        <translation>ce programme a besoin d&apos;un bureau graphique, mais aucun affichage n&apos;est défini ici (DISPLAY et WAYLAND_DISPLAY sont vides) ; lancez-le depuis votre session de bureau.</translation>
    </message>
</context>
</TS>
