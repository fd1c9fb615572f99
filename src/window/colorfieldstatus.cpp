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

// What to offer for a field whose pair fails, as tool-tip lines.
QStringList repairLines(const QStringList &colors, const QStringList &labels, int role,
                        const QVector<ContrastCheck> &checks, QString *suggestion)
{
    QStringList lines;
    const ColourFix own = nearestReadable(colors, role);
    if (own.meetsAll) {
        lines << tr("最近的合格颜色：%1（只改亮度，右键菜单可填入）").arg(own.after);
        *suggestion = own.after;
    } else if (own.after != own.before) {
        lines << tr("没有哪个亮度能让所有配对合格；最接近的是 %1，最差配对 %2（右键菜单可填入）")
                     .arg(own.after, ratioText(own.worstAfter));
        *suggestion = own.after;
    } else {
        lines << tr("没有哪个亮度能让所有配对合格，只改此颜色修不好。");
    }
    if (isForegroundRole(role))
        return lines;
    // The backgrounds make the skin's look: the failing foregrounds move instead.
    QStringList changes;
    for (const ContrastCheck &check : checks) {
        if (check.passes || check.pair.background != role)
            continue;
        const ColourFix fix = nearestReadable(colors, check.pair.foreground);
        const QString change = fix.after == fix.before ? tr("%1（改亮度也修不好）").arg(labels.value(fix.role))
                                                       : tr("%1 改为 %2").arg(labels.value(fix.role), fix.after);
        if (!changes.contains(change))
            changes << change;
    }
    lines << tr("背景决定皮肤的外观，宜改前景：%1").arg(changes.join(tr("；")));
    return lines;
}

// The mark of a colour field, painted over it, and the suggestion in its
// context menu.
class FieldMarkOverlay : public QWidget
{
public:
    explicit FieldMarkOverlay(QLineEdit *field)
        : QWidget(field)
    {
        setObjectName(QLatin1String(overlayName));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(field->rect());
        field->installEventFilter(this);
    }

    FieldMark mark = FieldMark::None;
    QString suggestion;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *field = static_cast<QLineEdit *>(watched);
        if (event->type() == QEvent::Resize)
            setGeometry(field->rect());
        if (event->type() != QEvent::ContextMenu || suggestion.isEmpty())
            return false;
        const std::unique_ptr<QMenu> menu(field->createStandardContextMenu());
        menu->addSeparator();
        const QString colour = suggestion;
        QObject::connect(menu->addAction(tr("使用 %1").arg(colour)), &QAction::triggered, field, [field, colour] {
            // As typed: one more step of the field's undo history.
            field->selectAll();
            field->insert(colour);
        });
        menu->exec(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }

    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        if (mark == FieldMark::LowContrast) {
            // Inside the frame and the padding, left of the text.
            painter.fillRect(QRect(1, 2, 3, height() - 4), QColor(0xF5, 0xA6, 0x23));
        } else if (mark == FieldMark::NotAColor) {
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(QPen(QColor(0xE5, 0x39, 0x35), 2));
            painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 3, 3);
        }
    }
};

FieldMarkOverlay *overlayOf(const QLineEdit *field)
{
    return field->findChild<FieldMarkOverlay *>(QLatin1String(overlayName), Qt::FindDirectChildrenOnly);
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
            status = {FieldMark::NotAColor, tr("不是颜色。颜色写作 # 加六位十六进制数字，例如 #00BB9E 或 #1a2b3c。"), {}};
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
        if (status.mark == FieldMark::LowContrast)
            lines << repairLines(colors, labels, role, checks, &status.suggestion);
        status.toolTip = lines.join(QLatin1Char('\n'));
    }
    return statuses;
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
    overlay->suggestion = status.suggestion;
    if (overlay->mark != status.mark) {
        overlay->mark = status.mark;
        overlay->setVisible(status.mark != FieldMark::None);
        overlay->update();
    }
}

FieldMark shownMark(const QLineEdit *field)
{
    const FieldMarkOverlay *overlay = overlayOf(field);
    return overlay ? overlay->mark : FieldMark::None;
}

QString shownSuggestion(const QLineEdit *field)
{
    const FieldMarkOverlay *overlay = overlayOf(field);
    return overlay ? overlay->suggestion : QString();
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
