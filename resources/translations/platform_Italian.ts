<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="it">
<context>
    <name>CrashMessage</name>
    <message>
        <location filename="../../platform/crashmessage.cpp" line="24" />
        <source>The program encounters an unhandled exception, the MiniDump file has been generated in the program's running directory</source>
        <translation>Il programma ha incontrato un'eccezione non gestita; il file MiniDump è stato creato nella cartella di esecuzione del programma</translation>
    </message>
    <message>
        <location filename="../../platform/crashmessage.cpp" line="26" />
        <source>The program encountered an unhandled exception that caused the MiniDump file to fail</source>
        <translation>Il programma ha incontrato un'eccezione non gestita e non è stato possibile creare il file MiniDump</translation>
    </message>
</context>
</TS>