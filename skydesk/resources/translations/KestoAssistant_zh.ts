<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
</TS>
