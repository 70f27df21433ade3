<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="pl">
<context>
    <name>ClipRange</name>
    <message>
        <location filename="../../export/cliprecording.cpp" line="43" />
        <source>the range is empty</source>
        <translation>zakres jest pusty</translation>
    </message>
    <message>
        <location filename="../../export/cliprecording.cpp" line="55" />
        <source>no recording holds %1</source>
        <translation>żadne nagranie nie obejmuje %1</translation>
    </message>
</context>
<context>
    <name>ClipRender</name>
    <message>
        <location filename="../../export/cliprender.cpp" line="81" />
        <source>the range holds no video</source>
        <translation>zakres nie zawiera wideo</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="97" />
        <source>the %1 channel file of %2 is missing</source>
        <translation>brak pliku kanału %1 nagrania %2</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="105" />
        <source>%1 cannot be read</source>
        <translation>nie można odczytać %1</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="262" />
        <source>ffmpeg was not found on the search path</source>
        <translation>nie znaleziono ffmpeg w ścieżce wyszukiwania</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="282" />
        <source>ffmpeg could not be started</source>
        <translation>nie można uruchomić ffmpeg</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="316" />
        <location filename="../../export/cliprender.cpp" line="323" />
        <location filename="../../export/cliprender.cpp" line="330" />
        <location filename="../../export/cliprender.cpp" line="339" />
        <source>cancelled</source>
        <translation>anulowano</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="344" />
        <source>ffmpeg failed</source>
        <translation>ffmpeg zakończył się błędem</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="344" />
        <source>ffmpeg failed: %1</source>
        <translation>ffmpeg zakończył się błędem: %1</translation>
    </message>
</context>
<context>
    <name>EvidencePack</name>
    <message>
        <location filename="../../export/evidencepack.cpp" line="51" />
        <location filename="../../export/evidencepack.cpp" line="66" />
        <source>cannot read %1</source>
        <translation>nie można odczytać %1</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="55" />
        <location filename="../../export/evidencepack.cpp" line="98" />
        <location filename="../../export/evidencepack.cpp" line="130" />
        <source>cannot write %1</source>
        <translation>nie można zapisać %1</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="61" />
        <location filename="../../export/evidencepack.cpp" line="223" />
        <source>cancelled</source>
        <translation>anulowano</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="71" />
        <location filename="../../export/evidencepack.cpp" line="77" />
        <source>cannot write %1: %2</source>
        <translation>nie można zapisać %1: %2</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="119" />
        <source>ffmpeg could not cut the %1 channel: %2</source>
        <translation>ffmpeg nie mógł wyciąć kanału %1: %2</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="157" />
        <source>the range holds no video</source>
        <translation>zakres nie zawiera wideo</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="161" />
        <source>ffmpeg was not found on the search path</source>
        <translation>nie znaleziono ffmpeg w ścieżce wyszukiwania</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="171" />
        <source>cannot create %1</source>
        <translation>nie można utworzyć %1</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="190" />
        <source>the %1 channel file %2 is missing</source>
        <translation>brak pliku %2 kanału %1</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <location filename="../../export/outputfile.cpp" line="46" />
        <source>%1 exists and is not replaced</source>
        <translation>%1 już istnieje i nie zostanie zastąpiony</translation>
    </message>
    <message>
        <location filename="../../export/outputfile.cpp" line="53" />
        <source>cannot create the folder %1</source>
        <translation>nie można utworzyć folderu %1</translation>
    </message>
    <message>
        <location filename="../../export/outputfile.cpp" line="58" />
        <source>cannot create %1</source>
        <translation>nie można utworzyć %1</translation>
    </message>
    <message>
        <location filename="../../export/outputfile.cpp" line="71" />
        <source>cannot write %1</source>
        <translation>nie można zapisać %1</translation>
    </message>
</context>
</TS>