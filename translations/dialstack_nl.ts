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
<context>
    <name>dialstack-convert</name>
    <message>
        <source>usage: dialstack-convert export [--format vcard|csv] [--file DIR/Dialstack.dat] [--output FILE] [--verbose]
       dialstack-convert import [--format vcard|csv] [--file DIR/Dialstack.dat] [--verbose] FILE...
       dialstack-convert query [--file DIR/Dialstack.dat] TEXT
       dialstack-convert --help | --version
(&apos;-&apos; as FILE reads standard input; --format may be left out when every
file ends in .vcf or .csv)
</source>
        <translation>gebruik: dialstack-convert export [--format vcard|csv] [--file MAP/Dialstack.dat] [--output BESTAND] [--verbose]
         dialstack-convert import [--format vcard|csv] [--file MAP/Dialstack.dat] [--verbose] BESTAND...
         dialstack-convert query [--file MAP/Dialstack.dat] TEKST
         dialstack-convert --help | --version
(&apos;-&apos; als BESTAND leest standaardinvoer; --format mag wegblijven als elk
bestand op .vcf of .csv eindigt)
</translation>
    </message>
    <message numerus="yes">
        <source>%n record matches</source>
        <translation>
            <numerusform>%n item komt overeen</numerusform>
            <numerusform>%n items komen overeen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records match</source>
        <translation>
            <numerusform>%n item komt overeen</numerusform>
            <numerusform>%n items komen overeen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dialstack-sync</name>
    <message>
        <source>usage: dialstack-sync [--file DIR/Dialstack.dat] [--url URL] [--user NAME] [--password-file FILE] [--dry-run] [--force] [--verbose]
</source>
        <translation>gebruik: dialstack-sync [--file MAP/Dialstack.dat] [--url URL] [--user NAAM] [--password-file BESTAND] [--dry-run] [--force] [--verbose]
</translation>
    </message>
</context>
</TS>
