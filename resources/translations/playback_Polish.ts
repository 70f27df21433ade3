<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="pl">
<context>
    <name>PlayerWidget</name>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="97" />
        <source>Snapshot success</source>
        <translation>Zrzut ekranu wykonany</translation>
    </message>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="101" />
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="101" />
        <source>Directory not exist!</source>
        <translation>Folder nie istnieje!</translation>
    </message>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="106" />
        <source>Failed to capture</source>
        <translation>Nie udało się wykonać zrzutu</translation>
    </message>
</context>
</TS>