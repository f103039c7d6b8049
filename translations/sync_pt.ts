<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en">
<context>
    <name>dialstack-sync</name>
    <message>
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
        <translation>Ensaio, nada alterado. Faria aqui: %1; no servidor: %2; %3</translation>
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
        <translation>mantidas as duas versões de um registo alterado dos dois lados: a do servidor, e a deste computador como %1</translation>
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
</context>
</TS>
