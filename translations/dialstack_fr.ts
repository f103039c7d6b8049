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
</context>
</TS>
