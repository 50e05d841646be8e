#include "ui/qtmessageservice.h"

#include <QApplication>
#include <QMessageBox>

namespace zmp {

namespace {

QMessageBox::Icon boxIcon(BoxIcon icon)
{
    switch (icon) {
    case BoxIcon::Information:
        return QMessageBox::Information;
    case BoxIcon::Warning:
        return QMessageBox::Warning;
    case BoxIcon::Critical:
        return QMessageBox::Critical;
    case BoxIcon::Question:
        return QMessageBox::Question;
    case BoxIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtons(BoxButtons buttons)
{
    switch (buttons) {
    case BoxButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case BoxButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case BoxButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case BoxButtons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    case BoxButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton boxButton(BoxAnswer answer)
{
    switch (answer) {
    case BoxAnswer::Cancel:
        return QMessageBox::Cancel;
    case BoxAnswer::Yes:
        return QMessageBox::Yes;
    case BoxAnswer::No:
        return QMessageBox::No;
    case BoxAnswer::Retry:
        return QMessageBox::Retry;
    case BoxAnswer::Ok:
        break;
    }
    return QMessageBox::Ok;
}

BoxAnswer answerOf(int button)
{
    switch (button) {
    case QMessageBox::Cancel:
        return BoxAnswer::Cancel;
    case QMessageBox::Yes:
        return BoxAnswer::Yes;
    case QMessageBox::No:
        return BoxAnswer::No;
    case QMessageBox::Retry:
        return BoxAnswer::Retry;
    default:
        return BoxAnswer::Ok;
    }
}

} // namespace

BoxAnswer QtMessageService::show(const MessageRequest& request)
{
    QMessageBox box(boxIcon(request.icon), QString::fromStdString(request.title),
                    QString::fromStdString(request.text), boxButtons(request.buttons),
                    QApplication::activeWindow());
    box.setDefaultButton(boxButton(request.defaultAnswer));
    if (!request.detail.empty()) box.setInformativeText(QString::fromStdString(request.detail));
    const int button = box.exec();
    // The close box of a box with Cancel answers Cancel; of one without, its only button.
    if (button == QMessageBox::NoButton || button < 0)
        return request.buttons == BoxButtons::Ok ? BoxAnswer::Ok : BoxAnswer::Cancel;
    return answerOf(button);
}

} // namespace zmp
