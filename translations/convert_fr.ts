<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
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
        <translation>usage : dialstack-convert export [--format vcard|csv | --spreadsheet] [--file DOSSIER/Dialstack.dat]
                                 [--output FICHIER] [--verbose]
        dialstack-convert import [--format vcard|csv] [--file DOSSIER/Dialstack.dat] [--verbose] FICHIER...
        dialstack-convert query [--file DOSSIER/Dialstack.dat] TEXTE
        dialstack-convert --help | --version
(« - » comme FICHIER lit l&apos;entrée standard ; --format peut être omis quand
chaque fichier se termine par .vcf ou .csv ; --spreadsheet écrit un CSV avec
« ; » entre les cellules et une marque d&apos;ordre des octets, comme l&apos;ouvrent les
tableurs en France, en Allemagne et dans les autres pays à virgule décimale)
</translation>
    </message>
    <message numerus="yes">
        <source>%n record matches</source>
        <translation>
            <numerusform>%n fiche correspond</numerusform>
            <numerusform>%n fiches correspondent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records match</source>
        <translation>
            <numerusform>%n fiche correspond</numerusform>
            <numerusform>%n fiches correspondent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record added</source>
        <translation>
            <numerusform>%n fiche ajoutée</numerusform>
            <numerusform>%n fiches ajoutées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records added</source>
        <translation>
            <numerusform>%n fiche ajoutée</numerusform>
            <numerusform>%n fiches ajoutées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact skipped</source>
        <translation>
            <numerusform>%n contact ignoré</numerusform>
            <numerusform>%n contacts ignorés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contacts skipped</source>
        <translation>
            <numerusform>%n contact ignoré</numerusform>
            <numerusform>%n contacts ignorés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n value moved to misc</source>
        <translation>
            <numerusform>%n valeur déplacée dans « Divers »</numerusform>
            <numerusform>%n valeurs déplacées dans « Divers »</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n values moved to misc</source>
        <translation>
            <numerusform>%n valeur déplacée dans « Divers »</numerusform>
            <numerusform>%n valeurs déplacées dans « Divers »</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n character replaced</source>
        <translation>
            <numerusform>%n caractère remplacé</numerusform>
            <numerusform>%n caractères remplacés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters replaced</source>
        <translation>
            <numerusform>%n caractère remplacé</numerusform>
            <numerusform>%n caractères remplacés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record exported</source>
        <translation>
            <numerusform>%n fiche exportée</numerusform>
            <numerusform>%n fiches exportées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records exported</source>
        <translation>
            <numerusform>%n fiche exportée</numerusform>
            <numerusform>%n fiches exportées</numerusform>
        </translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <source>%1: %2; nothing was imported</source>
        <translation>%1 : %2 ; rien n&apos;a été importé</translation>
    </message>
    <message>
        <source>is a folder, not a contact file</source>
        <translation>est un dossier, pas un fichier de contacts</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ce fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>%1: could not be saved: %2; the directory file is unchanged</source>
        <translation>%1 : impossible d&apos;enregistrer : %2 ; le fichier de l&apos;annuaire n&apos;a pas changé</translation>
    </message>
    <message>
        <source>%1: could not be saved: %2; the directory file may be damaged: check it, and import again</source>
        <translation>%1 : impossible d&apos;enregistrer : %2 ; le fichier de l&apos;annuaire est peut-être endommagé : vérifiez-le et importez à nouveau</translation>
    </message>
    <message>
        <source>%1: is a folder, not a directory file; nothing was converted</source>
        <translation>%1 : est un dossier, pas un fichier de l&apos;annuaire ; rien n&apos;a été converti</translation>
    </message>
    <message>
        <source>%1: there is no directory file</source>
        <translation>%1 : il n&apos;y a pas de fichier de l&apos;annuaire</translation>
    </message>
    <message>
        <source>%1: %2 (close Dialstack&apos;s window on it, or wait for the other import); nothing was changed</source>
        <translation>%1 : %2 (fermez la fenêtre de Dialstack qui l&apos;affiche ou attendez la fin de l&apos;autre importation) ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>say export, import or query</source>
        <translation>indiquez export, import ou query</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>commande inconnue « %1 »</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos;</source>
        <translation>format inconnu « %1 »</translation>
    </message>
    <message>
        <source>--spreadsheet is for export</source>
        <translation>--spreadsheet ne sert qu&apos;à export</translation>
    </message>
    <message>
        <source>--output is for export</source>
        <translation>--output ne sert qu&apos;à export</translation>
    </message>
    <message>
        <source>query needs one TEXT to look for</source>
        <translation>query demande un TEXTE à chercher</translation>
    </message>
    <message>
        <source>query takes no --format or --verbose</source>
        <translation>query n&apos;accepte ni --format ni --verbose</translation>
    </message>
    <message>
        <source>export takes no file arguments (use --output)</source>
        <translation>export n&apos;accepte pas de fichiers en argument (utilisez --output)</translation>
    </message>
    <message>
        <source>--output names the directory file itself</source>
        <translation>--output désigne le fichier de l&apos;annuaire lui-même</translation>
    </message>
    <message>
        <source>--spreadsheet writes CSV, not --format vcard</source>
        <translation>--spreadsheet écrit du CSV, pas --format vcard</translation>
    </message>
    <message>
        <source>--format vcard or --format csv is needed (or an --output FILE ending in .vcf or .csv)</source>
        <translation>--format vcard ou --format csv est nécessaire (ou un --output FICHIER se terminant par .vcf ou .csv)</translation>
    </message>
    <message>
        <source>import needs at least one file (&apos;-&apos; for standard input)</source>
        <translation>import demande au moins un fichier (« - » pour l&apos;entrée standard)</translation>
    </message>
    <message>
        <source>--format vcard or --format csv is needed (&apos;%1&apos; does not end in .vcf or .csv)</source>
        <translation>--format vcard ou --format csv est nécessaire (« %1 » ne se termine pas par .vcf ou .csv)</translation>
    </message>
    <message>
        <source>ran out of memory; nothing was changed</source>
        <translation>mémoire épuisée ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>a file holds a field too long to be held (%1); nothing was changed</source>
        <translation>un fichier contient un champ trop long (%1) ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>stopped: %1; nothing was changed</source>
        <translation>arrêté : %1 ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>--file needs a file name</source>
        <translation>--file demande un nom de fichier</translation>
    </message>
    <message>
        <source>cannot be read as %1: %2</source>
        <translation>ne peut pas être lu comme %1 : %2</translation>
    </message>
    <message>
        <source>%1: could not be written</source>
        <translation>%1 : impossible d&apos;écrire</translation>
    </message>
    <message>
        <source>could not write to standard output</source>
        <translation>impossible d&apos;écrire sur la sortie standard</translation>
    </message>
    <message>
        <source>%1: could not be written: %2</source>
        <translation>%1 : impossible d&apos;écrire : %2</translation>
    </message>
    <message>
        <source>%1: could not be written: %2; the file that was there is no longer as it was</source>
        <translation>%1 : impossible d&apos;écrire : %2 ; le fichier qui s&apos;y trouvait n&apos;est plus tel qu&apos;il était</translation>
    </message>
    <message>
        <source>%1: the directory file could not be opened: %2; nothing was converted</source>
        <translation>%1 : impossible d&apos;ouvrir le fichier de l&apos;annuaire : %2 ; rien n&apos;a été converti</translation>
    </message>
    <message>
        <source>%1: the directory file could not be read completely; nothing was converted</source>
        <translation>%1 : le fichier de l&apos;annuaire n&apos;a pas pu être lu en entier ; rien n&apos;a été converti</translation>
    </message>
    <message>
        <source>it holds no vCard (no BEGIN:VCARD line)</source>
        <translation>il ne contient aucune vCard (aucune ligne BEGIN:VCARD)</translation>
    </message>
    <message>
        <source>END (the vCard was cut off)</source>
        <translation>END (la vCard était tronquée)</translation>
    </message>
    <message>
        <source>a line that is no vCard property: &quot;%1&quot;</source>
        <translation>une ligne qui n&apos;est pas une propriété vCard : « %1 »</translation>
    </message>
    <message>
        <source>its header row is longer than %1 KiB</source>
        <translation>sa ligne d&apos;en-tête dépasse %1 Kio</translation>
    </message>
    <message>
        <source>it has no header row</source>
        <translation>il n&apos;a pas de ligne d&apos;en-tête</translation>
    </message>
    <message>
        <source>UTF-8, Windows-1252, UTF-16 with a byte-order mark and vCards in UTF-16 without one are read</source>
        <translation>sont lus l&apos;UTF-8, le Windows-1252, l&apos;UTF-16 avec indicateur d&apos;ordre des octets et les vCard en UTF-16 même sans</translation>
    </message>
    <message>
        <source>it could not be read to its end</source>
        <translation>il n&apos;a pas pu être lu jusqu&apos;au bout</translation>
    </message>
    <message>
        <source>it is in UTF-32, which is not read (%1)</source>
        <translation>il est en UTF-32, qui n&apos;est pas lu (%1)</translation>
    </message>
    <message>
        <source>it holds zero bytes, as UTF-16 or UTF-32 without a byte-order mark would; that is not read (%1)</source>
        <translation>il contient des octets nuls, comme de l&apos;UTF-16 ou de l&apos;UTF-32 sans indicateur d&apos;ordre des octets ; ce n&apos;est pas lu (%1)</translation>
    </message>
    <message>
        <source>%1: skipped, %2</source>
        <translation>%1 : ignoré, car %2</translation>
    </message>
    <message>
        <source>%1: moved to misc: %2</source>
        <translation>%1 : déplacé dans « Divers » : %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1: left out: %2</source>
        <translation>%1 : omis : %2</translation>
    </message>
    <message>
        <source>it holds more than %1 KiB of text</source>
        <translation>il contient plus de %1 Kio de texte</translation>
    </message>
    <message>
        <source>%1, contact %2</source>
        <translation>%1, contact %2</translation>
    </message>
    <message>
        <source>it has no name</source>
        <translation>il n&apos;a pas de nom</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <translation>« %1 » (%2)</translation>
    </message>
    <message>
        <source>%1: its last record has no name, and adding records would overwrite it; give it a name in Dialstack first. Nothing was imported</source>
        <translation>%1 : sa dernière fiche n&apos;a pas de nom, et ajouter des fiches l&apos;écraserait ; donnez-lui d&apos;abord un nom dans Dialstack. Rien n&apos;a été importé</translation>
    </message>
    <message>
        <source>%1: written, but %2</source>
        <translation>%1 : écrit, mais %2</translation>
    </message>
    <message>
        <source>... (%1 bytes in all)</source>
        <translation>... (%1 octets en tout)</translation>
    </message>
    <message>
        <source>%1 = %2... (%3 bytes in all)</source>
        <translation>%1 = %2... (%3 octets en tout)</translation>
    </message>
    <message>
        <source>AGENT (the vCard of another person inside this one)</source>
        <translation>AGENT (la vCard d&apos;une autre personne, à l&apos;intérieur de celle-ci)</translation>
    </message>
    <message>
        <source>%1 (binary data, %2 bytes)</source>
        <translation>%1 (données binaires, %2 octets)</translation>
    </message>
    <message numerus="yes">
        <source>%n character of the name replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n caractère du nom remplacé par « ? »</numerusform>
            <numerusform>%n caractères du nom remplacés par « ? »</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters of the name replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n caractère du nom remplacé par « ? »</numerusform>
            <numerusform>%n caractères du nom remplacés par « ? »</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n character of the phone replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n caractère du téléphone remplacé par « ? »</numerusform>
            <numerusform>%n caractères du téléphone remplacés par « ? »</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters of the phone replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n caractère du téléphone remplacé par « ? »</numerusform>
            <numerusform>%n caractères du téléphone remplacés par « ? »</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n character of the pager replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n caractère du bipeur remplacé par « ? »</numerusform>
            <numerusform>%n caractères du bipeur remplacés par « ? »</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters of the pager replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n caractère du bipeur remplacé par « ? »</numerusform>
            <numerusform>%n caractères du bipeur remplacés par « ? »</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n character of the e-mail replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n caractère de l&apos;adresse e-mail remplacé par « ? »</numerusform>
            <numerusform>%n caractères de l&apos;adresse e-mail remplacés par « ? »</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters of the e-mail replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n caractère de l&apos;adresse e-mail remplacé par « ? »</numerusform>
            <numerusform>%n caractères de l&apos;adresse e-mail remplacés par « ? »</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n character of the misc replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n caractère du champ « Divers » remplacé par « ? »</numerusform>
            <numerusform>%n caractères du champ « Divers » remplacés par « ? »</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters of the misc replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n caractère du champ « Divers » remplacé par « ? »</numerusform>
            <numerusform>%n caractères du champ « Divers » remplacés par « ? »</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: could not be saved: %2; nothing was imported</source>
        <translation>%1 : impossible d&apos;enregistrer : %2 ; rien n&apos;a été importé</translation>
    </message>
    <message>
        <source>%1: left alone, a group is not a contact</source>
        <translation>%1 : laissé de côté, un groupe n&apos;est pas un contact</translation>
    </message>
    <message>
        <source>%1: left alone, a place is not a contact</source>
        <translation>%1 : laissé de côté, un lieu n&apos;est pas un contact</translation>
    </message>
    <message numerus="yes">
        <source>%n group or place left alone</source>
        <translation>
            <numerusform>%n groupe ou lieu laissé de côté</numerusform>
            <numerusform>%n groupes ou lieux laissés de côté</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n groups or places left alone</source>
        <translation>
            <numerusform>%n groupe ou lieu laissé de côté</numerusform>
            <numerusform>%n groupes ou lieux laissés de côté</numerusform>
        </translation>
    </message>
</context>
</TS>
