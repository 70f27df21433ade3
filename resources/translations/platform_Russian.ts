<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ru">
<context>
    <name>CrashMessage</name>
    <message>
        <location filename="../../platform/crashmessage.cpp" line="24" />
        <source>The program encounters an unhandled exception, the MiniDump file has been generated in the program's running directory</source>
        <translation>В программе возникло необработанное исключение; файл MiniDump создан в каталоге запуска программы</translation>
    </message>
    <message>
        <location filename="../../platform/crashmessage.cpp" line="26" />
        <source>The program encountered an unhandled exception that caused the MiniDump file to fail</source>
        <translation>В программе возникло необработанное исключение, и создать файл MiniDump не удалось</translation>
    </message>
</context>
</TS>