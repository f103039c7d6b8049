<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en">
<context>
    <name>Resources</name>
    <message>
        <source>About Quillaven Dialstack</source>
        <translation>Acerca do Quillaven Dialstack</translation>
    </message>
    <message>
        <source>Dialstack icon</source>
        <translation>Ícone do Dialstack</translation>
    </message>
    <message>
        <source>Quillaven Dialstack Version 2.0</source>
        <translation>Quillaven Dialstack versão 2.0</translation>
    </message>
    <message>
        <source>Made in Quillaven for every desk.</source>
        <translation>Feito em Quillaven para todas as secretárias.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Dialstack keeps the names, phone and pager numbers, e-mail addresses and notes of the people you call, in the file Dialstack.dat of the folder you start it from.</source>
        <translation>O Dialstack guarda os nomes, telefones, pagers, endereços de email e notas das pessoas a quem liga, no ficheiro Dialstack.dat da pasta onde o inicia.</translation>
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
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Save Now</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Delete Name</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Undo Changes</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Edit Name</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Save / Quit</source>
        <translation>Guardar/Sair</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nomes</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalhes</translation>
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
        <translation>Notas</translation>
    </message>
    <message>
        <source>Add Record</source>
        <translation>Adicionar registo</translation>
    </message>
    <message>
        <source>Edit Item</source>
        <translation>Editar registo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Telefone</translation>
    </message>
    <message>
        <source>Pager Number</source>
        <translation>Pager</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Procurar:</translation>
    </message>
    <message>
        <source>Find what</source>
        <translation>Texto a procurar</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Seguinte</translation>
    </message>
    <message>
        <source>&amp;About Dialstack2...</source>
        <translation>&amp;Acerca do Dialstack2...</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>&amp;Procurar…</translation>
    </message>
    <message>
        <source>Dialstack Help</source>
        <translation>Ajuda do Dialstack</translation>
    </message>
    <message>
        <source>Sync &amp;Now</source>
        <translation>&amp;Sincronizar agora</translation>
    </message>
    <message>
        <source>Your changes to the directory are not saved yet.

Save them before you leave?</source>
        <translation>As suas alterações à lista ainda não foram guardadas.

Guardá-las antes de sair?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Leave without saving</source>
        <translation>Sair &amp;sem guardar</translation>
    </message>
    <message>
        <source>S&amp;tay</source>
        <translation>&amp;Ficar</translation>
    </message>
    <message>
        <source>Another program (dialstack-sync or dialstack-convert import) is changing the directory file right now, so nothing was changed here.

Try again in a moment: the window then shows what that program wrote.</source>
        <translation>Outro programa (dialstack-sync ou dialstack-convert import) está a alterar o ficheiro da lista neste momento, por isso nada foi alterado aqui.

Tente novamente daqui a pouco: a janela mostrará então o que esse programa escreveu.</translation>
    </message>
    <message>
        <source>Your changes are not saved yet. The sync takes the directory as saved.

Save your changes and sync?</source>
        <translation>As suas alterações ainda não foram guardadas. A sincronização usa a lista tal como está guardada.

Guardar as alterações e sincronizar?</translation>
    </message>
    <message>
        <source>&amp;Save and sync</source>
        <translation>&amp;Guardar e sincronizar</translation>
    </message>
    <message>
        <source>Syncing the directory with the address book…</source>
        <translation>A sincronizar a lista com o livro de endereços…</translation>
    </message>
    <message>
        <source>The sync program dialstack-sync was found neither beside Dialstack nor on the PATH.

Install it with Dialstack, then try again.</source>
        <translation>O programa de sincronização dialstack-sync não foi encontrado, nem junto do Dialstack nem no PATH.

Instale-o com o Dialstack e tente novamente.</translation>
    </message>
    <message>
        <source>The sync program %1 could not be started: %2</source>
        <translation>Não foi possível iniciar o programa de sincronização %1: %2</translation>
    </message>
    <message>
        <source>The directory and the address book are in step.</source>
        <translation>A lista e o livro de endereços estão sincronizados.</translation>
    </message>
    <message>
        <source>The sync did not finish:

%1

Check the network and the server, then try again. What was synced stays; the next sync does the rest.</source>
        <translation>A sincronização não terminou:

%1

Verifique a rede e o servidor e tente novamente. O que já foi sincronizado mantém-se; a próxima sincronização faz o resto.</translation>
    </message>
    <message>
        <source>The sync of this directory is not set up as expected:

%1

Set it up again in a terminal (see &quot;man dialstack-sync&quot;).</source>
        <translation>A sincronização desta lista não está configurada como esperado:

%1

Configure-a de novo num terminal (consulte «man dialstack-sync»).</translation>
    </message>
    <message>
        <source>The sync cannot run now:

%1

Try again in a moment.</source>
        <translation>A sincronização não pode ser feita agora:

%1

Tente novamente daqui a pouco.</translation>
    </message>
    <message>
        <source>The sync stopped because it needs you:

%1

Run dialstack-sync --file &quot;%2&quot; in a terminal to settle it.</source>
        <translation>A sincronização parou porque precisa de si:

%1

Execute dialstack-sync --file &quot;%2&quot; num terminal para resolver a situação.</translation>
    </message>
    <message>
        <source>The sync was cancelled. What it had finished stays; the next sync does the rest.</source>
        <translation>A sincronização foi cancelada. O que já tinha terminado mantém-se; a próxima sincronização faz o resto.</translation>
    </message>
    <message>
        <source>The sync program ended unexpectedly.

%1

Try again; if it happens again, run dialstack-sync --file &quot;%2&quot; in a terminal to see why.</source>
        <translation>O programa de sincronização terminou inesperadamente.

%1

Tente novamente; se voltar a acontecer, execute dialstack-sync --file &quot;%2&quot; num terminal para ver porquê.</translation>
    </message>
    <message>
        <source>Only the selected record matches &quot;%1&quot;.</source>
        <translation>Só o registo selecionado corresponde a «%1».</translation>
    </message>
    <message>
        <source>Nothing in the directory matches &quot;%1&quot;.</source>
        <translation>Nada na lista corresponde a «%1».</translation>
    </message>
    <message>
        <source>You must specify a name!</source>
        <translation>Tem de indicar um nome!</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erro desconhecido</translation>
    </message>
    <message>
        <source>The directory could not be saved to &quot;%1&quot;: %2

%3</source>
        <translation>Não foi possível guardar a lista em «%1»: %2

%3</translation>
    </message>
    <message>
        <source>The directory could not be saved to &quot;%1&quot;: %2

%3 The file on disk is unchanged.</source>
        <translation>Não foi possível guardar a lista em «%1»: %2

%3 O ficheiro no disco não foi alterado.</translation>
    </message>
    <message>
        <source>Your changes are still here.</source>
        <translation>As suas alterações continuam aqui.</translation>
    </message>
    <message>
        <source>Dialstack stays open so that your changes are not lost.</source>
        <translation>O Dialstack fica aberto para que as suas alterações não se percam.</translation>
    </message>
    <message>
        <source>Your changes are still here; nothing was synced.</source>
        <translation>As suas alterações continuam aqui; nada foi sincronizado.</translation>
    </message>
    <message>
        <source>The directory was saved to &quot;%1&quot;; %2</source>
        <translation>A lista foi guardada em «%1»; %2</translation>
    </message>
    <message>
        <source>The directory file &quot;%1&quot; has been changed by another program since Dialstack loaded or saved it.

Replace it with the directory shown here? The other program&apos;s changes would be lost.</source>
        <translation>O ficheiro da lista «%1» foi alterado por outro programa depois de o Dialstack o ter carregado ou guardado.

Substituí-lo pela lista aqui mostrada? As alterações do outro programa perder-se-iam.</translation>
    </message>
    <message>
        <source>The directory file &quot;%1&quot; could not be read completely. %2

Saving now would replace the file with what is shown.</source>
        <translation>Não foi possível ler todo o ficheiro da lista «%1». %2

Se guardar agora, o ficheiro será substituído pelo que está a ser mostrado.</translation>
    </message>
    <message>
        <source>The directory file &quot;%1&quot; could not be opened: %2 %3

Saving now would replace the file with what is shown.</source>
        <translation>Não foi possível abrir o ficheiro da lista «%1»: %2 %3

Se guardar agora, o ficheiro será substituído pelo que está a ser mostrado.</translation>
    </message>
    <message numerus="yes">
        <source>%n record was read and is shown.</source>
        <translation>
            <numerusform>Foi lido e é mostrado %n registo.</numerusform>
            <numerusform>Foram lidos e são mostrados %n registos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records were read and are shown.</source>
        <translation>
            <numerusform>Foi lido e é mostrado %n registo.</numerusform>
            <numerusform>Foram lidos e são mostrados %n registos.</numerusform>
        </translation>
    </message>
    <message>
        <source>The directory could not be printed: %1

Nothing in the directory has changed.</source>
        <translation>Não foi possível imprimir a lista: %1

Nada na lista foi alterado.</translation>
    </message>
    <message>
        <source>Set Up Sync</source>
        <translation>Configurar sincronização</translation>
    </message>
    <message>
        <source>Sync Settings</source>
        <translation>Opções de sincronização</translation>
    </message>
    <message>
        <source>&amp;Server address:</source>
        <translation>Endereço do &amp;servidor:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nome de &amp;utilizador:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>Pala&amp;vra-passe:</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Ligar</translation>
    </message>
    <message>
        <source>&amp;Address books:</source>
        <translation>Livros de &amp;endereços:</translation>
    </message>
    <message>
        <source>Type the address of your CardDAV server (your provider's help names it), your user name and your password, then press Connect.</source>
        <translation>Escreva o endereço do seu servidor CardDAV (a ajuda do seu fornecedor indica-o), o seu nome de utilizador e a sua palavra-passe e carregue em «Ligar».</translation>
    </message>
    <message>
        <source>Stop S&amp;yncing</source>
        <translation>&amp;Deixar de sincronizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Sync Password</source>
        <translation>Palavra-passe da sincronização</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Palavra-passe:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Palavra-passe</translation>
    </message>
    <message>
        <source>Set &amp;Up Sync…</source>
        <translation>&amp;Configurar sincronização…</translation>
    </message>
    <message>
        <source>Sync Se&amp;ttings…</source>
        <translation>&amp;Opções de sincronização…</translation>
    </message>
    <message>
        <source>The directory and the address book are in step: %1 here, %2 in the address book.</source>
        <translation>A lista e o livro de endereços estão em dia: %1 aqui, %2 no livro de endereços.</translation>
    </message>
    <message numerus="yes">
        <source>%n change</source>
        <translation>
            <numerusform>%n alteração</numerusform>
            <numerusform>%n alterações</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changes</source>
        <translation>
            <numerusform>%n alteração</numerusform>
            <numerusform>%n alterações</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the server's address, your user name and your password first.</source>
        <translation>Escreva primeiro o endereço do servidor, o seu nome de utilizador e a sua palavra-passe.</translation>
    </message>
    <message>
        <source>Looking for your address books on the server…</source>
        <translation>A procurar os seus livros de endereços no servidor…</translation>
    </message>
    <message>
        <source>The server holds several address books for %1. Pick the one to sync with, then press Connect again.</source>
        <translation>O servidor tem vários livros de endereços para %1. Escolha o que quer sincronizar e carregue outra vez em «Ligar».</translation>
    </message>
    <message>
        <source>%1 refused the password of %2. Check the user name and the password, then press Connect again.</source>
        <translation>%1 recusou a palavra-passe de %2. Verifique o nome de utilizador e a palavra-passe e carregue outra vez em «Ligar».</translation>
    </message>
    <message>
        <source>No address book was found at %1 for %2. Check the server's address (your provider's help names it), then press Connect again.</source>
        <translation>Não foi encontrado nenhum livro de endereços em %1 para %2. Verifique o endereço do servidor (a ajuda do seu fornecedor indica-o) e carregue outra vez em «Ligar».</translation>
    </message>
    <message>
        <source>The server could not be reached or did not answer as expected:
%1</source>
        <translation>Não foi possível contactar o servidor ou este não respondeu como esperado:
%1</translation>
    </message>
    <message>
        <source>The directory and the address book are in step. Your password is kept in your desktop's keyring.</source>
        <translation>A lista e o livro de endereços estão em dia. A sua palavra-passe fica guardada no porta-chaves do seu ambiente de trabalho.</translation>
    </message>
    <message>
        <source>The directory and the address book are in step. Your password is kept in the file %1, which only you can read.</source>
        <translation>A lista e o livro de endereços estão em dia. A sua palavra-passe fica guardada no ficheiro %1, que só o utilizador pode ler.</translation>
    </message>
    <message>
        <source>The directory and the address book are in step. Your password could not be kept, so the sync will ask for it again.</source>
        <translation>A lista e o livro de endereços estão em dia. Não foi possível guardar a sua palavra-passe; a sincronização voltará a pedi-la.</translation>
    </message>
    <message>
        <source>Sync every quarter of an hour from now on, while you are logged in?</source>
        <translation>Sincronizar a partir de agora a cada quarto de hora, enquanto tiver a sessão iniciada?</translation>
    </message>
    <message>
        <source>Sync &amp;every quarter hour</source>
        <translation>A &amp;cada quarto de hora</translation>
    </message>
    <message>
        <source>&amp;Not now</source>
        <translation>&amp;Agora não</translation>
    </message>
    <message>
        <source>From now on the directory is synced every quarter of an hour.</source>
        <translation>A partir de agora a lista é sincronizada a cada quarto de hora.</translation>
    </message>
    <message>
        <source>This computer cannot sync every quarter of an hour on its own: that needs the systemd user manager, and none runs for you here. Use Sync Now in the window menu instead.</source>
        <translation>Este computador não consegue sincronizar sozinho a cada quarto de hora: para isso é preciso o gestor de utilizador do systemd, que aqui não está a funcionar para si. Use antes «Sincronizar agora» no menu da janela.</translation>
    </message>
    <message>
        <source>The quarter-hourly sync could not be switched on:

%1</source>
        <translation>Não foi possível ativar a sincronização a cada quarto de hora:

%1</translation>
    </message>
    <message>
        <source>Stop syncing this directory with the address book?

The directory file stays as it is. The sync can also forget what it knows of this directory; setting it up again then starts afresh.</source>
        <translation>Deixar de sincronizar esta lista com o livro de endereços?

O ficheiro da lista fica como está. A sincronização também pode esquecer o que sabe desta lista; configurá-la de novo começa então do zero.</translation>
    </message>
    <message>
        <source>&amp;Stop syncing</source>
        <translation>&amp;Deixar de sincronizar</translation>
    </message>
    <message>
        <source>Stop and &amp;forget</source>
        <translation>Deixar e &amp;esquecer</translation>
    </message>
    <message>
        <source>The directory is no longer synced every quarter of an hour. Sync Now still syncs it when you ask.</source>
        <translation>A lista deixou de ser sincronizada a cada quarto de hora. «Sincronizar agora» continua a sincronizá-la quando o pedir.</translation>
    </message>
    <message>
        <source>The directory is no longer synced. Dialstack.dat stays as it is.</source>
        <translation>A lista deixou de ser sincronizada. O Dialstack.dat fica como está.</translation>
    </message>
    <message>
        <source>The sync could not be stopped:

%1</source>
        <translation>Não foi possível parar a sincronização:

%1</translation>
    </message>
    <message>
        <source>%1 refused the password of %2. Type the password again:</source>
        <translation>%1 recusou a palavra-passe de %2. Escreva de novo a palavra-passe:</translation>
    </message>
    <message>
        <source>The sync needs the password of %2 at %1:</source>
        <translation>A sincronização precisa da palavra-passe de %2 em %1:</translation>
    </message>
    <message>
        <source>The password file %1 is gone or others can read it, so the sync no longer uses it. Type the password; it will be kept safely:</source>
        <translation>O ficheiro da palavra-passe %1 desapareceu ou outros podem lê-lo, por isso a sincronização deixou de o usar. Escreva a palavra-passe; voltará a ser guardada em segurança:</translation>
    </message>
    <message>
        <source>Names were deleted here, and %1 of the %2 cards in the address book would go with them: %3.

The sync stopped so that nothing is deleted by mistake.</source>
        <translation>Foram apagados nomes aqui, e %1 dos %2 cartões do livro de endereços desapareceriam com eles: %3.

A sincronização parou para que nada seja apagado por engano.</translation>
    </message>
    <message>
        <source>Cards were deleted from the address book, and %1 of the %2 names here would go with them: %3.

The sync stopped so that nothing is deleted by mistake.</source>
        <translation>Foram apagados cartões do livro de endereços, e %1 dos %2 nomes daqui desapareceriam com eles: %3.

A sincronização parou para que nada seja apagado por engano.</translation>
    </message>
    <message>
        <source>&amp;Delete them there too</source>
        <translation>&amp;Apagá-los também lá</translation>
    </message>
    <message>
        <source>&amp;Delete them here too</source>
        <translation>&amp;Apagá-los também aqui</translation>
    </message>
    <message>
        <source>&amp;Bring them back</source>
        <translation>&amp;Recuperá-los</translation>
    </message>
    <message numerus="yes">
        <source>and %n other name</source>
        <translation>
            <numerusform>e mais %n nome</numerusform>
            <numerusform>e mais %n nomes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n other names</source>
        <translation>
            <numerusform>e mais %n nome</numerusform>
            <numerusform>e mais %n nomes</numerusform>
        </translation>
    </message>
    <message>
        <source>This computer does not trust the certificate of %1, so the sync stopped.

Issued to: %2
Issued by: %3
SHA-256 fingerprint: %4

Trust it only if your server's administrator gave you this fingerprint.</source>
        <translation>Este computador não confia no certificado de %1, por isso a sincronização parou.

Emitido para: %2
Emitido por: %3
Impressão digital SHA-256: %4

Confie nele apenas se o administrador do seu servidor lhe deu esta impressão digital.</translation>
    </message>
    <message>
        <source>&amp;Trust this certificate</source>
        <translation>&amp;Confiar neste certificado</translation>
    </message>
    <message>
        <source>The address book %1 is gone from the server, so the sync stopped. Choose the address book to sync with in the window that opens now.</source>
        <translation>O livro de endereços %1 já não existe no servidor, por isso a sincronização parou. Escolha o livro de endereços a sincronizar na janela que se abre agora.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed both here and in the address book. It now holds the address book's version; this computer's version was kept as &quot;%2&quot;.
%3</source>
        <translation>«%1» foi alterado aqui e no livro de endereços. Tem agora a versão do livro de endereços; a deste computador foi guardada como «%2».
%3</translation>
    </message>
    <message>
        <source>%1: here &quot;%2&quot;, in the address book &quot;%3&quot;</source>
        <translation>%1: aqui «%2», no livro de endereços «%3»</translation>
    </message>
    <message>
        <source>&amp;Select the Copy</source>
        <translation>&amp;Selecionar a cópia</translation>
    </message>
</context>
<context>
    <name>Framework</name>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Mover</translation>
    </message>
    <message>
        <source>&amp;Close	Alt+F4</source>
        <translation>&amp;Fechar	Alt+F4</translation>
    </message>
    <message>
        <source>Please enter a whole number.</source>
        <translation>Introduza um número inteiro.</translation>
    </message>
    <message numerus="yes">
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
        <source>it is a folder, not a file</source>
        <translation>é uma pasta, não um ficheiro</translation>
    </message>
    <message>
        <source>it is a named pipe (FIFO), not a file</source>
        <translation>é um pipe com nome (FIFO), não um ficheiro</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>é um dispositivo, não um ficheiro</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>é um socket, não um ficheiro</translation>
    </message>
    <message>
        <source>it is something other than a file, not a file</source>
        <translation>não é um ficheiro, mas outra coisa</translation>
    </message>
    <message>
        <source>it is a symbolic link to a folder, not to a file</source>
        <translation>é uma ligação simbólica para uma pasta, não para um ficheiro</translation>
    </message>
    <message>
        <source>it is a symbolic link to a named pipe (FIFO), not to a file</source>
        <translation>é uma ligação simbólica para um pipe com nome (FIFO), não para um ficheiro</translation>
    </message>
    <message>
        <source>it is a symbolic link to a device, not to a file</source>
        <translation>é uma ligação simbólica para um dispositivo, não para um ficheiro</translation>
    </message>
    <message>
        <source>it is a symbolic link to a socket, not to a file</source>
        <translation>é uma ligação simbólica para um socket, não para um ficheiro</translation>
    </message>
    <message>
        <source>it is a symbolic link to something other than a file, not to a file</source>
        <translation>é uma ligação simbólica para algo que não é um ficheiro</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>o disco é só de leitura</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>a quota de disco esgotou-se</translation>
    </message>
    <message>
        <source>the file would be larger than this process may write</source>
        <translation>o ficheiro ficaria maior do que este processo pode escrever</translation>
    </message>
    <message>
        <source>the lock file &quot;%1&quot; could not be opened: %2</source>
        <translation>não foi possível abrir o ficheiro de bloqueio «%1»: %2</translation>
    </message>
    <message>
        <source>the lock file &quot;%1&quot; could not be locked: %2</source>
        <translation>não foi possível bloquear o ficheiro de bloqueio «%1»: %2</translation>
    </message>
    <message>
        <source>another program is changing the directory</source>
        <translation>outro programa está a alterar a lista neste momento</translation>
    </message>
    <message>
        <source>a Dialstack window has unsaved changes to the directory, or another program is changing it; once they are saved, the next sync or import takes them in</source>
        <translation>uma janela do Dialstack tem alterações por guardar na lista, ou outro programa está a alterá-la; assim que forem guardadas, a próxima sincronização ou importação inclui-as</translation>
    </message>
    <message>
        <source>the new contents could not be made; nothing was replaced</source>
        <translation>não foi possível criar o novo conteúdo; nada foi substituído</translation>
    </message>
    <message>
        <source>there is not enough memory to make the new contents; nothing was replaced</source>
        <translation>não há memória suficiente para criar o novo conteúdo; nada foi substituído</translation>
    </message>
    <message>
        <source>the folder takes no new file, so the file itself was rewritten, which failed (%1); its old contents were written back, so it is as it was</source>
        <translation>a pasta não aceita um ficheiro novo, por isso o próprio ficheiro foi reescrito, o que falhou (%1); o conteúdo antigo foi reposto, por isso está como estava</translation>
    </message>
    <message>
        <source>the folder takes no new file, so the file itself was rewritten, which failed (%1); its old contents could not be written back, so the file is damaged</source>
        <translation>a pasta não aceita um ficheiro novo, por isso o próprio ficheiro foi reescrito, o que falhou (%1); não foi possível repor o conteúdo antigo, por isso o ficheiro está danificado</translation>
    </message>
    <message>
        <source>it is a symbolic link to nothing; nothing was replaced</source>
        <translation>é uma ligação simbólica que não leva a lado nenhum; nada foi substituído</translation>
    </message>
    <message>
        <source>%1; nothing was replaced</source>
        <translation>%1; nada foi substituído</translation>
    </message>
    <message>
        <source>the new file is in place, but it may not be on the disk yet: the folder could not be synced (%1)</source>
        <translation>o ficheiro novo está no lugar, mas pode ainda não estar no disco: não foi possível escrever a pasta no disco (%1)</translation>
    </message>
    <message>
        <source>the folder it belongs in no longer exists</source>
        <translation>a pasta onde deve estar já não existe</translation>
    </message>
    <message>
        <source>there is not enough memory to replace the file; nothing was replaced</source>
        <translation>não há memória suficiente para substituir o ficheiro; nada foi substituído</translation>
    </message>
    <message>
        <source>there is not enough memory to make the file</source>
        <translation>não há memória suficiente para criar o ficheiro</translation>
    </message>
    <message>
        <source>there is no directory to save</source>
        <translation>não há nenhuma lista para guardar</translation>
    </message>
    <message>
        <source>the print service (CUPS) is not running</source>
        <translation>o serviço de impressão (CUPS) não está em execução</translation>
    </message>
    <message>
        <source>no default printer is configured; choose one in the system&apos;s printer settings or with &quot;lpoptions -d PRINTER&quot;</source>
        <translation>não há nenhuma impressora predefinida configurada; escolha uma nas definições de impressoras do sistema ou com «lpoptions -d IMPRESSORA»</translation>
    </message>
    <message>
        <source>the default printer is not available: %1</source>
        <translation>a impressora predefinida não está disponível: %1</translation>
    </message>
    <message>
        <source>the printer refused the job: %1</source>
        <translation>a impressora recusou o trabalho: %1</translation>
    </message>
    <message>
        <source>the job could not be sent to the printer: %1</source>
        <translation>não foi possível enviar o trabalho para a impressora: %1</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permissão negada</translation>
    </message>
    <message>
        <source>operation not permitted</source>
        <translation>operação não permitida</translation>
    </message>
    <message>
        <source>no such file or directory</source>
        <translation>o ficheiro ou pasta não existe</translation>
    </message>
    <message>
        <source>not a directory</source>
        <translation>uma parte do caminho não é uma pasta</translation>
    </message>
    <message>
        <source>is a directory</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>too many levels of symbolic links</source>
        <translation>demasiados níveis de ligações simbólicas</translation>
    </message>
    <message>
        <source>file name too long</source>
        <translation>nome de ficheiro demasiado longo</translation>
    </message>
    <message>
        <source>input/output error</source>
        <translation>erro de entrada/saída</translation>
    </message>
    <message>
        <source>device or resource busy</source>
        <translation>dispositivo ou recurso ocupado</translation>
    </message>
    <message>
        <source>text file busy</source>
        <translation>o ficheiro está em execução como programa</translation>
    </message>
    <message>
        <source>cannot allocate memory</source>
        <translation>memória insuficiente</translation>
    </message>
    <message>
        <source>too many open files</source>
        <translation>demasiados ficheiros abertos</translation>
    </message>
    <message>
        <source>too many open files in system</source>
        <translation>demasiados ficheiros abertos no sistema</translation>
    </message>
    <message>
        <source>no locks available</source>
        <translation>não há bloqueios disponíveis</translation>
    </message>
    <message>
        <source>stale file handle</source>
        <translation>referência de ficheiro obsoleta</translation>
    </message>
    <message>
        <source>no such device or address</source>
        <translation>o dispositivo ou endereço não existe</translation>
    </message>
    <message>
        <source>invalid cross-device link</source>
        <translation>ligação entre dispositivos inválida</translation>
    </message>
    <message>
        <source>invalid argument</source>
        <translation>argumento inválido</translation>
    </message>
    <message>
        <source>transport endpoint is not connected</source>
        <translation>a ligação ao sistema de ficheiros foi interrompida</translation>
    </message>
    <message>
        <source>connection timed out</source>
        <translation>a ligação excedeu o tempo limite</translation>
    </message>
</context>
<context>
    <name>dialstack</name>
    <message>
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
        <source>this program needs a graphical desktop, but no display is set here (DISPLAY and WAYLAND_DISPLAY are empty); start it from your desktop session.</source>
        <translation>este programa precisa de um ambiente gráfico, mas não há nenhum ecrã definido aqui (DISPLAY e WAYLAND_DISPLAY estão vazias); inicie-o a partir da sua sessão gráfica.</translation>
    </message>
</context>
</TS>
