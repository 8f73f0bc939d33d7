<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version: %1</source>
        <translation>版本：%1</translation>
    </message>
    <message>
        <source>%1 is a pioneering force dedicated to crafting cutting-edge solutions that empower individuals and businesses to unleash their full potential through technologies.</source>
        <translation>%1 是一家锐意开拓的企业，致力于打造前沿解决方案，借助技术帮助个人和企业充分释放潜能。</translation>
    </message>
    <message>
        <source>For more details, please visit %2 and %1 official site.</source>
        <translation>如需了解更多详情，请访问 %2 和 %1 官方网站。</translation>
    </message>
    <message>
        <source>Copyright © 2026 %1. All rights reserved.</source>
        <translation>版权所有 © 2026 %1。保留所有权利。</translation>
    </message>
    <message>
        <source>%1 is free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later). The libraries it is built on and their licences are listed in THIRD_PARTY_NOTICES.md.</source>
        <translation>%1 是自由软件，采用 GNU 通用公共许可证第 3 版或更高版本（GPL-3.0-or-later）。其所用的库及其许可证列于 THIRD_PARTY_NOTICES.md。</translation>
    </message>
</context>
<context>
    <name>BandCommands</name>
    <message>
        <source>Fit Bands to Captions</source>
        <translation>按字幕调整条带</translation>
    </message>
    <message>
        <source>Use Shared Band Everywhere</source>
        <translation>全部使用共享条带</translation>
    </message>
    <message>
        <source>No picture has a caption to fit a band to.</source>
        <translation>没有图片带有可调整条带的字幕。</translation>
    </message>
    <message>
        <source>Fit bands to captions</source>
        <translation>按字幕调整条带</translation>
    </message>
    <message>
        <source>Use shared band everywhere</source>
        <translation>全部使用共享条带</translation>
    </message>
    <message>
        <source>Bands fitted to captions: %1.</source>
        <translation>已按字幕调整的条带：%1。</translation>
    </message>
    <message>
        <source>Detect Subtitle Bands</source>
        <translation>检测字幕条</translation>
    </message>
    <message>
        <source>Drop Repeated Lines</source>
        <translation>去掉重复的台词</translation>
    </message>
    <message>
        <source>picture %1</source>
        <translation>图片 %1</translation>
    </message>
    <message>
        <source>Detect subtitle bands</source>
        <translation>检测字幕条</translation>
    </message>
    <message>
        <source>Subtitle bands found in %1 of %2 pictures.</source>
        <translation>在 %2 张图片中的 %1 张找到字幕条。</translation>
    </message>
    <message>
        <source>None in %1: they keep the shared band.</source>
        <translation>%1 中没有：它们保留共用字幕条。</translation>
    </message>
    <message>
        <source>Repeated lines are found in the bands of a vertical strip: give it a Band first.</source>
        <translation>重复的台词要在竖向拼接的字幕条中查找：请先设置字幕条。</translation>
    </message>
    <message>
        <source>Drop repeated lines</source>
        <translation>去掉重复的台词</translation>
    </message>
    <message>
        <source>No still repeats the line before it.</source>
        <translation>没有图片重复前一张的台词。</translation>
    </message>
    <message>
        <source>Unticked %1 stills that repeat the line before them.</source>
        <translation>已取消勾选 %1 张重复前一句台词的图片。</translation>
    </message>
</context>
<context>
    <name>BandEditor</name>
    <message>
        <source>Band</source>
        <translation>条带</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>顶部</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高度</translation>
    </message>
    <message>
        <source>Use shared band</source>
        <translation>使用共享条带</translation>
    </message>
    <message>
        <source>Show the rows the whole sheet uses, set by its Band</source>
        <translation>显示整张拼图使用的行（由其条带设置）</translation>
    </message>
    <message>
        <source>The first picture of the sheet is always shown whole</source>
        <translation>拼图的第一张图片总是完整显示</translation>
    </message>
    <message>
        <source>Change band</source>
        <translation>更改条带</translation>
    </message>
</context>
<context>
    <name>CaptionItem</name>
    <message>
        <source>Start, as hh:mm:ss.mmm. Alt+Up: %1 ms later, Alt+Down: %1 ms earlier. Return keeps the line, Esc drops the change.</source>
        <translation>开始时间，格式 hh:mm:ss.mmm。Alt+上：推后 %1 毫秒，Alt+下：提前 %1 毫秒。回车保留此行，Esc 放弃更改。</translation>
    </message>
    <message>
        <source>End, as hh:mm:ss.mmm. Alt+Up: %1 ms later, Alt+Down: %1 ms earlier. Return keeps the line, Esc drops the change.</source>
        <translation>结束时间，格式 hh:mm:ss.mmm。Alt+上：推后 %1 毫秒，Alt+下：提前 %1 毫秒。回车保留此行，Esc 放弃更改。</translation>
    </message>
    <message>
        <source>Text of the line. Ctrl+B splits it at the cursor. Return keeps the line, Esc drops the change.</source>
        <translation>此行文字。Ctrl+B 在光标处拆分。回车保留此行，Esc 放弃更改。</translation>
    </message>
</context>
<context>
    <name>CaptionListEdit</name>
    <message>
        <source>There is no such line.</source>
        <translation>没有这一行。</translation>
    </message>
    <message>
        <source>A line needs some text; delete the line instead.</source>
        <translation>一行必须有文字；如不需要，请删除该行。</translation>
    </message>
    <message>
        <source>A time cannot lie before the start of the film.</source>
        <translation>时间不能早于影片开头。</translation>
    </message>
    <message>
        <source>A line cannot end before it starts.</source>
        <translation>一行的结束不能早于开始。</translation>
    </message>
    <message>
        <source>Put the text cursor between two words of the line to split it there.</source>
        <translation>请将光标放在两个词之间，再在该处拆分。</translation>
    </message>
    <message>
        <source>The last line has no next line to merge with.</source>
        <translation>最后一行之后没有可合并的行。</translation>
    </message>
    <message>
        <source>There are no lines to shift.</source>
        <translation>没有可平移的行。</translation>
    </message>
</context>
<context>
    <name>CaptionManager</name>
    <message>
        <source>英语（美国）</source>
        <translation>英语（美国）</translation>
    </message>
    <message>
        <source>西班牙语</source>
        <translation>西班牙语</translation>
    </message>
    <message>
        <source>法语</source>
        <translation>法语</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>粤语</source>
        <translation>粤语</translation>
    </message>
    <message>
        <source>韩语</source>
        <translation>韩语</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>日语</translation>
    </message>
    <message>
        <source>俄语</source>
        <translation>俄语</translation>
    </message>
</context>
<context>
    <name>CaptionStyleEditor</name>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>字号</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>描边</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>粗体</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜体</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>下划线</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>删除线</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>样式</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>靠左</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>居中</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>靠右</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>靠下</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>靠上</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>文字颜色</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>描边颜色</translation>
    </message>
    <message>
        <source>A caption holds at most %1 characters; the rest was left out.</source>
        <translation>字幕最多 %1 个字符，其余部分已省略。</translation>
    </message>
    <message>
        <source>Type caption</source>
        <translation>输入字幕</translation>
    </message>
    <message>
        <source>Move caption</source>
        <translation>移动字幕</translation>
    </message>
    <message>
        <source>Align caption</source>
        <translation>对齐字幕</translation>
    </message>
    <message>
        <source>Reset style</source>
        <translation>重置样式</translation>
    </message>
    <message>
        <source>Change caption style</source>
        <translation>更改字幕样式</translation>
    </message>
</context>
<context>
    <name>CaptionWidget</name>
    <message>
        <source>Search captions</source>
        <translation>搜索字幕</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>No captions yet</source>
        <translation>暂无字幕</translation>
    </message>
    <message>
        <source>Generate Captions</source>
        <translation>生成字幕</translation>
    </message>
    <message>
        <source>Captions (%1)</source>
        <translation>字幕（%1）</translation>
    </message>
    <message>
        <source>Edit Line</source>
        <translation>编辑此行</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Delete the chosen lines</source>
        <translation>删除所选的行</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>拆分</translation>
    </message>
    <message>
        <source>Split the line in two at the text cursor, its time in the same proportion</source>
        <translation>在光标处将此行一分为二，时间按相同比例拆分</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>合并</translation>
    </message>
    <message>
        <source>Merge the line with the next one</source>
        <translation>将此行与下一行合并</translation>
    </message>
    <message>
        <source>Shift Times...</source>
        <translation>平移时间...</translation>
    </message>
    <message>
        <source>Move every line earlier or later by the same time</source>
        <translation>将所有行提前或推后相同的时间</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time: type it as hh:mm:ss.mmm, for example 00:01:02.500.</source>
        <translation>“%1”不是时间：请按 hh:mm:ss.mmm 输入，例如 00:01:02.500。</translation>
    </message>
    <message>
        <source>Edit line</source>
        <translation>编辑字幕行</translation>
    </message>
    <message>
        <source>Move line start</source>
        <translation>移动行开始时间</translation>
    </message>
    <message>
        <source>Move line end</source>
        <translation>移动行结束时间</translation>
    </message>
    <message>
        <source>Delete line</source>
        <translation>删除字幕行</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n lines</source>
        <translation>
            <numerusform>删除 %n 行</numerusform>
        </translation>
    </message>
    <message>
        <source>Split line</source>
        <translation>拆分字幕行</translation>
    </message>
    <message>
        <source>Merge lines</source>
        <translation>合并字幕行</translation>
    </message>
    <message>
        <source>Shift Times</source>
        <translation>平移时间</translation>
    </message>
    <message>
        <source>Move every line by (+ later, - earlier), as [-]hh:mm:ss.mmm:</source>
        <translation>所有行平移（+ 推后，- 提前），格式 [-]hh:mm:ss.mmm：</translation>
    </message>
    <message>
        <source>Shift times</source>
        <translation>平移时间</translation>
    </message>
</context>
<context>
    <name>CardActions</name>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Delete Picture</source>
        <translation>删除图片</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>复制一份</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>移动</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>左移</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>右移</translation>
    </message>
    <message>
        <source>Move to Front</source>
        <translation>移到最前</translation>
    </message>
    <message>
        <source>Use as First</source>
        <translation>用作第一张</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>复制图片</translation>
    </message>
    <message>
        <source>Copy Caption</source>
        <translation>复制字幕</translation>
    </message>
    <message>
        <source>Paste Caption Style</source>
        <translation>粘贴字幕样式</translation>
    </message>
    <message>
        <source>Tick All</source>
        <translation>全部勾选</translation>
    </message>
    <message>
        <source>Untick All</source>
        <translation>全部取消勾选</translation>
    </message>
    <message>
        <source>Duplicate picture</source>
        <translation>复制图片</translation>
    </message>
    <message>
        <source>Paste caption style</source>
        <translation>粘贴字幕样式</translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation>粘贴图片</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDialog</name>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Check for update</source>
        <translation>正在检查更新</translation>
    </message>
    <message>
        <source>Remind me later</source>
        <translation>稍后提醒</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>立即更新</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>版本：%1</translation>
    </message>
    <message>
        <source>Your current use is already the latest version.</source>
        <translation>当前已是最新版本。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Release date: %1</source>
        <translation>发布日期：%1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>大小：%1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>Pictorb could not check for updates: %1</source>
        <translation>Pictorb 无法检查更新：%1</translation>
    </message>
</context>
<context>
    <name>ColorEntry</name>
    <message>
        <source>Select color</source>
        <translation>选择颜色</translation>
    </message>
</context>
<context>
    <name>DocumentActions</name>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>打开...</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>保存项目</translation>
    </message>
    <message>
        <source>Save Project As...</source>
        <translation>项目另存为...</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>撤销 %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>重做 %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Pictures and projects</source>
        <translation>图片和项目</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>The project could not be saved: %1</source>
        <translation>无法保存项目：%1</translation>
    </message>
    <message>
        <source>Pictorb projects (*.%1)</source>
        <translation>Pictorb 项目 (*.%1)</translation>
    </message>
    <message>
        <source>The collection</source>
        <translation>当前合集</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved.</source>
        <translation>%1 有未保存的更改。</translation>
    </message>
    <message>
        <source>The last session could not be restored: %1</source>
        <translation>无法恢复上次会话：%1</translation>
    </message>
    <message>
        <source>Restored your last session</source>
        <translation>已恢复上次会话</translation>
    </message>
    <message>
        <source>Start empty</source>
        <translation>清空重新开始</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>未命名</translation>
    </message>
</context>
<context>
    <name>GenerateSubtitlesDialog</name>
    <message>
        <source>Generate Subtitles</source>
        <translation>生成字幕</translation>
    </message>
    <message>
        <source>Pictorb speech service</source>
        <translation>Pictorb 语音服务</translation>
    </message>
    <message>
        <source>OpenAI-compatible transcription</source>
        <translation>OpenAI 兼容转写</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>生成</translation>
    </message>
    <message>
        <source>Spoken language</source>
        <translation>口语语言</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>服务提供方</translation>
    </message>
    <message>
        <source>Base URL</source>
        <translation>基础 URL</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>模型</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>API 密钥</translation>
    </message>
    <message>
        <source>The base URL must be an http or https address.</source>
        <translation>基础 URL 必须是 http 或 https 地址。</translation>
    </message>
</context>
<context>
    <name>GlobalManager</name>
    <message>
        <source>the picture could not be written</source>
        <translation>无法写入图片</translation>
    </message>
    <message>
        <source>Nothing was exported: %1</source>
        <translation>未导出任何内容：%1</translation>
    </message>
    <message>
        <source>Exported %1 (%2 x %3, %4)</source>
        <translation>已导出 %1（%2 x %3，%4）</translation>
    </message>
    <message>
        <source>Exported %1 pictures into %2</source>
        <translation>已将 %1 张图片导出到 %2</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 张无法写入：%2</translation>
    </message>
    <message>
        <source>The folder %1 could not be used, so the export went to %2.</source>
        <translation>无法使用文件夹 %1，因此已导出到 %2。</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>打开文件夹</translation>
    </message>
</context>
<context>
    <name>ImagesWidget</name>
    <message>
        <source>Images</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Apply Current Style</source>
        <translation>应用当前样式</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>查看</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Drop your image here! Or,&lt;br&gt;&lt;a style=&quot;color: #685af5;&quot; href=&quot;clicked&quot;&gt;Click here to import image.&lt;/a&gt;</source>
        <translation>将图片拖放到这里！或者&lt;br&gt;&lt;a style=&quot;color: #685af5;&quot; href=&quot;clicked&quot;&gt;点击此处导入图片。&lt;/a&gt;</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>及另外 %1 个</translation>
    </message>
    <message>
        <source>Damaged, shown as far as it could be read: %1.</source>
        <translation>已损坏，按可读取的部分显示：%1。</translation>
    </message>
    <message>
        <source>Not imported, not a picture or unreadable: %1.</source>
        <translation>未导入，不是图片或无法读取：%1。</translation>
    </message>
    <message>
        <source>Not imported, more than %1 megapixels: %2.</source>
        <translation>未导入，超过 %1 百万像素：%2。</translation>
    </message>
    <message>
        <source>Tick the pictures to export first.</source>
        <translation>请先勾选要导出的图片。</translation>
    </message>
    <message>
        <source>Import picture</source>
        <translation>导入图片</translation>
    </message>
    <message>
        <source>Import %1 pictures</source>
        <translation>导入 %1 张图片</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>截取</translation>
    </message>
    <message>
        <source>Tick picture</source>
        <translation>勾选图片</translation>
    </message>
    <message>
        <source>Untick picture</source>
        <translation>取消勾选图片</translation>
    </message>
    <message>
        <source>Tick all</source>
        <translation>全部勾选</translation>
    </message>
    <message>
        <source>Untick all</source>
        <translation>全部取消勾选</translation>
    </message>
    <message>
        <source>Delete picture</source>
        <translation>删除图片</translation>
    </message>
    <message>
        <source>Apply current style</source>
        <translation>应用当前样式</translation>
    </message>
    <message>
        <source>Give every picture the caption style of the one being edited</source>
        <translation>将正在编辑图片的字幕样式应用到所有图片</translation>
    </message>
    <message>
        <source>Show the pictures large, to export each of them</source>
        <translation>放大显示图片，以便逐张导出</translation>
    </message>
    <message>
        <source>Remove every picture; Undo brings them back</source>
        <translation>移除所有图片；撤销可恢复</translation>
    </message>
    <message>
        <source>Use as first</source>
        <translation>用作第一张</translation>
    </message>
    <message>
        <source>Move picture</source>
        <translation>移动图片</translation>
    </message>
    <message>
        <source>Capture %1 lines</source>
        <translation>截取 %1 行</translation>
    </message>
</context>
<context>
    <name>LineCaptureDialog</name>
    <message>
        <source>Every line of the film (%1)</source>
        <translation>影片的每一行（%1）</translation>
    </message>
    <message>
        <source>The lines from</source>
        <translation>从此时间起的行</translation>
    </message>
    <message>
        <source>The lines selected in the caption list (%1)</source>
        <translation>字幕列表中选中的行（%1）</translation>
    </message>
    <message>
        <source>As the still&apos;s caption, edited and styled in Pictorb (recommended: the band fits the caption)</source>
        <translation>作为截图的字幕，在 Pictorb 中编辑和设置样式（推荐：字幕条与字幕完全吻合）</translation>
    </message>
    <message>
        <source>Drawn into the picture by the player</source>
        <translation>由播放器绘制到图片中</translation>
    </message>
    <message>
        <source>Capture every line</source>
        <translation>截取每一行</translation>
    </message>
    <message>
        <source>to</source>
        <translation>至</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>字幕行</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>截取</translation>
    </message>
    <message>
        <source>Stills to capture: %1, one at the middle of each line.</source>
        <translation>要截取的静帧：%1 张，每行中间一张。</translation>
    </message>
</context>
<context>
    <name>LoadingDialog</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Subtitle Generation in Progress</source>
        <translation>正在生成字幕</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Support</source>
        <translation>技术支持</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>用户指南</translation>
    </message>
    <message>
        <source>View Log</source>
        <translation>查看日志</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>图片文件</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>打开图片</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a full path; exports go to %2.</source>
        <translation>输出文件夹“%1”不是完整路径；导出将保存到 %2。</translation>
    </message>
    <message>
        <source>Import pictures or open a project</source>
        <translation>导入图片或打开项目</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>首选项...</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>This is a message.</source>
        <translation>这是一条消息。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>PlaybackBar</name>
    <message>
        <source>Backward [Left]</source>
        <translation>后退 [Left]</translation>
    </message>
    <message>
        <source>Forward [Right]</source>
        <translation>前进 [Right]</translation>
    </message>
    <message>
        <source>Play [Space]</source>
        <translation>播放 [Space]</translation>
    </message>
    <message>
        <source>Stop [Ctrl+/]</source>
        <translation>停止 [Ctrl+/]</translation>
    </message>
    <message>
        <source>Capture [Ctrl+Alt+S]</source>
        <translation>截图 [Ctrl+Alt+S]</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>截图</translation>
    </message>
    <message>
        <source>Capture with subtitles</source>
        <translation>带字幕截取</translation>
    </message>
    <message>
        <source>Draw the subtitle shown into the captured picture</source>
        <translation>将显示的字幕绘制到截取的图片中</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Pause [Space]</source>
        <translation>暂停 [空格]</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>首选项</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>语音</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Output folder:</source>
        <translation>输出文件夹：</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>格式：</translation>
    </message>
    <message>
        <source>Captures:</source>
        <translation>截取：</translation>
    </message>
    <message>
        <source>Provider:</source>
        <translation>服务提供方：</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>地址：</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>模型：</translation>
    </message>
    <message>
        <source>Time-out:</source>
        <translation>超时：</translation>
    </message>
    <message>
        <source>API key:</source>
        <translation>API 密钥：</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>语言：</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <source>Capture frames with the subtitle drawn in</source>
        <translation>截取画面时带上字幕</translation>
    </message>
    <message>
        <source>Check for updates at start</source>
        <translation>启动时检查更新</translation>
    </message>
    <message>
        <source>Pictorb speech service</source>
        <translation>Pictorb 语音服务</translation>
    </message>
    <message>
        <source>OpenAI-compatible transcription</source>
        <translation>兼容 OpenAI 的转写服务</translation>
    </message>
    <message>
        <source> min</source>
        <translation> 分钟</translation>
    </message>
    <message>
        <source>The model the transcription server runs, e.g. whisper-1</source>
        <translation>转写服务器运行的模型，例如 whisper-1</translation>
    </message>
    <message>
        <source>None: a local server needs no key</source>
        <translation>无：本地服务器无需密钥</translation>
    </message>
    <message>
        <source>Kept in the system&apos;s secret store, never in the settings</source>
        <translation>保存在系统的密钥存储中，绝不写入设置</translation>
    </message>
    <message>
        <source>Choose a folder for the exported pictures.</source>
        <translation>请为导出的图片选择一个文件夹。</translation>
    </message>
    <message>
        <source>Pictorb cannot write into &quot;%1&quot;: choose a folder you can write to.</source>
        <translation>Pictorb 无法写入“%1”：请选择一个可写入的文件夹。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address: it must start with http:// or https:// and name a host, as http://127.0.0.1:8000 does.</source>
        <translation>“%1”不是网址：必须以 http:// 或 https:// 开头并包含主机名，例如 http://127.0.0.1:8000。</translation>
    </message>
    <message>
        <source>Name the model the server runs, for example whisper-1.</source>
        <translation>请填写服务器运行的模型，例如 whisper-1。</translation>
    </message>
</context>
<context>
    <name>PreviewWidget</name>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>查看</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>布局</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>网格</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>纵向</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>横向</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>尺寸</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>间距</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>缩放</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>宽度</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高度</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>列数</translation>
    </message>
    <message>
        <source>X Space</source>
        <translation>X 间距</translation>
    </message>
    <message>
        <source>Y Space</source>
        <translation>Y 间距</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>保存到</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>更改</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Too large for %1: at most %2 pixels per side. Lower the scale or choose another format.</source>
        <translation>图片对 %1 来说过大：每边最多 %2 像素。请降低缩放比例或选择其他格式。</translation>
    </message>
    <message>
        <source>Tick pictures in the strip to merge them</source>
        <translation>在图片栏中勾选图片即可合并</translation>
    </message>
    <message>
        <source>The merged picture of %1 x %2 pixels is too large to hold. Tick fewer pictures or choose another layout.</source>
        <translation>合并后的图片为 %1 x %2 像素，太大无法处理。请少勾选一些图片或换一种布局。</translation>
    </message>
    <message>
        <source>Nothing was exported: a picture of %1 x %2 needs more memory than is free.</source>
        <translation>未导出任何内容：%1 x %2 的图片所需内存超过可用内存。</translation>
    </message>
    <message>
        <source>Change output size</source>
        <translation>更改输出尺寸</translation>
    </message>
    <message>
        <source>Change columns</source>
        <translation>更改列数</translation>
    </message>
    <message>
        <source>Change spacing</source>
        <translation>更改间距</translation>
    </message>
    <message>
        <source>Change layout</source>
        <translation>更改布局</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>条带</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>条带</translation>
    </message>
    <message>
        <source>Set the band of every still at once</source>
        <translation>一次设置所有静帧的条带</translation>
    </message>
    <message>
        <source>Open the merged picture in a window of its own</source>
        <translation>在单独窗口中打开合并后的图片</translation>
    </message>
    <message>
        <source>Output size in percent of the merged picture</source>
        <translation>输出大小占合并图片的百分比</translation>
    </message>
    <message>
        <source>Output width in pixels; the height follows</source>
        <translation>输出宽度（像素），高度随之调整</translation>
    </message>
    <message>
        <source>Output height in pixels; the width follows</source>
        <translation>输出高度（像素），宽度随之调整</translation>
    </message>
    <message>
        <source>Pictures in each row of the grid</source>
        <translation>网格每行的图片数</translation>
    </message>
    <message>
        <source>Pixels between the pictures; negative keeps only a band of each following one</source>
        <translation>图片之间的像素；负值时后续每张图片只保留一条条带</translation>
    </message>
    <message>
        <source>Pixels of each following picture the strip shows, counted from its far edge</source>
        <translation>条带显示的后续每张图片的像素，从其远端边缘算起</translation>
    </message>
</context>
<context>
    <name>ProcessThread</name>
    <message>
        <source>Process %1 has been terminated.</source>
        <translation>进程 %1 已被终止。</translation>
    </message>
    <message>
        <source>Failed to start process %1. exit code %2</source>
        <translation>无法启动进程 %1。退出代码 %2</translation>
    </message>
    <message>
        <source>Rum command</source>
        <translation>运行命令</translation>
    </message>
    <message>
        <source>Process %1 has been started.</source>
        <translation>进程 %1 已启动。</translation>
    </message>
    <message>
        <source>Process %1 has been finish.</source>
        <translation>进程 %1 已结束。</translation>
    </message>
</context>
<context>
    <name>SaveFileBar</name>
    <message>
        <source>Choose to save</source>
        <translation>选择保存位置</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>保存到</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>更改</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Export Selected</source>
        <translation>导出所选</translation>
    </message>
</context>
<context>
    <name>SecretStore</name>
    <message>
        <source>No secret store is running: the API key is kept for this session only</source>
        <translation>没有运行中的密钥存储：API 密钥只在本次会话中保留</translation>
    </message>
</context>
<context>
    <name>SheetActions</name>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Export Each Ticked Picture</source>
        <translation>逐张导出勾选的图片</translation>
    </message>
    <message>
        <source>View</source>
        <translation>视图</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation>适合窗口</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>实际大小</translation>
    </message>
    <message>
        <source>Export the merged picture</source>
        <translation>导出合并后的图片</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Fit the picture to the panel</source>
        <translation>使图片适合面板</translation>
    </message>
    <message>
        <source>Show the picture at its actual size</source>
        <translation>以实际大小显示图片</translation>
    </message>
</context>
<context>
    <name>SpeechClient</name>
    <message>
        <source>The speech service did not answer</source>
        <translation>语音服务没有响应</translation>
    </message>
    <message>
        <source>The service returned no usable result</source>
        <translation>服务未返回可用的结果</translation>
    </message>
</context>
<context>
    <name>SubtitleFile</name>
    <message>
        <source>larger than %1 MiB</source>
        <translation>大于 %1 MiB</translation>
    </message>
    <message>
        <source>no timed subtitle line</source>
        <translation>没有带时间的字幕行</translation>
    </message>
</context>
<context>
    <name>SubtitleGeneration</name>
    <message>
        <source>Extracting the sound of the film</source>
        <translation>正在提取影片的声音</translation>
    </message>
    <message>
        <source>Uploading the audio: %1%</source>
        <translation>正在上传音频：%1%</translation>
    </message>
    <message>
        <source>Recognising speech</source>
        <translation>正在识别语音</translation>
    </message>
    <message>
        <source>Writing the subtitles</source>
        <translation>正在写入字幕</translation>
    </message>
    <message>
        <source>Subtitles cannot be generated now: open a film, or wait for the generation going on to end</source>
        <translation>现在无法生成字幕：请打开影片，或等待正在进行的生成结束</translation>
    </message>
    <message>
        <source>Subtitle lines generated: %1</source>
        <translation>已生成字幕行：%1</translation>
    </message>
    <message>
        <source>Times past the end of the film were moved to its end.</source>
        <translation>超出影片结尾的时间已移到结尾。</translation>
    </message>
    <message>
        <source>Negative or reversed times were mended and the lines put in order.</source>
        <translation>已修正负数或颠倒的时间，并按顺序排列各行。</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
</context>
<context>
    <name>SubtitleGenerator</name>
    <message>
        <source>The sound of the film could not be extracted</source>
        <translation>无法提取影片的声音</translation>
    </message>
    <message>
        <source>The subtitles could not be written</source>
        <translation>无法写入字幕</translation>
    </message>
</context>
<context>
    <name>SubtitleTrackReader</name>
    <message>
        <source>the track holds no text lines</source>
        <translation>该轨道没有文字行</translation>
    </message>
    <message>
        <source>the ffmpeg program could not be started</source>
        <translation>无法启动 ffmpeg 程序</translation>
    </message>
</context>
<context>
    <name>SubtitleWriter</name>
    <message>
        <source>the file cannot be written</source>
        <translation>无法写入文件</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Add Image</source>
        <translation>添加图片</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
</context>
<context>
    <name>TranscriptionClient</name>
    <message>
        <source>The transcription service refused the API key</source>
        <translation>转写服务拒绝了 API 密钥</translation>
    </message>
</context>
<context>
    <name>VideoActions</name>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Open Video...</source>
        <translation>打开视频...</translation>
    </message>
    <message>
        <source>Load Subtitles...</source>
        <translation>加载字幕...</translation>
    </message>
    <message>
        <source>Subtitle Track</source>
        <translation>字幕轨道</translation>
    </message>
    <message>
        <source>Remove Subtitles</source>
        <translation>移除字幕</translation>
    </message>
    <message>
        <source>Play or Pause</source>
        <translation>播放或暂停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Previous Frame</source>
        <translation>上一帧</translation>
    </message>
    <message>
        <source>Next Frame</source>
        <translation>下一帧</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>截取</translation>
    </message>
    <message>
        <source>Capture Every Line...</source>
        <translation>截取每一行...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>轨道 %1</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>所有文件</translation>
    </message>
    <message>
        <source>Open Video</source>
        <translation>打开视频</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Load Subtitles</source>
        <translation>加载字幕</translation>
    </message>
    <message>
        <source>Capture every line</source>
        <translation>截取每一行</translation>
    </message>
    <message>
        <source>Capturing line %1 of %2</source>
        <translation>正在截取第 %1 行，共 %2 行</translation>
    </message>
    <message>
        <source>Generate Subtitles...</source>
        <translation>生成字幕...</translation>
    </message>
    <message>
        <source>Subtitles from the speech of the film</source>
        <translation>根据影片中的语音生成字幕</translation>
    </message>
    <message>
        <source>Save Subtitles As...</source>
        <translation>字幕另存为...</translation>
    </message>
    <message>
        <source>The corrected lines cannot be kept in &quot;%1&quot;; save them with Save Subtitles As before closing.</source>
        <translation>修改后的字幕行无法保存到“%1”；请在关闭前用“字幕另存为”保存。</translation>
    </message>
    <message>
        <source>SubRip subtitles (*.srt)</source>
        <translation>SubRip 字幕 (*.srt)</translation>
    </message>
    <message>
        <source>WebVTT subtitles (*.vtt)</source>
        <translation>WebVTT 字幕 (*.vtt)</translation>
    </message>
    <message>
        <source>ASS subtitles (*.ass)</source>
        <translation>ASS 字幕 (*.ass)</translation>
    </message>
    <message>
        <source>Save Subtitles As</source>
        <translation>字幕另存为</translation>
    </message>
    <message>
        <source>The subtitles cannot be saved as &quot;%1&quot;: %2.</source>
        <translation>无法将字幕保存为“%1”：%2。</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n subtitle lines as &quot;%1&quot;.</source>
        <translation>
            <numerusform>已将 %n 行字幕保存为“%1”。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VideoEngine</name>
    <message>
        <source>the video engine could not be started</source>
        <translation>无法启动视频引擎</translation>
    </message>
    <message>
        <source>the video engine refused it</source>
        <translation>视频引擎拒绝了它</translation>
    </message>
    <message>
        <source>no video in it</source>
        <translation>其中没有视频</translation>
    </message>
    <message>
        <source>it could not be opened</source>
        <translation>无法打开</translation>
    </message>
</context>
<context>
    <name>VideoPlayWidget</name>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Drop your video here! Or,&lt;br&gt;&lt;a style=&quot;color: #685af5;&quot; href=&quot;clicked&quot;&gt;Click here to import video.&lt;/a&gt;</source>
        <translation>将视频拖放到这里！或者&lt;br&gt;&lt;a style=&quot;color: #685af5;&quot; href=&quot;clicked&quot;&gt;点击此处导入视频。&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Reset style</source>
        <translation>重置样式</translation>
    </message>
    <message>
        <source>Drag band</source>
        <translation>拖动条带</translation>
    </message>
    <message>
        <source>Give the caption the default style back</source>
        <translation>将字幕恢复为默认样式</translation>
    </message>
    <message>
        <source>Show picture</source>
        <translation>显示图片</translation>
    </message>
    <message>
        <source>Show film</source>
        <translation>显示影片</translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <source>The subtitle track lists no lines: %1.</source>
        <translation>该字幕轨道没有可列出的行：%1。</translation>
    </message>
    <message>
        <source>this computer&apos;s OpenGL cannot show films</source>
        <translation>此电脑的 OpenGL 无法显示影片</translation>
    </message>
    <message>
        <source>The subtitles &quot;%1&quot; cannot be shown: %2.</source>
        <translation>无法显示字幕“%1”：%2。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be played: %2.</source>
        <translation>无法播放“%1”：%2。</translation>
    </message>
    <message>
        <source>Open a film before its subtitles.</source>
        <translation>请先打开影片，再加载其字幕。</translation>
    </message>
    <message>
        <source>The subtitles &quot;%1&quot; cannot be loaded: %2.</source>
        <translation>无法加载字幕“%1”：%2。</translation>
    </message>
    <message>
        <source>There is no frame to capture yet.</source>
        <translation>还没有可截取的画面。</translation>
    </message>
    <message>
        <source>The lines cannot be captured: %1.</source>
        <translation>无法截取字幕行：%1。</translation>
    </message>
</context>
</TS>
