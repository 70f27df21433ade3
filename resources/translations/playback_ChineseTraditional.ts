<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_TW">
<context>
    <name>PlayAreaManager</name>
    <message>
        <location filename="../../playback/playareamanager.cpp" line="104" />
        <source>This recording's video is %1, and no %1 decoder is installed.
Your distribution's GStreamer libav plugins provide one (on Debian and Ubuntu: the package gstreamer1.0-libav).</source>
        <translation>此錄影的視訊為 %1，但未安裝 %1 解碼器。
發行版的 GStreamer libav 外掛程式提供此解碼器（Debian 與 Ubuntu：套件 gstreamer1.0-libav）。</translation>
    </message>
</context>
<context>
    <name>PlayerWidget</name>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="132" />
        <source>Snapshot success</source>
        <translation>截圖成功</translation>
    </message>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="136" />
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="136" />
        <source>Directory not exist!</source>
        <translation>目錄不存在！</translation>
    </message>
    <message>
        <location filename="../../playback/playerwidget.cpp" line="141" />
        <source>Failed to capture</source>
        <translation>截圖失敗</translation>
    </message>
</context>
</TS>