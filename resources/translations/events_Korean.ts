<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ko">
<context>
    <name>EventListPanel</name>
    <message>
        <location filename="../../events/eventlistpanel.ui" line="34" />
        <location filename="../../events/eventlistpanel.cpp" line="121" />
        <source>No card opened</source>
        <translation>열린 카드 없음</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.ui" line="40" />
        <source>Thresholds...</source>
        <translation>임계값...</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.ui" line="50" />
        <source>Time</source>
        <translation>시간</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.ui" line="51" />
        <source>Event</source>
        <translation>이벤트</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.ui" line="52" />
        <source>Strength</source>
        <translation>강도</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.ui" line="53" />
        <source>Place</source>
        <translation>위치</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="54" />
        <source>Impact</source>
        <translation>충격</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="56" />
        <source>Hard braking</source>
        <translation>급제동</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="58" />
        <source>Sudden deceleration</source>
        <translation>급감속</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="60" />
        <source>Sharp turn</source>
        <translation>급회전</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="62" />
        <source>Hard acceleration</source>
        <translation>급가속</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="64" />
        <source>Speeding</source>
        <translation>과속</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="67" />
        <source>Marked by the camera</source>
        <translation>카메라 표시</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="68" />
        <source>Marked by the camera: %1</source>
        <translation>카메라 표시: %1</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="78" />
        <source>%1 MPH for %2 s</source>
        <translation>%1 MPH, %2초 동안</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="81" />
        <source>%1 km/h for %2 s</source>
        <translation>%1 km/h, %2초 동안</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="84" />
        <source>%1 MPH per second</source>
        <translation>초당 %1 MPH</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="85" />
        <source>%1 km/h per second</source>
        <translation>초당 %1 km/h</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="89" />
        <source>%1 g</source>
        <translation>%1 g</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="98" />
        <source>Drive of %1, %2 mi, top %3 MPH</source>
        <translation>주행 %1, %2 mi, 최고 %3 MPH</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="102" />
        <source>Drive of %1, %2 km, top %3 km/h</source>
        <translation>주행 %1, %2 km, 최고 %3 km/h</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="123" />
        <source>Looking for events...</source>
        <translation>이벤트 찾는 중...</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="126" />
        <source>Events: %1, drives: %2</source>
        <translation>이벤트: %1, 주행: %2</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="132" />
        <source>average %1 MPH</source>
        <translation>평균 %1 MPH</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="134" />
        <source>average %1 km/h</source>
        <translation>평균 %1 km/h</translation>
    </message>
    <message>
        <location filename="../../events/eventlistpanel.cpp" line="135" />
        <source>Recordings: %1</source>
        <translation>녹화: %1</translation>
    </message>
</context>
<context>
    <name>EventThresholdsDialog</name>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="6" />
        <source>Drives and events</source>
        <translation>주행 및 이벤트</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="10" />
        <source>Longest pause within a drive</source>
        <translation>주행 내 최대 간격</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="12" />
        <source>Hard braking from</source>
        <translation>급제동 기준</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="14" />
        <source>Hard acceleration from</source>
        <translation>급가속 기준</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="16" />
        <source>Sharp turn from</source>
        <translation>급회전 기준</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="18" />
        <source>Impact from</source>
        <translation>충격 기준</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="20" />
        <source>Speeding above</source>
        <translation>과속 기준</translation>
    </message>
    <message>
        <location filename="../../events/eventthresholdsdialog.ui" line="22" />
        <source>Sudden deceleration (no G-sensor) from</source>
        <translation>급감속 기준 (G 센서 없음)</translation>
    </message>
</context>
</TS>