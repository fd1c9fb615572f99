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
    NotAColor,   // red: the text is not "#" and six hexadecimal digits
    LowContrast, // amber: a pair with this role fails WCAG
};

struct FieldStatus
{
    FieldMark mark = FieldMark::None;
    QString toolTip;
    // The colour the field's context menu offers ("#RRGGBB"): the nearest
    // that makes its pairs pass, or the best there is; empty when none.
    QString suggestion;
};

// The status of each of the eight fields, in role order, given their texts
// and the labels of their rows. For a colour, the tool tip lists the WCAG
// ratio of every pair the role takes part in, each named by the other row's
// label; pairs with a field that holds no colour are left out. When a pair
// fails, it names the nearest colour for the field at which all its pairs
// pass (nearestReadable()) and, for a background, which foregrounds to
// change instead, to what, since the backgrounds make the skin's look.
std::array<FieldStatus, ColorRoleCount> colorFieldStatuses(const QStringList &values, const QStringList &labels);

// Shows a status on its field, touching the field only when it changes. The
// mark is painted by a small overlay inside the field's frame, an amber bar
// on the left or a red frame, that takes no room from the value and no mouse
// events: no style sheet of the field's own, which would make every restyle
// of the program dearer. While the status has a suggestion, the field's
// context menu ends with the action "使用 #RRGGBB", which puts that colour
// into the field as if typed.
void showFieldStatus(QLineEdit *field, const FieldStatus &status);

// The mark and the suggestion a field shows.
FieldMark shownMark(const QLineEdit *field);
QString shownSuggestion(const QLineEdit *field);

// The labels of the rows whose field holds no colour, joined for a message;
// empty when all eight hold colours.
QString nonColorLabels(const QStringList &values, const QStringList &labels);

#endif // COLORFIELDSTATUS_H
