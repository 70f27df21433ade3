<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ko">
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
        <translation>블랙박스 녹화 영상 재생 중</translation>
    </message>
</context>
<context>
    <name>MainWindows</name>
    <message>
        <location filename="../../app/mainwindows.ui" line="6" />
        <source>MainWindows</source>
        <translation>기본 창</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="37" />
        <source>Waylume V1.1 - 20190712</source>
        <translation>Waylume V1.1 - 20190712</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="77" />
        <source>Setup</source>
        <translation>설정</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="87" />
        <source>Minimize</source>
        <translation>최소화</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="97" />
        <location filename="../../app/mainwindows.cpp" line="189" />
        <source>Maximize</source>
        <translation>최대화</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.ui" line="107" />
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.cpp" line="189" />
        <source>Restore Down</source>
        <translation>이전 크기로 복원</translation>
    </message>
    <message>
        <location filename="../../app/mainwindows.cpp" line="448" />
        <source>Open Folder</source>
        <translation>폴더 열기</translation>
    </message>
</context>
</TS>