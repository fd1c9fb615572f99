// At twice the scale (QT_SCALE_FACTOR=2), the window draws its check mark,
// radio dot, combo-box arrow and tree branch mark from the double-resolution
// drawings (NAME@2x.png), not from the single-size images magnified: another
// @2x drawing changes the grab, another single-size image does not, and the
// grab matches the @2x drawing scaled to where it changed.
#include "qtversion.h"
#include "skinapply.h"
#include "zavocreator.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

namespace {

// Whether two pixels differ clearly (beyond antialiasing and scaling).
bool apart(QRgb p, QRgb q)
{
    return qAbs(qRed(p) - qRed(q)) > 24 || qAbs(qGreen(p) - qGreen(q)) > 24 || qAbs(qBlue(p) - qBlue(q)) > 24;
}

// The pixels of `a` that differ from `b` (where `mask` is opaque, if given):
// their bounding box and their share.
QRect changed(const QImage &a, const QImage &b, double *share, const QImage &mask = QImage())
{
    QRect box;
    int counted = 0, off = 0;
    for (int y = 0; y < qMin(a.height(), b.height()); ++y)
        for (int x = 0; x < qMin(a.width(), b.width()); ++x) {
            if (!mask.isNull() && qAlpha(mask.pixel(x, y)) < 255)
                continue;
            ++counted;
            if (apart(a.pixel(x, y), b.pixel(x, y)) && ++off)
                box |= QRect(x, y, 1, 1);
        }
    *share = counted ? double(off) / counted : 1.0;
    return box;
}

} // namespace

class Scale2Test : public QObject
{
    Q_OBJECT

private slots:
    void drawsTheDoubleDrawing_data();
    void drawsTheDoubleDrawing();
};

void Scale2Test::drawsTheDoubleDrawing_data()
{
    QTest::addColumn<QString>("selector");
    QTest::addColumn<QString>("widget");
    QTest::newRow("checked check box") << "QCheckBox::indicator:checked" << "ck1";
    QTest::newRow("checked radio button") << "QRadioButton::indicator::checked" << "rbtn1";
    QTest::newRow("combo-box arrow") << "QComboBox::down-arrow" << "cbox1";
    QTest::newRow("tree branch mark") << "QTreeView::branch:closed:has-children" << "treeWidget";
}

void Scale2Test::drawsTheDoubleDrawing()
{
    QFETCH(QString, selector);
    QFETCH(QString, widget);
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    ZavoCreator window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // The part, in logical pixels of the widget it is grabbed from.
    QWidget *w = window.findChild<QWidget *>(widget);
    for (QWidget *page = w; page->parentWidget(); page = page->parentWidget())
        if (auto *stack = qobject_cast<QStackedWidget *>(page->parentWidget()))
            stack->setCurrentWidget(page);
    QRect part(0, 0, 24, w->height());   // check box, radio button: their left end
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        button->setChecked(true);
    if (auto *combo = qobject_cast<QComboBox *>(w)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        part = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, combo);
    }
    if (auto *tree = qobject_cast<QTreeWidget *>(w)) {
        tree->topLevelItem(0)->setExpanded(false);
        const QRect row = tree->visualItemRect(tree->topLevelItem(0));
        part = QRect(0, row.top(), row.left(), row.height());
        w = tree->viewport();
    }
    auto grab = [&] {
        QApplication::processEvents();
        return w->grab(part).toImage().convertToFormat(QImage::Format_ARGB32);
    };

    // The image the window's sheet draws the part with.
    const QString sheet = qApp->styleSheet();
    const QRegularExpressionMatch m = QRegularExpression(QRegularExpression::escape(selector)
        + QStringLiteral("[^{]*\\{[^}]*image:url\\((:/[^)]*/)(\\w+)\\.png\\)")).match(sheet);
    QVERIFY2(m.hasMatch(), qPrintable(selector));
    const QString folder = m.captured(1), single = m.captured(2) + ".png", doubled = m.captured(2) + "@2x.png";
    const QImage real = grab();
    QCOMPARE(real.size(), part.size() * 2);

    // The same sheet on a copy of the image folder with `file` a solid square
    // of another colour: where the grab changes is where that file is drawn.
    auto withSolid = [&](const QString &file) {
        QTemporaryDir copy;
        for (const QString &entry : QDir(folder).entryList(QDir::Files)) {
            QImage image(folder + entry);
            if (entry == file)
                image.fill(Qt::magenta);
            image.save(copy.filePath(entry));
        }
        restyleApplication(QString(sheet).replace(folder, copy.path() + QLatin1Char('/')));
        const QImage changedGrab = grab();
        restyleApplication(sheet);
        return changedGrab;
    };
    double share = 0;
    const QRect byDouble = changed(real, withSolid(doubled), &share);
    const QRect bySingle = changed(real, withSolid(single), &share);
    // The combo-box arrow is as many device pixels wide as its single-size image.
    if (QtVersion::picksImageByPixelSize && QTest::currentDataTag() == QLatin1String("combo-box arrow")) {
        QCOMPARE(bySingle.size(), QImage(folder + single).size());
        QEXPECT_FAIL("combo-box arrow", "Qt 5 draws the single-size image 1:1 here", Abort);
    }
    QVERIFY2(byDouble.width() >= 8 && byDouble.height() >= 8, "another @2x drawing does not change the grab");
    QVERIFY2(bySingle.isEmpty(), "another single-size image changes the grab");
    // Qt draws the @2x drawing scaled to the part's size.
    const QImage expected = QImage(folder + doubled).convertToFormat(QImage::Format_ARGB32)
                                .scaled(byDouble.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    changed(real.copy(byDouble), expected, &share, expected);
    qInfo("drawn at %dx%d px, %.3f of the @2x drawing off", byDouble.width(), byDouble.height(), share);
    QVERIFY2(share < 0.1, qPrintable(QString::number(share)));
}

int main(int argc, char *argv[])
{
    QtVersion::enableHighDpiScaling();
    QApplication app(argc, argv);
    QApplication::setFont(programFont());
    Scale2Test test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scale2.moc"
