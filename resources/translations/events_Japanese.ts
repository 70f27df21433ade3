<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ja">
<context>
    <name>EventListPanel</name>
    <message>
        <location filename="../../events/eventlistpanel.ui" line="34" />
        <location filename="../../events/eventlistpanel.cpp" line="99" />
        <source>No card opened</source>
        <translation>カードが開かれていません</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.ui" line="40" />
        <source>Thresholds...</source>
        <translation>しきい値...</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.ui" line="50" />
        <source>Time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.ui" line="51" />
        <source>Event</source>
        <translation>イベント</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.ui" line="52" />
        <source>Strength</source>
        <translation>強さ</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.ui" line="53" />
        <source>Place</source>
        <translation>場所</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="53" />
        <source>Impact</source>
        <translation>衝撃</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="55" />
        <source>Hard braking</source>
        <translation>急ブレーキ</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="57" />
        <source>Sudden deceleration</source>
        <translation>急減速</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="59" />
        <source>Sharp turn</source>
        <translation>急旋回</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="61" />
        <source>Hard acceleration</source>
        <translation>急加速</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="63" />
        <source>Speeding</source>
        <translation>速度超過</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="66" />
        <source>Marked by the camera</source>
        <translation>カメラによるマーク</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="67" />
        <source>Marked by the camera: %1</source>
        <translation>カメラによるマーク: %1</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="76" />
        <source>%1 km/h for %2 s</source>
        <translation>%1 km/h（%2 秒間）</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="78" />
        <source>%1 km/h per second</source>
        <translation>毎秒 %1 km/h</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="82" />
        <source>%1 g</source>
        <translation>%1 g</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="88" />
        <source>Drive of %1, %2 km, top %3 km/h</source>
        <translation>走行 %1、%2 km、最高 %3 km/h</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="101" />
        <source>Looking for events...</source>
        <translation>イベントを検索中...</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="104" />
        <source>Events: %1, drives: %2</source>
        <translation>イベント: %1、走行: %2</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="110" />
        <source>average %1 km/h</source>
        <translation>平均 %1 km/h</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="111" />
        <source>Recordings: %1</source>
        <translation>録画: %1</translation>
    </message>
</context>
<context>
    <name>EventThresholdsDialog</name>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="6" />
        <source>Drives and events</source>
        <translation>走行とイベント</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="10" />
        <source>Longest pause within a drive</source>
        <translation>走行内の最大の間隔</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="12" />
        <source>Hard braking from</source>
        <translation>急ブレーキのしきい値</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="14" />
        <source>Hard acceleration from</source>
        <translation>急加速のしきい値</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="16" />
        <source>Sharp turn from</source>
        <translation>急旋回のしきい値</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="18" />
        <source>Impact from</source>
        <translation>衝撃のしきい値</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="20" />
        <source>Speeding above</source>
        <translation>速度超過のしきい値</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="22" />
        <source>Sudden deceleration (no G-sensor) from</source>
        <translation>急減速のしきい値（Gセンサーなし）</translation>
    </message>
</context>
</TS>