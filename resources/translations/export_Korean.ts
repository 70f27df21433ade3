<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ko">
<context>
    <name>ClipRange</name>
    <message>
        <location filename="../../export/cliprecording.cpp" line="37" />
        <source>the range is empty</source>
        <translation>구간이 비어 있습니다</translation>
    </message>
    <message>
        <location filename="../../export/cliprecording.cpp" line="49" />
        <source>no recording holds %1</source>
        <translation>%1을(를) 포함하는 녹화가 없습니다</translation>
    </message>
</context>
<context>
    <name>ClipRender</name>
    <message>
        <location filename="../../export/cliprender.cpp" line="82" />
        <source>the range holds no video</source>
        <translation>구간에 영상이 없습니다</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="98" />
        <source>the %1 channel file of %2 is missing</source>
        <translation>%2의 %1 채널 파일이 없습니다</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="106" />
        <source>%1 cannot be read</source>
        <translation>%1을(를) 읽을 수 없습니다</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="263" />
        <source>ffmpeg was not found on the search path</source>
        <translation>검색 경로에서 ffmpeg를 찾을 수 없습니다</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="283" />
        <source>ffmpeg could not be started</source>
        <translation>ffmpeg를 시작할 수 없습니다</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="317" />
        <location filename="../../export/cliprender.cpp" line="324" />
        <location filename="../../export/cliprender.cpp" line="331" />
        <location filename="../../export/cliprender.cpp" line="340" />
        <source>cancelled</source>
        <translation>취소됨</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="345" />
        <source>ffmpeg failed</source>
        <translation>ffmpeg 실패</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="345" />
        <source>ffmpeg failed: %1</source>
        <translation>ffmpeg 실패: %1</translation>
    </message>
</context>
<context>
    <name>EvidencePack</name>
    <message>
        <location filename="../../export/evidencepack.cpp" line="52" />
        <location filename="../../export/evidencepack.cpp" line="67" />
        <source>cannot read %1</source>
        <translation>%1을(를) 읽을 수 없습니다</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="56" />
        <location filename="../../export/evidencepack.cpp" line="99" />
        <location filename="../../export/evidencepack.cpp" line="131" />
        <source>cannot write %1</source>
        <translation>%1에 쓸 수 없습니다</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="62" />
        <location filename="../../export/evidencepack.cpp" line="224" />
        <source>cancelled</source>
        <translation>취소됨</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="72" />
        <location filename="../../export/evidencepack.cpp" line="78" />
        <source>cannot write %1: %2</source>
        <translation>%1에 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="120" />
        <source>ffmpeg could not cut the %1 channel: %2</source>
        <translation>ffmpeg가 %1 채널을 자르지 못했습니다: %2</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="158" />
        <source>the range holds no video</source>
        <translation>구간에 영상이 없습니다</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="162" />
        <source>ffmpeg was not found on the search path</source>
        <translation>검색 경로에서 ffmpeg를 찾을 수 없습니다</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="172" />
        <source>cannot create %1</source>
        <translation>%1을(를) 만들 수 없습니다</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="191" />
        <source>the %1 channel file %2 is missing</source>
        <translation>%1 채널 파일 %2이(가) 없습니다</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <location filename="../../export/outputfile.cpp" line="39" />
        <source>cannot create the folder %1</source>
        <translation>폴더 %1을(를) 만들 수 없습니다</translation>
    </message>
    <message>
        <location filename="../../export/outputfile.cpp" line="44" />
        <source>cannot create %1</source>
        <translation>%1을(를) 만들 수 없습니다</translation>
    </message>
    <message>
        <location filename="../../export/outputfile.cpp" line="57" />
        <source>cannot write %1</source>
        <translation>%1에 쓸 수 없습니다</translation>
    </message>
</context>
</TS>