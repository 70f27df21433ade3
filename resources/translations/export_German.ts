<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="de">
<context>
    <name>ClipRange</name>
    <message>
        <location filename="../../export/cliprecording.cpp" line="37" />
        <source>the range is empty</source>
        <translation>der Bereich ist leer</translation>
    </message>
    <message>
        <location filename="../../export/cliprecording.cpp" line="49" />
        <source>no recording holds %1</source>
        <translation>keine Aufnahme enthält %1</translation>
    </message>
</context>
<context>
    <name>ClipRender</name>
    <message>
        <location filename="../../export/cliprender.cpp" line="82" />
        <source>the range holds no video</source>
        <translation>der Bereich enthält kein Video</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="98" />
        <source>the %1 channel file of %2 is missing</source>
        <translation>die Datei des Kanals %1 von %2 fehlt</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="106" />
        <source>%1 cannot be read</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="263" />
        <source>ffmpeg was not found on the search path</source>
        <translation>ffmpeg wurde im Suchpfad nicht gefunden</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="283" />
        <source>ffmpeg could not be started</source>
        <translation>ffmpeg konnte nicht gestartet werden</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="317" />
        <location filename="../../export/cliprender.cpp" line="324" />
        <location filename="../../export/cliprender.cpp" line="331" />
        <location filename="../../export/cliprender.cpp" line="340" />
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="345" />
        <source>ffmpeg failed</source>
        <translation>ffmpeg ist fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../../export/cliprender.cpp" line="345" />
        <source>ffmpeg failed: %1</source>
        <translation>ffmpeg ist fehlgeschlagen: %1</translation>
    </message>
</context>
<context>
    <name>EvidencePack</name>
    <message>
        <location filename="../../export/evidencepack.cpp" line="52" />
        <location filename="../../export/evidencepack.cpp" line="67" />
        <source>cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="56" />
        <location filename="../../export/evidencepack.cpp" line="99" />
        <location filename="../../export/evidencepack.cpp" line="131" />
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="62" />
        <location filename="../../export/evidencepack.cpp" line="224" />
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="72" />
        <location filename="../../export/evidencepack.cpp" line="78" />
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="120" />
        <source>ffmpeg could not cut the %1 channel: %2</source>
        <translation>ffmpeg konnte den Kanal %1 nicht schneiden: %2</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="158" />
        <source>the range holds no video</source>
        <translation>der Bereich enthält kein Video</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="162" />
        <source>ffmpeg was not found on the search path</source>
        <translation>ffmpeg wurde im Suchpfad nicht gefunden</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="172" />
        <source>cannot create %1</source>
        <translation>%1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <location filename="../../export/evidencepack.cpp" line="191" />
        <source>the %1 channel file %2 is missing</source>
        <translation>die Datei %2 des Kanals %1 fehlt</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <location filename="../../export/outputfile.cpp" line="39" />
        <source>cannot create the folder %1</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <location filename="../../export/outputfile.cpp" line="44" />
        <source>cannot create %1</source>
        <translation>%1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <location filename="../../export/outputfile.cpp" line="57" />
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
</context>
</TS>