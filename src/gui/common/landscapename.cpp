// SPDX-License-Identifier: GPL-3.0-or-later
#include "landscapename.h"

#include <QRegularExpression>

namespace {
const char Presets[] = "LandscapePresets";
const char Edited[] = QT_TRANSLATE_NOOP("LandscapeName", "edited");
// The kept forms, which shown() reads back.
const char Seeded[] = "%1 (seed %2)";
const char Reference[] = "reference of %1";
const char StartUp[] = "start-up %1";
}

QString LandscapeName::preset(Preset preset)
{
    return QString::fromUtf8(presetInfo(preset).name);
}

QString LandscapeName::seeded(Preset preset, unsigned seed)
{
    return QString::fromLatin1(Seeded).arg(LandscapeName::preset(preset)).arg(seed);
}

QString LandscapeName::edited()
{
    return QString::fromLatin1(Edited);
}

QString LandscapeName::referenceOf(const QString &file)
{
    return QString::fromLatin1(Reference).arg(file);
}

QString LandscapeName::startUp()
{
    return QString::fromLatin1(StartUp).arg(preset(Preset::Tent));
}

QString LandscapeName::shown(const QString &name)
{
    static const QRegularExpression startUp(QStringLiteral("^start-up (.+)$"));
    const QRegularExpressionMatch startUpMatch = startUp.match(name);
    if (startUpMatch.hasMatch())
        return tr("start-up %1").arg(shown(startUpMatch.captured(1)));
    static const QRegularExpression seeded(QStringLiteral("^(.+) \\(seed (\\d+)\\)$"));
    static const QRegularExpression reference(QStringLiteral("^reference of (.+)$"));
    for (int index = 0; index < PresetCount; ++index) {
        const Preset each = static_cast<Preset>(index);
        if (name == preset(each))
            return shownPreset(each);
        const QRegularExpressionMatch match = seeded.match(name);
        if (match.hasMatch() && match.captured(1) == preset(each))
            return tr("%1 (seed %2)").arg(shownPreset(each), match.captured(2));
    }
    if (name == edited())
        return tr(Edited);
    const QRegularExpressionMatch match = reference.match(name);
    if (match.hasMatch())
        return tr("reference of %1").arg(match.captured(1));
    return name;
}

QString LandscapeName::shownPreset(Preset preset)
{
    return QCoreApplication::translate(Presets, presetInfo(preset).name);
}

QString LandscapeName::presetDescription(Preset preset)
{
    return QCoreApplication::translate(Presets, presetInfo(preset).description);
}
