<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="fr">
<context>
    <name>PlayerWidget</name>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="97" />
        <source>Snapshot success</source>
        <translation>Capture d'écran réussie</translation>
    </message>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="101" />
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="101" />
        <source>Directory not exist!</source>
        <translation>Le dossier n'existe pas !</translation>
    </message>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="106" />
        <source>Failed to capture</source>
        <translation>Échec de la capture</translation>
    </message>
</context>
</TS>