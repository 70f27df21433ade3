<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ko">
<context>
    <name>PlayerWidget</name>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="97" />
        <source>Snapshot success</source>
        <translation>스냅샷 성공</translation>
    </message>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="101" />
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="101" />
        <source>Directory not exist!</source>
        <translation>폴더가 존재하지 않습니다!</translation>
    </message>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="106" />
        <source>Failed to capture</source>
        <translation>캡처 실패</translation>
    </message>
</context>
</TS>