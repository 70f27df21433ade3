<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="pt">
<context>
    <name>CrashMessage</name>
    <message>
        <location filename="../../platform/crashmessage.cpp" line="24" />
        <source>The program encounters an unhandled exception, the MiniDump file has been generated in the program's running directory</source>
        <translation>O programa encontrou uma exceção não tratada; o ficheiro MiniDump foi criado na pasta de execução do programa</translation>
    </message>
    <message>
        <location filename="../../platform/crashmessage.cpp" line="26" />
        <source>The program encountered an unhandled exception that caused the MiniDump file to fail</source>
        <translation>O programa encontrou uma exceção não tratada e não foi possível criar o ficheiro MiniDump</translation>
    </message>
</context>
</TS>