<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_CN">
<context>
    <name>Setting</name>
    <message>
        <location filename="../../settings/setting.ui" line="8" />
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <location filename="../../settings/setting.ui" line="32" />
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <location filename="../../settings/setting.ui" line="41" />
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location filename="../../settings/setting.ui" line="73" />
        <source>Personal settings</source>
        <translation>个人设置</translation>
    </message>
    <message>
        <location filename="../../settings/setting.ui" line="84" />
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <location filename="../../settings/setting.ui" line="90" />
        <source>(zh-CN)简体中文</source>
        <translation>(zh-CN)简体中文</translation>
    </message>
    <message>
        <location filename="../../settings/setting.ui" line="91" />
        <source>(zh-TW)繁體中文</source>
        <translation>(zh-TW)繁體中文</translation>
    </message>
    <message>
        <location filename="../../settings/setting.ui" line="92" />
        <source>(en-US)English</source>
        <translation>(en-US)English</translation>
    </message>
    <message>
        <location filename="../../settings/setting.ui" line="93" />
        <source>(en-GB)English</source>
        <translation>(en-GB)English</translation>
    </message>
    <message>
        <location filename="../../settings/setting.ui" line="94" />
        <source>(fr)Français </source>
        <translation>(fr)Français </translation>
    </message>
    <message>
        <location filename="../../settings/setting.ui" line="95" />
        <source>(it)Italiano</source>
        <translation>(it)Italiano</translation>
    </message>
    <message>
        <location filename="../../settings/setting.ui" line="96" />
        <source>(jp)日本語 </source>
        <translation>(jp)日本語 </translation>
    </message>
    <message>
        <location filename="../../settings/setting.ui" line="97" />
        <source>(pl)Polski</source>
        <translation>(pl)Polski</translation>
    </message>
    <message>
        <location filename="../../settings/setting.ui" line="98" />
        <source>(ru)Pусский</source>
        <translation>(ru)Pусский</translation>
    </message>
    <message>
        <location filename="../../settings/setting.ui" line="99" />
        <source>(de)Deutsch </source>
        <translation>(de)Deutsch </translation>
    </message>
    <message>
        <location filename="../../settings/setting.ui" line="100" />
        <source>(es)Español </source>
        <translation>(es)Español </translation>
    </message>
    <message>
        <location filename="../../settings/setting.ui" line="101" />
        <source>(pt)Portuguese</source>
        <translation>(pt)Portuguese</translation>
    </message>
    <message>
        <location filename="../../settings/setting.ui" line="102" />
        <source>(ko)한국어</source>
        <translation>(ko)한국어</translation>
    </message>
    <message>
        <location filename="../../settings/setting.ui" line="107" />
        <source>Screenshot save path</source>
        <translation>截图保存路径</translation>
    </message>
    <message>
        <location filename="../../settings/setting.ui" line="114" />
        <source>choose</source>
        <translation>选择</translation>
    </message>
    <message>
        <location filename="../../settings/setting.ui" line="125" />
        <source>Map</source>
        <translation>地图</translation>
    </message>
    <message>
        <location filename="../../settings/setting.ui" line="130" />
        <location filename="../../settings/setting.ui" line="131" />
        <source>Baidu Maps</source>
        <translation>百度地图</translation>
    </message>
    <message>
        <location filename="../../settings/setting.ui" line="132" />
        <source>Google Maps</source>
        <translation>谷歌地图</translation>
    </message>
    <message>
        <location filename="../../settings/setting.ui" line="133" />
        <source>OpenStreetMap</source>
        <translation>OpenStreetMap</translation>
    </message>
    <message>
        <location filename="../../settings/setting.ui" line="138" />
        <source>SpeedUnit</source>
        <translation>速度单位</translation>
    </message>
    <message>
        <location filename="../../settings/setting.ui" line="143" />
        <source>Km/h</source>
        <translation>公里/小时</translation>
    </message>
    <message>
        <location filename="../../settings/setting.ui" line="144" />
        <source>MP/h</source>
        <translation>英里/小时</translation>
    </message>
    <message>
        <location filename="../../settings/setting.ui" line="149" />
        <source>Google Maps key</source>
        <translation>谷歌地图密钥</translation>
    </message>
    <message>
        <location filename="../../settings/setting.ui" line="159" />
        <source>Baidu Maps key</source>
        <translation>百度地图密钥</translation>
    </message>
    <message>
        <location filename="../../settings/setting.ui" line="186" />
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <location filename="../../settings/setting.ui" line="194" />
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../../settings/setting.cpp" line="51" />
        <source>Open Directory</source>
        <translation>打开目录</translation>
    </message>
</context>
</TS>