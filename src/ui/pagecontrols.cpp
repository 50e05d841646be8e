#include "ui/pagecontrols.h"

#include <algorithm>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionFrame>

#include "ui/choicelist.h"

namespace zmp {

QString indexedName(const char* name, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

QComboBox* makeList(QWidget* parent, const QString& name, const std::vector<std::string>& texts)
{
    auto* list = new ChoiceList(parent);
    list->setObjectName(name);
    for (const std::string& text : texts)
        list->addItem(QString::fromStdString(text));
    return list;
}

void selectQuietly(QComboBox* list, int index)
{
    const QSignalBlocker blocker(list);
    list->setCurrentIndex(index < list->count() ? index : -1);
}

void checkQuietly(QAbstractButton* box, bool checked)
{
    const QSignalBlocker blocker(box);
    box->setChecked(checked);
}

void setLocked(QLineEdit* field, bool locked)
{
    field->setReadOnly(locked);
    QPalette palette = QApplication::palette(field);
    if (locked) {
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            palette.setColor(group, QPalette::Base, palette.color(group, QPalette::Window));
    }
    field->setPalette(palette);
}

namespace {

// The field width that shows this many sample characters; one more covers
// the margins around the text.
int fieldWidth(const QLineEdit* field, int characters, QChar sample)
{
    QStyleOptionFrame option;
    option.initFrom(field);
    option.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
    const QSize text(field->fontMetrics().horizontalAdvance(QString(characters + 1, sample)),
                     field->fontMetrics().height());
    return field->style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, field).width();
}

} // namespace

void fitCharacters(QLineEdit* field, int characters)
{
    field->setMinimumWidth(fieldWidth(field, characters, QLatin1Char('W')));
}

void fitDigits(QLineEdit* field, int digits)
{
    field->setFixedWidth(
        std::max(fieldWidth(field, digits, QLatin1Char('0')), field->minimumSizeHint().width()));
}

} // namespace zmp
