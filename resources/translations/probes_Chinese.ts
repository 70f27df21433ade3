<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_CN">
<context>
    <name>CUSBDiskDialog</name>
    <message>
        <location filename="../../probes/cusbdiskdialog.cpp" line="110" />
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
</context>
<context>
    <name>USBDiskDialog</name>
    <message>
        <location filename="../../probes/cusbdiskdialog.ui" line="6" />
        <source>USBDiskDialog</source>
        <translation>U盘</translation>
    </message>
    <message>
        <location filename="../../probes/cusbdiskdialog.ui" line="30" />
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" font-weight:600;"&gt;USB&lt;/span&gt;Disk&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" font-weight:600;"&gt;USB&lt;/span&gt;磁盘&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../../probes/cusbdiskdialog.ui" line="39" />
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>UsbDiskBar</name>
    <message>
        <location filename="../../probes/usbdiskbar.ui" line="8" />
        <source>USB disk</source>
        <translation>U盘</translation>
    </message>
    <message>
        <location filename="../../probes/usbdiskbar.ui" line="39" />
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <location filename="../../probes/usbdiskbar.ui" line="53" />
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location filename="../../probes/usbdiskbar.cpp" line="38" />
        <source>Recordings found on %1:</source>
        <translation>在 %1 上找到录像：</translation>
    </message>
</context>
</TS>