<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="fr">
<context>
    <name>CrashMessage</name>
    <message>
        <location filename="../../platform/crashmessage.cpp" line="24" />
        <source>The program encounters an unhandled exception, the MiniDump file has been generated in the program's running directory</source>
        <translation>Le programme a rencontré une exception non gérée ; le fichier MiniDump a été créé dans le dossier d'exécution du programme</translation>
    </message>
    <message>
        <location filename="../../platform/crashmessage.cpp" line="26" />
        <source>The program encountered an unhandled exception that caused the MiniDump file to fail</source>
        <translation>Le programme a rencontré une exception non gérée et le fichier MiniDump n'a pas pu être créé</translation>
    </message>
</context>
</TS>