<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>dialstack-convert</name>
    <message>
        <source>usage: dialstack-convert export [--format vcard|csv | --spreadsheet] [--file DIR/Dialstack.dat]
                                [--output FILE] [--verbose]
       dialstack-convert import [--format vcard|csv] [--file DIR/Dialstack.dat] [--verbose] FILE...
       dialstack-convert query [--file DIR/Dialstack.dat] TEXT
       dialstack-convert --help | --version
(&apos;-&apos; as FILE reads standard input; --format may be left out when every
file ends in .vcf or .csv; --spreadsheet writes CSV with &apos;;&apos; between
the cells and a byte-order mark, as spreadsheet programs in Germany,
France and other countries that write a decimal comma open it)
</source>
        <translation>Aufruf: dialstack-convert export [--format vcard|csv | --spreadsheet] [--file ORDNER/Dialstack.dat]
                                 [--output DATEI] [--verbose]
        dialstack-convert import [--format vcard|csv] [--file ORDNER/Dialstack.dat] [--verbose] DATEI...
        dialstack-convert query [--file ORDNER/Dialstack.dat] TEXT
        dialstack-convert --help | --version
(&apos;-&apos; als DATEI liest die Standardeingabe; --format darf fehlen, wenn jede
Datei auf .vcf oder .csv endet; --spreadsheet schreibt CSV mit &apos;;&apos; zwischen
den Zellen und einer Byte-Order-Mark, so wie Tabellenkalkulationen in
Deutschland, Frankreich und anderen Ländern mit Dezimalkomma sie öffnen)
</translation>
    </message>
    <message numerus="yes">
        <source>%n record matches</source>
        <translation>
            <numerusform>%n Eintrag passt</numerusform>
            <numerusform>%n Einträge passen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records match</source>
        <translation>
            <numerusform>%n Eintrag passt</numerusform>
            <numerusform>%n Einträge passen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record added</source>
        <translation>
            <numerusform>%n Eintrag hinzugefügt</numerusform>
            <numerusform>%n Einträge hinzugefügt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records added</source>
        <translation>
            <numerusform>%n Eintrag hinzugefügt</numerusform>
            <numerusform>%n Einträge hinzugefügt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact skipped</source>
        <translation>
            <numerusform>%n Kontakt übersprungen</numerusform>
            <numerusform>%n Kontakte übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contacts skipped</source>
        <translation>
            <numerusform>%n Kontakt übersprungen</numerusform>
            <numerusform>%n Kontakte übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n value moved to misc</source>
        <translation>
            <numerusform>%n Wert ins Feld „Notiz“ verschoben</numerusform>
            <numerusform>%n Werte ins Feld „Notiz“ verschoben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n values moved to misc</source>
        <translation>
            <numerusform>%n Wert ins Feld „Notiz“ verschoben</numerusform>
            <numerusform>%n Werte ins Feld „Notiz“ verschoben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n character replaced</source>
        <translation>
            <numerusform>%n Zeichen ersetzt</numerusform>
            <numerusform>%n Zeichen ersetzt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters replaced</source>
        <translation>
            <numerusform>%n Zeichen ersetzt</numerusform>
            <numerusform>%n Zeichen ersetzt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record exported</source>
        <translation>
            <numerusform>%n Eintrag exportiert</numerusform>
            <numerusform>%n Einträge exportiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records exported</source>
        <translation>
            <numerusform>%n Eintrag exportiert</numerusform>
            <numerusform>%n Einträge exportiert</numerusform>
        </translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>%1: %2; nothing was imported</source>
        <translation>%1: %2; nichts wurde importiert</translation>
    </message>
    <message>
        <source>is a folder, not a contact file</source>
        <translation>ist ein Ordner, keine Kontaktdatei</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>diese Datei gibt es nicht</translation>
    </message>
    <message>
        <source>%1: could not be saved: %2; the directory file is unchanged</source>
        <translation>%1: konnte nicht gespeichert werden: %2; die Telefonbuchdatei ist unverändert</translation>
    </message>
    <message>
        <source>%1: could not be saved: %2; the directory file may be damaged: check it, and import again</source>
        <translation>%1: konnte nicht gespeichert werden: %2; die Telefonbuchdatei ist womöglich beschädigt: prüfen Sie sie und importieren Sie erneut</translation>
    </message>
    <message>
        <source>%1: is a folder, not a directory file; nothing was converted</source>
        <translation>%1: ist ein Ordner, keine Telefonbuchdatei; nichts wurde umgewandelt</translation>
    </message>
    <message>
        <source>%1: there is no directory file</source>
        <translation>%1: es gibt keine Telefonbuchdatei</translation>
    </message>
    <message>
        <source>%1: %2 (close Dialstack&apos;s window on it, or wait for the other import); nothing was changed</source>
        <translation>%1: %2 (schließen Sie das Dialstack-Fenster dazu oder warten Sie auf den anderen Import); nichts wurde geändert</translation>
    </message>
    <message>
        <source>say export, import or query</source>
        <translation>geben Sie export, import oder query an</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos;</source>
        <translation>unbekanntes Format „%1“</translation>
    </message>
    <message>
        <source>--spreadsheet is for export</source>
        <translation>--spreadsheet gilt nur für export</translation>
    </message>
    <message>
        <source>--output is for export</source>
        <translation>--output gilt nur für export</translation>
    </message>
    <message>
        <source>query needs one TEXT to look for</source>
        <translation>query braucht genau einen zu suchenden TEXT</translation>
    </message>
    <message>
        <source>query takes no --format or --verbose</source>
        <translation>query nimmt weder --format noch --verbose</translation>
    </message>
    <message>
        <source>export takes no file arguments (use --output)</source>
        <translation>export nimmt keine Dateien als Argumente (nutzen Sie --output)</translation>
    </message>
    <message>
        <source>--output names the directory file itself</source>
        <translation>--output nennt die Telefonbuchdatei selbst</translation>
    </message>
    <message>
        <source>--spreadsheet writes CSV, not --format vcard</source>
        <translation>--spreadsheet schreibt CSV, nicht --format vcard</translation>
    </message>
    <message>
        <source>--format vcard or --format csv is needed (or an --output FILE ending in .vcf or .csv)</source>
        <translation>--format vcard oder --format csv ist nötig (oder ein --output DATEI, die auf .vcf oder .csv endet)</translation>
    </message>
    <message>
        <source>import needs at least one file (&apos;-&apos; for standard input)</source>
        <translation>import braucht mindestens eine Datei („-“ für die Standardeingabe)</translation>
    </message>
    <message>
        <source>--format vcard or --format csv is needed (&apos;%1&apos; does not end in .vcf or .csv)</source>
        <translation>--format vcard oder --format csv ist nötig („%1“ endet nicht auf .vcf oder .csv)</translation>
    </message>
    <message>
        <source>ran out of memory; nothing was changed</source>
        <translation>kein Speicher mehr frei; nichts wurde geändert</translation>
    </message>
    <message>
        <source>a file holds a field too long to be held (%1); nothing was changed</source>
        <translation>eine Datei enthält ein zu langes Feld (%1); nichts wurde geändert</translation>
    </message>
    <message>
        <source>stopped: %1; nothing was changed</source>
        <translation>abgebrochen: %1; nichts wurde geändert</translation>
    </message>
    <message>
        <source>--file needs a file name</source>
        <translation>--file braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>cannot be read as %1: %2</source>
        <translation>kann nicht als %1 gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1: could not be written</source>
        <translation>%1: konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>could not write to standard output</source>
        <translation>konnte nicht in die Standardausgabe schreiben</translation>
    </message>
    <message>
        <source>%1: could not be written: %2</source>
        <translation>%1: konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1: could not be written: %2; the file that was there is no longer as it was</source>
        <translation>%1: konnte nicht geschrieben werden: %2; die Datei, die dort war, ist nicht mehr wie vorher</translation>
    </message>
    <message>
        <source>%1: the directory file could not be opened: %2; nothing was converted</source>
        <translation>%1: die Telefonbuchdatei konnte nicht geöffnet werden: %2; nichts wurde umgewandelt</translation>
    </message>
    <message>
        <source>%1: the directory file could not be read completely; nothing was converted</source>
        <translation>%1: die Telefonbuchdatei konnte nicht vollständig gelesen werden; nichts wurde umgewandelt</translation>
    </message>
    <message>
        <source>it holds no vCard (no BEGIN:VCARD line)</source>
        <translation>sie enthält keine vCard (keine Zeile BEGIN:VCARD)</translation>
    </message>
    <message>
        <source>END (the vCard was cut off)</source>
        <translation>END (die vCard war abgeschnitten)</translation>
    </message>
    <message>
        <source>a line that is no vCard property: &quot;%1&quot;</source>
        <translation>eine Zeile, die keine vCard-Eigenschaft ist: „%1“</translation>
    </message>
    <message>
        <source>its header row is longer than %1 KiB</source>
        <translation>ihre Kopfzeile ist länger als %1 KiB</translation>
    </message>
    <message>
        <source>it has no header row</source>
        <translation>sie hat keine Kopfzeile</translation>
    </message>
    <message>
        <source>UTF-8, Windows-1252, UTF-16 with a byte-order mark and vCards in UTF-16 without one are read</source>
        <translation>gelesen werden UTF-8, Windows-1252, UTF-16 mit Byte-Order-Mark und vCards in UTF-16 auch ohne</translation>
    </message>
    <message>
        <source>it could not be read to its end</source>
        <translation>sie konnte nicht bis zum Ende gelesen werden</translation>
    </message>
    <message>
        <source>it is in UTF-32, which is not read (%1)</source>
        <translation>sie ist in UTF-32, das nicht gelesen wird (%1)</translation>
    </message>
    <message>
        <source>it holds zero bytes, as UTF-16 or UTF-32 without a byte-order mark would; that is not read (%1)</source>
        <translation>sie enthält Null-Bytes wie UTF-16 oder UTF-32 ohne Byte-Order-Mark; das wird nicht gelesen (%1)</translation>
    </message>
    <message>
        <source>%1: skipped, %2</source>
        <translation>%1: übersprungen, denn %2</translation>
    </message>
    <message>
        <source>%1: moved to misc: %2</source>
        <translation>%1: ins Feld „Notiz“ verschoben: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: left out: %2</source>
        <translation>%1: ausgelassen: %2</translation>
    </message>
    <message>
        <source>it holds more than %1 KiB of text</source>
        <translation>er enthält mehr als %1 KiB Text</translation>
    </message>
    <message>
        <source>%1, contact %2</source>
        <translation>%1, Kontakt %2</translation>
    </message>
    <message>
        <source>it has no name</source>
        <translation>er hat keinen Namen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <translation>„%1“ (%2)</translation>
    </message>
    <message>
        <source>%1: its last record has no name, and adding records would overwrite it; give it a name in Dialstack first. Nothing was imported</source>
        <translation>%1: der letzte Eintrag hat keinen Namen, und neue Einträge würden ihn überschreiben; geben Sie ihm zuerst in Dialstack einen Namen. Nichts wurde importiert</translation>
    </message>
    <message>
        <source>%1: written, but %2</source>
        <translation>%1: geschrieben, aber %2</translation>
    </message>
    <message>
        <source>... (%1 bytes in all)</source>
        <translation>... (insgesamt %1 Bytes)</translation>
    </message>
    <message>
        <source>%1 = %2... (%3 bytes in all)</source>
        <translation>%1 = %2... (insgesamt %3 Bytes)</translation>
    </message>
    <message>
        <source>AGENT (the vCard of another person inside this one)</source>
        <translation>AGENT (die vCard einer anderen Person in dieser)</translation>
    </message>
    <message>
        <source>%1 (binary data, %2 bytes)</source>
        <translation>%1 (Binärdaten, %2 Bytes)</translation>
    </message>
    <message numerus="yes">
        <source>%n character of the name replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n Zeichen des Namens durch „?“ ersetzt</numerusform>
            <numerusform>%n Zeichen des Namens durch „?“ ersetzt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters of the name replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n Zeichen des Namens durch „?“ ersetzt</numerusform>
            <numerusform>%n Zeichen des Namens durch „?“ ersetzt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n character of the phone replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n Zeichen der Telefonnummer durch „?“ ersetzt</numerusform>
            <numerusform>%n Zeichen der Telefonnummer durch „?“ ersetzt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters of the phone replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n Zeichen der Telefonnummer durch „?“ ersetzt</numerusform>
            <numerusform>%n Zeichen der Telefonnummer durch „?“ ersetzt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n character of the pager replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n Zeichen der Pager-Nummer durch „?“ ersetzt</numerusform>
            <numerusform>%n Zeichen der Pager-Nummer durch „?“ ersetzt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters of the pager replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n Zeichen der Pager-Nummer durch „?“ ersetzt</numerusform>
            <numerusform>%n Zeichen der Pager-Nummer durch „?“ ersetzt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n character of the e-mail replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n Zeichen der E-Mail-Adresse durch „?“ ersetzt</numerusform>
            <numerusform>%n Zeichen der E-Mail-Adresse durch „?“ ersetzt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters of the e-mail replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n Zeichen der E-Mail-Adresse durch „?“ ersetzt</numerusform>
            <numerusform>%n Zeichen der E-Mail-Adresse durch „?“ ersetzt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n character of the misc replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n Zeichen im Feld „Notiz“ durch „?“ ersetzt</numerusform>
            <numerusform>%n Zeichen im Feld „Notiz“ durch „?“ ersetzt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters of the misc replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n Zeichen im Feld „Notiz“ durch „?“ ersetzt</numerusform>
            <numerusform>%n Zeichen im Feld „Notiz“ durch „?“ ersetzt</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: could not be saved: %2; nothing was imported</source>
        <translation>%1: konnte nicht gespeichert werden: %2; nichts wurde importiert</translation>
    </message>
    <message>
        <source>%1: left alone, a group is not a contact</source>
        <translation>%1: nicht übernommen, eine Gruppe ist kein Kontakt</translation>
    </message>
    <message>
        <source>%1: left alone, a place is not a contact</source>
        <translation>%1: nicht übernommen, ein Ort ist kein Kontakt</translation>
    </message>
    <message numerus="yes">
        <source>%n group or place left alone</source>
        <translation>
            <numerusform>%n Gruppe oder Ort nicht übernommen</numerusform>
            <numerusform>%n Gruppen oder Orte nicht übernommen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n groups or places left alone</source>
        <translation>
            <numerusform>%n Gruppe oder Ort nicht übernommen</numerusform>
            <numerusform>%n Gruppen oder Orte nicht übernommen</numerusform>
        </translation>
    </message>
</context>
</TS>
