<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="es">
<context>
    <name>CrashMessage</name>
    <message>
        <location filename="../../platform/crashmessage.cpp" line="24" />
        <source>The program encounters an unhandled exception, the MiniDump file has been generated in the program's running directory</source>
        <translation>El programa encontró una excepción no controlada; el archivo MiniDump se ha generado en la carpeta de ejecución del programa</translation>
    </message>
    <message>
        <location filename="../../platform/crashmessage.cpp" line="26" />
        <source>The program encountered an unhandled exception that caused the MiniDump file to fail</source>
        <translation>El programa encontró una excepción no controlada y no se pudo generar el archivo MiniDump</translation>
    </message>
</context>
</TS>