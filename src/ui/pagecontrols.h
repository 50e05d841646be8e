#pragma once

#include <string>
#include <vector>

#include <QString>

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QWidget;

namespace zmp {

// Small helpers the settings pages share for their controls.

// The object name of element index of a control array: "chkUsable_2".
QString indexedName(const char* name, int index);
// A drop-down list named name holding these entries.
QComboBox* makeList(QWidget* parent, const QString& name, const std::vector<std::string>& texts);
// Positions a list while filling; -1 leaves it without a selection.
void selectQuietly(QComboBox* list, int index);
// Checks or unchecks a box while filling. Boxes react to every change of
// their state (click, space bar, assistive technology), so the program's
// own changes must not reach their handlers.
void checkQuietly(QAbstractButton* box, bool checked);
// Makes a field read-only or editable; a read-only field is drawn on the
// window's grey, so it does not look like one the user can type in.
void setLocked(QLineEdit* field, bool locked);
// Makes a field at least wide enough to show this many characters of the
// widest kind in its font, so that a full-length name is never cut.
void fitCharacters(QLineEdit* field, int characters);
// Makes a field exactly wide enough for this many digits: short numbers
// get short fields, which leave the page room for its other controls.
void fitDigits(QLineEdit* field, int digits);

} // namespace zmp
