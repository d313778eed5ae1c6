<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>MessageBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>SendMail</name>
    <message>
        <source>没有邮件程序, 或者它放弃了邮件</source>
        <translation>there is no mail program, or it dropped the message</translation>
    </message>
    <message>
        <source>邮件程序以代码 %1 拒绝了邮件</source>
        <translation>the mail program refused it with code %1</translation>
    </message>
    <message>
        <source>找不到 xdg-email</source>
        <translation>xdg-email is not installed</translation>
    </message>
    <message>
        <source>xdg-email 无法启动: %1</source>
        <translation>xdg-email could not be started: %1</translation>
    </message>
</context>
<context>
    <name>SkinError</name>
    <message>
        <source>Invalid skin file!</source>
        <translation>Invalid skin file!</translation>
    </message>
    <message>
        <source>Damaged skin file: the data of &quot;%1&quot; is cut short</source>
        <translation>Damaged skin file: the data of &quot;%1&quot; is cut short</translation>
    </message>
    <message>
        <source>Damaged skin file: &quot;%1&quot; has a negative data size</source>
        <translation>Damaged skin file: &quot;%1&quot; has a negative data size</translation>
    </message>
    <message>
        <source>Damaged skin file: &quot;%1&quot; claims more data than the file holds</source>
        <translation>Damaged skin file: &quot;%1&quot; claims more data than the file holds</translation>
    </message>
    <message>
        <source>Cannot open file</source>
        <translation>Cannot open file</translation>
    </message>
    <message>
        <source>Theme file too large</source>
        <translation>Theme file too large</translation>
    </message>
    <message>
        <source>Cannot read file</source>
        <translation>Cannot read file</translation>
    </message>
    <message>
        <source>Cannot write file</source>
        <translation>Cannot write file</translation>
    </message>
    <message>
        <source>Property %1 does not exist in %2</source>
        <translation>Property %1 does not exist in %2</translation>
    </message>
    <message>
        <source>Sorry, you can&apos;t select the Form assign to FormPanel property</source>
        <translation>Sorry, you can&apos;t select the Form assign to FormPanel property</translation>
    </message>
    <message>
        <source>Sorry, TSkinMDIForm must be placed on a form</source>
        <translation>Sorry, TSkinMDIForm must be placed on a form</translation>
    </message>
    <message>
        <source>Sorry, only one button&apos;s ButtonType property can be &quot;skinControlBox&quot;</source>
        <translation>Sorry, only one button&apos;s ButtonType property can be &quot;skinControlBox&quot;</translation>
    </message>
    <message>
        <source>Sorry, only one section&apos;s Align property can be &quot;skinClient&quot;</source>
        <translation>Sorry, only one section&apos;s Align property can be &quot;skinClient&quot;</translation>
    </message>
</context>
<context>
    <name>StartProgram</name>
    <message>
        <source>%1 的调用有误</source>
        <translation>%1 was called wrongly</translation>
    </message>
    <message>
        <source>%1 找不到文件</source>
        <translation>%1 did not find the file</translation>
    </message>
    <message>
        <source>%1 找不到可以打开它的程序</source>
        <translation>%1 found no program to open it</translation>
    </message>
    <message>
        <source>%1 未能完成</source>
        <translation>%1 could not finish</translation>
    </message>
    <message>
        <source>%1 无权读取文件</source>
        <translation>%1 may not read the file</translation>
    </message>
    <message>
        <source>%1 以代码 %2 结束</source>
        <translation>%1 ended with code %2</translation>
    </message>
</context>
<context>
    <name>TBatchForm</name>
    <message>
        <source>          请选择输出目录!        </source>
        <translation>Please choose the output folder!</translation>
    </message>
    <message>
        <source>       请选择一个目录      </source>
        <translation>Please choose a folder</translation>
    </message>
    <message>
        <source>Please select the directory</source>
        <translation>Please select the directory</translation>
    </message>
    <message>
        <source>批量转换正在进行, 要停止吗?</source>
        <translation>A batch conversion is running. Stop it?</translation>
    </message>
    <message>
        <source>以下图片未能转换:</source>
        <translation>These pictures could not be converted:</translation>
    </message>
    <message>
        <source>   批量转换    </source>
        <translation>Batch conversion</translation>
    </message>
    <message>
        <source>&amp; 添加一个目录  </source>
        <translation>&amp;Add a folder</translation>
    </message>
    <message>
        <source>&amp;    选择输出目录    </source>
        <translation>&amp;Output folder...</translation>
    </message>
    <message>
        <source>&amp; 全部转换  </source>
        <translation>&amp;Convert all</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>&amp;Delete the selection</source>
        <translation>&amp;Delete the selection</translation>
    </message>
    <message>
        <source>批量转换已停止</source>
        <translation>Batch run stopped</translation>
    </message>
    <message>
        <source>批量转换结束</source>
        <translation>Batch run done</translation>
    </message>
    <message>
        <source>%1 秒</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 分 %2 秒</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message numerus="yes">
        <source>%n 张素描已写入
%1
用时 %2。</source>
        <translation>
            <numerusform>%n sketch written to
%1
in %2.</numerusform>
            <numerusform>%n sketches written to
%1
in %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 张图片未能转换。</source>
        <translation>
            <numerusform>%n picture failed.</numerusform>
            <numerusform>%n pictures failed.</numerusform>
        </translation>
    </message>
    <message>
        <source>柔和的</source>
        <translation>Soft</translation>
    </message>
    <message>
        <source>铅笔</source>
        <translation>Pencil</translation>
    </message>
    <message>
        <source>画法: %1</source>
        <translation>Style: %1</translation>
    </message>
</context>
<context>
    <name>TMailForm</name>
    <message>
        <source>我自己的素描，嘿嘿！  </source>
        <translation>My own sketch, hehe!</translation>
    </message>
    <message>
        <source>做了一张素描给你！             </source>
        <translation>I made a sketch for you!</translation>
    </message>
    <message>
        <source>嗨,发现一款不错的软件！                 </source>
        <translation>Hi, I found a nice program!</translation>
    </message>
    <message>
        <source>请看附件！                    </source>
        <translation>See the attachment!</translation>
    </message>
    <message>
        <source>告诉你一个不错的软件-Graphitine,可以很方便的把照片转换成素描!                    </source>
        <translation>Try Graphitine, a nice program: it turns photos into sketches!</translation>
    </message>
    <message>
        <source>官方下载：   </source>
        <translation>Home page:</translation>
    </message>
    <message>
        <source>下载地址：         </source>
        <translation>Download:</translation>
    </message>
    <message>
        <source>给你的朋友一个惊喜！                     </source>
        <translation>Surprise your friend!</translation>
    </message>
    <message>
        <source>主题：  :</source>
        <translation>Subject:</translation>
    </message>
    <message>
        <source>内容：  :</source>
        <translation>Message:</translation>
    </message>
    <message>
        <source>-连同附件内容一起-</source>
        <translation>- Together with the attachment -</translation>
    </message>
    <message>
        <source>当前素描      </source>
        <translation>The current sketch</translation>
    </message>
    <message>
        <source> 开始发送 </source>
        <translation>Send</translation>
    </message>
    <message>
        <source>发送素描</source>
        <translation>Send the sketch</translation>
    </message>
    <message>
        <source>邮件已交给邮件程序: 请在那里填写收件人并发送。</source>
        <translation>The message went to the mail program: add the recipients and send it there.</translation>
    </message>
    <message>
        <source>邮件未能交给邮件程序: %1。</source>
        <translation>The message could not go to the mail program: %1.</translation>
    </message>
</context>
<context>
    <name>TOldForm</name>
    <message>
        <source>◆自动转换   </source>
        <translation>◆ Automatic conversion</translation>
    </message>
    <message>
        <source>●按着&apos;CTRL&apos;键来手动素描!</source>
        <translation>● Hold the Ctrl key to sketch by hand!</translation>
    </message>
    <message>
        <source>批量转换进行中, 请等它结束或停止它</source>
        <translation>A batch conversion is running: wait for it to end, or stop it</translation>
    </message>
    <message>
        <source>请储存素描档,使用绘图软件编辑它!</source>
        <translation>Please save the sketch first; the paint program then opens the file!</translation>
    </message>
    <message>
        <source>错误代码 </source>
        <translation>Error code </translation>
    </message>
    <message>
        <source>Double-clicks to zoom</source>
        <translation>Double-click to see it at real scale</translation>
    </message>
    <message>
        <source>批量转换:          </source>
        <translation>Batch conversion:</translation>
    </message>
    <message>
        <source>浏览 </source>
        <translation>Show</translation>
    </message>
    <message>
        <source>&amp;打开</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>自动转换  </source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source> &amp;转&#x3000;换 </source>
        <translation>&amp;Convert</translation>
    </message>
    <message>
        <source>手动制作</source>
        <translation>By hand</translation>
    </message>
    <message>
        <source>画笔: </source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>&amp; 素描 </source>
        <translation>S&amp;ketch</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Pen</translation>
    </message>
    <message>
        <source>铅笔  </source>
        <translation>Pencil</translation>
    </message>
    <message>
        <source>柔和的</source>
        <translation>Soft</translation>
    </message>
    <message>
        <source>画笔 </source>
        <translation>Brush</translation>
    </message>
    <message>
        <source>橡皮  </source>
        <translation>Eraser</translation>
    </message>
    <message>
        <source>   精密度:  </source>
        <translation>Detail:</translation>
    </message>
    <message>
        <source> 线条: </source>
        <translation>Line:</translation>
    </message>
    <message>
        <source>&amp; 纹理  </source>
        <translation>&amp;Paper</translation>
    </message>
    <message>
        <source>空白</source>
        <translation>None</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Custom...</translation>
    </message>
    <message>
        <source>背景</source>
        <translation>Tile</translation>
    </message>
    <message>
        <source>拉伸   </source>
        <translation>Stretch</translation>
    </message>
    <message>
        <source>&amp;清 除</source>
        <translation>C&amp;lear</translation>
    </message>
    <message>
        <source>&amp;保存</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;发送到 </source>
        <translation>Sen&amp;d to</translation>
    </message>
    <message>
        <source>Send the sketch to a friend</source>
        <translation>Send the sketch to a friend</translation>
    </message>
    <message>
        <source>&amp; 编辑打印  </source>
        <translation>&amp;Edit/Print</translation>
    </message>
    <message>
        <source>Edit and print with PAINT</source>
        <translation>Edit and print in the paint program</translation>
    </message>
    <message>
        <source>编辑打印</source>
        <translation>Edit and print</translation>
    </message>
    <message>
        <source>没有绘图程序打开
%1
%2。</source>
        <translation>No paint program opened
%1
%2.</translation>
    </message>
    <message>
        <source>素描已修改, 要保存吗?</source>
        <translation>The sketch has changed. Save it?</translation>
    </message>
</context>
<context>
    <name>TPictureDialog</name>
    <message>
        <source>All (*.jpg;*.jpeg;*.bmp)|*.jpg;*.jpeg;*.bmp|JPEG Image File (*.jpg)|*.jpg|JPEG Image File (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp</source>
        <translation>All (*.jpg;*.jpeg;*.bmp)|*.jpg;*.jpeg;*.bmp|JPEG Image File (*.jpg)|*.jpg|JPEG Image File (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>JPEG Image File (*.jpg)|*.jpg|Bitmaps (*.bmp)|*.bmp|Metafiles (*.wmf)|*.wmf</source>
        <translation>JPEG Image File (*.jpg)|*.jpg|Bitmaps (*.bmp)|*.bmp|Metafiles (*.wmf)|*.wmf</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>%1 已经存在。
要替换它吗?</source>
        <translation>%1 already exists.
Do you want to replace it?</translation>
    </message>
</context>
<context>
    <name>TSkinFilterComboBox</name>
    <message>
        <source>All files (*.*)|*.*</source>
        <translation>All files (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>TSkinTitleBarPopupMenu</name>
    <message>
        <source>最小化(&amp;N)</source>
        <translation>Mi&amp;nimize</translation>
    </message>
    <message>
        <source>最大化/还原(&amp;X)</source>
        <translation>Ma&amp;ximize/Restore</translation>
    </message>
    <message>
        <source>关闭(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>ThemeManagerDialog</name>
    <message>
        <source>&amp;Select all</source>
        <translation>&amp;Select all</translation>
    </message>
    <message>
        <source>&amp;Unselect all</source>
        <translation>&amp;Unselect all</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Theme Manager</source>
        <translation>Theme Manager</translation>
    </message>
</context>
</TS>
