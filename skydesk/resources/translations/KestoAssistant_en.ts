<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
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
</TS>
