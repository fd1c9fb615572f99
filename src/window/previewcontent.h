#ifndef PREVIEWCONTENT_H
#define PREVIEWCONTENT_H

#include <QStringList>
#include <QVector>

class QTableWidget;
class QTreeWidget;
class QListWidget;
class QComboBox;

namespace Ui {
class ZavoCreator;
}

// Sample content for the preview pages. The form builds the pages empty or in
// their default states; these functions fill them with realistic data so that
// every skin can be judged on something that looks like a real application.
// The window calls each of them once, right after the form is built.

// Widths of the alarm table's five columns for a screen whose available
// width is availableWidth: of W = availableWidth - 120, the device number
// and address columns get 6 %, the name and alarm columns 10 %, the time
// column 15 % (each cut toward zero). The last column is stretched anyway.
QVector<int> alarmTableColumnWidths(int availableWidth);

// Turns the table into a read-only, row-selecting list of 300 alarms.
void fillAlarmTable(QTableWidget *table, int availableWidth);

// Two parent items with children and one grandchild, each independently
// checkable, all expanded.
void fillCheckTree(QTreeWidget *tree);

// "元素1" … "元素30".
QStringList sampleListEntries();

// Appends the sample entries to the list widget and both combo boxes.
void fillSampleLists(QListWidget *list, QComboBox *first, QComboBox *second);

// Initial check states, the slider value, the two page fonts, the dynamic
// properties that switch on the stylesheet's navigation, status-strip and
// video-wall looks, and click focus for the video tiles.
void applyPreviewStates(Ui::ZavoCreator *ui);

#endif // PREVIEWCONTENT_H
