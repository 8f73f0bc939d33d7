<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version: %1</source>
        <translation>バージョン：%1</translation>
    </message>
    <message>
        <source>%1 is a pioneering force dedicated to crafting cutting-edge solutions that empower individuals and businesses to unleash their full potential through technologies.</source>
        <translation>%1 は、個人と企業がテクノロジーによって可能性を最大限に発揮できるよう、最先端のソリューションを生み出すパイオニアです。</translation>
    </message>
    <message>
        <source>For more details, please visit %2 and %1 official site.</source>
        <translation>詳しくは %2 および %1 の公式サイトをご覧ください。</translation>
    </message>
    <message>
        <source>Copyright © 2026 %1. All rights reserved.</source>
        <translation>Copyright © 2026 %1. 無断複写・転載を禁じます。</translation>
    </message>
    <message>
        <source>%1 is free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later). The libraries it is built on and their licences are listed in THIRD_PARTY_NOTICES.md.</source>
        <translation>%1 は GNU 一般公衆利用許諾書 バージョン 3 以降（GPL-3.0-or-later）のもとで配布されるフリーソフトウェアです。使用しているライブラリとそのライセンスは THIRD_PARTY_NOTICES.md に記載されています。</translation>
    </message>
</context>
<context>
    <name>BandCommands</name>
    <message>
        <source>Fit Bands to Captions</source>
        <translation>帯を字幕に合わせる</translation>
    </message>
    <message>
        <source>Use Shared Band Everywhere</source>
        <translation>すべてに共通の帯を使う</translation>
    </message>
    <message>
        <source>No picture has a caption to fit a band to.</source>
        <translation>帯を合わせる字幕のある画像がありません。</translation>
    </message>
    <message>
        <source>Fit bands to captions</source>
        <translation>帯を字幕に合わせる</translation>
    </message>
    <message>
        <source>Use shared band everywhere</source>
        <translation>すべてに共通の帯を使う</translation>
    </message>
    <message>
        <source>Bands fitted to captions: %1.</source>
        <translation>字幕に合わせた帯: %1。</translation>
    </message>
    <message>
        <source>Detect Subtitle Bands</source>
        <translation>字幕帯を検出</translation>
    </message>
    <message>
        <source>Drop Repeated Lines</source>
        <translation>繰り返しの行を除く</translation>
    </message>
    <message>
        <source>picture %1</source>
        <translation>画像 %1</translation>
    </message>
    <message>
        <source>Detect subtitle bands</source>
        <translation>字幕帯の検出</translation>
    </message>
    <message>
        <source>Subtitle bands found in %1 of %2 pictures.</source>
        <translation>%2 枚中 %1 枚の画像で字幕帯が見つかりました。</translation>
    </message>
    <message>
        <source>None in %1: they keep the shared band.</source>
        <translation>%1 にはありません：共通の帯のままです。</translation>
    </message>
    <message>
        <source>Repeated lines are found in the bands of a vertical strip: give it a Band first.</source>
        <translation>繰り返しの行は縦の帯の中で探します：先に帯を指定してください。</translation>
    </message>
    <message>
        <source>Drop repeated lines</source>
        <translation>繰り返しの行を除く</translation>
    </message>
    <message>
        <source>No still repeats the line before it.</source>
        <translation>前の行を繰り返す画像はありません。</translation>
    </message>
    <message>
        <source>Unticked %1 stills that repeat the line before them.</source>
        <translation>前の行を繰り返す %1 枚の画像のチェックを外しました。</translation>
    </message>
</context>
<context>
    <name>BandEditor</name>
    <message>
        <source>Band</source>
        <translation>帯</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>上端</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高さ</translation>
    </message>
    <message>
        <source>Use shared band</source>
        <translation>共通の帯を使う</translation>
    </message>
    <message>
        <source>Show the rows the whole sheet uses, set by its Band</source>
        <translation>シート全体の帯で決まる行を表示</translation>
    </message>
    <message>
        <source>The first picture of the sheet is always shown whole</source>
        <translation>シートの最初の画像は常に全体が表示されます</translation>
    </message>
    <message>
        <source>Change band</source>
        <translation>帯の変更</translation>
    </message>
</context>
<context>
    <name>CaptionItem</name>
    <message>
        <source>Start, as hh:mm:ss.mmm. Alt+Up: %1 ms later, Alt+Down: %1 ms earlier. Return keeps the line, Esc drops the change.</source>
        <translation>開始時刻 (hh:mm:ss.mmm)。Alt+上: %1 ミリ秒遅く、Alt+下: %1 ミリ秒早く。Enter で確定、Esc で変更を取り消します。</translation>
    </message>
    <message>
        <source>End, as hh:mm:ss.mmm. Alt+Up: %1 ms later, Alt+Down: %1 ms earlier. Return keeps the line, Esc drops the change.</source>
        <translation>終了時刻 (hh:mm:ss.mmm)。Alt+上: %1 ミリ秒遅く、Alt+下: %1 ミリ秒早く。Enter で確定、Esc で変更を取り消します。</translation>
    </message>
    <message>
        <source>Text of the line. Ctrl+B splits it at the cursor. Return keeps the line, Esc drops the change.</source>
        <translation>行のテキスト。Ctrl+B でカーソル位置で分割。Enter で確定、Esc で変更を取り消します。</translation>
    </message>
</context>
<context>
    <name>CaptionListEdit</name>
    <message>
        <source>There is no such line.</source>
        <translation>その行はありません。</translation>
    </message>
    <message>
        <source>A line needs some text; delete the line instead.</source>
        <translation>行にはテキストが必要です。不要なら行を削除してください。</translation>
    </message>
    <message>
        <source>A time cannot lie before the start of the film.</source>
        <translation>時刻を映像の開始より前にはできません。</translation>
    </message>
    <message>
        <source>A line cannot end before it starts.</source>
        <translation>行の終了を開始より前にはできません。</translation>
    </message>
    <message>
        <source>Put the text cursor between two words of the line to split it there.</source>
        <translation>分割するには、行の2つの語の間にカーソルを置いてください。</translation>
    </message>
    <message>
        <source>The last line has no next line to merge with.</source>
        <translation>最後の行には結合する次の行がありません。</translation>
    </message>
    <message>
        <source>There are no lines to shift.</source>
        <translation>ずらす行がありません。</translation>
    </message>
</context>
<context>
    <name>CaptionManager</name>
    <message>
        <source>英语（美国）</source>
        <translation>英語（米国）</translation>
    </message>
    <message>
        <source>西班牙语</source>
        <translation>スペイン語</translation>
    </message>
    <message>
        <source>法语</source>
        <translation>フランス語</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>中国語（簡体字）</translation>
    </message>
    <message>
        <source>粤语</source>
        <translation>広東語</translation>
    </message>
    <message>
        <source>韩语</source>
        <translation>韓国語</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>俄语</source>
        <translation>ロシア語</translation>
    </message>
</context>
<context>
    <name>CaptionStyleEditor</name>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>縁取り</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>太字</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜体</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>下線</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>取り消し線</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>スタイル</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>中央</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>下</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>文字色</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>縁取りの色</translation>
    </message>
    <message>
        <source>A caption holds at most %1 characters; the rest was left out.</source>
        <translation>字幕は最大 %1 文字です。残りは省略されました。</translation>
    </message>
    <message>
        <source>Type caption</source>
        <translation>字幕の入力</translation>
    </message>
    <message>
        <source>Move caption</source>
        <translation>字幕の移動</translation>
    </message>
    <message>
        <source>Align caption</source>
        <translation>字幕の配置</translation>
    </message>
    <message>
        <source>Reset style</source>
        <translation>スタイルをリセット</translation>
    </message>
    <message>
        <source>Change caption style</source>
        <translation>字幕スタイルの変更</translation>
    </message>
</context>
<context>
    <name>CaptionWidget</name>
    <message>
        <source>Search captions</source>
        <translation>字幕を検索</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>No captions yet</source>
        <translation>字幕はまだありません</translation>
    </message>
    <message>
        <source>Generate Captions</source>
        <translation>字幕を生成</translation>
    </message>
    <message>
        <source>Captions (%1)</source>
        <translation>字幕（%1）</translation>
    </message>
    <message>
        <source>Edit Line</source>
        <translation>行を編集</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Delete the chosen lines</source>
        <translation>選んだ行を削除</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>分割</translation>
    </message>
    <message>
        <source>Split the line in two at the text cursor, its time in the same proportion</source>
        <translation>カーソル位置で行を2つに分割し、時間も同じ比率で分けます</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>結合</translation>
    </message>
    <message>
        <source>Merge the line with the next one</source>
        <translation>この行を次の行と結合</translation>
    </message>
    <message>
        <source>Shift Times...</source>
        <translation>時間をずらす...</translation>
    </message>
    <message>
        <source>Move every line earlier or later by the same time</source>
        <translation>すべての行を同じ時間だけ早く/遅くします</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time: type it as hh:mm:ss.mmm, for example 00:01:02.500.</source>
        <translation>「%1」は時刻ではありません。hh:mm:ss.mmm の形式で入力してください (例: 00:01:02.500)。</translation>
    </message>
    <message>
        <source>Edit line</source>
        <translation>行の編集</translation>
    </message>
    <message>
        <source>Move line start</source>
        <translation>行の開始を移動</translation>
    </message>
    <message>
        <source>Move line end</source>
        <translation>行の終了を移動</translation>
    </message>
    <message>
        <source>Delete line</source>
        <translation>行の削除</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n lines</source>
        <translation>
            <numerusform>%n 行の削除</numerusform>
        </translation>
    </message>
    <message>
        <source>Split line</source>
        <translation>行の分割</translation>
    </message>
    <message>
        <source>Merge lines</source>
        <translation>行の結合</translation>
    </message>
    <message>
        <source>Shift Times</source>
        <translation>時間をずらす</translation>
    </message>
    <message>
        <source>Move every line by (+ later, - earlier), as [-]hh:mm:ss.mmm:</source>
        <translation>すべての行をずらす量 (+ 遅く、- 早く)、[-]hh:mm:ss.mmm 形式:</translation>
    </message>
    <message>
        <source>Shift times</source>
        <translation>時間のずらし</translation>
    </message>
</context>
<context>
    <name>CardActions</name>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Delete Picture</source>
        <translation>画像を削除</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>移動</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>左へ移動</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>右へ移動</translation>
    </message>
    <message>
        <source>Move to Front</source>
        <translation>先頭へ移動</translation>
    </message>
    <message>
        <source>Use as First</source>
        <translation>最初の画像にする</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>画像をコピー</translation>
    </message>
    <message>
        <source>Copy Caption</source>
        <translation>字幕をコピー</translation>
    </message>
    <message>
        <source>Paste Caption Style</source>
        <translation>字幕スタイルを貼り付け</translation>
    </message>
    <message>
        <source>Tick All</source>
        <translation>すべてチェック</translation>
    </message>
    <message>
        <source>Untick All</source>
        <translation>すべてのチェックを外す</translation>
    </message>
    <message>
        <source>Duplicate picture</source>
        <translation>画像の複製</translation>
    </message>
    <message>
        <source>Paste caption style</source>
        <translation>字幕スタイルの貼り付け</translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation>画像の貼り付け</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDialog</name>
    <message>
        <source>Update</source>
        <translation>アップデート</translation>
    </message>
    <message>
        <source>Check for update</source>
        <translation>アップデートを確認中</translation>
    </message>
    <message>
        <source>Remind me later</source>
        <translation>後で通知</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>今すぐ更新</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>バージョン：%1</translation>
    </message>
    <message>
        <source>Your current use is already the latest version.</source>
        <translation>お使いのバージョンは最新です。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Release date: %1</source>
        <translation>リリース日：%1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>サイズ：%1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>Pictorb could not check for updates: %1</source>
        <translation>Pictorb は更新を確認できませんでした: %1</translation>
    </message>
</context>
<context>
    <name>ColorEntry</name>
    <message>
        <source>Select color</source>
        <translation>色を選択</translation>
    </message>
</context>
<context>
    <name>DocumentActions</name>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>開く...</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>プロジェクトを保存</translation>
    </message>
    <message>
        <source>Save Project As...</source>
        <translation>名前を付けてプロジェクトを保存...</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>元に戻す: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>やり直し: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>Pictures and projects</source>
        <translation>画像とプロジェクト</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>%1 を開けませんでした: %2</translation>
    </message>
    <message>
        <source>The project could not be saved: %1</source>
        <translation>プロジェクトを保存できませんでした: %1</translation>
    </message>
    <message>
        <source>Pictorb projects (*.%1)</source>
        <translation>Pictorb プロジェクト (*.%1)</translation>
    </message>
    <message>
        <source>The collection</source>
        <translation>このコレクション</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved.</source>
        <translation>%1 には保存されていない変更があります。</translation>
    </message>
    <message>
        <source>The last session could not be restored: %1</source>
        <translation>前回のセッションを復元できませんでした: %1</translation>
    </message>
    <message>
        <source>Restored your last session</source>
        <translation>前回のセッションを復元しました</translation>
    </message>
    <message>
        <source>Start empty</source>
        <translation>空の状態で開始</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
</context>
<context>
    <name>GenerateSubtitlesDialog</name>
    <message>
        <source>Generate Subtitles</source>
        <translation>字幕を生成</translation>
    </message>
    <message>
        <source>Pictorb speech service</source>
        <translation>Pictorb 音声サービス</translation>
    </message>
    <message>
        <source>OpenAI-compatible transcription</source>
        <translation>OpenAI 互換の文字起こし</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>生成</translation>
    </message>
    <message>
        <source>Spoken language</source>
        <translation>話されている言語</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>プロバイダー</translation>
    </message>
    <message>
        <source>Base URL</source>
        <translation>ベース URL</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>モデル</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>API キー</translation>
    </message>
    <message>
        <source>The base URL must be an http or https address.</source>
        <translation>ベース URL は http または https のアドレスである必要があります。</translation>
    </message>
</context>
<context>
    <name>GlobalManager</name>
    <message>
        <source>the picture could not be written</source>
        <translation>画像を書き込めませんでした</translation>
    </message>
    <message>
        <source>Nothing was exported: %1</source>
        <translation>何もエクスポートされませんでした: %1</translation>
    </message>
    <message>
        <source>Exported %1 (%2 x %3, %4)</source>
        <translation>%1 をエクスポートしました（%2 x %3、%4）</translation>
    </message>
    <message>
        <source>Exported %1 pictures into %2</source>
        <translation>%1 枚の画像を %2 にエクスポートしました</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 枚を書き込めませんでした: %2</translation>
    </message>
    <message>
        <source>The folder %1 could not be used, so the export went to %2.</source>
        <translation>フォルダー %1 を使用できなかったため、%2 にエクスポートしました。</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>フォルダーを開く</translation>
    </message>
</context>
<context>
    <name>ImagesWidget</name>
    <message>
        <source>Images</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Apply Current Style</source>
        <translation>現在のスタイルを適用</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Drop your image here! Or,&lt;br&gt;&lt;a style=&quot;color: #685af5;&quot; href=&quot;clicked&quot;&gt;Click here to import image.&lt;/a&gt;</source>
        <translation>ここに画像をドロップしてください。または&lt;br&gt;&lt;a style=&quot;color: #685af5;&quot; href=&quot;clicked&quot;&gt;ここをクリックして画像を読み込みます。&lt;/a&gt;</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>ほか %1 件</translation>
    </message>
    <message>
        <source>Damaged, shown as far as it could be read: %1.</source>
        <translation>破損しています。読み取れた範囲で表示します: %1。</translation>
    </message>
    <message>
        <source>Not imported, not a picture or unreadable: %1.</source>
        <translation>インポートされませんでした（画像でないか読み取れません）: %1。</translation>
    </message>
    <message>
        <source>Not imported, more than %1 megapixels: %2.</source>
        <translation>インポートされませんでした（%1 メガピクセル超）: %2。</translation>
    </message>
    <message>
        <source>Tick the pictures to export first.</source>
        <translation>先にエクスポートする画像にチェックを入れてください。</translation>
    </message>
    <message>
        <source>Import picture</source>
        <translation>画像のインポート</translation>
    </message>
    <message>
        <source>Import %1 pictures</source>
        <translation>%1 枚の画像のインポート</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>キャプチャ</translation>
    </message>
    <message>
        <source>Tick picture</source>
        <translation>画像にチェック</translation>
    </message>
    <message>
        <source>Untick picture</source>
        <translation>画像のチェックを外す</translation>
    </message>
    <message>
        <source>Tick all</source>
        <translation>すべてチェック</translation>
    </message>
    <message>
        <source>Untick all</source>
        <translation>すべてのチェックを外す</translation>
    </message>
    <message>
        <source>Delete picture</source>
        <translation>画像の削除</translation>
    </message>
    <message>
        <source>Apply current style</source>
        <translation>現在のスタイルを適用</translation>
    </message>
    <message>
        <source>Give every picture the caption style of the one being edited</source>
        <translation>編集中の画像の字幕スタイルをすべての画像に適用</translation>
    </message>
    <message>
        <source>Show the pictures large, to export each of them</source>
        <translation>画像を大きく表示し、1枚ずつ書き出す</translation>
    </message>
    <message>
        <source>Remove every picture; Undo brings them back</source>
        <translation>すべての画像を削除。元に戻すで復元できます</translation>
    </message>
    <message>
        <source>Use as first</source>
        <translation>最初の画像にする</translation>
    </message>
    <message>
        <source>Move picture</source>
        <translation>画像の移動</translation>
    </message>
    <message>
        <source>Capture %1 lines</source>
        <translation>%1 行をキャプチャ</translation>
    </message>
</context>
<context>
    <name>LineCaptureDialog</name>
    <message>
        <source>Every line of the film (%1)</source>
        <translation>映像のすべての行（%1）</translation>
    </message>
    <message>
        <source>The lines from</source>
        <translation>次の範囲の行</translation>
    </message>
    <message>
        <source>The lines selected in the caption list (%1)</source>
        <translation>字幕リストで選択した行（%1）</translation>
    </message>
    <message>
        <source>As the still&apos;s caption, edited and styled in Pictorb (recommended: the band fits the caption)</source>
        <translation>静止画の字幕として Pictorb で編集・装飾する（推奨: 帯が字幕にぴったり合います）</translation>
    </message>
    <message>
        <source>Drawn into the picture by the player</source>
        <translation>プレーヤーが画像に描き込む</translation>
    </message>
    <message>
        <source>Capture every line</source>
        <translation>各行をキャプチャ</translation>
    </message>
    <message>
        <source>to</source>
        <translation>から</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>キャプチャ</translation>
    </message>
    <message>
        <source>Stills to capture: %1, one at the middle of each line.</source>
        <translation>キャプチャする静止画: %1 枚（各行の中央で 1 枚）。</translation>
    </message>
</context>
<context>
    <name>LoadingDialog</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Subtitle Generation in Progress</source>
        <translation>字幕を生成しています</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Support</source>
        <translation>サポート</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>ユーザーガイド</translation>
    </message>
    <message>
        <source>View Log</source>
        <translation>ログを表示</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>アップデートを確認</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>画像ファイル</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>画像を開く</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a full path; exports go to %2.</source>
        <translation>出力フォルダー「%1」は完全なパスではありません。エクスポート先は %2 です。</translation>
    </message>
    <message>
        <source>Import pictures or open a project</source>
        <translation>画像を読み込むかプロジェクトを開く</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>環境設定...</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>This is a message.</source>
        <translation>これはメッセージです。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>PlaybackBar</name>
    <message>
        <source>Backward [Left]</source>
        <translation>戻る [Left]</translation>
    </message>
    <message>
        <source>Forward [Right]</source>
        <translation>進む [Right]</translation>
    </message>
    <message>
        <source>Play [Space]</source>
        <translation>再生 [Space]</translation>
    </message>
    <message>
        <source>Stop [Ctrl+/]</source>
        <translation>停止 [Ctrl+/]</translation>
    </message>
    <message>
        <source>Capture [Ctrl+Alt+S]</source>
        <translation>キャプチャ [Ctrl+Alt+S]</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>キャプチャ</translation>
    </message>
    <message>
        <source>Capture with subtitles</source>
        <translation>字幕付きでキャプチャ</translation>
    </message>
    <message>
        <source>Draw the subtitle shown into the captured picture</source>
        <translation>表示中の字幕をキャプチャ画像に描き込む</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>ミュート</translation>
    </message>
    <message>
        <source>Pause [Space]</source>
        <translation>一時停止 [Space]</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>出力</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>音声</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Output folder:</source>
        <translation>出力フォルダー:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>形式:</translation>
    </message>
    <message>
        <source>Captures:</source>
        <translation>キャプチャ:</translation>
    </message>
    <message>
        <source>Provider:</source>
        <translation>プロバイダー:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>アドレス:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>モデル:</translation>
    </message>
    <message>
        <source>Time-out:</source>
        <translation>タイムアウト:</translation>
    </message>
    <message>
        <source>API key:</source>
        <translation>API キー:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>言語:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>参照...</translation>
    </message>
    <message>
        <source>Capture frames with the subtitle drawn in</source>
        <translation>字幕を描き込んでフレームをキャプチャ</translation>
    </message>
    <message>
        <source>Check for updates at start</source>
        <translation>起動時に更新を確認</translation>
    </message>
    <message>
        <source>Pictorb speech service</source>
        <translation>Pictorb 音声サービス</translation>
    </message>
    <message>
        <source>OpenAI-compatible transcription</source>
        <translation>OpenAI 互換の文字起こし</translation>
    </message>
    <message>
        <source> min</source>
        <translation> 分</translation>
    </message>
    <message>
        <source>The model the transcription server runs, e.g. whisper-1</source>
        <translation>文字起こしサーバーが使うモデル (例: whisper-1)</translation>
    </message>
    <message>
        <source>None: a local server needs no key</source>
        <translation>なし: ローカルサーバーにはキーは不要です</translation>
    </message>
    <message>
        <source>Kept in the system&apos;s secret store, never in the settings</source>
        <translation>システムのシークレットストアに保存され、設定には保存されません</translation>
    </message>
    <message>
        <source>Choose a folder for the exported pictures.</source>
        <translation>書き出した画像のフォルダーを選んでください。</translation>
    </message>
    <message>
        <source>Pictorb cannot write into &quot;%1&quot;: choose a folder you can write to.</source>
        <translation>Pictorb は「%1」に書き込めません。書き込めるフォルダーを選んでください。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address: it must start with http:// or https:// and name a host, as http://127.0.0.1:8000 does.</source>
        <translation>「%1」は Web アドレスではありません。http:// または https:// で始まり、ホストを含む必要があります (例: http://127.0.0.1:8000)。</translation>
    </message>
    <message>
        <source>Name the model the server runs, for example whisper-1.</source>
        <translation>サーバーが使うモデルを入力してください (例: whisper-1)。</translation>
    </message>
</context>
<context>
    <name>PreviewWidget</name>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>レイアウト</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>グリッド</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>縦並び</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>横並び</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>間隔</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>倍率</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>幅</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高さ</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>列数</translation>
    </message>
    <message>
        <source>X Space</source>
        <translation>X 間隔</translation>
    </message>
    <message>
        <source>Y Space</source>
        <translation>Y 間隔</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>出力</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>保存先</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Too large for %1: at most %2 pixels per side. Lower the scale or choose another format.</source>
        <translation>%1 には大きすぎます（一辺あたり最大 %2 ピクセル）。倍率を下げるか、別の形式を選択してください。</translation>
    </message>
    <message>
        <source>Tick pictures in the strip to merge them</source>
        <translation>画像一覧で画像にチェックを入れると結合されます</translation>
    </message>
    <message>
        <source>The merged picture of %1 x %2 pixels is too large to hold. Tick fewer pictures or choose another layout.</source>
        <translation>結合画像（%1 x %2 ピクセル）が大きすぎます。画像を減らすか、別のレイアウトを選んでください。</translation>
    </message>
    <message>
        <source>Nothing was exported: a picture of %1 x %2 needs more memory than is free.</source>
        <translation>何もエクスポートされませんでした: %1 x %2 の画像には空きメモリが足りません。</translation>
    </message>
    <message>
        <source>Change output size</source>
        <translation>出力サイズの変更</translation>
    </message>
    <message>
        <source>Change columns</source>
        <translation>列数の変更</translation>
    </message>
    <message>
        <source>Change spacing</source>
        <translation>間隔の変更</translation>
    </message>
    <message>
        <source>Change layout</source>
        <translation>レイアウトの変更</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>帯</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>帯</translation>
    </message>
    <message>
        <source>Set the band of every still at once</source>
        <translation>すべての静止画の帯をまとめて設定</translation>
    </message>
    <message>
        <source>Open the merged picture in a window of its own</source>
        <translation>結合した画像を別のウィンドウで開く</translation>
    </message>
    <message>
        <source>Output size in percent of the merged picture</source>
        <translation>結合した画像に対する出力サイズ（％）</translation>
    </message>
    <message>
        <source>Output width in pixels; the height follows</source>
        <translation>出力の幅（ピクセル）。高さは自動で決まります</translation>
    </message>
    <message>
        <source>Output height in pixels; the width follows</source>
        <translation>出力の高さ（ピクセル）。幅は自動で決まります</translation>
    </message>
    <message>
        <source>Pictures in each row of the grid</source>
        <translation>グリッドの各行の画像数</translation>
    </message>
    <message>
        <source>Pixels between the pictures; negative keeps only a band of each following one</source>
        <translation>画像の間隔（ピクセル）。負の値では後続の画像の帯だけを残します</translation>
    </message>
    <message>
        <source>Pixels of each following picture the strip shows, counted from its far edge</source>
        <translation>帯に表示する後続の各画像のピクセル数（奥の端から数えて）</translation>
    </message>
</context>
<context>
    <name>ProcessThread</name>
    <message>
        <source>Process %1 has been terminated.</source>
        <translation>プロセス %1 を強制終了しました。</translation>
    </message>
    <message>
        <source>Failed to start process %1. exit code %2</source>
        <translation>プロセス %1 を開始できませんでした。終了コード %2</translation>
    </message>
    <message>
        <source>Rum command</source>
        <translation>コマンドを実行</translation>
    </message>
    <message>
        <source>Process %1 has been started.</source>
        <translation>プロセス %1 を開始しました。</translation>
    </message>
    <message>
        <source>Process %1 has been finish.</source>
        <translation>プロセス %1 が終了しました。</translation>
    </message>
</context>
<context>
    <name>SaveFileBar</name>
    <message>
        <source>Choose to save</source>
        <translation>保存先を選択</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>出力</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>保存先</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Export Selected</source>
        <translation>選択をエクスポート</translation>
    </message>
</context>
<context>
    <name>SecretStore</name>
    <message>
        <source>No secret store is running: the API key is kept for this session only</source>
        <translation>シークレットストアが動作していません: API キーはこのセッションの間だけ保持されます</translation>
    </message>
</context>
<context>
    <name>SheetActions</name>
    <message>
        <source>Export</source>
        <translation>書き出し</translation>
    </message>
    <message>
        <source>Export Each Ticked Picture</source>
        <translation>チェックした画像を個別に書き出し</translation>
    </message>
    <message>
        <source>View</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation>ウィンドウに合わせる</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>実際のサイズ</translation>
    </message>
    <message>
        <source>Export the merged picture</source>
        <translation>結合した画像を書き出し</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Fit the picture to the panel</source>
        <translation>画像をパネルに合わせる</translation>
    </message>
    <message>
        <source>Show the picture at its actual size</source>
        <translation>画像を実際のサイズで表示</translation>
    </message>
</context>
<context>
    <name>SpeechClient</name>
    <message>
        <source>The speech service did not answer</source>
        <translation>音声サービスから応答がありませんでした</translation>
    </message>
    <message>
        <source>The service returned no usable result</source>
        <translation>サービスから使用できる結果が返されませんでした</translation>
    </message>
</context>
<context>
    <name>SubtitleFile</name>
    <message>
        <source>larger than %1 MiB</source>
        <translation>%1 MiB を超えています</translation>
    </message>
    <message>
        <source>no timed subtitle line</source>
        <translation>時刻付きの字幕行がありません</translation>
    </message>
</context>
<context>
    <name>SubtitleGeneration</name>
    <message>
        <source>Extracting the sound of the film</source>
        <translation>動画の音声を抽出中</translation>
    </message>
    <message>
        <source>Uploading the audio: %1%</source>
        <translation>音声をアップロード中: %1%</translation>
    </message>
    <message>
        <source>Recognising speech</source>
        <translation>音声を認識中</translation>
    </message>
    <message>
        <source>Writing the subtitles</source>
        <translation>字幕を書き込み中</translation>
    </message>
    <message>
        <source>Subtitles cannot be generated now: open a film, or wait for the generation going on to end</source>
        <translation>今は字幕を生成できません: 動画を開くか、実行中の生成が終わるまでお待ちください</translation>
    </message>
    <message>
        <source>Subtitle lines generated: %1</source>
        <translation>生成された字幕の行: %1</translation>
    </message>
    <message>
        <source>Times past the end of the film were moved to its end.</source>
        <translation>動画の終わりを過ぎた時間は終わりに移動しました。</translation>
    </message>
    <message>
        <source>Negative or reversed times were mended and the lines put in order.</source>
        <translation>負の時間や逆転した時間を修正し、行を並べ替えました。</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>再試行</translation>
    </message>
</context>
<context>
    <name>SubtitleGenerator</name>
    <message>
        <source>The sound of the film could not be extracted</source>
        <translation>動画の音声を抽出できませんでした</translation>
    </message>
    <message>
        <source>The subtitles could not be written</source>
        <translation>字幕を書き込めませんでした</translation>
    </message>
</context>
<context>
    <name>SubtitleTrackReader</name>
    <message>
        <source>the track holds no text lines</source>
        <translation>トラックにテキスト行がありません</translation>
    </message>
    <message>
        <source>the ffmpeg program could not be started</source>
        <translation>ffmpeg プログラムを起動できませんでした</translation>
    </message>
</context>
<context>
    <name>SubtitleWriter</name>
    <message>
        <source>the file cannot be written</source>
        <translation>ファイルを書き込めません</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Add Image</source>
        <translation>画像を追加</translation>
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
        <translation>文字起こしサービスが API キーを拒否しました</translation>
    </message>
</context>
<context>
    <name>VideoActions</name>
    <message>
        <source>Video</source>
        <translation>動画</translation>
    </message>
    <message>
        <source>Open Video...</source>
        <translation>動画を開く...</translation>
    </message>
    <message>
        <source>Load Subtitles...</source>
        <translation>字幕を読み込む...</translation>
    </message>
    <message>
        <source>Subtitle Track</source>
        <translation>字幕トラック</translation>
    </message>
    <message>
        <source>Remove Subtitles</source>
        <translation>字幕を削除</translation>
    </message>
    <message>
        <source>Play or Pause</source>
        <translation>再生／一時停止</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Previous Frame</source>
        <translation>前のフレーム</translation>
    </message>
    <message>
        <source>Next Frame</source>
        <translation>次のフレーム</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>キャプチャ</translation>
    </message>
    <message>
        <source>Capture Every Line...</source>
        <translation>各行をキャプチャ...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>トラック %1</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>動画</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>すべてのファイル</translation>
    </message>
    <message>
        <source>Open Video</source>
        <translation>動画を開く</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Load Subtitles</source>
        <translation>字幕を読み込む</translation>
    </message>
    <message>
        <source>Capture every line</source>
        <translation>各行をキャプチャ</translation>
    </message>
    <message>
        <source>Capturing line %1 of %2</source>
        <translation>%2 行中 %1 行目をキャプチャ中</translation>
    </message>
    <message>
        <source>Generate Subtitles...</source>
        <translation>字幕を生成...</translation>
    </message>
    <message>
        <source>Subtitles from the speech of the film</source>
        <translation>動画の音声から字幕を作成</translation>
    </message>
    <message>
        <source>Save Subtitles As...</source>
        <translation>名前を付けて字幕を保存...</translation>
    </message>
    <message>
        <source>The corrected lines cannot be kept in &quot;%1&quot;; save them with Save Subtitles As before closing.</source>
        <translation>修正した行を「%1」に保存できません。閉じる前に「名前を付けて字幕を保存」で保存してください。</translation>
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
        <translation>名前を付けて字幕を保存</translation>
    </message>
    <message>
        <source>The subtitles cannot be saved as &quot;%1&quot;: %2.</source>
        <translation>字幕を「%1」として保存できません: %2。</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n subtitle lines as &quot;%1&quot;.</source>
        <translation>
            <numerusform>%n 行の字幕を「%1」として保存しました。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VideoEngine</name>
    <message>
        <source>the video engine could not be started</source>
        <translation>動画エンジンを起動できませんでした</translation>
    </message>
    <message>
        <source>the video engine refused it</source>
        <translation>動画エンジンが受け付けませんでした</translation>
    </message>
    <message>
        <source>no video in it</source>
        <translation>動画が含まれていません</translation>
    </message>
    <message>
        <source>it could not be opened</source>
        <translation>開けませんでした</translation>
    </message>
</context>
<context>
    <name>VideoPlayWidget</name>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Drop your video here! Or,&lt;br&gt;&lt;a style=&quot;color: #685af5;&quot; href=&quot;clicked&quot;&gt;Click here to import video.&lt;/a&gt;</source>
        <translation>ここに動画をドロップしてください。または&lt;br&gt;&lt;a style=&quot;color: #685af5;&quot; href=&quot;clicked&quot;&gt;ここをクリックして動画を読み込みます。&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Reset style</source>
        <translation>スタイルをリセット</translation>
    </message>
    <message>
        <source>Drag band</source>
        <translation>帯のドラッグ</translation>
    </message>
    <message>
        <source>Give the caption the default style back</source>
        <translation>字幕を既定のスタイルに戻す</translation>
    </message>
    <message>
        <source>Show picture</source>
        <translation>画像を表示</translation>
    </message>
    <message>
        <source>Show film</source>
        <translation>映像を表示</translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <source>The subtitle track lists no lines: %1.</source>
        <translation>字幕トラックに行がありません: %1。</translation>
    </message>
    <message>
        <source>this computer&apos;s OpenGL cannot show films</source>
        <translation>このコンピューターの OpenGL では映像を表示できません</translation>
    </message>
    <message>
        <source>The subtitles &quot;%1&quot; cannot be shown: %2.</source>
        <translation>字幕「%1」を表示できません: %2。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be played: %2.</source>
        <translation>「%1」を再生できません: %2。</translation>
    </message>
    <message>
        <source>Open a film before its subtitles.</source>
        <translation>字幕より先に映像を開いてください。</translation>
    </message>
    <message>
        <source>The subtitles &quot;%1&quot; cannot be loaded: %2.</source>
        <translation>字幕「%1」を読み込めません: %2。</translation>
    </message>
    <message>
        <source>There is no frame to capture yet.</source>
        <translation>キャプチャできるフレームがまだありません。</translation>
    </message>
    <message>
        <source>The lines cannot be captured: %1.</source>
        <translation>行をキャプチャできません: %1。</translation>
    </message>
</context>
</TS>
