<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="de">
<context>
    <name>CrashMessage</name>
    <message>
        <location filename="../../platform/crashmessage.cpp" line="24" />
        <source>The program encounters an unhandled exception, the MiniDump file has been generated in the program's running directory</source>
        <translation>Im Programm ist eine unbehandelte Ausnahme aufgetreten; die MiniDump-Datei wurde im Ausführungsverzeichnis des Programms erstellt</translation>
    </message>
    <message>
        <location filename="../../platform/crashmessage.cpp" line="26" />
        <source>The program encountered an unhandled exception that caused the MiniDump file to fail</source>
        <translation>Im Programm ist eine unbehandelte Ausnahme aufgetreten; die MiniDump-Datei konnte nicht erstellt werden</translation>
    </message>
</context>
</TS>