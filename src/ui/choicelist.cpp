#include "ui/choicelist.h"

#include <QAbstractItemView>

namespace zmp {

// The open list is made on first use: a page holds dozens of lists and
// most are never opened.
void ChoiceList::showPopup()
{
    if (!following_) {
        following_ = true;
        // The mouse and the keys move the selection and the current entry
        // together; once the event is done, an entry selected but not
        // current was chosen by other means.
        connect(view()->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
            QMetaObject::invokeMethod(this, &ChoiceList::takeSelectedEntry, Qt::QueuedConnection);
        });
    }
    QComboBox::showPopup();
}

void ChoiceList::takeSelectedEntry()
{
    const QModelIndexList rows = view()->selectionModel()->selectedRows();
    if (rows.size() != 1 || rows.front() == view()->currentIndex()) return;
    setCurrentIndex(rows.front().row());
    hidePopup();
}

} // namespace zmp
