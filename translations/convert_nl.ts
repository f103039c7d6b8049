<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
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
        <translation>gebruik: dialstack-convert export [--format vcard|csv | --spreadsheet] [--file MAP/Dialstack.dat]
                                  [--output BESTAND] [--verbose]
         dialstack-convert import [--format vcard|csv] [--file MAP/Dialstack.dat] [--verbose] BESTAND...
         dialstack-convert query [--file MAP/Dialstack.dat] TEKST
         dialstack-convert --help | --version
(&apos;-&apos; als BESTAND leest de standaardinvoer; --format mag wegblijven als elk
bestand op .vcf of .csv eindigt; --spreadsheet schrijft CSV met &apos;;&apos; tussen
de cellen en een byte-order-mark, zoals spreadsheetprogramma&apos;s in Duitsland,
Frankrijk en andere landen met een decimale komma het openen)
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
    <message numerus="yes">
        <source>%n record added</source>
        <translation>
            <numerusform>%n item toegevoegd</numerusform>
            <numerusform>%n items toegevoegd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records added</source>
        <translation>
            <numerusform>%n item toegevoegd</numerusform>
            <numerusform>%n items toegevoegd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact skipped</source>
        <translation>
            <numerusform>%n contact overgeslagen</numerusform>
            <numerusform>%n contacten overgeslagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contacts skipped</source>
        <translation>
            <numerusform>%n contact overgeslagen</numerusform>
            <numerusform>%n contacten overgeslagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n value moved to misc</source>
        <translation>
            <numerusform>%n waarde naar ‘Overig’ verplaatst</numerusform>
            <numerusform>%n waarden naar ‘Overig’ verplaatst</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n values moved to misc</source>
        <translation>
            <numerusform>%n waarde naar ‘Overig’ verplaatst</numerusform>
            <numerusform>%n waarden naar ‘Overig’ verplaatst</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n character replaced</source>
        <translation>
            <numerusform>%n teken vervangen</numerusform>
            <numerusform>%n tekens vervangen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters replaced</source>
        <translation>
            <numerusform>%n teken vervangen</numerusform>
            <numerusform>%n tekens vervangen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record exported</source>
        <translation>
            <numerusform>%n item geëxporteerd</numerusform>
            <numerusform>%n items geëxporteerd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records exported</source>
        <translation>
            <numerusform>%n item geëxporteerd</numerusform>
            <numerusform>%n items geëxporteerd</numerusform>
        </translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>standaardinvoer</translation>
    </message>
    <message>
        <source>%1: %2; nothing was imported</source>
        <translation>%1: %2; er is niets geïmporteerd</translation>
    </message>
    <message>
        <source>is a folder, not a contact file</source>
        <translation>is een map, geen contactenbestand</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>kan niet worden geopend</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>dit bestand bestaat niet</translation>
    </message>
    <message>
        <source>%1: could not be saved: %2; the directory file is unchanged</source>
        <translation>%1: kon niet worden opgeslagen: %2; het telefoonlijstbestand is ongewijzigd</translation>
    </message>
    <message>
        <source>%1: could not be saved: %2; the directory file may be damaged: check it, and import again</source>
        <translation>%1: kon niet worden opgeslagen: %2; het telefoonlijstbestand is mogelijk beschadigd: controleer het en importeer opnieuw</translation>
    </message>
    <message>
        <source>%1: is a folder, not a directory file; nothing was converted</source>
        <translation>%1: is een map, geen telefoonlijstbestand; er is niets omgezet</translation>
    </message>
    <message>
        <source>%1: there is no directory file</source>
        <translation>%1: er is geen telefoonlijstbestand</translation>
    </message>
    <message>
        <source>%1: %2 (close Dialstack&apos;s window on it, or wait for the other import); nothing was changed</source>
        <translation>%1: %2 (sluit het Dialstack-venster waarin het open is, of wacht op de andere import); er is niets gewijzigd</translation>
    </message>
    <message>
        <source>say export, import or query</source>
        <translation>geef export, import of query op</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>onbekende opdracht ‘%1’</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos;</source>
        <translation>onbekende indeling ‘%1’</translation>
    </message>
    <message>
        <source>--spreadsheet is for export</source>
        <translation>--spreadsheet is alleen voor export</translation>
    </message>
    <message>
        <source>--output is for export</source>
        <translation>--output is alleen voor export</translation>
    </message>
    <message>
        <source>query needs one TEXT to look for</source>
        <translation>query heeft één TEKST nodig om te zoeken</translation>
    </message>
    <message>
        <source>query takes no --format or --verbose</source>
        <translation>query accepteert geen --format of --verbose</translation>
    </message>
    <message>
        <source>export takes no file arguments (use --output)</source>
        <translation>export accepteert geen bestanden als argument (gebruik --output)</translation>
    </message>
    <message>
        <source>--output names the directory file itself</source>
        <translation>--output noemt het telefoonlijstbestand zelf</translation>
    </message>
    <message>
        <source>--spreadsheet writes CSV, not --format vcard</source>
        <translation>--spreadsheet schrijft CSV, niet --format vcard</translation>
    </message>
    <message>
        <source>--format vcard or --format csv is needed (or an --output FILE ending in .vcf or .csv)</source>
        <translation>--format vcard of --format csv is nodig (of een --output BESTAND dat op .vcf of .csv eindigt)</translation>
    </message>
    <message>
        <source>import needs at least one file (&apos;-&apos; for standard input)</source>
        <translation>import heeft minstens één bestand nodig (&apos;-&apos; voor de standaardinvoer)</translation>
    </message>
    <message>
        <source>--format vcard or --format csv is needed (&apos;%1&apos; does not end in .vcf or .csv)</source>
        <translation>--format vcard of --format csv is nodig (‘%1’ eindigt niet op .vcf of .csv)</translation>
    </message>
    <message>
        <source>ran out of memory; nothing was changed</source>
        <translation>geen geheugen meer; er is niets gewijzigd</translation>
    </message>
    <message>
        <source>a file holds a field too long to be held (%1); nothing was changed</source>
        <translation>een bestand bevat een te lang veld (%1); er is niets gewijzigd</translation>
    </message>
    <message>
        <source>stopped: %1; nothing was changed</source>
        <translation>gestopt: %1; er is niets gewijzigd</translation>
    </message>
    <message>
        <source>--file needs a file name</source>
        <translation>--file heeft een bestandsnaam nodig</translation>
    </message>
    <message>
        <source>cannot be read as %1: %2</source>
        <translation>kan niet als %1 worden gelezen: %2</translation>
    </message>
    <message>
        <source>%1: could not be written</source>
        <translation>%1: kon niet worden geschreven</translation>
    </message>
    <message>
        <source>could not write to standard output</source>
        <translation>kon niet naar de standaarduitvoer schrijven</translation>
    </message>
    <message>
        <source>%1: could not be written: %2</source>
        <translation>%1: kon niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>%1: could not be written: %2; the file that was there is no longer as it was</source>
        <translation>%1: kon niet worden geschreven: %2; het bestand dat er stond is niet meer zoals het was</translation>
    </message>
    <message>
        <source>%1: the directory file could not be opened: %2; nothing was converted</source>
        <translation>%1: het telefoonlijstbestand kon niet worden geopend: %2; er is niets omgezet</translation>
    </message>
    <message>
        <source>%1: the directory file could not be read completely; nothing was converted</source>
        <translation>%1: het telefoonlijstbestand kon niet volledig worden gelezen; er is niets omgezet</translation>
    </message>
    <message>
        <source>it holds no vCard (no BEGIN:VCARD line)</source>
        <translation>het bevat geen vCard (geen regel BEGIN:VCARD)</translation>
    </message>
    <message>
        <source>END (the vCard was cut off)</source>
        <translation>END (de vCard was afgebroken)</translation>
    </message>
    <message>
        <source>a line that is no vCard property: &quot;%1&quot;</source>
        <translation>een regel die geen vCard-eigenschap is: ‘%1’</translation>
    </message>
    <message>
        <source>its header row is longer than %1 KiB</source>
        <translation>de kopregel is langer dan %1 KiB</translation>
    </message>
    <message>
        <source>it has no header row</source>
        <translation>het heeft geen kopregel</translation>
    </message>
    <message>
        <source>UTF-8, Windows-1252, UTF-16 with a byte-order mark and vCards in UTF-16 without one are read</source>
        <translation>gelezen worden UTF-8, Windows-1252, UTF-16 met byte-order-mark en vCards in UTF-16 ook zonder</translation>
    </message>
    <message>
        <source>it could not be read to its end</source>
        <translation>het kon niet tot het einde worden gelezen</translation>
    </message>
    <message>
        <source>it is in UTF-32, which is not read (%1)</source>
        <translation>het is in UTF-32, dat niet wordt gelezen (%1)</translation>
    </message>
    <message>
        <source>it holds zero bytes, as UTF-16 or UTF-32 without a byte-order mark would; that is not read (%1)</source>
        <translation>het bevat nulbytes, zoals UTF-16 of UTF-32 zonder byte-order-mark; dat wordt niet gelezen (%1)</translation>
    </message>
    <message>
        <source>%1: skipped, %2</source>
        <translation>%1: overgeslagen, want %2</translation>
    </message>
    <message>
        <source>%1: moved to misc: %2</source>
        <translation>%1: naar ‘Overig’ verplaatst: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: left out: %2</source>
        <translation>%1: weggelaten: %2</translation>
    </message>
    <message>
        <source>it holds more than %1 KiB of text</source>
        <translation>het bevat meer dan %1 KiB tekst</translation>
    </message>
    <message>
        <source>%1, contact %2</source>
        <translation>%1, contact %2</translation>
    </message>
    <message>
        <source>it has no name</source>
        <translation>het heeft geen naam</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <translation>‘%1’ (%2)</translation>
    </message>
    <message>
        <source>%1: its last record has no name, and adding records would overwrite it; give it a name in Dialstack first. Nothing was imported</source>
        <translation>%1: het laatste item heeft geen naam, en het toevoegen van items zou het overschrijven; geef het eerst een naam in Dialstack. Er is niets geïmporteerd</translation>
    </message>
    <message>
        <source>%1: written, but %2</source>
        <translation>%1: geschreven, maar %2</translation>
    </message>
    <message>
        <source>... (%1 bytes in all)</source>
        <translation>... (%1 bytes in totaal)</translation>
    </message>
    <message>
        <source>%1 = %2... (%3 bytes in all)</source>
        <translation>%1 = %2... (%3 bytes in totaal)</translation>
    </message>
    <message>
        <source>AGENT (the vCard of another person inside this one)</source>
        <translation>AGENT (de vCard van een andere persoon binnen deze)</translation>
    </message>
    <message>
        <source>%1 (binary data, %2 bytes)</source>
        <translation>%1 (binaire gegevens, %2 bytes)</translation>
    </message>
    <message numerus="yes">
        <source>%n character of the name replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n teken van de naam vervangen door ‘?’</numerusform>
            <numerusform>%n tekens van de naam vervangen door ‘?’</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters of the name replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n teken van de naam vervangen door ‘?’</numerusform>
            <numerusform>%n tekens van de naam vervangen door ‘?’</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n character of the phone replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n teken van het telefoonnummer vervangen door ‘?’</numerusform>
            <numerusform>%n tekens van het telefoonnummer vervangen door ‘?’</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters of the phone replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n teken van het telefoonnummer vervangen door ‘?’</numerusform>
            <numerusform>%n tekens van het telefoonnummer vervangen door ‘?’</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n character of the pager replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n teken van het piepernummer vervangen door ‘?’</numerusform>
            <numerusform>%n tekens van het piepernummer vervangen door ‘?’</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters of the pager replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n teken van het piepernummer vervangen door ‘?’</numerusform>
            <numerusform>%n tekens van het piepernummer vervangen door ‘?’</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n character of the e-mail replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n teken van het e-mailadres vervangen door ‘?’</numerusform>
            <numerusform>%n tekens van het e-mailadres vervangen door ‘?’</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters of the e-mail replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n teken van het e-mailadres vervangen door ‘?’</numerusform>
            <numerusform>%n tekens van het e-mailadres vervangen door ‘?’</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n character of the misc replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n teken in het veld ‘Overig’ vervangen door ‘?’</numerusform>
            <numerusform>%n tekens in het veld ‘Overig’ vervangen door ‘?’</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters of the misc replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n teken in het veld ‘Overig’ vervangen door ‘?’</numerusform>
            <numerusform>%n tekens in het veld ‘Overig’ vervangen door ‘?’</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: could not be saved: %2; nothing was imported</source>
        <translation>%1: kon niet worden opgeslagen: %2; er is niets geïmporteerd</translation>
    </message>
    <message>
        <source>%1: left alone, a group is not a contact</source>
        <translation>%1: niet overgenomen, een groep is geen contact</translation>
    </message>
    <message>
        <source>%1: left alone, a place is not a contact</source>
        <translation>%1: niet overgenomen, een plaats is geen contact</translation>
    </message>
    <message numerus="yes">
        <source>%n group or place left alone</source>
        <translation>
            <numerusform>%n groep of plaats niet overgenomen</numerusform>
            <numerusform>%n groepen of plaatsen niet overgenomen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n groups or places left alone</source>
        <translation>
            <numerusform>%n groep of plaats niet overgenomen</numerusform>
            <numerusform>%n groepen of plaatsen niet overgenomen</numerusform>
        </translation>
    </message>
</context>
</TS>
