#include "zavocreator.h"
#include "ui_zavocreator.h"

#include "colorfieldstatus.h"
#include "colorroles.h"
#include "formpreview.h"
#include "previewcontent.h"
#include "skinapply.h"
#include "skincatalogue.h"
#include "skinfile.h"

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QScreen>
#include <QSignalBlocker>
#include <QTranslator>

namespace {

// The colour fields and buttons of the editor panel, in role order.
std::array<QLineEdit *, ColorRoleCount> colorFields(const Ui::ZavoCreator *ui)
{
    return {ui->txtTextColor, ui->txtPanelColor, ui->txtBorderColor,
            ui->txtNormalColorStart, ui->txtNormalColorEnd,
            ui->txtDarkColorStart, ui->txtDarkColorEnd, ui->txtHighColor};
}

std::array<QPushButton *, ColorRoleCount> colorButtons(const Ui::ZavoCreator *ui)
{
    return {ui->btnTextColor, ui->btnPanelColor, ui->btnBorderColor,
            ui->btnNormalColorStart, ui->btnNormalColorEnd,
            ui->btnDarkColorStart, ui->btnDarkColorEnd, ui->btnHighColor};
}

// The labels of the colour rows, which name the roles to the user.
QStringList colorLabels(const Ui::ZavoCreator *ui)
{
    return {ui->labTextColor->text(), ui->labPanelColor->text(), ui->labBorderColor->text(),
            ui->labNormalColorStart->text(), ui->labNormalColorEnd->text(),
            ui->labDarkColorStart->text(), ui->labDarkColorEnd->text(), ui->labHighColor->text()};
}

QStringList fieldTexts(const Ui::ZavoCreator *ui)
{
    QStringList values;
    for (const QLineEdit *field : colorFields(ui))
        values.append(field->text());
    return values;
}

// Picks a colour for one role: the dialog always starts on pure green, and
// the chosen colour goes into the field (which recomposes the skin if the
// text changed) and onto the button.
void pickColor(QWidget *parent, QLineEdit *field, QPushButton *button)
{
    const QColor color = QColorDialog::getColor(Qt::green, parent, QStringLiteral("颜色"));
    if (!color.isValid())
        return;
    const QString name = color.name();
    field->setText(name);
    button->setStyleSheet(swatchStyleSheet(name));
}

} // namespace

QFont programFont()
{
    return QFont(QStringLiteral("Microsoft Yahei"), 9);
}

ZavoCreator::ZavoCreator(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::ZavoCreator)
    , autoApply(false)
{
    ui->setupUi(this);
    initForm();
    // Designer forms dropped on the window open in previews of their own.
    setAcceptDrops(true);
}

ZavoCreator::~ZavoCreator()
{
    delete ui;
}

void ZavoCreator::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedForms(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void ZavoCreator::dropEvent(QDropEvent *event)
{
    reportFormProblems(this, openFormPreviews(droppedForms(event->mimeData()), this));
}

void ZavoCreator::initForm()
{
    initTableWidget();
    initTreeWidget();
    initListWidget();
    initOther();

    changeStyle(defaultSkinName());
    ui->menu->menuAction()->setVisible(false);
    initTranslator();
    ui->tabWidget->setCurrentIndex(0);
    autoApply = true;

    const QAction *skinActions[] = {
        ui->silveryAction, ui->blueAction, ui->lightBlueAction, ui->darkBlueAction,
        ui->grayAction, ui->lightGrayAction, ui->darkGrayAction, ui->blackAction,
        ui->lightBlackAction, ui->darkBlackAction, ui->psBlackAction, ui->flatBlackAction,
        ui->flatWhiteAction, ui->flatBlueAction, ui->purpleAction, ui->blackBlueAction,
        ui->videoBlackAction, ui->yellowAction, ui->whiteAction, ui->silveryWhiteAction,
        ui->blackWhiteAction, ui->softGreenAction, ui->brownAction,
    };
    for (const QAction *action : skinActions)
        connect(action, SIGNAL(triggered()), this, SLOT(styleSlot()));

    composedSheet = QLatin1String("");
    bool opened = false;
    const QString text = readResourceText(QStringLiteral(":/qss/template.css"), &opened);
    if (opened)
        templateSheet = text;
}

void ZavoCreator::initTableWidget()
{
    fillAlarmTable(ui->tableWidget, QGuiApplication::primaryScreen()->availableGeometry().width());
}

void ZavoCreator::initTreeWidget()
{
    fillCheckTree(ui->treeWidget);
}

void ZavoCreator::initListWidget()
{
    fillSampleLists(ui->listWidget, ui->cbox1, ui->cbox2);
}

void ZavoCreator::initOther()
{
    applyPreviewStates(ui);
}

void ZavoCreator::initStyle(QString style)
{
    bool opened = false;
    const QString sheet = readResourceText(QStringLiteral(":/qss/") + style + QStringLiteral(".css"), &opened);
    if (opened)
        applySkin(sheet);
}

void ZavoCreator::initTranslator()
{
    // A catalogue that fails to load leaves its translator empty; the
    // toolkit's texts then simply stay English.
    auto *toolkit = new QTranslator(qApp);
    static_cast<void>(toolkit->load(QStringLiteral(":/image/qt_zh_CN.qm"), QString(), QString(), QString()));
    static_cast<void>(QCoreApplication::installTranslator(toolkit));

    auto *textEdits = new QTranslator(qApp);
    static_cast<void>(textEdits->load(QStringLiteral(":/image/widgets.qm"), QString(), QString(), QString()));
    static_cast<void>(QCoreApplication::installTranslator(textEdits));
}

void ZavoCreator::styleSlot()
{
    const auto *action = static_cast<QAction *>(sender());
    changeStyle(action->text());
}

void ZavoCreator::on_txtTextColor_textChanged(QString)
{
    composeStyle(false);
}

void ZavoCreator::on_txtPanelColor_textChanged(QString)
{
    composeStyle(false);
}

void ZavoCreator::on_txtBorderColor_textChanged(QString)
{
    composeStyle(false);
}

void ZavoCreator::on_txtNormalColorStart_textChanged(QString)
{
    composeStyle(false);
}

void ZavoCreator::on_txtNormalColorEnd_textChanged(QString)
{
    composeStyle(false);
}

void ZavoCreator::on_txtDarkColorStart_textChanged(QString)
{
    composeStyle(false);
}

void ZavoCreator::on_txtDarkColorEnd_textChanged(QString)
{
    composeStyle(false);
}

void ZavoCreator::on_txtHighColor_textChanged(QString)
{
    composeStyle(false);
}

void ZavoCreator::on_btnSave_clicked()
{
    const QString notColors = nonColorLabels(fieldTexts(ui), colorLabels(ui));
    if (!notColors.isEmpty()) {
        QMessageBox::warning(this, tr("保存当前皮肤"),
                             tr("%1 不是颜色（# 加六位十六进制数字），皮肤未保存。").arg(notColors));
        return;
    }
    composeStyle(true);
    // A skin is never rich text, whatever its first line holds.
    ui->txtMain->setPlainText(composedSheet);

    const QString fileName = QFileDialog::getSaveFileName(this, tr("保存当前皮肤"), QString(), tr("皮肤(*.css)"));
    if (fileName.isEmpty())
        return;

    QString error;
    if (!writeSkinFile(fileName, composedSheet, &error)) {
        QMessageBox::warning(this, tr("保存当前皮肤"),
                             tr("无法保存皮肤文件 %1：\n%2").arg(QDir::toNativeSeparators(fileName), error));
    }
}

void ZavoCreator::on_btnTextColor_clicked()
{
    pickColor(this, ui->txtTextColor, ui->btnTextColor);
}

void ZavoCreator::on_btnPanelColor_clicked()
{
    pickColor(this, ui->txtPanelColor, ui->btnPanelColor);
}

void ZavoCreator::on_btnBorderColor_clicked()
{
    pickColor(this, ui->txtBorderColor, ui->btnBorderColor);
}

void ZavoCreator::on_btnNormalColorStart_clicked()
{
    pickColor(this, ui->txtNormalColorStart, ui->btnNormalColorStart);
}

void ZavoCreator::on_btnNormalColorEnd_clicked()
{
    pickColor(this, ui->txtNormalColorEnd, ui->btnNormalColorEnd);
}

void ZavoCreator::on_btnDarkColorStart_clicked()
{
    pickColor(this, ui->txtDarkColorStart, ui->btnDarkColorStart);
}

void ZavoCreator::on_btnDarkColorEnd_clicked()
{
    pickColor(this, ui->txtDarkColorEnd, ui->btnDarkColorEnd);
}

void ZavoCreator::on_btnHighColor_clicked()
{
    pickColor(this, ui->txtHighColor, ui->btnHighColor);
}

void ZavoCreator::on_btnOpen_clicked()
{
    const QString fileName = QFileDialog::getOpenFileName(this, QStringLiteral("open"), QStringLiteral("../"),
                                                          QStringLiteral("CSS(*.css)"));
    if (!fileName.isEmpty())
        openSkinFile(fileName);
}

void ZavoCreator::openSkinFile(const QString &fileName)
{
    QString text;
    QString error;
    switch (readSkinFile(fileName, &text, &error)) {
    case SkinFileRead::Ok:
        break;
    case SkinFileRead::CannotOpen:
        QMessageBox::warning(this, tr("打开皮肤"),
                             tr("无法打开皮肤文件 %1：\n%2").arg(QDir::toNativeSeparators(fileName), error));
        return;
    case SkinFileRead::TooLarge:
        QMessageBox::warning(this, tr("打开皮肤"),
                             tr("文件 %1 超过 %2 MB，不是皮肤文件，未打开。")
                                 .arg(QDir::toNativeSeparators(fileName))
                                 .arg(MaxSkinFileSize / (1024 * 1024)));
        return;
    }

    ui->txtMain->setPlainText(text);
    const std::optional<QStringList> colors = parseColorTrailer(text);
    if (!colors || !allColorValues(*colors))
        return;

    // The file's look is applied once, with all eight colours in place,
    // whether or not any field changed.
    const auto fields = colorFields(ui);
    autoApply = false;
    for (int i = 0; i < ColorRoleCount; ++i)
        fields[i]->setText(colors->at(i));
    autoApply = true;
    composeStyle(false);
}

void ZavoCreator::showSkin(const QStringList &colors, const QString &sheet)
{
    const auto fields = colorFields(ui);
    for (int i = 0; i < ColorRoleCount; ++i) {
        const QSignalBlocker quiet(fields[i]);
        fields[i]->setText(colors.value(i));
    }
    composeStyle(true); // the swatches and the stored composition, no restyle
    applySkin(sheet);
}

void ZavoCreator::composeStyle(bool storeOnly)
{
    const QStringList values = fieldTexts(ui);
    const auto statuses = colorFieldStatuses(values, colorLabels(ui));
    const auto fields = colorFields(ui);
    const auto buttons = colorButtons(ui);
    for (int i = 0; i < ColorRoleCount; ++i) {
        showFieldStatus(fields[i], statuses[i]);
        // Setting a button's style sheet re-polishes it even when the text
        // is the same; a keystroke changes one swatch at most.
        const QString swatch = swatchStyleSheet(values.at(i));
        if (isColorValue(values.at(i)) && buttons[i]->styleSheet() != swatch)
            buttons[i]->setStyleSheet(swatch);
    }

    // While a field holds no colour the program keeps its last look.
    const Composition composition = composeSkin(templateSheet, values);
    if (!composition.complete)
        return;

    composedSheet = composition.sheet;
    if (!storeOnly && autoApply)
        applySkin(composedSheet);
}

void ZavoCreator::changeStyle(QString name)
{
    const SkinEntry *skin = findSkin(name);
    const QStringList colors = skin ? skin->colors : QStringList();

    const auto fields = colorFields(ui);
    for (int i = 0; i < ColorRoleCount; ++i)
        fields[i]->setText(colors.value(i));
    const auto buttons = colorButtons(ui);
    for (int i = 0; i < ColorRoleCount; ++i)
        buttons[i]->setStyleSheet(swatchStyleSheet(colors.value(i)));

    initStyle(skin ? skin->styleName : QString());
}
