#include "equalizer/equalizertool.h"

#include "effects/cubicspline.h"
#include "equalizer/filechooser.h"

#include <QDebug>
#include <QFile>
#include <QLocale>
#include <QSaveFile>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double TwoPi = 6.283185307179586;
constexpr double ImportSampleRate = 48000.0;

const char* const CurveNames[] = {"Target", "TargetRaw", "TargetCompensated", "Source", "SourceRaw",
                                  "SourceCompensated", "Combined", "FilteredRaw", "FilteredRawAlignment",
                                  "FilteredCompensated", "FilteredCompensatedAlignment"};

const char* const TypeWords[] = {"PK", "LP", "HP", "LSC", "HSC"};
constexpr int TypeCount = 5;

QString number(double value)
{
    return QString::number(value, 'g', 6);
}

// Surrounding white space is ignored; anything else that is not a number
// reads as 0, as files from other tools expect.
double readDouble(const QString& field, bool* ok = nullptr)
{
    bool parsed = false;
    const double value = QLocale::c().toDouble(field.trimmed(), &parsed);
    if (ok)
        *ok = parsed;
    return parsed ? value : 0.0;
}

int readInt(const QString& field)
{
    bool parsed = false;
    const int value = QLocale::c().toInt(field.trimmed(), &parsed);
    return parsed ? value : 0;
}

int typeFromWord(const QString& word)
{
    for (int type = 0; type < TypeCount; ++type) {
        if (word == QLatin1String(TypeWords[type]))
            return type;
    }
    return -1;
}

// A record from a file is used only with finite numbers and a known type;
// its values are brought into the band controls' ranges.
bool sanitize(EqualizerTool::BandData& band)
{
    if (!std::isfinite(band.frequency) || !std::isfinite(band.gain) || !std::isfinite(band.q))
        return false;
    if (band.type < 0 || band.type >= TypeCount)
        return false;
    band.gain = std::clamp(band.gain, -EqualizerTool::ImportGainLimit, EqualizerTool::ImportGainLimit);
    band.frequency =
        std::clamp(band.frequency, EqualizerTool::ImportFrequencyMin, EqualizerTool::ImportFrequencyMax);
    band.q = std::clamp(band.q, EqualizerTool::ImportQMin, EqualizerTool::ImportQMax);
    return true;
}

} // namespace

EqualizerTool::EqualizerTool(quint32 startFrequency, quint32 endFrequency, quint32 sampleCount, bool logSampleCount)
    : QObject(nullptr)
    // A start of 0 would divide by zero and an end below the start would
    // give ln(0); both are brought back to a grid that can be built.
    , mStartFrequency(std::max<quint32>(startFrequency, 1))
    , mEndFrequency(std::max(endFrequency, mStartFrequency))
{
    const quint32 requested = std::max<quint32>(sampleCount, 1);
    const quint32 ratio = mEndFrequency / mStartFrequency;
    const double step = std::log(double(ratio)) / requested;
    quint32 last = 0;
    for (quint32 i = 0; i < requested; ++i) {
        const auto f = static_cast<quint32>(std::exp(i * step) * mStartFrequency);
        if (f != last)
            mFrequencies.append(f);
        last = f;
    }
    if (logSampleCount) {
        qWarning() << "EqualizerTool::EqualizerTool //SampleCount Request[" << sampleCount << "] Actual["
                   << mFrequencies.size() << "]";
    }

    const QList<QPointF> flat = flatCurve();
    for (int id = Target; id <= SourceCompensated; ++id)
        mCurves[id] = flat;
    const QList<QPointF> placeholder(mFrequencies.size(), QPointF(mStartFrequency, 0.0));
    for (int id = Combined; id < CurveCount; ++id)
        mCurves[id] = placeholder;
}

EqualizerTool::~EqualizerTool() = default;

QList<QPointF> EqualizerTool::flatCurve() const
{
    QList<QPointF> curve;
    curve.reserve(mFrequencies.size());
    for (quint32 f : mFrequencies)
        curve.append(QPointF(f, 0.0));
    return curve;
}

EqualizerTool::FilterCoefficients EqualizerTool::computeFilterCoefficients(qint32 type, double frequency,
                                                                           double gain, double q, double)
{
    const double w0 = frequency * TwoPi;
    const double a = std::sqrt(std::pow(10.0, gain / 20.0));
    const double sqrtA = std::sqrt(a);
    switch (type) {
    case 0:
        return {{1.0, a * w0 / q, w0 * w0}, {1.0, w0 / (a * q), w0 * w0}};
    case 1:
        return {{0.0, 0.0, w0 * w0}, {1.0, w0 / q, w0 * w0}};
    case 2:
        return {{1.0, 0.0, 0.0}, {1.0, w0 / q, w0 * w0}};
    case 3:
        return {{1.0, sqrtA * w0 / q, a * w0 * w0}, {1.0, w0 / (sqrtA * q), w0 * w0 / a}};
    case 4:
        return {{a, sqrtA * w0 / q, w0 * w0}, {1.0 / a, w0 / (sqrtA * q), w0 * w0}};
    default:
        return {{0.0, 0.0, 0.0}, {1.0, 1.0, 1.0}};
    }
}

void EqualizerTool::computeFilterResponse(const QString& name)
{
    const auto& [num, den] = mCoefficients.value(name);
    QList<std::complex<double>>& response = mResponses[name];
    QList<QPointF>& curve = mFilterCurves[name];
    response.clear();
    curve.clear();
    response.reserve(mFrequencies.size());
    curve.reserve(mFrequencies.size());
    for (quint32 f : mFrequencies) {
        const double w = f * TwoPi;
        const double w2 = w * w;
        const double nRe = num[2] - num[0] * w2;
        const double nIm = num[1] * w;
        const double dRe = den[2] - den[0] * w2;
        const double dIm = den[1] * w;
        // Written out: the library's complex division guards against
        // overflow at several times the cost, and these values stay small.
        const double dNorm = dRe * dRe + dIm * dIm;
        const std::complex<double> h((nRe * dRe + nIm * dIm) / dNorm, (nIm * dRe - nRe * dIm) / dNorm);
        response.append(h);
        curve.append(QPointF(f, 20.0 * std::log10(std::sqrt(h.real() * h.real() + h.imag() * h.imag()))));
    }
}

void EqualizerTool::setBandData(const QList<BandData>& bands, double sampleRate)
{
    if (bands.size() >= 2) {
        mBands.clear();
        mFilterNames.clear();
        mCoefficients.clear();
        mResponses.clear();
        mFilterCurves.clear();
    }
    for (const BandData& band : bands) {
        mBands.insert(band.name, band);
        if (!mFilterNames.contains(band.name)) {
            mFilterNames.append(band.name);
            mResponses[band.name];
            mFilterCurves[band.name];
        }
        // A disabled filter becomes a peaking filter of 0 dB, whose numerator
        // equals its denominator: flat, whatever its stored parameters.
        mCoefficients.insert(band.name, band.enabled ? computeFilterCoefficients(band.type, band.frequency,
                                                                                 band.gain, band.q, sampleRate)
                                                     : computeFilterCoefficients(0, mStartFrequency, 0.0, 0.707,
                                                                                 sampleRate));
        computeFilterResponse(band.name);
    }
    updateCombinedCurve();
    updateFilteredCurves();
}

void EqualizerTool::setPreGain(double preGain)
{
    mPreGain = preGain;
    updateCombinedCurve();
    updateFilteredCurves();
}

const QList<QPointF>* EqualizerTool::getCurve(const QString& name) const
{
    for (int id = 0; id < CurveCount; ++id) {
        if (name == QLatin1String(CurveNames[id]))
            return &mCurves[id];
    }
    const auto it = mFilterCurves.find(name);
    return it == mFilterCurves.end() ? nullptr : &it->second;
}

void EqualizerTool::updateCombinedCurve()
{
    const qsizetype n = mFrequencies.size();
    std::vector<double> re(n, 1.0);
    std::vector<double> im(n, 0.0);
    for (const auto& [name, response] : mResponses) {
        for (qsizetype i = 0; i < n; ++i) {
            const std::complex<double> h = response[i];
            const double nextRe = re[i] * h.real() - im[i] * h.imag();
            im[i] = re[i] * h.imag() + im[i] * h.real();
            re[i] = nextRe;
        }
    }
    QList<QPointF>& combined = mCurves[Combined];
    combined.clear();
    combined.reserve(n);
    for (qsizetype i = 0; i < n; ++i)
        combined.append(
            QPointF(mFrequencies[i], 20.0 * std::log10(std::sqrt(re[i] * re[i] + im[i] * im[i])) + mPreGain));
}

void EqualizerTool::updateTargetCurves()
{
    mCurves[TargetRaw] = mCurves[Target];
    mCurves[TargetCompensated] = flatCurve();
}

void EqualizerTool::updateSourceCurves()
{
    const QList<QPointF>& source = mCurves[Source];
    const QList<QPointF>& target = mCurves[Target];
    mCurves[SourceRaw] = source;
    QList<QPointF>& compensated = mCurves[SourceCompensated];
    compensated.clear();
    compensated.reserve(mFrequencies.size());
    for (qsizetype i = 0; i < mFrequencies.size(); ++i)
        compensated.append(QPointF(mFrequencies[i], source[i].y() - target[i].y()));
}

void EqualizerTool::updateFilteredCurves()
{
    const qsizetype n = mFrequencies.size();
    const QList<QPointF>& source = mCurves[Source];
    const QList<QPointF>& target = mCurves[Target];
    const QList<QPointF>& combined = mCurves[Combined];
    const qsizetype m = n / 2;
    const double alignment = n > 0 ? source[m].y() + combined[m].y() : 0.0;
    for (int id : {FilteredRaw, FilteredRawAlignment, FilteredCompensated, FilteredCompensatedAlignment}) {
        mCurves[id].clear();
        mCurves[id].reserve(n);
    }
    for (qsizetype i = 0; i < n; ++i) {
        const double f = mFrequencies[i];
        const double raw = source[i].y() + combined[i].y();
        const double t = target[i].y();
        mCurves[FilteredRaw].append(QPointF(f, raw));
        mCurves[FilteredRawAlignment].append(QPointF(f, raw - alignment));
        mCurves[FilteredCompensated].append(QPointF(f, raw - t));
        mCurves[FilteredCompensatedAlignment].append(QPointF(f, raw - alignment - t));
    }
}

void EqualizerTool::setFileChooser(std::unique_ptr<FileChooser> chooser)
{
    mFileChooser = std::move(chooser);
}

QString EqualizerTool::title(const char* english, const char* chinese) const
{
    return QString::fromUtf8(mLanguage == QLatin1String("Chinese") ? chinese : english);
}

QString EqualizerTool::exportCurve(const QString& curveName, const QString& path)
{
    if (curveName != QLatin1String("Combined")) {
        qWarning("EqualizerTool::exportCurve //The current curve does not support export");
        return QString();
    }
    QString fileName = path;
    if (fileName.isEmpty()) {
        if (!mFileChooser)
            mFileChooser = std::make_unique<DialogFileChooser>();
        fileName = mFileChooser->getSaveFileName(title("Save FR File", "保存频响文件"), "FR Files (*.csv)");
        if (fileName.isEmpty())
            return QString();
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        qWarning("EqualizerTool::exportCurve //failed to open curve file");
        return QString();
    }
    QTextStream out(&file);
    out << "fre(Hz),raw(dB)\n";
    for (const QPointF& point : std::as_const(mCurves[Combined]))
        out << number(point.x()) << ',' << number(point.y()) << '\n';
    out.flush();
    if (out.status() != QTextStream::Ok || !file.commit()) {
        qWarning("EqualizerTool::exportCurve //failed to write curve file");
        return QString();
    }
    return fileName;
}

QString EqualizerTool::exportBandData(const QString& path)
{
    QString fileName = path;
    if (fileName.isEmpty()) {
        if (!mFileChooser)
            mFileChooser = std::make_unique<DialogFileChooser>();
        fileName = mFileChooser->getSaveFileName(title("Export Filter Parameters", "导出滤波参数"),
                                                 "txt Files (*.txt)");
        if (fileName.isEmpty())
            return QString();
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        qWarning("EqualizerTool::exportBandData //failed to open filter parameters file");
        return QString();
    }
    QTextStream out(&file);
    out << "Preamp: " << number(mPreGain) << " dB\n";
    for (const QString& name : std::as_const(mFilterNames)) {
        const BandData band = mBands.value(name);
        out << "Filter " << name << ": " << (band.enabled ? "ON " : "OFF ");
        if (band.type >= 0 && band.type < TypeCount)
            out << TypeWords[band.type] << ' ';
        out << "Fc " << number(band.frequency) << " Hz " << "Gain " << number(band.gain) << " dB " << "Q "
            << number(band.q) << '\n';
    }
    out.flush();
    if (out.status() != QTextStream::Ok || !file.commit()) {
        qWarning("EqualizerTool::exportBandData //failed to write filter parameters file");
        return QString();
    }
    return fileName;
}

QString EqualizerTool::importCurve(const QString& curveName, const QString& path)
{
    const bool isSource = curveName == QLatin1String("Source");
    if (!isSource && curveName != QLatin1String("Target")) {
        qWarning("EqualizerTool::importCurve //The current curve does not support import");
        return QString();
    }
    QString fileName = path;
    if (fileName.isEmpty()) {
        if (!mFileChooser)
            mFileChooser = std::make_unique<DialogFileChooser>();
        fileName = mFileChooser->getOpenFileName(title("Select FR File", "选择频响文件"),
                                                 "FR Files (*.csv *.txt *.mic)");
        if (fileName.isEmpty())
            return QString();
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qWarning("EqualizerTool::importCurve //failed to open curve file");
        return QString();
    }
    QTextStream in(&file);
    bool headerFound = false;
    while (!headerFound && !in.atEnd()) {
        const QStringList fields = in.readLine().split(',');
        headerFound = fields.size() >= 2 && fields[0].toLower().contains("fre(hz)")
            && fields[1].toLower().contains("raw(db)");
    }

    // Rows that cannot be read are skipped, and the rest ordered by frequency
    // with each frequency once, so the spline always gets ascending knots.
    QList<QPointF> rows;
    while (headerFound && !in.atEnd()) {
        const QStringList fields = in.readLine().split(',');
        if (fields.size() < 2)
            continue;
        bool okX = false;
        bool okY = false;
        const double x = readDouble(fields[0], &okX);
        const double y = readDouble(fields[1], &okY);
        if (okX && okY && std::isfinite(x) && std::isfinite(y))
            rows.append(QPointF(x, y));
    }
    file.close();
    std::stable_sort(rows.begin(), rows.end(), [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
    QList<double> xs;
    QList<double> ys;
    for (const QPointF& row : std::as_const(rows)) {
        if (!xs.isEmpty() && row.x() == xs.last())
            continue;
        xs.append(row.x());
        ys.append(row.y());
    }

    CubicSpline spline;
    spline.setBoundary(0.0, 0.0);
    QList<QPointF> curve;
    bool valid = headerFound && spline.setPoints(xs, ys, CubicSpline::Cubic);
    if (valid) {
        curve.reserve(mFrequencies.size());
        for (quint32 f : mFrequencies) {
            const double y = spline.evaluate(f);
            if (!std::isfinite(y)) {
                valid = false;
                break;
            }
            curve.append(QPointF(f, y));
        }
    }
    if (!valid) {
        qWarning("EqualizerTool::importCurve //The current curve is invalid");
        return QString();
    }

    mCurves[isSource ? Source : Target] = curve;
    updateTargetCurves();
    updateSourceCurves();
    updateFilteredCurves();
    return fileName;
}

bool EqualizerTool::readBandData(QTextStream& in, QMap<QString, BandData>& records, double& preGain,
                                 bool& hasPreGain) const
{
    enum class Format { Unknown, List, Text } format = Format::Unknown;
    auto takePreGain = [&](const QString& field) {
        const double value = readDouble(field);
        if (std::isfinite(value)) {
            preGain = value;
            hasPreGain = true;
        }
    };

    while (format == Format::Unknown && !in.atEnd()) {
        const QString line = in.readLine();
        if (line == QLatin1String("EQFilterParameters")) {
            format = Format::List;
        } else if (line.contains(QLatin1String("Preamp"))) {
            const QStringList parts = line.split(' ');
            if (parts.size() == 3) {
                format = Format::Text;
                takePreGain(parts[1]);
            }
        }
    }
    if (format == Format::Unknown)
        return false;

    while (!in.atEnd()) {
        const QString line = in.readLine();
        BandData band;
        if (format == Format::List) {
            const QStringList fields = line.split(',');
            if (fields.size() == 2 && fields[0] == QLatin1String("PreGain")) {
                takePreGain(fields[1]);
                continue;
            }
            if (fields.size() != 6)
                continue;
            band.name = fields[0];
            band.enabled = readInt(fields[1]) != 0;
            band.type = readInt(fields[2]);
            band.frequency = readDouble(fields[3]);
            band.gain = readDouble(fields[4]);
            band.q = readDouble(fields[5]);
        } else {
            const QStringList parts = line.split(' ');
            if (parts.size() != 12)
                continue;
            band.name = QString(parts[1]).remove(':');
            band.enabled = parts[2] == QLatin1String("ON");
            band.type = typeFromWord(parts[3]);
            band.frequency = readDouble(parts[5]);
            band.gain = readDouble(parts[8]);
            band.q = readDouble(parts[11]);
        }
        if (sanitize(band))
            records.insert(band.name, band);
    }
    return true;
}

QString EqualizerTool::importBandData(const QString& path)
{
    QString fileName = path;
    if (fileName.isEmpty()) {
        if (!mFileChooser)
            mFileChooser = std::make_unique<DialogFileChooser>();
        fileName = mFileChooser->getOpenFileName(title("Import Filter Parameters", "导入滤波参数"),
                                                 "txt Files (*.txt)");
        if (fileName.isEmpty())
            return QString();
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qWarning("EqualizerTool::importBandData //failed to open filter parameters file");
        return QString();
    }
    QTextStream in(&file);
    QMap<QString, BandData> records;
    double preGain = mPreGain;
    bool hasPreGain = false;
    const bool valid = readBandData(in, records, preGain, hasPreGain);
    file.close();
    if (!valid) {
        qWarning("EqualizerTool::importBandData //The current filter parameters file is invalid");
        return QString();
    }

    // The file sets the filters the tool has; it can neither add nor remove one.
    QList<BandData> bands;
    for (const QString& name : std::as_const(mFilterNames)) {
        BandData band = records.value(name, mDefaultBand);
        band.name = name;
        bands.append(band);
    }
    mPreGain = preGain;
    setBandData(bands, ImportSampleRate);
    return fileName;
}
