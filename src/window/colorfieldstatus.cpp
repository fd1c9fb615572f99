#include "colorfieldstatus.h"

#include "colorroles.h"
#include "contrast.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ZavoCreator", text);
}

QString ratioText(double ratio)
{
    return QString::number(ratio, 'f', 2) + QStringLiteral(":1");
}

} // namespace

std::array<FieldStatus, ColorRoleCount> colorFieldStatuses(const QStringList &values, const QStringList &labels)
{
    // Pairs with a field that holds no colour are left out of every tool tip.
    QStringList colors = values;
    for (QString &value : colors) {
        if (!isColorValue(value))
            value.clear();
    }
    const QVector<ContrastCheck> checks = checkContrast(colors);

    std::array<FieldStatus, ColorRoleCount> statuses;
    for (int role = 0; role < ColorRoleCount; ++role) {
        FieldStatus &status = statuses[role];
        if (colors.value(role).isEmpty()) {
            status = {FieldMark::NotAColor, tr("不是颜色。颜色写作 # 加六位十六进制数字，例如 #00BB9E 或 #1a2b3c。")};
            continue;
        }
        QStringList lines {tr("对比度（WCAG 2）：")};
        for (const ContrastCheck &check : checks) {
            const int other = check.pair.foreground == role ? check.pair.background
                              : check.pair.background == role ? check.pair.foreground
                                                               : -1;
            if (other < 0)
                continue;
            if (!check.passes)
                status.mark = FieldMark::LowContrast;
            lines << tr("%1  %2，需 %3  %4")
                         .arg(labels.value(other), ratioText(check.ratio), ratioText(requiredRatio(check.pair.need)),
                              check.passes ? tr("合格") : tr("不足"));
        }
        status.toolTip = lines.join(QLatin1Char('\n'));
    }
    return statuses;
}

QString fieldMarkSheet(FieldMark mark)
{
    switch (mark) {
    case FieldMark::NotAColor:
        return QStringLiteral("QLineEdit{border:2px solid #E53935;}");
    case FieldMark::LowContrast:
        return QStringLiteral("QLineEdit{border-left:5px solid #F5A623;}");
    case FieldMark::None:
        break;
    }
    return QString();
}

void showFieldStatus(QLineEdit *field, const FieldStatus &status)
{
    const QString sheet = fieldMarkSheet(status.mark);
    if (field->styleSheet() != sheet)
        field->setStyleSheet(sheet);
    if (field->toolTip() != status.toolTip)
        field->setToolTip(status.toolTip);
}

QString nonColorLabels(const QStringList &values, const QStringList &labels)
{
    QStringList names;
    for (int role = 0; role < labels.size(); ++role) {
        if (!isColorValue(values.value(role)))
            names << QStringLiteral("“%1”").arg(labels.at(role));
    }
    return names.join(QStringLiteral("、"));
}
