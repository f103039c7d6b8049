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
</context>
</TS>
