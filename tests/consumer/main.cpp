// Applies an exported skin exactly as its README.txt says and fails unless
// every url() of the sheet resolves, a checked check box looks different
// from an unchecked one and the tree's branch marks show on the panel.
// With a file name as argument it also saves a picture of its window.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QPalette>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

static int failures = 0;

static void expect(bool ok, const QString &what)
{
    if (!ok) {
        qCritical("consumer: %s", qPrintable(what));
        ++failures;
    }
}

// Pixels of `area` that stand out from its top-left pixel.
static int marked(const QImage &image, const QRect &area)
{
    const QColor back = image.pixelColor(area.topLeft());
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += qMax(qAbs(c.red() - back.red()), qMax(qAbs(c.green() - back.green()),
                                                           qAbs(c.blue() - back.blue()))) >= 32;
        }
    }
    return count;
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
#include "readme-lines.inc"

    const QString sheet = qApp->styleSheet();
    expect(!sheet.isEmpty(), QStringLiteral("the README lines applied no style sheet"));
    auto urls = QRegularExpression(QStringLiteral("url\\(([^)]*)\\)")).globalMatch(sheet);
    while (urls.hasNext()) {
        const QString url = urls.next().captured(1);
        expect(!QImage(url).isNull(), QStringLiteral("url(%1) does not resolve").arg(url));
    }

    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *checked = new QCheckBox(QStringLiteral("Checked"));
    auto *unchecked = new QCheckBox(QStringLiteral("Unchecked"));
    checked->setChecked(true);
    auto *radio = new QRadioButton(QStringLiteral("Radio button"));
    radio->setChecked(true);
    auto *spin = new QSpinBox;
    auto *combo = new QComboBox;
    combo->addItems({QStringLiteral("Combo box"), QStringLiteral("Second")});
    auto *tree = new QTreeWidget;
    tree->setHeaderLabel(QStringLiteral("Tree"));
    const char *names[] = {"Open", "Closed"};
    for (const char *name : names) {
        auto *item = new QTreeWidgetItem(tree, {QLatin1String(name)});
        new QTreeWidgetItem(item, {QStringLiteral("Child")});
    }
    tree->topLevelItem(0)->setExpanded(true);
    for (QWidget *widget : std::initializer_list<QWidget *>{checked, unchecked, radio, spin, combo, tree})
        layout->addWidget(widget);
    window.resize(260, 320);
    window.show();
    QApplication::processEvents();

    const int side = qMin(20, checked->height());
    expect(checked->grab().toImage().copy(0, 0, side, side) != unchecked->grab().toImage().copy(0, 0, side, side),
           QStringLiteral("a checked and an unchecked check box look the same"));
    const QImage view = tree->viewport()->grab().toImage();
    for (int i = 0; i < 2; ++i) {
        const QRect row = tree->visualItemRect(tree->topLevelItem(i));
        expect(marked(view, QRect(0, row.top(), row.left(), row.height())) >= 4,
               QStringLiteral("the branch mark of \"%1\" does not show on the panel").arg(QLatin1String(names[i])));
    }
    if (argc > 1)
        window.grab().save(QString::fromLocal8Bit(argv[1]));
    return failures == 0 ? 0 : 1;
}
