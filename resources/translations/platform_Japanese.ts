<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ja">
<context>
    <name>CrashMessage</name>
    <message>
        <location filename="../../platform/crashmessage.cpp" line="24" />
        <source>The program encounters an unhandled exception, the MiniDump file has been generated in the program's running directory</source>
        <translation>プログラムで未処理の例外が発生しました。MiniDump ファイルはプログラムの実行フォルダーに作成されました</translation>
    </message>
    <message>
        <location filename="../../platform/crashmessage.cpp" line="26" />
        <source>The program encountered an unhandled exception that caused the MiniDump file to fail</source>
        <translation>プログラムで未処理の例外が発生し、MiniDump ファイルを作成できませんでした</translation>
    </message>
</context>
</TS>