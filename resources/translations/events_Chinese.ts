<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_CN">
<context>
    <name>EventListPanel</name>
    <message>
        <location filename="../../events/eventlistpanel.ui" line="34" />
        <location filename="../../events/eventlistpanel.cpp" line="121" />
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
        <location filename="../../events/eventlistpanel.cpp" line="54" />
        <source>Impact</source>
        <translation>碰撞</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="56" />
        <source>Hard braking</source>
        <translation>急刹车</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="58" />
        <source>Sudden deceleration</source>
        <translation>急减速</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="60" />
        <source>Sharp turn</source>
        <translation>急转弯</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="62" />
        <source>Hard acceleration</source>
        <translation>急加速</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="64" />
        <source>Speeding</source>
        <translation>超速</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="67" />
        <source>Marked by the camera</source>
        <translation>摄像机标记</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="68" />
        <source>Marked by the camera: %1</source>
        <translation>摄像机标记：%1</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="78" />
        <source>%1 MPH for %2 s</source>
        <translation>%1 MPH，持续 %2 秒</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="81" />
        <source>%1 km/h for %2 s</source>
        <translation>%1 km/h，持续 %2 秒</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="84" />
        <source>%1 MPH per second</source>
        <translation>每秒 %1 MPH</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="85" />
        <source>%1 km/h per second</source>
        <translation>每秒 %1 km/h</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="89" />
        <source>%1 g</source>
        <translation>%1 g</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="98" />
        <source>Drive of %1, %2 mi, top %3 MPH</source>
        <translation>行程 %1，%2 英里，最高 %3 MPH</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="102" />
        <source>Drive of %1, %2 km, top %3 km/h</source>
        <translation>行程 %1，%2 公里，最高 %3 km/h</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="123" />
        <source>Looking for events...</source>
        <translation>正在查找事件...</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="126" />
        <source>Events: %1, drives: %2</source>
        <translation>事件：%1，行程：%2</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="132" />
        <source>average %1 MPH</source>
        <translation>平均 %1 MPH</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="134" />
        <source>average %1 km/h</source>
        <translation>平均 %1 km/h</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="135" />
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