<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About ORVANTA Curve Scope</source>
        <translation>ORVANTA Curve Scope について</translation>
    </message>
    <message>
        <source>ORVANTA Curve Scope</source>
        <translation>ORVANTA Curve Scope</translation>
    </message>
    <message>
        <source>© 2026 Orvanta Systems GmbH</source>
        <translation>© 2026 Orvanta Systems GmbH</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>バージョン: %1</translation>
    </message>
    <message>
        <source>Revision: %1</source>
        <translation>リビジョン: %1</translation>
    </message>
    <message>
        <source>Orvanta Systems GmbH

Musterweg 12
12345 Beispielstadt

Germany</source>
        <translation>Orvanta Systems GmbH

Musterweg 12
12345 Beispielstadt

ドイツ</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;https://www.orvanta.example&quot;&gt;www.orvanta.example&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;https://www.orvanta.example&quot;&gt;www.orvanta.example&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;mailto:support@orvanta.example&quot;&gt;support@orvanta.example&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;mailto:support@orvanta.example&quot;&gt;support@orvanta.example&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>CCsvFileDialog</name>
    <message>
        <source>Chose CSV Format</source>
        <translation>CSV 形式の選択</translation>
    </message>
    <message>
        <source>Time/Data Pairs</source>
        <translation>時刻/値ペア</translation>
    </message>
    <message>
        <source>Timestamp List</source>
        <translation>タイムスタンプ一覧</translation>
    </message>
    <message>
        <source>Comma-Separated Values (*.csv);;All (*.*)</source>
        <translation>カンマ区切り値 (*.csv);;すべてのファイル (*.*)</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>ファイルの保存</translation>
    </message>
</context>
<context>
    <name>CSelectLanguageDialog</name>
    <message>
        <source>Select Language</source>
        <translation>言語の選択</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>The selected language will be used when the program is started the next time.</source>
        <translation>選択した言語は次回のプログラム起動時から使用されます。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Orvanta Curve Scope</source>
        <translation>Orvanta Curve Scope</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開く(&amp;O)</translation>
    </message>
    <message>
        <source>Select a tlx file and open it</source>
        <translation>tlx ファイルを選択して開きます</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>Close file</source>
        <translation>ファイルを閉じます</translation>
    </message>
    <message>
        <source>&amp;Export to CSV</source>
        <translation>CSV にエクスポート(&amp;E)</translation>
    </message>
    <message>
        <source>Write data into a CSV file</source>
        <translation>データを CSV ファイルに書き出します</translation>
    </message>
    <message>
        <source>Export &amp;Plot</source>
        <translation>グラフのエクスポート(&amp;P)</translation>
    </message>
    <message>
        <source>Save plot into an image file</source>
        <translation>グラフを画像ファイルに保存します</translation>
    </message>
    <message>
        <source>Copy plot to clipboard</source>
        <translation>グラフをクリップボードにコピー</translation>
    </message>
    <message>
        <source>Copy plot to clipboard (Ctrl+C)</source>
        <translation>グラフをクリップボードにコピー (Ctrl+C)</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>Close application</source>
        <translation>プログラムを終了します</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;Set Language</source>
        <translation>言語の設定(&amp;S)</translation>
    </message>
    <message>
        <source>Set language for the next application start.</source>
        <translation>次回のプログラム起動時の言語を設定します。</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>Show general informations about this program</source>
        <translation>このプログラムの一般情報を表示します</translation>
    </message>
    <message>
        <source>&amp;Tips and Tricks...</source>
        <translation>ヒントとコツ(&amp;T)...</translation>
    </message>
    <message>
        <source>Show some tips and tricks</source>
        <translation>使い方のヒントを表示します</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Speed (RPM)</source>
        <translation>回転数 (rpm)</translation>
    </message>
    <message>
        <source>Global Timing [°]</source>
        <translation>グローバル点火時期 [°]</translation>
    </message>
    <message>
        <source>Output [%]</source>
        <translation>出力 [%]</translation>
    </message>
    <message>
        <source>CSV export failed</source>
        <translation>CSV のエクスポートに失敗しました</translation>
    </message>
    <message>
        <source>Unable to write data to file &apos;%1&apos; !
</source>
        <translation>ファイル &apos;%1&apos; にデータを書き込めません!
</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>画像</translation>
    </message>
    <message>
        <source> Documents</source>
        <translation> ドキュメント</translation>
    </message>
    <message>
        <source>Export File Name</source>
        <translation>エクスポートするファイル名</translation>
    </message>
    <message>
        <source>Unsupported image format</source>
        <translation>サポートされていない画像形式</translation>
    </message>
    <message>
        <source>The selected file format &quot;%1&quot; is not supported!
Please use one of the following file extensions:
%2</source>
        <translation>選択したファイル形式 &quot;%1&quot; はサポートされていません!
次のいずれかの拡張子を使用してください:
%2</translation>
    </message>
    <message>
        <source>Plot export failed</source>
        <translation>グラフのエクスポートに失敗しました</translation>
    </message>
    <message>
        <source>Unable to write the plot to file &apos;%1&apos; !
</source>
        <translation>ファイル &apos;%1&apos; にグラフを書き込めません!
</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>Trends (*.tlx)</source>
        <translation>トレンド (*.tlx)</translation>
    </message>
    <message>
        <source>Missing configuration file</source>
        <translation>設定ファイルがありません</translation>
    </message>
    <message>
        <source>Unable to read configuration from %1!
The configuration file %1 must be present in the same folder as the selected data file and it must be readable.</source>
        <translation>%1 から設定を読み込めません!
設定ファイル %1 は、選択したデータファイルと同じフォルダーにあり、読み取り可能である必要があります。</translation>
    </message>
    <message>
        <source>Invalid configuration</source>
        <translation>無効な設定</translation>
    </message>
    <message>
        <source>Unable to read configuration from %1!
Configuration is invalid.</source>
        <translation>%1 から設定を読み込めません!
設定が無効です。</translation>
    </message>
    <message>
        <source>Plot failed</source>
        <translation>グラフ表示に失敗しました</translation>
    </message>
    <message>
        <source>Unable to plot data</source>
        <translation>データをグラフ表示できません</translation>
    </message>
    <message>
        <source>No file</source>
        <translation>ファイルなし</translation>
    </message>
    <message>
        <source>No file selected.</source>
        <translation>ファイルが選択されていません。</translation>
    </message>
    <message>
        <source>Config file selected</source>
        <translation>設定ファイルが選択されました</translation>
    </message>
    <message>
        <source>You have selected a configuration file:
</source>
        <translation>選択したのは設定ファイルです:
</translation>
    </message>
    <message>
        <source>
Please open a data file if you want to see a plot.</source>
        <translation>
グラフを表示するには、データファイルを開いてください。</translation>
    </message>
    <message>
        <source>Unknown file selected</source>
        <translation>不明なファイルが選択されました</translation>
    </message>
    <message>
        <source>Unknown file name %1, cannot read data!
Please do not rename any tlx files  created by your Visorix device.</source>
        <translation>不明なファイル名 %1 のため、データを読み込めません!
Visorix 装置が作成した tlx ファイルの名前は変更しないでください。</translation>
    </message>
    <message>
        <source>Reading file failed</source>
        <translation>ファイルの読み込みに失敗しました</translation>
    </message>
    <message>
        <source>Unable to read data from file %1!</source>
        <translation>ファイル %1 からデータを読み込めません!</translation>
    </message>
    <message>
        <source>Data file is empty</source>
        <translation>データファイルが空です</translation>
    </message>
    <message>
        <source>File %1 does not contain any usable data.</source>
        <translation>ファイル %1 には使用できるデータがありません。</translation>
    </message>
    <message>
        <source>Speed Recording</source>
        <translation>回転数の記録</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>rpm</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>回転数</translation>
    </message>
    <message>
        <source>Global Timing Recording</source>
        <translation>グローバル点火時期の記録</translation>
    </message>
    <message>
        <source>Relative Angle [°CRANK]</source>
        <translation>相対角度 [°CA]</translation>
    </message>
    <message>
        <source>Global Timing</source>
        <translation>グローバル点火時期</translation>
    </message>
    <message>
        <source>Firing Angles Recording</source>
        <translation>点火角の記録</translation>
    </message>
    <message>
        <source>Secondary Voltages Recording</source>
        <translation>二次電圧の記録</translation>
    </message>
    <message>
        <source>Voltage [kV]</source>
        <translation>電圧 [kV]</translation>
    </message>
    <message>
        <source>Normalized Analog Output Recording</source>
        <translation>正規化アナログ出力の記録</translation>
    </message>
    <message>
        <source>Normalized Analog Output [%]</source>
        <translation>正規化アナログ出力 [%]</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>出力</translation>
    </message>
    <message>
        <source>Knocking Intensity Recording</source>
        <translation>ノッキング強度の記録</translation>
    </message>
    <message>
        <source>Knocking Intensity [%]</source>
        <translation>ノッキング強度 [%]</translation>
    </message>
    <message>
        <source>Temperatures Recording</source>
        <translation>温度の記録</translation>
    </message>
    <message>
        <source>Temperature [%1]</source>
        <translation>温度 [%1]</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source># %1</source>
        <translation># %1</translation>
    </message>
    <message>
        <source>ERROR: Configuration invalid!</source>
        <translation>エラー: 設定が無効です!</translation>
    </message>
    <message>
        <source>Start of trend data: %1
Device type: %2
Device CAN ID: %3
Number of Cylinders: %4
</source>
        <translation>トレンドデータの開始: %1
装置の種類: %2
装置の CAN ID: %3
シリンダー数: %4
</translation>
    </message>
    <message>
        <source>Additions: %1
</source>
        <translation>追加情報: %1
</translation>
    </message>
    <message>
        <source>°F</source>
        <translation>°F</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
</context>
<context>
    <name>TipsAndTricks</name>
    <message>
        <source>Tips and Tricks</source>
        <translation>ヒントとコツ</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt;&quot;&gt;Tips and Tricks&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt;&quot;&gt;ヒントとコツ&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Zooming&lt;/span&gt;&lt;/p&gt;&lt;p&gt;To &lt;span style=&quot; font-style:italic;&quot;&gt;zoom in the plot&lt;/span&gt; press the&lt;span style=&quot; font-weight:600;&quot;&gt; left mouse button&lt;/span&gt; and draw a rectangle around the desired area.&lt;/p&gt;&lt;p&gt;Use the &lt;span style=&quot; font-weight:600;&quot;&gt;middle mouse button&lt;/span&gt; to &lt;span style=&quot; font-style:italic;&quot;&gt;return to the previous zoom level&lt;/span&gt; or the &lt;span style=&quot; font-weight:600;&quot;&gt;right mouse button&lt;/span&gt; to &lt;span style=&quot; font-style:italic;&quot;&gt;return to the full plot size&lt;/span&gt;.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;ズーム&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;グラフを拡大する&lt;/span&gt;には、&lt;span style=&quot; font-weight:600;&quot;&gt;マウスの左ボタン&lt;/span&gt;を押したまま、目的の範囲を囲む四角形を描きます。&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;マウスの中ボタン&lt;/span&gt;で&lt;span style=&quot; font-style:italic;&quot;&gt;前のズームレベルに戻り&lt;/span&gt;、&lt;span style=&quot; font-weight:600;&quot;&gt;マウスの右ボタン&lt;/span&gt;で&lt;span style=&quot; font-style:italic;&quot;&gt;グラフ全体の表示に戻ります&lt;/span&gt;。&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Scrolling&lt;/span&gt;&lt;/p&gt;&lt;p&gt;To scroll around in the plot press and holt &lt;span style=&quot; font-weight:600;&quot;&gt;Ctrl&lt;/span&gt;, then grab the plot with the&lt;span style=&quot; font-weight:600;&quot;&gt; left mouse button&lt;/span&gt; and drag it to the desired position.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;スクロール&lt;/span&gt;&lt;/p&gt;&lt;p&gt;グラフをスクロールするには、&lt;span style=&quot; font-weight:600;&quot;&gt;Ctrl&lt;/span&gt; キーを押したまま&lt;span style=&quot; font-weight:600;&quot;&gt;マウスの左ボタン&lt;/span&gt;でグラフをつかみ、目的の位置までドラッグします。&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Hiding curves&lt;/span&gt;&lt;/p&gt;&lt;p&gt;You can hide individual curves in the plot by &lt;span style=&quot; font-weight:600;&quot;&gt;clicking on the corresponding legend entry&lt;/span&gt;. Click the legend entry again to unhide the curve.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;曲線の非表示&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;対応する凡例の項目をクリックする&lt;/span&gt;と、グラフの個々の曲線を非表示にできます。もう一度クリックすると、曲線が再び表示されます。&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>TrendPlot</name>
    <message>
        <source>Date and Time [MM-dd hh:mm:ss]</source>
        <translation>日付と時刻 [MM-dd hh:mm:ss]</translation>
    </message>
</context>
</TS>
