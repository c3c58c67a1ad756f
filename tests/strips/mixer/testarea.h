#pragma once

#include "strips/mixer/mixerbase.h"

#include <QObject>
#include <QStringList>

// The mixer area as its strips see it: the shared mix state, the solo count
// of the current mix and the crossing rule. The area library itself builds
// on the strips, so these tests carry their own.
class TestMixerArea : public QObject
{
    Q_OBJECT
public:
    explicit TestMixerArea(const QStringList& mixes, const QString& current = QString())
        : mixList(mixes)
        , mixCurrent(current.isEmpty() ? mixes.value(0) : current)
    {
        for (const QString& mix : mixes) {
            mixSolo.insert(mix, 0);
            mixVisible.insert(mix, "|");
        }
    }

    void bind(const QList<MixerBase*>& list)
    {
        strips = list;
        QString visible = "|";
        for (MixerBase* strip : list) {
            strip->setMixCurrent(&mixCurrent);
            strip->setMixList(&mixList);
            strip->setMixSoloState(&mixSolo);
            strip->setMixVisible(&mixVisible);
            strip->setSoloCounter(&soloCount);
            strip->setEnableSilent(true);
            visible += strip->getChannelNameDefault() + "|";
            connect(strip, &MixerBase::attributeChanged, this, &TestMixerArea::onAttribute, Qt::UniqueConnection);
        }
        for (const QString& mix : std::as_const(mixList))
            mixVisible.insert(mix, visible);
    }

    void switchMix(const QString& mix)
    {
        mixSolo.insert(mixCurrent, soloCount);
        mixCurrent = mix;
        soloCount = mixSolo.value(mix);
        for (MixerBase* strip : std::as_const(strips))
            strip->setEnableSilent(MixerBase::listContains(mixVisible.value(mix), strip->getChannelNameDefault()));
        for (MixerBase* strip : std::as_const(strips))
            strip->loadMixSettings(mix);
    }

    QList<QString> mixList;
    QString mixCurrent;
    QHash<QString, int> mixSolo;
    QHash<QString, QString> mixVisible;
    int soloCount = 0;
    QList<MixerBase*> strips;

private slots:
    void onAttribute(QString, QString attribute, QString value)
    {
        if (attribute != "Solo")
            return;
        const int before = soloCount;
        soloCount = qMax(0, soloCount + (value == "1" ? 1 : -1));
        mixSolo.insert(mixCurrent, soloCount);
        if ((before == 0) != (soloCount == 0)) {
            for (MixerBase* strip : std::as_const(strips))
                strip->updateSolo(soloCount);
        }
    }
};
