<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>DialstackConvert</name>
    <message>
        <location filename="../convert/CommandLine.cpp" line="10"/>
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
        <translation>usage&#xa0;: dialstack-convert export [--format vcard|csv | --spreadsheet] [--file DOSSIER/Dialstack.dat]
                                 [--output FICHIER] [--verbose]
        dialstack-convert import [--format vcard|csv] [--file DOSSIER/Dialstack.dat] [--verbose] FICHIER...
        dialstack-convert query [--file DOSSIER/Dialstack.dat] TEXTE
        dialstack-convert --help | --version
(«&#xa0;-&#xa0;» comme FICHIER lit l&apos;entrée standard&#x202f;; --format peut être omis quand
chaque fichier se termine par .vcf ou .csv&#x202f;; --spreadsheet écrit un CSV avec
«&#xa0;;&#xa0;» entre les cellules et une marque d&apos;ordre des octets, comme l&apos;ouvrent les
tableurs en France, en Allemagne et dans les autres pays à virgule décimale)
</translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/QueryCommand.cpp" line="42"/>
        <source>%n record matches</source>
        <translation>
            <numerusform>%n fiche correspond</numerusform>
            <numerusform>%n fiches correspondent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="74"/>
        <source>%n record added</source>
        <translation>
            <numerusform>%n fiche ajoutée</numerusform>
            <numerusform>%n fiches ajoutées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="75"/>
        <source>%n contact skipped</source>
        <translation>
            <numerusform>%n contact ignoré</numerusform>
            <numerusform>%n contacts ignorés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="76"/>
        <source>%n value moved to misc</source>
        <translation>
            <numerusform>%n valeur déplacée dans «&#xa0;Divers&#xa0;»</numerusform>
            <numerusform>%n valeurs déplacées dans «&#xa0;Divers&#xa0;»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="77"/>
        <source>%n character replaced</source>
        <translation>
            <numerusform>%n caractère remplacé</numerusform>
            <numerusform>%n caractères remplacés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ExportCommand.cpp" line="139"/>
        <source>%n record exported</source>
        <translation>
            <numerusform>%n fiche exportée</numerusform>
            <numerusform>%n fiches exportées</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="36"/>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="38"/>
        <source>%1: %2; nothing was imported</source>
        <translation>%1&#xa0;: %2&#x202f;; rien n&apos;a été importé</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="45"/>
        <source>is a folder, not a contact file</source>
        <translation>est un dossier, pas un fichier de contacts</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="48"/>
        <source>cannot be opened</source>
        <translation>ne peut pas être ouvert</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="48"/>
        <source>there is no such file</source>
        <translation>ce fichier n&apos;existe pas</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="76"/>
        <source>%1: could not be saved: %2; the directory file is unchanged</source>
        <translation>%1&#xa0;: impossible d&apos;enregistrer&#xa0;: %2&#x202f;; le fichier de l&apos;annuaire n&apos;a pas changé</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="79"/>
        <source>%1: could not be saved: %2; the directory file may be damaged: check it, and import again</source>
        <translation>%1&#xa0;: impossible d&apos;enregistrer&#xa0;: %2&#x202f;; le fichier de l&apos;annuaire est peut-être endommagé&#xa0;: vérifiez-le et importez à nouveau</translation>
    </message>
    <message>
        <location filename="../convert/ConvertAccess.cpp" line="15"/>
        <source>%1: is a folder, not a directory file; nothing was converted</source>
        <translation>%1&#xa0;: est un dossier, pas un fichier de l&apos;annuaire&#x202f;; rien n&apos;a été converti</translation>
    </message>
    <message>
        <location filename="../convert/ConvertAccess.cpp" line="19"/>
        <source>%1: there is no directory file</source>
        <translation>%1&#xa0;: il n&apos;y a pas de fichier de l&apos;annuaire</translation>
    </message>
    <message>
        <location filename="../convert/ConvertAccess.cpp" line="40"/>
        <source>%1: %2 (close Dialstack&apos;s window on it, or wait for the other import); nothing was changed</source>
        <translation>%1&#xa0;: %2 (fermez la fenêtre de Dialstack qui l&apos;affiche ou attendez la fin de l&apos;autre importation)&#x202f;; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="41"/>
        <source>say export, import or query</source>
        <translation>indiquez export, import ou query</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="51"/>
        <source>unknown command &apos;%1&apos;</source>
        <translation>commande inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="81"/>
        <source>unknown format &apos;%1&apos;</source>
        <translation>format inconnu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="96"/>
        <source>--spreadsheet is for export</source>
        <translation>--spreadsheet ne sert qu&apos;à export</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="96"/>
        <source>--output is for export</source>
        <translation>--output ne sert qu&apos;à export</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="110"/>
        <source>query needs one TEXT to look for</source>
        <translation>query demande un TEXTE à chercher</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="112"/>
        <source>query takes no --format or --verbose</source>
        <translation>query n&apos;accepte ni --format ni --verbose</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="119"/>
        <source>export takes no file arguments (use --output)</source>
        <translation>export n&apos;accepte pas de fichiers en argument (utilisez --output)</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="121"/>
        <source>--output names the directory file itself</source>
        <translation>--output désigne le fichier de l&apos;annuaire lui-même</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="124"/>
        <source>--spreadsheet writes CSV, not --format vcard</source>
        <translation>--spreadsheet écrit du CSV, pas --format vcard</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="131"/>
        <source>--format vcard or --format csv is needed (or an --output FILE ending in .vcf or .csv)</source>
        <translation>--format vcard ou --format csv est nécessaire (ou un --output FICHIER se terminant par .vcf ou .csv)</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="139"/>
        <source>import needs at least one file (&apos;-&apos; for standard input)</source>
        <translation>import demande au moins un fichier («&#xa0;-&#xa0;» pour l&apos;entrée standard)</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="147"/>
        <source>--format vcard or --format csv is needed (&apos;%1&apos; does not end in .vcf or .csv)</source>
        <translation>--format vcard ou --format csv est nécessaire («&#xa0;%1&#xa0;» ne se termine pas par .vcf ou .csv)</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="57"/>
        <location filename="../convert/ImportCommand.cpp" line="60"/>
        <source>cannot be read as %1: %2</source>
        <translation>ne peut pas être lu comme %1&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="92"/>
        <source>%1: could not be written</source>
        <translation>%1&#xa0;: impossible d&apos;écrire</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="99"/>
        <source>could not write to standard output</source>
        <translation>impossible d&apos;écrire sur la sortie standard</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="112"/>
        <source>%1: could not be written: %2</source>
        <translation>%1&#xa0;: impossible d&apos;écrire&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="113"/>
        <source>%1: could not be written: %2; the file that was there is no longer as it was</source>
        <translation>%1&#xa0;: impossible d&apos;écrire&#xa0;: %2&#x202f;; le fichier qui s&apos;y trouvait n&apos;est plus tel qu&apos;il était</translation>
    </message>
    <message>
        <location filename="../convert/ConvertAccess.cpp" line="26"/>
        <source>%1: the directory file could not be opened: %2; nothing was converted</source>
        <translation>%1&#xa0;: impossible d&apos;ouvrir le fichier de l&apos;annuaire&#xa0;: %2&#x202f;; rien n&apos;a été converti</translation>
    </message>
    <message>
        <location filename="../convert/ConvertAccess.cpp" line="30"/>
        <source>%1: the directory file could not be read completely; nothing was converted</source>
        <translation>%1&#xa0;: le fichier de l&apos;annuaire n&apos;a pas pu être lu en entier&#x202f;; rien n&apos;a été converti</translation>
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
        <translation>une ligne qui n&apos;est pas une propriété vCard&#xa0;: «&#xa0;%1&#xa0;»</translation>
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
        <translation>il contient des octets nuls, comme de l&apos;UTF-16 ou de l&apos;UTF-32 sans indicateur d&apos;ordre des octets&#x202f;; ce n&apos;est pas lu (%1)</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="37"/>
        <source>%1: skipped, %2</source>
        <translation>%1&#xa0;: ignoré, car %2</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="52"/>
        <source>%1: moved to misc: %2</source>
        <translation>%1&#xa0;: déplacé dans «&#xa0;Divers&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="60"/>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="68"/>
        <source>%1: left out: %2</source>
        <translation>%1&#xa0;: omis&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../convert/RecordImporter.cpp" line="23"/>
        <source>it holds more than %1 KiB of text</source>
        <translation>il contient plus de %1 Kio de texte</translation>
    </message>
    <message>
        <location filename="../convert/RecordImporter.cpp" line="59"/>
        <source>%1, contact %2</source>
        <translation>%1, contact %2</translation>
    </message>
    <message>
        <location filename="../convert/RecordImporter.cpp" line="76"/>
        <source>it has no name</source>
        <translation>il n&apos;a pas de nom</translation>
    </message>
    <message>
        <location filename="../convert/RecordImporter.cpp" line="98"/>
        <source>&quot;%1&quot; (%2)</source>
        <translation>«&#xa0;%1&#xa0;» (%2)</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="98"/>
        <source>%1: its last record has no name, and adding records would overwrite it; give it a name in Dialstack first. Nothing was imported</source>
        <translation>%1&#xa0;: sa dernière fiche n&apos;a pas de nom, et ajouter des fiches l&apos;écraserait&#x202f;; donnez-lui d&apos;abord un nom dans Dialstack. Rien n&apos;a été importé</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="119"/>
        <source>%1: written, but %2</source>
        <translation>%1&#xa0;: écrit, mais %2</translation>
    </message>
    <message>
        <location filename="../vcard/VCardMapper.cpp" line="143"/>
        <source>%1 = %2... (%3 bytes in all)</source>
        <translation>%1 = %2... (%3 octets en tout)</translation>
    </message>
    <message>
        <location filename="../vcard/VCardMapper.cpp" line="166"/>
        <source>AGENT (the vCard of another person inside this one)</source>
        <translation>AGENT (la vCard d&apos;une autre personne, à l&apos;intérieur de celle-ci)</translation>
    </message>
    <message>
        <location filename="../vcard/VCardMapper.cpp" line="172"/>
        <source>%1 (binary data, %2 bytes)</source>
        <translation>%1 (données binaires, %2 octets)</translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="29"/>
        <source>%n character of the name replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n caractère du nom remplacé par «&#xa0;?&#xa0;»</numerusform>
            <numerusform>%n caractères du nom remplacés par «&#xa0;?&#xa0;»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="30"/>
        <source>%n character of the phone replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n caractère du téléphone remplacé par «&#xa0;?&#xa0;»</numerusform>
            <numerusform>%n caractères du téléphone remplacés par «&#xa0;?&#xa0;»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="31"/>
        <source>%n character of the pager replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n caractère du bipeur remplacé par «&#xa0;?&#xa0;»</numerusform>
            <numerusform>%n caractères du bipeur remplacés par «&#xa0;?&#xa0;»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="32"/>
        <source>%n character of the e-mail replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n caractère de l&apos;adresse e-mail remplacé par «&#xa0;?&#xa0;»</numerusform>
            <numerusform>%n caractères de l&apos;adresse e-mail remplacés par «&#xa0;?&#xa0;»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="33"/>
        <source>%n character of the misc replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n caractère du champ «&#xa0;Divers&#xa0;» remplacé par «&#xa0;?&#xa0;»</numerusform>
            <numerusform>%n caractères du champ «&#xa0;Divers&#xa0;» remplacés par «&#xa0;?&#xa0;»</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="73"/>
        <source>%1: could not be saved: %2; nothing was imported</source>
        <translation>%1&#xa0;: impossible d&apos;enregistrer&#xa0;: %2&#x202f;; rien n&apos;a été importé</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="43"/>
        <source>%1: left alone, a group is not a contact</source>
        <translation>%1&#xa0;: laissé de côté, un groupe n&apos;est pas un contact</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="44"/>
        <source>%1: left alone, a place is not a contact</source>
        <translation>%1&#xa0;: laissé de côté, un lieu n&apos;est pas un contact</translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="79"/>
        <source>%n group or place left alone</source>
        <translation>
            <numerusform>%n groupe ou lieu laissé de côté</numerusform>
            <numerusform>%n groupes ou lieux laissés de côté</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DialstackSync</name>
    <message>
        <location filename="../sync/SyncReport.cpp" line="89"/>
        <source>left out: %1, a group or a place is not a contact</source>
        <translation>laissée de côté&#xa0;: %1, un groupe ou un lieu n&apos;est pas un contact</translation>
    </message>
    <message>
        <location filename="../sync/DesktopNotifier.cpp" line="79"/>
        <source>Open Dialstack</source>
        <translation>Ouvrir Dialstack</translation>
    </message>
    <message>
        <location filename="../sync/UserTimer.cpp" line="111"/>
        <source>%1 could not be started</source>
        <translation>%1 n&apos;a pas pu être lancé</translation>
    </message>
    <message>
        <location filename="../sync/UserTimer.cpp" line="113"/>
        <source>%1 did not finish within a minute</source>
        <translation>%1 ne s&apos;est pas terminé en moins d&apos;une minute</translation>
    </message>
    <message>
        <location filename="../sync/UserTimer.cpp" line="117"/>
        <source>%1 ended with status %2</source>
        <translation>%1 s&apos;est terminé avec le statut %2</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="28"/>
        <source>usage: dialstack-sync [--file DIR/Dialstack.dat] [--url URL] [--user NAME]
                      [--password-file FILE | --password-stdin] [--keep-password]
                      [--certificate FILE | --accept-certificate SHA256] [--timeout SECONDS]
                      [--dry-run] [--force | --bring-back] [--verbose] [--report json]
       dialstack-sync [--file DIR/Dialstack.dat] --discover --url URL [--user NAME] [...]
       dialstack-sync [--file DIR/Dialstack.dat] --forget | --timer on|off|status
       dialstack-sync --help | --version
Keeps the directory file and its CardDAV address book in step. The first run
needs --url; the URL, user, password file and certificate are remembered for
that directory file. The password comes from --password-file, or the first
line of standard input with --password-stdin, else the keyring, else the
password file remembered for the directory file, else a prompt on the
terminal. --keep-password keeps a password the server took: in the keyring,
else in a file only you can read.
--accept-certificate trusts the server&apos;s certificate when its SHA-256
fingerprint is the one given. --bring-back answers a refused mass deletion
by bringing the deleted records back. --discover lists the server&apos;s address
books and changes nothing. --forget forgets what this program knows about the
directory file&apos;s sync (never the file). --timer turns the directory file&apos;s
timer on or off, or says whether it is on. --report json prints what the run
came to as one line of JSON.
Exit status: 0 in step; 1 failed (nothing lost); 2 bad usage; 3 busy (a
window with unsaved changes or another program has the directory: the next
run tries again); 4 needs you (the sync would delete too much, the password
was refused or is missing, the certificate is not trusted, or the address
book is gone).
</source>
        <translation>usage&#xa0;: dialstack-sync [--file DOSSIER/Dialstack.dat] [--url URL] [--user NOM]
                       [--password-file FICHIER | --password-stdin] [--keep-password]
                       [--certificate FICHIER | --accept-certificate SHA256] [--timeout SECONDES]
                       [--dry-run] [--force | --bring-back] [--verbose] [--report json]
        dialstack-sync [--file DOSSIER/Dialstack.dat] --discover --url URL [--user NOM] [...]
        dialstack-sync [--file DOSSIER/Dialstack.dat] --forget | --timer on|off|status
        dialstack-sync --help | --version
Garde le fichier de l&apos;annuaire et son carnet d&apos;adresses CardDAV en accord. La
première exécution demande --url&#x202f;; l&apos;URL, l&apos;utilisateur, le fichier de mot de
passe et le certificat sont retenus pour ce fichier de l&apos;annuaire. Le mot de
passe vient de --password-file, ou de la première ligne de l&apos;entrée standard
avec --password-stdin, sinon du trousseau, sinon du fichier de mot de passe
retenu pour le fichier de l&apos;annuaire, sinon d&apos;une question posée dans le
terminal. --keep-password garde un mot de passe accepté par le serveur&#xa0;: dans
le trousseau, sinon dans un fichier que vous seul pouvez lire.
--accept-certificate fait confiance au certificat du serveur quand son
empreinte SHA-256 est celle donnée. --bring-back répond à une suppression en
masse refusée en faisant revenir les fiches supprimées. --discover liste les
carnets d&apos;adresses du serveur et ne modifie rien. --forget oublie ce que ce
programme sait de la synchronisation du fichier de l&apos;annuaire (jamais le
fichier). --timer active ou désactive le minuteur du fichier de l&apos;annuaire, ou
dit s&apos;il est actif. --report json affiche le résultat de l&apos;exécution en une
ligne JSON.
Code de sortie&#xa0;: 0 en accord&#x202f;; 1 échec (rien de perdu)&#x202f;; 2 mauvais usage&#x202f;;
3 occupé (une fenêtre avec des modifications non enregistrées ou un autre
programme tient l&apos;annuaire&#xa0;: la prochaine exécution réessaie)&#x202f;; 4 à vous de
jouer (la synchronisation supprimerait trop, le mot de passe a été refusé ou
manque, le certificat n&apos;est pas reconnu comme fiable, ou le carnet d&apos;adresses a
disparu).
</translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="51"/>
        <location filename="../sync/SyncReport.cpp" line="22"/>
        <source>%n added</source>
        <translation>
            <numerusform>%n ajoutée</numerusform>
            <numerusform>%n ajoutées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="51"/>
        <location filename="../sync/SyncReport.cpp" line="22"/>
        <source>%n changed</source>
        <translation>
            <numerusform>%n modifiée</numerusform>
            <numerusform>%n modifiées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="52"/>
        <location filename="../sync/SyncReport.cpp" line="23"/>
        <source>%n deleted</source>
        <translation>
            <numerusform>%n supprimée</numerusform>
            <numerusform>%n supprimées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="80"/>
        <location filename="../sync/SyncReport.cpp" line="94"/>
        <source>%n conflict kept as a copy</source>
        <translation>
            <numerusform>%n conflit gardé en copie</numerusform>
            <numerusform>%n conflits gardés en copies</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="84"/>
        <location filename="../sync/SyncReport.cpp" line="98"/>
        <source>Here: %1; on the server: %2; %3</source>
        <translation>Ici&#xa0;: %1&#x202f;; sur le serveur&#xa0;: %2&#x202f;; %3</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="82"/>
        <location filename="../sync/SyncReport.cpp" line="96"/>
        <source>Dry run, nothing changed. Would do here: %1; on the server: %2; %3</source>
        <translation>Essai à blanc, rien n&apos;a été modifié. Résultat prévu ici&#xa0;: %1&#x202f;; sur le serveur&#xa0;: %2&#x202f;; %3</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="28"/>
        <source>added here: %1</source>
        <translation>ajoutée ici&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="28"/>
        <source>changed here: %1</source>
        <translation>modifiée ici&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="29"/>
        <source>deleted here: %1</source>
        <translation>supprimée ici&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="30"/>
        <source>added on the server: %1</source>
        <translation>ajoutée sur le serveur&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="31"/>
        <source>changed on the server: %1</source>
        <translation>modifiée sur le serveur&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="32"/>
        <source>deleted on the server: %1</source>
        <translation>supprimée sur le serveur&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="33"/>
        <source>would add here: %1</source>
        <translation>serait ajoutée ici&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="34"/>
        <source>would change here: %1</source>
        <translation>serait modifiée ici&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="35"/>
        <source>would delete here: %1</source>
        <translation>serait supprimée ici&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="36"/>
        <source>would add on the server: %1</source>
        <translation>serait ajoutée sur le serveur&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="37"/>
        <source>would change on the server: %1</source>
        <translation>serait modifiée sur le serveur&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="38"/>
        <source>would delete on the server: %1</source>
        <translation>serait supprimée sur le serveur&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="59"/>
        <source>kept both versions of a record changed on both sides: the server&apos;s, and this machine&apos;s as %1</source>
        <translation>les deux versions d&apos;une fiche modifiée des deux côtés sont gardées&#xa0;: celle du serveur, et celle de cette machine sous %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="56"/>
        <source>would keep both versions of a record changed on both sides: the server&apos;s, and this machine&apos;s as %1</source>
        <translation>les deux versions d&apos;une fiche modifiée des deux côtés seraient gardées&#xa0;: celle du serveur, et celle de cette machine sous %1</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="249"/>
        <location filename="../sync/SyncPassword.cpp" line="79"/>
        <source>%1: the password file cannot be read</source>
        <translation>%1&#xa0;: le fichier de mot de passe est illisible</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="247"/>
        <location filename="../sync/SyncPassword.cpp" line="75"/>
        <source>%1: others can read this password file; make it yours alone (chmod 600 %1) and run again</source>
        <translation>%1&#xa0;: d&apos;autres peuvent lire ce fichier de mot de passe&#x202f;; réservez-le à vous seul (chmod 600 %1) et relancez</translation>
    </message>
    <message>
        <location filename="../sync/SyncPassword.cpp" line="101"/>
        <source>Password for %1 at %2: </source>
        <translation>Mot de passe de %1 sur %2&#xa0;: </translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="283"/>
        <source>%1: a Dialstack window has unsaved changes in it, or another program is changing it. Nothing was synced; the next sync after you save takes the window&apos;s changes</source>
        <translation>%1&#xa0;: une fenêtre de Dialstack y a des modifications non enregistrées, ou un autre programme le modifie. Rien n&apos;a été synchronisé&#x202f;; la prochaine synchronisation après l&apos;enregistrement prendra les modifications de la fenêtre</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="278"/>
        <source>stopped by %1; what was synced is kept, and the next sync goes on from there</source>
        <translation>arrêté par %1&#x202f;; ce qui a été synchronisé est gardé, et la prochaine synchronisation reprend à partir de là</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="221"/>
        <source>no address book found at %1 for %2; create one on the server (in its web page, or with your phone&apos;s contacts app), then sync again</source>
        <translation>aucun carnet d&apos;adresses trouvé sur %1 pour %2&#x202f;; créez-en un sur le serveur (sur sa page web ou avec l&apos;application de contacts de votre téléphone), puis synchronisez à nouveau</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="208"/>
        <source>this user</source>
        <translation>cet utilisateur</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="147"/>
        <source>To settle it, run: %1</source>
        <translation>Pour régler cela, lancez&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="128"/>
        <source>unexpected argument: %1</source>
        <translation>argument inattendu&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="41"/>
        <source>--%1 given more than once</source>
        <translation>--%1 indiqué plus d&apos;une fois</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="78"/>
        <source>--timeout needs a number of seconds from 1 to 3600</source>
        <translation>--timeout demande un nombre de secondes de 1 à 3600</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="73"/>
        <source>--url needs an http:// or https:// address, not %1</source>
        <translation>--url demande une adresse http:// ou https://, pas %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="75"/>
        <source>give the user name with --user, not inside the URL</source>
        <translation>donnez le nom d&apos;utilisateur avec --user, pas dans l&apos;URL</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="174"/>
        <source>the first sync of %1 needs --url (the address book or the server)</source>
        <translation>la première synchronisation de %1 demande --url (le carnet d&apos;adresses ou le serveur)</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="90"/>
        <source>%1 did not answer within %2 s</source>
        <translation>%1 n&apos;a pas répondu dans les %2 s</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="240"/>
        <source>%1 refused the user name or password</source>
        <translation>%1 a refusé le nom d&apos;utilisateur ou le mot de passe</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="192"/>
        <source>%1 of the %2 records here (%3)</source>
        <translation>%1 des %2 fiches d&apos;ici (%3)</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="194"/>
        <source>%1 of the %2 cards on the server (%3)</source>
        <translation>%1 des %2 vCard du serveur (%3)</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="33"/>
        <location filename="../sync/SyncReport.cpp" line="16"/>
        <source>&quot;%1&quot;</source>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="201"/>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="178"/>
        <source>%1: the directory file could not be read completely; nothing was synced</source>
        <translation>%1&#xa0;: le fichier de l&apos;annuaire n&apos;a pas pu être lu en entier&#x202f;; rien n&apos;a été synchronisé</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="173"/>
        <source>%1: could not be saved: %2; the directory file is unchanged</source>
        <translation>%1&#xa0;: impossible d&apos;enregistrer&#xa0;: %2&#x202f;; le fichier de l&apos;annuaire n&apos;a pas changé</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="171"/>
        <source>%1: could not be saved: %2</source>
        <translation>%1&#xa0;: impossible d&apos;enregistrer&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="293"/>
        <source>the address book %1 is gone from the server; nothing was changed here</source>
        <translation>le carnet d&apos;adresses %1 a disparu du serveur&#x202f;; rien n&apos;a été modifié ici</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="82"/>
        <source>a password is never sent over plain http:// except to this machine; use https:// for %1</source>
        <translation>un mot de passe n&apos;est jamais envoyé en http:// non chiffré, sauf vers cette machine&#x202f;; utilisez https:// pour %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="201"/>
        <source>%1: holds no certificate (PEM) that can be read</source>
        <translation>%1&#xa0;: ne contient aucun certificat (PEM) lisible</translation>
    </message>
    <message>
        <location filename="../sync/SyncPassword.cpp" line="124"/>
        <source>The password could not be kept in the keyring (none is running); from now on the file %1 is read for it. Keep it readable by you alone.</source>
        <translation>Le mot de passe n&apos;a pas pu être gardé dans le trousseau (aucun n&apos;est lancé)&#x202f;; désormais, le fichier %1 est lu à sa place. Gardez-le lisible par vous seul.</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="184"/>
        <source>the server has several address books; run again with --url and one of them:</source>
        <translation>le serveur a plusieurs carnets d&apos;adresses&#x202f;; relancez avec --url et l&apos;un d&apos;eux&#xa0;:</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="149"/>
        <source>%1: the server does not allow this (403 Forbidden)</source>
        <translation>%1&#xa0;: le serveur ne le permet pas (403 Forbidden)</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="150"/>
        <source>%1: not found on the server (404)</source>
        <translation>%1&#xa0;: introuvable sur le serveur (404)</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="155"/>
        <source>%1: the server answered %2</source>
        <translation>%1&#xa0;: le serveur a répondu %2</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="148"/>
        <source>%1 sent a reply that could not be read: %2</source>
        <translation>%1 a envoyé une réponse illisible&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="138"/>
        <source>the server answered %1 (%2)</source>
        <translation>le serveur a répondu %1 (%2)</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="139"/>
        <source>the server answered %1: %2</source>
        <translation>le serveur a répondu %1&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="136"/>
        <source>the server answered %1</source>
        <translation>le serveur a répondu %1</translation>
    </message>
    <message>
        <location filename="../sync/DavMultiStatus.cpp" line="182"/>
        <source>the reply is not a WebDAV multistatus</source>
        <translation>la réponse n&apos;est pas un multistatus WebDAV</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="270"/>
        <source>the address book kept changing while this sync wrote to it; nothing was lost, run the sync again</source>
        <translation>le carnet d&apos;adresses n&apos;a cessé de changer pendant que cette synchronisation y écrivait&#x202f;; rien n&apos;a été perdu, relancez la synchronisation</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="119"/>
        <source>the card of %1</source>
        <translation>la vCard de %1</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="120"/>
        <source>status %1</source>
        <translation>statut %1</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="121"/>
        <source>left out of its reply</source>
        <translation>absente de sa réponse</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="126"/>
        <source>%1 did not give %2 (%3); nothing was changed, run the sync again later</source>
        <translation>%1 n&apos;a pas fourni %2 (%3)&#x202f;; rien n&apos;a été modifié, relancez la synchronisation plus tard</translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="127"/>
        <source>%1 did not give %2 (%3) nor %n other cards; nothing was changed, run the sync again later</source>
        <translation>
            <numerusform>%1 n&apos;a fourni ni %2 (%3) ni %n autre vCard&#x202f;; rien n&apos;a été modifié, relancez la synchronisation plus tard</numerusform>
            <numerusform>%1 n&apos;a fourni ni %2 (%3) ni %n autres vCard&#x202f;; rien n&apos;a été modifié, relancez la synchronisation plus tard</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="164"/>
        <source>%1: the directory file changed on disk while syncing; nothing was changed here, run the sync again</source>
        <translation>%1&#xa0;: le fichier de l&apos;annuaire a changé sur le disque pendant la synchronisation&#x202f;; rien n&apos;a été modifié ici, relancez la synchronisation</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="168"/>
        <source>%1: its last record has no name, and adding records would overwrite it; give it a name in Dialstack first. Nothing was changed</source>
        <translation>%1&#xa0;: sa dernière fiche n&apos;a pas de nom, et ajouter des fiches l&apos;écraserait&#x202f;; donnez-lui d&apos;abord un nom dans Dialstack. Rien n&apos;a été modifié</translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="44"/>
        <location filename="../sync/SyncReport.cpp" line="108"/>
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 et %n autre</numerusform>
            <numerusform>%1 et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="113"/>
        <source>%1: the sync journal could not be written</source>
        <translation>%1&#xa0;: le journal de synchronisation n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="129"/>
        <source>%1: the folder could not be made</source>
        <translation>%1&#xa0;: le dossier n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="279"/>
        <source>%1: the sync state could not be saved: %2</source>
        <translation>%1&#xa0;: l&apos;état de synchronisation n&apos;a pas pu être enregistré&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="283"/>
        <source>%1: the sync state could not be made private</source>
        <translation>%1&#xa0;: l&apos;état de synchronisation n&apos;a pas pu être rendu privé</translation>
    </message>
    <message>
        <location filename="../sync/DesktopNotifier.cpp" line="78"/>
        <source>Dialstack sync needs you</source>
        <translation>La synchronisation de Dialstack a besoin de vous</translation>
    </message>
    <message>
        <location filename="../sync/Keyring.cpp" line="53"/>
        <source>Dialstack: %1 at %2</source>
        <translation>Dialstack&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="213"/>
        <source>%1 is neither a CardDAV server nor an address book (asked: %2); give the address of your address book with --url</source>
        <translation>%1 n&apos;est ni un serveur CardDAV ni un carnet d&apos;adresses (demandé&#xa0;: %2)&#x202f;; donnez l&apos;adresse de votre carnet d&apos;adresses avec --url</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="167"/>
        <source>%1 is synced with %2; to sync it with another address book, first forget this sync with --forget</source>
        <translation>%1 est synchronisé avec %2&#x202f;; pour le synchroniser avec un autre carnet d&apos;adresses, oubliez d&apos;abord cette synchronisation avec --forget</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="238"/>
        <source>%1 refused the password for %2 read from %3; put the new password in that file</source>
        <translation>%1 a refusé le mot de passe de %2 lu dans %3&#x202f;; mettez le nouveau mot de passe dans ce fichier</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="179"/>
        <source>%1: %2; nothing was synced</source>
        <translation>%1&#xa0;: %2&#x202f;; rien n&apos;a été synchronisé</translation>
    </message>
    <message>
        <location filename="../sync/ServerCertificate.cpp" line="14"/>
        <source>%1: no certificate could be had from the server: %2</source>
        <translation>%1&#xa0;: impossible d&apos;obtenir un certificat du serveur&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="153"/>
        <source>%1: the server answered %2 (%3)</source>
        <translation>%1&#xa0;: le serveur a répondu %2 (%3)</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="274"/>
        <source>%1: the sync&apos;s memory of this directory file is damaged (%2); forget it, then sync again with --url</source>
        <translation>%1&#xa0;: l&apos;état de synchronisation de ce fichier de l&apos;annuaire est abîmé (%2)&#x202f;; oubliez-le, puis synchronisez de nouveau avec --url</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="215"/>
        <source>--accept-certificate is for a server at an https:// address</source>
        <translation>--accept-certificate vaut pour un serveur à une adresse https://</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="72"/>
        <source>--accept-certificate needs the certificate&apos;s SHA-256 fingerprint (64 hex digits)</source>
        <translation>--accept-certificate demande l&apos;empreinte SHA-256 du certificat (64 chiffres hexadécimaux)</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="103"/>
        <source>--discover needs --url (the server or the address book)</source>
        <translation>--discover demande --url (le serveur ou le carnet d&apos;adresses)</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="101"/>
        <source>--discover, --forget and --timer each run alone</source>
        <translation>--discover, --forget et --timer s&apos;utilisent chacun seul</translation>
    </message>
    <message>
        <location filename="../sync/SyncPassword.cpp" line="68"/>
        <source>--password-stdin: no password came on standard input</source>
        <translation>--password-stdin&#xa0;: aucun mot de passe n&apos;est arrivé sur l&apos;entrée standard</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="130"/>
        <source>--report takes json</source>
        <translation>--report prend json</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="98"/>
        <source>--timer takes on, off or status</source>
        <translation>--timer prend on, off ou status</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="74"/>
        <source>Address books found:</source>
        <translation>Carnets d&apos;adresses trouvés&#xa0;:</translation>
    </message>
    <message>
        <location filename="../sync/SyncPassword.cpp" line="136"/>
        <source>Keep it in %1 (readable by you alone)? [y/N]</source>
        <translation>Le garder dans %1 (lisible par vous seul)&#x202f;? [o/N]</translation>
    </message>
    <message>
        <location filename="../sync/PasswordSource.cpp" line="69"/>
        <source>y</source>
        <translation>o</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="60"/>
        <source>No timer syncs this directory file.</source>
        <translation>Aucun minuteur ne synchronise ce fichier de l&apos;annuaire.</translation>
    </message>
    <message>
        <location filename="../sync/SyncPassword.cpp" line="147"/>
        <source>The password could not be kept: %1</source>
        <translation>Le mot de passe n&apos;a pas pu être gardé&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="59"/>
        <source>The timer syncs this directory file every quarter of an hour.</source>
        <translation>Le minuteur synchronise ce fichier de l&apos;annuaire tous les quarts d&apos;heure.</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="124"/>
        <source>a password is never taken on the command line: use --password-file FILE, --password-stdin, or the keyring</source>
        <translation>un mot de passe n&apos;est jamais pris sur la ligne de commande&#xa0;: utilisez --password-file FICHIER, --password-stdin ou le trousseau</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="66"/>
        <source>give the password with --password-file or --password-stdin, not both</source>
        <translation>donnez le mot de passe avec --password-file ou --password-stdin, pas les deux</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="107"/>
        <source>is a folder, not a directory file</source>
        <translation>est un dossier, pas un fichier de l&apos;annuaire</translation>
    </message>
    <message>
        <location filename="../sync/SyncPassword.cpp" line="93"/>
        <source>it cannot be read</source>
        <translation>il est illisible</translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="108"/>
        <source>it is no sync state this program wrote, or it was cut short</source>
        <translation>ce n&apos;est pas un état de synchronisation écrit par ce programme, ou il a été tronqué</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="228"/>
        <source>it is not the one whose fingerprint was given</source>
        <translation>ce n&apos;est pas celui dont l&apos;empreinte a été donnée</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="289"/>
        <source>no password for %1 at %2: the keyring has none, and no password file is remembered</source>
        <translation>aucun mot de passe pour %1 sur %2&#xa0;: le trousseau n&apos;en a pas, et aucun fichier de mot de passe n&apos;est retenu</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="254"/>
        <source>the certificate of %1 is not trusted (%2); its SHA-256 fingerprint is %3. If it is your own server&apos;s, trust it</source>
        <translation>le certificat de %1 n&apos;est pas reconnu comme fiable (%2)&#x202f;; son empreinte SHA-256 est %3. Si c&apos;est celui de votre propre serveur, faites-lui confiance</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="103"/>
        <source>the folder does not exist</source>
        <translation>le dossier n&apos;existe pas</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="105"/>
        <source>the folder is read-only, so the directory file cannot be saved there</source>
        <translation>le dossier est en lecture seule, le fichier de l&apos;annuaire ne peut donc pas y être enregistré</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="63"/>
        <source>the timer could not be set: %1</source>
        <translation>le minuteur n&apos;a pas pu être réglé&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="62"/>
        <source>the timer cannot be set: no systemd user manager runs for this user</source>
        <translation>le minuteur ne peut pas être réglé&#xa0;: aucun gestionnaire utilisateur systemd ne tourne pour cet utilisateur</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="198"/>
        <source>this sync would delete %1; nothing was changed. If that is what you want, run it again with --force; to bring them back instead, with --bring-back</source>
        <translation>cette synchronisation supprimerait %1&#x202f;; rien n&apos;a été modifié. Si c&apos;est bien ce que vous voulez, relancez-la avec --force&#x202f;; pour les faire revenir à la place, avec --bring-back</translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="229"/>
        <source>the server refused %n card (%1); everything else is in step</source>
        <translation>
            <numerusform>le serveur a refusé %n vCard (%1)&#x202f;; tout le reste est en accord</numerusform>
            <numerusform>le serveur a refusé %n vCard (%1)&#x202f;; tout le reste est en accord</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="105"/>
        <source>the server sent this program to %1, another server; it only talks to the server it was given. If that one is right, give it with --url</source>
        <translation>le serveur a renvoyé ce programme vers %1, un autre serveur&#x202f;; il ne parle qu&apos;au serveur qu&apos;on lui a donné. Si celui-là est le bon, donnez-le avec --url</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="109"/>
        <source>the server points to another server, %1, for the address books; nothing was sent there. If that server is right, give its address book with --url</source>
        <translation>le serveur renvoie vers un autre serveur, %1, pour les carnets d&apos;adresses&#x202f;; rien n&apos;y a été envoyé. Si ce serveur est le bon, donnez son carnet d&apos;adresses avec --url</translation>
    </message>
</context>
<context>
    <name>DialstackTools</name>
    <message>
        <location filename="../shell/ToolShell.cpp" line="25"/>
        <source>ran out of memory; nothing was changed</source>
        <translation>mémoire épuisée&#x202f;; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <location filename="../shell/ToolShell.cpp" line="28"/>
        <source>a file holds a field too long to be held (%1); nothing was changed</source>
        <translation>un fichier contient un champ trop long (%1)&#x202f;; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <location filename="../shell/ToolShell.cpp" line="31"/>
        <source>stopped: %1; nothing was changed</source>
        <translation>arrêté&#xa0;: %1&#x202f;; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <location filename="../shell/ToolShell.cpp" line="39"/>
        <source>--file needs a file name</source>
        <translation>--file demande un nom de fichier</translation>
    </message>
    <message>
        <location filename="../shell/PrintableText.cpp" line="45"/>
        <source>... (%1 bytes in all)</source>
        <translation>... (%1 octets en tout)</translation>
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
        <location filename="../res/DialogTemplates.cpp" line="152"/>
        <location filename="../res/SyncStringTable.cpp" line="108"/>
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
        <translation>Enregistrer/Fin</translation>
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
        <location filename="../res/ResourceTable.cpp" line="89"/>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="58"/>
        <location filename="../res/ResourceTable.cpp" line="88"/>
        <source>Pager</source>
        <translation>Bipeur</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="59"/>
        <location filename="../res/ResourceTable.cpp" line="87"/>
        <source>Phone</source>
        <translation>Tél.</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="60"/>
        <location filename="../res/DialogTemplates.cpp" line="74"/>
        <location filename="../res/ResourceTable.cpp" line="90"/>
        <source>Misc.</source>
        <translation>Divers</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="164"/>
        <source>Add Record</source>
        <translation>Ajouter une fiche</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="165"/>
        <source>Edit Item</source>
        <translation>Modifier la fiche</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="70"/>
        <location filename="../res/SyncStringTable.cpp" line="106"/>
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
        <location filename="../res/DialogTemplates.cpp" line="153"/>
        <location filename="../res/ResourceTable.cpp" line="54"/>
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
        <translation>&amp;Rechercher&#xa0;:</translation>
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
        <location filename="../res/ResourceTable.cpp" line="33"/>
        <source>&amp;About Dialstack2...</source>
        <translation>À &amp;propos de Dialstack2...</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="35"/>
        <source>&amp;Find…</source>
        <translation>&amp;Rechercher…</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="241"/>
        <source>Dialstack Help</source>
        <translation>Aide de Dialstack</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="36"/>
        <source>Sync &amp;Now</source>
        <translation>&amp;Synchroniser maintenant</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="39"/>
        <source>Your changes to the directory are not saved yet.

Save them before you leave?</source>
        <translation>Vos modifications de l&apos;annuaire ne sont pas encore enregistrées.

Les enregistrer avant de quitter&#xa0;?</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="41"/>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="42"/>
        <source>&amp;Leave without saving</source>
        <translation>&amp;Quitter sans enregistrer</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="43"/>
        <source>S&amp;tay</source>
        <translation>&amp;Rester</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="45"/>
        <source>Another program (dialstack-sync or dialstack-convert import) is changing the directory file right now, so nothing was changed here.

Try again in a moment: the window then shows what that program wrote.</source>
        <translation>Un autre programme (dialstack-sync ou dialstack-convert import) est en train de modifier le fichier de l&apos;annuaire&#xa0;; rien n&apos;a donc été modifié ici.

Réessayez dans un instant&#xa0;: la fenêtre affichera alors ce que ce programme a écrit.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="50"/>
        <source>Your changes are not saved yet. The sync takes the directory as saved.

Save your changes and sync?</source>
        <translation>Vos modifications ne sont pas encore enregistrées. La synchronisation prend l&apos;annuaire tel qu&apos;il est enregistré.

Enregistrer vos modifications et synchroniser&#xa0;?</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="53"/>
        <source>&amp;Save and sync</source>
        <translation>&amp;Enregistrer et synchroniser</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="55"/>
        <source>Syncing the directory with the address book…</source>
        <translation>Synchronisation de l&apos;annuaire avec le carnet d&apos;adresses…</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="57"/>
        <source>The sync program dialstack-sync was found neither beside Dialstack nor on the PATH.

Install it with Dialstack, then try again.</source>
        <translation>Le programme de synchronisation dialstack-sync est introuvable, ni à côté de Dialstack ni dans le PATH.

Installez-le avec Dialstack, puis réessayez.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="60"/>
        <source>The sync program %1 could not be started: %2</source>
        <translation>Le programme de synchronisation %1 n&apos;a pas pu être lancé&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="61"/>
        <source>The directory and the address book are in step.</source>
        <translation>L&apos;annuaire et le carnet d&apos;adresses sont synchronisés.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="63"/>
        <source>The sync did not finish:

%1

Check the network and the server, then try again. What was synced stays; the next sync does the rest.</source>
        <translation>La synchronisation n&apos;a pas abouti&#xa0;:

%1

Vérifiez le réseau et le serveur, puis réessayez. Ce qui a déjà été synchronisé est conservé&#xa0;; la prochaine synchronisation fera le reste.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="67"/>
        <source>The sync of this directory is not set up as expected:

%1

Set it up again in a terminal (see &quot;man dialstack-sync&quot;).</source>
        <translation>La synchronisation de cet annuaire n&apos;est pas configurée comme prévu&#xa0;:

%1

Configurez-la de nouveau dans un terminal (voir «&#xa0;man dialstack-sync&#xa0;»).</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="70"/>
        <source>The sync cannot run now:

%1

Try again in a moment.</source>
        <translation>La synchronisation ne peut pas avoir lieu maintenant&#xa0;:

%1

Réessayez dans un instant.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="72"/>
        <source>The sync stopped because it needs you:

%1

Run dialstack-sync --file &quot;%2&quot; in a terminal to settle it.</source>
        <translation>La synchronisation s&apos;est arrêtée car elle a besoin de vous&#xa0;:

%1

Lancez dialstack-sync --file &quot;%2&quot; dans un terminal pour régler la question.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="76"/>
        <source>The sync was cancelled. What it had finished stays; the next sync does the rest.</source>
        <translation>La synchronisation a été annulée. Ce qu&apos;elle avait terminé est conservé&#xa0;; la prochaine synchronisation fera le reste.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="79"/>
        <source>The sync program ended unexpectedly.

%1

Try again; if it happens again, run dialstack-sync --file &quot;%2&quot; in a terminal to see why.</source>
        <translation>Le programme de synchronisation s&apos;est arrêté de façon inattendue.

%1

Réessayez&#xa0;; si cela se reproduit, lancez dialstack-sync --file &quot;%2&quot; dans un terminal pour en voir la cause.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="82"/>
        <source>Only the selected record matches &quot;%1&quot;.</source>
        <translation>Seule la fiche sélectionnée correspond à «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="83"/>
        <source>Nothing in the directory matches &quot;%1&quot;.</source>
        <translation>Rien dans l&apos;annuaire ne correspond à «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="84"/>
        <source>You must specify a name!</source>
        <translation>Vous devez indiquer un nom&#xa0;!</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="93"/>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="94"/>
        <source>The directory could not be saved to &quot;%1&quot;: %2

%3</source>
        <translation>L&apos;annuaire n&apos;a pas pu être enregistré dans «&#xa0;%1&#xa0;»&#xa0;: %2

%3</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="96"/>
        <source>The directory could not be saved to &quot;%1&quot;: %2

%3 The file on disk is unchanged.</source>
        <translation>L&apos;annuaire n&apos;a pas pu être enregistré dans «&#xa0;%1&#xa0;»&#xa0;: %2

%3 Le fichier sur le disque n&apos;a pas changé.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="98"/>
        <source>Your changes are still here.</source>
        <translation>Vos modifications sont toujours là.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="99"/>
        <source>Dialstack stays open so that your changes are not lost.</source>
        <translation>Dialstack reste ouvert pour que vos modifications ne soient pas perdues.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="100"/>
        <source>Your changes are still here; nothing was synced.</source>
        <translation>Vos modifications sont toujours là&#xa0;; rien n&apos;a été synchronisé.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="101"/>
        <source>The directory was saved to &quot;%1&quot;; %2</source>
        <translation>L&apos;annuaire a été enregistré dans «&#xa0;%1&#xa0;»&#xa0;; %2</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="103"/>
        <source>The directory file &quot;%1&quot; has been changed by another program since Dialstack loaded or saved it.

Replace it with the directory shown here? The other program&apos;s changes would be lost.</source>
        <translation>Le fichier de l&apos;annuaire «&#xa0;%1&#xa0;» a été modifié par un autre programme depuis que Dialstack l&apos;a chargé ou enregistré.

Le remplacer par l&apos;annuaire affiché ici&#xa0;? Les modifications de l&apos;autre programme seraient perdues.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="109"/>
        <source>The directory file &quot;%1&quot; could not be read completely. %2

Saving now would replace the file with what is shown.</source>
        <translation>Le fichier de l&apos;annuaire «&#xa0;%1&#xa0;» n&apos;a pas pu être lu entièrement. %2

Enregistrer maintenant remplacerait le fichier par ce qui est affiché.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="113"/>
        <source>The directory file &quot;%1&quot; could not be opened: %2 %3

Saving now would replace the file with what is shown.</source>
        <translation>Le fichier de l&apos;annuaire «&#xa0;%1&#xa0;» n&apos;a pas pu être ouvert&#xa0;: %2 %3

Enregistrer maintenant remplacerait le fichier par ce qui est affiché.</translation>
    </message>
    <message numerus="yes">
        <location filename="../res/ResourceTable.cpp" line="116"/>
        <source>%n record was read and is shown.</source>
        <translation>
            <numerusform>%n fiche a été lue et est affichée.</numerusform>
            <numerusform>%n fiches ont été lues et sont affichées.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="120"/>
        <source>The directory could not be printed: %1

Nothing in the directory has changed.</source>
        <translation>L&apos;annuaire n&apos;a pas pu être imprimé&#xa0;: %1

Rien n&apos;a changé dans l&apos;annuaire.</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="167"/>
        <source>Set Up Sync</source>
        <translation>Configurer la synchronisation</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="168"/>
        <source>Sync Settings</source>
        <translation>Options de synchronisation</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="118"/>
        <source>&amp;Server address:</source>
        <translation>Adresse du &amp;serveur :</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="120"/>
        <source>&amp;User name:</source>
        <translation>Nom d&apos;&amp;utilisateur :</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="122"/>
        <source>&amp;Password:</source>
        <translation>Mot de &amp;passe :</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="124"/>
        <source>&amp;Connect</source>
        <translation>Se &amp;connecter</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="125"/>
        <source>&amp;Address books:</source>
        <translation>C&amp;arnets d&apos;adresses :</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="129"/>
        <source>Type the address of your CardDAV server (your provider&apos;s help names it), your user name and your password, then press Connect.</source>
        <translation>Saisissez l&apos;adresse de votre serveur CardDAV (l&apos;aide de votre fournisseur l&apos;indique), votre nom d&apos;utilisateur et votre mot de passe, puis cliquez sur « Se connecter ».</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="136"/>
        <source>Stop S&amp;yncing</source>
        <translation>Arrêter la s&amp;ynchronisation</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="137"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="146"/>
        <source>Sync Password</source>
        <translation>Mot de passe de la synchronisation</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="148"/>
        <source>Password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="151"/>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="9"/>
        <source>Set &amp;Up Sync…</source>
        <translation>&amp;Configurer la synchronisation…</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="10"/>
        <source>Sync Se&amp;ttings…</source>
        <translation>&amp;Options de synchronisation…</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="13"/>
        <source>The directory and the address book are in step: %1 here, %2 in the address book.</source>
        <translation>L&apos;annuaire et le carnet d&apos;adresses sont à jour : %1 ici, %2 dans le carnet d&apos;adresses.</translation>
    </message>
    <message numerus="yes">
        <location filename="../res/SyncStringTable.cpp" line="15"/>
        <source>%n change</source>
        <translation>
            <numerusform>%n modification</numerusform>
            <numerusform>%n modifications</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="17"/>
        <source>Type the server&apos;s address, your user name and your password first.</source>
        <translation>Saisissez d&apos;abord l&apos;adresse du serveur, votre nom d&apos;utilisateur et votre mot de passe.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="18"/>
        <source>Looking for your address books on the server…</source>
        <translation>Recherche de vos carnets d&apos;adresses sur le serveur…</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="20"/>
        <source>The server holds several address books for %1. Pick the one to sync with, then press Connect again.</source>
        <translation>Le serveur contient plusieurs carnets d&apos;adresses pour %1. Choisissez celui à synchroniser, puis cliquez de nouveau sur « Se connecter ».</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="24"/>
        <source>%1 refused the password of %2. Check the user name and the password, then press Connect again.</source>
        <translation>%1 a refusé le mot de passe de %2. Vérifiez le nom d&apos;utilisateur et le mot de passe, puis cliquez de nouveau sur « Se connecter ».</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="27"/>
        <source>No address book was found at %1 for %2. Check the server&apos;s address (your provider&apos;s help names it), then press Connect again.</source>
        <translation>Aucun carnet d&apos;adresses n&apos;a été trouvé à %1 pour %2. Vérifiez l&apos;adresse du serveur (l&apos;aide de votre fournisseur l&apos;indique), puis cliquez de nouveau sur « Se connecter ».</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="31"/>
        <source>The server could not be reached or did not answer as expected:
%1</source>
        <translation>Le serveur est injoignable ou n&apos;a pas répondu comme prévu :
%1</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="33"/>
        <source>The directory and the address book are in step. Your password is kept in your desktop&apos;s keyring.</source>
        <translation>L&apos;annuaire et le carnet d&apos;adresses sont à jour. Votre mot de passe est conservé dans le trousseau de votre bureau.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="36"/>
        <source>The directory and the address book are in step. Your password is kept in the file %1, which only you can read.</source>
        <translation>L&apos;annuaire et le carnet d&apos;adresses sont à jour. Votre mot de passe est conservé dans le fichier %1, que vous seul pouvez lire.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="40"/>
        <source>The directory and the address book are in step. Your password could not be kept, so the sync will ask for it again.</source>
        <translation>L&apos;annuaire et le carnet d&apos;adresses sont à jour. Votre mot de passe n&apos;a pas pu être conservé : la synchronisation vous le redemandera.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="44"/>
        <source>Sync every quarter of an hour from now on, while you are logged in?</source>
        <translation>Synchroniser désormais tous les quarts d&apos;heure, tant que vous êtes connecté ?</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="45"/>
        <source>Sync &amp;every quarter hour</source>
        <translation>&amp;Tous les quarts d&apos;heure</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="46"/>
        <source>&amp;Not now</source>
        <translation>&amp;Pas maintenant</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="48"/>
        <source>From now on the directory is synced every quarter of an hour.</source>
        <translation>L&apos;annuaire sera désormais synchronisé tous les quarts d&apos;heure.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="50"/>
        <source>This computer cannot sync every quarter of an hour on its own: that needs the systemd user manager, and none runs for you here. Use Sync Now in the window menu instead.</source>
        <translation>Cet ordinateur ne peut pas synchroniser de lui-même tous les quarts d&apos;heure : il faut pour cela le gestionnaire utilisateur de systemd, qui ne tourne pas ici pour vous. Utilisez plutôt « Synchroniser maintenant » dans le menu de la fenêtre.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="54"/>
        <source>The quarter-hourly sync could not be switched on:

%1</source>
        <translation>La synchronisation tous les quarts d&apos;heure n&apos;a pas pu être activée :

%1</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="56"/>
        <source>Stop syncing this directory with the address book?

The directory file stays as it is. The sync can also forget what it knows of this directory; setting it up again then starts afresh.</source>
        <translation>Arrêter de synchroniser cet annuaire avec le carnet d&apos;adresses ?

Le fichier de l&apos;annuaire reste tel quel. La synchronisation peut aussi oublier ce qu&apos;elle sait de cet annuaire ; une nouvelle configuration repartira alors de zéro.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="59"/>
        <source>&amp;Stop syncing</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="60"/>
        <source>Stop and &amp;forget</source>
        <translation>Arrêter et &amp;oublier</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="62"/>
        <source>The directory is no longer synced every quarter of an hour. Sync Now still syncs it when you ask.</source>
        <translation>L&apos;annuaire n&apos;est plus synchronisé tous les quarts d&apos;heure. « Synchroniser maintenant » le synchronise toujours quand vous le demandez.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="65"/>
        <source>The directory is no longer synced. Dialstack.dat stays as it is.</source>
        <translation>L&apos;annuaire n&apos;est plus synchronisé. Dialstack.dat reste tel quel.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="66"/>
        <source>The sync could not be stopped:

%1</source>
        <translation>La synchronisation n&apos;a pas pu être arrêtée :

%1</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="69"/>
        <source>%1 refused the password of %2. Type the password again:</source>
        <translation>%1 a refusé le mot de passe de %2. Saisissez de nouveau le mot de passe :</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="70"/>
        <source>The sync needs the password of %2 at %1:</source>
        <translation>La synchronisation a besoin du mot de passe de %2 sur %1 :</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="72"/>
        <source>The password file %1 is gone or others can read it, so the sync no longer uses it. Type the password; it will be kept safely:</source>
        <translation>Le fichier de mot de passe %1 a disparu ou d&apos;autres peuvent le lire ; la synchronisation ne l&apos;utilise donc plus. Saisissez le mot de passe ; il sera de nouveau conservé en lieu sûr :</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="77"/>
        <source>Names were deleted here, and %1 of the %2 cards in the address book would go with them: %3.

The sync stopped so that nothing is deleted by mistake.</source>
        <translation>Des noms ont été supprimés ici, et %1 des %2 fiches du carnet d&apos;adresses disparaîtraient avec eux : %3.

La synchronisation s&apos;est arrêtée pour que rien ne soit supprimé par erreur.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="81"/>
        <source>Cards were deleted from the address book, and %1 of the %2 names here would go with them: %3.

The sync stopped so that nothing is deleted by mistake.</source>
        <translation>Des fiches ont été supprimées du carnet d&apos;adresses, et %1 des %2 noms d&apos;ici disparaîtraient avec elles : %3.

La synchronisation s&apos;est arrêtée pour que rien ne soit supprimé par erreur.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="84"/>
        <source>&amp;Delete them there too</source>
        <translation>Les &amp;supprimer là-bas aussi</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="85"/>
        <source>&amp;Delete them here too</source>
        <translation>Les &amp;supprimer ici aussi</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="86"/>
        <source>&amp;Bring them back</source>
        <translation>Les &amp;rétablir</translation>
    </message>
    <message numerus="yes">
        <location filename="../res/SyncStringTable.cpp" line="87"/>
        <source>and %n other name</source>
        <translation>
            <numerusform>et %n autre nom</numerusform>
            <numerusform>et %n autres noms</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="91"/>
        <source>This computer does not trust the certificate of %1, so the sync stopped.

Issued to: %2
Issued by: %3
SHA-256 fingerprint: %4

Trust it only if your server&apos;s administrator gave you this fingerprint.</source>
        <translation>Cet ordinateur ne fait pas confiance au certificat de %1 ; la synchronisation s&apos;est donc arrêtée.

Délivré à : %2
Délivré par : %3
Empreinte SHA-256 : %4

Ne lui faites confiance que si l&apos;administrateur de votre serveur vous a donné cette empreinte.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="95"/>
        <source>&amp;Trust this certificate</source>
        <translation>&amp;Faire confiance à ce certificat</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="97"/>
        <source>The address book %1 is gone from the server, so the sync stopped. Choose the address book to sync with in the window that opens now.</source>
        <translation>Le carnet d&apos;adresses %1 n&apos;existe plus sur le serveur ; la synchronisation s&apos;est donc arrêtée. Choisissez le carnet à synchroniser dans la fenêtre qui s&apos;ouvre maintenant.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="102"/>
        <source>&quot;%1&quot; was changed both here and in the address book. It now holds the address book&apos;s version; this computer&apos;s version was kept as &quot;%2&quot;.
%3</source>
        <translation>« %1 » a été modifié ici et dans le carnet d&apos;adresses. L&apos;entrée contient maintenant la version du carnet ; celle de cet ordinateur a été conservée sous « %2 ».
%3</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="105"/>
        <source>%1: here &quot;%2&quot;, in the address book &quot;%3&quot;</source>
        <translation>%1 : ici « %2 », dans le carnet « %3 »</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="107"/>
        <source>&amp;Select the Copy</source>
        <translation>&amp;Sélectionner la copie</translation>
    </message>
</context>
<context>
    <name>dialstack</name>
    <message>
        <location filename="../app/StartOptions.cpp" line="13"/>
        <source>usage: dialstack [--help | --version]
Opens the telephone directory Dialstack.dat of the current directory in a
window. See dialstack(1); dialstack-convert(1) and dialstack-sync(1) work
on the same file from the command line.
</source>
        <translation>usage&#xa0;: dialstack [--help | --version]
Ouvre dans une fenêtre l&apos;annuaire Dialstack.dat du dossier courant. Voir
dialstack(1)&#x202f;; dialstack-convert(1) et dialstack-sync(1) travaillent sur le
même fichier en ligne de commande.
</translation>
    </message>
    <message>
        <location filename="../app/StartOptions.cpp" line="18"/>
        <source>this program needs a graphical desktop, but no display is set here (DISPLAY and WAYLAND_DISPLAY are empty); start it from your desktop session.</source>
        <translation>ce programme a besoin d&apos;un bureau graphique, mais aucun affichage n&apos;est défini ici (DISPLAY et WAYLAND_DISPLAY sont vides)&#x202f;; lancez-le depuis votre session de bureau.</translation>
    </message>
</context>
</TS>
