<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>GLMainWidget</name>
    <message>
        <source>Feedback</source>
        <translation>意见反馈</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Your feedback is still being sent. Stop sending?</source>
        <translation>您的反馈仍在发送中。要停止发送吗？</translation>
    </message>
    <message>
        <source>Stop sending</source>
        <translation>停止发送</translation>
    </message>
    <message>
        <source>Keep sending</source>
        <translation>继续发送</translation>
    </message>
</context>
<context>
    <name>GLSayboxClient</name>
    <message>
        <source>Saybox</source>
        <translation>Saybox</translation>
    </message>
    <message>
        <source>&lt;span style=&quot; font-size:10pt; font-weight:600; color:#00007f;&quot;&gt;Do you have any questions or suggestions want to say to us?&lt;/span&gt;</source>
        <translation>&lt;span style=&quot; font-size:10pt; font-weight:600; color:#00007f;&quot;&gt;您有什么问题或建议想告诉我们吗？&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>添加附件</translation>
    </message>
    <message>
        <source>Add Pictures</source>
        <translation>添加图片</translation>
    </message>
    <message>
        <source>&lt;span style=&quot; font-weight:600; color:#00007f;&quot;&gt;Your Contact:&lt;/span&gt;</source>
        <translation>&lt;span style=&quot; font-weight:600; color:#00007f;&quot;&gt;您的联系方式：&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>电子邮件</translation>
    </message>
    <message>
        <source>Tel</source>
        <translation>电话</translation>
    </message>
    <message>
        <source>MSN</source>
        <translation>MSN</translation>
    </message>
    <message>
        <source>QQ</source>
        <translation>QQ</translation>
    </message>
    <message>
        <source>Please leave the contact information to help us quickly locate the reason of your promblem.</source>
        <translation>请留下您的联系方式，以便我们尽快找到问题的原因。</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>提交</translation>
    </message>
    <message>
        <source>Only support uploading 3 pictures!</source>
        <translation>最多只能上传 3 张图片！</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>打开图片</translation>
    </message>
    <message>
        <source>Image Files(*.jpg *.png *.gif *.bmp)</source>
        <translation>图片文件(*.jpg *.png *.gif *.bmp)</translation>
    </message>
    <message>
        <source>Only support uploading 3 attachments!</source>
        <translation>最多只能上传 3 个附件！</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Each picture size must less than 1M bytes!</source>
        <translation>每张图片必须小于 1M 字节！</translation>
    </message>
    <message>
        <source>File size must less than 5M bytes!</source>
        <translation>文件总大小必须小于 5M 字节！</translation>
    </message>
    <message>
        <source>This file has been added!</source>
        <translation>该文件已添加！</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Not a picture: %1</source>
        <translation>不是图片：%1</translation>
    </message>
</context>
<context>
    <name>GLUploadStatus</name>
    <message>
        <source>Saybox</source>
        <translation>Saybox</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#00007f;&quot;&gt;Being submitted, please wait...&lt;/span&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#00007f;&quot;&gt;正在提交，请稍候...&lt;/span&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#ff0000;&quot;&gt;Submit error, please check your network, try again later...&lt;/span&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#ff0000;&quot;&gt;提交失败，请检查您的网络，稍后再试...&lt;/span&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#00007f;&quot;&gt;Your problem has submitted sucessfully! &lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#00007f;&quot;&gt;We will find a solution as quickly as possible.&lt;/span&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#00007f;&quot;&gt;您的问题已成功提交！&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#00007f;&quot;&gt;我们会尽快找到解决办法。&lt;/span&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>The attached file %1 can no longer be read. Please remove it or attach it again.</source>
        <translation>无法再读取附件 %1。请删除该附件或重新添加。</translation>
    </message>
</context>
</TS>
