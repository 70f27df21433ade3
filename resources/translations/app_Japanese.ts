<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ja">
<context>
    <name>ApplicationIdentity</name>
    <message>
        <location filename="../../app/startup.cpp" line="15" />
        <source>Quorvix</source>
        <translation>Quorvix</translation>
    </message>
    <message>
        <location filename="../../app/startup.cpp" line="21" />
        <source>Playing dash-camera recordings</source>
        <translation>ドライブレコーダーの録画を再生中</translation>
    </message>
</context>
<context>
    <name>MainWindows</name>
    <message>
        <location filename="../../app/mainwindows.ui" line="6" />
        <source>MainWindows</source>
        <translation>メインウィンドウ</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="37" />
        <source>Waylume V1.1 - 20190712</source>
        <translation>Waylume V1.1 - 20190712</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="77" />
        <source>Setup</source>
        <translation>設定</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="87" />
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="97" />
        <location filename="../../app/mainwindows.cpp" line="168" />
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="107" />
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.cpp" line="168" />
        <source>Restore Down</source>
        <translation>元のサイズに戻す</translation>
    </message>
    <message>
        <location filename="../../app/playbackcoordination.cpp" line="200" />
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <location filename="../../app/playbackcoordination.cpp" line="373" />
        <source>This computer cannot play this video because it does not have the video playback support function required to play H.265 (HEVC).</source>
        <translation>このコンピューターには H.265 (HEVC) の再生に必要なビデオ再生支援機能がないため、このビデオを再生できません。</translation>
    </message>
    <message>
        <location filename="../../app/playbackcoordination.cpp" line="375" />
        <source>This computer cannot play this video because it does not have the video playback support function required to play H.264 (AVC).</source>
        <translation>このコンピューターには H.264 (AVC) の再生に必要なビデオ再生支援機能がないため、このビデオを再生できません。</translation>
    </message>
    <message>
        <location filename="../../app/playbackcoordination.cpp" line="377" />
        <source>Error</source>
        <translation>エラー</translation>
    </message>
</context>
</TS>