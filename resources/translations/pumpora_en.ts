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
        <source>油耗记录中有不是有限数的数值（资料已损坏），已按 0 计算</source>
        <translation>the fuel log holds numbers that are not finite (damaged data); they are read as 0</translation>
    </message>
    <message>
        <source>油耗记录正忙：另一个程序正在写入，请稍后再试</source>
        <translation>the fuel log is busy: another program is writing to it; try again</translation>
    </message>
    <message>
        <source>油耗记录 %1 出错：%2</source>
        <translation>error in the fuel log %1: %2</translation>
    </message>
    <message>
        <source>%1 无法作为数据库打开（%2），文件未作改动</source>
        <translation>%1 cannot be opened as a database (%2); it was left untouched</translation>
    </message>
    <message>
        <source>缺少表 %1</source>
        <translation>no table %1</translation>
    </message>
    <message>
        <source>表 %1 缺少列 %2</source>
        <translation>table %1 lacks the columns %2</translation>
    </message>
    <message>
        <source>%1 不是本程序的油耗记录（%2），文件未作改动</source>
        <translation>%1 is not a fuel log of this app (%2); it was left untouched</translation>
    </message>
    <message>
        <source>数据目录 %1 正被另一个程序设置，请稍后再试</source>
        <translation>another program is setting up the data directory %1; try again</translation>
    </message>
    <message>
        <source>无法创建数据目录 %1</source>
        <translation>cannot create the data directory %1</translation>
    </message>
    <message>
        <source>无法在 %1 放入初始数据库</source>
        <translation>cannot put the seed database at %1</translation>
    </message>
    <message>
        <source>%1 中没有油耗记录</source>
        <translation>there is no fuel log in %1</translation>
    </message>
    <message>
        <source>%1 是油耗记录的文件，报表不会写在它上面</source>
        <translation>%1 is a file of the fuel log; the report is not written over it</translation>
    </message>
    <message>
        <source>%1 不是普通文件，报表不会写在它上面</source>
        <translation>%1 is not a regular file; the report is not written over it</translation>
    </message>
    <message>
        <source>报表 %1 无法写入：%2</source>
        <translation>the report %1 cannot be written: %2</translation>
    </message>
    <message>
        <source>报表 %1 无法写完：%2</source>
        <translation>the report %1 could not be written in full: %2</translation>
    </message>
    <message>
        <source>数据目录 %1 不存在（pumpora init 会在那里新建油耗记录）</source>
        <translation>the data directory %1 does not exist (pumpora init creates a new log there)</translation>
    </message>
    <message>
        <source>DefaultCar 须是已存车辆的键，而不是“%1”（已存的键：%2）</source>
        <translation>DefaultCar needs the key of a stored car, not '%1' (stored keys: %2)</translation>
    </message>
    <message>
        <source>尚无车辆</source>
        <translation>no car yet</translation>
    </message>
    <message>
        <source>%1 须是 1、2 或 3，而不是“%2”</source>
        <translation>%1 needs 1, 2 or 3, not '%2'</translation>
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
    <message>
        <source>MM月dd日</source>
        <translation>MMM d</translation>
    </message>
    <message>
        <source>最近一次加油：%@ %.1f %@ 共%@%.1f</source>
        <translation>Last fill-up: %@ %.1f %@, total %@%.1f</translation>
    </message>
    <message>
        <source>最近一次加油：%@ %.2f %@ 共%@%.2f</source>
        <translation>Last fill-up: %@ %.2f %@, total %@%.2f</translation>
    </message>
    <message>
        <source>最近一次加油：%@ %.3f %@ 共%@%.3f</source>
        <translation>Last fill-up: %@ %.3f %@, total %@%.3f</translation>
    </message>
    <message>
        <source>尚无录入加油数据</source>
        <translation>No fill-up entered yet</translation>
    </message>
    <message>
        <source>报表 %1 无法读取：%2</source>
        <translation>the report %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>xdg-email 以状态 %1 结束</source>
        <translation>xdg-email ended with status %1</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>选择导出油耗报表的格式，并通过电子邮件发送</source>
        <translation>Choose a format for the report; it is sent by e-mail.</translation>
    </message>
    <message>
        <source>导出PDF格式</source>
        <translation>Export as PDF</translation>
    </message>
    <message>
        <source>预览PDF</source>
        <translation>Preview PDF</translation>
    </message>
    <message>
        <source>下一步</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>导出报表</source>
        <translation>Export Report</translation>
    </message>
    <message>
        <source>每月报表</source>
        <translation>Monthly report</translation>
    </message>
    <message>
        <source>还没有加油记录。记下第一次加油后，这里按月列出费用、油量和里程。</source>
        <translation>No fill-ups yet. Once you record one, the cost, fuel and distance of each month appear here.</translation>
    </message>
    <message>
        <source>报表无法读取</source>
        <translation>The report cannot be read</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>不能发送Email</source>
        <translation>No mail program is set up to send e-mail.</translation>
    </message>
    <message>
        <source>Send Result</source>
        <translation>Send Result</translation>
    </message>
    <message>
        <source>Your report has been sent!</source>
        <translation>Your report has been handed to your mail program.</translation>
    </message>
    <message>
        <source>Failed to send report, please check email configuration.</source>
        <translation>Failed to send report, please check email configuration.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>存储PDF报表</source>
        <translation>Save the PDF Report</translation>
    </message>
    <message>
        <source>报表已存到 %1</source>
        <translation>The report was saved to %1.</translation>
    </message>
    <message>
        <source>报表 %1 无法打开</source>
        <translation>The report %1 cannot be opened.</translation>
    </message>
    <message>
        <source>PDF报表</source>
        <translation>PDF report</translation>
    </message>
    <message>
        <source>共 %1 页</source>
        <translation>Pages: %1</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>适合宽度</source>
        <translation>Fit Width</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>切换</source>
        <translation>Switch</translation>
    </message>
    <message>
        <source>车辆名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>缺少信息</source>
        <translation>Information Missing</translation>
    </message>
    <message>
        <source>请输入车辆名称</source>
        <translation>Please enter the car's name.</translation>
    </message>
    <message>
        <source>油耗单位</source>
        <translation>Consumption unit</translation>
    </message>
    <message>
        <source>油箱容积用来检查每次加油不超过油箱；缺省汽油标号会预先填入新的加油记录。</source>
        <translation>The tank volume keeps each fill-up within the tank; the default fuel grade is proposed for new fill-ups.</translation>
    </message>
    <message>
        <source>请输入油箱最大容积</source>
        <translation>Please enter the tank's capacity.</translation>
    </message>
    <message>
        <source>初始里程读数</source>
        <translation>Initial Reading</translation>
    </message>
    <message>
        <source>油耗单位没有保存。
%1</source>
        <translation>The consumption unit was not saved.
%1</translation>
    </message>
    <message>
        <source>开始时间</source>
        <translation>Start Date</translation>
    </message>
    <message>
        <source>开始时间没有保存：无法写入 %1</source>
        <translation>The start date was not saved: %1 cannot be written.</translation>
    </message>
    <message>
        <source>修改油价</source>
        <translation>Edit Fuel Price</translation>
    </message>
    <message>
        <source>油品名称</source>
        <translation>Grade name</translation>
    </message>
    <message>
        <source>缺省价格</source>
        <translation>Default price</translation>
    </message>
    <message>
        <source>请输入油价格</source>
        <translation>Please enter the fuel price.</translation>
    </message>
    <message>
        <source>请输入油标号</source>
        <translation>Please enter the fuel grade.</translation>
    </message>
    <message>
        <source>输入油价格不合适</source>
        <translation>The price entered is not valid.</translation>
    </message>
    <message>
        <source>油品没有保存：油品列表无法写入。</source>
        <translation>The fuel grade was not saved: the grade list cannot be written.</translation>
    </message>
    <message>
        <source>小数位数没有保存：无法写入 %1</source>
        <translation>The decimal places were not saved: %1 cannot be written.</translation>
    </message>
    <message>
        <source>十万位</source>
        <translation>Hundred thousands</translation>
    </message>
    <message>
        <source>万位</source>
        <translation>Ten thousands</translation>
    </message>
    <message>
        <source>千位</source>
        <translation>Thousands</translation>
    </message>
    <message>
        <source>百位</source>
        <translation>Hundreds</translation>
    </message>
    <message>
        <source>十位</source>
        <translation>Tens</translation>
    </message>
    <message>
        <source>个位</source>
        <translation>Units</translation>
    </message>
    <message>
        <source>车辆统计</source>
        <translation>Car totals</translation>
    </message>
    <message>
        <source>最近一次加油</source>
        <translation>Last fill-up</translation>
    </message>
    <message>
        <source>车辆页面</source>
        <translation>Cars</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>加油时记录位置</source>
        <translation>Record the position of fill-ups</translation>
    </message>
    <message>
        <source>新增车辆</source>
        <translation>Add a Car</translation>
    </message>
    <message>
        <source>位置记录设置没有保存：无法写入 %1</source>
        <translation>The position setting was not saved: %1 cannot be written.</translation>
    </message>
    <message>
        <source>联系支持</source>
        <translation>Contact Support</translation>
    </message>
    <message>
        <source>给 Pumpora 评分</source>
        <translation>Rate Pumpora</translation>
    </message>
    <message>
        <source>访问网站</source>
        <translation>Visit the Web Site</translation>
    </message>
    <message>
        <source>支持邮件没有交给邮件程序。
%1</source>
        <translation>The support mail was not handed to your mail program.
%1</translation>
    </message>
    <message>
        <source>无法打开 %1</source>
        <translation>%1 cannot be opened.</translation>
    </message>
    <message>
        <source>help_zh_CN.html</source>
        <translation>help_en_US.html</translation>
    </message>
    <message>
        <source>车辆名称和备注没有保存。
%1</source>
        <translation>The name and notes were not saved.
%1</translation>
    </message>
    <message>
        <source>油箱容积、排量和油品没有保存。
%1</source>
        <translation>The tank volume, displacement and grade were not saved.
%1</translation>
    </message>
    <message>
        <source>车辆照片</source>
        <translation>Car photo</translation>
    </message>
    <message>
        <source>点击选择车辆照片</source>
        <translation>Click to choose a photo of the car</translation>
    </message>
    <message>
        <source>油箱、排量和油品</source>
        <translation>Tank, displacement and grade</translation>
    </message>
    <message>
        <source>图片 (%1)</source>
        <translation>Pictures (%1)</translation>
    </message>
    <message>
        <source>车辆信息</source>
        <translation>Car Information</translation>
    </message>
    <message>
        <source>加油信息</source>
        <translation>Fill-up</translation>
    </message>
    <message>
        <source>添加加油记录</source>
        <translation>Add Fill-up</translation>
    </message>
    <message>
        <source>最近加油信息</source>
        <translation>Recent Fill-ups</translation>
    </message>
    <message>
        <source>当前车辆没有保存为默认车辆：无法写入 %1</source>
        <translation>The car was not saved as the default car: %1 cannot be written.</translation>
    </message>
    <message>
        <source>更改记录</source>
        <translation>Change Fill-up</translation>
    </message>
    <message>
        <source>更改</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>汽油标号</source>
        <translation>Grade</translation>
    </message>
    <message>
        <source>单价</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>加油量</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>总价</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>里程表读数</source>
        <translation>Odometer</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>在地图上查看</source>
        <translation>Show on Map</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>删除确认</source>
        <translation>Confirm deletion</translation>
    </message>
    <message>
        <source>你确定要删除该加油信息吗?</source>
        <translation>Delete this fill-up?</translation>
    </message>
    <message>
        <source>确认</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>加油信息没有删除：%1</source>
        <translation>The fill-up was not deleted: %1</translation>
    </message>
    <message>
        <source>资料不完整</source>
        <translation>Incomplete Data</translation>
    </message>
    <message>
        <source>请输入加油的总价。</source>
        <translation>Please enter the total paid.</translation>
    </message>
    <message>
        <source>请输入汽油的单价。</source>
        <translation>Please enter the price per unit.</translation>
    </message>
    <message>
        <source>请输入加油的体积。</source>
        <translation>Please enter the volume.</translation>
    </message>
    <message>
        <source>体积超出最大油箱容积</source>
        <translation>The volume exceeds the tank&apos;s capacity.</translation>
    </message>
    <message>
        <source>加油记录没有保存。
%1</source>
        <translation>The fill-up was not saved.
%1</translation>
    </message>
    <message>
        <source>加油记录已保存，但油品的缺省价格没有保存：油品列表无法写入。</source>
        <translation>The fill-up was saved, but not the grade&apos;s new default price: the grade list cannot be written.</translation>
    </message>
    <message>
        <source>加油记录已保存，但车辆的缺省汽油标号没有保存。
%1</source>
        <translation>The fill-up was saved, but not the car&apos;s default grade.
%1</translation>
    </message>
    <message>
        <source>加油记录已保存</source>
        <translation>Fill-up Saved</translation>
    </message>
    <message>
        <source>这次加油在统计开始时间之前，统计、报表和历史记录中都不会显示。要把统计开始时间提前到 %1 吗？</source>
        <translation>This fill-up is dated before the statistics start, so no figure, report or history shows it. Move the statistics start back to %1?</translation>
    </message>
    <message>
        <source>不用</source>
        <translation>Not Now</translation>
    </message>
    <message>
        <source>提前</source>
        <translation>Move Back</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>删除车辆</source>
        <translation>Delete Car</translation>
    </message>
    <message>
        <source>无法读取图片 %1：%2</source>
        <translation>The picture %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>照片没有保存。
%1</source>
        <translation>The photo was not saved.
%1</translation>
    </message>
    <message>
        <source>不能删除唯一的车辆</source>
        <translation>The only car cannot be deleted.</translation>
    </message>
    <message>
        <source>确定要删除该车辆吗!
这会删除该车辆的所有信息!</source>
        <translation>Delete this car?
All of its information will be deleted!</translation>
    </message>
    <message>
        <source>车辆没有删除。
%1</source>
        <translation>The car was not deleted.
%1</translation>
    </message>
    <message>
        <source>偏好设置正被另一个程序写入，请稍后再试</source>
        <translation>another program is writing the preferences; try again</translation>
    </message>
    <message>
        <source>偏好设置 %1 无法读取</source>
        <translation>the preferences %1 cannot be read</translation>
    </message>
    <message>
        <source>偏好设置 %1 无法写入，原有设置未变</source>
        <translation>the preferences %1 cannot be written; the settings stay as they were</translation>
    </message>
    <message>
        <source>%1 不存在</source>
        <translation>%1 is missing</translation>
    </message>
    <message>
        <source>%1 无法读取：%2</source>
        <translation>%1 cannot be read: %2</translation>
    </message>
    <message>
        <source>%1 太大，不是属性列表</source>
        <translation>%1 is too large for a property list</translation>
    </message>
    <message>
        <source>%1 无法使用：%2</source>
        <translation>%1 cannot be used: %2</translation>
    </message>
    <message>
        <source>它不是属性列表</source>
        <translation>it is not a property list</translation>
    </message>
    <message>
        <source>其中没有字典</source>
        <translation>it holds no dictionary</translation>
    </message>
    <message>
        <source>有一个值无法存入属性列表</source>
        <translation>a value cannot be kept in a property list</translation>
    </message>
    <message>
        <source>属性列表无法生成</source>
        <translation>the property list could not be made</translation>
    </message>
    <message>
        <source>%1 无法写入：%2</source>
        <translation>%1 cannot be written: %2</translation>
    </message>
    <message>
        <source>内置的 %1.plist 无法复制到 %2</source>
        <translation>the bundled %1.plist could not be copied to %2</translation>
    </message>
    <message>
        <source>%1 的 %2 之下没有数组</source>
        <translation>%1 has no array under %2</translation>
    </message>
    <message>
        <source>%1 无法在被替换前另存为 %2</source>
        <translation>%1 could not be kept as %2 before replacing it</translation>
    </message>
    <message>
        <source>油品 %1 无法完整读取，仍保留它在列表中的位置</source>
        <translation>grade %1 could not be read in full; it keeps its place in the list</translation>
    </message>
    <message>
        <source>油耗单位 %1 无法完整读取，仍保留它在列表中的位置</source>
        <translation>unit system %1 could not be read in full; it keeps its place in the list</translation>
    </message>
    <message>
        <source>没有可以写报表的车辆</source>
        <translation>there is no car to report on</translation>
    </message>
    <message>
        <source>Location Services Disabled</source>
        <translation>Location Services Disabled</translation>
    </message>
    <message>
        <source>You currently have all location services for this device disabled. If you proceed, you will be asked to confirm whether location services should be reenabled.</source>
        <translation>You currently have all location services for this device disabled. If you proceed, you will be asked to confirm whether location services should be reenabled.</translation>
    </message>
</context>
</TS>
