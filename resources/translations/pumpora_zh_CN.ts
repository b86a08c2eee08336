<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_CN">
<context>
    <name>Localizable</name>
    <message>
        <source>Setup Wizard</source>
        <translation>设置向导</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>正在载入...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Precision Digits</source>
        <translation>小数位数</translation>
    </message>
    <message>
        <source>TakePhoto</source>
        <translation>拍照</translation>
    </message>
    <message>
        <source>Choose Existing Photo</source>
        <translation>选取已有照片</translation>
    </message>
    <message>
        <source>ODO_DESC</source>
        <translation>这辆车开始记录时的里程表读数。之后每次加油的行驶里程都按各自的读数计算。</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Send Result</source>
        <translation>发送结果</translation>
    </message>
    <message>
        <source>Your report has been sent!</source>
        <translation>报表已交给邮件程序。</translation>
    </message>
    <message>
        <source>Failed to send report, please check email configuration.</source>
        <translation>报表发送失败，请检查邮件设置。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>help_zh_CN.html</source>
        <translation>help_zh_CN.html</translation>
    </message>
    <message>
        <source>Location Services Disabled</source>
        <translation>定位服务已关闭</translation>
    </message>
    <message>
        <source>You currently have all location services for this device disabled. If you proceed, you will be asked to confirm whether location services should be reenabled.</source>
        <translation>此设备的定位服务目前全部关闭。如果继续，系统会请你确认是否重新开启定位服务。</translation>
    </message>
</context>
</TS>
