<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>%1 is a pioneering force dedicated to crafting cutting-edge solutions that empower individuals and businesses to unleash their full potential through technologies.</source>
        <translation>%1 is a pioneering force dedicated to crafting cutting-edge solutions that empower individuals and businesses to unleash their full potential through technologies.</translation>
    </message>
    <message>
        <source>For more details, please visit %2 and %1 official site.</source>
        <translation>For more details, please visit %2 and %1 official site.</translation>
    </message>
    <message>
        <source>Copyright © 2026 %1. All rights reserved.</source>
        <translation>Copyright © 2026 %1. All rights reserved.</translation>
    </message>
    <message>
        <source>%1 is free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later). The libraries it is built on and their licences are listed in THIRD_PARTY_NOTICES.md.</source>
        <translation>%1 is free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later). The libraries it is built on and their licences are listed in THIRD_PARTY_NOTICES.md.</translation>
    </message>
</context>
<context>
    <name>BandCommands</name>
    <message>
        <source>Fit Bands to Captions</source>
        <translation>Fit Bands to Captions</translation>
    </message>
    <message>
        <source>Use Shared Band Everywhere</source>
        <translation>Use Shared Band Everywhere</translation>
    </message>
    <message>
        <source>No picture has a caption to fit a band to.</source>
        <translation>No picture has a caption to fit a band to.</translation>
    </message>
    <message>
        <source>Fit bands to captions</source>
        <translation>Fit bands to captions</translation>
    </message>
    <message>
        <source>Use shared band everywhere</source>
        <translation>Use shared band everywhere</translation>
    </message>
    <message>
        <source>Bands fitted to captions: %1.</source>
        <translation>Bands fitted to captions: %1.</translation>
    </message>
    <message>
        <source>Detect Subtitle Bands</source>
        <translation>Detect Subtitle Bands</translation>
    </message>
    <message>
        <source>Drop Repeated Lines</source>
        <translation>Drop Repeated Lines</translation>
    </message>
    <message>
        <source>picture %1</source>
        <translation>picture %1</translation>
    </message>
    <message>
        <source>Detect subtitle bands</source>
        <translation>Detect subtitle bands</translation>
    </message>
    <message>
        <source>Subtitle bands found in %1 of %2 pictures.</source>
        <translation>Subtitle bands found in %1 of %2 pictures.</translation>
    </message>
    <message>
        <source>None in %1: they keep the shared band.</source>
        <translation>None in %1: they keep the shared band.</translation>
    </message>
    <message>
        <source>Repeated lines are found in the bands of a vertical strip: give it a Band first.</source>
        <translation>Repeated lines are found in the bands of a vertical strip: give it a Band first.</translation>
    </message>
    <message>
        <source>Drop repeated lines</source>
        <translation>Drop repeated lines</translation>
    </message>
    <message>
        <source>No still repeats the line before it.</source>
        <translation>No still repeats the line before it.</translation>
    </message>
    <message>
        <source>Unticked %1 stills that repeat the line before them.</source>
        <translation>Unticked %1 stills that repeat the line before them.</translation>
    </message>
</context>
<context>
    <name>BandEditor</name>
    <message>
        <source>Band</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Use shared band</source>
        <translation>Use shared band</translation>
    </message>
    <message>
        <source>Show the rows the whole sheet uses, set by its Band</source>
        <translation>Show the rows the whole sheet uses, set by its Band</translation>
    </message>
    <message>
        <source>The first picture of the sheet is always shown whole</source>
        <translation>The first picture of the sheet is always shown whole</translation>
    </message>
    <message>
        <source>Change band</source>
        <translation>Change band</translation>
    </message>
</context>
<context>
    <name>CaptionItem</name>
    <message>
        <source>Start, as hh:mm:ss.mmm. Alt+Up: %1 ms later, Alt+Down: %1 ms earlier. Return keeps the line, Esc drops the change.</source>
        <translation>Start, as hh:mm:ss.mmm. Alt+Up: %1 ms later, Alt+Down: %1 ms earlier. Return keeps the line, Esc drops the change.</translation>
    </message>
    <message>
        <source>End, as hh:mm:ss.mmm. Alt+Up: %1 ms later, Alt+Down: %1 ms earlier. Return keeps the line, Esc drops the change.</source>
        <translation>End, as hh:mm:ss.mmm. Alt+Up: %1 ms later, Alt+Down: %1 ms earlier. Return keeps the line, Esc drops the change.</translation>
    </message>
    <message>
        <source>Text of the line. Ctrl+B splits it at the cursor. Return keeps the line, Esc drops the change.</source>
        <translation>Text of the line. Ctrl+B splits it at the cursor. Return keeps the line, Esc drops the change.</translation>
    </message>
</context>
<context>
    <name>CaptionListEdit</name>
    <message>
        <source>There is no such line.</source>
        <translation>There is no such line.</translation>
    </message>
    <message>
        <source>A line needs some text; delete the line instead.</source>
        <translation>A line needs some text; delete the line instead.</translation>
    </message>
    <message>
        <source>A time cannot lie before the start of the film.</source>
        <translation>A time cannot lie before the start of the film.</translation>
    </message>
    <message>
        <source>A line cannot end before it starts.</source>
        <translation>A line cannot end before it starts.</translation>
    </message>
    <message>
        <source>Put the text cursor between two words of the line to split it there.</source>
        <translation>Put the text cursor between two words of the line to split it there.</translation>
    </message>
    <message>
        <source>The last line has no next line to merge with.</source>
        <translation>The last line has no next line to merge with.</translation>
    </message>
    <message>
        <source>There are no lines to shift.</source>
        <translation>There are no lines to shift.</translation>
    </message>
</context>
<context>
    <name>CaptionManager</name>
    <message>
        <source>英语（美国）</source>
        <translation>English (US)</translation>
    </message>
    <message>
        <source>西班牙语</source>
        <translation>Spanish</translation>
    </message>
    <message>
        <source>法语</source>
        <translation>French</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>Simplified Chinese</translation>
    </message>
    <message>
        <source>粤语</source>
        <translation>Cantonese</translation>
    </message>
    <message>
        <source>韩语</source>
        <translation>Korean</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>俄语</source>
        <translation>Russian</translation>
    </message>
</context>
<context>
    <name>CaptionStyleEditor</name>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Border</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Underline</translation>
    </message>
    <message>
        <source>Strikethrough</source>
        <translation>Strikethrough</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Center</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Text Color</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Border Color</translation>
    </message>
    <message>
        <source>A caption holds at most %1 characters; the rest was left out.</source>
        <translation>A caption holds at most %1 characters; the rest was left out.</translation>
    </message>
    <message>
        <source>Type caption</source>
        <translation>Type caption</translation>
    </message>
    <message>
        <source>Move caption</source>
        <translation>Move caption</translation>
    </message>
    <message>
        <source>Align caption</source>
        <translation>Align caption</translation>
    </message>
    <message>
        <source>Reset style</source>
        <translation>Reset style</translation>
    </message>
    <message>
        <source>Change caption style</source>
        <translation>Change caption style</translation>
    </message>
</context>
<context>
    <name>CaptionWidget</name>
    <message>
        <source>Search captions</source>
        <translation>Search captions</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>No captions yet</source>
        <translation>No captions yet</translation>
    </message>
    <message>
        <source>Generate Captions</source>
        <translation>Generate Captions</translation>
    </message>
    <message>
        <source>Captions (%1)</source>
        <translation>Captions (%1)</translation>
    </message>
    <message>
        <source>Edit Line</source>
        <translation>Edit Line</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Delete the chosen lines</source>
        <translation>Delete the chosen lines</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Split</translation>
    </message>
    <message>
        <source>Split the line in two at the text cursor, its time in the same proportion</source>
        <translation>Split the line in two at the text cursor, its time in the same proportion</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Merge</translation>
    </message>
    <message>
        <source>Merge the line with the next one</source>
        <translation>Merge the line with the next one</translation>
    </message>
    <message>
        <source>Shift Times...</source>
        <translation>Shift Times...</translation>
    </message>
    <message>
        <source>Move every line earlier or later by the same time</source>
        <translation>Move every line earlier or later by the same time</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time: type it as hh:mm:ss.mmm, for example 00:01:02.500.</source>
        <translation>&quot;%1&quot; is not a time: type it as hh:mm:ss.mmm, for example 00:01:02.500.</translation>
    </message>
    <message>
        <source>Edit line</source>
        <translation>Edit line</translation>
    </message>
    <message>
        <source>Move line start</source>
        <translation>Move line start</translation>
    </message>
    <message>
        <source>Move line end</source>
        <translation>Move line end</translation>
    </message>
    <message>
        <source>Delete line</source>
        <translation>Delete line</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n lines</source>
        <translation>
            <numerusform>Delete %n lines</numerusform>
            <numerusform>Delete %n lines</numerusform>
        </translation>
    </message>
    <message>
        <source>Split line</source>
        <translation>Split line</translation>
    </message>
    <message>
        <source>Merge lines</source>
        <translation>Merge lines</translation>
    </message>
    <message>
        <source>Shift Times</source>
        <translation>Shift Times</translation>
    </message>
    <message>
        <source>Move every line by (+ later, - earlier), as [-]hh:mm:ss.mmm:</source>
        <translation>Move every line by (+ later, - earlier), as [-]hh:mm:ss.mmm:</translation>
    </message>
    <message>
        <source>Shift times</source>
        <translation>Shift times</translation>
    </message>
</context>
<context>
    <name>CardActions</name>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Delete Picture</source>
        <translation>Delete Picture</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicate</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Move Left</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Move Right</translation>
    </message>
    <message>
        <source>Move to Front</source>
        <translation>Move to Front</translation>
    </message>
    <message>
        <source>Use as First</source>
        <translation>Use as First</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copy Picture</translation>
    </message>
    <message>
        <source>Copy Caption</source>
        <translation>Copy Caption</translation>
    </message>
    <message>
        <source>Paste Caption Style</source>
        <translation>Paste Caption Style</translation>
    </message>
    <message>
        <source>Tick All</source>
        <translation>Tick All</translation>
    </message>
    <message>
        <source>Untick All</source>
        <translation>Untick All</translation>
    </message>
    <message>
        <source>Duplicate picture</source>
        <translation>Duplicate picture</translation>
    </message>
    <message>
        <source>Paste caption style</source>
        <translation>Paste caption style</translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation>Paste picture</translation>
    </message>
</context>
<context>
    <name>CheckUpdateDialog</name>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Check for update</source>
        <translation>Check for update</translation>
    </message>
    <message>
        <source>Remind me later</source>
        <translation>Remind me later</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Update now</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>Your current use is already the latest version.</source>
        <translation>Your current use is already the latest version.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Release date: %1</source>
        <translation>Release date: %1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>Size: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>Pictorb could not check for updates: %1</source>
        <translation>Pictorb could not check for updates: %1</translation>
    </message>
</context>
<context>
    <name>ColorEntry</name>
    <message>
        <source>Select color</source>
        <translation>Select color</translation>
    </message>
</context>
<context>
    <name>DocumentActions</name>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Save Project</translation>
    </message>
    <message>
        <source>Save Project As...</source>
        <translation>Save Project As...</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Undo %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Redo %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Pictures and projects</source>
        <translation>Pictures and projects</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>%1 could not be opened: %2</translation>
    </message>
    <message>
        <source>The project could not be saved: %1</source>
        <translation>The project could not be saved: %1</translation>
    </message>
    <message>
        <source>Pictorb projects (*.%1)</source>
        <translation>Pictorb projects (*.%1)</translation>
    </message>
    <message>
        <source>The collection</source>
        <translation>The collection</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved.</source>
        <translation>%1 has changes that are not saved.</translation>
    </message>
    <message>
        <source>The last session could not be restored: %1</source>
        <translation>The last session could not be restored: %1</translation>
    </message>
    <message>
        <source>Restored your last session</source>
        <translation>Restored your last session</translation>
    </message>
    <message>
        <source>Start empty</source>
        <translation>Start empty</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Untitled</translation>
    </message>
</context>
<context>
    <name>GenerateSubtitlesDialog</name>
    <message>
        <source>Generate Subtitles</source>
        <translation>Generate Subtitles</translation>
    </message>
    <message>
        <source>Pictorb speech service</source>
        <translation>Pictorb speech service</translation>
    </message>
    <message>
        <source>OpenAI-compatible transcription</source>
        <translation>OpenAI-compatible transcription</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generate</translation>
    </message>
    <message>
        <source>Spoken language</source>
        <translation>Spoken language</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Provider</translation>
    </message>
    <message>
        <source>Base URL</source>
        <translation>Base URL</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>API key</translation>
    </message>
    <message>
        <source>The base URL must be an http or https address.</source>
        <translation>The base URL must be an http or https address.</translation>
    </message>
</context>
<context>
    <name>GlobalManager</name>
    <message>
        <source>the picture could not be written</source>
        <translation>the picture could not be written</translation>
    </message>
    <message>
        <source>Nothing was exported: %1</source>
        <translation>Nothing was exported: %1</translation>
    </message>
    <message>
        <source>Exported %1 (%2 x %3, %4)</source>
        <translation>Exported %1 (%2 x %3, %4)</translation>
    </message>
    <message>
        <source>Exported %1 pictures into %2</source>
        <translation>Exported %1 pictures into %2</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 could not be written: %2</translation>
    </message>
    <message>
        <source>The folder %1 could not be used, so the export went to %2.</source>
        <translation>The folder %1 could not be used, so the export went to %2.</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Open folder</translation>
    </message>
</context>
<context>
    <name>ImagesWidget</name>
    <message>
        <source>Images</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Apply Current Style</source>
        <translation>Apply Current Style</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Drop your image here! Or,&lt;br&gt;&lt;a style=&quot;color: #685af5;&quot; href=&quot;clicked&quot;&gt;Click here to import image.&lt;/a&gt;</source>
        <translation>Drop your image here! Or,&lt;br&gt;&lt;a style=&quot;color: #685af5;&quot; href=&quot;clicked&quot;&gt;Click here to import image.&lt;/a&gt;</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>and %1 more</translation>
    </message>
    <message>
        <source>Damaged, shown as far as it could be read: %1.</source>
        <translation>Damaged, shown as far as it could be read: %1.</translation>
    </message>
    <message>
        <source>Not imported, not a picture or unreadable: %1.</source>
        <translation>Not imported, not a picture or unreadable: %1.</translation>
    </message>
    <message>
        <source>Not imported, more than %1 megapixels: %2.</source>
        <translation>Not imported, more than %1 megapixels: %2.</translation>
    </message>
    <message>
        <source>Tick the pictures to export first.</source>
        <translation>Tick the pictures to export first.</translation>
    </message>
    <message>
        <source>Import picture</source>
        <translation>Import picture</translation>
    </message>
    <message>
        <source>Import %1 pictures</source>
        <translation>Import %1 pictures</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Capture</translation>
    </message>
    <message>
        <source>Tick picture</source>
        <translation>Tick picture</translation>
    </message>
    <message>
        <source>Untick picture</source>
        <translation>Untick picture</translation>
    </message>
    <message>
        <source>Tick all</source>
        <translation>Tick all</translation>
    </message>
    <message>
        <source>Untick all</source>
        <translation>Untick all</translation>
    </message>
    <message>
        <source>Delete picture</source>
        <translation>Delete picture</translation>
    </message>
    <message>
        <source>Apply current style</source>
        <translation>Apply current style</translation>
    </message>
    <message>
        <source>Give every picture the caption style of the one being edited</source>
        <translation>Give every picture the caption style of the one being edited</translation>
    </message>
    <message>
        <source>Show the pictures large, to export each of them</source>
        <translation>Show the pictures large, to export each of them</translation>
    </message>
    <message>
        <source>Remove every picture; Undo brings them back</source>
        <translation>Remove every picture; Undo brings them back</translation>
    </message>
    <message>
        <source>Use as first</source>
        <translation>Use as first</translation>
    </message>
    <message>
        <source>Move picture</source>
        <translation>Move picture</translation>
    </message>
    <message>
        <source>Capture %1 lines</source>
        <translation>Capture %1 lines</translation>
    </message>
</context>
<context>
    <name>LineCaptureDialog</name>
    <message>
        <source>Every line of the film (%1)</source>
        <translation>Every line of the film (%1)</translation>
    </message>
    <message>
        <source>The lines from</source>
        <translation>The lines from</translation>
    </message>
    <message>
        <source>The lines selected in the caption list (%1)</source>
        <translation>The lines selected in the caption list (%1)</translation>
    </message>
    <message>
        <source>As the still&apos;s caption, edited and styled in Pictorb (recommended: the band fits the caption)</source>
        <translation>As the still&apos;s caption, edited and styled in Pictorb (recommended: the band fits the caption)</translation>
    </message>
    <message>
        <source>Drawn into the picture by the player</source>
        <translation>Drawn into the picture by the player</translation>
    </message>
    <message>
        <source>Capture every line</source>
        <translation>Capture every line</translation>
    </message>
    <message>
        <source>to</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Lines</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Subtitle</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Capture</translation>
    </message>
    <message>
        <source>Stills to capture: %1, one at the middle of each line.</source>
        <translation>Stills to capture: %1, one at the middle of each line.</translation>
    </message>
</context>
<context>
    <name>LoadingDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Subtitle Generation in Progress</source>
        <translation>Subtitle Generation in Progress</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>User Guide</translation>
    </message>
    <message>
        <source>View Log</source>
        <translation>View Log</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Check for Updates</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>Image Files</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Open Image</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a full path; exports go to %2.</source>
        <translation>The output folder &quot;%1&quot; is not a full path; exports go to %2.</translation>
    </message>
    <message>
        <source>Import pictures or open a project</source>
        <translation>Import pictures or open a project</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Preferences...</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>This is a message.</source>
        <translation>This is a message.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCEL</translation>
    </message>
</context>
<context>
    <name>PlaybackBar</name>
    <message>
        <source>Backward [Left]</source>
        <translation>Backward [Left]</translation>
    </message>
    <message>
        <source>Forward [Right]</source>
        <translation>Forward [Right]</translation>
    </message>
    <message>
        <source>Play [Space]</source>
        <translation>Play [Space]</translation>
    </message>
    <message>
        <source>Stop [Ctrl+/]</source>
        <translation>Stop [Ctrl+/]</translation>
    </message>
    <message>
        <source>Capture [Ctrl+Alt+S]</source>
        <translation>Capture [Ctrl+Alt+S]</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Capture</translation>
    </message>
    <message>
        <source>Capture with subtitles</source>
        <translation>Capture with subtitles</translation>
    </message>
    <message>
        <source>Draw the subtitle shown into the captured picture</source>
        <translation>Draw the subtitle shown into the captured picture</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>Pause [Space]</source>
        <translation>Pause [Space]</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Speech</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Output folder:</source>
        <translation>Output folder:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Captures:</source>
        <translation>Captures:</translation>
    </message>
    <message>
        <source>Provider:</source>
        <translation>Provider:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>Time-out:</source>
        <translation>Time-out:</translation>
    </message>
    <message>
        <source>API key:</source>
        <translation>API key:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>Capture frames with the subtitle drawn in</source>
        <translation>Capture frames with the subtitle drawn in</translation>
    </message>
    <message>
        <source>Check for updates at start</source>
        <translation>Check for updates at start</translation>
    </message>
    <message>
        <source>Pictorb speech service</source>
        <translation>Pictorb speech service</translation>
    </message>
    <message>
        <source>OpenAI-compatible transcription</source>
        <translation>OpenAI-compatible transcription</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>The model the transcription server runs, e.g. whisper-1</source>
        <translation>The model the transcription server runs, e.g. whisper-1</translation>
    </message>
    <message>
        <source>None: a local server needs no key</source>
        <translation>None: a local server needs no key</translation>
    </message>
    <message>
        <source>Kept in the system&apos;s secret store, never in the settings</source>
        <translation>Kept in the system&apos;s secret store, never in the settings</translation>
    </message>
    <message>
        <source>Choose a folder for the exported pictures.</source>
        <translation>Choose a folder for the exported pictures.</translation>
    </message>
    <message>
        <source>Pictorb cannot write into &quot;%1&quot;: choose a folder you can write to.</source>
        <translation>Pictorb cannot write into &quot;%1&quot;: choose a folder you can write to.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address: it must start with http:// or https:// and name a host, as http://127.0.0.1:8000 does.</source>
        <translation>&quot;%1&quot; is not a web address: it must start with http:// or https:// and name a host, as http://127.0.0.1:8000 does.</translation>
    </message>
    <message>
        <source>Name the model the server runs, for example whisper-1.</source>
        <translation>Name the model the server runs, for example whisper-1.</translation>
    </message>
</context>
<context>
    <name>PreviewWidget</name>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Column</translation>
    </message>
    <message>
        <source>X Space</source>
        <translation>X Space</translation>
    </message>
    <message>
        <source>Y Space</source>
        <translation>Y Space</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Save to</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Too large for %1: at most %2 pixels per side. Lower the scale or choose another format.</source>
        <translation>Too large for %1: at most %2 pixels per side. Lower the scale or choose another format.</translation>
    </message>
    <message>
        <source>Tick pictures in the strip to merge them</source>
        <translation>Tick pictures in the strip to merge them</translation>
    </message>
    <message>
        <source>The merged picture of %1 x %2 pixels is too large to hold. Tick fewer pictures or choose another layout.</source>
        <translation>The merged picture of %1 x %2 pixels is too large to hold. Tick fewer pictures or choose another layout.</translation>
    </message>
    <message>
        <source>Nothing was exported: a picture of %1 x %2 needs more memory than is free.</source>
        <translation>Nothing was exported: a picture of %1 x %2 needs more memory than is free.</translation>
    </message>
    <message>
        <source>Change output size</source>
        <translation>Change output size</translation>
    </message>
    <message>
        <source>Change columns</source>
        <translation>Change columns</translation>
    </message>
    <message>
        <source>Change spacing</source>
        <translation>Change spacing</translation>
    </message>
    <message>
        <source>Change layout</source>
        <translation>Change layout</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Bands</translation>
    </message>
    <message>
        <source>Set the band of every still at once</source>
        <translation>Set the band of every still at once</translation>
    </message>
    <message>
        <source>Open the merged picture in a window of its own</source>
        <translation>Open the merged picture in a window of its own</translation>
    </message>
    <message>
        <source>Output size in percent of the merged picture</source>
        <translation>Output size in percent of the merged picture</translation>
    </message>
    <message>
        <source>Output width in pixels; the height follows</source>
        <translation>Output width in pixels; the height follows</translation>
    </message>
    <message>
        <source>Output height in pixels; the width follows</source>
        <translation>Output height in pixels; the width follows</translation>
    </message>
    <message>
        <source>Pictures in each row of the grid</source>
        <translation>Pictures in each row of the grid</translation>
    </message>
    <message>
        <source>Pixels between the pictures; negative keeps only a band of each following one</source>
        <translation>Pixels between the pictures; negative keeps only a band of each following one</translation>
    </message>
    <message>
        <source>Pixels of each following picture the strip shows, counted from its far edge</source>
        <translation>Pixels of each following picture the strip shows, counted from its far edge</translation>
    </message>
</context>
<context>
    <name>ProcessThread</name>
    <message>
        <source>Process %1 has been terminated.</source>
        <translation>Process %1 has been terminated.</translation>
    </message>
    <message>
        <source>Failed to start process %1. exit code %2</source>
        <translation>Failed to start process %1. exit code %2</translation>
    </message>
    <message>
        <source>Rum command</source>
        <translation>Rum command</translation>
    </message>
    <message>
        <source>Process %1 has been started.</source>
        <translation>Process %1 has been started.</translation>
    </message>
    <message>
        <source>Process %1 has been finish.</source>
        <translation>Process %1 has been finish.</translation>
    </message>
</context>
<context>
    <name>SaveFileBar</name>
    <message>
        <source>Choose to save</source>
        <translation>Choose to save</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Save to</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Export Selected</source>
        <translation>Export Selected</translation>
    </message>
</context>
<context>
    <name>SecretStore</name>
    <message>
        <source>No secret store is running: the API key is kept for this session only</source>
        <translation>No secret store is running: the API key is kept for this session only</translation>
    </message>
</context>
<context>
    <name>SheetActions</name>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Export Each Ticked Picture</source>
        <translation>Export Each Ticked Picture</translation>
    </message>
    <message>
        <source>View</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation>Fit to Window</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Actual Size</translation>
    </message>
    <message>
        <source>Export the merged picture</source>
        <translation>Export the merged picture</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Fit the picture to the panel</source>
        <translation>Fit the picture to the panel</translation>
    </message>
    <message>
        <source>Show the picture at its actual size</source>
        <translation>Show the picture at its actual size</translation>
    </message>
</context>
<context>
    <name>SpeechClient</name>
    <message>
        <source>The speech service did not answer</source>
        <translation>The speech service did not answer</translation>
    </message>
    <message>
        <source>The service returned no usable result</source>
        <translation>The service returned no usable result</translation>
    </message>
</context>
<context>
    <name>SubtitleFile</name>
    <message>
        <source>larger than %1 MiB</source>
        <translation>larger than %1 MiB</translation>
    </message>
    <message>
        <source>no timed subtitle line</source>
        <translation>no timed subtitle line</translation>
    </message>
</context>
<context>
    <name>SubtitleGeneration</name>
    <message>
        <source>Extracting the sound of the film</source>
        <translation>Extracting the sound of the film</translation>
    </message>
    <message>
        <source>Uploading the audio: %1%</source>
        <translation>Uploading the audio: %1%</translation>
    </message>
    <message>
        <source>Recognising speech</source>
        <translation>Recognising speech</translation>
    </message>
    <message>
        <source>Writing the subtitles</source>
        <translation>Writing the subtitles</translation>
    </message>
    <message>
        <source>Subtitles cannot be generated now: open a film, or wait for the generation going on to end</source>
        <translation>Subtitles cannot be generated now: open a film, or wait for the generation going on to end</translation>
    </message>
    <message>
        <source>Subtitle lines generated: %1</source>
        <translation>Subtitle lines generated: %1</translation>
    </message>
    <message>
        <source>Times past the end of the film were moved to its end.</source>
        <translation>Times past the end of the film were moved to its end.</translation>
    </message>
    <message>
        <source>Negative or reversed times were mended and the lines put in order.</source>
        <translation>Negative or reversed times were mended and the lines put in order.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Retry</translation>
    </message>
</context>
<context>
    <name>SubtitleGenerator</name>
    <message>
        <source>The sound of the film could not be extracted</source>
        <translation>The sound of the film could not be extracted</translation>
    </message>
    <message>
        <source>The subtitles could not be written</source>
        <translation>The subtitles could not be written</translation>
    </message>
</context>
<context>
    <name>SubtitleTrackReader</name>
    <message>
        <source>the track holds no text lines</source>
        <translation>the track holds no text lines</translation>
    </message>
    <message>
        <source>the ffmpeg program could not be started</source>
        <translation>the ffmpeg program could not be started</translation>
    </message>
</context>
<context>
    <name>SubtitleWriter</name>
    <message>
        <source>the file cannot be written</source>
        <translation>the file cannot be written</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Add Image</source>
        <translation>Add Image</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Subtitle</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
</context>
<context>
    <name>TranscriptionClient</name>
    <message>
        <source>The transcription service refused the API key</source>
        <translation>The transcription service refused the API key</translation>
    </message>
</context>
<context>
    <name>VideoActions</name>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Open Video...</source>
        <translation>Open Video...</translation>
    </message>
    <message>
        <source>Load Subtitles...</source>
        <translation>Load Subtitles...</translation>
    </message>
    <message>
        <source>Subtitle Track</source>
        <translation>Subtitle Track</translation>
    </message>
    <message>
        <source>Remove Subtitles</source>
        <translation>Remove Subtitles</translation>
    </message>
    <message>
        <source>Play or Pause</source>
        <translation>Play or Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Previous Frame</source>
        <translation>Previous Frame</translation>
    </message>
    <message>
        <source>Next Frame</source>
        <translation>Next Frame</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Capture</translation>
    </message>
    <message>
        <source>Capture Every Line...</source>
        <translation>Capture Every Line...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Track %1</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Videos</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>All files</translation>
    </message>
    <message>
        <source>Open Video</source>
        <translation>Open Video</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Subtitles</translation>
    </message>
    <message>
        <source>Load Subtitles</source>
        <translation>Load Subtitles</translation>
    </message>
    <message>
        <source>Capture every line</source>
        <translation>Capture every line</translation>
    </message>
    <message>
        <source>Capturing line %1 of %2</source>
        <translation>Capturing line %1 of %2</translation>
    </message>
    <message>
        <source>Generate Subtitles...</source>
        <translation>Generate Subtitles...</translation>
    </message>
    <message>
        <source>Subtitles from the speech of the film</source>
        <translation>Subtitles from the speech of the film</translation>
    </message>
    <message>
        <source>Save Subtitles As...</source>
        <translation>Save Subtitles As...</translation>
    </message>
    <message>
        <source>The corrected lines cannot be kept in &quot;%1&quot;; save them with Save Subtitles As before closing.</source>
        <translation>The corrected lines cannot be kept in &quot;%1&quot;; save them with Save Subtitles As before closing.</translation>
    </message>
    <message>
        <source>SubRip subtitles (*.srt)</source>
        <translation>SubRip subtitles (*.srt)</translation>
    </message>
    <message>
        <source>WebVTT subtitles (*.vtt)</source>
        <translation>WebVTT subtitles (*.vtt)</translation>
    </message>
    <message>
        <source>ASS subtitles (*.ass)</source>
        <translation>ASS subtitles (*.ass)</translation>
    </message>
    <message>
        <source>Save Subtitles As</source>
        <translation>Save Subtitles As</translation>
    </message>
    <message>
        <source>The subtitles cannot be saved as &quot;%1&quot;: %2.</source>
        <translation>The subtitles cannot be saved as &quot;%1&quot;: %2.</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n subtitle lines as &quot;%1&quot;.</source>
        <translation>
            <numerusform>Saved %n subtitle line as &quot;%1&quot;.</numerusform>
            <numerusform>Saved %n subtitle lines as &quot;%1&quot;.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VideoEngine</name>
    <message>
        <source>the video engine could not be started</source>
        <translation>the video engine could not be started</translation>
    </message>
    <message>
        <source>the video engine refused it</source>
        <translation>the video engine refused it</translation>
    </message>
    <message>
        <source>no video in it</source>
        <translation>no video in it</translation>
    </message>
    <message>
        <source>it could not be opened</source>
        <translation>it could not be opened</translation>
    </message>
</context>
<context>
    <name>VideoPlayWidget</name>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Drop your video here! Or,&lt;br&gt;&lt;a style=&quot;color: #685af5;&quot; href=&quot;clicked&quot;&gt;Click here to import video.&lt;/a&gt;</source>
        <translation>Drop your video here! Or,&lt;br&gt;&lt;a style=&quot;color: #685af5;&quot; href=&quot;clicked&quot;&gt;Click here to import video.&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Reset style</source>
        <translation>Reset style</translation>
    </message>
    <message>
        <source>Drag band</source>
        <translation>Drag band</translation>
    </message>
    <message>
        <source>Give the caption the default style back</source>
        <translation>Give the caption the default style back</translation>
    </message>
    <message>
        <source>Show picture</source>
        <translation>Show picture</translation>
    </message>
    <message>
        <source>Show film</source>
        <translation>Show film</translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <source>The subtitle track lists no lines: %1.</source>
        <translation>The subtitle track lists no lines: %1.</translation>
    </message>
    <message>
        <source>this computer&apos;s OpenGL cannot show films</source>
        <translation>this computer&apos;s OpenGL cannot show films</translation>
    </message>
    <message>
        <source>The subtitles &quot;%1&quot; cannot be shown: %2.</source>
        <translation>The subtitles &quot;%1&quot; cannot be shown: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be played: %2.</source>
        <translation>&quot;%1&quot; cannot be played: %2.</translation>
    </message>
    <message>
        <source>Open a film before its subtitles.</source>
        <translation>Open a film before its subtitles.</translation>
    </message>
    <message>
        <source>The subtitles &quot;%1&quot; cannot be loaded: %2.</source>
        <translation>The subtitles &quot;%1&quot; cannot be loaded: %2.</translation>
    </message>
    <message>
        <source>There is no frame to capture yet.</source>
        <translation>There is no frame to capture yet.</translation>
    </message>
    <message>
        <source>The lines cannot be captured: %1.</source>
        <translation>The lines cannot be captured: %1.</translation>
    </message>
</context>
</TS>
