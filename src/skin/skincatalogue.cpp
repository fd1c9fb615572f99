#include "skincatalogue.h"

namespace {

SkinEntry entry(const char *displayName, const char *styleName,
                std::initializer_list<const char *> colors)
{
    SkinEntry skin {QString::fromUtf8(displayName), QString::fromLatin1(styleName), {}};
    for (const char *color : colors)
        skin.colors.append(QString::fromLatin1(color));
    return skin;
}

} // namespace

const QVector<SkinEntry> &skinCatalogue()
{
    static const QVector<SkinEntry> catalogue = {
        entry("银色", "silvery", {"#000000", "#F5F5F5", "#B2B6B9", "#E1E4E6", "#CCD3D9", "#F2F3F4", "#E7E9EB", "#00BB9E"}),
        entry("蓝色", "blue", {"#324C6C", "#CFDDEE", "#7F9AB8", "#C0D3EB", "#BCCFE7", "#D2E3F5", "#CADDF3", "#00BB9E"}),
        entry("浅蓝色", "lightblue", {"#386487", "#EAF7FF", "#C0DCF2", "#DEF0FE", "#C0DEF6", "#F2F9FF", "#DAEFFF", "#00BB9E"}),
        entry("深蓝色", "darkblue", {"#7AAFE3", "#0E1A32", "#132743", "#133050", "#133050", "#033967", "#033967", "#00BB9E"}),
        entry("灰色", "gray", {"#000000", "#F0F0F0", "#A9A9A9", "#E4E4E4", "#A2A2A2", "#DBDBDB", "#C1C1C1", "#00BB9E"}),
        entry("浅灰色", "lightgray", {"#6F6F6F", "#F0F0F0", "#D4D0C8", "#EEEEEE", "#E5E5E5", "#FCFCFC", "#F7F7F7", "#00BB9E"}),
        entry("深灰色", "darkgray", {"#5D5C6C", "#EBECF0", "#A9ACB5", "#D8D9DE", "#C8C8D0", "#EFF0F4", "#DDE0E7", "#00BB9E"}),
        entry("黑色", "black", {"#F0F0F0", "#464646", "#353535", "#4D4D4D", "#292929", "#636363", "#575757", "#00BB9E"}),
        entry("浅黑色", "lightblack", {"#E7ECF0", "#616F76", "#738393", "#667481", "#566373", "#778899", "#708090", "#00BB9E"}),
        entry("深黑色", "darkblack", {"#D7E2E9", "#1F2026", "#111214", "#242629", "#141518", "#007DC4", "#0074BF", "#00BB9E"}),
        entry("PS黑色", "psblack", {"#DCDCDC", "#444444", "#242424", "#484848", "#383838", "#646464", "#525252", "#00BB9E"}),
        entry("黑色扁平", "flatblack", {"#BEC0C2", "#2E2F30", "#67696B", "#404244", "#404244", "#262829", "#262829", "#00BB9E"}),
        entry("白色扁平", "flatwhite", {"#57595B", "#FFFFFF", "#B6B6B6", "#E4E4E4", "#E4E4E4", "#F6F6F6", "#F6F6F6", "#00BB9E"}),
        entry("蓝色扁平", "flatblue", {"#386487", "#EAF7FF", "#C0DCF2", "#DEF0FE", "#DEF0FE", "#C0DEF5", "#C0DEF5", "#00BB9E"}),
        entry("紫色", "purple", {"#9290C6", "#23253E", "#1A1E30", "#2D2E4D", "#2D2E4D", "#413E6A", "#413E6A", "#75548B"}),
        entry("黑蓝色", "blackblue", {"#4894C6", "#1B3149", "#0F1F2F", "#243D5B", "#243D5B", "#265687", "#265687", "#00BB9E"}),
        entry("视频黑", "videoblack", {"#FAF6F7", "#44494F", "#32363F", "#40444D", "#343841", "#5DA2CB", "#478CB6", "#00FFFF"}),
        entry("黄色", "yellow", {"#54626F", "#FFF0BC", "#F7AE13", "#FCDC97", "#FCDC97", "#F7AE13", "#F7AE13", "#C18100"}),
        entry("白色", "white", {"#000000", "#F0F0F0", "#EEEEEE", "#E5E5E5", "#FCFCFC", "#F7F7F7", "#D4D0C8", "#00BB9E"}),
        entry("银白色", "silverywhite", {"#000000", "#CFD4D8", "#E1E4E6", "#CCD3D9", "#F2F3F4", "#E7E9EB", "#B2B6B9", "#00BB9E"}),
        entry("黑白色", "blackwhite", {"#F0F0F0", "#F0F0F0", "#4D4D4D", "#292929", "#636363", "#575757", "#575757", "#00BB9E"}),
        entry("柔绿色", "softgreen", {"#000000", "#FFFAE8", "#FFFEFA", "#FFFAE8", "#EBEBEB", "#EBEBEB", "#B2B6B9", "#00BB9E"}),
        entry("褐色", "brown", {"#000000", "#D7DBE4", "#667481", "#566373", "#778899", "#708090", "#C2CCD8", "#00BB9E"}),
    };
    return catalogue;
}

const SkinEntry *findSkin(const QString &displayName)
{
    for (const SkinEntry &skin : skinCatalogue()) {
        if (skin.displayName == displayName)
            return &skin;
    }
    return nullptr;
}

const QVector<SkinEntry> &templateFormSkins()
{
    static const QVector<SkinEntry> skins = [] {
        // Most files carry their catalogue entry's colours. "pureblack" and
        // "lightbrown" carry those of "black" and "brown", whose own files
        // are classic-form; "softgreen" keeps colours of its own.
        const struct { const char *style; const char *from; } files[] = {
            {"blackblue", "blackblue"}, {"darkblack", "darkblack"}, {"darkblue", "darkblue"},
            {"darkgray", "darkgray"}, {"flatblack", "flatblack"}, {"flatblue", "flatblue"},
            {"lightblack", "lightblack"}, {"lightbrown", "brown"}, {"lightgray", "lightgray"},
            {"pureblack", "black"}, {"purple", "purple"}, {"silvery", "silvery"},
            {"softgreen", nullptr}, {"videoblack", "videoblack"}, {"yellow", "yellow"},
            {"psblack", "psblack"}, {"flatwhite", "flatwhite"},
        };
        QVector<SkinEntry> out;
        for (const auto &file : files) {
            SkinEntry skin = file.from ? *findStyle(QLatin1String(file.from))
                                       : entry("", "", {"#000000", "#FFFAE8", "#B2B6B9", "#FFFEFA",
                                                        "#FFFAE8", "#EBEBEB", "#EBEBEB", "#00BB9E"});
            skin.styleName = QLatin1String(file.style);
            out.append(skin);
        }
        return out;
    }();
    return skins;
}

const SkinEntry *findStyle(const QString &styleName)
{
    for (const SkinEntry &skin : skinCatalogue()) {
        if (skin.styleName == styleName)
            return &skin;
    }
    return nullptr;
}

const QStringList &classicFormStyles()
{
    static const QStringList styles = {"black", "blue", "brown", "gray", "lightblue", "silverywhite", "white"};
    return styles;
}

QStringList finishedSkinStyles()
{
    QStringList styles;
    for (const SkinEntry &skin : templateFormSkins())
        styles.append(skin.styleName);
    return styles + classicFormStyles();
}

QString defaultSkinName()
{
    return QString::fromUtf8("白色扁平");
}
