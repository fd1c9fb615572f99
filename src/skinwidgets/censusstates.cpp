#include "censusstates.h"

#include "contrast.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QHash>
#include <QImage>
#include <QProgressBar>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace {

constexpr double kValueRatio = 3.0;
constexpr double kTextRatio = 4.5;
constexpr double kChangeRatio = 3.0;
// As the rest of the census: text by its third-strongest pixel over a part,
// and a part counts once this many of the text's pixels lie on it.
constexpr int kTextPixel = 3;
constexpr int kPartPixels = 10;
// Pixels around a widget where a focus ring may lie.
constexpr int kAround = 2;

CensusCheck line(const QString &widget, const QString &check, const QString &figures, bool passed)
{
    return {widget, check, figures, passed, false, QString()};
}

QString nameOf(const QWidget *w)
{
    const QString type = QLatin1String(w->metaObject()->className());
    return w->objectName().isEmpty() ? type : type + QLatin1Char(' ') + w->objectName();
}

// `w` as its window shows it, with `margin` pixels around it.
QImage picture(QWidget *w, int margin = 0)
{
    QCoreApplication::processEvents();
    QWidget *top = w->window();
    const QRect r = QRect(w->mapTo(top, QPoint(0, 0)), w->size()).adjusted(-margin, -margin, margin, margin);
    QImage image = top->grab(r.intersected(top->rect())).toImage().convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    return image;
}

void keep(const CensusShots &shots, const QString &what, const QWidget *w, const QImage &image)
{
    if (shots)
        shots(what + QLatin1Char('-') + (w->objectName().isEmpty() ? QLatin1String(w->metaObject()->className())
                                                                     : w->objectName()),
              image);
}

QRgb mostCommon(const QImage &image, const QRect &r)
{
    QHash<QRgb, int> counts;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x)
            ++counts[image.pixel(x, y)];
    }
    QRgb most = 0;
    int mostCount = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > mostCount || (it.value() == mostCount && it.key() < most)) {
            most = it.key();
            mostCount = it.value();
        }
    }
    return most;
}

// A bar at half its range, with its text shown or not; put back after.
QImage halfway(QProgressBar *bar, bool text)
{
    const int value = bar->value();
    const bool shown = bar->isTextVisible();
    bar->setValue(bar->minimum() + (bar->maximum() - bar->minimum()) / 2);
    bar->setTextVisible(text);
    const QImage image = picture(bar);
    bar->setValue(value);
    bar->setTextVisible(shown);
    return image;
}

// The longest straight run, across or down, of pixels whose colour differs
// 3:1 between `a` and `b`, and how many do.
struct Change
{
    int pixels = 0;
    int line = 0;
};

Change change(const QImage &a, const QImage &b)
{
    Change found;
    if (a.size() != b.size())
        return found;
    QVector<int> down(a.width(), 0);
    for (int y = 0; y < a.height(); ++y) {
        int across = 0;
        for (int x = 0; x < a.width(); ++x) {
            const bool changed = contrastRatio(QColor(a.pixel(x, y)), QColor(b.pixel(x, y))) >= kChangeRatio;
            found.pixels += changed;
            across = changed ? across + 1 : 0;
            down[x] = changed ? down[x] + 1 : 0;
            found.line = std::max({found.line, across, down[x]});
        }
    }
    return found;
}

CensusCheck changeCheck(QWidget *w, const QString &check, const QString &against, const QImage &a, const QImage &b)
{
    // A state that resizes the widget makes its neighbours jump.
    if (a.size() != b.size())
        return line(nameOf(w), check,
                    QStringLiteral("the widget changes size, %1x%2 against %3x%4 %5")
                        .arg(b.width()).arg(b.height()).arg(a.width()).arg(a.height()).arg(against),
                    false);
    const Change c = change(a, b);
    const int needed = std::max(4, std::min(w->width(), w->height()) / 2);
    return line(nameOf(w), check,
            QStringLiteral("%1 pixels change %2 against %3, in a line of %4 (%5 needed)")
                .arg(c.pixels).arg(ratioText(kChangeRatio), against).arg(c.line).arg(needed),
            c.line >= needed);
}

// A part of a compound widget, which the compound's own check covers.
bool isPart(const QWidget *w, const QWidget *root)
{
    for (const QWidget *p = w->parentWidget(); p && p != root; p = p->parentWidget()) {
        if (qobject_cast<const QComboBox *>(p) || qobject_cast<const QAbstractSpinBox *>(p)
            || qobject_cast<const QCalendarWidget *>(p) || qobject_cast<const QAbstractItemView *>(p))
            return true;
    }
    return false;
}

bool activate(QWidget *top)
{
    if (!top->isActiveWindow()) {
        top->activateWindow();
        for (int i = 0; i < 50 && !top->isActiveWindow(); ++i)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return top->isActiveWindow();
}

} // namespace

CensusCheck valueCheck(QProgressBar *bar, const CensusShots &shots)
{
    const QImage image = halfway(bar, false);
    keep(shots, QStringLiteral("value"), bar, image);
    const bool across = bar->orientation() == Qt::Horizontal;
    // Two bands along the middle, clear of the frame and of the halfway mark.
    const int length = across ? image.width() : image.height();
    const int thick = across ? image.height() : image.width();
    const auto band = [&](int from, int to) {
        return across ? QRect(from, thick / 4, to - from, std::max(1, thick / 2))
                      : QRect(thick / 4, from, std::max(1, thick / 2), to - from);
    };
    const QRgb first = mostCommon(image, band(4, length / 2 - 3));
    const QRgb second = mostCommon(image, band(length / 2 + 3, length - 4));
    // Horizontal bars fill from the leading edge, vertical ones from the bottom.
    const bool firstFilled = across ? bar->invertedAppearance() == (bar->layoutDirection() == Qt::RightToLeft)
                                    : bar->invertedAppearance();
    const QRgb filled = firstFilled ? first : second;
    const QRgb groove = firstFilled ? second : first;
    const double ratio = contrastRatio(QColor(filled), QColor(groove));
    return line(nameOf(bar) + (across ? QStringLiteral(" horizontal") : QStringLiteral(" vertical")),
            QStringLiteral("value"),
            QStringLiteral("%1, filled %2 on groove %3 at 50%").arg(ratioText(ratio), colourText(filled),
                                                                  colourText(groove)),
            ratio >= kValueRatio);
}

CensusCheck valueTextCheck(QProgressBar *bar, const CensusShots &shots)
{
    const QImage text = halfway(bar, true);
    const QImage bare = halfway(bar, false);
    keep(shots, QStringLiteral("value-text"), bar, text);
    // The text's pixels by the colour of the part they lie on.
    QHash<QRgb, QVector<double>> parts;
    for (int y = 0; y < text.height() && text.size() == bare.size(); ++y) {
        for (int x = 0; x < text.width(); ++x) {
            const QRgb back = bare.pixel(x, y);
            if (text.pixel(x, y) != back)
                parts[back].append(contrastRatio(QColor(text.pixel(x, y)), QColor(back)));
        }
    }
    double worst = 21;
    QRgb worstPart = 0;
    int counted = 0;
    for (auto it = parts.begin(); it != parts.end(); ++it) {
        if (it.value().size() < kPartPixels)
            continue;
        std::sort(it.value().begin(), it.value().end(), std::greater<double>());
        const double ratio = it.value().at(kTextPixel - 1);
        ++counted;
        if (ratio < worst || (ratio == worst && it.key() < worstPart)) {
            worst = ratio;
            worstPart = it.key();
        }
    }
    const QString what = nameOf(bar) + (bar->orientation() == Qt::Horizontal ? QStringLiteral(" horizontal text")
                                                                            : QStringLiteral(" vertical text"));
    if (counted == 0)
        return line(what, QStringLiteral("text over a value"), QStringLiteral("no text found at 50%"), false);
    return line(what, QStringLiteral("text over a value"),
            QStringLiteral("%1 on %2, the worst of the %3 parts it lies over at 50%")
                .arg(ratioText(worst), colourText(worstPart)).arg(counted),
            worst >= kTextRatio);
}

CensusCheck focusCheck(QWidget *widget, const CensusShots &shots)
{
    QWidget *top = widget->window();
    if (!activate(top))
        return line(nameOf(widget), QStringLiteral("focus"), QStringLiteral("its window could not be made active"), false);
    top->setAttribute(Qt::WA_KeyboardFocusChange);
    if (QWidget *focused = QApplication::focusWidget())
        focused->clearFocus();
    const QImage before = picture(widget, kAround);
    widget->setFocus(Qt::TabFocusReason);
    const QImage after = picture(widget, kAround);
    const bool took = widget->hasFocus();
    widget->clearFocus();
    QCoreApplication::processEvents();
    keep(shots, QStringLiteral("focus"), widget, after);
    if (!took)
        return line(nameOf(widget), QStringLiteral("focus"), QStringLiteral("it did not take the focus"), false);
    return changeCheck(widget, QStringLiteral("focus"), QStringLiteral("the unfocused picture"), before, after);
}

CensusCheck toggleCheck(QAbstractButton *button, const CensusShots &shots)
{
    const bool checked = button->isChecked();
    button->setChecked(false);
    const QImage off = picture(button);
    button->setChecked(true);
    const QImage on = picture(button);
    button->setChecked(checked);
    keep(shots, QStringLiteral("checked"), button, on);
    return changeCheck(button, QStringLiteral("toggled"), QStringLiteral("unchecked"), off, on);
}

const QVector<const char *> &focusClasses()
{
    static const QVector<const char *> classes = {"QPushButton", "QToolButton", "QCheckBox", "QRadioButton",
                                                  "QComboBox",   "QSpinBox",    "QSlider",   "QTabBar",
                                                  "QListView",   "QTreeView",   "QTableView", "QLineEdit",
                                                  "QTextEdit"};
    return classes;
}

QVector<CensusCheck> stateCensus(QWidget *root, QSet<QString> *seen, const CensusShots &shots,
                                 const std::function<void(const QWidget *, CensusCheck *)> &adjust)
{
    QVector<CensusCheck> out;
    const auto add = [&](const QWidget *w, CensusCheck check) {
        if (adjust)
            adjust(w, &check);
        out.append(check);
    };
    const QList<QWidget *> widgets = root->findChildren<QWidget *>();
    const auto shown = [root](const QWidget *w) { return w->isVisible() && w->isEnabled() && !isPart(w, root); };
    // Marks `key` seen; whether it was not yet.
    const auto first = [seen](const QString &key) {
        if (seen->contains(key))
            return false;
        seen->insert(key);
        return true;
    };
    for (QWidget *w : widgets) {
        auto *bar = qobject_cast<QProgressBar *>(w);
        if (!bar || !shown(bar) || bar->maximum() <= bar->minimum()
            || !first(QStringLiteral("value %1").arg(bar->orientation())))
            continue;
        add(bar, valueCheck(bar, shots));
        if (bar->isTextVisible())
            add(bar, valueTextCheck(bar, shots));
    }
    for (const char *type : focusClasses()) {
        const auto found = std::find_if(widgets.cbegin(), widgets.cend(), [&](const QWidget *w) {
            return w->inherits(type) && shown(w) && (w->focusPolicy() & Qt::TabFocus);
        });
        if (found != widgets.cend() && first(QStringLiteral("focus ") + QLatin1String(type)))
            add(*found, focusCheck(*found, shots));
    }
    for (QWidget *w : widgets) {
        auto *button = qobject_cast<QAbstractButton *>(w);
        // Qt's own parts (a tool bar's extension button) are not the program's toggles.
        if (button && !w->objectName().startsWith(QLatin1String("qt_")) && (qobject_cast<QPushButton *>(w) || qobject_cast<QToolButton *>(w)) && button->isCheckable()
            && shown(button)
            && first(qobject_cast<QPushButton *>(w)          ? QStringLiteral("toggled push")
                     : qobject_cast<QToolBar *>(w->parentWidget()) ? QStringLiteral("toggled tool bar")
                                                                   : QStringLiteral("toggled tool")))
            add(button, toggleCheck(button, shots));
    }
    return out;
}
