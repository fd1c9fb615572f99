// Prints how long the package's run-time skin takes on a consumer window of
// a few hundred ordinary widgets, against a plain setPalette + setStyleSheet
// of the same skin on the same window: a switch from one skin to another,
// the first skin at start-up, and the two start-up orders (skin set before
// the window is built, or after it is built and before it is shown). Then
// the cost of the coverage layer: the plain skin against the complete one
// (coverage layer appended, its images on disk), applied to the built
// window and repainting it. Uses the public headers, and the skin
// library's coverage layer for the last two figures. Run with QT_QPA_PLATFORM=offscreen; argument: the
// number of processes per figure (median).
#include <VantuSkin/widgets.h>

#include "coverage.h"
#include "coverageimages.h"
#include "resourcedata.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QProcess>
#include <QProgressBar>
#include <QResource>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTabWidget>
#include <QTextStream>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// A main window built the way Designer's generated code builds one: each
// widget made with its parent, each tab page filled before it is added to
// the tab widget, and the central widget put in last. 4 pages of 10 group
// boxes of 9 ordinary widgets.
std::unique_ptr<QWidget> buildWindow()
{
    auto window = std::make_unique<QMainWindow>();
    auto *central = new QWidget;
    auto *tabs = new QTabWidget(central);
    (new QVBoxLayout(central))->addWidget(tabs);
    for (int t = 0; t < 4; ++t) {
        auto *page = new QWidget;
        auto *grid = new QGridLayout(page);
        for (int i = 0; i < 10; ++i) {
            auto *group = new QGroupBox(QStringLiteral("Group %1").arg(i), page);
            auto *layout = new QGridLayout(group);
            layout->addWidget(new QLabel(QStringLiteral("Name"), group), 0, 0);
            layout->addWidget(new QLineEdit(QStringLiteral("text"), group), 0, 1);
            layout->addWidget(new QCheckBox(QStringLiteral("Check"), group), 1, 0);
            layout->addWidget(new QRadioButton(QStringLiteral("Radio"), group), 1, 1);
            auto *combo = new QComboBox(group);
            combo->addItems({QStringLiteral("One"), QStringLiteral("Two")});
            layout->addWidget(combo, 2, 0);
            layout->addWidget(new QSpinBox(group), 2, 1);
            layout->addWidget(new QPushButton(QStringLiteral("Apply"), group), 3, 0);
            layout->addWidget(new QSlider(Qt::Horizontal, group), 3, 1);
            auto *progress = new QProgressBar(group);
            progress->setValue(40);
            layout->addWidget(progress, 4, 0, 1, 2);
            grid->addWidget(group, i / 5, i % 5);
        }
        tabs->addTab(page, QStringLiteral("Page %1").arg(t));
    }
    window->setCentralWidget(central);
    return window;
}

void plainSkin(const QString &sheet)
{
    QApplication::setPalette(VantuSkin::skinPalette(sheet));
    qApp->setStyleSheet(sheet);
}


// One figure, measured in a process of its own so that no cache of an
// earlier figure helps it: "<how> <what>", how = package | plain.
double measure(const QString &how, const QString &what, const QString skins[2])
{
    const bool package = how == QLatin1String("package");
    auto skin = [package](const QString &sheet) { package ? VantuSkin::applySkin(sheet) : plainSkin(sheet); };
    std::unique_ptr<QWidget> window;
    QElapsedTimer timer;
    if (what == QLatin1String("switch")) {
        window = buildWindow();
        VantuSkin::showSkinned(window.get(), skins[1]);
        QCoreApplication::processEvents();
        timer.start();
        skin(skins[0]);
    } else if (what == QLatin1String("first")) {
        window = buildWindow();
        timer.start();
        skin(skins[0]);
        window->show();
    } else if (what == QLatin1String("before")) {
        timer.start();
        skin(skins[0]);
        window = buildWindow();
        window->show();
    } else {
        timer.start();
        window = buildWindow();
        skin(skins[0]);
        window->show();
    }
    QCoreApplication::processEvents();
    return timer.nsecsElapsed() / 1e6;
}

// The coverage layer's cost, in a process of its own: "bare|complete
// apply|repaint|applySkin". Apply: palette and sheet set on the built,
// shown, unskinned window. Repaint: 20 full repaints of it once the skin
// is on.
double measureCoverage(const QString &how, const QString &what, const QString &skin)
{
    const bool complete = how == QLatin1String("complete");
    // As an exported --complete bundle has it: the layer after the sheet,
    // its images compiled into the program (here: registered beforehand).
    QString sheet = skin;
    const std::optional<SkinColours> colours = sheetColours(skin);
    QByteArray resource;
    if (complete && colours) {
        QVector<QPair<QString, QByteArray>> files;
        for (const NamedImage &image : coverageImages(*colours))
            files.append({image.name, pngBytes(image.image)});
        resource = resourceData(files);
        QResource::registerResource(reinterpret_cast<const uchar *>(resource.constData()), QStringLiteral("/bench"));
        sheet = appendCoverage(skin, coverageBlock(*colours, QStringLiteral(":/bench/")));
    }
    // applySkin: the package's run-time call, which draws the layer's
    // images itself, against the same call with the layer left out.
    const bool runTime = what == QLatin1String("applySkin");
    const auto put = [&](const QString &text) {
        if (runTime)
            VantuSkin::applySkin(text, complete ? VantuSkin::Coverage::Added : VantuSkin::Coverage::LeftOut);
        else
            plainSkin(text);
    };
    if (runTime)
        sheet = skin;
    std::unique_ptr<QWidget> window = buildWindow();
    window->show();
    QCoreApplication::processEvents();
    // The fastest of five tries, each from the unskinned window: the least
    // disturbed by other work on the machine.
    double fastest = 1e9;
    QElapsedTimer timer;
    for (int i = 0; i < 5; ++i) {
        if (what != QLatin1String("repaint")) {
            put(QString());
            QCoreApplication::processEvents();
            timer.start();
            put(sheet);
            QCoreApplication::processEvents();
        } else {
            if (i == 0) {
                put(sheet);
                QCoreApplication::processEvents();
            }
            timer.start();
            for (int n = 0; n < 20; ++n)
                window->repaint();
        }
        fastest = std::min(fastest, timer.nsecsElapsed() / 1e6);
    }
    return fastest;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const QString skins[2] = {VantuSkin::builtInSkin(QStringLiteral("psblack")),
                              VantuSkin::builtInSkin(QStringLiteral("flatwhite"))};
    QTextStream out(stdout);
    if (arguments.size() == 3) {
        const bool coverage = arguments[1] == QLatin1String("bare") || arguments[1] == QLatin1String("complete");
        out << (coverage ? measureCoverage(arguments[1], arguments[2], skins[0])
                         : measure(arguments[1], arguments[2], skins)) << '\n';
        return 0;
    }

    const int runs = std::max(1, arguments.value(1, QStringLiteral("5")).toInt());
    // The two ways alternate, so that a busy machine slows both alike.
    auto medians = [runs, &arguments](const char *what, const char *first = "package", const char *second = "plain") {
        std::vector<double> times[2];
        for (int i = 0; i < 2 * runs; ++i) {
            QProcess child;
            child.start(arguments[0], {QLatin1String(i % 2 ? second : first), QLatin1String(what)});
            child.waitForFinished(120000);
            times[i % 2].push_back(child.readAllStandardOutput().trimmed().toDouble());
        }
        for (auto &t : times)
            std::sort(t.begin(), t.end());
        return std::make_pair(times[0][runs / 2], times[1][runs / 2]);
    };
    out << "Consumer window: " << buildWindow()->findChildren<QWidget *>().size() + 1
        << " widgets; median of " << runs << " processes each (ms)\n";
    auto row = [&](const char *label, const char *what) {
        const auto [package, plain] = medians(what);
        out << QStringLiteral("%1  applySkin %2  plain %3  ratio %4\n")
                   .arg(QLatin1String(label), -38).arg(package, 7, 'f', 1).arg(plain, 7, 'f', 1)
                   .arg(package / plain, 0, 'f', 2);
        out.flush();
        return package;
    };
    row("switch flatwhite -> psblack", "switch");
    row("first skin on the built window, shown", "first");
    const double before = row("start-up: skin, build, show", "before");
    const double after = row("start-up: build, skin, show", "after");
    out << QStringLiteral("skin before building / after building (applySkin): %1\n").arg(before / after, 0, 'f', 2);
    out << "Coverage layer, psblack on the built window, images compiled in (apply, repaint) or drawn by\n"
           "applySkin (applySkin), against the skin alone (ms)\n";
    for (const char *what : {"apply", "repaint", "applySkin"}) {
        const auto [complete, bare] = medians(what, "complete", "bare");
        out << QStringLiteral("%1  complete %2  plain %3  ratio %4 (%5% added)\n")
                   .arg(QLatin1String(what), -38).arg(complete, 7, 'f', 1).arg(bare, 7, 'f', 1)
                   .arg(complete / bare, 0, 'f', 2).arg((complete / bare - 1) * 100, 0, 'f', 1);
    }
    return 0;
}
