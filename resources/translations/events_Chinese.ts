<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_CN">
<context>
    <name>EventListPanel</name>
    <message>
        <location filename="../../events/eventlistpanel.ui" line="34" />
        <location filename="../../events/eventlistpanel.cpp" line="99" />
        <source>No card opened</source>
        <translation>未打开存储卡</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.ui" line="40" />
        <source>Thresholds...</source>
        <translation>阈值...</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.ui" line="50" />
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.ui" line="51" />
        <source>Event</source>
        <translation>事件</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.ui" line="52" />
        <source>Strength</source>
        <translation>强度</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.ui" line="53" />
        <source>Place</source>
        <translation>位置</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="53" />
        <source>Impact</source>
        <translation>碰撞</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="55" />
        <source>Hard braking</source>
        <translation>急刹车</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="57" />
        <source>Sudden deceleration</source>
        <translation>急减速</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="59" />
        <source>Sharp turn</source>
        <translation>急转弯</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="61" />
        <source>Hard acceleration</source>
        <translation>急加速</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="63" />
        <source>Speeding</source>
        <translation>超速</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="66" />
        <source>Marked by the camera</source>
        <translation>摄像机标记</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="67" />
        <source>Marked by the camera: %1</source>
        <translation>摄像机标记：%1</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="76" />
        <source>%1 km/h for %2 s</source>
        <translation>%1 km/h，持续 %2 秒</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="78" />
        <source>%1 km/h per second</source>
        <translation>每秒 %1 km/h</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="82" />
        <source>%1 g</source>
        <translation>%1 g</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="88" />
        <source>Drive of %1, %2 km, top %3 km/h</source>
        <translation>行程 %1，%2 公里，最高 %3 km/h</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="101" />
        <source>Looking for events...</source>
        <translation>正在查找事件...</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="104" />
        <source>Events: %1, drives: %2</source>
        <translation>事件：%1，行程：%2</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="110" />
        <source>average %1 km/h</source>
        <translation>平均 %1 km/h</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="111" />
        <source>Recordings: %1</source>
        <translation>录像：%1</translation>
    </message>
</context>
<context>
    <name>EventThresholdsDialog</name>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="6" />
        <source>Drives and events</source>
        <translation>行程和事件</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="10" />
        <source>Longest pause within a drive</source>
        <translation>同一行程内的最长间隔</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="12" />
        <source>Hard braking from</source>
        <translation>急刹车阈值</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="14" />
        <source>Hard acceleration from</source>
        <translation>急加速阈值</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="16" />
        <source>Sharp turn from</source>
        <translation>急转弯阈值</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="18" />
        <source>Impact from</source>
        <translation>碰撞阈值</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="20" />
        <source>Speeding above</source>
        <translation>超速阈值</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="22" />
        <source>Sudden deceleration (no G-sensor) from</source>
        <translation>急减速阈值（无重力传感器）</translation>
    </message>
</context>
</TS>