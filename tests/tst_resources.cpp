// The images compiled into the program: every name the commands, dialogs and start-up ask for
// must load, or the window shows blank buttons and an empty About box without any error.

#include <QDirIterator>
#include <QImageReader>
#include <QtTest>

class TestResources : public QObject {
    Q_OBJECT

private slots:
    void imagesLoad()
    {
        QStringList expected {"chart_line.png", "folder_document.png", "folder_closed.png",
            "document_into.png", "document_chart.png", "copy_chart.png", "exit.png", "globe.png",
            "information.png", "light", "united_kingdom.png", "csv_1.png", "csv_2.png",
            "orvanta_logo", "folder_into.png", "csv_3.png"};
        QStringList found;
        for (QDirIterator it(":/", QDir::Files); it.hasNext();)
            if (!it.next().startsWith(":/qt-project.org"))
                found << it.fileName();
        found.sort();
        expected.sort();
        QCOMPARE(found, expected);
        for (const QString& name : expected) {
            // ":light" and ":orvanta_logo" have no extension: the format comes from the content.
            QImageReader reader(":" + name);
            const QImage image = reader.read();
            QVERIFY2(!image.isNull(), qPrintable(name + ": " + reader.errorString()));
            const int least = name.startsWith("csv_") ? 120 : name == "orvanta_logo" ? 120 : 16;
            QVERIFY2(image.width() >= least && image.height() >= qMin(least, 40), qPrintable(name));
            // A picture that is one flat colour is no picture.
            const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
            const auto* pixels = reinterpret_cast<const QRgb*>(argb.constBits());
            QVERIFY2(std::any_of(pixels, pixels + argb.width() * argb.height(),
                         [pixels](QRgb pixel) { return pixel != pixels[0]; }),
                qPrintable(name));
        }
        // The desktop icon set is drawn with the same picture at every size the desktop asks for.
        for (const int size : {16, 24, 32, 48, 64, 128, 256})
            QCOMPARE(
                QImage(
                    QString(CURVESCOPE_SOURCE_DIR "/resources/appicon/curvescope-%1.png").arg(size))
                    .size(),
                QSize(size, size));
    }
};

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
