#include "uiform.h"

#include "bundlewriter.h"
#include "census.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QResource>
#include <QUiLoader>
#include <QXmlStreamReader>

namespace {

// Makes what QUiLoader makes, except that a class it cannot create becomes a
// placeholder: a widget of the base class the form records for it (a plain
// widget if none), named as the form names it, with the class in its tool
// tip and, if the base class draws nothing of its own, on a label.
class FormLoader : public QUiLoader
{
public:
    explicit FormLoader(const QHash<QString, QString> &baseClasses)
        : baseClasses(baseClasses), known(availableWidgets())
    {
    }

    QWidget *createWidget(const QString &className, QWidget *parent, const QString &name) override
    {
        // A custom class no plugin provides goes straight to its base class.
        const bool custom = baseClasses.contains(className) && !known.contains(className);
        QWidget *made = custom ? nullptr : QUiLoader::createWidget(className, parent, name);
        if (made)
            return made;
        made = QUiLoader::createWidget(baseClasses.value(className, QStringLiteral("QWidget")), parent, name);
        if (!made) {
            made = new QWidget(parent);
            made->setObjectName(name);
        }
        made->setProperty(ShownClassProperty, className);
        made->setToolTip(QStringLiteral("%1 (shown as %2: this program cannot create it)")
                             .arg(className, QLatin1String(made->metaObject()->className())));
        const QMetaObject *base = made->metaObject();
        if (base == &QWidget::staticMetaObject || base == &QFrame::staticMetaObject) {
            auto *label = new QLabel(className, made);
            label->setAttribute(Qt::WA_TransparentForMouseEvents);
            label->move(4, 4);
            label->adjustSize();
            label->lower();
        }
        return made;
    }

private:
    const QHash<QString, QString> &baseClasses;
    const QStringList known;  // the classes Qt and the plugins found make
};

} // namespace

std::unique_ptr<UiForm> UiForm::open(const QString &path, QString *error)
{
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    QFile file(path);
    if (!info.exists()) {
        *error = QStringLiteral("%1: no such file").arg(shown);
        return nullptr;
    }
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: cannot read it: %2")
                     .arg(shown, info.isDir() ? QStringLiteral("it is a folder") : file.errorString());
        return nullptr;
    }
    std::unique_ptr<UiForm> form(new UiForm);
    form->filePath = path;
    form->contents = file.readAll();

    QXmlStreamReader xml(form->contents);
    while (!xml.atEnd() && xml.readNext() != QXmlStreamReader::StartElement) {
    }
    if (!xml.isStartElement() || xml.name() != QLatin1String("ui")) {
        *error = QStringLiteral("%1: not a Designer form (%2)")
                     .arg(shown, xml.isStartElement()
                                     ? QStringLiteral("its first element is <%1>, not <ui>").arg(xml.name())
                                     : QStringLiteral("it is not XML"));
        return nullptr;
    }
    QStringList qrcFiles;
    QString customClass;
    QStringList widgets;  // the names of the <widget>s around
    bool inResources = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("resources"))
            inResources = false;
        if (xml.isEndElement() && xml.name() == QLatin1String("widget") && !widgets.isEmpty())
            widgets.removeLast();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("widget")) {
            widgets << xml.attributes().value(QStringLiteral("name")).toString();
        } else if (xml.name() == QLatin1String("property") && !widgets.isEmpty()
                   && xml.attributes().value(QStringLiteral("name")) == QLatin1String("palette")) {
            form->ownPalettes << widgets.constLast();
        } else if (xml.name() == QLatin1String("resources")) {
            inResources = true;
        } else if (inResources && xml.name() == QLatin1String("include")) {
            qrcFiles << info.absoluteDir().filePath(xml.attributes().value(QStringLiteral("location")).toString());
        } else if (xml.name() == QLatin1String("class")) {
            customClass = xml.readElementText().trimmed();
        } else if (xml.name() == QLatin1String("extends") && !customClass.isEmpty()) {
            form->baseClasses.insert(customClass, xml.readElementText().trimmed());
        }
    }
    if (xml.hasError()) {
        *error = QStringLiteral("%1: malformed form: %2 (line %3)").arg(shown, xml.errorString()).arg(xml.lineNumber());
        return nullptr;
    }
    qrcFiles.removeDuplicates();
    form->registerResources(qrcFiles);
    // What the loader refuses is refused here, not in a window later.
    QString refused;
    if (!form->create(nullptr, &refused)) {
        *error = refused;
        return nullptr;
    }
    return form;
}

UiForm::~UiForm()
{
    for (const QString &rcc : qAsConst(registered))
        QResource::unregisterResource(rcc);
}

QString UiForm::fileName() const
{
    return QFileInfo(filePath).fileName();
}

void UiForm::registerResources(const QStringList &qrcFiles)
{
    const QString rcc = qtRccProgram();
    for (const QString &qrc : qrcFiles) {
        QString problem;
        const QString compiledFile = compiled.filePath(QStringLiteral("%1.rcc").arg(registered.size()));
        if (!QFileInfo(qrc).isFile())
            problem = QStringLiteral("no such file");
        else if (!compiled.isValid())
            problem = QStringLiteral("no folder to compile it in: %1").arg(compiled.errorString());
        else if (!compileBinaryResource(rcc, qrc, compiledFile, &problem))
            problem = problem.section(QLatin1Char('\n'), 0, 0);
        else if (!QResource::registerResource(compiledFile))
            problem = QStringLiteral("Qt cannot read what rcc made of it");
        else
            registered << compiledFile;
        if (!problem.isEmpty())
            resourceWarnings << QStringLiteral("%1: %2: %3; its images are not shown")
                                    .arg(fileName(), QDir::toNativeSeparators(
                                                         QFileInfo(filePath).absoluteDir().relativeFilePath(qrc)), problem);
    }
}

std::unique_ptr<QWidget> UiForm::create(QWidget *parent, QString *error) const
{
    FormLoader loader(baseClasses);
    loader.setWorkingDirectory(QFileInfo(filePath).absoluteDir());
    QBuffer buffer;
    buffer.setData(contents);
    buffer.open(QIODevice::ReadOnly);
    std::unique_ptr<QWidget> form(loader.load(&buffer, parent));
    if (!form) {
        *error = QStringLiteral("%1: the form cannot be loaded: %2")
                     .arg(QDir::toNativeSeparators(filePath), loader.errorString());
        return nullptr;
    }
    for (const QString &name : ownPalettes) {
        if (QWidget *own = form->objectName() == name ? form.get() : form->findChild<QWidget *>(name))
            own->setProperty(OwnPaletteProperty, true);
    }
    return form;
}

std::optional<std::vector<std::unique_ptr<UiForm>>> openForms(const QStringList &paths, QStringList *warnings,
                                                             QString *error)
{
    std::vector<std::unique_ptr<UiForm>> forms;
    for (const QString &path : paths) {
        forms.push_back(UiForm::open(path, error));
        if (!forms.back())
            return std::nullopt;
        *warnings += forms.back()->warnings();
    }
    return forms;
}
