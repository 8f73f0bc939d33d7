<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version: %1</source>
        <translation>版本：%1</translation>
    </message>
    <message>
        <source>%1 is a pioneering force dedicated to crafting cutting-edge solutions that empower individuals and businesses to unleash their full potential through technologies.</source>
        <translation>%1 是一家銳意開拓的企業，致力打造前沿解決方案，藉助科技協助個人和企業充分發揮潛能。</translation>
    </message>
    <message>
        <source>For more details, please visit %2 and %1 official site.</source>
        <translation>如需了解更多詳情，請瀏覽 %2 和 %1 官方網站。</translation>
    </message>
    <message>
        <source>Copyright © 2026 %1. All rights reserved.</source>
        <translation>版權所有 © 2026 %1。保留所有權利。</translation>
    </message>
    <message>
        <source>%1 is free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later). The libraries it is built on and their licences are listed in THIRD_PARTY_NOTICES.md.</source>
        <translation>%1 是自由軟體，採用 GNU 通用公共授權條款第 3 版或更新版本（GPL-3.0-or-later）。其所用的函式庫及其授權條款列於 THIRD_PARTY_NOTICES.md。</translation>
    </message>
</context>
<context>
    <name>BandCommands</name>
    <message>
        <source>Fit Bands to Captions</source>
        <translation>按字幕調整條帶</translation>
    </message>
    <message>
        <source>Use Shared Band Everywhere</source>
        <translation>全部使用共用條帶</translation>
    </message>
    <message>
        <source>No picture has a caption to fit a band to.</source>
        <translation>沒有圖片帶有可調整條帶的字幕。</translation>
    </message>
    <message>
        <source>Fit bands to captions</source>
        <translation>按字幕調整條帶</translation>
    </message>
    <message>
        <source>Use shared band everywhere</source>
        <translation>全部使用共用條帶</translation>
    </message>
    <message>
        <source>Bands fitted to captions: %1.</source>
        <translation>已按字幕調整的條帶：%1。</translation>
    </message>
    <message>
        <source>Detect Subtitle Bands</source>
        <translation>偵測字幕條</translation>
    </message>
    <message>
        <source>Drop Repeated Lines</source>
        <translation>去掉重複的對白</translation>
    </message>
    <message>
        <source>picture %1</source>
        <translation>圖片 %1</translation>
    </message>
    <message>
        <source>Detect subtitle bands</source>
        <translation>偵測字幕條</translation>
    </message>
    <message>
        <source>Subtitle bands found in %1 of %2 pictures.</source>
        <translation>在 %2 張圖片中的 %1 張找到字幕條。</translation>
    </message>
    <message>
        <source>None in %1: they keep the shared band.</source>
        <translation>%1 中沒有：它們保留共用字幕條。</translation>
    </message>
    <message>
        <source>Repeated lines are found in the bands of a vertical strip: give it a Band first.</source>
        <translation>重複的對白要在直向拼接的字幕條中尋找：請先設定字幕條。</translation>
    </message>
    <message>
        <source>Drop repeated lines</source>
        <translation>去掉重複的對白</translation>
    </message>
    <message>
        <source>No still repeats the line before it.</source>
        <translation>沒有圖片重複前一張的對白。</translation>
    </message>
    <message>
        <source>Unticked %1 stills that repeat the line before them.</source>
        <translation>已取消勾選 %1 張重複前一句對白的圖片。</translation>
    </message>
</context>
<context>
    <name>BandEditor</name>
    <message>
        <source>Band</source>
        <translation>條帶</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>頂部</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高度</translation>
    </message>
    <message>
        <source>Use shared band</source>
        <translation>使用共用條帶</translation>
    </message>
    <message>
        <source>Show the rows the whole sheet uses, set by its Band</source>
        <translation>顯示整張拼圖使用的列（由其條帶設定）</translation>
    </message>
    <message>
        <source>The first picture of the sheet is always shown whole</source>
        <translation>拼圖的第一張圖片總是完整顯示</translation>
    </message>
    <message>
        <source>Change band</source>
        <translation>更改條帶</translation>
    </message>
</context>
<context>
    <name>CaptionItem</name>
    <message>
        <source>Start, as hh:mm:ss.mmm. Alt+Up: %1 ms later, Alt+Down: %1 ms earlier. Return keeps the line, Esc drops the change.</source>
        <translation>開始時間，格式 hh:mm:ss.mmm。Alt+上：延後 %1 毫秒，Alt+下：提前 %1 毫秒。Enter 保留此行，Esc 放棄變更。</translation>
    </message>
    <message>
        <source>End, as hh:mm:ss.mmm. Alt+Up: %1 ms later, Alt+Down: %1 ms earlier. Return keeps the line, Esc drops the change.</source>
        <translation>結束時間，格式 hh:mm:ss.mmm。Alt+上：延後 %1 毫秒，Alt+下：提前 %1 毫秒。Enter 保留此行，Esc 放棄變更。</translation>
    </message>
    <message>
        <source>Text of the line. Ctrl+B splits it at the cursor. Return keeps the line, Esc drops the change.</source>
        <translation>此行文字。Ctrl+B 在游標處拆分。Enter 保留此行，Esc 放棄變更。</translation>
    </message>
</context>
<context>
    <name>CaptionListEdit</name>
    <message>
        <source>There is no such line.</source>
        <translation>沒有這一行。</translation>
    </message>
    <message>
        <source>A line needs some text; delete the line instead.</source>
        <translation>一行必須有文字；如不需要，請刪除該行。</translation>
    </message>
    <message>
        <source>A time cannot lie before the start of the film.</source>
        <translation>時間不能早於影片開頭。</translation>
    </message>
    <message>
        <source>A line cannot end before it starts.</source>
        <translation>一行的結束不能早於開始。</translation>
    </message>
    <message>
        <source>Put the text cursor between two words of the line to split it there.</source>
        <translation>請將游標放在兩個詞之間，再在該處拆分。</translation>
    </message>
    <message>
        <source>The last line has no next line to merge with.</source>
        <translation>最後一行之後沒有可合併的行。</translation>
    </message>
    <message>
        <source>There are no lines to shift.</source>
        <translation>沒有可平移的行。</translation>
    </message>
</context>
<context>
    <name>CaptionManager</name>
    <message>
        <source>英语（美国）</source>
        <translation>英語（美國）</translation>
    </message>
    <message>
        <source>西班牙语</source>
        <translation>西班牙語</translation>
    </message>
    <message>
        <source>法语</source>
        <translation>法語</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>簡體中文</translation>
    </message>
    <message>
        <source>粤语</source>
        <translation>粵語</translation>
    </message>
    <message>
        <source>韩语</source>
        <translation>韓語</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>日語</translation>
    </message>
    <message>
        <source>俄语</source>
        <translation>俄語</translation>
    </message>
</context>
<context>
    <name>CaptionStyleEditor</name>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>字號</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>描邊</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>粗體</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜體</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>底線</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>刪除線</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>樣式</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>靠左</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>置中</translation>
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
        <translation>文字顏色</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>描邊顏色</translation>
    </message>
    <message>
        <source>A caption holds at most %1 characters; the rest was left out.</source>
        <translation>字幕最多 %1 個字元，其餘部分已省略。</translation>
    </message>
    <message>
        <source>Type caption</source>
        <translation>輸入字幕</translation>
    </message>
    <message>
        <source>Move caption</source>
        <translation>移動字幕</translation>
    </message>
    <message>
        <source>Align caption</source>
        <translation>對齊字幕</translation>
    </message>
    <message>
        <source>Reset style</source>
        <translation>重設樣式</translation>
    </message>
    <message>
        <source>Change caption style</source>
        <translation>更改字幕樣式</translation>
    </message>
</context>
<context>
    <name>CaptionWidget</name>
    <message>
        <source>Search captions</source>
        <translation>搜尋字幕</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>No captions yet</source>
        <translation>尚無字幕</translation>
    </message>
    <message>
        <source>Generate Captions</source>
        <translation>產生字幕</translation>
    </message>
    <message>
        <source>Captions (%1)</source>
        <translation>字幕（%1）</translation>
    </message>
    <message>
        <source>Edit Line</source>
        <translation>編輯此行</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Delete the chosen lines</source>
        <translation>刪除所選的行</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>拆分</translation>
    </message>
    <message>
        <source>Split the line in two at the text cursor, its time in the same proportion</source>
        <translation>在游標處將此行一分為二，時間按相同比例拆分</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>合併</translation>
    </message>
    <message>
        <source>Merge the line with the next one</source>
        <translation>將此行與下一行合併</translation>
    </message>
    <message>
        <source>Shift Times...</source>
        <translation>平移時間...</translation>
    </message>
    <message>
        <source>Move every line earlier or later by the same time</source>
        <translation>將所有行提前或延後相同的時間</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time: type it as hh:mm:ss.mmm, for example 00:01:02.500.</source>
        <translation>「%1」不是時間：請按 hh:mm:ss.mmm 輸入，例如 00:01:02.500。</translation>
    </message>
    <message>
        <source>Edit line</source>
        <translation>編輯字幕行</translation>
    </message>
    <message>
        <source>Move line start</source>
        <translation>移動行開始時間</translation>
    </message>
    <message>
        <source>Move line end</source>
        <translation>移動行結束時間</translation>
    </message>
    <message>
        <source>Delete line</source>
        <translation>刪除字幕行</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n lines</source>
        <translation>
            <numerusform>刪除 %n 行</numerusform>
        </translation>
    </message>
    <message>
        <source>Split line</source>
        <translation>拆分字幕行</translation>
    </message>
    <message>
        <source>Merge lines</source>
        <translation>合併字幕行</translation>
    </message>
    <message>
        <source>Shift Times</source>
        <translation>平移時間</translation>
    </message>
    <message>
        <source>Move every line by (+ later, - earlier), as [-]hh:mm:ss.mmm:</source>
        <translation>所有行平移（+ 延後，- 提前），格式 [-]hh:mm:ss.mmm：</translation>
    </message>
    <message>
        <source>Shift times</source>
        <translation>平移時間</translation>
    </message>
</context>
<context>
    <name>CardActions</name>
    <message>
        <source>Paste</source>
        <translation>貼上</translation>
    </message>
    <message>
        <source>Delete Picture</source>
        <translation>刪除圖片</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>複製一份</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>移動</translation>
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
        <translation>用作第一張</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>複製圖片</translation>
    </message>
    <message>
        <source>Copy Caption</source>
        <translation>複製字幕</translation>
    </message>
    <message>
        <source>Paste Caption Style</source>
        <translation>貼上字幕樣式</translation>
    </message>
    <message>
        <source>Tick All</source>
        <translation>全部勾選</translation>
    </message>
    <message>
        <source>Untick All</source>
        <translation>全部取消勾選</translation>
    </message>
    <message>
        <source>Duplicate picture</source>
        <translation>複製圖片</translation>
    </message>
    <message>
        <source>Paste caption style</source>
        <translation>貼上字幕樣式</translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation>貼上圖片</translation>
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
        <translation>正在檢查更新</translation>
    </message>
    <message>
        <source>Remind me later</source>
        <translation>稍後提醒</translation>
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
        <translation>目前已是最新版本。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Release date: %1</source>
        <translation>發佈日期：%1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>大小：%1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重試</translation>
    </message>
    <message>
        <source>Pictorb could not check for updates: %1</source>
        <translation>Pictorb 無法檢查更新：%1</translation>
    </message>
</context>
<context>
    <name>ColorEntry</name>
    <message>
        <source>Select color</source>
        <translation>選擇顏色</translation>
    </message>
</context>
<context>
    <name>DocumentActions</name>
    <message>
        <source>File</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>開啟...</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>儲存專案</translation>
    </message>
    <message>
        <source>Save Project As...</source>
        <translation>專案另存為...</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>復原 %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>復原</translation>
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
        <translation>圖片和專案</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>無法開啟 %1：%2</translation>
    </message>
    <message>
        <source>The project could not be saved: %1</source>
        <translation>無法儲存專案：%1</translation>
    </message>
    <message>
        <source>Pictorb projects (*.%1)</source>
        <translation>Pictorb 專案 (*.%1)</translation>
    </message>
    <message>
        <source>The collection</source>
        <translation>目前合集</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved.</source>
        <translation>%1 有未儲存的變更。</translation>
    </message>
    <message>
        <source>The last session could not be restored: %1</source>
        <translation>無法還原上次工作階段：%1</translation>
    </message>
    <message>
        <source>Restored your last session</source>
        <translation>已還原上次工作階段</translation>
    </message>
    <message>
        <source>Start empty</source>
        <translation>清空重新開始</translation>
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
        <translation>產生字幕</translation>
    </message>
    <message>
        <source>Pictorb speech service</source>
        <translation>Pictorb 語音服務</translation>
    </message>
    <message>
        <source>OpenAI-compatible transcription</source>
        <translation>OpenAI 相容轉寫</translation>
    </message>
    <message>
        <source>None</source>
        <translation>無</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>產生</translation>
    </message>
    <message>
        <source>Spoken language</source>
        <translation>口語語言</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>服務提供者</translation>
    </message>
    <message>
        <source>Base URL</source>
        <translation>基礎 URL</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>模型</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>API 金鑰</translation>
    </message>
    <message>
        <source>The base URL must be an http or https address.</source>
        <translation>基礎 URL 必須是 http 或 https 位址。</translation>
    </message>
</context>
<context>
    <name>GlobalManager</name>
    <message>
        <source>the picture could not be written</source>
        <translation>無法寫入圖片</translation>
    </message>
    <message>
        <source>Nothing was exported: %1</source>
        <translation>未匯出任何內容：%1</translation>
    </message>
    <message>
        <source>Exported %1 (%2 x %3, %4)</source>
        <translation>已匯出 %1（%2 x %3，%4）</translation>
    </message>
    <message>
        <source>Exported %1 pictures into %2</source>
        <translation>已將 %1 張圖片匯出到 %2</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 張無法寫入：%2</translation>
    </message>
    <message>
        <source>The folder %1 could not be used, so the export went to %2.</source>
        <translation>無法使用資料夾 %1，因此已匯出到 %2。</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>開啟資料夾</translation>
    </message>
</context>
<context>
    <name>ImagesWidget</name>
    <message>
        <source>Images</source>
        <translation>圖片</translation>
    </message>
    <message>
        <source>Apply Current Style</source>
        <translation>套用目前樣式</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>檢視</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Drop your image here! Or,&lt;br&gt;&lt;a style=&quot;color: #685af5;&quot; href=&quot;clicked&quot;&gt;Click here to import image.&lt;/a&gt;</source>
        <translation>將圖片拖放到這裡！或者&lt;br&gt;&lt;a style=&quot;color: #685af5;&quot; href=&quot;clicked&quot;&gt;按一下這裡匯入圖片。&lt;/a&gt;</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>及另外 %1 個</translation>
    </message>
    <message>
        <source>Damaged, shown as far as it could be read: %1.</source>
        <translation>已損壞，按可讀取的部分顯示：%1。</translation>
    </message>
    <message>
        <source>Not imported, not a picture or unreadable: %1.</source>
        <translation>未匯入，不是圖片或無法讀取：%1。</translation>
    </message>
    <message>
        <source>Not imported, more than %1 megapixels: %2.</source>
        <translation>未匯入，超過 %1 百萬像素：%2。</translation>
    </message>
    <message>
        <source>Tick the pictures to export first.</source>
        <translation>請先勾選要匯出的圖片。</translation>
    </message>
    <message>
        <source>Import picture</source>
        <translation>匯入圖片</translation>
    </message>
    <message>
        <source>Import %1 pictures</source>
        <translation>匯入 %1 張圖片</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>擷取</translation>
    </message>
    <message>
        <source>Tick picture</source>
        <translation>勾選圖片</translation>
    </message>
    <message>
        <source>Untick picture</source>
        <translation>取消勾選圖片</translation>
    </message>
    <message>
        <source>Tick all</source>
        <translation>全部勾選</translation>
    </message>
    <message>
        <source>Untick all</source>
        <translation>全部取消勾選</translation>
    </message>
    <message>
        <source>Delete picture</source>
        <translation>刪除圖片</translation>
    </message>
    <message>
        <source>Apply current style</source>
        <translation>套用目前樣式</translation>
    </message>
    <message>
        <source>Give every picture the caption style of the one being edited</source>
        <translation>將正在編輯圖片的字幕樣式套用到所有圖片</translation>
    </message>
    <message>
        <source>Show the pictures large, to export each of them</source>
        <translation>放大顯示圖片，以便逐張匯出</translation>
    </message>
    <message>
        <source>Remove every picture; Undo brings them back</source>
        <translation>移除所有圖片；復原可恢復</translation>
    </message>
    <message>
        <source>Use as first</source>
        <translation>用作第一張</translation>
    </message>
    <message>
        <source>Move picture</source>
        <translation>移動圖片</translation>
    </message>
    <message>
        <source>Capture %1 lines</source>
        <translation>擷取 %1 行</translation>
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
        <translation>從此時間起的行</translation>
    </message>
    <message>
        <source>The lines selected in the caption list (%1)</source>
        <translation>字幕列表中選取的行（%1）</translation>
    </message>
    <message>
        <source>As the still&apos;s caption, edited and styled in Pictorb (recommended: the band fits the caption)</source>
        <translation>作為截圖的字幕，在 Pictorb 中編輯和設定樣式（建議：字幕條與字幕完全吻合）</translation>
    </message>
    <message>
        <source>Drawn into the picture by the player</source>
        <translation>由播放器繪製到圖片中</translation>
    </message>
    <message>
        <source>Capture every line</source>
        <translation>擷取每一行</translation>
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
        <translation>擷取</translation>
    </message>
    <message>
        <source>Stills to capture: %1, one at the middle of each line.</source>
        <translation>要擷取的靜格：%1 張，每行中間一張。</translation>
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
        <translation>正在產生字幕</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Support</source>
        <translation>技術支援</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>使用指南</translation>
    </message>
    <message>
        <source>View Log</source>
        <translation>檢視記錄檔</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>檢查更新</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>圖片檔案</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>開啟圖片</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a full path; exports go to %2.</source>
        <translation>輸出資料夾「%1」不是完整路徑；匯出將儲存到 %2。</translation>
    </message>
    <message>
        <source>Import pictures or open a project</source>
        <translation>匯入圖片或開啟專案</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>偏好設定...</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>This is a message.</source>
        <translation>這是一則訊息。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
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
        <translation>後退 [Left]</translation>
    </message>
    <message>
        <source>Forward [Right]</source>
        <translation>前進 [Right]</translation>
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
        <translation>擷取 [Ctrl+Alt+S]</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>擷取</translation>
    </message>
    <message>
        <source>Capture with subtitles</source>
        <translation>連字幕擷取</translation>
    </message>
    <message>
        <source>Draw the subtitle shown into the captured picture</source>
        <translation>將顯示的字幕繪製到擷取的圖片中</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>靜音</translation>
    </message>
    <message>
        <source>Pause [Space]</source>
        <translation>暫停 [空白鍵]</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>偏好設定</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>輸出</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>語音</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Output folder:</source>
        <translation>輸出資料夾：</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>格式：</translation>
    </message>
    <message>
        <source>Captures:</source>
        <translation>擷取：</translation>
    </message>
    <message>
        <source>Provider:</source>
        <translation>服務提供方：</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>位址：</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>模型：</translation>
    </message>
    <message>
        <source>Time-out:</source>
        <translation>逾時：</translation>
    </message>
    <message>
        <source>API key:</source>
        <translation>API 金鑰：</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>語言：</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>瀏覽...</translation>
    </message>
    <message>
        <source>Capture frames with the subtitle drawn in</source>
        <translation>擷取畫面時帶上字幕</translation>
    </message>
    <message>
        <source>Check for updates at start</source>
        <translation>啟動時檢查更新</translation>
    </message>
    <message>
        <source>Pictorb speech service</source>
        <translation>Pictorb 語音服務</translation>
    </message>
    <message>
        <source>OpenAI-compatible transcription</source>
        <translation>相容 OpenAI 的轉寫服務</translation>
    </message>
    <message>
        <source> min</source>
        <translation> 分鐘</translation>
    </message>
    <message>
        <source>The model the transcription server runs, e.g. whisper-1</source>
        <translation>轉寫伺服器執行的模型，例如 whisper-1</translation>
    </message>
    <message>
        <source>None: a local server needs no key</source>
        <translation>無：本機伺服器無需金鑰</translation>
    </message>
    <message>
        <source>Kept in the system&apos;s secret store, never in the settings</source>
        <translation>保存在系統的金鑰存放區中，絕不寫入設定</translation>
    </message>
    <message>
        <source>Choose a folder for the exported pictures.</source>
        <translation>請為匯出的圖片選擇一個資料夾。</translation>
    </message>
    <message>
        <source>Pictorb cannot write into &quot;%1&quot;: choose a folder you can write to.</source>
        <translation>Pictorb 無法寫入「%1」：請選擇一個可寫入的資料夾。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address: it must start with http:// or https:// and name a host, as http://127.0.0.1:8000 does.</source>
        <translation>「%1」不是網址：必須以 http:// 或 https:// 開頭並包含主機名稱，例如 http://127.0.0.1:8000。</translation>
    </message>
    <message>
        <source>Name the model the server runs, for example whisper-1.</source>
        <translation>請填寫伺服器執行的模型，例如 whisper-1。</translation>
    </message>
</context>
<context>
    <name>PreviewWidget</name>
    <message>
        <source>Preview</source>
        <translation>預覽</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>檢視</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>版面</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>網格</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>縱向</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>橫向</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>尺寸</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>間距</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>縮放</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>寬度</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高度</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>欄數</translation>
    </message>
    <message>
        <source>X Space</source>
        <translation>X 間距</translation>
    </message>
    <message>
        <source>Y Space</source>
        <translation>Y 間距</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>輸出</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>儲存至</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>變更</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>Too large for %1: at most %2 pixels per side. Lower the scale or choose another format.</source>
        <translation>圖片對 %1 而言過大：每邊最多 %2 像素。請降低縮放比例或選擇其他格式。</translation>
    </message>
    <message>
        <source>Tick pictures in the strip to merge them</source>
        <translation>在圖片列中勾選圖片即可合併</translation>
    </message>
    <message>
        <source>The merged picture of %1 x %2 pixels is too large to hold. Tick fewer pictures or choose another layout.</source>
        <translation>合併後的圖片為 %1 x %2 像素，太大無法處理。請少勾選一些圖片或換一種版面。</translation>
    </message>
    <message>
        <source>Nothing was exported: a picture of %1 x %2 needs more memory than is free.</source>
        <translation>未匯出任何內容：%1 x %2 的圖片所需記憶體超過可用記憶體。</translation>
    </message>
    <message>
        <source>Change output size</source>
        <translation>更改輸出尺寸</translation>
    </message>
    <message>
        <source>Change columns</source>
        <translation>更改欄數</translation>
    </message>
    <message>
        <source>Change spacing</source>
        <translation>更改間距</translation>
    </message>
    <message>
        <source>Change layout</source>
        <translation>更改版面</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>條帶</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>條帶</translation>
    </message>
    <message>
        <source>Set the band of every still at once</source>
        <translation>一次設定所有靜格的條帶</translation>
    </message>
    <message>
        <source>Open the merged picture in a window of its own</source>
        <translation>在獨立視窗中開啟合併後的圖片</translation>
    </message>
    <message>
        <source>Output size in percent of the merged picture</source>
        <translation>輸出大小佔合併圖片的百分比</translation>
    </message>
    <message>
        <source>Output width in pixels; the height follows</source>
        <translation>輸出寬度（像素），高度隨之調整</translation>
    </message>
    <message>
        <source>Output height in pixels; the width follows</source>
        <translation>輸出高度（像素），寬度隨之調整</translation>
    </message>
    <message>
        <source>Pictures in each row of the grid</source>
        <translation>網格每列的圖片數</translation>
    </message>
    <message>
        <source>Pixels between the pictures; negative keeps only a band of each following one</source>
        <translation>圖片之間的像素；負值時後續每張圖片只保留一條條帶</translation>
    </message>
    <message>
        <source>Pixels of each following picture the strip shows, counted from its far edge</source>
        <translation>條帶顯示的後續每張圖片的像素，從其遠端邊緣算起</translation>
    </message>
</context>
<context>
    <name>ProcessThread</name>
    <message>
        <source>Process %1 has been terminated.</source>
        <translation>處理程序 %1 已被終止。</translation>
    </message>
    <message>
        <source>Failed to start process %1. exit code %2</source>
        <translation>無法啟動處理程序 %1。結束代碼 %2</translation>
    </message>
    <message>
        <source>Rum command</source>
        <translation>執行命令</translation>
    </message>
    <message>
        <source>Process %1 has been started.</source>
        <translation>處理程序 %1 已啟動。</translation>
    </message>
    <message>
        <source>Process %1 has been finish.</source>
        <translation>處理程序 %1 已結束。</translation>
    </message>
</context>
<context>
    <name>SaveFileBar</name>
    <message>
        <source>Choose to save</source>
        <translation>選擇儲存位置</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>輸出</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>全選</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>儲存至</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>變更</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>Export Selected</source>
        <translation>匯出所選</translation>
    </message>
</context>
<context>
    <name>SecretStore</name>
    <message>
        <source>No secret store is running: the API key is kept for this session only</source>
        <translation>沒有執行中的密鑰存放區：API 金鑰只在本次工作階段中保留</translation>
    </message>
</context>
<context>
    <name>SheetActions</name>
    <message>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>Export Each Ticked Picture</source>
        <translation>逐張匯出勾選的圖片</translation>
    </message>
    <message>
        <source>View</source>
        <translation>檢視</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation>適合視窗</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>實際大小</translation>
    </message>
    <message>
        <source>Export the merged picture</source>
        <translation>匯出合併後的圖片</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Fit the picture to the panel</source>
        <translation>使圖片適合面板</translation>
    </message>
    <message>
        <source>Show the picture at its actual size</source>
        <translation>以實際大小顯示圖片</translation>
    </message>
</context>
<context>
    <name>SpeechClient</name>
    <message>
        <source>The speech service did not answer</source>
        <translation>語音服務沒有回應</translation>
    </message>
    <message>
        <source>The service returned no usable result</source>
        <translation>服務未傳回可用的結果</translation>
    </message>
</context>
<context>
    <name>SubtitleFile</name>
    <message>
        <source>larger than %1 MiB</source>
        <translation>大於 %1 MiB</translation>
    </message>
    <message>
        <source>no timed subtitle line</source>
        <translation>沒有帶時間的字幕行</translation>
    </message>
</context>
<context>
    <name>SubtitleGeneration</name>
    <message>
        <source>Extracting the sound of the film</source>
        <translation>正在擷取影片的聲音</translation>
    </message>
    <message>
        <source>Uploading the audio: %1%</source>
        <translation>正在上傳音訊：%1%</translation>
    </message>
    <message>
        <source>Recognising speech</source>
        <translation>正在辨識語音</translation>
    </message>
    <message>
        <source>Writing the subtitles</source>
        <translation>正在寫入字幕</translation>
    </message>
    <message>
        <source>Subtitles cannot be generated now: open a film, or wait for the generation going on to end</source>
        <translation>現在無法產生字幕：請開啟影片，或等待進行中的產生結束</translation>
    </message>
    <message>
        <source>Subtitle lines generated: %1</source>
        <translation>已產生字幕行：%1</translation>
    </message>
    <message>
        <source>Times past the end of the film were moved to its end.</source>
        <translation>超出影片結尾的時間已移到結尾。</translation>
    </message>
    <message>
        <source>Negative or reversed times were mended and the lines put in order.</source>
        <translation>已修正負數或顛倒的時間，並按順序排列各行。</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重試</translation>
    </message>
</context>
<context>
    <name>SubtitleGenerator</name>
    <message>
        <source>The sound of the film could not be extracted</source>
        <translation>無法擷取影片的聲音</translation>
    </message>
    <message>
        <source>The subtitles could not be written</source>
        <translation>無法寫入字幕</translation>
    </message>
</context>
<context>
    <name>SubtitleTrackReader</name>
    <message>
        <source>the track holds no text lines</source>
        <translation>該軌道沒有文字行</translation>
    </message>
    <message>
        <source>the ffmpeg program could not be started</source>
        <translation>無法啟動 ffmpeg 程式</translation>
    </message>
</context>
<context>
    <name>SubtitleWriter</name>
    <message>
        <source>the file cannot be written</source>
        <translation>無法寫入檔案</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Add Image</source>
        <translation>新增圖片</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
</context>
<context>
    <name>TranscriptionClient</name>
    <message>
        <source>The transcription service refused the API key</source>
        <translation>轉寫服務拒絕了 API 金鑰</translation>
    </message>
</context>
<context>
    <name>VideoActions</name>
    <message>
        <source>Video</source>
        <translation>影片</translation>
    </message>
    <message>
        <source>Open Video...</source>
        <translation>開啟影片...</translation>
    </message>
    <message>
        <source>Load Subtitles...</source>
        <translation>載入字幕...</translation>
    </message>
    <message>
        <source>Subtitle Track</source>
        <translation>字幕軌</translation>
    </message>
    <message>
        <source>Remove Subtitles</source>
        <translation>移除字幕</translation>
    </message>
    <message>
        <source>Play or Pause</source>
        <translation>播放或暫停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Previous Frame</source>
        <translation>上一格</translation>
    </message>
    <message>
        <source>Next Frame</source>
        <translation>下一格</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>擷取</translation>
    </message>
    <message>
        <source>Capture Every Line...</source>
        <translation>擷取每一行...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>無</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>軌道 %1</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>影片</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>所有檔案</translation>
    </message>
    <message>
        <source>Open Video</source>
        <translation>開啟影片</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Load Subtitles</source>
        <translation>載入字幕</translation>
    </message>
    <message>
        <source>Capture every line</source>
        <translation>擷取每一行</translation>
    </message>
    <message>
        <source>Capturing line %1 of %2</source>
        <translation>正在擷取第 %1 行，共 %2 行</translation>
    </message>
    <message>
        <source>Generate Subtitles...</source>
        <translation>產生字幕...</translation>
    </message>
    <message>
        <source>Subtitles from the speech of the film</source>
        <translation>根據影片中的語音產生字幕</translation>
    </message>
    <message>
        <source>Save Subtitles As...</source>
        <translation>字幕另存為...</translation>
    </message>
    <message>
        <source>The corrected lines cannot be kept in &quot;%1&quot;; save them with Save Subtitles As before closing.</source>
        <translation>修改後的字幕行無法儲存到「%1」；請在關閉前用「字幕另存為」儲存。</translation>
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
        <translation>字幕另存為</translation>
    </message>
    <message>
        <source>The subtitles cannot be saved as &quot;%1&quot;: %2.</source>
        <translation>無法將字幕儲存為「%1」：%2。</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n subtitle lines as &quot;%1&quot;.</source>
        <translation>
            <numerusform>已將 %n 行字幕儲存為「%1」。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VideoEngine</name>
    <message>
        <source>the video engine could not be started</source>
        <translation>無法啟動影片引擎</translation>
    </message>
    <message>
        <source>the video engine refused it</source>
        <translation>影片引擎拒絕了它</translation>
    </message>
    <message>
        <source>no video in it</source>
        <translation>其中沒有影片</translation>
    </message>
    <message>
        <source>it could not be opened</source>
        <translation>無法開啟</translation>
    </message>
</context>
<context>
    <name>VideoPlayWidget</name>
    <message>
        <source>Edit</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>Drop your video here! Or,&lt;br&gt;&lt;a style=&quot;color: #685af5;&quot; href=&quot;clicked&quot;&gt;Click here to import video.&lt;/a&gt;</source>
        <translation>將影片拖放到這裡！或者&lt;br&gt;&lt;a style=&quot;color: #685af5;&quot; href=&quot;clicked&quot;&gt;按一下這裡匯入影片。&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Reset style</source>
        <translation>重設樣式</translation>
    </message>
    <message>
        <source>Drag band</source>
        <translation>拖曳條帶</translation>
    </message>
    <message>
        <source>Give the caption the default style back</source>
        <translation>將字幕恢復為預設樣式</translation>
    </message>
    <message>
        <source>Show picture</source>
        <translation>顯示圖片</translation>
    </message>
    <message>
        <source>Show film</source>
        <translation>顯示影片</translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <source>The subtitle track lists no lines: %1.</source>
        <translation>該字幕軌沒有可列出的行：%1。</translation>
    </message>
    <message>
        <source>this computer&apos;s OpenGL cannot show films</source>
        <translation>此電腦的 OpenGL 無法顯示影片</translation>
    </message>
    <message>
        <source>The subtitles &quot;%1&quot; cannot be shown: %2.</source>
        <translation>無法顯示字幕「%1」：%2。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be played: %2.</source>
        <translation>無法播放「%1」：%2。</translation>
    </message>
    <message>
        <source>Open a film before its subtitles.</source>
        <translation>請先開啟影片，再載入其字幕。</translation>
    </message>
    <message>
        <source>The subtitles &quot;%1&quot; cannot be loaded: %2.</source>
        <translation>無法載入字幕「%1」：%2。</translation>
    </message>
    <message>
        <source>There is no frame to capture yet.</source>
        <translation>還沒有可擷取的畫面。</translation>
    </message>
    <message>
        <source>The lines cannot be captured: %1.</source>
        <translation>無法擷取字幕行：%1。</translation>
    </message>
</context>
</TS>
