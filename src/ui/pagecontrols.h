#pragma once

#include <string>
#include <vector>

#include <QString>

class QComboBox;
class QWidget;

namespace zmp {

// Small helpers the settings pages share for their controls.

// The object name of element index of a control array: "chkUsable_2".
QString indexedName(const char* name, int index);
// A drop-down list named name holding these entries.
QComboBox* makeList(QWidget* parent, const QString& name, const std::vector<std::string>& texts);
// Positions a list while filling; -1 leaves it without a selection.
void selectQuietly(QComboBox* list, int index);

} // namespace zmp
