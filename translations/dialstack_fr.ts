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
        <translation>Enreg./Quitter</translation>
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
        <translation>&amp;Chercher :</translation>
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
        <translation>L&apos;annuaire et le carnet d&apos;adresses sont à jour l&apos;un par rapport à l&apos;autre.</translation>
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
</TS>
