#include "testsupport.h"

#include "equalizer/equalizertool.h"
#include "equalizer/filechooser.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

using Band = EqualizerTool::BandData;

namespace {

// Answers every file question with a fixed path and remembers what was asked.
class FakeChooser : public FileChooser
{
public:
    struct Question {
        QString kind;
        QString title;
        QString filter;
    };

    explicit FakeChooser(QList<Question>* log, QString answer)
        : mLog(log)
        , mAnswer(std::move(answer))
    {
    }
    QString getOpenFileName(const QString& title, const QString& nameFilter) override
    {
        mLog->append({"open", title, nameFilter});
        return mAnswer;
    }
    QString getSaveFileName(const QString& title, const QString& nameFilter) override
    {
        mLog->append({"save", title, nameFilter});
        return mAnswer;
    }

private:
    QList<Question>* mLog;
    QString mAnswer;
};

Band band(const QString& name, int type, double frequency, double gain, double q, bool enabled = true)
{
    Band b;
    b.name = name;
    b.enabled = enabled;
    b.type = type;
    b.frequency = frequency;
    b.gain = gain;
    b.q = q;
    return b;
}

Band defaultBand(const QString& name)
{
    Band b;
    b.name = name;
    return b;
}

QList<Band> tenBands()
{
    QList<Band> bands;
    for (int i = 1; i <= 10; ++i)
        bands.append(band(QString::number(i), (i - 1) % 5, 100.0 * i, i % 2 ? 3.0 : -1.5, 0.707, i != 3));
    return bands;
}

} // namespace

class EqualizerFilesTest : public QObject
{
    Q_OBJECT

    QTemporaryDir mDir;
    QList<FakeChooser::Question> mQuestions;

    QString path(const QString& name) const { return mDir.filePath(name); }

    QString write(const QString& name, const QString& content)
    {
        QFile file(path(name));
        if (!file.open(QIODevice::WriteOnly))
            return QString();
        file.write(content.toUtf8());
        return file.fileName();
    }

    static QStringList lines(const QString& fileName)
    {
        QFile file(fileName);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return {};
        QStringList result;
        QTextStream in(&file);
        while (!in.atEnd())
            result.append(in.readLine());
        return result;
    }

    void useChooser(EqualizerTool& tool, const QString& answer)
    {
        tool.setFileChooser(std::make_unique<FakeChooser>(&mQuestions, answer));
    }

private slots:
    void init() { mQuestions.clear(); }

    void filterExportText()
    {
        EqualizerTool tool;
        tool.setBandData({band("1", 0, 1000, 3, 0.707), band("2", 4, 12500.5, -1.25, 2, false),
                          band("3", 9, 50, 0, 1)},
                         48000);
        tool.setPreGain(-2);
        const QString file = path("filters.txt");
        QCOMPARE(tool.exportBandData(file), file);
        QCOMPARE(lines(file), (QStringList{"Preamp: -2 dB", "Filter 1: ON PK Fc 1000 Hz Gain 3 dB Q 0.707",
                                            "Filter 2: OFF HSC Fc 12500.5 Hz Gain -1.25 dB Q 2",
                                            "Filter 3: ON Fc 50 Hz Gain 0 dB Q 1"}));
    }

    void filterRoundTrip()
    {
        EqualizerTool source;
        source.setBandData(tenBands(), 48000);
        source.setPreGain(-4.5);
        const QString file = path("roundtrip.txt");
        QCOMPARE(source.exportBandData(file), file);

        EqualizerTool target;
        QList<Band> flat;
        for (int i = 1; i <= 10; ++i)
            flat.append(band(QString::number(i), 0, 632, 0, 0.707));
        target.setBandData(flat, 48000);
        QCOMPARE(target.importBandData(file), file);
        QCOMPARE(target.getBandData(), source.getBandData());
        QCOMPARE(target.getPreGain(), -4.5);
        QCOMPARE(*target.getCurve("Combined"), *source.getCurve("Combined"));
    }

    void filterImportKeepsTheToolsFilterSet()
    {
        EqualizerTool ten;
        ten.setBandData(tenBands(), 48000);
        const QString tenFile = path("ten.txt");
        ten.exportBandData(tenFile);

        EqualizerTool four;
        four.setBandData(tenBands().mid(0, 4), 48000);
        const QString fourFile = path("four.txt");
        four.exportBandData(fourFile);
        QVERIFY(!four.importBandData(tenFile).isEmpty());
        QCOMPARE(four.getFilterNames(), (QStringList{"1", "2", "3", "4"}));
        QCOMPARE(four.getBandData().value("4"), tenBands()[3]);

        QList<Band> changed = tenBands();
        for (Band& b : changed)
            b.frequency = 5000;
        ten.setBandData(changed, 48000);
        QVERIFY(!ten.importBandData(fourFile).isEmpty());
        QCOMPARE(ten.getFilterNames().size(), 10);
        QCOMPARE(ten.getBandData().value("2"), tenBands()[1]);
        for (int i = 5; i <= 10; ++i)
            QCOMPARE(ten.getBandData().value(QString::number(i)), defaultBand(QString::number(i)));
    }

    void filterImportEdgeLines()
    {
        EqualizerTool tool;
        tool.setBandData({band("1", 0, 100, 1, 1), band("2", 0, 200, 1, 1), band("3", 0, 300, 1, 1),
                          band("4", 0, 400, 1, 1), band("5", 0, 500, 1, 1), band("6", 0, 600, 1, 1)},
                         48000);
        const QString file = write("edges.txt",
                                   "some title\n"
                                   "Preamp: 1.5 dB\n"
                                   "Filter 1: ON  PK Fc 1000 Hz Gain 3 dB Q 0.707\n"  // two blanks
                                   "Filter 2: on LP Fc 1000 Hz Gain 3 dB Q 0.707\n"   // lower-case switch
                                   "Filter 3: ON XX Fc 1000 Hz Gain 3 dB Q 0.707\n"   // unknown type word
                                   "Filter 4: ON LSC Fc 90000 Hz Gain -40 dB Q 0\n"   // clamped
                                   "Filter 5: ON HP Fc nan Hz Gain 3 dB Q 0.707\n"    // not finite
                                   "Filter 6: ON HSC Fc abc Hz Gain 3 dB Q 20\r\n"); // 0 Hz, clamped
        QCOMPARE(tool.importBandData(file), file);
        const QMap<QString, Band> bands = tool.getBandData();
        QCOMPARE(bands.value("1"), defaultBand("1"));
        QCOMPARE(bands.value("2"), band("2", 1, 1000, 3, 0.707, false));
        QCOMPARE(bands.value("3"), defaultBand("3"));
        QCOMPARE(bands.value("4"), band("4", 3, 22000, -12, 0.1));
        QCOMPARE(bands.value("5"), defaultBand("5"));
        QCOMPARE(bands.value("6"), band("6", 4, 20, 3, 15));
        QCOMPARE(tool.getPreGain(), 1.5);
    }

    void preampOnlyResetsEveryFilter()
    {
        EqualizerTool tool;
        tool.setBandData(tenBands(), 48000);
        const QString file = write("preamp.txt", "Preamp: -2 dB\n");
        QCOMPARE(tool.importBandData(file), file);
        QCOMPARE(tool.getPreGain(), -2.0);
        for (const Band& b : tool.getBandData())
            QCOMPARE(b, defaultBand(b.name));
        QCOMPARE(tool.getCurve("Combined")->at(10).y(), -2.0);
    }

    void listFormat()
    {
        EqualizerTool tool;
        tool.setBandData({band("1", 2, 50, 0, 3), band("2", 2, 50, 0, 3), band("3", 2, 50, 0, 3)}, 48000);
        const QString file = write("list.txt",
                                   "Preamp: 9 dB but not three parts\n"
                                   "EQFilterParameters\n"
                                   "PreGain,1.5\n"
                                   "1,1,0,1000,3,0.707\n"
                                   "2,1,7,1000,3,0.707\n" // type outside 0 to 4
                                   "3,x,4,1000,inf,0.707\n"
                                   "9,1,0,1000,3,0.707\n" // a filter the tool does not have
                                   "2,1,0\n");
        QCOMPARE(tool.importBandData(file), file);
        QCOMPARE(tool.getPreGain(), 1.5);
        QCOMPARE(tool.getFilterNames(), (QStringList{"1", "2", "3"}));
        QCOMPARE(tool.getBandData().value("1"), band("1", 0, 1000, 3, 0.707));
        QCOMPARE(tool.getBandData().value("2"), defaultBand("2"));
        QCOMPARE(tool.getBandData().value("3"), defaultBand("3"));
    }

    void invalidFilterFileLeavesTheToolAlone()
    {
        EqualizerTool tool;
        tool.setBandData(tenBands(), 48000);
        tool.setPreGain(2);
        const QList<QPointF> before = *tool.getCurve("Combined");
        const QString file = write("invalid.txt", "Preamp 1 2 dB\nFilter 1: ON PK Fc 1000 Hz Gain 3 dB Q 0.707\n");
        QTest::ignoreMessage(QtWarningMsg,
                             "EqualizerTool::importBandData //The current filter parameters file is invalid");
        QCOMPARE(tool.importBandData(file), QString());
        QTest::ignoreMessage(QtWarningMsg, "EqualizerTool::importBandData //failed to open filter parameters file");
        QCOMPARE(tool.importBandData(path("missing.txt")), QString());
        QTest::ignoreMessage(QtWarningMsg, "EqualizerTool::exportBandData //failed to open filter parameters file");
        QCOMPARE(tool.exportBandData(path("no/such/folder/x.txt")), QString());
        QCOMPARE(tool.getBandData().value("1"), tenBands()[0]);
        QCOMPARE(tool.getPreGain(), 2.0);
        QCOMPARE(*tool.getCurve("Combined"), before);
    }

    void curveExport()
    {
        EqualizerTool tool;
        tool.setBandData({band("1", 0, 993, 6, 1), band("2", 1, 8000, 0, 0.707)}, 48000);
        tool.setPreGain(-1);
        const QString file = path("combined.csv");
        QCOMPARE(tool.exportCurve("Combined", file), file);
        const QStringList text = lines(file);
        QCOMPARE(text.size(), 601);
        QCOMPARE(text.first(), QString("fre(Hz),raw(dB)"));
        const QList<QPointF>& combined = *tool.getCurve("Combined");
        QCOMPARE(text[1], "20," + QString::number(combined[0].y(), 'g', 6));
        QCOMPARE(text[600], "21773," + QString::number(combined[599].y(), 'g', 6));

        // Imported as the source, the exported curve comes back on the grid.
        EqualizerTool reader;
        QCOMPARE(reader.importCurve("Source", file), file);
        const QList<QPointF>& source = *reader.getCurve("Source");
        for (qsizetype i = 0; i < source.size(); ++i)
            QVERIFY(std::abs(source[i].y() - combined[i].y()) < 1e-4);
    }

    void curveNamesAreCheckedBeforeAnyDialog()
    {
        EqualizerTool tool;
        useChooser(tool, path("x.csv"));
        QTest::ignoreMessage(QtWarningMsg, "EqualizerTool::exportCurve //The current curve does not support export");
        QCOMPARE(tool.exportCurve("Source"), QString());
        QTest::ignoreMessage(QtWarningMsg, "EqualizerTool::importCurve //The current curve does not support import");
        QCOMPARE(tool.importCurve("Combined"), QString());
        QVERIFY(mQuestions.isEmpty());
        QTest::ignoreMessage(QtWarningMsg, "EqualizerTool::importCurve //failed to open curve file");
        QCOMPARE(tool.importCurve("Target", path("missing.csv")), QString());
        QTest::ignoreMessage(QtWarningMsg, "EqualizerTool::exportCurve //failed to open curve file");
        QCOMPARE(tool.exportCurve("Combined", path("no/such/folder/x.csv")), QString());
    }

    void dialogsFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("English") << "English"
                                 << QStringList{"Export Filter Parameters", "Import Filter Parameters", "Save FR File",
                                                "Select FR File"};
        QTest::newRow("Chinese") << "Chinese"
                                 << QStringList{"导出滤波参数", "导入滤波参数", "保存频响文件", "选择频响文件"};
        QTest::newRow("other") << "French"
                               << QStringList{"Export Filter Parameters", "Import Filter Parameters", "Save FR File",
                                              "Select FR File"};
    }

    void dialogsFollowTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, titles);
        EqualizerTool tool;
        tool.setLanguage(language);
        useChooser(tool, QString()); // the user cancels every dialog: silently empty
        QCOMPARE(tool.exportBandData(), QString());
        QCOMPARE(tool.importBandData(), QString());
        QCOMPARE(tool.exportCurve("Combined"), QString());
        QCOMPARE(tool.importCurve("Target"), QString());
        QCOMPARE(mQuestions.size(), 4);
        const QStringList kinds{"save", "open", "save", "open"};
        const QStringList filters{"txt Files (*.txt)", "txt Files (*.txt)", "FR Files (*.csv)",
                                  "FR Files (*.csv *.txt *.mic)"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(mQuestions[i].kind, kinds[i]);
            QCOMPARE(mQuestions[i].title, titles[i]);
            QCOMPARE(mQuestions[i].filter, filters[i]);
        }
    }

    void chosenPathIsUsedAndReturned()
    {
        EqualizerTool tool;
        tool.setBandData({band("1", 0, 1000, 3, 0.707)}, 48000);
        const QString file = path("chosen.txt");
        useChooser(tool, file);
        QCOMPARE(tool.exportBandData(), file);
        QCOMPARE(tool.importBandData(), file);
        QCOMPARE(lines(file).value(1), QString("Filter 1: ON PK Fc 1000 Hz Gain 3 dB Q 0.707"));
    }

    void curveImportHeaderAndRows()
    {
        EqualizerTool tool;
        const QString file = write("measured.csv",
                                   "Measured with something\n"
                                   "Frequency(Hz),raw(dB)\n"
                                   "1,2\n"
                                   "FRE(HZ) [1/12 oct],  Raw(dB) smoothed,phase\n"
                                   "1000,3,ignored\n"
                                   "\n"
                                   "100,1\n"
                                   "oops,5\n"
                                   "400,inf\n"
                                   "10000,5\n"
                                   "1000,99\n"  // repeated frequency: the first one counts
                                   "lonely\n");
        QCOMPARE(tool.importCurve("Target", file), file);
        const QList<QPointF>& target = *tool.getCurve("Target");
        QCOMPARE(target.size(), 600);
        const auto at = [&](quint32 f) { return target[tool.getFrequencies().indexOf(f)].y(); };
        QVERIFY(std::abs(at(100) - 1.0) < 1e-9);
        // Below the first and beyond the last row the curve runs on along the end slopes.
        const qsizetype i20 = 0;
        const qsizetype i21 = 1;
        const double slopeLow = target[i21].y() - target[i20].y();
        const qsizetype i30 = tool.getFrequencies().indexOf(30);
        QVERIFY(std::abs((at(30) - at(20)) - 10 * slopeLow) < 1e-9);
        const QPointF a = target[590];
        const QPointF b = target[599];
        QVERIFY(a.x() > 10000);
        const double slopeHigh = (b.y() - a.y()) / (b.x() - a.x());
        QVERIFY(std::abs((a.y() - 5.0) / (a.x() - 10000) - slopeHigh) < 1e-12);

        QCOMPARE(*tool.getCurve("TargetRaw"), target);
        QCOMPARE(tool.getCurve("TargetCompensated")->at(i30).y(), 0.0);
        QVERIFY(std::abs(tool.getCurve("SourceCompensated")->at(i30).y() + at(30)) < 1e-12);
        QVERIFY(std::abs(tool.getCurve("FilteredCompensated")->at(i30).y() + at(30)) < 1e-12);
        QCOMPARE(tool.getCurve("FilteredCompensatedAlignment")->at(300).y(), -target[300].y());
    }

    void unusableCurvesLeaveTheToolAlone_data()
    {
        QTest::addColumn<QString>("content");
        QTest::newRow("no header") << "Frequency(Hz),raw(dB)\n100,1\n200,2\n";
        QTest::newRow("header without second field") << "fre(hz)\n100,1\n200,2\n";
        QTest::newRow("no rows") << "fre(Hz),raw(dB)\n";
        QTest::newRow("one row") << "fre(Hz),raw(dB)\n100,1\n";
        QTest::newRow("one frequency twice") << "fre(Hz),raw(dB)\n100,1\n100,2\n";
        QTest::newRow("rows unreadable") << "fre(Hz),raw(dB)\nnan,1\n200,x\n";
        QTest::newRow("overflowing") << "fre(Hz),raw(dB)\n1e-300,1e300\n2e-300,-1e300\n";
    }

    void unusableCurvesLeaveTheToolAlone()
    {
        QFETCH(QString, content);
        EqualizerTool tool;
        const QString good = write("good.csv", "fre(Hz),raw(dB)\n20,1\n22000,1\n");
        QCOMPARE(tool.importCurve("Source", good), good);
        const QList<QPointF> before = *tool.getCurve("Source");
        const QString file = write("bad.csv", content);
        QTest::ignoreMessage(QtWarningMsg, "EqualizerTool::importCurve //The current curve is invalid");
        QCOMPARE(tool.importCurve("Source", file), QString());
        QCOMPARE(*tool.getCurve("Source"), before);
        QCOMPARE(tool.getCurve("SourceRaw")->at(5).y(), 1.0);
    }
};

K93_TEST(EqualizerFilesTest)
#include "equalizerfilestest.moc"
