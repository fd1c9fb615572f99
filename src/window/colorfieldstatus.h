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
    // What the advice for a failing pair is worked out from, only when it
    // is shown: the eight field texts, the row labels and the field's role.
    QStringList values;
    QStringList labels;
    int role = -1;
};

// The status of each of the eight fields, in role order, given their texts
// and the labels of their rows. For a colour, the tool tip lists the WCAG
// ratio of every pair the role takes part in, each named by the other row's
// label; pairs with a field that holds no colour are left out.
std::array<FieldStatus, ColorRoleCount> colorFieldStatuses(const QStringList &values, const QStringList &labels);

// What a field whose pair fails is told: tool-tip lines naming the nearest
// colour for the field at which all its pairs pass (nearestReadable()) or,
// when none does, the best there is; for a background also which
// foregrounds to change instead, and to what, since the backgrounds make the
// skin's look. The suggestion is the colour the context menu offers,
// "#RRGGBB", or empty. Nothing for a field whose pairs all pass.
struct FieldAdvice
{
    QStringList lines;
    QString suggestion;
};
FieldAdvice fieldAdvice(const FieldStatus &status);

// Shows a status on its field, touching the field only when it changes. The
// mark is painted over the field, inside its frame: an amber bar on the left
// or a red frame, taking no room from the value. The field gets no style
// sheet of its own and no child widget, either of which would make every
// restyle of the program dearer. The advice is worked out when the tool tip
// or the context menu opens: the tool tip then ends with its lines, and the
// context menu with the action "使用 #RRGGBB", which puts the suggestion
// into the field as if typed.
void showFieldStatus(QLineEdit *field, const FieldStatus &status);

// The mark a field shows, and its tool tip as it shows it, advice included.
FieldMark shownMark(const QLineEdit *field);
QString shownToolTip(const QLineEdit *field);

// The labels of the rows whose field holds no colour, joined for a message;
// empty when all eight hold colours.
QString nonColorLabels(const QStringList &values, const QStringList &labels);

#endif // COLORFIELDSTATUS_H
