<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ru">
<context>
    <name>ClipRange</name>
    <message>
        <location filename="../../export/cliprecording.cpp" line="37" />
        <source>the range is empty</source>
        <translation>диапазон пуст</translation>
    </message>
    <message>
        <location filename="../../export/cliprecording.cpp" line="49" />
        <source>no recording holds %1</source>
        <translation>ни одна запись не содержит %1</translation>
    </message>
</context>
<context>
    <name>ClipRender</name>
    <message>
        <location filename="../../export/cliprender.cpp" line="82" />
        <source>the range holds no video</source>
        <translation>в диапазоне нет видео</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="98" />
        <source>the %1 channel file of %2 is missing</source>
        <translation>отсутствует файл канала %1 записи %2</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="106" />
        <source>%1 cannot be read</source>
        <translation>не удаётся прочитать %1</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="263" />
        <source>ffmpeg was not found on the search path</source>
        <translation>ffmpeg не найден в пути поиска</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="283" />
        <source>ffmpeg could not be started</source>
        <translation>не удаётся запустить ffmpeg</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="317" />
        <location filename="../../export/cliprender.cpp" line="324" />
        <location filename="../../export/cliprender.cpp" line="331" />
        <location filename="../../export/cliprender.cpp" line="340" />
        <source>cancelled</source>
        <translation>отменено</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="345" />
        <source>ffmpeg failed</source>
        <translation>ошибка ffmpeg</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="345" />
        <source>ffmpeg failed: %1</source>
        <translation>ошибка ffmpeg: %1</translation>
    </message>
</context>
<context>
    <name>EvidencePack</name>
    <message>
        <location filename="../../export/evidencepack.cpp" line="52" />
        <location filename="../../export/evidencepack.cpp" line="67" />
        <source>cannot read %1</source>
        <translation>не удаётся прочитать %1</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="56" />
        <location filename="../../export/evidencepack.cpp" line="99" />
        <location filename="../../export/evidencepack.cpp" line="131" />
        <source>cannot write %1</source>
        <translation>не удаётся записать %1</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="62" />
        <location filename="../../export/evidencepack.cpp" line="224" />
        <source>cancelled</source>
        <translation>отменено</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="72" />
        <location filename="../../export/evidencepack.cpp" line="78" />
        <source>cannot write %1: %2</source>
        <translation>не удаётся записать %1: %2</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="120" />
        <source>ffmpeg could not cut the %1 channel: %2</source>
        <translation>ffmpeg не смог вырезать канал %1: %2</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="158" />
        <source>the range holds no video</source>
        <translation>в диапазоне нет видео</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="162" />
        <source>ffmpeg was not found on the search path</source>
        <translation>ffmpeg не найден в пути поиска</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="172" />
        <source>cannot create %1</source>
        <translation>не удаётся создать %1</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="191" />
        <source>the %1 channel file %2 is missing</source>
        <translation>отсутствует файл %2 канала %1</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <location filename="../../export/outputfile.cpp" line="39" />
        <source>cannot create the folder %1</source>
        <translation>не удаётся создать папку %1</translation>
    </message>
    <message>
        <location filename="../../export/outputfile.cpp" line="44" />
        <source>cannot create %1</source>
        <translation>не удаётся создать %1</translation>
    </message>
    <message>
        <location filename="../../export/outputfile.cpp" line="57" />
        <source>cannot write %1</source>
        <translation>не удаётся записать %1</translation>
    </message>
</context>
</TS>