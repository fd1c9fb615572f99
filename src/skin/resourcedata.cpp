#include "resourcedata.h"

#include <QDataStream>
#include <QIODevice>

#include <algorithm>

namespace {

// The hash QResource looks names up by (Qt's qt_hash).
quint32 nameHash(const QString &name)
{
    quint32 h = 0;
    for (const QChar c : name) {
        h = (h << 4) + c.unicode();
        h ^= (h & 0xf0000000) >> 23;
        h &= 0x0fffffff;
    }
    return h;
}

} // namespace

QByteArray resourceData(const QVector<QPair<QString, QByteArray>> &files)
{
    // The root folder's entries must be in the order of their names' hashes.
    QVector<QPair<QString, QByteArray>> sorted = files;
    std::sort(sorted.begin(), sorted.end(),
              [](const auto &a, const auto &b) { return nameHash(a.first) < nameHash(b.first); });

    QByteArray names, payloads, tree;
    QDataStream nameOut(&names, QIODevice::WriteOnly), dataOut(&payloads, QIODevice::WriteOnly),
        treeOut(&tree, QIODevice::WriteOnly);
    // The root: no name, a folder whose children are the nodes 1 .. n.
    treeOut << qint32(0) << qint16(0x02) << qint32(sorted.size()) << qint32(1);
    for (const auto &file : qAsConst(sorted)) {
        // A file: any country, the C locale (the one every lookup accepts).
        treeOut << qint32(names.size()) << qint16(0) << qint16(0) << qint16(1) << qint32(payloads.size());
        nameOut << quint16(file.first.size()) << nameHash(file.first);
        for (const QChar c : file.first)
            nameOut << quint16(c.unicode());
        dataOut << quint32(file.second.size());
        dataOut.writeRawData(file.second.constData(), file.second.size());
    }
    const int header = 20;
    QByteArray out;
    QDataStream headerOut(&out, QIODevice::WriteOnly);
    headerOut.writeRawData("qres", 4);
    headerOut << qint32(1) << qint32(header) << qint32(header + tree.size())
              << qint32(header + tree.size() + payloads.size());
    return out + tree + payloads + names;
}
