<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AdvanceSettingPage</name>
    <message>
        <source>Invalid Param!</source>
        <translation>Invalid Param!</translation>
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
        <source>Go-Home Heading</source>
        <translation>Go-Home Heading</translation>
    </message>
    <message>
        <source>Go-Home Altitude</source>
        <translation>Go-Home Altitude</translation>
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
        <source>Left stick position</source>
        <translation>Left stick position</translation>
    </message>
</context>
<context>
    <name>ChannelChooser</name>
    <message>
        <source>Channels</source>
        <translation>Channels</translation>
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
        <translation>Attitude (degree)</translation>
    </message>
    <message>
        <source>Heading (degree)</source>
        <translation>Heading (degree)</translation>
    </message>
    <message>
        <source>Gyroscope (degree/s)</source>
        <translation>Gyroscope (degree/s)</translation>
    </message>
    <message>
        <source>°/s</source>
        <translation>°/s</translation>
    </message>
    <message>
        <source>Acceleration (m/s^2)</source>
        <translation>Acceleration (m/s^2)</translation>
    </message>
    <message>
        <source>m/s²</source>
        <translation>m/s²</translation>
    </message>
    <message>
        <source>Altitude (m)</source>
        <translation>Altitude (m)</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Voltage (V)</source>
        <translation>Voltage (V)</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Compass error</source>
        <translation>Compass error</translation>
    </message>
    <message>
        <source>RC channels</source>
        <translation>RC channels</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Roll</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Pitch</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Heading</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>Voltage</translation>
    </message>
    <message>
        <source>RC %1</source>
        <translation>RC %1</translation>
    </message>
    <message>
        <source>Choose the channels to plot in the list on the left.</source>
        <translation>Choose the channels to plot in the list on the left.</translation>
    </message>
</context>
<context>
    <name>ComparisonDialog</name>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>ComparisonDialogUi</name>
    <message>
        <source>Tick All</source>
        <translation>Tick All</translation>
    </message>
    <message>
        <source>Untick All</source>
        <translation>Untick All</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Differences</translation>
    </message>
</context>
<context>
    <name>ConfigurationHistoryDialog</name>
    <message>
        <source>Connected</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>Before import</source>
        <translation>Before import</translation>
    </message>
    <message>
        <source>Before upgrade</source>
        <translation>Before upgrade</translation>
    </message>
    <message>
        <source>After restore</source>
        <translation>After restore</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Saved</translation>
    </message>
    <message>
        <source>Snapshot of %1</source>
        <translation>Snapshot of %1</translation>
    </message>
    <message>
        <source>This snapshot cannot be read: %1</source>
        <translation>This snapshot cannot be read: %1</translation>
    </message>
    <message>
        <source>Connect the flight controller to compare with it.</source>
        <translation>Connect the flight controller to compare with it.</translation>
    </message>
    <message>
        <source>Flight controller</source>
        <translation>Flight controller</translation>
    </message>
    <message>
        <source>Not a valid parameter file: %1
%2</source>
        <translation>Not a valid parameter file: %1
%2</translation>
    </message>
    <message>
        <source>Open Config File</source>
        <translation>Open Config File</translation>
    </message>
    <message>
        <source>ConfigFile(*.conf)</source>
        <translation>ConfigFile(*.conf)</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>%1 compared with %2</source>
        <translation>%1 compared with %2</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>No differences.</translation>
    </message>
    <message numerus="yes">
        <source>%n parameter(s) differ. Untick those you do not want to restore.</source>
        <translation>
            <numerusform>%n parameter differs. Untick it if you do not want to restore it.</numerusform>
            <numerusform>%n parameters differ. Untick those you do not want to restore.</numerusform>
        </translation>
    </message>
    <message>
        <source>Tick the parameters to restore.</source>
        <translation>Tick the parameters to restore.</translation>
    </message>
    <message>
        <source>Connect the flight controller to restore a configuration.</source>
        <translation>Connect the flight controller to restore a configuration.</translation>
    </message>
    <message numerus="yes">
        <source>Restoring %n parameter(s): the status bar shows when the flight controller has taken them.</source>
        <translation>
            <numerusform>Restoring %n parameter: the status bar shows when the flight controller has taken it.</numerusform>
            <numerusform>Restoring %n parameters: the status bar shows when the flight controller has taken them.</numerusform>
        </translation>
    </message>
    <message>
        <source>Connect the flight controller to save a snapshot of it.</source>
        <translation>Connect the flight controller to save a snapshot of it.</translation>
    </message>
    <message>
        <source>The snapshot could not be saved.</source>
        <translation>The snapshot could not be saved.</translation>
    </message>
    <message>
        <source>Snapshot saved.</source>
        <translation>Snapshot saved.</translation>
    </message>
    <message>
        <source>Save Snapshot</source>
        <translation>Save Snapshot</translation>
    </message>
    <message>
        <source>A note for this snapshot (optional):</source>
        <translation>A note for this snapshot (optional):</translation>
    </message>
    <message>
        <source>Unknown reason</source>
        <translation>Unknown reason</translation>
    </message>
</context>
<context>
    <name>ConfigurationHistoryDialogUi</name>
    <message>
        <source>Configuration History</source>
        <translation>Configuration History</translation>
    </message>
    <message>
        <source>Snapshots, newest first (select two to compare them)</source>
        <translation>Snapshots, newest first (select two to compare them)</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Reason</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Save Snapshot...</source>
        <translation>Save Snapshot...</translation>
    </message>
    <message>
        <source>Compare with Controller</source>
        <translation>Compare with Controller</translation>
    </message>
    <message>
        <source>Compare Selected</source>
        <translation>Compare Selected</translation>
    </message>
    <message>
        <source>Compare with File...</source>
        <translation>Compare with File...</translation>
    </message>
    <message>
        <source>Select a snapshot to compare it.</source>
        <translation>Select a snapshot to compare it.</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Snapshot</translation>
    </message>
    <message>
        <source>Compared with</source>
        <translation>Compared with</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>Restore Selected</translation>
    </message>
    <message>
        <source>Restore All</source>
        <translation>Restore All</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Show the selected snapshot on the pages without the flight controller</source>
        <translation>Show the selected snapshot on the pages without the flight controller</translation>
    </message>
    <message>
        <source>Open Offline</source>
        <translation>Open Offline</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>Snapshots</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Differences</translation>
    </message>
</context>
<context>
    <name>DiagramCaptions</name>
    <message>
        <source>Signal lost</source>
        <translation>Signal lost</translation>
    </message>
    <message>
        <source>Hover in place</source>
        <translation>Hover in place</translation>
    </message>
    <message>
        <source>Climb to go-home altitude</source>
        <translation>Climb to go-home altitude</translation>
    </message>
    <message>
        <source>Return home</source>
        <translation>Return home</translation>
    </message>
    <message>
        <source>Land</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>LOW</source>
        <translation>LOW</translation>
    </message>
    <message>
        <source>HIGH</source>
        <translation>HIGH</translation>
    </message>
    <message>
        <source>IDLE</source>
        <translation>IDLE</translation>
    </message>
</context>
<context>
    <name>DifferenceTree</name>
    <message>
        <source>%1: %2 → %3</source>
        <translation>%1: %2 → %3</translation>
    </message>
</context>
<context>
    <name>DownloadedFirmware</name>
    <message>
        <source>The downloaded firmware is made for another device (id 0x%1).</source>
        <translation>The downloaded firmware is made for another device (id 0x%1).</translation>
    </message>
    <message>
        <source>The downloaded file has a firmware format this program does not know.</source>
        <translation>The downloaded file has a firmware format this program does not know.</translation>
    </message>
    <message>
        <source>The downloaded file is incomplete or too long: its %1 bytes do not match the size its header gives.</source>
        <translation>The downloaded file is incomplete or too long: its %1 bytes do not match the size its header gives.</translation>
    </message>
    <message>
        <source>The downloaded file is no valid firmware file (its header or checksum is wrong).</source>
        <translation>The downloaded file is no valid firmware file (its header or checksum is wrong).</translation>
    </message>
    <message>
        <source>The downloaded firmware is version %1, but the update server announced %2.</source>
        <translation>The downloaded firmware is version %1, but the update server announced %2.</translation>
    </message>
</context>
<context>
    <name>EditAccess</name>
    <message>
        <source>Not connected: connect the flight controller to change its parameters</source>
        <translation>Not connected: connect the flight controller to change its parameters</translation>
    </message>
    <message>
        <source>Reading the parameters from the flight controller...</source>
        <translation>Reading the parameters from the flight controller...</translation>
    </message>
    <message>
        <source>The firmware upgrade is using the port: the parameters can be changed again once the flight controller is connected after it</source>
        <translation>The firmware upgrade is using the port: the parameters can be changed again once the flight controller is connected after it</translation>
    </message>
    <message>
        <source>Choose first whether to keep the controller&apos;s configuration or to send the offline one</source>
        <translation>Choose first whether to keep the controller&apos;s configuration or to send the offline one</translation>
    </message>
    <message>
        <source>Offline: this needs the flight controller connected</source>
        <translation>Offline: this needs the flight controller connected</translation>
    </message>
</context>
<context>
    <name>EditHistory</name>
    <message>
        <source>Undone: %1 %2 → %3</source>
        <translation>Undone: %1 %2 → %3</translation>
    </message>
    <message>
        <source>Not undone: %1 is %2 now, not %3</source>
        <translation>Not undone: %1 is %2 now, not %3</translation>
    </message>
    <message numerus="yes">
        <source>Undone: %n parameter(s) of a preset</source>
        <translation>
            <numerusform>Undone: %n parameter of a preset</numerusform>
            <numerusform>Undone: %n parameters of a preset</numerusform>
        </translation>
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
    <message>
        <source>The file was deleted.</source>
        <translation>The file was deleted.</translation>
    </message>
    <message>
        <source>Downloading into %1</source>
        <translation>Downloading into %1</translation>
    </message>
    <message>
        <source>The download ended after %1 of the %2 bytes the update server announced.</source>
        <translation>The download ended after %1 of the %2 bytes the update server announced.</translation>
    </message>
    <message>
        <source>The server&apos;s answer is no update information for this flight controller.</source>
        <translation>The server&apos;s answer is no update information for this flight controller.</translation>
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
    <message>
        <source>Upgrade log</source>
        <translation>Upgrade log</translation>
    </message>
</context>
<context>
    <name>HelpBrowser</name>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>HelpDocument</name>
    <message>
        <source>This help page is not available</source>
        <translation>This help page is not available</translation>
    </message>
    <message>
        <source>The help document %1 was not found beside the program. Installing the program again brings it back.</source>
        <translation>The help document %1 was not found beside the program. Installing the program again brings it back.</translation>
    </message>
</context>
<context>
    <name>InternalSettingPageUi</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Param1</source>
        <translation>Param1</translation>
    </message>
    <message>
        <source>Servo Trim</source>
        <translation>Servo Trim</translation>
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
        <translation>Servo Rev</translation>
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
        <translation>Rc Rev</translation>
    </message>
    <message>
        <source>Level Swash</source>
        <translation>Level Swash</translation>
    </message>
    <message>
        <source>Tail Limit B</source>
        <translation>Tail Limit B</translation>
    </message>
    <message>
        <source>Coll Ratio</source>
        <translation>Coll Ratio</translation>
    </message>
    <message>
        <source>Motor Idel</source>
        <translation>Motor Idel</translation>
    </message>
    <message>
        <source>Tail Limit A</source>
        <translation>Tail Limit A</translation>
    </message>
    <message>
        <source>Receiver Type</source>
        <translation>Receiver Type</translation>
    </message>
    <message>
        <source>Tail Servo Type</source>
        <translation>Tail Servo Type</translation>
    </message>
    <message>
        <source>Ail Limit</source>
        <translation>Ail Limit</translation>
    </message>
    <message>
        <source>Model Type</source>
        <translation>Model Type</translation>
    </message>
    <message>
        <source>Swash Servo Type</source>
        <translation>Swash Servo Type</translation>
    </message>
    <message>
        <source>Ele Limit</source>
        <translation>Ele Limit</translation>
    </message>
    <message>
        <source>Motor Type</source>
        <translation>Motor Type</translation>
    </message>
    <message>
        <source>Param2</source>
        <translation>Param2</translation>
    </message>
    <message>
        <source>Swash Phase</source>
        <translation>Swash Phase</translation>
    </message>
    <message>
        <source>GPS Dist X</source>
        <translation>GPS Dist X</translation>
    </message>
    <message>
        <source>Safe Gard 2</source>
        <translation>Safe Gard 2</translation>
    </message>
    <message>
        <source>Installation</source>
        <translation>Installation</translation>
    </message>
    <message>
        <source>GPS Dist Y</source>
        <translation>GPS Dist Y</translation>
    </message>
    <message>
        <source>VoltProtect switch</source>
        <translation>VoltProtect switch</translation>
    </message>
    <message>
        <source>Motor Stop Type</source>
        <translation>Motor Stop Type</translation>
    </message>
    <message>
        <source>GPS Dist Z</source>
        <translation>GPS Dist Z</translation>
    </message>
    <message>
        <source>Loss Volt</source>
        <translation>Loss Volt</translation>
    </message>
    <message>
        <source>IMU Rotate</source>
        <translation>IMU Rotate</translation>
    </message>
    <message>
        <source>Governor Status</source>
        <translation>Governor Status</translation>
    </message>
    <message>
        <source>Protect Volt 1</source>
        <translation>Protect Volt 1</translation>
    </message>
    <message>
        <source>IMU Dist X</source>
        <translation>IMU Dist X</translation>
    </message>
    <message>
        <source>Waypoint Type</source>
        <translation>Waypoint Type</translation>
    </message>
    <message>
        <source>Protect Volt 2</source>
        <translation>Protect Volt 2</translation>
    </message>
    <message>
        <source>IMU Dist Y</source>
        <translation>IMU Dist Y</translation>
    </message>
    <message>
        <source>Battery Cell</source>
        <translation>Battery Cell</translation>
    </message>
    <message>
        <source>IMU Dist Z</source>
        <translation>IMU Dist Z</translation>
    </message>
    <message>
        <source>Safe Gard 1</source>
        <translation>Safe Gard 1</translation>
    </message>
    <message>
        <source>Channel Map</source>
        <translation>Channel Map</translation>
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
        <translation>Param3</translation>
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
        <translation>position</translation>
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
        <translation>Param4</translation>
    </message>
    <message>
        <source>rpm</source>
        <translation>rpm</translation>
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
        <translation>rpm compensate colle</translation>
    </message>
    <message>
        <source>right spin</source>
        <translation>right spin</translation>
    </message>
    <message>
        <source>deadband rc rudder</source>
        <translation>deadband rc rudder</translation>
    </message>
    <message>
        <source>rpm compensate cyclic</source>
        <translation>rpm compensate cyclic</translation>
    </message>
    <message>
        <source>acc left</source>
        <translation>acc left</translation>
    </message>
    <message>
        <source>deadband gyro z</source>
        <translation>deadband gyro z</translation>
    </message>
    <message>
        <source>rpm compensate tail</source>
        <translation>rpm compensate tail</translation>
    </message>
    <message>
        <source>acc right</source>
        <translation>acc right</translation>
    </message>
    <message>
        <source>deadband rc mainrotor</source>
        <translation>deadband rc mainrotor</translation>
    </message>
    <message>
        <source>burst coef</source>
        <translation>burst coef</translation>
    </message>
    <message>
        <source>dec left</source>
        <translation>dec left</translation>
    </message>
    <message>
        <source>deadband gyro xy</source>
        <translation>deadband gyro xy</translation>
    </message>
    <message>
        <source>roll agility</source>
        <translation>roll agility</translation>
    </message>
    <message>
        <source>dec right</source>
        <translation>dec right</translation>
    </message>
    <message>
        <source>tail compensate colle</source>
        <translation>tail compensate colle</translation>
    </message>
    <message>
        <source>pitch agility</source>
        <translation>pitch agility</translation>
    </message>
    <message>
        <source>acc mainrotor</source>
        <translation>acc mainrotor</translation>
    </message>
    <message>
        <source>tail compensate cyclic</source>
        <translation>tail compensate cyclic</translation>
    </message>
    <message>
        <source>left spin</source>
        <translation>left spin</translation>
    </message>
    <message>
        <source>dec mainrotor</source>
        <translation>dec mainrotor</translation>
    </message>
    <message>
        <source>tail compensate colle zero</source>
        <translation>tail compensate colle zero</translation>
    </message>
    <message>
        <source>Param5</source>
        <translation>Param5</translation>
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
        <translation>side dist</translation>
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
        <translation>ioc enable</translation>
    </message>
    <message>
        <source>max_v_byhand</source>
        <translation>max_v_byhand</translation>
    </message>
    <message>
        <source>max declinerate</source>
        <translation>max declinerate</translation>
    </message>
    <message>
        <source>cruise_vh_acc</source>
        <translation>cruise_vh_acc</translation>
    </message>
    <message>
        <source>flight trim phi</source>
        <translation>flight trim phi</translation>
    </message>
    <message>
        <source>reach dist alt</source>
        <translation>reach dist alt</translation>
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
        <translation>flight trim theta</translation>
    </message>
    <message>
        <source>max auto spin</source>
        <translation>max auto spin</translation>
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
        <translation>invert flight</translation>
    </message>
    <message>
        <source>max phi</source>
        <translation>max phi</translation>
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
        <translation>reserve1</translation>
    </message>
    <message>
        <source>max theta</source>
        <translation>max theta</translation>
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
        <translation>normal fail type</translation>
    </message>
    <message>
        <source>max vcruise</source>
        <translation>max vcruise</translation>
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
        <translation>gps cruise fail type</translation>
    </message>
    <message>
        <source>min vcruise</source>
        <translation>min vcruise</translation>
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
        <translation>turn back height</translation>
    </message>
    <message>
        <source>max climbrate</source>
        <translation>max climbrate</translation>
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
        <translation>Calib Volt</translation>
    </message>
    <message>
        <source>Test BEC</source>
        <translation>Test BEC</translation>
    </message>
    <message>
        <source>Calib RC Neu</source>
        <translation>Calib RC Neu</translation>
    </message>
    <message>
        <source>Start Calib RC Scale</source>
        <translation>Start Calib RC Scale</translation>
    </message>
    <message>
        <source>Stop Calib RC Scale</source>
        <translation>Stop Calib RC Scale</translation>
    </message>
    <message>
        <source>Bind DSM</source>
        <translation>Bind DSM</translation>
    </message>
    <message>
        <source>CH7</source>
        <translation>CH7</translation>
    </message>
    <message>
        <source>CH8</source>
        <translation>CH8</translation>
    </message>
    <message>
        <source>CH9</source>
        <translation>CH9</translation>
    </message>
    <message>
        <source>CH10</source>
        <translation>CH10</translation>
    </message>
    <message>
        <source>CH11</source>
        <translation>CH11</translation>
    </message>
    <message>
        <source>CH12</source>
        <translation>CH12</translation>
    </message>
    <message>
        <source>CH13</source>
        <translation>CH13</translation>
    </message>
    <message>
        <source>CH14</source>
        <translation>CH14</translation>
    </message>
    <message>
        <source>CH15</source>
        <translation>CH15</translation>
    </message>
    <message>
        <source>CH16</source>
        <translation>CH16</translation>
    </message>
</context>
<context>
    <name>LinkMessages</name>
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
    <name>OfflineConfiguration</name>
    <message>
        <source>Defaults</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source>Invalid parameter file: %1
%2</source>
        <translation>Invalid parameter file: %1
%2</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>it cannot be read</translation>
    </message>
    <message>
        <source>Cannot save the parameter file: %1</source>
        <translation>Cannot save the parameter file: %1</translation>
    </message>
</context>
<context>
    <name>OfflineEditor</name>
    <message>
        <source>ConfigFile(*.conf)</source>
        <translation>ConfigFile(*.conf)</translation>
    </message>
    <message>
        <source>Offline: %1</source>
        <translation>Offline: %1</translation>
    </message>
    <message>
        <source>Open Configuration</source>
        <translation>Open Configuration</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Save Configuration</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Saved %1</translation>
    </message>
    <message>
        <source>Save Configuration As</source>
        <translation>Save Configuration As</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 already exists.
Do you want to replace it?</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Unsaved Changes</translation>
    </message>
    <message>
        <source>%1 has unsaved changes.
Do you want to save them?</source>
        <translation>%1 has unsaved changes.
Do you want to save them?</translation>
    </message>
    <message>
        <source>The flight controller holds the same configuration as %1</source>
        <translation>The flight controller holds the same configuration as %1</translation>
    </message>
    <message>
        <source>The connection was lost before a choice was made: nothing was sent</source>
        <translation>The connection was lost before a choice was made: nothing was sent</translation>
    </message>
    <message>
        <source>Configuration and Flight Controller</source>
        <translation>Configuration and Flight Controller</translation>
    </message>
    <message numerus="yes">
        <source>The flight controller holds another configuration than %1: %n parameter(s) differ. Nothing is sent to the controller before you choose.</source>
        <translation>
            <numerusform>The flight controller holds another configuration than %1: %n parameter differs. Nothing is sent to the controller before you choose.</numerusform>
            <numerusform>The flight controller holds another configuration than %1: %n parameters differ. Nothing is sent to the controller before you choose.</numerusform>
        </translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Flight Controller</source>
        <translation>Flight Controller</translation>
    </message>
    <message>
        <source>Keep the Controller&apos;s</source>
        <translation>Keep the Controller&apos;s</translation>
    </message>
    <message>
        <source>Send This Configuration</source>
        <translation>Send This Configuration</translation>
    </message>
    <message>
        <source>Send Selected</source>
        <translation>Send Selected</translation>
    </message>
    <message>
        <source>Save as Preset...</source>
        <translation>Save as Preset...</translation>
    </message>
    <message>
        <source>Save as Preset</source>
        <translation>Save as Preset</translation>
    </message>
    <message>
        <source>The flight controller&apos;s configuration is kept; %1 is unchanged</source>
        <translation>The flight controller&apos;s configuration is kept; %1 is unchanged</translation>
    </message>
    <message>
        <source>Sending %1 to the flight controller...</source>
        <translation>Sending %1 to the flight controller...</translation>
    </message>
    <message>
        <source>Nothing was selected: the flight controller&apos;s configuration is kept</source>
        <translation>Nothing was selected: the flight controller&apos;s configuration is kept</translation>
    </message>
    <message numerus="yes">
        <source>Sending %n parameter(s) of %1 to the flight controller...</source>
        <translation>
            <numerusform>Sending %n parameter of %1 to the flight controller...</numerusform>
            <numerusform>Sending %n parameters of %1 to the flight controller...</numerusform>
        </translation>
    </message>
    <message>
        <source>Connect the flight controller or open a configuration first</source>
        <translation>Connect the flight controller or open a configuration first</translation>
    </message>
    <message>
        <source>Invalid preset: %1</source>
        <translation>Invalid preset: %1</translation>
    </message>
    <message>
        <source>The preset changes nothing</source>
        <translation>The preset changes nothing</translation>
    </message>
    <message>
        <source>Apply Preset</source>
        <translation>Apply Preset</translation>
    </message>
    <message numerus="yes">
        <source>%1 changes %n parameter(s):</source>
        <translation>
            <numerusform>%1 changes %n parameter:</numerusform>
            <numerusform>%1 changes %n parameters:</numerusform>
        </translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Now</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Preset</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message numerus="yes">
        <source>Preset %1 applied: %n parameter(s) changed</source>
        <translation>
            <numerusform>Preset %1 applied: %n parameter changed</numerusform>
            <numerusform>Preset %1 applied: %n parameters changed</numerusform>
        </translation>
    </message>
    <message>
        <source>Tick the parameters the preset holds.</source>
        <translation>Tick the parameters the preset holds.</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Save...</translation>
    </message>
    <message>
        <source>Cannot save the preset: %1</source>
        <translation>Cannot save the preset: %1</translation>
    </message>
    <message numerus="yes">
        <source>Saved preset %1 (%n parameter(s))</source>
        <translation>
            <numerusform>Saved preset %1 (%n parameter)</numerusform>
            <numerusform>Saved preset %1 (%n parameters)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ParameterBinder</name>
    <message>
        <source>Not sent yet: press Enter</source>
        <translation>Not sent yet: press Enter</translation>
    </message>
    <message>
        <source>The flight controller holds %1, outside %2</source>
        <translation>The flight controller holds %1, outside %2</translation>
    </message>
    <message>
        <source>The flight controller holds %1, which is none of the choices here</source>
        <translation>The flight controller holds %1, which is none of the choices here</translation>
    </message>
    <message>
        <source>Allowed: %1</source>
        <translation>Allowed: %1</translation>
    </message>
    <message>
        <source>Not sent. Allowed: %1</source>
        <translation>Not sent. Allowed: %1</translation>
    </message>
    <message>
        <source>%1 level %2</source>
        <translation>%1 level %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>ParameterFile</name>
    <message>
        <source>line %1 is not a key with a value</source>
        <translation>line %1 is not a key with a value</translation>
    </message>
    <message>
        <source>key %1 appears twice (lines %2 and %3)</source>
        <translation>key %1 appears twice (lines %2 and %3)</translation>
    </message>
    <message>
        <source>missing key %1 (%2)</source>
        <translation>missing key %1 (%2)</translation>
    </message>
    <message>
        <source>%1 (%2): &apos;%3&apos; is not a whole number</source>
        <translation>%1 (%2): &apos;%3&apos; is not a whole number</translation>
    </message>
    <message>
        <source>%1 (%2): %3 is outside %4 (%5..%6)</source>
        <translation>%1 (%2): %3 is outside %4 (%5..%6)</translation>
    </message>
    <message>
        <source>cannot write %1: no such folder</source>
        <translation>cannot write %1: no such folder</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>cannot write %1</translation>
    </message>
    <message>
        <source>cannot replace %1</source>
        <translation>cannot replace %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>cannot read %1</translation>
    </message>
    <message>
        <source>the file is larger than 64 KiB</source>
        <translation>the file is larger than 64 KiB</translation>
    </message>
    <message>
        <source>%1 is not a parameter file</source>
        <translation>%1 is not a parameter file</translation>
    </message>
    <message>
        <source>line %1: %2 is not a key of a parameter file</source>
        <translation>line %1: %2 is not a key of a parameter file</translation>
    </message>
    <message>
        <source>%1: holds no parameter</source>
        <translation>%1: holds no parameter</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, line %2: %3</translation>
    </message>
</context>
<context>
    <name>ParameterModel</name>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>FailSafe</source>
        <translation>FailSafe</translation>
    </message>
    <message>
        <source>IOC</source>
        <translation>IOC</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Limits</translation>
    </message>
    <message>
        <source>Param1</source>
        <translation>Param1</translation>
    </message>
    <message>
        <source>Param2</source>
        <translation>Param2</translation>
    </message>
    <message>
        <source>Param3</source>
        <translation>Param3</translation>
    </message>
    <message>
        <source>Param4</source>
        <translation>Param4</translation>
    </message>
    <message>
        <source>Param5</source>
        <translation>Param5</translation>
    </message>
    <message>
        <source>Motor Idel Speed</source>
        <translation>Motor Idel Speed</translation>
    </message>
    <message>
        <source>Enhanced Failsafe Methods</source>
        <translation>Enhanced Failsafe Methods</translation>
    </message>
    <message>
        <source>Go-Home Heading</source>
        <translation>Go-Home Heading</translation>
    </message>
    <message>
        <source>Go-Home Switch</source>
        <translation>Go-Home Switch</translation>
    </message>
    <message>
        <source>Go-Home Altitude</source>
        <translation>Go-Home Altitude</translation>
    </message>
    <message>
        <source>Intelligent Orientation Control</source>
        <translation>Intelligent Orientation Control</translation>
    </message>
    <message>
        <source>Altitude Limit</source>
        <translation>Altitude Limit</translation>
    </message>
    <message>
        <source>Distance Limit</source>
        <translation>Distance Limit</translation>
    </message>
    <message>
        <source>Forbiden Area Limit</source>
        <translation>Forbiden Area Limit</translation>
    </message>
    <message>
        <source>Servo Trim</source>
        <translation>Servo Trim</translation>
    </message>
    <message>
        <source>Servo Rev</source>
        <translation>Servo Rev</translation>
    </message>
    <message>
        <source>Rc Rev</source>
        <translation>Rc Rev</translation>
    </message>
    <message>
        <source>Channel Map</source>
        <translation>Channel Map</translation>
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
        <source>Towards</source>
        <translation>Towards</translation>
    </message>
    <message>
        <source>Backwards</source>
        <translation>Backwards</translation>
    </message>
    <message>
        <source>Course Lock</source>
        <translation>Course Lock</translation>
    </message>
    <message>
        <source>Home Lock</source>
        <translation>Home Lock</translation>
    </message>
    <message>
        <source>Point of Interest</source>
        <translation>Point of Interest</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>Function 1</source>
        <translation>Function 1</translation>
    </message>
    <message>
        <source>Function 2</source>
        <translation>Function 2</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
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
        <translation>Tail Servo Type</translation>
    </message>
    <message>
        <source>Swash Servo Type</source>
        <translation>Swash Servo Type</translation>
    </message>
    <message>
        <source>Tail Limit B</source>
        <translation>Tail Limit B</translation>
    </message>
    <message>
        <source>Tail Limit A</source>
        <translation>Tail Limit A</translation>
    </message>
    <message>
        <source>Ail Limit</source>
        <translation>Ail Limit</translation>
    </message>
    <message>
        <source>Ele Limit</source>
        <translation>Ele Limit</translation>
    </message>
    <message>
        <source>Coll Ratio</source>
        <translation>Coll Ratio</translation>
    </message>
    <message>
        <source>Receiver Type</source>
        <translation>Receiver Type</translation>
    </message>
    <message>
        <source>Model Type</source>
        <translation>Model Type</translation>
    </message>
    <message>
        <source>Motor Type</source>
        <translation>Motor Type</translation>
    </message>
    <message>
        <source>Swash Phase</source>
        <translation>Swash Phase</translation>
    </message>
    <message>
        <source>Installation</source>
        <translation>Installation</translation>
    </message>
    <message>
        <source>Motor Stop Type</source>
        <translation>Motor Stop Type</translation>
    </message>
    <message>
        <source>IMU Rotate</source>
        <translation>IMU Rotate</translation>
    </message>
    <message>
        <source>IMU Dist X</source>
        <translation>IMU Dist X</translation>
    </message>
    <message>
        <source>IMU Dist Y</source>
        <translation>IMU Dist Y</translation>
    </message>
    <message>
        <source>IMU Dist Z</source>
        <translation>IMU Dist Z</translation>
    </message>
    <message>
        <source>GPS Dist X</source>
        <translation>GPS Dist X</translation>
    </message>
    <message>
        <source>GPS Dist Y</source>
        <translation>GPS Dist Y</translation>
    </message>
    <message>
        <source>GPS Dist Z</source>
        <translation>GPS Dist Z</translation>
    </message>
    <message>
        <source>Governor Status</source>
        <translation>Governor Status</translation>
    </message>
    <message>
        <source>Waypoint Type</source>
        <translation>Waypoint Type</translation>
    </message>
    <message>
        <source>Battery Cell</source>
        <translation>Battery Cell</translation>
    </message>
    <message>
        <source>Safe Gard 1</source>
        <translation>Safe Gard 1</translation>
    </message>
    <message>
        <source>Safe Gard 2</source>
        <translation>Safe Gard 2</translation>
    </message>
    <message>
        <source>VoltProtect switch</source>
        <translation>VoltProtect switch</translation>
    </message>
    <message>
        <source>Loss Volt</source>
        <translation>Loss Volt</translation>
    </message>
    <message>
        <source>Protect Volt 1</source>
        <translation>Protect Volt 1</translation>
    </message>
    <message>
        <source>Protect Volt 2</source>
        <translation>Protect Volt 2</translation>
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
        <translation>Channel 7</translation>
    </message>
    <message>
        <source>Channel 8</source>
        <translation>Channel 8</translation>
    </message>
    <message>
        <source>Channel 9</source>
        <translation>Channel 9</translation>
    </message>
    <message>
        <source>Channel 10</source>
        <translation>Channel 10</translation>
    </message>
    <message>
        <source>Channel 11</source>
        <translation>Channel 11</translation>
    </message>
    <message>
        <source>Channel 12</source>
        <translation>Channel 12</translation>
    </message>
    <message>
        <source>Channel 13</source>
        <translation>Channel 13</translation>
    </message>
    <message>
        <source>Channel 14</source>
        <translation>Channel 14</translation>
    </message>
    <message>
        <source>Channel 15</source>
        <translation>Channel 15</translation>
    </message>
    <message>
        <source>Channel 16</source>
        <translation>Channel 16</translation>
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
        <translation>position</translation>
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
        <translation>rpm</translation>
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
        <translation>rpm compensate colle</translation>
    </message>
    <message>
        <source>rpm compensate cyclic</source>
        <translation>rpm compensate cyclic</translation>
    </message>
    <message>
        <source>rpm compensate tail</source>
        <translation>rpm compensate tail</translation>
    </message>
    <message>
        <source>burst coef</source>
        <translation>burst coef</translation>
    </message>
    <message>
        <source>roll agility</source>
        <translation>roll agility</translation>
    </message>
    <message>
        <source>pitch agility</source>
        <translation>pitch agility</translation>
    </message>
    <message>
        <source>left spin</source>
        <translation>left spin</translation>
    </message>
    <message>
        <source>right spin</source>
        <translation>right spin</translation>
    </message>
    <message>
        <source>acc left</source>
        <translation>acc left</translation>
    </message>
    <message>
        <source>acc right</source>
        <translation>acc right</translation>
    </message>
    <message>
        <source>dec left</source>
        <translation>dec left</translation>
    </message>
    <message>
        <source>dec right</source>
        <translation>dec right</translation>
    </message>
    <message>
        <source>acc mainrotor</source>
        <translation>acc mainrotor</translation>
    </message>
    <message>
        <source>dec mainrotor</source>
        <translation>dec mainrotor</translation>
    </message>
    <message>
        <source>deadband rc rudder</source>
        <translation>deadband rc rudder</translation>
    </message>
    <message>
        <source>deadband gyro z</source>
        <translation>deadband gyro z</translation>
    </message>
    <message>
        <source>deadband rc mainrotor</source>
        <translation>deadband rc mainrotor</translation>
    </message>
    <message>
        <source>deadband gyro xy</source>
        <translation>deadband gyro xy</translation>
    </message>
    <message>
        <source>tail compensate colle</source>
        <translation>tail compensate colle</translation>
    </message>
    <message>
        <source>tail compensate cyclic</source>
        <translation>tail compensate cyclic</translation>
    </message>
    <message>
        <source>tail compensate colle zero</source>
        <translation>tail compensate colle zero</translation>
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
        <translation>side dist</translation>
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
        <translation>IOC Enable</translation>
    </message>
    <message>
        <source>Middle stick position</source>
        <translation>Middle stick position</translation>
    </message>
    <message>
        <source>Right stick position</source>
        <translation>Right stick position</translation>
    </message>
    <message>
        <source>flight trim phi</source>
        <translation>flight trim phi</translation>
    </message>
    <message>
        <source>flight trim theta</source>
        <translation>flight trim theta</translation>
    </message>
    <message>
        <source>invert flight</source>
        <translation>invert flight</translation>
    </message>
    <message>
        <source>reserve1</source>
        <translation>reserve1</translation>
    </message>
    <message>
        <source>gps cruise fail type</source>
        <translation>gps cruise fail type</translation>
    </message>
    <message>
        <source>Go-Home Enable</source>
        <translation>Go-Home Enable</translation>
    </message>
    <message>
        <source>max_v_byhand</source>
        <translation>max_v_byhand</translation>
    </message>
    <message>
        <source>reach dist alt</source>
        <translation>reach dist alt</translation>
    </message>
    <message>
        <source>max auto spin</source>
        <translation>max auto spin</translation>
    </message>
    <message>
        <source>max phi</source>
        <translation>max phi</translation>
    </message>
    <message>
        <source>max theta</source>
        <translation>max theta</translation>
    </message>
    <message>
        <source>max vcruise</source>
        <translation>max vcruise</translation>
    </message>
    <message>
        <source>min vcruise</source>
        <translation>min vcruise</translation>
    </message>
    <message>
        <source>max climbrate</source>
        <translation>max climbrate</translation>
    </message>
    <message>
        <source>max declinerate</source>
        <translation>max declinerate</translation>
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
        <translation>Max Radius</translation>
    </message>
    <message>
        <source>Max Altitude</source>
        <translation>Max Altitude</translation>
    </message>
    <message>
        <source>max_phi_byhand</source>
        <translation>max_phi_byhand</translation>
    </message>
    <message>
        <source>Spare byte %1</source>
        <translation>Spare byte %1</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>Internal</source>
        <translation>Internal</translation>
    </message>
    <message>
        <source>Not shown</source>
        <translation>Not shown</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>metres</translation>
    </message>
    <message>
        <source>volts</source>
        <translation>volts</translation>
    </message>
</context>
<context>
    <name>ParameterRestore</name>
    <message>
        <source>Restoring the parameters failed</source>
        <translation>Restoring the parameters failed</translation>
    </message>
    <message>
        <source>Parameters restored from before the upgrade</source>
        <translation>Parameters restored from before the upgrade</translation>
    </message>
    <message>
        <source>Restoring the parameters failed: the flight controller did not take %1</source>
        <translation>Restoring the parameters failed: the flight controller did not take %1</translation>
    </message>
</context>
<context>
    <name>RecordingPlot</name>
    <message>
        <source>The recording has no rows yet. Reload reads the file again.</source>
        <translation>The recording has no rows yet. Reload reads the file again.</translation>
    </message>
</context>
<context>
    <name>RecordingReader</name>
    <message>
        <source>%1 cannot be read: there is not enough memory for it</source>
        <translation>%1 cannot be read: there is not enough memory for it</translation>
    </message>
</context>
<context>
    <name>RecordingViewerWindow</name>
    <message>
        <source>%1 - Recording</source>
        <translation>%1 - Recording</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Reading %1...</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source>Open Recording</source>
        <translation>Open Recording</translation>
    </message>
    <message numerus="yes">
        <source>The last %n line(s) of the file were cut short and are left out.</source>
        <translation>
            <numerusform>The last line of the file was cut short and is left out.</numerusform>
            <numerusform>The last %n lines of the file were cut short and are left out.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) over %1</source>
        <translation>
            <numerusform>%n row over %1</numerusform>
            <numerusform>%n rows over %1</numerusform>
        </translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <translation>From %1 to %2</translation>
    </message>
    <message numerus="yes">
        <source>Length %1, %n row(s)</source>
        <translation>
            <numerusform>Length %1, %n row</numerusform>
            <numerusform>Length %1, %n rows</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 could not be written: %2</translation>
    </message>
    <message>
        <source>%1 is the recording shown: choose another name for the span.</source>
        <translation>%1 is the recording shown: choose another name for the span.</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Export Picture</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG pictures (*.png)</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>Telemetry recordings (*.csv)</source>
        <translation>Telemetry recordings (*.csv)</translation>
    </message>
    <message>
        <source>Telemetry recordings (*.csv);;All files (*)</source>
        <translation>Telemetry recordings (*.csv);;All files (*)</translation>
    </message>
</context>
<context>
    <name>RecordingViewerWindowUi</name>
    <message>
        <source>Recording</source>
        <translation>Recording</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Channels</translation>
    </message>
    <message>
        <source>Tick the channels to plot; each kind of value gets its own plot</source>
        <translation>Tick the channels to plot; each kind of value gets its own plot</translation>
    </message>
    <message>
        <source>Shows the whole recording (Home)</source>
        <translation>Shows the whole recording (Home)</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Reads the file again, with what has been recorded since it was opened</source>
        <translation>Reads the file again, with what has been recorded since it was opened</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source>Saves the plots as they are shown as a PNG picture</source>
        <translation>Saves the plots as they are shown as a PNG picture</translation>
    </message>
    <message>
        <source>Export Picture...</source>
        <translation>Export Picture...</translation>
    </message>
    <message>
        <source>Saves the rows of the span shown as a recording of its own</source>
        <translation>Saves the rows of the span shown as a recording of its own</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Export CSV...</translation>
    </message>
    <message>
        <source>Span Shown</source>
        <translation>Span Shown</translation>
    </message>
    <message>
        <source>Minimum, maximum and mean of each channel shown, over the span shown</source>
        <translation>Minimum, maximum and mean of each channel shown, over the span shown</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Recorded channels</source>
        <translation>Recorded channels</translation>
    </message>
    <message>
        <source>Span and help</source>
        <translation>Span and help</translation>
    </message>
</context>
<context>
    <name>ScopePlot</name>
    <message>
        <source>now</source>
        <translation>now</translation>
    </message>
    <message>
        <source>-%1 s</source>
        <translation>-%1 s</translation>
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
    <name>SensorScopeWindow</name>
    <message>
        <source>Resume</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
</context>
<context>
    <name>SensorScopeWindowUi</name>
    <message>
        <source>Sensor Scope</source>
        <translation>Sensor Scope</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Channels</translation>
    </message>
    <message>
        <source>Tick the channels to plot; each kind of value gets its own plot</source>
        <translation>Tick the channels to plot; each kind of value gets its own plot</translation>
    </message>
    <message>
        <source>Time window</source>
        <translation>Time window</translation>
    </message>
    <message>
        <source>10 s</source>
        <translation>10 s</translation>
    </message>
    <message>
        <source>60 s</source>
        <translation>60 s</translation>
    </message>
    <message>
        <source>Holds the picture; telemetry is still collected meanwhile</source>
        <translation>Holds the picture; telemetry is still collected meanwhile</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
</context>
<context>
    <name>SnapshotRecorder</name>
    <message>
        <source>partly refused</source>
        <translation>partly refused</translation>
    </message>
</context>
<context>
    <name>TelemetryRecorder</name>
    <message>
        <source>%1 could not be written</source>
        <translation>%1 could not be written</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created</source>
        <translation>The folder %1 cannot be created</translation>
    </message>
    <message>
        <source>No file can be created in %1: %2</source>
        <translation>No file can be created in %1: %2</translation>
    </message>
    <message>
        <source>%1: %2 keeps the rows written before</source>
        <translation>%1: %2 keeps the rows written before</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>the disk is full</translation>
    </message>
</context>
<context>
    <name>TelemetryRecording</name>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, line %2: %3</translation>
    </message>
    <message>
        <source>%1 values where %2 are expected</source>
        <translation>%1 values where %2 are expected</translation>
    </message>
    <message>
        <source>%1 is not a number: &apos;%2&apos;</source>
        <translation>%1 is not a number: &apos;%2&apos;</translation>
    </message>
    <message>
        <source>the time %1 ms comes before the line above (%2 ms)</source>
        <translation>the time %1 ms comes before the line above (%2 ms)</translation>
    </message>
    <message>
        <source>%1: the file is empty</source>
        <translation>%1: the file is empty</translation>
    </message>
    <message>
        <source>%1: the file is larger than 256 MiB</source>
        <translation>%1: the file is larger than 256 MiB</translation>
    </message>
    <message>
        <source>binary data, not a telemetry recording</source>
        <translation>binary data, not a telemetry recording</translation>
    </message>
    <message>
        <source>this is not the header of a telemetry recording</source>
        <translation>this is not the header of a telemetry recording</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 cannot be read: %2</translation>
    </message>
    <message>
        <source>%1: reading was stopped</source>
        <translation>%1: reading was stopped</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 is not a file</translation>
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
    <message>
        <source>Recording %1  %2</source>
        <translation>Recording %1  %2</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Recording could not start: %1</source>
        <translation>Recording could not start: %1</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Stop Recording</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Saved %1</translation>
    </message>
    <message>
        <source>Recording stopped: %1</source>
        <translation>Recording stopped: %1</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 already exists.
Do you want to replace it?</translation>
    </message>
    <message>
        <source>No configuration is open offline</source>
        <translation>No configuration is open offline</translation>
    </message>
    <message>
        <source>Gyroscope</source>
        <translation>Gyroscope</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Acceleration</translation>
    </message>
    <message>
        <source>degrees per second</source>
        <translation>degrees per second</translation>
    </message>
    <message>
        <source>metres per second squared</source>
        <translation>metres per second squared</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>degrees</translation>
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
        <translation>magnitude</translation>
    </message>
    <message>
        <source>Compass error</source>
        <translation>Compass error</translation>
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
        <source>Altitude</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>metres</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
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
    <message>
        <source>Records every telemetry cycle into a CSV file in your documents folder (while connected)</source>
        <translation>Records every telemetry cycle into a CSV file in your documents folder (while connected)</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Opens a window with rolling plots of the chosen channels</source>
        <translation>Opens a window with rolling plots of the chosen channels</translation>
    </message>
    <message>
        <source>Sensor Scope...</source>
        <translation>Sensor Scope...</translation>
    </message>
    <message>
        <source>Every configuration the assistant has seen: compare and restore them</source>
        <translation>Every configuration the assistant has seen: compare and restore them</translation>
    </message>
    <message>
        <source>Configuration History...</source>
        <translation>Configuration History...</translation>
    </message>
    <message>
        <source>Opens a telemetry recording (CSV) in a viewer: zoom, read values, compare spans</source>
        <translation>Opens a telemetry recording (CSV) in a viewer: zoom, read values, compare spans</translation>
    </message>
    <message>
        <source>Open Recording...</source>
        <translation>Open Recording...</translation>
    </message>
    <message>
        <source>Open a parameter file without the flight controller: the pages show it and edits change it</source>
        <translation>Open a parameter file without the flight controller: the pages show it and edits change it</translation>
    </message>
    <message>
        <source>Open Configuration...</source>
        <translation>Open Configuration...</translation>
    </message>
    <message>
        <source>A new configuration of default values, edited without the flight controller</source>
        <translation>A new configuration of default values, edited without the flight controller</translation>
    </message>
    <message>
        <source>New from Defaults</source>
        <translation>New from Defaults</translation>
    </message>
    <message>
        <source>Save the offline configuration to its file (Ctrl+S)</source>
        <translation>Save the offline configuration to its file (Ctrl+S)</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Save Configuration</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <source>Apply a file of some parameters to what the pages show</source>
        <translation>Apply a file of some parameters to what the pages show</translation>
    </message>
    <message>
        <source>Apply Preset...</source>
        <translation>Apply Preset...</translation>
    </message>
    <message>
        <source>Save chosen parameters of what the pages show as a preset</source>
        <translation>Save chosen parameters of what the pages show as a preset</translation>
    </message>
    <message>
        <source>Save as Preset...</source>
        <translation>Save as Preset...</translation>
    </message>
</context>
<context>
    <name>TransferWatch</name>
    <message>
        <source>The update server sent nothing for %1 s.</source>
        <translation>The update server sent nothing for %1 s.</translation>
    </message>
    <message>
        <source>The update server did not send the update information within %1 s.</source>
        <translation>The update server did not send the update information within %1 s.</translation>
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
        <source>Keep the flight controller powered and connected while its firmware is upgraded.</source>
        <translation>Keep the flight controller powered and connected while its firmware is upgraded.</translation>
    </message>
</context>
<context>
    <name>UpgradeGuard</name>
    <message>
        <source>The flight controller does not answer on the link: its parameters were not saved.</source>
        <translation>The flight controller does not answer on the link: its parameters were not saved.</translation>
    </message>
    <message>
        <source>The parameters could not be saved before the upgrade (%1): nothing was flashed.</source>
        <translation>The parameters could not be saved before the upgrade (%1): nothing was flashed.</translation>
    </message>
    <message>
        <source>Parameters saved before the upgrade: %1</source>
        <translation>Parameters saved before the upgrade: %1</translation>
    </message>
    <message>
        <source>The flight controller answers, but its parameters could not be read: nothing was flashed.</source>
        <translation>The flight controller answers, but its parameters could not be read: nothing was flashed.</translation>
    </message>
    <message>
        <source>Nothing was flashed.</source>
        <translation>Nothing was flashed.</translation>
    </message>
    <message>
        <source>The flight controller waits in its bootloader: its parameters cannot be read now.</source>
        <translation>The flight controller waits in its bootloader: its parameters cannot be read now.</translation>
    </message>
    <message>
        <source>The parameters saved from it at %1 (firmware %2) are offered after the upgrade.</source>
        <translation>The parameters saved from it at %1 (firmware %2) are offered after the upgrade.</translation>
    </message>
</context>
<context>
    <name>UpgradeMessages</name>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>%1 open OK</source>
        <translation>%1 open OK</translation>
    </message>
    <message>
        <source>%1 open error</source>
        <translation>%1 open error</translation>
    </message>
    <message>
        <source>Version Error</source>
        <translation>Version Error</translation>
    </message>
    <message>
        <source>Send Check Error</source>
        <translation>Send Check Error</translation>
    </message>
    <message>
        <source>Recv Check Error</source>
        <translation>Recv Check Error</translation>
    </message>
    <message>
        <source>Timeout Error</source>
        <translation>Timeout Error</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>File Error</translation>
    </message>
    <message>
        <source>File open OK</source>
        <translation>File open OK</translation>
    </message>
    <message>
        <source>File Open Error</source>
        <translation>File Open Error</translation>
    </message>
    <message>
        <source>Erase Error</source>
        <translation>Erase Error</translation>
    </message>
    <message>
        <source>File Size Error</source>
        <translation>File Size Error</translation>
    </message>
    <message>
        <source>Length Error</source>
        <translation>Length Error</translation>
    </message>
    <message>
        <source>Upgrading now, please wait...</source>
        <translation>Upgrading now, please wait...</translation>
    </message>
    <message>
        <source>Upgraded OK</source>
        <translation>Upgraded OK</translation>
    </message>
    <message>
        <source>Address Error</source>
        <translation>Address Error</translation>
    </message>
    <message>
        <source>Flash Error</source>
        <translation>Flash Error</translation>
    </message>
    <message>
        <source>Head Error</source>
        <translation>Head Error</translation>
    </message>
    <message>
        <source>Go to App Error</source>
        <translation>Go to App Error</translation>
    </message>
    <message>
        <source>Device Error, please check module connection</source>
        <translation>Device Error, please check module connection</translation>
    </message>
    <message>
        <source>State Error</source>
        <translation>State Error</translation>
    </message>
    <message>
        <source>The flight controller keeps its firmware</source>
        <translation>The flight controller keeps its firmware</translation>
    </message>
    <message>
        <source>Not flashed: the firmware is not newer than the installed one</source>
        <translation>Not flashed: the firmware is not newer than the installed one</translation>
    </message>
    <message>
        <source>The flight controller waits in its bootloader; its firmware is whole</source>
        <translation>The flight controller waits in its bootloader; its firmware is whole</translation>
    </message>
</context>
<context>
    <name>UpgradeQuestion</name>
    <message>
        <source>Stopping now leaves the flight controller without working firmware until it is upgraded again. Stop anyway?</source>
        <translation>Stopping now leaves the flight controller without working firmware until it is upgraded again. Stop anyway?</translation>
    </message>
    <message>
        <source>Firmware Upgrade</source>
        <translation>Firmware Upgrade</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Stop the upgrade? Nothing has been erased yet: the flight controller keeps its firmware.</source>
        <translation>Stop the upgrade? Nothing has been erased yet: the flight controller keeps its firmware.</translation>
    </message>
    <message numerus="yes">
        <source>Restore the %n parameters saved before the upgrade from the flight controller on %1 at %2 (firmware %3)?</source>
        <translation>
            <numerusform>Restore the %n parameter saved before the upgrade from the flight controller on %1 at %2 (firmware %3)?</numerusform>
            <numerusform>Restore the %n parameters saved before the upgrade from the flight controller on %1 at %2 (firmware %3)?</numerusform>
        </translation>
    </message>
    <message>
        <source>Firmware %1 is the version already installed. Flash it again anyway?</source>
        <translation>Firmware %1 is the version already installed. Flash it again anyway?</translation>
    </message>
    <message>
        <source>Firmware %1 is older than the installed %2. Flash anyway?</source>
        <translation>Firmware %1 is older than the installed %2. Flash anyway?</translation>
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
    <name>contentWidget</name>
    <message>
        <source>The snapshot could not be saved: %1</source>
        <translation>The snapshot could not be saved: %1</translation>
    </message>
    <message>
        <source>Nothing undone: %1</source>
        <translation>Nothing undone: %1</translation>
    </message>
    <message>
        <source>Import Parameters</source>
        <translation>Import Parameters</translation>
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
    <message>
        <source>The setting could not be saved: %1 is not writable</source>
        <translation>The setting could not be saved: %1 is not writable</translation>
    </message>
    <message>
        <source>The settings file %1 was damaged and has been replaced; the language and port were kept where they could be read</source>
        <translation>The settings file %1 was damaged and has been replaced; the language and port were kept where they could be read</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>%1 cannot be opened: Skydesk opens telemetry recordings (.csv) and parameter files (.conf) named on its command line.</source>
        <translation>%1 cannot be opened: Skydesk opens telemetry recordings (.csv) and parameter files (.conf) named on its command line.</translation>
    </message>
</context>
<context>
    <name>statusWidget</name>
    <message>
        <source>Parameters uploaded and verified</source>
        <translation>Parameters uploaded and verified</translation>
    </message>
    <message>
        <source>The flight controller did not accept: %1</source>
        <translation>The flight controller did not accept: %1</translation>
    </message>
    <message>
        <source>Lost the flight controller on %1: it reconnects when the port comes back</source>
        <translation>Lost the flight controller on %1: it reconnects when the port comes back</translation>
    </message>
    <message>
        <source>Reconnected to %1</source>
        <translation>Reconnected to %1</translation>
    </message>
    <message>
        <source>COMPort open failed: %1: no such device</source>
        <translation>COMPort open failed: %1: no such device</translation>
    </message>
    <message>
        <source>COMPort open failed: %1: permission denied (on Linux: add your user to the dialout group and log in again)</source>
        <translation>COMPort open failed: %1: permission denied (on Linux: add your user to the dialout group and log in again)</translation>
    </message>
    <message>
        <source>COMPort open failed: %1 is in use by another program</source>
        <translation>COMPort open failed: %1 is in use by another program</translation>
    </message>
    <message>
        <source>COMPort open failed: %1</source>
        <translation>COMPort open failed: %1</translation>
    </message>
    <message>
        <source>COMPort open failed: %1: %2</source>
        <translation>COMPort open failed: %1: %2</translation>
    </message>
    <message>
        <source>Upgrading firmware...</source>
        <translation>Upgrading firmware...</translation>
    </message>
    <message>
        <source>The flight controller is waiting for firmware</source>
        <translation>The flight controller is waiting for firmware</translation>
    </message>
    <message>
        <source>Another program is reading %1: close it, then connect again</source>
        <translation>Another program is reading %1: close it, then connect again</translation>
    </message>
    <message>
        <source>The flight controller stopped answering during the upload: it was sent again once the controller answered</source>
        <translation>The flight controller stopped answering during the upload: it was sent again once the controller answered</translation>
    </message>
    <message>
        <source>%1 went away during the upload: the flight controller may not hold %2</source>
        <translation>%1 went away during the upload: the flight controller may not hold %2</translation>
    </message>
    <message>
        <source>COMPort open failed: %1 is not a serial port</source>
        <translation>COMPort open failed: %1 is not a serial port</translation>
    </message>
    <message>
        <source>COMPort open failed: no port is chosen</source>
        <translation>COMPort open failed: no port is chosen</translation>
    </message>
    <message>
        <source>COMPort open failed: %1 is not a port name</source>
        <translation>COMPort open failed: %1 is not a port name</translation>
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
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimise</translation>
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
    <message>
        <source>Internal</source>
        <translation>Internal</translation>
    </message>
    <message>
        <source>%1 page (%2)</source>
        <translation>%1 page (%2)</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>Serial port</translation>
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
        <source>Upgrade Progress: %1%</source>
        <translation>Upgrade Progress: %1%</translation>
    </message>
    <message>
        <source>The flight controller is waiting for firmware: its last upgrade did not finish. Choose a firmware file and press Start Upgrade to repair it.</source>
        <translation>The flight controller is waiting for firmware: its last upgrade did not finish. Choose a firmware file and press Start Upgrade to repair it.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>The software updater is not installed: update with your package manager</source>
        <translation>The software updater is not installed: update with your package manager</translation>
    </message>
</context>
</TS>
