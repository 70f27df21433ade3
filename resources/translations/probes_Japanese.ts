<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ja">
<context>
    <name>CUSBDiskDialog</name>
    <message>
        <location filename="../../probes/cusbdiskdialog.cpp" line="110" />
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
</context>
<context>
    <name>USBDiskDialog</name>
    <message>
        <location filename="../../probes/cusbdiskdialog.ui" line="6" />
        <source>USBDiskDialog</source>
        <translation>USB ディスク</translation>
    </message>
    <message>
        <location filename="../../probes/cusbdiskdialog.ui" line="30" />
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" font-weight:600;"&gt;USB&lt;/span&gt;Disk&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" font-weight:600;"&gt;USB&lt;/span&gt; ディスク&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../../probes/cusbdiskdialog.ui" line="39" />
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>UsbDiskBar</name>
    <message>
        <location filename="../../probes/usbdiskbar.ui" line="8" />
        <source>USB disk</source>
        <translation>USB ディスク</translation>
    </message>
    <message>
        <location filename="../../probes/usbdiskbar.ui" line="39" />
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <location filename="../../probes/usbdiskbar.ui" line="53" />
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <location filename="../../probes/usbdiskbar.cpp" line="38" />
        <source>Recordings found on %1:</source>
        <translation>%1 に録画が見つかりました:</translation>
    </message>
</context>
</TS>