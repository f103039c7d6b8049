<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en">
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
        <source>%n record matches</source>
        <translation>
            <numerusform>%n registo corresponde</numerusform>
            <numerusform>%n registos correspondem</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records match</source>
        <translation>
            <numerusform>%n registo corresponde</numerusform>
            <numerusform>%n registos correspondem</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record added</source>
        <translation>
            <numerusform>%n registo adicionado</numerusform>
            <numerusform>%n registos adicionados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records added</source>
        <translation>
            <numerusform>%n registo adicionado</numerusform>
            <numerusform>%n registos adicionados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact skipped</source>
        <translation>
            <numerusform>%n contacto ignorado</numerusform>
            <numerusform>%n contactos ignorados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contacts skipped</source>
        <translation>
            <numerusform>%n contacto ignorado</numerusform>
            <numerusform>%n contactos ignorados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n value moved to misc</source>
        <translation>
            <numerusform>%n valor movido para «Notas»</numerusform>
            <numerusform>%n valores movidos para «Notas»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n values moved to misc</source>
        <translation>
            <numerusform>%n valor movido para «Notas»</numerusform>
            <numerusform>%n valores movidos para «Notas»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n character replaced</source>
        <translation>
            <numerusform>%n carácter substituído</numerusform>
            <numerusform>%n caracteres substituídos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters replaced</source>
        <translation>
            <numerusform>%n carácter substituído</numerusform>
            <numerusform>%n caracteres substituídos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record exported</source>
        <translation>
            <numerusform>%n registo exportado</numerusform>
            <numerusform>%n registos exportados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records exported</source>
        <translation>
            <numerusform>%n registo exportado</numerusform>
            <numerusform>%n registos exportados</numerusform>
        </translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrada padrão</translation>
    </message>
    <message>
        <source>%1: %2; nothing was imported</source>
        <translation>%1: %2; nada foi importado</translation>
    </message>
    <message>
        <source>is a folder, not a contact file</source>
        <translation>é uma pasta, não um ficheiro de contactos</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>não pode ser aberto</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>esse ficheiro não existe</translation>
    </message>
    <message>
        <source>%1: could not be saved: %2; the directory file is unchanged</source>
        <translation>%1: não foi possível guardar: %2; o ficheiro da lista não foi alterado</translation>
    </message>
    <message>
        <source>%1: could not be saved: %2; the directory file may be damaged: check it, and import again</source>
        <translation>%1: não foi possível guardar: %2; o ficheiro da lista pode estar danificado: verifique-o e importe de novo</translation>
    </message>
    <message>
        <source>%1: is a folder, not a directory file; nothing was converted</source>
        <translation>%1: é uma pasta, não um ficheiro da lista; nada foi convertido</translation>
    </message>
    <message>
        <source>%1: there is no directory file</source>
        <translation>%1: não existe nenhum ficheiro da lista</translation>
    </message>
    <message>
        <source>%1: %2 (close Dialstack&apos;s window on it, or wait for the other import); nothing was changed</source>
        <translation>%1: %2 (feche a janela do Dialstack que o tem aberto ou espere pela outra importação); nada foi alterado</translation>
    </message>
    <message>
        <source>say export, import or query</source>
        <translation>indique export, import ou query</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>comando desconhecido «%1»</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos;</source>
        <translation>formato desconhecido «%1»</translation>
    </message>
    <message>
        <source>--spreadsheet is for export</source>
        <translation>--spreadsheet é só para export</translation>
    </message>
    <message>
        <source>--output is for export</source>
        <translation>--output é só para export</translation>
    </message>
    <message>
        <source>query needs one TEXT to look for</source>
        <translation>query precisa de um TEXTO a procurar</translation>
    </message>
    <message>
        <source>query takes no --format or --verbose</source>
        <translation>query não aceita --format nem --verbose</translation>
    </message>
    <message>
        <source>export takes no file arguments (use --output)</source>
        <translation>export não aceita ficheiros como argumentos (use --output)</translation>
    </message>
    <message>
        <source>--output names the directory file itself</source>
        <translation>--output indica o próprio ficheiro da lista</translation>
    </message>
    <message>
        <source>--spreadsheet writes CSV, not --format vcard</source>
        <translation>--spreadsheet escreve CSV, não --format vcard</translation>
    </message>
    <message>
        <source>--format vcard or --format csv is needed (or an --output FILE ending in .vcf or .csv)</source>
        <translation>é preciso --format vcard ou --format csv (ou um --output FICHEIRO terminado em .vcf ou .csv)</translation>
    </message>
    <message>
        <source>import needs at least one file (&apos;-&apos; for standard input)</source>
        <translation>import precisa de pelo menos um ficheiro (&apos;-&apos; para a entrada padrão)</translation>
    </message>
    <message>
        <source>--format vcard or --format csv is needed (&apos;%1&apos; does not end in .vcf or .csv)</source>
        <translation>é preciso --format vcard ou --format csv («%1» não termina em .vcf nem em .csv)</translation>
    </message>
    <message>
        <source>ran out of memory; nothing was changed</source>
        <translation>memória esgotada; nada foi alterado</translation>
    </message>
    <message>
        <source>a file holds a field too long to be held (%1); nothing was changed</source>
        <translation>um ficheiro contém um campo demasiado longo (%1); nada foi alterado</translation>
    </message>
    <message>
        <source>stopped: %1; nothing was changed</source>
        <translation>interrompido: %1; nada foi alterado</translation>
    </message>
    <message>
        <source>--file needs a file name</source>
        <translation>--file precisa de um nome de ficheiro</translation>
    </message>
    <message>
        <source>cannot be read as %1: %2</source>
        <translation>não pode ser lido como %1: %2</translation>
    </message>
    <message>
        <source>%1: could not be written</source>
        <translation>%1: não foi possível escrever</translation>
    </message>
    <message>
        <source>could not write to standard output</source>
        <translation>não foi possível escrever na saída padrão</translation>
    </message>
    <message>
        <source>%1: could not be written: %2</source>
        <translation>%1: não foi possível escrever: %2</translation>
    </message>
    <message>
        <source>%1: could not be written: %2; the file that was there is no longer as it was</source>
        <translation>%1: não foi possível escrever: %2; o ficheiro que lá estava já não está como estava</translation>
    </message>
    <message>
        <source>%1: the directory file could not be opened: %2; nothing was converted</source>
        <translation>%1: não foi possível abrir o ficheiro da lista: %2; nada foi convertido</translation>
    </message>
    <message>
        <source>%1: the directory file could not be read completely; nothing was converted</source>
        <translation>%1: não foi possível ler todo o ficheiro da lista; nada foi convertido</translation>
    </message>
    <message>
        <source>it holds no vCard (no BEGIN:VCARD line)</source>
        <translation>não contém nenhum vCard (nenhuma linha BEGIN:VCARD)</translation>
    </message>
    <message>
        <source>END (the vCard was cut off)</source>
        <translation>END (o vCard estava cortado)</translation>
    </message>
    <message>
        <source>a line that is no vCard property: &quot;%1&quot;</source>
        <translation>uma linha que não é uma propriedade vCard: «%1»</translation>
    </message>
    <message>
        <source>its header row is longer than %1 KiB</source>
        <translation>a sua linha de cabeçalho excede %1 KiB</translation>
    </message>
    <message>
        <source>it has no header row</source>
        <translation>não tem linha de cabeçalho</translation>
    </message>
    <message>
        <source>UTF-8, Windows-1252, UTF-16 with a byte-order mark and vCards in UTF-16 without one are read</source>
        <translation>são lidos UTF-8, Windows-1252, UTF-16 com marca de ordem de bytes e vCards em UTF-16 mesmo sem ela</translation>
    </message>
    <message>
        <source>it could not be read to its end</source>
        <translation>não foi possível lê-lo até ao fim</translation>
    </message>
    <message>
        <source>it is in UTF-32, which is not read (%1)</source>
        <translation>está em UTF-32, que não é lido (%1)</translation>
    </message>
    <message>
        <source>it holds zero bytes, as UTF-16 or UTF-32 without a byte-order mark would; that is not read (%1)</source>
        <translation>contém bytes nulos, como UTF-16 ou UTF-32 sem marca de ordem de bytes; isso não é lido (%1)</translation>
    </message>
    <message>
        <source>%1: skipped, %2</source>
        <translation>%1: ignorado porque %2</translation>
    </message>
    <message>
        <source>%1: moved to misc: %2</source>
        <translation>%1: movido para «Notas»: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: left out: %2</source>
        <translation>%1: deixado de fora: %2</translation>
    </message>
    <message>
        <source>it holds more than %1 KiB of text</source>
        <translation>contém mais de %1 KiB de texto</translation>
    </message>
    <message>
        <source>%1, contact %2</source>
        <translation>%1, contacto %2</translation>
    </message>
    <message>
        <source>it has no name</source>
        <translation>não tem nome</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <translation>«%1» (%2)</translation>
    </message>
    <message>
        <source>%1: its last record has no name, and adding records would overwrite it; give it a name in Dialstack first. Nothing was imported</source>
        <translation>%1: o último registo não tem nome, e adicionar registos iria sobrescrevê-lo; dê-lhe primeiro um nome no Dialstack. Nada foi importado</translation>
    </message>
    <message>
        <source>%1: written, but %2</source>
        <translation>%1: escrito, mas %2</translation>
    </message>
    <message>
        <source>... (%1 bytes in all)</source>
        <translation>... (%1 bytes no total)</translation>
    </message>
    <message>
        <source>%1 = %2... (%3 bytes in all)</source>
        <translation>%1 = %2... (%3 bytes no total)</translation>
    </message>
    <message>
        <source>AGENT (the vCard of another person inside this one)</source>
        <translation>AGENT (o vCard de outra pessoa dentro deste)</translation>
    </message>
    <message>
        <source>%1 (binary data, %2 bytes)</source>
        <translation>%1 (dados binários, %2 bytes)</translation>
    </message>
    <message numerus="yes">
        <source>%n character of the name replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carácter do nome substituído por «?»</numerusform>
            <numerusform>%n caracteres do nome substituídos por «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters of the name replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carácter do nome substituído por «?»</numerusform>
            <numerusform>%n caracteres do nome substituídos por «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n character of the phone replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carácter do telefone substituído por «?»</numerusform>
            <numerusform>%n caracteres do telefone substituídos por «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters of the phone replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carácter do telefone substituído por «?»</numerusform>
            <numerusform>%n caracteres do telefone substituídos por «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n character of the pager replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carácter do pager substituído por «?»</numerusform>
            <numerusform>%n caracteres do pager substituídos por «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters of the pager replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carácter do pager substituído por «?»</numerusform>
            <numerusform>%n caracteres do pager substituídos por «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n character of the e-mail replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carácter do email substituído por «?»</numerusform>
            <numerusform>%n caracteres do email substituídos por «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters of the e-mail replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carácter do email substituído por «?»</numerusform>
            <numerusform>%n caracteres do email substituídos por «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n character of the misc replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carácter do campo «Notas» substituído por «?»</numerusform>
            <numerusform>%n caracteres do campo «Notas» substituídos por «?»</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters of the misc replaced by &quot;?&quot;</source>
        <translation>
            <numerusform>%n carácter do campo «Notas» substituído por «?»</numerusform>
            <numerusform>%n caracteres do campo «Notas» substituídos por «?»</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: could not be saved: %2; nothing was imported</source>
        <translation>%1: não foi possível guardar: %2; nada foi importado</translation>
    </message>
    <message>
        <source>%1: left alone, a group is not a contact</source>
        <translation>%1: não importado, um grupo não é um contacto</translation>
    </message>
    <message>
        <source>%1: left alone, a place is not a contact</source>
        <translation>%1: não importado, um local não é um contacto</translation>
    </message>
    <message numerus="yes">
        <source>%n group or place left alone</source>
        <translation>
            <numerusform>%n grupo ou local não importado</numerusform>
            <numerusform>%n grupos ou locais não importados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n groups or places left alone</source>
        <translation>
            <numerusform>%n grupo ou local não importado</numerusform>
            <numerusform>%n grupos ou locais não importados</numerusform>
        </translation>
    </message>
</context>
</TS>
