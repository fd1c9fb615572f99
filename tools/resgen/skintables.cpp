#include "skintables.h"

const QVector<TemplateSkin> &templateSkins()
{
    static const QVector<TemplateSkin> skins = {
        {"blackblue", {"#4894C6", "#1B3149", "#0F1F2F", "#243D5B", "#243D5B", "#265687", "#265687", "#00BB9E"}},
        {"darkblack", {"#D7E2E9", "#1F2026", "#111214", "#242629", "#141518", "#007DC4", "#0074BF", "#00BB9E"}},
        {"darkblue", {"#7AAFE3", "#0E1A32", "#132743", "#133050", "#133050", "#033967", "#033967", "#00BB9E"}},
        {"darkgray", {"#5D5C6C", "#EBECF0", "#A9ACB5", "#D8D9DE", "#C8C8D0", "#EFF0F4", "#DDE0E7", "#00BB9E"}},
        {"flatblack", {"#BEC0C2", "#2E2F30", "#67696B", "#404244", "#404244", "#262829", "#262829", "#00BB9E"}},
        {"flatblue", {"#386487", "#EAF7FF", "#C0DCF2", "#DEF0FE", "#DEF0FE", "#C0DEF5", "#C0DEF5", "#00BB9E"}},
        {"lightblack", {"#E7ECF0", "#616F76", "#738393", "#667481", "#566373", "#778899", "#708090", "#00BB9E"}},
        {"lightbrown", {"#000000", "#D7DBE4", "#667481", "#566373", "#778899", "#708090", "#C2CCD8", "#00BB9E"}},
        {"lightgray", {"#6F6F6F", "#F0F0F0", "#D4D0C8", "#EEEEEE", "#E5E5E5", "#FCFCFC", "#F7F7F7", "#00BB9E"}},
        {"pureblack", {"#F0F0F0", "#464646", "#353535", "#4D4D4D", "#292929", "#636363", "#575757", "#00BB9E"}},
        {"purple", {"#9290C6", "#23253E", "#1A1E30", "#2D2E4D", "#2D2E4D", "#413E6A", "#413E6A", "#75548B"}},
        {"silvery", {"#000000", "#F5F5F5", "#B2B6B9", "#E1E4E6", "#CCD3D9", "#F2F3F4", "#E7E9EB", "#00BB9E"}},
        {"softgreen", {"#000000", "#FFFAE8", "#B2B6B9", "#FFFEFA", "#FFFAE8", "#EBEBEB", "#EBEBEB", "#00BB9E"}},
        {"videoblack", {"#FAF6F7", "#44494F", "#32363F", "#40444D", "#343841", "#5DA2CB", "#478CB6", "#00FFFF"}},
        {"yellow", {"#54626F", "#FFF0BC", "#F7AE13", "#FCDC97", "#FCDC97", "#F7AE13", "#F7AE13", "#C18100"}},
        {"psblack", {"#DCDCDC", "#444444", "#242424", "#484848", "#383838", "#646464", "#525252", "#00BB9E"}},
        {"flatwhite", {"#57595B", "#FFFFFF", "#B6B6B6", "#E4E4E4", "#E4E4E4", "#F6F6F6", "#F6F6F6", "#00BB9E"}},
    };
    return skins;
}

// One row per slot K1..K23; columns black, blue, brown, gray, lightblue,
// silverywhite, white.
const QVector<ClassicSkin> &classicSkins()
{
    static const QVector<ClassicSkin> skins = [] {
        static const char *const styles[7] = {"black", "blue", "brown", "gray", "lightblue", "silverywhite", "white"};
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
            ClassicSkin skin{QString::fromLatin1(styles[c]), {}};
            for (int k = 0; k < 23; ++k)
                skin.slotColours << QString::fromLatin1(table[k][c]);
            out << skin;
        }
        return out;
    }();
    return skins;
}
