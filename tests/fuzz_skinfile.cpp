// libFuzzer target for the path a skin file takes when the user opens it:
// decoding up to the first zero byte, the colour-trailer parse, and the
// composition of the template with the parsed parts. Also checks that a
// skin composed from eight colours survives a save and a re-open.
#include "colorroles.h"
#include "skinfile.h"

#include <cstdint>
#include <cstdlib>

namespace {

QString templateText;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    bool opened = false;
    templateText = readResourceText(QStringLiteral(":/qss/template.css"), &opened);
    if (!opened)
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    skinPanelColor(decodeResourceText(bytes));

    const QString text = decodeSkinFileText(bytes);
    const std::optional<QStringList> parts = parseColorTrailer(text);
    if (!parts)
        return 0;
    if (parts->size() != ColorRoleCount)
        std::abort();

    const Composition composition = composeSkin(templateText, *parts);
    skinPanelColor(composition.sheet);
    if (composition.complete != allColorValues(*parts))
        std::abort();
    if (composition.complete) {
        const QString reopened = decodeSkinFileText(skinFileBytes(composition.sheet));
        if (parseColorTrailer(reopened) != parts)
            std::abort();
    }
    return 0;
}
