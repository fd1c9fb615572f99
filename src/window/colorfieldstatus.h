#ifndef COLORFIELDSTATUS_H
#define COLORFIELDSTATUS_H

#include "colorroles.h"

#include <QString>
#include <QStringList>

#include <array>

class QLineEdit;

// What a colour field shows beside its value: a mark and a tool tip.
enum class FieldMark {
    None,
    NotAColor,   // a red frame: the text is not "#" and six hexadecimal digits
    LowContrast, // an amber bar on the left: a pair with this role fails WCAG
};

struct FieldStatus
{
    FieldMark mark = FieldMark::None;
    QString toolTip;
};

// The status of each of the eight fields, in role order, given their texts
// and the labels of their rows. For a colour, the tool tip lists the WCAG
// ratio of every pair the role takes part in, each named by the other row's
// label; pairs with a field that holds no colour are left out.
std::array<FieldStatus, ColorRoleCount> colorFieldStatuses(const QStringList &values, const QStringList &labels);

// The field's own style sheet for a mark: empty for none. The marks differ
// in colour and in shape, and only thicken the skin's own frame, by a few
// pixels, so the value keeps its room.
QString fieldMarkSheet(FieldMark mark);

// Shows a status on its field, touching the field only when it changes.
void showFieldStatus(QLineEdit *field, const FieldStatus &status);

// The labels of the rows whose field holds no colour, joined for a message;
// empty when all eight hold colours.
QString nonColorLabels(const QStringList &values, const QStringList &labels);

#endif // COLORFIELDSTATUS_H
