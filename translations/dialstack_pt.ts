<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en">
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
        <location filename="../convert/QueryCommand.cpp" line="42"/>
        <source>%n record matches</source>
        <translation>
            <numerusform>%n registo corresponde</numerusform>
            <numerusform>%n registos correspondem</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="74"/>
        <source>%n record added</source>
        <translation>
            <numerusform>%n registo adicionado</numerusform>
            <numerusform>%n registos adicionados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="75"/>
        <source>%n contact skipped</source>
        <translation>
            <numerusform>%n contacto ignorado</numerusform>
            <numerusform>%n contactos ignorados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="76"/>
        <source>%n value moved to misc</source>
        <translation>
            <numerusform>%n valor movido para «Notas»</numerusform>
            <numerusform>%n valores movidos para «Notas»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="77"/>
        <source>%n character replaced</source>
        <translation>
            <numerusform>%n carácter substituído</numerusform>
            <numerusform>%n caracteres substituídos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ExportCommand.cpp" line="139"/>
        <source>%n record exported</source>
        <translation>
            <numerusform>%n registo exportado</numerusform>
            <numerusform>%n registos exportados</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="36"/>
        <source>standard input</source>
        <translation>entrada padrão</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="38"/>
        <source>%1: %2; nothing was imported</source>
        <translation>%1: %2; nada foi importado</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="45"/>
        <source>is a folder, not a contact file</source>
        <translation>é uma pasta, não um ficheiro de contactos</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="48"/>
        <source>cannot be opened</source>
        <translation>não pode ser aberto</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="48"/>
        <source>there is no such file</source>
        <translation>esse ficheiro não existe</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="76"/>
        <source>%1: could not be saved: %2; the directory file is unchanged</source>
        <translation>%1: não foi possível guardar: %2; o ficheiro da lista não foi alterado</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="79"/>
        <source>%1: could not be saved: %2; the directory file may be damaged: check it, and import again</source>
        <translation>%1: não foi possível guardar: %2; o ficheiro da lista pode estar danificado: verifique-o e importe de novo</translation>
    </message>
    <message>
        <location filename="../convert/ConvertAccess.cpp" line="15"/>
        <source>%1: is a folder, not a directory file; nothing was converted</source>
        <translation>%1: é uma pasta, não um ficheiro da lista; nada foi convertido</translation>
    </message>
    <message>
        <location filename="../convert/ConvertAccess.cpp" line="19"/>
        <source>%1: there is no directory file</source>
        <translation>%1: não existe nenhum ficheiro da lista</translation>
    </message>
    <message>
        <location filename="../convert/ConvertAccess.cpp" line="40"/>
        <source>%1: %2 (close Dialstack&apos;s window on it, or wait for the other import); nothing was changed</source>
        <translation>%1: %2 (feche a janela do Dialstack que o tem aberto ou espere pela outra importação); nada foi alterado</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="41"/>
        <source>say export, import or query</source>
        <translation>indique export, import ou query</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="51"/>
        <source>unknown command &apos;%1&apos;</source>
        <translation>comando desconhecido «%1»</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="81"/>
        <source>unknown format &apos;%1&apos;</source>
        <translation>formato desconhecido «%1»</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="96"/>
        <source>--spreadsheet is for export</source>
        <translation>--spreadsheet é só para export</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="96"/>
        <source>--output is for export</source>
        <translation>--output é só para export</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="110"/>
        <source>query needs one TEXT to look for</source>
        <translation>query precisa de um TEXTO a procurar</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="112"/>
        <source>query takes no --format or --verbose</source>
        <translation>query não aceita --format nem --verbose</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="119"/>
        <source>export takes no file arguments (use --output)</source>
        <translation>export não aceita ficheiros como argumentos (use --output)</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="121"/>
        <source>--output names the directory file itself</source>
        <translation>--output indica o próprio ficheiro da lista</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="124"/>
        <source>--spreadsheet writes CSV, not --format vcard</source>
        <translation>--spreadsheet escreve CSV, não --format vcard</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="131"/>
        <source>--format vcard or --format csv is needed (or an --output FILE ending in .vcf or .csv)</source>
        <translation>é preciso --format vcard ou --format csv (ou um --output FICHEIRO terminado em .vcf ou .csv)</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="139"/>
        <source>import needs at least one file (&apos;-&apos; for standard input)</source>
        <translation>import precisa de pelo menos um ficheiro (&apos;-&apos; para a entrada padrão)</translation>
    </message>
    <message>
        <location filename="../convert/CommandLine.cpp" line="147"/>
        <source>--format vcard or --format csv is needed (&apos;%1&apos; does not end in .vcf or .csv)</source>
        <translation>é preciso --format vcard ou --format csv («%1» não termina em .vcf nem em .csv)</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="57"/>
        <location filename="../convert/ImportCommand.cpp" line="60"/>
        <source>cannot be read as %1: %2</source>
        <translation>não pode ser lido como %1: %2</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="92"/>
        <source>%1: could not be written</source>
        <translation>%1: não foi possível escrever</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="99"/>
        <source>could not write to standard output</source>
        <translation>não foi possível escrever na saída padrão</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="112"/>
        <source>%1: could not be written: %2</source>
        <translation>%1: não foi possível escrever: %2</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="113"/>
        <source>%1: could not be written: %2; the file that was there is no longer as it was</source>
        <translation>%1: não foi possível escrever: %2; o ficheiro que lá estava já não está como estava</translation>
    </message>
    <message>
        <location filename="../convert/ConvertAccess.cpp" line="26"/>
        <source>%1: the directory file could not be opened: %2; nothing was converted</source>
        <translation>%1: não foi possível abrir o ficheiro da lista: %2; nada foi convertido</translation>
    </message>
    <message>
        <location filename="../convert/ConvertAccess.cpp" line="30"/>
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
        <location filename="../convert/ImportReport.cpp" line="37"/>
        <source>%1: skipped, %2</source>
        <translation>%1: ignorado porque %2</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="52"/>
        <source>%1: moved to misc: %2</source>
        <translation>%1: movido para «Notas»: %2</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="60"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="68"/>
        <source>%1: left out: %2</source>
        <translation>%1: deixado de fora: %2</translation>
    </message>
    <message>
        <location filename="../convert/RecordImporter.cpp" line="23"/>
        <source>it holds more than %1 KiB of text</source>
        <translation>contém mais de %1 KiB de texto</translation>
    </message>
    <message>
        <location filename="../convert/RecordImporter.cpp" line="59"/>
        <source>%1, contact %2</source>
        <translation>%1, contacto %2</translation>
    </message>
    <message>
        <location filename="../convert/RecordImporter.cpp" line="76"/>
        <source>it has no name</source>
        <translation>não tem nome</translation>
    </message>
    <message>
        <location filename="../convert/RecordImporter.cpp" line="98"/>
        <source>&quot;%1&quot; (%2)</source>
        <translation>«%1» (%2)</translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="98"/>
        <source>%1: its last record has no name, and adding records would overwrite it; give it a name in Dialstack first. Nothing was imported</source>
        <translation>%1: o último registo não tem nome, e adicionar registos iria sobrescrevê-lo; dê-lhe primeiro um nome no Dialstack. Nada foi importado</translation>
    </message>
    <message>
        <location filename="../convert/ExportCommand.cpp" line="119"/>
        <source>%1: written, but %2</source>
        <translation>%1: escrito, mas %2</translation>
    </message>
    <message>
        <location filename="../vcard/VCardMapper.cpp" line="143"/>
        <source>%1 = %2... (%3 bytes in all)</source>
        <translation>%1 = %2... (%3 bytes no total)</translation>
    </message>
    <message>
        <location filename="../vcard/VCardMapper.cpp" line="166"/>
        <source>AGENT (the vCard of another person inside this one)</source>
        <translation>AGENT (o vCard de outra pessoa dentro deste)</translation>
    </message>
    <message>
        <location filename="../vcard/VCardMapper.cpp" line="172"/>
        <source>%1 (binary data, %2 bytes)</source>
        <translation>%1 (dados binários, %2 bytes)</translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="29"/>
        <source>%n character of the name replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carácter do nome substituído por «?»</numerusform>
            <numerusform>%n caracteres do nome substituídos por «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="30"/>
        <source>%n character of the phone replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carácter do telefone substituído por «?»</numerusform>
            <numerusform>%n caracteres do telefone substituídos por «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="31"/>
        <source>%n character of the pager replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carácter do pager substituído por «?»</numerusform>
            <numerusform>%n caracteres do pager substituídos por «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="32"/>
        <source>%n character of the e-mail replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carácter do email substituído por «?»</numerusform>
            <numerusform>%n caracteres do email substituídos por «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/RecordImporter.cpp" line="33"/>
        <source>%n character of the misc replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carácter do campo «Notas» substituído por «?»</numerusform>
            <numerusform>%n caracteres do campo «Notas» substituídos por «?»</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../convert/ImportCommand.cpp" line="73"/>
        <source>%1: could not be saved: %2; nothing was imported</source>
        <translation>%1: não foi possível guardar: %2; nada foi importado</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="43"/>
        <source>%1: left alone, a group is not a contact</source>
        <translation>%1: não importado, um grupo não é um contacto</translation>
    </message>
    <message>
        <location filename="../convert/ImportReport.cpp" line="44"/>
        <source>%1: left alone, a place is not a contact</source>
        <translation>%1: não importado, um local não é um contacto</translation>
    </message>
    <message numerus="yes">
        <location filename="../convert/ImportReport.cpp" line="79"/>
        <source>%n group or place left alone</source>
        <translation>
            <numerusform>%n grupo ou local não importado</numerusform>
            <numerusform>%n grupos ou locais não importados</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DialstackSync</name>
    <message>
        <location filename="../sync/SyncReport.cpp" line="89"/>
        <source>left out: %1, a group or a place is not a contact</source>
        <translation>não sincronizado: %1, um grupo ou um local não é um contacto</translation>
    </message>
    <message>
        <location filename="../sync/DesktopNotifier.cpp" line="79"/>
        <source>Open Dialstack</source>
        <translation>Abrir o Dialstack</translation>
    </message>
    <message>
        <location filename="../sync/UserTimer.cpp" line="111"/>
        <source>%1 could not be started</source>
        <translation>Não foi possível iniciar %1</translation>
    </message>
    <message>
        <location filename="../sync/UserTimer.cpp" line="113"/>
        <source>%1 did not finish within a minute</source>
        <translation>%1 não terminou dentro de um minuto</translation>
    </message>
    <message>
        <location filename="../sync/UserTimer.cpp" line="117"/>
        <source>%1 ended with status %2</source>
        <translation>%1 terminou com o estado %2</translation>
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
        <translation>utilização: dialstack-sync [--file PASTA/Dialstack.dat] [--url URL] [--user NOME]
                           [--password-file FICHEIRO | --password-stdin] [--keep-password]
                           [--certificate FICHEIRO | --accept-certificate SHA256] [--timeout SEGUNDOS]
                           [--dry-run] [--force | --bring-back] [--verbose] [--report json]
            dialstack-sync [--file PASTA/Dialstack.dat] --discover --url URL [--user NOME] [...]
            dialstack-sync [--file PASTA/Dialstack.dat] --forget | --timer on|off|status
            dialstack-sync --help | --version
Mantém o ficheiro da lista e o seu livro de endereços CardDAV sincronizados. A
primeira execução precisa de --url; o URL, o utilizador, o ficheiro da
palavra-passe e o certificado ficam memorizados para esse ficheiro da lista. A
palavra-passe vem de --password-file, ou da primeira linha da entrada padrão
com --password-stdin, senão do porta-chaves, senão do ficheiro da
palavra-passe memorizado para o ficheiro da lista, senão de uma pergunta no
terminal. --keep-password guarda uma palavra-passe que o servidor aceitou: no
porta-chaves, senão num ficheiro que só o utilizador pode ler.
--accept-certificate confia no certificado do servidor quando a sua impressão
digital SHA-256 é a indicada. --bring-back responde a uma eliminação em massa
recusada recuperando os registos apagados. --discover lista os livros de
endereços do servidor e não altera nada. --forget esquece o que este programa
sabe da sincronização do ficheiro da lista (nunca o próprio ficheiro). --timer
liga ou desliga o temporizador do ficheiro da lista, ou diz se está ligado.
--report json mostra o resultado da execução numa linha JSON.
Estado de saída: 0 sincronizado; 1 falhou (nada perdido); 2 utilização
errada; 3 ocupado (uma janela com alterações por guardar ou outro programa tem
a lista: a próxima execução tenta de novo); 4 precisa de si (a sincronização
apagaria demasiado, a palavra-passe foi recusada ou falta, o certificado não é
de confiança, ou o livro de endereços desapareceu).
</translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="51"/>
        <location filename="../sync/SyncReport.cpp" line="22"/>
        <source>%n added</source>
        <translation>
            <numerusform>%n adicionado</numerusform>
            <numerusform>%n adicionados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="51"/>
        <location filename="../sync/SyncReport.cpp" line="22"/>
        <source>%n changed</source>
        <translation>
            <numerusform>%n alterado</numerusform>
            <numerusform>%n alterados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="52"/>
        <location filename="../sync/SyncReport.cpp" line="23"/>
        <source>%n deleted</source>
        <translation>
            <numerusform>%n apagado</numerusform>
            <numerusform>%n apagados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="80"/>
        <location filename="../sync/SyncReport.cpp" line="94"/>
        <source>%n conflict kept as a copy</source>
        <translation>
            <numerusform>%n conflito guardado como cópia</numerusform>
            <numerusform>%n conflitos guardados como cópias</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="84"/>
        <location filename="../sync/SyncReport.cpp" line="98"/>
        <source>Here: %1; on the server: %2; %3</source>
        <translation>Aqui: %1; no servidor: %2; %3</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="82"/>
        <location filename="../sync/SyncReport.cpp" line="96"/>
        <source>Dry run, nothing changed. Would do here: %1; on the server: %2; %3</source>
        <translation>Ensaio, nada foi alterado. Resultado previsto aqui: %1; no servidor: %2; %3</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="28"/>
        <source>added here: %1</source>
        <translation>adicionado aqui: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="28"/>
        <source>changed here: %1</source>
        <translation>alterado aqui: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="29"/>
        <source>deleted here: %1</source>
        <translation>apagado aqui: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="30"/>
        <source>added on the server: %1</source>
        <translation>adicionado no servidor: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="31"/>
        <source>changed on the server: %1</source>
        <translation>alterado no servidor: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="32"/>
        <source>deleted on the server: %1</source>
        <translation>apagado no servidor: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="33"/>
        <source>would add here: %1</source>
        <translation>seria adicionado aqui: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="34"/>
        <source>would change here: %1</source>
        <translation>seria alterado aqui: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="35"/>
        <source>would delete here: %1</source>
        <translation>seria apagado aqui: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="36"/>
        <source>would add on the server: %1</source>
        <translation>seria adicionado no servidor: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="37"/>
        <source>would change on the server: %1</source>
        <translation>seria alterado no servidor: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="38"/>
        <source>would delete on the server: %1</source>
        <translation>seria apagado no servidor: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="59"/>
        <source>kept both versions of a record changed on both sides: the server&apos;s, and this machine&apos;s as %1</source>
        <translation>foram mantidas as duas versões de um registo alterado dos dois lados: a do servidor, e a deste computador como %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncReport.cpp" line="56"/>
        <source>would keep both versions of a record changed on both sides: the server&apos;s, and this machine&apos;s as %1</source>
        <translation>seriam mantidas as duas versões de um registo alterado dos dois lados: a do servidor, e a deste computador como %1</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="249"/>
        <location filename="../sync/SyncPassword.cpp" line="79"/>
        <source>%1: the password file cannot be read</source>
        <translation>%1: o ficheiro da palavra-passe não pode ser lido</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="247"/>
        <location filename="../sync/SyncPassword.cpp" line="75"/>
        <source>%1: others can read this password file; make it yours alone (chmod 600 %1) and run again</source>
        <translation>%1: outros podem ler este ficheiro da palavra-passe; torne-o só seu (chmod 600 %1) e execute de novo</translation>
    </message>
    <message>
        <location filename="../sync/SyncPassword.cpp" line="101"/>
        <source>Password for %1 at %2: </source>
        <translation>Palavra-passe de %1 em %2: </translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="283"/>
        <source>%1: a Dialstack window has unsaved changes in it, or another program is changing it. Nothing was synced; the next sync after you save takes the window&apos;s changes</source>
        <translation>%1: uma janela do Dialstack tem alterações por guardar, ou outro programa está a alterá-lo. Nada foi sincronizado; a próxima sincronização depois de guardar leva as alterações da janela</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="278"/>
        <source>stopped by %1; what was synced is kept, and the next sync goes on from there</source>
        <translation>interrompido por %1; o que já foi sincronizado fica guardado, e a próxima sincronização continua a partir daí</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="221"/>
        <source>no address book found at %1 for %2; create one on the server (in its web page, or with your phone&apos;s contacts app), then sync again</source>
        <translation>nenhum livro de endereços encontrado em %1 para %2; crie um no servidor (na sua página web ou com a aplicação de contactos do telemóvel) e sincronize de novo</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="208"/>
        <source>this user</source>
        <translation>este utilizador</translation>
    </message>
    <message>
        <location filename="../sync/SyncCommand.cpp" line="147"/>
        <source>To settle it, run: %1</source>
        <translation>Para resolver, execute: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="128"/>
        <source>unexpected argument: %1</source>
        <translation>argumento inesperado: %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="41"/>
        <source>--%1 given more than once</source>
        <translation>--%1 indicado mais de uma vez</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="78"/>
        <source>--timeout needs a number of seconds from 1 to 3600</source>
        <translation>--timeout precisa de um número de segundos de 1 a 3600</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="73"/>
        <source>--url needs an http:// or https:// address, not %1</source>
        <translation>--url precisa de um endereço http:// ou https://, não %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="75"/>
        <source>give the user name with --user, not inside the URL</source>
        <translation>indique o nome de utilizador com --user, não dentro do URL</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="174"/>
        <source>the first sync of %1 needs --url (the address book or the server)</source>
        <translation>a primeira sincronização de %1 precisa de --url (o livro de endereços ou o servidor)</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="90"/>
        <source>%1 did not answer within %2 s</source>
        <translation>%1 não respondeu em %2 s</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="240"/>
        <source>%1 refused the user name or password</source>
        <translation>%1 recusou o nome de utilizador ou a palavra-passe</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="192"/>
        <source>%1 of the %2 records here (%3)</source>
        <translation>%1 dos %2 registos daqui (%3)</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="194"/>
        <source>%1 of the %2 cards on the server (%3)</source>
        <translation>%1 dos %2 cartões no servidor (%3)</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="33"/>
        <location filename="../sync/SyncReport.cpp" line="16"/>
        <source>&quot;%1&quot;</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="201"/>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="178"/>
        <source>%1: the directory file could not be read completely; nothing was synced</source>
        <translation>%1: não foi possível ler todo o ficheiro da lista; nada foi sincronizado</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="173"/>
        <source>%1: could not be saved: %2; the directory file is unchanged</source>
        <translation>%1: não foi possível guardar: %2; o ficheiro da lista não foi alterado</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="171"/>
        <source>%1: could not be saved: %2</source>
        <translation>%1: não foi possível guardar: %2</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="293"/>
        <source>the address book %1 is gone from the server; nothing was changed here</source>
        <translation>o livro de endereços %1 desapareceu do servidor; nada foi alterado aqui</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="82"/>
        <source>a password is never sent over plain http:// except to this machine; use https:// for %1</source>
        <translation>uma palavra-passe nunca é enviada por http:// sem cifra, exceto para este computador; use https:// para %1</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="201"/>
        <source>%1: holds no certificate (PEM) that can be read</source>
        <translation>%1: não contém nenhum certificado (PEM) legível</translation>
    </message>
    <message>
        <location filename="../sync/SyncPassword.cpp" line="124"/>
        <source>The password could not be kept in the keyring (none is running); from now on the file %1 is read for it. Keep it readable by you alone.</source>
        <translation>Não foi possível guardar a palavra-passe no porta-chaves (nenhum está em execução); a partir de agora é lida do ficheiro %1. Mantenha-o legível só por si.</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="184"/>
        <source>the server has several address books; run again with --url and one of them:</source>
        <translation>o servidor tem vários livros de endereços; execute de novo com --url e um deles:</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="149"/>
        <source>%1: the server does not allow this (403 Forbidden)</source>
        <translation>%1: o servidor não o permite (403 Forbidden)</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="150"/>
        <source>%1: not found on the server (404)</source>
        <translation>%1: não encontrado no servidor (404)</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="155"/>
        <source>%1: the server answered %2</source>
        <translation>%1: o servidor respondeu %2</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="148"/>
        <source>%1 sent a reply that could not be read: %2</source>
        <translation>%1 enviou uma resposta que não pôde ser lida: %2</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="138"/>
        <source>the server answered %1 (%2)</source>
        <translation>o servidor respondeu %1 (%2)</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="139"/>
        <source>the server answered %1: %2</source>
        <translation>o servidor respondeu %1: %2</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="136"/>
        <source>the server answered %1</source>
        <translation>o servidor respondeu %1</translation>
    </message>
    <message>
        <location filename="../sync/DavMultiStatus.cpp" line="182"/>
        <source>the reply is not a WebDAV multistatus</source>
        <translation>a resposta não é um multistatus WebDAV</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="270"/>
        <source>the address book kept changing while this sync wrote to it; nothing was lost, run the sync again</source>
        <translation>o livro de endereços não parou de mudar enquanto esta sincronização escrevia nele; nada se perdeu, sincronize de novo</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="119"/>
        <source>the card of %1</source>
        <translation>o cartão de %1</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="120"/>
        <source>status %1</source>
        <translation>estado %1</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="121"/>
        <source>left out of its reply</source>
        <translation>omitido na sua resposta</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="126"/>
        <source>%1 did not give %2 (%3); nothing was changed, run the sync again later</source>
        <translation>%1 não forneceu %2 (%3); nada foi alterado, sincronize de novo mais tarde</translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="127"/>
        <source>%1 did not give %2 (%3) nor %n other cards; nothing was changed, run the sync again later</source>
        <translation>
            <numerusform>%1 não forneceu %2 (%3) nem %n outro cartão; nada foi alterado, sincronize de novo mais tarde</numerusform>
            <numerusform>%1 não forneceu %2 (%3) nem %n outros cartões; nada foi alterado, sincronize de novo mais tarde</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="164"/>
        <source>%1: the directory file changed on disk while syncing; nothing was changed here, run the sync again</source>
        <translation>%1: o ficheiro da lista mudou no disco durante a sincronização; nada foi alterado aqui, sincronize de novo</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="168"/>
        <source>%1: its last record has no name, and adding records would overwrite it; give it a name in Dialstack first. Nothing was changed</source>
        <translation>%1: o último registo não tem nome, e adicionar registos iria sobrescrevê-lo; dê-lhe primeiro um nome no Dialstack. Nada foi alterado</translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="44"/>
        <location filename="../sync/SyncReport.cpp" line="108"/>
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 e mais %n</numerusform>
            <numerusform>%1 e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="113"/>
        <source>%1: the sync journal could not be written</source>
        <translation>%1: não foi possível escrever o diário da sincronização</translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="129"/>
        <source>%1: the folder could not be made</source>
        <translation>%1: não foi possível criar a pasta</translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="279"/>
        <source>%1: the sync state could not be saved: %2</source>
        <translation>%1: não foi possível guardar o estado da sincronização: %2</translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="283"/>
        <source>%1: the sync state could not be made private</source>
        <translation>%1: não foi possível tornar privado o estado da sincronização</translation>
    </message>
    <message>
        <location filename="../sync/DesktopNotifier.cpp" line="78"/>
        <source>Dialstack sync needs you</source>
        <translation>A sincronização do Dialstack precisa de si</translation>
    </message>
    <message>
        <location filename="../sync/Keyring.cpp" line="53"/>
        <source>Dialstack: %1 at %2</source>
        <translation>Dialstack: %1 em %2</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="213"/>
        <source>%1 is neither a CardDAV server nor an address book (asked: %2); give the address of your address book with --url</source>
        <translation>%1 não é um servidor CardDAV nem um livro de endereços (endereços consultados: %2); indique o endereço do seu livro de endereços com --url</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="167"/>
        <source>%1 is synced with %2; to sync it with another address book, first forget this sync with --forget</source>
        <translation>%1 está sincronizado com %2; para o sincronizar com outro livro de endereços, esqueça primeiro esta sincronização com --forget</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="238"/>
        <source>%1 refused the password for %2 read from %3; put the new password in that file</source>
        <translation>%1 recusou a palavra-passe de %2 lida de %3; ponha a nova palavra-passe nesse ficheiro</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="179"/>
        <source>%1: %2; nothing was synced</source>
        <translation>%1: %2; nada foi sincronizado</translation>
    </message>
    <message>
        <location filename="../sync/ServerCertificate.cpp" line="14"/>
        <source>%1: no certificate could be had from the server: %2</source>
        <translation>%1: não foi possível obter um certificado do servidor: %2</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="153"/>
        <source>%1: the server answered %2 (%3)</source>
        <translation>%1: o servidor respondeu %2 (%3)</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="274"/>
        <source>%1: the sync&apos;s memory of this directory file is damaged (%2); forget it, then sync again with --url</source>
        <translation>%1: o estado da sincronização deste ficheiro da lista está danificado (%2); esqueça-o e volte a sincronizar com --url</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="215"/>
        <source>--accept-certificate is for a server at an https:// address</source>
        <translation>--accept-certificate é para um servidor com um endereço https://</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="72"/>
        <source>--accept-certificate needs the certificate&apos;s SHA-256 fingerprint (64 hex digits)</source>
        <translation>--accept-certificate precisa da impressão digital SHA-256 do certificado (64 dígitos hexadecimais)</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="103"/>
        <source>--discover needs --url (the server or the address book)</source>
        <translation>--discover precisa de --url (o servidor ou o livro de endereços)</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="101"/>
        <source>--discover, --forget and --timer each run alone</source>
        <translation>--discover, --forget e --timer usam-se cada um sozinho</translation>
    </message>
    <message>
        <location filename="../sync/SyncPassword.cpp" line="68"/>
        <source>--password-stdin: no password came on standard input</source>
        <translation>--password-stdin: não chegou nenhuma palavra-passe pela entrada padrão</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="130"/>
        <source>--report takes json</source>
        <translation>--report aceita json</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="98"/>
        <source>--timer takes on, off or status</source>
        <translation>--timer aceita on, off ou status</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="74"/>
        <source>Address books found:</source>
        <translation>Livros de endereços encontrados:</translation>
    </message>
    <message>
        <location filename="../sync/SyncPassword.cpp" line="136"/>
        <source>Keep it in %1 (readable by you alone)? [y/N]</source>
        <translation>Guardá-la em %1 (legível só por si)? [s/N]</translation>
    </message>
    <message>
        <location filename="../sync/PasswordSource.cpp" line="69"/>
        <source>y</source>
        <translation>s</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="60"/>
        <source>No timer syncs this directory file.</source>
        <translation>Nenhum temporizador sincroniza este ficheiro da lista.</translation>
    </message>
    <message>
        <location filename="../sync/SyncPassword.cpp" line="147"/>
        <source>The password could not be kept: %1</source>
        <translation>Não foi possível guardar a palavra-passe: %1</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="59"/>
        <source>The timer syncs this directory file every quarter of an hour.</source>
        <translation>O temporizador sincroniza este ficheiro da lista a cada quarto de hora.</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="124"/>
        <source>a password is never taken on the command line: use --password-file FILE, --password-stdin, or the keyring</source>
        <translation>uma palavra-passe nunca é aceite na linha de comandos: use --password-file FICHEIRO, --password-stdin ou o porta-chaves</translation>
    </message>
    <message>
        <location filename="../sync/SyncOptions.cpp" line="66"/>
        <source>give the password with --password-file or --password-stdin, not both</source>
        <translation>indique a palavra-passe com --password-file ou com --password-stdin, não com ambas</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="107"/>
        <source>is a folder, not a directory file</source>
        <translation>é uma pasta, não um ficheiro da lista</translation>
    </message>
    <message>
        <location filename="../sync/SyncPassword.cpp" line="93"/>
        <source>it cannot be read</source>
        <translation>não pode ser lido</translation>
    </message>
    <message>
        <location filename="../sync/SyncState.cpp" line="108"/>
        <source>it is no sync state this program wrote, or it was cut short</source>
        <translation>não foi escrito por este programa, ou ficou cortado</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="228"/>
        <source>it is not the one whose fingerprint was given</source>
        <translation>não é aquele cuja impressão digital foi indicada</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="289"/>
        <source>no password for %1 at %2: the keyring has none, and no password file is remembered</source>
        <translation>não há palavra-passe para %1 em %2: o porta-chaves não tem nenhuma e nenhum ficheiro de palavra-passe está memorizado</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="254"/>
        <source>the certificate of %1 is not trusted (%2); its SHA-256 fingerprint is %3. If it is your own server&apos;s, trust it</source>
        <translation>o certificado de %1 não é de confiança (%2); a sua impressão digital SHA-256 é %3. Se for o do seu próprio servidor, confie nele</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="103"/>
        <source>the folder does not exist</source>
        <translation>a pasta não existe</translation>
    </message>
    <message>
        <location filename="../sync/SyncRun.cpp" line="105"/>
        <source>the folder is read-only, so the directory file cannot be saved there</source>
        <translation>a pasta é só de leitura, por isso o ficheiro da lista não pode ser guardado lá</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="63"/>
        <source>the timer could not be set: %1</source>
        <translation>não foi possível definir o temporizador: %1</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="62"/>
        <source>the timer cannot be set: no systemd user manager runs for this user</source>
        <translation>o temporizador não pode ser definido: nenhum gestor de utilizador do systemd está em execução para este utilizador</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="198"/>
        <source>this sync would delete %1; nothing was changed. If that is what you want, run it again with --force; to bring them back instead, with --bring-back</source>
        <translation>esta sincronização apagaria %1; nada foi alterado. Se é isso que quer, execute-a de novo com --force; para os recuperar em vez disso, com --bring-back</translation>
    </message>
    <message numerus="yes">
        <location filename="../sync/OutcomeWording.cpp" line="229"/>
        <source>the server refused %n card (%1); everything else is in step</source>
        <translation>
            <numerusform>o servidor recusou %n cartão (%1); todo o resto está sincronizado</numerusform>
            <numerusform>o servidor recusou %n cartões (%1); todo o resto está sincronizado</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="105"/>
        <source>the server sent this program to %1, another server; it only talks to the server it was given. If that one is right, give it with --url</source>
        <translation>o servidor reencaminhou este programa para %1, outro servidor; ele só fala com o servidor que lhe foi indicado. Se esse for o certo, indique-o com --url</translation>
    </message>
    <message>
        <location filename="../sync/OutcomeWording.cpp" line="109"/>
        <source>the server points to another server, %1, for the address books; nothing was sent there. If that server is right, give its address book with --url</source>
        <translation>o servidor remete para outro servidor, %1, para os livros de endereços; nada foi enviado para lá. Se esse servidor for o certo, indique o seu livro de endereços com --url</translation>
    </message>
</context>
<context>
    <name>DialstackTools</name>
    <message>
        <location filename="../shell/ToolShell.cpp" line="25"/>
        <source>ran out of memory; nothing was changed</source>
        <translation>memória esgotada; nada foi alterado</translation>
    </message>
    <message>
        <location filename="../shell/ToolShell.cpp" line="28"/>
        <source>a file holds a field too long to be held (%1); nothing was changed</source>
        <translation>um ficheiro contém um campo demasiado longo (%1); nada foi alterado</translation>
    </message>
    <message>
        <location filename="../shell/ToolShell.cpp" line="31"/>
        <source>stopped: %1; nothing was changed</source>
        <translation>interrompido: %1; nada foi alterado</translation>
    </message>
    <message>
        <location filename="../shell/ToolShell.cpp" line="39"/>
        <source>--file needs a file name</source>
        <translation>--file precisa de um nome de ficheiro</translation>
    </message>
    <message>
        <location filename="../shell/PrintableText.cpp" line="45"/>
        <source>... (%1 bytes in all)</source>
        <translation>... (%1 bytes no total)</translation>
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
        <translation>não foi possível abrir o ficheiro de bloqueio «%1»: %2</translation>
    </message>
    <message>
        <location filename="../data/DirectoryLock.cpp" line="67"/>
        <source>the lock file &quot;%1&quot; could not be locked: %2</source>
        <translation>não foi possível bloquear o ficheiro de bloqueio «%1»: %2</translation>
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
        <translation>não há nenhuma impressora predefinida configurada; escolha uma nas definições de impressoras do sistema ou com «lpoptions -d IMPRESSORA»</translation>
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
        <location filename="../res/DialogTemplates.cpp" line="152"/>
        <location filename="../res/SyncStringTable.cpp" line="108"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="30"/>
        <source>Dialstack keeps the names, phone and pager numbers, e-mail addresses and notes of the people you call, in the file Dialstack.dat of the folder you start it from.</source>
        <translation>O Dialstack guarda os nomes, telefones, pagers, endereços de email e notas das pessoas a quem liga, no ficheiro Dialstack.dat da pasta onde o inicia.</translation>
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
        <translation>Desfazer</translation>
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
        <location filename="../res/ResourceTable.cpp" line="89"/>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="58"/>
        <location filename="../res/ResourceTable.cpp" line="88"/>
        <source>Pager</source>
        <translation>Pager</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="59"/>
        <location filename="../res/ResourceTable.cpp" line="87"/>
        <source>Phone</source>
        <translation>Tel.</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="60"/>
        <location filename="../res/DialogTemplates.cpp" line="74"/>
        <location filename="../res/ResourceTable.cpp" line="90"/>
        <source>Misc.</source>
        <translation>Notas</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="164"/>
        <source>Add Record</source>
        <translation>Adicionar registo</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="165"/>
        <source>Edit Item</source>
        <translation>Editar registo</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="70"/>
        <location filename="../res/SyncStringTable.cpp" line="106"/>
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
        <location filename="../res/DialogTemplates.cpp" line="153"/>
        <location filename="../res/ResourceTable.cpp" line="54"/>
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
        <location filename="../res/ResourceTable.cpp" line="33"/>
        <source>&amp;About Dialstack2...</source>
        <translation>&amp;Acerca do Dialstack2...</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="35"/>
        <source>&amp;Find…</source>
        <translation>&amp;Procurar…</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="241"/>
        <source>Dialstack Help</source>
        <translation>Ajuda do Dialstack</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="36"/>
        <source>Sync &amp;Now</source>
        <translation>&amp;Sincronizar agora</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="39"/>
        <source>Your changes to the directory are not saved yet.

Save them before you leave?</source>
        <translation>As suas alterações à lista ainda não foram guardadas.

Guardá-las antes de sair?</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="41"/>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="42"/>
        <source>&amp;Leave without saving</source>
        <translation>Sair &amp;sem guardar</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="43"/>
        <source>S&amp;tay</source>
        <translation>&amp;Ficar</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="45"/>
        <source>Another program (dialstack-sync or dialstack-convert import) is changing the directory file right now, so nothing was changed here.

Try again in a moment: the window then shows what that program wrote.</source>
        <translation>Outro programa (dialstack-sync ou dialstack-convert import) está a alterar o ficheiro da lista neste momento, por isso nada foi alterado aqui.

Tente novamente daqui a pouco: a janela mostrará então o que esse programa escreveu.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="50"/>
        <source>Your changes are not saved yet. The sync takes the directory as saved.

Save your changes and sync?</source>
        <translation>As suas alterações ainda não foram guardadas. A sincronização usa a lista tal como está guardada.

Guardar as alterações e sincronizar?</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="53"/>
        <source>&amp;Save and sync</source>
        <translation>&amp;Guardar e sincronizar</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="55"/>
        <source>Syncing the directory with the address book…</source>
        <translation>A sincronizar a lista com o livro de endereços…</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="57"/>
        <source>The sync program dialstack-sync was found neither beside Dialstack nor on the PATH.

Install it with Dialstack, then try again.</source>
        <translation>O programa de sincronização dialstack-sync não foi encontrado, nem junto do Dialstack nem no PATH.

Instale-o com o Dialstack e tente novamente.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="60"/>
        <source>The sync program %1 could not be started: %2</source>
        <translation>Não foi possível iniciar o programa de sincronização %1: %2</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="61"/>
        <source>The directory and the address book are in step.</source>
        <translation>A lista e o livro de endereços estão sincronizados.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="63"/>
        <source>The sync did not finish:

%1

Check the network and the server, then try again. What was synced stays; the next sync does the rest.</source>
        <translation>A sincronização não terminou:

%1

Verifique a rede e o servidor e tente novamente. O que já foi sincronizado mantém-se; a próxima sincronização faz o resto.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="67"/>
        <source>The sync of this directory is not set up as expected:

%1

Set it up again in a terminal (see &quot;man dialstack-sync&quot;).</source>
        <translation>A sincronização desta lista não está configurada como esperado:

%1

Configure-a de novo num terminal (consulte «man dialstack-sync»).</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="70"/>
        <source>The sync cannot run now:

%1

Try again in a moment.</source>
        <translation>A sincronização não pode ser feita agora:

%1

Tente novamente daqui a pouco.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="72"/>
        <source>The sync stopped because it needs you:

%1

Run dialstack-sync --file &quot;%2&quot; in a terminal to settle it.</source>
        <translation>A sincronização parou porque precisa de si:

%1

Execute dialstack-sync --file &quot;%2&quot; num terminal para resolver a situação.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="76"/>
        <source>The sync was cancelled. What it had finished stays; the next sync does the rest.</source>
        <translation>A sincronização foi cancelada. O que já tinha terminado mantém-se; a próxima sincronização faz o resto.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="79"/>
        <source>The sync program ended unexpectedly.

%1

Try again; if it happens again, run dialstack-sync --file &quot;%2&quot; in a terminal to see why.</source>
        <translation>O programa de sincronização terminou inesperadamente.

%1

Tente novamente; se voltar a acontecer, execute dialstack-sync --file &quot;%2&quot; num terminal para ver porquê.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="82"/>
        <source>Only the selected record matches &quot;%1&quot;.</source>
        <translation>Só o registo selecionado corresponde a «%1».</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="83"/>
        <source>Nothing in the directory matches &quot;%1&quot;.</source>
        <translation>Nada na lista corresponde a «%1».</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="84"/>
        <source>You must specify a name!</source>
        <translation>Tem de indicar um nome!</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="93"/>
        <source>unknown error</source>
        <translation>erro desconhecido</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="94"/>
        <source>The directory could not be saved to &quot;%1&quot;: %2

%3</source>
        <translation>Não foi possível guardar a lista em «%1»: %2

%3</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="96"/>
        <source>The directory could not be saved to &quot;%1&quot;: %2

%3 The file on disk is unchanged.</source>
        <translation>Não foi possível guardar a lista em «%1»: %2

%3 O ficheiro no disco não foi alterado.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="98"/>
        <source>Your changes are still here.</source>
        <translation>As suas alterações continuam aqui.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="99"/>
        <source>Dialstack stays open so that your changes are not lost.</source>
        <translation>O Dialstack fica aberto para que as suas alterações não se percam.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="100"/>
        <source>Your changes are still here; nothing was synced.</source>
        <translation>As suas alterações continuam aqui; nada foi sincronizado.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="101"/>
        <source>The directory was saved to &quot;%1&quot;; %2</source>
        <translation>A lista foi guardada em «%1»; %2</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="103"/>
        <source>The directory file &quot;%1&quot; has been changed by another program since Dialstack loaded or saved it.

Replace it with the directory shown here? The other program&apos;s changes would be lost.</source>
        <translation>O ficheiro da lista «%1» foi alterado por outro programa depois de o Dialstack o ter carregado ou guardado.

Substituí-lo pela lista aqui mostrada? As alterações do outro programa perder-se-iam.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="109"/>
        <source>The directory file &quot;%1&quot; could not be read completely. %2

Saving now would replace the file with what is shown.</source>
        <translation>Não foi possível ler todo o ficheiro da lista «%1». %2

Se guardar agora, o ficheiro será substituído pelo que está a ser mostrado.</translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="113"/>
        <source>The directory file &quot;%1&quot; could not be opened: %2 %3

Saving now would replace the file with what is shown.</source>
        <translation>Não foi possível abrir o ficheiro da lista «%1»: %2 %3

Se guardar agora, o ficheiro será substituído pelo que está a ser mostrado.</translation>
    </message>
    <message numerus="yes">
        <location filename="../res/ResourceTable.cpp" line="116"/>
        <source>%n record was read and is shown.</source>
        <translation>
            <numerusform>Foi lido e é mostrado %n registo.</numerusform>
            <numerusform>Foram lidos e são mostrados %n registos.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../res/ResourceTable.cpp" line="120"/>
        <source>The directory could not be printed: %1

Nothing in the directory has changed.</source>
        <translation>Não foi possível imprimir a lista: %1

Nada na lista foi alterado.</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="167"/>
        <source>Set Up Sync</source>
        <translation>Configurar sincronização</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="168"/>
        <source>Sync Settings</source>
        <translation>Opções de sincronização</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="118"/>
        <source>&amp;Server address:</source>
        <translation>Endereço do &amp;servidor:</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="120"/>
        <source>&amp;User name:</source>
        <translation>Nome de &amp;utilizador:</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="122"/>
        <source>&amp;Password:</source>
        <translation>Pala&amp;vra-passe:</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="124"/>
        <source>&amp;Connect</source>
        <translation>&amp;Ligar</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="125"/>
        <source>&amp;Address books:</source>
        <translation>Livros de &amp;endereços:</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="129"/>
        <source>Type the address of your CardDAV server (your provider&apos;s help names it), your user name and your password, then press Connect.</source>
        <translation>Escreva o endereço do seu servidor CardDAV (a ajuda do seu fornecedor indica-o), o seu nome de utilizador e a sua palavra-passe e carregue em «Ligar».</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="136"/>
        <source>Stop S&amp;yncing</source>
        <translation>&amp;Deixar de sincronizar</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="137"/>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="146"/>
        <source>Sync Password</source>
        <translation>Palavra-passe da sincronização</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="148"/>
        <source>Password:</source>
        <translation>Palavra-passe:</translation>
    </message>
    <message>
        <location filename="../res/DialogTemplates.cpp" line="151"/>
        <source>Password</source>
        <translation>Palavra-passe</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="9"/>
        <source>Set &amp;Up Sync…</source>
        <translation>&amp;Configurar sincronização…</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="10"/>
        <source>Sync Se&amp;ttings…</source>
        <translation>&amp;Opções de sincronização…</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="13"/>
        <source>The directory and the address book are in step: %1 here, %2 in the address book.</source>
        <translation>A lista e o livro de endereços estão em dia: %1 aqui, %2 no livro de endereços.</translation>
    </message>
    <message numerus="yes">
        <location filename="../res/SyncStringTable.cpp" line="15"/>
        <source>%n change</source>
        <translation>
            <numerusform>%n alteração</numerusform>
            <numerusform>%n alterações</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="17"/>
        <source>Type the server&apos;s address, your user name and your password first.</source>
        <translation>Escreva primeiro o endereço do servidor, o seu nome de utilizador e a sua palavra-passe.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="18"/>
        <source>Looking for your address books on the server…</source>
        <translation>A procurar os seus livros de endereços no servidor…</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="20"/>
        <source>The server holds several address books for %1. Pick the one to sync with, then press Connect again.</source>
        <translation>O servidor tem vários livros de endereços para %1. Escolha o que quer sincronizar e carregue outra vez em «Ligar».</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="24"/>
        <source>%1 refused the password of %2. Check the user name and the password, then press Connect again.</source>
        <translation>%1 recusou a palavra-passe de %2. Verifique o nome de utilizador e a palavra-passe e carregue outra vez em «Ligar».</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="27"/>
        <source>No address book was found at %1 for %2. Check the server&apos;s address (your provider&apos;s help names it), then press Connect again.</source>
        <translation>Não foi encontrado nenhum livro de endereços em %1 para %2. Verifique o endereço do servidor (a ajuda do seu fornecedor indica-o) e carregue outra vez em «Ligar».</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="31"/>
        <source>The server could not be reached or did not answer as expected:
%1</source>
        <translation>Não foi possível contactar o servidor ou este não respondeu como esperado:
%1</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="33"/>
        <source>The directory and the address book are in step. Your password is kept in your desktop&apos;s keyring.</source>
        <translation>A lista e o livro de endereços estão em dia. A sua palavra-passe fica guardada no porta-chaves do seu ambiente de trabalho.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="36"/>
        <source>The directory and the address book are in step. Your password is kept in the file %1, which only you can read.</source>
        <translation>A lista e o livro de endereços estão em dia. A sua palavra-passe fica guardada no ficheiro %1, que só o utilizador pode ler.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="40"/>
        <source>The directory and the address book are in step. Your password could not be kept, so the sync will ask for it again.</source>
        <translation>A lista e o livro de endereços estão em dia. Não foi possível guardar a sua palavra-passe; a sincronização voltará a pedi-la.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="44"/>
        <source>Sync every quarter of an hour from now on, while you are logged in?</source>
        <translation>Sincronizar a partir de agora a cada quarto de hora, enquanto tiver a sessão iniciada?</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="45"/>
        <source>Sync &amp;every quarter hour</source>
        <translation>A &amp;cada quarto de hora</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="46"/>
        <source>&amp;Not now</source>
        <translation>&amp;Agora não</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="48"/>
        <source>From now on the directory is synced every quarter of an hour.</source>
        <translation>A partir de agora a lista é sincronizada a cada quarto de hora.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="50"/>
        <source>This computer cannot sync every quarter of an hour on its own: that needs the systemd user manager, and none runs for you here. Use Sync Now in the window menu instead.</source>
        <translation>Este computador não consegue sincronizar sozinho a cada quarto de hora: para isso é preciso o gestor de utilizador do systemd, que aqui não está a funcionar para si. Use antes «Sincronizar agora» no menu da janela.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="54"/>
        <source>The quarter-hourly sync could not be switched on:

%1</source>
        <translation>Não foi possível ativar a sincronização a cada quarto de hora:

%1</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="56"/>
        <source>Stop syncing this directory with the address book?

The directory file stays as it is. The sync can also forget what it knows of this directory; setting it up again then starts afresh.</source>
        <translation>Deixar de sincronizar esta lista com o livro de endereços?

O ficheiro da lista fica como está. A sincronização também pode esquecer o que sabe desta lista; configurá-la de novo começa então do zero.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="59"/>
        <source>&amp;Stop syncing</source>
        <translation>&amp;Deixar de sincronizar</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="60"/>
        <source>Stop and &amp;forget</source>
        <translation>Deixar e &amp;esquecer</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="62"/>
        <source>The directory is no longer synced every quarter of an hour. Sync Now still syncs it when you ask.</source>
        <translation>A lista deixou de ser sincronizada a cada quarto de hora. «Sincronizar agora» continua a sincronizá-la quando o pedir.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="65"/>
        <source>The directory is no longer synced. Dialstack.dat stays as it is.</source>
        <translation>A lista deixou de ser sincronizada. O Dialstack.dat fica como está.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="66"/>
        <source>The sync could not be stopped:

%1</source>
        <translation>Não foi possível parar a sincronização:

%1</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="69"/>
        <source>%1 refused the password of %2. Type the password again:</source>
        <translation>%1 recusou a palavra-passe de %2. Escreva de novo a palavra-passe:</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="70"/>
        <source>The sync needs the password of %2 at %1:</source>
        <translation>A sincronização precisa da palavra-passe de %2 em %1:</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="72"/>
        <source>The password file %1 is gone or others can read it, so the sync no longer uses it. Type the password; it will be kept safely:</source>
        <translation>O ficheiro da palavra-passe %1 desapareceu ou outros podem lê-lo, por isso a sincronização deixou de o usar. Escreva a palavra-passe; voltará a ser guardada em segurança:</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="77"/>
        <source>Names were deleted here, and %1 of the %2 cards in the address book would go with them: %3.

The sync stopped so that nothing is deleted by mistake.</source>
        <translation>Foram apagados nomes aqui, e %1 dos %2 cartões do livro de endereços desapareceriam com eles: %3.

A sincronização parou para que nada seja apagado por engano.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="81"/>
        <source>Cards were deleted from the address book, and %1 of the %2 names here would go with them: %3.

The sync stopped so that nothing is deleted by mistake.</source>
        <translation>Foram apagados cartões do livro de endereços, e %1 dos %2 nomes daqui desapareceriam com eles: %3.

A sincronização parou para que nada seja apagado por engano.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="84"/>
        <source>&amp;Delete them there too</source>
        <translation>&amp;Apagá-los também lá</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="85"/>
        <source>&amp;Delete them here too</source>
        <translation>&amp;Apagá-los também aqui</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="86"/>
        <source>&amp;Bring them back</source>
        <translation>&amp;Recuperá-los</translation>
    </message>
    <message numerus="yes">
        <location filename="../res/SyncStringTable.cpp" line="87"/>
        <source>and %n other name</source>
        <translation>
            <numerusform>e mais %n nome</numerusform>
            <numerusform>e mais %n nomes</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="91"/>
        <source>This computer does not trust the certificate of %1, so the sync stopped.

Issued to: %2
Issued by: %3
SHA-256 fingerprint: %4

Trust it only if your server&apos;s administrator gave you this fingerprint.</source>
        <translation>Este computador não confia no certificado de %1, por isso a sincronização parou.

Emitido para: %2
Emitido por: %3
Impressão digital SHA-256: %4

Confie nele apenas se o administrador do seu servidor lhe deu esta impressão digital.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="95"/>
        <source>&amp;Trust this certificate</source>
        <translation>&amp;Confiar neste certificado</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="97"/>
        <source>The address book %1 is gone from the server, so the sync stopped. Choose the address book to sync with in the window that opens now.</source>
        <translation>O livro de endereços %1 já não existe no servidor, por isso a sincronização parou. Escolha o livro de endereços a sincronizar na janela que se abre agora.</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="102"/>
        <source>&quot;%1&quot; was changed both here and in the address book. It now holds the address book&apos;s version; this computer&apos;s version was kept as &quot;%2&quot;.
%3</source>
        <translation>«%1» foi alterado aqui e no livro de endereços. Tem agora a versão do livro de endereços; a deste computador foi guardada como «%2».
%3</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="105"/>
        <source>%1: here &quot;%2&quot;, in the address book &quot;%3&quot;</source>
        <translation>%1: aqui «%2», no livro de endereços «%3»</translation>
    </message>
    <message>
        <location filename="../res/SyncStringTable.cpp" line="107"/>
        <source>&amp;Select the Copy</source>
        <translation>&amp;Selecionar a cópia</translation>
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
        <translation>utilização: dialstack [--help | --version]
Abre numa janela a lista Dialstack.dat da pasta atual. Consulte dialstack(1);
dialstack-convert(1) e dialstack-sync(1) trabalham com o mesmo ficheiro na
linha de comandos.
</translation>
    </message>
    <message>
        <location filename="../app/StartOptions.cpp" line="18"/>
        <source>this program needs a graphical desktop, but no display is set here (DISPLAY and WAYLAND_DISPLAY are empty); start it from your desktop session.</source>
        <translation>este programa precisa de um ambiente gráfico, mas não há nenhum ecrã definido aqui (DISPLAY e WAYLAND_DISPLAY estão vazias); inicie-o a partir da sua sessão gráfica.</translation>
    </message>
</context>
</TS>
