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
</context>
</TS>
