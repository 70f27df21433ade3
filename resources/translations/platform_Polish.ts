<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="pl">
<context>
    <name>CrashMessage</name>
    <message>
        <location filename="../../platform/crashmessage.cpp" line="24" />
        <source>The program encounters an unhandled exception, the MiniDump file has been generated in the program's running directory</source>
        <translation>Program napotkał nieobsłużony wyjątek; plik MiniDump został utworzony w katalogu uruchomienia programu</translation>
    </message>
    <message>
        <location filename="../../platform/crashmessage.cpp" line="26" />
        <source>The program encountered an unhandled exception that caused the MiniDump file to fail</source>
        <translation>Program napotkał nieobsłużony wyjątek i nie udało się utworzyć pliku MiniDump</translation>
    </message>
</context>
</TS>