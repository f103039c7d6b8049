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
        <translation>Herstellen</translation>
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
</context>
</TS>
