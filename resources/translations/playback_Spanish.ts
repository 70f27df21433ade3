<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="es">
<context>
    <name>PlayerWidget</name>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="97" />
        <source>Snapshot success</source>
        <translation>Captura realizada</translation>
    </message>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="101" />
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="101" />
        <source>Directory not exist!</source>
        <translation>¡La carpeta no existe!</translation>
    </message>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="106" />
        <source>Failed to capture</source>
        <translation>No se pudo capturar</translation>
    </message>
</context>
</TS>