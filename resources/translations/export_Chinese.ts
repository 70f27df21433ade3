<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_CN">
<context>
    <name>ClipRange</name>
    <message>
        <location filename="../../export/cliprecording.cpp" line="37" />
        <source>the range is empty</source>
        <translation>范围为空</translation>
    </message>
    <message>
        <location filename="../../export/cliprecording.cpp" line="49" />
        <source>no recording holds %1</source>
        <translation>没有录像包含 %1</translation>
    </message>
</context>
<context>
    <name>ClipRender</name>
    <message>
        <location filename="../../export/cliprender.cpp" line="82" />
        <source>the range holds no video</source>
        <translation>范围内没有视频</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="98" />
        <source>the %1 channel file of %2 is missing</source>
        <translation>%2 的 %1 通道文件缺失</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="106" />
        <source>%1 cannot be read</source>
        <translation>无法读取 %1</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="263" />
        <source>ffmpeg was not found on the search path</source>
        <translation>在搜索路径中找不到 ffmpeg</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="283" />
        <source>ffmpeg could not be started</source>
        <translation>无法启动 ffmpeg</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="317" />
        <location filename="../../export/cliprender.cpp" line="324" />
        <location filename="../../export/cliprender.cpp" line="331" />
        <location filename="../../export/cliprender.cpp" line="340" />
        <source>cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="345" />
        <source>ffmpeg failed</source>
        <translation>ffmpeg 失败</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="345" />
        <source>ffmpeg failed: %1</source>
        <translation>ffmpeg 失败：%1</translation>
    </message>
</context>
<context>
    <name>EvidencePack</name>
    <message>
        <location filename="../../export/evidencepack.cpp" line="52" />
        <location filename="../../export/evidencepack.cpp" line="67" />
        <source>cannot read %1</source>
        <translation>无法读取 %1</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="56" />
        <location filename="../../export/evidencepack.cpp" line="99" />
        <location filename="../../export/evidencepack.cpp" line="131" />
        <source>cannot write %1</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="62" />
        <location filename="../../export/evidencepack.cpp" line="224" />
        <source>cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="72" />
        <location filename="../../export/evidencepack.cpp" line="78" />
        <source>cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="120" />
        <source>ffmpeg could not cut the %1 channel: %2</source>
        <translation>ffmpeg 无法剪切 %1 通道：%2</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="158" />
        <source>the range holds no video</source>
        <translation>范围内没有视频</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="162" />
        <source>ffmpeg was not found on the search path</source>
        <translation>在搜索路径中找不到 ffmpeg</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="172" />
        <source>cannot create %1</source>
        <translation>无法创建 %1</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="191" />
        <source>the %1 channel file %2 is missing</source>
        <translation>%1 通道文件 %2 缺失</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <location filename="../../export/outputfile.cpp" line="39" />
        <source>cannot create the folder %1</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <location filename="../../export/outputfile.cpp" line="44" />
        <source>cannot create %1</source>
        <translation>无法创建 %1</translation>
    </message>
    <message>
        <location filename="../../export/outputfile.cpp" line="57" />
        <source>cannot write %1</source>
        <translation>无法写入 %1</translation>
    </message>
</context>
</TS>