<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="pt">
<context>
    <name>PlaylistModel</name>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="94" />
        <source>File Name</source>
        <translation>Nome do ficheiro</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="96" />
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="98" />
        <source>Create Date</source>
        <translation>Data de criação</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="100" />
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="102" />
        <source>Resolution</source>
        <translation>Resolução</translation>
    </message>
</context>
<context>
    <name>QInstaller</name>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="112" />
        <source>bytes</source>
        <translation>bytes</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="112" />
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="113" />
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="113" />
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="114" />
        <source>TB</source>
        <translation>TB</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="114" />
        <source>PB</source>
        <translation>PB</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="115" />
        <source>EB</source>
        <translation>EB</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="115" />
        <source>ZB</source>
        <translation>ZB</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="116" />
        <source>YB</source>
        <translation>YB</translation>
    </message>
</context>
</TS>