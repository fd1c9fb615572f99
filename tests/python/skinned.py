"""A Python program that applies an exported psblack bundle, moved after the
export, with the binding BINDING and checks the window's pixels; with
BINDING "none" no binding can be imported and apply() must say so.
Usage: skinned.py CLI BINDING WORK_DIR; exits 77 if BINDING cannot be imported."""
import importlib
import os
import re
import shutil
import subprocess
import sys

cli, binding, work = sys.argv[1:]
shutil.rmtree(work, ignore_errors=True)
subprocess.run([cli, "export", "--skin", "psblack", "--python", "--complete", "--recolor", "-o", work + "/made"],
               check=True)
bundle = shutil.move(work + "/made", work + "/moved")
sys.path.insert(0, bundle)
os.chdir(work)
BINDINGS = ("PyQt6", "PyQt5", "PySide6", "PySide2")
if binding == "none":
    sys.modules.update(dict.fromkeys(BINDINGS))  # None in sys.modules blocks the import
    import psblack
    try:
        psblack.apply()
    except ImportError as e:
        sys.exit(0 if all(name in str(e) for name in BINDINGS) else "the message lacks a binding: %s" % e)
    sys.exit("apply() found a binding")
try:
    QtCore, QtGui, QtWidgets = (importlib.import_module(binding + m) for m in (".QtCore", ".QtGui", ".QtWidgets"))
except ImportError as e:
    print("SKIPPED: %s cannot import %s: %s" % (sys.executable, binding, e))
    sys.exit(77)
import psblack
try:
    psblack.apply()
    sys.exit("apply() without a QApplication did not fail")
except RuntimeError:
    pass

app = QtWidgets.QApplication(["skinned"])
psblack.apply()
window = QtWidgets.QMainWindow()
window.menuBar().addMenu("File").addAction("Open")
checked, unchecked, label, greyed = (QtWidgets.QCheckBox("Box"), QtWidgets.QCheckBox("Box"),
                                     QtWidgets.QLabel("Label"), QtWidgets.QLabel("Label"))
checked.setChecked(True)
greyed.setEnabled(False)
central = QtWidgets.QWidget()
layout = QtWidgets.QVBoxLayout(central)
for widget in (checked, unchecked, label, greyed):
    layout.addWidget(widget)
layout.addStretch()
window.setCentralWidget(central)
window.resize(240, 240)
window.show()
app.processEvents()


def pixels(widget, rect=None):
    image = widget.grab(rect or widget.rect()).toImage()
    return [image.pixelColor(x, y) for y in range(image.height()) for x in range(image.width())]


def distance(a, b):
    return max(abs(a.red() - b.red()), abs(a.green() - b.green()), abs(a.blue() - b.blue()))


def ink(widget):  # how far the colour furthest from the background is from it
    colours = pixels(widget)
    return max(distance(c, colours[0]) for c in colours)


option = QtWidgets.QStyleOptionButton()
option.initFrom(checked)
indicator = checked.style().subElementRect(QtWidgets.QStyle.SubElement.SE_CheckBoxIndicator, option, checked)
sheet = open(bundle + "/psblack.css").read()
# The image the sheet's last rule for checked boxes names, from the folder, drawn as Qt draws it.
url = re.findall(r"QCheckBox::indicator:checked[,{][^}]*image:url\(([^)]*)\)", sheet)[-1]
drawn = QtGui.QImage(indicator.size(), QtGui.QImage.Format.Format_RGB32)
drawn.fill(pixels(checked)[0])
painter = QtGui.QPainter(drawn)
QtGui.QIcon(bundle + "/images/" + os.path.basename(url)).paint(painter, drawn.rect())
painter.end()
drawn = [drawn.pixelColor(x, y) for y in range(drawn.height()) for x in range(drawn.width())]
panel = sheet.split("/*PanelColor:")[1][:7]
checks = {
    "the check box states look alike": any(distance(a, b) > 24 for a, b in zip(pixels(checked, indicator),
                                                                                pixels(unchecked, indicator))),
    "the checked box is not the bundle's %s" % url: max(map(distance, pixels(checked, indicator), drawn)) <= 8,
    "the palette's Window is not the panel %s" % panel:
        app.palette().color(QtGui.QPalette.ColorRole.Window).name().upper() == panel,
    "the window is not painted in the panel colour": pixels(central)[-1].name().upper() == panel,
    "the disabled label is not greyed": 0 < ink(greyed) < ink(label),
}
failed = [what for what, ok in checks.items() if not ok]
sys.exit("; ".join(failed) if failed else 0)
