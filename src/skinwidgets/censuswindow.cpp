#include "censuswindow.h"

#include <QActionGroup>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QColorDialog>
#include <QColumnView>
#include <QComboBox>
#include <QCommandLinkButton>
#include <QDateTimeEdit>
#include <QDial>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeySequenceEdit>
#include <QLCDNumber>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QSplitter>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolBox>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

template<typename W>
W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

template<typename W>
W *disabled(W *widget)
{
    widget->setEnabled(false);
    return widget;
}

// A page of the central tab widget with a grid of titled cells.
class Page
{
public:
    Page(QTabWidget *pages, const char *title, int columns)
        : widget(new QWidget(pages)), grid(new QGridLayout(widget)), columns(columns)
    {
        pages->addTab(widget, QLatin1String(title));
    }
    // A group box holding `widgets` in a column.
    QGroupBox *cell(const char *title, std::initializer_list<QWidget *> widgets, int span = 1)
    {
        auto *box = new QGroupBox(QLatin1String(title), widget);
        auto *layout = new QVBoxLayout(box);
        for (QWidget *w : widgets) {
            w->setParent(box);
            layout->addWidget(w);
        }
        layout->addStretch();
        grid->addWidget(box, at / columns, at % columns, 1, span);
        at += span;
        return box;
    }
    QWidget *widget;
    QGridLayout *grid;
    int columns;
    int at = 0;
};

QMenu *menuFor(QWidget *parent)
{
    auto *menu = new QMenu(parent);
    menu->addAction(QStringLiteral("First"));
    menu->addAction(QStringLiteral("Second"));
    return menu;
}

QToolButton *toolButton(const char *name, const char *text, QToolButton::ToolButtonPopupMode mode)
{
    auto *button = named(new QToolButton, name);
    button->setText(QLatin1String(text));
    button->setPopupMode(mode);
    button->setMenu(menuFor(button));
    return button;
}

QCheckBox *checkBox(const char *name, const char *text, Qt::CheckState state)
{
    auto *box = named(new QCheckBox(QLatin1String(text)), name);
    box->setTristate(state == Qt::PartiallyChecked);
    box->setCheckState(state);
    return box;
}

QRadioButton *radioButton(const char *name, const char *text, bool checked)
{
    auto *radio = named(new QRadioButton(QLatin1String(text)), name);
    radio->setAutoExclusive(false);
    radio->setChecked(checked);
    return radio;
}

QComboBox *comboBox(const char *name, bool editable)
{
    auto *combo = named(new QComboBox, name);
    combo->setEditable(editable);
    combo->addItems({QStringLiteral("Kilograms"), QStringLiteral("Pounds"), QStringLiteral("Stones")});
    return combo;
}

QLineEdit *lineEdit(const char *name, const char *text, const char *placeholder = "")
{
    auto *edit = named(new QLineEdit(QLatin1String(text)), name);
    edit->setPlaceholderText(QLatin1String(placeholder));
    return edit;
}

QProgressBar *progressBar(const char *name, int maximum, int value)
{
    auto *bar = named(new QProgressBar, name);
    bar->setRange(0, maximum);
    bar->setValue(value);
    return bar;
}

QLabel *label(const char *name, const QString &text)
{
    return named(new QLabel(text), name);
}

QWidget *slider(const char *name, Qt::Orientation orientation, bool scrollBar)
{
    QAbstractSlider *s = scrollBar ? static_cast<QAbstractSlider *>(new QScrollBar(orientation))
                                   : static_cast<QAbstractSlider *>(new QSlider(orientation));
    s->setObjectName(QLatin1String(name));
    s->setRange(0, 100);
    s->setValue(35);
    if (orientation == Qt::Vertical)
        s->setMinimumHeight(90);
    return s;
}

// Rows with check boxes: checked, unchecked, and a disabled checked one;
// the first row has two children, so that a tree shows a branch.
QStandardItemModel *viewModel(QObject *parent)
{
    auto *model = new QStandardItemModel(0, 3, parent);
    const struct
    {
        const char *name;
        Qt::CheckState state;
        bool enabled;
    } rows[] = {{"Alarms", Qt::Checked, true},
                {"Devices", Qt::Unchecked, true},
                {"Reports", Qt::Checked, false},
                {"Schedules", Qt::Unchecked, true},
                {"Users", Qt::Unchecked, true}};
    int n = 0;
    for (const auto &row : rows) {
        QList<QStandardItem *> items {new QStandardItem(QLatin1String(row.name)),
                                      new QStandardItem(QString::number(++n * 7)),
                                      new QStandardItem(n % 2 ? QStringLiteral("high") : QStringLiteral("low"))};
        items.first()->setCheckable(true);
        items.first()->setCheckState(row.state);
        for (QStandardItem *item : items)
            item->setEnabled(row.enabled);
        model->appendRow(items);
    }
    for (const char *child : {"Camera one", "Camera two"})
        model->item(0)->appendRow({new QStandardItem(QLatin1String(child)), new QStandardItem(QStringLiteral("1")),
                                   new QStandardItem(QStringLiteral("low"))});
    model->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Count"), QStringLiteral("Level")});
    return model;
}

template<typename View>
View *itemView(const char *name, QObject *modelParent)
{
    auto *view = named(new View, name);
    view->setModel(viewModel(modelParent));
    view->setAlternatingRowColors(true);
    view->setCurrentIndex(view->model()->index(1, 0));
    view->setMinimumHeight(190);
    return view;
}

QWidget *buttonsPage(QTabWidget *pages)
{
    Page page(pages, "Buttons", 4);
    auto *defaultButton = named(new QPushButton(QStringLiteral("Default")), "pushDefault");
    defaultButton->setDefault(true);
    auto *flat = named(new QPushButton(QStringLiteral("Flat")), "pushFlat");
    flat->setFlat(true);
    auto *checked = named(new QPushButton(QStringLiteral("Checked")), "pushChecked");
    checked->setCheckable(true);
    checked->setChecked(true);
    page.cell("Push buttons", {defaultButton, flat, checked,
                               disabled(named(new QPushButton(QStringLiteral("Disabled")), "pushDisabled"))});

    auto *arrow = named(new QToolButton, "toolArrow");
    arrow->setArrowType(Qt::DownArrow);
    auto *toolDisabled = disabled(named(new QToolButton, "toolDisabled"));
    toolDisabled->setText(QStringLiteral("Disabled"));
    auto *toolCheckable = named(new QToolButton, "toolCheckable");
    toolCheckable->setText(QStringLiteral("Checked"));
    toolCheckable->setCheckable(true);
    toolCheckable->setChecked(true);
    page.cell("Tool buttons", {toolButton("toolDelayed", "Delayed", QToolButton::DelayedPopup),
                               toolButton("toolMenuButton", "Menu button", QToolButton::MenuButtonPopup),
                               toolButton("toolInstant", "Instant popup", QToolButton::InstantPopup), arrow,
                               toolCheckable, toolDisabled});

    auto *link = named(new QCommandLinkButton(QStringLiteral("Command link"), QStringLiteral("with a description")),
                       "commandLink");
    auto *box = named(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel), "buttonBox");
    page.cell("Command link and button box", {link, box}, 2);

    page.cell("Check boxes", {checkBox("checkChecked", "Checked", Qt::Checked),
                              checkBox("checkUnchecked", "Unchecked", Qt::Unchecked),
                              checkBox("checkPartial", "Partial", Qt::PartiallyChecked),
                              disabled(checkBox("checkCheckedDisabled", "Checked, disabled", Qt::Checked)),
                              disabled(checkBox("checkUncheckedDisabled", "Unchecked, disabled", Qt::Unchecked)),
                              disabled(checkBox("checkPartialDisabled", "Partial, disabled", Qt::PartiallyChecked))});
    page.cell("Radio buttons", {radioButton("radioChecked", "Checked", true),
                                radioButton("radioUnchecked", "Unchecked", false),
                                disabled(radioButton("radioCheckedDisabled", "Checked, disabled", true)),
                                disabled(radioButton("radioUncheckedDisabled", "Unchecked, disabled", false))});
    return page.widget;
}

QWidget *inputsPage(QTabWidget *pages)
{
    Page page(pages, "Inputs", 4);
    page.cell("Combo boxes", {comboBox("comboEditable", true), comboBox("comboPlain", false),
                              disabled(comboBox("comboDisabled", false)),
                              named(new QFontComboBox, "fontCombo")});
    page.cell("Line edits", {lineEdit("linePlaceholder", "", "Placeholder"), lineEdit("lineNormal", "Normal"),
                             [] {
                                 auto *edit = lineEdit("lineReadOnly", "Read-only");
                                 edit->setReadOnly(true);
                                 return edit;
                             }(),
                             disabled(lineEdit("lineDisabled", "Disabled"))});
    auto *dateTime = named(new QDateTimeEdit(QDateTime(CensusWindow::shownDate(), QTime(10, 30))), "dateTime");
    dateTime->setCalendarPopup(true);
    auto *spin = named(new QSpinBox, "spin");
    spin->setValue(42);
    auto *doubleSpin = named(new QDoubleSpinBox, "doubleSpin");
    doubleSpin->setValue(3.25);
    page.cell("Spin boxes and fields", {spin, doubleSpin, dateTime,
                                        named(new QKeySequenceEdit(QKeySequence(QStringLiteral("Ctrl+S"))),
                                              "keySequence")});
    auto *dial = named(new QDial, "dial");
    dial->setNotchesVisible(true);
    dial->setValue(30);
    auto *busy = progressBar("progressBusy", 0, 0);
    page.cell("Progress and dial", {progressBar("progressNormal", 100, 60), busy,
                                    disabled(progressBar("progressDisabled", 100, 30)), dial});

    auto *sliders = new QWidget;
    auto *sliderLayout = new QGridLayout(sliders);
    sliderLayout->addWidget(slider("sliderHorizontal", Qt::Horizontal, false), 0, 0);
    sliderLayout->addWidget(slider("scrollHorizontal", Qt::Horizontal, true), 1, 0);
    sliderLayout->addWidget(slider("sliderVertical", Qt::Vertical, false), 0, 1, 2, 1);
    sliderLayout->addWidget(slider("scrollVertical", Qt::Vertical, true), 0, 2, 2, 1);
    auto *upright = progressBar("progressVertical", 100, 60);
    upright->setOrientation(Qt::Vertical);
    sliderLayout->addWidget(upright, 0, 3, 2, 1);
    page.cell("Sliders and scroll bars", {sliders}, 2);
    return page.widget;
}

QWidget *textPage(QTabWidget *pages)
{
    Page page(pages, "Text", 3);
    auto *link = label("labelLink", QStringLiteral("A label with <a href=\"https://example.org\">a link</a>"));
    page.cell("Labels", {label("labelPlain", QStringLiteral("A plain label")), link,
                         disabled(label("labelDisabled", QStringLiteral("A disabled label")))});

    auto *browser = named(new QTextBrowser, "textBrowser");
    browser->setOpenLinks(false);
    browser->setHtml(QStringLiteral("<p>Text in a browser with <a href=\"https://example.org\">a link</a>.</p>"
                                    "<p>This line is selected.</p><p>The last line.</p>"));
    QTextCursor cursor(browser->document()->findBlockByNumber(1));
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    browser->setTextCursor(cursor);
    page.cell("Text browser", {browser});

    auto *plain = disabled(named(new QPlainTextEdit(QStringLiteral("Disabled plain text")), "plainDisabled"));
    auto *lcd = named(new QLCDNumber(5), "lcd");
    lcd->display(1234);
    lcd->setMinimumHeight(40);
    page.cell("Plain text and LCD number", {plain, lcd});
    return page.widget;
}

QWidget *containersPage(QTabWidget *pages, QMdiArea **mdi)
{
    Page page(pages, "Containers", 4);
    auto *plainGroup = named(new QGroupBox(QStringLiteral("Plain group")), "groupPlain");
    (new QVBoxLayout(plainGroup))->addWidget(label("groupChild", QStringLiteral("First child")));
    auto *checkGroup = named(new QGroupBox(QStringLiteral("Checkable group")), "groupCheckable");
    checkGroup->setCheckable(true);
    (new QVBoxLayout(checkGroup))->addWidget(new QLabel(QStringLiteral("First child")));
    page.cell("Group boxes", {plainGroup, checkGroup});

    auto *toolBox = named(new QToolBox, "toolBox");
    toolBox->addItem(label("toolBoxPage", QStringLiteral("First page")), QStringLiteral("First"));
    toolBox->addItem(new QLabel(QStringLiteral("Second page")), QStringLiteral("Second"));
    auto *splitter = named(new QSplitter, "splitter");
    splitter->addWidget(label("splitLeft", QStringLiteral("Left pane")));
    splitter->addWidget(new QLabel(QStringLiteral("Right pane")));
    page.cell("Tool box and splitter", {toolBox, splitter});

    // Its contents as Designer makes them: a widget of that name with a layout.
    auto *scroll = named(new QScrollArea, "scrollArea");
    auto *contents = named(new QWidget, "scrollAreaWidgetContents");
    auto *scrolled = label("scrolledLabel", QStringLiteral("Content of a scroll area, wider and taller than it"));
    scrolled->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    (new QVBoxLayout(contents))->addWidget(scrolled);
    contents->setMinimumSize(380, 220);
    scroll->setWidget(contents);
    auto *stack = named(new QStackedWidget, "stack");
    stack->addWidget(label("stackLabel", QStringLiteral("A stacked page")));
    page.cell("Scroll area and stack", {scroll, stack});

    auto *frames = new QWidget;
    auto *frameLayout = new QGridLayout(frames);
    const struct
    {
        const char *name;
        QFrame::Shape shape;
        QFrame::Shadow shadow;
    } shapes[] = {{"frameBox", QFrame::Box, QFrame::Plain},      {"framePanel", QFrame::Panel, QFrame::Sunken},
                  {"frameWinPanel", QFrame::WinPanel, QFrame::Raised}, {"frameStyled", QFrame::StyledPanel, QFrame::Sunken},
                  {"frameHLine", QFrame::HLine, QFrame::Sunken}, {"frameVLine", QFrame::VLine, QFrame::Sunken}};
    int n = 0;
    for (const auto &shape : shapes) {
        auto *frame = named(new QFrame, shape.name);
        frame->setFrameStyle(shape.shape | shape.shadow);
        frame->setLineWidth(1);
        frame->setMinimumSize(36, 24);
        frameLayout->addWidget(frame, n / 3, n % 3);
        ++n;
    }
    page.cell("Frames", {frames});

    *mdi = named(new QMdiArea, "mdi");
    (*mdi)->setMinimumHeight(220);
    const struct
    {
        const char *name;
        const char *title;
        QPoint at;
    } documents[] = {{"subInactive", "Inactive document", {10, 10}}, {"subActive", "Active document", {150, 80}}};
    for (const auto &document : documents) {
        QMdiSubWindow *sub = (*mdi)->addSubWindow(new QLabel(QStringLiteral("Contents of a sub-window")));
        sub->setObjectName(QLatin1String(document.name));
        sub->setWindowTitle(QLatin1String(document.title));
        sub->resize(260, 120);
        sub->move(document.at);
    }
    page.cell("MDI area", {*mdi}, 4);
    return page.widget;
}

QWidget *viewsPage(QTabWidget *pages)
{
    Page page(pages, "Views", 2);
    auto *list = itemView<QListView>("list", pages);
    auto *tree = itemView<QTreeView>("tree", pages);
    tree->setSortingEnabled(true);
    tree->sortByColumn(0, Qt::AscendingOrder);
    tree->expandAll();
    auto *table = itemView<QTableView>("table", pages);
    table->setSortingEnabled(true);
    table->sortByColumn(1, Qt::DescendingOrder);
    auto *columns = itemView<QColumnView>("columns", pages);
    page.cell("List view", {list});
    page.cell("Tree view", {tree});
    page.cell("Table view", {table});
    page.cell("Column view", {columns});
    return page.widget;
}

} // namespace

CensusWindow::CensusWindow(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("census"));
    setWindowTitle(QStringLiteral("Widget census"));

    const QIcon icon = style()->standardIcon(QStyle::SP_DialogOpenButton);
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(icon, QStringLiteral("&Open..."));
    file->addAction(QStringLiteral("&Save"))->setEnabled(false);
    file->addSeparator();
    file->addAction(QStringLiteral("&Quit"));
    editMenu = menuBar()->addMenu(QStringLiteral("&Edit"));
    editMenu->setObjectName(QStringLiteral("editMenu"));
    editMenu->addAction(icon, QStringLiteral("&Undo typing"));
    disabledAction = editMenu->addAction(QStringLiteral("Cu&t selection"));
    disabledAction->setEnabled(false);
    editMenu->addSeparator();
    checkedAction = editMenu->addAction(QStringLiteral("Show &grid"));
    checkedAction->setCheckable(true);
    checkedAction->setChecked(true);
    editMenu->addAction(QStringLiteral("Show &rulers"))->setCheckable(true);
    auto *sizes = new QActionGroup(editMenu);
    for (const char *size : {"&Small", "&Large"}) {
        QAction *action = sizes->addAction(QLatin1String(size));
        action->setCheckable(true);
        editMenu->addAction(action);
    }
    exclusiveAction = sizes->actions().constFirst();
    exclusiveAction->setChecked(true);
    editMenu->addSeparator();
    insertMenu = editMenu->addMenu(QStringLiteral("&Insert"));
    insertMenu->addAction(QStringLiteral("&Row"));
    insertMenu->addAction(QStringLiteral("&Column"))->setEnabled(false);
    menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));

    toolBar = addToolBar(QStringLiteral("Main"));
    toolBar->setObjectName(QStringLiteral("toolBar"));
    toolBar->addAction(QStringLiteral("New"));
    toolBar->addAction(QStringLiteral("Open"));
    toolBar->addSeparator();
    toolBar->addWidget(toolButton("toolBarMenuButton", "Run", QToolButton::MenuButtonPopup));
    toolBar->addAction(QStringLiteral("Stop"))->setEnabled(false);
    toolBar->addAction(QStringLiteral("Bold"))->setCheckable(true);
    narrowBar = addToolBar(QStringLiteral("More"));
    narrowBar->setObjectName(QStringLiteral("narrowBar"));
    for (const char *name : {"Cut", "Copy", "Paste", "Delete", "Select all", "Find"})
        narrowBar->addAction(QLatin1String(name));
    narrowBar->setMaximumWidth(140);

    dock = new QDockWidget(QStringLiteral("Properties"), this);
    dock->setObjectName(QStringLiteral("dock"));
    dock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetFloatable
                      | QDockWidget::DockWidgetMovable);
    auto *dockContent = new QWidget(dock);
    auto *dockLayout = new QFormLayout(dockContent);
    dockLayout->addRow(QStringLiteral("Name"), new QLineEdit(QStringLiteral("Alarms"), dockContent));
    dockLayout->addRow(QStringLiteral("Level"), comboBox("dockCombo", false));
    dock->setWidget(dockContent);
    addDockWidget(Qt::LeftDockWidgetArea, dock);

    pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("pages"));
    pages->setTabsClosable(true);
    buttonsPage(pages);
    inputsPage(pages);
    textPage(pages);
    containersPage(pages, &mdi);
    viewsPage(pages);
    calendar = new QCalendarWidget(pages);
    calendar->setObjectName(QStringLiteral("calendar"));
    calendar->setSelectedDate(shownDate());
    pages->addTab(calendar, QStringLiteral("Calendar"));
    pages->setTabEnabled(pages->addTab(new QWidget(pages), QStringLiteral("Disabled")), false);
    setCentralWidget(pages);

    statusBar()->addWidget(new QLabel(QStringLiteral("Ready"), this));
    auto *permanent = new QLabel(QStringLiteral("Line 1, column 1"), this);
    permanent->setObjectName(QStringLiteral("statusPermanent"));
    statusBar()->addPermanentWidget(permanent);
    statusBar()->setSizeGripEnabled(true);
    resize(1200, 780);
    QMdiSubWindow *active = mdi->subWindowList().constLast();
    mdi->setActiveSubWindow(active);
}

QDate CensusWindow::shownDate()
{
    return QDate(2024, 5, 17);
}

QStringList CensusWindow::dialogNames()
{
    return {QStringLiteral("message"), QStringLiteral("input"), QStringLiteral("progress"), QStringLiteral("file"),
            QStringLiteral("color")};
}

QDialog *CensusWindow::makeDialog(const QString &name)
{
    QDialog *dialog = nullptr;
    if (name == QLatin1String("message")) {
        dialog = new QMessageBox(QMessageBox::Warning, QStringLiteral("Message"),
                                 QStringLiteral("The file has changed. Save it?"),
                                 QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    } else if (name == QLatin1String("input")) {
        auto *input = new QInputDialog(this);
        input->setLabelText(QStringLiteral("Name of the new item:"));
        input->setTextValue(QStringLiteral("Alarms"));
        dialog = input;
    } else if (name == QLatin1String("progress")) {
        auto *progress = new QProgressDialog(QStringLiteral("Copying files..."), QStringLiteral("Cancel"), 0, 100, this);
        progress->setAutoReset(false);
        progress->setAutoClose(false);
        progress->setValue(40);
        dialog = progress;
    } else if (name == QLatin1String("file")) {
        dialog = new QFileDialog(this, QStringLiteral("Open"), QStringLiteral("/"));
        static_cast<QFileDialog *>(dialog)->setOption(QFileDialog::DontUseNativeDialog);
    } else if (name == QLatin1String("color")) {
        dialog = new QColorDialog(QColor(0x33, 0x66, 0x99), this);
        static_cast<QColorDialog *>(dialog)->setOption(QColorDialog::DontUseNativeDialog);
    }
    if (dialog)
        dialog->setObjectName(name + QStringLiteral("Dialog"));
    return dialog;
}
