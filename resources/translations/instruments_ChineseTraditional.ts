<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_TW">
<context>
    <name>SpeedTray</name>
    <message>
        <location filename="../../instruments/speedtray.cpp" line="51" />
        <source>%1 MPH</source>
        <translation>%1 英里/時</translation>
    </message>
    <message>
        <location filename="../../instruments/speedtray.cpp" line="51" />
        <source>%1 km/h</source>
        <translation>%1 km/h</translation>
    </message>
</context>
</TS>