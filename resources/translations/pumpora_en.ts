<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>Localizable</name>
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
        <source>费用图表</source>
        <translation>Cost Chart</translation>
    </message>
    <message>
        <source>平均油耗</source>
        <translation>Average Consumption</translation>
    </message>
</context>
</TS>
