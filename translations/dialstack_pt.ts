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
        <translation>O Dialstack guarda os nomes, telefones, pagers, endereços de e-mail e notas das pessoas a quem liga, no ficheiro Dialstack.dat da pasta onde o inicia.</translation>
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
        <translation>Anular</translation>
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
        <translation>A lista e o livro de endereços estão em dia.</translation>
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

Configure-a de novo num terminal (consulte &quot;man dialstack-sync&quot;).</translation>
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
        <translation>Só o registo selecionado corresponde a &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Nothing in the directory matches &quot;%1&quot;.</source>
        <translation>Nada na lista corresponde a &quot;%1&quot;.</translation>
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
        <translation>Não foi possível guardar a lista em &quot;%1&quot;: %2

%3</translation>
    </message>
    <message>
        <source>The directory could not be saved to &quot;%1&quot;: %2

%3 The file on disk is unchanged.</source>
        <translation>Não foi possível guardar a lista em &quot;%1&quot;: %2

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
        <translation>A lista foi guardada em &quot;%1&quot;; %2</translation>
    </message>
    <message>
        <source>The directory file &quot;%1&quot; has been changed by another program since Dialstack loaded or saved it.

Replace it with the directory shown here? The other program&apos;s changes would be lost.</source>
        <translation>O ficheiro da lista &quot;%1&quot; foi alterado por outro programa depois de o Dialstack o ter carregado ou guardado.

Substituí-lo pela lista aqui mostrada? As alterações do outro programa perder-se-iam.</translation>
    </message>
    <message>
        <source>The directory file &quot;%1&quot; could not be read completely. %2

Saving now would replace the file with what is shown.</source>
        <translation>Não foi possível ler todo o ficheiro da lista &quot;%1&quot;. %2

Se guardar agora, o ficheiro será substituído pelo que está a ser mostrado.</translation>
    </message>
    <message>
        <source>The directory file &quot;%1&quot; could not be opened: %2 %3

Saving now would replace the file with what is shown.</source>
        <translation>Não foi possível abrir o ficheiro da lista &quot;%1&quot;: %2 %3

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
</TS>
