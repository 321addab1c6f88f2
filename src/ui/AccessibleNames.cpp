#include "ui/AccessibleNames.h"

#include "ui/AccessKeys.h"

#include <QComboBox>
#include <QLabel>

namespace tessel {

namespace {

const char* const NamedListProperty = "tesselNamesList";

} // namespace

QString nameFromLabel(const QString& text)
{
    QString name = withoutAccessKey(text).trimmed();
    while (name.endsWith(u':') || name.endsWith(u'\uFF1A'))
        name.chop(1);
    return name.trimmed();
}

void nameList(QComboBox& list, const QString& name)
{
    list.setAccessibleName(name);
    QWidget* parent = list.parentWidget();
    if (!parent)
        return;
    for (QLabel* label : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->property(NamedListProperty).value<QObject*>() == &list) {
            label->setText(name);
            return;
        }
    }
    auto* label = new QLabel(name, parent);
    label->setProperty(NamedListProperty, QVariant::fromValue<QObject*>(&list));
    label->hide();
    label->setBuddy(&list);
}

} // namespace tessel
