<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AdvanceSettingPage</name>
    <message>
        <source>Invalid Param!</source>
        <translation>Invalid Param!</translation>
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
        <translation>Form</translation>
    </message>
    <message>
        <source>   Motor    </source>
        <translation>   Motor    </translation>
    </message>
    <message>
        <source>Motor Idel Speed</source>
        <translation>Motor Idel Speed</translation>
    </message>
    <message>
        <source>LOW</source>
        <translation>LOW</translation>
    </message>
    <message>
        <source>RECOMMENDED</source>
        <translation>RECOMMENDED</translation>
    </message>
    <message>
        <source>HIGH</source>
        <translation>HIGH</translation>
    </message>
    <message>
        <source>   FailSafe  </source>
        <translation>   FailSafe  </translation>
    </message>
    <message>
        <source>Enhanced Failsafe Methods</source>
        <translation>Enhanced Failsafe Methods</translation>
    </message>
    <message>
        <source>Hover</source>
        <translation>Hover</translation>
    </message>
    <message>
        <source>Alt Go-Home</source>
        <translation>Alt Go-Home</translation>
    </message>
    <message>
        <source>Go-Home Heading</source>
        <translation>Go-Home Heading</translation>
    </message>
    <message>
        <source>Towards</source>
        <translation>Towards</translation>
    </message>
    <message>
        <source>Backwards</source>
        <translation>Backwards</translation>
    </message>
    <message>
        <source>Go-Home Altitude</source>
        <translation>Go-Home Altitude</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Go-Home Switch</source>
        <translation>Go-Home Switch</translation>
    </message>
    <message>
        <source>Go-Home Enable</source>
        <translation>Go-Home Enable</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Standby</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>   IOC   </source>
        <translation>   IOC   </translation>
    </message>
    <message>
        <source>Intelligent Orientation Control</source>
        <translation>Intelligent Orientation Control</translation>
    </message>
    <message>
        <source>IOC Enable</source>
        <translation>IOC Enable</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>Course Lock</source>
        <translation>Course Lock</translation>
    </message>
    <message>
        <source>Point of Interest</source>
        <translation>Point of Interest</translation>
    </message>
    <message>
        <source>Home Lock</source>
        <translation>Home Lock</translation>
    </message>
    <message>
        <source>   Voltage   </source>
        <translation>   Voltage   </translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>Voltage</translation>
    </message>
    <message>
        <source>Current Voltage</source>
        <translation>Current Voltage</translation>
    </message>
    <message>
        <source>   Limits    </source>
        <translation>   Limits    </translation>
    </message>
    <message>
        <source>Altitude Limit</source>
        <translation>Altitude Limit</translation>
    </message>
    <message>
        <source>Max Altitude</source>
        <translation>Max Altitude</translation>
    </message>
    <message>
        <source>Distance Limit</source>
        <translation>Distance Limit</translation>
    </message>
    <message>
        <source>Max Radius</source>
        <translation>Max Radius</translation>
    </message>
    <message>
        <source>Forbiden Area Limit</source>
        <translation>Forbiden Area Limit</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ON</translation>
    </message>
</context>
<context>
    <name>FirmwareUpgradeDialog</name>
    <message>
        <source>The latest firmware version: </source>
        <translation>The latest firmware version: </translation>
    </message>
    <message>
        <source>Update:<byte value="xd"/>
</source>
        <translation>Update:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Checking for firmware updates...</source>
        <translation>Checking for firmware updates...</translation>
    </message>
    <message>
        <source>State error:#001!</source>
        <translation>State error:#001!</translation>
    </message>
    <message>
        <source>Server error: Can Not Check Update Information!</source>
        <translation>Server error: Can Not Check Update Information!</translation>
    </message>
    <message>
        <source>Download firmware file OK!</source>
        <translation>Download firmware file OK!</translation>
    </message>
    <message>
        <source>Start Upgrade</source>
        <translation>Start Upgrade</translation>
    </message>
    <message>
        <source>Download failed!</source>
        <translation>Download failed!</translation>
    </message>
    <message>
        <source>No updates available!</source>
        <translation>No updates available!</translation>
    </message>
    <message>
        <source>Download firmware file name error!</source>
        <translation>Download firmware file name error!</translation>
    </message>
    <message>
        <source>Do not exsit right file folder!</source>
        <translation>Do not exsit right file folder!</translation>
    </message>
    <message>
        <source>Firmware file open failed!</source>
        <translation>Firmware file open failed!</translation>
    </message>
    <message>
        <source>Port name error!</source>
        <translation>Port name error!</translation>
    </message>
    <message>
        <source>Stop Upgrade</source>
        <translation>Stop Upgrade</translation>
    </message>
</context>
<context>
    <name>FirmwareUpgradeDialogUi</name>
    <message>
        <source>FirmwareUpgrade</source>
        <translation>FirmwareUpgrade</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Firmware Upgrade</source>
        <translation>Firmware Upgrade</translation>
    </message>
    <message>
        <source>Current Version:</source>
        <translation>Current Version:</translation>
    </message>
    <message>
        <source>--------</source>
        <translation>--------</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>DownLoad</source>
        <translation>DownLoad</translation>
    </message>
</context>
<context>
    <name>SensorPlot</name>
    <message>
        <source>Gyroscope (degree/s)</source>
        <translation>Gyroscope (degree/s)</translation>
    </message>
    <message>
        <source>Acceleration (m/s^2)</source>
        <translation>Acceleration (m/s^2)</translation>
    </message>
</context>
<context>
    <name>ToolSettingPage</name>
    <message>
        <source>Cannot save the parameter file: %1</source>
        <translation>Cannot save the parameter file: %1</translation>
    </message>
    <message>
        <source>Invalid parameter file: %1
%2</source>
        <translation>Invalid parameter file: %1
%2</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>Save Config File</translation>
    </message>
    <message>
        <source>ConfigFile(*.conf)</source>
        <translation>ConfigFile(*.conf)</translation>
    </message>
    <message>
        <source>Export Parameters</source>
        <translation>Export Parameters</translation>
    </message>
    <message>
        <source>Open Config File</source>
        <translation>Open Config File</translation>
    </message>
    <message>
        <source>Import Parameters</source>
        <translation>Import Parameters</translation>
    </message>
    <message>
        <source>Write flash now...</source>
        <translation>Write flash now...</translation>
    </message>
    <message>
        <source>Calibrate accelerometers now...</source>
        <translation>Calibrate accelerometers now...</translation>
    </message>
    <message>
        <source>Calibrate gyros now...</source>
        <translation>Calibrate gyros now...</translation>
    </message>
</context>
<context>
    <name>ToolSettingPageUi</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Configurations</source>
        <translation>Configurations</translation>
    </message>
    <message>
        <source>Export Parameters</source>
        <translation>Export Parameters</translation>
    </message>
    <message>
        <source>Import Parameters</source>
        <translation>Import Parameters</translation>
    </message>
    <message>
        <source>Restore Default Settings</source>
        <translation>Restore Default Settings</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Sensors</translation>
    </message>
    <message>
        <source>Gyroscope(degree/s)</source>
        <translation>Gyroscope(degree/s)</translation>
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
        <translation>Mod</translation>
    </message>
    <message>
        <source>Acceleration(m/s^2)</source>
        <translation>Acceleration(m/s^2)</translation>
    </message>
    <message>
        <source>Compass error</source>
        <translation>Compass error</translation>
    </message>
    <message>
        <source>Attitude(degree)</source>
        <translation>Attitude(degree)</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Pitch</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Roll</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Heading</translation>
    </message>
    <message>
        <source>Altitude(m)</source>
        <translation>Altitude(m)</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>Calibrate Accelerometers</source>
        <translation>Calibrate Accelerometers</translation>
    </message>
    <message>
        <source>Calibrate Gyroscopes</source>
        <translation>Calibrate Gyroscopes</translation>
    </message>
    <message>
        <source>Write Flash</source>
        <translation>Write Flash</translation>
    </message>
    <message>
        <source>Write Parameters to Flash</source>
        <translation>Write Parameters to Flash</translation>
    </message>
</context>
<context>
    <name>UpdateSettingPageUi</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Device Info</source>
        <translation>Device Info</translation>
    </message>
    <message>
        <source>Device Type:</source>
        <translation>Device Type:</translation>
    </message>
    <message>
        <source>----------------------</source>
        <translation>----------------------</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>Firmware Info</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Current version:</translation>
    </message>
    <message>
        <source>-----------------</source>
        <translation>-----------------</translation>
    </message>
    <message>
        <source>No updates</source>
        <translation>No updates</translation>
    </message>
    <message>
        <source>Start Upgrade</source>
        <translation>Start Upgrade</translation>
    </message>
    <message>
        <source>Open Firmware File</source>
        <translation>Open Firmware File</translation>
    </message>
    <message>
        <source>Software Info</source>
        <translation>Software Info</translation>
    </message>
    <message>
        <source>Software Version:</source>
        <translation>Software Version:</translation>
    </message>
    <message>
        <source>Update Online</source>
        <translation>Update Online</translation>
    </message>
    <message>
        <source>about:blank</source>
        <translation>about:blank</translation>
    </message>
    <message>
        <source>Keep the flight controller powered and connected while its firmware is upgraded.</source>
        <translation>Keep the flight controller powered and connected while its firmware is upgraded.</translation>
    </message>
</context>
<context>
    <name>UpgradeReportText</name>
    <message>
        <source>&lt;h6&gt;&lt;font color=#000000&gt;%1 open OK&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#000000&gt;%1 open OK&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;%1 open error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;%1 open error&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;Version Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;Version Error&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;Send Check Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;Send Check Error&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;Recv Check Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;Recv Check Error&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;Timeout Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;Timeout Error&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;File Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;File Error&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#000000&gt;File open OK&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#000000&gt;File open OK&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;File Open Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;File Open Error&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;Erase Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;Erase Error&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;File Size Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;File Size Error&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;Length Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;Length Error&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#000000&gt;Upgrading now, please wait...&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#000000&gt;Upgrading now, please wait...&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#000000&gt;Upgraded OK&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#000000&gt;Upgraded OK&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;Address Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;Address Error&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;Flash Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;Flash Error&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;Head Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;Head Error&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;Go to App Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;Go to App Error&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;Device Error, please check module connection&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;Device Error, please check module connection&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;State Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;State Error&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
</context>
<context>
    <name>UpgradeWarningDialogUi</name>
    <message>
        <source>Notice</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>Please connect your device, firstly!</source>
        <translation>Please connect your device, firstly!</translation>
    </message>
</context>
<context>
    <name>mainWidget</name>
    <message>
        <source>Germany</source>
        <translation>Germany</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>&lt;font color = &apos;red&apos;&gt;Please restart the application!&lt;/font&gt;</source>
        <translation>&lt;font color = &apos;red&apos;&gt;Please restart the application!&lt;/font&gt;</translation>
    </message>
</context>
<context>
    <name>statusWidget</name>
    <message>
        <source>COMPort open successfully</source>
        <translation>COMPort open successfully</translation>
    </message>
    <message>
        <source>COMPort open failed</source>
        <translation>COMPort open failed</translation>
    </message>
    <message>
        <source>Connection closed</source>
        <translation>Connection closed</translation>
    </message>
    <message>
        <source>Parameters uploaded</source>
        <translation>Parameters uploaded</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Uploading...</translation>
    </message>
    <message>
        <source>Parameters saved OK</source>
        <translation>Parameters saved OK</translation>
    </message>
    <message>
        <source>Parameters saved error</source>
        <translation>Parameters saved error</translation>
    </message>
    <message>
        <source>Accelerometers calibrated OK</source>
        <translation>Accelerometers calibrated OK</translation>
    </message>
    <message>
        <source>Accelerometers calibrated error</source>
        <translation>Accelerometers calibrated error</translation>
    </message>
    <message>
        <source>Gyros calibrated OK</source>
        <translation>Gyros calibrated OK</translation>
    </message>
    <message>
        <source>Gyros calibrated error</source>
        <translation>Gyros calibrated error</translation>
    </message>
    <message>
        <source>Voltage calibrated OK</source>
        <translation>Voltage calibrated OK</translation>
    </message>
    <message>
        <source>Voltage calibrated error</source>
        <translation>Voltage calibrated error</translation>
    </message>
    <message>
        <source>Unconnected</source>
        <translation>Unconnected</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connected</translation>
    </message>
</context>
<context>
    <name>titleWidget</name>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
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
        <translation>Connect</translation>
    </message>
    <message>
        <source>Refresh the port list</source>
        <translation>Refresh the port list</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>Tool</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnect</translation>
    </message>
</context>
<context>
    <name>updatesettingpage</name>
    <message>
        <source>Online Upgrade</source>
        <translation>Online Upgrade</translation>
    </message>
    <message>
        <source>New firmware available!</source>
        <translation>New firmware available!</translation>
    </message>
    <message>
        <source>No Update</source>
        <translation>No Update</translation>
    </message>
    <message>
        <source>Open Firmware File</source>
        <translation>Open Firmware File</translation>
    </message>
    <message>
        <source>Firmware(*.qmtvf)</source>
        <translation>Firmware(*.qmtvf)</translation>
    </message>
    <message>
        <source>Firmware File: </source>
        <translation>Firmware File: </translation>
    </message>
    <message>
        <source>Notice: You should connect controller, firstly!</source>
        <translation>Notice: You should connect controller, firstly!</translation>
    </message>
    <message>
        <source>Start Upgrade</source>
        <translation>Start Upgrade</translation>
    </message>
    <message>
        <source>Firmware not exist!</source>
        <translation>Firmware not exist!</translation>
    </message>
    <message>
        <source>Port name error! Make sure you have select right port!</source>
        <translation>Port name error! Make sure you have select right port!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#000000&gt;Exit&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#000000&gt;Exit&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>Upgrade Progress: %1%</source>
        <translation>Upgrade Progress: %1%</translation>
    </message>
</context>
</TS>
