<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>DialstackConvert</name>
    <message>
        <location filename="../convert/CommandLine.cpp" line="19"/>
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
        <translation>usage : dialstack-convert export [--format vcard|csv | --spreadsheet] [--file DOSSIER/Dialstack.dat]
                                 [--output FICHIER] [--verbose]
        dialstack-convert import [--format vcard|csv] [--file DOSSIER/Dialstack.dat] [--verbose] FICHIER...
        dialstack-convert query [--file DOSSIER/Dialstack.dat] TEXTE
        dialstack-convert --help | --version
(« - » comme FICHIER lit l&apos;entrée standard ; --format peut être omis quand
chaque fichier se termine par .vcf ou .csv ; --spreadsheet écrit un CSV avec
« ; » entre les cellules et une marque d&apos;ordre des octets, comme l&apos;ouvrent les
tableurs en France, en Allemagne et dans les autres pays à virgule décimale)
</translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/QueryCommand.cpp" line="37"/>
        <source>%n record matches</source>
        <translation>
            <numerusform>%n fiche correspond</numerusform>
            <numerusform>%n fiches correspondent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="68"/>
        <source>%n record added</source>
        <translation>
            <numerusform>%n fiche ajoutée</numerusform>
            <numerusform>%n fiches ajoutées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="69"/>
        <source>%n contact skipped</source>
        <translation>
            <numerusform>%n contact ignoré</numerusform>
            <numerusform>%n contacts ignorés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="70"/>
        <source>%n value moved to misc</source>
        <translation>
            <numerusform>%n valeur déplacée dans « divers »</numerusform>
            <numerusform>%n valeurs déplacées dans « divers »</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="71"/>
        <source>%n character replaced</source>
        <translation>
            <numerusform>%n caractère remplacé</numerusform>
            <numerusform>%n caractères remplacés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ExportCommand.cpp" line="138"/>
        <source>%n record exported</source>
        <translation>
            <numerusform>%n fiche exportée</numerusform>
            <numerusform>%n fiches exportées</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="35"/>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="37"/>
        <source>%1: %2; nothing was imported</source>
        <translation>%1 : %2 ; rien n&apos;a été importé</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="44"/>
        <source>is a folder, not a contact file</source>
        <translation>est un dossier, pas un fichier de contacts</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="47"/>
        <source>cannot be opened</source>
        <translation>ne peut pas être ouvert</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="47"/>
        <source>there is no such file</source>
        <translation>ce fichier n&apos;existe pas</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="75"/>
        <source>%1: could not be saved: %2; the directory file is unchanged</source>
        <translation>%1 : impossible d&apos;enregistrer : %2 ; le fichier annuaire est inchangé</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="78"/>
        <source>%1: could not be saved: %2; the directory file may be damaged: check it, and import again</source>
        <translation>%1 : impossible d&apos;enregistrer : %2 ; le fichier annuaire est peut-être endommagé : vérifiez-le et importez à nouveau</translation>
    </message>
    <message>
        <location filename="../convert/DirectoryAccess.cpp" line="14"/>
        <source>%1: is a folder, not a directory file; nothing was converted</source>
        <translation>%1 : est un dossier, pas un fichier annuaire ; rien n&apos;a été converti</translation>
    </message>
    <message>
        <location filename="../convert/DirectoryAccess.cpp" line="18"/>
        <source>%1: there is no directory file</source>
        <translation>%1 : il n&apos;y a pas de fichier annuaire</translation>
    </message>
    <message>
        <location filename="../convert/DirectoryAccess.cpp" line="46"/>
        <source>%1: %2 (close Dialstack&apos;s window on it, or wait for the other import); nothing was changed</source>
        <translation>%1 : %2 (fermez la fenêtre de Dialstack qui l&apos;affiche ou attendez la fin de l&apos;autre import) ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="78"/>
        <source>say export, import or query</source>
        <translation>indiquez export, import ou query</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="89"/>
        <source>unknown command &apos;%1&apos;</source>
        <translation>commande inconnue « %1 »</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="98"/>
        <source>unknown format &apos;%1&apos;</source>
        <translation>format inconnu « %1 »</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="113"/>
        <source>--spreadsheet is for export</source>
        <translation>--spreadsheet ne sert qu&apos;à export</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="113"/>
        <source>--output is for export</source>
        <translation>--output ne sert qu&apos;à export</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="127"/>
        <source>query needs one TEXT to look for</source>
        <translation>query demande un TEXTE à chercher</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="129"/>
        <source>query takes no --format or --verbose</source>
        <translation>query n&apos;accepte ni --format ni --verbose</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="136"/>
        <source>export takes no file arguments (use --output)</source>
        <translation>export n&apos;accepte pas de fichiers en argument (utilisez --output)</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="138"/>
        <source>--output names the directory file itself</source>
        <translation>--output désigne le fichier annuaire lui-même</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="141"/>
        <source>--spreadsheet writes CSV, not --format vcard</source>
        <translation>--spreadsheet écrit du CSV, pas --format vcard</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="148"/>
        <source>--format vcard or --format csv is needed (or an --output FILE ending in .vcf or .csv)</source>
        <translation>--format vcard ou --format csv est nécessaire (ou un --output FICHIER se terminant par .vcf ou .csv)</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="156"/>
        <source>import needs at least one file (&apos;-&apos; for standard input)</source>
        <translation>import demande au moins un fichier (« - » pour l&apos;entrée standard)</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="164"/>
        <source>--format vcard or --format csv is needed (&apos;%1&apos; does not end in .vcf or .csv)</source>
        <translation>--format vcard ou --format csv est nécessaire (« %1 » ne se termine pas par .vcf ou .csv)</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="179"/>
        <source>ran out of memory; nothing was changed</source>
        <translation>mémoire épuisée ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="182"/>
        <source>a file holds a field too long to be held (%1); nothing was changed</source>
        <translation>un fichier contient un champ trop long (%1) ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="184"/>
        <source>stopped: %1; nothing was changed</source>
        <translation>arrêté : %1 ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="192"/>
        <source>--file needs a file name</source>
        <translation>--file demande un nom de fichier</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="56"/>
        <location filename="../convert/ImportCommand.cpp" line="59"/>
        <source>cannot be read as %1: %2</source>
        <translation>ne peut pas être lu comme %1 : %2</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="91"/>
        <source>%1: could not be written</source>
        <translation>%1 : impossible d&apos;écrire</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="98"/>
        <source>could not write to standard output</source>
        <translation>impossible d&apos;écrire sur la sortie standard</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="111"/>
        <source>%1: could not be written: %2</source>
        <translation>%1 : impossible d&apos;écrire : %2</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="112"/>
        <source>%1: could not be written: %2; the file that was there is no longer as it was</source>
        <translation>%1 : impossible d&apos;écrire : %2 ; le fichier qui s&apos;y trouvait n&apos;est plus tel qu&apos;il était</translation>
    </message>
    <message>
        <location filename="../convert/DirectoryAccess.cpp" line="26"/>
        <source>%1: the directory file could not be opened: %2; nothing was converted</source>
        <translation>%1 : impossible d&apos;ouvrir le fichier annuaire : %2 ; rien n&apos;a été converti</translation>
    </message>
    <message>
        <location filename="../convert/DirectoryAccess.cpp" line="30"/>
        <source>%1: the directory file could not be read completely; nothing was converted</source>
        <translation>%1 : le fichier annuaire n&apos;a pas pu être lu en entier ; rien n&apos;a été converti</translation>
    </message>
    <message>
        <location filename="../convert/VCardReader.cpp" line="87"/>
        <source>it holds no vCard (no BEGIN:VCARD line)</source>
        <translation>il ne contient aucune vCard (aucune ligne BEGIN:VCARD)</translation>
    </message>
    <message>
        <location filename="../convert/VCardReader.cpp" line="40"/>
        <source>END (the vCard was cut off)</source>
        <translation>END (la vCard était tronquée)</translation>
    </message>
    <message>
        <location filename="../convert/VCardReader.cpp" line="50"/>
        <source>a line that is no vCard property: &quot;%1&quot;</source>
        <translation>une ligne qui n&apos;est pas une propriété vCard : « %1 »</translation>
    </message>
    <message>
        <location filename="../convert/CsvReader.cpp" line="155"/>
        <source>its header row is longer than %1 KiB</source>
        <translation>sa ligne d&apos;en-tête dépasse %1 Kio</translation>
    </message>
    <message>
        <location filename="../convert/CsvReader.cpp" line="163"/>
        <source>it has no header row</source>
        <translation>il n&apos;a pas de ligne d&apos;en-tête</translation>
    </message>
    <message>
        <location filename="../convert/InputText.cpp" line="22"/>
        <source>UTF-8, Windows-1252, UTF-16 with a byte-order mark and vCards in UTF-16 without one are read</source>
        <translation>sont lus l&apos;UTF-8, le Windows-1252, l&apos;UTF-16 avec indicateur d&apos;ordre des octets et les vCard en UTF-16 même sans</translation>
    </message>
    <message>
        <location filename="../convert/InputText.cpp" line="69"/>
        <source>it could not be read to its end</source>
        <translation>il n&apos;a pas pu être lu jusqu&apos;au bout</translation>
    </message>
    <message>
        <location filename="../convert/InputText.cpp" line="81"/>
        <source>it is in UTF-32, which is not read (%1)</source>
        <translation>il est en UTF-32, qui n&apos;est pas lu (%1)</translation>
    </message>
    <message>
        <location filename="../convert/InputText.cpp" line="91"/>
        <source>it holds zero bytes, as UTF-16 or UTF-32 without a byte-order mark would; that is not read (%1)</source>
        <translation>il contient des octets nuls, comme de l&apos;UTF-16 ou de l&apos;UTF-32 sans indicateur d&apos;ordre des octets ; ce n&apos;est pas lu (%1)</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="38"/>
        <source>%1: skipped, %2</source>
        <translation>%1 : ignoré, car %2</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="46"/>
        <source>%1: moved to misc: %2</source>
        <translation>%1 : déplacé dans « divers » : %2</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="54"/>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="62"/>
        <source>%1: left out: %2</source>
        <translation>%1 : omis : %2</translation>
    </message>
    <message>
        <location filename="../convert/RecordImporter.cpp" line="25"/>
        <source>it holds more than %1 KiB of text</source>
        <translation>il contient plus de %1 Kio de texte</translation>
    </message>
    <message>
        <location filename="../convert/RecordImporter.cpp" line="61"/>
        <source>%1, contact %2</source>
        <translation>%1, contact %2</translation>
    </message>
    <message>
        <location filename="../convert/RecordImporter.cpp" line="69"/>
        <source>it has no name</source>
        <translation>il n&apos;a pas de nom</translation>
    </message>
    <message>
        <location filename="../convert/RecordImporter.cpp" line="91"/>
        <source>&quot;%1&quot; (%2)</source>
        <translation>« %1 » (%2)</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="97"/>
        <source>%1: its last record has no name, and adding records would overwrite it; give it a name in Dialstack first. Nothing was imported</source>
        <translation>%1 : sa dernière fiche n&apos;a pas de nom, et ajouter des fiches l&apos;écraserait ; donnez-lui d&apos;abord un nom dans Dialstack. Rien n&apos;a été importé</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="118"/>
        <source>%1: written, but %2</source>
        <translation>%1 : écrit, mais %2</translation>
    </message>
    <message>
        <location filename="../convert/PrintableText.cpp" line="45"/>
        <source>... (%1 bytes in all)</source>
        <translation>... (%1 octets en tout)</translation>
    </message>
    <message>
        <location filename="../vcard/VCardMapper.cpp" line="143"/>
        <source>%1 = %2... (%3 bytes in all)</source>
        <translation>%1 = %2... (%3 octets en tout)</translation>
    </message>
    <message>
        <location filename="../vcard/VCardMapper.cpp" line="164"/>
        <source>AGENT (the vCard of another person inside this one)</source>
        <translation>AGENT (la vCard d&apos;une autre personne, à l&apos;intérieur de celle-ci)</translation>
    </message>
    <message>
        <location filename="../vcard/VCardMapper.cpp" line="170"/>
        <source>%1 (binary data, %2 bytes)</source>
        <translation>%1 (données binaires, %2 octets)</translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="31"/>
        <source>%n character of the name replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n caractère du nom remplacé par « ? »</numerusform>
            <numerusform>%n caractères du nom remplacés par « ? »</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="32"/>
        <source>%n character of the phone replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n caractère du téléphone remplacé par « ? »</numerusform>
            <numerusform>%n caractères du téléphone remplacés par « ? »</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="33"/>
        <source>%n character of the pager replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n caractère du bipeur remplacé par « ? »</numerusform>
            <numerusform>%n caractères du bipeur remplacés par « ? »</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="34"/>
        <source>%n character of the e-mail replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n caractère de l&apos;adresse e-mail remplacé par « ? »</numerusform>
            <numerusform>%n caractères de l&apos;adresse e-mail remplacés par « ? »</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="35"/>
        <source>%n character of the misc replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n caractère du champ « divers » remplacé par « ? »</numerusform>
            <numerusform>%n caractères du champ « divers » remplacés par « ? »</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="72"/>
        <source>%1: could not be saved: %2; nothing was imported</source>
        <translation>%1 : impossible d&apos;enregistrer : %2 ; rien n&apos;a été importé</translation>
    </message>
</context>
<context>
    <name>DialstackSync</name>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="34"/>
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
        <location filename="../sync/SyncReport.cpp" line="20"/>
        <source>%n added</source>
        <translation>
            <numerusform>%n ajoutée</numerusform>
            <numerusform>%n ajoutées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/SyncReport.cpp" line="20"/>
        <source>%n changed</source>
        <translation>
            <numerusform>%n modifiée</numerusform>
            <numerusform>%n modifiées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/SyncReport.cpp" line="21"/>
        <source>%n deleted</source>
        <translation>
            <numerusform>%n supprimée</numerusform>
            <numerusform>%n supprimées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/SyncReport.cpp" line="83"/>
        <source>%n conflict kept as a copy</source>
        <translation>
            <numerusform>%n conflit gardé en copie</numerusform>
            <numerusform>%n conflits gardés en copies</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="87"/>
        <source>Here: %1; on the server: %2; %3</source>
        <translation>Ici : %1 ; sur le serveur : %2 ; %3</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="85"/>
        <source>Dry run, nothing changed. Would do here: %1; on the server: %2; %3</source>
        <translation>Essai à blanc, rien de modifié. Ferait ici : %1 ; sur le serveur : %2 ; %3</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="26"/>
        <source>added here: %1</source>
        <translation>ajoutée ici : %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="26"/>
        <source>changed here: %1</source>
        <translation>modifiée ici : %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="27"/>
        <source>deleted here: %1</source>
        <translation>supprimée ici : %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="28"/>
        <source>added on the server: %1</source>
        <translation>ajoutée sur le serveur : %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="29"/>
        <source>changed on the server: %1</source>
        <translation>modifiée sur le serveur : %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="30"/>
        <source>deleted on the server: %1</source>
        <translation>supprimée sur le serveur : %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="31"/>
        <source>would add here: %1</source>
        <translation>serait ajoutée ici : %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="32"/>
        <source>would change here: %1</source>
        <translation>serait modifiée ici : %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="33"/>
        <source>would delete here: %1</source>
        <translation>serait supprimée ici : %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="34"/>
        <source>would add on the server: %1</source>
        <translation>serait ajoutée sur le serveur : %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="35"/>
        <source>would change on the server: %1</source>
        <translation>serait modifiée sur le serveur : %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="36"/>
        <source>would delete on the server: %1</source>
        <translation>serait supprimée sur le serveur : %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="57"/>
        <source>kept both versions of a record changed on both sides: the server&apos;s, and this machine&apos;s as %1</source>
        <translation>les deux versions d&apos;une fiche modifiée des deux côtés sont gardées : celle du serveur, et celle de cette machine sous %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="54"/>
        <source>would keep both versions of a record changed on both sides: the server&apos;s, and this machine&apos;s as %1</source>
        <translation>les deux versions d&apos;une fiche modifiée des deux côtés seraient gardées : celle du serveur, et celle de cette machine sous %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="178"/>
        <location filename="../sync/SyncCommand.cpp" line="185"/>
        <source>%1: the password file cannot be read</source>
        <translation>%1 : le fichier de mot de passe est illisible</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="180"/>
        <source>%1: others can read this password file; make it yours alone (chmod 600 %1) and run again</source>
        <translation>%1 : d&apos;autres peuvent lire ce fichier de mot de passe ; réservez-le à vous seul (chmod 600 %1) et relancez</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="196"/>
        <source>Password for %1 at %2: </source>
        <translation>Mot de passe de %1 sur %2 : </translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="259"/>
        <source>%1: a Dialstack window has unsaved changes in it, or another program is changing it. Nothing was synced; the next sync after you save takes the window&apos;s changes</source>
        <translation>%1 : une fenêtre de Dialstack y a des modifications non enregistrées, ou un autre programme le modifie. Rien n&apos;a été synchronisé ; la prochaine synchronisation après l&apos;enregistrement prendra les modifications de la fenêtre</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="342"/>
        <source>stopped by %1; what was synced is kept, and the next sync goes on from there</source>
        <translation>arrêté par %1 ; ce qui a été synchronisé est gardé, et la prochaine synchronisation reprend à partir de là</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="461"/>
        <source>no password for %1: the keyring has none; give --password-file FILE</source>
        <translation>pas de mot de passe pour %1 : le trousseau n&apos;en a aucun ; donnez --password-file FICHIER</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="523"/>
        <source>no address book found at %1 for %2; create one on the server (in its web page, or with your phone&apos;s contacts app), then sync again</source>
        <translation>aucun carnet d&apos;adresses trouvé sur %1 pour %2 ; créez-en un sur le serveur (sur sa page web ou avec l&apos;application de contacts de votre téléphone), puis synchronisez à nouveau</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="525"/>
        <source>this user</source>
        <translation>cet utilisateur</translation>
    </message>
    <message>
        <location filename="../sync/DesktopNotifier.cpp" line="51"/>
        <location filename="../sync/SyncCommand.cpp" line="578"/>
        <source>To settle it, run: %1</source>
        <translation>Pour régler cela, lancez : %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="124"/>
        <source>a password is never taken on the command line: use --password-file FILE, or the keyring</source>
        <translation>un mot de passe n&apos;est jamais accepté sur la ligne de commande : utilisez --password-file FICHIER, ou le trousseau</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="126"/>
        <source>unexpected argument: %1</source>
        <translation>argument inattendu : %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="129"/>
        <source>--%1 given more than once</source>
        <translation>--%1 donné plus d&apos;une fois</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="140"/>
        <source>--timeout needs a number of seconds from 1 to 3600</source>
        <translation>--timeout demande un nombre de secondes de 1 à 3600</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="215"/>
        <source>--url needs an http:// or https:// address, not %1</source>
        <translation>--url demande une adresse http:// ou https://, pas %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="218"/>
        <source>give the user name with --user, not inside the URL</source>
        <translation>donnez le nom d&apos;utilisateur avec --user, pas dans l&apos;URL</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="406"/>
        <source>the first sync of %1 needs --url (the address book or the server)</source>
        <translation>la première synchronisation de %1 demande --url (le carnet d&apos;adresses ou le serveur)</translation>
    </message>
    <message>
        <location filename="../sync/HttpSession.cpp" line="179"/>
        <source>%1 did not answer within %2 s</source>
        <translation>%1 n&apos;a pas répondu dans les %2 s</translation>
    </message>
    <message>
        <location filename="../sync/CardDavClient.cpp" line="56"/>
        <source>%1 refused the user name or password</source>
        <translation>%1 a refusé le nom d&apos;utilisateur ou le mot de passe</translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="366"/>
        <source>%1 of the %2 records here (%3)</source>
        <translation>%1 des %2 fiches d&apos;ici (%3)</translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="368"/>
        <source>%1 of the %2 cards on the server (%3)</source>
        <translation>%1 des %2 fiches du serveur (%3)</translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="372"/>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="370"/>
        <source>this sync would delete %1; nothing was changed. If that is what you want, run it again with --force</source>
        <translation>cette synchronisation supprimerait %1 ; rien n&apos;a été modifié. Si c&apos;est bien ce que vous voulez, relancez-la avec --force</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="273"/>
        <source>%1: the directory file could not be read completely; nothing was synced</source>
        <translation>%1 : le fichier annuaire n&apos;a pas pu être lu en entier ; rien n&apos;a été synchronisé</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="381"/>
        <source>%1: the folder %2 does not exist; nothing was synced</source>
        <translation>%1 : le dossier %2 n&apos;existe pas ; rien n&apos;a été synchronisé</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="383"/>
        <source>%1: the folder %2 is read-only, so the directory file cannot be saved there; nothing was synced</source>
        <translation>%1 : le dossier %2 est en lecture seule, le fichier annuaire ne peut pas y être enregistré ; rien n&apos;a été synchronisé</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="387"/>
        <source>%1: is a folder, not a directory file; nothing was synced</source>
        <translation>%1 : est un dossier, pas un fichier annuaire ; rien n&apos;a été synchronisé</translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="420"/>
        <source>%1: could not be saved: %2; the directory file is unchanged</source>
        <translation>%1 : impossible d&apos;enregistrer : %2 ; le fichier annuaire est inchangé</translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="422"/>
        <source>%1: could not be saved: %2</source>
        <translation>%1 : impossible d&apos;enregistrer : %2</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="280"/>
        <source>stopped by %1</source>
        <translation>arrêté par %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="290"/>
        <source>the address book is at %1, on another server than %2; remove %3 and give the address book with --url</source>
        <translation>le carnet d&apos;adresses est sur %1, un autre serveur que %2 ; supprimez %3 et donnez le carnet d&apos;adresses avec --url</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="308"/>
        <source>%1 --dry-run --verbose   (then %1 --force, if that is what you want)</source>
        <translation>%1 --dry-run --verbose   (puis %1 --force, si c&apos;est bien ce que vous voulez)</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="348"/>
        <source>%1 --password-file FILE   (FILE: the new password, chmod 600)</source>
        <translation>%1 --password-file FICHIER   (FICHIER : le nouveau mot de passe, chmod 600)</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="472"/>
        <source>%1 --password-file FILE</source>
        <translation>%1 --password-file FICHIER</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="361"/>
        <source>the address book %1 is gone from the server; nothing was changed here</source>
        <translation>le carnet d&apos;adresses %1 a disparu du serveur ; rien n&apos;a été modifié ici</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="362"/>
        <source>rm %1; %2 --url URL-OF-THE-ADDRESS-BOOK</source>
        <translation>rm %1; %2 --url URL-DU-CARNET-D-ADRESSES</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="400"/>
        <source>%1 is synced with %2; to sync it with another address book, first remove %3</source>
        <translation>%1 est synchronisé avec %2 ; pour le synchroniser avec un autre carnet d&apos;adresses, supprimez d&apos;abord %3</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="413"/>
        <source>a password is never sent over plain http:// except to this machine; use https:// for %1</source>
        <translation>un mot de passe n&apos;est jamais envoyé en http:// non chiffré, sauf à cette machine ; utilisez https:// pour %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="429"/>
        <source>%1: holds no certificate (PEM) that can be read</source>
        <translation>%1 : ne contient aucun certificat (PEM) lisible</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="430"/>
        <source>%1: the certificate remembered for this server cannot be read; give it again with --certificate FILE</source>
        <translation>%1 : le certificat retenu pour ce serveur est illisible ; donnez-le à nouveau avec --certificate FICHIER</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="503"/>
        <source>The password could not be kept in the keyring (none is running); from now on the file %1 is read for it. Keep it readable by you alone.</source>
        <translation>Le mot de passe n&apos;a pas pu être gardé dans le trousseau (aucun n&apos;est lancé) ; désormais, le fichier %1 est lu à sa place. Gardez-le lisible par vous seul.</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="527"/>
        <source>the server has several address books; run again with --url and one of them:</source>
        <translation>le serveur a plusieurs carnets d&apos;adresses ; relancez avec --url et l&apos;un d&apos;eux :</translation>
    </message>
    <message>
        <location filename="../sync/HttpSession.cpp" line="111"/>
        <source>%1 sent this program to %2, another server; it only talks to the server it was given. If that one is right, give it with --url</source>
        <translation>%1 a renvoyé ce programme vers %2, un autre serveur ; il ne parle qu&apos;au serveur qu&apos;on lui a donné. Si celui-là est le bon, donnez-le avec --url</translation>
    </message>
    <message>
        <location filename="../sync/HttpSession.cpp" line="181"/>
        <source>the certificate of %1 is not trusted (%2); if it is your own server&apos;s, give its certificate with --certificate FILE</source>
        <translation>le certificat de %1 n&apos;est pas reconnu comme fiable (%2) ; si c&apos;est celui de votre propre serveur, donnez son certificat avec --certificate FICHIER</translation>
    </message>
    <message>
        <location filename="../sync/CardDavClient.cpp" line="57"/>
        <source>%1: the server does not allow this (403 Forbidden)</source>
        <translation>%1 : le serveur ne le permet pas (403 Forbidden)</translation>
    </message>
    <message>
        <location filename="../sync/CardDavClient.cpp" line="58"/>
        <source>%1: not found on the server (404)</source>
        <translation>%1 : introuvable sur le serveur (404)</translation>
    </message>
    <message>
        <location filename="../sync/CardDavClient.cpp" line="59"/>
        <source>%1: the server answered %2</source>
        <translation>%1 : le serveur a répondu %2</translation>
    </message>
    <message>
        <location filename="../sync/CardDavClient.cpp" line="65"/>
        <source>%1 sent a reply that could not be read: %2</source>
        <translation>%1 a envoyé une réponse illisible : %2</translation>
    </message>
    <message>
        <location filename="../sync/CardDavClient.cpp" line="112"/>
        <source>%1 could not give the card %2 (no status); nothing was changed, run the sync again later</source>
        <translation>%1 n&apos;a pas pu fournir la fiche %2 (aucun statut) ; rien n&apos;a été modifié, relancez la synchronisation plus tard</translation>
    </message>
    <message>
        <location filename="../sync/CardDavClient.cpp" line="114"/>
        <source>%1 could not give the card %2 (status %3); nothing was changed, run the sync again later</source>
        <translation>%1 n&apos;a pas pu fournir la fiche %2 (statut %3) ; rien n&apos;a été modifié, relancez la synchronisation plus tard</translation>
    </message>
    <message>
        <location filename="../sync/CardDavClient.cpp" line="132"/>
        <source>the server answered %1 (%2)</source>
        <translation>le serveur a répondu %1 (%2)</translation>
    </message>
    <message>
        <location filename="../sync/CardDavClient.cpp" line="135"/>
        <source>the server answered %1: %2</source>
        <translation>le serveur a répondu %1 : %2</translation>
    </message>
    <message>
        <location filename="../sync/CardDavClient.cpp" line="136"/>
        <source>the server answered %1</source>
        <translation>le serveur a répondu %1</translation>
    </message>
    <message>
        <location filename="../sync/CardDavClient.cpp" line="156"/>
        <source>%1 points to another server, %2, for the address books; nothing was sent there. If that server is right, give its address book with --url</source>
        <translation>%1 renvoie vers un autre serveur, %2, pour les carnets d&apos;adresses ; rien n&apos;y a été envoyé. Si ce serveur est le bon, donnez son carnet d&apos;adresses avec --url</translation>
    </message>
    <message>
        <location filename="../sync/DavMultiStatus.cpp" line="182"/>
        <source>the reply is not a WebDAV multistatus</source>
        <translation>la réponse n&apos;est pas un multistatus WebDAV</translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="75"/>
        <source>the address book kept changing while this sync wrote to it; nothing was lost, run the sync again</source>
        <translation>le carnet d&apos;adresses n&apos;a cessé de changer pendant que cette synchronisation y écrivait ; rien n&apos;a été perdu, relancez la synchronisation</translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="246"/>
        <source>the card of %1</source>
        <translation>la fiche de %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="247"/>
        <source>the card %1</source>
        <translation>la fiche %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="249"/>
        <source>status %1</source>
        <translation>statut %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="249"/>
        <source>left out of its reply</source>
        <translation>absente de sa réponse</translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="254"/>
        <source>%1 did not give %2 (%3); nothing was changed, run the sync again later</source>
        <translation>%1 n&apos;a pas fourni %2 (%3) ; rien n&apos;a été modifié, relancez la synchronisation plus tard</translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/SyncEngine.cpp" line="255"/>
        <source>%1 did not give %2 (%3) nor %n other cards; nothing was changed, run the sync again later</source>
        <translation>
            <numerusform>%1 n&apos;a fourni ni %2 (%3) ni %n autre fiche ; rien n&apos;a été modifié, relancez la synchronisation plus tard</numerusform>
            <numerusform>%1 n&apos;a fourni ni %2 (%3) ni %n autres fiches ; rien n&apos;a été modifié, relancez la synchronisation plus tard</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="386"/>
        <source>%1: the directory file changed on disk while syncing; nothing was changed here, run the sync again</source>
        <translation>%1 : le fichier annuaire a changé sur le disque pendant la synchronisation ; rien n&apos;a été modifié ici, relancez la synchronisation</translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="410"/>
        <source>%1: its last record has no name, and adding records would overwrite it; give it a name in Dialstack first. Nothing was changed</source>
        <translation>%1 : sa dernière fiche n&apos;a pas de nom, et ajouter des fiches l&apos;écraserait ; donnez-lui d&apos;abord un nom dans Dialstack. Rien n&apos;a été modifié</translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/SyncEngine.cpp" line="501"/>
        <source>the server refused %n record: %1. Everything else was synced</source>
        <translation>
            <numerusform>le serveur a refusé %n fiche : %1. Tout le reste a été synchronisé</numerusform>
            <numerusform>le serveur a refusé %n fiches : %1. Tout le reste a été synchronisé</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/SyncReport.cpp" line="97"/>
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 et %n autre</numerusform>
            <numerusform>%1 et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="107"/>
        <source>%1: the sync state is damaged; remove it to sync this directory afresh</source>
        <translation>%1 : l&apos;état de synchronisation est endommagé ; supprimez-le pour resynchroniser cet annuaire depuis le début</translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="112"/>
        <source>%1: the sync journal could not be written</source>
        <translation>%1 : le journal de synchronisation n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="222"/>
        <source>%1: the folder could not be made</source>
        <translation>%1 : le dossier n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="259"/>
        <source>%1: the sync state could not be saved: %2</source>
        <translation>%1 : l&apos;état de synchronisation n&apos;a pas pu être enregistré : %2</translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="263"/>
        <source>%1: the sync state could not be made private</source>
        <translation>%1 : l&apos;état de synchronisation n&apos;a pas pu être rendu privé</translation>
    </message>
    <message>
        <location filename="../sync/DesktopNotifier.cpp" line="52"/>
        <source>Dialstack sync needs you</source>
        <translation>La synchronisation de Dialstack a besoin de vous</translation>
    </message>
    <message>
        <location filename="../sync/Keyring.cpp" line="53"/>
        <source>Dialstack: %1 at %2</source>
        <translation>Dialstack : %1 sur %2</translation>
    </message>
</context>
<context>
    <name>Framework</name>
    <message>
        <location filename="../framework/Wnd.cpp" line="230"/>
        <source>&amp;Move</source>
        <translation>&amp;Déplacer</translation>
    </message>
    <message>
        <location filename="../framework/Wnd.cpp" line="236"/>
        <source>&amp;Close	Alt+F4</source>
        <translation>&amp;Fermer	Alt+F4</translation>
    </message>
    <message>
        <location filename="../framework/DataExchange.cpp" line="96"/>
        <source>Please enter a whole number.</source>
        <translation>Veuillez saisir un nombre entier.</translation>
    </message>
    <message numerus="yes">
        <location filename="../framework/DataExchange.cpp" line="109"/>
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
        <location filename="../data/FileReasons.cpp" line="51"/>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="53"/>
        <source>it is a named pipe (FIFO), not a file</source>
        <translation>c&apos;est un tube nommé (FIFO), pas un fichier</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="55"/>
        <source>it is a device, not a file</source>
        <translation>c&apos;est un périphérique, pas un fichier</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="57"/>
        <source>it is a socket, not a file</source>
        <translation>c&apos;est un socket, pas un fichier</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="58"/>
        <source>it is something other than a file, not a file</source>
        <translation>ce n&apos;est pas un fichier, mais autre chose</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="64"/>
        <source>it is a symbolic link to a folder, not to a file</source>
        <translation>c&apos;est un lien symbolique vers un dossier, pas vers un fichier</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="66"/>
        <source>it is a symbolic link to a named pipe (FIFO), not to a file</source>
        <translation>c&apos;est un lien symbolique vers un tube nommé (FIFO), pas vers un fichier</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="68"/>
        <source>it is a symbolic link to a device, not to a file</source>
        <translation>c&apos;est un lien symbolique vers un périphérique, pas vers un fichier</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="70"/>
        <source>it is a symbolic link to a socket, not to a file</source>
        <translation>c&apos;est un lien symbolique vers un socket, pas vers un fichier</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="71"/>
        <source>it is a symbolic link to something other than a file, not to a file</source>
        <translation>c&apos;est un lien symbolique vers autre chose qu&apos;un fichier</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="77"/>
        <source>the disk is read-only</source>
        <translation>le disque est en lecture seule</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="78"/>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="79"/>
        <source>the disk quota is used up</source>
        <translation>le quota disque est épuisé</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="80"/>
        <source>the file would be larger than this process may write</source>
        <translation>le fichier dépasserait la taille que ce programme a le droit d&apos;écrire</translation>
    </message>
    <message>
        <location filename="../data/DirectoryLock.cpp" line="55"/>
        <source>the lock file &quot;%1&quot; could not be opened: %2</source>
        <translation>le fichier de verrou «&#xa0;%1&#xa0;» n&apos;a pas pu être ouvert&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../data/DirectoryLock.cpp" line="67"/>
        <source>the lock file &quot;%1&quot; could not be locked: %2</source>
        <translation>le fichier de verrou «&#xa0;%1&#xa0;» n&apos;a pas pu être verrouillé&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../data/DirectoryLock.cpp" line="70"/>
        <source>another program is changing the directory</source>
        <translation>un autre programme est en train de modifier l&apos;annuaire</translation>
    </message>
    <message>
        <location filename="../data/DirectoryLock.cpp" line="72"/>
        <source>a Dialstack window has unsaved changes to the directory, or another program is changing it; once they are saved, the next sync or import takes them in</source>
        <translation>une fenêtre de Dialstack contient des modifications non enregistrées de l&apos;annuaire, ou un autre programme est en train de le modifier&#xa0;; une fois qu&apos;elles seront enregistrées, la prochaine synchronisation ou importation les prendra en compte</translation>
    </message>
    <message>
        <location filename="../data/InPlaceRewrite.cpp" line="107"/>
        <source>the new contents could not be made; nothing was replaced</source>
        <translation>le nouveau contenu n&apos;a pas pu être créé&#xa0;; rien n&apos;a été remplacé</translation>
    </message>
    <message>
        <location filename="../data/InPlaceRewrite.cpp" line="109"/>
        <location filename="../data/InPlaceRewrite.cpp" line="111"/>
        <source>there is not enough memory to make the new contents; nothing was replaced</source>
        <translation>la mémoire est insuffisante pour créer le nouveau contenu&#xa0;; rien n&apos;a été remplacé</translation>
    </message>
    <message>
        <location filename="../data/InPlaceRewrite.cpp" line="140"/>
        <source>the folder takes no new file, so the file itself was rewritten, which failed (%1); its old contents were written back, so it is as it was</source>
        <translation>le dossier n&apos;accepte pas de nouveau fichier, le fichier lui-même a donc été réécrit, ce qui a échoué (%1)&#xa0;; son ancien contenu a été remis en place, il est donc tel qu&apos;avant</translation>
    </message>
    <message>
        <location filename="../data/InPlaceRewrite.cpp" line="143"/>
        <source>the folder takes no new file, so the file itself was rewritten, which failed (%1); its old contents could not be written back, so the file is damaged</source>
        <translation>le dossier n&apos;accepte pas de nouveau fichier, le fichier lui-même a donc été réécrit, ce qui a échoué (%1)&#xa0;; son ancien contenu n&apos;a pas pu être remis en place, le fichier est donc endommagé</translation>
    </message>
    <message>
        <location filename="../data/SafeFileReplace.cpp" line="54"/>
        <source>it is a symbolic link to nothing; nothing was replaced</source>
        <translation>c&apos;est un lien symbolique qui ne mène nulle part&#xa0;; rien n&apos;a été remplacé</translation>
    </message>
    <message>
        <location filename="../data/SafeFileReplace.cpp" line="60"/>
        <source>%1; nothing was replaced</source>
        <translation>%1&#xa0;; rien n&apos;a été remplacé</translation>
    </message>
    <message>
        <location filename="../data/SafeFileReplace.cpp" line="212"/>
        <source>the new file is in place, but it may not be on the disk yet: the folder could not be synced (%1)</source>
        <translation>le nouveau fichier est en place, mais il n&apos;est peut-être pas encore sur le disque&#xa0;: le dossier n&apos;a pas pu être écrit sur le disque (%1)</translation>
    </message>
    <message>
        <location filename="../data/SafeFileReplace.cpp" line="232"/>
        <source>the folder it belongs in no longer exists</source>
        <translation>le dossier où il doit se trouver n&apos;existe plus</translation>
    </message>
    <message>
        <location filename="../data/SafeFileReplace.cpp" line="286"/>
        <source>there is not enough memory to replace the file; nothing was replaced</source>
        <translation>la mémoire est insuffisante pour remplacer le fichier&#xa0;; rien n&apos;a été remplacé</translation>
    </message>
    <message>
        <location filename="../data/RecordList.cpp" line="246"/>
        <source>there is not enough memory to make the file</source>
        <translation>la mémoire est insuffisante pour créer le fichier</translation>
    </message>
    <message>
        <location filename="../data/RecordListFile.cpp" line="166"/>
        <source>there is no directory to save</source>
        <translation>il n&apos;y a pas d&apos;annuaire à enregistrer</translation>
    </message>
    <message>
        <location filename="../printer/PrinterPort.cpp" line="44"/>
        <source>the print service (CUPS) is not running</source>
        <translation>le service d&apos;impression (CUPS) n&apos;est pas démarré</translation>
    </message>
    <message>
        <location filename="../printer/PrinterPort.cpp" line="46"/>
        <source>no default printer is configured; choose one in the system&apos;s printer settings or with &quot;lpoptions -d PRINTER&quot;</source>
        <translation>aucune imprimante par défaut n&apos;est configurée&#xa0;; choisissez-en une dans les paramètres d&apos;impression du système ou avec «&#xa0;lpoptions -d IMPRIMANTE&#xa0;»</translation>
    </message>
    <message>
        <location filename="../printer/PrinterPort.cpp" line="48"/>
        <source>the default printer is not available: %1</source>
        <translation>l&apos;imprimante par défaut n&apos;est pas disponible&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../printer/PrinterPort.cpp" line="154"/>
        <source>the printer refused the job: %1</source>
        <translation>l&apos;imprimante a refusé la tâche&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../printer/PrinterPort.cpp" line="165"/>
        <source>the job could not be sent to the printer: %1</source>
        <translation>la tâche n&apos;a pas pu être envoyée à l&apos;imprimante&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="21"/>
        <source>permission denied</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="22"/>
        <source>operation not permitted</source>
        <translation>opération non autorisée</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="23"/>
        <source>no such file or directory</source>
        <translation>aucun fichier ou dossier de ce nom</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="24"/>
        <source>not a directory</source>
        <translation>un élément du chemin n&apos;est pas un dossier</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="25"/>
        <source>is a directory</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="26"/>
        <source>too many levels of symbolic links</source>
        <translation>trop de niveaux de liens symboliques</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="27"/>
        <source>file name too long</source>
        <translation>nom de fichier trop long</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="28"/>
        <source>input/output error</source>
        <translation>erreur d&apos;entrée/sortie</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="29"/>
        <source>device or resource busy</source>
        <translation>périphérique ou ressource occupé</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="30"/>
        <source>text file busy</source>
        <translation>le fichier est en cours d&apos;exécution comme programme</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="31"/>
        <source>cannot allocate memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="32"/>
        <source>too many open files</source>
        <translation>trop de fichiers ouverts</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="33"/>
        <source>too many open files in system</source>
        <translation>trop de fichiers ouverts dans le système</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="34"/>
        <source>no locks available</source>
        <translation>aucun verrou disponible</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="35"/>
        <source>stale file handle</source>
        <translation>référence de fichier obsolète</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="36"/>
        <source>no such device or address</source>
        <translation>aucun périphérique ou adresse de ce type</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="37"/>
        <source>invalid cross-device link</source>
        <translation>lien entre périphériques non valable</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="38"/>
        <source>invalid argument</source>
        <translation>argument non valable</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="39"/>
        <source>transport endpoint is not connected</source>
        <translation>la connexion au système de fichiers est rompue</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="40"/>
        <source>connection timed out</source>
        <translation>délai de connexion dépassé</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="19"/>
        <source>About Quillaven Dialstack</source>
        <translation>À propos de Quillaven Dialstack</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="23"/>
        <source>Dialstack icon</source>
        <translation>Icône de Dialstack</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="24"/>
        <source>Quillaven Dialstack Version 2.0</source>
        <translation>Quillaven Dialstack version 2.0</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="26"/>
        <source>Made in Quillaven for every desk.</source>
        <translation>Fabriqué à Quillaven pour tous les bureaux.</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="28"/>
        <location filename="../res/DialogTemplates.cpp" line="83"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="30"/>
        <source>Dialstack keeps the names, phone and pager numbers, e-mail addresses and notes of the people you call, in the file Dialstack.dat of the folder you start it from.</source>
        <translation>Dialstack garde les noms, numéros de téléphone et de bipeur, adresses e-mail et notes de vos contacts dans le fichier Dialstack.dat du dossier de lancement.</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="34"/>
        <source>Copyright (C) 2026 Quillaven</source>
        <translation>Copyright (C) 2026 Quillaven</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="42"/>
        <source>Quillaven Dialstack</source>
        <translation>Quillaven Dialstack</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="45"/>
        <source>Add Name</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="46"/>
        <source>Save Now</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="47"/>
        <source>Delete Name</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="48"/>
        <source>Undo Changes</source>
        <translation>Tout annuler</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="49"/>
        <source>Edit Name</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="50"/>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="51"/>
        <source>Save / Quit</source>
        <translation>Enreg./Quitter</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="52"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="55"/>
        <source>Names</source>
        <translation>Noms</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="56"/>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="57"/>
        <location filename="../res/ResourceTable.cpp" line="87"/>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="58"/>
        <location filename="../res/ResourceTable.cpp" line="86"/>
        <source>Pager</source>
        <translation>Bipeur</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="59"/>
        <location filename="../res/ResourceTable.cpp" line="85"/>
        <source>Phone</source>
        <translation>Tél.</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="60"/>
        <location filename="../res/DialogTemplates.cpp" line="74"/>
        <location filename="../res/ResourceTable.cpp" line="88"/>
        <source>Misc.</source>
        <translation>Divers</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="117"/>
        <source>Add Record</source>
        <translation>Ajouter une fiche</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="118"/>
        <source>Edit Item</source>
        <translation>Modifier la fiche</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="70"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="71"/>
        <source>Phone Number</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="72"/>
        <source>Pager Number</source>
        <translation>Bipeur</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="73"/>
        <source>Email Address</source>
        <translation>Adresse e-mail</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="84"/>
        <location filename="../res/DialogTemplates.cpp" line="106"/>
        <location filename="../res/ResourceTable.cpp" line="52"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="101"/>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="103"/>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Chercher :</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="104"/>
        <source>Find what</source>
        <translation>Texte à rechercher</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="105"/>
        <source>Find Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="31"/>
        <source>&amp;About Dialstack2...</source>
        <translation>À &amp;propos de Dialstack2...</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="33"/>
        <source>&amp;Find…</source>
        <translation>&amp;Rechercher…</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="234"/>
        <source>Dialstack Help</source>
        <translation>Aide de Dialstack</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="34"/>
        <source>Sync &amp;Now</source>
        <translation>&amp;Synchroniser maintenant</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="37"/>
        <source>Your changes to the directory are not saved yet.

Save them before you leave?</source>
        <translation>Vos modifications de l&apos;annuaire ne sont pas encore enregistrées.

Les enregistrer avant de quitter&#xa0;?</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="39"/>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="40"/>
        <source>&amp;Leave without saving</source>
        <translation>&amp;Quitter sans enregistrer</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="41"/>
        <source>S&amp;tay</source>
        <translation>&amp;Rester</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="43"/>
        <source>Another program (dialstack-sync or dialstack-convert import) is changing the directory file right now, so nothing was changed here.

Try again in a moment: the window then shows what that program wrote.</source>
        <translation>Un autre programme (dialstack-sync ou dialstack-convert import) est en train de modifier le fichier de l&apos;annuaire&#xa0;; rien n&apos;a donc été modifié ici.

Réessayez dans un instant&#xa0;: la fenêtre affichera alors ce que ce programme a écrit.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="48"/>
        <source>Your changes are not saved yet. The sync takes the directory as saved.

Save your changes and sync?</source>
        <translation>Vos modifications ne sont pas encore enregistrées. La synchronisation prend l&apos;annuaire tel qu&apos;il est enregistré.

Enregistrer vos modifications et synchroniser&#xa0;?</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="51"/>
        <source>&amp;Save and sync</source>
        <translation>&amp;Enregistrer et synchroniser</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="53"/>
        <source>Syncing the directory with the address book…</source>
        <translation>Synchronisation de l&apos;annuaire avec le carnet d&apos;adresses…</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="55"/>
        <source>The sync program dialstack-sync was found neither beside Dialstack nor on the PATH.

Install it with Dialstack, then try again.</source>
        <translation>Le programme de synchronisation dialstack-sync est introuvable, ni à côté de Dialstack ni dans le PATH.

Installez-le avec Dialstack, puis réessayez.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="58"/>
        <source>The sync program %1 could not be started: %2</source>
        <translation>Le programme de synchronisation %1 n&apos;a pas pu être lancé&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="59"/>
        <source>The directory and the address book are in step.</source>
        <translation>L&apos;annuaire et le carnet d&apos;adresses sont à jour l&apos;un par rapport à l&apos;autre.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="61"/>
        <source>The sync did not finish:

%1

Check the network and the server, then try again. What was synced stays; the next sync does the rest.</source>
        <translation>La synchronisation n&apos;a pas abouti&#xa0;:

%1

Vérifiez le réseau et le serveur, puis réessayez. Ce qui a déjà été synchronisé est conservé&#xa0;; la prochaine synchronisation fera le reste.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="65"/>
        <source>The sync of this directory is not set up as expected:

%1

Set it up again in a terminal (see &quot;man dialstack-sync&quot;).</source>
        <translation>La synchronisation de cet annuaire n&apos;est pas configurée comme prévu&#xa0;:

%1

Configurez-la de nouveau dans un terminal (voir «&#xa0;man dialstack-sync&#xa0;»).</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="68"/>
        <source>The sync cannot run now:

%1

Try again in a moment.</source>
        <translation>La synchronisation ne peut pas avoir lieu maintenant&#xa0;:

%1

Réessayez dans un instant.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="70"/>
        <source>The sync stopped because it needs you:

%1

Run dialstack-sync --file &quot;%2&quot; in a terminal to settle it.</source>
        <translation>La synchronisation s&apos;est arrêtée car elle a besoin de vous&#xa0;:

%1

Lancez dialstack-sync --file &quot;%2&quot; dans un terminal pour régler la question.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="74"/>
        <source>The sync was cancelled. What it had finished stays; the next sync does the rest.</source>
        <translation>La synchronisation a été annulée. Ce qu&apos;elle avait terminé est conservé&#xa0;; la prochaine synchronisation fera le reste.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="77"/>
        <source>The sync program ended unexpectedly.

%1

Try again; if it happens again, run dialstack-sync --file &quot;%2&quot; in a terminal to see why.</source>
        <translation>Le programme de synchronisation s&apos;est arrêté de façon inattendue.

%1

Réessayez&#xa0;; si cela se reproduit, lancez dialstack-sync --file &quot;%2&quot; dans un terminal pour en voir la cause.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="80"/>
        <source>Only the selected record matches &quot;%1&quot;.</source>
        <translation>Seule la fiche sélectionnée correspond à «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="81"/>
        <source>Nothing in the directory matches &quot;%1&quot;.</source>
        <translation>Rien dans l&apos;annuaire ne correspond à «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="82"/>
        <source>You must specify a name!</source>
        <translation>Vous devez indiquer un nom&#xa0;!</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="91"/>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="92"/>
        <source>The directory could not be saved to &quot;%1&quot;: %2

%3</source>
        <translation>L&apos;annuaire n&apos;a pas pu être enregistré dans «&#xa0;%1&#xa0;»&#xa0;: %2

%3</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="94"/>
        <source>The directory could not be saved to &quot;%1&quot;: %2

%3 The file on disk is unchanged.</source>
        <translation>L&apos;annuaire n&apos;a pas pu être enregistré dans «&#xa0;%1&#xa0;»&#xa0;: %2

%3 Le fichier sur le disque n&apos;a pas changé.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="96"/>
        <source>Your changes are still here.</source>
        <translation>Vos modifications sont toujours là.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="97"/>
        <source>Dialstack stays open so that your changes are not lost.</source>
        <translation>Dialstack reste ouvert pour que vos modifications ne soient pas perdues.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="98"/>
        <source>Your changes are still here; nothing was synced.</source>
        <translation>Vos modifications sont toujours là&#xa0;; rien n&apos;a été synchronisé.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="99"/>
        <source>The directory was saved to &quot;%1&quot;; %2</source>
        <translation>L&apos;annuaire a été enregistré dans «&#xa0;%1&#xa0;»&#xa0;; %2</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="101"/>
        <source>The directory file &quot;%1&quot; has been changed by another program since Dialstack loaded or saved it.

Replace it with the directory shown here? The other program&apos;s changes would be lost.</source>
        <translation>Le fichier de l&apos;annuaire «&#xa0;%1&#xa0;» a été modifié par un autre programme depuis que Dialstack l&apos;a chargé ou enregistré.

Le remplacer par l&apos;annuaire affiché ici&#xa0;? Les modifications de l&apos;autre programme seraient perdues.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="107"/>
        <source>The directory file &quot;%1&quot; could not be read completely. %2

Saving now would replace the file with what is shown.</source>
        <translation>Le fichier de l&apos;annuaire «&#xa0;%1&#xa0;» n&apos;a pas pu être lu entièrement. %2

Enregistrer maintenant remplacerait le fichier par ce qui est affiché.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="111"/>
        <source>The directory file &quot;%1&quot; could not be opened: %2 %3

Saving now would replace the file with what is shown.</source>
        <translation>Le fichier de l&apos;annuaire «&#xa0;%1&#xa0;» n&apos;a pas pu être ouvert&#xa0;: %2 %3

Enregistrer maintenant remplacerait le fichier par ce qui est affiché.</translation>
    </message>
    <message numerus="yes">
        <location filename="../res/ResourceTable.cpp" line="114"/>
        <source>%n record was read and is shown.</source>
        <translation>
            <numerusform>%n fiche a été lue et est affichée.</numerusform>
            <numerusform>%n fiches ont été lues et sont affichées.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="119"/>
        <source>The directory could not be printed: %1

Nothing in the directory has changed.</source>
        <translation>L&apos;annuaire n&apos;a pas pu être imprimé&#xa0;: %1

Rien n&apos;a changé dans l&apos;annuaire.</translation>
    </message>
</context>
</TS>
