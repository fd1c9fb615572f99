// Rule tables of the two style-sheet rule sets and their writers.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

struct StyleRule
{
    QStringList selectors;
    QStringList declarations;
};

// How a template-form skin differs from the plain template text.
struct TemplateVariant
{
    QString imageDir = QStringLiteral("common");   // directory below ":/qss/"
    QString editorSelectionBackground;             // empty: NormalColorStart
    QString editorSelectionColor;                  // empty: TextColor
};

// The 123 template rules in file order, placeholders "#C1".."#C8" in place.
QVector<StyleRule> templateRules(const TemplateVariant &variant = TemplateVariant());

// The template text: CR LF line ends, block layout, colour trailer.
QByteArray templateText(const TemplateVariant &variant = TemplateVariant());

// The 77 classic rules with slot markers "{K1}".."{K23}".
QVector<StyleRule> classicRules();

// A classic-form skin file for the 23 slot colours (K1 first).
QByteArray classicText(const QStringList &slotColours);
