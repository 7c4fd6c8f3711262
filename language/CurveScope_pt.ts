<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About ORVANTA Curve Scope</source>
        <translation>Sobre o ORVANTA Curve Scope</translation>
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
        <translation>Versão: %1</translation>
    </message>
    <message>
        <source>Revision: %1</source>
        <translation>Revisão: %1</translation>
    </message>
    <message>
        <source>Orvanta Systems GmbH

Musterweg 12
12345 Beispielstadt

Germany</source>
        <translation>Orvanta Systems GmbH

Musterweg 12
12345 Beispielstadt

Alemanha</translation>
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
        <translation>Escolher formato CSV</translation>
    </message>
    <message>
        <source>Time/Data Pairs</source>
        <translation>Pares tempo/valor</translation>
    </message>
    <message>
        <source>Timestamp List</source>
        <translation>Lista de marcas de tempo</translation>
    </message>
    <message>
        <source>Comma-Separated Values (*.csv);;All (*.*)</source>
        <translation>Valores separados por vírgula (*.csv);;Todos os arquivos (*.*)</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Salvar arquivo</translation>
    </message>
</context>
<context>
    <name>CSelectLanguageDialog</name>
    <message>
        <source>Select Language</source>
        <translation>Selecionar idioma</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>The selected language will be used when the program is started the next time.</source>
        <translation>O idioma selecionado será usado na próxima vez que o programa for iniciado.</translation>
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
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Select a tlx file and open it</source>
        <translation>Selecionar um arquivo tlx e abri-lo</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Close file</source>
        <translation>Fechar arquivo</translation>
    </message>
    <message>
        <source>&amp;Export to CSV</source>
        <translation>&amp;Exportar para CSV</translation>
    </message>
    <message>
        <source>Write data into a CSV file</source>
        <translation>Gravar os dados em um arquivo CSV</translation>
    </message>
    <message>
        <source>Export &amp;Plot</source>
        <translation>Exportar &amp;gráfico</translation>
    </message>
    <message>
        <source>Save plot into an image file</source>
        <translation>Salvar o gráfico em um arquivo de imagem</translation>
    </message>
    <message>
        <source>Copy plot to clipboard</source>
        <translation>Copiar gráfico para a área de transferência</translation>
    </message>
    <message>
        <source>Copy plot to clipboard (Ctrl+C)</source>
        <translation>Copiar gráfico para a área de transferência (Ctrl+C)</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Close application</source>
        <translation>Fechar o programa</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;Set Language</source>
        <translation>Definir &amp;idioma</translation>
    </message>
    <message>
        <source>Set language for the next application start.</source>
        <translation>Definir o idioma para a próxima inicialização do programa.</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>Show general informations about this program</source>
        <translation>Mostrar informações gerais sobre este programa</translation>
    </message>
    <message>
        <source>&amp;Tips and Tricks...</source>
        <translation>&amp;Dicas e truques...</translation>
    </message>
    <message>
        <source>Show some tips and tricks</source>
        <translation>Mostrar algumas dicas e truques</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>Speed (RPM)</source>
        <translation>Rotação (rpm)</translation>
    </message>
    <message>
        <source>Global Timing [°]</source>
        <translation>Avanço global [°]</translation>
    </message>
    <message>
        <source>Output [%]</source>
        <translation>Saída [%]</translation>
    </message>
    <message>
        <source>CSV export failed</source>
        <translation>Falha na exportação CSV</translation>
    </message>
    <message>
        <source>Unable to write data to file &apos;%1&apos; !
</source>
        <translation>Não foi possível gravar os dados no arquivo &apos;%1&apos;!
</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Imagens</translation>
    </message>
    <message>
        <source> Documents</source>
        <translation> – documentos</translation>
    </message>
    <message>
        <source>Export File Name</source>
        <translation>Nome do arquivo de exportação</translation>
    </message>
    <message>
        <source>Unsupported image format</source>
        <translation>Formato de imagem não suportado</translation>
    </message>
    <message>
        <source>The selected file format &quot;%1&quot; is not supported!
Please use one of the following file extensions:
%2</source>
        <translation>O formato de arquivo selecionado &quot;%1&quot; não é suportado!
Use uma das seguintes extensões de arquivo:
%2</translation>
    </message>
    <message>
        <source>Plot export failed</source>
        <translation>Falha na exportação do gráfico</translation>
    </message>
    <message>
        <source>Unable to write the plot to file &apos;%1&apos; !
</source>
        <translation>Não foi possível gravar o gráfico no arquivo &apos;%1&apos;!
</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir arquivo</translation>
    </message>
    <message>
        <source>Trends (*.tlx)</source>
        <translation>Tendências (*.tlx)</translation>
    </message>
    <message>
        <source>Missing configuration file</source>
        <translation>Arquivo de configuração ausente</translation>
    </message>
    <message>
        <source>Unable to read configuration from %1!
The configuration file %1 must be present in the same folder as the selected data file and it must be readable.</source>
        <translation>Não foi possível ler a configuração de %1!
O arquivo de configuração %1 deve estar na mesma pasta que o arquivo de dados selecionado e deve poder ser lido.</translation>
    </message>
    <message>
        <source>Invalid configuration</source>
        <translation>Configuração inválida</translation>
    </message>
    <message>
        <source>Unable to read configuration from %1!
Configuration is invalid.</source>
        <translation>Não foi possível ler a configuração de %1!
A configuração é inválida.</translation>
    </message>
    <message>
        <source>Plot failed</source>
        <translation>Falha ao gerar o gráfico</translation>
    </message>
    <message>
        <source>Unable to plot data</source>
        <translation>Não foi possível gerar o gráfico dos dados</translation>
    </message>
    <message>
        <source>No file</source>
        <translation>Nenhum arquivo</translation>
    </message>
    <message>
        <source>No file selected.</source>
        <translation>Nenhum arquivo selecionado.</translation>
    </message>
    <message>
        <source>Config file selected</source>
        <translation>Arquivo de configuração selecionado</translation>
    </message>
    <message>
        <source>You have selected a configuration file:
</source>
        <translation>Você selecionou um arquivo de configuração:
</translation>
    </message>
    <message>
        <source>
Please open a data file if you want to see a plot.</source>
        <translation>
Abra um arquivo de dados se quiser ver um gráfico.</translation>
    </message>
    <message>
        <source>Unknown file selected</source>
        <translation>Arquivo desconhecido selecionado</translation>
    </message>
    <message>
        <source>Unknown file name %1, cannot read data!
Please do not rename any tlx files  created by your Visorix device.</source>
        <translation>Nome de arquivo desconhecido %1, não é possível ler os dados!
Não renomeie os arquivos tlx criados pelo seu equipamento Visorix.</translation>
    </message>
    <message>
        <source>Reading file failed</source>
        <translation>Falha na leitura do arquivo</translation>
    </message>
    <message>
        <source>Unable to read data from file %1!</source>
        <translation>Não foi possível ler os dados do arquivo %1!</translation>
    </message>
    <message>
        <source>Data file is empty</source>
        <translation>Arquivo de dados vazio</translation>
    </message>
    <message>
        <source>File %1 does not contain any usable data.</source>
        <translation>O arquivo %1 não contém dados utilizáveis.</translation>
    </message>
    <message>
        <source>Speed Recording</source>
        <translation>Registro de rotação</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>rpm</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Rotação</translation>
    </message>
    <message>
        <source>Global Timing Recording</source>
        <translation>Registro do avanço global</translation>
    </message>
    <message>
        <source>Relative Angle [°CRANK]</source>
        <translation>Ângulo relativo [°CRANK]</translation>
    </message>
    <message>
        <source>Global Timing</source>
        <translation>Avanço global</translation>
    </message>
    <message>
        <source>Firing Angles Recording</source>
        <translation>Registro dos ângulos de ignição</translation>
    </message>
    <message>
        <source>Secondary Voltages Recording</source>
        <translation>Registro das tensões secundárias</translation>
    </message>
    <message>
        <source>Voltage [kV]</source>
        <translation>Tensão [kV]</translation>
    </message>
    <message>
        <source>Normalized Analog Output Recording</source>
        <translation>Registro da saída analógica normalizada</translation>
    </message>
    <message>
        <source>Normalized Analog Output [%]</source>
        <translation>Saída analógica normalizada [%]</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Saída</translation>
    </message>
    <message>
        <source>Knocking Intensity Recording</source>
        <translation>Registro da intensidade de detonação</translation>
    </message>
    <message>
        <source>Knocking Intensity [%]</source>
        <translation>Intensidade de detonação [%]</translation>
    </message>
    <message>
        <source>Temperatures Recording</source>
        <translation>Registro de temperaturas</translation>
    </message>
    <message>
        <source>Temperature [%1]</source>
        <translation>Temperatura [%1]</translation>
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
        <translation>ERRO: configuração inválida!</translation>
    </message>
    <message>
        <source>Start of trend data: %1
Device type: %2
Device CAN ID: %3
Number of Cylinders: %4
</source>
        <translation>Início dos dados de tendência: %1
Tipo de equipamento: %2
ID CAN do equipamento: %3
Número de cilindros: %4
</translation>
    </message>
    <message>
        <source>Additions: %1
</source>
        <translation>Complementos: %1
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
        <translation>Dicas e truques</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt;&quot;&gt;Tips and Tricks&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt;&quot;&gt;Dicas e truques&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Zooming&lt;/span&gt;&lt;/p&gt;&lt;p&gt;To &lt;span style=&quot; font-style:italic;&quot;&gt;zoom in the plot&lt;/span&gt; press the&lt;span style=&quot; font-weight:600;&quot;&gt; left mouse button&lt;/span&gt; and draw a rectangle around the desired area.&lt;/p&gt;&lt;p&gt;Use the &lt;span style=&quot; font-weight:600;&quot;&gt;middle mouse button&lt;/span&gt; to &lt;span style=&quot; font-style:italic;&quot;&gt;return to the previous zoom level&lt;/span&gt; or the &lt;span style=&quot; font-weight:600;&quot;&gt;right mouse button&lt;/span&gt; to &lt;span style=&quot; font-style:italic;&quot;&gt;return to the full plot size&lt;/span&gt;.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Zoom&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Para &lt;span style=&quot; font-style:italic;&quot;&gt;ampliar&lt;/span&gt;, pressione o&lt;span style=&quot; font-weight:600;&quot;&gt; botão esquerdo do mouse&lt;/span&gt; e desenhe um retângulo em volta da área desejada.&lt;/p&gt;&lt;p&gt;O &lt;span style=&quot; font-weight:600;&quot;&gt;botão do meio&lt;/span&gt; &lt;span style=&quot; font-style:italic;&quot;&gt;volta ao zoom anterior&lt;/span&gt; e o &lt;span style=&quot; font-weight:600;&quot;&gt;botão direito&lt;/span&gt;, &lt;span style=&quot; font-style:italic;&quot;&gt;ao gráfico completo&lt;/span&gt;.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Scrolling&lt;/span&gt;&lt;/p&gt;&lt;p&gt;To scroll around in the plot press and holt &lt;span style=&quot; font-weight:600;&quot;&gt;Ctrl&lt;/span&gt;, then grab the plot with the&lt;span style=&quot; font-weight:600;&quot;&gt; left mouse button&lt;/span&gt; and drag it to the desired position.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Deslocamento&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Para deslocar o gráfico, mantenha &lt;span style=&quot; font-weight:600;&quot;&gt;Ctrl&lt;/span&gt; pressionada e arraste-o com o&lt;span style=&quot; font-weight:600;&quot;&gt; botão esquerdo do mouse&lt;/span&gt; até a posição desejada.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Hiding curves&lt;/span&gt;&lt;/p&gt;&lt;p&gt;You can hide individual curves in the plot by &lt;span style=&quot; font-weight:600;&quot;&gt;clicking on the corresponding legend entry&lt;/span&gt;. Click the legend entry again to unhide the curve.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Ocultar curvas&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Um &lt;span style=&quot; font-weight:600;&quot;&gt;clique na entrada da legenda&lt;/span&gt; oculta a curva correspondente. Outro clique a exibe novamente.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>TrendPlot</name>
    <message>
        <source>Date and Time [MM-dd hh:mm:ss]</source>
        <translation>Data e hora [MM-dd hh:mm:ss]</translation>
    </message>
</context>
</TS>
