<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en">
<context>
    <name>dialstack-sync</name>
    <message>
        <source>left out: %1, a group or a place is not a contact</source>
        <translation>não sincronizado: %1, um grupo ou um local não é um contacto</translation>
    </message>
    <message>
        <source>Open Dialstack</source>
        <translation>Abrir o Dialstack</translation>
    </message>
    <message>
        <source>%1 could not be started</source>
        <translation>Não foi possível iniciar %1</translation>
    </message>
    <message>
        <source>%1 did not finish within a minute</source>
        <translation>%1 não terminou dentro de um minuto</translation>
    </message>
    <message>
        <source>%1 ended with status %2</source>
        <translation>%1 terminou com o estado %2</translation>
    </message>
    <message>
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
--accept-certificate trusts the server's certificate when its SHA-256
fingerprint is the one given. --bring-back answers a refused mass deletion
by bringing the deleted records back. --discover lists the server's address
books and changes nothing. --forget forgets what this program knows about the
directory file's sync (never the file). --timer turns the directory file's
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
        <source>%n added</source>
        <translation>
            <numerusform>%n adicionado</numerusform>
            <numerusform>%n adicionados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed</source>
        <translation>
            <numerusform>%n alterado</numerusform>
            <numerusform>%n alterados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n deleted</source>
        <translation>
            <numerusform>%n apagado</numerusform>
            <numerusform>%n apagados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n conflict kept as a copy</source>
        <translation>
            <numerusform>%n conflito guardado como cópia</numerusform>
            <numerusform>%n conflitos guardados como cópias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n conflicts kept as copies</source>
        <translation>
            <numerusform>%n conflito guardado como cópia</numerusform>
            <numerusform>%n conflitos guardados como cópias</numerusform>
        </translation>
    </message>
    <message>
        <source>Here: %1; on the server: %2; %3</source>
        <translation>Aqui: %1; no servidor: %2; %3</translation>
    </message>
    <message>
        <source>Dry run, nothing changed. Would do here: %1; on the server: %2; %3</source>
        <translation>Ensaio, nada foi alterado. Resultado previsto aqui: %1; no servidor: %2; %3</translation>
    </message>
    <message>
        <source>added here: %1</source>
        <translation>adicionado aqui: %1</translation>
    </message>
    <message>
        <source>changed here: %1</source>
        <translation>alterado aqui: %1</translation>
    </message>
    <message>
        <source>deleted here: %1</source>
        <translation>apagado aqui: %1</translation>
    </message>
    <message>
        <source>added on the server: %1</source>
        <translation>adicionado no servidor: %1</translation>
    </message>
    <message>
        <source>changed on the server: %1</source>
        <translation>alterado no servidor: %1</translation>
    </message>
    <message>
        <source>deleted on the server: %1</source>
        <translation>apagado no servidor: %1</translation>
    </message>
    <message>
        <source>would add here: %1</source>
        <translation>seria adicionado aqui: %1</translation>
    </message>
    <message>
        <source>would change here: %1</source>
        <translation>seria alterado aqui: %1</translation>
    </message>
    <message>
        <source>would delete here: %1</source>
        <translation>seria apagado aqui: %1</translation>
    </message>
    <message>
        <source>would add on the server: %1</source>
        <translation>seria adicionado no servidor: %1</translation>
    </message>
    <message>
        <source>would change on the server: %1</source>
        <translation>seria alterado no servidor: %1</translation>
    </message>
    <message>
        <source>would delete on the server: %1</source>
        <translation>seria apagado no servidor: %1</translation>
    </message>
    <message>
        <source>kept both versions of a record changed on both sides: the server&apos;s, and this machine&apos;s as %1</source>
        <translation>foram mantidas as duas versões de um registo alterado dos dois lados: a do servidor, e a deste computador como %1</translation>
    </message>
    <message>
        <source>would keep both versions of a record changed on both sides: the server&apos;s, and this machine&apos;s as %1</source>
        <translation>seriam mantidas as duas versões de um registo alterado dos dois lados: a do servidor, e a deste computador como %1</translation>
    </message>
    <message>
        <source>%1: the password file cannot be read</source>
        <translation>%1: o ficheiro da palavra-passe não pode ser lido</translation>
    </message>
    <message>
        <source>%1: others can read this password file; make it yours alone (chmod 600 %1) and run again</source>
        <translation>%1: outros podem ler este ficheiro da palavra-passe; torne-o só seu (chmod 600 %1) e execute de novo</translation>
    </message>
    <message>
        <source>Password for %1 at %2: </source>
        <translation>Palavra-passe de %1 em %2: </translation>
    </message>
    <message>
        <source>%1: a Dialstack window has unsaved changes in it, or another program is changing it. Nothing was synced; the next sync after you save takes the window&apos;s changes</source>
        <translation>%1: uma janela do Dialstack tem alterações por guardar, ou outro programa está a alterá-lo. Nada foi sincronizado; a próxima sincronização depois de guardar leva as alterações da janela</translation>
    </message>
    <message>
        <source>stopped by %1; what was synced is kept, and the next sync goes on from there</source>
        <translation>interrompido por %1; o que já foi sincronizado fica guardado, e a próxima sincronização continua a partir daí</translation>
    </message>
    <message>
        <source>no password for %1: the keyring has none; give --password-file FILE</source>
        <translation>sem palavra-passe para %1: o porta-chaves não tem nenhuma; indique --password-file FICHEIRO</translation>
    </message>
    <message>
        <source>no address book found at %1 for %2; create one on the server (in its web page, or with your phone&apos;s contacts app), then sync again</source>
        <translation>nenhum livro de endereços encontrado em %1 para %2; crie um no servidor (na sua página web ou com a aplicação de contactos do telemóvel) e sincronize de novo</translation>
    </message>
    <message>
        <source>this user</source>
        <translation>este utilizador</translation>
    </message>
    <message>
        <source>To settle it, run: %1</source>
        <translation>Para resolver, execute: %1</translation>
    </message>
    <message>
        <source>a password is never taken on the command line: use --password-file FILE, or the keyring</source>
        <translation>uma palavra-passe nunca é aceite na linha de comandos: use --password-file FICHEIRO, ou o porta-chaves</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>argumento inesperado: %1</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 indicado mais de uma vez</translation>
    </message>
    <message>
        <source>--timeout needs a number of seconds from 1 to 3600</source>
        <translation>--timeout precisa de um número de segundos de 1 a 3600</translation>
    </message>
    <message>
        <source>--url needs an http:// or https:// address, not %1</source>
        <translation>--url precisa de um endereço http:// ou https://, não %1</translation>
    </message>
    <message>
        <source>give the user name with --user, not inside the URL</source>
        <translation>indique o nome de utilizador com --user, não dentro do URL</translation>
    </message>
    <message>
        <source>the first sync of %1 needs --url (the address book or the server)</source>
        <translation>a primeira sincronização de %1 precisa de --url (o livro de endereços ou o servidor)</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 s</source>
        <translation>%1 não respondeu em %2 s</translation>
    </message>
    <message>
        <source>%1 refused the user name or password</source>
        <translation>%1 recusou o nome de utilizador ou a palavra-passe</translation>
    </message>
    <message>
        <source>%1 of the %2 records here (%3)</source>
        <translation>%1 dos %2 registos daqui (%3)</translation>
    </message>
    <message>
        <source>%1 of the %2 cards on the server (%3)</source>
        <translation>%1 dos %2 cartões no servidor (%3)</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>this sync would delete %1; nothing was changed. If that is what you want, run it again with --force</source>
        <translation>esta sincronização apagaria %1; nada foi alterado. Se é isso que quer, execute-a de novo com --force</translation>
    </message>
    <message>
        <source>%1: the directory file could not be read completely; nothing was synced</source>
        <translation>%1: não foi possível ler todo o ficheiro da lista; nada foi sincronizado</translation>
    </message>
    <message>
        <source>%1: the folder %2 does not exist; nothing was synced</source>
        <translation>%1: a pasta %2 não existe; nada foi sincronizado</translation>
    </message>
    <message>
        <source>%1: the folder %2 is read-only, so the directory file cannot be saved there; nothing was synced</source>
        <translation>%1: a pasta %2 é só de leitura, por isso o ficheiro da lista não pode ser guardado lá; nada foi sincronizado</translation>
    </message>
    <message>
        <source>%1: is a folder, not a directory file; nothing was synced</source>
        <translation>%1: é uma pasta, não um ficheiro da lista; nada foi sincronizado</translation>
    </message>
    <message>
        <source>%1: could not be saved: %2; the directory file is unchanged</source>
        <translation>%1: não foi possível guardar: %2; o ficheiro da lista não foi alterado</translation>
    </message>
    <message>
        <source>%1: could not be saved: %2</source>
        <translation>%1: não foi possível guardar: %2</translation>
    </message>
    <message>
        <source>stopped by %1</source>
        <translation>interrompido por %1</translation>
    </message>
    <message>
        <source>the address book is at %1, on another server than %2; remove %3 and give the address book with --url</source>
        <translation>o livro de endereços está em %1, um servidor diferente de %2; remova %3 e indique o livro de endereços com --url</translation>
    </message>
    <message>
        <source>%1 --dry-run --verbose   (then %1 --force, if that is what you want)</source>
        <translation>%1 --dry-run --verbose   (depois %1 --force, se é isso que quer)</translation>
    </message>
    <message>
        <source>%1 --password-file FILE   (FILE: the new password, chmod 600)</source>
        <translation>%1 --password-file FICHEIRO   (FICHEIRO: a nova palavra-passe, chmod 600)</translation>
    </message>
    <message>
        <source>%1 --password-file FILE</source>
        <translation>%1 --password-file FICHEIRO</translation>
    </message>
    <message>
        <source>the address book %1 is gone from the server; nothing was changed here</source>
        <translation>o livro de endereços %1 desapareceu do servidor; nada foi alterado aqui</translation>
    </message>
    <message>
        <source>rm %1; %2 --url URL-OF-THE-ADDRESS-BOOK</source>
        <translation>rm %1; %2 --url URL-DO-LIVRO-DE-ENDEREÇOS</translation>
    </message>
    <message>
        <source>%1 is synced with %2; to sync it with another address book, first remove %3</source>
        <translation>%1 está sincronizado com %2; para o sincronizar com outro livro de endereços, remova primeiro %3</translation>
    </message>
    <message>
        <source>a password is never sent over plain http:// except to this machine; use https:// for %1</source>
        <translation>uma palavra-passe nunca é enviada por http:// sem cifra, exceto para este computador; use https:// para %1</translation>
    </message>
    <message>
        <source>%1: holds no certificate (PEM) that can be read</source>
        <translation>%1: não contém nenhum certificado (PEM) legível</translation>
    </message>
    <message>
        <source>%1: the certificate remembered for this server cannot be read; give it again with --certificate FILE</source>
        <translation>%1: o certificado memorizado para este servidor não pode ser lido; indique-o de novo com --certificate FICHEIRO</translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring (none is running); from now on the file %1 is read for it. Keep it readable by you alone.</source>
        <translation>Não foi possível guardar a palavra-passe no porta-chaves (nenhum está em execução); a partir de agora é lida do ficheiro %1. Mantenha-o legível só por si.</translation>
    </message>
    <message>
        <source>the server has several address books; run again with --url and one of them:</source>
        <translation>o servidor tem vários livros de endereços; execute de novo com --url e um deles:</translation>
    </message>
    <message>
        <source>%1 sent this program to %2, another server; it only talks to the server it was given. If that one is right, give it with --url</source>
        <translation>%1 reencaminhou este programa para %2, outro servidor; ele só fala com o servidor que lhe foi indicado. Se esse for o certo, indique-o com --url</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted (%2); if it is your own server&apos;s, give its certificate with --certificate FILE</source>
        <translation>o certificado de %1 não é de confiança (%2); se for o do seu próprio servidor, indique o certificado com --certificate FICHEIRO</translation>
    </message>
    <message>
        <source>%1: the server does not allow this (403 Forbidden)</source>
        <translation>%1: o servidor não o permite (403 Forbidden)</translation>
    </message>
    <message>
        <source>%1: not found on the server (404)</source>
        <translation>%1: não encontrado no servidor (404)</translation>
    </message>
    <message>
        <source>%1: the server answered %2</source>
        <translation>%1: o servidor respondeu %2</translation>
    </message>
    <message>
        <source>%1 sent a reply that could not be read: %2</source>
        <translation>%1 enviou uma resposta que não pôde ser lida: %2</translation>
    </message>
    <message>
        <source>%1 could not give the card %2 (no status); nothing was changed, run the sync again later</source>
        <translation>%1 não conseguiu fornecer o cartão %2 (sem estado); nada foi alterado, sincronize de novo mais tarde</translation>
    </message>
    <message>
        <source>%1 could not give the card %2 (status %3); nothing was changed, run the sync again later</source>
        <translation>%1 não conseguiu fornecer o cartão %2 (estado %3); nada foi alterado, sincronize de novo mais tarde</translation>
    </message>
    <message>
        <source>the server answered %1 (%2)</source>
        <translation>o servidor respondeu %1 (%2)</translation>
    </message>
    <message>
        <source>the server answered %1: %2</source>
        <translation>o servidor respondeu %1: %2</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>o servidor respondeu %1</translation>
    </message>
    <message>
        <source>%1 points to another server, %2, for the address books; nothing was sent there. If that server is right, give its address book with --url</source>
        <translation>%1 remete para outro servidor, %2, para os livros de endereços; nada foi enviado para lá. Se esse servidor for o certo, indique o seu livro de endereços com --url</translation>
    </message>
    <message>
        <source>the reply is not a WebDAV multistatus</source>
        <translation>a resposta não é um multistatus WebDAV</translation>
    </message>
    <message>
        <source>the address book kept changing while this sync wrote to it; nothing was lost, run the sync again</source>
        <translation>o livro de endereços não parou de mudar enquanto esta sincronização escrevia nele; nada se perdeu, sincronize de novo</translation>
    </message>
    <message>
        <source>the card of %1</source>
        <translation>o cartão de %1</translation>
    </message>
    <message>
        <source>the card %1</source>
        <translation>o cartão %1</translation>
    </message>
    <message>
        <source>status %1</source>
        <translation>estado %1</translation>
    </message>
    <message>
        <source>left out of its reply</source>
        <translation>omitido na sua resposta</translation>
    </message>
    <message>
        <source>%1 did not give %2 (%3); nothing was changed, run the sync again later</source>
        <translation>%1 não forneceu %2 (%3); nada foi alterado, sincronize de novo mais tarde</translation>
    </message>
    <message numerus="yes">
        <source>%1 did not give %2 (%3) nor %n other cards; nothing was changed, run the sync again later</source>
        <translation>
            <numerusform>%1 não forneceu %2 (%3) nem %n outro cartão; nada foi alterado, sincronize de novo mais tarde</numerusform>
            <numerusform>%1 não forneceu %2 (%3) nem %n outros cartões; nada foi alterado, sincronize de novo mais tarde</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the directory file changed on disk while syncing; nothing was changed here, run the sync again</source>
        <translation>%1: o ficheiro da lista mudou no disco durante a sincronização; nada foi alterado aqui, sincronize de novo</translation>
    </message>
    <message>
        <source>%1: its last record has no name, and adding records would overwrite it; give it a name in Dialstack first. Nothing was changed</source>
        <translation>%1: o último registo não tem nome, e adicionar registos iria sobrescrevê-lo; dê-lhe primeiro um nome no Dialstack. Nada foi alterado</translation>
    </message>
    <message numerus="yes">
        <source>the server refused %n record: %1. Everything else was synced</source>
        <translation>
            <numerusform>o servidor recusou %n registo: %1. Tudo o resto foi sincronizado</numerusform>
            <numerusform>o servidor recusou %n registos: %1. Tudo o resto foi sincronizado</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the server refused %n records: %1. Everything else was synced</source>
        <translation>
            <numerusform>o servidor recusou %n registo: %1. Tudo o resto foi sincronizado</numerusform>
            <numerusform>o servidor recusou %n registos: %1. Tudo o resto foi sincronizado</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 e mais %n</numerusform>
            <numerusform>%1 e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the sync state is damaged; remove it to sync this directory afresh</source>
        <translation>%1: o estado da sincronização está danificado; remova-o para sincronizar esta lista de raiz</translation>
    </message>
    <message>
        <source>%1: the sync journal could not be written</source>
        <translation>%1: não foi possível escrever o diário da sincronização</translation>
    </message>
    <message>
        <source>%1: the folder could not be made</source>
        <translation>%1: não foi possível criar a pasta</translation>
    </message>
    <message>
        <source>%1: the sync state could not be saved: %2</source>
        <translation>%1: não foi possível guardar o estado da sincronização: %2</translation>
    </message>
    <message>
        <source>%1: the sync state could not be made private</source>
        <translation>%1: não foi possível tornar privado o estado da sincronização</translation>
    </message>
    <message>
        <source>Dialstack sync needs you</source>
        <translation>A sincronização do Dialstack precisa de si</translation>
    </message>
    <message>
        <source>Dialstack: %1 at %2</source>
        <translation>Dialstack: %1 em %2</translation>
    </message>
    <message>
        <source>%1 is neither a CardDAV server nor an address book (asked: %2); give the address of your address book with --url</source>
        <translation>%1 não é um servidor CardDAV nem um livro de endereços (endereços consultados: %2); indique o endereço do seu livro de endereços com --url</translation>
    </message>
    <message>
        <source>%1 is synced with %2; to sync it with another address book, first forget this sync with --forget</source>
        <translation>%1 está sincronizado com %2; para o sincronizar com outro livro de endereços, esqueça primeiro esta sincronização com --forget</translation>
    </message>
    <message>
        <source>%1 refused the password for %2 read from %3; put the new password in that file</source>
        <translation>%1 recusou a palavra-passe de %2 lida de %3; ponha a nova palavra-passe nesse ficheiro</translation>
    </message>
    <message>
        <source>%1: %2; nothing was synced</source>
        <translation>%1: %2; nada foi sincronizado</translation>
    </message>
    <message>
        <source>%1: no certificate could be had from the server: %2</source>
        <translation>%1: não foi possível obter um certificado do servidor: %2</translation>
    </message>
    <message>
        <source>%1: the server answered %2 (%3)</source>
        <translation>%1: o servidor respondeu %2 (%3)</translation>
    </message>
    <message>
        <source>%1: the sync's memory of this directory file is damaged (%2); forget it, then sync again with --url</source>
        <translation>%1: o estado da sincronização deste ficheiro da lista está danificado (%2); esqueça-o e volte a sincronizar com --url</translation>
    </message>
    <message>
        <source>--accept-certificate is for a server at an https:// address</source>
        <translation>--accept-certificate é para um servidor com um endereço https://</translation>
    </message>
    <message>
        <source>--accept-certificate needs the certificate's SHA-256 fingerprint (64 hex digits)</source>
        <translation>--accept-certificate precisa da impressão digital SHA-256 do certificado (64 dígitos hexadecimais)</translation>
    </message>
    <message>
        <source>--discover needs --url (the server or the address book)</source>
        <translation>--discover precisa de --url (o servidor ou o livro de endereços)</translation>
    </message>
    <message>
        <source>--discover, --forget and --timer each run alone</source>
        <translation>--discover, --forget e --timer usam-se cada um sozinho</translation>
    </message>
    <message>
        <source>--password-stdin: no password came on standard input</source>
        <translation>--password-stdin: não chegou nenhuma palavra-passe pela entrada padrão</translation>
    </message>
    <message>
        <source>--report takes json</source>
        <translation>--report aceita json</translation>
    </message>
    <message>
        <source>--timer takes on, off or status</source>
        <translation>--timer aceita on, off ou status</translation>
    </message>
    <message>
        <source>Address books found:</source>
        <translation>Livros de endereços encontrados:</translation>
    </message>
    <message>
        <source>Keep it in %1 (readable by you alone)? [y/N]</source>
        <translation>Guardá-la em %1 (legível só por si)? [s/N]</translation>
    </message>
    <message>
        <source>y</source>
        <translation>s</translation>
    </message>
    <message>
        <source>No timer syncs this directory file.</source>
        <translation>Nenhum temporizador sincroniza este ficheiro da lista.</translation>
    </message>
    <message>
        <source>The password could not be kept: %1</source>
        <translation>Não foi possível guardar a palavra-passe: %1</translation>
    </message>
    <message>
        <source>The timer syncs this directory file every quarter of an hour.</source>
        <translation>O temporizador sincroniza este ficheiro da lista a cada quarto de hora.</translation>
    </message>
    <message>
        <source>a password is never taken on the command line: use --password-file FILE, --password-stdin, or the keyring</source>
        <translation>uma palavra-passe nunca é aceite na linha de comandos: use --password-file FICHEIRO, --password-stdin ou o porta-chaves</translation>
    </message>
    <message>
        <source>give the password with --password-file or --password-stdin, not both</source>
        <translation>indique a palavra-passe com --password-file ou com --password-stdin, não com ambas</translation>
    </message>
    <message>
        <source>is a folder, not a directory file</source>
        <translation>é uma pasta, não um ficheiro da lista</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>não pode ser lido</translation>
    </message>
    <message>
        <source>it is no sync state this program wrote, or it was cut short</source>
        <translation>não foi escrito por este programa, ou ficou cortado</translation>
    </message>
    <message>
        <source>it is not the one whose fingerprint was given</source>
        <translation>não é aquele cuja impressão digital foi indicada</translation>
    </message>
    <message>
        <source>no password for %1 at %2: the keyring has none, and no password file is remembered</source>
        <translation>não há palavra-passe para %1 em %2: o porta-chaves não tem nenhuma e nenhum ficheiro de palavra-passe está memorizado</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted (%2); its SHA-256 fingerprint is %3. If it is your own server's, trust it</source>
        <translation>o certificado de %1 não é de confiança (%2); a sua impressão digital SHA-256 é %3. Se for o do seu próprio servidor, confie nele</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>a pasta não existe</translation>
    </message>
    <message>
        <source>the folder is read-only, so the directory file cannot be saved there</source>
        <translation>a pasta é só de leitura, por isso o ficheiro da lista não pode ser guardado lá</translation>
    </message>
    <message>
        <source>the timer could not be set: %1</source>
        <translation>não foi possível definir o temporizador: %1</translation>
    </message>
    <message>
        <source>the timer cannot be set: no systemd user manager runs for this user</source>
        <translation>o temporizador não pode ser definido: nenhum gestor de utilizador do systemd está em execução para este utilizador</translation>
    </message>
    <message>
        <source>this sync would delete %1; nothing was changed. If that is what you want, run it again with --force; to bring them back instead, with --bring-back</source>
        <translation>esta sincronização apagaria %1; nada foi alterado. Se é isso que quer, execute-a de novo com --force; para os recuperar em vez disso, com --bring-back</translation>
    </message>
    <message numerus="yes">
        <source>the server refused %n card (%1); everything else is in step</source>
        <translation>
            <numerusform>o servidor recusou %n cartão (%1); todo o resto está sincronizado</numerusform>
            <numerusform>o servidor recusou %n cartões (%1); todo o resto está sincronizado</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the server refused %n cards (%1); everything else is in step</source>
        <translation>
            <numerusform>o servidor recusou %n cartão (%1); todo o resto está sincronizado</numerusform>
            <numerusform>o servidor recusou %n cartões (%1); todo o resto está sincronizado</numerusform>
        </translation>
    </message>
    <message>
        <source>the server sent this program to %1, another server; it only talks to the server it was given. If that one is right, give it with --url</source>
        <translation>o servidor reencaminhou este programa para %1, outro servidor; ele só fala com o servidor que lhe foi indicado. Se esse for o certo, indique-o com --url</translation>
    </message>
    <message>
        <source>the server points to another server, %1, for the address books; nothing was sent there. If that server is right, give its address book with --url</source>
        <translation>o servidor remete para outro servidor, %1, para os livros de endereços; nada foi enviado para lá. Se esse servidor for o certo, indique o seu livro de endereços com --url</translation>
    </message>
</context>
</TS>
