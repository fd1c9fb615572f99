// At twice the scale (QT_SCALE_FACTOR=2), the window draws its check mark,
// radio dot, tree branch mark and combo-box arrow from the double-resolution
// drawings (NAME@2x.png), not from the single-size images magnified: the
// grab matches the @2x drawing, a different @2x drawing changes it, and a
// different single-size image does not.
#include "qtversion.h"
#include "skinapply.h"
#include "zavocreator.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <functional>

namespace {

// The share of pixels of two equally sized images whose channels differ by
// more than `tolerance`; 1 for images of different sizes.
double differing(const QImage &a, const QImage &b, int tolerance = 24)
{
    if (a.size() != b.size() || a.isNull())
        return 1.0;
    const QImage x = a.convertToFormat(QImage::Format_ARGB32), y = b.convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            count += qAbs(qRed(p) - qRed(q)) > tolerance || qAbs(qGreen(p) - qGreen(q)) > tolerance
                || qAbs(qBlue(p) - qBlue(q)) > tolerance;
        }
    return double(count) / (x.width() * x.height());
}

// The bounding box of the pixels where two grabs differ clearly.
QRect changedArea(const QImage &a, const QImage &b)
{
    QRect area;
    for (int y = 0; y < qMin(a.height(), b.height()); ++y)
        for (int x = 0; x < qMin(a.width(), b.width()); ++x)
            if (differing(a.copy(x, y, 1, 1), b.copy(x, y, 1, 1)) > 0)
                area |= QRect(x, y, 1, 1);
    return area;
}

// The share of the opaque pixels of `drawing` that differ from `grab`.
double mismatch(const QImage &grab, const QImage &drawing)
{
    int opaque = 0, off = 0;
    for (int y = 0; y < drawing.height(); ++y)
        for (int x = 0; x < drawing.width(); ++x)
            if (qAlpha(drawing.pixel(x, y)) == 255) {
                ++opaque;
                off += differing(grab.copy(x, y, 1, 1), drawing.copy(x, y, 1, 1)) > 0;
            }
    return opaque == 0 ? 1.0 : double(off) / opaque;
}

// Shows the page of every tab or stack that holds `widget`.
void bringUp(QWidget *widget)
{
    for (QWidget *w = widget; w && w->parentWidget(); w = w->parentWidget())
        if (auto *stack = qobject_cast<QStackedWidget *>(w->parentWidget()))
            stack->setCurrentWidget(w);
}

struct Part
{
    QWidget *widget;   // the widget to grab from
    QRect rect;        // the part, in the widget's logical pixels
};

using PartFinder = std::function<Part(ZavoCreator &)>;

} // namespace

Q_DECLARE_METATYPE(PartFinder)

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
    QTest::addColumn<PartFinder>("part");
    QTest::newRow("checked check box") << "QCheckBox::indicator:checked" << PartFinder(
        [](ZavoCreator &w) {
            auto *box = w.findChild<QCheckBox *>(QStringLiteral("ck1"));
            box->setChecked(true);
            QStyleOptionButton option;
            option.initFrom(box);
            return Part{box, box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box)};
        });
    QTest::newRow("checked radio button") << "QRadioButton::indicator::checked" << PartFinder(
        [](ZavoCreator &w) {
            auto *radio = w.findChild<QRadioButton *>(QStringLiteral("rbtn1"));
            radio->setChecked(true);
            QStyleOptionButton option;
            option.initFrom(radio);
            return Part{radio, radio->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, radio)};
        });
    QTest::newRow("combo-box arrow") << "QComboBox::down-arrow" << PartFinder(
        [](ZavoCreator &w) {
            auto *combo = w.findChild<QComboBox *>(QStringLiteral("cbox1"));
            QStyleOptionComboBox option;
            option.initFrom(combo);
            option.editable = combo->isEditable();
            return Part{combo, combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                              QStyle::SC_ComboBoxArrow, combo)};
        });
    QTest::newRow("tree branch mark") << "QTreeView::branch:closed:has-children" << PartFinder(
        [](ZavoCreator &w) {
            auto *tree = w.findChild<QTreeWidget *>(QStringLiteral("treeWidget"));
            QTreeWidgetItem *item = tree->topLevelItem(0);
            item->setExpanded(false);
            const QRect row = tree->visualItemRect(item);
            return Part{tree->viewport(), QRect(0, row.top(), row.left(), row.height())};
        });
}

void Scale2Test::drawsTheDoubleDrawing()
{
    QFETCH(QString, selector);
    QFETCH(PartFinder, part);
    QCOMPARE(qApp->devicePixelRatio(), 2.0);

    ZavoCreator window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const Part p = part(window);
    bringUp(p.widget);
    const QString sheet = qApp->styleSheet();
    auto grab = [&] {
        QApplication::processEvents();
        return p.widget->grab(p.rect).toImage();
    };
    // The image the window's sheet draws the part with.
    const QRegularExpression rule(QRegularExpression::escape(selector)
                                  + QStringLiteral("[^{]*\\{[^}]*image:url\\((:/[^)]*/)(\\w+)\\.png\\)"));
    const QRegularExpressionMatch m = rule.match(sheet);
    QVERIFY2(m.hasMatch(), qPrintable(selector));
    const QString folder = m.captured(1), name = m.captured(2);
    const QImage doubled(folder + name + QStringLiteral("@2x.png"));
    QVERIFY(!doubled.isNull());

    const QImage real = grab();
    QCOMPARE(real.size(), p.rect.size() * 2);

    // The same sheet on a copy of the image folder with one file replaced by
    // a solid square of another colour: where the grab changes is where
    // that file is drawn.
    auto withSolid = [&](const QString &file) {
        QTemporaryDir copy;
        for (const QString &entry : QDir(folder).entryList(QDir::Files)) {
            QImage image(folder + entry);
            if (entry == file)
                image.fill(Qt::magenta);
            image.save(copy.filePath(entry));
        }
        QString moved = sheet;
        restyleApplication(moved.replace(folder, copy.path() + QLatin1Char('/')));
        const QImage changed = grab();
        restyleApplication(sheet);
        return changed;
    };
    const QRect drawn = changedArea(real, withSolid(name + QStringLiteral("@2x.png")));
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // Qt 5 chooses among the files by pixel size: for a part as many device
    // pixels wide as the single-size image, that image, drawn 1:1.
    if (QTest::currentDataTag() == QLatin1String("combo-box arrow")) {
        QCOMPARE(changedArea(real, withSolid(name + QStringLiteral(".png"))).size(),
                 QImage(folder + name + QStringLiteral(".png")).size());
        QEXPECT_FAIL("combo-box arrow", "Qt 5 draws the single-size image 1:1 here", Abort);
    }
#endif
    QVERIFY2(drawn.width() >= 8 && drawn.height() >= 8, "another @2x drawing does not change the grab");
    const double singleChanged = differing(real, withSolid(name + QStringLiteral(".png")));
    QVERIFY2(singleChanged < 0.01, qPrintable(QString::number(singleChanged)));
    // Qt draws the @2x drawing scaled to the part's size.
    const QImage expected = doubled.convertToFormat(QImage::Format_ARGB32)
                                .scaled(drawn.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const double off = mismatch(real.copy(drawn), expected);
    qInfo("drawn at %dx%d px; grab off the @2x drawing: %.3f; changed by another 1x image: %.3f", drawn.width(),
          drawn.height(), off, singleChanged);
    QVERIFY2(off < 0.1, qPrintable(QStringLiteral("%1 of the drawing differs").arg(off)));
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
