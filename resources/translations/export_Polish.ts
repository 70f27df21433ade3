<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="pl">
<context>
    <name>ClipRange</name>
    <message>
        <location filename="../../export/cliprecording.cpp" line="37" />
        <source>the range is empty</source>
        <translation>zakres jest pusty</translation>
    </message>
    <message>
        <location filename="../../export/cliprecording.cpp" line="49" />
        <source>no recording holds %1</source>
        <translation>żadne nagranie nie obejmuje %1</translation>
    </message>
</context>
<context>
    <name>ClipRender</name>
    <message>
        <location filename="../../export/cliprender.cpp" line="82" />
        <source>the range holds no video</source>
        <translation>zakres nie zawiera wideo</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="98" />
        <source>the %1 channel file of %2 is missing</source>
        <translation>brak pliku kanału %1 nagrania %2</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="106" />
        <source>%1 cannot be read</source>
        <translation>nie można odczytać %1</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="263" />
        <source>ffmpeg was not found on the search path</source>
        <translation>nie znaleziono ffmpeg w ścieżce wyszukiwania</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="283" />
        <source>ffmpeg could not be started</source>
        <translation>nie można uruchomić ffmpeg</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="317" />
        <location filename="../../export/cliprender.cpp" line="324" />
        <location filename="../../export/cliprender.cpp" line="331" />
        <location filename="../../export/cliprender.cpp" line="340" />
        <source>cancelled</source>
        <translation>anulowano</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="345" />
        <source>ffmpeg failed</source>
        <translation>ffmpeg zakończył się błędem</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="345" />
        <source>ffmpeg failed: %1</source>
        <translation>ffmpeg zakończył się błędem: %1</translation>
    </message>
</context>
<context>
    <name>EvidencePack</name>
    <message>
        <location filename="../../export/evidencepack.cpp" line="52" />
        <location filename="../../export/evidencepack.cpp" line="67" />
        <source>cannot read %1</source>
        <translation>nie można odczytać %1</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="56" />
        <location filename="../../export/evidencepack.cpp" line="99" />
        <location filename="../../export/evidencepack.cpp" line="131" />
        <source>cannot write %1</source>
        <translation>nie można zapisać %1</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="62" />
        <location filename="../../export/evidencepack.cpp" line="224" />
        <source>cancelled</source>
        <translation>anulowano</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="72" />
        <location filename="../../export/evidencepack.cpp" line="78" />
        <source>cannot write %1: %2</source>
        <translation>nie można zapisać %1: %2</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="120" />
        <source>ffmpeg could not cut the %1 channel: %2</source>
        <translation>ffmpeg nie mógł wyciąć kanału %1: %2</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="158" />
        <source>the range holds no video</source>
        <translation>zakres nie zawiera wideo</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="162" />
        <source>ffmpeg was not found on the search path</source>
        <translation>nie znaleziono ffmpeg w ścieżce wyszukiwania</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="172" />
        <source>cannot create %1</source>
        <translation>nie można utworzyć %1</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="191" />
        <source>the %1 channel file %2 is missing</source>
        <translation>brak pliku %2 kanału %1</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <location filename="../../export/outputfile.cpp" line="39" />
        <source>cannot create the folder %1</source>
        <translation>nie można utworzyć folderu %1</translation>
    </message>
    <message>
        <location filename="../../export/outputfile.cpp" line="44" />
        <source>cannot create %1</source>
        <translation>nie można utworzyć %1</translation>
    </message>
    <message>
        <location filename="../../export/outputfile.cpp" line="57" />
        <source>cannot write %1</source>
        <translation>nie można zapisać %1</translation>
    </message>
</context>
</TS>