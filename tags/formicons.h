#pragma once

#include <QIcon>

// Pictures for the form buttons that have no caption: each shows the control it inserts.
enum class FormControlPicture { CheckBox, RadioButton, TextArea, Select, TextField };

QIcon formControlIcon(FormControlPicture picture);
