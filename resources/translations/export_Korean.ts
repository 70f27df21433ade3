<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ko">
<context>
    <name>ClipRange</name>
    <message>
        <location filename="../../export/cliprecording.cpp" line="43" />
        <source>the range is empty</source>
        <translation>구간이 비어 있습니다</translation>
    </message>
    <message>
        <location filename="../../export/cliprecording.cpp" line="55" />
        <source>no recording holds %1</source>
        <translation>%1을(를) 포함하는 녹화가 없습니다</translation>
    </message>
</context>
<context>
    <name>ClipRender</name>
    <message>
        <location filename="../../export/cliprender.cpp" line="81" />
        <source>the range holds no video</source>
        <translation>구간에 영상이 없습니다</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="97" />
        <source>the %1 channel file of %2 is missing</source>
        <translation>%2의 %1 채널 파일이 없습니다</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="105" />
        <source>%1 cannot be read</source>
        <translation>%1을(를) 읽을 수 없습니다</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="262" />
        <source>ffmpeg was not found on the search path</source>
        <translation>검색 경로에서 ffmpeg를 찾을 수 없습니다</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="282" />
        <source>ffmpeg could not be started</source>
        <translation>ffmpeg를 시작할 수 없습니다</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="316" />
        <location filename="../../export/cliprender.cpp" line="323" />
        <location filename="../../export/cliprender.cpp" line="330" />
        <location filename="../../export/cliprender.cpp" line="339" />
        <source>cancelled</source>
        <translation>취소됨</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="344" />
        <source>ffmpeg failed</source>
        <translation>ffmpeg 실패</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="344" />
        <source>ffmpeg failed: %1</source>
        <translation>ffmpeg 실패: %1</translation>
    </message>
</context>
<context>
    <name>EvidencePack</name>
    <message>
        <location filename="../../export/evidencepack.cpp" line="51" />
        <location filename="../../export/evidencepack.cpp" line="66" />
        <source>cannot read %1</source>
        <translation>%1을(를) 읽을 수 없습니다</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="55" />
        <location filename="../../export/evidencepack.cpp" line="98" />
        <location filename="../../export/evidencepack.cpp" line="130" />
        <source>cannot write %1</source>
        <translation>%1에 쓸 수 없습니다</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="61" />
        <location filename="../../export/evidencepack.cpp" line="223" />
        <source>cancelled</source>
        <translation>취소됨</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="71" />
        <location filename="../../export/evidencepack.cpp" line="77" />
        <source>cannot write %1: %2</source>
        <translation>%1에 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="119" />
        <source>ffmpeg could not cut the %1 channel: %2</source>
        <translation>ffmpeg가 %1 채널을 자르지 못했습니다: %2</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="157" />
        <source>the range holds no video</source>
        <translation>구간에 영상이 없습니다</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="161" />
        <source>ffmpeg was not found on the search path</source>
        <translation>검색 경로에서 ffmpeg를 찾을 수 없습니다</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="171" />
        <source>cannot create %1</source>
        <translation>%1을(를) 만들 수 없습니다</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="190" />
        <source>the %1 channel file %2 is missing</source>
        <translation>%1 채널 파일 %2이(가) 없습니다</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <location filename="../../export/outputfile.cpp" line="46" />
        <source>%1 exists and is not replaced</source>
        <translation>%1이(가) 이미 있어 바꾸지 않습니다</translation>
    </message>
    <message>
        <location filename="../../export/outputfile.cpp" line="53" />
        <source>cannot create the folder %1</source>
        <translation>폴더 %1을(를) 만들 수 없습니다</translation>
    </message>
    <message>
        <location filename="../../export/outputfile.cpp" line="58" />
        <source>cannot create %1</source>
        <translation>%1을(를) 만들 수 없습니다</translation>
    </message>
    <message>
        <location filename="../../export/outputfile.cpp" line="71" />
        <source>cannot write %1</source>
        <translation>%1에 쓸 수 없습니다</translation>
    </message>
</context>
</TS>