<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="es">
<context>
    <name>PlayAreaManager</name>
    <message>
        <location filename="../../playback/playareamanager.cpp" line="104" />
        <source>This recording's video is %1, and no %1 decoder is installed.
Your distribution's GStreamer libav plugins provide one (on Debian and Ubuntu: the package gstreamer1.0-libav).</source>
        <translation>El vídeo de esta grabación es %1 y no hay ningún decodificador %1 instalado.
Los complementos GStreamer libav de su distribución lo proporcionan (en Debian y Ubuntu: el paquete gstreamer1.0-libav).</translation>
    </message>
</context>
<context>
    <name>PlayerWidget</name>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="132" />
        <source>Snapshot success</source>
        <translation>Captura realizada</translation>
    </message>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="136" />
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="136" />
        <source>Directory not exist!</source>
        <translation>¡La carpeta no existe!</translation>
    </message>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="141" />
        <source>Failed to capture</source>
        <translation>No se pudo capturar</translation>
    </message>
</context>
</TS>