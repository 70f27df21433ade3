<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ko">
<context>
    <name>ClockBar</name>
    <message>
        <location filename="../../controls/clockbar.ui" line="6" />
        <source>Form</source>
        <translation>양식</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.ui" line="24" />
        <source>Show times as:</source>
        <translation>시간 표시:</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.ui" line="32" />
        <source>How this card's times are shown</source>
        <translation>이 카드의 시간을 표시하는 방식</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.ui" line="42" />
        <source>Time zone of the place</source>
        <translation>장소의 시간대</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.cpp" line="46" />
        <source>Local time at the place</source>
        <translation>현지 시간</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.cpp" line="48" />
        <source>Local time in a time zone</source>
        <translation>선택한 시간대의 현지 시간</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.cpp" line="50" />
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.cpp" line="51" />
        <source>Camera's clock</source>
        <translation>카메라 시계</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.cpp" line="64" />
        <source>(the clock jumped: this card's recordings differ, from %1 to %2)</source>
        <translation>(시계가 바뀌었습니다: 이 카드의 녹화마다 차이가 다릅니다, %1 ~ %2)</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.cpp" line="70" />
        <source>Camera's clock less GPS time: %1 (time zone part %2, drift %3 s)</source>
        <translation>카메라 시계 − GPS 시간: %1(시간대 %2, 오차 %3초)</translation>
    </message>
    <message>
        <location filename="../../controls/clockbar.cpp" line="76" />
        <source>Each recording's times are corrected by its own offset.</source>
        <translation>각 녹화의 시간은 자체 차이로 보정됩니다.</translation>
    </message>
</context>
<context>
    <name>ControlPanel</name>
    <message>
        <location filename="../../controls/controlpanel.ui" line="14" />
        <source>Form</source>
        <translation>양식</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="90" />
        <source>0000/00/00 00:00:00</source>
        <translation>0000/00/00 00:00:00</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="117" />
        <source>000 km/h</source>
        <translation>000 km/h</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="155" />
        <source>Front playback</source>
        <translation>전방 재생</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="199" />
        <source>Rear playback</source>
        <translation>후방 재생</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="240" />
        <source>left playback</source>
        <translation>좌측 재생</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="281" />
        <source>right playback</source>
        <translation>우측 재생</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="322" />
        <source>Picture-in-picture (PIP) playback</source>
        <translation>화면 속 화면(PIP) 재생</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="378" />
        <source>N00.000000,E000.000000</source>
        <translation>N00.000000,E000.000000</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="458" />
        <source>00:00:00/00:00:00</source>
        <translation>00:00:00/00:00:00</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="502" />
        <source>Open Files</source>
        <translation>파일 열기</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="534" />
        <source>Capture</source>
        <translation>캡처</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="579" />
        <source>Previous</source>
        <translation>이전</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="611" />
        <source>Play</source>
        <translation>재생</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="649" />
        <source>Stop</source>
        <translation>정지</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="681" />
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.ui" line="745" />
        <source>Volume</source>
        <translation>볼륨</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="213" />
        <source>%1 km/h</source>
        <translation>%1 km/h</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="215" />
        <source>%1 MPH</source>
        <translation>%1 mph</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="364" />
        <source>Mark in</source>
        <translation>시작 표시</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="365" />
        <source>Mark out</source>
        <translation>끝 표시</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="366" />
        <source>Export marked range...</source>
        <translation>표시한 구간 내보내기...</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="368" />
        <source>Export around now...</source>
        <translation>현재 위치 전후 내보내기...</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="370" />
        <source>Clear marks</source>
        <translation>표시 지우기</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="440" />
        <source>Cancel Mute</source>
        <translation>음소거 해제</translation>
    </message>
    <message>
        <location filename="../../controls/controlpanel.cpp" line="440" />
        <source>Set Mute</source>
        <translation>음소거</translation>
    </message>
</context>
<context>
    <name>FComboBox</name>
    <message>
        <location filename="../../controls/fcombobox.ui" line="26" />
        <source>Form</source>
        <translation>양식</translation>
    </message>
    <message>
        <location filename="../../controls/fcombobox.ui" line="65" />
        <source>Slow</source>
        <translation>느리게</translation>
    </message>
    <message>
        <location filename="../../controls/fcombobox.ui" line="95" />
        <source>Quick</source>
        <translation>빠르게</translation>
    </message>
</context>
</TS>