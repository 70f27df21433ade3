<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ko">
<context>
    <name>CrashMessage</name>
    <message>
        <location filename="../../platform/crashmessage.cpp" line="24" />
        <source>The program encounters an unhandled exception, the MiniDump file has been generated in the program's running directory</source>
        <translation>프로그램에서 처리되지 않은 예외가 발생했습니다. MiniDump 파일이 프로그램 실행 폴더에 생성되었습니다</translation>
    </message>
    <message>
        <location filename="../../platform/crashmessage.cpp" line="26" />
        <source>The program encountered an unhandled exception that caused the MiniDump file to fail</source>
        <translation>프로그램에서 처리되지 않은 예외가 발생하여 MiniDump 파일을 만들지 못했습니다</translation>
    </message>
</context>
</TS>