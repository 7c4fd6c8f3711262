<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About ORVANTA Curve Scope</source>
        <translation>关于 ORVANTA Curve Scope</translation>
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
        <translation>版本：%1</translation>
    </message>
    <message>
        <source>Revision: %1</source>
        <translation>修订号：%1</translation>
    </message>
    <message>
        <source>Orvanta Systems GmbH

Musterweg 12
12345 Beispielstadt

Germany</source>
        <translation>Orvanta Systems GmbH

Musterweg 12
12345 Beispielstadt

德国</translation>
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
        <translation>选择 CSV 格式</translation>
    </message>
    <message>
        <source>Time/Data Pairs</source>
        <translation>时间/数值对</translation>
    </message>
    <message>
        <source>Timestamp List</source>
        <translation>时间戳列表</translation>
    </message>
    <message>
        <source>Comma-Separated Values (*.csv);;All (*.*)</source>
        <translation>逗号分隔值 (*.csv);;所有文件 (*.*)</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>保存文件</translation>
    </message>
</context>
<context>
    <name>CSelectLanguageDialog</name>
    <message>
        <source>Select Language</source>
        <translation>选择语言</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>The selected language will be used when the program is started the next time.</source>
        <translation>所选语言将在下次启动程序时生效。</translation>
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
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>Select a tlx file and open it</source>
        <translation>选择并打开一个 tlx 文件</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Close file</source>
        <translation>关闭文件</translation>
    </message>
    <message>
        <source>&amp;Export to CSV</source>
        <translation>导出为 CSV(&amp;E)</translation>
    </message>
    <message>
        <source>Write data into a CSV file</source>
        <translation>将数据写入 CSV 文件</translation>
    </message>
    <message>
        <source>Export &amp;Plot</source>
        <translation>导出图表(&amp;P)</translation>
    </message>
    <message>
        <source>Save plot into an image file</source>
        <translation>将图表保存为图像文件</translation>
    </message>
    <message>
        <source>Copy plot to clipboard</source>
        <translation>复制图表到剪贴板</translation>
    </message>
    <message>
        <source>Copy plot to clipboard (Ctrl+C)</source>
        <translation>复制图表到剪贴板 (Ctrl+C)</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>Close application</source>
        <translation>退出程序</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;Set Language</source>
        <translation>设置语言(&amp;S)</translation>
    </message>
    <message>
        <source>Set language for the next application start.</source>
        <translation>设置下次启动程序时使用的语言。</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>Show general informations about this program</source>
        <translation>显示本程序的基本信息</translation>
    </message>
    <message>
        <source>&amp;Tips and Tricks...</source>
        <translation>使用技巧(&amp;T)...</translation>
    </message>
    <message>
        <source>Show some tips and tricks</source>
        <translation>显示一些使用技巧</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Speed (RPM)</source>
        <translation>转速 (r/min)</translation>
    </message>
    <message>
        <source>Global Timing [°]</source>
        <translation>全局点火正时 [°]</translation>
    </message>
    <message>
        <source>Output [%]</source>
        <translation>输出 [%]</translation>
    </message>
    <message>
        <source>CSV export failed</source>
        <translation>CSV 导出失败</translation>
    </message>
    <message>
        <source>Unable to write data to file &apos;%1&apos; !
</source>
        <translation>无法将数据写入文件“%1”！
</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>图像</translation>
    </message>
    <message>
        <source> Documents</source>
        <translation> 文档</translation>
    </message>
    <message>
        <source>Export File Name</source>
        <translation>导出文件名</translation>
    </message>
    <message>
        <source>Unsupported image format</source>
        <translation>不支持的图像格式</translation>
    </message>
    <message>
        <source>The selected file format &quot;%1&quot; is not supported!
Please use one of the following file extensions:
%2</source>
        <translation>不支持所选的文件格式“%1”！
请使用以下文件扩展名之一：
%2</translation>
    </message>
    <message>
        <source>Plot export failed</source>
        <translation>图表导出失败</translation>
    </message>
    <message>
        <source>Unable to write the plot to file &apos;%1&apos; !
</source>
        <translation>无法将图表写入文件“%1”！
</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Trends (*.tlx)</source>
        <translation>趋势 (*.tlx)</translation>
    </message>
    <message>
        <source>Missing configuration file</source>
        <translation>缺少配置文件</translation>
    </message>
    <message>
        <source>Unable to read configuration from %1!
The configuration file %1 must be present in the same folder as the selected data file and it must be readable.</source>
        <translation>无法从 %1 读取配置！
配置文件 %1 必须与所选数据文件位于同一文件夹中，并且必须可读。</translation>
    </message>
    <message>
        <source>Invalid configuration</source>
        <translation>配置无效</translation>
    </message>
    <message>
        <source>Unable to read configuration from %1!
Configuration is invalid.</source>
        <translation>无法从 %1 读取配置！
配置无效。</translation>
    </message>
    <message>
        <source>Plot failed</source>
        <translation>绘图失败</translation>
    </message>
    <message>
        <source>Unable to plot data</source>
        <translation>无法绘制数据</translation>
    </message>
    <message>
        <source>No file</source>
        <translation>没有文件</translation>
    </message>
    <message>
        <source>No file selected.</source>
        <translation>未选择文件。</translation>
    </message>
    <message>
        <source>Config file selected</source>
        <translation>已选择配置文件</translation>
    </message>
    <message>
        <source>You have selected a configuration file:
</source>
        <translation>您选择的是配置文件：
</translation>
    </message>
    <message>
        <source>
Please open a data file if you want to see a plot.</source>
        <translation>
如需查看图表，请打开数据文件。</translation>
    </message>
    <message>
        <source>Unknown file selected</source>
        <translation>已选择未知文件</translation>
    </message>
    <message>
        <source>Unknown file name %1, cannot read data!
Please do not rename any tlx files  created by your Visorix device.</source>
        <translation>未知文件名 %1，无法读取数据！
请勿重命名 Visorix 设备生成的任何 tlx 文件。</translation>
    </message>
    <message>
        <source>Reading file failed</source>
        <translation>读取文件失败</translation>
    </message>
    <message>
        <source>Unable to read data from file %1!</source>
        <translation>无法从文件 %1 读取数据！</translation>
    </message>
    <message>
        <source>Data file is empty</source>
        <translation>数据文件为空</translation>
    </message>
    <message>
        <source>File %1 does not contain any usable data.</source>
        <translation>文件 %1 不包含任何可用数据。</translation>
    </message>
    <message>
        <source>Speed Recording</source>
        <translation>转速记录</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>r/min</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>转速</translation>
    </message>
    <message>
        <source>Global Timing Recording</source>
        <translation>全局点火正时记录</translation>
    </message>
    <message>
        <source>Relative Angle [°CRANK]</source>
        <translation>相对角度 [°CA]</translation>
    </message>
    <message>
        <source>Global Timing</source>
        <translation>全局点火正时</translation>
    </message>
    <message>
        <source>Firing Angles Recording</source>
        <translation>点火角记录</translation>
    </message>
    <message>
        <source>Secondary Voltages Recording</source>
        <translation>次级电压记录</translation>
    </message>
    <message>
        <source>Voltage [kV]</source>
        <translation>电压 [kV]</translation>
    </message>
    <message>
        <source>Normalized Analog Output Recording</source>
        <translation>归一化模拟输出记录</translation>
    </message>
    <message>
        <source>Normalized Analog Output [%]</source>
        <translation>归一化模拟输出 [%]</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>Knocking Intensity Recording</source>
        <translation>爆震强度记录</translation>
    </message>
    <message>
        <source>Knocking Intensity [%]</source>
        <translation>爆震强度 [%]</translation>
    </message>
    <message>
        <source>Temperatures Recording</source>
        <translation>温度记录</translation>
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
        <translation>错误：配置无效！</translation>
    </message>
    <message>
        <source>Start of trend data: %1
Device type: %2
Device CAN ID: %3
Number of Cylinders: %4
</source>
        <translation>趋势数据开始时间：%1
设备类型：%2
设备 CAN ID：%3
气缸数：%4
</translation>
    </message>
    <message>
        <source>Additions: %1
</source>
        <translation>附加信息：%1
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
        <translation>使用技巧</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt;&quot;&gt;Tips and Tricks&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt;&quot;&gt;使用技巧&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Zooming&lt;/span&gt;&lt;/p&gt;&lt;p&gt;To &lt;span style=&quot; font-style:italic;&quot;&gt;zoom in the plot&lt;/span&gt; press the&lt;span style=&quot; font-weight:600;&quot;&gt; left mouse button&lt;/span&gt; and draw a rectangle around the desired area.&lt;/p&gt;&lt;p&gt;Use the &lt;span style=&quot; font-weight:600;&quot;&gt;middle mouse button&lt;/span&gt; to &lt;span style=&quot; font-style:italic;&quot;&gt;return to the previous zoom level&lt;/span&gt; or the &lt;span style=&quot; font-weight:600;&quot;&gt;right mouse button&lt;/span&gt; to &lt;span style=&quot; font-style:italic;&quot;&gt;return to the full plot size&lt;/span&gt;.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;缩放&lt;/span&gt;&lt;/p&gt;&lt;p&gt;要&lt;span style=&quot; font-style:italic;&quot;&gt;放大图表&lt;/span&gt;，请按住&lt;span style=&quot; font-weight:600;&quot;&gt;鼠标左键&lt;/span&gt;，在所需区域周围拖出一个矩形。&lt;/p&gt;&lt;p&gt;使用&lt;span style=&quot; font-weight:600;&quot;&gt;鼠标中键&lt;/span&gt;可&lt;span style=&quot; font-style:italic;&quot;&gt;返回上一缩放级别&lt;/span&gt;，使用&lt;span style=&quot; font-weight:600;&quot;&gt;鼠标右键&lt;/span&gt;可&lt;span style=&quot; font-style:italic;&quot;&gt;恢复完整图表&lt;/span&gt;。&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Scrolling&lt;/span&gt;&lt;/p&gt;&lt;p&gt;To scroll around in the plot press and holt &lt;span style=&quot; font-weight:600;&quot;&gt;Ctrl&lt;/span&gt;, then grab the plot with the&lt;span style=&quot; font-weight:600;&quot;&gt; left mouse button&lt;/span&gt; and drag it to the desired position.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;平移&lt;/span&gt;&lt;/p&gt;&lt;p&gt;要平移图表，请按住 &lt;span style=&quot; font-weight:600;&quot;&gt;Ctrl&lt;/span&gt; 键，然后用&lt;span style=&quot; font-weight:600;&quot;&gt;鼠标左键&lt;/span&gt;将图表拖到所需位置。&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Hiding curves&lt;/span&gt;&lt;/p&gt;&lt;p&gt;You can hide individual curves in the plot by &lt;span style=&quot; font-weight:600;&quot;&gt;clicking on the corresponding legend entry&lt;/span&gt;. Click the legend entry again to unhide the curve.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;隐藏曲线&lt;/span&gt;&lt;/p&gt;&lt;p&gt;您可以通过&lt;span style=&quot; font-weight:600;&quot;&gt;单击对应的图例项&lt;/span&gt;来隐藏图表中的单条曲线。再次单击该图例项即可重新显示该曲线。&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>TrendPlot</name>
    <message>
        <source>Date and Time [MM-dd hh:mm:ss]</source>
        <translation>日期和时间 [MM-dd hh:mm:ss]</translation>
    </message>
</context>
</TS>
