<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_TW">
<context>
    <name>CrashMessage</name>
    <message>
        <location filename="../../platform/crashmessage.cpp" line="24" />
        <source>The program encounters an unhandled exception, the MiniDump file has been generated in the program's running directory</source>
        <translation>程式遇到未處理的例外狀況，MiniDump 檔案已產生在程式執行目錄中</translation>
    </message>
    <message>
        <location filename="../../platform/crashmessage.cpp" line="26" />
        <source>The program encountered an unhandled exception that caused the MiniDump file to fail</source>
        <translation>程式遇到未處理的例外狀況，MiniDump 檔案產生失敗</translation>
    </message>
</context>
</TS>