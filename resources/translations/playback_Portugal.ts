<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="pt">
<context>
    <name>PlayAreaManager</name>
    <message>
        <location filename="../../playback/playareamanager.cpp" line="104" />
        <source>This recording's video is %1, and no %1 decoder is installed.
Your distribution's GStreamer libav plugins provide one (on Debian and Ubuntu: the package gstreamer1.0-libav).</source>
        <translation>O vídeo desta gravação é %1 e não está instalado nenhum descodificador %1.
Os plugins GStreamer libav da sua distribuição fornecem um (no Debian e no Ubuntu: o pacote gstreamer1.0-libav).</translation>
    </message>
</context>
<context>
    <name>PlayerWidget</name>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="132" />
        <source>Snapshot success</source>
        <translation>Captura efetuada</translation>
    </message>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="136" />
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="136" />
        <source>Directory not exist!</source>
        <translation>A pasta não existe!</translation>
    </message>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="141" />
        <source>Failed to capture</source>
        <translation>Falha na captura</translation>
    </message>
</context>
</TS>