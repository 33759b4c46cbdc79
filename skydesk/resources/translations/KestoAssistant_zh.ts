<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AdvanceSettingPage</name>
    <message>
        <source>Invalid Param!</source>
        <translation>参数无效！</translation>
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
        <source>Go-Home Heading</source>
        <translation>返航机头朝向</translation>
    </message>
    <message>
        <source>Go-Home Altitude</source>
        <translation>返航高度</translation>
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
        <source>Left stick position</source>
        <translation>开关左侧档位</translation>
    </message>
</context>
<context>
    <name>ChannelChooser</name>
    <message>
        <source>Channels</source>
        <translation>通道</translation>
    </message>
</context>
<context>
    <name>ChannelPlot</name>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Attitude (degree)</source>
        <translation>姿态 (度)</translation>
    </message>
    <message>
        <source>Heading (degree)</source>
        <translation>航向 (度)</translation>
    </message>
    <message>
        <source>Gyroscope (degree/s)</source>
        <translation>陀螺仪 (度/秒)</translation>
    </message>
    <message>
        <source>°/s</source>
        <translation>°/s</translation>
    </message>
    <message>
        <source>Acceleration (m/s^2)</source>
        <translation>加速度 (米/秒²)</translation>
    </message>
    <message>
        <source>m/s²</source>
        <translation>m/s²</translation>
    </message>
    <message>
        <source>Altitude (m)</source>
        <translation>高度 (米)</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Voltage (V)</source>
        <translation>电压 (V)</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Compass error</source>
        <translation>罗盘误差</translation>
    </message>
    <message>
        <source>RC channels</source>
        <translation>遥控通道</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>横滚</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>俯仰</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>航向</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>高度</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>电压</translation>
    </message>
    <message>
        <source>RC %1</source>
        <translation>通道 %1</translation>
    </message>
    <message>
        <source>Choose the channels to plot in the list on the left.</source>
        <translation>请在左侧列表中选择要绘制的通道。</translation>
    </message>
</context>
<context>
    <name>ComparisonDialog</name>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
</context>
<context>
    <name>ComparisonDialogUi</name>
    <message>
        <source>Tick All</source>
        <translation>全部勾选</translation>
    </message>
    <message>
        <source>Untick All</source>
        <translation>全部取消勾选</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>参数</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>差异</translation>
    </message>
</context>
<context>
    <name>ConfigurationHistoryDialog</name>
    <message>
        <source>Connected</source>
        <translation>已连接</translation>
    </message>
    <message>
        <source>Before import</source>
        <translation>导入前</translation>
    </message>
    <message>
        <source>Before upgrade</source>
        <translation>升级前</translation>
    </message>
    <message>
        <source>After restore</source>
        <translation>恢复后</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>已保存</translation>
    </message>
    <message>
        <source>Snapshot of %1</source>
        <translation>%1 的快照</translation>
    </message>
    <message>
        <source>This snapshot cannot be read: %1</source>
        <translation>无法读取此快照：%1</translation>
    </message>
    <message>
        <source>Connect the flight controller to compare with it.</source>
        <translation>请先连接飞控再与其比较。</translation>
    </message>
    <message>
        <source>Flight controller</source>
        <translation>飞控</translation>
    </message>
    <message>
        <source>Not a valid parameter file: %1
%2</source>
        <translation>不是有效的参数文件：%1
%2</translation>
    </message>
    <message>
        <source>Open Config File</source>
        <translation>打开配置文件</translation>
    </message>
    <message>
        <source>ConfigFile(*.conf)</source>
        <translation>配置文件(*.conf)</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>参数</translation>
    </message>
    <message>
        <source>%1 compared with %2</source>
        <translation>%1 与 %2 的比较</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>没有差异。</translation>
    </message>
    <message numerus="yes">
        <source>%n parameter(s) differ. Untick those you do not want to restore.</source>
        <translation>
            <numerusform>%n 个参数不同。取消勾选不想恢复的参数。</numerusform>
        </translation>
    </message>
    <message>
        <source>Tick the parameters to restore.</source>
        <translation>请勾选要恢复的参数。</translation>
    </message>
    <message>
        <source>Connect the flight controller to restore a configuration.</source>
        <translation>请先连接飞控再恢复配置。</translation>
    </message>
    <message numerus="yes">
        <source>Restoring %n parameter(s): the status bar shows when the flight controller has taken them.</source>
        <translation>
            <numerusform>正在恢复 %n 个参数：飞控接受后状态栏会显示。</numerusform>
        </translation>
    </message>
    <message>
        <source>Connect the flight controller to save a snapshot of it.</source>
        <translation>请先连接飞控再保存其快照。</translation>
    </message>
    <message>
        <source>The snapshot could not be saved.</source>
        <translation>无法保存快照。</translation>
    </message>
    <message>
        <source>Snapshot saved.</source>
        <translation>快照已保存。</translation>
    </message>
    <message>
        <source>Save Snapshot</source>
        <translation>保存快照</translation>
    </message>
    <message>
        <source>A note for this snapshot (optional):</source>
        <translation>此快照的备注（可选）：</translation>
    </message>
    <message>
        <source>Unknown reason</source>
        <translation>未知原因</translation>
    </message>
</context>
<context>
    <name>ConfigurationHistoryDialogUi</name>
    <message>
        <source>Configuration History</source>
        <translation>配置历史</translation>
    </message>
    <message>
        <source>Snapshots, newest first (select two to compare them)</source>
        <translation>快照，最新的在前（选择两个即可比较）</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>固件</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>原因</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Save Snapshot...</source>
        <translation>保存快照...</translation>
    </message>
    <message>
        <source>Compare with Controller</source>
        <translation>与飞控比较</translation>
    </message>
    <message>
        <source>Compare Selected</source>
        <translation>比较所选</translation>
    </message>
    <message>
        <source>Compare with File...</source>
        <translation>与文件比较...</translation>
    </message>
    <message>
        <source>Select a snapshot to compare it.</source>
        <translation>选择一个快照进行比较。</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>参数</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>快照</translation>
    </message>
    <message>
        <source>Compared with</source>
        <translation>比较对象</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>恢复所选</translation>
    </message>
    <message>
        <source>Restore All</source>
        <translation>全部恢复</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Show the selected snapshot on the pages without the flight controller</source>
        <translation>在页面上显示所选快照，无需飞控</translation>
    </message>
    <message>
        <source>Open Offline</source>
        <translation>脱机打开</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>快照</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>差异</translation>
    </message>
</context>
<context>
    <name>DiagramCaptions</name>
    <message>
        <source>Signal lost</source>
        <translation>信号丢失</translation>
    </message>
    <message>
        <source>Hover in place</source>
        <translation>原地悬停</translation>
    </message>
    <message>
        <source>Climb to go-home altitude</source>
        <translation>爬升至返航高度</translation>
    </message>
    <message>
        <source>Return home</source>
        <translation>返航</translation>
    </message>
    <message>
        <source>Land</source>
        <translation>降落</translation>
    </message>
    <message>
        <source>LOW</source>
        <translation>低</translation>
    </message>
    <message>
        <source>HIGH</source>
        <translation>高</translation>
    </message>
    <message>
        <source>IDLE</source>
        <translation>怠速</translation>
    </message>
</context>
<context>
    <name>DifferenceTree</name>
    <message>
        <source>%1: %2 → %3</source>
        <translation>%1：%2 → %3</translation>
    </message>
</context>
<context>
    <name>DownloadedFirmware</name>
    <message>
        <source>The downloaded firmware is made for another device (id 0x%1).</source>
        <translation>下载的固件是为其他设备制作的（编号 0x%1）。</translation>
    </message>
    <message>
        <source>The downloaded file has a firmware format this program does not know.</source>
        <translation>下载的文件使用了本程序不认识的固件格式。</translation>
    </message>
    <message>
        <source>The downloaded file is incomplete or too long: its %1 bytes do not match the size its header gives.</source>
        <translation>下载的文件不完整或过长：其 %1 字节与文件头给出的大小不符。</translation>
    </message>
    <message>
        <source>The downloaded file is no valid firmware file (its header or checksum is wrong).</source>
        <translation>下载的文件不是有效的固件文件（文件头或校验和错误）。</translation>
    </message>
    <message>
        <source>The downloaded firmware is version %1, but the update server announced %2.</source>
        <translation>下载的固件版本为 %1，但更新服务器公布的是 %2。</translation>
    </message>
</context>
<context>
    <name>EditAccess</name>
    <message>
        <source>Not connected: connect the flight controller to change its parameters</source>
        <translation>未连接：请先连接飞控，再修改其参数</translation>
    </message>
    <message>
        <source>Reading the parameters from the flight controller...</source>
        <translation>正在从飞控读取参数...</translation>
    </message>
    <message>
        <source>The firmware upgrade is using the port: the parameters can be changed again once the flight controller is connected after it</source>
        <translation>固件升级正在使用该串口：升级后飞控重新连接时，才能再次修改参数</translation>
    </message>
    <message>
        <source>Choose first whether to keep the controller&apos;s configuration or to send the offline one</source>
        <translation>请先选择保留飞控的配置还是发送脱机配置</translation>
    </message>
    <message>
        <source>Offline: this needs the flight controller connected</source>
        <translation>脱机：此功能需要连接飞控</translation>
    </message>
</context>
<context>
    <name>EditHistory</name>
    <message>
        <source>Undone: %1 %2 → %3</source>
        <translation>已撤销：%1 %2 → %3</translation>
    </message>
    <message>
        <source>Not undone: %1 is %2 now, not %3</source>
        <translation>未撤销：%1 现在是 %2，而不是 %3</translation>
    </message>
    <message numerus="yes">
        <source>Undone: %n parameter(s) of a preset</source>
        <translation>
            <numerusform>已撤销：预设中的 %n 个参数</numerusform>
        </translation>
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
    <message>
        <source>The file was deleted.</source>
        <translation>该文件已被删除。</translation>
    </message>
    <message>
        <source>Downloading into %1</source>
        <translation>正在下载到 %1</translation>
    </message>
    <message>
        <source>The download ended after %1 of the %2 bytes the update server announced.</source>
        <translation>下载提前结束：更新服务器公布了 %2 字节，只收到 %1 字节。</translation>
    </message>
    <message>
        <source>The server&apos;s answer is no update information for this flight controller.</source>
        <translation>服务器的回复不是此飞控的更新信息。</translation>
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
    <message>
        <source>Upgrade log</source>
        <translation>升级记录</translation>
    </message>
</context>
<context>
    <name>HelpBrowser</name>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
</context>
<context>
    <name>HelpDocument</name>
    <message>
        <source>This help page is not available</source>
        <translation>此帮助页面不可用</translation>
    </message>
    <message>
        <source>The help document %1 was not found beside the program. Installing the program again brings it back.</source>
        <translation>在程序目录中找不到帮助文档 %1。重新安装程序即可恢复。</translation>
    </message>
</context>
<context>
    <name>InternalSettingPageUi</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Param1</source>
        <translation>参数1</translation>
    </message>
    <message>
        <source>Servo Trim</source>
        <translation>舵机微调</translation>
    </message>
    <message>
        <source>trim0</source>
        <translation>trim0</translation>
    </message>
    <message>
        <source>trim1</source>
        <translation>trim1</translation>
    </message>
    <message>
        <source>trim2</source>
        <translation>trim2</translation>
    </message>
    <message>
        <source>trim3</source>
        <translation>trim3</translation>
    </message>
    <message>
        <source>trim4</source>
        <translation>trim4</translation>
    </message>
    <message>
        <source>trim5</source>
        <translation>trim5</translation>
    </message>
    <message>
        <source>trim6</source>
        <translation>trim6</translation>
    </message>
    <message>
        <source>trim7</source>
        <translation>trim7</translation>
    </message>
    <message>
        <source>trim8</source>
        <translation>trim8</translation>
    </message>
    <message>
        <source>trim9</source>
        <translation>trim9</translation>
    </message>
    <message>
        <source>trim10</source>
        <translation>trim10</translation>
    </message>
    <message>
        <source>trim11</source>
        <translation>trim11</translation>
    </message>
    <message>
        <source>Servo Rev</source>
        <translation>舵机反向</translation>
    </message>
    <message>
        <source>rev0</source>
        <translation>rev0</translation>
    </message>
    <message>
        <source>rev1</source>
        <translation>rev1</translation>
    </message>
    <message>
        <source>rev2</source>
        <translation>rev2</translation>
    </message>
    <message>
        <source>rev3</source>
        <translation>rev3</translation>
    </message>
    <message>
        <source>rev4</source>
        <translation>rev4</translation>
    </message>
    <message>
        <source>rev5</source>
        <translation>rev5</translation>
    </message>
    <message>
        <source>rev6</source>
        <translation>rev6</translation>
    </message>
    <message>
        <source>rev7</source>
        <translation>rev7</translation>
    </message>
    <message>
        <source>rev8</source>
        <translation>rev8</translation>
    </message>
    <message>
        <source>rev9</source>
        <translation>rev9</translation>
    </message>
    <message>
        <source>rev10</source>
        <translation>rev10</translation>
    </message>
    <message>
        <source>rev11</source>
        <translation>rev11</translation>
    </message>
    <message>
        <source>Rc Rev</source>
        <translation>遥控反向</translation>
    </message>
    <message>
        <source>Level Swash</source>
        <translation>十字盘水平</translation>
    </message>
    <message>
        <source>Tail Limit B</source>
        <translation>尾舵限位B</translation>
    </message>
    <message>
        <source>Coll Ratio</source>
        <translation>总距比例</translation>
    </message>
    <message>
        <source>Motor Idel</source>
        <translation>电机怠速</translation>
    </message>
    <message>
        <source>Tail Limit A</source>
        <translation>尾舵限位A</translation>
    </message>
    <message>
        <source>Receiver Type</source>
        <translation>接收机类型</translation>
    </message>
    <message>
        <source>Tail Servo Type</source>
        <translation>尾舵机类型</translation>
    </message>
    <message>
        <source>Ail Limit</source>
        <translation>副翼限位</translation>
    </message>
    <message>
        <source>Model Type</source>
        <translation>机型</translation>
    </message>
    <message>
        <source>Swash Servo Type</source>
        <translation>十字盘舵机类型</translation>
    </message>
    <message>
        <source>Ele Limit</source>
        <translation>升降限位</translation>
    </message>
    <message>
        <source>Motor Type</source>
        <translation>电机类型</translation>
    </message>
    <message>
        <source>Param2</source>
        <translation>参数2</translation>
    </message>
    <message>
        <source>Swash Phase</source>
        <translation>十字盘相位</translation>
    </message>
    <message>
        <source>GPS Dist X</source>
        <translation>GPS距离X</translation>
    </message>
    <message>
        <source>Safe Gard 2</source>
        <translation>安全保护2</translation>
    </message>
    <message>
        <source>Installation</source>
        <translation>安装方向</translation>
    </message>
    <message>
        <source>GPS Dist Y</source>
        <translation>GPS距离Y</translation>
    </message>
    <message>
        <source>VoltProtect switch</source>
        <translation>电压保护开关</translation>
    </message>
    <message>
        <source>Motor Stop Type</source>
        <translation>停机方式</translation>
    </message>
    <message>
        <source>GPS Dist Z</source>
        <translation>GPS距离Z</translation>
    </message>
    <message>
        <source>Loss Volt</source>
        <translation>掉电电压</translation>
    </message>
    <message>
        <source>IMU Rotate</source>
        <translation>IMU旋转</translation>
    </message>
    <message>
        <source>Governor Status</source>
        <translation>定速器状态</translation>
    </message>
    <message>
        <source>Protect Volt 1</source>
        <translation>保护电压1</translation>
    </message>
    <message>
        <source>IMU Dist X</source>
        <translation>IMU距离X</translation>
    </message>
    <message>
        <source>Waypoint Type</source>
        <translation>航点类型</translation>
    </message>
    <message>
        <source>Protect Volt 2</source>
        <translation>保护电压2</translation>
    </message>
    <message>
        <source>IMU Dist Y</source>
        <translation>IMU距离Y</translation>
    </message>
    <message>
        <source>Battery Cell</source>
        <translation>电池节数</translation>
    </message>
    <message>
        <source>IMU Dist Z</source>
        <translation>IMU距离Z</translation>
    </message>
    <message>
        <source>Safe Gard 1</source>
        <translation>安全保护1</translation>
    </message>
    <message>
        <source>Channel Map</source>
        <translation>通道映射</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>U</source>
        <translation>U</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Param3</source>
        <translation>参数3</translation>
    </message>
    <message>
        <source>p</source>
        <translation>p</translation>
    </message>
    <message>
        <source>p ktotal</source>
        <translation>p ktotal</translation>
    </message>
    <message>
        <source>p kp</source>
        <translation>p kp</translation>
    </message>
    <message>
        <source>p ki</source>
        <translation>p ki</translation>
    </message>
    <message>
        <source>p kd</source>
        <translation>p kd</translation>
    </message>
    <message>
        <source>q</source>
        <translation>q</translation>
    </message>
    <message>
        <source>q ktotal</source>
        <translation>q ktotal</translation>
    </message>
    <message>
        <source>q kp</source>
        <translation>q kp</translation>
    </message>
    <message>
        <source>q ki</source>
        <translation>q ki</translation>
    </message>
    <message>
        <source>q kd</source>
        <translation>q kd</translation>
    </message>
    <message>
        <source>r</source>
        <translation>r</translation>
    </message>
    <message>
        <source>r ktotal</source>
        <translation>r ktotal</translation>
    </message>
    <message>
        <source>r kp</source>
        <translation>r kp</translation>
    </message>
    <message>
        <source>r ki</source>
        <translation>r ki</translation>
    </message>
    <message>
        <source>r kd</source>
        <translation>r kd</translation>
    </message>
    <message>
        <source>phi</source>
        <translation>phi</translation>
    </message>
    <message>
        <source>phi ktotal</source>
        <translation>phi ktotal</translation>
    </message>
    <message>
        <source>phi kp</source>
        <translation>phi kp</translation>
    </message>
    <message>
        <source>phi ki</source>
        <translation>phi ki</translation>
    </message>
    <message>
        <source>phi kd</source>
        <translation>phi kd</translation>
    </message>
    <message>
        <source>theta</source>
        <translation>theta</translation>
    </message>
    <message>
        <source>theta ktotal</source>
        <translation>theta ktotal</translation>
    </message>
    <message>
        <source>theta kp</source>
        <translation>theta kp</translation>
    </message>
    <message>
        <source>theta ki</source>
        <translation>theta ki</translation>
    </message>
    <message>
        <source>theta kd</source>
        <translation>theta kd</translation>
    </message>
    <message>
        <source>psi</source>
        <translation>psi</translation>
    </message>
    <message>
        <source>psi ktotal</source>
        <translation>psi ktotal</translation>
    </message>
    <message>
        <source>psi kp</source>
        <translation>psi kp</translation>
    </message>
    <message>
        <source>psi ki</source>
        <translation>psi ki</translation>
    </message>
    <message>
        <source>psi kd</source>
        <translation>psi kd</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>h ktotal</source>
        <translation>h ktotal</translation>
    </message>
    <message>
        <source>h kp</source>
        <translation>h kp</translation>
    </message>
    <message>
        <source>h ki</source>
        <translation>h ki</translation>
    </message>
    <message>
        <source>h kd</source>
        <translation>h kd</translation>
    </message>
    <message>
        <source>v</source>
        <translation>v</translation>
    </message>
    <message>
        <source>v ktotal</source>
        <translation>v ktotal</translation>
    </message>
    <message>
        <source>v kp</source>
        <translation>v kp</translation>
    </message>
    <message>
        <source>v ki</source>
        <translation>v ki</translation>
    </message>
    <message>
        <source>v kd</source>
        <translation>v kd</translation>
    </message>
    <message>
        <source>position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>position ktotal</source>
        <translation>position ktotal</translation>
    </message>
    <message>
        <source>position kp</source>
        <translation>position kp</translation>
    </message>
    <message>
        <source>position ki</source>
        <translation>position ki</translation>
    </message>
    <message>
        <source>position kd</source>
        <translation>position kd</translation>
    </message>
    <message>
        <source>Param4</source>
        <translation>参数4</translation>
    </message>
    <message>
        <source>rpm</source>
        <translation>转速</translation>
    </message>
    <message>
        <source>rpm ktotal</source>
        <translation>rpm ktotal</translation>
    </message>
    <message>
        <source>rpm kp</source>
        <translation>rpm kp</translation>
    </message>
    <message>
        <source>rpm ki</source>
        <translation>rpm ki</translation>
    </message>
    <message>
        <source>rpm kd</source>
        <translation>rpm kd</translation>
    </message>
    <message>
        <source>rpm compensate colle</source>
        <translation>转速补偿总距</translation>
    </message>
    <message>
        <source>right spin</source>
        <translation>右旋</translation>
    </message>
    <message>
        <source>deadband rc rudder</source>
        <translation>遥控尾舵死区</translation>
    </message>
    <message>
        <source>rpm compensate cyclic</source>
        <translation>转速补偿周期变距</translation>
    </message>
    <message>
        <source>acc left</source>
        <translation>左旋加速</translation>
    </message>
    <message>
        <source>deadband gyro z</source>
        <translation>陀螺Z轴死区</translation>
    </message>
    <message>
        <source>rpm compensate tail</source>
        <translation>转速补偿尾舵</translation>
    </message>
    <message>
        <source>acc right</source>
        <translation>右旋加速</translation>
    </message>
    <message>
        <source>deadband rc mainrotor</source>
        <translation>遥控主旋翼死区</translation>
    </message>
    <message>
        <source>burst coef</source>
        <translation>爆发系数</translation>
    </message>
    <message>
        <source>dec left</source>
        <translation>左旋减速</translation>
    </message>
    <message>
        <source>deadband gyro xy</source>
        <translation>陀螺XY轴死区</translation>
    </message>
    <message>
        <source>roll agility</source>
        <translation>横滚灵敏度</translation>
    </message>
    <message>
        <source>dec right</source>
        <translation>右旋减速</translation>
    </message>
    <message>
        <source>tail compensate colle</source>
        <translation>尾舵补偿总距</translation>
    </message>
    <message>
        <source>pitch agility</source>
        <translation>俯仰灵敏度</translation>
    </message>
    <message>
        <source>acc mainrotor</source>
        <translation>主旋翼加速</translation>
    </message>
    <message>
        <source>tail compensate cyclic</source>
        <translation>尾舵补偿周期变距</translation>
    </message>
    <message>
        <source>left spin</source>
        <translation>左旋</translation>
    </message>
    <message>
        <source>dec mainrotor</source>
        <translation>主旋翼减速</translation>
    </message>
    <message>
        <source>tail compensate colle zero</source>
        <translation>尾舵补偿总距零点</translation>
    </message>
    <message>
        <source>Param5</source>
        <translation>参数5</translation>
    </message>
    <message>
        <source>vu</source>
        <translation>vu</translation>
    </message>
    <message>
        <source>vu_ktotal</source>
        <translation>vu_ktotal</translation>
    </message>
    <message>
        <source>vu_kp</source>
        <translation>vu_kp</translation>
    </message>
    <message>
        <source>vu_ki</source>
        <translation>vu_ki</translation>
    </message>
    <message>
        <source>vu_kd</source>
        <translation>vu_kd</translation>
    </message>
    <message>
        <source>side dist</source>
        <translation>侧向距离</translation>
    </message>
    <message>
        <source>side dist ktotal</source>
        <translation>side dist ktotal</translation>
    </message>
    <message>
        <source>side dist kp</source>
        <translation>side dist kp</translation>
    </message>
    <message>
        <source>side dist ki</source>
        <translation>side dist ki</translation>
    </message>
    <message>
        <source>side dist kd</source>
        <translation>side dist kd</translation>
    </message>
    <message>
        <source>ioc enable</source>
        <translation>IOC使能</translation>
    </message>
    <message>
        <source>max_v_byhand</source>
        <translation>max_v_byhand</translation>
    </message>
    <message>
        <source>max declinerate</source>
        <translation>最大下降率</translation>
    </message>
    <message>
        <source>cruise_vh_acc</source>
        <translation>cruise_vh_acc</translation>
    </message>
    <message>
        <source>flight trim phi</source>
        <translation>飞行微调phi</translation>
    </message>
    <message>
        <source>reach dist alt</source>
        <translation>到达高度距离</translation>
    </message>
    <message>
        <source>max_theta_byhand</source>
        <translation>max_theta_byhand</translation>
    </message>
    <message>
        <source>cruise vh dec</source>
        <translation>cruise vh dec</translation>
    </message>
    <message>
        <source>flight trim theta</source>
        <translation>飞行微调theta</translation>
    </message>
    <message>
        <source>max auto spin</source>
        <translation>最大自动旋转</translation>
    </message>
    <message>
        <source>cruise_vh_buff</source>
        <translation>cruise_vh_buff</translation>
    </message>
    <message>
        <source>cruise_vu_acc</source>
        <translation>cruise_vu_acc</translation>
    </message>
    <message>
        <source>invert flight</source>
        <translation>倒飞</translation>
    </message>
    <message>
        <source>max phi</source>
        <translation>最大phi</translation>
    </message>
    <message>
        <source>cruise vu buff</source>
        <translation>cruise vu buff</translation>
    </message>
    <message>
        <source>cruise_vu_dec</source>
        <translation>cruise_vu_dec</translation>
    </message>
    <message>
        <source>reserve1</source>
        <translation>保留1</translation>
    </message>
    <message>
        <source>max theta</source>
        <translation>最大theta</translation>
    </message>
    <message>
        <source>_vh_stick_acc</source>
        <translation>_vh_stick_acc</translation>
    </message>
    <message>
        <source>limit_radius</source>
        <translation>limit_radius</translation>
    </message>
    <message>
        <source>normal fail type</source>
        <translation>普通失控方式</translation>
    </message>
    <message>
        <source>max vcruise</source>
        <translation>最大巡航速度</translation>
    </message>
    <message>
        <source>vh_stick_dec</source>
        <translation>vh_stick_dec</translation>
    </message>
    <message>
        <source>limit_alt</source>
        <translation>limit_alt</translation>
    </message>
    <message>
        <source>gps cruise fail type</source>
        <translation>GPS巡航失控方式</translation>
    </message>
    <message>
        <source>min vcruise</source>
        <translation>最小巡航速度</translation>
    </message>
    <message>
        <source>vu_stick_acc</source>
        <translation>vu_stick_acc</translation>
    </message>
    <message>
        <source>forbid_area_enable</source>
        <translation>forbid_area_enable</translation>
    </message>
    <message>
        <source>turn back height</source>
        <translation>返航高度</translation>
    </message>
    <message>
        <source>max climbrate</source>
        <translation>最大爬升率</translation>
    </message>
    <message>
        <source>vu_stick_dec</source>
        <translation>vu_stick_dec</translation>
    </message>
    <message>
        <source>max_phi_byhand</source>
        <translation>max_phi_byhand</translation>
    </message>
    <message>
        <source>Calib Volt</source>
        <translation>电压校准</translation>
    </message>
    <message>
        <source>Test BEC</source>
        <translation>BEC测试</translation>
    </message>
    <message>
        <source>Calib RC Neu</source>
        <translation>遥控中位校准</translation>
    </message>
    <message>
        <source>Start Calib RC Scale</source>
        <translation>开始遥控行程校准</translation>
    </message>
    <message>
        <source>Stop Calib RC Scale</source>
        <translation>停止遥控行程校准</translation>
    </message>
    <message>
        <source>Bind DSM</source>
        <translation>DSM对频</translation>
    </message>
    <message>
        <source>CH7</source>
        <translation>通道七</translation>
    </message>
    <message>
        <source>CH8</source>
        <translation>通道八</translation>
    </message>
    <message>
        <source>CH9</source>
        <translation>通道九</translation>
    </message>
    <message>
        <source>CH10</source>
        <translation>通道十</translation>
    </message>
    <message>
        <source>CH11</source>
        <translation>通道十一</translation>
    </message>
    <message>
        <source>CH12</source>
        <translation>通道十二</translation>
    </message>
    <message>
        <source>CH13</source>
        <translation>通道十三</translation>
    </message>
    <message>
        <source>CH14</source>
        <translation>通道十四</translation>
    </message>
    <message>
        <source>CH15</source>
        <translation>通道十五</translation>
    </message>
    <message>
        <source>CH16</source>
        <translation>通道十六</translation>
    </message>
</context>
<context>
    <name>LinkMessages</name>
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
    <name>OfflineConfiguration</name>
    <message>
        <source>Defaults</source>
        <translation>默认值</translation>
    </message>
    <message>
        <source>Invalid parameter file: %1
%2</source>
        <translation>无效的参数文件：%1
%2</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>无法读取</translation>
    </message>
    <message>
        <source>Cannot save the parameter file: %1</source>
        <translation>无法保存参数文件：%1</translation>
    </message>
</context>
<context>
    <name>OfflineEditor</name>
    <message>
        <source>ConfigFile(*.conf)</source>
        <translation>配置文件(*.conf)</translation>
    </message>
    <message>
        <source>Offline: %1</source>
        <translation>脱机：%1</translation>
    </message>
    <message>
        <source>Open Configuration</source>
        <translation>打开配置</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>保存配置</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>已保存 %1</translation>
    </message>
    <message>
        <source>Save Configuration As</source>
        <translation>配置另存为</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
要替换它吗？</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>未保存的修改</translation>
    </message>
    <message>
        <source>%1 has unsaved changes.
Do you want to save them?</source>
        <translation>%1 有未保存的修改。
要保存吗？</translation>
    </message>
    <message>
        <source>The flight controller holds the same configuration as %1</source>
        <translation>飞控中的配置与 %1 相同</translation>
    </message>
    <message>
        <source>The connection was lost before a choice was made: nothing was sent</source>
        <translation>在做出选择前连接已断开：未发送任何内容</translation>
    </message>
    <message>
        <source>Configuration and Flight Controller</source>
        <translation>配置与飞控</translation>
    </message>
    <message numerus="yes">
        <source>The flight controller holds another configuration than %1: %n parameter(s) differ. Nothing is sent to the controller before you choose.</source>
        <translation>
            <numerusform>飞控中的配置与 %1 不同：%n 个参数不同。在您选择之前不会向飞控发送任何内容。</numerusform>
        </translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>参数</translation>
    </message>
    <message>
        <source>Flight Controller</source>
        <translation>飞控</translation>
    </message>
    <message>
        <source>Keep the Controller&apos;s</source>
        <translation>保留飞控的配置</translation>
    </message>
    <message>
        <source>Send This Configuration</source>
        <translation>发送此配置</translation>
    </message>
    <message>
        <source>Send Selected</source>
        <translation>发送所选</translation>
    </message>
    <message>
        <source>Save as Preset...</source>
        <translation>另存为预设...</translation>
    </message>
    <message>
        <source>Save as Preset</source>
        <translation>另存为预设</translation>
    </message>
    <message>
        <source>The flight controller&apos;s configuration is kept; %1 is unchanged</source>
        <translation>已保留飞控的配置；%1 未改变</translation>
    </message>
    <message>
        <source>Sending %1 to the flight controller...</source>
        <translation>正在将 %1 发送到飞控...</translation>
    </message>
    <message>
        <source>Nothing was selected: the flight controller&apos;s configuration is kept</source>
        <translation>未选择任何参数：保留飞控的配置</translation>
    </message>
    <message numerus="yes">
        <source>Sending %n parameter(s) of %1 to the flight controller...</source>
        <translation>
            <numerusform>正在将 %1 的 %n 个参数发送到飞控...</numerusform>
        </translation>
    </message>
    <message>
        <source>Connect the flight controller or open a configuration first</source>
        <translation>请先连接飞控或打开一个配置</translation>
    </message>
    <message>
        <source>Invalid preset: %1</source>
        <translation>无效的预设：%1</translation>
    </message>
    <message>
        <source>The preset changes nothing</source>
        <translation>该预设不会改变任何参数</translation>
    </message>
    <message>
        <source>Apply Preset</source>
        <translation>应用预设</translation>
    </message>
    <message numerus="yes">
        <source>%1 changes %n parameter(s):</source>
        <translation>
            <numerusform>%1 将改变 %n 个参数：</numerusform>
        </translation>
    </message>
    <message>
        <source>Now</source>
        <translation>当前</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>预设</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message numerus="yes">
        <source>Preset %1 applied: %n parameter(s) changed</source>
        <translation>
            <numerusform>已应用预设 %1：改变了 %n 个参数</numerusform>
        </translation>
    </message>
    <message>
        <source>Tick the parameters the preset holds.</source>
        <translation>勾选预设中要包含的参数。</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>数值</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>保存...</translation>
    </message>
    <message>
        <source>Cannot save the preset: %1</source>
        <translation>无法保存预设：%1</translation>
    </message>
    <message numerus="yes">
        <source>Saved preset %1 (%n parameter(s))</source>
        <translation>
            <numerusform>已保存预设 %1（%n 个参数）</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ParameterBinder</name>
    <message>
        <source>Not sent yet: press Enter</source>
        <translation>尚未发送：请按回车键</translation>
    </message>
    <message>
        <source>The flight controller holds %1, outside %2</source>
        <translation>飞控中的值为 %1，超出 %2</translation>
    </message>
    <message>
        <source>The flight controller holds %1, which is none of the choices here</source>
        <translation>飞控中的值为 %1，不属于此处的任何选项</translation>
    </message>
    <message>
        <source>Allowed: %1</source>
        <translation>允许范围：%1</translation>
    </message>
    <message>
        <source>Not sent. Allowed: %1</source>
        <translation>未发送。允许范围：%1</translation>
    </message>
    <message>
        <source>%1 level %2</source>
        <translation>%1 %2 档</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
</context>
<context>
    <name>ParameterFile</name>
    <message>
        <source>line %1 is not a key with a value</source>
        <translation>第 %1 行不是键值对</translation>
    </message>
    <message>
        <source>key %1 appears twice (lines %2 and %3)</source>
        <translation>键 %1 出现了两次（第 %2 行和第 %3 行）</translation>
    </message>
    <message>
        <source>missing key %1 (%2)</source>
        <translation>缺少键 %1（%2）</translation>
    </message>
    <message>
        <source>%1 (%2): &apos;%3&apos; is not a whole number</source>
        <translation>%1（%2）：“%3”不是整数</translation>
    </message>
    <message>
        <source>%1 (%2): %3 is outside %4 (%5..%6)</source>
        <translation>%1（%2）：%3 超出 %4 范围（%5..%6）</translation>
    </message>
    <message>
        <source>cannot write %1: no such folder</source>
        <translation>无法写入 %1：文件夹不存在</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>cannot replace %1</source>
        <translation>无法替换 %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>无法读取 %1</translation>
    </message>
    <message>
        <source>the file is larger than 64 KiB</source>
        <translation>文件大于 64 KiB</translation>
    </message>
    <message>
        <source>%1 is not a parameter file</source>
        <translation>%1 不是参数文件</translation>
    </message>
    <message>
        <source>line %1: %2 is not a key of a parameter file</source>
        <translation>第 %1 行：%2 不是参数文件的键</translation>
    </message>
    <message>
        <source>%1: holds no parameter</source>
        <translation>%1：不包含任何参数</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1，第 %2 行：%3</translation>
    </message>
</context>
<context>
    <name>ParameterModel</name>
    <message>
        <source>Motor</source>
        <translation>电机</translation>
    </message>
    <message>
        <source>FailSafe</source>
        <translation>失控保护</translation>
    </message>
    <message>
        <source>IOC</source>
        <translation>IOC</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>限制</translation>
    </message>
    <message>
        <source>Param1</source>
        <translation>参数1</translation>
    </message>
    <message>
        <source>Param2</source>
        <translation>参数2</translation>
    </message>
    <message>
        <source>Param3</source>
        <translation>参数3</translation>
    </message>
    <message>
        <source>Param4</source>
        <translation>参数4</translation>
    </message>
    <message>
        <source>Param5</source>
        <translation>参数5</translation>
    </message>
    <message>
        <source>Motor Idel Speed</source>
        <translation>电机怠速</translation>
    </message>
    <message>
        <source>Enhanced Failsafe Methods</source>
        <translation>增强失控保护方式</translation>
    </message>
    <message>
        <source>Go-Home Heading</source>
        <translation>返航机头朝向</translation>
    </message>
    <message>
        <source>Go-Home Switch</source>
        <translation>返航开关</translation>
    </message>
    <message>
        <source>Go-Home Altitude</source>
        <translation>返航高度</translation>
    </message>
    <message>
        <source>Intelligent Orientation Control</source>
        <translation>智能方向控制</translation>
    </message>
    <message>
        <source>Altitude Limit</source>
        <translation>高度限制</translation>
    </message>
    <message>
        <source>Distance Limit</source>
        <translation>距离限制</translation>
    </message>
    <message>
        <source>Forbiden Area Limit</source>
        <translation>禁飞区限制</translation>
    </message>
    <message>
        <source>Servo Trim</source>
        <translation>舵机微调</translation>
    </message>
    <message>
        <source>Servo Rev</source>
        <translation>舵机反向</translation>
    </message>
    <message>
        <source>Rc Rev</source>
        <translation>遥控反向</translation>
    </message>
    <message>
        <source>Channel Map</source>
        <translation>通道映射</translation>
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
        <source>Towards</source>
        <translation>机头朝向</translation>
    </message>
    <message>
        <source>Backwards</source>
        <translation>机尾朝向</translation>
    </message>
    <message>
        <source>Course Lock</source>
        <translation>航向锁定</translation>
    </message>
    <message>
        <source>Home Lock</source>
        <translation>返航点锁定</translation>
    </message>
    <message>
        <source>Point of Interest</source>
        <translation>兴趣点环绕</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>开</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Function 1</source>
        <translation>功能 1</translation>
    </message>
    <message>
        <source>Function 2</source>
        <translation>功能 2</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>trim0</source>
        <translation>trim0</translation>
    </message>
    <message>
        <source>trim1</source>
        <translation>trim1</translation>
    </message>
    <message>
        <source>trim2</source>
        <translation>trim2</translation>
    </message>
    <message>
        <source>trim3</source>
        <translation>trim3</translation>
    </message>
    <message>
        <source>trim4</source>
        <translation>trim4</translation>
    </message>
    <message>
        <source>trim5</source>
        <translation>trim5</translation>
    </message>
    <message>
        <source>trim6</source>
        <translation>trim6</translation>
    </message>
    <message>
        <source>trim7</source>
        <translation>trim7</translation>
    </message>
    <message>
        <source>trim8</source>
        <translation>trim8</translation>
    </message>
    <message>
        <source>trim9</source>
        <translation>trim9</translation>
    </message>
    <message>
        <source>trim10</source>
        <translation>trim10</translation>
    </message>
    <message>
        <source>trim11</source>
        <translation>trim11</translation>
    </message>
    <message>
        <source>rev0</source>
        <translation>rev0</translation>
    </message>
    <message>
        <source>rev1</source>
        <translation>rev1</translation>
    </message>
    <message>
        <source>rev2</source>
        <translation>rev2</translation>
    </message>
    <message>
        <source>rev3</source>
        <translation>rev3</translation>
    </message>
    <message>
        <source>rev4</source>
        <translation>rev4</translation>
    </message>
    <message>
        <source>rev5</source>
        <translation>rev5</translation>
    </message>
    <message>
        <source>rev6</source>
        <translation>rev6</translation>
    </message>
    <message>
        <source>rev7</source>
        <translation>rev7</translation>
    </message>
    <message>
        <source>rev8</source>
        <translation>rev8</translation>
    </message>
    <message>
        <source>rev9</source>
        <translation>rev9</translation>
    </message>
    <message>
        <source>rev10</source>
        <translation>rev10</translation>
    </message>
    <message>
        <source>rev11</source>
        <translation>rev11</translation>
    </message>
    <message>
        <source>Tail Servo Type</source>
        <translation>尾舵机类型</translation>
    </message>
    <message>
        <source>Swash Servo Type</source>
        <translation>十字盘舵机类型</translation>
    </message>
    <message>
        <source>Tail Limit B</source>
        <translation>尾舵限位B</translation>
    </message>
    <message>
        <source>Tail Limit A</source>
        <translation>尾舵限位A</translation>
    </message>
    <message>
        <source>Ail Limit</source>
        <translation>副翼限位</translation>
    </message>
    <message>
        <source>Ele Limit</source>
        <translation>升降限位</translation>
    </message>
    <message>
        <source>Coll Ratio</source>
        <translation>总距比例</translation>
    </message>
    <message>
        <source>Receiver Type</source>
        <translation>接收机类型</translation>
    </message>
    <message>
        <source>Model Type</source>
        <translation>机型</translation>
    </message>
    <message>
        <source>Motor Type</source>
        <translation>电机类型</translation>
    </message>
    <message>
        <source>Swash Phase</source>
        <translation>十字盘相位</translation>
    </message>
    <message>
        <source>Installation</source>
        <translation>安装方向</translation>
    </message>
    <message>
        <source>Motor Stop Type</source>
        <translation>停机方式</translation>
    </message>
    <message>
        <source>IMU Rotate</source>
        <translation>IMU旋转</translation>
    </message>
    <message>
        <source>IMU Dist X</source>
        <translation>IMU距离X</translation>
    </message>
    <message>
        <source>IMU Dist Y</source>
        <translation>IMU距离Y</translation>
    </message>
    <message>
        <source>IMU Dist Z</source>
        <translation>IMU距离Z</translation>
    </message>
    <message>
        <source>GPS Dist X</source>
        <translation>GPS距离X</translation>
    </message>
    <message>
        <source>GPS Dist Y</source>
        <translation>GPS距离Y</translation>
    </message>
    <message>
        <source>GPS Dist Z</source>
        <translation>GPS距离Z</translation>
    </message>
    <message>
        <source>Governor Status</source>
        <translation>定速器状态</translation>
    </message>
    <message>
        <source>Waypoint Type</source>
        <translation>航点类型</translation>
    </message>
    <message>
        <source>Battery Cell</source>
        <translation>电池节数</translation>
    </message>
    <message>
        <source>Safe Gard 1</source>
        <translation>安全保护1</translation>
    </message>
    <message>
        <source>Safe Gard 2</source>
        <translation>安全保护2</translation>
    </message>
    <message>
        <source>VoltProtect switch</source>
        <translation>电压保护开关</translation>
    </message>
    <message>
        <source>Loss Volt</source>
        <translation>掉电电压</translation>
    </message>
    <message>
        <source>Protect Volt 1</source>
        <translation>保护电压1</translation>
    </message>
    <message>
        <source>Protect Volt 2</source>
        <translation>保护电压2</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>U</source>
        <translation>U</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Channel 7</source>
        <translation>通道七</translation>
    </message>
    <message>
        <source>Channel 8</source>
        <translation>通道八</translation>
    </message>
    <message>
        <source>Channel 9</source>
        <translation>通道九</translation>
    </message>
    <message>
        <source>Channel 10</source>
        <translation>通道十</translation>
    </message>
    <message>
        <source>Channel 11</source>
        <translation>通道十一</translation>
    </message>
    <message>
        <source>Channel 12</source>
        <translation>通道十二</translation>
    </message>
    <message>
        <source>Channel 13</source>
        <translation>通道十三</translation>
    </message>
    <message>
        <source>Channel 14</source>
        <translation>通道十四</translation>
    </message>
    <message>
        <source>Channel 15</source>
        <translation>通道十五</translation>
    </message>
    <message>
        <source>Channel 16</source>
        <translation>通道十六</translation>
    </message>
    <message>
        <source>p ktotal</source>
        <translation>p ktotal</translation>
    </message>
    <message>
        <source>p</source>
        <translation>p</translation>
    </message>
    <message>
        <source>p kp</source>
        <translation>p kp</translation>
    </message>
    <message>
        <source>p ki</source>
        <translation>p ki</translation>
    </message>
    <message>
        <source>p kd</source>
        <translation>p kd</translation>
    </message>
    <message>
        <source>q ktotal</source>
        <translation>q ktotal</translation>
    </message>
    <message>
        <source>q</source>
        <translation>q</translation>
    </message>
    <message>
        <source>q kp</source>
        <translation>q kp</translation>
    </message>
    <message>
        <source>q ki</source>
        <translation>q ki</translation>
    </message>
    <message>
        <source>q kd</source>
        <translation>q kd</translation>
    </message>
    <message>
        <source>r ktotal</source>
        <translation>r ktotal</translation>
    </message>
    <message>
        <source>r</source>
        <translation>r</translation>
    </message>
    <message>
        <source>r kp</source>
        <translation>r kp</translation>
    </message>
    <message>
        <source>r ki</source>
        <translation>r ki</translation>
    </message>
    <message>
        <source>r kd</source>
        <translation>r kd</translation>
    </message>
    <message>
        <source>phi ktotal</source>
        <translation>phi ktotal</translation>
    </message>
    <message>
        <source>phi</source>
        <translation>phi</translation>
    </message>
    <message>
        <source>phi kp</source>
        <translation>phi kp</translation>
    </message>
    <message>
        <source>phi ki</source>
        <translation>phi ki</translation>
    </message>
    <message>
        <source>phi kd</source>
        <translation>phi kd</translation>
    </message>
    <message>
        <source>theta ktotal</source>
        <translation>theta ktotal</translation>
    </message>
    <message>
        <source>theta</source>
        <translation>theta</translation>
    </message>
    <message>
        <source>theta kp</source>
        <translation>theta kp</translation>
    </message>
    <message>
        <source>theta ki</source>
        <translation>theta ki</translation>
    </message>
    <message>
        <source>theta kd</source>
        <translation>theta kd</translation>
    </message>
    <message>
        <source>psi ktotal</source>
        <translation>psi ktotal</translation>
    </message>
    <message>
        <source>psi</source>
        <translation>psi</translation>
    </message>
    <message>
        <source>psi kp</source>
        <translation>psi kp</translation>
    </message>
    <message>
        <source>psi ki</source>
        <translation>psi ki</translation>
    </message>
    <message>
        <source>psi kd</source>
        <translation>psi kd</translation>
    </message>
    <message>
        <source>h ktotal</source>
        <translation>h ktotal</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>h kp</source>
        <translation>h kp</translation>
    </message>
    <message>
        <source>h ki</source>
        <translation>h ki</translation>
    </message>
    <message>
        <source>h kd</source>
        <translation>h kd</translation>
    </message>
    <message>
        <source>v ktotal</source>
        <translation>v ktotal</translation>
    </message>
    <message>
        <source>v</source>
        <translation>v</translation>
    </message>
    <message>
        <source>v kp</source>
        <translation>v kp</translation>
    </message>
    <message>
        <source>v ki</source>
        <translation>v ki</translation>
    </message>
    <message>
        <source>v kd</source>
        <translation>v kd</translation>
    </message>
    <message>
        <source>position ktotal</source>
        <translation>position ktotal</translation>
    </message>
    <message>
        <source>position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>position kp</source>
        <translation>position kp</translation>
    </message>
    <message>
        <source>position ki</source>
        <translation>position ki</translation>
    </message>
    <message>
        <source>position kd</source>
        <translation>position kd</translation>
    </message>
    <message>
        <source>rpm ktotal</source>
        <translation>rpm ktotal</translation>
    </message>
    <message>
        <source>rpm</source>
        <translation>转速</translation>
    </message>
    <message>
        <source>rpm kp</source>
        <translation>rpm kp</translation>
    </message>
    <message>
        <source>rpm ki</source>
        <translation>rpm ki</translation>
    </message>
    <message>
        <source>rpm kd</source>
        <translation>rpm kd</translation>
    </message>
    <message>
        <source>rpm compensate colle</source>
        <translation>转速补偿总距</translation>
    </message>
    <message>
        <source>rpm compensate cyclic</source>
        <translation>转速补偿周期变距</translation>
    </message>
    <message>
        <source>rpm compensate tail</source>
        <translation>转速补偿尾舵</translation>
    </message>
    <message>
        <source>burst coef</source>
        <translation>爆发系数</translation>
    </message>
    <message>
        <source>roll agility</source>
        <translation>横滚灵敏度</translation>
    </message>
    <message>
        <source>pitch agility</source>
        <translation>俯仰灵敏度</translation>
    </message>
    <message>
        <source>left spin</source>
        <translation>左旋</translation>
    </message>
    <message>
        <source>right spin</source>
        <translation>右旋</translation>
    </message>
    <message>
        <source>acc left</source>
        <translation>左旋加速</translation>
    </message>
    <message>
        <source>acc right</source>
        <translation>右旋加速</translation>
    </message>
    <message>
        <source>dec left</source>
        <translation>左旋减速</translation>
    </message>
    <message>
        <source>dec right</source>
        <translation>右旋减速</translation>
    </message>
    <message>
        <source>acc mainrotor</source>
        <translation>主旋翼加速</translation>
    </message>
    <message>
        <source>dec mainrotor</source>
        <translation>主旋翼减速</translation>
    </message>
    <message>
        <source>deadband rc rudder</source>
        <translation>遥控尾舵死区</translation>
    </message>
    <message>
        <source>deadband gyro z</source>
        <translation>陀螺Z轴死区</translation>
    </message>
    <message>
        <source>deadband rc mainrotor</source>
        <translation>遥控主旋翼死区</translation>
    </message>
    <message>
        <source>deadband gyro xy</source>
        <translation>陀螺XY轴死区</translation>
    </message>
    <message>
        <source>tail compensate colle</source>
        <translation>尾舵补偿总距</translation>
    </message>
    <message>
        <source>tail compensate cyclic</source>
        <translation>尾舵补偿周期变距</translation>
    </message>
    <message>
        <source>tail compensate colle zero</source>
        <translation>尾舵补偿总距零点</translation>
    </message>
    <message>
        <source>vu_ktotal</source>
        <translation>vu_ktotal</translation>
    </message>
    <message>
        <source>vu</source>
        <translation>vu</translation>
    </message>
    <message>
        <source>vu_kp</source>
        <translation>vu_kp</translation>
    </message>
    <message>
        <source>vu_ki</source>
        <translation>vu_ki</translation>
    </message>
    <message>
        <source>vu_kd</source>
        <translation>vu_kd</translation>
    </message>
    <message>
        <source>side dist ktotal</source>
        <translation>side dist ktotal</translation>
    </message>
    <message>
        <source>side dist</source>
        <translation>侧向距离</translation>
    </message>
    <message>
        <source>side dist kp</source>
        <translation>side dist kp</translation>
    </message>
    <message>
        <source>side dist ki</source>
        <translation>side dist ki</translation>
    </message>
    <message>
        <source>side dist kd</source>
        <translation>side dist kd</translation>
    </message>
    <message>
        <source>IOC Enable</source>
        <translation>启用 IOC</translation>
    </message>
    <message>
        <source>Middle stick position</source>
        <translation>开关中间档位</translation>
    </message>
    <message>
        <source>Right stick position</source>
        <translation>开关右侧档位</translation>
    </message>
    <message>
        <source>flight trim phi</source>
        <translation>飞行微调phi</translation>
    </message>
    <message>
        <source>flight trim theta</source>
        <translation>飞行微调theta</translation>
    </message>
    <message>
        <source>invert flight</source>
        <translation>倒飞</translation>
    </message>
    <message>
        <source>reserve1</source>
        <translation>保留1</translation>
    </message>
    <message>
        <source>gps cruise fail type</source>
        <translation>GPS巡航失控方式</translation>
    </message>
    <message>
        <source>Go-Home Enable</source>
        <translation>启用返航</translation>
    </message>
    <message>
        <source>max_v_byhand</source>
        <translation>max_v_byhand</translation>
    </message>
    <message>
        <source>reach dist alt</source>
        <translation>到达高度距离</translation>
    </message>
    <message>
        <source>max auto spin</source>
        <translation>最大自动旋转</translation>
    </message>
    <message>
        <source>max phi</source>
        <translation>最大phi</translation>
    </message>
    <message>
        <source>max theta</source>
        <translation>最大theta</translation>
    </message>
    <message>
        <source>max vcruise</source>
        <translation>最大巡航速度</translation>
    </message>
    <message>
        <source>min vcruise</source>
        <translation>最小巡航速度</translation>
    </message>
    <message>
        <source>max climbrate</source>
        <translation>最大爬升率</translation>
    </message>
    <message>
        <source>max declinerate</source>
        <translation>最大下降率</translation>
    </message>
    <message>
        <source>max_theta_byhand</source>
        <translation>max_theta_byhand</translation>
    </message>
    <message>
        <source>cruise_vh_buff</source>
        <translation>cruise_vh_buff</translation>
    </message>
    <message>
        <source>cruise vu buff</source>
        <translation>cruise vu buff</translation>
    </message>
    <message>
        <source>_vh_stick_acc</source>
        <translation>_vh_stick_acc</translation>
    </message>
    <message>
        <source>vh_stick_dec</source>
        <translation>vh_stick_dec</translation>
    </message>
    <message>
        <source>vu_stick_acc</source>
        <translation>vu_stick_acc</translation>
    </message>
    <message>
        <source>vu_stick_dec</source>
        <translation>vu_stick_dec</translation>
    </message>
    <message>
        <source>cruise_vh_acc</source>
        <translation>cruise_vh_acc</translation>
    </message>
    <message>
        <source>cruise vh dec</source>
        <translation>cruise vh dec</translation>
    </message>
    <message>
        <source>cruise_vu_acc</source>
        <translation>cruise_vu_acc</translation>
    </message>
    <message>
        <source>cruise_vu_dec</source>
        <translation>cruise_vu_dec</translation>
    </message>
    <message>
        <source>Max Radius</source>
        <translation>最大半径</translation>
    </message>
    <message>
        <source>Max Altitude</source>
        <translation>最大高度</translation>
    </message>
    <message>
        <source>max_phi_byhand</source>
        <translation>max_phi_byhand</translation>
    </message>
    <message>
        <source>Spare byte %1</source>
        <translation>备用字节 %1</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Internal</source>
        <translation>内部</translation>
    </message>
    <message>
        <source>Not shown</source>
        <translation>不显示</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>米</translation>
    </message>
    <message>
        <source>volts</source>
        <translation>伏</translation>
    </message>
</context>
<context>
    <name>ParameterRestore</name>
    <message>
        <source>Restoring the parameters failed</source>
        <translation>恢复参数失败</translation>
    </message>
    <message>
        <source>Parameters restored from before the upgrade</source>
        <translation>已恢复升级前的参数</translation>
    </message>
    <message>
        <source>Restoring the parameters failed: the flight controller did not take %1</source>
        <translation>恢复参数失败：飞控未接受 %1</translation>
    </message>
</context>
<context>
    <name>RecordingPlot</name>
    <message>
        <source>The recording has no rows yet. Reload reads the file again.</source>
        <translation>该记录还没有数据行。“重新载入”会再次读取文件。</translation>
    </message>
</context>
<context>
    <name>RecordingReader</name>
    <message>
        <source>%1 cannot be read: there is not enough memory for it</source>
        <translation>无法读取 %1：内存不足</translation>
    </message>
</context>
<context>
    <name>RecordingViewerWindow</name>
    <message>
        <source>%1 - Recording</source>
        <translation>%1 - 记录</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>正在读取 %1...</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>重新载入</translation>
    </message>
    <message>
        <source>Open Recording</source>
        <translation>打开记录</translation>
    </message>
    <message numerus="yes">
        <source>The last %n line(s) of the file were cut short and are left out.</source>
        <translation>
            <numerusform>文件最后 %n 行不完整，已略去。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) over %1</source>
        <translation>
            <numerusform>%n 行，时长 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <translation>从 %1 到 %2</translation>
    </message>
    <message numerus="yes">
        <source>Length %1, %n row(s)</source>
        <translation>
            <numerusform>时长 %1，%n 行</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>%1 is the recording shown: choose another name for the span.</source>
        <translation>%1 是正在显示的记录：请为该时段另选文件名。</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>导出图片</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG 图片 (*.png)</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>导出 CSV</translation>
    </message>
    <message>
        <source>Telemetry recordings (*.csv)</source>
        <translation>遥测记录 (*.csv)</translation>
    </message>
    <message>
        <source>Telemetry recordings (*.csv);;All files (*)</source>
        <translation>遥测记录 (*.csv);;所有文件 (*)</translation>
    </message>
</context>
<context>
    <name>RecordingViewerWindowUi</name>
    <message>
        <source>Recording</source>
        <translation>记录</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>通道</translation>
    </message>
    <message>
        <source>Tick the channels to plot; each kind of value gets its own plot</source>
        <translation>勾选要绘制的通道；每类数值各有一个曲线图</translation>
    </message>
    <message>
        <source>Shows the whole recording (Home)</source>
        <translation>显示整个记录 (Home)</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>全部显示</translation>
    </message>
    <message>
        <source>Reads the file again, with what has been recorded since it was opened</source>
        <translation>重新读取文件，包括打开之后新记录的内容</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>重新载入</translation>
    </message>
    <message>
        <source>Saves the plots as they are shown as a PNG picture</source>
        <translation>将当前显示的曲线图保存为 PNG 图片</translation>
    </message>
    <message>
        <source>Export Picture...</source>
        <translation>导出图片...</translation>
    </message>
    <message>
        <source>Saves the rows of the span shown as a recording of its own</source>
        <translation>将显示时段的数据行另存为一个独立的记录</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>导出 CSV...</translation>
    </message>
    <message>
        <source>Span Shown</source>
        <translation>显示时段</translation>
    </message>
    <message>
        <source>Minimum, maximum and mean of each channel shown, over the span shown</source>
        <translation>所显示各通道在显示时段内的最小值、最大值和平均值</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>通道</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>最小值</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>最大值</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>平均值</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Recorded channels</source>
        <translation>记录的通道</translation>
    </message>
    <message>
        <source>Span and help</source>
        <translation>时段与帮助</translation>
    </message>
</context>
<context>
    <name>ScopePlot</name>
    <message>
        <source>now</source>
        <translation>现在</translation>
    </message>
    <message>
        <source>-%1 s</source>
        <translation>-%1 秒</translation>
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
    <name>SensorScopeWindow</name>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
</context>
<context>
    <name>SensorScopeWindowUi</name>
    <message>
        <source>Sensor Scope</source>
        <translation>传感器示波器</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>通道</translation>
    </message>
    <message>
        <source>Tick the channels to plot; each kind of value gets its own plot</source>
        <translation>勾选要绘制的通道；每类数值各有一个曲线图</translation>
    </message>
    <message>
        <source>Time window</source>
        <translation>时间窗口</translation>
    </message>
    <message>
        <source>10 s</source>
        <translation>10 秒</translation>
    </message>
    <message>
        <source>60 s</source>
        <translation>60 秒</translation>
    </message>
    <message>
        <source>Holds the picture; telemetry is still collected meanwhile</source>
        <translation>冻结画面；其间仍继续采集遥测数据</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
</context>
<context>
    <name>SnapshotRecorder</name>
    <message>
        <source>partly refused</source>
        <translation>部分被拒绝</translation>
    </message>
</context>
<context>
    <name>TelemetryRecorder</name>
    <message>
        <source>%1 could not be written</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <source>No file can be created in %1: %2</source>
        <translation>无法在 %1 中创建文件：%2</translation>
    </message>
    <message>
        <source>%1: %2 keeps the rows written before</source>
        <translation>%1：%2 保留了之前写入的行</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>磁盘已满</translation>
    </message>
</context>
<context>
    <name>TelemetryRecording</name>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1，第 %2 行：%3</translation>
    </message>
    <message>
        <source>%1 values where %2 are expected</source>
        <translation>有 %1 个值，应为 %2 个</translation>
    </message>
    <message>
        <source>%1 is not a number: &apos;%2&apos;</source>
        <translation>%1 不是数字：&apos;%2&apos;</translation>
    </message>
    <message>
        <source>the time %1 ms comes before the line above (%2 ms)</source>
        <translation>时间 %1 ms 早于上一行（%2 ms）</translation>
    </message>
    <message>
        <source>%1: the file is empty</source>
        <translation>%1：文件为空</translation>
    </message>
    <message>
        <source>%1: the file is larger than 256 MiB</source>
        <translation>%1：文件大于 256 MiB</translation>
    </message>
    <message>
        <source>binary data, not a telemetry recording</source>
        <translation>二进制数据，不是遥测记录</translation>
    </message>
    <message>
        <source>this is not the header of a telemetry recording</source>
        <translation>这不是遥测记录的表头</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>%1: reading was stopped</source>
        <translation>%1：读取已停止</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 不是文件</translation>
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
    <message>
        <source>Recording %1  %2</source>
        <translation>正在记录 %1  %2</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>记录</translation>
    </message>
    <message>
        <source>Recording could not start: %1</source>
        <translation>无法开始记录：%1</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>停止记录</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>已保存 %1</translation>
    </message>
    <message>
        <source>Recording stopped: %1</source>
        <translation>记录已停止：%1</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
要替换它吗？</translation>
    </message>
    <message>
        <source>No configuration is open offline</source>
        <translation>没有脱机打开的配置</translation>
    </message>
    <message>
        <source>Gyroscope</source>
        <translation>陀螺仪</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>加速度</translation>
    </message>
    <message>
        <source>degrees per second</source>
        <translation>度每秒</translation>
    </message>
    <message>
        <source>metres per second squared</source>
        <translation>米每二次方秒</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>度</translation>
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
        <source>magnitude</source>
        <translation>合值</translation>
    </message>
    <message>
        <source>Compass error</source>
        <translation>罗盘误差</translation>
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
        <source>Altitude</source>
        <translation>高度</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>米</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1，%2</translation>
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
    <message>
        <source>Records every telemetry cycle into a CSV file in your documents folder (while connected)</source>
        <translation>将每个遥测周期记录到“文档”文件夹中的 CSV 文件（连接时可用）</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>记录</translation>
    </message>
    <message>
        <source>Opens a window with rolling plots of the chosen channels</source>
        <translation>打开一个窗口，滚动显示所选通道的曲线</translation>
    </message>
    <message>
        <source>Sensor Scope...</source>
        <translation>传感器示波器...</translation>
    </message>
    <message>
        <source>Every configuration the assistant has seen: compare and restore them</source>
        <translation>助手见过的每一份配置：比较并恢复</translation>
    </message>
    <message>
        <source>Configuration History...</source>
        <translation>配置历史...</translation>
    </message>
    <message>
        <source>Opens a telemetry recording (CSV) in a viewer: zoom, read values, compare spans</source>
        <translation>在查看器中打开遥测记录 (CSV)：缩放、读取数值、比较时段</translation>
    </message>
    <message>
        <source>Open Recording...</source>
        <translation>打开记录...</translation>
    </message>
    <message>
        <source>Open a parameter file without the flight controller: the pages show it and edits change it</source>
        <translation>不连接飞控打开参数文件：页面显示该文件，修改会改变该文件</translation>
    </message>
    <message>
        <source>Open Configuration...</source>
        <translation>打开配置...</translation>
    </message>
    <message>
        <source>A new configuration of default values, edited without the flight controller</source>
        <translation>以默认值新建配置，无需飞控即可编辑</translation>
    </message>
    <message>
        <source>New from Defaults</source>
        <translation>从默认值新建</translation>
    </message>
    <message>
        <source>Save the offline configuration to its file (Ctrl+S)</source>
        <translation>将脱机配置保存到其文件（Ctrl+S）</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>保存配置</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>另存为...</translation>
    </message>
    <message>
        <source>Apply a file of some parameters to what the pages show</source>
        <translation>将包含部分参数的文件应用到页面所显示的配置</translation>
    </message>
    <message>
        <source>Apply Preset...</source>
        <translation>应用预设...</translation>
    </message>
    <message>
        <source>Save chosen parameters of what the pages show as a preset</source>
        <translation>将页面所显示配置中的所选参数另存为预设</translation>
    </message>
    <message>
        <source>Save as Preset...</source>
        <translation>另存为预设...</translation>
    </message>
</context>
<context>
    <name>TransferWatch</name>
    <message>
        <source>The update server sent nothing for %1 s.</source>
        <translation>更新服务器已有 %1 秒没有发送任何数据。</translation>
    </message>
    <message>
        <source>The update server did not send the update information within %1 s.</source>
        <translation>更新服务器未在 %1 秒内发送完更新信息。</translation>
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
        <source>Keep the flight controller powered and connected while its firmware is upgraded.</source>
        <translation>固件升级期间，请保持飞行控制器通电并连接。</translation>
    </message>
</context>
<context>
    <name>UpgradeGuard</name>
    <message>
        <source>The flight controller does not answer on the link: its parameters were not saved.</source>
        <translation>飞控没有通过连接应答：其参数未保存。</translation>
    </message>
    <message>
        <source>The parameters could not be saved before the upgrade (%1): nothing was flashed.</source>
        <translation>升级前无法保存参数（%1）：未写入任何固件。</translation>
    </message>
    <message>
        <source>Parameters saved before the upgrade: %1</source>
        <translation>升级前已保存参数：%1</translation>
    </message>
    <message>
        <source>The flight controller answers, but its parameters could not be read: nothing was flashed.</source>
        <translation>飞控有应答，但无法读取其参数：未写入任何固件。</translation>
    </message>
    <message>
        <source>Nothing was flashed.</source>
        <translation>未写入任何固件。</translation>
    </message>
    <message>
        <source>The flight controller waits in its bootloader: its parameters cannot be read now.</source>
        <translation>飞控正在引导程序中等待：现在无法读取其参数。</translation>
    </message>
    <message>
        <source>The parameters saved from it at %1 (firmware %2) are offered after the upgrade.</source>
        <translation>升级后将提供于 %1 从它保存的参数（固件 %2）。</translation>
    </message>
</context>
<context>
    <name>UpgradeMessages</name>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>%1 open OK</source>
        <translation>%1 打开成功</translation>
    </message>
    <message>
        <source>%1 open error</source>
        <translation>%1 打开失败</translation>
    </message>
    <message>
        <source>Version Error</source>
        <translation>版本错误</translation>
    </message>
    <message>
        <source>Send Check Error</source>
        <translation>发送校验错误</translation>
    </message>
    <message>
        <source>Recv Check Error</source>
        <translation>接收校验错误</translation>
    </message>
    <message>
        <source>Timeout Error</source>
        <translation>超时错误</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>文件错误</translation>
    </message>
    <message>
        <source>File open OK</source>
        <translation>文件打开成功</translation>
    </message>
    <message>
        <source>File Open Error</source>
        <translation>文件打开失败</translation>
    </message>
    <message>
        <source>Erase Error</source>
        <translation>擦除错误</translation>
    </message>
    <message>
        <source>File Size Error</source>
        <translation>文件大小错误</translation>
    </message>
    <message>
        <source>Length Error</source>
        <translation>长度错误</translation>
    </message>
    <message>
        <source>Upgrading now, please wait...</source>
        <translation>正在升级，请稍候...</translation>
    </message>
    <message>
        <source>Upgraded OK</source>
        <translation>升级成功</translation>
    </message>
    <message>
        <source>Address Error</source>
        <translation>地址错误</translation>
    </message>
    <message>
        <source>Flash Error</source>
        <translation>闪存错误</translation>
    </message>
    <message>
        <source>Head Error</source>
        <translation>帧头错误</translation>
    </message>
    <message>
        <source>Go to App Error</source>
        <translation>跳转至应用程序失败</translation>
    </message>
    <message>
        <source>Device Error, please check module connection</source>
        <translation>设备错误，请检查模块连接</translation>
    </message>
    <message>
        <source>State Error</source>
        <translation>状态错误</translation>
    </message>
    <message>
        <source>The flight controller keeps its firmware</source>
        <translation>飞控保留其原有固件</translation>
    </message>
    <message>
        <source>Not flashed: the firmware is not newer than the installed one</source>
        <translation>未写入：该固件不比已安装的固件新</translation>
    </message>
    <message>
        <source>The flight controller waits in its bootloader; its firmware is whole</source>
        <translation>飞控正在引导程序中等待；其固件完整</translation>
    </message>
</context>
<context>
    <name>UpgradeQuestion</name>
    <message>
        <source>Stopping now leaves the flight controller without working firmware until it is upgraded again. Stop anyway?</source>
        <translation>现在停止，飞控将没有可用的固件，直到再次升级为止。仍要停止吗？</translation>
    </message>
    <message>
        <source>Firmware Upgrade</source>
        <translation>固件升级</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Stop the upgrade? Nothing has been erased yet: the flight controller keeps its firmware.</source>
        <translation>停止升级吗？尚未擦除任何内容：飞控保留其固件。</translation>
    </message>
    <message numerus="yes">
        <source>Restore the %n parameters saved before the upgrade from the flight controller on %1 at %2 (firmware %3)?</source>
        <translation>
            <numerusform>要恢复升级前于 %2 从 %1 上的飞控保存的 %n 个参数吗（固件 %3）？</numerusform>
        </translation>
    </message>
    <message>
        <source>Firmware %1 is the version already installed. Flash it again anyway?</source>
        <translation>固件 %1 已是当前安装的版本。仍要再次写入吗？</translation>
    </message>
    <message>
        <source>Firmware %1 is older than the installed %2. Flash anyway?</source>
        <translation>固件 %1 比已安装的 %2 旧。仍要写入吗？</translation>
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
    <name>contentWidget</name>
    <message>
        <source>The snapshot could not be saved: %1</source>
        <translation>无法保存快照：%1</translation>
    </message>
    <message>
        <source>Nothing undone: %1</source>
        <translation>未撤销任何更改：%1</translation>
    </message>
    <message>
        <source>Import Parameters</source>
        <translation>导入参数</translation>
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
    <message>
        <source>The setting could not be saved: %1 is not writable</source>
        <translation>无法保存设置：%1 不可写</translation>
    </message>
    <message>
        <source>The settings file %1 was damaged and has been replaced; the language and port were kept where they could be read</source>
        <translation>设置文件 %1 已损坏并已被替换；能读取的语言和端口已保留</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>%1 cannot be opened: Skydesk opens telemetry recordings (.csv) and parameter files (.conf) named on its command line.</source>
        <translation>无法打开 %1：Skydesk 只打开命令行中给出的遥测记录（.csv）和参数文件（.conf）。</translation>
    </message>
</context>
<context>
    <name>statusWidget</name>
    <message>
        <source>Parameters uploaded and verified</source>
        <translation>参数已上传并校验</translation>
    </message>
    <message>
        <source>The flight controller did not accept: %1</source>
        <translation>飞控未接受：%1</translation>
    </message>
    <message>
        <source>Lost the flight controller on %1: it reconnects when the port comes back</source>
        <translation>%1 上的飞控已断开：端口恢复后将自动重新连接</translation>
    </message>
    <message>
        <source>Reconnected to %1</source>
        <translation>已重新连接到 %1</translation>
    </message>
    <message>
        <source>COMPort open failed: %1: no such device</source>
        <translation>串口打开失败：%1：设备不存在</translation>
    </message>
    <message>
        <source>COMPort open failed: %1: permission denied (on Linux: add your user to the dialout group and log in again)</source>
        <translation>串口打开失败：%1：权限不足（Linux 下请将用户加入 dialout 组并重新登录）</translation>
    </message>
    <message>
        <source>COMPort open failed: %1 is in use by another program</source>
        <translation>串口打开失败：%1 正被其他程序占用</translation>
    </message>
    <message>
        <source>COMPort open failed: %1</source>
        <translation>串口打开失败：%1</translation>
    </message>
    <message>
        <source>COMPort open failed: %1: %2</source>
        <translation>串口打开失败：%1：%2</translation>
    </message>
    <message>
        <source>Upgrading firmware...</source>
        <translation>正在升级固件...</translation>
    </message>
    <message>
        <source>The flight controller is waiting for firmware</source>
        <translation>飞控正在等待固件</translation>
    </message>
    <message>
        <source>Another program is reading %1: close it, then connect again</source>
        <translation>另一个程序正在读取 %1：请关闭该程序，然后重新连接</translation>
    </message>
    <message>
        <source>The flight controller stopped answering during the upload: it was sent again once the controller answered</source>
        <translation>上传过程中飞控停止应答：飞控恢复应答后已重新发送</translation>
    </message>
    <message>
        <source>%1 went away during the upload: the flight controller may not hold %2</source>
        <translation>上传过程中 %1 已断开：飞控可能未保存 %2</translation>
    </message>
    <message>
        <source>COMPort open failed: %1 is not a serial port</source>
        <translation>串口打开失败：%1 不是串口</translation>
    </message>
    <message>
        <source>COMPort open failed: no port is chosen</source>
        <translation>串口打开失败：未选择串口</translation>
    </message>
    <message>
        <source>COMPort open failed: %1 is not a port name</source>
        <translation>串口打开失败：%1 不是串口名称</translation>
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
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>最小化</translation>
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
    <message>
        <source>Internal</source>
        <translation>内部</translation>
    </message>
    <message>
        <source>%1 page (%2)</source>
        <translation>%1页面（%2）</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>串口</translation>
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
        <source>Upgrade Progress: %1%</source>
        <translation>升级进度：%1%</translation>
    </message>
    <message>
        <source>The flight controller is waiting for firmware: its last upgrade did not finish. Choose a firmware file and press Start Upgrade to repair it.</source>
        <translation>飞控正在等待固件：上次升级未完成。请选择固件文件并点击“开始升级”进行修复。</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>The software updater is not installed: update with your package manager</source>
        <translation>未安装软件更新程序：请使用软件包管理器更新</translation>
    </message>
</context>
</TS>
