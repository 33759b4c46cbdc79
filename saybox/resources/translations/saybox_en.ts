<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>GLMainWidget</name>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>Your feedback is still being sent. Stop sending?</source>
        <translation>Your feedback is still being sent. Stop sending?</translation>
    </message>
    <message>
        <source>Stop sending</source>
        <translation>Stop sending</translation>
    </message>
    <message>
        <source>Keep sending</source>
        <translation>Keep sending</translation>
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
        <translation>&lt;span style=&quot; font-size:10pt; font-weight:600; color:#00007f;&quot;&gt;Do you have any questions or suggestions want to say to us?&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Add Files</translation>
    </message>
    <message>
        <source>Add Pictures</source>
        <translation>Add Pictures</translation>
    </message>
    <message>
        <source>&lt;span style=&quot; font-weight:600; color:#00007f;&quot;&gt;Your Contact:&lt;/span&gt;</source>
        <translation>&lt;span style=&quot; font-weight:600; color:#00007f;&quot;&gt;Your Contact:&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Tel</source>
        <translation>Tel</translation>
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
        <translation>Please leave the contact information to help us quickly locate the reason of your promblem.</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Submit</translation>
    </message>
    <message>
        <source>Only support uploading 3 pictures!</source>
        <translation>Only support uploading 3 pictures!</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Open Image</translation>
    </message>
    <message>
        <source>Image Files(*.jpg *.png *.gif *.bmp)</source>
        <translation>Image Files(*.jpg *.png *.gif *.bmp)</translation>
    </message>
    <message>
        <source>Only support uploading 3 attachments!</source>
        <translation>Only support uploading 3 attachments!</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>Each picture size must less than 1M bytes!</source>
        <translation>Each picture size must less than 1M bytes!</translation>
    </message>
    <message>
        <source>File size must less than 5M bytes!</source>
        <translation>File size must less than 5M bytes!</translation>
    </message>
    <message>
        <source>This file has been added!</source>
        <translation>This file has been added!</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>Not a picture: %1</source>
        <translation>Not a picture: %1</translation>
    </message>
    <message>
        <source>%1 has grown to %2 since it was attached: each picture must be at most 1 MB.</source>
        <translation>%1 has grown to %2 since it was attached: each picture must be at most 1 MB.</translation>
    </message>
    <message>
        <source>%1 has grown to %2 since it was attached: pictures and files together must be at most 5 MB.</source>
        <translation>%1 has grown to %2 since it was attached: pictures and files together must be at most 5 MB.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 does not exist.</translation>
    </message>
    <message>
        <source>%1 is a folder: only files can be attached.</source>
        <translation>%1 is a folder: only files can be attached.</translation>
    </message>
    <message>
        <source>%1 is not an ordinary file (it is a device, a pipe or a socket): only files can be attached.</source>
        <translation>%1 is not an ordinary file (it is a device, a pipe or a socket): only files can be attached.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 cannot be read.</translation>
    </message>
    <message>
        <source>%1 is too large a picture (%2 × %3 pixels): pictures of up to 16 megapixels can be attached.</source>
        <translation>%1 is too large a picture (%2 × %3 pixels): pictures of up to 16 megapixels can be attached.</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Your message</translation>
    </message>
    <message>
        <source>Kind of contact</source>
        <translation>Kind of contact</translation>
    </message>
    <message>
        <source>Your contact</source>
        <translation>Your contact</translation>
    </message>
    <message>
        <source>Remove picture %1</source>
        <translation>Remove picture %1</translation>
    </message>
    <message>
        <source>Remove file %1</source>
        <translation>Remove file %1</translation>
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
        <translation>&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#00007f;&quot;&gt;Being submitted, please wait...&lt;/span&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#ff0000;&quot;&gt;Submit error, please check your network, try again later...&lt;/span&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#ff0000;&quot;&gt;Submit error, please check your network, try again later...&lt;/span&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#00007f;&quot;&gt;Your problem has submitted sucessfully! &lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#00007f;&quot;&gt;We will find a solution as quickly as possible.&lt;/span&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#00007f;&quot;&gt;Your problem has submitted sucessfully! &lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#00007f;&quot;&gt;We will find a solution as quickly as possible.&lt;/span&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>The attached file %1 can no longer be read. Please remove it or attach it again.</source>
        <translation>The attached file %1 can no longer be read. Please remove it or attach it again.</translation>
    </message>
    <message>
        <source>The attached file %1 changed while it was being sent. Please attach it again.</source>
        <translation>The attached file %1 changed while it was being sent. Please attach it again.</translation>
    </message>
    <message>
        <source>The feedback server stopped answering, please check your network, try again later...</source>
        <translation>The feedback server stopped answering, please check your network, try again later...</translation>
    </message>
    <message>
        <source>The feedback server refused the login. Please try again later...</source>
        <translation>The feedback server refused the login. Please try again later...</translation>
    </message>
    <message>
        <source>The feedback server is full, please try again later...</source>
        <translation>The feedback server is full, please try again later...</translation>
    </message>
    <message>
        <source>The feedback server did not store the file &lt;i&gt;%1&lt;/i&gt; completely, please try again later...</source>
        <translation>The feedback server did not store the file &lt;i&gt;%1&lt;/i&gt; completely, please try again later...</translation>
    </message>
    <message>
        <source>The feedback server did not store your message completely, please try again later...</source>
        <translation>The feedback server did not store your message completely, please try again later...</translation>
    </message>
    <message>
        <source>The feedback server refused the file &lt;i&gt;%1&lt;/i&gt;, please try again later...</source>
        <translation>The feedback server refused the file &lt;i&gt;%1&lt;/i&gt;, please try again later...</translation>
    </message>
    <message>
        <source>The feedback server refused the submission, please try again later...</source>
        <translation>The feedback server refused the submission, please try again later...</translation>
    </message>
    <message>
        <source>%1 of %2 sent (%3%)</source>
        <translation>%1 of %2 sent (%3%)</translation>
    </message>
</context>
</TS>
