<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ru">
<context>
    <name>SpeedTray</name>
    <message>
        <location filename="../../instruments/speedtray.cpp" line="51" />
        <source>%1 MPH</source>
        <translation>%1 миль/ч</translation>
    </message>
    <message>
        <location filename="../../instruments/speedtray.cpp" line="51" />
        <source>%1 km/h</source>
        <translation>%1 км/ч</translation>
    </message>
</context>
</TS>