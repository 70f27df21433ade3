<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="fr">
<context>
    <name>PlaylistModel</name>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="94" />
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="96" />
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="98" />
        <source>Create Date</source>
        <translation>Date de création</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="100" />
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="102" />
        <source>Resolution</source>
        <translation>Résolution</translation>
    </message>
</context>
<context>
    <name>QInstaller</name>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="112" />
        <source>bytes</source>
        <translation>octets</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="112" />
        <source>KB</source>
        <translation>Ko</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="113" />
        <source>MB</source>
        <translation>Mo</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="113" />
        <source>GB</source>
        <translation>Go</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="114" />
        <source>TB</source>
        <translation>To</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="114" />
        <source>PB</source>
        <translation>Po</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="115" />
        <source>EB</source>
        <translation>Eo</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="115" />
        <source>ZB</source>
        <translation>Zo</translation>
    </message>
    <message>
        <location filename="../../library/playlistmodel.cpp" line="116" />
        <source>YB</source>
        <translation>Yo</translation>
    </message>
</context>
</TS>