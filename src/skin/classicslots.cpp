#include "classicslots.h"

#include "skincatalogue.h"

#include <algorithm>

// One row per slot K1..K23; one column per classic-form style, in the
// library's order (black, blue, brown, gray, lightblue, silverywhite, white).
const QVector<ClassicSkin> &classicSkins()
{
    static const QVector<ClassicSkin> skins = [] {
        static const char *const table[23][7] = {
            {"#F0F0F0", "#CFDDEE", "#D7DBE4", "#F0F0F0", "#EAF7FF", "#CFD4D8", "#F0F0F0"},
            {"#575757", "#B4C2D7", "#738393", "#A2A2A2", "#C0DCF2", "#B2B6B9", "#D4D0C8"},
            {"#C2CCD8", "#B4C2D7", "#C2CCD8", "#DCDCDC", "#C0DCF2", "#B2B6B9", "#DCDCDC"},
            {"#4D4D4D", "#C0D3EB", "#667481", "#E4E4E4", "#DEF0FE", "#E1E4E6", "#EEEEEE"},
            {"#292929", "#BCCFE7", "#566373", "#A2A2A2", "#C0DEF6", "#CCD3D9", "#E5E5E5"},
            {"#F0F0F0", "#324C6C", "#E7ECF0", "#000000", "#386487", "#000000", "#000000"},
            {"#575757", "#B4C2D7", "#738393", "#DCDCDC", "#C0DCF2", "#B2B6B9", "#DCDCDC"},
            {"#636363", "#D2E3F5", "#778899", "#DBDBDB", "#F2F9FF", "#F2F3F4", "#FCFCFC"},
            {"#575757", "#CADDF3", "#708090", "#C1C1C1", "#DAEFFF", "#E7E9EB", "#F7F7F7"},
            {"#000000", "#324C6C", "#3D3E42", "#000000", "#386487", "#000000", "#000000"},
            {"#000000", "#324C6C", "#000000", "#000000", "#386487", "#000000", "#000000"},
            {"#EEEEEE", "#EEEEEE", "#EEEEEE", "#E4E4E4", "#DEF0FE", "#E1E4E6", "#EEEEEE"},
            {"#F0F0F0", "#BCCFE7", "#D7DBE4", "#F0F0F0", "#DEF0FE", "#CFD4D8", "#EEEEEE"},
            {"#C2CCD8", "#C0D3EB", "#C2CCD8", "#DCDCDC", "#C0DCF2", "#B2B6B9", "#DCDCDC"},
            {"#4D4D4D", "#D2E3F5", "#667481", "#C0C0C0", "#C0DCF2", "#667481", "#DCDCDC"},
            {"#C2CCD8", "#BCCFE7", "#C2CCD8", "#DCDCDC", "#DAEFFF", "#B2B6B9", "#DCDCDC"},
            {"#575757", "#8DB6CD", "#708090", "#C1C1C1", "#C0DEF6", "#787878", "#8C8C8C"},
            {"#FFFFFF", "#FFFFFF", "#667481", "#FFFFFF", "#DAEFFF", "#FFFFFF", "#FCFCFC"},
            {"#575757", "#BCCFE7", "#778899", "#C1C1C1", "#C0DEF6", "#B2B6B9", "#DCDCDC"},
            {"#575757", "#8DB6CD", "#708090", "#C1C1C1", "#C0DEF6", "#CCD3D9", "#8C8C8C"},
            {"#292929", "#8DB6CD", "#566373", "#A2A2A2", "#C0DEF6", "#E7E9EB", "#8C8C8C"},
            {"#575757", "#B4C2D7", "#C2CCD8", "#DCDCDC", "#C0DCF2", "#B2B6B9", "#DCDCDC"},
            {"#636363", "#C0D3EB", "#667481", "#C0C0C0", "#5CACEE", "#C0C0C0", "#636363"},
        };
        QVector<ClassicSkin> out;
        for (int c = 0; c < 7; ++c) {
            ClassicSkin skin{classicFormStyles().at(c), {}};
            for (int k = 0; k < 23; ++k)
                skin.slotColours << QString::fromLatin1(table[k][c]);
            out << skin;
        }
        return out;
    }();
    return skins;
}

const ClassicSkin *findClassicSkin(const QString &style)
{
    for (const ClassicSkin &skin : classicSkins()) {
        if (skin.style == style)
            return &skin;
    }
    return nullptr;
}

const ClassicSkin *findClassicSkinIn(const QString &sheet)
{
    for (const ClassicSkin &skin : classicSkins()) {
        if (std::all_of(skin.slotColours.cbegin(), skin.slotColours.cend(),
                        [&sheet](const QString &colour) { return sheet.contains(colour, Qt::CaseInsensitive); }))
            return &skin;
    }
    return nullptr;
}
