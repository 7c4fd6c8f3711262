// The images compiled into the program: every name the commands, dialogs and start-up ask for
// must load, or the window shows blank buttons and an empty About box without any error.

#include <QDirIterator>
#include <QImage>
#include <QImageReader>
#include <QtTest>

class TestResources : public QObject {
    Q_OBJECT

private slots:
    void imagesLoad_data();
    void imagesLoad();
    void nothingElseCompiledIn();
    void applicationIconSet();
};

namespace {
const char* const ResourceNames[] = {"chart_line.png", "folder_document.png", "folder_closed.png",
    "document_into.png", "document_chart.png", "copy_chart.png", "exit.png", "globe.png",
    "information.png", "light", "united_kingdom.png", "csv_1.png", "csv_2.png", "orvanta_logo",
    "folder_into.png", "csv_3.png"};
}

void TestResources::imagesLoad_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("minimumSize");
    for (const char* name : ResourceNames) {
        const QString n = QString::fromLatin1(name);
        QSize minimum(16, 16);
        if (n.startsWith("csv_"))
            minimum = QSize(120, 60);
        else if (n == "orvanta_logo")
            minimum = QSize(120, 40);
        QTest::newRow(name) << n << minimum;
    }
}

void TestResources::imagesLoad()
{
    QFETCH(QString, name);
    QFETCH(QSize, minimumSize);
    // ":light" and ":orvanta_logo" have no extension: the format must come from the content.
    QImageReader reader(QStringLiteral(":") + name);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(name + ": " + reader.errorString()));
    QVERIFY2(image.width() >= minimumSize.width() && image.height() >= minimumSize.height(),
        qPrintable(name));
    // A picture that is one flat colour is no picture.
    const QRgb first = image.pixel(0, 0);
    bool varies = false;
    for (int y = 0; y < image.height() && !varies; ++y)
        for (int x = 0; x < image.width() && !varies; ++x)
            varies = image.pixel(x, y) != first;
    QVERIFY2(varies, qPrintable(name));
}

void TestResources::nothingElseCompiledIn()
{
    QStringList found;
    QDirIterator it(QStringLiteral(":/"), QDir::Files);
    while (it.hasNext()) {
        it.next();
        if (!it.filePath().startsWith(QLatin1String(":/qt-project.org")))
            found << it.fileName();
    }
    QStringList expected;
    for (const char* name : ResourceNames)
        expected << QString::fromLatin1(name);
    found.sort();
    expected.sort();
    QCOMPARE(found, expected);
}

void TestResources::applicationIconSet()
{
    // The desktop icon set is drawn with the same picture at every size the desktop asks for.
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString path
            = QStringLiteral(CURVESCOPE_SOURCE_DIR "/resources/appicon/curvescope-%1.png")
                  .arg(size);
        const QImage image(path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        QCOMPARE(image.size(), QSize(size, size));
    }
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
