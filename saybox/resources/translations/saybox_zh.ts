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
    <message>
        <source>%1 has grown to %2 since it was attached: each picture must be at most 1 MB.</source>
        <translation>%1 自添加后已增大到 %2：每张图片最大 1 MB。</translation>
    </message>
    <message>
        <source>%1 has grown to %2 since it was attached: pictures and files together must be at most 5 MB.</source>
        <translation>%1 自添加后已增大到 %2：图片和文件合计最大 5 MB。</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 不存在。</translation>
    </message>
    <message>
        <source>%1 is a folder: only files can be attached.</source>
        <translation>%1 是文件夹：只能添加文件。</translation>
    </message>
    <message>
        <source>%1 is not an ordinary file (it is a device, a pipe or a socket): only files can be attached.</source>
        <translation>%1 不是普通文件（而是设备、管道或套接字）：只能添加文件。</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>无法读取 %1。</translation>
    </message>
    <message>
        <source>%1 is too large a picture (%2 × %3 pixels): pictures of up to 16 megapixels can be attached.</source>
        <translation>图片 %1 太大（%2 × %3 像素）：只能添加最多 1600 万像素的图片。</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>您的留言</translation>
    </message>
    <message>
        <source>Kind of contact</source>
        <translation>联系方式类型</translation>
    </message>
    <message>
        <source>Your contact</source>
        <translation>您的联系方式</translation>
    </message>
    <message>
        <source>Remove picture %1</source>
        <translation>删除图片 %1</translation>
    </message>
    <message>
        <source>Remove file %1</source>
        <translation>删除文件 %1</translation>
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
    <message>
        <source>The attached file %1 changed while it was being sent. Please attach it again.</source>
        <translation>附件 %1 在发送过程中发生了变化。请重新添加。</translation>
    </message>
    <message>
        <source>The feedback server stopped answering, please check your network, try again later...</source>
        <translation>反馈服务器已停止响应，请检查您的网络，稍后再试...</translation>
    </message>
    <message>
        <source>The feedback server refused the login. Please try again later...</source>
        <translation>反馈服务器拒绝了登录。请稍后再试...</translation>
    </message>
    <message>
        <source>The feedback server is full, please try again later...</source>
        <translation>反馈服务器已满，请稍后再试...</translation>
    </message>
    <message>
        <source>The feedback server did not store the file &lt;i&gt;%1&lt;/i&gt; completely, please try again later...</source>
        <translation>反馈服务器未能完整保存文件 &lt;i&gt;%1&lt;/i&gt;，请稍后再试...</translation>
    </message>
    <message>
        <source>The feedback server did not store your message completely, please try again later...</source>
        <translation>反馈服务器未能完整保存您的留言，请稍后再试...</translation>
    </message>
    <message>
        <source>The feedback server refused the file &lt;i&gt;%1&lt;/i&gt;, please try again later...</source>
        <translation>反馈服务器拒绝了文件 &lt;i&gt;%1&lt;/i&gt;，请稍后再试...</translation>
    </message>
    <message>
        <source>The feedback server refused the submission, please try again later...</source>
        <translation>反馈服务器拒绝了提交，请稍后再试...</translation>
    </message>
    <message>
        <source>%1 of %2 sent (%3%)</source>
        <translation>已发送 %1 / %2（%3%）</translation>
    </message>
</context>
</TS>
