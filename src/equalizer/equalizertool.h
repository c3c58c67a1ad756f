#pragma once

#include <QList>
#include <QMap>
#include <QObject>
#include <QPointF>
#include <QString>
#include <QStringList>

#include <array>
#include <complex>
#include <map>
#include <memory>
#include <utility>

class FileChooser;
class QTextStream;

// Magnitude responses of the equaliser's analogue second-order sections on a
// fixed logarithmic grid, alone, combined and applied to imported curves; and
// the equaliser's curve and filter files.
class EqualizerTool : public QObject
{
    Q_OBJECT
public:
    struct BandData
    {
        QString name;
        bool enabled = false;
        qint32 type = 0; // 0 PK, 1 LP, 2 HP, 3 LSC, 4 HSC
        double frequency = 632.0;
        double gain = 0.0;
        double q = 0.707;
        bool operator==(const BandData&) const = default;
    };

    using Coefficients = std::array<double, 3>; // s², s, 1
    using FilterCoefficients = std::pair<Coefficients, Coefficients>; // numerator, denominator

    explicit EqualizerTool(quint32 startFrequency = 20, quint32 endFrequency = 22000, quint32 sampleCount = 676,
                           bool logSampleCount = false);
    ~EqualizerTool() override;

    // Two or more records replace every filter, one adds or updates that
    // filter, none only recomputes. The sample rate plays no part.
    void setBandData(const QList<BandData>& bands, double sampleRate);
    void setPreGain(double preGain);
    double getPreGain() const { return mPreGain; }
    QMap<QString, BandData> getBandData() const { return mBands; }
    QStringList getFilterNames() const { return mFilterNames; }
    const QList<quint32>& getFrequencies() const { return mFrequencies; }

    // One of the named curves, else the curve of the filter of that name, else
    // null. Valid until the next call that recomputes that curve.
    const QList<QPointF>* getCurve(const QString& name) const;

    void setLanguage(const QString& language) { mLanguage = language; }
    QString getLanguage() const { return mLanguage; }

    // Replaces the file dialogs; the tool owns the chooser.
    void setFileChooser(std::unique_ptr<FileChooser> chooser);

    // Each returns the path used, or empty text on cancel or failure. An
    // empty path asks the user through the file chooser.
    QString importCurve(const QString& curveName, const QString& path = QString());
    QString exportCurve(const QString& curveName, const QString& path = QString());
    QString importBandData(const QString& path = QString());
    QString exportBandData(const QString& path = QString());

    static FilterCoefficients computeFilterCoefficients(qint32 type, double frequency, double gain, double q,
                                                        double sampleRate);

    static constexpr double ImportGainLimit = 12.0;
    static constexpr double ImportFrequencyMin = 20.0;
    static constexpr double ImportFrequencyMax = 22000.0;
    static constexpr double ImportQMin = 0.1;
    static constexpr double ImportQMax = 15.0;

private:
    enum CurveId {
        Target,
        TargetRaw,
        TargetCompensated,
        Source,
        SourceRaw,
        SourceCompensated,
        Combined,
        FilteredRaw,
        FilteredRawAlignment,
        FilteredCompensated,
        FilteredCompensatedAlignment,
        CurveCount
    };

    void computeFilterResponse(const QString& name);
    void updateCombinedCurve();
    void updateTargetCurves();
    void updateSourceCurves();
    void updateFilteredCurves();
    QList<QPointF> flatCurve() const;
    QString title(const char* english, const char* chinese) const;
    bool readBandData(QTextStream& in, QMap<QString, BandData>& records, double& preGain, bool& hasPreGain) const;

    double mPreGain = 0.0;
    QString mLanguage = QStringLiteral("English");
    quint32 mStartFrequency;
    quint32 mEndFrequency;
    QList<quint32> mFrequencies;
    BandData mDefaultBand;
    QMap<QString, BandData> mBands;
    QStringList mFilterNames;
    QMap<QString, FilterCoefficients> mCoefficients;
    // Node-based maps: the lists handed out by getCurve keep their address.
    std::map<QString, QList<std::complex<double>>> mResponses;
    std::map<QString, QList<QPointF>> mFilterCurves;
    std::array<QList<QPointF>, CurveCount> mCurves;
    std::unique_ptr<FileChooser> mFileChooser;
};
