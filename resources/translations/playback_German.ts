<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="de">
<context>
    <name>PlayAreaManager</name>
    <message>
        <location filename="../../playback/playareamanager.cpp" line="104" />
        <source>This recording's video is %1, and no %1 decoder is installed.
Your distribution's GStreamer libav plugins provide one (on Debian and Ubuntu: the package gstreamer1.0-libav).</source>
        <translation>Das Video dieser Aufnahme ist %1, und es ist kein %1-Decoder installiert.
Die GStreamer-libav-Plugins Ihrer Distribution bringen einen mit (unter Debian und Ubuntu: das Paket gstreamer1.0-libav).</translation>
    </message>
</context>
<context>
    <name>PlayerWidget</name>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="132" />
        <source>Snapshot success</source>
        <translation>Schnappschuss gespeichert</translation>
    </message>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="136" />
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="136" />
        <source>Directory not exist!</source>
        <translation>Ordner existiert nicht!</translation>
    </message>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="141" />
        <source>Failed to capture</source>
        <translation>Aufnahme fehlgeschlagen</translation>
    </message>
</context>
</TS>