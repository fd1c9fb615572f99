// use: the user's own skin, the one every program skinned by the vantuskin
// style (or by VantuSkin::followSkin()) shows and follows.
#include "commands.h"
#include "skinsource.h"

#include "builtinskins.h"
#include "colorroles.h"
#include "skinfile.h"
#include "skinfollower.h"

#include <VantuSkin/skin.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>

namespace {

// The recorded choice as `use` takes it: a built-in skin's style name, else
// the colours for --colors; flat white if nothing is recorded.
QString recordedChoice(const QString &fileName, QString *error)
{
    QFile file(fileName);
    if (!file.exists())
        return QStringLiteral("flatwhite");
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(QDir::toNativeSeparators(fileName), file.errorString());
        return QString();
    }
    const QByteArray bytes = file.readAll();
    const QVector<BuiltInSkin> &skins = builtInSkins();
    const auto skin = std::find_if(skins.cbegin(), skins.cend(), [&](const BuiltInSkin &s) {
        return skinFileBytes(builtInSkinSheet(s)) == bytes;
    });
    if (skin != skins.cend())
        return skin->styleName;
    const QStringList colors = VantuSkin::skinColors(decodeSkinFileText(bytes));
    if (colors.isEmpty())
        *error = QStringLiteral("%1 holds no skin; choose one again").arg(QDir::toNativeSeparators(fileName));
    return colors.join(QLatin1Char(','));
}

} // namespace

int runUse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Records your skin, the one every program started with -style vantuskin (or QT_STYLE_OVERRIDE=vantuskin) "
        "shows without VANTUSKIN_SKIN; running ones switch to it at once. Without a skin, prints the one recorded."));
    parser.addPositionalArgument(QStringLiteral("skin"), QStringLiteral("A built-in skin, by style or display name."),
                                 QStringLiteral("[skin]"));
    addSkinSourceOptions(parser);
    parser.addOption({QStringLiteral("reset"), QStringLiteral("Go back to flat white.")});
    if (!parseArguments(parser, arguments))
        return 1;
    const QStringList names = parser.positionalArguments();
    const bool reset = parser.isSet(QStringLiteral("reset"));
    const bool optioned = parser.isSet(QStringLiteral("skin")) || parser.isSet(QStringLiteral("colors"))
                          || parser.isSet(QStringLiteral("from"));
    if (names.size() + int(reset) + int(optioned) > 1)
        return fail(QStringLiteral("use takes one skin: a name, --skin, --colors, --from or --reset"));

    const QString fileName = userSkinFile();
    QString error;
    if (names.isEmpty() && !reset && !optioned) {
        const QString choice = recordedChoice(fileName, &error);
        if (!error.isEmpty())
            return fail(error);
        QTextStream(stdout) << choice << '\n';
        return 0;
    }
    const std::optional<SkinSource> skin = reset      ? builtInSkin(QStringLiteral("flatwhite"), &error)
                                           : optioned ? skinSource(parser, &error)
                                                      : builtInSkin(names.constFirst(), &error);
    if (!skin)
        return fail(error);
    if (!QDir().mkpath(QFileInfo(fileName).path()) || !writeSkinFile(fileName, skinSheet(*skin), &error))
        return fail(QStringLiteral("cannot record the skin in %1%2; the previous choice stays")
                        .arg(QDir::toNativeSeparators(fileName), error.isEmpty() ? QString() : ": " + error));
    return 0;
}
