<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AdvanceSettingPage</name>
    <message>
        <source>Invalid Param!</source>
        <translation>参数无效！</translation>
    </message>
    <message>
        <source>ioc function2: %1</source>
        <translation>ioc function2: %1</translation>
    </message>
</context>
<context>
    <name>AdvanceSettingPageUi</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>   Motor    </source>
        <translation>   电机    </translation>
    </message>
    <message>
        <source>Motor Idel Speed</source>
        <translation>电机怠速</translation>
    </message>
    <message>
        <source>LOW</source>
        <translation>低</translation>
    </message>
    <message>
        <source>RECOMMENDED</source>
        <translation>推荐</translation>
    </message>
    <message>
        <source>HIGH</source>
        <translation>高</translation>
    </message>
    <message>
        <source>   FailSafe  </source>
        <translation>   失控保护  </translation>
    </message>
    <message>
        <source>Enhanced Failsafe Methods</source>
        <translation>增强失控保护方式</translation>
    </message>
    <message>
        <source>Hover</source>
        <translation>悬停</translation>
    </message>
    <message>
        <source>Alt Go-Home</source>
        <translation>升高返航</translation>
    </message>
    <message>
        <source>Go-Home Heading</source>
        <translation>返航机头朝向</translation>
    </message>
    <message>
        <source>Towards</source>
        <translation>机头朝向</translation>
    </message>
    <message>
        <source>Backwards</source>
        <translation>机尾朝向</translation>
    </message>
    <message>
        <source>Go-Home Altitude</source>
        <translation>返航高度</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Go-Home Switch</source>
        <translation>返航开关</translation>
    </message>
    <message>
        <source>Go-Home Enable</source>
        <translation>启用返航</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>待命</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>启动</translation>
    </message>
    <message>
        <source>   IOC   </source>
        <translation>   IOC   </translation>
    </message>
    <message>
        <source>Intelligent Orientation Control</source>
        <translation>智能方向控制</translation>
    </message>
    <message>
        <source>IOC Enable</source>
        <translation>启用 IOC</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Course Lock</source>
        <translation>航向锁定</translation>
    </message>
    <message>
        <source>Point of Interest</source>
        <translation>兴趣点环绕</translation>
    </message>
    <message>
        <source>Home Lock</source>
        <translation>返航点锁定</translation>
    </message>
    <message>
        <source>   Voltage   </source>
        <translation>   电压   </translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>电压</translation>
    </message>
    <message>
        <source>Current Voltage</source>
        <translation>当前电压</translation>
    </message>
    <message>
        <source>   Limits    </source>
        <translation>   限制    </translation>
    </message>
    <message>
        <source>Altitude Limit</source>
        <translation>高度限制</translation>
    </message>
    <message>
        <source>Max Altitude</source>
        <translation>最大高度</translation>
    </message>
    <message>
        <source>Distance Limit</source>
        <translation>距离限制</translation>
    </message>
    <message>
        <source>Max Radius</source>
        <translation>最大半径</translation>
    </message>
    <message>
        <source>Forbiden Area Limit</source>
        <translation>禁飞区限制</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>开</translation>
    </message>
</context>
<context>
    <name>FirmwareUpgradeDialog</name>
    <message>
        <source>The latest firmware version: </source>
        <translation>最新固件版本： </translation>
    </message>
    <message>
        <source>Update:<byte value="xd"/>
</source>
        <translation>更新：<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Checking for firmware updates...</source>
        <translation>正在检查固件更新...</translation>
    </message>
    <message>
        <source>State error:#001!</source>
        <translation>状态错误：#001！</translation>
    </message>
    <message>
        <source>Server error: Can Not Check Update Information!</source>
        <translation>服务器错误：无法检查更新信息！</translation>
    </message>
    <message>
        <source>Download firmware file OK!</source>
        <translation>固件文件下载成功！</translation>
    </message>
    <message>
        <source>Start Upgrade</source>
        <translation>开始升级</translation>
    </message>
    <message>
        <source>Download failed!</source>
        <translation>下载失败！</translation>
    </message>
    <message>
        <source>No updates available!</source>
        <translation>没有可用的更新！</translation>
    </message>
    <message>
        <source>Download firmware file name error!</source>
        <translation>下载的固件文件名错误！</translation>
    </message>
    <message>
        <source>Do not exsit right file folder!</source>
        <translation>指定的文件夹不存在！</translation>
    </message>
    <message>
        <source>Firmware file open failed!</source>
        <translation>固件文件打开失败！</translation>
    </message>
    <message>
        <source>Port name error!</source>
        <translation>端口名称错误！</translation>
    </message>
    <message>
        <source>Stop Upgrade</source>
        <translation>停止升级</translation>
    </message>
</context>
<context>
    <name>FirmwareUpgradeDialogUi</name>
    <message>
        <source>FirmwareUpgrade</source>
        <translation>固件升级</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Firmware Upgrade</source>
        <translation>固件升级</translation>
    </message>
    <message>
        <source>Current Version:</source>
        <translation>当前版本：</translation>
    </message>
    <message>
        <source>--------</source>
        <translation>--------</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>DownLoad</source>
        <translation>下载</translation>
    </message>
</context>
<context>
    <name>SensorPlot</name>
    <message>
        <source>Gyroscope (degree/s)</source>
        <translation>陀螺仪 (度/秒)</translation>
    </message>
    <message>
        <source>Acceleration (m/s^2)</source>
        <translation>加速度 (米/秒²)</translation>
    </message>
</context>
<context>
    <name>ToolSettingPage</name>
    <message>
        <source>Cannot save the parameter file: %1</source>
        <translation>无法保存参数文件：%1</translation>
    </message>
    <message>
        <source>Invalid parameter file: %1
%2</source>
        <translation>无效的参数文件：%1
%2</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>保存配置文件</translation>
    </message>
    <message>
        <source>ConfigFile(*.conf)</source>
        <translation>配置文件(*.conf)</translation>
    </message>
    <message>
        <source>Export Parameters</source>
        <translation>导出参数</translation>
    </message>
    <message>
        <source>Open Config File</source>
        <translation>打开配置文件</translation>
    </message>
    <message>
        <source>Import Parameters</source>
        <translation>导入参数</translation>
    </message>
    <message>
        <source>Write flash now...</source>
        <translation>正在写入闪存...</translation>
    </message>
    <message>
        <source>Calibrate accelerometers now...</source>
        <translation>正在校准加速度计...</translation>
    </message>
    <message>
        <source>Calibrate gyros now...</source>
        <translation>正在校准陀螺仪...</translation>
    </message>
</context>
<context>
    <name>ToolSettingPageUi</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Configurations</source>
        <translation>参数配置</translation>
    </message>
    <message>
        <source>Export Parameters</source>
        <translation>导出参数</translation>
    </message>
    <message>
        <source>Import Parameters</source>
        <translation>导入参数</translation>
    </message>
    <message>
        <source>Restore Default Settings</source>
        <translation>恢复默认设置</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>传感器</translation>
    </message>
    <message>
        <source>Gyroscope(degree/s)</source>
        <translation>陀螺仪(度/秒)</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>模</translation>
    </message>
    <message>
        <source>Acceleration(m/s^2)</source>
        <translation>加速度(米/秒²)</translation>
    </message>
    <message>
        <source>Compass error</source>
        <translation>罗盘误差</translation>
    </message>
    <message>
        <source>Attitude(degree)</source>
        <translation>姿态(度)</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>俯仰</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>横滚</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>航向</translation>
    </message>
    <message>
        <source>Altitude(m)</source>
        <translation>高度(米)</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>校准</translation>
    </message>
    <message>
        <source>Calibrate Accelerometers</source>
        <translation>校准加速度计</translation>
    </message>
    <message>
        <source>Calibrate Gyroscopes</source>
        <translation>校准陀螺仪</translation>
    </message>
    <message>
        <source>Write Flash</source>
        <translation>写入闪存</translation>
    </message>
    <message>
        <source>Write Parameters to Flash</source>
        <translation>将参数写入闪存</translation>
    </message>
</context>
<context>
    <name>UpdateSettingPageUi</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Device Info</source>
        <translation>设备信息</translation>
    </message>
    <message>
        <source>Device Type:</source>
        <translation>设备类型：</translation>
    </message>
    <message>
        <source>----------------------</source>
        <translation>----------------------</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>固件信息</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>当前版本：</translation>
    </message>
    <message>
        <source>-----------------</source>
        <translation>-----------------</translation>
    </message>
    <message>
        <source>No updates</source>
        <translation>无更新</translation>
    </message>
    <message>
        <source>Start Upgrade</source>
        <translation>开始升级</translation>
    </message>
    <message>
        <source>Open Firmware File</source>
        <translation>打开固件文件</translation>
    </message>
    <message>
        <source>Software Info</source>
        <translation>软件信息</translation>
    </message>
    <message>
        <source>Software Version:</source>
        <translation>软件版本：</translation>
    </message>
    <message>
        <source>Update Online</source>
        <translation>在线更新</translation>
    </message>
    <message>
        <source>about:blank</source>
        <translation>about:blank</translation>
    </message>
    <message>
        <source>Keep the flight controller powered and connected while its firmware is upgraded.</source>
        <translation>固件升级期间，请保持飞行控制器通电并连接。</translation>
    </message>
</context>
<context>
    <name>UpgradeReportText</name>
    <message>
        <source>&lt;h6&gt;&lt;font color=#000000&gt;%1 open OK&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#000000&gt;%1 打开成功&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;%1 open error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;%1 打开失败&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;Version Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;版本错误&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;Send Check Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;发送校验错误&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;Recv Check Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;接收校验错误&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;Timeout Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;超时错误&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;File Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;文件错误&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#000000&gt;File open OK&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#000000&gt;文件打开成功&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;File Open Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;文件打开失败&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;Erase Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;擦除错误&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;File Size Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;文件大小错误&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;Length Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;长度错误&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#000000&gt;Upgrading now, please wait...&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#000000&gt;正在升级，请稍候...&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#000000&gt;Upgraded OK&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#000000&gt;升级成功&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;Address Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;地址错误&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;Flash Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;闪存错误&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;Head Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;帧头错误&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;Go to App Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;跳转至应用程序失败&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;Device Error, please check module connection&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;设备错误，请检查模块连接&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;State Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;状态错误&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
</context>
<context>
    <name>UpgradeWarningDialogUi</name>
    <message>
        <source>Notice</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Please connect your device, firstly!</source>
        <translation>请先连接设备！</translation>
    </message>
</context>
<context>
    <name>mainWidget</name>
    <message>
        <source>Germany</source>
        <translation>德语</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英语</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>&lt;font color = &apos;red&apos;&gt;Please restart the application!&lt;/font&gt;</source>
        <translation>&lt;font color = &apos;red&apos;&gt;请重新启动应用程序！&lt;/font&gt;</translation>
    </message>
</context>
<context>
    <name>statusWidget</name>
    <message>
        <source>COMPort open successfully</source>
        <translation>串口打开成功</translation>
    </message>
    <message>
        <source>COMPort open failed</source>
        <translation>串口打开失败</translation>
    </message>
    <message>
        <source>Connection closed</source>
        <translation>连接已关闭</translation>
    </message>
    <message>
        <source>Parameters uploaded</source>
        <translation>参数已上传</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>正在上传...</translation>
    </message>
    <message>
        <source>Parameters saved OK</source>
        <translation>参数保存成功</translation>
    </message>
    <message>
        <source>Parameters saved error</source>
        <translation>参数保存失败</translation>
    </message>
    <message>
        <source>Accelerometers calibrated OK</source>
        <translation>加速度计校准成功</translation>
    </message>
    <message>
        <source>Accelerometers calibrated error</source>
        <translation>加速度计校准失败</translation>
    </message>
    <message>
        <source>Gyros calibrated OK</source>
        <translation>陀螺仪校准成功</translation>
    </message>
    <message>
        <source>Gyros calibrated error</source>
        <translation>陀螺仪校准失败</translation>
    </message>
    <message>
        <source>Voltage calibrated OK</source>
        <translation>电压校准成功</translation>
    </message>
    <message>
        <source>Voltage calibrated error</source>
        <translation>电压校准失败</translation>
    </message>
    <message>
        <source>Unconnected</source>
        <translation>未连接</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>已连接</translation>
    </message>
</context>
<context>
    <name>titleWidget</name>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>反馈</translation>
    </message>
    <message>
        <source>  KESTO Tarvel 2 Assistant  </source>
        <translation>  KESTO Tarvel 2 Assistant  </translation>
    </message>
</context>
<context>
    <name>toolWidget</name>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Refresh the port list</source>
        <translation>刷新端口列表</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>断开</translation>
    </message>
</context>
<context>
    <name>updatesettingpage</name>
    <message>
        <source>Online Upgrade</source>
        <translation>在线升级</translation>
    </message>
    <message>
        <source>New firmware available!</source>
        <translation>有新固件可用！</translation>
    </message>
    <message>
        <source>No Update</source>
        <translation>无更新</translation>
    </message>
    <message>
        <source>Open Firmware File</source>
        <translation>打开固件文件</translation>
    </message>
    <message>
        <source>Firmware(*.qmtvf)</source>
        <translation>固件(*.qmtvf)</translation>
    </message>
    <message>
        <source>Firmware File: </source>
        <translation>固件文件： </translation>
    </message>
    <message>
        <source>Notice: You should connect controller, firstly!</source>
        <translation>提示：请先连接飞行控制器！</translation>
    </message>
    <message>
        <source>Start Upgrade</source>
        <translation>开始升级</translation>
    </message>
    <message>
        <source>Firmware not exist!</source>
        <translation>固件文件不存在！</translation>
    </message>
    <message>
        <source>Port name error! Make sure you have select right port!</source>
        <translation>端口名称错误！请确认已选择正确的端口！</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#000000&gt;Exit&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#000000&gt;退出&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>Upgrade Progress: %1%</source>
        <translation>升级进度：%1%</translation>
    </message>
</context>
</TS>
