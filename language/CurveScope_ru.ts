<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About ORVANTA Curve Scope</source>
        <translation>О программе ORVANTA Curve Scope</translation>
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
        <translation>Версия: %1</translation>
    </message>
    <message>
        <source>Revision: %1</source>
        <translation>Ревизия: %1</translation>
    </message>
    <message>
        <source>Orvanta Systems GmbH

Musterweg 12
12345 Beispielstadt

Germany</source>
        <translation>Orvanta Systems GmbH

Musterweg 12
12345 Beispielstadt

Германия</translation>
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
        <translation>Выберите формат CSV</translation>
    </message>
    <message>
        <source>Time/Data Pairs</source>
        <translation>Пары время/значение</translation>
    </message>
    <message>
        <source>Timestamp List</source>
        <translation>Список меток времени</translation>
    </message>
    <message>
        <source>Comma-Separated Values (*.csv);;All (*.*)</source>
        <translation>Значения, разделённые запятыми (*.csv);;Все файлы (*.*)</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Сохранить файл</translation>
    </message>
</context>
<context>
    <name>CSelectLanguageDialog</name>
    <message>
        <source>Select Language</source>
        <translation>Выбор языка</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>The selected language will be used when the program is started the next time.</source>
        <translation>Выбранный язык будет использоваться при следующем запуске программы.</translation>
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
        <translation>&amp;Открыть</translation>
    </message>
    <message>
        <source>Select a tlx file and open it</source>
        <translation>Выбрать и открыть файл tlx</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Close file</source>
        <translation>Закрыть файл</translation>
    </message>
    <message>
        <source>&amp;Export to CSV</source>
        <translation>&amp;Экспорт в CSV</translation>
    </message>
    <message>
        <source>Write data into a CSV file</source>
        <translation>Записать данные в файл CSV</translation>
    </message>
    <message>
        <source>Export &amp;Plot</source>
        <translation>Экспорт &amp;графика</translation>
    </message>
    <message>
        <source>Save plot into an image file</source>
        <translation>Сохранить график в файл изображения</translation>
    </message>
    <message>
        <source>Copy plot to clipboard</source>
        <translation>Копировать график в буфер обмена</translation>
    </message>
    <message>
        <source>Copy plot to clipboard (Ctrl+C)</source>
        <translation>Копировать график в буфер обмена (Ctrl+C)</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Close application</source>
        <translation>Закрыть программу</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;Set Language</source>
        <translation>&amp;Выбрать язык</translation>
    </message>
    <message>
        <source>Set language for the next application start.</source>
        <translation>Выбрать язык для следующего запуска программы.</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>Show general informations about this program</source>
        <translation>Показать общие сведения о программе</translation>
    </message>
    <message>
        <source>&amp;Tips and Tricks...</source>
        <translation>&amp;Советы и приёмы...</translation>
    </message>
    <message>
        <source>Show some tips and tricks</source>
        <translation>Показать советы и приёмы работы</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Speed (RPM)</source>
        <translation>Частота вращения (об/мин)</translation>
    </message>
    <message>
        <source>Global Timing [°]</source>
        <translation>Общее опережение зажигания [°]</translation>
    </message>
    <message>
        <source>Output [%]</source>
        <translation>Выход [%]</translation>
    </message>
    <message>
        <source>CSV export failed</source>
        <translation>Ошибка экспорта в CSV</translation>
    </message>
    <message>
        <source>Unable to write data to file &apos;%1&apos; !
</source>
        <translation>Не удалось записать данные в файл «%1»!
</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Изображения</translation>
    </message>
    <message>
        <source> Documents</source>
        <translation> документы</translation>
    </message>
    <message>
        <source>Export File Name</source>
        <translation>Имя файла для экспорта</translation>
    </message>
    <message>
        <source>Unsupported image format</source>
        <translation>Неподдерживаемый формат изображения</translation>
    </message>
    <message>
        <source>The selected file format &quot;%1&quot; is not supported!
Please use one of the following file extensions:
%2</source>
        <translation>Выбранный формат файла «%1» не поддерживается!
Используйте одно из следующих расширений файла:
%2</translation>
    </message>
    <message>
        <source>Plot export failed</source>
        <translation>Ошибка экспорта графика</translation>
    </message>
    <message>
        <source>Unable to write the plot to file &apos;%1&apos; !
</source>
        <translation>Не удалось записать график в файл «%1»!
</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>Trends (*.tlx)</source>
        <translation>Тренды (*.tlx)</translation>
    </message>
    <message>
        <source>Missing configuration file</source>
        <translation>Отсутствует файл конфигурации</translation>
    </message>
    <message>
        <source>Unable to read configuration from %1!
The configuration file %1 must be present in the same folder as the selected data file and it must be readable.</source>
        <translation>Не удалось прочитать конфигурацию из %1!
Файл конфигурации %1 должен находиться в той же папке, что и выбранный файл данных, и быть доступным для чтения.</translation>
    </message>
    <message>
        <source>Invalid configuration</source>
        <translation>Недопустимая конфигурация</translation>
    </message>
    <message>
        <source>Unable to read configuration from %1!
Configuration is invalid.</source>
        <translation>Не удалось прочитать конфигурацию из %1!
Конфигурация недопустима.</translation>
    </message>
    <message>
        <source>Plot failed</source>
        <translation>Ошибка построения графика</translation>
    </message>
    <message>
        <source>Unable to plot data</source>
        <translation>Не удалось построить график данных</translation>
    </message>
    <message>
        <source>No file</source>
        <translation>Нет файла</translation>
    </message>
    <message>
        <source>No file selected.</source>
        <translation>Файл не выбран.</translation>
    </message>
    <message>
        <source>Config file selected</source>
        <translation>Выбран файл конфигурации</translation>
    </message>
    <message>
        <source>You have selected a configuration file:
</source>
        <translation>Вы выбрали файл конфигурации:
</translation>
    </message>
    <message>
        <source>
Please open a data file if you want to see a plot.</source>
        <translation>
Чтобы увидеть график, откройте файл данных.</translation>
    </message>
    <message>
        <source>Unknown file selected</source>
        <translation>Выбран неизвестный файл</translation>
    </message>
    <message>
        <source>Unknown file name %1, cannot read data!
Please do not rename any tlx files  created by your Visorix device.</source>
        <translation>Неизвестное имя файла %1, данные не могут быть прочитаны!
Не переименовывайте файлы tlx, созданные вашим устройством Visorix.</translation>
    </message>
    <message>
        <source>Reading file failed</source>
        <translation>Ошибка чтения файла</translation>
    </message>
    <message>
        <source>Unable to read data from file %1!</source>
        <translation>Не удалось прочитать данные из файла %1!</translation>
    </message>
    <message>
        <source>Data file is empty</source>
        <translation>Файл данных пуст</translation>
    </message>
    <message>
        <source>File %1 does not contain any usable data.</source>
        <translation>Файл %1 не содержит пригодных данных.</translation>
    </message>
    <message>
        <source>Speed Recording</source>
        <translation>Запись частоты вращения</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>об/мин</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Частота вращения</translation>
    </message>
    <message>
        <source>Global Timing Recording</source>
        <translation>Запись общего опережения зажигания</translation>
    </message>
    <message>
        <source>Relative Angle [°CRANK]</source>
        <translation>Относительный угол [°ПКВ]</translation>
    </message>
    <message>
        <source>Global Timing</source>
        <translation>Общее опережение зажигания</translation>
    </message>
    <message>
        <source>Firing Angles Recording</source>
        <translation>Запись углов зажигания</translation>
    </message>
    <message>
        <source>Secondary Voltages Recording</source>
        <translation>Запись вторичных напряжений</translation>
    </message>
    <message>
        <source>Voltage [kV]</source>
        <translation>Напряжение [кВ]</translation>
    </message>
    <message>
        <source>Normalized Analog Output Recording</source>
        <translation>Запись нормированного аналогового выхода</translation>
    </message>
    <message>
        <source>Normalized Analog Output [%]</source>
        <translation>Нормированный аналоговый выход [%]</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Knocking Intensity Recording</source>
        <translation>Запись интенсивности детонации</translation>
    </message>
    <message>
        <source>Knocking Intensity [%]</source>
        <translation>Интенсивность детонации [%]</translation>
    </message>
    <message>
        <source>Temperatures Recording</source>
        <translation>Запись температур</translation>
    </message>
    <message>
        <source>Temperature [%1]</source>
        <translation>Температура [%1]</translation>
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
        <translation>ОШИБКА: недопустимая конфигурация!</translation>
    </message>
    <message>
        <source>Start of trend data: %1
Device type: %2
Device CAN ID: %3
Number of Cylinders: %4
</source>
        <translation>Начало данных тренда: %1
Тип устройства: %2
CAN ID устройства: %3
Число цилиндров: %4
</translation>
    </message>
    <message>
        <source>Additions: %1
</source>
        <translation>Дополнительно: %1
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
        <translation>Советы и приёмы</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt;&quot;&gt;Tips and Tricks&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt;&quot;&gt;Советы и приёмы&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Zooming&lt;/span&gt;&lt;/p&gt;&lt;p&gt;To &lt;span style=&quot; font-style:italic;&quot;&gt;zoom in the plot&lt;/span&gt; press the&lt;span style=&quot; font-weight:600;&quot;&gt; left mouse button&lt;/span&gt; and draw a rectangle around the desired area.&lt;/p&gt;&lt;p&gt;Use the &lt;span style=&quot; font-weight:600;&quot;&gt;middle mouse button&lt;/span&gt; to &lt;span style=&quot; font-style:italic;&quot;&gt;return to the previous zoom level&lt;/span&gt; or the &lt;span style=&quot; font-weight:600;&quot;&gt;right mouse button&lt;/span&gt; to &lt;span style=&quot; font-style:italic;&quot;&gt;return to the full plot size&lt;/span&gt;.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Масштабирование&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Для &lt;span style=&quot; font-style:italic;&quot;&gt;увеличения&lt;/span&gt; нажмите&lt;span style=&quot; font-weight:600;&quot;&gt; левую кнопку мыши&lt;/span&gt; и обведите нужную область прямоугольником.&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Средняя кнопка&lt;/span&gt; &lt;span style=&quot; font-style:italic;&quot;&gt;возвращает предыдущий масштаб&lt;/span&gt;, &lt;span style=&quot; font-weight:600;&quot;&gt;правая кнопка&lt;/span&gt; — &lt;span style=&quot; font-style:italic;&quot;&gt;весь график&lt;/span&gt;.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Scrolling&lt;/span&gt;&lt;/p&gt;&lt;p&gt;To scroll around in the plot press and holt &lt;span style=&quot; font-weight:600;&quot;&gt;Ctrl&lt;/span&gt;, then grab the plot with the&lt;span style=&quot; font-weight:600;&quot;&gt; left mouse button&lt;/span&gt; and drag it to the desired position.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Перемещение&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Чтобы переместить график, удерживайте &lt;span style=&quot; font-weight:600;&quot;&gt;Ctrl&lt;/span&gt; и перетащите его&lt;span style=&quot; font-weight:600;&quot;&gt; левой кнопкой мыши&lt;/span&gt; в нужное положение.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Hiding curves&lt;/span&gt;&lt;/p&gt;&lt;p&gt;You can hide individual curves in the plot by &lt;span style=&quot; font-weight:600;&quot;&gt;clicking on the corresponding legend entry&lt;/span&gt;. Click the legend entry again to unhide the curve.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Скрытие кривых&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Щелчок по записи легенды&lt;/span&gt; скрывает соответствующую кривую. Повторный щелчок снова её показывает.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>TrendPlot</name>
    <message>
        <source>Date and Time [MM-dd hh:mm:ss]</source>
        <translation>Дата и время [MM-dd hh:mm:ss]</translation>
    </message>
</context>
</TS>
