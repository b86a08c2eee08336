<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>Localizable</name>
    <message>
        <source>部分资料无法读取</source>
        <translation>Some of your data could not be read</translation>
    </message>
    <message>
        <source>Setup Wizard</source>
        <translation>Setup Wizard</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Loading...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Precision Digits</source>
        <translation>Decimal Places</translation>
    </message>
    <message>
        <source>TakePhoto</source>
        <translation>Take Photo</translation>
    </message>
    <message>
        <source>Choose Existing Photo</source>
        <translation>Choose Existing Photo</translation>
    </message>
    <message>
        <source>ODO_DESC</source>
        <translation>The odometer reading when this car entered the log. Distances of later fill-ups are measured from their own readings.</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Failure</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>上一年</source>
        <translation>Year −</translation>
    </message>
    <message>
        <source>下一年</source>
        <translation>Year +</translation>
    </message>
    <message>
        <source>上个月</source>
        <translation>Month −</translation>
    </message>
    <message>
        <source>下个月</source>
        <translation>Month +</translation>
    </message>
    <message>
        <source>油耗概述</source>
        <translation>Overview</translation>
    </message>
    <message>
        <source>油耗报表</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>History</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>无法打开油耗记录</source>
        <translation>The fuel log cannot be opened</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>车辆无法保存，请再试一次。</source>
        <translation>The car could not be saved. Please try again.</translation>
    </message>
    <message>
        <source>车辆添加成功!
请到油耗概述页面切换车辆</source>
        <translation>Car added!
Switch cars on the Overview page.</translation>
    </message>
    <message>
        <source>费用图表</source>
        <translation>Cost Chart</translation>
    </message>
    <message>
        <source>平均油耗</source>
        <translation>Average Consumption</translation>
    </message>
    <message>
        <source>车辆名称:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>车辆型号:</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>车辆注册日期</source>
        <translation>Registered</translation>
    </message>
    <message>
        <source>油箱容积</source>
        <translation>Tank volume</translation>
    </message>
    <message>
        <source>汽车排量</source>
        <translation>Engine displacement</translation>
    </message>
    <message>
        <source>缺省汽油标号</source>
        <translation>Default fuel grade</translation>
    </message>
    <message>
        <source>统计开始时间</source>
        <translation>Statistics start</translation>
    </message>
    <message>
        <source>车辆累计加油</source>
        <translation>Total fuel</translation>
    </message>
    <message>
        <source>车辆累计行驶</source>
        <translation>Total distance</translation>
    </message>
    <message>
        <source>车辆累计油费</source>
        <translation>Total fuel cost</translation>
    </message>
    <message>
        <source>车辆平均油耗</source>
        <translation>Average consumption</translation>
    </message>
    <message>
        <source>暂无数据</source>
        <translation>No data yet</translation>
    </message>
    <message>
        <source>月份</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>行驶里程</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>耗油</source>
        <translation>Fuel used</translation>
    </message>
    <message>
        <source>费用</source>
        <translation>Cost</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>年</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>月</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>日</source>
        <translation>Day</translation>
    </message>
</context>
</TS>
