<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en">
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
        <translation>utilização: dialstack-convert export [--format vcard|csv | --spreadsheet] [--file PASTA/Dialstack.dat]
                                     [--output FICHEIRO] [--verbose]
            dialstack-convert import [--format vcard|csv] [--file PASTA/Dialstack.dat] [--verbose] FICHEIRO...
            dialstack-convert query [--file PASTA/Dialstack.dat] TEXTO
            dialstack-convert --help | --version
(&apos;-&apos; como FICHEIRO lê a entrada padrão; --format pode ser omitido quando
todos os ficheiros terminam em .vcf ou .csv; --spreadsheet escreve CSV com
&apos;;&apos; entre as células e uma marca de ordem de bytes, como as folhas de cálculo
da Alemanha, França e outros países com vírgula decimal o abrem)
</translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/QueryCommand.cpp" line="37"/>
        <source>%n record matches</source>
        <translation>
            <numerusform>%n registo corresponde</numerusform>
            <numerusform>%n registos correspondem</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="68"/>
        <source>%n record added</source>
        <translation>
            <numerusform>%n registo adicionado</numerusform>
            <numerusform>%n registos adicionados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="69"/>
        <source>%n contact skipped</source>
        <translation>
            <numerusform>%n contacto ignorado</numerusform>
            <numerusform>%n contactos ignorados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="70"/>
        <source>%n value moved to misc</source>
        <translation>
            <numerusform>%n valor movido para «diversos»</numerusform>
            <numerusform>%n valores movidos para «diversos»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="71"/>
        <source>%n character replaced</source>
        <translation>
            <numerusform>%n carácter substituído</numerusform>
            <numerusform>%n caracteres substituídos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ExportCommand.cpp" line="138"/>
        <source>%n record exported</source>
        <translation>
            <numerusform>%n registo exportado</numerusform>
            <numerusform>%n registos exportados</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="35"/>
        <source>standard input</source>
        <translation>entrada padrão</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="37"/>
        <source>%1: %2; nothing was imported</source>
        <translation>%1: %2; nada foi importado</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="44"/>
        <source>is a folder, not a contact file</source>
        <translation>é uma pasta, não um ficheiro de contactos</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="47"/>
        <source>cannot be opened</source>
        <translation>não pode ser aberto</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="47"/>
        <source>there is no such file</source>
        <translation>esse ficheiro não existe</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="75"/>
        <source>%1: could not be saved: %2; the directory file is unchanged</source>
        <translation>%1: não foi possível guardar: %2; o ficheiro da lista não foi alterado</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="78"/>
        <source>%1: could not be saved: %2; the directory file may be damaged: check it, and import again</source>
        <translation>%1: não foi possível guardar: %2; o ficheiro da lista pode estar danificado: verifique-o e importe de novo</translation>
    </message>
    <message>
        <location filename="../convert/DirectoryAccess.cpp" line="14"/>
        <source>%1: is a folder, not a directory file; nothing was converted</source>
        <translation>%1: é uma pasta, não um ficheiro da lista; nada foi convertido</translation>
    </message>
    <message>
        <location filename="../convert/DirectoryAccess.cpp" line="18"/>
        <source>%1: there is no directory file</source>
        <translation>%1: não existe nenhum ficheiro da lista</translation>
    </message>
    <message>
        <location filename="../convert/DirectoryAccess.cpp" line="46"/>
        <source>%1: %2 (close Dialstack&apos;s window on it, or wait for the other import); nothing was changed</source>
        <translation>%1: %2 (feche a janela do Dialstack que o tem aberto ou espere pela outra importação); nada foi alterado</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="78"/>
        <source>say export, import or query</source>
        <translation>indique export, import ou query</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="89"/>
        <source>unknown command &apos;%1&apos;</source>
        <translation>comando desconhecido «%1»</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="98"/>
        <source>unknown format &apos;%1&apos;</source>
        <translation>formato desconhecido «%1»</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="113"/>
        <source>--spreadsheet is for export</source>
        <translation>--spreadsheet é só para export</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="113"/>
        <source>--output is for export</source>
        <translation>--output é só para export</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="127"/>
        <source>query needs one TEXT to look for</source>
        <translation>query precisa de um TEXTO a procurar</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="129"/>
        <source>query takes no --format or --verbose</source>
        <translation>query não aceita --format nem --verbose</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="136"/>
        <source>export takes no file arguments (use --output)</source>
        <translation>export não aceita ficheiros como argumentos (use --output)</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="138"/>
        <source>--output names the directory file itself</source>
        <translation>--output indica o próprio ficheiro da lista</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="141"/>
        <source>--spreadsheet writes CSV, not --format vcard</source>
        <translation>--spreadsheet escreve CSV, não --format vcard</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="148"/>
        <source>--format vcard or --format csv is needed (or an --output FILE ending in .vcf or .csv)</source>
        <translation>é preciso --format vcard ou --format csv (ou um --output FICHEIRO terminado em .vcf ou .csv)</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="156"/>
        <source>import needs at least one file (&apos;-&apos; for standard input)</source>
        <translation>import precisa de pelo menos um ficheiro (&apos;-&apos; para a entrada padrão)</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="164"/>
        <source>--format vcard or --format csv is needed (&apos;%1&apos; does not end in .vcf or .csv)</source>
        <translation>é preciso --format vcard ou --format csv («%1» não termina em .vcf nem em .csv)</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="179"/>
        <source>ran out of memory; nothing was changed</source>
        <translation>memória esgotada; nada foi alterado</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="182"/>
        <source>a file holds a field too long to be held (%1); nothing was changed</source>
        <translation>um ficheiro contém um campo demasiado longo (%1); nada foi alterado</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="184"/>
        <source>stopped: %1; nothing was changed</source>
        <translation>interrompido: %1; nada foi alterado</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="192"/>
        <source>--file needs a file name</source>
        <translation>--file precisa de um nome de ficheiro</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="56"/>
        <location filename="../convert/ImportCommand.cpp" line="59"/>
        <source>cannot be read as %1: %2</source>
        <translation>não pode ser lido como %1: %2</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="91"/>
        <source>%1: could not be written</source>
        <translation>%1: não foi possível escrever</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="98"/>
        <source>could not write to standard output</source>
        <translation>não foi possível escrever na saída padrão</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="111"/>
        <source>%1: could not be written: %2</source>
        <translation>%1: não foi possível escrever: %2</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="112"/>
        <source>%1: could not be written: %2; the file that was there is no longer as it was</source>
        <translation>%1: não foi possível escrever: %2; o ficheiro que lá estava já não está como estava</translation>
    </message>
    <message>
        <location filename="../convert/DirectoryAccess.cpp" line="26"/>
        <source>%1: the directory file could not be opened: %2; nothing was converted</source>
        <translation>%1: não foi possível abrir o ficheiro da lista: %2; nada foi convertido</translation>
    </message>
    <message>
        <location filename="../convert/DirectoryAccess.cpp" line="30"/>
        <source>%1: the directory file could not be read completely; nothing was converted</source>
        <translation>%1: não foi possível ler todo o ficheiro da lista; nada foi convertido</translation>
    </message>
    <message>
        <location filename="../convert/VCardReader.cpp" line="87"/>
        <source>it holds no vCard (no BEGIN:VCARD line)</source>
        <translation>não contém nenhum vCard (nenhuma linha BEGIN:VCARD)</translation>
    </message>
    <message>
        <location filename="../convert/VCardReader.cpp" line="40"/>
        <source>END (the vCard was cut off)</source>
        <translation>END (o vCard estava cortado)</translation>
    </message>
    <message>
        <location filename="../convert/VCardReader.cpp" line="50"/>
        <source>a line that is no vCard property: &quot;%1&quot;</source>
        <translation>uma linha que não é uma propriedade vCard: «%1»</translation>
    </message>
    <message>
        <location filename="../convert/CsvReader.cpp" line="155"/>
        <source>its header row is longer than %1 KiB</source>
        <translation>a sua linha de cabeçalho excede %1 KiB</translation>
    </message>
    <message>
        <location filename="../convert/CsvReader.cpp" line="163"/>
        <source>it has no header row</source>
        <translation>não tem linha de cabeçalho</translation>
    </message>
    <message>
        <location filename="../convert/InputText.cpp" line="22"/>
        <source>UTF-8, Windows-1252, UTF-16 with a byte-order mark and vCards in UTF-16 without one are read</source>
        <translation>são lidos UTF-8, Windows-1252, UTF-16 com marca de ordem de bytes e vCards em UTF-16 mesmo sem ela</translation>
    </message>
    <message>
        <location filename="../convert/InputText.cpp" line="69"/>
        <source>it could not be read to its end</source>
        <translation>não foi possível lê-lo até ao fim</translation>
    </message>
    <message>
        <location filename="../convert/InputText.cpp" line="81"/>
        <source>it is in UTF-32, which is not read (%1)</source>
        <translation>está em UTF-32, que não é lido (%1)</translation>
    </message>
    <message>
        <location filename="../convert/InputText.cpp" line="91"/>
        <source>it holds zero bytes, as UTF-16 or UTF-32 without a byte-order mark would; that is not read (%1)</source>
        <translation>contém bytes nulos, como UTF-16 ou UTF-32 sem marca de ordem de bytes; isso não é lido (%1)</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="38"/>
        <source>%1: skipped, %2</source>
        <translation>%1: ignorado porque %2</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="46"/>
        <source>%1: moved to misc: %2</source>
        <translation>%1: movido para «diversos»: %2</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="54"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="62"/>
        <source>%1: left out: %2</source>
        <translation>%1: deixado de fora: %2</translation>
    </message>
    <message>
        <location filename="../convert/RecordImporter.cpp" line="25"/>
        <source>it holds more than %1 KiB of text</source>
        <translation>contém mais de %1 KiB de texto</translation>
    </message>
    <message>
        <location filename="../convert/RecordImporter.cpp" line="61"/>
        <source>%1, contact %2</source>
        <translation>%1, contacto %2</translation>
    </message>
    <message>
        <location filename="../convert/RecordImporter.cpp" line="69"/>
        <source>it has no name</source>
        <translation>não tem nome</translation>
    </message>
    <message>
        <location filename="../convert/RecordImporter.cpp" line="91"/>
        <source>&quot;%1&quot; (%2)</source>
        <translation>«%1» (%2)</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="97"/>
        <source>%1: its last record has no name, and adding records would overwrite it; give it a name in Dialstack first. Nothing was imported</source>
        <translation>%1: o último registo não tem nome, e acrescentar registos iria sobrescrevê-lo; dê-lhe primeiro um nome no Dialstack. Nada foi importado</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="118"/>
        <source>%1: written, but %2</source>
        <translation>%1: escrito, mas %2</translation>
    </message>
    <message>
        <location filename="../convert/PrintableText.cpp" line="45"/>
        <source>... (%1 bytes in all)</source>
        <translation>... (%1 bytes no total)</translation>
    </message>
    <message>
        <location filename="../vcard/VCardMapper.cpp" line="143"/>
        <source>%1 = %2... (%3 bytes in all)</source>
        <translation>%1 = %2... (%3 bytes no total)</translation>
    </message>
    <message>
        <location filename="../vcard/VCardMapper.cpp" line="164"/>
        <source>AGENT (the vCard of another person inside this one)</source>
        <translation>AGENT (o vCard de outra pessoa dentro deste)</translation>
    </message>
    <message>
        <location filename="../vcard/VCardMapper.cpp" line="170"/>
        <source>%1 (binary data, %2 bytes)</source>
        <translation>%1 (dados binários, %2 bytes)</translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="31"/>
        <source>%n character of the name replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carácter do nome substituído por «?»</numerusform>
            <numerusform>%n caracteres do nome substituídos por «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="32"/>
        <source>%n character of the phone replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carácter do telefone substituído por «?»</numerusform>
            <numerusform>%n caracteres do telefone substituídos por «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="33"/>
        <source>%n character of the pager replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carácter do pager substituído por «?»</numerusform>
            <numerusform>%n caracteres do pager substituídos por «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="34"/>
        <source>%n character of the e-mail replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carácter do e-mail substituído por «?»</numerusform>
            <numerusform>%n caracteres do e-mail substituídos por «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="35"/>
        <source>%n character of the misc replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carácter de «diversos» substituído por «?»</numerusform>
            <numerusform>%n caracteres de «diversos» substituídos por «?»</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="72"/>
        <source>%1: could not be saved: %2; nothing was imported</source>
        <translation>%1: não foi possível guardar: %2; nada foi importado</translation>
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
        <translation>utilização: dialstack-sync [--file PASTA/Dialstack.dat] [--url URL] [--user NOME] [--password-file FICHEIRO]
                           [--certificate FICHEIRO] [--timeout SEGUNDOS] [--dry-run] [--force] [--verbose]
            dialstack-sync --help | --version
Mantém o ficheiro da lista e o seu livro de endereços CardDAV a par. A
primeira execução precisa de --url; o URL, o utilizador, o ficheiro da
palavra-passe e o certificado ficam memorizados para esse ficheiro da lista.
A palavra-passe vem de --password-file, senão do porta-chaves, senão do
ficheiro da palavra-passe memorizado quando o porta-chaves não a pôde guardar,
senão é pedida no terminal.
Estado de saída: 0 a par; 1 falhou (nada perdido); 2 utilização incorreta;
3 ocupado (uma janela com alterações por guardar ou outro programa tem a
lista: a próxima execução tenta de novo); 4 precisa de si (a sincronização
apagaria demasiado, a palavra-passe foi recusada ou o livro de endereços
desapareceu).
</translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/SyncReport.cpp" line="20"/>
        <source>%n added</source>
        <translation>
            <numerusform>%n adicionado</numerusform>
            <numerusform>%n adicionados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/SyncReport.cpp" line="20"/>
        <source>%n changed</source>
        <translation>
            <numerusform>%n alterado</numerusform>
            <numerusform>%n alterados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/SyncReport.cpp" line="21"/>
        <source>%n deleted</source>
        <translation>
            <numerusform>%n apagado</numerusform>
            <numerusform>%n apagados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/SyncReport.cpp" line="83"/>
        <source>%n conflict kept as a copy</source>
        <translation>
            <numerusform>%n conflito guardado como cópia</numerusform>
            <numerusform>%n conflitos guardados como cópias</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="87"/>
        <source>Here: %1; on the server: %2; %3</source>
        <translation>Aqui: %1; no servidor: %2; %3</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="85"/>
        <source>Dry run, nothing changed. Would do here: %1; on the server: %2; %3</source>
        <translation>Ensaio, nada alterado. Faria aqui: %1; no servidor: %2; %3</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="26"/>
        <source>added here: %1</source>
        <translation>adicionado aqui: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="26"/>
        <source>changed here: %1</source>
        <translation>alterado aqui: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="27"/>
        <source>deleted here: %1</source>
        <translation>apagado aqui: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="28"/>
        <source>added on the server: %1</source>
        <translation>adicionado no servidor: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="29"/>
        <source>changed on the server: %1</source>
        <translation>alterado no servidor: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="30"/>
        <source>deleted on the server: %1</source>
        <translation>apagado no servidor: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="31"/>
        <source>would add here: %1</source>
        <translation>seria adicionado aqui: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="32"/>
        <source>would change here: %1</source>
        <translation>seria alterado aqui: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="33"/>
        <source>would delete here: %1</source>
        <translation>seria apagado aqui: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="34"/>
        <source>would add on the server: %1</source>
        <translation>seria adicionado no servidor: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="35"/>
        <source>would change on the server: %1</source>
        <translation>seria alterado no servidor: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="36"/>
        <source>would delete on the server: %1</source>
        <translation>seria apagado no servidor: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="57"/>
        <source>kept both versions of a record changed on both sides: the server&apos;s, and this machine&apos;s as %1</source>
        <translation>mantidas as duas versões de um registo alterado dos dois lados: a do servidor, e a deste computador como %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="54"/>
        <source>would keep both versions of a record changed on both sides: the server&apos;s, and this machine&apos;s as %1</source>
        <translation>seriam mantidas as duas versões de um registo alterado dos dois lados: a do servidor, e a deste computador como %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="178"/>
        <location filename="../sync/SyncCommand.cpp" line="185"/>
        <source>%1: the password file cannot be read</source>
        <translation>%1: o ficheiro da palavra-passe não pode ser lido</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="180"/>
        <source>%1: others can read this password file; make it yours alone (chmod 600 %1) and run again</source>
        <translation>%1: outros podem ler este ficheiro da palavra-passe; torne-o só seu (chmod 600 %1) e execute de novo</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="196"/>
        <source>Password for %1 at %2: </source>
        <translation>Palavra-passe de %1 em %2: </translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="259"/>
        <source>%1: a Dialstack window has unsaved changes in it, or another program is changing it. Nothing was synced; the next sync after you save takes the window&apos;s changes</source>
        <translation>%1: uma janela do Dialstack tem alterações por guardar, ou outro programa está a alterá-lo. Nada foi sincronizado; a próxima sincronização depois de guardar leva as alterações da janela</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="342"/>
        <source>stopped by %1; what was synced is kept, and the next sync goes on from there</source>
        <translation>interrompido por %1; o que já foi sincronizado fica guardado, e a próxima sincronização continua a partir daí</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="461"/>
        <source>no password for %1: the keyring has none; give --password-file FILE</source>
        <translation>sem palavra-passe para %1: o porta-chaves não tem nenhuma; indique --password-file FICHEIRO</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="523"/>
        <source>no address book found at %1 for %2; create one on the server (in its web page, or with your phone&apos;s contacts app), then sync again</source>
        <translation>nenhum livro de endereços encontrado em %1 para %2; crie um no servidor (na sua página web ou com a aplicação de contactos do telemóvel) e sincronize de novo</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="525"/>
        <source>this user</source>
        <translation>este utilizador</translation>
    </message>
    <message>
        <location filename="../sync/DesktopNotifier.cpp" line="51"/>
        <location filename="../sync/SyncCommand.cpp" line="578"/>
        <source>To settle it, run: %1</source>
        <translation>Para resolver, execute: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="124"/>
        <source>a password is never taken on the command line: use --password-file FILE, or the keyring</source>
        <translation>uma palavra-passe nunca é aceite na linha de comandos: use --password-file FICHEIRO, ou o porta-chaves</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="126"/>
        <source>unexpected argument: %1</source>
        <translation>argumento inesperado: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="129"/>
        <source>--%1 given more than once</source>
        <translation>--%1 indicado mais de uma vez</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="140"/>
        <source>--timeout needs a number of seconds from 1 to 3600</source>
        <translation>--timeout precisa de um número de segundos de 1 a 3600</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="215"/>
        <source>--url needs an http:// or https:// address, not %1</source>
        <translation>--url precisa de um endereço http:// ou https://, não %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="218"/>
        <source>give the user name with --user, not inside the URL</source>
        <translation>indique o nome de utilizador com --user, não dentro do URL</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="406"/>
        <source>the first sync of %1 needs --url (the address book or the server)</source>
        <translation>a primeira sincronização de %1 precisa de --url (o livro de endereços ou o servidor)</translation>
    </message>
    <message>
        <location filename="../sync/HttpSession.cpp" line="179"/>
        <source>%1 did not answer within %2 s</source>
        <translation>%1 não respondeu em %2 s</translation>
    </message>
    <message>
        <location filename="../sync/CardDavClient.cpp" line="56"/>
        <source>%1 refused the user name or password</source>
        <translation>%1 recusou o nome de utilizador ou a palavra-passe</translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="366"/>
        <source>%1 of the %2 records here (%3)</source>
        <translation>%1 dos %2 registos daqui (%3)</translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="368"/>
        <source>%1 of the %2 cards on the server (%3)</source>
        <translation>%1 dos %2 cartões no servidor (%3)</translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="372"/>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="370"/>
        <source>this sync would delete %1; nothing was changed. If that is what you want, run it again with --force</source>
        <translation>esta sincronização apagaria %1; nada foi alterado. Se é isso que quer, execute-a de novo com --force</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="273"/>
        <source>%1: the directory file could not be read completely; nothing was synced</source>
        <translation>%1: não foi possível ler todo o ficheiro da lista; nada foi sincronizado</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="381"/>
        <source>%1: the folder %2 does not exist; nothing was synced</source>
        <translation>%1: a pasta %2 não existe; nada foi sincronizado</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="383"/>
        <source>%1: the folder %2 is read-only, so the directory file cannot be saved there; nothing was synced</source>
        <translation>%1: a pasta %2 é só de leitura, por isso o ficheiro da lista não pode ser guardado lá; nada foi sincronizado</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="387"/>
        <source>%1: is a folder, not a directory file; nothing was synced</source>
        <translation>%1: é uma pasta, não um ficheiro da lista; nada foi sincronizado</translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="420"/>
        <source>%1: could not be saved: %2; the directory file is unchanged</source>
        <translation>%1: não foi possível guardar: %2; o ficheiro da lista não foi alterado</translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="422"/>
        <source>%1: could not be saved: %2</source>
        <translation>%1: não foi possível guardar: %2</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="280"/>
        <source>stopped by %1</source>
        <translation>interrompido por %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="290"/>
        <source>the address book is at %1, on another server than %2; remove %3 and give the address book with --url</source>
        <translation>o livro de endereços está em %1, um servidor diferente de %2; remova %3 e indique o livro de endereços com --url</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="308"/>
        <source>%1 --dry-run --verbose   (then %1 --force, if that is what you want)</source>
        <translation>%1 --dry-run --verbose   (depois %1 --force, se é isso que quer)</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="348"/>
        <source>%1 --password-file FILE   (FILE: the new password, chmod 600)</source>
        <translation>%1 --password-file FICHEIRO   (FICHEIRO: a nova palavra-passe, chmod 600)</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="472"/>
        <source>%1 --password-file FILE</source>
        <translation>%1 --password-file FICHEIRO</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="361"/>
        <source>the address book %1 is gone from the server; nothing was changed here</source>
        <translation>o livro de endereços %1 desapareceu do servidor; nada foi alterado aqui</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="362"/>
        <source>rm %1; %2 --url URL-OF-THE-ADDRESS-BOOK</source>
        <translation>rm %1; %2 --url URL-DO-LIVRO-DE-ENDEREÇOS</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="400"/>
        <source>%1 is synced with %2; to sync it with another address book, first remove %3</source>
        <translation>%1 está sincronizado com %2; para o sincronizar com outro livro de endereços, remova primeiro %3</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="413"/>
        <source>a password is never sent over plain http:// except to this machine; use https:// for %1</source>
        <translation>uma palavra-passe nunca é enviada por http:// sem cifra, exceto para este computador; use https:// para %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="429"/>
        <source>%1: holds no certificate (PEM) that can be read</source>
        <translation>%1: não contém nenhum certificado (PEM) legível</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="430"/>
        <source>%1: the certificate remembered for this server cannot be read; give it again with --certificate FILE</source>
        <translation>%1: o certificado memorizado para este servidor não pode ser lido; indique-o de novo com --certificate FICHEIRO</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="503"/>
        <source>The password could not be kept in the keyring (none is running); from now on the file %1 is read for it. Keep it readable by you alone.</source>
        <translation>Não foi possível guardar a palavra-passe no porta-chaves (nenhum está em execução); a partir de agora é lida do ficheiro %1. Mantenha-o legível só por si.</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="527"/>
        <source>the server has several address books; run again with --url and one of them:</source>
        <translation>o servidor tem vários livros de endereços; execute de novo com --url e um deles:</translation>
    </message>
    <message>
        <location filename="../sync/HttpSession.cpp" line="111"/>
        <source>%1 sent this program to %2, another server; it only talks to the server it was given. If that one is right, give it with --url</source>
        <translation>%1 reencaminhou este programa para %2, outro servidor; ele só fala com o servidor que lhe foi indicado. Se esse for o certo, indique-o com --url</translation>
    </message>
    <message>
        <location filename="../sync/HttpSession.cpp" line="181"/>
        <source>the certificate of %1 is not trusted (%2); if it is your own server&apos;s, give its certificate with --certificate FILE</source>
        <translation>o certificado de %1 não é de confiança (%2); se for o do seu próprio servidor, indique o certificado com --certificate FICHEIRO</translation>
    </message>
    <message>
        <location filename="../sync/CardDavClient.cpp" line="57"/>
        <source>%1: the server does not allow this (403 Forbidden)</source>
        <translation>%1: o servidor não o permite (403 Forbidden)</translation>
    </message>
    <message>
        <location filename="../sync/CardDavClient.cpp" line="58"/>
        <source>%1: not found on the server (404)</source>
        <translation>%1: não encontrado no servidor (404)</translation>
    </message>
    <message>
        <location filename="../sync/CardDavClient.cpp" line="59"/>
        <source>%1: the server answered %2</source>
        <translation>%1: o servidor respondeu %2</translation>
    </message>
    <message>
        <location filename="../sync/CardDavClient.cpp" line="65"/>
        <source>%1 sent a reply that could not be read: %2</source>
        <translation>%1 enviou uma resposta que não pôde ser lida: %2</translation>
    </message>
    <message>
        <location filename="../sync/CardDavClient.cpp" line="112"/>
        <source>%1 could not give the card %2 (no status); nothing was changed, run the sync again later</source>
        <translation>%1 não conseguiu fornecer o cartão %2 (sem estado); nada foi alterado, sincronize de novo mais tarde</translation>
    </message>
    <message>
        <location filename="../sync/CardDavClient.cpp" line="114"/>
        <source>%1 could not give the card %2 (status %3); nothing was changed, run the sync again later</source>
        <translation>%1 não conseguiu fornecer o cartão %2 (estado %3); nada foi alterado, sincronize de novo mais tarde</translation>
    </message>
    <message>
        <location filename="../sync/CardDavClient.cpp" line="132"/>
        <source>the server answered %1 (%2)</source>
        <translation>o servidor respondeu %1 (%2)</translation>
    </message>
    <message>
        <location filename="../sync/CardDavClient.cpp" line="135"/>
        <source>the server answered %1: %2</source>
        <translation>o servidor respondeu %1: %2</translation>
    </message>
    <message>
        <location filename="../sync/CardDavClient.cpp" line="136"/>
        <source>the server answered %1</source>
        <translation>o servidor respondeu %1</translation>
    </message>
    <message>
        <location filename="../sync/CardDavClient.cpp" line="156"/>
        <source>%1 points to another server, %2, for the address books; nothing was sent there. If that server is right, give its address book with --url</source>
        <translation>%1 remete para outro servidor, %2, para os livros de endereços; nada foi enviado para lá. Se esse servidor for o certo, indique o seu livro de endereços com --url</translation>
    </message>
    <message>
        <location filename="../sync/DavMultiStatus.cpp" line="182"/>
        <source>the reply is not a WebDAV multistatus</source>
        <translation>a resposta não é um multistatus WebDAV</translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="75"/>
        <source>the address book kept changing while this sync wrote to it; nothing was lost, run the sync again</source>
        <translation>o livro de endereços não parou de mudar enquanto esta sincronização escrevia nele; nada se perdeu, sincronize de novo</translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="246"/>
        <source>the card of %1</source>
        <translation>o cartão de %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="247"/>
        <source>the card %1</source>
        <translation>o cartão %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="249"/>
        <source>status %1</source>
        <translation>estado %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="249"/>
        <source>left out of its reply</source>
        <translation>omitido na sua resposta</translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="254"/>
        <source>%1 did not give %2 (%3); nothing was changed, run the sync again later</source>
        <translation>%1 não forneceu %2 (%3); nada foi alterado, sincronize de novo mais tarde</translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/SyncEngine.cpp" line="255"/>
        <source>%1 did not give %2 (%3) nor %n other cards; nothing was changed, run the sync again later</source>
        <translation>
            <numerusform>%1 não forneceu %2 (%3) nem %n outro cartão; nada foi alterado, sincronize de novo mais tarde</numerusform>
            <numerusform>%1 não forneceu %2 (%3) nem %n outros cartões; nada foi alterado, sincronize de novo mais tarde</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="386"/>
        <source>%1: the directory file changed on disk while syncing; nothing was changed here, run the sync again</source>
        <translation>%1: o ficheiro da lista mudou no disco durante a sincronização; nada foi alterado aqui, sincronize de novo</translation>
    </message>
    <message>
        <location filename="../sync/SyncEngine.cpp" line="410"/>
        <source>%1: its last record has no name, and adding records would overwrite it; give it a name in Dialstack first. Nothing was changed</source>
        <translation>%1: o último registo não tem nome, e adicionar registos iria sobrescrevê-lo; dê-lhe primeiro um nome no Dialstack. Nada foi alterado</translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/SyncEngine.cpp" line="501"/>
        <source>the server refused %n record: %1. Everything else was synced</source>
        <translation>
            <numerusform>o servidor recusou %n registo: %1. Tudo o resto foi sincronizado</numerusform>
            <numerusform>o servidor recusou %n registos: %1. Tudo o resto foi sincronizado</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/SyncReport.cpp" line="97"/>
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 e mais %n</numerusform>
            <numerusform>%1 e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="107"/>
        <source>%1: the sync state is damaged; remove it to sync this directory afresh</source>
        <translation>%1: o estado da sincronização está danificado; remova-o para sincronizar esta lista de raiz</translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="112"/>
        <source>%1: the sync journal could not be written</source>
        <translation>%1: não foi possível escrever o diário da sincronização</translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="222"/>
        <source>%1: the folder could not be made</source>
        <translation>%1: não foi possível criar a pasta</translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="259"/>
        <source>%1: the sync state could not be saved: %2</source>
        <translation>%1: não foi possível guardar o estado da sincronização: %2</translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="263"/>
        <source>%1: the sync state could not be made private</source>
        <translation>%1: não foi possível tornar privado o estado da sincronização</translation>
    </message>
    <message>
        <location filename="../sync/DesktopNotifier.cpp" line="52"/>
        <source>Dialstack sync needs you</source>
        <translation>A sincronização do Dialstack precisa de si</translation>
    </message>
    <message>
        <location filename="../sync/Keyring.cpp" line="53"/>
        <source>Dialstack: %1 at %2</source>
        <translation>Dialstack: %1 em %2</translation>
    </message>
</context>
<context>
    <name>Framework</name>
    <message>
        <location filename="../framework/Wnd.cpp" line="230"/>
        <source>&amp;Move</source>
        <translation>&amp;Mover</translation>
    </message>
    <message>
        <location filename="../framework/Wnd.cpp" line="236"/>
        <source>&amp;Close	Alt+F4</source>
        <translation>&amp;Fechar	Alt+F4</translation>
    </message>
    <message>
        <location filename="../framework/DataExchange.cpp" line="96"/>
        <source>Please enter a whole number.</source>
        <translation>Introduza um número inteiro.</translation>
    </message>
    <message numerus="yes">
        <location filename="../framework/DataExchange.cpp" line="109"/>
        <source>Please enter no more than %n characters.</source>
        <translation>
            <numerusform>Introduza no máximo %n carácter.</numerusform>
            <numerusform>Introduza no máximo %n caracteres.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <location filename="../data/FileReasons.cpp" line="51"/>
        <source>it is a folder, not a file</source>
        <translation>é uma pasta, não um ficheiro</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="53"/>
        <source>it is a named pipe (FIFO), not a file</source>
        <translation>é um pipe com nome (FIFO), não um ficheiro</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="55"/>
        <source>it is a device, not a file</source>
        <translation>é um dispositivo, não um ficheiro</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="57"/>
        <source>it is a socket, not a file</source>
        <translation>é um socket, não um ficheiro</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="58"/>
        <source>it is something other than a file, not a file</source>
        <translation>não é um ficheiro, mas outra coisa</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="64"/>
        <source>it is a symbolic link to a folder, not to a file</source>
        <translation>é uma ligação simbólica para uma pasta, não para um ficheiro</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="66"/>
        <source>it is a symbolic link to a named pipe (FIFO), not to a file</source>
        <translation>é uma ligação simbólica para um pipe com nome (FIFO), não para um ficheiro</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="68"/>
        <source>it is a symbolic link to a device, not to a file</source>
        <translation>é uma ligação simbólica para um dispositivo, não para um ficheiro</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="70"/>
        <source>it is a symbolic link to a socket, not to a file</source>
        <translation>é uma ligação simbólica para um socket, não para um ficheiro</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="71"/>
        <source>it is a symbolic link to something other than a file, not to a file</source>
        <translation>é uma ligação simbólica para algo que não é um ficheiro</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="77"/>
        <source>the disk is read-only</source>
        <translation>o disco é só de leitura</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="78"/>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="79"/>
        <source>the disk quota is used up</source>
        <translation>a quota de disco esgotou-se</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="80"/>
        <source>the file would be larger than this process may write</source>
        <translation>o ficheiro ficaria maior do que este processo pode escrever</translation>
    </message>
    <message>
        <location filename="../data/DirectoryLock.cpp" line="55"/>
        <source>the lock file &quot;%1&quot; could not be opened: %2</source>
        <translation>não foi possível abrir o ficheiro de bloqueio &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location filename="../data/DirectoryLock.cpp" line="67"/>
        <source>the lock file &quot;%1&quot; could not be locked: %2</source>
        <translation>não foi possível bloquear o ficheiro de bloqueio &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location filename="../data/DirectoryLock.cpp" line="70"/>
        <source>another program is changing the directory</source>
        <translation>outro programa está a alterar a lista neste momento</translation>
    </message>
    <message>
        <location filename="../data/DirectoryLock.cpp" line="72"/>
        <source>a Dialstack window has unsaved changes to the directory, or another program is changing it; once they are saved, the next sync or import takes them in</source>
        <translation>uma janela do Dialstack tem alterações por guardar na lista, ou outro programa está a alterá-la; assim que forem guardadas, a próxima sincronização ou importação inclui-as</translation>
    </message>
    <message>
        <location filename="../data/InPlaceRewrite.cpp" line="107"/>
        <source>the new contents could not be made; nothing was replaced</source>
        <translation>não foi possível criar o novo conteúdo; nada foi substituído</translation>
    </message>
    <message>
        <location filename="../data/InPlaceRewrite.cpp" line="109"/>
        <location filename="../data/InPlaceRewrite.cpp" line="111"/>
        <source>there is not enough memory to make the new contents; nothing was replaced</source>
        <translation>não há memória suficiente para criar o novo conteúdo; nada foi substituído</translation>
    </message>
    <message>
        <location filename="../data/InPlaceRewrite.cpp" line="140"/>
        <source>the folder takes no new file, so the file itself was rewritten, which failed (%1); its old contents were written back, so it is as it was</source>
        <translation>a pasta não aceita um ficheiro novo, por isso o próprio ficheiro foi reescrito, o que falhou (%1); o conteúdo antigo foi reposto, por isso está como estava</translation>
    </message>
    <message>
        <location filename="../data/InPlaceRewrite.cpp" line="143"/>
        <source>the folder takes no new file, so the file itself was rewritten, which failed (%1); its old contents could not be written back, so the file is damaged</source>
        <translation>a pasta não aceita um ficheiro novo, por isso o próprio ficheiro foi reescrito, o que falhou (%1); não foi possível repor o conteúdo antigo, por isso o ficheiro está danificado</translation>
    </message>
    <message>
        <location filename="../data/SafeFileReplace.cpp" line="54"/>
        <source>it is a symbolic link to nothing; nothing was replaced</source>
        <translation>é uma ligação simbólica que não leva a lado nenhum; nada foi substituído</translation>
    </message>
    <message>
        <location filename="../data/SafeFileReplace.cpp" line="60"/>
        <source>%1; nothing was replaced</source>
        <translation>%1; nada foi substituído</translation>
    </message>
    <message>
        <location filename="../data/SafeFileReplace.cpp" line="212"/>
        <source>the new file is in place, but it may not be on the disk yet: the folder could not be synced (%1)</source>
        <translation>o ficheiro novo está no lugar, mas pode ainda não estar no disco: não foi possível escrever a pasta no disco (%1)</translation>
    </message>
    <message>
        <location filename="../data/SafeFileReplace.cpp" line="232"/>
        <source>the folder it belongs in no longer exists</source>
        <translation>a pasta onde deve estar já não existe</translation>
    </message>
    <message>
        <location filename="../data/SafeFileReplace.cpp" line="286"/>
        <source>there is not enough memory to replace the file; nothing was replaced</source>
        <translation>não há memória suficiente para substituir o ficheiro; nada foi substituído</translation>
    </message>
    <message>
        <location filename="../data/RecordList.cpp" line="246"/>
        <source>there is not enough memory to make the file</source>
        <translation>não há memória suficiente para criar o ficheiro</translation>
    </message>
    <message>
        <location filename="../data/RecordListFile.cpp" line="166"/>
        <source>there is no directory to save</source>
        <translation>não há nenhuma lista para guardar</translation>
    </message>
    <message>
        <location filename="../printer/PrinterPort.cpp" line="44"/>
        <source>the print service (CUPS) is not running</source>
        <translation>o serviço de impressão (CUPS) não está em execução</translation>
    </message>
    <message>
        <location filename="../printer/PrinterPort.cpp" line="46"/>
        <source>no default printer is configured; choose one in the system&apos;s printer settings or with &quot;lpoptions -d PRINTER&quot;</source>
        <translation>não há nenhuma impressora predefinida configurada; escolha uma nas definições de impressoras do sistema ou com &quot;lpoptions -d IMPRESSORA&quot;</translation>
    </message>
    <message>
        <location filename="../printer/PrinterPort.cpp" line="48"/>
        <source>the default printer is not available: %1</source>
        <translation>a impressora predefinida não está disponível: %1</translation>
    </message>
    <message>
        <location filename="../printer/PrinterPort.cpp" line="154"/>
        <source>the printer refused the job: %1</source>
        <translation>a impressora recusou o trabalho: %1</translation>
    </message>
    <message>
        <location filename="../printer/PrinterPort.cpp" line="165"/>
        <source>the job could not be sent to the printer: %1</source>
        <translation>não foi possível enviar o trabalho para a impressora: %1</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="21"/>
        <source>permission denied</source>
        <translation>permissão negada</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="22"/>
        <source>operation not permitted</source>
        <translation>operação não permitida</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="23"/>
        <source>no such file or directory</source>
        <translation>o ficheiro ou pasta não existe</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="24"/>
        <source>not a directory</source>
        <translation>uma parte do caminho não é uma pasta</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="25"/>
        <source>is a directory</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="26"/>
        <source>too many levels of symbolic links</source>
        <translation>demasiados níveis de ligações simbólicas</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="27"/>
        <source>file name too long</source>
        <translation>nome de ficheiro demasiado longo</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="28"/>
        <source>input/output error</source>
        <translation>erro de entrada/saída</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="29"/>
        <source>device or resource busy</source>
        <translation>dispositivo ou recurso ocupado</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="30"/>
        <source>text file busy</source>
        <translation>o ficheiro está em execução como programa</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="31"/>
        <source>cannot allocate memory</source>
        <translation>memória insuficiente</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="32"/>
        <source>too many open files</source>
        <translation>demasiados ficheiros abertos</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="33"/>
        <source>too many open files in system</source>
        <translation>demasiados ficheiros abertos no sistema</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="34"/>
        <source>no locks available</source>
        <translation>não há bloqueios disponíveis</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="35"/>
        <source>stale file handle</source>
        <translation>referência de ficheiro obsoleta</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="36"/>
        <source>no such device or address</source>
        <translation>o dispositivo ou endereço não existe</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="37"/>
        <source>invalid cross-device link</source>
        <translation>ligação entre dispositivos inválida</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="38"/>
        <source>invalid argument</source>
        <translation>argumento inválido</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="39"/>
        <source>transport endpoint is not connected</source>
        <translation>a ligação ao sistema de ficheiros foi interrompida</translation>
    </message>
    <message>
        <location filename="../data/FileReasons.cpp" line="40"/>
        <source>connection timed out</source>
        <translation>a ligação excedeu o tempo limite</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="19"/>
        <source>About Quillaven Dialstack</source>
        <translation>Acerca do Quillaven Dialstack</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="23"/>
        <source>Dialstack icon</source>
        <translation>Ícone do Dialstack</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="24"/>
        <source>Quillaven Dialstack Version 2.0</source>
        <translation>Quillaven Dialstack versão 2.0</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="26"/>
        <source>Made in Quillaven for every desk.</source>
        <translation>Feito em Quillaven para todas as secretárias.</translation>
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
        <translation>O Dialstack guarda os nomes, telefones, pagers, endereços de e-mail e notas das pessoas a quem liga, no ficheiro Dialstack.dat da pasta onde o inicia.</translation>
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
        <translation>Adicionar</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="46"/>
        <source>Save Now</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="47"/>
        <source>Delete Name</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="48"/>
        <source>Undo Changes</source>
        <translation>Anular</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="49"/>
        <source>Edit Name</source>
        <translation>Editar</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="50"/>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="51"/>
        <source>Save / Quit</source>
        <translation>Guardar/Sair</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="52"/>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="55"/>
        <source>Names</source>
        <translation>Nomes</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="56"/>
        <source>Details</source>
        <translation>Detalhes</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="57"/>
        <location filename="../res/ResourceTable.cpp" line="87"/>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="58"/>
        <location filename="../res/ResourceTable.cpp" line="86"/>
        <source>Pager</source>
        <translation>Pager</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="59"/>
        <location filename="../res/ResourceTable.cpp" line="85"/>
        <source>Phone</source>
        <translation>Tel.</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="60"/>
        <location filename="../res/DialogTemplates.cpp" line="74"/>
        <location filename="../res/ResourceTable.cpp" line="88"/>
        <source>Misc.</source>
        <translation>Notas</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="117"/>
        <source>Add Record</source>
        <translation>Adicionar registo</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="118"/>
        <source>Edit Item</source>
        <translation>Editar registo</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="70"/>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="71"/>
        <source>Phone Number</source>
        <translation>Telefone</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="72"/>
        <source>Pager Number</source>
        <translation>Pager</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="73"/>
        <source>Email Address</source>
        <translation>Email</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="84"/>
        <location filename="../res/DialogTemplates.cpp" line="106"/>
        <location filename="../res/ResourceTable.cpp" line="52"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="101"/>
        <source>Find</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="103"/>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Procurar:</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="104"/>
        <source>Find what</source>
        <translation>Texto a procurar</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="105"/>
        <source>Find Next</source>
        <translation>Seguinte</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="31"/>
        <source>&amp;About Dialstack2...</source>
        <translation>&amp;Acerca do Dialstack2...</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="33"/>
        <source>&amp;Find…</source>
        <translation>&amp;Procurar…</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="234"/>
        <source>Dialstack Help</source>
        <translation>Ajuda do Dialstack</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="34"/>
        <source>Sync &amp;Now</source>
        <translation>&amp;Sincronizar agora</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="37"/>
        <source>Your changes to the directory are not saved yet.

Save them before you leave?</source>
        <translation>As suas alterações à lista ainda não foram guardadas.

Guardá-las antes de sair?</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="39"/>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="40"/>
        <source>&amp;Leave without saving</source>
        <translation>Sair &amp;sem guardar</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="41"/>
        <source>S&amp;tay</source>
        <translation>&amp;Ficar</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="43"/>
        <source>Another program (dialstack-sync or dialstack-convert import) is changing the directory file right now, so nothing was changed here.

Try again in a moment: the window then shows what that program wrote.</source>
        <translation>Outro programa (dialstack-sync ou dialstack-convert import) está a alterar o ficheiro da lista neste momento, por isso nada foi alterado aqui.

Tente novamente daqui a pouco: a janela mostrará então o que esse programa escreveu.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="48"/>
        <source>Your changes are not saved yet. The sync takes the directory as saved.

Save your changes and sync?</source>
        <translation>As suas alterações ainda não foram guardadas. A sincronização usa a lista tal como está guardada.

Guardar as alterações e sincronizar?</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="51"/>
        <source>&amp;Save and sync</source>
        <translation>&amp;Guardar e sincronizar</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="53"/>
        <source>Syncing the directory with the address book…</source>
        <translation>A sincronizar a lista com o livro de endereços…</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="55"/>
        <source>The sync program dialstack-sync was found neither beside Dialstack nor on the PATH.

Install it with Dialstack, then try again.</source>
        <translation>O programa de sincronização dialstack-sync não foi encontrado, nem junto do Dialstack nem no PATH.

Instale-o com o Dialstack e tente novamente.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="58"/>
        <source>The sync program %1 could not be started: %2</source>
        <translation>Não foi possível iniciar o programa de sincronização %1: %2</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="59"/>
        <source>The directory and the address book are in step.</source>
        <translation>A lista e o livro de endereços estão em dia.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="61"/>
        <source>The sync did not finish:

%1

Check the network and the server, then try again. What was synced stays; the next sync does the rest.</source>
        <translation>A sincronização não terminou:

%1

Verifique a rede e o servidor e tente novamente. O que já foi sincronizado mantém-se; a próxima sincronização faz o resto.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="65"/>
        <source>The sync of this directory is not set up as expected:

%1

Set it up again in a terminal (see &quot;man dialstack-sync&quot;).</source>
        <translation>A sincronização desta lista não está configurada como esperado:

%1

Configure-a de novo num terminal (consulte &quot;man dialstack-sync&quot;).</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="68"/>
        <source>The sync cannot run now:

%1

Try again in a moment.</source>
        <translation>A sincronização não pode ser feita agora:

%1

Tente novamente daqui a pouco.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="70"/>
        <source>The sync stopped because it needs you:

%1

Run dialstack-sync --file &quot;%2&quot; in a terminal to settle it.</source>
        <translation>A sincronização parou porque precisa de si:

%1

Execute dialstack-sync --file &quot;%2&quot; num terminal para resolver a situação.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="74"/>
        <source>The sync was cancelled. What it had finished stays; the next sync does the rest.</source>
        <translation>A sincronização foi cancelada. O que já tinha terminado mantém-se; a próxima sincronização faz o resto.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="77"/>
        <source>The sync program ended unexpectedly.

%1

Try again; if it happens again, run dialstack-sync --file &quot;%2&quot; in a terminal to see why.</source>
        <translation>O programa de sincronização terminou inesperadamente.

%1

Tente novamente; se voltar a acontecer, execute dialstack-sync --file &quot;%2&quot; num terminal para ver porquê.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="80"/>
        <source>Only the selected record matches &quot;%1&quot;.</source>
        <translation>Só o registo selecionado corresponde a &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="81"/>
        <source>Nothing in the directory matches &quot;%1&quot;.</source>
        <translation>Nada na lista corresponde a &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="82"/>
        <source>You must specify a name!</source>
        <translation>Tem de indicar um nome!</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="91"/>
        <source>unknown error</source>
        <translation>erro desconhecido</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="92"/>
        <source>The directory could not be saved to &quot;%1&quot;: %2

%3</source>
        <translation>Não foi possível guardar a lista em &quot;%1&quot;: %2

%3</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="94"/>
        <source>The directory could not be saved to &quot;%1&quot;: %2

%3 The file on disk is unchanged.</source>
        <translation>Não foi possível guardar a lista em &quot;%1&quot;: %2

%3 O ficheiro no disco não foi alterado.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="96"/>
        <source>Your changes are still here.</source>
        <translation>As suas alterações continuam aqui.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="97"/>
        <source>Dialstack stays open so that your changes are not lost.</source>
        <translation>O Dialstack fica aberto para que as suas alterações não se percam.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="98"/>
        <source>Your changes are still here; nothing was synced.</source>
        <translation>As suas alterações continuam aqui; nada foi sincronizado.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="99"/>
        <source>The directory was saved to &quot;%1&quot;; %2</source>
        <translation>A lista foi guardada em &quot;%1&quot;; %2</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="101"/>
        <source>The directory file &quot;%1&quot; has been changed by another program since Dialstack loaded or saved it.

Replace it with the directory shown here? The other program&apos;s changes would be lost.</source>
        <translation>O ficheiro da lista &quot;%1&quot; foi alterado por outro programa depois de o Dialstack o ter carregado ou guardado.

Substituí-lo pela lista aqui mostrada? As alterações do outro programa perder-se-iam.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="107"/>
        <source>The directory file &quot;%1&quot; could not be read completely. %2

Saving now would replace the file with what is shown.</source>
        <translation>Não foi possível ler todo o ficheiro da lista &quot;%1&quot;. %2

Se guardar agora, o ficheiro será substituído pelo que está a ser mostrado.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="111"/>
        <source>The directory file &quot;%1&quot; could not be opened: %2 %3

Saving now would replace the file with what is shown.</source>
        <translation>Não foi possível abrir o ficheiro da lista &quot;%1&quot;: %2 %3

Se guardar agora, o ficheiro será substituído pelo que está a ser mostrado.</translation>
    </message>
    <message numerus="yes">
        <location filename="../res/ResourceTable.cpp" line="114"/>
        <source>%n record was read and is shown.</source>
        <translation>
            <numerusform>Foi lido e é mostrado %n registo.</numerusform>
            <numerusform>Foram lidos e são mostrados %n registos.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="119"/>
        <source>The directory could not be printed: %1

Nothing in the directory has changed.</source>
        <translation>Não foi possível imprimir a lista: %1

Nada na lista foi alterado.</translation>
    </message>
</context>
</TS>
