<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ja">
<context>
    <name>PlayerWidget</name>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="97" />
        <source>Snapshot success</source>
        <translation>スナップショットに成功しました</translation>
    </message>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="101" />
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="101" />
        <source>Directory not exist!</source>
        <translation>フォルダーが存在しません！</translation>
    </message>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="106" />
        <source>Failed to capture</source>
        <translation>キャプチャに失敗しました</translation>
    </message>
</context>
</TS>