#include "colorfieldstatus.h"

#include "colorroles.h"
#include "contrast.h"
#include "contrastrepair.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

const char overlayName[] = "fieldMark";

QString tr(const char *text)
{
    return QCoreApplication::translate("ZavoCreator", text);
}

QString ratioText(double ratio)
{
    return QString::number(ratio, 'f', 2) + QStringLiteral(":1");
}

// The mark of a colour field, painted over the field once it has painted
// itself, and the suggestion in its context menu. Not a widget: a widget
// more is one more for every restyle of the program to polish.
class FieldMarkOverlay : public QObject
{
public:
    explicit FieldMarkOverlay(QLineEdit *field)
        : QObject(field)
    {
        setObjectName(QLatin1String(overlayName));
        field->installEventFilter(this);
    }

    FieldStatus status;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *field = static_cast<QLineEdit *>(watched);
        if (status.mark == FieldMark::None)
            return false;
        switch (event->type()) {
        case QEvent::Paint:
            static_cast<QObject *>(field)->event(event); // the field as it paints itself
            paintMark(field);
            return true;
        case QEvent::ToolTip:
            QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), shownToolTip(field), field);
            return true;
        case QEvent::ContextMenu:
            return offerSuggestion(field, fieldAdvice(status).suggestion, static_cast<QContextMenuEvent *>(event));
        default:
            return false;
        }
    }

private:
    static bool offerSuggestion(QLineEdit *field, const QString &colour, const QContextMenuEvent *event)
    {
        if (colour.isEmpty())
            return false;
        const std::unique_ptr<QMenu> menu(field->createStandardContextMenu());
        menu->addSeparator();
        QObject::connect(menu->addAction(tr("使用 %1").arg(colour)), &QAction::triggered, field, [field, colour] {
            // As typed: one more step of the field's undo history.
            field->selectAll();
            field->insert(colour);
        });
        menu->exec(event->globalPos());
        return true;
    }

    void paintMark(QLineEdit *field) const
    {
        QPainter painter(field);
        if (status.mark == FieldMark::LowContrast) {
            // Inside the frame and the padding, left of the text.
            painter.fillRect(QRect(1, 2, 3, field->height() - 4), QColor(0xF5, 0xA6, 0x23));
        } else {
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(QPen(QColor(0xE5, 0x39, 0x35), 2));
            painter.drawRoundedRect(QRectF(field->rect()).adjusted(1, 1, -1, -1), 3, 3);
        }
    }
};

FieldMarkOverlay *overlayOf(const QLineEdit *field)
{
    // The class has no meta-object of its own: found by its unique name.
    return static_cast<FieldMarkOverlay *>(
        field->findChild<QObject *>(QLatin1String(overlayName), Qt::FindDirectChildrenOnly));
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
            status.mark = FieldMark::NotAColor;
            status.toolTip = tr("不是颜色。颜色写作 # 加六位十六进制数字，例如 #00BB9E 或 #1a2b3c。");
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
        if (status.mark == FieldMark::LowContrast)
            status = {status.mark, status.toolTip, colors, labels, role};
    }
    return statuses;
}

FieldAdvice fieldAdvice(const FieldStatus &status)
{
    FieldAdvice advice;
    const QStringList &colors = status.values;
    const QStringList &labels = status.labels;
    const QVector<ContrastCheck> checks = checkContrast(colors);
    const bool fails = std::any_of(checks.cbegin(), checks.cend(), [&status](const ContrastCheck &check) {
        return !check.passes && (check.pair.foreground == status.role || check.pair.background == status.role);
    });
    if (status.role < 0 || !isColorValue(colors.value(status.role)) || !fails)
        return advice;
    const ColourFix own = nearestReadable(colors, status.role);
    if (own.meetsAll) {
        advice.lines << tr("最近的合格颜色：%1（只改亮度，右键菜单可填入）").arg(own.after);
        advice.suggestion = own.after;
    } else if (own.after != own.before) {
        advice.lines << tr("没有哪个亮度能让所有配对合格；最接近的是 %1，最差配对 %2（右键菜单可填入）")
                            .arg(own.after, ratioText(std::floor(own.worstAfter * 100) / 100));
        advice.suggestion = own.after;
    } else {
        advice.lines << tr("没有哪个亮度能让所有配对合格，只改此颜色修不好。");
    }
    if (isForegroundRole(status.role))
        return advice;
    // The backgrounds make the skin's look: the failing foregrounds move instead.
    QStringList changes;
    for (const ContrastCheck &check : checks) {
        if (check.passes || check.pair.background != status.role)
            continue;
        const ColourFix fix = nearestReadable(colors, check.pair.foreground);
        const QString change = fix.after == fix.before ? tr("%1（改亮度也修不好）").arg(labels.value(fix.role))
                                                       : tr("%1 改为 %2").arg(labels.value(fix.role), fix.after);
        if (!changes.contains(change))
            changes << change;
    }
    advice.lines << tr("背景决定皮肤的外观，宜改前景：%1").arg(changes.join(tr("；")));
    return advice;
}

void showFieldStatus(QLineEdit *field, const FieldStatus &status)
{
    if (field->toolTip() != status.toolTip)
        field->setToolTip(status.toolTip);
    FieldMarkOverlay *overlay = overlayOf(field);
    if (!overlay && status.mark == FieldMark::None)
        return;
    if (!overlay)
        overlay = new FieldMarkOverlay(field);
    const bool repaint = overlay->status.mark != status.mark;
    overlay->status = status;
    if (repaint)
        field->update();
}

FieldMark shownMark(const QLineEdit *field)
{
    const FieldMarkOverlay *overlay = overlayOf(field);
    return overlay ? overlay->status.mark : FieldMark::None;
}

QString shownToolTip(const QLineEdit *field)
{
    const FieldMarkOverlay *overlay = overlayOf(field);
    const QStringList advice = overlay ? fieldAdvice(overlay->status).lines : QStringList();
    return (QStringList {field->toolTip()} + advice).join(QLatin1Char('\n'));
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
