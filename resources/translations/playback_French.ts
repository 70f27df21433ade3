<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="fr">
<context>
    <name>PlayAreaManager</name>
    <message>
        <location filename="../../playback/playareamanager.cpp" line="104" />
        <source>This recording's video is %1, and no %1 decoder is installed.
Your distribution's GStreamer libav plugins provide one (on Debian and Ubuntu: the package gstreamer1.0-libav).</source>
        <translation>La vidéo de cet enregistrement est en %1, et aucun décodeur %1 n'est installé.
Les greffons GStreamer libav de votre distribution en fournissent un (sous Debian et Ubuntu : le paquet gstreamer1.0-libav).</translation>
    </message>
</context>
<context>
    <name>PlayerWidget</name>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="132" />
        <source>Snapshot success</source>
        <translation>Capture d'écran réussie</translation>
    </message>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="136" />
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="136" />
        <source>Directory not exist!</source>
        <translation>Le dossier n'existe pas !</translation>
    </message>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="141" />
        <source>Failed to capture</source>
        <translation>Échec de la capture</translation>
    </message>
</context>
</TS>