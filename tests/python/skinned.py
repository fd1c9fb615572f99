# A program with BINDING applies a psblack bundle moved after its export and checks the pixels; with "none"
# no binding imports and apply() must say so. Usage: skinned.py CLI BINDING WORK; 77: BINDING not importable.
import importlib, os, re, shutil, subprocess, sys

cli, binding, work = sys.argv[1:]
shutil.rmtree(work, ignore_errors=True)
subprocess.run([cli, "export", "--skin", "psblack", "--python", "--complete", "--recolor", "-o", work + "/a"], check=True)
bundle = shutil.move(work + "/a", work + "/moved")
sys.path.insert(0, bundle)
BINDINGS = ("PyQt6", "PyQt5", "PySide6", "PySide2")
if binding == "none":
    sys.modules.update(dict.fromkeys(BINDINGS))  # None in sys.modules fails the import
    import psblack
    try:
        psblack.apply()
    except ImportError as e:
        sys.exit(0 if all(name in str(e) for name in BINDINGS) else str(e))
    sys.exit("apply() found a binding")
try:
    QtCore, QtGui, QtWidgets = (importlib.import_module(binding + m) for m in (".QtCore", ".QtGui", ".QtWidgets"))
except ImportError as e:
    print("SKIPPED: %s cannot import %s: %s" % (sys.executable, binding, e))
    sys.exit(77)
import psblack
try:
    psblack.apply()
    sys.exit("apply() without a QApplication raised nothing")
except RuntimeError:
    pass
app = QtWidgets.QApplication(["skinned"])
psblack.apply()
window = QtWidgets.QMainWindow()
window.menuBar().addMenu("File").addAction("Open")
layout = QtWidgets.QVBoxLayout()
on, off, label, greyed = QtWidgets.QCheckBox("On"), QtWidgets.QCheckBox("Off"), QtWidgets.QLabel("A"), QtWidgets.QLabel("A")
for widget in (on, off, label, greyed):
    layout.addWidget(widget)
window.setCentralWidget(QtWidgets.QWidget())
window.centralWidget().setLayout(layout)
on.setChecked(True)
greyed.setEnabled(False)
window.show()
app.processEvents()


def pixels(widget, rect=None):  # of what a widget shows, or of a QImage
    image = widget if isinstance(widget, QtGui.QImage) else widget.grab(rect or widget.rect()).toImage()
    return [image.pixelColor(x, y) for y in range(image.height()) for x in range(image.width())]


def distance(a, b):
    return max(abs(a.red() - b.red()), abs(a.green() - b.green()), abs(a.blue() - b.blue()))


option = QtWidgets.QStyleOptionButton()
option.initFrom(on)
box = on.style().subElementRect(QtWidgets.QStyle.SubElement.SE_CheckBoxIndicator, option, on)
sheet = open(bundle + "/psblack.css").read()
# The image the sheet's last rule for checked boxes names, from the folder at the size Qt draws it.
url = re.findall(r"QCheckBox::indicator:checked[,{][^}]*image:url\(([^)]*)\)", sheet)[-1]
mark = QtGui.QIcon(bundle + "/images/" + os.path.basename(url)).pixmap(box.size()).toImage()
opaque = [(a, b) for a, b in zip(pixels(mark), pixels(on, box)) if a.alpha() == 255]
ink = [max(distance(c, pixels(w)[0]) for c in pixels(w)) for w in (label, greyed)]  # the most off the background
panel = sheet.split("/*PanelColor:")[1][:7]
failed = [what for what, ok in {
    "the check box states look alike": max(map(distance, pixels(on, box), pixels(off, box))) > 24,
    "the checked box is not " + url: len(opaque) > 50 and max(distance(a, b) for a, b in opaque) <= 8,
    "the palette's Window is not the panel " + panel:
        app.palette().color(QtGui.QPalette.ColorRole.Window).name().upper() == panel,
    "the disabled label is not greyed": 0 < ink[1] < ink[0]}.items() if not ok]
sys.exit("; ".join(failed) or 0)
